#pragma once
// What the mark-up check box and radio button share: a box in one of six looks beside a mark-up
// caption, anchors in the caption, and the press, release and key handling that turns them into
// one activation (toggling the check box, checking the radio button).

#include <functional>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/window/control.h"
#include "platform/window/label.h"
#include "ui/markup/markup_picture.h"
#include "ui/markup/markup_renderer.h"

namespace kv {

class MarkupPictureSource;

enum TButtonType { btClassic, btBorland, btFlat, btOrvik, btWinXP, btTheme };

class TCustomMarkupButton : public Control {
  public:
    TCustomMarkupButton();

    TButtonType ButtonType() const { return button_type_; }
    void SetButtonType(TButtonType t) { Change(button_type_, t); }
    TextLayout ButtonVertAlign() const { return button_vert_align_; }
    void SetButtonVertAlign(TextLayout v) { Change(button_vert_align_, v); }
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment a) { Change(alignment_, a); }
    TColor CheckColor() const { return check_color_; }
    void SetCheckColor(TColor c) { Change(check_color_, c); }
    bool Down() const { return down_; }
    void SetDown(bool down) { down_ = down; }
    void SetTransparent(bool on) {
        transparent = on;
        Invalidate();
    }
    void SetEllipsis(bool on) { Change(ellipsis_, on); }
    void SetShadowColor(TColor c) { Change(shadow_color_, c); }
    void SetShadowOffset(int n) { Change(shadow_offset_, n); }
    void SetURLColor(TColor c) { Change(url_color_, c); }
    void SetDisabledColor(TColor c) { Change(disabled_color_, c); }
    void SetDisabledShadow(bool on) { Change(disabled_shadow_, on); }
    void SetImages(const MarkupImageList* images) { Change(images_, images); }
    void SetPictureContainer(const MarkupPictureSource* c) { Change(container_, c); }
    std::string Version() const;
    void SetVersion(std::string_view) {}

    bool return_is_tab = false;

    std::function<void(const std::string& anchor)> on_anchor_click;
    std::function<void(const std::string& anchor)> on_anchor_enter;
    std::function<void(const std::string& anchor)> on_anchor_exit;

    // The caption's anchor target under a client point, or empty.
    std::string AnchorAt(int x, int y);
    // The look drawn: the themed looks fall back when visual styles are not in force.
    TButtonType Look() const;
    // Where the caption is drawn, beside the box.
    Rect CaptionArea() const { return CaptionRect(Look()); }

    void Paint(Canvas& canvas) override;
    bool Accelerator(char32_t ch) override;
    bool WantsKey(int key) const override { return key == VK_RETURN && return_is_tab; }

  protected:
    // The box for the look, and how far the caption keeps from its side.
    virtual void PaintBox(Canvas& canvas, TButtonType look) = 0;
    virtual int CaptionOffset(TButtonType look) const = 0;
    // A release inside, the space bar or the accelerator: toggle, or become checked.
    virtual void Activate() = 0;
    // The radio button takes the focus before a press is handled, and so always tests anchors.
    virtual bool FocusesBeforePress() const { return false; }
    void FireClick() { Control::Click(); }

    // Where the box goes: x at the left (or right_x at the right), y by the vertical alignment.
    int BoxX(int left_x, int right_x) const;
    int BoxY(int top, int center, int bottom) const;
    bool Hot() const { return hot_; }
    // The bitmap looks: the family's picture for the state ("HTMBCHK" or "HTMBRAD"), at the top,
    // centre or bottom (less bottom_margin) as aligned.
    void DrawBoxPicture(Canvas& canvas, std::string_view family, TButtonType look, bool checked,
                        int top, int bottom_margin);

    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyUp(int& key, ShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    // The framework's own click is off: these controls fire on_click themselves.
    void Click() override {}
    void EnabledChanged() override { Invalidate(); }

  private:
    MarkupOptions CaptionOptions(const Rect& bounds);
    Rect CaptionRect(TButtonType look) const;
    void PaintCaption(Canvas& canvas, const Rect& r);
    void SetPressed(bool down);
    void FollowAnchor(const std::string& anchor);

    TButtonType button_type_ = btClassic;
    TextLayout button_vert_align_ = tlTop;
    Alignment alignment_ = taLeftJustify;
    TColor check_color_ = clBlack;
    bool down_ = false;
    bool ellipsis_ = false;
    TColor shadow_color_ = clGray;
    int shadow_offset_ = 1;
    TColor url_color_ = clBlue;
    TColor disabled_color_ = clGray;
    bool disabled_shadow_ = true;
    const MarkupImageList* images_ = nullptr;
    const MarkupPictureSource* container_ = nullptr;
    TMarkupPictureCache cache_;

    bool hot_ = false;
    bool pressed_here_ = false;
    // Set when the focus arrives and cleared by the next input: a press that brought the focus
    // with it toggles rather than following an anchor.
    bool entered_by_press_ = false;
    int saved_cursor_ = crDefault;
    std::string last_anchor_;
};

}  // namespace kv
