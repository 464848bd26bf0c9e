#pragma once
// A picture kept as the bytes of its image file, exactly as loaded, so that it can be stored
// with a window and written back unchanged. Decoding is the drawing surface's business; the
// size comes from the file's header.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/geometry.h"
#include "ui/markup/image_header.h"

namespace kv {

class Canvas;
class Picture;

using Bytes = std::vector<std::uint8_t>;

// No picture file is larger than this; a larger one is not read at all.
constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;

// The bytes of a regular file of at most kMaxPictureFileBytes; nullopt when it is anything
// else or cannot be read. Windows-style separators are accepted.
std::optional<Bytes> ReadFileBytes(std::string_view path);

class EncodedPicture {
  public:
    virtual ~EncodedPicture() = default;

    const Bytes& Data() const { return bytes_; }
    bool Empty() const { return empty_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Setting a size does nothing: the size is the image's own.
    void SetWidth(int) {}
    void SetHeight(int) {}

    // Reads the size from the bytes; false when the picture is empty or holds no bytes.
    bool UpdateImageSize();

    // Decodes the bytes; false (and out empty) when there are none or they cannot be read.
    // Bitmaps come out with their bottom-left pixel's colour keyed out, as the desktop's
    // bitmaps draw.
    bool Decode(Picture& out) const;

    // The stored form of a picture property is the file's bytes, nothing before or after.
    Bytes SaveToBytes() const { return bytes_; }

    std::function<void()> OnChange;
    std::function<void()> OnClear;

  protected:
    void Changed() const {
        if (OnChange) OnChange();
    }
    void Cleared() const {
        if (OnClear) OnClear();
    }
    void SetBytes(Bytes bytes) { bytes_ = std::move(bytes); }
    // Assignment: nullptr clears (change, then clear notification); a picture of the same
    // kind passes its emptiness on; any other picture saved to bytes is a picture.
    void AssignFrom(const EncodedPicture* source, bool same_kind);
    // Draws on a canvas: other formats stretched into r (their decoded size is kept), a
    // bitmap with its key colour left out, at its own size at r's corner or stretched.
    void DrawOnCanvas(Canvas& canvas, const Rect& r, bool bitmap_at_own_size);
    // Takes a file's bytes and fires the clear notification; false (and empty) when the
    // file cannot be read.
    bool TakeFile(std::string_view file_name);
    void SetEmpty(bool empty) { empty_ = empty; }
    void SetSize(ImageSize size) {
        width_ = size.width;
        height_ = size.height;
    }

  private:
    Bytes bytes_;
    bool empty_ = true;
    int width_ = 0;
    int height_ = 0;
};

// "major.minor.release.build" from a number packed one byte each, high to low.
std::string FormatVersion(std::uint32_t packed);

}  // namespace kv
