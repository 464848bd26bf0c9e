#include "platform/window/scroll_box.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"

namespace kv {

ScrollBox::ScrollBox() {
    windowed_ = true;
    SetBounds(0, 0, 185, 41);
    vbar_.on_scroll = [this](int y) { SetScrollPos(y); };
    hbar_.on_scroll = [this](int x) { SetHorzScrollPos(x); };
}

int ScrollBox::ContentHeight() const {
    int bottom = 0;
    for (auto& c : Children())
        if (c->Visible()) bottom = std::max(bottom, c->Top() + c->Height());
    return bottom;
}

int ScrollBox::ContentWidth() const {
    int right = 0;
    for (auto& c : Children())
        if (c->Visible()) right = std::max(right, c->Left() + c->Width());
    return right;
}

ScrollBox::Needed ScrollBox::Bars() const {
    const Rect inside = Inside();
    const int height = ContentHeight(), width = ContentWidth();
    Needed n;
    n.vertical = height > inside.height();
    // Each bar takes room from the other direction and may make that one needed too.
    n.horizontal = width > inside.width() - (n.vertical ? kScrollBarWidth : 0);
    if (n.horizontal && !n.vertical) n.vertical = height > inside.height() - kScrollBarWidth;
    return n;
}

Rect ScrollBox::ClientArea() const {
    Rect r = Inside();
    const Needed bars = Bars();
    if (bars.vertical) r.right -= kScrollBarWidth;
    if (bars.horizontal) r.bottom -= kScrollBarWidth;
    return r;
}

void ScrollBox::SyncScrollBars() {
    const Rect client = ClientArea();
    const Needed bars = Bars();
    vbar_.SetBounds(bars.vertical ? Rect{client.right, client.top, client.right + kScrollBarWidth,
                                         client.bottom}
                                  : Rect{});
    hbar_.SetBounds(bars.horizontal ? Rect{client.left, client.bottom, client.right,
                                           client.bottom + kScrollBarWidth}
                                    : Rect{});
    vbar_.SetParams(ContentHeight(), client.height(), scroll_y_);
    hbar_.SetParams(ContentWidth(), client.width(), scroll_x_);
    vbar_.line_step = hbar_.line_step = line_step;
}

void ScrollBox::SetScrollPos(int y) {
    Change(scroll_y_, std::clamp(y, 0, std::max(0, ContentHeight() - ClientArea().height())));
}

void ScrollBox::SetHorzScrollPos(int x) {
    Change(scroll_x_, std::clamp(x, 0, std::max(0, ContentWidth() - ClientArea().width())));
}

void ScrollBox::ScrollInView(Control& control) {
    // Its edges in the box's scrolled area.
    const Point at = control.ClientToScreen({0, 0});
    const Point origin = ClientToScreen({0, 0});
    const Rect inner = control.ClientArea();
    const int top = at.y - origin.y - inner.top + scroll_y_;
    const int left = at.x - origin.x - inner.left + scroll_x_;
    const Rect page = ClientArea();
    if (top < scroll_y_) SetScrollPos(top);
    else if (top + control.Height() > scroll_y_ + page.height())
        SetScrollPos(top + control.Height() - page.height());
    if (left < scroll_x_)
        SetHorzScrollPos(left);
    else if (left + control.Width() > scroll_x_ + page.width())
        SetHorzScrollPos(left + control.Width() - page.width());
}

Point ScrollBox::OwnPoint(int x, int y) const {
    const Rect client = ClientArea();
    return {x + client.left, y + client.top};
}

void ScrollBox::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    SyncScrollBars();
    if (button == mbLeft && (vbar_.MouseDown(OwnPoint(x, y)) || hbar_.MouseDown(OwnPoint(x, y))))
        return;
    Control::MouseDown(button, shift, x, y);
}

void ScrollBox::MouseMove(ShiftState shift, int x, int y) {
    if (vbar_.MouseMove(OwnPoint(x, y)) || hbar_.MouseMove(OwnPoint(x, y))) return;
    Control::MouseMove(shift, x, y);
}

void ScrollBox::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == mbLeft && (vbar_.MouseUp(OwnPoint(x, y)) || hbar_.MouseUp(OwnPoint(x, y))))
        return;
    Control::MouseUp(button, shift, x, y);
}

void ScrollBox::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    Control::MouseWheel(shift, delta, x, y, handled);
    const Needed bars = Bars();
    if (handled || !(bars.vertical || bars.horizontal)) return;
    const int step = ScrollBar::WheelLines(delta) * line_step;
    // A box that only scrolls sideways turns the wheel sideways.
    if (bars.vertical)
        SetScrollPos(scroll_y_ - step);
    else
        SetHorzScrollPos(scroll_x_ - step);
    handled = true;
}

void ScrollBox::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    if (border) DrawSunkenEdge(canvas, r);
    // A transparent box lets what lies beneath it (a window's background picture) show.
    if (!transparent) {
        canvas.brush = Brush{Color()};
        canvas.FillRect(r);
    }
    SyncScrollBars();
    vbar_.Paint(canvas);
    hbar_.Paint(canvas);
    if (vbar_.Shown() && hbar_.Shown()) {
        // The square where the two bars meet.
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect({vbar_.BoundsRect().left, hbar_.BoundsRect().top, vbar_.BoundsRect().right,
                         hbar_.BoundsRect().bottom});
    }
    Control::Paint(canvas);
}

}  // namespace kv
