// The selection and navigation of the grid core.
#include <algorithm>

#include "ui/grid/grid_control.h"

namespace kv {

void TGrCustomGridControl::SelectCell(int col, int row, ShiftState shift,
                                      bool clear_multi_selection, bool start_edit) {
    bool accept = CanSelectCell(col, row);
    if (on_before_select) on_before_select(col, row, accept);
    if (!accept) return;
    if (range_selected_ && clear_multi_selection && !(shift & (ssShift | ssCtrl)))
        ClearMultiSelection();
    if (!columns_->IsValidIndex(col) || !columns_->GetItem(col).Enabled) return;

    const int old_col = selected_column_, old_row = selected_row_;
    selected_column_ = col;
    selected_row_ = row;
    const bool cell_changed = old_col != col || old_row != row;
    if (cell_changed) {
        // Only a cell that existed is deselected.
        if (IsValidCell(old_col, old_row) && on_deselect_cell) on_deselect_cell(old_col, old_row);
        EndEditing();
    }
    if (AutoScroll && IsValidRow(row)) ScrollToRow(row);
    if (input_active_) return;
    if (GetRowCount() == 0) return;

    if (options_.Has(goSelectFullRow)) {
        const bool multi = options_.Has(goMultiSelect);
        if (multi && (shift & ssCtrl) && !(shift & ssShift)) {
            anchor_row_ = row;
            range_selected_ = true;
            if (IsValidRow(row)) SetSelected(row, !GetSelected(row));
            if (row != old_row) RefreshRow(old_row);
            if (on_select_cell) on_select_cell(col, row);
            return;
        }
        if (multi && (shift & ssShift)) {
            range_selected_ = true;
            const int anchor = IsValidRow(anchor_row_) ? anchor_row_ : row;
            const int lo = std::clamp(std::min(anchor, row), 0, GetRowCount() - 1);
            const int hi = std::clamp(std::max(anchor, row), 0, GetRowCount() - 1);
            if (!(shift & ssCtrl)) {
                for (int i = 0; i < lo; ++i)
                    if (GetSelected(i)) SetSelected(i, false);
                for (int i = hi + 1; i < GetRowCount(); ++i)
                    if (GetSelected(i)) SetSelected(i, false);
            }
            SelectRange(lo, hi, true);
            if (row != old_row) {
                RefreshRow(row);
                RefreshRow(old_row);
            }
            if (on_select_cell) on_select_cell(col, row);
            return;
        }
        if (row == old_row) {
            if (AppearanceOptions.Has(aoIndicateSelectedCell) && col != old_col) {
                RefreshCell(col, row);
                RefreshCell(old_col, old_row);
            }
        } else if (!range_selected_ && IsValidRow(old_row)) {
            SetSelected(old_row, false);
        }
        if (IsValidRow(row)) SetSelected(row, true);
        anchor_row_ = row;
        RefreshRow(row);
        RefreshRow(old_row);
        if (on_select_cell) on_select_cell(col, row);
    } else {
        if (cell_changed) {
            RefreshCell(col, row);
            RefreshCell(old_col, old_row);
        }
        if (on_select_cell) on_select_cell(col, row);
    }
    if (start_edit) EditCellStart(col, row);
}

void TGrCustomGridControl::SetSelectedRow(int index) {
    if (GetRowCount() == 0 || index < -1 || index > GetRowCount() - 1) return;
    input_active_ = false;
    SelectCell(selected_column_, index, 0, true, false);
}

void TGrCustomGridControl::SelectColumn(int index) {
    if (!columns_->IsValidIndex(index)) return;
    SelectCell(index, selected_row_, 0, true, false);
}

void TGrCustomGridControl::SelectFirstRow(ShiftState shift) {
    input_active_ = false;
    SelectCell(selected_column_, first_shown_row_, shift, true, false);
    VertScrollBar().MoveToStart();
}

void TGrCustomGridControl::SelectLastRow(ShiftState shift) {
    input_active_ = false;
    SelectCell(selected_column_, last_shown_row_, shift, true, false);
    VertScrollBar().MoveToEnd();
}

void TGrCustomGridControl::SelectFirstColumn() {
    if (TGrCustomColumn* c = columns_->FirstVisibleColumn()) {
        SelectColumn(c->GetIndex());
        ScrollToColumn(*c);
    }
}

void TGrCustomGridControl::SelectLastColumn() {
    for (int p = columns_->Count() - 1; p >= 0; --p) {
        TGrCustomColumn& c = columns_->GetPositionItem(p);
        if (!c.Visible()) continue;
        SelectColumn(c.GetIndex());
        ScrollToColumn(c);
        return;
    }
}

bool TGrCustomGridControl::ColumnAutoEdit(int col) const {
    return columns_->IsValidIndex(col) && columns_->GetItem(col).AutoEdit;
}

void TGrCustomGridControl::MoveDown(ShiftState shift, bool leave_at_end, bool wrap_at_end) {
    if (GetRowCount() == 0) return;
    if (input_active_) {
        input_active_ = false;
    } else {
        if (selected_row_ < 0) return;
        if (selected_row_ >= last_shown_row_) {
            if (leave_at_end) FocusNext();
            if (wrap_at_end) SelectFirstRow(0);
            return;
        }
    }
    int row = selected_row_ + 1;
    while (row < GetRowCount() && !(IsRowShown(row) && CanSelectCell(selected_column_, row))) ++row;
    if (row >= GetRowCount()) return;
    SelectCell(selected_column_, row, shift, true, ColumnAutoEdit(selected_column_));
    if (row >= LastFullRow()) ScrollToRow(row);
}

void TGrCustomGridControl::MoveUp(ShiftState shift) {
    if (selected_row_ < 0) return;
    int row = std::min(selected_row_, GetRowCount()) - 1;
    while (row >= 0 && !(IsRowShown(row) && CanSelectCell(selected_column_, row))) --row;
    if (row < 0) return;
    SelectCell(selected_column_, row, shift, true, ColumnAutoEdit(selected_column_));
    if (row < top_row_) VertScrollBar().LineUp();
}

void TGrCustomGridControl::MoveLeft(TMoveSelectionKey key) {
    if (!columns_->IsValidIndex(selected_column_)) return;
    int col = columns_->PrevVisibleColumn(columns_->GetItem(selected_column_))->GetIndex();
    if (on_selection_move) on_selection_move(col, selected_row_, key);
    SelectCell(col, selected_row_, 0, true, ColumnAutoEdit(col));
    if (GridStyle == gsReport && columns_->IsValidIndex(col))
        ScrollToColumn(columns_->GetItem(col));
}

void TGrCustomGridControl::MoveRight(TMoveSelectionKey key) {
    if (!columns_->IsValidIndex(selected_column_)) return;
    int col = columns_->NextVisibleColumn(columns_->GetItem(selected_column_))->GetIndex();
    if (on_selection_move) on_selection_move(col, selected_row_, key);
    SelectCell(col, selected_row_, 0, true, ColumnAutoEdit(col));
    if (GridStyle == gsReport && columns_->IsValidIndex(col))
        ScrollToColumn(columns_->GetItem(col));
}

void TGrCustomGridControl::TabNext(bool by_key) {
    if (!columns_->IsValidIndex(selected_column_)) return;
    const TMoveSelectionKey key = by_key ? mkTab : mkUndefined;
    TGrCustomColumn& current = columns_->GetItem(selected_column_);
    if (columns_->LastVisibleColumn() != &current) {
        MoveRight(key);
        return;
    }
    if (input_active_) {
        if (TabLeaveControl) FocusNext();
        return;
    }
    MoveDown(0, by_key && TabLeaveControl, by_key);
    TGrCustomColumn* first = columns_->FirstVisibleColumn();
    int col = first ? first->GetIndex() : selected_column_;
    if (on_selection_move) on_selection_move(col, selected_row_, key);
    SelectColumn(col);
}

void TGrCustomGridControl::TabPrevious(bool by_key) {
    if (!columns_->IsValidIndex(selected_column_)) return;
    const TMoveSelectionKey key = by_key ? mkTab : mkUndefined;
    TGrCustomColumn& current = columns_->GetItem(selected_column_);
    if (columns_->FirstVisibleColumn() != &current) {
        MoveLeft(key);
        return;
    }
    if (!input_active_ && selected_row_ > first_shown_row_) {
        MoveUp(0);
        TGrCustomColumn* last = columns_->LastVisibleColumn();
        int col = last ? last->GetIndex() : selected_column_;
        if (on_selection_move) on_selection_move(col, selected_row_, key);
        SelectColumn(col);
        return;
    }
    if (TabLeaveControl) FocusPrevious();
}

void TGrCustomGridControl::MoveSelectionBy(int count) {
    if (count == 0 || !IsValidRow(selected_row_)) return;
    int row = selected_row_;
    if (count > 0) {
        for (int i = row + 1; i <= std::min(last_shown_row_, GetRowCount() - 1) && count > 0; ++i)
            if (IsRowShown(i)) row = i, --count;
    } else {
        for (int i = row - 1; i >= std::max(first_shown_row_, 0) && count < 0; --i)
            if (IsRowShown(i)) row = i, ++count;
    }
    SetSelectedRow(row);
}

void TGrCustomGridControl::ScrollToRow(int index) {
    if (!IsValidRow(index)) return;
    if (index <= LastFullRow()) {
        if (index < top_row_) {
            const int above = CountShownBetween(index, top_row_);
            VertScrollBar().SetPosition(VertScrollBar().Position() - above);
        }
        return;
    }
    // Brings the row up until it is the last wholly visible one.
    const Rect body = BodyRect();
    int bottom = body.top;
    for (int i = top_row_; i <= index; ++i)
        if (IsRowShown(i) || i == index) bottom += GetRowHeight(i) + RowSpacing();
    int count = 0;
    for (int i = top_row_; i < index && bottom > body.bottom; ++i) {
        if (!IsRowShown(i)) continue;
        bottom -= GetRowHeight(i) + RowSpacing();
        ++count;
    }
    VertScrollBar().SetPosition(VertScrollBar().Position() + count);
}

void TGrCustomGridControl::ScrollToColumn(TGrCustomColumn& column) {
    if (column.Position() < FixedCols()) return;
    TGrScrollBar& bar = HorzScrollBar();
    const int x = column.Left() - bar.Position();
    const int area_left = columns_->FixedWidth() + (options_.Has(goIndicator) ? 12 : 0);
    const int area_right = ClientWidth();
    if (x < area_left)
        bar.SetPosition(bar.Position() + (x - area_left));
    else if (x + column.Width() > area_right)
        bar.SetPosition(bar.Position() + (x + column.Width() - area_right));
}

void TGrCustomGridControl::ClearMultiSelection() {
    BeginUpdate();
    ClearSelection();
    EndUpdate();
    range_selected_ = false;
    selected_row_ = -1;
    selected_column_ = 0;
}

bool TGrCustomGridControl::IsCellSelected(int col, int row) const {
    if ((GridStyle == gsSlides && !AppearanceOptions.Has(aoHighlightSlideCells)) || input_active_)
        return false;
    if (!columns_->IsValidIndex(col) || columns_->GetItem(col).Options().Has(coDontHighlight))
        return false;
    if (!Focused() && AppearanceOptions.Has(aoHideSelection)) return false;
    const bool is_selected_cell = col == selected_column_ && row == selected_row_;
    if (options_.Has(goSelectFullRow)) {
        if (!IsValidRow(row) || !GetSelected(row)) return false;
        return !(is_selected_cell && AppearanceOptions.Has(aoIndicateSelectedCell));
    }
    return is_selected_cell;
}

}  // namespace kv
