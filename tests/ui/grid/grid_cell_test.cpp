#include "ui/grid/grid_cell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "grid_test_helpers.h"

namespace kv {
namespace {

// A grid with one row and one column of the kind, counting the changes its cell reports.
struct OneCell {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid;
    int changes = 0;
    explicit OneCell(TColumnKind kind) {
        grid.Columns().Add("c", kind);
        grid.AddRow();
        grid.on_change = [this](int, int) { ++changes; };
    }
    TCell& cell() { return grid.GetCell(0, 0); }
};

TEST(GridCell, IntegerCell) {
    OneCell g(ckInteger);
    g.cell().SetAsString("");
    EXPECT_EQ(g.cell().GetAsInteger(), 0);
    g.cell().SetAsInteger(-5);
    EXPECT_FALSE(g.cell().GetAsBoolean());
    const int before = g.changes;
    try {
        g.cell().SetAsString("12a");
        FAIL();
    } catch (const GridConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("12a"), std::string::npos);
    }
    EXPECT_EQ(g.cell().GetAsInteger(), -5);
    EXPECT_EQ(g.changes, before);  // a failed write reports nothing
    g.cell().SetAsFloat(2.5);
    EXPECT_EQ(g.cell().GetAsInteger(), 2);
    g.cell().SetAsFloat(1e12);  // clamped, not overflowed
    EXPECT_EQ(g.cell().GetAsInteger(), INT32_MAX);
    EXPECT_THROW(g.cell().SetAsFloat(std::nan("")), GridConvertError);
}

TEST(GridCell, FloatCellRoundsHalvesToEvenAndRefusesNonFinite) {
    OneCell g(ckFloat);
    struct Case {
        double value;
        int as_integer;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {1e300, INT32_MAX}};
    for (const Case& c : cases) {
        g.cell().SetAsFloat(c.value);
        EXPECT_EQ(g.cell().GetAsInteger(), c.as_integer) << c.value;
    }
    g.cell().SetAsFloat(7);
    EXPECT_THROW(g.cell().SetAsString(""), GridConvertError);
    EXPECT_THROW(g.cell().SetAsString("nan"), GridConvertError);
    EXPECT_THROW(g.cell().SetAsFloat(INFINITY), GridConvertError);
    EXPECT_EQ(g.cell().GetAsFloat(), 7);
    EXPECT_EQ(g.cell().GetAsString(), "7");
}

TEST(GridCell, DateCellStoresZeroForUnreadableText) {
    OneCell g(ckDate);
    g.cell().SetAsString("2014-12-31");
    EXPECT_EQ(g.cell().GetAsString(), "2014-12-31");
    const int before = g.changes;
    g.cell().SetAsString("no date");
    EXPECT_EQ(g.cell().GetAsDateTime(), 0);
    EXPECT_EQ(g.changes, before + 1);
    g.cell().SetAsString("");
    EXPECT_EQ(g.cell().GetAsString(), "1899-12-30");
    g.cell().SetAsFloat(41999.75);
    EXPECT_EQ(g.cell().GetAsInteger(), 41999);  // truncated
}

TEST(GridCell, BooleanCellTexts) {
    OneCell g(ckBoolean);
    struct Case {
        const char* text;
        bool value;
    } cases[] = {{"1", true},    {"TRUE", true}, {"true", true},
                 {"yes", false}, {"0", false},   {"", false}};
    for (const Case& c : cases) {
        g.cell().SetAsString(c.text);
        EXPECT_EQ(g.cell().GetAsBoolean(), c.value) << c.text;
    }
    g.cell().SetAsBoolean(true);
    EXPECT_EQ(g.cell().GetAsString(), "True");
}

TEST(GridCell, StringCellConversions) {
    OneCell g(ckString);
    EXPECT_EQ(g.cell().GetAsDateTime(), 0);
    EXPECT_THROW(g.cell().GetAsFloat(), GridConvertError);
    g.cell().SetAsFloat(2.5);
    EXPECT_EQ(g.cell().GetAsString(), "2.5");
    {
        ScopedGridLocale br(BrazilianGridLocale());
        g.cell().SetAsFloat(1234.5);
        EXPECT_EQ(g.cell().GetAsString(), "1234,5");
        EXPECT_EQ(g.cell().GetAsFloat(), 1234.5);
    }
}

TEST(GridCell, IncrementCellIsItsRowNumber) {
    ScopedGridLocale locale(NeutralGridLocale());
    TReportGrid grid;
    grid.Columns().Add("n", ckIncrement);
    grid.AddRow(5);
    int changes = 0;
    grid.on_change = [&](int, int) { ++changes; };
    TCell& cell = grid.GetCell(0, 4);
    EXPECT_EQ(cell.GetAsInteger(), 5);
    EXPECT_EQ(cell.GetAsString(), "5");
    cell.Clear();
    cell.SetAsString("9");
    EXPECT_EQ(changes, 0);
}

TEST(GridCell, GuidCellsAreFreshAndRefuseOtherTexts) {
    TReportGrid grid;
    grid.Columns().Add("id", ckGuid);
    grid.AddRow(20);
    std::set<std::string> seen;
    for (int r = 0; r < 20; ++r) {
        const std::string text = grid.GetCellText(0, r);
        EXPECT_EQ(text.size(), 38u);
        EXPECT_EQ(text.front(), '{');
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 20u);
    TCell& cell = grid.GetCell(0, 0);
    EXPECT_THROW(cell.SetAsInteger(3), GridConvertError);
    cell.SetAsString("{0123ABCD-0000-4000-8000-00000000000F}");
    EXPECT_EQ(cell.GetAsString(), "{0123ABCD-0000-4000-8000-00000000000F}");
}

TEST(GridCell, HintsReportChangesOnlyOnceSetUp) {
    OneCell g(ckString);
    EXPECT_EQ(g.changes, 0);  // the store's colour set-up of the new cell reported nothing
    g.cell().SetHint("R$ 1.234.567,00");
    EXPECT_EQ(g.changes, 1);
    std::string hint;
    g.grid.GetCellHint(0, 0, hint);
    EXPECT_EQ(hint, "R$ 1.234.567,00");
}

}  // namespace
}  // namespace kv
