#pragma once
// The two columns every country list of the game shares: the country's flag, from the flags
// read at start-up, and the tick box whose cell text is "0" (unticked) or "1" (ticked).

#include <functional>
#include <string>
#include <string_view>

namespace kv {

class TGrCustomColumn;
class TReportGrid;

// A column whose cells show the flag SetFlagCell gives them, fitted to the row.
TGrCustomColumn& AddFlagColumn(TReportGrid& grid, std::string name);
// The cell shows the flag of `country` (0..201); no picture for any other value or before the
// flags are read.
void SetFlagCell(TReportGrid& grid, std::string_view column, int row, int country);
// The same for the flag of a state (0..26) in a column made by AddFlagColumn.
void SetStateFlagCell(TReportGrid& grid, std::string_view column, int row, int state);

// A column that draws an empty box for "0" and a ticked box for "1"; the text stays the value
// the windows read and write.
TGrCustomColumn& AddTickColumn(TReportGrid& grid, std::string name);

// A left click with the mouse on a cell of the grid calls `click` with that cell; moving
// through the list with the keyboard does not.
void OnCountryCellClick(TReportGrid& grid, std::function<void(int col, int row)> click);

}  // namespace kv
