#pragma once
// Picture sizes read from file headers, without decoding the picture. Every read is checked
// against the bytes there are: a damaged or hostile file gives 0 x 0, never an over-read.

#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

struct ImageSize {
    int width = 0;
    int height = 0;
    bool operator==(const ImageSize&) const = default;
};

using ByteSpan = std::span<const std::uint8_t>;

// The header reader is chosen by the file name's extension (".png", ".JPEG", ...), as a file
// loaded by name is expected to be of its kind; other extensions give 0 x 0.
ImageSize ImageSizeFromFileHeader(ByteSpan bytes, std::string_view file_name);
// The reader is chosen by the bytes' own signature (PNG, JPEG, GIF, BMP, TIFF).
ImageSize ImageSizeFromBytes(ByteSpan bytes);

ImageSize PngSize(ByteSpan bytes);
ImageSize JpegSize(ByteSpan bytes);
ImageSize BmpSize(ByteSpan bytes);
ImageSize GifSize(ByteSpan bytes);
ImageSize TiffSize(ByteSpan bytes);

// At least 5 bytes starting "GIF8".
bool IsGifData(ByteSpan bytes);
// Frames of an animation (a graphic control extension directly followed by an image
// descriptor); -1 for data that is not GIF.
int GifFrameCount(ByteSpan bytes);
struct GifFrameOffset {
    int left = 0;
    int top = 0;
    bool operator==(const GifFrameOffset&) const = default;
};
// The left and top of frame (1-based) inside the animation; 0, 0 when there is no such frame.
GifFrameOffset GifFrameOffsetOf(ByteSpan bytes, int frame);

}  // namespace kv
