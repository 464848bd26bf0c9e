#pragma once
// A scrollable area holding child controls: its children are laid out in a virtual area as large
// as they need, and the box shows a window onto it, with a vertical scroll bar when the children
// reach below it and a horizontal one when they reach past its right edge.

#include "platform/window/control.h"
#include "platform/window/scroll_bar.h"

namespace kv {

class ScrollBox : public Control {
public:
    ScrollBox();
    bool border = true;
    int line_step = 20;  // pixels per wheel line and per arrow click

    Rect ClientArea() const override;
    Point ScrollOffset() const override { return {scroll_x_, scroll_y_}; }
    int ContentHeight() const;  // the bottom of the lowest visible child
    int ContentWidth() const;   // the right edge of the rightmost visible child
    int ScrollPos() const { return scroll_y_; }
    void SetScrollPos(int y);
    int HorzScrollPos() const { return scroll_x_; }
    void SetHorzScrollPos(int x);
    bool VertBarShown() const { return Bars().vertical; }
    bool HorzBarShown() const { return Bars().horizontal; }
    // Scrolls so that a control inside the box (a child or deeper) is in view.
    void ScrollInView(Control& control);
    void Paint(Canvas& canvas) override;

protected:
    void DescendantFocused(Control& control) override { ScrollInView(control); }
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;

private:
  struct Needed {
      bool vertical = false, horizontal = false;
  };
    int Edge() const { return border ? 2 : 0; }
    Rect Inside() const { return Rect{0, 0, Width(), Height()}.inflate(-Edge(), -Edge()); }
    Needed Bars() const;
    void SyncScrollBars();
    // A client point of a mouse handler in the box's own rectangle, where the bars lie.
    Point OwnPoint(int x, int y) const;
    int scroll_x_ = 0;
    int scroll_y_ = 0;
    ScrollBar vbar_{*this, sbVertical};
    ScrollBar hbar_{*this, sbHorizontal};
};

}  // namespace kv
