#include "ui/grid/scroll_control.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv {
namespace {

// Records what the bars ask of their owner.
class Probe : public TGrScrollControl {
  public:
    std::vector<int> deltas;
    int wheel = 0;
    int VertScrollDelta(int old_position, int new_position) override {
        deltas.push_back(new_position - old_position);
        return (old_position - new_position) * 16;
    }
    void Wheel(int delta, bool& handled) { MouseWheel(0, delta, 0, 0, handled); }
    void Press(MouseButton b, int x, int y) { MouseDown(b, 0, x, y); }
    void Move(int x, int y) { MouseMove(0, x, y); }
    void Release(MouseButton b) { MouseUp(b, 0, 0, 0); }

  protected:
    void WheelScroll(ShiftState, int delta) override { wheel += delta; }
};

TEST(ScrollBarModel, MaxPageAndPositionClamps) {
    Probe p;
    TGrScrollBar& bar = p.VertScrollBar();
    bar.SetMax(100);
    bar.SetPageSize(10);
    bar.SetPosition(110);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetMax(-5);  // stored as 0; the position follows it down and the owner scrolls
    EXPECT_EQ(bar.Max(), 0);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_FALSE(bar.Visible());
    EXPECT_EQ(p.deltas.back(), -100);
    bar.SetPageSize(0);
    EXPECT_EQ(bar.PageSize(), 1);
    struct Case {
        int min, max, value, expected;
    } cases[] = {{5, 3, 4, 5}, {5, 3, 6, 3}, {-3, 10, -1, 0}, {0, 10, 7, 7}};
    for (const Case& c : cases) {
        bar.Min = c.min;
        bar.SetMax(c.max);
        bar.SetPosition(c.value);
        EXPECT_EQ(bar.Position(), c.expected) << c.min << " " << c.max << " " << c.value;
    }
}

TEST(ScrollBarModel, NeededAndHidden) {
    Probe p;
    TGrScrollBar& bar = p.HorzScrollBar();
    bar.SetMax(10);
    bar.SetPageSize(10);
    EXPECT_FALSE(bar.IsNeeded());
    bar.SetMax(0);
    bar.SetHideWhenUnneeded(true);
    EXPECT_FALSE(bar.Visible());
    bar.SetMax(1);
    bar.SetHideWhenUnneeded(true);
    EXPECT_TRUE(bar.Visible());
}

TEST(ScrollBarModel, SameMaxChangesNothingAndLockStopsScrolling) {
    Probe p;
    TGrScrollBar& bar = p.VertScrollBar();
    bar.SetMax(50);
    bar.SetPageSize(5);
    const size_t before = p.deltas.size();
    bar.SetMax(50);
    EXPECT_EQ(p.deltas.size(), before);
    bar.LockScrolling();
    bar.SetPosition(20);
    EXPECT_EQ(p.deltas.size(), before);
    EXPECT_EQ(p.WindowScrollBar(1)->Position(), 20);  // the bar on screen still follows
    bar.UnlockScrolling();
    bar.SetPosition(20);  // runs with a move of 0
    EXPECT_EQ(p.deltas.back(), 0);
}

TEST(ScrollBarModel, ScrollMessages) {
    Probe p;
    std::vector<int> events;
    p.on_vertical_scroll = [&](int position) { events.push_back(position); };
    TGrScrollBar& bar = p.VertScrollBar();
    bar.SetMax(100);
    bar.SetPageSize(10);
    p.ScrollMessage(1, SB_BOTTOM);
    EXPECT_EQ(bar.Position(), 91);
    p.ScrollMessage(1, SB_TOP);
    p.ScrollMessage(1, SB_LINEUP);  // at 0: stays, still reported
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(events.back(), 0);
    const size_t n = events.size();
    bar.LineUp();  // at 0: sends nothing
    EXPECT_EQ(events.size(), n);
    bar.PageUp();  // sends one, which changes nothing but is reported
    EXPECT_EQ(events.size(), n + 1);
    bar.LineDown();
    EXPECT_EQ(bar.Position(), 1);
    // The on-screen bar's moves come back as a thumb position.
    ScrollBar& screen_bar = *p.WindowScrollBar(1);
    screen_bar.SetParams(101, 10, 40);
    p.ScrollMessage(1, SB_THUMBTRACK);
    EXPECT_EQ(bar.Position(), 40);
}

TEST(ScrollControl, WheelGate) {
    Probe p;
    int fired = 0;
    p.on_mouse_wheel = [&](ShiftState, int, int, int, bool&) { ++fired; };
    bool handled = false;
    p.Wheel(-120, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(p.wheel, -120);
    EXPECT_EQ(fired, 0);
    p.MouseWheelEnabled = false;
    handled = false;
    p.Wheel(-120, handled);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(p.wheel, -120);
}

TEST(ScrollControl, RollScrolling) {
    Probe p;
    TGrScrollBar& bar = p.VertScrollBar();
    bar.SetMax(100);
    bar.SetPageSize(10);
    p.Press(mbMiddle, 50, 60);
    ASSERT_TRUE(p.Rolling());
    EXPECT_TRUE(p.RollIndicator()->Visible());
    EXPECT_EQ(p.RollIndicator()->BoundsRect(), (Rect{43, 49, 75, 81}));
    p.Move(50, 63);  // within 5 pixels: neutral
    EXPECT_EQ(p.cursor, TGrScrollControl::crRoll);
    p.RollTimer().on_timer();
    EXPECT_EQ(bar.Position(), 0);
    p.Move(50, 110);  // 50 below: a line down every 50 ms
    EXPECT_EQ(p.cursor, TGrScrollControl::crRollDown);
    p.RollTimer().on_timer();
    EXPECT_EQ(p.RollTimer().Interval(), 50);
    EXPECT_EQ(bar.Position(), 1);
    p.Release(mbLeft);
    EXPECT_FALSE(p.Rolling());
    EXPECT_FALSE(p.RollIndicator()->Visible());
    EXPECT_FALSE(p.RollTimer().Enabled());
}

}  // namespace
}  // namespace kv
