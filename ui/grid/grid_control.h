#pragma once
// The grid core: options, colours, sizes, the column collection, the selection, the update
// counter and the row bookkeeping every row operation shares (the top row, and the first and
// last rows that are shown). The data operations are left to the grid that holds the data
// (TReportGrid).
//
// Cells are addressed by column and row numbers, or through ResolveCellAddress by words: a
// column's name (letters compared without regard to case), a number, or one of "First",
// "Last" and "Selected".

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gfx/colors.h"
#include "platform/gfx/geometry.h"
#include "platform/window/form.h"
#include "platform/window/timer.h"
#include "ui/grid/column_display.h"
#include "ui/grid/grid_column.h"
#include "ui/grid/grid_columns.h"
#include "ui/grid/grid_displays.h"
#include "ui/grid/grid_types.h"
#include "ui/grid/scroll_control.h"

namespace kv {

class TCell;
class TColumnDragBox;
class TDragArrow;
class TGrCustomEdit;

// A column or row as the game names it: a number, a name, or "First", "Last", "Selected".
class CellKey {
  public:
    CellKey(int index) : text_(std::to_string(index)) {}
    CellKey(std::string_view text) : text_(text) {}
    CellKey(const char* text) : text_(text) {}
    CellKey(const std::string& text) : text_(text) {}
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

class TGrCustomGridControl : public TGrScrollControl {
  public:
    explicit TGrCustomGridControl(std::string name = {});
    ~TGrCustomGridControl() override;

    // The class name the error messages give.
    virtual std::string ClassName() const { return "TGrCustomGridControl"; }

    // --- columns
    TGrColumns& Columns() { return *columns_; }
    const TGrColumns& Columns() const { return *columns_; }
    // The column of that name, or null.
    TGrCustomColumn* GetColumnByName(std::string_view name) const;
    // The shown columns fill the grid's width before every paint (see column_fit.h): their set
    // widths grow with the grid's scale, and the spare width goes to the columns named here
    // or, with none named, to the widest text column. Off once the user sizes a column, and
    // for a grid whose own auto-size columns already fill it. Windows' grids, made from their
    // layout tables, fit; a grid made in code fits when asked to.
    bool FitColumns = false;
    std::vector<std::string> FitSpareTo;
    // The fitting also measures the texts of the columns (up to kFitMeasuredRows rows): a text
    // column whose texts would be cut short takes the width other columns do not use.
    bool FitToContents = false;
    static constexpr int kFitMeasuredRows = 400;
    void FitColumnsToWidth();
    // Grows the control, its font and the widths its columns are fitted from.
    void ScaleBy(int m, int d) override;

    // --- addressing
    // The row first, then the column; a word that is neither a keyword, a column's name nor a
    // number throws GridError ("Invalid Rowname '%s' for '%s:%s'." and "Invalid Columnname
    // ..."). A number is passed on as it is: the cell operations check it.
    void ResolveCellAddress(const CellKey& column, const CellKey& row, int& col,
                            int& row_index) const;
    std::string GetCellTextByVariant(const CellKey& column, const CellKey& row);
    void SetCellTextByVariant(const CellKey& column, const CellKey& row, std::string_view value);

    // --- data, held by the descendant
    virtual int GetRowCount() const = 0;
    virtual int GetShownRowCount() const = 0;
    // Empty out of range.
    virtual std::string GetCellText(int col, int row) = 0;
    // Writes nothing out of range.
    virtual void SetCellText(int col, int row, std::string_view value) = 0;
    virtual void GetCellInfo(int col, int row, TCellInfo& info) = 0;
    virtual void GetDrawText(int col, int row, std::string& text) = 0;
    virtual void GetFitHintText(int col, int row, std::string& text) = 0;
    virtual bool GetSelected(int index) const = 0;
    virtual void SetSelected(int index, bool value) = 0;
    virtual int AddRow(int count = 1) = 0;
    virtual void CalculateFooter(bool shown_only) = 0;
    virtual void SelectRange(int from, int to, bool value) = 0;
    virtual void SwapRows(int a, int b) = 0;
    virtual int GetRowHeight(int index) const {
        (void)index;
        return row_size_;
    }
    virtual int GetRowImageIndex(int) const { return -1; }
    virtual int GetRowLevel(int) const { return 0; }
    virtual bool IsRowShown(int) const { return true; }
    virtual TColor GetCellColor(int col, int row);
    virtual void GetCellHint(int col, int row, std::string& hint);
    // The colours a cell is painted with; the painting refines them with the selection.
    virtual TColor GetCellPaintColor(int col, int row) { return GetCellColor(col, row); }
    virtual TColor GetCellTextColor(int col, int row);
    virtual bool IsCellHidden(int col, int row);

    int GetSelectedCount() const;
    int GetSelectedRow() const { return selected_row_; }
    int GetShownCount() const;
    int GetFirstShownRow() const { return first_shown_row_; }
    int GetLastShownRow() const { return last_shown_row_; }
    int TopRow() const { return top_row_; }

    // --- rows
    virtual void ClearRows();
    virtual void InsertRow(int index);
    virtual void DeleteRow(int index);
    virtual void MoveRow(int from, int to);
    virtual void SetRowVisible(int index, bool visible);
    virtual void SetRowHeight(int index, int height);
    int RowSize() const { return row_size_; }
    // Values <= 0 are ignored.
    virtual void SetRowSize(int value);
    void ClearSelection();

    // --- the update counter: nested; while above 0 nothing repaints and no cell change is
    // reported; the last EndUpdate repaints once.
    void BeginUpdate() { ++update_count_; }
    void EndUpdate();
    bool IsUpdating() const { return update_count_ > 0; }

    bool IsValidCell(int col, int row) const {
        return col >= 0 && col < columns_->Count() && row >= 0 && row < GetRowCount();
    }
    bool IsValidRow(int index) const { return index >= 0 && index < GetRowCount(); }
    Point GetSelectedCell() const { return {selected_column_, selected_row_}; }
    void SetSelectedCellDirect(int col, int row) {
        selected_column_ = col;
        selected_row_ = row;
    }
    bool IsMultiSelect() const {
        return options_.Has(goMultiSelect) && options_.Has(goSelectFullRow);
    }
    bool IsRowCalculated(int index);
    bool DoRowMove(int from, int to);

    // --- row searches; each skips rows that are not shown
    int FirstShownFrom(int index) const;
    int LastShownFrom(int index) const;
    int CountShownBetween(int a, int b) const;
    int ShownRowsAbove() const;
    int RowAfterShown(int count) const;
    int LastFullRow() const;
    int RowsPerPage(bool include_above) const;

    // --- selection and navigation
    int SelectedColumn() const { return selected_column_; }
    int SelectedRow() const { return selected_row_; }
    virtual bool CanSelectCell(int, int) { return true; }
    void SelectCell(int col, int row, ShiftState shift = 0, bool clear_multi_selection = true,
                    bool start_edit = false);
    // Only -1..RowCount()-1 while there are rows.
    virtual void SetSelectedRow(int index);
    void SelectColumn(int index);
    void SelectFirstRow(ShiftState shift = 0);
    void SelectLastRow(ShiftState shift = 0);
    void SelectFirstColumn();
    void SelectLastColumn();
    void MoveDown(ShiftState shift = 0, bool leave_at_end = false, bool wrap_at_end = false);
    void MoveUp(ShiftState shift = 0);
    void MoveLeft(TMoveSelectionKey key = mkUndefined);
    void MoveRight(TMoveSelectionKey key = mkUndefined);
    void TabNext(bool by_key);
    void TabPrevious(bool by_key);
    void MoveSelectionBy(int count);
    void ScrollToRow(int index);
    void ScrollToColumn(TGrCustomColumn& column);
    void ClearMultiSelection();
    bool IsCellSelected(int col, int row) const;
    int AnchorRow() const { return anchor_row_; }

    // --- sorting: by a column that can be sorted, in a direction.
    virtual void SortColumn(TGrCustomColumn& column, bool ascending);
    TGrCustomColumn* SortedColumn() const { return sorted_column_; }

    // --- in-place editing and the input line (grid_inplace_edit.cpp). An edit control of the
    // column's class is laid over the cell (or the column's input cell), filled with its text
    // and, on Enter, Tab or a click elsewhere, its text is stored; Escape drops it.
    virtual bool CanEdit() const { return true; }
    // Opens the editor on a cell with `text`, or the cell's own text when that is empty.
    void EditCell(int col, int row, const std::string& text = {});
    // Opens the editor empty and types `key` into it: typing on a cell starts editing it.
    void EditCellWithKey(int col, int row, char32_t key);
    void BeginInputEdit(TGrCustomColumn& column, const std::string& text = {});
    void InputEditWithKey(int col, char32_t key);
    // Stores the editor's text; true when something was stored.
    bool ApplyEditing();
    // Closes the editor without storing; OnEndEditing may refuse, and the editor stays.
    virtual void EndEditing();
    virtual void EditCellStart(int col, int row) { EditCell(col, row); }
    void PlaceEditor();
    void SetEditingText(const std::string& text) { SetCellText(edit_col_, edit_row_, text); }
    bool InputActive() const { return input_active_; }
    void SetInputActive(bool value);
    // Turns the input cells into a new row.
    void AddInputRow();
    TGrCustomEdit* Editor() const { return editor_; }
    // The cell being edited; the row is -1 for an input cell, both are -1 when none is.
    Point EditingCell() const { return {edit_col_, edit_row_}; }
    bool IsEditing() const { return editing_cell_ || editing_input_; }
    // The editor a column edits with: the program's InplaceEdit, or one of the column's class
    // that the grid makes on first use and keeps as a hidden child; null when it has none.
    TGrCustomEdit* ColumnEditor(TGrCustomColumn& column);
    // Whether typing `key` on a cell of the column opens its editor.
    bool ColumnAcceptsKey(const TGrCustomColumn& column, char32_t key) const;

    std::function<void(int col, int row, bool& accept)> on_before_edit;
    std::function<void(int col, int row, std::string& value)> on_apply_edit_text;
    std::function<void()> on_edit_enter;
    std::function<void()> on_edit_exit;
    std::function<void(int col, int row, const std::string& text)> on_edit;
    std::function<void(int col, int row, const std::string& value, bool& accept)> on_edit_accept;
    std::function<void(int col, int row, std::string& value)> on_edit_text;
    std::function<void(int col, int row, const std::string& value)> on_after_edit;
    std::function<void(int col, int row, std::string& value, bool& accept)> on_end_editing;
    std::function<void(bool& accept)> on_input_accept;
    std::function<void()> on_input_added;
    std::function<void(int col)> on_input_select_cell;

    // --- moving a column by dragging its header (column_drag.cpp). The box and the arrows are
    // made at the first drag.
    TColumnDragBox& DragBox();
    TDragArrow* TopDropArrow() const { return top_arrow_.get(); }
    TDragArrow* BottomDropArrow() const { return bottom_arrow_.get(); }
    bool ColumnDragging() const { return column_dragging_; }
    // The display position the dragged column would take with the mouse at client x.
    int DropPositionForColumn(const TGrCustomColumn& dragged, int x) const;

    // --- settings
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    TAppearanceOptions AppearanceOptions = {aoHideSelection, aoHighlightSlideCells};
    bool AutoScroll = false;
    bool TabLeaveControl = true;
    bool ReadOnly = false;
    bool WantReturns = false;
    bool WantTabs = false;
    std::string GridCaption;  // drawn in the body when no row is shown
    int FixedCols() const { return columns_->FixedCols(); }
    void SetFixedCols(int value) { columns_->SetFixedCols(value); }
    int HeaderSize = 18;
    int FooterSize = 18;
    int InputSize = 16;
    int SlideSize = 80;
    TGridStyle GridStyle = gsReport;
    TGridLinesStyle GridLinesStyle = lsNormal;
    THeaderStyle HeaderStyle = hsAuto;
    // Draw the header with the system's visual styles when they are active.
    bool EnableVisualStyles = true;
    // bsSingle, the default, sinks the grid into its window with a one-pixel edge (shadow above
    // and left, light below and right) around the client area; bsNone gives the client the
    // whole control.
    BorderStyle Border() const { return border_style_; }
    void SetBorderStyle(BorderStyle value);
    int FrameWidth() const override { return border_style_ == bsNone ? 0 : 1; }
    // Repaints a rectangle given in client co-ordinates.
    void InvalidateClientRect(const Rect& r);
    TDrawingOptions IndicatorDrawingOptions = doNormal;
    THomeEndBehaviour HomeEndBehaviour = hebTopBottom;
    TInputEnterMode InputEnterMode = imEditing;
    TSlideOptions SlidesOptions = {soFrame, soHideSelection};
    bool HideScrollBar() const { return VertScrollBar().HideWhenUnneeded(); }
    void SetHideScrollBar(bool value) { VertScrollBar().SetHideWhenUnneeded(value); }
    // The look HeaderStyle names; the grid holds one of each for its whole life.
    TStyleDisplay& CurrentDisplay() const;
    const TGrCustomColumn* PressedHeaderColumn() const { return pressed_header_column_; }
    const TGrCustomColumn* HotHeaderColumn() const { return hot_header_column_; }
    TSortedStyle SortedStyle = soDefault;
    TSelectionMoveDirection SelectionMoveDirection = mdDown;
    TColor GridLinesColor = clBtnFace;
    TColor HighlightedTextColor = clHighlightText;
    TColor InactiveSelectionColor = clBtnFace;
    TColor SelectionColor = clHighlight;
    TColor SlideSelectionColor = clWindow;
    std::string Version() const { return "5.6"; }

    // --- geometry, in client co-ordinates
    Rect GetHeaderRect() const;
    Rect GetBodyRect() const { return BodyRect(); }
    Rect GetFooterRect() const;
    Rect GetInputRect() const;
    Rect GetIndicatorRect() const;
    // A column's cells in the header, the input line and the footer.
    Rect GetHeaderCellRect(const TGrCustomColumn& column) const;
    Rect GetInputCellRect(const TGrCustomColumn& column) const;
    Rect GetFooterCellRect(const TGrCustomColumn& column) const;
    // Slides: each shown row a band of SlideSize (plus its grid line) across the client.
    int GetSlideTop(int index) const;
    Rect GetSlideRect(int index) const;
    // The top of a row at or below the top row; the body's bottom for one past the page.
    int GetRowTop(int index) const;
    Rect GetRowRect(int index) const;
    Rect GetCellRect(int col, int row) const;
    // The column whose strip holds x (-1 for none), from the display order.
    int ColumnAtX(int x) const;
    // The row under a point of the body; -1 outside the rows.
    int RowAtY(int y) const;

    // --- mouse and typing
    // The column whose right divider lies within a few pixels of x in the header; -1 for none.
    int ResizeGripColumnAt(int x) const;
    bool ColumnResizing() const { return resizing_column_ != nullptr; }
    // The row whose bottom edge lies within a few pixels of y in the indicator; -1 for none.
    int RowBorderAt(int x, int y) const;
    // The row a moved row would go before at y: the row under it, or the next one past its
    // middle; -1 above the body or below the last row.
    int RowDropIndexAt(int y) const;
    int ResizingRow() const { return resizing_row_; }
    bool RowMoving() const { return row_moving_; }
    // Mode 0: header and cells, 1: cells only, 2: header only.
    void BestFitColumn(int col, int mode, bool shown_only);
    // The row's height becomes the largest any visible column needs for it, at least RowSize.
    void BestFitRow(int row);
    // Selects the first shown row whose text in the column starts with `text` (case ignored):
    // after the selected row, then from the top, or from the top only with `from_start`.
    bool IncrementalSearch(int col, std::string_view text, bool from_start);
    // From row `first` to the end, then from the top; -1 searches from the top only.
    bool IncrementalSearchFrom(int col, std::string_view text, int first);
    // What has been typed within 700 ms of each character.
    const std::string& SearchText() const { return search_text_; }
    void ClearSearchText();
    Timer& SearchTimer() { return search_timer_; }
    enum GridCursor {
        crHorzSplit = 3000,
        crColumnNoDrag = 3001,
        crVertSplit = 3003,
        crIndicatorSelect = 3006
    };

    // --- painting and input
    void Paint(Canvas& canvas) override;
    // Everything inside the frame, in client co-ordinates.
    void PaintClient(Canvas& canvas);
    // The arrows and paging keys move the selection, not the focus.
    bool WantsKey(int key) const override;
    // A cell's own hint, or the whole text of a cell whose text does not fit.
    bool PrepareHint(Point mouse, HintInfo& info) override;

    // --- events
    std::function<void(int col, int row, TColor& color, TColor& grid_color, TCellState state)>
        on_cell_coloring;
    // A click on a column's header; the built-in sort follows unless `sort` is cleared.
    std::function<void(int col, bool& sort)> on_header_click;
    std::function<void(int col, int row, bool& accept)> on_before_select;
    std::function<void(int col, int row)> on_deselect_cell;
    std::function<void(int col, int row)> on_select_cell;
    std::function<void(int& col, int row, TMoveSelectionKey key)> on_selection_move;
    std::function<void(int col, bool ascending)> on_sort_column;
    std::function<void(int col)> on_after_sort;
    std::function<void(TDataChange change, int index)> on_data_change;
    std::function<void(int row, bool& accept)> on_calculate_row;
    std::function<void(int col, double& value)> on_footer_calculate;
    std::function<void(int col, double& value)> on_column_footer_value;
    std::function<void(int col, int row)> on_change;
    std::function<void(int row, int height)> on_change_row_height;
    std::function<void(int row, int& height)> on_measuring_row_height;
    std::function<void(int from, int to, bool& accept)> on_row_move;
    std::function<void(int from, int to)> on_after_row_move;
    std::function<void(int col, int row, std::string& hint)> on_cell_hint;
    std::function<void(int col, int row, bool& showing)> on_cell_showing;
    std::function<void(TGrCustomColumn& column, int old_position)> on_column_move;
    std::function<void(TGrCustomColumn& column, int delta)> on_column_resize;
    std::function<void(int index, const Rect& rect)> on_custom_draw_header;
    std::function<void(int index, const Rect& rect)> on_custom_draw_footer;
    std::function<void(int index, const Rect& rect, bool selected, bool highlighted)>
        on_custom_draw_indicator;
    std::function<void(int col, int row, const Rect& rect, TCellState state)> on_custom_draw_cell;
    std::function<void(int col, int row, const Rect& rect, TCellState state, bool& default_drawing)>
        on_draw_cell_background;
    std::function<void(int index, TColor& color, TColor& grid_color, TSlideState state)>
        on_slide_coloring;
    std::function<void()> on_post_draw;
    std::function<void(int col, int row)> on_cell_click;
    std::function<void(int col, int row)> on_cell_dbl_click;
    std::function<void(int col)> on_header_dbl_click;
    std::function<void(int col)> on_footer_click;
    // The text a cell is measured with (best fit) or shown in its text-fit hint.
    std::function<void(int col, int row, std::string& value)> on_apply_cell;

  protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    // Sets the canvas font for a cell's content and fills the display with its value; the core
    // holds no values and draws none.
    virtual bool ApplyCellFont(int col, int row, TCellState state, Canvas& canvas,
                               TColumnDisplay& display);
    TCellState CellState(int col, int row) const;
    bool ColumnFixed(const TGrCustomColumn& column) const {
        return column.Position() < FixedCols();
    }
    // The column's left edge in client co-ordinates, after the horizontal scroll.
    int ColumnClientLeft(const TGrCustomColumn& column) const;
    void PaintReport(Canvas& canvas);
    // Header, input line and footer cells, their separators and the indicator's corners.
    void PaintFixedParts(Canvas& canvas);
    void PaintSlides(Canvas& canvas);
    void DrawSlideCaption(Canvas& canvas, int col, int row);
    // False: a partly visible last row is painted like the others.
    virtual bool HidePartialRows() const { return false; }
    void DrawIndicatorCell(Canvas& canvas, int row, const Rect& rect, bool selected,
                           bool highlighted);
    // The display of the current look, readied on a canvas with the grid's font.
    TStyleDisplay& PrepareDisplay(Canvas& canvas) const;
    void DrawCell(Canvas& canvas, int col, int row, Rect cell);
    void DrawEmptyCell(Canvas& canvas, int col, Rect cell);
    void DrawCellGridLines(Canvas& canvas, int col, int row, TColor grid_color, const Rect& r);
    // OnHeaderClick for a pressed header cell; the built-in sort follows when the button went up
    // over it.
    void ClickHeader(TGrCustomColumn& column, bool released_on_it = true);
    void PressHeader(int x);
    void RefreshHeaderCell(const TGrCustomColumn& column);
    void SetHotHeaderColumn(TGrCustomColumn* column);
    void PaintResizeLines(Canvas& canvas) const;
    // The red arrows and line where a moved row would go.
    void PaintRowDropMarker(Canvas& canvas) const;
    Rect RowDropMarkerRect(int index) const;
    void EndRowMove(int y);
    void DoubleClickAt(int x, int y, bool in_header);
    // A cell's play element readied with the cell's value, or null when its column has none.
    TColumnPlay* AttachPlay(int col, int row, const Rect& cell);
    bool ReactsToClicks(int col) const;
    virtual void PreparePlay(TColumnPlay&) {}
    // The grid's own part of a release: resizes, row moves, header and cell clicks.
    void ReleaseMouse(MouseButton button, ShiftState shift, int x, int y);
    void MouseLeave() override;
    void DoExit() override;
    int LineBottom() const {
        return options_.Has(goGrid) && GridLinesStyle != lsVerticalOnly ? 1 : 0;
    }
    int LineRight() const {
        return options_.Has(goGrid) && GridLinesStyle != lsHorizontalOnly &&
                       GridLinesStyle != lsActiveHorzOnly
                   ? 1
                   : 0;
    }
    bool ColumnAutoEdit(int col) const;
    // The part of the client area rows are drawn in.
    virtual Rect BodyRect() const;
    int RowSpacing() const { return row_spacing_; }
    // A shown row's height in the layout of the grid style: its own height, or the slide's.
    int BandHeight(int index) const {
        return GridStyle == gsSlides ? SlideSize : GetRowHeight(index);
    }
    void SetRowSpacing(int value) { row_spacing_ = value; }
    // Rows shown by the scroll bar: its maximum, page and position follow the shown rows.
    virtual void UpdateVertScrollBar();
    virtual void UpdateHorzScrollBar();
    int VertScrollDelta(int old_position, int new_position) override;
    void WheelScroll(ShiftState shift, int delta) override;
    // Repaints; a later stage narrows these to the rows and cells concerned.
    void RefreshRow(int index);
    void RefreshCell(int col, int row);
    // The collection's hooks.
    virtual void ColumnsChanged(int kind, int param1, int param2);
    virtual void ColumnChanged(TGrCustomColumn& column, int kind, int param);
    virtual void ColumnsNotify(int kind);
    void ColumnListChanged(int kind, int param1, int param2);
    void Resized() override;
    void FontChanged() override;
    void DoDataChange(TDataChange change, int index) {
        if (on_data_change) on_data_change(change, index);
    }
    // Editing's part of the input handlers: what a press, a release or a typed character on
    // the grid does to the editor (grid_inplace_edit.cpp).
    void EditingMouseDown(MouseButton button, int x, int y);
    void EditingMouseUp(MouseButton button, int x, int y);
    // True when the character opened an editor.
    bool EditingKeyPress(char32_t& key);
    // Editors of columns that left the collection go with them.
    void DropStaleEditors();
    // A header press may also become a drag of its column (column_drag.cpp).
    void ArmColumnDrag(int col);
    // True while the move belongs to a column drag (started now or before).
    bool ColumnDragMouseMove(ShiftState shift, int x, int y);

    int top_row_ = 0;
    int first_shown_row_ = 0;
    int last_shown_row_ = 0;
    int selected_column_ = 0;
    int selected_row_ = -1;
    int anchor_row_ = -1;
    bool range_selected_ = false;
    bool input_active_ = false;
    int update_count_ = 0;
    int row_size_ = 16;
    TGrCustomColumn* sorted_column_ = nullptr;
    TGrCustomColumn* pressed_header_column_ = nullptr;
    TGrCustomColumn* hot_header_column_ = nullptr;
    TGrCustomColumn* resizing_column_ = nullptr;
    int resize_delta_ = 0;
    int resize_line_x_ = 0;
    int resize_start_line_x_ = 0;
    Point mouse_down_point_{-1, -1};
    Point mouse_down_cell_{-1, -1};
    Point hover_cell_{-1, -1};
    std::string search_text_;
    Timer search_timer_;
    int resizing_row_ = -1;
    int row_resize_y_ = 0;
    int moving_row_ = -1;
    bool row_moving_ = false;
    int row_drop_index_ = -1;
    // Set by the grid that holds the data once it can answer for its rows, and cleared before
    // it lets them go: the layout work of a resize asks for them.
    bool data_bound_ = false;

    // Editing state.
    TGrCustomEdit* editor_ = nullptr;
    BorderStyle border_style_ = bsSingle;
    int edit_col_ = -1;
    int edit_row_ = -1;
    int input_column_ = -1;
    bool filling_ = false;
    bool editing_cell_ = false;
    bool editing_input_ = false;
    bool ending_edit_ = false;
    bool clicked_selected_cell_ = false;

  private:
    int column_scale_m_ = 1;
    int column_scale_d_ = 1;
    int scaled_font_size_ = 0;
    bool fitting_columns_ = false;
    void SetEditor(TGrCustomEdit* edit);
    void HookEditor();
    void AttachEditor(TGrCustomColumn& column, int col, int row, bool input);
    // The checks and bookkeeping before an editor opens on a cell or an input cell; false
    // when it may not open.
    bool OpenCellEditor(int col, int row);
    bool OpenInputEditor(int col);
    void SelectEditorText(const TGrCustomColumn& column);
    void EditorKeyDown(int& key, ShiftState shift);
    void EditorExit(TGrCustomEdit& edit);
    std::vector<std::pair<const TGrCustomColumn*, TGrCustomEdit*>> own_editors_;
    Rect ColumnDropZone() const;
    bool DropAllowed(const TGrCustomColumn& dragged, int to) const;
    void PlaceDropArrows(int from, int to);
    void HideDropArrows();
    void ColumnDragMove(int screen_x, int screen_y);
    void ColumnDragDrop(int screen_x, int screen_y);
    void EndColumnDrag();
    TGrCustomColumn* dragged_column_ = nullptr;
    bool column_dragging_ = false;
    std::unique_ptr<TColumnDragBox> drag_box_;
    std::unique_ptr<TDragArrow> top_arrow_;
    std::unique_ptr<TDragArrow> bottom_arrow_;
    std::unique_ptr<TGrColumns> columns_;
    std::unique_ptr<TStyleDisplay> displays_[7];
    TGridOptions options_ = {goHeader};
    int row_spacing_ = 0;
};

}  // namespace kv
