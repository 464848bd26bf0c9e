// The smooth label painted onto a small canvas.
#include "ui/controls/smooth_label.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "tests/ui/controls/pixels.h"

namespace kv {
namespace {

// The label's paint on a white picture of its size.
Picture PaintLabel(TUiSmoothLabel& label) {
    Picture p(std::max(1, label.Width()), std::max(1, label.Height()));
    {
        Canvas c(p);
        c.brush = Brush{clWhite};
        c.FillRect({0, 0, p.width(), p.height()});
        label.Paint(c);
    }
    return p;
}

bool Ink(ARGB c) {
    return c != 0xFFFFFFFFu;
}

// Top and bottom rows holding ink; -1 when there is none.
std::pair<int, int> InkRows(const Picture& p) {
    int top = -1, bottom = -1;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            if (!Ink(p.PixelARGB(x, y))) continue;
            if (top < 0) top = y;
            bottom = y;
        }
    }
    return {top, bottom};
}

TEST(SmoothLabel, CaptionTextAlsoBecomesTheShadowsWhileAutoShadowIsOn) {
    TUiSmoothLabel label;
    label.Caption().SetText("Atlético Serrano");
    EXPECT_EQ(label.CaptionShadow().Text(), "Atlético Serrano");
    label.SetAutoShadowCaption(false);
    label.Caption().SetText("Clube do Porto");
    EXPECT_EQ(label.CaptionShadow().Text(), "Atlético Serrano");
}

TEST(SmoothLabel, LocationPlacesTheTextInTheRectangleOneSmallerThanTheLabel) {
    TUiSmoothLabel label;
    label.Caption().SetText("Gol");
    label.Caption().SetGradientType(gtSolid);
    label.Caption().SetColorStart(clBlack);
    label.Caption().SetLocation(plTopLeft);
    const auto top = InkRows(PaintLabel(label));
    label.Caption().SetLocation(plBottomLeft);
    const auto bottom = InkRows(PaintLabel(label));
    ASSERT_GE(top.first, 0);
    // The text box moves down by (H - 1) - h; the ink moves with it.
    const int shift = bottom.first - top.first;
    EXPECT_EQ(bottom.second - top.second, shift);
    EXPECT_GT(shift, 5);
    EXPECT_LE(bottom.second, 48);
}

TEST(SmoothLabel, GradientKindsFillTheLetters) {
    struct Case {
        TUiGradientType kind;
        TColor end;
        bool drawn;
        bool one_colour;
    };
    const Case cases[] = {
        {gtSolid, clBlue, true, true},
        {gtVertical, clNone, true, true},  // no end colour: flat start colour
        {gtVertical, clBlue, true, false},
        {gtHorizontal, clBlue, true, false},
        {gtRadial, clBlue, false, true},  // no brush for text: nothing drawn
        {gtAngle, clBlue, false, true},
        {gtTexture, clBlue, false, true},  // no picture
    };
    for (const Case& c : cases) {
        TUiSmoothLabel label;
        label.Caption().SetText("MMMM");
        label.Caption().SetColorStart(clRed);
        label.Caption().SetColorEnd(c.end);
        label.Caption().SetGradientType(c.kind);
        const Picture p = PaintLabel(label);
        std::set<ARGB> solid;
        int ink = 0;
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 0; x < p.width(); ++x) {
                const ARGB px = p.PixelARGB(x, y);
                if (!Ink(px)) continue;
                ++ink;
                // Pixels well inside the strokes carry the brush's own colour.
                if (ARGBGreen(px) == 0) solid.insert(px);
            }
        }
        EXPECT_EQ(ink > 0, c.drawn) << c.kind;
        if (c.drawn) {
            EXPECT_EQ(solid.size() == 1, c.one_colour) << c.kind << " " << solid.size();
        }
    }
}

TEST(SmoothLabel, ShadowCaptionIsDrawnUnderneathAtItsOffset) {
    TUiSmoothLabel label;
    label.Caption().SetText("I");
    label.Caption().SetGradientType(gtSolid);
    label.Caption().SetColorStart(clRed);
    label.CaptionShadow().SetGradientType(gtSolid);
    label.CaptionShadow().SetColorStart(clBlack);
    label.SetCaptionShadowOffsetLeft(4);
    label.SetCaptionShadowOffsetTop(3);
    Picture p = PaintLabel(label);
    EXPECT_EQ(test::Count(p, {0, 0, 280, 50}, [](ARGB c) { return c == 0xFF000000u; }), 0);
    label.SetCaptionShadowVisible(true);
    p = PaintLabel(label);
    EXPECT_GT(test::Count(p, {0, 0, 280, 50}, [](ARGB c) { return c == 0xFF000000u; }), 10);
    EXPECT_GT(test::Count(p, {0, 0, 280, 50}, [](ARGB c) { return c == 0xFFFF0000u; }), 10);
}

TEST(SmoothLabel, AutoSizeFitsTheTextAndStopsFollowingWhenSwitchedOff) {
    TUiSmoothLabel label;
    label.Caption().SetText("Campeão");
    label.SetAutoSize(true);
    const int w = label.Width(), h = label.Height();
    EXPECT_LT(w, 280);
    EXPECT_GT(w, 40);
    EXPECT_GT(h, 20);
    Font bigger = label.Caption().GetFont();
    bigger.size = 30;
    label.Caption().SetFont(bigger);
    EXPECT_GT(label.Width(), w);
    EXPECT_GT(label.Height(), h);
    label.SetAutoSize(false);
    const int fixed = label.Width();
    label.Caption().SetText("Campeão brasileiro");
    EXPECT_EQ(label.Width(), fixed);
}

TEST(SmoothLabel, TinyLabelPaintsNothing) {
    TUiSmoothLabel label;
    label.SetTransparent(false);
    label.Caption().SetText("Gol");
    label.SetBounds(0, 0, 1, 50);
    EXPECT_FALSE(test::Count(PaintLabel(label), {0, 0, 1, 50}, Ink));
}

TEST(SmoothLabel, OpaqueLabelPaintsItsFillBehindTheText) {
    TUiSmoothLabel label;
    label.SetTransparent(false);
    label.Fill().SetGradientType(gtSolid);
    label.Fill().SetColor(clYellow);
    int changes = 0;
    label.on_change = [&] { ++changes; };
    label.Caption().SetText("Gol");
    EXPECT_EQ(changes, 2);  // the shadow's text changed with it
    const Picture p = PaintLabel(label);
    EXPECT_EQ(p.PixelARGB(2, 2), ColorToOpaqueARGB(clYellow));
}

}  // namespace
}  // namespace kv
