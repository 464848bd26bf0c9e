#include "ui/grid/report_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_test_helpers.h"

namespace kv {
namespace {

using Texts = std::vector<std::string>;

// Every event of the selection, in order.
struct Recorder {
    std::vector<std::string> events;
    void Attach(TReportGrid& grid) {
        grid.on_select_cell = [this](int c, int r) { Add("select", c, r); };
        grid.on_deselect_cell = [this](int c, int r) { Add("deselect", c, r); };
    }
    void Add(const char* what, int c, int r) {
        events.push_back(std::string(what) + " " + std::to_string(c) + "," + std::to_string(r));
    }
};

TEST(ReportGridAddress, NamesKeywordsAndNumbers) {
    GridFixture f;
    f.AddNames({"Ana", "Bia", "Caio"});
    f.grid.SelectCell(0, 1);
    struct Case {
        CellKey column, row;
        std::string expected;
    } cases[] = {
        {"NOME", "Selected", "Bia"},
        {"nome", "First", "Ana"},
        {"Nome", "last", "Caio"},
        {0, 2, "Caio"},
        {"0", " 1 ", "Bia"},
        {"First", "Selected", "Bia"},
        {"Selected", 0, "Ana"},
        {"nome", 3, ""},
        {7, 0, ""},
        {"nome", -1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(f.grid.GetCellTextByVariant(c.column, c.row), c.expected)
            << c.column.Text() << " " << c.row.Text();
}

TEST(ReportGridAddress, BadNamesRaiseTheGridError) {
    GridFixture f;
    f.AddNames({"Ana"});
    struct Case {
        CellKey column, row;
        std::string message;
    } cases[] = {
        {"idade", 0, "Invalid Columnname 'idade' for 'TReportGrid:gcelenco'."},
        {"idade", "Segundo", "Invalid Rowname 'Segundo' for 'TReportGrid:gcelenco'."},
        {"nome", "1.5", "Invalid Rowname '1.5' for 'TReportGrid:gcelenco'."},
    };
    for (const Case& c : cases) {
        try {
            f.grid.GetCellTextByVariant(c.column, c.row);
            ADD_FAILURE() << c.message;
        } catch (const GridError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}

// Reading or writing text out of range is silent; everything else that is handed a row or
// column that does not exist raises GridError, never reads outside the store.
TEST(ReportGridAddress, EveryOtherIndexIsChecked) {
    ScopedGridLocale locale(NeutralGridLocale());
    TReportGrid empty;
    empty.SetCellTextByVariant("First", "Last", "x");  // row -1: nothing written
    EXPECT_EQ(empty.GetCellText(5, 0), "");
    EXPECT_THROW(empty.GetCellByVariant("Last", 0), GridError);  // "Last" with no columns
    empty.Columns().Add("a");
    empty.AddRow(2);
    EXPECT_THROW(empty.GetCellByVariant(1, 0), GridError);  // a column past the last
    EXPECT_THROW(empty.GetCell(0, 2), GridError);
    EXPECT_THROW(empty.GetCell(0, -1), GridError);
    EXPECT_THROW(empty.DeleteRow(2), GridError);
    EXPECT_THROW(empty.MoveRow(0, 5), GridError);
    EXPECT_THROW(empty.SwapRows(-1, 0), GridError);
    EXPECT_THROW(empty.AddChildRow(9), GridError);
    EXPECT_THROW(empty.InsertRow(3), GridError);
    EXPECT_THROW(empty.SetRowExpanded(2, false), GridError);
    EXPECT_THROW(empty.SetRowVisible(-1, false), GridError);
    EXPECT_THROW(empty.Columns().GetItem(1), GridError);
    EXPECT_EQ(empty.GetRowCount(), 2);
}

TEST(ReportGridAddress, TheColumnPastTheStoresRoomIsRefused) {
    TReportGrid grid;
    for (int i = 0; i < kMaxGridColumns; ++i) grid.Columns().Add("c" + std::to_string(i));
    grid.AddRow();
    EXPECT_THROW(grid.Columns().Add("one too many"), GridError);
    EXPECT_EQ(grid.Columns().Count(), kMaxGridColumns);
    grid.SetCellText(kMaxGridColumns - 1, 0, "last");
    EXPECT_EQ(grid.GetCellText(kMaxGridColumns - 1, 0), "last");
}

TEST(ReportGridRows, AddRowAndTheUpdateCounter) {
    GridFixture f;
    std::vector<std::pair<TDataChange, int>> changes;
    f.grid.on_data_change = [&](TDataChange c, int i) { changes.emplace_back(c, i); };
    EXPECT_EQ(f.grid.AddRow(0), 0);
    EXPECT_TRUE(changes.empty());
    f.grid.BeginUpdate();
    int cell_changes = 0;
    f.grid.on_change = [&](int, int) { ++cell_changes; };
    EXPECT_EQ(f.grid.AddRow(3), 2);
    f.grid.SetCellText(0, 1, "x");
    EXPECT_EQ(cell_changes, 0);
    f.grid.EndUpdate();
    f.grid.EndUpdate();  // unmatched: stays at 0
    EXPECT_FALSE(f.grid.IsUpdating());
    f.grid.SetCellText(0, 1, "y");
    EXPECT_EQ(cell_changes, 1);
    EXPECT_EQ(changes, (std::vector<std::pair<TDataChange, int>>{{dcAddRow, 2}}));
    f.grid.SetRowSize(0);
    EXPECT_EQ(f.grid.RowSize(), 16);
}

TEST(ReportGridRows, DefaultValuesFillNewRows) {
    GridFixture f;
    f.grid.SetOptions(f.grid.Options().With(goUseDefaultValues));
    f.grid.GetColumnByName("gols")->DefaultValue = "0";
    f.grid.GetColumnByName("nome")->DefaultValue = "?";
    f.grid.AddRow(2);
    EXPECT_EQ(f.Column(0), (Texts{"?", "?"}));
}

// Insert, delete and move rows and where the selection goes.
TEST(ReportGridRows, InsertDeleteMoveWithTheSelection) {
    struct Case {
        const char* name;
        int selected;
        std::function<void(TReportGrid&)> act;
        Texts rows;
        int selected_after;
        std::string selected_name;
    } cases[] = {
        {"insert above moves the selection down by one",
         0,
         [](TReportGrid& g) { g.InsertRow(3); },
         {"a", "b", "c", "", "d"},
         1,
         "b"},
        {"insert with no selection selects row 0",
         -1,
         [](TReportGrid& g) { g.InsertRow(0); },
         {"", "a", "b", "c", "d"},
         0,
         ""},
        {"delete above: the selection moves with its row",
         2,
         [](TReportGrid& g) { g.DeleteRow(0); },
         {"b", "c", "d"},
         1,
         "c"},
        {"delete below keeps the selection",
         1,
         [](TReportGrid& g) { g.DeleteRow(3); },
         {"a", "b", "c"},
         1,
         "b"},
        {"delete the selected last row: the new last row",
         3,
         [](TReportGrid& g) { g.DeleteRow(3); },
         {"a", "b", "c"},
         2,
         "c"},
        {"move a row", 0, [](TReportGrid& g) { g.MoveRow(0, 2); }, {"b", "c", "a", "d"}, 0, "b"},
        {"swap rows", 1, [](TReportGrid& g) { g.SwapRows(1, 3); }, {"a", "d", "c", "b"}, 1, "d"},
    };
    for (const Case& c : cases) {
        GridFixture f;
        f.AddNames({"a", "b", "c", "d"});
        if (c.selected >= 0) f.grid.SelectCell(0, c.selected);
        c.act(f.grid);
        EXPECT_EQ(f.Column(0), c.rows) << c.name;
        EXPECT_EQ(f.grid.SelectedRow(), c.selected_after) << c.name;
        EXPECT_EQ(f.grid.GetCellTextByVariant("nome", "Selected"), c.selected_name) << c.name;
    }
}

TEST(ReportGridRows, DeselectFiresOnlyForACellThatExisted) {
    GridFixture f;
    f.AddNames({"a", "b", "c"});
    Recorder r;
    r.Attach(f.grid);
    f.grid.SelectCell(0, 3);  // past the end: stored, but no cell
    f.grid.SelectCell(0, 1);
    f.grid.SelectCell(0, 1);
    f.grid.DeleteRow(0);  // above: moves with it, no event
    f.grid.DeleteRow(1);
    f.grid.DeleteRow(0);  // the selected, now last, row
    EXPECT_EQ(r.events,
              (std::vector<std::string>{"select 0,3", "select 0,1", "select 0,1", "deselect 0,0"}));
    EXPECT_EQ(f.grid.SelectedRow(), -1);
    EXPECT_EQ(f.grid.GetRowCount(), 0);
}

TEST(ReportGridRows, ClearRowsAndStartRowCount) {
    GridFixture f;
    f.AddNames({"a", "b", "c", "d", "e"});
    f.grid.SetStartRowCount(5);  // the rows are there already: adds 0
    EXPECT_EQ(f.grid.GetRowCount(), 10);
    f.grid.ClearRows();
    f.AddNames({"a", "b", "c", "d", "e"});
    TReportGrid& g = f.grid;
    g.SetStartRowCount(2);  // deletes min(5, 5) - 2 rows from the top
    EXPECT_EQ(f.Column(0), (Texts{"d", "e"}));
    g.SelectCell(0, 1);
    g.ClearRows();
    EXPECT_EQ(g.SelectedRow(), -1);
    EXPECT_EQ(g.SelectedColumn(), 0);
    EXPECT_EQ(g.GetRowCount(), 0);
}

// A tree: P0 (C1 (G2, G3), C4), P5.
struct TreeFixture : GridFixture {
    TreeFixture() {
        const int p0 = grid.AddRow();
        grid.SetCellText(0, p0, "P0");
        const int c1 = grid.AddChildRow(p0);
        grid.SetCellText(0, c1, "C1");
        grid.SetCellText(0, grid.AddChildRow(c1), "G2");
        grid.SetCellText(0, grid.AddChildRow(c1), "G3");
        grid.SetCellText(0, grid.AddChildRow(p0), "C4");
        grid.SetCellText(0, grid.AddRow(), "P5");
    }
    Texts Shown() {
        Texts out;
        for (int r = 0; r < grid.GetRowCount(); ++r)
            if (grid.IsRowShown(r)) out.push_back(grid.GetCellText(0, r));
        return out;
    }
};

TEST(ReportGridTree, BuiltInOrderWithLevelsAndLinks) {
    TreeFixture t;
    EXPECT_EQ(t.Column(0), (Texts{"P0", "C1", "G2", "G3", "C4", "P5"}));
    const int levels[] = {0, 1, 2, 2, 1, 0};
    for (int r = 0; r < 6; ++r) EXPECT_EQ(t.grid.GetRowLevel(r), levels[r]) << r;
    EXPECT_EQ(t.grid.GetParentRow(3), 1);
    EXPECT_EQ(t.grid.GetParentRow(0), -1);
    EXPECT_EQ(t.grid.GetNextSibling(1), 4);
    EXPECT_EQ(t.grid.GetNextSibling(4), -1);
    EXPECT_EQ(t.grid.GetChildCount(0, false), 2);
    EXPECT_EQ(t.grid.GetChildCount(0, true), 4);
    int index = 3, next = 0;
    t.grid.GetTreeLinks(index, next);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(next, -1);
    // Right under the parent instead of after its children.
    t.grid.SetCellText(0, t.grid.AddChildRow(0, false), "C0");
    EXPECT_EQ(t.grid.GetCellText(0, 1), "C0");
}

TEST(ReportGridTree, ExpandAndCollapse) {
    TreeFixture t;
    int expanded = -1;
    t.grid.on_expand = [&](int row) { expanded = row; };
    t.grid.SetRowExpanded(1, false);
    EXPECT_EQ(expanded, 1);
    EXPECT_EQ(t.Shown(), (Texts{"P0", "C1", "C4", "P5"}));
    t.grid.SetRowExpanded(0, false);
    EXPECT_EQ(t.Shown(), (Texts{"P0", "P5"}));
    EXPECT_EQ(t.grid.GetShownRowCount(), 2);
    t.grid.SetRowExpanded(0, true);  // the collapsed child keeps its own children hidden
    EXPECT_EQ(t.Shown(), (Texts{"P0", "C1", "C4", "P5"}));
    t.grid.SetRowExpanded(1, true);
    EXPECT_EQ(t.Shown(), (Texts{"P0", "C1", "G2", "G3", "C4", "P5"}));
    // A child added under a collapsed parent starts hidden.
    t.grid.SetRowExpanded(0, false);
    const int shown = t.grid.GetShownRowCount();
    const int row = t.grid.AddChildRow(0);
    EXPECT_FALSE(t.grid.IsRowShown(row));
    EXPECT_EQ(t.grid.GetShownRowCount(), shown);
}

TEST(ReportGridTree, LastShownRowIsLookedUpAgainAfterACollapse) {
    TreeFixture t;
    t.grid.DeleteRow(5);  // P0's subtree is now the end
    EXPECT_EQ(t.grid.GetLastShownRow(), 4);
    t.grid.SetRowExpanded(0, false);
    EXPECT_EQ(t.grid.GetLastShownRow(), 0);
    t.grid.SelectCell(0, 0);
    t.grid.MoveDown(0, false, true);  // wraps from the last shown row to the first
    EXPECT_EQ(t.grid.SelectedRow(), 0);
}

TEST(ReportGridTree, SetRowVisibleActsOnTheRowsOwnFlag) {
    TreeFixture t;
    t.grid.SetRowExpanded(1, false);
    const int shown = t.grid.GetShownRowCount();
    t.grid.SetRowVisible(2, false);  // hidden by its parent, and now by itself too
    EXPECT_EQ(t.grid.GetShownRowCount(), shown);
    t.grid.SetRowExpanded(1, true);
    EXPECT_EQ(t.Shown(), (Texts{"P0", "C1", "G3", "C4", "P5"}));
    t.grid.SetRowVisible(2, true);
    EXPECT_EQ(t.Shown(), (Texts{"P0", "C1", "G2", "G3", "C4", "P5"}));
    // Showing a row its collapsed parent hides changes nothing.
    t.grid.SetRowExpanded(1, false);
    t.grid.SetRowVisible(3, true);
    EXPECT_EQ(t.Shown(), (Texts{"P0", "C1", "C4", "P5"}));
    t.grid.SetRowVisible(5, false);
    EXPECT_EQ(t.grid.GetLastShownRow(), 4);
}

TEST(ReportGridTree, DeletingAParentTakesItsDescendants) {
    TreeFixture t;
    t.grid.SelectCell(0, 5);
    t.grid.DeleteRow(1);
    EXPECT_EQ(t.Column(0), (Texts{"P0", "C4", "P5"}));
    EXPECT_EQ(t.grid.GetChildCount(0, false), 1);
    EXPECT_EQ(t.grid.GetRow(0).ChildCount, 1);
    EXPECT_EQ(t.grid.GetCellTextByVariant("nome", "Selected"), "P5");
}

TEST(ReportGridFooter, AggregatesOverTheRowsCounted) {
    struct Case {
        TFormulaKind kind;
        bool shown_only;
        std::string caption;
    } cases[] = {
        {fkSum, false, "19"},   {fkAverage, false, "4.75"}, {fkAverage, true, "3"},
        {fkCount, true, "3"},   {fkDistinct, false, "3"},   {fkMaximum, false, "10"},
        {fkMinimum, true, "1"}, {fkCount, false, "4"},
    };
    for (const Case& c : cases) {
        GridFixture f;
        for (const char* v : {"1", "2", "6", "10"}) f.grid.SetCellText(2, f.grid.AddRow(), v);
        f.grid.SetCellText(0, 0, "x");
        f.grid.SetCellText(0, 1, "X");
        f.grid.SetCellText(0, 2, "y");
        f.grid.SetRowVisible(3, false);
        f.grid.Columns().GetItem(2).Footer().FormulaKind = c.kind;
        f.grid.Columns().GetItem(0).Footer().FormulaKind =
            c.kind == fkDistinct ? fkDistinct : fkNone;
        f.grid.CalculateFooter(c.shown_only);
        const int col = c.kind == fkDistinct ? 0 : 2;
        EXPECT_EQ(f.grid.Columns().GetItem(col).Footer().Caption(), c.caption) << c.kind;
    }
}

TEST(ReportGridFooter, DividesByTheRowsTheHandlerAccepts) {
    GridFixture f;
    for (const char* v : {"1", "2", "6", "100"}) f.grid.SetCellText(2, f.grid.AddRow(), v);
    TColumnFooter& footer = f.grid.Columns().GetItem(2).Footer();
    f.grid.on_calculate_row = [](int row, bool& accept) { accept = row != 3; };
    for (TFormulaKind kind : {fkAverage, fkCount}) {
        footer.FormulaKind = kind;
        f.grid.CalculateFooter(false);
        EXPECT_EQ(footer.FormulaValue, 3) << kind;
    }
    f.grid.on_footer_calculate = [](int, double& v) { v *= 2; };
    f.grid.CalculateFooter(false);
    EXPECT_EQ(footer.Caption(), "6");
}

TEST(ReportGridFooter, NoRowsGiveZero) {
    GridFixture f;
    TColumnFooter& footer = f.grid.Columns().GetItem(2).Footer();
    for (TFormulaKind kind : {fkAverage, fkCount, fkSum, fkMinimum}) {
        footer.FormulaKind = kind;
        footer.FormulaValue = 99;
        f.grid.CalculateFooter(true);
        EXPECT_EQ(footer.Caption(), "0") << kind;
        EXPECT_EQ(footer.FormulaValue, 0) << kind;
    }
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// A column whose cells have a play element, as the tree column's expand button.
class PlayColumn : public TGrCustomColumn {
  protected:
    std::unique_ptr<TColumnPlay> CreatePlay() override {
        return std::make_unique<TColumnPlay>(*this);
    }
};

TEST(ReportGridTree, ThePlayElementTogglesItsRow) {
    TreeFixture t;
    TGrCustomColumn& column = t.grid.Columns().Add(std::make_unique<PlayColumn>());
    TColumnPlay& play = *column.Play();
    play.Col = column.GetIndex();
    play.Row = 1;
    t.grid.PreparePlay(play);
    EXPECT_EQ(play.Level, 1);
    play.DoToggle();
    EXPECT_FALSE(t.grid.GetRowExpanded(1));
    EXPECT_EQ(t.Shown(), (Texts{"P0", "C1", "C4", "P5"}));
}

}  // namespace
}  // namespace kv
