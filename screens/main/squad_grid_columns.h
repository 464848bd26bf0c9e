#pragma once
// The columns of a squad list, built from a table: the main window's and the national-team
// hub's lists share their kinds of column and how each kind is drawn.

#include <functional>
#include <span>
#include <string_view>

namespace kv {

class ImageList;
class TGrCustomColumn;
class TReportGrid;

enum class ColumnClass { kText, kNumber, kImage, kProgress };

struct SquadColumn {
    const char* name;
    const char* header;
    int width;
    ColumnClass kind;
    bool visible;
    bool centred = false;
};

// Adds the column to the grid with its header, width and visibility. A picture column shows
// `images`; a bar column is the energy gradient with its value inside. Pictures and bars read
// whole numbers.
TGrCustomColumn& AddSquadColumn(TReportGrid& grid, const SquadColumn& c, ImageList* images);

// The visible columns fill the grid: those `fixed` names keep the widths they have, the others
// share the spare width in proportion to the widths they have (the grid's own fitting rule).
void FitSquadColumns(TReportGrid& grid, std::span<const SquadColumn> columns,
                     const std::function<bool(std::string_view)>& fixed);

}  // namespace kv
