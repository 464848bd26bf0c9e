// The report list view: columns of texts, one row selected, rows scrolled under the header.
#include <gtest/gtest.h>

#include <climits>

#include "platform/window/list_view.h"
#include "tests/platform/window/window_fixture.h"

namespace kv {
namespace {

struct ListViewFixture : FormFixture {
    ListView& list = form.Add<ListView>("ljog");
    std::string events;
    explicit ListViewFixture(int rows = 30) {
        list.SetBounds(10, 10, 300, 150);
        list.AddColumn("P", 25, taCenter);
        list.AddColumn("Nome", 120);
        list.AddColumn("Força", 60, taRightJustify);
        list.AddColumn("id", 0);
        const char* names[] = {"Ailton", "Bruno", "Caio", "Dida", "Edu"};
        for (int i = 0; i < rows; ++i)
            list.AddItem("M", {names[i % 5] + std::string(" ") + std::to_string(i),
                               std::to_string(50 + i), std::to_string(i)});
        list.on_select_item = [this](int index, bool selected) {
            events += std::to_string(index) + (selected ? "+ " : "- ");
        };
        form.Show();
    }
    // A point in a row, in the name column.
    Point Row(int visible_row) {
        return {2 + 60, 2 + list.HeaderHeight() + visible_row * list.RowHeight() + 3};
    }
};

TEST(ListViews, CellsAreTheCaptionThenTheSubItems) {
    ListViewFixture f(3);
    const struct {
        int row, column;
        const char* text;
    } cells[] = {
        {0, 0, "M"}, {0, 1, "Ailton 0"}, {2, 2, "52"},
        {1, 3, "1"}, {1, 4, ""},  // past its sub-items
        {3, 0, ""},  {-1, 1, ""},        {0, -1, ""},
    };
    for (const auto& c : cells)
        EXPECT_EQ(f.list.CellText(c.row, c.column), c.text) << c.row << "," << c.column;
    f.list.SetCellText(1, 4, "x");  // the next sub-item
    f.list.SetCellText(1, 6, "y");  // past it, and past the columns: refused
    f.list.SetCellText(1, INT_MAX, "z");
    EXPECT_EQ(f.list.Item(1).sub_items.size(), 4u);
    EXPECT_EQ(f.list.CellText(1, 4), "x");
    f.list.SetCellText(2, 0, "G");
    EXPECT_EQ(f.list.Item(2).caption, "G");
    f.list.SetCellText(7, 1, "nobody");  // no such row: nothing happens
    EXPECT_EQ(f.list.Count(), 3);

    // Alignment: the right-aligned column's digits lie in its right half, the names in the left.
    const int row_top = 2 + f.list.HeaderHeight();
    const Rect strength{2 + 145, row_top, 2 + 205, row_top + f.list.RowHeight()};
    const Rect left_half{strength.left, strength.top, strength.left + 30, strength.bottom};
    const Rect right_half{strength.left + 30, strength.top, strength.right, strength.bottom};
    EXPECT_EQ(f.InkPixels(f.list, left_half, clWindow), 0);
    EXPECT_GT(f.InkPixels(f.list, right_half, clWindow), 5);
    // The hidden column draws nothing after the last shown one.
    const Rect past{2 + 206, row_top, 2 + 290, row_top + 3 * f.list.RowHeight()};
    EXPECT_EQ(f.InkPixels(f.list, past, clWindow), 0);
}

TEST(ListViews, ClicksAndKeysSelectOneRowAndTellOfEachChange) {
    ListViewFixture f;
    f.list.SetItemIndex(2);
    EXPECT_EQ(f.events, "") << "a selection by code fires nothing";
    f.ClickOwn(f.list, f.Row(0));
    EXPECT_EQ(f.events, "2- 0+ ");
    f.ClickOwn(f.list, f.Row(0));  // no change, no event
    f.ClickOwn(f.list, {60, 5});   // the header selects nothing
    EXPECT_EQ(f.list.ItemIndex(), 0);
    f.events.clear();

    const int page = f.list.VisibleRows();
    struct Step {
        int key;
        int index;
    } steps[] = {{VK_DOWN, 1},          {VK_NEXT, 1 + page}, {VK_END, 29}, {VK_DOWN, 29},
                 {VK_PRIOR, 29 - page}, {VK_HOME, 0},        {VK_UP, 0}};
    for (const auto& s : steps) {
        f.d.Press(s.key);
        EXPECT_EQ(f.list.ItemIndex(), s.index) << "key " << s.key;
        EXPECT_GE(s.index, f.list.TopIndex()) << "the selection is scrolled into view";
        EXPECT_LT(s.index, f.list.TopIndex() + page);
    }
    EXPECT_EQ(f.events, "0- 1+ 1- " + std::to_string(1 + page) + "+ " + std::to_string(1 + page) +
                            "- 29+ 29- " + std::to_string(29 - page) + "+ " +
                            std::to_string(29 - page) + "- 0+ ");
    f.d.Type("d");  // the next caption starting with the letter: none, the captions are all "M"
    EXPECT_EQ(f.list.ItemIndex(), 0);
    f.d.Type("m");
    EXPECT_EQ(f.list.ItemIndex(), 1);
}

TEST(ListViews, APressBelowTheRowsKeepsTheSelection) {
    ListViewFixture f(3);
    f.ClickOwn(f.list, f.Row(1));
    f.ClickOwn(f.list, f.Row(5));
    EXPECT_EQ(f.list.ItemIndex(), 1);
    EXPECT_EQ(f.events, "1+ ");
    f.list.DeleteItem(0);
    EXPECT_EQ(f.list.ItemIndex(), 0) << "the selected row moved up";
    f.list.DeleteItem(0);
    EXPECT_EQ(f.list.ItemIndex(), -1);
}

TEST(ListViews, RowsScrollUnderTheHeader) {
    ListViewFixture f;
    const int most = f.list.Count() - f.list.VisibleRows();
    f.d.MoveTo(f.list);
    f.d.Wheel(-120);
    EXPECT_EQ(f.list.TopIndex(), 3);
    f.d.Wheel(-120 * 50);
    EXPECT_EQ(f.list.TopIndex(), most);
    // The bar spans the inside from top to bottom; its up arrow is in the header's corner.
    f.ClickOwn(f.list, {300 - 2 - 8, 2 + 8});
    EXPECT_EQ(f.list.TopIndex(), most - 1);
    f.ClickOwn(f.list, f.Row(0));
    EXPECT_EQ(f.list.ItemIndex(), most - 1) << "rows are hit where they are drawn";
}

TEST(ListViews, ColumnsWiderThanTheViewScrollSideways) {
    ListViewFixture f(3);
    f.list.SetColumnWidth(1, 200);  // 25 + 200 + 60 = 285 pixels of columns in 296
    EXPECT_EQ(f.list.HorzScrollPos(), 0);
    f.list.SetColumnWidth(0, 100);  // 360: a horizontal bar
    const int most = 360 - 296;
    const Point right_arrow{300 - 2 - 8, 150 - 2 - 8};
    f.ClickOwn(f.list, right_arrow);
    EXPECT_EQ(f.list.HorzScrollPos(), 16);
    f.list.SetFocus();
    f.d.Press(VK_RIGHT);
    EXPECT_EQ(f.list.HorzScrollPos(), 32);
    f.d.Press(VK_LEFT);
    f.d.Press(VK_LEFT);
    f.d.Press(VK_LEFT);
    EXPECT_EQ(f.list.HorzScrollPos(), 0);
    f.Move(f.list, {20, right_arrow.y});
    f.Press(f.list, {20, right_arrow.y});  // the thumb
    f.Move(f.list, {400, right_arrow.y});
    f.Release(f.list, {400, right_arrow.y});
    EXPECT_EQ(f.list.HorzScrollPos(), most);
    f.ClickOwn(f.list, f.Row(2));
    EXPECT_EQ(f.list.ItemIndex(), 2) << "rows are still hit under the scrolled columns";
    EXPECT_EQ(f.events, "2+ ");

    // The horizontal bar takes a row's room from a list that fills its height.
    ListViewFixture full(30);
    const int rows = full.list.VisibleRows();
    full.list.SetColumnWidth(1, 400);
    EXPECT_LT(full.list.VisibleRows(), rows);
    full.d.Press(VK_END);
    EXPECT_EQ(full.list.TopIndex(), 30 - full.list.VisibleRows());
    full.list.SetHorzScrollPos(40);
    EXPECT_FALSE(full.d.SavePng("list_view_scrolled.png").empty());
    full.list.SetColumnWidth(1, 100);
    EXPECT_EQ(full.list.HorzScrollPos(), 0) << "the columns fit again";
}

TEST(ListViews, SelectedRowsShowTheFocus) {
    ListViewFixture f(5);
    f.list.row_select = true;
    f.list.SetItemIndex(1);
    const Point strength_cell = {2 + 150, f.Row(1).y};
    f.d.screen().SetFocus(nullptr);
    EXPECT_EQ(f.PixelAt(f.list, strength_cell), ColorToRGB(clBtnFace)) << "unfocused: grey";
    f.list.SetFocus();
    EXPECT_EQ(f.PixelAt(f.list, strength_cell), ColorToRGB(clHighlight));
    f.list.row_select = false;
    f.list.Invalidate();
    EXPECT_EQ(f.PixelAt(f.list, strength_cell), ColorToRGB(clWindow)) << "the caption alone";
    EXPECT_EQ(f.PixelAt(f.list, {2 + 5, f.Row(1).y}), ColorToRGB(clHighlight));
    EXPECT_EQ(f.PixelAt(f.list, {2 + 10, 4}), ColorToRGB(clBtnFace)) << "the header";
    f.list.row_select = true;
    f.list.SetItemIndex(3);
    EXPECT_FALSE(f.d.SavePng("list_view.png").empty());
}

}  // namespace
}  // namespace kv
