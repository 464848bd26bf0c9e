#pragma once
// The grid the game's windows place: the grid core bound to a cell store, with tree rows
// (parent, level, expanded), sorting by a column, footer aggregates and the cell formatting
// event. The usual use:
//
//   grid.BeginUpdate();
//   for (...) {
//       const int row = grid.AddRow();
//       grid.SetCellTextByVariant("nome", row, name);
//   }
//   grid.EndUpdate();
//   ... grid.GetCellTextByVariant("nome", "Selected") ...
//
// Reading or writing a cell's text out of range reads empty text and writes nothing; every
// other operation given a row or column that does not exist throws GridError.

#include <functional>
#include <memory>
#include <string>

#include "ui/grid/grid_cells.h"
#include "ui/grid/grid_control.h"

namespace kv {

class TReportGrid : public TGrCustomGridControl {
  public:
    explicit TReportGrid(std::string name = {});
    ~TReportGrid() override;

    std::string ClassName() const override { return "TReportGrid"; }
    TCells& Cells() { return *cells_; }

    // --- cells
    TCell& GetCell(int col, int row);
    TCell& GetCellByVariant(const CellKey& column, const CellKey& row);
    std::string GetCellText(int col, int row) override;
    void SetCellText(int col, int row, std::string_view value) override;
    void GetCellInfo(int col, int row, TCellInfo& info) override;
    void GetDrawText(int col, int row, std::string& text) override;
    void GetFitHintText(int col, int row, std::string& text) override;
    void GetCellHint(int col, int row, std::string& hint) override;
    TColor GetCellColor(int col, int row) override;
    bool IsCellHidden(int col, int row) override;
    // The text colour and font style a cell is drawn with, after OnCellFormating.
    void FormatCell(int col, int row, TCellState state, TColor& text_color, FontStyles& style);

    // --- rows
    int GetRowCount() const override { return cells_->RowCount(); }
    int GetShownRowCount() const override { return cells_->VisibleRowCount(); }
    TRow& GetRow(int index) { return cells_->GetRow(index); }
    bool GetSelected(int index) const override;
    void SetSelected(int index, bool value) override;
    int GetRowHeight(int index) const override;
    int GetRowImageIndex(int index) const override;
    int GetRowLevel(int index) const override;
    bool IsRowShown(int index) const override;
    bool GetRowExpanded(int index) const { return cells_->GetRow(index).Expanded; }
    // -1 for a top row.
    int GetParentRow(int index) const;
    int GetNextSibling(int index) const;
    int GetChildCount(int index, bool all_descendants) const;

    // Appends rows; returns the last one's index (LastAddedRow). Nothing for count < 1.
    int AddRow(int count = 1) override;
    // A child of a row, right under it or after its other descendants.
    int AddChildRow(int parent_index, bool after_children = true);
    // Empty rows with no default values, events or scrolling.
    void AppendRows(int count);
    // An empty top row at `index`; the selection moves down by one (the windows rely on it).
    void InsertRow(int index) override;
    // The row and its descendants; a selection below moves up with its row.
    void DeleteRow(int index) override;
    void ClearRows() override;
    void MoveRow(int from, int to) override;
    void SwapRows(int a, int b) override;
    void SetRowExpanded(int index, bool expanded);
    // The row's own visibility; a row a collapsed parent hides keeps its own flag.
    void SetRowVisible(int index, bool visible) override;
    void SetRowHeight(int index, int height) override;
    void SetRowSize(int value) override;
    void SelectRange(int from, int to, bool value) override;
    int LastAddedRow() const { return last_added_row_; }

    int StartRowCount() const { return start_row_count_; }
    void SetStartRowCount(int value);

    // --- sorting and footers
    void SortColumn(TGrCustomColumn& column, bool ascending) override;
    void CalculateFooter(bool shown_only) override;

    // --- play elements: the tree button toggles its row; a cell's value goes into the element
    // before it is painted or used.
    void TogglePlayRow(TColumnPlay& play);
    void PreparePlay(TColumnPlay& play) override;

    // --- tree drawing
    // NextSibling of the row, then the row becomes its parent: one step up its ancestors.
    void GetTreeLinks(int& index, int& next_sibling) const;

    std::function<void(int col, int row, TColor& text_color, FontStyles& style, TCellState state)>
        on_cell_formating;
    std::function<void(const TCell& a, const TCell& b, int& compare)> on_compare;
    std::function<void(int row)> on_expand;

  protected:
    bool ApplyCellFont(int col, int row, TCellState state, Canvas& canvas,
                       TColumnDisplay& display) override;
    void ColumnsChanged(int kind, int param1, int param2) override;

  private:
    void ApplyDefaultValues(int from, int to);
    void CellChanged(int col, int row);
    // Keeps the top row on the same rows when one appears or goes above it.
    void RowAppeared(int index);
    void RowDisappeared(int index);

    std::unique_ptr<TCells> cells_;
    int last_added_row_ = 0;
    int start_row_count_ = 0;
};

}  // namespace kv
