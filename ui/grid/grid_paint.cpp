// The grid's geometry, painting in report style, and its mouse, keyboard and hint handling.
#include <algorithm>
#include <exception>

#include "platform/gfx/canvas.h"
#include "platform/window/keys.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_control.h"

namespace kv {

namespace {

constexpr int kIndicatorWidth = 12;

// The small triangle of a sorted column's header: pointing up when ascending.
void DrawSortMark(Canvas& canvas, const Rect& header, bool ascending) {
    const int cx = header.right - 10;
    const int cy = header.top + header.height() / 2;
    canvas.pen.color = clBtnShadow;
    canvas.brush.color = clBtnShadow;
    canvas.brush.style = bsSolid;
    if (ascending)
        canvas.Polygon({{cx - 3, cy + 2}, {cx + 3, cy + 2}, {cx, cy - 2}});
    else
        canvas.Polygon({{cx - 3, cy - 2}, {cx + 3, cy - 2}, {cx, cy + 2}});
}

}  // namespace

// --- geometry

Rect TGrCustomGridControl::GetHeaderRect() const {
    if (!options_.Has(goHeader)) return {};
    const Rect body = BodyRect();
    return {body.left, 0, body.right, HeaderSize};
}

int TGrCustomGridControl::ColumnClientLeft(const TGrCustomColumn& column) const {
    const int indicator = options_.Has(goIndicator) ? kIndicatorWidth : 0;
    const int scroll = ColumnFixed(column) ? 0 : HorzScrollBar().Position();
    return indicator + column.Left() - scroll;
}

int TGrCustomGridControl::GetRowTop(int index) const {
    const Rect body = BodyRect();
    const int l1 = row_spacing_ - LineBottom();
    int y = body.top + l1;
    for (int i = top_row_; i < index && y < body.bottom; ++i) {
        if (i >= GetRowCount())
            y += row_size_ + row_spacing_;
        else if (IsRowShown(i))
            y += GetRowHeight(i) + row_spacing_;
    }
    return std::min(y, body.bottom);
}

Rect TGrCustomGridControl::GetRowRect(int index) const {
    const Rect body = BodyRect();
    const int top = GetRowTop(index);
    const int height = index < GetRowCount() ? GetRowHeight(index) : row_size_;
    return {0, top, body.right, std::min(top + height + LineBottom(), body.bottom)};
}

Rect TGrCustomGridControl::GetCellRect(int col, int row) const {
    if (col < 0 || col >= columns_->Count()) return {};
    const TGrCustomColumn& column = columns_->GetItem(col);
    const int left = ColumnClientLeft(column);
    const int top = GetRowTop(row);
    const int height = row < GetRowCount() ? GetRowHeight(row) : row_size_;
    return {left, top, left + column.Width(), top + height};
}

int TGrCustomGridControl::ColumnAtX(int x) const {
    const int fixed_width = columns_->FixedWidth();
    for (int i = 0; i < columns_->Count(); ++i) {
        const TGrCustomColumn& column = columns_->GetItem(i);
        if (!column.Visible()) continue;
        const int left = ColumnClientLeft(column);
        // A scrolled column's part under the fixed columns does not take clicks.
        if (!ColumnFixed(column) && x < fixed_width + (options_.Has(goIndicator) ? 12 : 0))
            continue;
        if (x >= left && x < left + column.Width()) return i;
    }
    return -1;
}

int TGrCustomGridControl::RowAtY(int y) const {
    const Rect body = BodyRect();
    if (y < body.top || y >= body.bottom) return -1;
    int top = body.top;
    for (int i = top_row_; i < GetRowCount() && top < body.bottom; ++i) {
        if (!IsRowShown(i)) continue;
        const int bottom = top + GetRowHeight(i) + row_spacing_;
        if (y < bottom) return i;
        top = bottom;
    }
    return -1;
}

// --- painting

TCellState TGrCustomGridControl::CellState(int col, int row) const {
    TCellState state;
    if (IsCellSelected(col, row)) {
        state = state.With(csSelected);
        if (AppearanceOptions.Has(aoBoldTextSelection)) state = state.With(csBoldTextSelection);
    }
    if (Focused() && !AppearanceOptions.Has(aoHideFocus)) state = state.With(csFocused);
    return state;
}

bool TGrCustomGridControl::ApplyCellFont(int col, int row, TCellState state, Canvas& canvas,
                                         TColumnDisplay&) {
    canvas.font = columns_->GetItem(col).GetFont();
    canvas.font.color = state.Has(csSelected) && state.Has(csFocused) ? HighlightedTextColor
                                                                      : GetCellTextColor(col, row);
    if (!EnabledInTree()) canvas.font.color = clGrayText;
    if (state.Has(csBoldTextSelection)) canvas.font.style |= fsBold;
    return false;
}

void TGrCustomGridControl::Paint(Canvas& canvas) {
    // A fault in one paint must not take the window down: what was drawn stays.
    try {
        TGrScrollControl::Paint(canvas);
        const Rect body = BodyRect();
        HorzScrollRect = {body.left + columns_->FixedWidth(), 0, ClientWidth(), ClientHeight()};
        VertScrollRect = {0, body.top, ClientWidth(), body.bottom};
        PaintReport(canvas);
        if (body.right < ClientWidth()) {
            canvas.brush.color = Color();
            canvas.brush.style = bsSolid;
            canvas.FillRect({body.right, 0, ClientWidth(), ClientHeight()});
        }
        if (body.bottom < ClientHeight()) {
            canvas.brush.color = Color();
            canvas.FillRect({0, body.bottom, body.right, ClientHeight()});
        }
        if (GetShownRowCount() == 0 && !GridCaption.empty()) {
            canvas.font = font();
            if (!EnabledInTree()) canvas.font.color = clGrayText;
            const int h = canvas.TextHeight(GridCaption);
            const Rect r{body.left - HorzScrollBar().Position(), body.top + 4,
                         ClientWidth() - HorzScrollBar().Position(), body.top + 4 + h};
            TGraphicsProvider::DrawTextAligned(canvas, r, taCenter, GridCaption, false);
        }
        PaintWindowBars(canvas);
    } catch (const std::exception&) {
    } catch (...) {
    }
}

void TGrCustomGridControl::PaintReport(Canvas& canvas) {
    const Rect body = BodyRect();
    const Rect clip = canvas.ClipRect();
    const int indicator = options_.Has(goIndicator) ? kIndicatorWidth : 0;
    const int scroll_left = indicator + columns_->FixedWidth();
    const int l1 = row_spacing_ - LineBottom();
    int y = body.top + l1;
    for (int row = top_row_; y < body.bottom; ++row) {
        const bool real = row < GetRowCount();
        if (real && !IsRowShown(row)) continue;
        const int height = real ? GetRowHeight(row) : row_size_;
        const Rect band{0, y - l1, body.right, y + height + LineBottom()};
        if (band.bottom > clip.top && band.top < clip.bottom) {
            for (int position = 0; position < columns_->Count(); ++position) {
                TGrCustomColumn* column = &columns_->GetPositionItem(position);
                if (!column->Visible()) continue;
                const int left = ColumnClientLeft(*column);
                const int right = left + column->Width();
                if (!ColumnFixed(*column) && right < scroll_left) continue;
                if (left > ClientWidth() || right < 0) continue;
                const Rect cell{left, y, right, y + height};
                if (real)
                    DrawCell(canvas, column->GetIndex(), row, cell);
                else
                    DrawEmptyCell(canvas, column->GetIndex(), cell);
            }
            if (indicator) {
                const Rect r{0, y - l1, kIndicatorWidth, y + height + LineBottom()};
                TGraphicsProvider::DrawButtonFace(canvas, r);
                if (real && row == selected_row_) {
                    const int cy = (r.top + r.bottom) / 2;
                    canvas.pen.color = clWindowText;
                    canvas.brush.color = clWindowText;
                    canvas.Polygon({{3, cy - 3}, {3, cy + 3}, {6, cy}});
                }
            }
        }
        y += height + row_spacing_;
    }
    if (options_.Has(goSelectFullRow) && IsValidRow(selected_row_) && selected_row_ >= top_row_ &&
        Focused() && !AppearanceOptions.Has(aoHideFocus) && !input_active_) {
        Rect frame = GetRowRect(selected_row_);
        frame.left = std::max(body.left, body.left - HorzScrollBar().Position());
        frame.bottom -= LineBottom();
        frame.right -= LineRight();
        if (frame.top < body.bottom) {
            canvas.Save();
            canvas.IntersectClipRect(body);
            TGraphicsProvider::DrawFocusOutline(canvas, frame,
                                                AppearanceOptions.Has(aoAlphaBlendedSelection));
            canvas.Restore();
        }
    }
    PaintHeader(canvas);
}

void TGrCustomGridControl::PaintHeader(Canvas& canvas) {
    if (!options_.Has(goHeader)) return;
    const int indicator = options_.Has(goIndicator) ? kIndicatorWidth : 0;
    const int scroll_left = indicator + columns_->FixedWidth();
    for (int position = 0; position < columns_->Count(); ++position) {
        TGrCustomColumn* column = &columns_->GetPositionItem(position);
        if (!column->Visible()) continue;
        const int left = ColumnClientLeft(*column);
        if (left > ClientWidth()) break;
        const Rect r{left, 0, left + column->Width(), HeaderSize};
        if (!ColumnFixed(*column) && r.right < scroll_left) continue;
        canvas.Save();
        if (!ColumnFixed(*column))
            canvas.IntersectClipRect({scroll_left, 0, ClientWidth(), HeaderSize});
        canvas.IntersectClipRect(r);
        TGraphicsProvider::DrawButtonFace(canvas, r);
        canvas.font = font();
        if (!EnabledInTree()) canvas.font.color = clGrayText;
        Rect text{r.left + 4, r.top, r.right - 4, r.bottom - 1};
        if (column->Sorted()) {
            text.right -= 12;
            DrawSortMark(canvas, r, column->SortKind() == skAscending);
        }
        TGraphicsProvider::DrawTextAligned(canvas, text, column->Header().alignment,
                                           column->Header().Caption(), false);
        canvas.Restore();
    }
    if (indicator) TGraphicsProvider::DrawButtonFace(canvas, {0, 0, kIndicatorWidth, HeaderSize});
}

void TGrCustomGridControl::DrawCellGridLines(Canvas& canvas, int col, int row, TColor grid_color,
                                             const Rect& r) {
    const bool framed = GridLinesStyle == lsFramed;
    if (LineBottom() > 0) {
        canvas.pen.color = framed && row == GetRowCount() - 1 ? clBlack : grid_color;
        canvas.MoveTo(r.left, r.bottom);
        canvas.LineTo(r.right + 1, r.bottom);
    }
    if (row_spacing_ - LineBottom() > 0) {
        canvas.pen.color = clBtnHighlight;
        canvas.MoveTo(r.left, r.top - 1);
        canvas.LineTo(r.right + 1, r.top - 1);
    }
    if (LineRight() > 0) {
        const bool last = columns_->LastVisibleColumn() == &columns_->GetItem(col);
        canvas.pen.color = framed && last && row < GetRowCount() ? clBlack : grid_color;
        canvas.MoveTo(r.right - 1, r.top - 1);
        canvas.LineTo(r.right - 1, r.bottom + 1);
    }
}

void TGrCustomGridControl::DrawCell(Canvas& canvas, int col, int row, Rect cell) {
    TGrCustomColumn& column = columns_->GetItem(col);
    if (!column.Visible()) return;
    const Rect clip = canvas.ClipRect();
    if (cell.right <= clip.left || cell.left >= clip.right ||
        cell.bottom + LineBottom() <= clip.top || cell.top >= clip.bottom)
        return;
    const TCellState state = CellState(col, row);
    TColor color = GetCellPaintColor(col, row);
    if (state.Has(csSelected)) {
        if (!state.Has(csFocused))
            color = AppearanceOptions.Has(aoHideSelection) ? color : InactiveSelectionColor;
        else if (AppearanceOptions.Has(aoAlphaBlendedSelection))
            color = TGraphicsProvider::MixColors(color, clHighlight, 0.25);
        else
            color = SelectionColor;
    }
    TColor grid_color = GridLinesColor;
    if (on_cell_coloring) on_cell_coloring(col, row, color, grid_color, state);
    if (column.Sorted() && !state.Has(csSelected)) {
        if (SortedStyle == soDarker) color = TGraphicsProvider::BlendColors(clBlack, color, 10);
        if (SortedStyle == soWhite) color = clWhite;
    }
    const Rect body = BodyRect();
    canvas.Save();
    Rect clip_rect{cell.left, cell.top - (row_spacing_ - LineBottom()), cell.right,
                   std::min(cell.bottom + LineBottom(), body.bottom)};
    if (!ColumnFixed(column))
        clip_rect.left = std::max(clip_rect.left, body.left + columns_->FixedWidth());
    canvas.IntersectClipRect(clip_rect);
    if (options_.Has(goGrid)) DrawCellGridLines(canvas, col, row, grid_color, cell);
    cell.right -= LineRight();
    TColumnDisplay& display = column.Display();
    display.canvas = &canvas;
    display.ClientRect = cell;
    display.Selected = state.Has(csSelected);
    display.HighlightedTextColor = HighlightedTextColor;
    display.ImageIndex = GetRowImageIndex(row);
    display.Row = row;
    display.IsSelectedCell = col == selected_column_ && row == selected_row_;
    display.IsFirstShownRow = row == first_shown_row_;
    const bool fill =
        !AppearanceOptions.Has(aoDontFillCells) && column.DrawingOptions() != doCustomOnly;
    if (fill) display.FillCellRect(color, true);
    display.ClientRect.left += column.Padding();
    display.ClientRect.right -= column.Padding();
    // A cell whose content cannot be drawn stays blank; the rest of the grid still paints.
    try {
        if ((column.DrawingOptions() == doNormal || column.DrawingOptions() == doCustom) &&
            !IsCellHidden(col, row) && ApplyCellFont(col, row, state, canvas, display))
            display.Paint();
        if (AppearanceOptions.Has(aoHintMarks)) {
            std::string hint;
            GetCellHint(col, row, hint);
            if (!hint.empty()) display.DrawHintCorner();
        }
    } catch (const std::exception&) {
    }
    canvas.Restore();
}

void TGrCustomGridControl::DrawEmptyCell(Canvas& canvas, int col, Rect cell) {
    TGrCustomColumn& column = columns_->GetItem(col);
    TColor color = Color();
    if (AppearanceOptions.Has(aoIndicateSortedColumn) && column.Sorted())
        color = TGraphicsProvider::BlendColors(clBlack, color, 10);
    TColor grid_color = GridLinesStyle == lsActiveRows || GridLinesStyle == lsActiveHorzOnly
                            ? color
                            : GridLinesColor;
    if (on_cell_coloring) on_cell_coloring(col, -1, color, grid_color, TCellState{}.With(csEmpty));
    canvas.Save();
    Rect clip_rect{cell.left, cell.top - (row_spacing_ - LineBottom()), cell.right,
                   std::min(cell.bottom + LineBottom(), BodyRect().bottom)};
    if (!ColumnFixed(column))
        clip_rect.left = std::max(clip_rect.left, BodyRect().left + columns_->FixedWidth());
    canvas.IntersectClipRect(clip_rect);
    if (options_.Has(goGrid)) DrawCellGridLines(canvas, col, GetRowCount(), grid_color, cell);
    cell.right -= LineRight();
    canvas.brush.color = color;
    canvas.brush.style = bsSolid;
    canvas.FillRect(cell);
    canvas.Restore();
}

// --- mouse, keys and hints

void TGrCustomGridControl::ClickHeader(TGrCustomColumn& column) {
    bool sort = column.Options().Has(coCanSort);
    if (on_header_click) on_header_click(column.GetIndex(), sort);
    if (!sort) return;
    // A second click on the sorted column turns its order round.
    const bool ascending = sorted_column_ != &column || column.SortKind() == skDescending;
    column.SetSortKind(ascending ? skAscending : skDescending);
    SortColumn(column, ascending);
    if (sorted_column_ != &column) sorted_column_ = &column;
    Invalidate();
}

void TGrCustomGridControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    EditingMouseDown(button, x, y);
    if ((button == mbLeft || button == mbRight) && ClientArea().contains({x, y})) {
        const int col = ColumnAtX(x);
        if (options_.Has(goHeader) && y >= 0 && y < HeaderSize) {
            if (button == mbLeft && col >= 0) PressHeader(col, x, y);
        } else {
            const int row = RowAtY(y);
            if (row >= 0) {
                // A right click on a row of a multiple selection keeps the selection.
                const bool keep = button == mbRight && GetSelected(row);
                if (!keep) SelectCell(col >= 0 ? col : std::max(selected_column_, 0), row, shift);
            }
        }
    }
    TGrScrollControl::MouseDown(button, shift, x, y);
}

void TGrCustomGridControl::MouseMove(ShiftState shift, int x, int y) {
    TGrScrollControl::MouseMove(shift, x, y);
    ColumnDragMouseMove(shift, x, y);
}

void TGrCustomGridControl::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    TGrScrollControl::MouseUp(button, shift, x, y);
    ReleaseHeader(button, x, y);
    EditingMouseUp(button, x, y);
}

void TGrCustomGridControl::KeyPress(char32_t& key) {
    TGrScrollControl::KeyPress(key);
    if (key != 0) EditingKeyPress(key);
}

void TGrCustomGridControl::KeyDown(int& key, ShiftState shift) {
    TGrScrollControl::KeyDown(key, shift);
    if (key == 0 || options_.Has(goDisableKeys)) return;
    const int page = std::max(1, RowsPerPage(false) - 1);
    switch (key) {
        case VK_UP:
            MoveUp(shift);
            break;
        case VK_DOWN:
            if (selected_row_ < 0 && GetRowCount() > 0)
                SelectFirstRow(shift);
            else
                MoveDown(shift);
            break;
        case VK_PRIOR:
            if (selected_row_ >= 0) {
                MoveSelectionBy(-page);
            }
            break;
        case VK_NEXT:
            if (selected_row_ < 0 && GetRowCount() > 0)
                SelectFirstRow(shift);
            else
                MoveSelectionBy(page);
            break;
        case VK_HOME:
            SelectFirstRow(shift);
            break;
        case VK_END:
            SelectLastRow(shift);
            break;
        default:
            return;
    }
    key = 0;
}

bool TGrCustomGridControl::WantsKey(int key) const {
    switch (key) {
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            return true;
        default:
            return TGrScrollControl::WantsKey(key);
    }
}

bool TGrCustomGridControl::PrepareHint(Point mouse, HintInfo& info) {
    info.text.clear();
    const int col = ColumnAtX(mouse.x);
    const int row = RowAtY(mouse.y);
    if (col < 0 || row < 0) return false;
    GetCellHint(col, row, info.text);
    if (!info.text.empty()) return true;
    // A text cut by its column shows whole in the hint.
    std::string text;
    GetFitHintText(col, row, text);
    if (text.empty()) return false;
    const TGrCustomColumn& column = columns_->GetItem(col);
    Canvas measure(1, 1);
    measure.font = column.GetFont();
    if (measure.TextWidth(text) + 4 + 2 * column.Padding() <= column.Width() - LineRight())
        return false;
    info.text = text;
    return true;
}

}  // namespace kv
