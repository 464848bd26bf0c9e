#include "platform/window/button.h"

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "platform/window/form.h"
#include "platform/window/screen.h"

namespace kv {

Button::Button() {
    windowed_ = true;
    tab_stop = true;
    double_clicks_ = false;
    SetBounds(0, 0, 75, 25);
}

bool Button::DefaultFor(int key) const {
    if (key == VK_RETURN) return is_default || Focused();
    if (key == VK_ESCAPE) return cancel;
    return false;
}

bool Button::Accelerator(char32_t ch) {
    if (AcceleratorOf(Caption()) != LowerChar(ch) || ch == 0) return false;
    ControlEvent e{ControlEvent::Click};
    Dispatch(e);
    return true;
}

void Button::Click() {
    if (modal_result != mrNone)
        if (Form* form = ParentForm()) form->SetModalResult(modal_result);
    Control::Click();
}

void Button::KeyUp(int& key, ShiftState shift) {
    Control::KeyUp(key, shift);
    if (key == VK_SPACE) {
        ControlEvent e{ControlEvent::Click};
        Dispatch(e);
    }
}

bool Button::Pressed() const {
    const Screen* screen = Screen::Current();
    if (!screen || screen->Capture() != this || !(screen->MouseButtons() & ssLeft)) return false;
    const Point p = ScreenToClient(screen->MousePos());
    return p.x >= 0 && p.y >= 0 && p.x < Width() && p.y < Height();
}

void Button::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Invalidate();
    Control::MouseDown(button, shift, x, y);
}

void Button::MouseMove(ShiftState shift, int x, int y) {
    if (shift & ssLeft) Invalidate();
    Control::MouseMove(shift, x, y);
}

void Button::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Invalidate();
    Control::MouseUp(button, shift, x, y);
}

void Button::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    if (is_default || Focused()) {
        canvas.brush = Brush{cl3DDkShadow};
        canvas.FrameRect(r);
        r = r.inflate(-1, -1);
    }
    const bool down = Pressed();
    canvas.brush = Brush{clBtnFace};
    canvas.FillRect(r);
    DrawButtonEdge(canvas, r, down);
    Rect text = down ? r.offset(1, 1) : r;
    DrawControlText(canvas, *this, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) canvas.DrawFocusRect(r.inflate(-1, -1));
    Control::Paint(canvas);
}

}  // namespace kv
