#pragma once
// A picture in memory: a premultiplied ARGB32 Cairo surface decoded from PNG,
// JPEG, GIF (first frame) or BMP. Decoders trust nothing they read: a damaged or
// hostile file leaves the picture empty with a message, never a crash.

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/colors.h"

namespace kv {

enum class PictureFormat { None, Memory, Bmp, Png, Jpeg, Gif };

// Pictures larger than this on either side, or with more pixels than
// kMaxPicturePixels, are refused before any memory is taken for them.
constexpr int kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{32} * 1024 * 1024;

// Copies share their pixels until one of them is written (a canvas or graphics opened on it,
// SetPixelARGB): a window that shows the same picture many times, or makes a picture again from
// a kept one, pays for the pixels once.
class Picture {
  public:
    Picture() = default;
    Picture(int width, int height);  // transparent black; empty when the size is refused
    ~Picture();
    Picture(const Picture& other);
    Picture& operator=(const Picture& other);
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;

    // The format is found from the first bytes. On failure the picture is empty
    // and error() says why.
    bool LoadFromMemory(const void* data, size_t size);
    bool LoadFromFile(const std::string& path);
    bool SaveToPng(const std::string& path) const;
    std::vector<uint8_t> SaveToPngMemory() const;

    // New size, contents cleared to transparent black; false when the size is refused.
    bool SetSize(int width, int height);
    void Clear();

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return surface_ == nullptr; }
    PictureFormat format() const { return format_; }
    const std::string& error() const { return error_; }

    // Drawn with every pixel of transparent_color left out. clDefault takes the
    // colour of the bottom-left pixel, as bitmaps do.
    bool transparent = false;
    TColor transparent_color = clDefault;
    TColor EffectiveTransparentColor() const;

    // Unpremultiplied 0xAARRGGBB; 0 outside the picture.
    ARGB PixelARGB(int x, int y) const;
    void SetPixelARGB(int x, int y, ARGB color);

    // The surface to draw from or into (null when empty). It may be shared with copies of the
    // picture: write into it only through a canvas or graphics on the picture, or between
    // OpenForDrawing and CloseForDrawing, which give the picture pixels of its own. Call
    // MarkDirty after drawing into a picture's own surface directly so cached derived forms are
    // rebuilt.
    cairo_surface_t* surface() const { return surface_; }
    void MarkDirty();

    // A canvas or graphics drawing into the picture holds it open: meanwhile the
    // keyed form is rebuilt at every use, and closing marks the pixels changed.
    void OpenForDrawing();
    void CloseForDrawing();

    // The surface with the transparent colour keyed out when `transparent` is set,
    // else surface(). Owned by the picture.
    cairo_surface_t* DrawSurface() const;

    // DrawSurface() scaled to width x height with the smoothing filter, the edges padded: what a
    // stretched draw puts on the canvas, made once and kept for the next paint at that size.
    // Null when empty or out of memory. Owned by the picture; rebuilt after any change of its
    // pixels (MarkDirty), of `transparent` or of the keyed colour, and while the picture is
    // open for drawing.
    cairo_surface_t* ScaledSurface(int width, int height) const;

    // For decoders: takes ownership of an ARGB32 surface that holds premultiplied pixels.
    void Adopt(cairo_surface_t* surface, PictureFormat format);
    void Fail(std::string message);

  private:
    // Reads and decodes the file (`regular`: it is a regular file).
    bool LoadFileBytes(const std::string& path, bool regular);
    void Release();
    void DropScaled() const;
    // Pixels of its own before a write, when a copy still shares them.
    void Unshare();
    cairo_surface_t* surface_ = nullptr;
    mutable cairo_surface_t* keyed_ = nullptr;
    mutable TColor keyed_color_ = clNone;
    // The last scaled form, with what it was made from.
    mutable cairo_surface_t* scaled_ = nullptr;
    mutable cairo_surface_t* scaled_from_ = nullptr;
    mutable int scaled_width_ = 0;
    mutable int scaled_height_ = 0;
    int open_for_drawing_ = 0;
    int width_ = 0;
    int height_ = 0;
    PictureFormat format_ = PictureFormat::None;
    std::string error_;
};

// True when width and height are positive and within the limits above.
bool PictureSizeAllowed(int64_t width, int64_t height);

// Turns the straight-alpha pixels a decoder wrote into the premultiplied ones
// Cairo draws with.
void PremultiplyPixels(cairo_surface_t* surface);

// The decoders, one per format; each fills `out` or fails it with a message.
bool DecodeBmp(const uint8_t* data, size_t size, Picture& out);
bool DecodePng(const uint8_t* data, size_t size, Picture& out);
bool DecodeJpeg(const uint8_t* data, size_t size, Picture& out);
bool DecodeGif(const uint8_t* data, size_t size, Picture& out);

}  // namespace kv
