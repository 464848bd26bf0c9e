#pragma once
// A vertical scroll bar that a pop-up draws on its own canvas and hit-tests itself: pop-ups are
// top-level windows without the window layer's bars. Two arrow buttons move by one, a press in
// the track by LargeChange, and both repeat while held (after 300 ms, every 50 ms); the thumb,
// whose length in pixels is PageSize, can be dragged. Positions run from 0 to Max.

#include <functional>

#include "platform/gfx/geometry.h"
#include "platform/window/control.h"
#include "platform/window/timer.h"
#include "ui/grid/grid_types.h"

namespace kv {

class Canvas;

enum TScrollPartFlag { spHot, spPressed };
using TScrollPartFlags = EnumSet<TScrollPartFlag>;

class TGrVertScrollBar {
  public:
    // `owner` is the control the bar is drawn on; its client coordinates are the bar's.
    explicit TGrVertScrollBar(Control& owner);
    TGrVertScrollBar(const TGrVertScrollBar&) = delete;
    TGrVertScrollBar& operator=(const TGrVertScrollBar&) = delete;

    static constexpr int kRepeatDelayMs = 300;
    static constexpr int kRepeatMs = 50;
    // Which part a press holds: the auto-repeat applies it again.
    enum Part { pdNone, pdUpArrow, pdDownArrow, pdTrackAbove, pdTrackBelow };

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    int Max() const { return max_; }
    // Negative values become 0; a position past the new end follows it.
    void SetMax(int value);
    // The thumb's length in pixels, at least 1.
    int PageSize() const { return page_size_; }
    void SetPageSize(int value);
    int Position() const { return position_; }
    // Held within 0..Max; OnScroll reports a real move.
    void SetPosition(int value);
    int LargeChange = 10;
    std::function<void(int old_position, int new_position)> OnScroll;

    int GetButtonSize() const;
    Rect GetBoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    // 0 the upper arrow, 1 the lower one.
    Rect GetArrowRect(int which) const;
    int GetTrackLength() const { return height_ - 2 * GetButtonSize(); }
    // Empty while Max is 0: there is nothing to scroll.
    Rect GetThumbRect() const;
    Rect GetUpperTrackRect() const;
    Rect GetLowerTrackRect() const;
    TScrollPartFlags UpArrowFlags() const { return up_; }
    TScrollPartFlags DownArrowFlags() const { return down_; }
    TScrollPartFlags ThumbFlags() const { return thumb_; }
    Part PressedPart() const { return pressed_part_; }
    bool IsDragging() const { return thumb_.Has(spPressed); }

    void PageDown() { SetPosition(position_ + LargeChange); }
    void PageUp() { SetPosition(position_ - LargeChange); }
    // The position whose share of the track is y pixels from the track's top.
    void DragTo(int y);

    // The owner's mouse, in its client coordinates. A press may hit several parts in turn: a
    // page move that brings the thumb under the pointer also starts dragging it.
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp();
    void ClearHot();
    void Paint(Canvas& canvas) const;

  private:
    void Repeat();
    void Press(Part part);
    void InvalidateRect(const Rect& r) const;
    static void SetHot(TScrollPartFlags& flags, bool hot);

    Control* owner_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    int max_ = 0;
    int page_size_ = 8;
    int position_ = 0;
    TScrollPartFlags up_, down_, thumb_;
    Part pressed_part_ = pdNone;
    Timer delay_timer_;
    Timer repeat_timer_;
};

}  // namespace kv
