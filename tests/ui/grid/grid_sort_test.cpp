#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid_test_helpers.h"

namespace kv {
namespace {

using Texts = std::vector<std::string>;

// Sorting by text, number and date in both directions, with ties; the name column shows that
// whole rows move together.
TEST(GridSort, ByEachKindInBothDirections) {
    struct Case {
        const char* column;
        Texts values;
        bool ascending;
        Texts expected;
    } cases[] = {
        {"nome", {"b", "a", "B", "", "a"}, true, {"", "B", "a", "a", "b"}},
        {"nome", {"b", "a", "B", "", "a"}, false, {"b", "a", "a", "B", ""}},
        {"gols", {"10", "9", "10", "-3", "0"}, true, {"-3", "0", "9", "10", "10"}},
        {"gols", {"10", "9", "10", "-3", "0"}, false, {"10", "10", "9", "0", "-3"}},
        {"valor",
         {"2.5", "2.25", "100", "2.5", "-0.5"},
         true,
         {"-0.5", "2.25", "2.5", "2.5", "100"}},
        {"valor",
         {"2.5", "2.25", "100", "2.5", "-0.5"},
         false,
         {"100", "2.5", "2.5", "2.25", "-0.5"}},
        {"data",
         {"2014-05-01", "2013-12-31", "2014-05-01", "1999-01-01"},
         true,
         {"1999-01-01", "2013-12-31", "2014-05-01", "2014-05-01"}},
        {"data",
         {"2014-05-01", "2013-12-31", "2014-05-01", "1999-01-01"},
         false,
         {"2014-05-01", "2014-05-01", "2013-12-31", "1999-01-01"}},
    };
    for (const Case& c : cases) {
        GridFixture f;
        TGrCustomColumn& column = *f.grid.GetColumnByName(c.column);
        for (size_t i = 0; i < c.values.size(); ++i) {
            const int row = f.grid.AddRow();
            f.grid.SetCellTextByVariant(c.column, row, c.values[i]);
            f.grid.SetCellText(0, row, c.values[i]);  // the name follows its row
        }
        f.grid.SortColumn(column, c.ascending);
        EXPECT_EQ(f.Column(column.GetIndex()), c.expected) << c.column << " " << c.ascending;
        EXPECT_EQ(f.Column(0), c.expected) << "rows stay whole";
    }
}

TEST(GridSort, ReverseShortcutThenFullResortAfterAChange) {
    GridFixture f;
    TGrCustomColumn& gols = *f.grid.GetColumnByName("gols");
    for (const char* text : {"10", "9", "10"}) f.grid.SetCellText(1, f.grid.AddRow(), text);
    f.grid.SetCellText(0, 0, "first ten");
    f.grid.SortColumn(gols, true);
    EXPECT_EQ(f.Column(1), (Texts{"9", "10", "10"}));
    const Texts names_up = f.Column(0);
    f.grid.SortColumn(gols, false);  // nothing changed: the rows are only reversed
    Texts reversed = names_up;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(f.Column(0), reversed);
    EXPECT_TRUE(f.grid.Cells().Sorted());
    f.grid.SetCellText(1, 0, "1");
    EXPECT_FALSE(f.grid.Cells().Sorted());
    f.grid.SortColumn(gols, false);
    EXPECT_EQ(f.Column(1), (Texts{"10", "9", "1"}));
}

TEST(GridSort, DottedAddressesWeighTheLastNumberFirst) {
    GridFixture f;
    TGrCustomColumn& nome = *f.grid.GetColumnByName("nome");
    nome.SetSortType(stIP);
    f.AddNames({"10.0.0.2", "192.168.0.1", ""});
    f.grid.SortColumn(nome, true);
    EXPECT_EQ(f.Column(0), (Texts{"", "192.168.0.1", "10.0.0.2"}));
    f.grid.SetCellText(0, 0, "1..2");
    EXPECT_THROW(f.grid.SortColumn(nome, true), GridConvertError);
}

TEST(GridSort, EmptyAndSingleRowSortToThemselves) {
    GridFixture f;
    TGrCustomColumn& gols = *f.grid.GetColumnByName("gols");
    f.grid.SortColumn(gols, true);
    f.grid.AddRow();
    f.grid.SortColumn(gols, true);
    f.grid.SortColumn(gols, false);
    EXPECT_EQ(f.grid.GetRowCount(), 1);
}

// A handler that contradicts itself must not make the sort read outside the rows or loop.
TEST(GridSort, NeverScansPastItsRangeWhateverTheComparisonAnswers) {
    struct Case {
        const char* name;
        std::function<void(const TCell&, const TCell&, int&)> compare;
    } cases[] = {
        {"always less", [](const TCell&, const TCell&, int& c) { c = -1; }},
        {"always greater", [](const TCell&, const TCell&, int& c) { c = 1; }},
        {"alternating", [n = 0](const TCell&, const TCell&, int& c) mutable { c = (n++ % 3) - 1; }},
        {"no handler", nullptr},
    };
    for (const Case& c : cases) {
        GridFixture f;
        TGrCustomColumn& nome = *f.grid.GetColumnByName("nome");
        nome.SetSortType(stCustom);
        for (int i = 0; i < 200; ++i) f.grid.SetCellText(0, f.grid.AddRow(), std::to_string(i));
        f.grid.on_compare = c.compare;
        f.grid.SortColumn(nome, true);
        f.grid.SortColumn(nome, false);
        Texts names = f.Column(0);
        std::sort(names.begin(), names.end());
        Texts expected;
        for (int i = 0; i < 200; ++i) expected.push_back(std::to_string(i));
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected) << c.name << ": every row is still there once";
    }
}

TEST(GridSort, CustomComparisonSortsByTheHandler) {
    GridFixture f;
    TGrCustomColumn& nome = *f.grid.GetColumnByName("nome");
    nome.SetSortType(stCustom);
    f.AddNames({"ccc", "a", "bb"});
    f.grid.on_compare = [](const TCell& a, const TCell& b, int& c) {
        c = int(a.GetAsString().size()) - int(b.GetAsString().size());
    };
    f.grid.SortColumn(nome, true);
    EXPECT_EQ(f.Column(0), (Texts{"a", "bb", "ccc"}));
}

TEST(GridSort, SelectionFollowsItsRowAndEventsReportTheDirectionSorted) {
    GridFixture f;
    TGrCustomColumn& gols = *f.grid.GetColumnByName("gols");
    gols.SetSortKind(skAscending);
    for (const char* text : {"3", "1", "2"}) f.grid.SetCellText(1, f.grid.AddRow(), text);
    f.grid.SelectCell(0, 0);  // the row of 3
    std::vector<std::pair<int, bool>> sorted;
    int after = -1;
    f.grid.on_sort_column = [&](int col, bool ascending) { sorted.emplace_back(col, ascending); };
    f.grid.on_after_sort = [&](int col) { after = col; };
    f.grid.SortColumn(gols, false);
    ASSERT_EQ(sorted.size(), 1u);
    EXPECT_EQ(sorted[0], std::make_pair(1, false));  // not the column's SortKind
    EXPECT_EQ(after, 1);
    EXPECT_EQ(f.grid.GetCellTextByVariant("gols", "Selected"), "3");
    EXPECT_EQ(f.grid.SelectedRow(), 0);
    f.grid.SortColumn(gols, true);
    EXPECT_EQ(f.grid.SelectedRow(), 2);
    EXPECT_EQ(sorted.back(), std::make_pair(1, true));
}

TEST(GridSort, ColumnsThatCannotSortAndSortedFlag) {
    GridFixture f;
    TGrCustomColumn& nome = *f.grid.GetColumnByName("nome");
    TGrCustomColumn& gols = *f.grid.GetColumnByName("gols");
    f.AddNames({"b", "a"});
    nome.SetOptions(nome.Options().Without(coCanSort));
    int events = 0;
    f.grid.on_sort_column = [&](int, bool) { ++events; };
    f.grid.SortColumn(nome, true);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(f.Column(0), (Texts{"b", "a"}));
    // At most one column is Sorted; becoming so sorts by it.
    nome.SetOptions(nome.Options().With(coCanSort));
    nome.SetSorted(true);
    EXPECT_EQ(f.Column(0), (Texts{"a", "b"}));
    gols.SetSorted(true);
    EXPECT_FALSE(nome.Sorted());
    EXPECT_TRUE(gols.Sorted());
}

}  // namespace
}  // namespace kv
