#include "ui/grid/editors/small_buttons.h"

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "ui/grid/draw_helpers.h"

namespace kv {

TGrSmallButton::TGrSmallButton() {
    SetColor(clBtnFace);
}

void TGrSmallButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    // A hidden edit cannot hold the focus; the press still counts.
    if (Edit && Edit->Showing() && Edit->CanFocus()) Edit->SetFocus();
    SetDown(true);
    if (OnPress) OnPress();
}

void TGrSmallButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseUp(button, shift, x, y);
    if (!down_) return;
    SetDown(false);
    if (OnRelease) OnRelease();
}

void TGrSmallButton::MouseEnter() {
    Control::MouseEnter();
    SetHot(true);
}

void TGrSmallButton::MouseLeave() {
    Control::MouseLeave();
    SetHot(false);
}

TGrExecuteButton::TGrExecuteButton() {
    SetBounds(0, 0, 21, 20);
}

void TGrExecuteButton::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    if (Down()) {
        canvas.brush = Brush{clBtnFace};
        canvas.pen = Pen{clBtnShadow};
        canvas.Rectangle(r);
    } else {
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(r);
        Rect edge = r;
        DrawButtonEdge(canvas, edge, false);
    }
    Font f = font();
    if (!OwnerEnabled()) f.color = clGrayText;
    canvas.font = f;
    TGraphicsProvider::DrawTextAligned(canvas, r, taCenter, Caption(), false);
}

TDropDownButton::TDropDownButton() {
    SetBounds(0, 0, 16, 20);
}

void TDropDownButton::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    canvas.brush = Brush{clWindow};
    canvas.FillRect(r);
    canvas.brush = Brush{clBtnFace};
    canvas.FillRect(r);
    Rect inner = r;
    DrawButtonEdge(canvas, inner, Down());
    if (Down()) inner = {inner.left + 1, inner.top + 1, inner.right + 1, inner.bottom + 1};
    DrawArrow(canvas, inner, Arrow::Down, OwnerEnabled() ? clBtnText : clGrayText);
}

TGrSpinButtons::TGrSpinButtons() {
    SetBounds(0, 0, kScrollBarWidth, 20);
    delay_timer_.SetEnabled(false);
    delay_timer_.SetInterval(kRepeatDelayMs);
    // The delay timer keeps running once it has started the repeat; starting it again is
    // harmless.
    delay_timer_.on_timer = [this] { repeat_timer_.SetEnabled(true); };
    repeat_timer_.SetEnabled(false);
    repeat_timer_.SetInterval(kRepeatMs);
    repeat_timer_.on_timer = [this] { Spin(); };
}

TSpinButtonSet TGrSpinButtons::HalfAt(int y) const {
    return y < Height() / 2 ? TSpinButtonSet{sbUp} : TSpinButtonSet{sbDown};
}

void TGrSpinButtons::Spin() {
    if (OnSpin && !pressed_.Empty()) OnSpin(pressed_);
}

void TGrSpinButtons::SetHot(TSpinButtonSet halves) {
    Change(hot_, halves);
}

void TGrSpinButtons::SetPressed(TSpinButtonSet halves) {
    pressed_ = halves;
    if (!halves.Empty()) {
        delay_timer_.SetEnabled(true);
        Spin();
    } else {
        delay_timer_.SetEnabled(false);
        repeat_timer_.SetEnabled(false);
    }
    Invalidate();
}

void TGrSpinButtons::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    SetPressed(HalfAt(y));
}

void TGrSpinButtons::MouseMove(ShiftState shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    SetHot(HalfAt(y));
}

void TGrSpinButtons::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseUp(button, shift, x, y);
    SetPressed({});
}

void TGrSpinButtons::MouseLeave() {
    SetHot({});
}

void TGrSpinButtons::Paint(Canvas& canvas) {
    const bool enabled = Edit ? Edit->EnabledInTree() : EnabledInTree();
    const int half = Height() / 2;
    const Rect halves[2] = {{0, 0, Width(), half}, {0, half, Width(), Height()}};
    for (int i = 0; i < 2; ++i) {
        const bool down = pressed_.Has(i == 0 ? sbUp : sbDown);
        Rect r = halves[i];
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(r);
        DrawButtonEdge(canvas, r, down);
        if (down) r = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        DrawArrow(canvas, r, i == 0 ? Arrow::Up : Arrow::Down, enabled ? clBtnText : clGrayText);
    }
}

}  // namespace kv
