// The report grid on a headless screen: painting, mouse, keys, wheel, scroll bars, hints,
// the pop-up menu and the row drag.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/image_list.h"
#include "platform/window/keys.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_locale.h"
#include "ui/grid/progress_column.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

struct ScreenGrid {
    ScopedGridLocale locale{NeutralGridLocale()};
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    TReportGrid& grid = form.Add<TReportGrid>("grade");

    explicit ScreenGrid(int rows = 300) {
        form.SetBounds(0, 0, 500, 400);
        grid.SetBounds(10, 10, 400, 300);
        grid.SetOptions(TGridOptions{goHeader, goGrid, goSelectFullRow});
        grid.HeaderSize = 16;
        grid.SetRowSize(20);
        grid.Columns().Add("nome", ckString).Header().SetCaption("Nome");
        grid.Columns().Add("gols", ckInteger).SetSortType(stNumeric);
        grid.Columns().GetItem(1).Header().SetCaption("Gols");
        grid.Columns().Add("clube", ckString).SetWidth(300);
        grid.BeginUpdate();
        for (int i = 0; i < rows; ++i) {
            const int row = grid.AddRow();
            grid.SetCellTextByVariant("nome", row, "Jogador " + std::to_string(i));
            grid.SetCellTextByVariant("gols", row, std::to_string((i * 37) % 101));
        }
        grid.EndUpdate();
        form.Show();
        d.Pump();
    }
    Point At(int x, int y) { return grid.ClientToScreen({x, y}); }
    void Click(int x, int y, MouseButton b = mbLeft) {
        d.MouseMove(At(x, y));
        d.MouseDown(At(x, y), b);
        d.MouseUp(At(x, y), b);
    }
    // The middle of a row's band on screen.
    int RowY(int row) { return grid.GetRowTop(row) + 8; }
};

TEST(GridScreen, WheelKeysAndScrollBarDragScrollTheRows) {
    ScreenGrid g;
    EXPECT_TRUE(g.grid.VertScrollBar().Max() > 0);
    EXPECT_LT(g.grid.ClientWidth(), g.grid.Width());  // the vertical bar takes its room
    g.d.MouseMove(g.At(50, 100));
    g.d.Wheel(-120);
    EXPECT_EQ(g.grid.TopRow(), 1);
    g.d.Wheel(120);
    EXPECT_EQ(g.grid.TopRow(), 0);

    g.Click(20, g.RowY(0));
    EXPECT_EQ(g.grid.SelectedRow(), 0);
    g.d.Press(VK_DOWN);
    EXPECT_EQ(g.grid.SelectedRow(), 1);
    g.d.Press(VK_END);
    EXPECT_EQ(g.grid.SelectedRow(), 299);
    EXPECT_GT(g.grid.TopRow(), 250);  // the last row was scrolled into sight
    g.d.Press(VK_PRIOR);
    EXPECT_LT(g.grid.SelectedRow(), 299);
    g.d.Press(VK_HOME);
    EXPECT_EQ(g.grid.SelectedRow(), 0);
    EXPECT_EQ(g.grid.TopRow(), 0);
    g.d.Press(VK_NEXT);
    EXPECT_GT(g.grid.SelectedRow(), 5);
    g.d.Press(VK_UP);

    // Drag the vertical thumb half-way down the track.
    const int bar_x = g.grid.Width() - 8;
    g.d.MouseMove(g.At(bar_x, 20));
    g.d.MouseDown(g.At(bar_x, 20));
    g.d.MouseMove(g.At(bar_x, 150));
    g.d.MouseUp(g.At(bar_x, 150));
    EXPECT_GT(g.grid.TopRow(), 100);
    EXPECT_EQ(g.grid.VertScrollBar().Position(), g.grid.TopRow());
}

// The single border sinks the grid with a one-pixel edge and the client lies inside it: the
// mouse and the painting agree on where a row is. Without a border the client is the control.
TEST(GridScreen, TheBorderFramesTheClientAndNoneGivesItTheWholeControl) {
    ScreenGrid g(5);
    const auto pixel = [&](Point p) { return g.d.screen().PixelAt(p.x, p.y); };
    const auto corner = [&] {  // the control's own top-left and bottom-right pixels
        const Point client = g.At(0, 0);
        const Rect area = g.grid.ClientArea();
        return std::pair{Point{client.x - area.left, client.y - area.top},
                         Point{client.x - area.left + g.grid.Width() - 1,
                               client.y - area.top + g.grid.Height() - 1}};
    };
    const auto selected_pixel = [&](int row) {
        g.d.Pump();
        const Rect cell = g.grid.GetCellRect(0, row);
        return pixel(g.At(cell.right - 6, cell.top + 2));
    };
    EXPECT_EQ(g.grid.Border(), bsSingle);
    EXPECT_EQ(g.grid.ClientArea().left, 1);
    EXPECT_EQ(g.grid.ClientArea().top, 1);
    g.d.Pump();
    EXPECT_EQ(pixel(corner().first), ColorToRGB(clBtnShadow));
    EXPECT_EQ(pixel(corner().second), ColorToRGB(clBtnHighlight));
    g.grid.SetFocus();
    g.Click(20, g.RowY(2));
    EXPECT_EQ(g.grid.SelectedRow(), 2);
    EXPECT_EQ(selected_pixel(2), ColorToRGB(g.grid.SelectionColor));

    g.grid.SetBorderStyle(bsNone);
    EXPECT_EQ(g.grid.ClientArea().left, 0);
    EXPECT_EQ(g.grid.ClientArea().top, 0);
    g.d.Pump();
    EXPECT_NE(pixel(corner().first), ColorToRGB(clBtnShadow));
    g.Click(20, g.RowY(3));
    EXPECT_EQ(g.grid.SelectedRow(), 3);
    EXPECT_EQ(selected_pixel(3), ColorToRGB(g.grid.SelectionColor));
}

TEST(GridScreen, ScrollingRepaintsOnlyTheGrid) {
    ScreenGrid g;
    g.d.Pump();
    g.d.MouseMove(g.At(50, 100));
    g.d.Wheel(-120);
    g.d.Pump();
    const Rect grid_on_screen{
        10 + g.form.ClientToScreen({0, 0}).x, 10 + g.form.ClientToScreen({0, 0}).y,
        410 + g.form.ClientToScreen({0, 0}).x, 310 + g.form.ClientToScreen({0, 0}).y};
    for (const Rect& r : g.d.backend().presented()) {
        EXPECT_GE(r.left, grid_on_screen.left);
        EXPECT_GE(r.top, grid_on_screen.top);
        EXPECT_LE(r.right, grid_on_screen.right);
        EXPECT_LE(r.bottom, grid_on_screen.bottom);
    }
}

TEST(GridScreen, HeaderClickSortsAndASecondClickReverses) {
    ScreenGrid g(20);
    g.Click(100, 8);  // "Gols": the second column, 80 pixels wide
    ASSERT_EQ(g.grid.SortedColumn(), &g.grid.Columns().GetItem(1));
    for (int r = 1; r < 20; ++r)
        EXPECT_LE(std::stoi(g.grid.GetCellText(1, r - 1)), std::stoi(g.grid.GetCellText(1, r)));
    g.Click(100, 8);
    for (int r = 1; r < 20; ++r)
        EXPECT_GE(std::stoi(g.grid.GetCellText(1, r - 1)), std::stoi(g.grid.GetCellText(1, r)));
    EXPECT_EQ(g.grid.Columns().GetItem(1).SortKind(), skDescending);
}

TEST(GridScreen, GrowingTallerAtTheBottomBringsEarlierRowsIntoView) {
    ScreenGrid g(40);
    g.grid.VertScrollBar().MoveToEnd();
    const int top = g.grid.TopRow();
    ASSERT_GT(top, 0);
    g.grid.SetHeight(g.grid.Height() + 105);  // room for five more rows of 20 and a line
    EXPECT_EQ(g.grid.TopRow(), top - 5);
    EXPECT_EQ(g.grid.VertScrollBar().Position(), top - 5);
    EXPECT_EQ(g.grid.LastFullRow(), 39);
}

TEST(GridScreen, HomeEndAndSidewaysKeys) {
    ScreenGrid g(40);
    g.grid.SetFocus();
    g.grid.SetSelectedRow(5);
    g.d.Press(VK_RIGHT);  // a whole-row selection: the view scrolls sideways
    EXPECT_GT(g.grid.HorzScrollBar().Position(), 0);
    g.grid.HomeEndBehaviour = hebLeftRight;
    g.d.Press(VK_END);
    EXPECT_EQ(g.grid.SelectedColumn(), 2);
    EXPECT_EQ(g.grid.SelectedRow(), 5);
    g.d.Press(VK_HOME);
    EXPECT_EQ(g.grid.SelectedColumn(), 0);
    g.grid.HomeEndBehaviour = hebTopBottom;
    g.d.Press(VK_END);
    EXPECT_EQ(g.grid.SelectedRow(), 39);
}

TEST(GridScreen, TabMovesBetweenCellsOnlyWithWantTabsAndACell) {
    ScreenGrid g(3);
    g.grid.SetFocus();
    g.grid.SelectCell(0, 1);
    EXPECT_FALSE(g.grid.WantsKey(VK_TAB));
    g.grid.WantTabs = true;
    EXPECT_TRUE(g.grid.WantsKey(VK_TAB));
    g.d.Press(VK_TAB);
    EXPECT_EQ(g.grid.SelectedColumn(), 1);
    g.d.Press(VK_TAB, ssShift);
    EXPECT_EQ(g.grid.SelectedColumn(), 0);
    // No visible column: Tab is the form's again.
    for (int c = 0; c < 3; ++c) g.grid.Columns().GetItem(c).SetVisible(false);
    EXPECT_FALSE(g.grid.WantsKey(VK_TAB));
}

// A double click on a row's border in the indicator fits the row to what its cells need, never
// below the grid's row size.
TEST(GridScreen, ADoubleClickOnTheIndicatorBorderFitsTheRow) {
    ScreenGrid g(4);
    g.grid.SetOptions(g.grid.Options().With(goIndicator).With(goRowResizing));
    g.grid.Columns().GetItem(2).SetWrapKind(wkWordWrap);
    g.grid.SetCellTextByVariant("clube", 1, "Primeira linha\nSegunda linha\nTerceira\nQuarta");
    g.grid.SetRowHeight(2, 40);  // a row taller than its one line shrinks back to the row size
    auto double_click_border = [&](int row) {
        g.d.Advance(1000);
        const Point at = g.At(5, g.grid.GetRowTop(row + 1) - 1);
        for (int i = 0; i < 2; ++i) {
            g.d.MouseDown(at);
            g.d.MouseUp(at);
        }
    };
    double_click_border(1);
    EXPECT_GE(g.grid.GetRowHeight(1), 4 * 13);
    double_click_border(2);
    EXPECT_EQ(g.grid.GetRowHeight(2), 20);
    double_click_border(0);
    EXPECT_EQ(g.grid.GetRowHeight(0), 20);
}

TEST(GridScreen, EachGridCursorShowsItsOwnPicture) {
    ScreenGrid g(10);
    g.grid.SetOptions(g.grid.Options().With(goIndicator).With(goRowResizing));
    const int border = g.grid.GetRowTop(2) - 1;
    struct Case {
        Point at;
        int cursor;
    };
    for (const Case& c : {Case{{91, 8}, TGrCustomGridControl::crHorzSplit},  // "Nome"'s right edge
                          Case{{5, border}, TGrCustomGridControl::crVertSplit},
                          Case{{5, border - 8}, TGrCustomGridControl::crIndicatorSelect}}) {
        g.d.MouseMove(g.At(c.at.x, c.at.y));
        EXPECT_EQ(g.d.backend().cursor(), c.cursor);
        EXPECT_EQ(g.d.backend().cursor_picture(), (Size{32, 32})) << c.cursor;
    }
    // A standard shape carries no picture of its own.
    g.d.MouseMove(g.At(200, 100));
    EXPECT_EQ(g.d.backend().cursor_picture(), Size{});
}

TEST(GridScreen, RowsResizedOnTheIndicatorAndMovedByDragging) {
    ScreenGrid g(10);
    g.grid.SetOptions(g.grid.Options().With(goIndicator).With(goRowResizing).With(goRowMoving));
    std::vector<std::pair<int, int>> heights;
    g.grid.on_change_row_height = [&](int row, int h) { heights.push_back({row, h}); };
    // The bottom border of row 1 in the indicator, dragged 10 pixels down.
    const int border = g.grid.GetRowTop(2) - 1;
    g.d.MouseMove(g.At(5, border));
    EXPECT_EQ(g.grid.cursor, TGrCustomGridControl::crVertSplit);
    g.d.MouseDown(g.At(5, border));
    EXPECT_EQ(g.grid.ResizingRow(), 1);
    g.d.MouseMove(g.At(5, border + 10));
    g.d.MouseUp(g.At(5, border + 10));
    EXPECT_EQ(g.grid.GetRowHeight(1), 20 + 10);
    ASSERT_EQ(heights.size(), 1u);
    // Never below 8 pixels.
    const int border2 = g.grid.GetRowTop(3) - 1;
    g.d.MouseDown(g.At(5, border2));
    g.d.MouseMove(g.At(5, 0));
    g.d.MouseUp(g.At(5, 0));
    EXPECT_EQ(g.grid.GetRowHeight(2), 8);

    // Row 0 dragged down past the middle of row 3: it goes before row 4, that is to place 3.
    bool refuse = true;
    std::vector<std::pair<int, int>> moves;
    g.grid.on_row_move = [&](int from, int to, bool& accept) {
        moves.push_back({from, to});
        accept = !refuse;
    };
    auto drag = [&](int from_row, int to_y) {
        g.d.Advance(1000);  // no double click
        g.d.MouseMove(g.At(100, g.RowY(from_row)));
        g.d.MouseDown(g.At(100, g.RowY(from_row)));
        g.d.MouseMove(g.At(100, g.RowY(from_row) + 8));
        EXPECT_TRUE(g.grid.RowMoving());
        g.d.MouseMove(g.At(100, to_y));
        g.d.MouseUp(g.At(100, to_y));
        EXPECT_FALSE(g.grid.RowMoving());
    };
    const Rect row3 = g.grid.GetRowRect(3);
    drag(0, row3.bottom - 3);
    EXPECT_EQ(g.grid.GetCellText(0, 0), "Jogador 0");  // refused
    refuse = false;
    drag(0, row3.bottom - 3);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1], (std::pair<int, int>{0, 3}));
    EXPECT_EQ(g.grid.GetCellText(0, 3), "Jogador 0");
    EXPECT_EQ(g.grid.SelectedRow(), 3);
}

TEST(GridScreen, AHeaderReleasedElsewhereIsClickedButNotSorted) {
    ScreenGrid g(20);
    // Where columns may move, the same gesture would drag the column instead.
    g.grid.SetOptions(g.grid.Options().With(goDisableColumnMoving));
    std::vector<int> clicked;
    g.grid.on_header_click = [&](int col, bool&) { clicked.push_back(col); };
    g.d.MouseMove(g.At(100, 8));
    g.d.MouseDown(g.At(100, 8));
    g.d.MouseMove(g.At(100, 120));
    g.d.MouseUp(g.At(100, 120));
    EXPECT_EQ(clicked, std::vector<int>{1});
    EXPECT_EQ(g.grid.SortedColumn(), nullptr);
    EXPECT_EQ(g.grid.PressedHeaderColumn(), nullptr);
}

TEST(GridScreen, DraggingAHeaderDividerResizesTheColumn) {
    ScreenGrid g(20);
    std::vector<int> resized;
    g.grid.on_column_resize = [&](TGrCustomColumn& c, int) { resized.push_back(c.GetIndex()); };
    g.d.MouseMove(g.At(79, 8));  // the right edge of "Nome"
    EXPECT_EQ(g.grid.cursor, TGrCustomGridControl::crHorzSplit);
    g.d.MouseDown(g.At(79, 8));
    EXPECT_TRUE(g.grid.ColumnResizing());
    g.d.MouseMove(g.At(130, 50));
    g.d.MouseUp(g.At(130, 50));
    EXPECT_FALSE(g.grid.ColumnResizing());
    EXPECT_EQ(g.grid.Columns().GetItem(0).Width(), 130);
    EXPECT_EQ(resized, std::vector<int>{0});
    EXPECT_EQ(g.grid.GetCellRect(1, 0).left, 130);  // the next column moves along
    EXPECT_EQ(g.grid.SortedColumn(), nullptr);      // a resize is no click
    // Dragged far left the line stops at the column's least width.
    g.d.MouseDown(g.At(129, 8));
    g.d.MouseMove(g.At(2, 8));
    g.d.MouseUp(g.At(2, 8));
    EXPECT_EQ(g.grid.Columns().GetItem(0).Width(), g.grid.Columns().GetItem(0).MinWidth);
}

TEST(GridScreen, DoubleClicksOnACellAndOnAFittingDivider) {
    ScreenGrid g(20);
    Point dbl{-1, -1};
    bool window_heard = false;  // what a window hangs its "open the row" on
    g.grid.on_cell_dbl_click = [&](int col, int row) { dbl = {col, row}; };
    g.grid.on_dbl_click = [&] { window_heard = true; };
    g.d.DoubleClick(g.grid);  // the middle of the client area: the third column
    EXPECT_EQ(dbl.x, 2);
    EXPECT_EQ(dbl.y, g.grid.RowAtY(g.grid.ClientHeight() / 2));
    EXPECT_TRUE(window_heard);
    // Two quick presses on the down arrow of the scroll bar: two steps, no double click.
    window_heard = false;
    dbl = {-1, -1};
    ASSERT_GT(g.grid.VertScrollBar().Max(), 0);
    const Point arrow = g.At(g.grid.Width() - 8, g.grid.ClientHeight() - 6);
    for (int i = 0; i < 2; ++i) {
        g.d.MouseMove(arrow);
        g.d.MouseDown(arrow);
        g.d.MouseUp(arrow);
    }
    EXPECT_EQ(g.grid.TopRow(), 2);
    EXPECT_FALSE(window_heard);
    EXPECT_EQ(dbl, (Point{-1, -1}));
    g.grid.VertScrollBar().SetPosition(0);
    // A number column fits its width to its widest shown cell on a divider double click.
    auto number = std::make_unique<TGrNumberColumn>("num");
    TGrCustomColumn& column = g.grid.Columns().Add(std::move(number));
    column.SetWidth(200);
    g.grid.SetCellText(3, 0, "123456789");
    column.SetPosition(0);
    ASSERT_EQ(g.grid.GetHeaderCellRect(column).right, 200);
    for (int i = 0; i < 2; ++i) {
        g.d.MouseMove(g.At(199, 8));
        g.d.MouseDown(g.At(199, 8));
        g.d.MouseUp(g.At(199, 8));
    }
    Canvas measure(1, 1);
    measure.font = column.GetFont();
    EXPECT_GE(column.Width(), measure.TextWidth("123456789") + 5);
    EXPECT_LT(column.Width(), 100);
}

TEST(GridScreen, TypingSearchesTheSearchColumn) {
    ScreenGrid g(0);
    const char* names[] = {"Abel", "Bruno", "abílio", "Carlos", "Abner"};
    for (const char* name : names) g.grid.SetCellText(0, g.grid.AddRow(), name);
    TGrCustomColumn& nome = g.grid.Columns().GetItem(0);
    nome.SetOptions(nome.Options().With(coSearchColumn));
    g.grid.SetFocus();
    g.grid.SetSelectedRow(3);
    g.d.Type("ab");  // after the selected row first, then from the top; case ignored
    EXPECT_EQ(g.grid.SelectedRow(), 4);
    EXPECT_EQ(g.grid.SearchText(), "ab");
    g.d.Type("í");
    EXPECT_EQ(g.grid.SelectedRow(), 2);
    g.d.Advance(800);  // a pause: the next character starts a new search
    EXPECT_EQ(g.grid.SearchText(), "");
    g.d.Type("c");
    EXPECT_EQ(g.grid.SelectedRow(), 3);
    // No match leaves the selection alone.
    g.d.Advance(800);
    g.d.Type("z");
    EXPECT_EQ(g.grid.SelectedRow(), 3);
    // Keys off: typing does nothing.
    g.grid.SetOptions(g.grid.Options().With(goDisableKeys));
    g.d.Advance(800);
    g.d.Type("b");
    EXPECT_EQ(g.grid.SelectedRow(), 3);
}

TEST(GridScreen, HintShowsTheWholeOfACutText) {
    ScreenGrid g(5);
    g.grid.SetCellTextByVariant("nome", 2, "Um nome comprido demais para a coluna");
    HintInfo info;
    EXPECT_TRUE(g.grid.PrepareHint({20, g.RowY(2)}, info));
    EXPECT_EQ(info.text, "Um nome comprido demais para a coluna");
    info = {};
    EXPECT_FALSE(g.grid.PrepareHint({20, g.RowY(1)}, info));  // "Jogador 1" fits
    g.grid.GetCell(1, 1).SetHint("Artilheiro");
    EXPECT_TRUE(g.grid.PrepareHint({100, g.RowY(1)}, info));
    EXPECT_EQ(info.text, "Artilheiro");
}

TEST(GridScreen, HeaderAndCellHintsShowBelowTheirPlaces) {
    ScreenGrid g(20);
    g.grid.Columns().GetItem(1).Header().Hint = "Gols marcados";
    g.grid.GetCell(0, 2).SetHint("Capitão");
    g.d.MouseMove(g.At(100, 8));
    g.d.Advance(600);
    ASSERT_TRUE(g.d.screen().HintShowing());
    EXPECT_EQ(g.d.screen().HintText(), "Gols marcados");
    EXPECT_EQ(g.d.screen().Hint().pos.y, g.At(0, 16 + 2).y);
    g.d.MouseMove(g.At(20, g.RowY(2)));  // another place: its own hint is due
    g.d.Advance(600);
    ASSERT_TRUE(g.d.screen().HintShowing());
    EXPECT_EQ(g.d.screen().HintText(), "Capitão");
}

TEST(GridScreen, RightClickOpensThePopupOnTheRowUnderTheMouse) {
    ScreenGrid g(10);
    auto& menu = g.form.AddComponent<PopupMenu>("menu");
    int row_chosen = -1;
    menu.Add("mnuVer", "Ver jogador", [&] { row_chosen = g.grid.SelectedRow(); });
    g.grid.popup_menu = &menu;
    g.d.Then([&] { g.d.Click("mnuVer"); });
    g.Click(20, g.RowY(4), mbRight);
    EXPECT_EQ(row_chosen, 4);
}

TEST(GridScreen, RowDragStartsOnlyAfterTheMouseMoves) {
    ScreenGrid g(10);
    bool started = false;
    g.grid.on_mouse_down = [&](MouseButton b, ShiftState, int, int) {
        if (b == mbLeft) g.grid.BeginDrag(false);
    };
    g.grid.on_start_drag = [&] { started = true; };
    g.d.MouseMove(g.At(20, g.RowY(3)));
    g.d.MouseDown(g.At(20, g.RowY(3)));
    EXPECT_EQ(g.grid.SelectedRow(), 3);
    EXPECT_FALSE(started);
    g.d.MouseMove(g.At(20, g.RowY(3) + 20));
    EXPECT_TRUE(started);
    EXPECT_TRUE(g.d.screen().Dragging());
    g.d.MouseUp(g.At(20, g.RowY(3) + 20));
}

TEST(GridScreen, TheRollIndicatorFloatsWholeAboveTheFormWithoutTakingTheFocus) {
    ScreenGrid g;
    g.form.SetBounds(100, 50, 500, 400);
    g.grid.SetLeft(0);
    g.grid.SetFocus();
    g.d.Pump();
    // The middle button at the grid's left edge: the indicator reaches past the form's.
    const Point origin = g.At(0, 100);
    g.d.MouseMove(origin);
    g.d.MouseDown(origin, mbMiddle);
    TRollShadow* shadow = g.grid.RollIndicator();
    ASSERT_NE(shadow, nullptr);
    EXPECT_TRUE(shadow->Visible());
    EXPECT_EQ(shadow->BoundsRect(),
              (Rect{origin.x - 7, origin.y - 11, origin.x + 25, origin.y + 21}));
    EXPECT_TRUE(g.grid.Focused());
    EXPECT_EQ(g.d.screen().ActiveForm(), &g.form);
    EXPECT_FALSE(shadow->tab_stop);
    g.d.Pump();
    // Part of the upper arrow head lies outside the form, on the desktop: drawn there too.
    const Point arrow{origin.x - 7 + 2, origin.y - 11 + 6};
    ASSERT_LT(arrow.x, g.form.Left());
    EXPECT_EQ(g.d.screen().PixelAt(arrow.x, arrow.y), ColorToRGB(clGrayText));
    EXPECT_EQ(g.d.screen().PixelAt(origin.x, origin.y), ColorToRGB(clGrayText));  // the dot
    // Beside the shapes the square stays clear.
    EXPECT_NE(g.d.screen().PixelAt(origin.x + 13, origin.y + 17), ColorToRGB(clGrayText));
    g.d.MouseUp(origin, mbMiddle);
    EXPECT_FALSE(shadow->Visible());
}

TEST(GridScreen, PixelsOfHeaderSelectionColouringAndLines) {
    ScreenGrid g(6);
    g.grid.SelectionColor = TColor(0x00804020);
    g.grid.on_cell_coloring = [](int col, int row, TColor& color, TColor&, TCellState state) {
        if (col == 2 && row == 1 && !state.Has(csSelected)) color = clYellow;
    };
    g.grid.Invalidate();  // a new colouring handler shows at the next paint
    g.grid.SetFocus();
    g.Click(20, g.RowY(3));
    g.d.Pump();
    auto pixel = [&](int x, int y) {
        const Point p = g.At(x, y);
        return g.d.screen().PixelAt(p.x, p.y);
    };
    EXPECT_EQ(pixel(40, 3), ColorToRGB(clBtnFace));                    // the header face
    EXPECT_EQ(pixel(200, g.RowY(3)), ColorToRGB(TColor(0x00804020)));  // the selected row
    EXPECT_EQ(pixel(200, g.RowY(1)), ColorToRGB(clYellow));            // the coloured cell
    EXPECT_EQ(pixel(200, g.RowY(0)), ColorToRGB(clWindow));
    // The bottom grid line of row 0 and the right line of the first column.
    EXPECT_EQ(pixel(200, g.grid.GetRowTop(0) + 20), ColorToRGB(clBtnFace));
    EXPECT_EQ(pixel(79, g.RowY(0)), ColorToRGB(clBtnFace));
    // The text of the selected row is drawn in the highlighted text colour.
    int light = 0;
    for (int x = 2; x < 78; ++x)
        for (int y = g.grid.GetRowTop(3); y < g.grid.GetRowTop(3) + 20; ++y)
            light += (pixel(x, y) & 0xFF) > 0xC0;  // near-white ink on the dark selection
    EXPECT_GT(light, 10);
    EXPECT_FALSE(g.d.SavePng("report_grid_small.png").empty());
}

TEST(GridScreen, SnapshotOfTheColumnKinds) {
    ScopedGridLocale locale{BrazilianGridLocale()};
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    form.SetBounds(0, 0, 520, 200);
    TReportGrid& grid = form.Add<TReportGrid>("grade");
    grid.SetBounds(8, 8, 500, 160);
    grid.SetOptions(TGridOptions{goHeader, goGrid, goSelectFullRow});
    grid.HeaderSize = 16;
    grid.SetRowSize(22);
    grid.Columns().Add("nome", ckString).Header().SetCaption("Nome");
    grid.Columns().Add("gols", ckInteger).Header().SetCaption("Gols");
    grid.Columns().Add("valor", ckFloat).Header().SetCaption("Valor");
    grid.Columns().Add("data", ckDate).Header().SetCaption("Contrato");
    auto progress = std::make_unique<TGrProgressColumn>("forma");
    progress->ShowText = true;
    progress->SetWidth(120);
    progress->Header().SetCaption("Forma");
    grid.Columns().Add(std::move(progress));
    const char* names[] = {"Adão Ribeiro", "Júlio César Gonçalves Filho", "Tião"};
    const char* values[] = {"75", "150", "-20"};
    for (int i = 0; i < 3; ++i) {
        const int row = grid.AddRow();
        grid.SetCellTextByVariant("nome", row, names[i]);
        grid.SetCellTextByVariant("gols", row, std::to_string(i * 7));
        grid.SetCellTextByVariant("valor", row, "1.250,50");
        grid.SetCellTextByVariant("data", row, "31/12/2014");
        grid.SetCellTextByVariant("forma", row, values[i]);
    }
    form.Show();
    grid.SetFocus();
    grid.SetSelectedRow(1);
    d.Pump();
    // The bar of 75 % is filled about three quarters of the way across its track.
    const Rect cell = grid.GetCellRect(4, 0);
    const Point bar =
        grid.ClientToScreen({cell.left + 2 + 30 + 2 + 40, (cell.top + cell.bottom) / 2});
    EXPECT_EQ(d.screen().PixelAt(bar.x, bar.y), ColorToRGB(clHighlight));
    EXPECT_FALSE(d.SavePng("report_grid_columns.png").empty());
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// A little square picture of one colour.
Picture Square(int size, uint32_t argb) {
    Picture picture(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) picture.SetPixelARGB(x, y, argb);
    return picture;
}

TEST(GridScreen, SnapshotOfEveryColumnClass) {
    ScopedGridLocale locale{BrazilianGridLocale()};
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    form.SetBounds(0, 0, 1010, 200);
    TReportGrid& grid = form.Add<TReportGrid>("grade");
    grid.SetBounds(8, 8, 990, 150);
    grid.SetOptions(TGridOptions{goHeader, goGrid, goSelectFullRow, goIndicator, goFooter});
    grid.HeaderSize = 16;
    grid.SetRowSize(22);
    ImageList images(16, 16);
    images.Add(Square(16, 0xFF2E8B57u));
    images.Add(Square(16, 0xFFB22222u));
    const Picture crest = Square(30, 0xFF1E3C8Cu);
    auto add = [&](std::unique_ptr<TGrCustomColumn> column, const char* caption, int width) {
        column->Header().SetCaption(caption);
        column->SetWidth(width);
        return &grid.Columns().Add(std::move(column));
    };
    add(std::make_unique<TGrIncrementColumn>("n"), "Nº", 30);
    auto tree = std::make_unique<TGrTreeColumn>("arvore");
    tree->ShowLines = true;
    add(std::move(tree), "Clube / jogador", 170);
    auto text = std::make_unique<TGrTextColumn>("apelido");
    text->TextBefore = "\"";
    text->TextAfter = "\"";
    add(std::move(text), "Apelido", 90);
    auto number = std::make_unique<TGrNumberColumn>("valor");
    number->FormatMask = "#,##0.00";
    TGrCustomColumn* valor = add(std::move(number), "Valor", 90);
    valor->SetColumnKind(ckFloat);
    valor->Footer().FormulaKind = fkSum;
    valor->Footer().alignment = taRightJustify;
    valor->Footer().FormatMask = "#,##0.00";
    valor->Footer().FormatMaskKind = mkFloat;
    add(std::make_unique<TGrDateColumn>("contrato"), "Contrato", 80)->SetColumnKind(ckDate);
    auto image = std::make_unique<TGrImageColumn>("situacao");
    image->Images = &images;
    add(std::move(image), "Sit.", 40)->SetColumnKind(ckInteger);
    auto graphic = std::make_unique<TGrGraphicColumn>("escudo");
    add(std::move(graphic), "Escudo", 50)->SetColumnKind(ckGraphic);
    auto combo = std::make_unique<TGrComboBoxColumn>("posicao");
    combo->Items = {"Goleiro", "Zagueiro", "Atacante"};
    combo->Images = &images;
    add(std::move(combo), "Posição", 110);
    auto progress = std::make_unique<TGrProgressColumn>("forma");
    progress->ShowText = true;
    add(std::move(progress), "Forma", 110)->SetColumnKind(ckInteger);
    TGrCustomColumn* sorted = add(std::make_unique<TGrTextColumn>("estado"), "UF", 60);
    grid.BeginUpdate();
    const int club = grid.AddRow();
    grid.SetCellTextByVariant("arvore", club, "Atlético Serrano");
    const char* names[] = {"Adão Ribeiro", "Júlio César Gonçalves", "Tião"};
    const char* positions[] = {"Goleiro", "Zagueiro", "Atacante"};
    for (int i = 0; i < 3; ++i) {
        const int row = grid.AddChildRow(club);
        grid.SetCellTextByVariant("arvore", row, names[i]);
        grid.SetCellTextByVariant("apelido", row, i == 1 ? "Julinho" : "");
        grid.SetCellTextByVariant("valor", row, std::to_string(1250 * (i + 1)) + ",50");
        grid.SetCellTextByVariant("contrato", row, "31/12/2015");
        grid.SetCellTextByVariant("situacao", row, std::to_string(i % 2));
        grid.GetCellByVariant("escudo", row).ObjectReference = &crest;
        grid.SetCellTextByVariant("posicao", row, positions[i]);
        grid.SetCellTextByVariant("forma", row, std::to_string(30 + 30 * i));
        grid.SetCellTextByVariant("estado", row, i == 2 ? "RJ" : "SP");
    }
    grid.EndUpdate();
    grid.CalculateFooter(false);
    sorted->SetSorted(true);
    form.Show();
    grid.SetFocus();
    grid.SetSelectedRow(2);
    d.Pump();
    // A few of the classes' marks: the row picture, the crest, the tree's lines.
    const Rect pic = grid.GetCellRect(5, 1);
    EXPECT_EQ(d.screen().PixelAt(grid.ClientToScreen({pic.left + 10, pic.top + 11}).x,
                                 grid.ClientToScreen({pic.left + 10, pic.top + 11}).y),
              TColor(0x578B2E));
    const Rect escudo = grid.GetCellRect(6, 3);
    const Point crest_mid =
        grid.ClientToScreen({(escudo.left + escudo.right) / 2, (escudo.top + escudo.bottom) / 2});
    EXPECT_EQ(d.screen().PixelAt(crest_mid.x, crest_mid.y), TColor(0x8C3C1E));
    EXPECT_FALSE(grid.Columns().GetItem(3).Footer().Caption().empty());
    EXPECT_FALSE(d.SavePng("report_grid_every_column.png").empty());
}

}  // namespace
}  // namespace kv
