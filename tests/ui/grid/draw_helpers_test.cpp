#include "ui/grid/draw_helpers.h"

#include <gtest/gtest.h>

#include "platform/gfx/picture.h"
#include "ui/grid/column_display.h"
#include "ui/grid/grid_column.h"

namespace kv {
namespace {

TEST(DrawHelpers, BlendAndMixColors) {
    using G = TGraphicsProvider;
    for (int alpha : {0, 10, 128, 255})
        EXPECT_EQ(G::BlendColors(clWhite, clWhite, alpha), RGBColor(254, 254, 254));
    EXPECT_EQ(G::BlendColors(clBlack, RGBColor(255, 128, 0), 0), RGBColor(254, 127, 0));
    EXPECT_EQ(G::BlendColors(clBtnFace, clBtnFace, 255),
              G::BlendColors(ColorToRGB(clBtnFace), ColorToRGB(clBtnFace), 255));
    EXPECT_THROW(G::BlendColors(clBlack, clWhite, 256), GridError);
    EXPECT_EQ(G::MixColors(RGBColor(10, 20, 30), RGBColor(200, 100, 0), 0), RGBColor(10, 20, 30));
    EXPECT_EQ(G::MixColors(RGBColor(10, 20, 30), RGBColor(200, 100, 0), 1), RGBColor(200, 100, 0));
    EXPECT_EQ(G::MixColors(clBlack, clWhite, 0.5), RGBColor(128, 128, 128));
}

TEST(DrawHelpers, GradientLines) {
    Canvas canvas(4, 4);
    TGraphicsProvider::DrawVerticalGradient(canvas, {0, 0, 4, 0}, clRed, clBlue);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);  // 0 high: nothing
    TGraphicsProvider::DrawVerticalGradient(canvas, {0, 0, 4, 1}, clRed, clBlue);
    EXPECT_EQ(canvas.Pixel(2, 0), clRed);
    TGraphicsProvider::DrawVerticalGradient(canvas, {0, 1, 4, 3}, clBlack, clWhite);
    EXPECT_EQ(canvas.Pixel(3, 1), clBlack);
    EXPECT_EQ(canvas.Pixel(3, 2), RGBColor(128, 128, 128));
    EXPECT_EQ(canvas.Pixel(3, 3), clWhite);
}

TEST(DrawHelpers, Placement) {
    EXPECT_EQ(TCalcProvider::PlaceInRect(5, 5, 2, {0, 0, 10, 10}, taCenter, taVerticalCenter),
              (Point{3, 3}));
    EXPECT_EQ(TCalcProvider::PlaceInRect(5, 5, 2, {0, 0, 10, 10}, taRightJustify, taAlignBottom),
              (Point{3, 3}));
    EXPECT_EQ(TCalcProvider::PlaceInRect(5, 5, 2, {0, 0, 10, 10}, taLeftJustify, taAlignTop),
              (Point{2, 2}));
    EXPECT_TRUE(TCalcProvider::RectsOverlap({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_FALSE(TCalcProvider::RectsOverlap({0, 0, 10, 10}, {11, 0, 20, 10}));
    EXPECT_TRUE(IsEmptyCell({-1, 5}));
    EXPECT_TRUE(IsEmptyCell({3, -1}));
    EXPECT_FALSE(IsEmptyCell({0, 0}));
    EXPECT_FALSE(MovedBeyond({5, 0}, {0, 0}, 5));
    EXPECT_TRUE(MovedBeyond({6, 0}, {0, 0}, 5));
    const std::vector<std::string> lines{"nome=valor", "a=b=c", "abc"};
    EXPECT_EQ(GetValueFromIndex(lines, 0), "valor");
    EXPECT_EQ(GetValueFromIndex(lines, 1), "b=c");
    EXPECT_EQ(GetValueFromIndex(lines, 2), "bc");
    EXPECT_EQ(GetValueFromIndex(lines, -1), "");
    EXPECT_EQ(GetSchemeColor(2), 0xCF9365);
    EXPECT_EQ(GetSchemeColor(7), 0xFFD2AF);
    EXPECT_FALSE(GridVisualStylesActive());
}

TEST(DrawHelpers, AlphaPicturesInBothForms) {
    Picture picture(1, 1);
    picture.SetPixelARGB(0, 0, ComposeARGB(255, 200, 100, 50));
    Canvas exact(2, 1), blended(2, 1);
    TDrawProvider::DrawAlphaGraphic(exact, 0, 0, picture);
    DrawAlphaGraphicBlended(blended, 0, 0, picture);
    EXPECT_EQ(exact.Pixel(0, 0), RGBColor(200, 100, 50));
    EXPECT_EQ(blended.Pixel(0, 0), RGBColor(199, 99, 49));  // the blend's weights add up to 255
    EXPECT_EQ(exact.Pixel(1, 0), clWhite);
}

TEST(ColumnDisplay, TextFlagsAndHintCorner) {
    TGrCustomColumn column;
    column.SetAlignment(taRightJustify);
    TColumnDisplay& display = column.Display();
    Rect r{0, 0, 50, 20};
    unsigned flags = 0;
    display.GetTextFlags("x", r, true, flags);
    EXPECT_EQ(flags, DT_NOPREFIX | DT_RIGHT | DT_VCENTER | DT_END_ELLIPSIS | DT_SINGLELINE);
    display.GetTextFlags("x", r, false, flags);
    EXPECT_EQ(flags & DT_END_ELLIPSIS, 0u);  // measuring sees the whole text

    Canvas canvas(20, 10);
    display.canvas = &canvas;
    display.ClientRect = {0, 0, 20, 10};
    display.DrawHintCorner();
    EXPECT_EQ(canvas.Pixel(18, 1), clRed);
    EXPECT_EQ(canvas.Pixel(10, 5), clWhite);
}

}  // namespace
}  // namespace kv
