#include "platform/window/scroll_box.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"

namespace kv {

ScrollBox::ScrollBox() {
    windowed_ = true;
    SetBounds(0, 0, 185, 41);
}

int ScrollBox::ContentHeight() const {
    int bottom = 0;
    for (auto& c : Children())
        if (c->Visible()) bottom = std::max(bottom, c->Top() + c->Height());
    return bottom;
}

bool ScrollBox::NeedsBar() const { return ContentHeight() > Height() - 2 * Edge(); }

Rect ScrollBox::ClientArea() const {
    Rect r = Rect{0, 0, Width(), Height()}.inflate(-Edge(), -Edge());
    if (NeedsBar()) r.right -= kScrollBarWidth;
    return r;
}

void ScrollBox::SetScrollPos(int y) {
    const int most = std::max(0, ContentHeight() - ClientArea().height());
    y = std::clamp(y, 0, most);
    if (y == scroll_y_) return;
    scroll_y_ = y;
    Invalidate();
}

void ScrollBox::ScrollInView(Control& control) {
    // Its top and bottom in the box's scrolled area.
    const int top = control.ClientToScreen({0, 0}).y - ClientToScreen({0, 0}).y -
                    control.ClientArea().top + scroll_y_;
    const int bottom = top + control.Height();
    const int page = ClientArea().height();
    if (top < scroll_y_) SetScrollPos(top);
    else if (bottom > scroll_y_ + page) SetScrollPos(bottom - page);
}

void ScrollBox::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    const Rect client = ClientArea();
    if (button == mbLeft && NeedsBar() && x >= client.right - client.left)
        SetScrollPos(scroll_y_ + (y < client.height() / 2 ? -client.height() : client.height()));
}

void ScrollBox::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    Control::MouseWheel(shift, delta, x, y, handled);
    if (handled || !NeedsBar()) return;
    SetScrollPos(scroll_y_ - delta / 120 * 3 * line_step);
    handled = true;
}

void ScrollBox::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    if (border) DrawSunkenEdge(canvas, r);
    canvas.brush = Brush{Color()};
    canvas.FillRect(r);
    if (NeedsBar())
        DrawVerticalScrollBar(canvas, {r.right - kScrollBarWidth, r.top, r.right, r.bottom},
                              scroll_y_, ContentHeight(), r.height());
    Control::Paint(canvas);
}

}  // namespace kv
