// The gradient control: its colour ramp, its patterns and its paint.
#include "ui/controls/gradient.h"

#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"
#include "tests/ui/controls/pixels.h"

namespace kv {
namespace {

constexpr TColor kStart = RGBColor(0, 0, 0);
constexpr TColor kEnd = RGBColor(255, 200, 100);
constexpr uint32_t kStartPixel = 0x000000, kEndPixel = 0xFFC864;

int Red(uint32_t c) {
    return (c >> 16) & 0xFF;
}

TEST(GradientRamp, RunsFromStartToEnd) {
    const TGradientColors ramp = BuildGradientRamp(kStart, kEnd, 0, 0);
    EXPECT_EQ(ramp[0], kStartPixel);
    EXPECT_EQ(ramp[255], kEndPixel);
    EXPECT_EQ(Red(ramp[128]), 128);
    for (int i = 1; i < 256; ++i) EXPECT_GE(Red(ramp[i]), Red(ramp[i - 1]));
}

TEST(GradientRamp, ShiftMovesOneEndTowardTheOther) {
    const TGradientColors to_end = BuildGradientRamp(kStart, kEnd, 100, 0);
    const TGradientColors to_start = BuildGradientRamp(kStart, kEnd, -100, 0);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(to_end[i], kEndPixel) << i;
        EXPECT_EQ(to_start[i], kStartPixel) << i;
    }
    EXPECT_EQ(Red(BuildGradientRamp(kStart, kEnd, 50, 0)[0]), 128);
}

TEST(GradientRamp, RotationClimbsToTheEndInsideAndFallsBack) {
    const TGradientColors half = BuildGradientRamp(kStart, kEnd, 0, 50);
    EXPECT_EQ(half[0], kStartPixel);
    EXPECT_EQ(half[127], kEndPixel);
    EXPECT_EQ(half[255], kStartPixel);
    for (int i = 1; i <= 127; ++i) EXPECT_GE(Red(half[i]), Red(half[i - 1])) << i;
    for (int i = 128; i < 256; ++i) EXPECT_LE(Red(half[i]), Red(half[i - 1])) << i;
    // A full turn either way is the reversed ramp.
    for (int r : {100, -100}) {
        const TGradientColors reversed = BuildGradientRamp(kStart, kEnd, 0, r);
        EXPECT_EQ(reversed[0], kEndPixel) << r;
        EXPECT_EQ(reversed[255], kStartPixel) << r;
    }
}

TEST(GradientPattern, EachStyleHasItsSizeAndItsEndsWhereTheyBelong) {
    const TGradientColors ramp = BuildGradientRamp(kStart, kEnd, 0, 0);
    struct Case {
        TGradientStyle style;
        int w, h;
        Point start, end;     // pixels in the start and in the end colour
        int start_index = 0;  // the diamond's middle is one step off the start colour
    };
    const Case cases[] = {
        {gsRadialC, 362, 362, {180, 181}, {0, 0}},
        {gsRadialT, 362, 181, {180, 0}, {0, 180}},
        {gsRadialB, 362, 181, {181, 180}, {361, 0}},
        {gsRadialL, 181, 362, {0, 180}, {180, 0}},
        {gsRadialR, 181, 362, {180, 181}, {0, 361}},
        {gsRadialTL, 181, 181, {0, 0}, {180, 180}},
        {gsRadialTR, 181, 181, {180, 0}, {0, 180}},
        {gsRadialBL, 181, 181, {0, 180}, {180, 0}},
        {gsRadialBR, 181, 181, {180, 180}, {0, 0}},
        {gsLinearH, 256, 1, {0, 0}, {255, 0}},
        {gsLinearV, 1, 256, {0, 0}, {0, 255}},
        {gsReflectedH, 1, 512, {0, 256}, {0, 0}},
        {gsReflectedV, 512, 1, {256, 0}, {511, 0}},
        {gsDiagonalLF, 128, 129, {0, 0}, {127, 128}},
        {gsDiagonalLB, 128, 129, {127, 0}, {0, 128}},
        {gsDiagonalRF, 256, 256, {255, 0}, {255, 255}},
        {gsDiagonalRB, 256, 256, {10, 10}, {255, 0}},
        {gsArrowL, 129, 256, {128, 127}, {0, 0}},
        {gsArrowR, 129, 256, {0, 127}, {128, 0}},
        {gsArrowU, 256, 129, {127, 128}, {0, 0}},
        {gsArrowD, 256, 129, {127, 0}, {0, 128}},
        {gsDiamond, 256, 256, {128, 128}, {255, 255}, 1},
        {gsButterfly, 256, 256, {0, 128}, {127, 0}},
        {gsRadialRect, 512, 512, {0, 300}, {255, 255}},
    };
    for (const Case& c : cases) {
        const Picture p = BuildGradientPattern(c.style, ramp);
        EXPECT_EQ(p.width(), c.w) << int(c.style);
        EXPECT_EQ(p.height(), c.h) << int(c.style);
        EXPECT_EQ(p.PixelARGB(c.start.x, c.start.y), 0xFF000000u | ramp[c.start_index])
            << int(c.style);
        EXPECT_EQ(p.PixelARGB(c.end.x, c.end.y), 0xFF000000u | kEndPixel) << int(c.style);
    }
}

// Patterns laid out before are handed out again: another ramp or style gets its own pattern,
// and a pattern drawn into by one holder does not change the next one handed out.
TEST(GradientPattern, KeptPatternsFollowTheirRampAndStayAsLaidOut) {
    const TGradientColors ramp = BuildGradientRamp(kStart, kEnd, 0, 0);
    const TGradientColors other = BuildGradientRamp(kEnd, kStart, 0, 0);
    Picture first = BuildGradientPattern(gsLinearH, ramp);
    first.SetPixelARGB(0, 0, 0xFF0000FF);
    const Picture again = BuildGradientPattern(gsLinearH, ramp);
    EXPECT_EQ(again.PixelARGB(0, 0), 0xFF000000u | kStartPixel);
    EXPECT_EQ(BuildGradientPattern(gsLinearH, other).PixelARGB(0, 0), 0xFF000000u | kEndPixel);
    EXPECT_EQ(BuildGradientPattern(gsLinearV, ramp).height(), 256);
    // Many other ramps later the first is laid out again, the same.
    for (int shift = -100; shift <= 100; shift += 10)
        BuildGradientPattern(gsLinearH, BuildGradientRamp(kStart, kEnd, shift, 0));
    const Picture later = BuildGradientPattern(gsLinearH, ramp);
    for (int x : {0, 128, 255})
        EXPECT_EQ(later.PixelARGB(x, 0), 0xFF000000u | ramp[static_cast<std::size_t>(x)]);
}

TEST(GradientControl, SettersRebuildOnlyOnRealChangesAndClamp) {
    TGradient g;
    g.SetUseSysColors(true);
    EXPECT_EQ(g.ColorBegin(), clActiveCaption);
    g.SetColorBegin(g.ColorBegin());  // the same value keeps UseSysColors
    EXPECT_TRUE(g.UseSysColors());
    g.SetColorBegin(clRed);
    EXPECT_FALSE(g.UseSysColors());
    g.SetShift(250);
    EXPECT_EQ(g.Shift(), 100);
    g.SetRotation(-300);
    EXPECT_EQ(g.Rotation(), -100);
}

TEST(GradientControl, RebuildsInsideAnUpdateWaitForItsEnd) {
    TGradient g;
    g.SetStyle(gsLinearH);
    g.BeginUpdate();
    g.SetColorBegin(clRed);
    g.SetColorEnd(clBlue);
    EXPECT_NE(g.Colors()[0], 0xFF0000u);
    g.EndUpdate();
    EXPECT_EQ(g.Colors()[0], 0xFF0000u);
    EXPECT_EQ(g.Colors()[255], 0x0000FFu);
    g.SetReverse(true);
    EXPECT_EQ(g.Colors()[0], 0x0000FFu);
}

Picture PaintGradient(TGradient& g) {
    Picture p(g.Width(), g.Height());
    {
        Canvas c(p);
        c.brush = Brush{clWhite};
        c.FillRect({0, 0, p.width(), p.height()});
        g.Paint(c);
    }
    return p;
}

TEST(GradientControl, CustomWithoutHandlerShowsTheTwoColoursInQuarters) {
    TGradient g;
    g.SetBounds(0, 0, 40, 40);
    g.SetColorBegin(clRed);
    g.SetColorEnd(clBlue);
    g.SetStyle(gsCustom);
    const Picture p = PaintGradient(g);
    EXPECT_EQ(p.PixelARGB(2, 2), 0xFFFF0000u);
    EXPECT_EQ(p.PixelARGB(37, 37), 0xFFFF0000u);
    EXPECT_EQ(p.PixelARGB(37, 2), 0xFF0000FFu);
    EXPECT_EQ(p.PixelARGB(2, 37), 0xFF0000FFu);
}

TEST(GradientControl, StretchesThePatternInsideItsBorder) {
    TGradient g;
    g.SetBounds(0, 0, 100, 30);
    g.SetColorBegin(clBlack);
    g.SetColorEnd(clWhite);
    g.SetStyle(gsLinearH);
    g.SetBorderColor(clRed);
    g.SetBorderWidth(2);
    const Picture p = PaintGradient(g);
    EXPECT_EQ(p.PixelARGB(0, 15), 0xFFFF0000u);
    EXPECT_EQ(p.PixelARGB(1, 15), 0xFFFF0000u);
    EXPECT_LT(ARGBRed(p.PixelARGB(3, 15)), 30);
    EXPECT_GT(ARGBRed(p.PixelARGB(96, 15)), 225);
}

TEST(GradientControl, NoRoomOrAnEmptyPatternDrawsNothingButTheBorder) {
    TGradient g;
    g.SetBounds(0, 0, 10, 10);
    g.SetStyle(gsLinearH);
    g.SetBorderColor(clRed);
    g.SetBorderWidth(8);  // more than half of the control
    Picture p = PaintGradient(g);
    EXPECT_EQ(test::Count(p, {0, 0, 10, 10}, [](ARGB c) { return c == 0xFFFF0000u; }), 100);

    TGradient custom;
    custom.SetBounds(0, 0, 10, 10);
    custom.on_custom = [](const TGradientColors&, Picture& pattern) { pattern = Picture(); };
    custom.SetStyle(gsCustom);
    p = PaintGradient(custom);
    EXPECT_EQ(test::Count(p, {0, 0, 10, 10}, [](ARGB c) { return c == 0xFFFFFFFFu; }), 100);
}

}  // namespace
}  // namespace kv
