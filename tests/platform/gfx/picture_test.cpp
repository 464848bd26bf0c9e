#include "platform/gfx/picture.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/gfx/canvas.h"
#include "tests/platform/gfx/picture_fixtures.h"

namespace kv {
namespace {

using fixtures::Bytes;
using fixtures::Pixels;

constexpr ARGB kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kBlack = 0xFF000000;
constexpr ARGB kHalfWhite = 0x80FFFFFF, kClear = 0x00000000;

// 3x2: opaque colours, one fully transparent pixel, one half-transparent.
const Pixels kPixels = {kRed, kGreen, kClear, kBlue, kHalfWhite, kBlack};
const Pixels kPalette = {kBlack, kRed, kGreen, kBlue};
const std::vector<uint8_t> kIndices = {1, 2, 0, 3, 1, 0};

Picture Load(const Bytes& bytes) {
    Picture p;
    p.LoadFromMemory(bytes.data(), bytes.size());
    return p;
}

void ExpectPixels(const Picture& p, const Pixels& expected, int width) {
    ASSERT_FALSE(p.empty()) << p.error();
    ASSERT_EQ(p.width(), width);
    ASSERT_EQ(p.height(), static_cast<int>(expected.size()) / width);
    for (size_t i = 0; i < expected.size(); ++i) {
        const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
        EXPECT_EQ(p.PixelARGB(x, y), expected[i]) << "pixel " << x << "," << y;
    }
}

Pixels FromPalette(const std::vector<uint8_t>& indices, int transparent) {
    Pixels out;
    for (uint8_t i : indices) out.push_back(i == transparent ? kClear : kPalette[i]);
    return out;
}

TEST(PictureDecode, PngKeepsColoursAndAlpha) {
    for (bool interlaced : {false, true}) {
        const Picture p = Load(fixtures::EncodePng(3, 2, kPixels, interlaced));
        ExpectPixels(p, kPixels, 3);
        EXPECT_EQ(p.format(), PictureFormat::Png);
    }
}

TEST(PictureDecode, PalettePngTurnsTransparentEntryClear) {
    const Picture p = Load(fixtures::EncodePalettePng(3, 2, kIndices, kPalette, 1));
    ExpectPixels(p, FromPalette(kIndices, 0), 3);
}

TEST(PictureDecode, JpegColourAndGrey) {
    // Two flat halves; compression blurs colour only near where they meet.
    struct Case {
        bool grayscale;
        ARGB left, right;
    };
    for (const Case c : {Case{false, 0xFFC02010, 0xFF2060E0}, Case{true, 0xFF404040, 0xFFD0D0D0}}) {
        Pixels pixels(32 * 16);
        for (int i = 0; i < 32 * 16; ++i) pixels[i] = i % 32 < 16 ? c.left : c.right;
        const Picture p = Load(fixtures::EncodeJpeg(32, 16, pixels, c.grayscale));
        ASSERT_FALSE(p.empty()) << p.error();
        EXPECT_EQ(p.format(), PictureFormat::Jpeg);
        EXPECT_EQ(p.width(), 32);
        EXPECT_EQ(p.height(), 16);
        for (auto [x, expected] : {std::pair{3, c.left}, std::pair{28, c.right}}) {
            const ARGB got = p.PixelARGB(x, 8);
            for (int shift : {24, 16, 8, 0})
                EXPECT_NEAR(int((got >> shift) & 0xFF), int((expected >> shift) & 0xFF), 6);
        }
    }
}

TEST(PictureDecode, GifFirstFrameWithTransparentIndex) {
    struct Case {
        int transparent;
        bool interlaced;
    };
    for (const Case c : {Case{-1, false}, Case{0, false}, Case{2, true}}) {
        // Tall enough for all four interlace passes to carry rows.
        std::vector<uint8_t> indices;
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 3; ++x) indices.push_back(static_cast<uint8_t>((x + y) % 4));
        }
        const Picture p =
            Load(fixtures::EncodeGif(3, 9, indices, kPalette, c.transparent, c.interlaced));
        ExpectPixels(p, FromPalette(indices, c.transparent), 3);
        EXPECT_EQ(p.format(), PictureFormat::Gif);
    }
}

TEST(PictureDecode, BmpEveryDepthBothRowOrders) {
    const Pixels opaque = {kRed, kGreen, kBlue, kBlue, 0xFF808080, kBlack};
    const std::vector<uint32_t> rgb(opaque.begin(), opaque.end());
    struct Case {
        int bpp;
        std::vector<uint32_t> values;
        Pixels palette;
        Pixels expected;
    };
    const std::vector<uint8_t> two = {1, 0, 1, 0, 0, 1};
    const std::vector<Case> cases = {
        {1, {two.begin(), two.end()}, {kBlack, kRed}, {kRed, kBlack, kRed, kBlack, kBlack, kRed}},
        {4, {kIndices.begin(), kIndices.end()}, kPalette, FromPalette(kIndices, -1)},
        {8, {kIndices.begin(), kIndices.end()}, kPalette, FromPalette(kIndices, -1)},
        {24, rgb, {}, opaque},
        // A 32-bit file whose fourth bytes are all zero is opaque.
        {32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0x000000FF, 0x00808080, 0}, {}, opaque},
        {32, {kPixels.begin(), kPixels.end()}, {}, kPixels},
    };
    for (const Case& c : cases) {
        for (int height : {2, -2}) {
            SCOPED_TRACE("bpp " + std::to_string(c.bpp) + " height " + std::to_string(height));
            const Picture p = Load(fixtures::EncodeBmp(c.bpp, 3, height, c.values, c.palette));
            ExpectPixels(p, c.expected, 3);
            EXPECT_EQ(p.format(), PictureFormat::Bmp);
        }
    }
}

TEST(PictureDecode, BmpBitMasks) {
    struct Case {
        const char* name;
        Bytes bytes;
        Pixels expected;
    };
    const Case cases[] = {
        {"16-bit default 5-5-5", fixtures::EncodeBmp(16, 2, 1, {0x7C00, 0x001F}), {kRed, kBlue}},
        {"16-bit 5-6-5 masks",
         fixtures::WithBitMasks(fixtures::EncodeBmp(16, 2, 1, {0x07E0, 0xF800}),
                                {0xF800, 0x07E0, 0x001F}),
         {kGreen, kRed}},
        // Red in the top byte, alpha in the low one.
        {"32-bit masks with alpha",
         fixtures::WithBitMasks(fixtures::EncodeBmp(32, 2, 1, {0xFF0000FF, 0x0000FF80}),
                                {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF}),
         {kRed, 0x800000FF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectPixels(Load(c.bytes), c.expected, 2);
    }
}

TEST(PictureTransparency, KeyedColourIsLeftOutWhenDrawn) {
    // Bottom-left pixel is blue: with the default key, blue disappears.
    Picture p = Load(fixtures::EncodeBmp(24, 3, 2, {kRed, kGreen, kRed, kBlue, kBlue, kGreen}));
    ASSERT_FALSE(p.empty());
    p.transparent = true;
    EXPECT_EQ(p.EffectiveTransparentColor(), clBlue);
    Canvas c(3, 2);
    c.Draw(0, 0, p);
    EXPECT_EQ(c.Pixel(0, 0), clRed);
    EXPECT_EQ(c.Pixel(0, 1), clWhite);
    EXPECT_EQ(c.Pixel(1, 1), clWhite);
    EXPECT_EQ(c.Pixel(2, 1), clLime);

    p.transparent_color = clRed;
    Canvas d(3, 2);
    d.Draw(0, 0, p);
    EXPECT_EQ(d.Pixel(0, 0), clWhite);
    EXPECT_EQ(d.Pixel(0, 1), clBlue);
}

TEST(PictureFile, PngWrittenAndReadBack) {
    Picture p(4, 3);
    p.SetPixelARGB(1, 2, kHalfWhite);
    p.SetPixelARGB(3, 0, kRed);
    const std::string path = std::string(KORVANEL_TEST_OUTPUT_DIR) + "/picture_round_trip.png";
    std::filesystem::create_directories(KORVANEL_TEST_OUTPUT_DIR);
    ASSERT_TRUE(p.SaveToPng(path));
    Picture q;
    ASSERT_TRUE(q.LoadFromFile(path)) << q.error();
    EXPECT_EQ(q.PixelARGB(1, 2), kHalfWhite);
    EXPECT_EQ(q.PixelARGB(3, 0), kRed);
    EXPECT_EQ(q.PixelARGB(0, 0), kClear);
    for (const std::string& bad : {path + ".missing", std::string(KORVANEL_TEST_OUTPUT_DIR)}) {
        EXPECT_FALSE(q.LoadFromFile(bad)) << bad;
        EXPECT_TRUE(q.empty());
        EXPECT_FALSE(q.error().empty());
    }
}

// ---- damaged and hostile pictures ----

Bytes Truncated(Bytes b, size_t keep) {
    b.resize(keep);
    return b;
}

// Sets a PNG's IHDR size and fixes the chunk's CRC, so only the size is wrong.
Bytes PngWithSize(uint32_t width, uint32_t height) {
    Bytes b = fixtures::EncodePng(3, 2, kPixels);
    auto be = [&](size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k) b[at + k] = (v >> (24 - 8 * k)) & 0xFF;
    };
    be(16, width);
    be(20, height);
    be(29, static_cast<uint32_t>(crc32(0, b.data() + 12, 17)));
    return b;
}

Bytes JpegWithSize(uint16_t width, uint16_t height) {
    Bytes b = fixtures::EncodeJpeg(16, 8, Pixels(16 * 8, kRed));
    for (size_t i = 0; i + 9 < b.size(); ++i) {
        if (b[i] == 0xFF && b[i + 1] == 0xC0) {
            b[i + 5] = height >> 8, b[i + 6] = height & 0xFF;
            b[i + 7] = width >> 8, b[i + 8] = width & 0xFF;
            break;
        }
    }
    return b;
}

Bytes Gif() {
    return fixtures::EncodeGif(3, 2, kIndices, kPalette, 0);
}
// Header, screen descriptor, 4-colour table, graphic control block: the frame's descriptor.
constexpr size_t kGifFrame = 6 + 7 + 12 + 8;

Bytes GifPatched(size_t at, uint16_t value) {
    Bytes b = Gif();
    fixtures::PutU16(b, at, value);
    return b;
}

Bytes Bmp() {
    return fixtures::EncodeBmp(8, 3, 2, {kIndices.begin(), kIndices.end()}, kPalette);
}

Bytes BmpPatched(size_t at, uint32_t value, bool wide = true) {
    Bytes b = Bmp();
    if (wide)
        fixtures::PutU32(b, at, value);
    else
        fixtures::PutU16(b, at, value);
    return b;
}

// Found by the fuzzer: a 52-byte header asking for four masks it holds three of,
// and pixels that run past the end.
const Bytes kBmpShortMaskHeader = {
    0x42, 0x4d, 0x4e, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x42, 0x00, 0x00, 0x00,
    0x34, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00,
    0x20, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x48, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0x02, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

TEST(PictureDamaged, RefusedWithAMessage) {
    const Bytes png = fixtures::EncodePng(3, 2, kPixels);
    Bytes bad_crc = png;
    bad_crc[30] ^= 0xFF;
    Bytes no_palette = Gif();
    no_palette[10] &= 0x7F;  // screen descriptor says: no global colour table
    const Bytes jpeg = fixtures::EncodeJpeg(16, 8, Pixels(16 * 8, kRed));
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"unknown format", {'h', 'e', 'l', 'l', 'o'}},
        {"png signature only", Truncated(png, 8)},
        {"png truncated in pixels", Truncated(png, png.size() - 20)},
        {"png without end", Truncated(png, png.size() - 12)},
        {"png zero width", PngWithSize(0, 2)},
        {"png huge", PngWithSize(100000, 100000)},
        {"png too many pixels", PngWithSize(16000, 16000)},
        {"png bad header crc", bad_crc},
        {"jpeg marker only", Truncated(jpeg, 3)},
        {"jpeg truncated", Truncated(jpeg, jpeg.size() / 2)},
        {"jpeg zero height", JpegWithSize(16, 0)},
        {"jpeg huge", JpegWithSize(60000, 60000)},
        {"gif header only", Truncated(Gif(), 13)},
        {"gif truncated in pixels", Truncated(Gif(), Gif().size() - 6)},
        {"gif zero screen", GifPatched(6, 0)},
        {"gif huge screen", GifPatched(8, 60000)},
        {"gif frame huge", GifPatched(kGifFrame + 5, 60000)},
        {"gif without palette", no_palette},
        {"bmp header only", Truncated(Bmp(), 14)},
        {"bmp truncated in pixels", Truncated(Bmp(), Bmp().size() - 1)},
        {"bmp zero width", BmpPatched(18, 0)},
        {"bmp huge", BmpPatched(18, 100000)},
        {"bmp most negative height", BmpPatched(22, 0x80000000u)},
        {"bmp pixel offset past end", BmpPatched(10, 0xFFFFFFF0u)},
        {"bmp palette larger than depth allows", BmpPatched(46, 300)},
        {"bmp palette past end", BmpPatched(46, 256)},
        {"bmp odd depth", BmpPatched(28, 7, false)},
        {"bmp unknown header size", BmpPatched(14, 41)},
        {"bmp run-length compressed", BmpPatched(30, 1)},
        {"bmp header shorter than its masks", kBmpShortMaskHeader},
    };
    for (const Case& c : cases) {
        Picture p(2, 2);
        EXPECT_FALSE(p.LoadFromMemory(c.bytes.data(), c.bytes.size())) << c.name;
        EXPECT_TRUE(p.empty()) << c.name;
        EXPECT_FALSE(p.error().empty()) << c.name;
    }
}

// Every prefix and a spread of corrupted copies of each format: refused or
// decoded, never a crash or a read outside the bytes (the sanitizer build
// catches the latter).
TEST(PictureDamaged, EveryTruncationAndCorruptionIsSafe) {
    const std::vector<Bytes> originals = {
        fixtures::EncodePng(3, 2, kPixels, true),
        fixtures::EncodeJpeg(16, 8, Pixels(16 * 8, kRed)),
        fixtures::EncodeGif(3, 9, std::vector<uint8_t>(27, 1), kPalette, 0, true),
        Bmp(),
        fixtures::EncodeBmp(1, 3, -2, {1, 0, 1, 0, 0, 1}, {kBlack, kRed}),
    };
    std::mt19937 random(2014);
    for (const Bytes& original : originals) {
        for (size_t keep = 0; keep < original.size(); ++keep) {
            Bytes cut(original.begin(), original.begin() + keep);
            Picture p;
            if (!p.LoadFromMemory(cut.data(), cut.size())) {
                EXPECT_FALSE(p.error().empty());
            }
        }
        for (int round = 0; round < 300; ++round) {
            Bytes bad = original;
            for (int k = 0; k < 3; ++k) bad[random() % bad.size()] = static_cast<uint8_t>(random());
            Picture p;
            if (p.LoadFromMemory(bad.data(), bad.size())) {
                EXPECT_TRUE(PictureSizeAllowed(p.width(), p.height()));
            }
        }
    }
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// A stretched picture is drawn from its kept scaled form: a change of its pixels, of its keyed
// colour or of the size it is stretched to shows at the next draw.
TEST(PictureCaches, StretchedPictureFollowsItsPixelsKeyAndSize) {
    Picture p(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) p.SetPixelARGB(x, y, 0xFFFF0000);
    Canvas c(8, 8);
    c.brush = Brush{clWhite};
    c.FillRect({0, 0, 8, 8});
    c.StretchDraw({0, 0, 4, 4}, p);
    EXPECT_EQ(c.Pixel(3, 3), clRed);
    p.SetPixelARGB(1, 1, 0xFF0000FF);  // pixels changed
    c.StretchDraw({0, 0, 4, 4}, p);
    EXPECT_EQ(c.Pixel(3, 3), clBlue);
    p.transparent = true;  // the bottom-left red keyed out: only the blue corner is drawn
    c.FillRect({0, 0, 8, 8});
    c.StretchDraw({0, 0, 4, 4}, p);
    EXPECT_EQ(c.Pixel(0, 0), clWhite);
    EXPECT_EQ(c.Pixel(3, 3), clBlue);
    p.transparent = false;
    c.StretchDraw({0, 0, 8, 8}, p);  // another size
    EXPECT_EQ(c.Pixel(0, 0), clRed);
    EXPECT_EQ(c.Pixel(7, 7), clBlue);
    {
        Canvas into(p);  // drawn into through a canvas
        into.brush = Brush{clLime};
        into.FillRect({0, 0, 2, 2});
    }
    c.StretchDraw({0, 0, 8, 8}, p);
    EXPECT_EQ(c.Pixel(0, 0), clLime);
}

// Copies share their pixels until one is written: a write through SetPixelARGB, a canvas or
// graphics on either side leaves the other as it was, and a copy taken while a canvas is still
// drawing does not follow the drawing.
TEST(PictureCaches, CopiesKeepTheirOwnPixelsOnceWritten) {
    Picture original(2, 1);
    original.SetPixelARGB(0, 0, kRed);
    Picture copy = original;
    Picture assigned;
    assigned = original;
    copy.SetPixelARGB(0, 0, kGreen);
    EXPECT_EQ(original.PixelARGB(0, 0), kRed);
    EXPECT_EQ(assigned.PixelARGB(0, 0), kRed);
    EXPECT_EQ(copy.PixelARGB(0, 0), kGreen);
    {
        Canvas into(original);
        into.brush = Brush{clBlue};
        into.FillRect({0, 0, 2, 1});
    }
    EXPECT_EQ(original.PixelARGB(1, 0), kBlue);
    EXPECT_EQ(assigned.PixelARGB(1, 0), kClear);
    EXPECT_EQ(copy.PixelARGB(1, 0), kClear);
    Picture during;
    {
        Canvas into(assigned);
        into.brush = Brush{clLime};
        into.FillRect({0, 0, 1, 1});
        during = assigned;
        into.FillRect({1, 0, 2, 1});
    }
    EXPECT_EQ(during.PixelARGB(0, 0), kGreen);
    EXPECT_EQ(during.PixelARGB(1, 0), kClear);
    EXPECT_EQ(assigned.PixelARGB(1, 0), kGreen);
    // A stretched draw of a copy follows its own pixels, not the other's.
    Picture shown = copy;
    Canvas c(4, 2);
    c.StretchDraw({0, 0, 4, 2}, shown);
    shown.SetPixelARGB(0, 0, kBlue);
    c.StretchDraw({0, 0, 4, 2}, copy);
    EXPECT_EQ(c.Pixel(0, 0), clLime);
}

// A picture file read again is copied from the decoded one while the file stays as it was, and
// read anew once it is written again.
TEST(PictureCaches, FileReadAgainFollowsAFileWrittenAnew) {
    std::filesystem::create_directories(KORVANEL_TEST_OUTPUT_DIR);
    const std::string path = std::string(KORVANEL_TEST_OUTPUT_DIR) + "/picture_cache.png";
    auto write = [&](ARGB colour, int w) {
        Picture p(w, 1);
        for (int x = 0; x < w; ++x) p.SetPixelARGB(x, 0, colour);
        ASSERT_TRUE(p.SaveToPng(path + ".new"));
        std::filesystem::rename(path + ".new", path);  // a new file, as a save writes it
    };
    write(0xFFFF0000, 2);
    Picture first, again;
    ASSERT_TRUE(first.LoadFromFile(path));
    ASSERT_TRUE(again.LoadFromFile(path));
    EXPECT_EQ(again.PixelARGB(1, 0), 0xFFFF0000u);
    again.SetPixelARGB(0, 0, 0xFF00FF00);  // a copy: the kept picture stays as read
    {
        Canvas into(first);  // drawn into: likewise
        into.brush = Brush{clBlue};
        into.FillRect({0, 0, 2, 1});
    }
    EXPECT_EQ(first.PixelARGB(1, 0), 0xFF0000FFu);
    Picture third;
    ASSERT_TRUE(third.LoadFromFile(path));
    EXPECT_EQ(third.PixelARGB(0, 0), 0xFFFF0000u);
    EXPECT_EQ(third.PixelARGB(1, 0), 0xFFFF0000u);
    write(0xFF0000FF, 3);
    Picture changed;
    ASSERT_TRUE(changed.LoadFromFile(path));
    EXPECT_EQ(changed.width(), 3);
    EXPECT_EQ(changed.PixelARGB(2, 0), 0xFF0000FFu);
    std::filesystem::remove(path);
    Picture gone;
    EXPECT_FALSE(gone.LoadFromFile(path));
    EXPECT_TRUE(gone.empty());
}

}  // namespace
}  // namespace kv
