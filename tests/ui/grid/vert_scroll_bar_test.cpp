// The self-drawn scroll bar of the pop-ups: its geometry, the arrows, the track with
// auto-repeat, the thumb dragged, and the hot look.
#include <gtest/gtest.h>

#include "platform/window/form.h"
#include "platform/window/test_driver.h"
#include "ui/grid/editors/vert_scroll_bar.h"

namespace kv {
namespace {

// A bar 132 pixels high at the top 2 of its owner: two 16-pixel arrows and a 100-pixel track,
// a 20-pixel thumb, positions 0 to 40.
struct BarFixture : ::testing::Test {
    TestDriver d;
    Form& owner = d.screen().Create<Form>("dono");
    TGrVertScrollBar bar{owner};
    static constexpr int B = 16;
    BarFixture() {
        owner.SetBorderStyle(bsNone);
        owner.SetBounds(0, 0, 40, 140);
        bar.SetBounds(20, 2, B, 100 + 2 * B);
        bar.SetMax(40);
        bar.SetPageSize(20);
        owner.Show();
    }
};

TEST_F(BarFixture, TheThumbStandsForThePositionAndDraggingItSetsThePosition) {
    EXPECT_EQ(bar.GetTrackLength(), 100);
    bar.SetPosition(10);
    EXPECT_EQ(bar.GetThumbRect(), (Rect{20, 10 * 80 / 40 + B + 2, 36, 10 * 80 / 40 + B + 2 + 20}));

    const Rect thumb = bar.GetThumbRect();
    bar.MouseDown(25, thumb.top + 5);
    EXPECT_TRUE(bar.IsDragging());
    bar.MouseMove(25, B + 2 + 50);
    EXPECT_EQ(bar.Position(), 20);  // 50 pixels of a 100-pixel track over 40 positions
    bar.MouseMove(25, 1000);
    EXPECT_EQ(bar.Position(), 40);
    bar.MouseUp();
    EXPECT_FALSE(bar.IsDragging());

    bar.SetMax(0);  // nothing to scroll: no thumb, nothing to drag
    EXPECT_TRUE(bar.GetThumbRect().empty());
    bar.MouseDown(25, 60);
    EXPECT_FALSE(bar.IsDragging());
}

TEST_F(BarFixture, ArrowsMoveByOneAndTheTrackByLargeChangeRepeatingWhileHeld) {
    int scrolls = 0;
    bar.OnScroll = [&](int, int) { ++scrolls; };
    bar.MouseDown(25, bar.GetArrowRect(1).top + 3);
    EXPECT_EQ(bar.Position(), 1);
    EXPECT_TRUE(bar.DownArrowFlags().Has(spPressed));
    EXPECT_EQ(bar.PressedPart(), TGrVertScrollBar::pdDownArrow);
    d.Advance(TGrVertScrollBar::kRepeatDelayMs + 2 * TGrVertScrollBar::kRepeatMs);
    EXPECT_EQ(bar.Position(), 3);
    bar.MouseUp();
    d.Advance(500);
    EXPECT_EQ(bar.Position(), 3);
    EXPECT_EQ(scrolls, 3);

    bar.SetPosition(0);
    bar.MouseDown(25, bar.GetArrowRect(1).top - 4);  // the track below the thumb
    EXPECT_EQ(bar.Position(), 10);
    d.Advance(TGrVertScrollBar::kRepeatDelayMs + TGrVertScrollBar::kRepeatMs);
    EXPECT_EQ(bar.Position(), 20);
    bar.MouseUp();
    bar.MouseDown(25, bar.GetArrowRect(0).bottom + 1);  // above the thumb
    EXPECT_EQ(bar.Position(), 10);
    bar.MouseUp();
    bar.MouseDown(25, bar.GetArrowRect(0).top + 1);
    bar.MouseUp();
    EXPECT_EQ(bar.Position(), 9);
}

TEST_F(BarFixture, PartsUnderThePointerAreHotUntilItLeaves) {
    bar.MouseMove(25, 5);
    EXPECT_TRUE(bar.UpArrowFlags().Has(spHot));
    bar.MouseMove(25, bar.GetThumbRect().top + 2);
    EXPECT_FALSE(bar.UpArrowFlags().Has(spHot));
    EXPECT_TRUE(bar.ThumbFlags().Has(spHot));
    bar.ClearHot();
    EXPECT_FALSE(bar.ThumbFlags().Has(spHot));
}

}  // namespace
}  // namespace kv
