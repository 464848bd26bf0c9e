#pragma once
// The scrolling machinery of the grid and its pop-ups.
//
// TGrCustomScrollBar holds one scroll range (Min, Max, PageSize, Position and the line and page
// steps). Max is the last unit, so the largest useful position is Max - PageSize + 1. Whenever
// the position is set, the bar asks its owner how many pixels the move is worth (the owner's
// HorzScrollDelta or VertScrollDelta) and has the owner scroll its content by that much.
// TGrScrollBar also mirrors itself onto one of the owner's on-screen bars (the shared classic
// ScrollBar), whose moves come back as scroll messages.
//
// TGrCustomScrollControl knows the two areas of its client that move when the view scrolls;
// TGrScrollControl owns the two bars, turns scroll messages into positions, gates the mouse
// wheel (consumed, and handed to WheelScroll, while MouseWheelEnabled) and scrolls with the
// middle button held ("roll" scrolling: the farther the pointer from where the button went
// down, the faster the rows pass).

#include <functional>
#include <memory>

#include "platform/gfx/geometry.h"
#include "platform/window/control.h"
#include "platform/window/scroll_bar.h"
#include "platform/window/timer.h"
#include "ui/grid/flyout.h"

namespace kv {

class Canvas;
class TGrCustomScrollControl;

// The codes of a scroll message.
enum TScrollCode {
    SB_LINEUP,
    SB_LINEDOWN,
    SB_PAGEUP,
    SB_PAGEDOWN,
    SB_THUMBPOSITION,
    SB_THUMBTRACK,
    SB_TOP,
    SB_BOTTOM,
    SB_ENDSCROLL
};

class TGrCustomScrollBar {
  public:
    TGrCustomScrollBar(TGrCustomScrollControl& owner, Canvas* canvas = nullptr)
        : owner_(&owner), canvas_(canvas) {}
    virtual ~TGrCustomScrollBar() = default;
    TGrCustomScrollBar(const TGrCustomScrollBar&) = delete;
    TGrCustomScrollBar& operator=(const TGrCustomScrollBar&) = delete;

    TGrCustomScrollControl& Owner() const { return *owner_; }
    Canvas* GetCanvas() const { return canvas_; }

    int Kind() const { return kind_; }  // 0 horizontal, 1 vertical
    void SetKind(int kind);
    int WindowBarId() const { return window_bar_id_; }
    bool HideWhenUnneeded() const { return hide_when_unneeded_; }
    void SetHideWhenUnneeded(bool value);
    bool Enabled = true;
    int LargeChange = 1;
    int SmallChange = 1;
    int Min = 0;
    int Max() const { return max_; }
    // Negative values become 0; a position past the new end follows it.
    void SetMax(int value);
    int PageSize() const { return page_size_; }
    // At least 1.
    void SetPageSize(int value);
    int Position() const { return position_; }
    int PreviousPosition() const { return previous_position_; }
    // Held within Min..Max and never negative; scrolls the owner unless locked (also when the
    // position stays, by 0).
    void SetPosition(int value);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value) { visible_ = value; }
    // Shows the model on screen; the base has nothing to show.
    virtual void Refresh() {}

    void LockScrolling() { ++lock_count_; }
    void UnlockScrolling() { --lock_count_; }
    int LockCount() const { return lock_count_; }

    void MoveToStart() { SetPosition(0); }
    void MoveToEnd() { SetPosition(max_ - page_size_ + 1); }
    void MoveBy(int delta) { SetPosition(position_ + delta); }
    // These send the owner a scroll message, so keys, the wheel and the mouse share one path.
    void LineDown();
    void LineUp();
    virtual void PageDown();
    virtual void PageUp();

    bool IsAtEnd() const { return position_ + page_size_ > max_; }
    bool IsAtStart() const { return position_ == 0; }
    bool IsNeeded() const { return max_ > page_size_ || !hide_when_unneeded_; }
    // Where the user is dragging the on-screen bar's thumb; the position itself for a bar with
    // nothing on screen.
    virtual int GetTrackPosition() const { return position_; }

  private:
    void SendScroll(TScrollCode code);

    TGrCustomScrollControl* owner_;
    Canvas* canvas_;
    bool hide_when_unneeded_ = true;
    int window_bar_id_ = -1;
    int kind_ = 0;
    int max_ = 0;
    int previous_position_ = 0;
    int page_size_ = 0;
    int position_ = 0;
    int lock_count_ = 0;
    bool visible_ = false;
};

// Mirrored onto one of the owner's on-screen bars.
class TGrScrollBar : public TGrCustomScrollBar {
  public:
    using TGrCustomScrollBar::TGrCustomScrollBar;
    void SetVisible(bool value) override;
    void Refresh() override;
    int GetTrackPosition() const override;

  private:
    ScrollBar* WindowBar() const;
    bool applying_ = false;
};

class TGrCustomScrollControl : public Control {
  public:
    explicit TGrCustomScrollControl(std::string name = {}) : Control(std::move(name)) {}

    // The areas that move when the view scrolls sideways and up or down, in client
    // co-ordinates; the descendant keeps them current.
    Rect HorzScrollRect;
    Rect VertScrollRect;

    // Pixels a move of the position is worth; the base does not move.
    virtual int HorzScrollDelta(int /*old_position*/, int /*new_position*/) { return 0; }
    virtual int VertScrollDelta(int /*old_position*/, int /*new_position*/) { return 0; }
    virtual void AfterScroll(int /*kind*/) {}
    virtual void BeforeScroll(int /*kind*/) {}
    // Moves what shows in the scroll area. The window layer repaints instead of moving pixels,
    // so the area is invalidated.
    virtual void ScrollContent(TGrCustomScrollBar& bar, int dx, int dy);

    // A scroll message from a bar's line and page operations; the base ignores it.
    virtual void ScrollMessage(int /*kind*/, TScrollCode /*code*/) {}
    // The on-screen bar of a kind, if the control has one.
    virtual ScrollBar* WindowScrollBar(int /*kind*/) { return nullptr; }

    // The next or previous control in the tab order takes the focus.
    void FocusNext();
    void FocusPrevious();
};

class TGrScrollControl : public TGrCustomScrollControl {
  public:
    explicit TGrScrollControl(std::string name = {});
    ~TGrScrollControl() override;

    TGrScrollBar& HorzScrollBar() { return horz_; }
    TGrScrollBar& VertScrollBar() { return vert_; }
    const TGrScrollBar& HorzScrollBar() const { return horz_; }
    const TGrScrollBar& VertScrollBar() const { return vert_; }
    bool MouseWheelEnabled = true;
    // Fired after each scroll message with the bar's new position.
    std::function<void(int position)> on_horizontal_scroll;
    std::function<void(int position)> on_vertical_scroll;

    void ScrollMessage(int kind, TScrollCode code) override;
    ScrollBar* WindowScrollBar(int kind) override {
        return kind == 1 ? &vert_window_ : &horz_window_;
    }
    int GetTrackPosition(const TGrScrollBar& bar) const { return bar.GetTrackPosition(); }

    void DoHorizontalScroll();
    void DoVerticalScroll();

    // The client area lies inside the frame and leaves room for the on-screen bars that show.
    Rect ClientArea() const override;
    // Pixels of frame around the client area on every side; the control paints it.
    virtual int FrameWidth() const { return 0; }
    // Places the on-screen bars along the right and bottom edges, each where its model has
    // something to scroll, and paints them.
    void LayoutWindowBars();
    void PaintWindowBars(Canvas& canvas) const;

    // Roll scrolling.
    bool Rolling() const { return rolling_; }
    Point RollOrigin() const { return roll_origin_; }
    Timer& RollTimer() { return roll_timer_; }
    // Made when rolling first starts; null before.
    TRollShadow* RollIndicator() const { return roll_indicator_.get(); }
    enum RollCursor { crRoll = 4003, crRollUp = 4004, crRollDown = 4005 };

  protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;
    // Two quick presses on a bar's arrow are two scroll steps, not a double click on the rows.
    void DblClick() override;
    void EnabledChanged() override;
    // The wheel while MouseWheelEnabled: the descendant scrolls (the grid by a line a notch).
    virtual void WheelScroll(ShiftState /*shift*/, int /*delta*/) {}

  private:
    void RollTick();

    ScrollBar horz_window_{*this, sbHorizontal};
    ScrollBar vert_window_{*this, sbVertical};
    TGrScrollBar horz_{*this};
    TGrScrollBar vert_{*this};
    bool rolling_ = false;
    bool press_on_bar_ = false;
    bool roll_up_ = false, roll_down_ = false;
    Point roll_origin_;
    Point roll_pointer_;
    Timer roll_timer_;
    std::unique_ptr<TRollShadow> roll_indicator_;
};

}  // namespace kv
