#include "platform/gfx/gdiplus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/gfx/canvas.h"
#include "platform/gfx/visual_styles.h"

namespace kv {
namespace {

TEST(GdiplusStatus, ConstructorsKeepTheirCreationStatus) {
    auto null_surface = TGPGraphics::CreateFromImage(nullptr);
    TGPGraphicsPath two_points;
    two_points.AddPathLine(0, 0, 10, 10);
    TGPPathGradientBrush gradient(&two_points);
    struct Case {
        const char* what;
        GpStatus status;
        GpStatus expected;
    } cases[] = {
        {"hatch style in range", TGPHatchBrush(0, 0xFF000000, 0xFFFFFFFF).GetLastStatus(),
         GpStatus::Ok},
        {"hatch style past the last", TGPHatchBrush(HatchStyleTotal, 0, 0).GetLastStatus(),
         GpStatus::InvalidParameter},
        {"negative pen width", TGPPen(0xFF000000, -1).GetLastStatus(), GpStatus::InvalidParameter},
        {"installed family", TGPFontFamily("Arial").GetLastStatus(), GpStatus::Ok},
        {"unknown family", TGPFontFamily("Nonexistent Face 42").GetLastStatus(),
         GpStatus::FontFamilyNotFound},
        {"font without a family", TGPFont(nullptr, 8, 0, UnitPoint).GetLastStatus(),
         GpStatus::InvalidParameter},
        {"image of no bytes", TGPImage(std::span<const uint8_t>{}).GetLastStatus(),
         GpStatus::InvalidParameter},
        {"surface over no bitmap", null_surface->GetLastStatus(), GpStatus::InvalidParameter},
        {"path gradient of two points", gradient.GetLastStatus(), GpStatus::Ok},
    };
    for (const auto& c : cases) EXPECT_EQ(c.status, c.expected) << c.what;
    EXPECT_EQ(null_surface->GetSmoothingMode(), -1);
}

TEST(GdiplusStatus, FirstFailureStaysUntilTheObjectIsFreed) {
    auto bitmap = TGPBitmap::CreateFromScan0(20, 20);
    auto g = TGPGraphics::CreateFromImage(bitmap.get());
    TGPSolidBrush red(0xFFFF0000);
    ASSERT_EQ(g->GetLastStatus(), GpStatus::Ok);

    EXPECT_EQ(g->FillRectangle(&red, 0, 0, 5, 5), GpStatus::Ok);
    EXPECT_EQ(g->FillRectangle(nullptr, 0, 0, 5, 5), GpStatus::InvalidParameter);
    // Later successes are returned but do not clear what went wrong.
    EXPECT_EQ(g->FillRectangle(&red, 5, 5, 5, 5), GpStatus::Ok);
    EXPECT_EQ(g->GetLastStatus(), GpStatus::InvalidParameter);
    EXPECT_EQ(g->SetSmoothingMode(99), GpStatus::InvalidParameter);

    // The failed step drew nothing; the good ones did.
    ARGB pixel = 0;
    ASSERT_EQ(bitmap->BitmapGetPixel(7, 7, pixel), GpStatus::Ok);
    EXPECT_EQ(pixel, 0xFFFF0000u);
    ASSERT_EQ(bitmap->BitmapGetPixel(15, 15, pixel), GpStatus::Ok);
    EXPECT_EQ(pixel, 0u);
    EXPECT_EQ(bitmap->BitmapGetPixel(20, 0, pixel), GpStatus::InvalidParameter);
    EXPECT_EQ(bitmap->GetLastStatus(), GpStatus::InvalidParameter);

    // Calls on a surface that never came to be fail the same way, without throwing.
    auto none = TGPGraphics::CreateFromImage(nullptr);
    EXPECT_EQ(none->FillRectangle(&red, 0, 0, 1, 1), GpStatus::InvalidParameter);
    EXPECT_EQ(none->GetDC(), nullptr);
}

TEST(GdiplusStatus, GradientColourCountsAreChecked) {
    TGPGraphicsPath line;
    line.AddPathLine(0, 0, 10, 0);
    TGPPathGradientBrush brush(&line);
    ASSERT_EQ(brush.GetPathGradientPointCount(), 2);
    const ARGB colours[3] = {0xFF000000, 0xFF00FF00, 0xFF0000FF};

    int count = 3;  // more colours than the path has points
    EXPECT_EQ(brush.SetSurroundColors(colours, count), GpStatus::InvalidParameter);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(brush.GetLastStatus(), GpStatus::InvalidParameter);

    TGPPathGradientBrush fresh(&line);
    int two = 2;
    EXPECT_EQ(fresh.SetSurroundColors(nullptr, two), GpStatus::InvalidParameter);
    const float positions[3] = {0, 0.5f, 1};
    TGPPathGradientBrush other(&line);
    EXPECT_EQ(other.SetInterpolationColors(colours, positions, 0), GpStatus::InvalidParameter);
    TGPPathGradientBrush good(&line);
    EXPECT_EQ(good.SetSurroundColors(colours, two), GpStatus::Ok);
    EXPECT_EQ(good.SetInterpolationColors(colours, positions, 3), GpStatus::Ok);
    EXPECT_EQ(good.GetLastStatus(), GpStatus::Ok);
}

TEST(GdiplusRegions, SurroundColoursAndAnIntersectingClipAreUsedWhole) {
    auto bitmap = TGPBitmap::CreateFromScan0(41, 41);
    auto g = TGPGraphics::CreateFromImage(bitmap.get());
    TGPGraphicsPath triangle;
    triangle.AddPathLine(0, 0, 40, 0);
    triangle.AddPathLine(40, 0, 0, 40);
    triangle.ClosePathFigure();
    auto region = TGPRegion::CreateRegionPath(&triangle);
    ASSERT_EQ(g->SetClipRegion(region.get(), CombineModeIntersect), GpStatus::Ok);

    TGPGraphicsPath square;
    square.AddPathLine(0, 0, 40, 0);
    square.AddPathLine(40, 0, 40, 40);
    square.AddPathLine(40, 40, 0, 40);
    square.ClosePathFigure();
    TGPPathGradientBrush brush(&square);
    const ARGB surround[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF0000FF};
    int count = 4;
    ASSERT_EQ(brush.SetSurroundColors(surround, count), GpStatus::Ok);
    ASSERT_EQ(g->FillPath(&brush, &square), GpStatus::Ok);

    ARGB top_left = 0, top_right = 0, outside = 0;
    ASSERT_EQ(bitmap->BitmapGetPixel(1, 1, top_left), GpStatus::Ok);
    ASSERT_EQ(bitmap->BitmapGetPixel(37, 1, top_right), GpStatus::Ok);
    ASSERT_EQ(bitmap->BitmapGetPixel(30, 30, outside), GpStatus::Ok);
    EXPECT_GT(ARGBRed(top_left), 200);
    EXPECT_GT(ARGBGreen(top_right), 200) << "the second point's own colour";
    EXPECT_EQ(outside, 0u) << "inside the triangle's bounds but outside it: untouched";
}

TEST(GdiplusColours, WindowColoursBecomeArgb) {
    struct Case {
        const char* what;
        ARGB got;
        ARGB expected;
    } cases[] = {
        {"half-transparent red", ColorToARGB(128, clRed), 0x80FF0000},
        {"opaque blue", ColorToOpaqueARGB(clBlue), 0xFF0000FF},
        {"system colour resolved", ColorToOpaqueARGB(clBtnFace),
         0xFF000000u | (static_cast<ARGB>(GetRValue(ColorToRGB(clBtnFace))) << 16) |
             (static_cast<ARGB>(GetGValue(ColorToRGB(clBtnFace))) << 8) |
             static_cast<ARGB>(GetBValue(ColorToRGB(clBtnFace)))},
        {"composed", ComposeARGB(0x12, 0x34, 0x56, 0x78), 0x12345678},
        {"composed opaque", ComposeRGB(1, 2, 3), 0xFF010203},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
    EXPECT_NE(ColorToOpaqueARGB(clBtnFace) & 0xFFFFFF, static_cast<ARGB>(clBtnFace) & 0xFFFFFF);
    EXPECT_EQ(ARGBRed(0x80AABBCC), 0xAA);
    EXPECT_EQ(ARGBGreen(0x80AABBCC), 0xBB);
    EXPECT_EQ(ARGBBlue(0x80AABBCC), 0xCC);
}

TEST(GdiplusText, UnknownFamiliesFallBackToArial) {
    Font font;
    font.name = "Nonexistent Face 42";
    font.size = 11;
    font.style = fsBold | fsItalic;
    auto made = MakeFont(font);
    ASSERT_NE(made->Native(), nullptr);
    EXPECT_EQ(made->Native()->name, "Arial");
    EXPECT_EQ(made->Native()->size, 11);
    EXPECT_EQ(made->Native()->style, fsBold | fsItalic);

    font.name = "Verdana";
    EXPECT_EQ(MakeFont(font)->Native()->name, "Verdana");
}

TEST(GdiplusImages, FormatCodes) {
    Picture source(3, 2);
    const std::vector<uint8_t> png = source.SaveToPngMemory();
    TGPImage image(png);
    EXPECT_EQ(image.GetLastStatus(), GpStatus::Ok);
    EXPECT_EQ(image.GetImageFormat(), ImageFormatPng);
    EXPECT_EQ(image.GetImageWidth(), 3);
    EXPECT_EQ(TGPBitmap::CreateFromScan0(4, 4)->GetImageFormat(), ImageFormatMemoryBmp);
    const uint8_t junk[] = {1, 2, 3, 4, 5, 6, 7, 8};
    TGPImage bad(junk);
    EXPECT_NE(bad.GetLastStatus(), GpStatus::Ok);
    EXPECT_EQ(bad.GetImageFormat(), ImageFormatUnknown);
}

TEST(VisualStyles, NeverLoadedHereSoEveryControlDrawsClassic) {
    for (VisualStylesBinding* b : {&ButtonVisualStyles(), &ComboVisualStyles()}) {
        b->Unload();  // without a load: nothing happens
        b->Load();
        b->Load();
        EXPECT_FALSE(b->Loaded()) << b->Unit();
        EXPECT_EQ(b->OpenThemeData, nullptr);
        EXPECT_EQ(b->IsThemeActive, nullptr);
        EXPECT_FALSE(VisualStylesActive(*b));
    }
    EXPECT_LT(CommonControlsMajorVersion(), 6);
}

}  // namespace
}  // namespace kv
