#include "ui/grid/report_grid.h"

#include <algorithm>
#include <set>

#include "platform/base/ascii.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_locale.h"

namespace kv {

TReportGrid::TReportGrid(std::string name) : TGrCustomGridControl(std::move(name)) {
    cells_ = std::make_unique<TCells>(Columns());
    cells_->SetRowHeight(RowSize());
    cells_->on_cell_change = [this](int col, int row) { CellChanged(col, row); };
    cells_->on_compare = [this](const TCell& a, const TCell& b, int& compare) {
        if (on_compare) on_compare(a, b, compare);
    };
    cells_->display_color = [this](int col, int row) { return GetCellPaintColor(col, row); };
    cells_->display_text_color = [this](int col, int row) { return GetCellTextColor(col, row); };
    data_bound_ = true;
}

TReportGrid::~TReportGrid() {
    // The columns outlive the store; they must not reach it while the grid goes.
    Columns().on_structure_change = nullptr;
    data_bound_ = false;
    cells_.reset();
}

// --- cells

TCell& TReportGrid::GetCell(int col, int row) {
    return cells_->GetCell(col, row);
}

TCell& TReportGrid::GetCellByVariant(const CellKey& column, const CellKey& row) {
    int c = 0, r = 0;
    ResolveCellAddress(column, row, c, r);
    return GetCell(c, r);
}

std::string TReportGrid::GetCellText(int col, int row) {
    if (!IsValidCell(col, row)) return {};
    return cells_->GetCell(col, row).GetAsString();
}

void TReportGrid::SetCellText(int col, int row, std::string_view value) {
    if (!IsValidCell(col, row)) return;
    cells_->GetCell(col, row).SetAsString(value);
}

void TReportGrid::GetCellInfo(int col, int row, TCellInfo& info) {
    const TGrCustomColumn& column = Columns().GetItem(col);
    TCell& cell = cells_->GetCell(col, row);
    switch (column.ColumnKind()) {
        case ckIncrement:
            info.AsInteger = row;
            break;
        case ckBoolean:
            info.AsBoolean = cell.GetAsBoolean();
            break;
        case ckDate:
            info.AsDateTime = cell.GetAsDateTime();
            break;
        case ckFloat:
            info.AsFloat = cell.GetAsFloat();
            break;
        case ckGraphic:
            info.ObjectReference = cell.ObjectReference;
            break;
        case ckGuid:
        case ckString:
        case ckVirtual:
            info.AsString = cell.GetAsString();
            break;
        case ckInteger:
            info.AsInteger = cell.GetAsInteger();
            break;
    }
}

void TReportGrid::GetDrawText(int col, int row, std::string& text) {
    TCellInfo info;
    GetCellInfo(col, row, info);
    // A column with no format of its own shows a typed cell as the cell's own text.
    if (info.AsString.empty()) info.AsString = cells_->GetCell(col, row).GetAsString();
    Columns().GetItem(col).FormatText(info, text);
}

void TReportGrid::GetFitHintText(int col, int row, std::string& text) {
    TCellInfo info;
    GetCellInfo(col, row, info);
    Columns().GetItem(col).GetHintText(info, text);
}

void TReportGrid::GetCellHint(int col, int row, std::string& hint) {
    hint = cells_->GetCell(col, row).Hint();
    TGrCustomGridControl::GetCellHint(col, row, hint);
}

TColor TReportGrid::GetCellColor(int col, int row) {
    if (Columns().GetItem(col).ParentCellColor())
        return TGrCustomGridControl::GetCellColor(col, row);
    return cells_->GetCell(col, row).Color();
}

bool TReportGrid::IsCellHidden(int col, int row) {
    return cells_->GetCell(col, row).Empty || TGrCustomGridControl::IsCellHidden(col, row);
}

void TReportGrid::FormatCell(int col, int row, TCellState state, TColor& text_color,
                             FontStyles& style) {
    const TCell& cell = cells_->GetCell(col, row);
    style = cell.FontStyle;
    if (!state.Has(csSelected)) text_color = cell.TextColor;
    if (state.Has(csBoldTextSelection)) style |= fsBold;
    if (on_cell_formating) on_cell_formating(col, row, text_color, style, state);
}

bool TReportGrid::ApplyCellFont(int col, int row, TCellState state, Canvas& canvas,
                                TColumnDisplay& display) {
    TGrCustomGridControl::ApplyCellFont(col, row, state, canvas, display);
    TColor text_color = canvas.font.color;
    FontStyles style = canvas.font.style;
    FormatCell(col, row, state, text_color, style);
    if (state.Has(csSelected) && state.Has(csFocused)) text_color = HighlightedTextColor;
    canvas.font.color = EnabledInTree() ? text_color : clGrayText;
    canvas.font.style = style | (state.Has(csBoldTextSelection) ? fsBold : 0);
    const TCell& cell = Cells().GetCell(col, row);
    display.AsString.clear();
    GetDrawText(col, row, display.AsString);
    // Values for the painters that draw them; a text cell has none to give, and a text that
    // is not a number counts as 0.
    display.AsFloat = 0;
    display.AsInteger = 0;
    display.AsBoolean = false;
    const TColumnKind kind = Columns().GetItem(col).ColumnKind();
    if (kind != ckString && kind != ckGuid && kind != ckVirtual) {
        try {
            display.AsFloat = cell.GetAsFloat();
            display.AsInteger = cell.GetAsInteger();
            display.AsBoolean = cell.GetAsBoolean();
        } catch (const std::exception&) {
            display.AsFloat = 0;
            display.AsInteger = 0;
            display.AsBoolean = false;
        }
    }
    display.Level = GetRowLevel(row);
    // What the tree column's button shows.
    const TRow& tree_row = cells_->GetRow(row);
    display.ChildCount = tree_row.ChildCount;
    display.Expanded = tree_row.Expanded;
    if (dynamic_cast<const TGrTreeColumn*>(&Columns().GetItem(col))) {
        // The painter walks up the ancestors for the connecting lines.
        display.IsLastChild = GetNextSibling(row) < 0;
        display.tree_links = [this](int& index, int& next_sibling) {
            GetTreeLinks(index, next_sibling);
        };
    }
    display.IsSelectedCell = state.Has(csSelected) && state.Has(csFocused);
    display.ObjectReference = cell.ObjectReference;
    return true;
}

void TReportGrid::CellChanged(int col, int row) {
    if (IsUpdating()) return;
    RefreshCell(col, row);
    if (on_change) on_change(col, row);
}

// --- rows

bool TReportGrid::GetSelected(int index) const {
    return IsValidRow(index) && cells_->GetRow(index).Selected;
}

void TReportGrid::SetSelected(int index, bool value) {
    if (!IsValidRow(index)) return;
    TRow& row = cells_->GetRow(index);
    if (row.Selected == value) return;
    row.Selected = value;
    RefreshRow(index);
}

int TReportGrid::GetRowHeight(int index) const {
    int height = cells_->GetRow(index).Height;
    if (on_measuring_row_height) on_measuring_row_height(index, height);
    return height;
}

int TReportGrid::GetRowImageIndex(int index) const {
    return cells_->GetRow(index).ImageIndex;
}

int TReportGrid::GetRowLevel(int index) const {
    return cells_->GetRow(index).Level;
}

bool TReportGrid::IsRowShown(int index) const {
    return cells_->GetRow(index).Displayed();
}

int TReportGrid::GetParentRow(int index) const {
    const TRow& row = cells_->GetRow(index);
    if (row.Level <= 0 || !row.ParentRow) return -1;
    return cells_->IndexOfRow(row.ParentRow);
}

int TReportGrid::GetNextSibling(int index) const {
    const int level = cells_->GetRow(index).Level;
    for (int i = index + 1; i < GetRowCount(); ++i) {
        const int l = cells_->GetRow(i).Level;
        if (l < level) return -1;
        if (l == level) return i;
    }
    return -1;
}

int TReportGrid::GetChildCount(int index, bool all_descendants) const {
    return all_descendants ? cells_->GetDescendantCount(index) : cells_->GetChildCount(index);
}

void TReportGrid::GetTreeLinks(int& index, int& next_sibling) const {
    next_sibling = GetNextSibling(index);
    index = GetParentRow(index);
}

void TReportGrid::ApplyDefaultValues(int from, int to) {
    if (!Options().Has(goUseDefaultValues)) return;
    for (int r = from; r <= to; ++r)
        for (int c = 0; c < Columns().Count(); ++c)
            if (const std::string& value = Columns().GetItem(c).DefaultValue; !value.empty())
                SetCellText(c, r, value);
}

int TReportGrid::AddRow(int count) {
    if (count < 1) return last_added_row_;
    const int old_count = GetRowCount();
    cells_->AddRows(count);
    ApplyDefaultValues(old_count, GetRowCount() - 1);
    if (!IsUpdating()) Invalidate();
    last_added_row_ = GetRowCount() - 1;
    last_shown_row_ = GetRowCount() - 1;
    if (!IsUpdating()) UpdateVertScrollBar();
    DoDataChange(dcAddRow, last_added_row_);
    return last_added_row_;
}

int TReportGrid::AddChildRow(int parent_index, bool after_children) {
    cells_->GetRow(parent_index);  // a bad parent is refused before anything changes
    const int position =
        parent_index + 1 + (after_children ? cells_->GetDescendantCount(parent_index) : 0);
    cells_->AddChildRow(parent_index, position);
    ApplyDefaultValues(position, position);
    const bool shown = IsRowShown(position);
    if (position <= top_row_ && GetRowCount() > 1) ++top_row_;
    const TRow& parent = cells_->GetRow(parent_index);
    if (!IsUpdating() && parent.Shown && parent.ChildCount == 1) RefreshRow(parent_index);
    if (shown && !IsUpdating()) Invalidate();
    last_added_row_ = position;
    if (shown) {
        if (last_shown_row_ < position) last_shown_row_ = position;
    } else if (position <= last_shown_row_) {
        ++last_shown_row_;
    }
    UpdateVertScrollBar();
    DoDataChange(dcAddChildRow, position);
    return position;
}

void TReportGrid::AppendRows(int count) {
    if (count < 1) return;
    cells_->AddRows(count);
    last_added_row_ = GetRowCount() - 1;
    last_shown_row_ = GetRowCount() - 1;
    Invalidate();
}

void TReportGrid::RowAppeared(int index) {
    if (index < top_row_) ++top_row_;
    if (!IsUpdating()) Invalidate();
}

void TReportGrid::RowDisappeared(int index) {
    if (index < top_row_ && top_row_ > 0) --top_row_;
    if (!IsUpdating()) Invalidate();
}

void TReportGrid::InsertRow(int index) {
    if (index < 0 || index > GetRowCount())
        throw GridError("InsertRow: row " + std::to_string(index) +
                        " out of bounds (rows: " + std::to_string(GetRowCount()) + ")");
    TGrCustomGridControl::InsertRow(index);
    last_added_row_ = index;
    cells_->InsertRow(index);
    if (index < top_row_) ++top_row_;
    if (!IsUpdating()) Invalidate();
    SetSelectedRow(selected_row_ + 1);
    if (last_shown_row_ < index)
        last_shown_row_ = index;
    else
        ++last_shown_row_;
    UpdateVertScrollBar();
    DoDataChange(dcInsertRow, index);
}

void TReportGrid::DeleteRow(int index) {
    cells_->GetRow(index);  // refused before anything changes
    TGrCustomGridControl::DeleteRow(index);
    const int old_count = GetRowCount();
    const int old_selected = selected_row_;
    // Descendants first, the last one first.
    if (cells_->GetRow(index).HasChildren()) {
        for (int i = index + cells_->GetDescendantCount(index); i > index; --i) {
            if (IsRowShown(i)) RowDisappeared(i);
            cells_->DeleteRow(i);
        }
        cells_->GetRow(index).ClearChildCount();
        Invalidate();
    }
    const int removed_descendants = old_count - GetRowCount();
    if (TRow* parent = cells_->GetRow(index).ParentRow) parent->DecChildCount();
    const bool was_shown = IsRowShown(index);
    cells_->DeleteRow(index);
    const int removed = removed_descendants + 1;

    // The selection stays on its row: a selection below the deleted rows moves up with it.
    if (selected_row_ > index + removed_descendants)
        selected_row_ -= removed;
    else if (selected_row_ > index)
        selected_row_ = index;  // it was a descendant: it falls to the row after the subtree
    if (anchor_row_ > index) anchor_row_ = std::max(index, anchor_row_ - removed);

    if (was_shown || removed_descendants > 0) {
        first_shown_row_ = FirstShownFrom(0);
        last_shown_row_ = GetRowCount() > 0 ? LastShownFrom(GetRowCount() - 1) : -1;
        if (last_shown_row_ >= 0 && !IsRowShown(last_shown_row_)) last_shown_row_ = -1;
        if (was_shown) RowDisappeared(index);
    }
    if (top_row_ >= GetRowCount()) top_row_ = std::max(GetRowCount() - 1, 0);

    if (selected_row_ >= 0 && (selected_row_ >= GetRowCount() || selected_row_ > last_shown_row_)) {
        // Only a cell that existed is deselected.
        if (Columns().IsValidIndex(selected_column_) && old_selected >= 0 &&
            old_selected < old_count && on_deselect_cell)
            on_deselect_cell(selected_column_, old_selected);
        selected_row_ = last_shown_row_;
    }
    if (!IsUpdating()) Invalidate();
    UpdateVertScrollBar();
    DoDataChange(dcDeleteRow, index);
    if (last_added_row_ > GetRowCount() - 1) last_added_row_ = GetRowCount() - 1;
}

void TReportGrid::ClearRows() {
    TGrCustomGridControl::ClearRows();
    cells_->ClearRows();
    top_row_ = first_shown_row_ = last_shown_row_ = 0;
    anchor_row_ = -1;
    range_selected_ = false;
    Invalidate();
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
    DoDataChange(dcClearRows, -1);
}

void TReportGrid::MoveRow(int from, int to) {
    cells_->GetRow(from);
    cells_->GetRow(to);
    TGrCustomGridControl::MoveRow(from, to);
    if (from == to) return;
    const bool from_shown = IsRowShown(from);
    const bool to_shown = IsRowShown(to);
    cells_->MoveRow(from, to);
    if (from_shown) {
        if (to < from) {
            if (to < first_shown_row_) first_shown_row_ = to;
            if (from == last_shown_row_) last_shown_row_ = LastShownFrom(from);
        } else {
            if (from == first_shown_row_) first_shown_row_ = FirstShownFrom(from);
            if (to > last_shown_row_) last_shown_row_ = to;
        }
    }
    if (!to_shown) RowAppeared(to);
}

void TReportGrid::SwapRows(int a, int b) {
    cells_->ExchangeRows(a, b);
    RefreshRow(a);
    RefreshRow(b);
}

void TReportGrid::SetRowExpanded(int index, bool expanded) {
    TRow& row = cells_->GetRow(index);
    if (row.Expanded == expanded) return;
    row.Expanded = expanded;
    RefreshRow(index);
    // A row a collapsed ancestor hides shows none of its children whatever its own flag.
    if (row.HasChildren() && (row.Shown || !expanded)) {
        const int level = row.Level;
        int i = index + 1;
        while (i < GetRowCount() && cells_->GetRow(i).Level > level) {
            const TRow& child = cells_->GetRow(i);
            if (expanded) {
                if (!child.Shown) {
                    cells_->SetRowShown(i, true);
                    if (IsRowShown(i)) {
                        if (last_shown_row_ < i) last_shown_row_ = i;
                        RowAppeared(i);
                    }
                }
                // A collapsed child keeps its own subtree hidden.
                if (!child.Expanded) {
                    i += 1 + cells_->GetDescendantCount(i);
                    continue;
                }
            } else if (child.Shown) {
                const bool was_displayed = IsRowShown(i);
                cells_->SetRowShown(i, false);
                if (was_displayed) RowDisappeared(i);
            }
            ++i;
        }
        if (!expanded) {
            // The rows just hidden may have held the last shown row.
            last_shown_row_ = LastShownFrom(last_shown_row_);
            if (selected_row_ > index &&
                selected_row_ <= index + cells_->GetDescendantCount(index) &&
                IsValidRow(selected_row_) && !IsRowShown(selected_row_)) {
                // A hidden row cannot stay selected: its parent takes the selection.
                SetSelectedRow(index);
            }
        }
        UpdateVertScrollBar();
    }
    if (on_expand) on_expand(index);
}

void TReportGrid::SetRowVisible(int index, bool visible) {
    TRow& row = cells_->GetRow(index);
    if (row.Visible == visible) return;
    const bool was_displayed = row.Displayed();
    cells_->SetRowVisible(index, visible);
    if (was_displayed == row.Displayed()) return;  // a collapsed parent hides it either way
    if (!IsUpdating()) {
        if (visible)
            RowAppeared(index);
        else
            RowDisappeared(index);
    }
    TGrCustomGridControl::SetRowVisible(index, visible);
    UpdateVertScrollBar();
}

void TReportGrid::SetRowHeight(int index, int height) {
    TRow& row = cells_->GetRow(index);
    if (height == GetRowHeight(index)) return;
    row.Height = height;
    TGrCustomGridControl::SetRowHeight(index, height);
    if (IsRowShown(index)) {
        if (!IsUpdating()) Invalidate();
        UpdateVertScrollBar();
    }
}

void TReportGrid::SetRowSize(int value) {
    if (value <= 0) return;
    cells_->SetRowHeight(value);
    TGrCustomGridControl::SetRowSize(value);
}

void TReportGrid::SelectRange(int from, int to, bool value) {
    cells_->GetRow(from);
    cells_->GetRow(to);
    for (int i = std::min(from, to); i <= std::max(from, to); ++i)
        cells_->GetRow(i).Selected = value;
    if (!IsUpdating()) Invalidate();
}

void TReportGrid::SetStartRowCount(int value) {
    if (value == start_row_count_ || value < 0) return;
    if (value > start_row_count_) {
        AddRow(value - start_row_count_);
    } else {
        const int deletions = std::min(start_row_count_, GetRowCount()) - value;
        for (int i = 0; i < deletions && GetRowCount() > 0; ++i) DeleteRow(0);
    }
    start_row_count_ = value;
    Invalidate();
}

// --- sorting

void TReportGrid::SortColumn(TGrCustomColumn& column, bool ascending) {
    const int col = column.GetIndex();
    if (col < 0) throw GridError("SortColumn: the column is not one of this grid's");
    if (!column.Options().Has(coCanSort)) return;
    TGrCustomGridControl::SortColumn(column, ascending);
    const TRow* selected = IsValidRow(selected_row_) ? &cells_->GetRow(selected_row_) : nullptr;
    cells_->Sort(col, column.SortType(), !ascending, column.Options().Has(coFullResort));
    if (selected) SetSelectedRow(cells_->IndexOfRow(selected));
    if (selected_row_ >= 0) ScrollToRow(selected_row_);
    const int above = VertScrollBar().Position();
    top_row_ = 0;
    for (int passed = 0; top_row_ < GetRowCount() - 1 && passed < above; ++top_row_)
        if (IsRowShown(top_row_)) ++passed;
    first_shown_row_ = FirstShownFrom(0);
    last_shown_row_ = LastShownFrom(GetRowCount() - 1);
    Invalidate();
    if (on_after_sort) on_after_sort(col);
}

// --- footers

void TReportGrid::CalculateFooter(bool shown_only) {
    for (int c = 0; c < Columns().Count(); ++c) {
        TColumnFooter& footer = Columns().GetItem(c).Footer();
        if (footer.FormulaKind == fkNone) continue;
        // The counted rows: every row, or the shown ones, that OnCalculateRow accepts.
        std::vector<int> rows;
        for (int r = 0; r < GetRowCount(); ++r)
            if ((!shown_only || IsRowShown(r)) && IsRowCalculated(r)) rows.push_back(r);
        double value = 0;
        if (!rows.empty()) {
            switch (footer.FormulaKind) {
                case fkSum:
                case fkAverage:
                    for (int r : rows) value += cells_->GetCell(c, r).GetAsFloat();
                    if (footer.FormulaKind == fkAverage) value /= static_cast<double>(rows.size());
                    break;
                case fkCount:
                    value = static_cast<double>(rows.size());
                    break;
                case fkDistinct: {
                    std::set<std::string> texts;
                    for (int r : rows) {
                        std::string t = cells_->GetCell(c, r).GetAsString();
                        for (char& ch : t) ch = AsciiLower(ch);
                        texts.insert(std::move(t));
                    }
                    value = static_cast<double>(texts.size());
                    break;
                }
                case fkMaximum:
                case fkMinimum: {
                    value = cells_->GetCell(c, rows.front()).GetAsFloat();
                    for (int r : rows) {
                        const double v = cells_->GetCell(c, r).GetAsFloat();
                        if (footer.FormulaKind == fkMaximum ? v > value : v < value) value = v;
                    }
                    break;
                }
                case fkCustom:
                    if (on_column_footer_value) on_column_footer_value(c, value);
                    break;
                case fkNone:
                    break;
            }
        }
        if (on_footer_calculate) on_footer_calculate(c, value);
        footer.SetCaption(GridFloatToText(value));
        footer.FormulaValue = value;
    }
}

// --- play elements

void TReportGrid::TogglePlayRow(TColumnPlay& play) {
    SetRowExpanded(play.Row, !GetRowExpanded(play.Row));
}

void TReportGrid::PreparePlay(TColumnPlay& play) {
    play.Level = GetRowLevel(play.Row);
    if (auto* tree = dynamic_cast<TTreeColumnPlay*>(&play))
        tree->CellHeight = GetRowHeight(play.Row);
    TCell& cell = cells_->GetCell(play.Col, play.Row);
    switch (Columns().GetItem(play.Col).ColumnKind()) {
        case ckBoolean:
            play.AsBoolean = cell.GetAsBoolean();
            break;
        case ckInteger:
            play.AsInteger = cell.GetAsInteger();
            break;
        case ckString:
            GetDrawText(play.Col, play.Row, play.AsString);
            break;
        default:
            break;
    }
}

// --- columns

void TReportGrid::ColumnsChanged(int kind, int param1, int param2) {
    TGrCustomGridControl::ColumnsChanged(kind, param1, param2);
    cells_->ColumnsChanged(kind, param1, param2);
    if (kind == 0 || kind == 3) {
        TGrCustomColumn& column = Columns().GetItem(kind == 0 ? Columns().Count() - 1 : param1);
        if (TColumnPlay* play = column.Play())
            play->on_toggle = [this](TColumnPlay& p) { TogglePlayRow(p); };
    }
    if (cells_->RowCount() == 0) {
        top_row_ = first_shown_row_ = last_shown_row_ = 0;
        if (selected_row_ >= 0) selected_row_ = -1;
    }
    if (selected_column_ >= Columns().Count())
        selected_column_ = std::max(Columns().Count() - 1, 0);
}

}  // namespace kv
