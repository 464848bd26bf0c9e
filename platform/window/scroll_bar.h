#pragma once
// The classic scroll bar, vertical or horizontal, as a part of the control that scrolls (list
// boxes, memos, scroll boxes, list views). Its arrows step by line_step; a press on the track
// pages towards the mouse; both repeat while the button is held, the track until the thumb
// reaches the mouse. The thumb is as long, against the track, as the page is against the range,
// and is dragged along the track.
//
// The owning control places the bar in its own rectangle, keeps its numbers current, hands it
// the left button's press, moves and release, paints it, and scrolls where on_scroll says.

#include <cstdint>
#include <functional>

#include "platform/gfx/geometry.h"
#include "platform/window/auto_repeat.h"

namespace kv {

class Canvas;
class Control;

enum ScrollBarKind { sbHorizontal, sbVertical };

class ScrollBar {
public:
    ScrollBar(Control& owner, ScrollBarKind kind);

    ScrollBarKind Kind() const { return kind_; }
    // In the owner's own rectangle (its client area may be smaller); empty: not shown.
    Rect BoundsRect() const { return bounds_; }
    void SetBounds(const Rect& r) { bounds_ = r; }
    bool Shown() const { return !bounds_.empty(); }

    // `range` is the length of what scrolls and `page` how much of it shows at once, so the
    // position runs from 0 to range - page. Fires nothing.
    void SetParams(int range, int page, int position);
    int Range() const { return range_; }
    int PageSize() const { return page_; }
    int Position() const { return position_; }
    int MaxPosition() const;
    bool Scrollable() const { return range_ > page_; }
    int line_step = 1;

    // The position the user moved to, within 0..MaxPosition(); the owner scrolls there.
    std::function<void(int position)> on_scroll;

    // The left button, at points of the owner's own rectangle. MouseDown is true when the press
    // fell on the bar; until the release the bar then takes the moves and the release (true).
    bool MouseDown(Point p);
    bool MouseMove(Point p);
    bool MouseUp(Point p);
    bool Tracking() const { return held_; }

    void Paint(Canvas& canvas) const;

    // The lines a turn of the mouse wheel scrolls: three a notch (120 of delta), up positive.
    static constexpr int WheelLines(int delta) { return delta / 120 * 3; }

    enum class Part { None, LineBack, LineForward, PageBack, PageForward, Thumb };
    Part PartAt(Point p) const;
    // An arrow, the thumb, or the piece of track on one side of it; empty when there is none.
    Rect PartRect(Part part) const;

private:
    // Lengths along the bar.
    int Length() const;
    int ArrowLength() const;
    int ThumbLength() const;
    int ThumbStart() const;  // from the bar's start
    int Along(Point p) const;
    Rect Span(int from, int to) const;  // a piece of the bar between two lengths along it
    void Step();
    void Scroll(int64_t to);

    Control& owner_;
    ScrollBarKind kind_;
    Rect bounds_;
    int range_ = 0;
    int page_ = 0;
    int position_ = 0;
    bool held_ = false;  // a press of the bar has not been released yet
    Part pressed_ = Part::None;
    int grab_ = 0;  // where along the thumb it was taken
    Point mouse_;   // the last point of the press, in the owner's rectangle
    AutoRepeat repeat_;
};

}  // namespace kv
