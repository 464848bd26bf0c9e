// The grid's geometry, painting in report style, and its mouse, keyboard and hint handling.
#include <algorithm>
#include <exception>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/keys.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_control.h"

namespace kv {

namespace {

constexpr int kIndicatorWidth = 12;

}  // namespace

// --- geometry

Rect TGrCustomGridControl::GetHeaderRect() const {
    if (!options_.Has(goHeader)) return {};
    const Rect body = BodyRect();
    return {body.left, 0, body.right, HeaderSize};
}

Rect TGrCustomGridControl::GetInputRect() const {
    if (!options_.Has(goInput) || GridStyle == gsSlides) return {};
    const Rect body = BodyRect();
    const int top = options_.Has(goHeader) ? HeaderSize : 0;
    return {body.left, top, body.right, top + InputSize + 6 + LineBottom()};
}

Rect TGrCustomGridControl::GetFooterRect() const {
    if (!options_.Has(goFooter) || GridStyle == gsSlides) return {};
    const Rect body = BodyRect();
    return {body.left, ClientHeight() - FooterSize - 4 - LineBottom(), body.right, ClientHeight()};
}

Rect TGrCustomGridControl::GetIndicatorRect() const {
    if (!options_.Has(goIndicator)) return {};
    return {0, 0, kIndicatorWidth, ClientHeight()};
}

Rect TGrCustomGridControl::GetHeaderCellRect(const TGrCustomColumn& column) const {
    const int left = GridStyle == gsSlides
                         ? BodyRect().left + column.Left() - HorzScrollBar().Position()
                         : ColumnClientLeft(column);
    return {left, 0, left + column.Width(), HeaderSize};
}

Rect TGrCustomGridControl::GetInputCellRect(const TGrCustomColumn& column) const {
    const Rect input = GetInputRect();
    const int left = ColumnClientLeft(column);
    return {left, input.top, left + column.Width(), input.top + InputSize};
}

Rect TGrCustomGridControl::GetFooterCellRect(const TGrCustomColumn& column) const {
    const Rect footer = GetFooterRect();
    const int left = ColumnClientLeft(column);
    return {left, footer.top + 4 + LineBottom(), left + column.Width(), footer.bottom};
}

int TGrCustomGridControl::GetSlideTop(int index) const {
    const Rect body = BodyRect();
    int y = body.top;
    for (int i = top_row_; i < index && y < ClientHeight(); ++i)
        if (i >= GetRowCount() || IsRowShown(i)) y += SlideSize + row_spacing_;
    return std::min(y, ClientHeight());
}

Rect TGrCustomGridControl::GetSlideRect(int index) const {
    const int top = GetSlideTop(index);
    return {0, top, ClientWidth(), top + SlideSize + LineBottom()};
}

int TGrCustomGridControl::ColumnClientLeft(const TGrCustomColumn& column) const {
    // The collection's lefts start after the indicator already.
    const int scroll = ColumnFixed(column) ? 0 : HorzScrollBar().Position();
    return column.Left() - scroll;
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
    if (GridStyle == gsSlides) {
        const TGrSlideBounds& b = column.SlideBounds;
        const int top = GetSlideTop(row);
        return {b.Left, top + b.Top, b.Right(), top + b.Bottom()};
    }
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
        const int bottom = top + BandHeight(i) + row_spacing_;
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

TStyleDisplay& TGrCustomGridControl::PrepareDisplay(Canvas& canvas) const {
    TStyleDisplay& display = CurrentDisplay();
    display.canvas = &canvas;
    display.Themed = EnableVisualStyles && GridVisualStylesActive();
    display.PressedColumn = pressed_header_column_;
    display.HotColumn = hot_header_column_;
    display.HeaderDrawn = [this](int index, const Rect& r) {
        if (on_custom_draw_header) on_custom_draw_header(index, r);
    };
    display.FooterDrawn = [this](int index, const Rect& r) {
        if (on_custom_draw_footer) on_custom_draw_footer(index, r);
    };
    canvas.font = font();
    if (!EnabledInTree()) canvas.font.color = clGrayText;
    return display;
}

void TGrCustomGridControl::Paint(Canvas& canvas) {
    // The edge around the client area; everything else paints in client co-ordinates.
    if (const int frame = FrameWidth(); frame > 0) {
        const int right = Width() - 1, bottom = Height() - 1;
        canvas.brush = Brush{clBtnShadow};
        canvas.FillRect({0, 0, right, 1});
        canvas.FillRect({0, 0, 1, bottom});
        canvas.brush = Brush{clBtnHighlight};
        canvas.FillRect({0, bottom, Width(), Height()});
        canvas.FillRect({right, 0, Width(), Height()});
        const Point origin = canvas.Origin();
        canvas.Save();
        canvas.SetOrigin(origin.x + frame, origin.y + frame);
        canvas.IntersectClipRect({0, 0, Width() - 2 * frame, Height() - 2 * frame});
        PaintClient(canvas);
        canvas.Restore();
        return;
    }
    PaintClient(canvas);
}

void TGrCustomGridControl::PaintClient(Canvas& canvas) {
    // A fault in one paint must not take the window down: what was drawn stays.
    try {
        FitColumnsToWidth();
        TGrScrollControl::Paint(canvas);
        const Rect body = BodyRect();
        if (GridStyle == gsSlides) {
            HorzScrollRect = {0, 0, ClientWidth(), ClientHeight()};
            VertScrollRect = {0, body.top, ClientWidth(), ClientHeight()};
            PaintSlides(canvas);
        } else {
            HorzScrollRect = {body.left + columns_->FixedWidth(), 0, ClientWidth(), ClientHeight()};
            VertScrollRect = {0, body.top, ClientWidth(), body.bottom};
            PaintReport(canvas);
            if (body.right < ClientWidth()) {
                TStyleDisplay& display = PrepareDisplay(canvas);
                int top = 0;
                if (options_.Has(goHeader) && display.Themed && HeaderStyle == hsAuto) {
                    display.DrawHeaderRemainder({body.right, 0, ClientWidth(), HeaderSize});
                    top = HeaderSize;
                }
                canvas.brush.color = Color();
                canvas.brush.style = bsSolid;
                canvas.FillRect({body.right, top, ClientWidth(), ClientHeight()});
                // The input line and the footer run on to the right edge.
                if (const Rect input = GetInputRect(); !input.empty())
                    display.DrawEmptyArea({body.right, input.top, ClientWidth(), input.bottom});
                if (const Rect footer = GetFooterRect(); !footer.empty())
                    display.DrawEmptyArea({body.right, footer.top, ClientWidth(), footer.bottom});
            }
            if (body.bottom < ClientHeight() && !options_.Has(goFooter)) {
                canvas.brush.color = Color();
                canvas.brush.style = bsSolid;
                canvas.FillRect({0, body.bottom, body.right, ClientHeight()});
            }
        }
        if (GetShownRowCount() == 0 && !GridCaption.empty()) {
            canvas.font = font();
            if (!EnabledInTree()) canvas.font.color = clGrayText;
            const int h = canvas.TextHeight(GridCaption);
            const Rect r{body.left - HorzScrollBar().Position(), body.top + 4,
                         ClientWidth() - HorzScrollBar().Position(), body.top + 4 + h};
            TGraphicsProvider::DrawTextAligned(canvas, r, taCenter, GridCaption, false);
        }
        PaintResizeLines(canvas);
        PaintRowDropMarker(canvas);
        if (on_post_draw) on_post_draw();
        PaintWindowBars(canvas);
    } catch (const std::exception&) {
    } catch (...) {
    }
}

void TGrCustomGridControl::DrawIndicatorCell(Canvas& canvas, int row, const Rect& rect,
                                             bool selected, bool highlighted) {
    TStyleDisplay& display = PrepareDisplay(canvas);
    const TDrawingOptions options = IndicatorDrawingOptions;
    if (options == doNormal || options == doBackgroundOnly)
        display.DrawIndicator(rect, row, highlighted, selected);
    // The current row shows the arrow; the other rows of a multiple selection show inverted.
    if (options == doNormal || options == doCustom)
        display.DrawIndicatorGlyph(rect, selected, highlighted && !selected);
    if (options != doNormal && on_custom_draw_indicator)
        on_custom_draw_indicator(row, rect, selected, highlighted);
}

void TGrCustomGridControl::PaintReport(Canvas& canvas) {
    const Rect body = BodyRect();
    const Rect clip = canvas.ClipRect();
    const int indicator = options_.Has(goIndicator) ? kIndicatorWidth : 0;
    const int scroll_left = indicator + columns_->FixedWidth();
    const int l1 = row_spacing_ - LineBottom();
    // The columns that show, in display order, found once for every row.
    std::vector<TGrCustomColumn*> shown;
    for (int position = 0; position < columns_->Count(); ++position) {
        TGrCustomColumn* column = &columns_->GetPositionItem(position);
        if (!column->Visible()) continue;
        const int left = ColumnClientLeft(*column);
        const int right = left + column->Width();
        if (!ColumnFixed(*column) && right < scroll_left) continue;
        if (left > ClientWidth() || right < 0) continue;
        shown.push_back(column);
    }
    canvas.Save();
    canvas.IntersectClipRect({0, body.top, ClientWidth(), body.bottom});
    int y = body.top + l1;
    for (int row = top_row_; y < body.bottom; ++row) {
        const bool real = row < GetRowCount();
        if (real && !IsRowShown(row)) continue;
        const int height = real ? GetRowHeight(row) : row_size_;
        const Rect band{0, y - l1, body.right, y + height + LineBottom()};
        if (band.bottom > clip.top && band.top < clip.bottom) {
            for (TGrCustomColumn* column : shown) {
                const int left = ColumnClientLeft(*column);
                const Rect cell{left, y, left + column->Width(), y + height};
                if (real)
                    DrawCell(canvas, column->GetIndex(), row, cell);
                else
                    DrawEmptyCell(canvas, column->GetIndex(), cell);
            }
            if (indicator) {
                const Rect r{0, y - l1, kIndicatorWidth, y + height + LineBottom()};
                const bool selected = real && row == selected_row_ && !input_active_;
                const bool highlighted =
                    real && !input_active_ && (GetSelected(row) || row == selected_row_);
                DrawIndicatorCell(canvas, row, r, selected, highlighted);
            }
        }
        y += height + row_spacing_;
    }
    canvas.Restore();
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
    PaintFixedParts(canvas);
}

void TGrCustomGridControl::PaintFixedParts(Canvas& canvas) {
    const bool header = options_.Has(goHeader);
    const bool input = options_.Has(goInput);
    const bool footer = options_.Has(goFooter);
    const bool lines = options_.Has(goGrid);
    if (!header && !input && !footer && !options_.Has(goIndicator)) return;
    TStyleDisplay& display = PrepareDisplay(canvas);
    const Font grid_font = canvas.font;
    const int indicator = options_.Has(goIndicator) ? kIndicatorWidth : 0;
    const int scroll_left = indicator + columns_->FixedWidth();
    const Rect clip = canvas.ClipRect();
    for (int position = 0; position < columns_->Count(); ++position) {
        TGrCustomColumn* column = &columns_->GetPositionItem(position);
        if (!column->Visible()) continue;
        const int left = ColumnClientLeft(*column);
        if (left > ClientWidth()) break;
        const int right = left + column->Width();
        if (!ColumnFixed(*column) && right < scroll_left) continue;
        if (right < 0 || right <= clip.left || left >= clip.right) continue;
        canvas.Save();
        if (!ColumnFixed(*column))
            canvas.IntersectClipRect({scroll_left, 0, ClientWidth(), ClientHeight()});
        if (header) {
            const Rect r = GetHeaderCellRect(*column);
            if (r.bottom > clip.top) {
                canvas.Save();
                canvas.IntersectClipRect(r);
                canvas.font = grid_font;
                display.DrawHeader(*column, r);
                canvas.Restore();
            }
        }
        if (input)
            display.DrawInputCell(*column, GetInputCellRect(*column), Focused(), input_active_,
                                  lines);
        if (footer) display.DrawFooter(*column, GetFooterCellRect(*column), lines);
        canvas.Restore();
    }
    const Rect input_rect = GetInputRect();
    const Rect footer_rect = GetFooterRect();
    if (input)
        display.DrawSeparator(
            {input_rect.left, input_rect.top + InputSize, input_rect.right, input_rect.bottom});
    if (footer)
        display.DrawSeparator({footer_rect.left, footer_rect.top, footer_rect.right,
                               footer_rect.top + 4 + LineBottom()});
    if (indicator) {
        if (input)
            display.DrawIndicatorCorner({0, input_rect.top, indicator, input_rect.bottom}, 0);
        if (footer)
            display.DrawIndicatorCorner({0, footer_rect.top, indicator, footer_rect.bottom}, 1);
        if (header) display.DrawIndicatorCorner({0, 0, indicator, HeaderSize}, 0);
    }
}

void TGrCustomGridControl::PaintSlides(Canvas& canvas) {
    const Rect body = BodyRect();
    const Rect clip = canvas.ClipRect();
    canvas.brush.style = bsSolid;
    if (options_.Has(goHeader)) {
        TStyleDisplay& display = PrepareDisplay(canvas);
        const Font grid_font = canvas.font;
        int right = options_.Has(goIndicator) ? kIndicatorWidth : 0;
        for (int position = 0; position < columns_->Count(); ++position) {
            TGrCustomColumn* column = &columns_->GetPositionItem(position);
            if (!column->Visible()) continue;
            const Rect r = GetHeaderCellRect(*column);
            if (r.left > ClientWidth()) break;
            canvas.Save();
            canvas.IntersectClipRect(r);
            canvas.font = grid_font;
            display.DrawHeader(*column, r);
            canvas.Restore();
            right = std::max(right, r.right);
        }
        if (right < ClientWidth()) {
            if (display.Themed && HeaderStyle == hsAuto) {
                display.DrawHeaderRemainder({right, 0, ClientWidth(), HeaderSize});
            } else {
                canvas.brush.color = Color();
                canvas.brush.style = bsSolid;
                canvas.FillRect({right, 0, ClientWidth(), HeaderSize});
            }
        }
        if (options_.Has(goIndicator))
            display.DrawIndicatorCorner({0, 0, kIndicatorWidth, HeaderSize}, 0);
    }
    int y = body.top;
    for (int row = top_row_; row < GetRowCount() && y < ClientHeight(); ++row) {
        if (!IsRowShown(row)) continue;
        const Rect slide{0, y, ClientWidth(), y + SlideSize + LineBottom()};
        if (HidePartialRows() && slide.bottom > ClientHeight()) break;
        y += SlideSize + row_spacing_;
        if (slide.bottom <= clip.top || slide.top >= clip.bottom) continue;
        TColor color = Color();
        if (GetSelected(row) && !SlidesOptions.Has(soHideSelection))
            color = Focused() ? SlideSelectionColor : clBtnFace;
        TSlideState state;
        if (row == selected_row_) {
            state = state.With(stSelected);
            if (SlidesOptions.Has(soFrame)) state = state.With(stFocused);
        }
        TColor grid_color = GridLinesColor;
        if (on_slide_coloring) on_slide_coloring(row, color, grid_color, state);
        canvas.Save();
        canvas.IntersectClipRect(slide);
        canvas.brush.color = color;
        canvas.brush.style = bsSolid;
        canvas.FillRect(slide);
        for (int position = 0; position < columns_->Count(); ++position) {
            TGrCustomColumn& column = columns_->GetPositionItem(position);
            if (!column.Visible()) continue;
            const int col = column.GetIndex();
            DrawCell(canvas, col, row, GetCellRect(col, row));
            DrawSlideCaption(canvas, col, row);
        }
        if (state.Has(stFocused)) {
            canvas.brush.color = Focused() ? SelectionColor : InactiveSelectionColor;
            canvas.FrameRect(
                {slide.left + 1, slide.top + 1, slide.right - 1, slide.top + SlideSize - 2});
            canvas.FrameRect(
                {slide.left + 2, slide.top + 2, slide.right - 2, slide.top + SlideSize - 3});
        }
        if (options_.Has(goGrid)) {
            canvas.pen.color = grid_color;
            canvas.MoveTo(0, slide.top + SlideSize);
            canvas.LineTo(ClientWidth(), slide.top + SlideSize);
            if (AppearanceOptions.Has(ao3DGridLines)) {
                canvas.pen.color = clBtnHighlight;
                canvas.MoveTo(0, slide.top - 1);
                canvas.LineTo(ClientWidth(), slide.top - 1);
            }
        }
        canvas.Restore();
    }
    if (y < ClientHeight()) {
        canvas.brush.color = Color();
        canvas.brush.style = bsSolid;
        canvas.FillRect({0, y, ClientWidth(), ClientHeight()});
    }
}

void TGrCustomGridControl::DrawSlideCaption(Canvas& canvas, int col, int row) {
    const TGrCustomColumn& column = columns_->GetItem(col);
    if (column.SlideCaption.empty()) return;
    const Rect cell = GetCellRect(col, row);
    canvas.font = column.GetFont();
    canvas.font.style = 0;
    canvas.font.color = clGrayText;
    const int width = canvas.TextWidth(column.SlideCaption);
    const int height = canvas.TextHeight(column.SlideCaption);
    Rect r;
    if (column.SlideCaptionLocation == 0)
        r = {cell.left - 2 - width, cell.top, cell.left - 2, cell.bottom};
    else
        r = {cell.left + 2, cell.top - 2 - height, cell.left + 2 + width, cell.top - 2};
    TGraphicsProvider::DrawTextAligned(canvas, r, taLeftJustify, column.SlideCaption, false);
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
    if (options_.Has(goGrid) && GridStyle == gsReport)
        DrawCellGridLines(canvas, col, row, grid_color, cell);
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
    bool fill = !AppearanceOptions.Has(aoDontFillCells) && column.DrawingOptions() != doCustomOnly;
    if (on_draw_cell_background) on_draw_cell_background(col, row, cell, state, fill);
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
        if (column.DrawingOptions() != doNormal && on_custom_draw_cell)
            on_custom_draw_cell(col, row, cell, state);
    } catch (const std::exception&) {
    }
    if (!options_.Has(goSelectFullRow) && col == selected_column_ && row == selected_row_ &&
        GridStyle == gsReport && Focused() && !AppearanceOptions.Has(aoHideFocus) && !input_active_)
        TGraphicsProvider::DrawFocusOutline(canvas, cell,
                                            AppearanceOptions.Has(aoAlphaBlendedSelection));
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

void TGrCustomGridControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (CanFocus() && !Focused()) SetFocus();
    EditingMouseDown(button, x, y);
    mouse_down_point_ = {x, y};
    const bool in_client = ClientArea().contains({x, y});
    const bool in_header = options_.Has(goHeader) && y >= 0 && y < HeaderSize && in_client;
    if ((shift & ssDouble) && in_client && columns_->Count() > 0) {
        DoubleClickAt(x, y, in_header);
        // Two quick clicks on a header cell are still two clicks: the order turns round again.
        if (in_header && button == mbLeft && ResizeGripColumnAt(x) < 0) PressHeader(x);
    } else if ((button == mbLeft || button == mbRight) && in_client && columns_->Count() > 0) {
        const int col = ColumnAtX(x);
        if (in_header) {
            if (button == mbLeft) {
                PressHeader(x);
                // A press that is not on a divider may also become a column drag.
                if (!resizing_column_ && col >= 0) ArmColumnDrag(col);
            }
        } else if (options_.Has(goIndicator) && x < kIndicatorWidth && GridStyle == gsReport) {
            if (const int border =
                    options_.Has(goRowResizing) && button == mbLeft ? RowBorderAt(x, y) : -1;
                border >= 0) {
                resizing_row_ = border;
                row_resize_y_ = y;
                InvalidateClientRect({0, y, ClientWidth(), y + 1});
            } else if (const int row = RowAtY(y); row >= 0) {
                SetSelectedRow(row);
            }
        } else {
            const int row = RowAtY(y);
            mouse_down_cell_ = {col, row};
            if (row >= 0) {
                // A right click on a row of a multiple selection keeps the selection.
                const bool keep = button == mbRight && GetSelected(row);
                const int target = col >= 0 ? col : std::max(selected_column_, 0);
                if (ReactsToClicks(target)) {
                    const Rect cell = GetCellRect(target, row);
                    if (TColumnPlay* play = AttachPlay(target, row, cell))
                        play->MouseDown(button, shift, x - cell.left, y - cell.top);
                }
                if (!keep) SelectCell(target, row, shift);
                if (button == mbLeft && options_.Has(goRowMoving)) moving_row_ = row;
            }
        }
    }
    TGrScrollControl::MouseDown(button, shift, x, y);
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
            if (HomeEndBehaviour == hebLeftRight)
                SelectFirstColumn();
            else
                SelectFirstRow(shift);
            break;
        case VK_END:
            if (HomeEndBehaviour == hebLeftRight)
                SelectLastColumn();
            else
                SelectLastRow(shift);
            break;
        case VK_TAB:
            if (!WantsKey(VK_TAB)) return;
            (shift & ssShift) ? TabPrevious(true) : TabNext(true);
            break;
        case VK_LEFT:
        case VK_RIGHT:
            // A whole-row selection has no column to move to: the view scrolls sideways.
            if (input_active_ || !options_.Has(goSelectFullRow) ||
                AppearanceOptions.Has(aoIndicateSelectedCell)) {
                key == VK_LEFT ? MoveLeft(mkArrows) : MoveRight(mkArrows);
            } else {
                key == VK_LEFT ? HorzScrollBar().LineUp() : HorzScrollBar().LineDown();
            }
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
        case VK_TAB:
            // Tab stays in the grid only when there is a cell to move to.
            return WantTabs && columns_->VisibleCount() > 0 && (GetRowCount() > 0 || input_active_);
        default:
            return TGrScrollControl::WantsKey(key);
    }
}

bool TGrCustomGridControl::PrepareHint(Point mouse, HintInfo& info) {
    info.text.clear();
    const int col = ColumnAtX(mouse.x);
    if (col < 0) return false;
    const TGrCustomColumn& hinted = columns_->GetItem(col);
    // The header's and the footer's hints show just below the cell and just below the grid.
    if (options_.Has(goHeader) && mouse.y >= 0 && mouse.y < HeaderSize) {
        info.text = hinted.Header().Hint;
        info.pos = ClientToScreen({ColumnClientLeft(hinted), HeaderSize + 2});
        return !info.text.empty();
    }
    if (GetFooterRect().contains(mouse)) {
        info.text = hinted.Footer().Hint;
        info.pos = ClientToScreen({ColumnClientLeft(hinted), ClientHeight() + 2});
        return !info.text.empty();
    }
    const int row = RowAtY(mouse.y);
    if (row < 0) return false;
    GetCellHint(col, row, info.text);
    if (!info.text.empty()) {
        const Rect cell = GetCellRect(col, row);
        info.pos = ClientToScreen({std::min(cell.right, ClientWidth()), cell.top - 20});
        return true;
    }
    // A text cut by its column shows whole in the hint.
    std::string text;
    GetFitHintText(col, row, text);
    if (on_apply_cell) on_apply_cell(col, row, text);
    if (text.empty()) return false;
    const TGrCustomColumn& column = columns_->GetItem(col);
    Canvas measure(1, 1);
    measure.font = column.GetFont();
    if (measure.TextWidth(text) + 4 + 2 * column.Padding() <= column.Width() - LineRight())
        return false;
    info.text = text;
    // Laid over the cell it completes.
    const Rect cell = GetCellRect(col, row);
    info.pos = ClientToScreen({cell.left, cell.top});
    return true;
}

}  // namespace kv
