// Moving a column by dragging its header on a headless screen: the floating header follows the
// mouse, the red arrows mark the drop place, and the drop moves (or hides) the column.
#include <gtest/gtest.h>

#include "platform/window/form.h"
#include "platform/window/edit.h"
#include "platform/window/test_driver.h"
#include "ui/grid/column_drag.h"
#include "ui/grid/grid_locale.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

struct DragGrid : ::testing::Test {
    ScopedGridLocale locale{NeutralGridLocale()};
    TestDriver d;
    Form& form = d.screen().Create<Form>("fcolunas");
    TReportGrid& grid = form.Add<TReportGrid>("gelenco");
    static constexpr int kHeader = 18;

    DragGrid() {
        form.SetBounds(30, 30, 420, 220);
        form.SetCaption("Colunas");
        grid.SetBounds(10, 20, 390, 150);
        grid.SetOptions({goHeader, goGrid});
        grid.HeaderSize = kHeader;
        for (const char* name : {"Nome", "Gols", "Clube", "Idade"}) {
            auto& column = grid.Columns().Add(name, ckString);
            column.Header().SetCaption(name);
            column.SetWidth(80);
        }
        for (int i = 0; i < 4; ++i)
            grid.SetCellText(0, grid.AddRow(), "Jogador " + std::to_string(i));
        form.Show();
        d.Pump();
    }
    Point At(int x, int y) { return grid.ClientToScreen({x, y}); }
    // Presses on a header and moves far enough to start dragging it.
    void StartDrag(int col) {
        const int x = col * 80 + 40;
        d.MouseMove(At(x, 9));
        d.MouseDown(At(x, 9));
        d.MouseMove(At(x + 5, 9));
        ASSERT_TRUE(grid.ColumnDragging());
    }
    std::vector<std::string> Order() {
        std::vector<std::string> out;
        for (int p = 0; p < grid.Columns().Count(); ++p)
            out.push_back(grid.Columns().GetPositionItem(p).Name());
        return out;
    }
};

TEST_F(DragGrid, AHeaderDraggedOntoAnotherMovesItsColumnWhereTheArrowsPoint) {
    int moves = 0;
    grid.on_column_move = [&](TGrCustomColumn& column, int old_position) {
        ++moves;
        EXPECT_EQ(column.Name(), "Nome");
        EXPECT_EQ(old_position, 0);
        // The box hides before the drop is handled.
        EXPECT_FALSE(grid.DragBox().Visible());
    };
    StartDrag(0);
    EXPECT_TRUE(grid.DragBox().Visible());
    EXPECT_EQ(grid.DragBox().Width(), 80);
    EXPECT_EQ(grid.DragBox().Height(), kHeader);

    d.MouseMove(At(2 * 80 + 60, 9));  // the right half of "Clube"
    TDragArrow& top = *grid.TopDropArrow();
    TDragArrow& bottom = *grid.BottomDropArrow();
    ASSERT_TRUE(top.Visible());
    ASSERT_TRUE(bottom.Visible());
    // At the right edge of "Clube": above the header pointing down, below it pointing up.
    const Point edge = At(3 * 80, 0);
    EXPECT_EQ(top.BoundsRect(), RectOfSize(edge.x - 4, edge.y - 12, 9, 9));
    EXPECT_EQ(bottom.BoundsRect(), RectOfSize(edge.x - 4, edge.y + kHeader - 1, 9, 9));
    EXPECT_EQ(top.Direction(), TDragArrow::kDown);
    EXPECT_EQ(bottom.Direction(), TDragArrow::kUp);
    EXPECT_FALSE(d.SavePng("grid_coluna_arrastada.png").empty());

    // A right-button release does not end the drag.
    d.MouseDown(At(2 * 80 + 60, 9), mbRight);
    d.MouseUp(At(2 * 80 + 60, 9), mbRight);
    EXPECT_TRUE(grid.ColumnDragging());
    EXPECT_EQ(moves, 0);

    d.MouseUp(At(2 * 80 + 60, 9));
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(Order(), (std::vector<std::string>{"Gols", "Clube", "Nome", "Idade"}));
    EXPECT_FALSE(grid.ColumnDragging());
    EXPECT_FALSE(top.Visible());
    EXPECT_FALSE(bottom.Visible());
    EXPECT_EQ(grid.SortedColumn(), nullptr);  // a drag is no click on the header
}

TEST_F(DragGrid, TheDropPlaceFollowsTheHalfOfTheColumnUnderTheMouse) {
    const TGrCustomColumn& clube = grid.Columns().GetItem(2);  // position 2
    struct Case {
        int x;
        int position;
    } cases[] = {
        {10, 0},   // left half of the first column: before it
        {60, 1},   // right half: after it
        {130, 2},  // right half of the column just before it: where it is
        {170, 2},  // over itself
        {250, 2},  // left half of the next column: stays
        {300, 3},  // right half of the next column: after it
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid.DropPositionForColumn(clube, c.x), c.position) << c.x;
}

TEST_F(DragGrid, FixedColumnsTakeNoScrolledColumnAndLockedOnesNone) {
    grid.SetFixedCols(1);
    const TGrCustomColumn& clube = grid.Columns().GetItem(2);
    // Onto the fixed column's right half: that would make it a fixed one; it stays.
    EXPECT_EQ(grid.DropPositionForColumn(clube, 60), 2);
    EXPECT_EQ(grid.DropPositionForColumn(clube, 90), 1);  // the first scrolled place

    grid.SetOptions(grid.Options().With(goLockFixedCols));
    StartDrag(2);
    d.MouseMove(At(10, 9));  // before the fixed column: not while they are locked
    EXPECT_FALSE(grid.TopDropArrow()->Visible());
    EXPECT_EQ(d.screen().ScreenCursor(), crNoDrop);
    d.MouseMove(At(90, 9));
    EXPECT_TRUE(grid.TopDropArrow()->Visible());
    d.MouseMove(At(10, 9));
    d.MouseUp(At(10, 9));
    EXPECT_EQ(Order(), (std::vector<std::string>{"Nome", "Gols", "Clube", "Idade"}));
}

TEST_F(DragGrid, TheBoxFollowsTheCursorCentredWithItsBottomJustBelowIt) {
    StartDrag(1);
    d.MouseMove({500, 300});
    const Rect box = grid.DragBox().BoundsRect();
    EXPECT_EQ(box.left, 460);
    EXPECT_EQ(box.bottom, 304);
    // Far below the header: no drop place, no arrows, and the no-drop cursor.
    EXPECT_FALSE(grid.TopDropArrow()->Visible());
    EXPECT_EQ(d.screen().ScreenCursor(), crNoDrop);
    d.MouseUp({500, 300});
    EXPECT_EQ(Order(), (std::vector<std::string>{"Nome", "Gols", "Clube", "Idade"}));
    EXPECT_TRUE(grid.Columns().GetItem(1).Visible());
    EXPECT_EQ(d.screen().ScreenCursor(), crDefault);
}

TEST_F(DragGrid, DroppedOutsideTheHeaderWithCanHideColumnTheColumnHides) {
    grid.SetOptions(grid.Options().With(goCanHideColumn));
    StartDrag(3);
    d.MouseMove({600, 500});
    d.MouseUp({600, 500});
    EXPECT_FALSE(grid.Columns().GetItem(3).Visible());
}

TEST_F(DragGrid, AShortMoveIsAClickAndSomeColumnsDoNotMove) {
    d.MouseMove(At(120, 9));
    d.MouseDown(At(120, 9));
    d.MouseMove(At(123, 9));  // 3 pixels: still a click
    d.MouseUp(At(123, 9));
    EXPECT_FALSE(grid.ColumnDragging());
    EXPECT_EQ(grid.SortedColumn(), &grid.Columns().GetItem(1));

    struct Case {
        const char* what;
        int col;
        bool disable_grid;
    } cases[] = {{"column with coDisableMoving", 2, false},
                 {"grid with goDisableColumnMoving", 0, true}};
    grid.Columns().GetItem(2).SetOptions(grid.Columns().GetItem(2).Options().With(coDisableMoving));
    for (const Case& c : cases) {
        grid.SetOptions(c.disable_grid ? grid.Options().With(goDisableColumnMoving)
                                       : grid.Options());
        d.Advance(1000);
        const int x = c.col * 80 + 40;
        d.MouseMove(At(x, 9));
        d.MouseDown(At(x, 9));
        d.MouseMove(At(x + 60, 9));
        EXPECT_FALSE(grid.ColumnDragging()) << c.what;
        d.MouseUp(At(x + 60, 9));
    }
    EXPECT_EQ(Order(), (std::vector<std::string>{"Nome", "Gols", "Clube", "Idade"}));
}

TEST_F(DragGrid, LosingTheApplicationEndsTheDragWithoutAMove) {
    StartDrag(0);
    d.MouseMove(At(300, 9));
    ASSERT_TRUE(grid.TopDropArrow()->Visible());
    d.DeactivateApplication();
    EXPECT_FALSE(grid.DragBox().Visible());
    EXPECT_FALSE(grid.TopDropArrow()->Visible());
    EXPECT_FALSE(grid.ColumnDragging());
    d.MouseUp(At(300, 9));
    EXPECT_EQ(Order(), (std::vector<std::string>{"Nome", "Gols", "Clube", "Idade"}));
}

TEST_F(DragGrid, TheGridLosingTheFocusEndsTheDragWithoutAMove) {
    Edit& other = form.Add<Edit>("outro");
    other.SetBounds(10, 180, 50, 20);
    grid.SetFocus();
    StartDrag(0);
    d.MouseMove(At(300, 9));
    ASSERT_TRUE(grid.ColumnDragging());
    other.SetFocus();
    EXPECT_FALSE(grid.DragBox().Visible());
    EXPECT_FALSE(grid.TopDropArrow()->Visible());
    EXPECT_FALSE(grid.ColumnDragging());
    EXPECT_NE(d.screen().Capture(), &grid.DragBox());
    d.MouseUp(At(300, 9));
    EXPECT_EQ(Order(), (std::vector<std::string>{"Nome", "Gols", "Clube", "Idade"}));
}

TEST_F(DragGrid, TheArrowsAreRedArrowShapesAndTheBoxShowsNoSortMark) {
    grid.Columns().GetItem(0).SetSorted(true);
    StartDrag(0);
    d.MouseMove(At(300, 9));
    d.Pump();
    TDragArrow& top = *grid.TopDropArrow();
    EXPECT_EQ(top.Width(), 9);
    // Pointing down: the tip at the bottom centre, the top corners left transparent.
    EXPECT_TRUE(top.InShape({4, 7}));
    EXPECT_FALSE(top.InShape({0, 0}));
    EXPECT_FALSE(top.InShape({8, 0}));
    const Point tip = top.ClientToScreen({4, 7});
    EXPECT_EQ(d.screen().PixelAt(tip.x, tip.y), ColorToRGB(clRed));
    const Point corner = top.ClientToScreen({0, 0});
    EXPECT_NE(d.screen().PixelAt(corner.x, corner.y), ColorToRGB(clRed));

    // The grid draws a sort mark 10 pixels in from the right of a sorted header; the box not.
    TColumnDragBox& box = grid.DragBox();
    const Point mark = box.ClientToScreen({box.Width() - 10, kHeader / 2});
    EXPECT_EQ(d.screen().PixelAt(mark.x, mark.y), ColorToRGB(clBtnFace));
    d.MouseUp(At(300, 9));
}

}  // namespace
}  // namespace kv
