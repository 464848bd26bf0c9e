#include "ui/markup/image_header.h"

#include <cstdlib>
#include <optional>

#include "platform/base/files.h"
#include "ui/markup/markup_text.h"

namespace kv {
namespace {

// Sequential reads that fail, rather than run past the end, on short data.
class ByteReader {
  public:
    explicit ByteReader(ByteSpan bytes) : bytes_(bytes) {}

    std::size_t position() const { return pos_; }
    bool Seek(std::size_t pos) {
        if (pos > bytes_.size()) return false;
        pos_ = pos;
        return true;
    }
    bool Skip(std::size_t n) { return n <= bytes_.size() - pos_ && Seek(pos_ + n); }
    std::optional<std::uint32_t> U8() {
        if (pos_ >= bytes_.size()) return std::nullopt;
        return bytes_[pos_++];
    }
    std::optional<std::uint32_t> U16(bool big_endian) { return Word(2, big_endian); }
    std::optional<std::uint32_t> U32(bool big_endian) { return Word(4, big_endian); }

  private:
    std::optional<std::uint32_t> Word(std::size_t n, bool big_endian) {
        if (n > bytes_.size() - pos_) return std::nullopt;
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t b = bytes_[pos_ + (big_endian ? i : n - 1 - i)];
            v = (v << 8) | b;
        }
        pos_ += n;
        return v;
    }

    ByteSpan bytes_;
    std::size_t pos_ = 0;
};

bool StartsWith(ByteSpan bytes, std::string_view magic) {
    if (bytes.size() < magic.size()) return false;
    for (std::size_t i = 0; i < magic.size(); ++i) {
        if (bytes[i] != static_cast<std::uint8_t>(magic[i])) return false;
    }
    return true;
}

int ClampToInt(std::uint32_t v) {
    return v > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<int>(v);
}

ImageSize Sized(std::optional<std::uint32_t> w, std::optional<std::uint32_t> h) {
    if (!w || !h) return {};
    return {ClampToInt(*w), ClampToInt(*h)};
}

bool IsJpegFrameMarker(std::uint32_t marker) {
    // Every start-of-frame marker C0..CF except the tables C4 (Huffman), C8 (reserved) and
    // CC (arithmetic coding) carries the frame's height and width.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1A\n", 8};

}  // namespace

ImageSize PngSize(ByteSpan bytes) {
    if (!StartsWith(bytes, kPngSignature)) return {};
    ByteReader r(bytes);
    if (!r.Seek(16)) return {};
    const auto w = r.U32(true);
    const auto h = r.U32(true);
    return Sized(w, h);
}

ImageSize JpegSize(ByteSpan bytes) {
    if (!StartsWith(bytes, "\xFF\xD8")) return {};
    ByteReader r(bytes);
    r.Seek(2);
    auto b = r.U8();
    while (b && *b == 0xFF) {
        const auto marker = r.U8();
        if (!marker) return {};
        if (*marker == 0xFF) continue;  // fill byte before the marker
        if (IsJpegFrameMarker(*marker)) {
            if (!r.Skip(3)) return {};
            const auto h = r.U16(true);
            const auto w = r.U16(true);
            return Sized(w, h);
        }
        if (*marker == 0x01 || (*marker >= 0xD0 && *marker <= 0xD7)) {
            b = r.U8();
            continue;
        }
        const auto length = r.U16(true);
        // A length below 2 would not move the scan forward.
        if (!length || *length < 2 || !r.Skip(*length - 2)) return {};
        b = r.U8();
    }
    return {};
}

ImageSize BmpSize(ByteSpan bytes) {
    if (!StartsWith(bytes, "BM")) return {};
    ByteReader r(bytes);
    if (!r.Seek(14)) return {};
    const auto header_size = r.U32(false);
    if (!header_size) return {};
    if (*header_size == 12) {  // the old core header has 16-bit sizes
        const auto w = r.U16(false);
        const auto h = r.U16(false);
        return Sized(w, h);
    }
    const auto w = r.U32(false);
    const auto h = r.U32(false);
    if (!w || !h) return {};
    // A negative height marks rows stored top-down; the size is the same.
    const auto magnitude = [](std::uint32_t v) {
        const std::int64_t s = static_cast<std::int32_t>(v);
        return static_cast<std::uint32_t>(s < 0 ? -s : s);
    };
    return Sized(magnitude(*w), magnitude(*h));
}

ImageSize GifSize(ByteSpan bytes) {
    if (!StartsWith(bytes, "GIF")) return {};
    ByteReader r(bytes);
    if (!r.Seek(10)) return {};
    const auto flags = r.U8();
    if (!flags || !r.Seek(13)) return {};
    if (*flags & 0x80) {
        if (!r.Skip(3u * (1u << ((*flags & 7) + 1)))) return {};
    }
    // Walk the blocks: extensions are skipped whole, so bytes inside them that happen to be
    // ',' are never taken for an image descriptor.
    while (true) {
        const auto introducer = r.U8();
        if (!introducer || *introducer == 0x3B) return {};
        if (*introducer == 0x2C) {
            if (!r.Skip(4)) return {};
            const auto w = r.U16(false);
            const auto h = r.U16(false);
            return Sized(w, h);
        }
        if (*introducer != 0x21 || !r.Skip(1)) return {};
        while (true) {
            const auto length = r.U8();
            if (!length) return {};
            if (*length == 0) break;
            if (!r.Skip(*length)) return {};
        }
    }
}

ImageSize TiffSize(ByteSpan bytes) {
    bool big_endian;
    if (StartsWith(bytes, "II")) {
        big_endian = false;
    } else if (StartsWith(bytes, "MM")) {
        big_endian = true;
    } else {
        return {};
    }
    ByteReader r(bytes);
    r.Seek(4);
    const auto directory = r.U32(big_endian);
    if (!directory || !r.Seek(*directory)) return {};
    const auto count = r.U16(big_endian);
    if (!count) return {};
    std::optional<std::uint32_t> width, height;
    for (std::uint32_t i = 0; i < *count && !(width && height); ++i) {
        const auto tag = r.U16(big_endian);
        const auto type = r.U16(big_endian);
        if (!tag || !type || !r.Skip(4)) return {};
        // A SHORT value sits in the first two bytes of the value field, in the file's order.
        const auto value = *type == 3 ? r.U16(big_endian) : r.U32(big_endian);
        if (!value || (*type == 3 && !r.Skip(2))) return {};
        if (*tag == 256) width = value;
        if (*tag == 257) height = value;
    }
    return Sized(width, height);
}

ImageSize ImageSizeFromFileHeader(ByteSpan bytes, std::string_view file_name) {
    const std::string ext = UpperAscii(ExtensionOf(file_name));
    if (ext == ".JPG" || ext == ".JPEG") return JpegSize(bytes);
    if (ext == ".PNG") return PngSize(bytes);
    if (ext == ".BMP") return BmpSize(bytes);
    if (ext == ".GIF") return GifSize(bytes);
    if (ext == ".TIF" || ext == ".TIFF") return TiffSize(bytes);
    return {};
}

ImageSize ImageSizeFromBytes(ByteSpan bytes) {
    if (StartsWith(bytes, kPngSignature)) return PngSize(bytes);
    if (StartsWith(bytes, "\xFF\xD8")) return JpegSize(bytes);
    if (StartsWith(bytes, "GIF")) return GifSize(bytes);
    if (StartsWith(bytes, "BM")) return BmpSize(bytes);
    return TiffSize(bytes);
}

bool IsGifData(ByteSpan bytes) {
    return bytes.size() >= 5 && StartsWith(bytes, "GIF8");
}

namespace {

// Calls found(position) for every graphic control extension directly followed by an image
// descriptor; stops when found returns true.
template <typename Found>
void ScanGifFrames(ByteSpan bytes, Found found) {
    for (std::size_t i = 0; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == 0x21 && bytes[i + 1] == 0xF9 && bytes[i + 2] == 0x04 &&
            bytes[i + 8] == 0x2C) {
            if (found(i)) return;
        }
    }
}

}  // namespace

int GifFrameCount(ByteSpan bytes) {
    if (!IsGifData(bytes)) return -1;
    int count = 0;
    ScanGifFrames(bytes, [&](std::size_t) {
        ++count;
        return false;
    });
    return count;
}

GifFrameOffset GifFrameOffsetOf(ByteSpan bytes, int frame) {
    GifFrameOffset offset;
    if (!IsGifData(bytes)) return offset;
    int seen = 0;
    ScanGifFrames(bytes, [&](std::size_t at) {
        if (++seen != frame) return false;
        ByteReader r(bytes);
        r.Seek(at + 9);
        const auto left = r.U16(false);
        const auto top = r.U16(false);
        if (left && top) offset = {static_cast<int>(*left), static_cast<int>(*top)};
        return true;
    });
    return offset;
}

}  // namespace kv
