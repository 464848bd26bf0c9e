// The smooth and the cylinder progress bars: clamping, gliding, glow and marquee, the cylinder's
// fill end, steps, text and presets, tiny sizes painted without harm, the layout classes, and a
// PNG of every preset.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/window/control_factory.h"
#include "platform/window/test_driver.h"
#include "ui/controls/progress_bar_classes.h"
#include "ui/controls/progress_cyl.h"
#include "ui/controls/smooth_progress_bar.h"

namespace kv {
namespace {

struct OnForm {
    TestDriver d{900, 700};
    Form& form = d.screen().Create<Form>("form");
    OnForm() {
        form.SetBorderStyle(bsNone);
        form.SetBounds(0, 0, 900, 700);
        form.SetColor(RGBColor(40, 60, 80));
        form.Show();
    }
};

// ---- smooth bar

TEST(SmoothProgressBar, ClampsToTheRangeAndReportsAtOnceWithoutGlide) {
    TUiSmoothProgressBar bar;
    bar.SetProgressAnimation(false);
    std::vector<double> reported;
    bar.on_position_changed = [&](double v) { reported.push_back(v); };
    const std::pair<double, double> cases[] = {{30, 30}, {150, 100}, {-5, 0}, {100, 100}};
    for (auto [set, shown] : cases) {
        reported.clear();
        bar.SetPosition(set);
        EXPECT_EQ(bar.Position(), shown) << set;
        EXPECT_EQ(reported, std::vector<double>{shown}) << set;
    }
    // A lowered maximum moves the bar without an event.
    reported.clear();
    bar.SetMaximum(80);
    EXPECT_EQ(bar.Position(), 80);
    EXPECT_TRUE(reported.empty());
    bar.SetMinimum(90);
    EXPECT_EQ(bar.Position(), 90);
}

TEST(SmoothProgressBar, GlidesAFifteenthOfTheRestPerTickAndJumpsWhenSetAgain) {
    OnForm f;
    auto& bar = f.form.Add<TUiSmoothProgressBar>("bar");
    bar.SetGlowAnimation(false);
    std::vector<double> reported;
    bar.on_position_changed = [&](double v) { reported.push_back(v); };
    bar.SetPosition(100);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_TRUE(reported.empty());
    f.d.Advance(10);
    EXPECT_NEAR(bar.Position(), 100.0 / 15, 1e-9);
    f.d.Advance(10);
    EXPECT_NEAR(bar.Position(), 100.0 / 15 + (100 - 100.0 / 15) / 15, 1e-9);  // 12.89
    bar.SetPosition(50);  // set again while gliding: shown at once
    EXPECT_EQ(bar.Position(), 50);
    reported.clear();
    f.d.Advance(10);
    EXPECT_EQ(reported, std::vector<double>{50});
    EXPECT_FALSE(bar.Animating());

    bar.SetPosition(100);
    reported.clear();
    f.d.Advance(10);
    bar.SetProgressAnimation(false);  // switched off half-way: the glide still ends
    f.d.Advance(5000);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 100);  // arrives exactly
    EXPECT_EQ(bar.Position(), 100);
}

TEST(SmoothProgressBar, GlowCrossesTheFillThenWaitsAndMarqueeRunsAcross) {
    OnForm f;
    auto& bar = f.form.Add<TUiSmoothProgressBar>("bar");
    bar.SetBounds(0, 0, 150, 17);
    bar.SetProgressAnimation(false);
    bar.SetPosition(50);
    EXPECT_EQ(bar.GlowPosition(), -40);
    f.d.Advance(10);
    EXPECT_EQ(bar.GlowPosition(), -37);  // 3 pixels a tick
    f.d.Advance(1000);
    EXPECT_EQ(bar.GlowPosition(), -60);  // past the filled part: waits before the next band

    // Nothing to animate: no ticks.
    bar.SetGlowAnimation(false);
    EXPECT_FALSE(bar.AnimationTimer().Enabled());
    bar.SetGlowAnimation(true);
    EXPECT_TRUE(bar.AnimationTimer().Enabled());

    bar.SetStyle(pbstMarquee);
    EXPECT_FALSE(bar.AnimationTimer().Enabled());
    EXPECT_TRUE(bar.MarqueeTimer().Enabled());
    const double before = bar.GlowPosition();
    f.d.Advance(10);
    EXPECT_EQ(bar.GlowPosition(), before + 8);
    f.d.Advance(10 * 40);
    EXPECT_LE(bar.GlowPosition(), 2 * 60 + 150);
}

TEST(SmoothProgressBar, PaintsAtTheEndsOutsideTheRangeAndAtTinySizes) {
    OnForm f;
    const Size sizes[] = {{150, 17}, {1, 1}, {150, 8}, {8, 150}, {2, 2}, {0, 0}};
    const double values[] = {0, 100, -20, 250};
    int x = 0;
    for (Size s : sizes) {
        for (double v : values) {
            for (TGDIPProgressDirection dir : {pbdHorizontal, pbdVertical}) {
                auto& bar = f.form.Add<TUiSmoothProgressBar>("b" + std::to_string(x));
                bar.SetBounds(x % 880, (x / 880) * 20, s.cx, s.cy);
                bar.SetDirection(dir);
                bar.Appearance().SetValueVisible(true);
                bar.ApplyStylePreset(4);
                bar.SetPosition(v);
                x += 10;
            }
        }
    }
    f.d.Advance(100);
    f.d.screen().Paint();
    auto& big = f.form.Add<TUiSmoothProgressBar>("big");
    big.SetBounds(10, 600, 200, 20);
    big.SetProgressAnimation(false);
    big.SetGlowAnimation(false);
    big.ApplyStylePreset(4);
    big.SetGlowAnimation(false);
    big.SetPosition(100);
    f.d.screen().Paint();
    // The filled part reaches the far end.
    EXPECT_NE(f.d.screen().PixelAt(10 + 195, 610), RGBColor(40, 60, 80));
}

TEST(SmoothProgressBar, ABackgroundNotFullyOpaqueShowsTheParent) {
    OnForm f;
    auto& bar = f.form.Add<TUiSmoothProgressBar>("bar");
    bar.SetBounds(10, 10, 150, 17);
    bar.SetProgressAnimation(false);
    bar.SetGlowAnimation(false);
    bar.Appearance().SetOverlays(false);
    bar.Appearance().SetShadows(false);
    bar.Appearance().BackGroundFill().SetOpacity(0);
    bar.Appearance().BackGroundFill().SetOpacityTo(0);
    bar.SetPosition(0);
    f.d.screen().Paint();
    EXPECT_EQ(f.d.screen().PixelAt(10 + 75, 10 + 8), RGBColor(40, 60, 80));
}

TEST(SmoothProgressBar, TonesAndPresetsSetTheFills) {
    TUiSmoothProgressBar bar;
    bar.ApplyStylePreset(16);
    EXPECT_EQ(bar.Appearance().ProgressFill().Color(), 0xF7E0C9);
    EXPECT_FALSE(bar.Appearance().Overlays());
    EXPECT_TRUE(bar.GlowAnimation());
    bar.ApplyStylePreset(8);
    EXPECT_TRUE(bar.Appearance().Overlays());
    EXPECT_EQ(bar.Appearance().ProgressFill().Color(), 0xF7E0C9);  // 8 has no colours
    TColorToneSet tones;
    tones.hover = {0x111111, 0x222222, 0x333333};
    tones.selected = {0x444444, 0x555555, 0x666666};
    bar.ApplyColorTones(tones);
    EXPECT_FALSE(bar.GlowAnimation());
    EXPECT_EQ(bar.Appearance().BackGroundFill().ColorMirrorTo(), 0x111111);
    EXPECT_EQ(bar.Appearance().ProgressFill().BorderColor(), 0x555555);
    EXPECT_EQ(bar.Appearance().GetFont().color, 0x666666);
}

// ---- cylinder bar

TEST(ProgressCyl, RangeNeverCollapses) {
    TProgressCyl bar;
    bar.SetMax(0);
    EXPECT_EQ(bar.Max(), 1);
    bar.SetMin(1);
    EXPECT_EQ(bar.Min(), 0);
    bar.SetMax(100);
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ProgressCyl, FillEndFollowsThePositionInsideThePicture) {
    struct Case {
        const char* what;
        TProgressBarOrientation orientation;
        int border, bevel, width, height, position, fill_end;
    };
    const Case cases[] = {
        {"empty: the line right after the inset", pbHorizontal, 2, 1, 150, 22, 0, 5},
        {"full", pbHorizontal, 2, 1, 150, 22, 100, 146},
        {"half", pbHorizontal, 2, 1, 150, 22, 50, 75},
        // No frame: the full bar's end would fall one pixel past the picture.
        {"full without frame", pbHorizontal, 0, 0, 150, 22, 100, 149},
        {"upright empty without frame", pbVertical, 0, 0, 22, 150, 0, 149},
        {"upright full", pbVertical, 2, 1, 22, 150, 100, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TProgressCyl bar;
        bar.SetBounds(0, 0, c.width, c.height);
        bar.SetOrientation(c.orientation);
        bar.SetBevelInner(bvNone);
        bar.SetBevelOuter(bvNone);
        bar.SetBorderWidth(c.border);
        bar.SetBevelWidth(c.bevel);
        bar.SetPosition(c.position);
        EXPECT_EQ(bar.FillEnd(), c.fill_end);
    }
}

TEST(ProgressCyl, StepsNeedAnInnerAreaAndTinyBarsPaintSafely) {
    OnForm f;
    // Inner height 0 (8 pixels minus 2 x (2 + 2 x 1)... of frame): the steps keep their values.
    auto& flat = f.form.Add<TProgressCyl>("flat");
    const int step = flat.VerticalStep();
    flat.SetBounds(0, 0, 150, 8);
    EXPECT_EQ(flat.VerticalStep(), step);
    const Size sizes[] = {{1, 1}, {150, 8}, {8, 150}, {2, 2}, {3, 40}, {150, 22}};
    const int borders[] = {0, 1, 2, 5};
    int x = 0;
    for (Size s : sizes) {
        for (int border : borders) {
            for (int position : {0, 100, -10, 1000}) {
                for (auto o : {pbHorizontal, pbVertical}) {
                    auto& bar = f.form.Add<TProgressCyl>("c" + std::to_string(x));
                    bar.SetBounds((x * 7) % 880, 200 + (x * 7 / 880) * 30, s.cx, s.cy);
                    bar.SetBevelOuter(bvNone);
                    bar.SetBevelInner(bvNone);
                    bar.SetBevelWidth(0);
                    bar.SetBorderWidth(border);
                    bar.SetOrientation(o);
                    bar.SetProEffect(peStdBlue);  // inverted text: the overlay too
                    bar.SetPosition(position);
                    ++x;
                }
            }
        }
    }
    f.d.screen().Paint();
}

TEST(ProgressCyl, TextDoneEventAndShading) {
    TProgressCyl bar;
    int done = 0;
    bar.on_progress_done = [&] { ++done; };
    bar.SetPosition(30);
    EXPECT_EQ(bar.DisplayText(), "30%");
    bar.SetPosition(100);
    bar.SetPosition(100);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(bar.DisplayText(), "Done");
    bar.SetTextDone("");
    EXPECT_EQ(bar.DisplayText(), "100%");

    // Default lighting: a channel of 255 gives 1.0, of 0 gives 0.25.
    EXPECT_FLOAT_EQ(bar.ForeStyle().Factor(255), 1.0f);
    EXPECT_FLOAT_EQ(bar.ForeStyle().Factor(0), 0.25f);
    bar.ForeStyle().SetLightAngle(0);
    EXPECT_EQ(bar.ForeStyle().LightAngle(), -3.0f);
    bar.SetCylinderEffect(ceFlat);
    EXPECT_EQ(bar.VerticalStep(), 0);

    // Flat shading paints every row of the filled part alike; full shading does not.
    OnForm f;
    auto& shaded = f.form.Add<TProgressCyl>("shaded");
    shaded.SetShowText(false);
    shaded.SetForeColor(clRed);
    shaded.SetPosition(100);
    f.d.screen().Paint();
    EXPECT_NE(shaded.Buffer().PixelARGB(50, 6), shaded.Buffer().PixelARGB(50, 15));
    shaded.SetCylinderEffect(ceFlat);
    f.d.screen().Paint();
    EXPECT_EQ(shaded.Buffer().PixelARGB(50, 6), shaded.Buffer().PixelARGB(50, 15));
}

TEST(ProgressCyl, PresetsSetEverythingAndACustomChangeLeavesThem) {
    TProgressCyl bar;
    EXPECT_EQ(bar.ProEffect(), demoSystem);
    bar.SetProEffect(peMetalRed);
    EXPECT_EQ(bar.ForeColor(), 0x0000FF);
    EXPECT_EQ(bar.CylinderEffect(), ceMaximum);
    EXPECT_EQ(bar.ForeStyle().LightAngle(), -1.5f);
    bar.SetForeColor(0x00FF00);
    EXPECT_EQ(bar.ProEffect(), peCustom);
    EXPECT_EQ(bar.BackColor(), 0xFFFFFF);
    EXPECT_EQ(bar.ForeStyle().IntensityRGB(), -100);

    bar.SetProEffect(peUpLoad1);
    EXPECT_EQ(bar.CylinderEffect(), ceHigh);
    bar.SetForeColor(bar.ForeColor());  // the same colour still leaves the preset
    EXPECT_EQ(bar.ProEffect(), peCustom);

    bar.SetProEffect(peCustom);
    EXPECT_EQ(bar.ForeColor(), 0x0000B9);

    bar.SetProEffect(peStdRed);
    EXPECT_TRUE(bar.HasOverlay());
    bar.SetProEffect(demoMetal);  // no text
    EXPECT_FALSE(bar.ShowText());
    EXPECT_FALSE(bar.HasOverlay());
}

TEST(ProgressBars, LayoutTablesPlaceThemByClassName) {
    RegisterProgressBarClasses();
    const ControlClass* smooth = FindControlClass("TUiSmoothProgressBar");
    const ControlClass* cyl = FindControlClass("TProgressCyl");
    ASSERT_NE(smooth, nullptr);
    ASSERT_NE(cyl, nullptr);
    std::unique_ptr<Control> a = smooth->create();
    SetControlProperty(*smooth, *a, "ProgressAnimation", PropertyValue("False"));
    SetControlProperty(*smooth, *a, "Position", PropertyValue("42.5"));
    SetControlProperty(*smooth, *a, "Appearance.ValueFormat", PropertyValue("%.0f%%"));
    EXPECT_EQ(dynamic_cast<TUiSmoothProgressBar&>(*a).Position(), 42.5);
    std::unique_ptr<Control> b = cyl->create();
    SetControlProperty(*cyl, *b, "ProEffect", PropertyValue("peGlassGreen"));
    SetControlProperty(*cyl, *b, "TextDone", PropertyValue("Completo"));
    EXPECT_EQ(dynamic_cast<TProgressCyl&>(*b).ForeColor(), 0x008000);
    EXPECT_THROW(SetControlProperty(*cyl, *b, "ProEffect", PropertyValue("peNada")), LayoutError);
    EXPECT_THROW(SetControlProperty(*smooth, *a, "Position", PropertyValue("x")), LayoutError);
}

// Every preset of both bars, for a person to look at.
TEST(ProgressBars, PresetSnapshots) {
    OnForm f;
    for (int style = 0; style < 20; ++style) {
        auto& bar = f.form.Add<TUiSmoothProgressBar>("sp" + std::to_string(style));
        bar.SetBounds(10, 10 + style * 26, 200, 20);
        bar.SetProgressAnimation(false);
        bar.ApplyStylePreset(style);
        bar.SetGlowAnimation(false);
        bar.Appearance().SetValueVisible(true);
        bar.SetPosition(15 + style * 4);
    }
    auto& marquee = f.form.Add<TUiSmoothProgressBar>("marquee");
    marquee.SetBounds(10, 540, 200, 20);
    marquee.ApplyStylePreset(4);
    marquee.SetStyle(pbstMarquee);
    for (int p = demoSystem; p <= peStdBlue; ++p) {
        auto& bar = f.form.Add<TProgressCyl>("cy" + std::to_string(p));
        bar.SetBounds(230 + (p / 18) * 330, 10 + (p % 18) * 30, 160, 22);
        bar.SetProEffect(static_cast<TProEffect>(p));
        bar.SetPosition(20 + p * 2);
        auto& second = f.form.Add<TProgressCyl>("cw" + std::to_string(p));
        second.SetBounds(400 + (p / 18) * 330, 10 + (p % 18) * 30, 140, 22);
        second.SetProEffect(static_cast<TProEffect>(p));
        second.SetPosition(100 - p * 2);
    }
    const TProEffect upright[] = {demoSystem, peGlassBlue, peMetalGold, peStdGreen};
    for (int i = 0; i < 4; ++i) {
        auto& bar = f.form.Add<TProgressCyl>("up" + std::to_string(i));
        bar.SetBounds(10 + i * 40, 570, 26, 120);
        bar.SetOrientation(pbVertical);
        bar.SetProEffect(upright[i]);
        bar.SetPosition(25 + i * 20);
    }
    f.d.Advance(200);
    const std::string path = f.d.SavePng("progress_bar_presets.png");
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kv
