// How a grid's columns fill its width at every scale.
#include "ui/grid/column_fit.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/test_driver.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

constexpr FitColumn Number(int w, int min = 8) {
    return {w, min, false, false};
}
constexpr FitColumn Text(int w) {
    return {w, 8, true, false};
}
constexpr FitColumn Named(int w, bool text = true) {
    return {w, 8, text, true};
}

TEST(ColumnFit, ScaledWidthsFillTheRoomFromTheirTextColumns) {
    const struct {
        const char* what;
        std::vector<FitColumn> columns;
        int room, m, d;
        std::vector<int> widths;
    } cases[] = {
        {"spare to the widest text column",
         {Number(50), Text(100), Text(80)},
         300,
         1,
         1,
         {50, 170, 80}},
        {"scaled, then the spare", {Number(30), Text(90)}, 200, 4, 3, {40, 160}},
        {"named columns share in proportion",
         {Named(100), Named(50, false), Text(50)},
         300,
         1,
         1,
         {166, 84, 50}},
        {"exactly fitting", {Number(50), Text(150)}, 200, 1, 1, {50, 150}},
        {"no text column keeps its widths", {Number(50)}, 100, 1, 1, {50}},
        {"no room known", {Number(30), Text(60)}, 0, 2, 1, {60, 120}},
        {"too wide: the text gives first", {Number(60), Text(200)}, 200, 1, 1, {60, 140}},
        {"then every column, to its minimum", {Number(100), Text(100)}, 120, 1, 1, {80, 40}},
        {"never below a minimum", {Number(100, 90), Number(100, 90)}, 100, 1, 1, {90, 90}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FitColumnWidths(c.columns, c.room, c.m, c.d), c.widths);
    }
}

constexpr FitColumn Measured(FitColumn c, int need) {
    c.need = need;
    return c;
}

// A text column whose texts would be cut takes the width measured columns leave unused: the
// most cut first, from the columns with most to spare, never more than it needs, never from a
// column below its own need or minimum, and never from a column not measured.
TEST(ColumnFit, CutTextTakesTheWidthOtherColumnsLeaveUnused) {
    const struct {
        const char* what;
        std::vector<FitColumn> columns;
        int room;
        std::vector<int> widths;
    } cases[] = {
        {"up to its need", {Measured(Text(80), 100), Measured(Number(60), 20)}, 140, {100, 40}},
        {"from the most unused first",
         {Measured(Text(80), 110), Measured(Number(40), 30), Measured(Number(60), 30)},
         180,
         {110, 40, 30}},
        {"two cut columns: the most cut first",
         {Measured(Text(80), 90), Measured(Text(50), 80), Measured(Number(60), 30)},
         190,
         {80, 80, 30}},
        {"nothing from a column not measured", {Measured(Text(80), 100), Number(60)}, 140, {80, 60}},
        {"nothing below a minimum", {Measured(Text(80), 100), Measured(Number(60, 55), 10)},
         140, {85, 55}},
        {"a column that fits gives nothing",
         {Measured(Text(80), 60), Measured(Number(60), 20)}, 140, {80, 60}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FitColumnWidths(c.columns, c.room, 1, 1), c.widths);
    }
}

TEST(ColumnFit, AScaledWindowsGridFillsItsWidthUntilTheUserSizesAColumn) {
    TestDriver d(800, 600);
    Form& form = d.screen().Create<Form>("form");
    form.SetBounds(0, 0, 400, 300);
    TReportGrid& grid = form.Add<TReportGrid>("grade");
    grid.SetBounds(0, 0, 300, 200);
    grid.SetOptions(TGridOptions{goHeader, goGrid});
    grid.FitColumns = true;
    grid.Columns().Add("gols", ckInteger).SetWidth(30);
    form.ScaleBy(4, 3);
    // A column added after the window scaled is given its designed width too.
    grid.Columns().Add("nome", ckString).SetWidth(90);
    grid.Columns().Add("idade", ckInteger).SetWidth(30);
    form.Show();
    d.Pump();
    EXPECT_EQ(grid.Columns().GetItem(0).Width(), 40);
    EXPECT_EQ(grid.Columns().GetItem(2).Width(), 40);
    EXPECT_EQ(grid.Columns().GetTotalWidth(), grid.ClientWidth());
    EXPECT_LT(grid.HorzScrollBar().Max(), grid.HorzScrollBar().PageSize());

    grid.FitColumns = false;
    grid.Columns().GetItem(1).SetWidth(500);
    d.Pump();
    EXPECT_EQ(grid.Columns().GetItem(1).Width(), 500);
}

}  // namespace
}  // namespace kv
