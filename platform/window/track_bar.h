#pragma once
// A horizontal track bar: a thumb slid along a channel between Min and Max, with a tick below
// the channel at every `frequency` steps. The user drags the thumb, pages towards the mouse by
// pressing the channel beside it (repeating while held), or uses the keys: the arrows step by
// line_size, Page Up and Page Down by page_size, Home and End go to the ends. on_change follows
// every move the user makes; positions set by code fire nothing.

#include <functional>

#include "platform/window/auto_repeat.h"
#include "platform/window/control.h"

namespace kv {

class TrackBar : public Control {
public:
    TrackBar();

    int Min() const { return min_; }
    int Max() const { return max_; }
    // Max below min is taken as min; the position is kept inside.
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, max_); }
    void SetMax(int max) { SetRange(min_, max); }
    int Position() const { return position_; }
    void SetPosition(int position);
    int frequency = 1;  // steps between ticks; 0 or less: no ticks
    int line_size = 1;
    int page_size = 2;

    std::function<void()> on_change;

    // Where things lie in the control: the thumb, and the channel it slides along.
    Rect ThumbRect() const;
    Rect ChannelRect() const;
    // The x of the thumb's centre for a position, and the position nearest an x.
    int XOfPosition(int position) const;
    int PositionAtX(int x) const;

    bool WantsKey(int key) const override { return key >= VK_LEFT && key <= VK_DOWN; }
    void Paint(Canvas& canvas) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void KeyDown(int& key, ShiftState shift) override;

private:
    void ChangeByUser(int position);
    void PageTowards(Point p);
    int ThumbTop() const;
    int ThumbHeight() const;
    void PaintTicks(Canvas& canvas);

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    bool dragging_ = false;
    int grab_ = 0;    // the mouse's x less the thumb's centre when the drag began
    Point mouse_;     // the held mouse, while the channel pages
    int paging_ = 0;  // which way: -1 towards Min, 1 towards Max
    AutoRepeat repeat_{*this};
};

}  // namespace kv
