#include "ui/controls/progress_cyl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/gfx/drawn_text.h"
#include "platform/window/classic_look.h"

namespace kv {
namespace {

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

int Clamp255(int v) {
    return std::clamp(v, 0, 255);
}

TColor Brighten(TColor c, int by) {
    const TColor rgb = ColorToRGB(c);
    return RGBColor(Clamp255(GetRValue(rgb) + by), Clamp255(GetGValue(rgb) + by),
                    Clamp255(GetBValue(rgb) + by));
}

}  // namespace

// ---- lighting style

void TPCColorStyle::SetValues(const Values& v) {
    // Refused zeros keep the old value, as each setter does.
    Values next = v;
    if (next.intensity == 0) next.intensity = values_.intensity;
    if (next.range_rgb == 0) next.range_rgb = values_.range_rgb;
    if (next.light_angle == 0) next.light_angle = values_.light_angle;
    Change(values_, next);
}

float TPCColorStyle::Factor(int v) const {
    const Values& s = values_;
    return ((float(v) * s.intensity_factor + float(s.intensity_rgb)) / s.intensity + float(v)) /
           float(s.range_rgb);
}

// ---- bar

TProgressCyl::TProgressCyl() {
    applying_preset_ = true;
    SetBounds(0, 0, 150, 22);
    SetFont(Font{"Arial", 9, fsBold, clBlack});
    fore_style_.OnChange = [this] {
        Customised();
        UpdateColors();
        Invalidate();
    };
    back_style_.OnChange = fore_style_.OnChange;
    UpdateColors();
    UpdateLayout();
    constructed_ = true;
    applying_preset_ = false;
}

TProgressCyl::~TProgressCyl() {
    fore_style_.OnChange = nullptr;
    back_style_.OnChange = nullptr;
}

void TProgressCyl::Customised() {
    if (!applying_preset_) pro_effect_ = peCustom;
}

// ---- range and position

void TProgressCyl::SetMin(int v) {
    if (v == min_) return;
    if (v == max_) --v;
    if (v < max_) {
        min_ = v;
        scale_ = 1.0 / (max_ - min_);
        if (position_ < min_) position_ = min_;
    }
    UpdateLayout();
}

void TProgressCyl::SetMax(int v) {
    if (v == max_) return;
    if (v == min_) ++v;
    if (v > min_) {
        max_ = v;
        scale_ = 1.0 / (max_ - min_);
        if (position_ > max_) position_ = max_;
    }
    UpdateLayout();
}

void TProgressCyl::SetPosition(int v) {
    position_ = std::clamp(v, min_, max_);
    progress_ = position_ - min_;
    percent_ = RoundEven(double(progress_) / (max_ - min_) * 100);
    const int f = layout_.inner_inset;
    const double share = progress_ * scale_;
    int length = 0;
    if (orientation_ == pbHorizontal) {
        length = RoundEven(Width() * share) + 2 * f - RoundEven(f * share * 2);
        fill_end_ = std::max(length - f, f + 1);
        // Without border or bevels the end would lie one pixel past the picture.
        fill_end_ = std::clamp(fill_end_, 0, std::max(Width() - 1, 0));
    } else {
        length = RoundEven(Height() * share) + 2 * f - RoundEven(2 * f * share);
        fill_end_ = layout_.inner_bottom - (length - 2 * f);
        fill_end_ = std::clamp(fill_end_, 0, std::max(Height() - 1, 0));
    }
    if (length == last_fill_length_ && percent_ == last_percent_) return;
    last_fill_length_ = length;
    last_percent_ = percent_;
    if (position_ == max_ && on_progress_done) on_progress_done();
    Invalidate();
}

void TProgressCyl::SetOrientation(TProgressBarOrientation o) {
    if (orientation_ == o) return;
    orientation_ = o;
    SetFontOrientation(o == pbVertical ? foBottomToTop : foLeftToRight);
    UpdateLayout();
    Invalidate();
}

// ---- layout

TProgressCyl::Layout TProgressCyl::ComputeLayout() const {
    Layout l;
    l.inner_inset = border_width_ + 2 * bevel_width_;
    l.inner_right = Width() - l.inner_inset;
    l.inner_bottom = Height() - l.inner_inset;
    l.bevel_inset = bevel_width_ + border_width_;
    l.bevel_right = Width() - l.bevel_inset;
    l.bevel_bottom = Height() - l.bevel_inset;
    return l;
}

bool TProgressCyl::CheckLayout() const {
    const Layout l = ComputeLayout();
    return Width() > 0 && Height() > 0 && l.bevel_inset < l.bevel_right &&
           l.bevel_inset < l.bevel_bottom && l.inner_inset < l.inner_right &&
           l.inner_inset < l.inner_bottom;
}

void TProgressCyl::UpdateLayout() {
    layout_ = ComputeLayout();
    const int inner_width = layout_.inner_right - layout_.inner_inset;
    const int inner_height = layout_.inner_bottom - layout_.inner_inset;
    // Both sides divide: a bar too small to have an inner area keeps its old steps.
    if (inner_width > 0 && inner_height > 0) {
        vertical_step_ = cylinder_amount_ / inner_height;
        horizontal_step_ = cylinder_amount_ / inner_width;
    }
    SetPosition(position_);
}

void TProgressCyl::Resized() {
    Control::Resized();
    if (!constructed_) return;
    UpdateLayout();
    Invalidate();
}

// ---- colours

void TProgressCyl::UpdateColors() {
    const auto factors = [](TColor c, const TPCColorStyle& s) {
        const TColor rgb = ColorToRGB(c);
        return Channels{s.Factor(GetRValue(rgb)), s.Factor(GetGValue(rgb)),
                        s.Factor(GetBValue(rgb))};
    };
    fore_ = factors(fore_color_, fore_style_);
    fore_line_ = factors(fore_line_color_, fore_style_);
    back_ = factors(back_color_, back_style_);
    if (bevel_color_ == clBtnFace) {
        bevel_highlight_ = clBtnHighlight;
        bevel_shadow_ = clBtnShadow;
        bevel_light_ = cl3DLight;
        bevel_dark_ = cl3DDkShadow;
    } else {
        bevel_highlight_ = bevel_light_ = Brighten(bevel_color_, 64);
        bevel_shadow_ = bevel_dark_ = Brighten(bevel_color_, -64);
    }
    UpdateBevelColors();
}

void TProgressCyl::UpdateBevelColors() {
    switch (bevel_inner_) {
        case bvSpace:
            inner_top_ = inner_bottom_ = Color();
            break;
        case bvLowered:
            if (bevel_outer_ == bvLowered && border_width_ == 0) {
                inner_top_ = bevel_dark_;
                inner_bottom_ = bevel_light_;
            } else {
                inner_top_ = bevel_shadow_;
                inner_bottom_ = bevel_highlight_;
            }
            break;
        case bvRaised:
            inner_top_ =
                bevel_outer_ == bvRaised && border_width_ == 0 ? bevel_light_ : bevel_highlight_;
            inner_bottom_ = bevel_shadow_;
            break;
        case bvNone:
            break;
    }
    switch (bevel_outer_) {
        case bvSpace:
            outer_top_ = outer_bottom_ = Color();
            break;
        case bvLowered:
            outer_top_ = bevel_shadow_;
            outer_bottom_ = bevel_highlight_;
            break;
        case bvRaised:
            outer_top_ = bevel_highlight_;
            outer_bottom_ =
                bevel_inner_ == bvRaised && border_width_ == 0 ? bevel_dark_ : bevel_shadow_;
            break;
        case bvNone:
            break;
    }
    UpdateLayout();
}

void TProgressCyl::SetForeColor(TColor c) {
    fore_color_ = c;
    Customised();
    UpdateColors();
    Invalidate();
}

void TProgressCyl::SetBackColor(TColor c) {
    back_color_ = c;
    Customised();
    UpdateColors();
    Invalidate();
}

void TProgressCyl::SetForeLineColor(TColor c) {
    fore_line_color_ = c;
    Customised();
    UpdateColors();
    Invalidate();
}

void TProgressCyl::SetBackBorderColor(TColor c) {
    if (back_border_color_ == c) return;
    back_border_color_ = c;
    Customised();
    Invalidate();
}

void TProgressCyl::SetBevelColor(TColor c) {
    if (bevel_color_ == c) return;
    bevel_color_ = c;
    Customised();
    UpdateColors();
    Invalidate();
}

void TProgressCyl::SetFontShadowColor(TColor c) {
    if (font_shadow_color_ == c) return;
    font_shadow_color_ = c;
    Customised();
    Invalidate();
}

template <class T>
void TProgressCyl::SetFrame(T& field, T value) {
    if (field == value) return;
    const T old = field;
    field = value;
    if (!CheckLayout()) field = old;
    UpdateBevelColors();
    Invalidate();
}

void TProgressCyl::SetBevelInner(BevelCut v) {
    SetFrame(bevel_inner_, v);
}
void TProgressCyl::SetBevelOuter(BevelCut v) {
    SetFrame(bevel_outer_, v);
}
void TProgressCyl::SetBevelWidth(int v) {
    SetFrame(bevel_width_, v);
}
void TProgressCyl::SetBorderWidth(int v) {
    SetFrame(border_width_, v);
}

void TProgressCyl::SetCylinderEffect(TCylinderEffect e) {
    if (cylinder_effect_ == e) return;
    static constexpr std::array<int, 6> kAmounts = {1, 51, 102, 153, 204, 255};
    cylinder_amount_ = kAmounts[static_cast<std::size_t>(std::clamp<int>(e, ceFlat, ceMaximum))];
    cylinder_effect_ = e;
    Customised();
    UpdateLayout();
    Invalidate();
}

// ---- text

void TProgressCyl::UpdateOverlay(bool was_inverted) {
    if (was_inverted) overlay_.reset();
    if (show_text_ && font_effect_ == feInvert && !overlay_) overlay_.emplace();
    if (font_effect_ == feShadowTopLeft) shadow_shift_ = -1;
    if (font_effect_ == feShadowBottomRight) shadow_shift_ = 1;
    Invalidate();
}

void TProgressCyl::SetShowText(bool on) {
    if (show_text_ == on) return;
    const bool was = show_text_ && font_effect_ == feInvert;
    show_text_ = on;
    UpdateOverlay(was);
}

void TProgressCyl::SetFontEffect(TFontEffect e) {
    if (font_effect_ == e) return;
    const bool was = show_text_ && font_effect_ == feInvert;
    font_effect_ = e;
    Customised();
    UpdateOverlay(was);
}

void TProgressCyl::SetFontOrientation(TFontOrientation o) {
    if (font_orientation_ == o) return;
    const bool was = show_text_ && font_effect_ == feInvert;
    font_orientation_ = o;
    UpdateOverlay(was);
}

void TProgressCyl::SetText(std::string t) {
    if (text_ == t) return;
    text_ = std::move(t);
    Invalidate();
}

void TProgressCyl::SetTextDone(std::string t) {
    if (text_done_ == t) return;
    text_done_ = std::move(t);
    Invalidate();
}

void TProgressCyl::FontChanged() {
    Control::FontChanged();
    Invalidate();
}

std::string TProgressCyl::DisplayText() const {
    if (!text_done_.empty() && percent_ == 100) return text_done_;
    return std::to_string(percent_) + text_;
}

Font TProgressCyl::TextFont() const {
    Font f = font();
    f.angle = font_orientation_ == foTopToBottom   ? 270
              : font_orientation_ == foBottomToTop ? 90
                                                   : 0;
    return f;
}

Point TProgressCyl::TextOrigin(Canvas& canvas, const Font& font, const std::string& text) const {
    Font flat = font;
    flat.angle = 0;
    canvas.font = flat;
    const Size extent = canvas.TextExtent(text);
    const int tw = extent.cx, th = extent.cy, W = Width(), H = Height();
    switch (font_orientation_) {
        case foTopToBottom:
            return {th + (W - th) / 2 - 1, (H - tw) / 2};
        case foBottomToTop:
            return {(W - th) / 2 + 1, tw + (H - tw) / 2};
        case foLeftToRight:
            break;
    }
    return {(W - tw) / 2, (H - th) / 2 + 1};
}

void TProgressCyl::DrawTextOn(Canvas& canvas, const Font& font, Point at, TColor color) const {
    Font f = font;
    f.color = color;
    canvas.font = f;
    canvas.bk_mode = BkMode::Transparent;
    canvas.TextRect({0, 0, Width(), Height()}, at.x, at.y, DisplayText());
}

// ---- painting

void TProgressCyl::Shade(uint32_t* pixels, int stride) const {
    const Layout& l = layout_;
    const int f = l.inner_inset, W = Width(), H = Height();
    const TPCColorStyle::Values& fs = fore_style_.Get();
    const TPCColorStyle::Values& bs = back_style_.Get();
    const auto put = [&](int x, int y, int d, int step, const TPCColorStyle::Values& s,
                         const Channels& c) {
        if (x < 0 || y < 0 || x >= W || y >= H) return;
        const float level = float(std::abs(d) * step) * s.color_factor + float(s.color_rgb);
        const auto channel = [&](float factor) {
            return static_cast<uint32_t>(Clamp255(static_cast<int>(level * factor)));
        };
        pixels[y * stride + x] =
            0xFF000000u | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
    };
    if (orientation_ == pbHorizontal) {
        const int ih = l.inner_bottom - f;
        int dF = static_cast<int>(float(ih) / fs.light_angle);
        int dB = static_cast<int>(float(ih) / bs.light_angle);
        for (int y = f; y < l.inner_bottom; ++y, ++dF, ++dB) {
            for (int x = f; x <= fill_end_; ++x) put(x, y, dF, vertical_step_, fs, fore_);
            put(fill_end_, y, dF, vertical_step_, fs, fore_line_);
            for (int x = fill_end_ + 1; x < l.inner_right; ++x)
                put(x, y, dB, vertical_step_, bs, back_);
        }
        return;
    }
    const int iw = l.inner_right - f;
    const int dF = static_cast<int>(float(iw) / fs.light_angle);
    const int dB = static_cast<int>(float(iw) / bs.light_angle);
    for (int y = f; y <= fill_end_; ++y)
        for (int x = f; x < l.inner_right; ++x)
            put(x, y, dB + (x - f), horizontal_step_, bs, back_);
    for (int x = f; x < l.inner_right; ++x)
        put(x, fill_end_, dF + (x - f), horizontal_step_, fs, fore_line_);
    for (int y = fill_end_ + 1; y < l.inner_bottom; ++y)
        for (int x = f; x < l.inner_right; ++x)
            put(x, y, dF + (x - f), horizontal_step_, fs, fore_);
}

void TProgressCyl::DrawFrames(Canvas& canvas, const Layout& l) const {
    Rect inner{l.inner_inset, l.inner_inset, l.inner_right, l.inner_bottom};
    Frame3D(canvas, inner, back_border_color_, back_border_color_, 1);
    if (bevel_inner_ != bvNone) {
        Rect r{l.bevel_inset, l.bevel_inset, l.bevel_right, l.bevel_bottom};
        Frame3D(canvas, r, inner_top_, inner_bottom_, bevel_width_);
    }
    if (bevel_outer_ != bvNone) {
        Rect r{0, 0, Width(), Height()};
        Frame3D(canvas, r, outer_top_, outer_bottom_, bevel_width_);
    }
}

void TProgressCyl::Paint(Canvas& canvas) {
    if (!constructed_ || !CheckLayout()) return;
    const int W = Width(), H = Height();
    if (buffer_.width() != W || buffer_.height() != H) {
        if (!buffer_.SetSize(W, H)) return;
    }
    {
        Canvas c(buffer_);
        c.brush = Brush{Color()};
        c.FillRect({0, 0, W, H});
        cairo_surface_t* s = buffer_.surface();
        cairo_surface_flush(s);
        Shade(reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s)),
              cairo_image_surface_get_stride(s) / 4);
        cairo_surface_mark_dirty(s);
        DrawFrames(c, layout_);
        if (show_text_) {
            const Font f = TextFont();
            const Point at = TextOrigin(c, f, DisplayText());
            if (font_effect_ != feInvert) {
                if (font_effect_ != feNone) {
                    const TextRings plain(false);
                    DrawTextOn(c, f, {at.x + shadow_shift_, at.y + shadow_shift_},
                               font_shadow_color_);
                }
                DrawTextOn(c, f, at, f.color);
            }
        }
    }
    if (show_text_ && font_effect_ == feInvert && overlay_) {
        // White letters on black, laid over the bar with exclusive-or: the pixels under the
        // letters are inverted.
        if (overlay_->width() != W || overlay_->height() != H) overlay_->SetSize(W, H);
        {
            Canvas o(*overlay_);
            o.brush = Brush{clBlack};
            o.FillRect({0, 0, W, H});
            const Font f = TextFont();
            DrawTextOn(o, f, TextOrigin(o, f, DisplayText()), clWhite);
        }
        cairo_surface_t* s = buffer_.surface();
        cairo_surface_t* t = overlay_->surface();
        cairo_surface_flush(s);
        cairo_surface_flush(t);
        auto* dst = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
        const auto* src = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(t));
        const int ds = cairo_image_surface_get_stride(s) / 4;
        const int ss = cairo_image_surface_get_stride(t) / 4;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) dst[y * ds + x] ^= src[y * ss + x] & 0x00FFFFFFu;
        cairo_surface_mark_dirty(s);
        buffer_.MarkDirty();
    }
    canvas.Draw(0, 0, buffer_);
}

void TProgressCyl::MouseEnter() {
    Control::MouseEnter();
    mouse_inside_ = true;
    Invalidate();
}

void TProgressCyl::MouseLeave() {
    Control::MouseLeave();
    mouse_inside_ = false;
    Invalidate();
}

// ---- presets

namespace {

using Style = TPCColorStyle::Values;
constexpr Style L1{255, 4, -1, 255, 255, -1, -3};
constexpr Style L2{-100, 4, -1.7f, -100, -100, -1, -1.6f};
constexpr Style L3{255, 2, -1, 153, 0, 1, -3};
constexpr Style L4{255, 4, -1, 255, 255, 1, -3};
constexpr Style L5{255, 3, -0.8f, 255, 200, 1, -3};
constexpr Style L6{-100, 4, -1.7f, -100, -100, -1, -1.5f};
constexpr Style L7{-50, 8, -1.5f, -150, -80, -1, -1.5f};
constexpr Style L8{255, 4, -1.5f, 153, 0, 1, -3};
constexpr Style L9{200, 4, -0.5f, 200, 200, -1.2f, -3};
constexpr Style L10{255, 4, -1.5f, 153, 0, 1, -3.2f};
constexpr Style L11{-100, 4, -1.5f, -80, -100, -1, -1.5f};
constexpr Style L12{-100, 4, -1.5f, -80, -100, -1.5f, -1.5f};

struct CylPreset {
    TProEffect effect;
    TColor fore, back, line;
    TFontEffect font_effect;
    TColor shadow;  // clNone: left as it is
    Style fore_style, back_style;
};

constexpr TColor kKeep = clNone;
constexpr TColor kWhiteC = 0xFFFFFF, kBlackC = 0x000000;

constexpr std::array<CylPreset, 35> kCylPresets = {{
    {demoSystem, clBtnFace, kWhiteC, clHighlight, feShadowBottomRight, clBtnFace, L1, L1},
    {demoMetal, 0xFFD47F, kWhiteC, kBlackC, feShadowBottomRight, kWhiteC, L2, L2},
    {demoSunken, kWhiteC, 0x000080, 0x0000FF, feInvert, kBlackC, L1, L3},
    {peGlassRed, 0x0000CC, 0x808080, kWhiteC, feNone, kKeep, L5, L4},
    {peGlassOrange, 0x0080FF, 0xC0C0C0, 0x000080, feNone, kKeep, L4, L4},
    {peGlassYellow, 0x00CECE, 0xC0C0C0, kBlackC, feNone, kKeep, L5, L4},
    {peGlassGreen, 0x008000, 0x808080, kWhiteC, feNone, kKeep, L4, L4},
    {peGlassCyan, 0x808000, 0xC0C0C0, 0x00FFFF, feNone, kKeep, L4, L4},
    {peGlassBlue, 0xD76B00, 0x808080, kWhiteC, feNone, kKeep, L5, L4},
    {peGlassViolet, 0xB36666, 0xC0C0C0, kBlackC, feNone, kKeep, L4, L4},
    {peGlassPurple, 0x800080, 0x808080, kWhiteC, feNone, kKeep, L4, L4},
    {peSystem1, clBtnFace, clWindow, clHighlight, feShadowBottomRight, clBtnFace, L1, L1},
    {peSystem2, clBtnFace, clWindow, clHighlight, feShadowBottomRight, clBtnFace, L7, L6},
    {peSystem3, clBtnShadow, clBtnFace, clWindow, feShadowBottomRight, clBtnFace, L1, L1},
    {peSystem4, clBtnShadow, clBtnFace, clWindow, feShadowBottomRight, clBtnFace, L6, L6},
    {peSystem5, clWindow, clHighlight, clHighlight, feInvert, kKeep, L1, L3},
    {peSystem6, clWindow, clHighlight, clHighlight, feInvert, kKeep, L6, L8},
    {peSystem7, clHighlight, clBtnShadow, clWindow, feInvert, kKeep, L9, L3},
    {peSystem8, clHighlight, clBtnShadow, clBtnFace, feInvert, kKeep, L11, L10},
    {peUpLoad1, 0x0000B9, clWindow, kBlackC, feInvert, kKeep, L3, L1},
    {peUpLoad2, clBtnShadow, clBtnFace, kBlackC, feInvert, kKeep, L10, L12},
    {peMetalRed, 0x0000FF, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalOrange, 0x0096FF, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalYellow, 0x00FFFF, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalCyan, 0xFFFF00, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalGreen, 0x40FF00, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalLightBlue, 0xFFD47F, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalBlue, 0xE69B00, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalViolet, 0xCE9B9B, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalDarkGray, 0x988B89, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peMetalGold, 0x81CCFF, kWhiteC, kBlackC, feShadowBottomRight, clBtnFace, L6, L6},
    {peStdRed, 0x0000CC, 0x000066, kWhiteC, feInvert, kKeep, L1, L3},
    {peStdYellow, 0x00FFFF, 0x009999, kWhiteC, feInvert, kKeep, L1, L3},
    {peStdGreen, 0x33FF00, 0x408000, kWhiteC, feInvert, kKeep, L1, L3},
    {peStdBlue, 0xD76B00, 0x63301D, kWhiteC, feInvert, kKeep, L1, L3},
}};

struct DemoFrame {
    BevelCut outer, inner;
    int border;
    bool show_text;
};
constexpr std::array<DemoFrame, 3> kDemoFrames = {{
    {bvLowered, bvRaised, 2, true},
    {bvNone, bvLowered, 2, false},
    {bvNone, bvRaised, 2, true},
}};

}  // namespace

void TProgressCyl::SetProEffect(TProEffect p) {
    pro_effect_ = p;
    const auto it = std::find_if(kCylPresets.begin(), kCylPresets.end(),
                                 [p](const CylPreset& c) { return c.effect == p; });
    if (it == kCylPresets.end()) return;
    const CylPreset& c = *it;
    applying_preset_ = true;
    if (p <= demoSunken) {
        const DemoFrame& d = kDemoFrames[static_cast<std::size_t>(p)];
        SetBevelOuter(d.outer);
        SetBevelInner(d.inner);
        SetBorderWidth(d.border);
        SetShowText(d.show_text);
    }
    SetCylinderEffect(p == peUpLoad1 || p == peUpLoad2 ? ceHigh : ceMaximum);
    Font f = font();
    f.color = clBlack;
    SetFont(f);
    SetFontEffect(c.font_effect);
    if (c.shadow != kKeep) SetFontShadowColor(c.shadow);
    SetForeColor(c.fore);
    SetBackColor(c.back);
    SetForeLineColor(c.line);
    SetBackBorderColor(clBlack);
    SetColor(clBtnFace);
    SetBevelColor(clBtnFace);
    back_style_.SetValues(c.back_style);
    fore_style_.SetValues(c.fore_style);
    applying_preset_ = false;
    Invalidate();
}

}  // namespace kv
