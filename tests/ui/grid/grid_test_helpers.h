#pragma once
// A small grid for the tests: columns "nome" (text), "gols" (integer), "valor" (number) and
// "data" (date), under the neutral locale.

#include <string>
#include <vector>

#include "ui/grid/grid_locale.h"
#include "ui/grid/report_grid.h"

namespace kv {

// A date as the cells hold it.
inline double DateOf(int year, int month, int day) {
    double date = 0;
    GridEncodeDate(year, month, day, date);
    return date;
}

// Places the grid so that its client area, inside its border, is width x height.
inline void SetClientBounds(TGrCustomGridControl& grid, int width, int height) {
    const int frame = grid.FrameWidth();
    grid.SetBounds(0, 0, width + 2 * frame, height + 2 * frame);
}

struct GridFixture {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid{"gcelenco"};

    GridFixture() {
        grid.Columns().Add("nome", ckString);
        grid.Columns().Add("gols", ckInteger).SetSortType(stNumeric);
        grid.Columns().Add("valor", ckFloat).SetSortType(stNumeric);
        grid.Columns().Add("data", ckDate).SetSortType(stDate);
    }

    // One row a name, the name also in the value column when it is a number.
    void AddNames(const std::vector<std::string>& names) {
        for (const std::string& name : names) grid.SetCellText(0, grid.AddRow(), name);
    }
    std::vector<std::string> Column(int col) {
        std::vector<std::string> out;
        for (int r = 0; r < grid.GetRowCount(); ++r) out.push_back(grid.GetCellText(col, r));
        return out;
    }
};

}  // namespace kv
