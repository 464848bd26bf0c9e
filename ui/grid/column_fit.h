#pragma once
// How a report grid's shown columns fill its width. Windows give their columns the widths of
// the 800x600 design; on a larger screen the window, its fonts and its grids grow, so the
// columns grow with them, and a grid wider than its columns gives the spare width to the
// columns that hold the longest texts rather than leave a third of the list empty. Columns too
// wide for the grid give up width, so that no horizontal scroll bar hides the last row while
// they can fit.

#include <span>
#include <vector>

namespace kv {

struct FitColumn {
    int designed = 0;          // the width the window gave it
    int min_width = 8;         // never narrower
    bool text = false;         // holds free text (names, clubs), not numbers or pictures
    bool takes_spare = false;  // named by the window to take the spare width
    int need = 0;              // the width its widest content takes; 0 when not measured
};

// The widths of the columns: each designed width scaled by numerator / denominator, then the
// spare width of `room` added to the columns that take it (in proportion to their widths; with
// none named, all of it to the widest text column), or the excess taken from the text columns
// (down to half their width) and then from every column in proportion, never below a column's
// minimum. Last, a text column narrower than its measured need (its texts cut short) takes the
// width measured columns wider than their own needs do not use, up to its need.
std::vector<int> FitColumnWidths(std::span<const FitColumn> columns, int room, int numerator,
                                 int denominator);

}  // namespace kv
