#pragma once
// A push button that draws itself completely: a face colour with an optional vertical gradient,
// a one-pixel border, light and dark bevel lines, an optional glyph beside the caption and a
// focus frame. Each of its four looks (normal, hot, down, disabled) has six colours, and
// ColorScheme fills all of them at once from twelve built-in schemes. It is the default or
// cancel button of its form like a dialog button and hands its ModalResult to the form.

#include <array>
#include <cstdint>

#include "platform/gfx/picture.h"
#include "platform/window/control.h"
#include "ui/controls/glow_button_draw.h"

namespace kv {

enum TColorScheme : uint8_t {
    csNeoDesert,
    csNeoSky,
    csNeoGrass,
    csNeoSilver,
    csNeoRose,
    csNeoSun,
    csDesert,
    csGrass,
    csSky,
    csSun,
    csRose,
    csSilver,
    csCustom
};

// The 25 colours in their stored order: six per look (face, grad, dark, light, border, text)
// for normal, hot, down and disabled, then the focus frame.
enum TSchemeColor : int {
    scFace,
    scGrad,
    scDark,
    scLight,
    scBorder,
    scText,
    scOverFace = 6,
    scDownFace = 12,
    scDisabledFace = 18,
    scFocusRect = 24,
    scColorCount = 25
};
using TSchemeColors = std::array<TColor, scColorCount>;

class TSchemeButton : public Control {
  public:
    TSchemeButton();

    // Any single colour turns the scheme into csCustom.
    TColor SchemeColor(int index) const { return colors_.at(index); }
    void SetSchemeColor(int index, TColor color);
    const TSchemeColors& Colors() const { return colors_; }
    TColorScheme ColorScheme() const { return scheme_; }
    // A named scheme assigns its colours and its Gradient; csCustom assigns nothing.
    void SetColorScheme(TColorScheme scheme);

    bool Ctl3D() const { return ctl3d_; }
    void SetCtl3D(bool v);
    // Left, right, top or bottom of the caption; the adjusted layouts count as their sides.
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    const kv::Picture& Glyph() const { return glyph_; }
    void SetGlyph(const kv::Picture& glyph);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    bool TransparentGlyph() const { return transparent_glyph_; }
    void SetTransparentGlyph(bool v);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool v);
    bool HotTrack() const { return hot_track_; }
    void SetHotTrack(bool v) { hot_track_ = v; }
    int ModalResult() const { return modal_result_; }
    void SetModalResult(int v) { modal_result_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }

    enum Look { lkNormal, lkHot, lkDown };
    Look CurrentLook() const { return look_; }

    bool DefaultFor(int key) const override;
    bool Accelerator(char32_t ch) override;
    void Paint(Canvas& canvas) override;

  protected:
    void Click() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyUp(int& key, ShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override { Invalidate(); }

  private:
    void SetLook(Look look);

    TSchemeColors colors_{};
    TColorScheme scheme_ = csNeoDesert;
    bool ctl3d_ = true;
    TButtonLayout layout_ = blGlyphLeft;
    kv::Picture glyph_;
    int spacing_ = 4;
    bool transparent_glyph_ = true;
    bool gradient_ = false;
    bool hot_track_ = true;
    int modal_result_ = 0;
    bool cancel_ = false;
    bool default_ = false;
    bool pressed_ = false;
    bool pointer_inside_ = false;
    bool hot_after_click_ = false;
    bool focused_ = false;
    Look look_ = lkNormal;
};

// The colours of a named scheme; the classic schemes leave the grad colours as they are
// (`keep` in their place).
TSchemeColors SchemeColors(TColorScheme scheme, const TSchemeColors& keep);

}  // namespace kv
