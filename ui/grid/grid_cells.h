#pragma once
// The cell store behind the report grid: the cells kept column by column (the cell of column c
// and row r is item r of column list c) and one TRow per row with its tree, selection,
// visibility and height state. It knows the grid's columns only to make each column's cells.
//
// Every index is checked: a row or column outside the store, or a column past the store's room
// of kMaxGridColumns, throws GridError before anything changes.

#include <functional>
#include <memory>
#include <vector>

#include "platform/gfx/colors.h"
#include "ui/grid/grid_cell.h"
#include "ui/grid/grid_types.h"

namespace kv {

class TGrColumns;

// Room for this many columns; one more is refused.
constexpr int kMaxGridColumns = 1025;

class TRow {
  public:
    int ChildCount = 0;
    bool Expanded = true;
    int ImageIndex = -1;
    int Level = 0;  // 0 for a top row, the parent's + 1 for a child
    TRow* ParentRow = nullptr;
    int Height = 0;
    bool Selected = false;
    bool Shown = true;    // false while a collapsed ancestor hides the row
    bool Visible = true;  // the row's own visibility

    void IncChildCount() { ++ChildCount; }
    void DecChildCount() { --ChildCount; }
    void ClearChildCount() { ChildCount = 0; }
    bool HasChildren() const { return ChildCount > 0; }
    // On screen: shown by its ancestors and visible by itself.
    bool Displayed() const { return Shown && Visible; }
};

class TCells {
  public:
    explicit TCells(TGrColumns& columns) : columns_(&columns) {}
    ~TCells();
    TCells(const TCells&) = delete;
    TCells& operator=(const TCells&) = delete;

    // Records (ACol, ARow) as the current position that cells report.
    TCell& GetCell(int col, int row);
    TRow& GetRow(int index);
    const TRow& GetRow(int index) const;
    // -1 when the record is not in the store.
    int IndexOfRow(const TRow* row) const;
    // The size of the row's subtree: following rows with a greater Level.
    int GetDescendantCount(int index) const;
    // Within that subtree, the rows one level below.
    int GetChildCount(int index) const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return static_cast<int>(columns_cells_.size()); }
    int VisibleRowCount() const { return visible_row_count_; }
    int CurrentColumn() const { return current_column_; }
    int CurrentRow() const { return current_row_; }
    bool Sorted() const { return sorted_; }
    int SortedColumn() const { return sorted_column_; }
    bool SortDescending() const { return sort_descending_; }
    int RowHeight() const { return row_height_; }
    void SetRowHeight(int height) { row_height_ = height; }

    // --- rows
    void AddRows(int count);
    void AddChildRow(int parent_index, int index);
    void InsertRow(int index);
    // Frees the row and its cells; its children and its parent's count are the grid's care.
    void DeleteRow(int index);
    void ClearRows();
    void MoveRow(int from, int to);
    void ExchangeRows(int a, int b);
    void SetRowShown(int index, bool value);
    void SetRowVisible(int index, bool value);

    // --- columns: 0 added (the collection's last), 1 deleted, 2 cleared, 3 inserted, 4 moved.
    void ColumnsChanged(int kind, int param1, int param2);
    void AddColumn();
    void DeleteColumn(int index);
    void ClearColumns();
    void InsertColumn(int index);
    void MoveColumn(int from, int to);

    // Sorts every row by the cells of one column. Re-sorting the column just sorted, in the
    // other direction and with nothing changed between, only reverses the rows unless
    // `full_resort`. A conversion error of a cell leaves the sort and reaches the caller.
    void Sort(int col, TSortType type, bool descending, bool full_resort);

    // Told of every change of a cell's value, colour or hint, with the current position.
    std::function<void(int col, int row)> on_cell_change;
    // The comparison of stCustom: starts at 0; below 0 when a < b, above when a > b.
    std::function<void(const TCell& a, const TCell& b, int& compare)> on_compare;
    // The colours the grid paints a cell with; without them the cell's own.
    std::function<TColor(int col, int row)> display_color;
    std::function<TColor(int col, int row)> display_text_color;

    // Called by the cells.
    void DoCellChange();
    TColor DisplayColor(int col, int row);
    TColor DisplayTextColor(int col, int row);

  private:
    using Column = std::vector<std::unique_ptr<TCell>>;
    std::unique_ptr<TCell> CreateCell(int col, bool inserted);
    std::unique_ptr<TRow> NewRow() const;
    void CheckRow(int index, const char* what) const;
    void CheckColumn(int index, const char* what) const;
    void InsertCells(int row, bool inserted);
    void QuickSort(int col, int lo, int hi, bool descending,
                   const std::function<bool(const TCell&, const TCell&)>& at_least);

    TGrColumns* columns_;
    std::vector<Column> columns_cells_;
    std::vector<std::unique_ptr<TRow>> rows_;
    int current_column_ = 0;
    int current_row_ = 0;
    int row_height_ = 16;
    bool sorted_ = false;
    int sorted_column_ = 0;
    bool sort_descending_ = false;
    int visible_row_count_ = 0;
};

// The dotted address of a text (four numbers, the fourth the most significant) and the test
// a >= b of two of them. Further numbers are ignored; a part with no digit is refused.
struct IPAddress {
    int part[4] = {0, 0, 0, 0};
};
IPAddress ParseIPAddress(std::string_view text);
bool CompareIPAddress(std::string_view a, std::string_view b);

}  // namespace kv
