#pragma once
// A two-colour gradient in one of 24 geometric patterns (linear, reflected, diagonal, arrow,
// diamond, butterfly, radial from the centre, an edge or a corner, concentric rectangles) with an
// optional border. The colours become a 256-step ramp, the ramp is laid out once into a small
// pattern picture, and every paint only stretches that picture over the control, so resizing a
// window-sized gradient costs no per-pixel colour work.

#include <array>
#include <cstdint>
#include <functional>

#include "platform/gfx/picture.h"
#include "platform/window/control.h"

namespace kv {

enum TGradientStyle : uint8_t {
    gsCustom,
    gsRadialC,
    gsRadialT,
    gsRadialB,
    gsRadialL,
    gsRadialR,
    gsRadialTL,
    gsRadialTR,
    gsRadialBL,
    gsRadialBR,
    gsLinearH,
    gsLinearV,
    gsReflectedH,
    gsReflectedV,
    gsDiagonalLF,
    gsDiagonalLB,
    gsDiagonalRF,
    gsDiagonalRB,
    gsArrowL,
    gsArrowR,
    gsArrowU,
    gsArrowD,
    gsDiamond,
    gsButterfly,
    gsRadialRect
};

// 256 colours 0x00RRGGBB from the start colour (entry 0) to the end colour (entry 255).
using TGradientColors = std::array<uint32_t, 256>;

// The ramp for two colours: Shift (-100..100) moves one end colour toward the other, Rotation
// (-100..100) moves the ramp's end into its inside so it climbs and falls back.
TGradientColors BuildGradientRamp(TColor start, TColor end, int shift, int rotation);
// The pattern picture of a style (not gsCustom) laid out from the ramp.
Picture BuildGradientPattern(TGradientStyle style, const TGradientColors& colors);

class TGradient : public Control {
  public:
    TGradient();

    TColor ColorBegin() const { return color_begin_; }
    void SetColorBegin(TColor c);
    TColor ColorEnd() const { return color_end_; }
    void SetColorEnd(TColor c);
    TGradientStyle Style() const { return style_; }
    void SetStyle(TGradientStyle s);
    bool Reverse() const { return reverse_; }
    void SetReverse(bool on);
    // Clamped to -100..100.
    int Shift() const { return shift_; }
    void SetShift(int v);
    int Rotation() const { return rotation_; }
    void SetRotation(int v);
    // Follows the system's caption colours.
    bool UseSysColors() const { return use_sys_colors_; }
    void SetUseSysColors(bool on);
    TColor BorderColor() const { return border_color_; }
    void SetBorderColor(TColor c) { Change(border_color_, c); }
    int BorderWidth() const { return border_width_; }
    void SetBorderWidth(int w) { Change(border_width_, w); }

    // Rebuilds held back inside an update are done once at its end.
    void BeginUpdate() { ++update_count_; }
    void EndUpdate();
    // Rebuilds the ramp and the pattern and repaints.
    virtual void UpdatePattern();
    virtual void UseSystemColors();

    const TGradientColors& Colors() const { return colors_; }
    const Picture& Pattern() const { return pattern_; }

    // gsCustom: fills the pattern picture from the ramp (any size). Without a handler the
    // pattern is the two colours in four quarters.
    std::function<void(const TGradientColors& colors, Picture& pattern)> on_custom;

    void Paint(Canvas& canvas) override;

  private:
    TColor color_begin_ = clWhite;
    TColor color_end_ = clBtnFace;
    TGradientStyle style_ = gsRadialC;
    bool reverse_ = false;
    int shift_ = 0;
    int rotation_ = 0;
    bool use_sys_colors_ = false;
    TColor border_color_ = clActiveBorder;
    int border_width_ = 0;
    int update_count_ = 0;
    bool pending_ = false;
    bool building_ = false;
    TGradientColors colors_{};
    Picture pattern_;
};

}  // namespace kv
