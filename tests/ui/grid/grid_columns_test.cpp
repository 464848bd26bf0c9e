#include "ui/grid/grid_columns.h"

#include <gtest/gtest.h>

#include <vector>

#include "grid_test_helpers.h"

namespace kv {
namespace {

TEST(GridColumns, NewColumnDefaults) {
    TGrCustomColumn column("x");
    EXPECT_EQ(column.Width(), 80);
    EXPECT_EQ(column.MinWidth, 8);
    EXPECT_EQ(column.Options().Bits(), 1038u);
    EXPECT_TRUE(column.Visible());
    EXPECT_EQ(column.Position(), -1);
}

TEST(GridColumns, AutoSizeSharesTheFreeWidth) {
    struct Case {
        std::vector<int> widths;
        std::vector<bool> auto_size;
        int available;
        std::vector<int> expected;
    } cases[] = {
        {{80, 80, 80}, {false, true, true}, 400, {80, 160, 160}},
        {{100, 100, 200}, {true, true, true}, 101, {25, 25, 51}},
        {{10, 30}, {true, true}, 100, {25, 75}},
    };
    for (const Case& c : cases) {
        TGrColumns columns;
        for (size_t i = 0; i < c.widths.size(); ++i) {
            auto column = std::make_unique<TGrCustomColumn>();
            column->SetWidth(c.widths[i]);
            if (c.auto_size[i]) column->SetOptions(column->Options().With(coAutoSize));
            columns.Add(std::move(column));
        }
        columns.available_width = [&] { return c.available; };
        columns.ApplyAutoSize(nullptr, false);
        std::vector<int> widths;
        for (int i = 0; i < columns.Count(); ++i) widths.push_back(columns.GetItem(i).Width());
        EXPECT_EQ(widths, c.expected);
    }
}

TEST(GridColumns, IndicatorLeavesTwelvePixelsLessToShare) {
    GridFixture f;
    SetClientBounds(f.grid, 412, 100);
    f.grid.Columns().Clear();
    TGrCustomColumn& c = f.grid.Columns().Add("a");
    c.SetOptions(c.Options().With(coAutoSize));
    EXPECT_EQ(c.Width(), 412);
    f.grid.SetOptions(f.grid.Options().With(goIndicator));
    f.grid.Columns().ApplyAutoSize(nullptr, false);
    EXPECT_EQ(c.Width(), 400);
    EXPECT_EQ(c.Left(), 12);
}

TEST(GridColumns, WidthIsHeldToMinWidthAndReportsTheChange) {
    GridFixture f;
    std::vector<int> deltas;
    f.grid.on_column_resize = [&](TGrCustomColumn&, int delta) { deltas.push_back(delta); };
    f.grid.Columns().GetItem(0).SetWidth(3);
    EXPECT_EQ(f.grid.Columns().GetItem(0).Width(), 8);
    EXPECT_EQ(deltas, std::vector<int>{-72});
    EXPECT_EQ(f.grid.Columns().GetItem(1).Left(), 8);
}

TEST(GridColumns, ByNameMovingAndHiding) {
    GridFixture f;
    TGrColumns& columns = f.grid.Columns();
    columns.Add("NOME");  // a second column of the same name: the first attached wins
    EXPECT_EQ(columns.ColumnByName("Nome")->GetIndex(), 0);
    EXPECT_EQ(columns.ColumnByName("idade"), nullptr);
    columns.MoveColumn(0, 2);
    std::vector<int> positions, indexes;
    for (int i = 0; i < columns.Count(); ++i) {
        positions.push_back(columns.GetItem(i).Position());
        indexes.push_back(columns.GetItem(i).GetIndex());
    }
    EXPECT_EQ(positions, (std::vector<int>{2, 0, 1, 3, 4}));
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_THROW(columns.MoveColumn(0, 9), GridError);
    TGrCustomColumn& valor = columns.GetItem(2);
    const int left = valor.Left();
    valor.SetVisible(false);
    EXPECT_EQ(valor.VisibleIndex(), -1);
    EXPECT_EQ(valor.Left(), left);
    EXPECT_EQ(columns.GetTotalWidth(), 4 * 80);
}

TEST(GridColumns, SearchColumnIsExclusive) {
    GridFixture f;
    TGrCustomColumn& a = f.grid.Columns().GetItem(0);
    TGrCustomColumn& b = f.grid.Columns().GetItem(1);
    a.SetOptions(a.Options().With(coSearchColumn));
    b.SetOptions(b.Options().With(coSearchColumn));
    EXPECT_FALSE(a.Options().Has(coSearchColumn));
    EXPECT_TRUE(b.Options().Has(coSearchColumn));
}

TEST(GridColumns, CellsFollowColumnInsertsAndDeletes) {
    GridFixture f;
    f.AddNames({"a", "b"});
    f.grid.SetCellText(1, 1, "7");
    std::vector<std::pair<TDataChange, int>> changes;
    f.grid.on_data_change = [&](TDataChange c, int i) { changes.emplace_back(c, i); };
    f.grid.Columns().Insert(0, std::make_unique<TGrCustomColumn>("novo"));
    EXPECT_EQ(f.grid.GetCellTextByVariant("gols", 1), "7");
    EXPECT_EQ(f.grid.GetCellTextByVariant("novo", 1), "");
    f.grid.Columns().Delete(0);
    EXPECT_EQ(f.grid.GetCellTextByVariant("gols", 1), "7");
    EXPECT_EQ(changes,
              (std::vector<std::pair<TDataChange, int>>{{dcInsertColumn, 0}, {dcDeleteColumn, 0}}));
    // The last column going empties the store; rows added later start from 0.
    while (f.grid.Columns().Count() > 0) f.grid.Columns().Delete(0);
    EXPECT_EQ(f.grid.GetRowCount(), 0);
    f.grid.Columns().Add("x");
    EXPECT_EQ(f.grid.AddRow(), 0);
}

TEST(GridColumns, FooterAssignCopiesEachTextToItsOwnField) {
    TGrCustomColumn a, b;
    a.Footer().TextBefore = "antes";
    a.Footer().TextAfter = "depois";
    a.Footer().FormulaKind = fkSum;
    b.Footer().Assign(a.Footer());
    EXPECT_EQ(b.Footer().TextBefore, "antes");
    EXPECT_EQ(b.Footer().TextAfter, "depois");
    EXPECT_EQ(b.Footer().FormulaKind, fkSum);
}

}  // namespace
}  // namespace kv
