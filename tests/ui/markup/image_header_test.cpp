#include "ui/markup/image_header.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/ui/markup/picture_bytes.h"

namespace kv {
namespace {

using B = std::vector<std::uint8_t>;

B Cat(std::initializer_list<B> parts) {
    B out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}
B Le16(int v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
}
B Le32(std::int64_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}
B Be16(int v) {
    return {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

B Jpeg(std::uint8_t frame_marker) {
    return Cat({{0xFF, 0xD8, 0xFF, 0xE0},
                Be16(6),
                {'J', 'F', 'I', 'F'},  // APP0, 4 bytes
                {0xFF, 0xFF, frame_marker},
                Be16(11),
                {8},
                Be16(120),
                Be16(160),
                {3}});
}

B Bmp(std::int32_t w, std::int32_t h) {
    return Cat({{'B', 'M'}, Le32(0), Le32(0), Le32(54), Le32(40), Le32(w), Le32(h), Le16(1)});
}

// A screen of 99 x 99 with a 2-entry colour table, a graphic control extension whose
// data holds ',' bytes, then an image of w x h at (left, top).
B GifFrame(int left, int top, int w, int h) {
    return Cat({{0x21, 0xF9, 0x04, 0x2C, 0x2C, 0x00, 0x2C, 0x00},
                {0x2C},
                Le16(left),
                Le16(top),
                Le16(w),
                Le16(h),
                {0x00, 0x02, 0x02, 0x4C, 0x01, 0x00}});
}
B Gif(std::initializer_list<B> frames) {
    B out = Cat({{'G', 'I', 'F', '8', '9', 'a'},
                 Le16(99),
                 Le16(99),
                 {0x80, 0, 0},
                 {0, 0, 0, 255, 255, 255}});
    for (const auto& f : frames) out.insert(out.end(), f.begin(), f.end());
    out.push_back(0x3B);
    return out;
}

B Tiff(bool big_endian, int type, int w, int h) {
    auto u16 = [&](int v) { return big_endian ? Be16(v) : Le16(v); };
    auto u32 = [&](std::uint32_t v) {
        B b = Le32(v);
        if (big_endian) std::reverse(b.begin(), b.end());
        return b;
    };
    auto value = [&](int v) {
        if (type == 3) return Cat({u16(v), {0, 0}});
        return u32(static_cast<std::uint32_t>(v));
    };
    return Cat({big_endian ? B{'M', 'M', 0, 42} : B{'I', 'I', 42, 0}, u32(8), u16(3), u16(254),
                u16(4), u32(1), u32(0), u16(256), u16(type), u32(1), value(w), u16(257), u16(type),
                u32(1), value(h)});
}

B Truncated(B b, std::size_t n) {
    b.resize(std::min(n, b.size()));
    return b;
}

TEST(ImageHeader, SizesFromEveryFormat) {
    struct Case {
        std::string name;
        B bytes;
        ImageSize size;
    };
    const Case cases[] = {
        {"a.png", test::PngHeader(300, 200), {300, 200}},
        {"a.PNG", test::PngHeader(70000, 2), {70000, 2}},
        {"a.jpg", Jpeg(0xC0), {160, 120}},
        {"a.jpeg", Jpeg(0xC2), {160, 120}},  // progressive
        {"a.bmp", Bmp(64, 32), {64, 32}},
        {"a.bmp", Bmp(64, -32), {64, 32}},  // top-down rows
        {"a.bmp", Cat({{'B', 'M'}, B(12, 0), Le32(12), Le16(5), Le16(7)}), {5, 7}},
        {"a.gif", Gif({GifFrame(0, 0, 20, 10)}), {20, 10}},
        {"a.tif", Tiff(false, 3, 640, 480), {640, 480}},
        {"a.TIFF", Tiff(true, 3, 640, 480), {640, 480}},
        {"a.tiff", Tiff(true, 4, 70000, 3), {70000, 3}},
        {"a.ico", test::PngHeader(16, 16), {0, 0}},
        {"teams\\escudos.v2\\x", test::PngHeader(16, 16), {0, 0}},
        {"a.png", Jpeg(0xC0), {0, 0}},  // the extension chooses the reader
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImageSizeFromFileHeader(c.bytes, c.name), c.size) << c.name;
        if (c.size.width > 0) {
            EXPECT_EQ(ImageSizeFromBytes(c.bytes), c.size) << c.name;
        }
    }
}

TEST(ImageHeader, DamagedHeadersGiveNoSize) {
    const B jpeg_bad_length = Cat({{0xFF, 0xD8, 0xFF, 0xE0}, Be16(1), {0xFF, 0xC0}});
    const B jpeg_zero_length = Cat({{0xFF, 0xD8, 0xFF, 0xE0}, Be16(0)});
    B gif_huge_table = Gif({GifFrame(0, 0, 20, 10)});
    gif_huge_table[10] = 0x87;  // a 768-byte table that is not there
    B tiff_far = Tiff(false, 3, 1, 1);
    tiff_far[4] = 0xFF;  // directory beyond the end
    B tiff_many = Tiff(false, 3, 1, 1);
    tiff_many[8] = 0xFF;  // far more entries than bytes
    tiff_many[9] = 0xFF;
    const B cases[] = {
        {},
        Truncated(test::PngHeader(300, 200), 20),
        Truncated(Jpeg(0xC0), 12),
        Truncated(Jpeg(0xC0), 19),
        jpeg_bad_length,
        jpeg_zero_length,
        Truncated(Bmp(64, 32), 20),
        Truncated(Gif({GifFrame(0, 0, 20, 10)}), 30),
        gif_huge_table,
        Gif({}),
        tiff_far,
        Truncated(Tiff(true, 3, 640, 480), 30),
        {'I', 'I', 42},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ImageSizeFromBytes(cases[i]), (ImageSize{0, 0})) << "case " << i;
    }
    const ImageSize many = ImageSizeFromBytes(tiff_many);
    EXPECT_EQ(many, (ImageSize{1, 1}));  // both sizes were met before the count ran out
}

TEST(ImageHeader, GifFramesAndTheirOffsets) {
    const B three = Gif({GifFrame(0, 0, 20, 10), GifFrame(5, 6, 4, 4), GifFrame(300, 1, 2, 2)});
    EXPECT_TRUE(IsGifData(three));
    EXPECT_EQ(GifFrameCount(three), 3);
    EXPECT_EQ(GifFrameOffsetOf(three, 1), (GifFrameOffset{0, 0}));
    EXPECT_EQ(GifFrameOffsetOf(three, 2), (GifFrameOffset{5, 6}));
    EXPECT_EQ(GifFrameOffsetOf(three, 3), (GifFrameOffset{300, 1}));
    EXPECT_EQ(GifFrameOffsetOf(three, 4), (GifFrameOffset{0, 0}));
    EXPECT_EQ(GifFrameCount(test::PngHeader(1, 1)), -1);
    EXPECT_EQ(GifFrameCount(B{'G', 'I', 'F', '8'}), -1);
    // A frame marker at the very end is neither counted past the data nor read past it.
    B cut = Gif({GifFrame(0, 0, 20, 10)});
    cut.resize(13 + 6 + 10);
    EXPECT_EQ(GifFrameCount(cut), 1);
    EXPECT_EQ(GifFrameOffsetOf(cut, 1), (GifFrameOffset{0, 0}));
    cut.resize(13 + 6 + 8);
    EXPECT_EQ(GifFrameCount(cut), 0);
}

}  // namespace
}  // namespace kv
