#pragma once
// A progress bar shaded like a lit cylinder: every row (upright: every column) of the filled and
// the empty part gets its own brightness, computed pixel by pixel into an off-screen picture,
// with a line at the end of the filled part, panel bevels around it and the percentage on top
// (with a shadow, or inverted). Two lighting styles describe how the fore (filled) and back
// (empty) colours are lit; 36 presets set colours and lighting in one go.
//
// Sizes whose inner area would be empty are skipped when painting and refused by the bevel and
// border setters; the fill's end is always kept inside the picture.

#include <functional>
#include <optional>
#include <string>

#include "platform/gfx/picture.h"
#include "platform/window/control.h"
#include "platform/window/panel.h"
#include "ui/controls/gdiplus/change_notifier.h"

namespace kv {

enum TCylinderEffect { ceFlat, ceUltraLow, ceLow, ceMedium, ceHigh, ceMaximum };
enum TFontEffect { feNone, feInvert, feShadowTopLeft, feShadowBottomRight };
enum TFontOrientation { foLeftToRight, foTopToBottom, foBottomToTop };
enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TProEffect {
    demoSystem,
    demoMetal,
    demoSunken,
    peCustom,
    peGlassRed,
    peGlassOrange,
    peGlassYellow,
    peGlassGreen,
    peGlassCyan,
    peGlassBlue,
    peGlassViolet,
    peGlassPurple,
    peSystem1,
    peSystem2,
    peSystem3,
    peSystem4,
    peSystem5,
    peSystem6,
    peSystem7,
    peSystem8,
    peUpLoad1,
    peUpLoad2,
    peMetalRed,
    peMetalOrange,
    peMetalYellow,
    peMetalCyan,
    peMetalGreen,
    peMetalLightBlue,
    peMetalBlue,
    peMetalViolet,
    peMetalDarkGray,
    peMetalGold,
    peStdRed,
    peStdYellow,
    peStdGreen,
    peStdBlue
};

// How a colour is lit. Each channel v of a colour becomes the factor
// ((v * IntensityFactor + IntensityRGB) / Intensity + v) / RangeRGB, and a row at distance d
// from the highlight gets (|d| * step * ColorFactor + ColorRGB) * factor. Zero is refused for
// the three divisors (Intensity, RangeRGB, LightAngle).
class Canvas;

class TPCColorStyle : public ChangeNotifier {
  public:
    struct Values {
        int intensity_rgb = 255;
        float intensity = 4.0f;
        float intensity_factor = -1.0f;
        int range_rgb = 255;
        int color_rgb = 255;
        float color_factor = -1.0f;
        float light_angle = -3.0f;
        friend bool operator==(const Values&, const Values&) = default;
    };

    // Copies the seven values through the setters.
    void Assign(const TPCColorStyle& source) { SetValues(source.values_); }
    void SetValues(const Values& v);
    const Values& Get() const { return values_; }

    int IntensityRGB() const { return values_.intensity_rgb; }
    void SetIntensityRGB(int v) { Change(values_.intensity_rgb, v); }
    float Intensity() const { return values_.intensity; }
    void SetIntensity(float v) {
        if (v != 0) Change(values_.intensity, v);
    }
    float IntensityFactor() const { return values_.intensity_factor; }
    void SetIntensityFactor(float v) { Change(values_.intensity_factor, v); }
    int RangeRGB() const { return values_.range_rgb; }
    void SetRangeRGB(int v) {
        if (v != 0) Change(values_.range_rgb, v);
    }
    int ColorRGB() const { return values_.color_rgb; }
    void SetColorRGB(int v) { Change(values_.color_rgb, v); }
    float ColorFactor() const { return values_.color_factor; }
    void SetColorFactor(float v) { Change(values_.color_factor, v); }
    float LightAngle() const { return values_.light_angle; }
    void SetLightAngle(float v) {
        if (v != 0) Change(values_.light_angle, v);
    }

    // The factor of one channel (0..255) under this style.
    float Factor(int channel) const;

  private:
    Values values_;
};

class TProgressCyl : public Control {
  public:
    TProgressCyl();
    ~TProgressCyl() override;

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);
    // Kept for the layouts; nothing steps.
    int Step() const { return step_; }
    void SetStep(int v) { step_ = v; }
    bool StopAtMax() const { return stop_at_max_; }
    void SetStopAtMax(bool v) { stop_at_max_ = v; }
    // Also turns the text: bottom to top when vertical.
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation o);

    // These three store and repaint even an unchanged colour, and leave the preset.
    TColor ForeColor() const { return fore_color_; }
    void SetForeColor(TColor c);
    TColor BackColor() const { return back_color_; }
    void SetBackColor(TColor c);
    TColor ForeLineColor() const { return fore_line_color_; }
    void SetForeLineColor(TColor c);
    TColor BackBorderColor() const { return back_border_color_; }
    void SetBackBorderColor(TColor c);
    TColor BevelColor() const { return bevel_color_; }
    void SetBevelColor(TColor c);
    BevelCut BevelInner() const { return bevel_inner_; }
    void SetBevelInner(BevelCut v);
    BevelCut BevelOuter() const { return bevel_outer_; }
    void SetBevelOuter(BevelCut v);
    int BevelWidth() const { return bevel_width_; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return border_width_; }
    void SetBorderWidth(int v);
    TCylinderEffect CylinderEffect() const { return cylinder_effect_; }
    void SetCylinderEffect(TCylinderEffect e);
    TPCColorStyle& ForeStyle() { return fore_style_; }
    const TPCColorStyle& ForeStyle() const { return fore_style_; }
    void SetForeStyle(const TPCColorStyle& s) { fore_style_.Assign(s); }
    TPCColorStyle& BackStyle() { return back_style_; }
    const TPCColorStyle& BackStyle() const { return back_style_; }
    void SetBackStyle(const TPCColorStyle& s) { back_style_.Assign(s); }
    bool ShowText() const { return show_text_; }
    void SetShowText(bool on);
    const std::string& Text() const { return text_; }
    void SetText(std::string t);
    // Shown instead of the percentage at 100 per cent, when not empty.
    const std::string& TextDone() const { return text_done_; }
    void SetTextDone(std::string t);
    TFontEffect FontEffect() const { return font_effect_; }
    void SetFontEffect(TFontEffect e);
    TColor FontShadowColor() const { return font_shadow_color_; }
    void SetFontShadowColor(TColor c);
    TFontOrientation FontOrientation() const { return font_orientation_; }
    void SetFontOrientation(TFontOrientation o);
    // Applying a preset sets colours, text effect, shading and lighting; any of them changed
    // afterwards makes the bar peCustom.
    TProEffect ProEffect() const { return pro_effect_; }
    void SetProEffect(TProEffect p);

    // Sets the colours again, recomputing every factor and the bevel colours.
    void UpdateColors();

    // What the bar computes, for tests: the last pixel of the filled part (its line), the
    // percentage, the shading steps, the text written and whether the inverted text's overlay
    // is held.
    int FillEnd() const { return fill_end_; }
    int Percent() const { return percent_; }
    int HorizontalStep() const { return horizontal_step_; }
    int VerticalStep() const { return vertical_step_; }
    std::string DisplayText() const;
    bool HasOverlay() const { return overlay_.has_value(); }
    // The painted picture (after the last paint).
    const Picture& Buffer() const { return buffer_; }

    void Paint(Canvas& canvas) override;

    std::function<void()> on_progress_done;

  protected:
    void Resized() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FontChanged() override;

  private:
    struct Channels {
        float r = 0, g = 0, b = 0;
    };
    struct Layout {
        int inner_inset = 0, inner_right = 0, inner_bottom = 0;
        int bevel_inset = 0, bevel_right = 0, bevel_bottom = 0;
    };

    // Leaves the preset unless one is being applied.
    void Customised();
    Layout ComputeLayout() const;
    bool CheckLayout() const;
    void UpdateLayout();
    void UpdateBevelColors();
    void UpdateOverlay(bool was_inverted);
    void Shade(uint32_t* pixels, int stride) const;
    void DrawFrames(Canvas& canvas, const Layout& l) const;
    void DrawTextOn(Canvas& canvas, const Font& font, Point at, TColor color) const;
    // Measured with the canvas's text calls, the font unturned.
    Point TextOrigin(Canvas& canvas, const Font& font, const std::string& text) const;
    Font TextFont() const;
    // A setter of the frame that restores the old value when the inner area would be empty.
    template <class T>
    void SetFrame(T& field, T value);

    bool constructed_ = false;
    bool applying_preset_ = false;
    bool mouse_inside_ = false;
    int cylinder_amount_ = 255;
    int shadow_shift_ = 1;
    int last_fill_length_ = 0;
    int fill_end_ = 0;
    int progress_ = 0;
    int percent_ = 0;
    int last_percent_ = 0;
    Layout layout_;
    Channels fore_, back_, fore_line_;
    int horizontal_step_ = 0;
    int vertical_step_ = 0;
    double scale_ = 0.01;
    TColor inner_top_ = clBtnHighlight, inner_bottom_ = clBtnShadow;
    TColor outer_top_ = clBtnShadow, outer_bottom_ = clBtnHighlight;
    TColor bevel_highlight_ = clBtnHighlight, bevel_shadow_ = clBtnShadow;
    TColor bevel_light_ = cl3DLight, bevel_dark_ = cl3DDkShadow;
    mutable Picture buffer_;
    mutable std::optional<Picture> overlay_;

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 1;
    bool stop_at_max_ = true;
    TProgressBarOrientation orientation_ = pbHorizontal;
    TColor fore_color_ = clWhite;
    TColor back_color_ = clBtnFace;
    TColor fore_line_color_ = clHighlight;
    TColor back_border_color_ = clBlack;
    TColor bevel_color_ = clBtnFace;
    BevelCut bevel_inner_ = bvRaised;
    BevelCut bevel_outer_ = bvLowered;
    int bevel_width_ = 1;
    int border_width_ = 2;
    TCylinderEffect cylinder_effect_ = ceMaximum;
    TPCColorStyle fore_style_;
    TPCColorStyle back_style_;
    bool show_text_ = true;
    std::string text_ = "%";
    std::string text_done_ = "Done";
    TFontEffect font_effect_ = feShadowBottomRight;
    TColor font_shadow_color_ = clBtnFace;
    TFontOrientation font_orientation_ = foLeftToRight;
    TProEffect pro_effect_ = demoSystem;
};

}  // namespace kv
