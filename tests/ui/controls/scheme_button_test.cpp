// The scheme button: its schemes, its looks under the mouse and keys, Default and Cancel, and
// the pixels it paints.
#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"
#include "platform/window/test_driver.h"
#include "ui/controls/scheme_button.h"

namespace kv {
namespace {

TEST(SchemeButtonColors, SchemesFillEveryColourAndOneColourMakesItCustom) {
    TSchemeButton b;
    EXPECT_EQ(b.ColorScheme(), csNeoDesert);
    EXPECT_TRUE(b.Gradient());
    // A new button keeps csNeoDesert but shows white at the bottom of its other gradients.
    EXPECT_EQ(b.SchemeColor(scGrad), 0x37BEFF);
    EXPECT_EQ(b.SchemeColor(scOverFace + scGrad), clWhite);
    EXPECT_EQ(b.SchemeColor(scDownFace + scGrad), clWhite);

    b.SetSchemeColor(scBorder, clRed);
    EXPECT_EQ(b.ColorScheme(), csCustom);
    b.SetColorScheme(csNeoGrass);
    EXPECT_EQ(b.ColorScheme(), csNeoGrass);
    EXPECT_EQ(b.SchemeColor(scBorder), 0x156F37);
    EXPECT_EQ(b.SchemeColor(scDownFace + scLight), 0x177D3E);
    EXPECT_EQ(b.SchemeColor(scFocusRect), 0x24B95C);

    // A classic scheme keeps the grad colours it finds and switches the gradient off.
    b.SetColorScheme(csRose);
    EXPECT_FALSE(b.Gradient());
    EXPECT_EQ(b.SchemeColor(scGrad), 0x5EDF8E);
    EXPECT_EQ(b.SchemeColor(scFace), 0xC6C6FF);
    EXPECT_EQ(b.SchemeColor(scDisabledFace + scBorder), 0xC4C4C4);

    // csCustom assigns nothing.
    const TSchemeColors before = b.Colors();
    b.SetColorScheme(csCustom);
    EXPECT_EQ(b.Colors(), before);
    EXPECT_FALSE(b.Gradient());
}

TEST(SchemeButtonColors, EverySchemePressesItsBevelInward) {
    for (int s = 0; s < csCustom; ++s) {
        const TSchemeColors c = SchemeColors(static_cast<TColorScheme>(s), TSchemeColors{});
        const TColor light = ColorToRGB(c[scDownFace + scLight]), dark = c[scDownFace + scDark];
        EXPECT_LT(GetRValue(light) + GetGValue(light) + GetBValue(light),
                  GetRValue(dark) + GetGValue(dark) + GetBValue(dark))
            << "scheme " << s;
    }
}

TEST(SchemeButtonPaint, GradientBorderAndBevel) {
    TSchemeButton b;
    b.SetBounds(0, 0, 75, 25);
    Canvas canvas(75, 25);
    b.Paint(canvas);
    EXPECT_EQ(canvas.Pixel(0, 12), 0x005680);                    // border
    EXPECT_EQ(canvas.Pixel(1, 12), 0xB9E7FF);                    // light bevel on the left
    EXPECT_EQ(canvas.Pixel(73, 12), 0x009CE8);                   // dark bevel on the right
    EXPECT_EQ(canvas.Pixel(10, 2), RGBColor(0xFF, 0xE8, 0xBB));  // the gradient's third row
}

TEST(SchemeButtonPaint, NoHeightPaintsNoGradient) {
    TSchemeButton b;
    b.SetBounds(0, 0, 75, 0);
    Canvas canvas(75, 4);
    b.Paint(canvas);  // the gradient's step divides by the height
    SUCCEED();
}

struct SchemeFixture : ::testing::Test {
    TestDriver d{300, 200};
    Form& form = d.screen().Create<Form>("form");
    TSchemeButton& b = form.Add<TSchemeButton>("btok");
    int clicks = 0;
    SchemeFixture() {
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 300, 200);
        b.SetBounds(20, 20, 75, 25);
        b.SetCaption("&Ok");
        b.on_click = [this] { ++clicks; };
        form.Show();
    }
};

TEST_F(SchemeFixture, LooksFollowThePointerAndThePress) {
    d.MoveTo(b);
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkHot);
    d.MouseDown(b.ClientToScreen({30, 10}));
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkDown);
    // Leaving and coming back with the button held shows the down look again.
    d.MouseMove({250, 150});
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkNormal);
    d.MouseMove(b.ClientToScreen({30, 10}));
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkDown);
    d.MouseUp(b.ClientToScreen({30, 10}));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkHot);
    // A release outside does not click.
    d.MouseDown(b.ClientToScreen({30, 10}));
    d.MouseMove({250, 150});
    d.MouseUp({250, 150});
    EXPECT_EQ(clicks, 1);
    // A release on the left column clicks, and the look stays normal.
    d.ClickAt(b, {0, 10});
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkNormal);
}

TEST_F(SchemeFixture, WithoutHotTrackNoHotLook) {
    b.SetHotTrack(false);
    d.MoveTo(b);
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkNormal);
    d.MouseDown(b.ClientToScreen({30, 10}));
    d.MouseMove({250, 150});
    d.MouseMove(b.ClientToScreen({30, 10}));
    EXPECT_NE(b.CurrentLook(), TSchemeButton::lkHot);
}

TEST_F(SchemeFixture, DisabledPaintsTheDisabledColoursUnderThePointer) {
    d.MoveTo(b);
    b.SetEnabled(false);
    d.screen().Paint();
    const Point p = b.ClientToScreen({0, 12});
    EXPECT_EQ(d.screen().PixelAt(p.x, p.y), 0x808080);
}

TEST_F(SchemeFixture, KeysDefaultCancelAndModalResult) {
    b.SetFocus();
    d.KeyDown(VK_SPACE);
    EXPECT_EQ(b.CurrentLook(), TSchemeButton::lkDown);
    d.KeyUp(VK_SPACE);
    EXPECT_EQ(clicks, 1);
    d.Press(VK_RETURN);
    EXPECT_EQ(clicks, 2);

    auto& cancel = form.Add<TSchemeButton>("btcancelar");
    cancel.SetBounds(120, 20, 75, 25);
    cancel.SetCancel(true);
    cancel.SetModalResult(mrCancel);
    int cancels = 0;
    cancel.on_click = [&] { ++cancels; };
    d.Press(VK_ESCAPE, ssCtrl);
    EXPECT_EQ(cancels, 0);
    d.Press(VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(form.ModalResult(), mrCancel);
    d.Press('O', ssAlt);
    EXPECT_EQ(clicks, 3);
}

}  // namespace
}  // namespace kv
