#pragma once
// The columns of one grid, in two orders: the collection order (a column's index there is the
// column number of every cell and event, and never changes when columns are moved) and the
// display order, left to right (a column's Position). The collection lays the columns out,
// shares free width among the auto-size columns, finds columns by name and passes every change
// on to the grid through its hooks.

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/gfx/fonts.h"
#include "ui/grid/grid_column.h"

namespace kv {

class TGrColumns {
  public:
    TGrColumns() = default;
    ~TGrColumns();
    TGrColumns(const TGrColumns&) = delete;
    TGrColumns& operator=(const TGrColumns&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // GridError outside 0..Count()-1.
    TGrCustomColumn& GetItem(int index) const;
    TGrCustomColumn& GetPositionItem(int position) const;
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
    int IndexOf(const TGrCustomColumn* column) const;

    // Appends a column at the right end; the store makes its cells. Refused with GridError when
    // the grid has no room for another column.
    TGrCustomColumn& Add(std::unique_ptr<TGrCustomColumn> column);
    // A plain column of a kind.
    TGrCustomColumn& Add(std::string name, TColumnKind kind = ckString);
    // Inserts at a collection index (and at the same display position).
    TGrCustomColumn& Insert(int index, std::unique_ptr<TGrCustomColumn> column);
    void Delete(int index);
    void Clear();
    // Moves a column in the display order only.
    void MoveColumn(int from_position, int to_position);

    // The first column of that name, letters compared without regard to case; null when none.
    TGrCustomColumn* ColumnByName(std::string_view name) const;

    int GetTotalWidth() const;
    int VisibleCount() const;
    // Visible and enabled, in display order; null when none.
    TGrCustomColumn* FirstVisibleColumn() const;
    TGrCustomColumn* LastVisibleColumn() const;
    // The nearest such column after or before, or the column itself.
    TGrCustomColumn* NextVisibleColumn(TGrCustomColumn& column) const;
    TGrCustomColumn* PrevVisibleColumn(TGrCustomColumn& column) const;

    int FixedCols() const { return fixed_cols_; }
    void SetFixedCols(int value);
    int FixedWidth() const { return fixed_width_; }

    // Lefts and visible indexes from the display order; with `update_positions` the Position of
    // every column is renumbered too.
    void RecalcPositions(bool update_positions);
    // Shares the width still free among the visible auto-size columns at and after `column`
    // (after it unless `inclusive`; all when null), in proportion to their widths.
    void ApplyAutoSize(TGrCustomColumn* column, bool inclusive);
    // Gives the columns the widths a fit found, keeping the widths they were set to.
    void ApplyFittedWidths(std::span<const std::pair<TGrCustomColumn*, int>> widths);

    // The grid's hooks.
    std::function<void(TGrCustomColumn&, int kind, int param)> on_column_change;
    std::function<void(int kind, int param1, int param2)> on_structure_change;
    std::function<void(int kind, int param1, int param2)> on_after_structure_change;
    std::function<void(TGrCustomColumn&, TColumnArea)> on_refresh_column;
    // Where the body starts (after the indicator) and how wide the grid's client area is less
    // the indicator; the font columns follow.
    std::function<int()> body_left;
    std::function<int()> available_width;
    std::function<Font()> grid_font;

    void DoColumnChange(TGrCustomColumn& column, int kind, int param);
    void RefreshColumn(TGrCustomColumn& column, TColumnArea area);

  private:
    void Attach(TGrCustomColumn& column);

    std::vector<std::unique_ptr<TGrCustomColumn>> items_;
    std::vector<TGrCustomColumn*> position_items_;
    int fixed_cols_ = 0;
    int fixed_width_ = 0;
};

}  // namespace kv
