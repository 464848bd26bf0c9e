#include "ui/controls/smooth_progress_bar.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/gfx/canvas.h"
#include "platform/gfx/graphics.h"
#include "ui/markup/encoded_picture.h"

namespace kv {
namespace {

constexpr int kTickMs = 10;
constexpr double kArrived = 1e-6;
constexpr int kGlowHalfWidth = 30;

// Moves value toward target by step (at least the tolerance); true when it moved, false when
// it arrived.
bool MoveToward(double& value, double target, double step) {
    if (value > target - kArrived && value < target + kArrived) {
        value = target;
        return false;
    }
    step = std::max(step, kArrived);
    value += value >= target ? -step : step;
    return true;
}

}  // namespace

TUiSmoothProgressBar::TUiSmoothProgressBar() {
    windowed_ = true;
    tab_stop = true;
    SetBounds(0, 0, 150, 17);
    appearance_.OnChange = [this] { Invalidate(); };
    appearance_.OnDrawValue = [this](const std::string& format, std::string& text) {
        if (on_draw_value) on_draw_value(format, text);
    };
    animation_timer_.SetOwner(this);
    animation_timer_.SetInterval(kTickMs);
    animation_timer_.on_timer = [this] { AnimationTick(); };
    marquee_timer_.SetOwner(this);
    marquee_timer_.SetEnabled(false);
    marquee_timer_.SetInterval(marquee_interval_);
    marquee_timer_.on_timer = [this] { MarqueeTick(); };
}

void TUiSmoothProgressBar::Assign(const TUiSmoothProgressBar& s) {
    if (&s == this) return;
    step_ = s.step_;
    minimum_ = s.minimum_;
    maximum_ = s.maximum_;
    position_ = s.position_;
    SetGlowAnimation(s.glow_animation_);
    SetProgressAnimation(s.progress_animation_);
    appearance_.Assign(s.appearance_);
    SetStyle(s.style_);
    SetMarqueeInterval(s.marquee_interval_);
    marquee_color_ = s.marquee_color_;
    marquee_size_ = s.marquee_size_;
    Invalidate();
}

std::string TUiSmoothProgressBar::Version() const {
    return FormatVersion(GetVersionNr());
}

void TUiSmoothProgressBar::Show(double value) {
    position_ = animated_ = value;
}

void TUiSmoothProgressBar::SetPosition(double value) {
    // A value set while a glide still runs is shown at once rather than glided to.
    const bool jump = Gliding() && std::abs(animated_ - target_) >= 0.001;
    target_ = std::min(maximum_, std::max(value, minimum_));
    if (jump) {
        Show(target_);
        Invalidate();
    }
    if (Gliding()) {
        animating_ = true;
        return;
    }
    Show(target_);
    if (on_position_changed) on_position_changed(position_);
    Invalidate();
}

void TUiSmoothProgressBar::SetMinimum(double value) {
    if (minimum_ == value) return;
    minimum_ = value;
    if (position_ < minimum_) {
        target_ = minimum_;
        if (!Gliding()) Show(minimum_);
    }
    Invalidate();
}

void TUiSmoothProgressBar::SetMaximum(double value) {
    if (maximum_ == value) return;
    maximum_ = value;
    if (position_ > maximum_) {
        target_ = maximum_;
        if (!Gliding()) Show(maximum_);
    }
    Invalidate();
}

void TUiSmoothProgressBar::SetStyle(TProgressBarStyle style) {
    if (style_ == style) return;
    style_ = style;
    UpdateTimers();
    Invalidate();
}

void TUiSmoothProgressBar::SetProgressAnimation(bool on) {
    if (progress_animation_ == on) return;
    progress_animation_ = on;
    UpdateTimers();
    Invalidate();
}

void TUiSmoothProgressBar::SetGlowAnimation(bool on) {
    if (glow_animation_ == on) return;
    glow_animation_ = on;
    UpdateTimers();
    Invalidate();
}

void TUiSmoothProgressBar::UpdateTimers() {
    // A glide left half-way when its animation was switched off still finishes.
    const bool busy = progress_animation_ || glow_animation_ || animated_ != target_;
    animation_timer_.SetEnabled(style_ == pbstNormal && busy);
    marquee_timer_.SetEnabled(style_ == pbstMarquee);
}

void TUiSmoothProgressBar::SetMarqueeInterval(int ms) {
    if (marquee_interval_ == ms) return;
    marquee_interval_ = ms;
    marquee_timer_.SetInterval(ms);
    Invalidate();
}

void TUiSmoothProgressBar::Resized() {
    Control::Resized();
    Invalidate();
}

void TUiSmoothProgressBar::AnimationTick() {
    if ((Gliding() && animating_) || std::abs(target_ - animated_) > 0) {
        double value = animated_;
        if (MoveToward(value, target_, std::abs(target_ - animated_) / 15)) {
            Show(value);
        } else {
            animating_ = false;
            Show(target_);
        }
        if (on_position_changed) on_position_changed(position_);
        Invalidate();
    }
    if (position_ > minimum_ && glow_animation_) {
        if (glow_counter_ >= 1500) glow_position_ += 3;
        const RectF f = appearance_.GetProgressRect({0, 0, Width(), Height()}, minimum_, maximum_,
                                                    position_, direction_);
        const float length = direction_ == pbdHorizontal ? f.width : f.height;
        if (length >= glow_position_) {
            glow_counter_ += 10;
        } else {
            glow_counter_ = 0;
            glow_position_ = -60;
        }
        Invalidate();
    }
    UpdateTimers();
}

void TUiSmoothProgressBar::MarqueeTick() {
    if (Freed()) return;
    glow_position_ += 8;
    const int across = direction_ == pbdHorizontal ? Width() : Height();
    if (glow_position_ > 2 * marquee_size_ + across) {
        glow_counter_ = 0;
        glow_position_ = -2 * marquee_size_;
    }
    Invalidate();
}

void TUiSmoothProgressBar::Paint(Canvas& canvas) {
    Graphics g(canvas);
    g.SetSmoothing(true);
    const Rect r{0, 0, Width(), Height()};
    const bool marquee = style_ == pbstMarquee;
    appearance_.Draw(g, r, minimum_, maximum_, marquee ? 0 : position_, direction_);
    if ((glow_animation_ && position_ > 0) || marquee) DrawGlow(g, r);
}

void TUiSmoothProgressBar::DrawGlow(Graphics& g, const Rect& r) const {
    const bool marquee = style_ == pbstMarquee;
    const TColor c = marquee ? marquee_color_ : clWhite;
    const float s = float(marquee ? marquee_size_ : kGlowHalfWidth);
    if (s <= 0) return;
    if (!marquee) {
        const RectF f = appearance_.GetProgressRect(r, minimum_, maximum_, position_, direction_);
        if (f.empty()) return;
        g.SetClip(f);
    }
    const RectF i = ToRectF(appearance_.GetInnerRect(r));
    const float at = float(glow_position_);
    const bool across = direction_ == pbdHorizontal;
    const RectF a =
        across ? RectF{at - s, i.y, s, i.height} : RectF{i.x, i.height - at - s, i.width, s};
    const RectF b = across ? RectF{at, i.y, s, i.height} : RectF{i.x, i.height - at, i.width, s};
    const LinearGradientMode mode =
        across ? LinearGradientMode::Horizontal : LinearGradientMode::Vertical;
    const ARGB clear = ColorToARGB(0, c), bright = ColorToARGB(120, c);
    const auto band = [&](const RectF& box, ARGB from, ARGB to) {
        if (box.empty()) return;
        g.FillRectangle(
            GraphicsBrush::LinearGradient(
                RectF{box.x - 1, box.y - 1, box.width + 2, box.height + 2}, from, to, mode),
            box);
    };
    // Brightest at the glow position, fading out to either side.
    band(a, clear, bright);
    band(b, bright, clear);
    if (!marquee) g.ResetClip();
}

// ---- styles

namespace {

constexpr TColor N = clNone;

// Index 8 has no colours of its own.
constexpr std::array<ProgressPresetColors, 20> kBarPresets = {{
    {0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFCE1CB, 0xE0A57D, N, N, 0x962D00},
    {0xE6D8D8, 0xE6D8D8, 0xC0C0C0, 0xECE2E1, 0xB39698, N, N, 0x947C7C},
    {0xCFF0EA, 0xCFF0EA, 0xC0C0C0, 0xCFF0EA, 0x8CC0B1, N, N, 0x588060},
    {0xF2F2F2, 0xF2F2F2, 0xC0C0C0, 0xFFFFFF, 0xC9D1D5, N, N, 0x808080},
    {0xFFD2AF, 0xFFD2AF, 0xC0C0C0, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD},
    {0x5C534C, 0x5C534C, 0xC0C0C0, 0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0x000000},
    {0xB6B6B6, 0xB6B6B6, 0xC0C0C0, 0xFFFFFF, clBtnFace, N, N, 0x000000},
    {0xF5F9FA, 0xF5F9FA, 0xC0C0C0, 0xF5F9FA, 0xA8C0C0, N, N, 0x962D00},
    {N, N, N, N, N, N, N, N},
    {0xCAC1BA, 0xCAC1BA, 0xC0C0C0, 0xFAEEEB, 0xE5DBD7, 0xE2D8D4, 0xD1C7C5, 0x000000},
    {0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFDF8F1, 0xFCEFD5, N, N, 0xFDDE99},
    {0xFDF8F1, 0xFDF8F1, 0xFDDE99, 0xFDFBFA, 0xFDF3EB, N, N, 0xFBD6B8},
    {clBtnFace, clBtnFace, 0x808080, 0xC0C0C0, 0xC0C0C0, N, N, 0x808080},
    {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xEDDBCD, N, N, N, 0x5B391E},
    {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0xEDE9E5, N, N, N, 0x7C6D66},
    {0xBFBFBF, 0x919191, 0xD7D7D6, 0x828282, N, N, N, 0x6D6D6D},
    {0xF7F6F5, 0xF7F6F5, 0xE4E3E2, 0xF7E0C9, N, N, N, N},
    {0xFFFFFF, 0xFFFFFF, 0xD4D4D4, 0xFCE2C8, N, N, N, N},
    {0xF6F6F6, 0xF6F6F6, 0xC6C6C6, 0xFCE2C8, N, N, N, N},
    {0xE5E5E5, 0xE5E5E5, 0xABABAB, 0xFCE2C8, N, N, N, N},
}};

}  // namespace

void ApplyProgressPreset(TGDIPProgress& painter, const ProgressPresetColors& p,
                         bool vertical_mirror) {
    TGDIPFill& back = painter.BackGroundFill();
    back.SetColor(p.back);
    back.SetColorTo(p.back_to);
    back.SetBorderColor(p.back_border);
    TGDIPFill& bar = painter.ProgressFill();
    bar.SetColor(p.bar);
    bar.SetColorTo(p.bar_to);
    bar.SetColorMirror(p.mirror);
    bar.SetColorMirrorTo(p.mirror_to);
    bar.SetBorderColor(p.bar_border);
    if (vertical_mirror) bar.SetGradientMirrorType(gtVertical);
}

void TUiSmoothProgressBar::ApplyStylePreset(int index) {
    appearance_.SetOverlays(true);
    appearance_.SetShadows(true);
    SetGlowAnimation(true);
    if (index < 0 || index == 8 || index >= static_cast<int>(kBarPresets.size())) return;
    ApplyProgressPreset(appearance_, kBarPresets[static_cast<std::size_t>(index)], index != 12);
    if (index >= 16) {
        appearance_.SetOverlays(false);
        appearance_.SetShadows(false);
    }
}

void TUiSmoothProgressBar::ApplyColorTones(const TColorToneSet& tones) {
    appearance_.SetOverlays(false);
    appearance_.SetShadows(false);
    SetGlowAnimation(false);
    const auto paint = [](TGDIPFill& f, const TColorTone& tone) {
        f.SetColor(tone.fill);
        f.SetColorTo(tone.fill);
        f.SetColorMirror(tone.fill);
        f.SetColorMirrorTo(tone.fill);
        f.SetBorderColor(tone.border);
    };
    paint(appearance_.BackGroundFill(), tones.hover);
    paint(appearance_.ProgressFill(), tones.selected);
    Font font = appearance_.GetFont();
    font.color = tones.selected.text;
    appearance_.SetFont(font);
}

}  // namespace kv
