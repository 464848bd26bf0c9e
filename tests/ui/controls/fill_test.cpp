// The fill engine painted onto small pictures and read back pixel by pixel.
#include "ui/controls/gdiplus/gdip_fill.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gfx/picture.h"
#include "tests/ui/controls/pixels.h"
#include "ui/controls/gdiplus/picture_placement.h"

namespace kv {
namespace {

using test::Near;
using test::Painted;

TEST(FillEngine, SolidFillCoversItsRectangleOnly) {
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clRed);
    Picture p = Painted(20, 20, [&](Graphics& g) { fill.DrawFill(g, {4, 4, 10, 10}); });
    EXPECT_EQ(p.PixelARGB(8, 8), 0xFFFF0000u);
    EXPECT_EQ(ARGBAlpha(p.PixelARGB(1, 1)), 0);
    EXPECT_EQ(ARGBAlpha(p.PixelARGB(17, 17)), 0);
}

TEST(FillEngine, DefaultFillIsAVerticalGradientOverTheGrownRectangleWithoutBorder) {
    TGDIPFill fill;  // silver to gray
    Picture p = Painted(10, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 10, 40}); });
    // The brush spans one pixel beyond the rectangle, so the first row is already past silver.
    const int top = ARGBRed(p.PixelARGB(5, 0)), bottom = ARGBRed(p.PixelARGB(5, 39));
    EXPECT_LT(top, 0xC0);
    EXPECT_GT(top, 0xBA);
    EXPECT_GT(bottom, 0x80);
    EXPECT_LT(bottom, 0x86);
    for (int y = 1; y < 40; ++y)
        EXPECT_LE(ARGBRed(p.PixelARGB(5, y)), ARGBRed(p.PixelARGB(5, y - 1)));
    // No border: the edge column has the body's colour.
    EXPECT_EQ(p.PixelARGB(0, 20), p.PixelARGB(5, 20));
}

TEST(FillEngine, AngleGradientRunsAlongItsAngle) {
    struct Case {
        int angle;
        Point dark, light;  // the start colour (black) side and the end colour (white) side
    };
    const Case cases[] = {
        {0, {2, 20}, {37, 20}},
        {90, {20, 2}, {20, 37}},
        {180, {37, 20}, {2, 20}},
        {45, {2, 2}, {37, 37}},
    };
    for (const Case& c : cases) {
        TGDIPFill fill;
        fill.SetGradientType(gtAngle);
        fill.SetAngle(c.angle);
        fill.SetColor(clBlack);
        fill.SetColorTo(clWhite);
        Picture p = Painted(40, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 40, 40}); });
        EXPECT_LT(ARGBRed(p.PixelARGB(c.dark.x, c.dark.y)), 40) << c.angle;
        EXPECT_GT(ARGBRed(p.PixelARGB(c.light.x, c.light.y)), 215) << c.angle;
    }
}

TEST(FillEngine, HorizontalHatchDrawsEveryEighthRowInTheForeColour) {
    TGDIPFill fill;
    fill.SetGradientType(gtHatch);
    fill.SetHatchStyle(HatchStyleHorizontal);
    fill.SetColor(clBlue);
    fill.SetColorTo(clYellow);
    Picture p = Painted(16, 32, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 16, 32}); });
    std::vector<int> fore_rows;
    for (int y = 0; y < 32; ++y) {
        const ARGB c = p.PixelARGB(5, y);
        if (c == ColorToOpaqueARGB(clBlue)) {
            fore_rows.push_back(y);
            for (int x = 0; x < 16; ++x) EXPECT_EQ(p.PixelARGB(x, y), c) << x << "," << y;
        } else {
            EXPECT_EQ(c, ColorToOpaqueARGB(clYellow)) << y;
        }
    }
    ASSERT_EQ(fore_rows.size(), 4u);
    for (std::size_t i = 1; i < fore_rows.size(); ++i)
        EXPECT_EQ(fore_rows[i] - fore_rows[i - 1], 8);
}

TEST(FillEngine, TextureTilesTheBackgroundPictureFromTheSurfaceOrigin) {
    TGDIPFill fill;
    fill.SetGradientType(gtTexture);
    fill.SetBackGroundPicturePosition(ppTiled);
    fill.BackGroundPicture().LoadFromBytes(test::CheckerPng(clRed, clBlue));
    // The area starts at an odd place: the tiles still line up with the surface's corner.
    Picture p = Painted(12, 12, [&](Graphics& g) { fill.DrawFill(g, {3, 3, 8, 8}); });
    for (int y = 3; y < 11; ++y) {
        for (int x = 3; x < 11; ++x) {
            const TColor want = (x + y) % 2 == 0 ? clRed : clBlue;
            EXPECT_EQ(p.PixelARGB(x, y), ColorToOpaqueARGB(want)) << x << "," << y;
        }
    }
    EXPECT_EQ(ARGBAlpha(p.PixelARGB(1, 1)), 0);
}

TEST(FillEngine, BackgroundPictureIsDrawnOnlyForTextureFills) {
    TGDIPFill fill;
    fill.SetGradientType(gtVertical);
    fill.SetColor(clWhite);
    fill.SetColorTo(clWhite);
    fill.BackGroundPicture().LoadFromBytes(test::CheckerPng(clRed, clRed));
    fill.SetBackGroundPicturePosition(ppStretched);
    Picture p = Painted(20, 20, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 20, 20}); });
    EXPECT_EQ(p.PixelARGB(10, 10), 0xFFFFFFFFu);
    // The foreground picture is drawn whatever the kind.
    fill.Picture().LoadFromBytes(test::CheckerPng(clRed, clRed));
    fill.SetPicturePosition(ppStretched);
    p = Painted(20, 20, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 20, 20}); });
    EXPECT_EQ(p.PixelARGB(10, 10), 0xFFFF0000u);
}

TEST(FillEngine, RadialBodyShadesFromTheTopCentreToTheEdgeColour) {
    TGDIPFill fill;
    fill.SetGradientType(gtRadial);
    fill.SetColor(clRed);     // at the edge
    fill.SetColorTo(clBlue);  // at the top centre
    Picture p = Painted(60, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 60, 40}); });
    const ARGB centre = p.PixelARGB(30, 1), corner = p.PixelARGB(1, 38);
    EXPECT_GT(ARGBBlue(centre), 200);
    EXPECT_LT(ARGBRed(centre), 60);
    EXPECT_EQ(corner, 0xFFFF0000u);
    // Halfway down the middle lies between the two.
    const ARGB middle = p.PixelARGB(30, 20);
    EXPECT_GT(ARGBRed(middle), 60);
    EXPECT_GT(ARGBBlue(middle), 60);
}

TEST(FillEngine, PathGradientShadowFadesOutAtItsEdgeAndTheBodyShrinks) {
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clWhite);
    fill.SetShadowColor(clBlack);
    fill.SetShadowOffset(10);
    RectF content;
    Picture p = Painted(60, 40, [&](Graphics& g) { content = fill.DrawFill(g, {0, 0, 60, 40}); });
    EXPECT_EQ(content, (RectF{0, 0, 50, 30}));
    EXPECT_EQ(p.PixelARGB(25, 15), 0xFFFFFFFFu);
    const ARGB shadow = p.PixelARGB(55, 35);  // inside the shadow's strip, 5 pixels from its edge
    EXPECT_NEAR(ARGBAlpha(shadow), 180, 8);
    EXPECT_EQ(ARGBRed(shadow), 0);
    EXPECT_LT(ARGBAlpha(p.PixelARGB(59, 20)), 120);  // the outermost pixels fade out
}

TEST(FillEngine, ShadowKindsTakeTheirShareOfTheRectangle) {
    struct Case {
        TShadowType type;
        RectF content;
    };
    const Case cases[] = {
        {stRightBottom, {0, 0, 52, 32}},
        {stSurround, {8, 8, 44, 24}},
        {stBottom, {0, 0, 60, 32}},
    };
    for (const Case& c : cases) {
        TGDIPFill fill;
        fill.SetShadowColor(clBlack);
        fill.SetShadowOffset(8);
        fill.SetShadowType(c.type);
        RectF content;
        Painted(60, 40, [&](Graphics& g) { content = fill.DrawFill(g, {0, 0, 60, 40}); });
        EXPECT_EQ(content, c.content) << c.type;
    }
    // The game's forms give a size but no colour: no shadow and no shrink.
    TGDIPFill fill;
    fill.SetShadowColor(clNone);
    fill.SetShadowOffset(10);
    RectF content;
    Picture p = Painted(60, 40, [&](Graphics& g) { content = fill.DrawFill(g, {0, 0, 60, 40}); });
    EXPECT_EQ(content, (RectF{0, 0, 60, 40}));
}

TEST(FillEngine, RoundedCornersLeaveTheCornersUnpaintedOnTheChosenSides) {
    struct Case {
        TFillRoundingType type;
        bool top_left, top_right, bottom_right, bottom_left;  // rounded?
    };
    const Case cases[] = {
        {rtNone, false, false, false, false}, {rtTop, true, true, false, false},
        {rtBottom, false, false, true, true}, {rtBoth, true, true, true, true},
        {rtLeft, true, false, false, true},   {rtRight, false, true, true, false},
    };
    for (const Case& c : cases) {
        TGDIPFill fill;
        fill.SetGradientType(gtSolid);
        fill.SetColor(clGreen);
        fill.SetRounding(10);
        fill.SetRoundingType(c.type);
        Picture p = Painted(40, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 39, 39}); });
        const auto painted = [&](int x, int y) { return ARGBAlpha(p.PixelARGB(x, y)) > 128; };
        EXPECT_NE(painted(1, 1), c.top_left) << c.type;
        EXPECT_NE(painted(37, 1), c.top_right) << c.type;
        EXPECT_NE(painted(37, 37), c.bottom_right) << c.type;
        EXPECT_NE(painted(1, 37), c.bottom_left) << c.type;
        EXPECT_TRUE(painted(1, 20)) << c.type;
        EXPECT_TRUE(painted(20, 1)) << c.type;
    }
}

TEST(FillEngine, MirroredBodyIsTwoPartsWithALineAlongTheLowerTop) {
    TGDIPFill fill;  // as the game's panels paint
    fill.SetColor(0xFAF1E9);
    fill.SetColorTo(0xEDD8C7);
    fill.SetColorMirror(0x0000FF);
    fill.SetColorMirrorTo(0x00FF00);
    fill.SetGradientMirrorType(gtVertical);
    Picture p = Painted(10, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 10, 40}); });
    EXPECT_TRUE(Near(p.PixelARGB(5, 1), ColorToOpaqueARGB(0xFAF1E9), 6));
    EXPECT_EQ(p.PixelARGB(5, 19), ColorToOpaqueARGB(0x0000FF));  // the line at h - 1
    EXPECT_TRUE(Near(p.PixelARGB(5, 39), ColorToOpaqueARGB(0x00FF00), 30));
    // A solid lower part has no line of its own and is plain.
    fill.SetGradientMirrorType(gtSolid);
    p = Painted(10, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 10, 40}); });
    EXPECT_EQ(p.PixelARGB(5, 25), ColorToOpaqueARGB(0x0000FF));
    EXPECT_EQ(p.PixelARGB(5, 39), ColorToOpaqueARGB(0x0000FF));
}

TEST(FillEngine, MissingColoursLeaveThePartPlainOrUnpainted) {
    TGDIPFill fill;
    fill.SetColor(clRed);
    fill.SetColorTo(clNone);  // solid start colour
    Picture p = Painted(10, 30, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 10, 30}); });
    EXPECT_EQ(p.PixelARGB(5, 2), 0xFFFF0000u);
    EXPECT_EQ(p.PixelARGB(5, 27), 0xFFFF0000u);
    fill.SetColor(clNone);
    p = Painted(10, 30, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 10, 30}); });
    EXPECT_EQ(ARGBAlpha(p.PixelARGB(5, 15)), 0);
}

TEST(FillEngine, GlowBandsLightenTheTopAndBottomEdges) {
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clBlack);
    fill.SetGlow(gmGradient);
    Picture p = Painted(100, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 100, 40}); });
    // Top band (6, 1, 88, 4) fades downward, bottom band (6, 32, 88, 7) grows toward the bottom.
    EXPECT_GT(ARGBRed(p.PixelARGB(50, 2)), 90);
    EXPECT_EQ(p.PixelARGB(50, 20), 0xFF000000u);
    EXPECT_GT(ARGBRed(p.PixelARGB(50, 37)), ARGBRed(p.PixelARGB(50, 33)));
    EXPECT_GT(ARGBRed(p.PixelARGB(50, 37)), 120);
    // The 5-pixel corners of the bands are filled too.
    EXPECT_GT(ARGBRed(p.PixelARGB(3, 37)), 20);
}

TEST(FillEngine, RadialGlowLightensAnEllipseInsetFromTheSides) {
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clBlack);
    fill.SetGlow(gmRadial);
    fill.SetGlowRadialColor(clWhite);
    Picture p = Painted(100, 40, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 100, 40}); });
    EXPECT_GT(ARGBRed(p.PixelARGB(50, 20)), 40);  // under the ellipse's centre line
    EXPECT_EQ(p.PixelARGB(5, 20), 0xFF000000u);   // left of the ellipse
    EXPECT_EQ(p.PixelARGB(95, 20), 0xFF000000u);
}

TEST(FillEngine, GlowRemovesItsClipSoLaterDrawingIsNotCut) {
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clBlack);
    fill.SetGlow(gmGradient);
    Picture p = Painted(60, 60, [&](Graphics& g) {
        fill.DrawFill(g, {0, 0, 20, 20});
        g.FillRectangle(GraphicsBrush::Solid(0xFFFF0000), {40, 40, 10, 10});
    });
    EXPECT_EQ(p.PixelARGB(45, 45), 0xFFFF0000u);
}

TEST(FillEngine, EmptyOrInvertedRectanglesDrawNothing) {
    const RectF cases[] = {{5, 5, 0, 10}, {5, 5, 10, 0}, {15, 15, -10, -10}, {5, 5, -3, 10}};
    for (const RectF& r : cases) {
        TGDIPFill fill;
        fill.SetGradientType(gtSolid);
        fill.SetColor(clRed);
        fill.SetBorderColor(clBlack);
        fill.SetShadowOffset(3);
        Picture p = Painted(20, 20, [&](Graphics& g) { fill.DrawFill(g, r); });
        EXPECT_TRUE(test::Blank(p)) << r.x << "," << r.width << "," << r.height;
    }
    // A shadow larger than the area leaves no body to paint.
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clRed);
    fill.SetShadowOffset(30);
    fill.SetShadowColor(clBlack);
    Picture p = Painted(20, 20, [&](Graphics& g) { fill.DrawFill(g, {0, 0, 20, 20}); });
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) EXPECT_NE(ARGBRed(p.PixelARGB(x, y)), 255);
    }
}

TEST(FillEngine, OneHighRectangleIsABorderLine) {
    TGDIPFill fill;
    fill.SetGradientType(gtSolid);
    fill.SetColor(clRed);
    fill.SetBorderColor(clBlue);
    Picture p = Painted(20, 10, [&](Graphics& g) { fill.DrawFill(g, {2, 4, 15, 1}); });
    EXPECT_EQ(p.PixelARGB(8, 4), 0xFF0000FFu);
    EXPECT_EQ(ARGBAlpha(p.PixelARGB(8, 5)), 0);

    // A line, one pixel high or wide, still draws its picture.
    fill.Picture().LoadFromBytes(test::CheckerPng(clRed, clRed));
    fill.SetPicturePosition(ppCustom);
    fill.SetPictureSize(psCustom);
    for (const RectF line : {RectF{2, 4, 15, 1}, RectF{4, 2, 1, 15}}) {
        Picture q = Painted(60, 60, [&](Graphics& g) { fill.DrawFill(g, line); });
        EXPECT_EQ(q.PixelARGB(40, 40), 0xFFFF0000u) << line.width;
    }
}

TEST(FillEngine, OnChangeFiresOnlyForRealChanges) {
    TGDIPFill fill;
    int changes = 0;
    fill.OnChange = [&] { ++changes; };
    fill.SetColor(clSilver);  // the value it has
    EXPECT_EQ(changes, 0);
    fill.SetColor(clRed);
    fill.SetRounding(4);
    EXPECT_EQ(changes, 2);
    TGDIPFill copy;
    int copy_changes = 0;
    copy.OnChange = [&] { ++copy_changes; };
    copy.Assign(fill);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.Rounding(), 4);
    EXPECT_GE(copy_changes, 1);
    EXPECT_EQ(changes, 2);
}

TEST(PicturePlacement, PlacesBySizeAndPosition) {
    const Rect t{10, 20, 111, 120};  // 101 x 100
    struct Case {
        TFillPicturePosition position;
        Rect want;
    };
    const Case cases[] = {
        {ppTopLeft, {10, 20, 26, 36}},        {ppTopCenter, {52, 20, 68, 36}},
        {ppTopRight, {95, 20, 111, 36}},      {ppBottomLeft, {10, 104, 26, 120}},
        {ppBottomCenter, {52, 104, 68, 120}}, {ppBottomRight, {95, 104, 111, 120}},
        {ppCenterLeft, {10, 62, 26, 78}},     {ppCenterCenter, {52, 62, 68, 78}},
        {ppCenterRight, {95, 62, 111, 78}},   {ppCustom, {3, 4, 19, 20}},
    };
    for (const Case& c : cases) {
        PicturePlacement p;
        p.position = c.position;
        p.left = 3;
        p.top = 4;
        EXPECT_EQ(PlacedPictureRect(p, t, 16, 16), c.want) << c.position;
    }
    // An odd leftover: (101 - 20) / 2 truncates to 40.
    PicturePlacement centre;
    centre.position = ppCenterCenter;
    EXPECT_EQ(PlacedPictureRect(centre, t, 20, 20).left, 50);
}

TEST(PicturePlacement, StretchedFitsKeepingProportionsWhenAsked) {
    const Rect t{0, 0, 100, 100};
    PicturePlacement p;
    p.position = ppStretched;
    EXPECT_EQ(PlacedPictureRect(p, t, 20, 10), t);
    p.aspect_ratio = true;
    EXPECT_EQ(PlacedPictureRect(p, t, 20, 10), (Rect{0, 25, 100, 75}));
    p.aspect_mode = pmNormal;
    EXPECT_EQ(PlacedPictureRect(p, t, 20, 10), (Rect{40, 45, 60, 55}));

    const FittedSize wide = FitPictureSize(200, 100, 100, 100, pmStretch);
    EXPECT_DOUBLE_EQ(wide.width, 100);
    EXPECT_DOUBLE_EQ(wide.height, 50);
    const FittedSize none = FitPictureSize(200, 100, 0, 100, pmStretch);
    EXPECT_DOUBLE_EQ(none.width, 0);
    EXPECT_DOUBLE_EQ(none.height, 0);
}

TEST(PicturePlacement, CustomPictureAtTheDefaultsIsFiftyPixelsAtTheSurfaceCorner) {
    TGDIPFill fill;
    fill.SetGradientType(gtNone);
    fill.Picture().LoadFromBytes(test::CheckerPng(clRed, clRed));
    fill.SetPicturePosition(ppCustom);
    fill.SetPictureSize(psCustom);
    Picture p = Painted(80, 80, [&](Graphics& g) { fill.DrawFill(g, {30, 30, 40, 40}); });
    EXPECT_EQ(p.PixelARGB(0, 0), 0xFFFF0000u);
    EXPECT_EQ(p.PixelARGB(49, 49), 0xFFFF0000u);
    EXPECT_EQ(ARGBAlpha(p.PixelARGB(51, 51)), 0);
}

}  // namespace
}  // namespace kv
