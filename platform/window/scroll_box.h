#pragma once
// A scrollable area holding child controls: its children are laid out in a virtual area as tall
// as they need, and the box shows a window onto it with a vertical scroll bar when needed.

#include "platform/window/control.h"

namespace kv {

class ScrollBox : public Control {
public:
    ScrollBox();
    bool border = true;
    int line_step = 20;  // pixels per wheel line

    Rect ClientArea() const override;
    Point ScrollOffset() const override { return {0, scroll_y_}; }
    int ContentHeight() const;  // the bottom of the lowest visible child
    int ScrollPos() const { return scroll_y_; }
    void SetScrollPos(int y);
    // Scrolls so that a control inside the box (a child or deeper) is in view.
    void ScrollInView(Control& control);
    void Paint(Canvas& canvas) override;

protected:
    void DescendantFocused(Control& control) override { ScrollInView(control); }
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;

private:
    int Edge() const { return border ? 2 : 0; }
    bool NeedsBar() const;
    int scroll_y_ = 0;
};

}  // namespace kv
