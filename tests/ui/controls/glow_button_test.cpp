// The glow button driven through the headless back end: hover and its fade, presses released
// inside and outside, keys, groups, repeat clicks, the drop-down menu, auto-size and the colours
// of its looks on screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window/popup_menu.h"
#include "platform/window/test_driver.h"
#include "tests/ui/controls/pixels.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/ui_action.h"

namespace kv {
namespace {

struct GlowFixture : ::testing::Test {
    TestDriver d{400, 300};
    Form& form = d.screen().Create<Form>("form");
    int clicks = 0;

    GlowFixture() {
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 400, 300);
        form.SetColor(clWhite);
        form.Show();
    }
    ~GlowFixture() override { TUiCustomGlowButton::fade_interval = 20; }

    TUiGlowButton& Add(const std::string& name, int x, int y) {
        auto& b = form.Add<TUiGlowButton>(name);
        b.SetBounds(x, y, 100, 41);
        b.SetCaption(name);
        b.tab_stop = true;
        b.on_click = [this] { ++clicks; };
        return b;
    }
    // The screen's colour at a point of the button.
    TColor At(Control& c, int x, int y) {
        d.screen().Paint();
        const Point p = c.ClientToScreen({x, y});
        return d.screen().PixelAt(p.x, p.y);
    }
};

bool Near(TColor a, TColor b, int tolerance = 6) {
    return test::Near(ColorToOpaqueARGB(a), ColorToOpaqueARGB(b), tolerance);
}

TEST(GlowColors, TintAndBlendFollowTheirRounding) {
    EXPECT_EQ(TintColor(0xF5F0E1, -10, -10, 0), 0xF5D8CA);
    EXPECT_EQ(TintColor(0x000080, 20), RGBColor(128, 20, 20));  // zero channels become p
    EXPECT_EQ(TintColor(0x808080, 30), 0x808080);               // never lighter
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 50), 0x808080);
    EXPECT_EQ(BlendColor(clNone, 0x123456, 50), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, clNone, 50), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, 0x654321, 100), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, 0x654321, 0), 0x654321);
}

TEST(GlowAppearance, DerivedColoursAndChangeRule) {
    TGlowButtonAppearance a;
    EXPECT_EQ(a.ColorDown(), 0xF5D8CA);
    EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorMirrorDown(), 0xF5B49C);
    EXPECT_EQ(a.ColorMirrorDownTo(), 0xFFDFDC);
    EXPECT_EQ(a.ColorMirrorDisabled(), 0xB6B6B6);
    EXPECT_EQ(a.ColorDisabled(), 0xF2F2F2);
    int changes = 0;
    a.OnChange = [&] { ++changes; };
    a.SetBorderColorHot(a.BorderColorHot());
    EXPECT_EQ(changes, 0);
    a.SetBorderColorHot(clGreen);
    EXPECT_EQ(changes, 1);
    TGlowButtonAppearance b;
    b.FaceOnHover = true;
    a.Assign(b);
    EXPECT_EQ(a.BorderColorHot(), 0xFF0000);
    EXPECT_TRUE(a.FaceOnHover);
}

TEST_F(GlowFixture, HoverFadesInOverFiveTicksAndOutOnLeaving) {
    auto& b = Add("b", 20, 20);
    d.MoveTo(b);
    EXPECT_TRUE(b.Hot());
    EXPECT_TRUE(b.Fading());
    d.Advance(100);
    EXPECT_EQ(b.HotPercent(), 100);
    EXPECT_TRUE(b.Fading());  // the sixth tick clamps and stops
    d.Advance(20);
    EXPECT_FALSE(b.Fading());
    d.MouseMove({300, 250});
    EXPECT_FALSE(b.Hot());
    d.Advance(200);
    EXPECT_EQ(b.HotPercent(), 0);
    EXPECT_FALSE(b.Fading());
}

TEST_F(GlowFixture, PressAndReleaseInsideClicksOutsideDoesNot) {
    auto& b = Add("b", 20, 20);
    d.Click(b);
    EXPECT_EQ(clicks, 1);
    d.MoveTo(b);
    d.MouseDown(b.ClientToScreen({50, 20}));
    EXPECT_TRUE(b.Pressed());
    d.MouseMove({300, 250});
    d.MouseUp({300, 250});
    EXPECT_EQ(clicks, 1);
    d.Advance(200);
    EXPECT_FALSE(b.Pressed());
}

TEST_F(GlowFixture, CheckButtonReleasedOutsideComesUpAgain) {
    auto& b = Add("b", 20, 20);
    b.SetStyle(bsCheck);
    d.Click(b);
    EXPECT_TRUE(b.Down());
    d.Click(b);
    EXPECT_FALSE(b.Down());
    d.MoveTo(b);
    d.MouseDown(b.ClientToScreen({50, 20}));
    EXPECT_TRUE(b.Down());
    d.MouseUp({300, 250});
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(clicks, 2);
}

TEST_F(GlowFixture, OnePressInAGroupReleasesTheOthers) {
    auto& a = Add("a", 10, 10);
    auto& b = Add("b", 120, 10);
    auto& c = Add("c", 230, 10);
    for (auto* x : {&a, &b, &c}) x->SetGroupIndex(1);
    d.Click(a);
    EXPECT_TRUE(a.Down());
    d.Click(b);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    EXPECT_FALSE(c.Down());
    // Without AllowAllUp the down button cannot be put up, by code or by a press.
    b.SetDown(false);
    EXPECT_TRUE(b.Down());
    d.Click(b);
    EXPECT_TRUE(b.Down());
    b.SetAllowAllUp(true);
    d.Click(b);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(clicks, 4);
}

TEST_F(GlowFixture, LinkedActionKeepsTheCheckedStateInStep) {
    auto& b = Add("b", 20, 20);
    b.on_click = nullptr;
    b.SetStyle(bsCheck);
    TUiAction action;
    action.AutoCheck = true;
    int runs = 0;
    action.OnExecute = [&] { ++runs; };
    b.SetAction(&action);
    d.Click(b);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(action.Checked);
    EXPECT_TRUE(b.Down());
    d.Click(b);
    EXPECT_FALSE(action.Checked);
    EXPECT_FALSE(b.Down());
}

TEST_F(GlowFixture, PlainButtonIsNeverDown) {
    auto& b = Add("b", 20, 20);
    b.SetDown(true);
    EXPECT_FALSE(b.Down());
}

TEST_F(GlowFixture, KeysClickAndHandTheModalResultToTheForm) {
    auto& a = Add("a", 10, 10);
    auto& ok = Add("ok", 120, 10);
    auto& cancel = Add("cancel", 230, 10);
    int action_runs = 0;
    TUiAction action;
    action.OnExecute = [&] { ++action_runs; };
    a.on_click = nullptr;
    a.SetAction(&action);
    ok.SetDefault(true);
    ok.SetModalResult(mrOk);
    cancel.SetCancel(true);
    cancel.SetModalResult(mrCancel);

    // Space clicks the focused button through its key press: the handler only, not the action.
    a.SetFocus();
    d.KeyDown(VK_SPACE);
    d.Type(" ");
    d.KeyUp(VK_SPACE);
    EXPECT_EQ(action_runs, 0);
    // Enter clicks the focused button (its action, as it has no handler of its own).
    d.Press(VK_RETURN);
    EXPECT_EQ(action_runs, 1);
    // With no glow button focused, Enter clicks the default button.
    d.screen().SetFocus(nullptr);
    d.Press(VK_RETURN);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form.ModalResult(), mrOk);
    d.Press(VK_ESCAPE, ssCtrl);
    EXPECT_EQ(clicks, 1);
    d.Press(VK_ESCAPE);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.ModalResult(), mrCancel);
}

TEST_F(GlowFixture, MnemonicClicksTheButton) {
    auto& b = Add("b", 20, 20);
    b.SetCaption("&Jogar");
    d.Press('J', ssAlt);
    EXPECT_EQ(clicks, 1);
}

TEST_F(GlowFixture, RepeatClickFirstAfterTheInitialPauseThenAtTheRepeatPause) {
    auto& b = Add("b", 20, 20);
    b.SetRepeatClick(true);
    d.MoveTo(b);
    d.MouseDown(b.ClientToScreen({50, 20}));
    d.Advance(399);
    EXPECT_EQ(clicks, 0);
    d.Advance(1);
    EXPECT_EQ(clicks, 1);
    d.Advance(200);
    EXPECT_EQ(clicks, 3);
    d.MouseUp(b.ClientToScreen({50, 20}));
    EXPECT_EQ(clicks, 4);  // the release clicks as usual
    d.Advance(500);
    EXPECT_EQ(clicks, 4);
}

TEST_F(GlowFixture, SplitDropDownPartOpensTheMenuWithoutClicking) {
    auto& b = Add("b", 20, 20);
    PopupMenu menu;
    int chosen = 0;
    menu.Add("mnum", "Um", [&] { ++chosen; });
    b.SetDropDownButton(true);
    b.SetDropDownMenu(&menu);
    int drop_downs = 0;
    b.on_drop_down = [&] { ++drop_downs; };
    bool shown_during = false;
    d.Then([&] {
        shown_during = b.MenuShown();
        d.Press(VK_DOWN);
        d.Press(VK_RETURN);
    });
    d.ClickAt(b, {b.Width() - 5, 20});
    EXPECT_TRUE(shown_during);
    EXPECT_EQ(drop_downs, 1);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(b.MenuShown());
    // The main area still clicks.
    d.ClickAt(b, {20, 20});
    EXPECT_EQ(clicks, 1);
}

TEST_F(GlowFixture, AutoSizeFollowsTheCaption) {
    auto& b = Add("b", 20, 20);
    b.SetLayout(blGlyphTop);
    b.SetAutoSize(true);
    const int w1 = b.Width(), h1 = b.Height();
    b.SetCaption("Uma legenda bem mais comprida");
    EXPECT_GT(b.Width(), w1);
    EXPECT_EQ(b.Height(), h1);
    b.SetMarginVert(5);
    EXPECT_EQ(b.Height(), h1 + 8);  // twice the margin, no spacing for the top layout
}

TEST_F(GlowFixture, AssignLeavesAppearanceStateAndDropDownAlone) {
    auto& a = Add("a", 10, 10);
    auto& b = Add("b", 120, 10);
    a.SetSpacing(9);
    a.SetRounded(false);
    a.SetLayout(blGlyphRight);
    a.SetDropDownButton(true);
    a.SetStyle(bsCheck);
    a.Appearance().SetColor(clRed);
    a.SetGroupIndex(3);
    b.Assign(a);
    EXPECT_EQ(b.Spacing(), 9);
    EXPECT_FALSE(b.Rounded());
    EXPECT_EQ(b.Caption(), "a");
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_FALSE(b.DropDownButton());
    EXPECT_EQ(b.Style(), bsButton);
    EXPECT_EQ(b.GroupIndex(), 0);
    EXPECT_EQ(b.Appearance().Color(), 0xFFFFFF);
    b.SetVersion("9.9");
    EXPECT_EQ(b.Version(), "2.3.0.2");
}

TEST_F(GlowFixture, LooksOnScreen) {
    TUiCustomGlowButton::fade_interval = 0;  // the colours of each look, unblended
    auto& b = Add("b", 20, 20);
    b.SetCaption("");
    // Normal: white face, silver border.
    EXPECT_TRUE(Near(At(b, 50, 8), clWhite));
    EXPECT_TRUE(Near(At(b, 0, 20), 0xC0C0C0));
    // Hot: the hot border, the radial face glowing from the top's middle.
    d.MoveTo(b);
    EXPECT_TRUE(Near(At(b, 0, 20), 0xFF0000, 40));
    EXPECT_TRUE(Near(At(b, 50, 1), 0xF9D2B2, 12));
    // Pressed: the down border.
    d.MouseDown(b.ClientToScreen({50, 20}));
    EXPECT_TRUE(Near(At(b, 0, 20), 0x800000, 40));
    EXPECT_TRUE(Near(At(b, 50, 3), 0xF9BDA0, 12));
    d.MouseUp(b.ClientToScreen({50, 20}));
    // Disabled: grey border whatever the pointer does.
    b.SetEnabled(false);
    EXPECT_TRUE(Near(At(b, 0, 20), 0x808080, 40));
    EXPECT_TRUE(Near(At(b, 50, 8), 0xF2F2F2, 12));
    // Focused: the focus frame inside the border.
    b.SetEnabled(true);
    d.MouseMove({300, 250});
    b.SetFocus();
    EXPECT_TRUE(Near(At(b, 1, 20), 0xE4AD89, 40));
    // The corner pixel keeps the form's colour behind the rounded border.
    EXPECT_EQ(At(b, 0, 0), clWhite);
}

TEST_F(GlowFixture, HotPictureWaitsForThePointerOtherPicturesRepaint) {
    auto& b = Add("b", 20, 20);
    TGDIPPicture picture;
    picture.LoadFromBytes(test::CheckerPng(clRed, clBlue));
    d.screen().Paint();
    b.SetHotPicture(picture);
    EXPECT_FALSE(d.screen().NeedsPaint());
    b.SetPicture(picture);
    EXPECT_TRUE(d.screen().NeedsPaint());
    d.screen().Paint();
    b.SetDisabledPicture(picture);
    EXPECT_TRUE(d.screen().NeedsPaint());
}

TEST_F(GlowFixture, TransparentButtonShowsItsFaceOnlyWhenHot) {
    TUiCustomGlowButton::fade_interval = 0;
    auto& b = Add("b", 20, 20);
    b.SetCaption("");
    b.SetTransparent(true);
    EXPECT_EQ(At(b, 50, 20), clWhite);
    EXPECT_EQ(At(b, 0, 20), clWhite);  // no border either
    d.MoveTo(b);
    EXPECT_NE(At(b, 50, 35), clWhite);
}

TEST_F(GlowFixture, SquareButtonPaintsItsCorner) {
    TUiCustomGlowButton::fade_interval = 0;
    auto& b = Add("b", 20, 20);
    b.SetRounded(false);
    EXPECT_TRUE(Near(At(b, 0, 0), 0xC0C0C0, 40));
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(GlowStyles, StylePresetsAndColourTones) {
    TUiGlowButton b;
    b.ApplyStyle(16);
    EXPECT_FALSE(b.Rounded());
    EXPECT_EQ(b.Appearance().Color(), 0xF7F6F5);
    EXPECT_EQ(b.Appearance().ColorHotTo(), clNone);
    EXPECT_EQ(b.Appearance().BorderColorChecked(), 0xDAA026);
    EXPECT_EQ(b.Appearance().TextColorChecked(), clWhite);
    b.ApplyStyle(0);
    EXPECT_TRUE(b.Rounded());
    EXPECT_EQ(b.Appearance().BorderColor(), 0xE0B99B);
    EXPECT_EQ(b.Appearance().ColorMirrorDown(), 0x0E72F1);
    b.ApplyStyle(14);
    EXPECT_TRUE(b.Appearance().FaceOnHover);

    TColorToneSet tones;
    tones.background = {0x111111, 0x222222, 0x333333};
    tones.selected = {0x777777, 0x888888, 0x999999};
    tones.pressed = {0xAAAAAA, 0xBBBBBB, 0xCCCCCC};
    tones.disabled = {0xDDDDDD, 0xEEEEEE, 0x0F0F0F};
    b.ApplyColorTones(tones);
    EXPECT_EQ(b.Appearance().ColorHot(), 0xAAAAAA);
    EXPECT_EQ(b.Appearance().TextColorHot(), 0xCCCCCC);
    EXPECT_EQ(b.Appearance().TextColorDown(), 0x999999);
    EXPECT_EQ(b.Appearance().ColorChecked(), 0x777777);
    EXPECT_EQ(b.Appearance().ColorMirrorChecked(), clNone);
    EXPECT_EQ(b.Appearance().BorderColorDisabled(), 0x0F0F0F);
    EXPECT_EQ(b.font().color, 0x333333);
    EXPECT_EQ(TUiCustomGlowButton::fade_interval, 0);  // fading stops for every glow button
    TUiCustomGlowButton::fade_interval = 20;
}

}  // namespace
}  // namespace kv
