#pragma once
// A progress bar painted by the progress painter, with two animations on timers: the shown
// value glides to a newly set one (each tick covers a fifteenth of the distance left), and a
// light band runs along the filled part. In marquee style the bar stays empty and a coloured
// band runs across it without end. Nothing behind the bar is painted over where its fills are
// not opaque, so the parent shows through.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/window/control.h"
#include "platform/window/timer.h"
#include "ui/controls/gdiplus/gdip_progress.h"
#include "ui/controls/smooth_panel.h"

namespace kv {

enum TProgressBarStyle { pbstNormal, pbstMarquee };

// The colours a style preset gives a progress painter's two fills.
struct ProgressPresetColors {
    TColor back, back_to, back_border;
    TColor bar, bar_to, mirror, mirror_to, bar_border;
};
// Sets them, and the filled part's mirror gradient to vertical unless told not to.
void ApplyProgressPreset(TGDIPProgress& painter, const ProgressPresetColors& colors,
                         bool vertical_mirror);

class TUiSmoothProgressBar : public Control {
  public:
    TUiSmoothProgressBar();

    // Copies the range, the shown position, the animations, the painter and the marquee; not
    // the direction or the events.
    void Assign(const TUiSmoothProgressBar& source);

    // Reads the shown value; a new one is clamped to the range.
    double Position() const { return position_; }
    void SetPosition(double value);
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    // Kept for the layouts; nothing steps by it.
    double Step() const { return step_; }
    void SetStep(double v) { step_ = v; }
    bool ProgressAnimation() const { return progress_animation_; }
    void SetProgressAnimation(bool on);
    bool GlowAnimation() const { return glow_animation_; }
    void SetGlowAnimation(bool on);
    TProgressBarStyle Style() const { return style_; }
    void SetStyle(TProgressBarStyle style);
    int MarqueeInterval() const { return marquee_interval_; }
    void SetMarqueeInterval(int ms);
    TColor MarqueeColor() const { return marquee_color_; }
    void SetMarqueeColor(TColor c) { Change(marquee_color_, c); }
    // Half the band's width.
    int MarqueeSize() const { return marquee_size_; }
    void SetMarqueeSize(int v) { Change(marquee_size_, v); }
    TGDIPProgressDirection Direction() const { return direction_; }
    void SetDirection(TGDIPProgressDirection d) { Change(direction_, d); }
    // The painter; setting copies it. Its changes repaint the bar.
    TGDIPProgress& Appearance() { return appearance_; }
    const TGDIPProgress& Appearance() const { return appearance_; }
    void SetAppearance(const TGDIPProgress& source) { appearance_.Assign(source); }
    std::string Version() const;
    void SetVersion(std::string_view) {}
    static constexpr std::uint32_t GetVersionNr() { return 0x01080000; }

    // Twenty looks (0 to 19, 8 has none of its own); also switches the glow and the painter's
    // shadows and overlays on.
    void ApplyStylePreset(int index);
    // A flat look from the second (background) and third (filled part, text) tone groups.
    void ApplyColorTones(const TColorToneSet& tones);

    // One tick of each timer, as they fire.
    void AnimationTick();
    void MarqueeTick();

    // Where the animations stand, for tests.
    double TargetPosition() const { return target_; }
    double GlowPosition() const { return glow_position_; }
    bool Animating() const { return animating_; }
    Timer& AnimationTimer() { return animation_timer_; }
    Timer& MarqueeTimer() { return marquee_timer_; }

    void Paint(Canvas& canvas) override;

    // The shown value changed (after a glide's step as well).
    std::function<void(double value)> on_position_changed;
    // May replace the value text about to be drawn.
    std::function<void(const std::string& format, std::string& text)> on_draw_value;

  protected:
    void Resized() override;

  private:
    bool Gliding() const { return progress_animation_; }
    // The animation timer runs only while a normal bar has something to animate, so a bar
    // with both animations off costs its window no ticks.
    void UpdateTimers();
    void Show(double value);
    void DrawGlow(Graphics& g, const Rect& r) const;

    double target_ = 0;
    double animated_ = 0;
    double position_ = 0;
    bool animating_ = false;
    int glow_counter_ = 3000;
    double glow_position_ = -40;
    double minimum_ = 0;
    double maximum_ = 100;
    double step_ = 10;
    bool progress_animation_ = true;
    bool glow_animation_ = true;
    TProgressBarStyle style_ = pbstNormal;
    int marquee_interval_ = 10;
    TColor marquee_color_ = 0x00FF00;
    int marquee_size_ = 60;
    TGDIPProgressDirection direction_ = pbdHorizontal;
    TGDIPProgress appearance_;
    Timer animation_timer_;
    Timer marquee_timer_;
};

}  // namespace kv
