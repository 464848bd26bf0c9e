// Only what changed is painted and shown: invalidations merge into few dirty rectangles, each
// control paints inside its own rectangle, and the back end is handed just those rectangles.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

// Lights up under the mouse and counts its paints.
class HotSpot : public Control {
public:
    int paints = 0;
    bool hot = false;

protected:
    void MouseEnter() override {
        hot = true;
        Invalidate();
    }
    void MouseLeave() override {
        hot = false;
        Invalidate();
    }
    void Paint(Canvas& canvas) override {
        ++paints;
        canvas.brush = Brush{hot ? clYellow : clNavy};
        // Wider than the control: the clip keeps it inside.
        canvas.FillRect({-50, -50, Width() + 50, Height() + 50});
    }
};

Rect OnScreen(const Control& c) {
    const Point p = c.ClientToScreen({0, 0});
    return RectOfSize(p.x, p.y, c.Width(), c.Height());
}

struct Grid {
    Form* form;
    std::vector<HotSpot*> spots;  // 5 columns by 4 rows, 10 pixels apart
};

Grid MakeGrid(TestDriver& d) {
    Grid g;
    g.form = &d.screen().Create<Form>("grid");
    g.form->SetBounds(20, 20, 400, 300);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col) {
            auto& s = g.form->Add<HotSpot>("spot" + std::to_string(row * 5 + col));
            s.SetBounds(10 + col * 70, 10 + row * 50, 60, 40);
            g.spots.push_back(&s);
        }
    g.form->Show();
    d.Pump();
    return g;
}

std::vector<int> PaintsAndReset(const Grid& g) {
    std::vector<int> out;
    for (HotSpot* s : g.spots) {
        out.push_back(s->paints);
        s->paints = 0;
    }
    return out;
}

TEST(DirtyPainting, AHoverChangeRepaintsAndShowsOnlyTheControlsItChanged) {
    TestDriver d;
    Grid g = MakeGrid(d);
    PaintsAndReset(g);

    d.MoveTo(*g.spots[7]);
    d.Pump();
    std::vector<int> expected(20, 0);
    expected[7] = 1;
    EXPECT_EQ(PaintsAndReset(g), expected);
    EXPECT_EQ(d.backend().presented(), std::vector<Rect>{OnScreen(*g.spots[7])});
    const Rect r7 = OnScreen(*g.spots[7]);
    EXPECT_EQ(d.screen().PixelAt(r7.left + 5, r7.top + 5), clYellow);
    // The fill reaching past the control stayed inside it.
    EXPECT_NE(d.screen().PixelAt(r7.left - 3, r7.top + 5), clYellow);

    // From one corner of the grid to the other: two small rectangles, not their bounding box.
    d.MoveTo(*g.spots[19]);
    d.Pump();
    expected[7] = expected[19] = 1;
    EXPECT_EQ(PaintsAndReset(g), expected);
    const std::vector<Rect> both{OnScreen(*g.spots[7]), OnScreen(*g.spots[19])};
    EXPECT_EQ(d.backend().presented(), both);
    EXPECT_EQ(d.screen().PixelAt(r7.left + 5, r7.top + 5), clNavy);
}

TEST(DirtyPainting, InvalidationsMergeOnlyWhenTheBoundingBoxCostsNothingMore) {
    struct Case {
        const char* what;
        std::vector<Rect> invalidated;
        std::vector<Rect> painted;
    };
    const Case cases[] = {
        {"inside another", {{10, 10, 100, 100}, {20, 20, 30, 30}}, {{10, 10, 100, 100}}},
        {"side by side", {{10, 10, 50, 40}, {50, 10, 90, 40}}, {{10, 10, 90, 40}}},
        {"far apart", {{10, 10, 20, 20}, {500, 400, 510, 410}},
         {{10, 10, 20, 20}, {500, 400, 510, 410}}},
        {"a merge that then covers a third",
         {{0, 0, 10, 10}, {20, 0, 30, 10}, {0, 0, 30, 10}},
         {{0, 0, 30, 10}}},
        {"cut to the screen", {{-50, -50, 10, 10}, {1000, 700, 1100, 800}},
         {{0, 0, 10, 10}, {1000, 700, 1024, 768}}},
    };
    TestDriver d;
    d.Pump();
    for (const Case& c : cases) {
        for (const Rect& r : c.invalidated) d.screen().Invalidate(r);
        d.screen().Paint();
        EXPECT_EQ(d.backend().presented(), c.painted) << c.what;
    }
}

TEST(DirtyPainting, ManyScatteredChangesStayFewRectanglesThatCoverThemAll) {
    TestDriver d;
    d.Pump();
    std::vector<Rect> changed;
    for (int i = 0; i < 60; ++i)
        changed.push_back(RectOfSize((i * 97) % 1000, (i * 53) % 740, 8, 8));
    for (const Rect& r : changed) d.screen().Invalidate(r);
    d.screen().Paint();
    const std::vector<Rect>& shown = d.backend().presented();
    EXPECT_LE(shown.size(), 16u);
    for (const Rect& r : changed) {
        bool covered = false;
        for (const Rect& s : shown) covered |= s.intersect(r) == r;
        EXPECT_TRUE(covered) << r.left << "," << r.top;
    }
    int64_t area = 0;
    for (const Rect& s : shown) area += s.area();
    EXPECT_LT(area, 1024 * 768 / 2);  // not the whole screen
}

TEST(DirtyPainting, APartOfAControlIsInvalidatedInItsOwnCoordinates) {
    TestDriver d;
    Grid g = MakeGrid(d);
    g.spots[0]->InvalidateRect({5, 6, 15, 16});
    g.spots[1]->InvalidateRect({50, 30, 200, 200});  // cut to the control
    d.screen().Paint();
    const Rect a = OnScreen(*g.spots[0]), b = OnScreen(*g.spots[1]);
    const std::vector<Rect> expected{{a.left + 5, a.top + 6, a.left + 15, a.top + 16},
                                     {b.left + 50, b.top + 30, b.right, b.bottom}};
    EXPECT_EQ(d.backend().presented(), expected);
}

// With painting off the windows still take input (the hover reaches the control) but nothing
// is painted or shown; a PNG of the screen still shows it as it stands, and painting on again
// brings the whole screen up to date.
TEST(DirtyPainting, WithPaintingOffEventsRunAndNothingIsPaintedUntilItIsOnAgain) {
    TestDriver d;
    Grid g = MakeGrid(d);
    d.screen().SetPainting(false);
    const int presents = d.backend().presents();
    HotSpot& spot = *g.spots[7];
    d.MoveTo(spot);
    d.Pump();
    EXPECT_TRUE(spot.hot);
    EXPECT_EQ(spot.paints, 1);
    EXPECT_EQ(d.backend().presents(), presents);
    EXPECT_FALSE(d.screen().NeedsPaint());

    const Point centre = spot.ClientToScreen({30, 20});
    EXPECT_EQ(d.screen().PixelAt(centre.x, centre.y), ColorToRGB(clNavy));
    ASSERT_FALSE(d.SavePng("painting_off.png").empty());
    EXPECT_EQ(d.screen().PixelAt(centre.x, centre.y), ColorToRGB(clYellow));
    EXPECT_FALSE(d.screen().Painting());

    d.screen().SetPainting(true);
    d.Pump();
    EXPECT_EQ(d.backend().presented(), std::vector<Rect>{Rect(0, 0, d.screen().Width(),
                                                              d.screen().Height())});
}

}  // namespace
}  // namespace kv
