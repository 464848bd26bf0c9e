#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_test_helpers.h"

namespace kv {
namespace {

std::vector<int> Flagged(TReportGrid& grid) {
    std::vector<int> out;
    for (int r = 0; r < grid.GetRowCount(); ++r)
        if (grid.GetSelected(r)) out.push_back(r);
    return out;
}

struct SelectionFixture : GridFixture {
    int selects = 0, deselects = 0;
    SelectionFixture() {
        AddNames({"0", "1", "2", "3", "4", "5", "6", "7"});
        grid.on_select_cell = [this](int, int) { ++selects; };
        grid.on_deselect_cell = [this](int, int) { ++deselects; };
    }
};

TEST(GridSelection, SameCellTwiceSelectsTwiceDeselectsOnce) {
    SelectionFixture f;
    f.grid.SelectCell(0, 3);
    f.grid.SelectCell(0, 3);
    f.grid.SelectCell(0, 4);
    EXPECT_EQ(f.selects, 3);
    EXPECT_EQ(f.deselects, 1);
    EXPECT_EQ(f.grid.GetSelectedCount(), 0);  // cell mode flags no rows
}

TEST(GridSelection, RefusedAndInvalidSelectionsChangeNothing) {
    SelectionFixture f;
    f.grid.SelectCell(0, 2);
    f.grid.on_before_select = [](int, int row, bool& accept) { accept = row != 5; };
    f.grid.SelectCell(0, 5);
    f.grid.SelectCell(9, 1);
    f.grid.Columns().GetItem(1).Enabled = false;
    f.grid.SelectCell(1, 1);
    f.grid.SetSelectedRow(8);
    f.grid.SelectColumn(-1);
    EXPECT_EQ(f.grid.GetSelectedCell(), (Point{0, 2}));
    EXPECT_EQ(f.selects, 1);
    f.grid.SetSelectedRow(-1);
    EXPECT_EQ(f.grid.SelectedRow(), -1);
    EXPECT_EQ(f.deselects, 1);
}

TEST(GridSelection, FullRowAndMultipleSelection) {
    SelectionFixture f;
    f.grid.SetOptions(f.grid.Options().With(goSelectFullRow));
    f.grid.SelectCell(0, 2);
    f.grid.SelectCell(0, 5);
    EXPECT_EQ(Flagged(f.grid), std::vector<int>{5});
    EXPECT_EQ(f.grid.GetSelectedCount(), 1);

    f.grid.SetOptions(f.grid.Options().With(goMultiSelect));
    f.grid.SelectCell(0, 1, ssCtrl);
    f.grid.SelectCell(0, 4, ssCtrl);
    f.grid.SelectCell(0, 6, ssShift);
    EXPECT_EQ(Flagged(f.grid), (std::vector<int>{4, 5, 6}));
    f.grid.SelectCell(0, 1, ssCtrl);
    f.grid.SelectCell(0, 4, ssCtrl);  // toggled off; the anchor is 4
    f.grid.SelectCell(0, 6, ssCtrl | ssShift);
    EXPECT_EQ(Flagged(f.grid), (std::vector<int>{1, 4, 5, 6}));
    f.grid.SelectCell(0, 0);  // a plain click ends the multiple selection
    EXPECT_EQ(Flagged(f.grid), std::vector<int>{0});
}

TEST(GridSelection, Navigation) {
    SelectionFixture f;
    f.grid.SelectCell(0, 6);
    f.grid.MoveDown();
    EXPECT_EQ(f.grid.SelectedRow(), 7);
    f.grid.MoveDown();  // the last row, no wrapping: stays
    EXPECT_EQ(f.grid.SelectedRow(), 7);
    f.grid.MoveDown(0, false, true);
    EXPECT_EQ(f.grid.SelectedRow(), 0);
    f.grid.SetRowVisible(1, false);
    f.grid.MoveDown();
    EXPECT_EQ(f.grid.SelectedRow(), 2);  // hidden rows are passed over
    f.grid.MoveUp();
    EXPECT_EQ(f.grid.SelectedRow(), 0);
    f.grid.MoveSelectionBy(3);
    EXPECT_EQ(f.grid.SelectedRow(), 4);
    f.grid.MoveSelectionBy(-10);
    EXPECT_EQ(f.grid.SelectedRow(), 0);
    f.grid.MoveRight();
    EXPECT_EQ(f.grid.SelectedColumn(), 1);
    f.grid.on_selection_move = [](int& col, int, TMoveSelectionKey) { col = 0; };
    f.grid.MoveRight(mkArrows);
    EXPECT_EQ(f.grid.SelectedColumn(), 0);
    f.grid.on_selection_move = nullptr;
    f.grid.SelectLastColumn();
    EXPECT_EQ(f.grid.SelectedColumn(), 3);
    f.grid.TabNext(false);  // past the last column: the next row's first column
    EXPECT_EQ(f.grid.GetSelectedCell(), (Point{0, 2}));
    f.grid.TabPrevious(false);
    EXPECT_EQ(f.grid.GetSelectedCell(), (Point{3, 0}));
}

TEST(GridSelection, ScrollToRowShowsTheRowWhole) {
    SelectionFixture f;
    for (int i = 0; i < 12; ++i) f.grid.AddRow();
    // Header 18, so the body of 18 + 5 * 16 holds five rows.
    SetClientBounds(f.grid, 400, 18 + 5 * 16);
    EXPECT_EQ(f.grid.RowsPerPage(false), 5);
    EXPECT_EQ(f.grid.LastFullRow(), 4);
    f.grid.ScrollToRow(6);  // two rows below the page
    EXPECT_EQ(f.grid.TopRow(), 2);
    EXPECT_EQ(f.grid.VertScrollBar().Position(), 2);
    EXPECT_EQ(f.grid.LastFullRow(), 6);
    f.grid.ScrollToRow(0);
    EXPECT_EQ(f.grid.TopRow(), 0);
    f.grid.AutoScroll = true;
    f.grid.SelectCell(0, 19);
    EXPECT_EQ(f.grid.LastFullRow(), 19);
    // Ten shown rows, six fitting: Max 10, page 7.
    f.grid.ClearRows();
    f.grid.AddRow(10);
    SetClientBounds(f.grid, 400, 18 + 6 * 16);
    EXPECT_EQ(f.grid.VertScrollBar().Max(), 10);
    EXPECT_EQ(f.grid.VertScrollBar().PageSize(), 7);
    EXPECT_EQ(f.grid.VertScrollBar().LargeChange, 7);
}

TEST(GridSelection, ClearMultiSelection) {
    SelectionFixture f;
    f.grid.SetOptions(f.grid.Options().With(goSelectFullRow).With(goMultiSelect));
    f.grid.SelectCell(2, 1, ssCtrl);
    f.grid.SelectCell(2, 3, ssCtrl);
    f.grid.ClearMultiSelection();
    EXPECT_EQ(f.grid.GetSelectedCount(), 0);
    EXPECT_EQ(f.grid.GetSelectedCell(), (Point{0, -1}));
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(GridSelection, RowHeightsCountInThePage) {
    SelectionFixture f;
    SetClientBounds(f.grid, 400, 18 + 5 * 16);
    std::vector<std::pair<int, int>> changed;
    f.grid.on_change_row_height = [&](int row, int h) { changed.emplace_back(row, h); };
    f.grid.SetRowHeight(1, 32);
    f.grid.SetRowHeight(1, 32);  // unchanged: no event
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{1, 32}}));
    EXPECT_EQ(f.grid.RowsPerPage(false), 4);
    f.grid.on_measuring_row_height = [](int row, int& h) {
        if (row == 0) h = 48;
    };
    EXPECT_EQ(f.grid.RowsPerPage(false), 2);
    f.grid.ScrollToRow(3);  // the tall first row goes: rows 1..4 fill the body
    EXPECT_EQ(f.grid.TopRow(), 1);
    EXPECT_EQ(f.grid.LastFullRow(), 4);
}

}  // namespace
}  // namespace kv
