// The direct handling of the mouse and the keyboard: pressing and clicking header cells, hot
// header cells, resizing a column on its header divider, double clicks, the cells' play
// elements, and the search by typing.
#include <algorithm>

#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "ui/grid/column_drag.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_control.h"

namespace kv {

namespace {

// The beginning of a text, `count` characters long, letters folded to lower case.
std::u32string FoldedPrefix(std::string_view utf8, size_t count) {
    std::u32string out;
    for (char32_t c : ToUtf32(utf8)) {
        if (out.size() == count) break;
        out += LowerChar(c);
    }
    return out;
}

}  // namespace

// --- header

int TGrCustomGridControl::ResizeGripColumnAt(int x) const {
    const int scroll_left = (options_.Has(goIndicator) ? 12 : 0) + columns_->FixedWidth();
    for (int position = 0; position < columns_->Count(); ++position) {
        const TGrCustomColumn& column = columns_->GetPositionItem(position);
        if (!column.Visible() || column.Options().Has(coFixedSize)) continue;
        if (!ColumnFixed(column) && x < scroll_left) continue;
        const int edge = ColumnClientLeft(column) + column.Width();
        if (edge - 3 <= x && x <= edge + 2) return column.GetIndex();
    }
    return -1;
}

void TGrCustomGridControl::PressHeader(int x) {
    if (const int grip = ResizeGripColumnAt(x); grip >= 0) {
        // The divider takes the press: the column is resized, not clicked.
        resizing_column_ = &columns_->GetItem(grip);
        resize_delta_ = 0;
        const int left = ColumnClientLeft(*resizing_column_);
        resize_start_line_x_ = grip == 0 ? left : left - 1;
        resize_line_x_ = left + resizing_column_->Width() - 1;
        Invalidate();
        return;
    }
    const int col = ColumnAtX(x);
    if (col < 0) return;
    TGrCustomColumn& column = columns_->GetItem(col);
    if (!column.Options().Has(coCanClick)) return;
    pressed_header_column_ = &column;
    RefreshHeaderCell(column);
}

void TGrCustomGridControl::RefreshHeaderCell(const TGrCustomColumn& column) {
    if (!options_.Has(goHeader) || IsUpdating()) return;
    InvalidateClientRect(GetHeaderCellRect(column));
}

void TGrCustomGridControl::SetHotHeaderColumn(TGrCustomColumn* column) {
    if (column == hot_header_column_) return;
    TGrCustomColumn* old = hot_header_column_;
    hot_header_column_ = column;
    // Only a look that lights the cell under the mouse repaints for it.
    if (!(CurrentDisplay().GetStyleFlags() & TStyleDisplay::kHotTracking)) return;
    if (old) RefreshHeaderCell(*old);
    if (column) RefreshHeaderCell(*column);
}

void TGrCustomGridControl::ClickHeader(TGrCustomColumn& column, bool released_on_it) {
    bool sort = released_on_it && column.Options().Has(coCanSort);
    if (on_header_click) on_header_click(column.GetIndex(), sort);
    if (!sort) return;
    // A second click on the sorted column turns its order round.
    const bool ascending = sorted_column_ != &column || column.SortKind() == skDescending;
    column.SetSortKind(ascending ? skAscending : skDescending);
    SortColumn(column, ascending);
    if (sorted_column_ != &column) sorted_column_ = &column;
    Invalidate();
}

void TGrCustomGridControl::PaintResizeLines(Canvas& canvas) const {
    if (resizing_row_ >= 0)
        InvertPixels(canvas, {0, row_resize_y_, ClientWidth(), row_resize_y_ + 1});
    if (!resizing_column_) return;
    for (int x : {resize_start_line_x_, resize_line_x_})
        InvertPixels(canvas, {x, 0, x + 1, ClientHeight()});
}

// --- rows: resizing in the indicator, moving by dragging

int TGrCustomGridControl::RowBorderAt(int x, int y) const {
    const Rect body = BodyRect();
    if (x > 12 || y < body.top) return -1;
    int bottom = body.top;
    for (int i = top_row_; i < GetRowCount() && bottom < body.bottom + 3; ++i) {
        if (!IsRowShown(i)) continue;
        bottom += BandHeight(i) + row_spacing_;
        if (bottom - 3 < y && y < bottom + 1) return i;
    }
    return -1;
}

int TGrCustomGridControl::RowDropIndexAt(int y) const {
    const Rect body = BodyRect();
    if (y < body.top) return -1;
    int top = body.top;
    for (int i = top_row_; i < GetRowCount() && top < body.bottom; ++i) {
        if (!IsRowShown(i)) continue;
        const int height = BandHeight(i);
        if (y < top + height + row_spacing_) return y < top + height / 2 ? i : i + 1;
        top += height + row_spacing_;
    }
    return -1;
}

Rect TGrCustomGridControl::RowDropMarkerRect(int index) const {
    const int y = GetRowTop(index) - (index == top_row_ ? 0 : 1);
    return {0, y - 5, BodyRect().right + 1, y + 6};
}

void TGrCustomGridControl::PaintRowDropMarker(Canvas& canvas) const {
    if (!row_moving_ || row_drop_index_ < 0) return;
    const int y = GetRowTop(row_drop_index_) - (row_drop_index_ == top_row_ ? 0 : 1);
    const int r = BodyRect().right - 1;
    canvas.pen.color = clRed;
    canvas.pen.mode = pmCopy;
    canvas.brush.color = clRed;
    canvas.brush.style = bsSolid;
    canvas.Polygon(
        {{0, y - 2}, {2, y - 2}, {2, y - 5}, {7, y}, {2, y + 5}, {2, y + 2}, {0, y + 2}});
    canvas.Polygon({{r, y - 2},
                    {r - 2, y - 2},
                    {r - 2, y - 5},
                    {r - 7, y},
                    {r - 2, y + 5},
                    {r - 2, y + 2},
                    {r, y + 2}});
    canvas.MoveTo(8, y);
    canvas.LineTo(r - 6, y);
}

void TGrCustomGridControl::EndRowMove(int y) {
    if (row_drop_index_ >= 0) InvalidateClientRect(RowDropMarkerRect(row_drop_index_));
    int to = RowDropIndexAt(y);
    const int from = moving_row_;
    row_moving_ = false;
    moving_row_ = -1;
    row_drop_index_ = -1;
    cursor = crDefault;
    if (to < 0 || !IsValidRow(from)) return;
    if (from < to) --to;
    if (to >= GetRowCount()) to = GetRowCount() - 1;
    if (!DoRowMove(from, to)) return;
    MoveRow(from, to);
    if (on_after_row_move) on_after_row_move(from, to);
    SetSelectedRow(to);
    Invalidate();
}

// --- double clicks

void TGrCustomGridControl::DoubleClickAt(int x, int y, bool in_header) {
    if (in_header) {
        const int grip = ResizeGripColumnAt(x);
        if (grip >= 0 && (columns_->GetItem(grip).GetColumnStyle() & 8)) {
            BestFitColumn(grip, 1, true);
            return;
        }
        if (const int col = ColumnAtX(x); col >= 0 && on_header_dbl_click) on_header_dbl_click(col);
        return;
    }
    if (options_.Has(goIndicator) && x < 12 && GridStyle == gsReport) {
        // A double click on a row's border in the indicator fits the row to its content.
        if (const int border = options_.Has(goRowResizing) ? RowBorderAt(x, y) : -1; border >= 0)
            BestFitRow(border);
        return;
    }
    const int row = RowAtY(y);
    const int col = ColumnAtX(x);
    if (IsValidCell(col, row) && on_cell_dbl_click) on_cell_dbl_click(col, row);
}

void TGrCustomGridControl::BestFitRow(int row) {
    if (!IsValidRow(row)) return;
    Canvas canvas(1, 1);
    int height = RowSize();
    for (int col = 0; col < columns_->Count(); ++col) {
        TGrCustomColumn& column = columns_->GetItem(col);
        if (!column.Visible()) continue;
        TColumnDisplay& display = column.Display();
        display.canvas = &canvas;
        display.ClientRect = {0, 0, column.Width(), GetRowHeight(row)};
        display.Row = row;
        if (ApplyCellFont(col, row, CellState(col, row), canvas, display)) {
            if (on_apply_cell) on_apply_cell(col, row, display.AsString);
            height = std::max(height, display.GetContentHeight());
        }
        display.canvas = nullptr;
    }
    SetRowHeight(row, height);
}

void TGrCustomGridControl::BestFitColumn(int col, int mode, bool shown_only) {
    TGrCustomColumn& column = columns_->GetItem(col);
    Canvas canvas(1, 1);
    int width = 8;
    if (mode != 1) {
        TStyleDisplay& display = PrepareDisplay(canvas);
        width = HeaderContentWidth(display, column);
    }
    if (mode != 2) {
        TColumnDisplay& display = column.Display();
        for (int row = 0; row < GetRowCount(); ++row) {
            if (shown_only && !IsRowShown(row)) continue;
            display.canvas = &canvas;
            display.ClientRect = {0, 0, column.Width(), GetRowHeight(row)};
            display.Row = row;
            if (!ApplyCellFont(col, row, CellState(col, row), canvas, display)) continue;
            if (on_apply_cell) on_apply_cell(col, row, display.AsString);
            width = std::max(width, display.GetContentWidth());
        }
        display.canvas = nullptr;
    }
    column.SetWidth(width + 2 * column.Padding() + 5);
}

// --- play elements

bool TGrCustomGridControl::ReactsToClicks(int col) const {
    if (ReadOnly || !columns_->IsValidIndex(col)) return false;
    const TGrCustomColumn& column = columns_->GetItem(col);
    return column.Options().Has(coEditing) || (column.GetColumnStyle() & 1);
}

TColumnPlay* TGrCustomGridControl::AttachPlay(int col, int row, const Rect& cell) {
    if (!IsValidCell(col, row)) return nullptr;
    TColumnPlay* play = columns_->GetItem(col).Play();
    if (!play) return nullptr;
    play->Col = col;
    play->Row = row;
    play->ClientRect = cell;
    PreparePlay(*play);
    return play;
}

// --- mouse moves and releases

void TGrCustomGridControl::MouseMove(ShiftState shift, int x, int y) {
    TGrScrollControl::MouseMove(shift, x, y);
    if (columns_->Count() == 0 || Rolling()) return;
    if (ColumnDragMouseMove(shift, x, y)) return;
    if (resizing_column_) {
        const int left = ColumnClientLeft(*resizing_column_);
        const int width = resizing_column_->Width();
        resize_delta_ = x - (left + width);
        if (width + resize_delta_ < resizing_column_->MinWidth)
            resize_delta_ = resizing_column_->MinWidth - width;
        const int old_x = resize_line_x_;
        resize_line_x_ = left + width + resize_delta_ - 1;
        if (old_x != resize_line_x_) {
            InvalidateClientRect({old_x, 0, old_x + 1, ClientHeight()});
            InvalidateClientRect({resize_line_x_, 0, resize_line_x_ + 1, ClientHeight()});
        }
        return;
    }
    if (resizing_row_ >= 0) {
        const int new_y = std::max(y, GetRowTop(resizing_row_) + 8);
        InvalidateClientRect({0, row_resize_y_, ClientWidth(), row_resize_y_ + 1});
        row_resize_y_ = new_y;
        InvalidateClientRect({0, row_resize_y_, ClientWidth(), row_resize_y_ + 1});
        return;
    }
    if (moving_row_ >= 0 && options_.Has(goRowMoving) && (shift & ssLeft) && !row_moving_ &&
        MovedBeyond({x, y}, mouse_down_point_, 5)) {
        row_moving_ = true;
        cursor = crDrag;
    }
    if (row_moving_) {
        const int index = RowDropIndexAt(y);
        if (index != row_drop_index_) {
            if (row_drop_index_ >= 0) InvalidateClientRect(RowDropMarkerRect(row_drop_index_));
            // At the edges of the page the rows scroll towards the mouse.
            if (index >= 0 && index == top_row_ && top_row_ > 0) VertScrollBar().LineUp();
            if (index >= 0 && index == LastFullRow() + 1) VertScrollBar().LineDown();
            row_drop_index_ = RowDropIndexAt(y);
            if (row_drop_index_ >= 0) InvalidateClientRect(RowDropMarkerRect(row_drop_index_));
        }
        return;
    }
    const bool in_header = options_.Has(goHeader) && y >= 0 && y < HeaderSize;
    if (in_header) {
        cursor = ResizeGripColumnAt(x) >= 0 ? int{crHorzSplit} : int{crDefault};
        const int col = ColumnAtX(x);
        SetHotHeaderColumn(col >= 0 ? &columns_->GetItem(col) : nullptr);
    } else {
        SetHotHeaderColumn(nullptr);
        cursor = crDefault;
        if (options_.Has(goIndicator) && x < 12 && GridStyle == gsReport) {
            if (options_.Has(goRowResizing) && RowBorderAt(x, y) >= 0)
                cursor = crVertSplit;
            else if (RowAtY(y) >= 0)
                cursor = crIndicatorSelect;
        }
    }
    // Another cell, header or footer cell under the mouse: its own hint is due.
    const Point cell{ColumnAtX(x), in_header ? -2 : RowAtY(y)};
    if (cell.x != hover_cell_.x || cell.y != hover_cell_.y) {
        if (hover_cell_.x >= 0 && hover_cell_.y >= 0 && IsValidCell(hover_cell_.x, hover_cell_.y))
            if (TColumnPlay* play = columns_->GetItem(hover_cell_.x).Play()) play->MouseLeave();
        hover_cell_ = cell;
        if (Screen* screen = Screen::Current(); screen && screen->Hovered() == this)
            screen->CancelHint();
    }
    if (IsValidCell(cell.x, cell.y) && !ReadOnly)
        if (TColumnPlay* play = columns_->GetItem(cell.x).Play()) {
            const Rect r = GetCellRect(cell.x, cell.y);
            if (AttachPlay(cell.x, cell.y, r)) play->MouseMove(shift, x - r.left, y - r.top);
        }
}

void TGrCustomGridControl::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    TGrScrollControl::MouseUp(button, shift, x, y);
    dragged_column_ = nullptr;
    // A column drag ends in its drag box; the release that started it clicks nothing.
    if (column_dragging_) return;
    ReleaseMouse(button, shift, x, y);
    EditingMouseUp(button, x, y);
}

void TGrCustomGridControl::ReleaseMouse(MouseButton button, ShiftState shift, int x, int y) {
    const Point down = mouse_down_point_;
    mouse_down_point_ = {-1, -1};
    if (row_moving_) {
        EndRowMove(y);
        return;
    }
    moving_row_ = -1;
    if (resizing_row_ >= 0) {
        const int row = resizing_row_;
        resizing_row_ = -1;
        Invalidate();
        if (IsValidRow(row)) SetRowHeight(row, row_resize_y_ - GetRowTop(row));
        return;
    }
    if (resizing_column_) {
        TGrCustomColumn& column = *resizing_column_;
        resizing_column_ = nullptr;
        Invalidate();        // the lines go
        FitColumns = false;  // the user's widths stand from now on
        column.SetWidth(column.Width() + resize_delta_);
        return;
    }
    const bool in_header =
        options_.Has(goHeader) && y >= 0 && y < HeaderSize && ClientArea().contains({x, y});
    if (TGrCustomColumn* pressed = pressed_header_column_) {
        pressed_header_column_ = nullptr;
        RefreshHeaderCell(*pressed);
        // The click counts wherever the button goes up; the sort only over the same column.
        const int col = in_header ? ColumnAtX(x) : -1;
        ClickHeader(*pressed, button == mbLeft && col == pressed->GetIndex());
        return;
    }
    if (button != mbLeft || down.x < 0) return;
    const Rect footer = GetFooterRect();
    if (footer.contains({x, y})) {
        if (const int col = ColumnAtX(x); col >= 0 && on_footer_click) on_footer_click(col);
        return;
    }
    if (in_header) return;
    const int col = ColumnAtX(x);
    const int row = RowAtY(y);
    if (!IsValidCell(col, row)) return;
    if (col != mouse_down_cell_.x || row != mouse_down_cell_.y) return;
    if (on_cell_click) on_cell_click(col, row);
    if (ReactsToClicks(col)) {
        const Rect cell = GetCellRect(col, row);
        if (TColumnPlay* play = AttachPlay(col, row, cell))
            play->MouseUp(button, shift, x - cell.left, y - cell.top);
    }
}

void TGrCustomGridControl::MouseLeave() {
    TGrScrollControl::MouseLeave();
    SetHotHeaderColumn(nullptr);
    hover_cell_ = {-1, -1};
}

void TGrCustomGridControl::DoExit() {
    TGrScrollControl::DoExit();
    // Losing the focus ends every press, resize and column drag without applying it.
    // The box and the arrows take the activation for a moment when they show; that is no loss.
    const Screen* screen = Screen::Current();
    const Form* active = screen ? screen->ActiveForm() : nullptr;
    const bool drag_window = active && (active == drag_box_.get() || active == top_arrow_.get() ||
                                        active == bottom_arrow_.get());
    if (column_dragging_ && drag_box_ && !drag_window) drag_box_->Cancel();
    if (resizing_column_) Invalidate();
    resizing_column_ = nullptr;
    if (pressed_header_column_) RefreshHeaderCell(*pressed_header_column_);
    pressed_header_column_ = nullptr;
    SetHotHeaderColumn(nullptr);
    if (resizing_row_ >= 0 || row_moving_) Invalidate();
    resizing_row_ = -1;
    row_moving_ = false;
    moving_row_ = -1;
    row_drop_index_ = -1;
}

// --- typed keys

void TGrCustomGridControl::KeyPress(char32_t& key) {
    TGrScrollControl::KeyPress(key);
    // A key the selected column takes opens its editor, before any typed search.
    if (key != 0) EditingKeyPress(key);
    if (key == 0 || key == 27 || options_.Has(goDisableKeys)) return;
    if (key == 13) {
        if (!WantReturns || input_active_) return;
        switch (SelectionMoveDirection) {
            case mdUp:
                MoveUp();
                break;
            case mdDown:
                MoveDown();
                break;
            case mdLeft:
                MoveLeft(mkEnter);
                break;
            case mdRight:
                MoveRight(mkEnter);
                break;
            case mdNone:
                break;
        }
        return;
    }
    if (!columns_->IsValidIndex(selected_column_) || !IsValidRow(selected_row_)) return;
    if (ReactsToClicks(selected_column_) && !input_active_) {
        const Rect cell = GetCellRect(selected_column_, selected_row_);
        if (TColumnPlay* play = AttachPlay(selected_column_, selected_row_, cell)) {
            play->KeyPress(key);
            if (key == 0) return;
        }
    }
    if (key == 9 || key < 32) return;
    if (columns_->GetItem(selected_column_).Options().Has(coEditing)) return;
    int search_col = -1;
    for (int i = 0; i < columns_->Count() && search_col < 0; ++i)
        if (columns_->GetItem(i).Options().Has(coSearchColumn)) search_col = i;
    if (search_col < 0 || GetRowCount() == 0) return;
    search_timer_.SetEnabled(false);
    search_timer_.SetEnabled(true);
    // A longer text keeps the row it found while that row still matches.
    const bool continued = !search_text_.empty();
    AppendUtf8(search_text_, key);
    if (!(continued && IsValidRow(selected_row_) &&
          IncrementalSearchFrom(search_col, search_text_, selected_row_)))
        IncrementalSearch(search_col, search_text_, false);
}

bool TGrCustomGridControl::IncrementalSearch(int col, std::string_view text, bool from_start) {
    return IncrementalSearchFrom(col, text, from_start ? -1 : selected_row_ + 1);
}

bool TGrCustomGridControl::IncrementalSearchFrom(int col, std::string_view text, int first) {
    if (GetRowCount() == 0 || !columns_->IsValidIndex(col)) return false;
    const std::u32string wanted = FoldedPrefix(text, std::u32string::npos);
    auto matches = [&](int row) {
        if (!IsRowShown(row)) return false;
        const std::string cell = GetCellText(col, row);
        return FoldedPrefix(cell, wanted.size()) == wanted;
    };
    // From `first` to the end, then from the top (-1: from the top only).
    int found = -1;
    for (int r = std::max(first, 0); r < GetRowCount() && found < 0; ++r)
        if (matches(r)) found = r;
    for (int r = 0; first > 0 && r < first && r < GetRowCount() && found < 0; ++r)
        if (matches(r)) found = r;
    if (found < 0) return false;
    SetSelectedRow(found);
    if (!IsUpdating()) ScrollToRow(found);
    return true;
}

void TGrCustomGridControl::ClearSearchText() {
    search_text_.clear();
    search_timer_.SetEnabled(false);
}

}  // namespace kv
