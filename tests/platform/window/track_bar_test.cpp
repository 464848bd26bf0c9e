// The track bar: a thumb between Min and Max, moved by drag, page presses and keys.
#include <gtest/gtest.h>

#include <climits>

#include "platform/window/track_bar.h"
#include "tests/platform/window/window_fixture.h"

namespace kv {
namespace {

struct TrackFixture : FormFixture {
    TrackBar& bar = form.Add<TrackBar>("TrackBar1");
    int changes = 0;
    TrackFixture() {
        bar.SetBounds(10, 10, 200, 45);
        bar.SetRange(16, 42);
        bar.on_change = [this] { ++changes; };
        form.Show();
    }
    Point ThumbCentre() {
        const Rect t = bar.ThumbRect();
        return {(t.left + t.right) / 2, t.top + 4};
    }
};

TEST(TrackBars, PositionsAndPixelsMapBothWays) {
    TrackBar bar;
    bar.SetBounds(0, 0, 200, 45);
    const struct {
        int min, max;
    } ranges[] = {{16, 42}, {0, 10}, {-5, 5}, {0, 100}, {INT_MIN, INT_MAX}, {7, 7}};
    for (const auto& r : ranges) {
        bar.SetRange(r.min, r.max);
        const int left = bar.XOfPosition(r.min), right = bar.XOfPosition(r.max);
        EXPECT_GE(left, bar.ChannelRect().left) << r.min << ".." << r.max;
        EXPECT_LT(right, bar.ChannelRect().right) << r.min << ".." << r.max;
        EXPECT_EQ(bar.PositionAtX(left - 50), r.min);
        EXPECT_EQ(bar.PositionAtX(right + 50), r.max);
        const int64_t span = int64_t(r.max) - r.min;
        if (span == 0 || span > right - left) continue;
        // Where every position fits a pixel of its own, each maps back to itself.
        for (int p = r.min; p <= r.max; ++p) {
            EXPECT_EQ(bar.PositionAtX(bar.XOfPosition(p)), p) << r.min << ".." << r.max;
            if (p > r.min) {
                EXPECT_GT(bar.XOfPosition(p), bar.XOfPosition(p - 1));
            }
        }
    }
    bar.SetRange(0, 10);
    bar.SetPosition(50);
    EXPECT_EQ(bar.Position(), 10);
    bar.SetRange(20, 3);  // a maximum below the minimum is the minimum
    EXPECT_EQ(bar.Max(), 20);
    EXPECT_EQ(bar.Position(), 20);
}

TEST(TrackBars, KeysMoveByLinesPagesAndToTheEnds) {
    TrackFixture f;
    f.bar.SetFocus();
    f.bar.SetPosition(16);
    EXPECT_EQ(f.changes, 0) << "positions set by code fire nothing";
    struct Step {
        int key;
        int position, changes;
    } steps[] = {{VK_RIGHT, 17, 1}, {VK_NEXT, 19, 2}, {VK_END, 42, 3},  {VK_DOWN, 42, 3},
                 {VK_PRIOR, 40, 4}, {VK_UP, 39, 5},   {VK_HOME, 16, 6}, {VK_LEFT, 16, 6}};
    for (const auto& s : steps) {
        f.d.Press(s.key);
        EXPECT_EQ(f.bar.Position(), s.position) << "key " << s.key;
        EXPECT_EQ(f.changes, s.changes) << "key " << s.key;
    }
    // Steps near the ends of the whole int range neither overflow nor wrap.
    f.bar.SetRange(INT_MIN, INT_MAX);
    f.bar.page_size = INT_MAX;
    f.bar.SetPosition(INT_MAX - 1);
    f.d.Press(VK_NEXT);
    EXPECT_EQ(f.bar.Position(), INT_MAX);
    f.bar.SetPosition(INT_MIN + 1);
    f.d.Press(VK_PRIOR);
    EXPECT_EQ(f.bar.Position(), INT_MIN);
}

TEST(TrackBars, TheThumbIsDraggedAndTheChannelPagesTowardsTheMouse) {
    TrackFixture f;
    const Point grab = f.ThumbCentre();
    f.Move(f.bar, grab);
    f.Press(f.bar, grab);
    f.Move(f.bar, {500, grab.y});
    EXPECT_EQ(f.bar.Position(), 42);
    f.Move(f.bar, {f.bar.XOfPosition(30), 100});  // off the bar, the drag goes on
    EXPECT_EQ(f.bar.Position(), 30);
    f.Release(f.bar, {f.bar.XOfPosition(30), 100});
    const int drag_changes = f.changes;
    EXPECT_GE(drag_changes, 2);

    // A press right of the thumb pages at once, then repeats until the thumb reaches the mouse.
    const Point far{f.bar.XOfPosition(39), grab.y};
    f.Move(f.bar, far);
    f.Press(f.bar, far);
    EXPECT_EQ(f.bar.Position(), 32);
    f.d.Advance(2000);
    EXPECT_EQ(f.bar.Position(), 40) << "stopped once the thumb passed the mouse";
    f.Release(f.bar, far);
    const int at = f.bar.Position();
    f.d.Advance(1000);
    EXPECT_EQ(f.bar.Position(), at);
    f.ClickOwn(f.bar, {f.bar.XOfPosition(16), grab.y});
    EXPECT_EQ(f.bar.Position(), at - f.bar.page_size);
}

TEST(TrackBars, TicksAtEveryFrequencyStepAndNeverMoreThanThePixels) {
    TrackFixture f;
    f.bar.SetRange(0, 10);
    const int tick_row = f.bar.ThumbRect().bottom + 3;
    const Rect row{4, tick_row, f.bar.Width() - 4, tick_row + 1};  // inside the focus frame
    const struct {
        int min, max, frequency, ticks;
    } cases[] = {{0, 10, 1, 11},
                 {0, 10, 5, 3},
                 {0, 10, 3, 5},  // 0 3 6 9 and the end
                 {0, 10, 0, 0},
                 {0, 10, -2, 0}};
    for (const auto& c : cases) {
        f.bar.SetRange(c.min, c.max);
        f.bar.frequency = c.frequency;
        f.bar.Invalidate();
        EXPECT_EQ(f.InkPixels(f.bar, row, clBtnFace), c.ticks) << "frequency " << c.frequency;
    }
    f.bar.SetRange(INT_MIN, INT_MAX);
    f.bar.frequency = 1;
    f.bar.Invalidate();
    EXPECT_LE(f.InkPixels(f.bar, row, clBtnFace), f.bar.Width());
    f.bar.SetRange(16, 42);
    f.bar.frequency = 2;
    f.bar.SetPosition(27);
    f.bar.SetFocus();
    EXPECT_FALSE(f.d.SavePng("track_bar.png").empty());
}

}  // namespace
}  // namespace kv
