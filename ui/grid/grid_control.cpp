#include "ui/grid/grid_control.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

#include "platform/base/ascii.h"
#include "platform/window/screen.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/column_drag.h"
#include "ui/grid/column_fit.h"
#include "ui/grid/grid_cells.h"
#include "ui/grid/progress_column.h"
#include "platform/gfx/text_layout.h"

namespace kv {
namespace {

// The grid's own cursors, drawn here so the grid needs no picture files: black strokes with a
// white rim so they show on the white cells and the grey header alike.
class CursorPainter {
  public:
    static constexpr int kSize = 32;
    void Dot(int x, int y) {
        if (x >= 0 && y >= 0 && x < kSize && y < kSize) ink_[y * kSize + x] = true;
    }
    void Bar(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) Dot(x, y);
    }
    // A solid triangle pointing along (dx, dy) with its tip at (x, y).
    void Arrow(int x, int y, int dx, int dy, int length) {
        for (int i = 0; i < length; ++i)
            for (int j = -i; j <= i; ++j) Dot(x - dx * i + dy * j, y - dy * i + dx * j);
    }
    void Ring(int cx, int cy, int r) {
        for (int y = -r; y <= r; ++y)
            for (int x = -r; x <= r; ++x) {
                const int d = x * x + y * y;
                if (d <= r * r && d >= (r - 2) * (r - 2)) Dot(cx + x, cy + y);
            }
    }
    void Register(int number, Point hot_spot) {
        std::vector<uint32_t> pixels(kSize * kSize, 0);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                if (ink_[y * kSize + x]) {
                    pixels[y * kSize + x] = 0xFF000000u;
                    continue;
                }
                bool rim = false;
                for (int dy = -1; dy <= 1 && !rim; ++dy)
                    for (int dx = -1; dx <= 1 && !rim; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        rim =
                            nx >= 0 && ny >= 0 && nx < kSize && ny < kSize && ink_[ny * kSize + nx];
                    }
                if (rim) pixels[y * kSize + x] = 0xFFFFFFFFu;
            }
        Screen::Get().SetCursorImage(number, PixelView{pixels.data(), kSize, kSize, kSize * 4},
                                     hot_spot);
    }

  private:
    std::vector<bool> ink_ = std::vector<bool>(kSize * kSize, false);
};

void RegisterGridCursors() {
    if (!Screen::Current()) return;
    {  // a column's right edge: a split with arrows left and right
        CursorPainter p;
        p.Bar(15, 6, 16, 25);
        p.Bar(8, 15, 23, 16);
        p.Arrow(4, 15, -1, 0, 5);
        p.Arrow(4, 16, -1, 0, 5);
        p.Arrow(27, 15, 1, 0, 5);
        p.Arrow(27, 16, 1, 0, 5);
        p.Register(TGrCustomGridControl::crHorzSplit, {15, 15});
    }
    {  // a row's border: the same split turned upright
        CursorPainter p;
        p.Bar(6, 15, 25, 16);
        p.Bar(15, 8, 16, 23);
        p.Arrow(15, 4, 0, -1, 5);
        p.Arrow(16, 4, 0, -1, 5);
        p.Arrow(15, 27, 0, 1, 5);
        p.Arrow(16, 27, 0, 1, 5);
        p.Register(TGrCustomGridControl::crVertSplit, {15, 15});
    }
    {  // a column that cannot land here: a struck-out ring
        CursorPainter p;
        p.Ring(15, 15, 10);
        for (int i = -7; i <= 7; ++i) p.Bar(15 + i, 15 + i, 16 + i, 15 + i);
        p.Register(TGrCustomGridControl::crColumnNoDrag, {15, 15});
    }
    {  // the indicator column: an arrow pointing right at the row
        CursorPainter p;
        p.Arrow(24, 15, 1, 0, 8);
        p.Arrow(24, 16, 1, 0, 8);
        p.Bar(6, 14, 17, 17);
        p.Register(TGrCustomGridControl::crIndicatorSelect, {24, 15});
    }
}

}  // namespace

TGrCustomGridControl::TGrCustomGridControl(std::string name)
    : TGrScrollControl(std::move(name)), columns_(std::make_unique<TGrColumns>()) {
    windowed_ = true;
    tab_stop = true;
    // The grid's hints come from the cell under the mouse (PrepareHint); a bar alone lets the
    // screen ask for them.
    show_hint = true;
    hint = "|";
    SetColor(clWindow);
    SetBounds(0, 0, 250, 150);
    columns_->on_column_change = [this](TGrCustomColumn& c, int kind, int param) {
        ColumnChanged(c, kind, param);
    };
    columns_->on_structure_change = [this](int kind, int p1, int p2) {
        ColumnListChanged(kind, p1, p2);
    };
    columns_->on_after_structure_change = [this](int kind, int, int) { ColumnsNotify(kind); };
    columns_->on_refresh_column = [this](TGrCustomColumn&, TColumnArea) {
        if (!IsUpdating()) Invalidate();
    };
    columns_->body_left = [this] { return options_.Has(goIndicator) ? 12 : 0; };
    columns_->available_width = [this] {
        return ClientWidth() - (GridStyle == gsReport && options_.Has(goIndicator) ? 12 : 0);
    };
    columns_->grid_font = [this] { return font(); };
    search_timer_.SetInterval(700);
    search_timer_.on_timer = [this] { ClearSearchText(); };
    for (int style = hsAuto; style <= hsVista; ++style)
        displays_[style] = CreateStyleDisplay(static_cast<THeaderStyle>(style), this);
    RegisterGridCursors();
}

void TGrCustomGridControl::ScaleBy(int m, int d) {
    TGrScrollControl::ScaleBy(m, d);
    if (m <= 0 || d <= 0) return;
    scaled_font_size_ = font().size;
    // Kept as one fraction: a window scales once, at its creation.
    column_scale_m_ *= m;
    column_scale_d_ *= d;
    Invalidate();
}

void TGrCustomGridControl::FitColumnsToWidth() {
    if (!FitColumns || GridStyle != gsReport || fitting_columns_) return;
    std::vector<TGrCustomColumn*> shown;
    std::vector<FitColumn> fit;
    for (int p = 0; p < columns_->Count(); ++p) {
        TGrCustomColumn& c = columns_->GetItem(p);
        if (!c.Visible()) continue;
        if (c.Options().Has(coAutoSize)) return;  // the grid's own sizing fills it
        // Pictures, bars and numbers keep their widths; names and clubs take the spare.
        const bool text = c.ColumnKind() == ckString && !dynamic_cast<TGrImageColumn*>(&c) &&
                          !dynamic_cast<TGrGraphicColumn*>(&c);
        const bool named =
            std::find(FitSpareTo.begin(), FitSpareTo.end(), c.Name()) != FitSpareTo.end();
        shown.push_back(&c);
        fit.push_back({c.DesignedWidth(), c.MinWidth, text, named});
        const bool drawn = dynamic_cast<TGrImageColumn*>(&c) ||
                           dynamic_cast<TGrGraphicColumn*>(&c) ||
                           dynamic_cast<TGrProgressColumn*>(&c);
        if (FitToContents && !drawn) {
            // As wide as the cell's text rectangle must be for its widest text to show whole.
            int widest = MeasureTextWidth(c.GetFont(), c.Header().Caption());
            const int rows = std::min(GetRowCount(), kFitMeasuredRows);
            std::string shown_text;
            for (int row = 0; row < rows; ++row) {
                GetDrawText(p, row, shown_text);
                widest = std::max(widest, MeasureTextWidth(c.GetFont(), shown_text));
            }
            fit.back().need = widest + 4 + 2 * c.Padding() + 1;  // and the grid line
        }
    }
    if (shown.empty()) return;
    // The columns grow as the texts they show grow: a window that gives its grid back the
    // designed font keeps its designed widths. The client width is less the vertical bar
    // while it shows.
    const bool grown = font().size == scaled_font_size_;
    const std::vector<int> widths = FitColumnWidths(
        fit, columns_->available_width(), grown ? column_scale_m_ : 1, grown ? column_scale_d_ : 1);
    std::vector<std::pair<TGrCustomColumn*, int>> applied;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i]->Width() != widths[i]) applied.emplace_back(shown[i], widths[i]);
    if (applied.empty()) return;
    fitting_columns_ = true;
    columns_->ApplyFittedWidths(applied);
    UpdateHorzScrollBar();
    fitting_columns_ = false;
}

TStyleDisplay& TGrCustomGridControl::CurrentDisplay() const {
    const int style = HeaderStyle >= hsAuto && HeaderStyle <= hsVista ? HeaderStyle : hsAuto;
    return *displays_[style];
}

TGrCustomGridControl::~TGrCustomGridControl() {
    // The collection's hooks call into this object; the store of a descendant is gone already.
    columns_->on_column_change = nullptr;
    columns_->on_structure_change = nullptr;
    columns_->on_after_structure_change = nullptr;
    columns_->on_refresh_column = nullptr;
}

TGrCustomColumn* TGrCustomGridControl::GetColumnByName(std::string_view name) const {
    return columns_->ColumnByName(name);
}

namespace {

bool ParseIndex(const std::string& text, int& out) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

}  // namespace

void TGrCustomGridControl::ResolveCellAddress(const CellKey& column, const CellKey& row, int& col,
                                              int& row_index) const {
    const std::string& r = row.Text();
    if (EqualsIgnoreAsciiCase(r, "First"))
        row_index = 0;
    else if (EqualsIgnoreAsciiCase(r, "Last"))
        row_index = GetRowCount() - 1;
    else if (EqualsIgnoreAsciiCase(r, "Selected"))
        row_index = GetSelectedRow();
    else if (!ParseIndex(r, row_index))
        throw GridError("Invalid Rowname '" + r + "' for '" + ClassName() + ":" + Name() + "'.");

    const std::string& c = column.Text();
    if (EqualsIgnoreAsciiCase(c, "First"))
        col = 0;
    else if (EqualsIgnoreAsciiCase(c, "Last"))
        col = columns_->Count() - 1;
    else if (EqualsIgnoreAsciiCase(c, "Selected"))
        col = selected_column_;
    else if (const TGrCustomColumn* named = columns_->ColumnByName(c))
        col = named->GetIndex();
    else if (!ParseIndex(c, col))
        throw GridError("Invalid Columnname '" + c + "' for '" + ClassName() + ":" + Name() + "'.");
}

std::string TGrCustomGridControl::GetCellTextByVariant(const CellKey& column, const CellKey& row) {
    int c = 0, r = 0;
    ResolveCellAddress(column, row, c, r);
    return GetCellText(c, r);
}

void TGrCustomGridControl::SetCellTextByVariant(const CellKey& column, const CellKey& row,
                                                std::string_view value) {
    int c = 0, r = 0;
    ResolveCellAddress(column, row, c, r);
    SetCellText(c, r, value);
}

TColor TGrCustomGridControl::GetCellColor(int col, int) {
    return columns_->GetItem(col).Color();
}

TColor TGrCustomGridControl::GetCellTextColor(int col, int) {
    return columns_->GetItem(col).GetFont().color;
}

void TGrCustomGridControl::GetCellHint(int col, int row, std::string& hint) {
    if (on_cell_hint) on_cell_hint(col, row, hint);
}

bool TGrCustomGridControl::IsCellHidden(int col, int row) {
    bool showing = true;
    if (on_cell_showing) on_cell_showing(col, row, showing);
    return !showing;
}

int TGrCustomGridControl::GetSelectedCount() const {
    int n = 0;
    for (int i = 0; i < GetRowCount(); ++i)
        if (GetSelected(i)) ++n;
    return n;
}

int TGrCustomGridControl::GetShownCount() const {
    return GetRowCount() > 0 && columns_->Count() > 0 ? GetShownRowCount() : 0;
}

void TGrCustomGridControl::ClearSelection() {
    for (int i = 0; i < GetRowCount(); ++i)
        if (GetSelected(i)) SetSelected(i, false);
}

// --- row bookkeeping shared by the row operations

void TGrCustomGridControl::ClearRows() {
    top_row_ = 0;
    selected_column_ = 0;
    selected_row_ = -1;
    EndEditing();
}

void TGrCustomGridControl::InsertRow(int index) {
    EndEditing();
    if (index < first_shown_row_) first_shown_row_ = index;
    if (VertScrollBar().Position() == 0) top_row_ = first_shown_row_;
}

void TGrCustomGridControl::DeleteRow(int) {
    EndEditing();
}

void TGrCustomGridControl::MoveRow(int, int) {
    if (!IsUpdating()) Invalidate();
    EndEditing();
}

void TGrCustomGridControl::SetRowVisible(int index, bool visible) {
    if (visible) {
        first_shown_row_ = std::min(first_shown_row_, index);
        last_shown_row_ = std::max(last_shown_row_, index);
    } else {
        if (index == first_shown_row_) first_shown_row_ = FirstShownFrom(index);
        last_shown_row_ = LastShownFrom(last_shown_row_);
    }
}

void TGrCustomGridControl::SetRowHeight(int index, int height) {
    if (on_change_row_height) on_change_row_height(index, height);
}

void TGrCustomGridControl::SetRowSize(int value) {
    if (value <= 0) return;
    row_size_ = value;
    if (!IsUpdating()) Invalidate();
    UpdateVertScrollBar();
}

void TGrCustomGridControl::EndUpdate() {
    if (update_count_ > 0) --update_count_;
    if (update_count_ > 0) return;
    Invalidate();
    UpdateVertScrollBar();
}

bool TGrCustomGridControl::IsRowCalculated(int index) {
    bool accept = true;
    if (on_calculate_row) on_calculate_row(index, accept);
    return accept;
}

bool TGrCustomGridControl::DoRowMove(int from, int to) {
    bool accept = true;
    if (on_row_move) on_row_move(from, to, accept);
    return accept;
}

// --- row searches

int TGrCustomGridControl::FirstShownFrom(int index) const {
    for (int i = std::max(index, 0); i < GetRowCount(); ++i)
        if (IsRowShown(i)) return i;
    return index;
}

int TGrCustomGridControl::LastShownFrom(int index) const {
    for (int i = std::min(index, GetRowCount() - 1); i >= 0; --i)
        if (IsRowShown(i)) return i;
    return index;
}

int TGrCustomGridControl::CountShownBetween(int a, int b) const {
    int n = 0;
    for (int i = std::max(std::min(a, b), 0); i < std::min(std::max(a, b), GetRowCount()); ++i)
        if (IsRowShown(i)) ++n;
    return n;
}

int TGrCustomGridControl::ShownRowsAbove() const {
    return CountShownBetween(0, top_row_);
}

int TGrCustomGridControl::RowAfterShown(int count) const {
    int row = top_row_;
    for (int passed = 1; passed < count && row < GetRowCount();) {
        ++row;
        if (row < GetRowCount() && IsRowShown(row)) ++passed;
    }
    return row;
}

int TGrCustomGridControl::LastFullRow() const {
    const Rect body = BodyRect();
    int y = body.top;
    int last = top_row_;
    for (int i = top_row_; i < GetRowCount(); ++i) {
        if (!IsRowShown(i)) continue;
        y += BandHeight(i) + row_spacing_;
        if (y > body.bottom) break;
        last = i;
    }
    return last;
}

int TGrCustomGridControl::RowsPerPage(bool include_above) const {
    const Rect body = BodyRect();
    int room = body.height();
    int n = 0;
    for (int i = top_row_; i < GetRowCount(); ++i) {
        if (!IsRowShown(i)) continue;
        const int h = BandHeight(i) + row_spacing_;
        if (h > room) return n;
        room -= h;
        ++n;
    }
    if (include_above) {
        for (int i = top_row_ - 1; i >= 0; --i) {
            if (!IsRowShown(i)) continue;
            const int h = BandHeight(i) + row_spacing_;
            if (h > room) break;
            room -= h;
            ++n;
        }
    }
    return n;
}

// --- geometry and scrolling

Rect TGrCustomGridControl::BodyRect() const {
    const int l3 = options_.Has(goGrid) && GridLinesStyle != lsVerticalOnly ? 1 : 0;
    Rect r{options_.Has(goIndicator) ? 12 : 0, 0, ClientWidth(), ClientHeight()};
    if (GridStyle == gsSlides) {
        r.left = 0;
        if (options_.Has(goHeader)) r.top += HeaderSize;
        return r;
    }
    if (options_.Has(goHeader)) r.top += HeaderSize;
    if (options_.Has(goInput)) r.top += InputSize + 6 + l3;
    if (options_.Has(goFooter)) r.bottom -= FooterSize + 4 + l3;
    r.right =
        std::min(r.left + columns_->GetTotalWidth() - HorzScrollBar().Position(), ClientWidth());
    return r;
}

void TGrCustomGridControl::SetOptions(TGridOptions value) {
    if (value == options_) return;
    options_ = value;
    // The spacing between rows is the bottom grid line (and the top one of 3D lines).
    const bool horizontal_lines = options_.Has(goGrid) && GridLinesStyle != lsVerticalOnly;
    row_spacing_ = horizontal_lines ? 1 + (AppearanceOptions.Has(ao3DGridLines) ? 1 : 0) : 0;
    columns_->RecalcPositions(false);
    UpdateVertScrollBar();
    Invalidate();
}

void TGrCustomGridControl::UpdateVertScrollBar() {
    if (!data_bound_) return;
    TGrScrollBar& bar = VertScrollBar();
    bar.LockScrolling();
    const int shown = GetRowCount() == 1 ? 0 : GetShownRowCount();
    const int fit = RowsPerPage(false);
    if (fit < shown) {
        bar.SetMax(shown);
        bar.SetPageSize(fit + 1);
        bar.LargeChange = bar.PageSize();
    } else {
        bar.SetMax(0);
    }
    if (fit + 1 >= shown) bar.SetPosition(ShownRowsAbove());
    bar.UnlockScrolling();
    LayoutWindowBars();
}

void TGrCustomGridControl::UpdateHorzScrollBar() {
    TGrScrollBar& bar = HorzScrollBar();
    bar.LockScrolling();
    const int indicator = options_.Has(goIndicator) ? 12 : 0;
    bar.SetMax(GridStyle == gsReport ? columns_->GetTotalWidth() + indicator : 0);
    bar.SetPageSize(ClientWidth() + 1);
    bar.LargeChange = std::max(bar.PageSize() - 10, 1);
    bar.SetPosition(bar.Position());
    bar.UnlockScrolling();
    LayoutWindowBars();
}

int TGrCustomGridControl::VertScrollDelta(int old_position, int new_position) {
    int pixels = 0;
    for (int n = old_position; n < new_position && top_row_ < GetRowCount() - 1; ++n) {
        pixels -= BandHeight(top_row_) + row_spacing_;
        do ++top_row_;
        while (top_row_ < GetRowCount() - 1 && !IsRowShown(top_row_));
    }
    for (int n = new_position; n < old_position && top_row_ > 0; ++n) {
        int row = top_row_ - 1;
        while (row > 0 && !IsRowShown(row)) --row;
        if (!IsRowShown(row)) break;
        top_row_ = row;
        pixels += BandHeight(top_row_) + row_spacing_;
    }
    return pixels;
}

void TGrCustomGridControl::WheelScroll(ShiftState shift, int delta) {
    // The open editor stays over its cell: the rows do not move under it.
    if (IsEditing()) return;
    const int notches = std::max(1, std::abs(delta) / 120);
    // With nothing to scroll up or down, the wheel scrolls a wide report sideways.
    TGrScrollBar& vert = VertScrollBar();
    TGrScrollBar& horz = HorzScrollBar();
    const bool sideways = vert.Max() == 0 && GridStyle == gsReport && horz.Max() > 0;
    TGrScrollBar& bar = sideways ? horz : vert;
    for (int i = 0; i < notches; ++i) {
        if (shift & ssCtrl)
            delta < 0 ? bar.PageDown() : bar.PageUp();
        else
            delta < 0 ? bar.LineDown() : bar.LineUp();
    }
}

void TGrCustomGridControl::SetBorderStyle(BorderStyle value) {
    if (value == border_style_) return;
    border_style_ = value;
    LayoutWindowBars();
    Invalidate();
    Resized();
}

void TGrCustomGridControl::InvalidateClientRect(const Rect& r) {
    const Rect client = ClientArea();
    InvalidateRect(r.offset(client.left, client.top));
}

void TGrCustomGridControl::RefreshRow(int index) {
    if (IsUpdating() || !IsValidRow(index) || index < top_row_) return;
    const Rect band = GetRowRect(index);
    if (!band.empty()) InvalidateClientRect(band);
}

void TGrCustomGridControl::RefreshCell(int col, int row) {
    if (IsUpdating() || !IsValidCell(col, row) || row < top_row_) return;
    Rect r = GetCellRect(col, row);
    r.right += LineBottom();
    r.bottom += LineBottom();
    if (!r.empty()) InvalidateClientRect(r);
}

void TGrCustomGridControl::Resized() {
    TGrScrollControl::Resized();
    if (!data_bound_) return;
    columns_->RecalcPositions(false);
    columns_->ApplyAutoSize(nullptr, false);
    // Grown taller while scrolled down: earlier rows come into the room below the last one
    // instead of leaving it empty.
    if (top_row_ > 0 && GridStyle == gsReport) {
        const Rect body = BodyRect();
        int used = 0;
        for (int i = top_row_; i < GetRowCount(); ++i)
            if (IsRowShown(i)) used += BandHeight(i) + row_spacing_;
        for (int i = top_row_ - 1; i >= 0; --i) {
            if (!IsRowShown(i)) continue;
            const int h = BandHeight(i) + row_spacing_;
            if (used + h > body.height()) break;
            used += h;
            top_row_ = i;
        }
        VertScrollBar().LockScrolling();
        VertScrollBar().SetPosition(ShownRowsAbove());
        VertScrollBar().UnlockScrolling();
    }
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
}

void TGrCustomGridControl::FontChanged() {
    for (int i = 0; i < columns_->Count(); ++i) columns_->GetItem(i).ParentFontChanged(font());
}

// --- column notifications

void TGrCustomGridControl::ColumnsChanged(int kind, int, int) {
    if (kind == 1 || kind == 2) {
        EndEditing();
        DropStaleEditors();
    }
    UpdateHorzScrollBar();
}

void TGrCustomGridControl::ColumnListChanged(int kind, int param1, int param2) {
    ColumnsChanged(kind, param1, param2);
    if (param1 != -1)
        DoDataChange(kind == 1 ? dcDeleteColumn : kind == 3 ? dcInsertColumn : dcAddColumn, param1);
}

void TGrCustomGridControl::ColumnsNotify(int) {
    if (!IsUpdating()) Invalidate();
}

void TGrCustomGridControl::ColumnChanged(TGrCustomColumn& column, int kind, int param) {
    switch (kind) {
        case ccPosition:
            if (on_column_move && param != -1) on_column_move(column, param);
            break;
        case ccSorted:
            SortColumn(column, column.SortKind() == skAscending);
            break;
        case ccSortSettings:
            if (column.Sorted()) SortColumn(column, column.SortKind() == skAscending);
            break;
        case ccVisible:
        case ccWidth:
            columns_->RecalcPositions(false);
            UpdateHorzScrollBar();
            if (kind == ccWidth && on_column_resize) on_column_resize(column, param);
            break;
        default:
            break;
    }
    if (!IsUpdating()) Invalidate();
}

// --- sorting

void TGrCustomGridControl::SortColumn(TGrCustomColumn& column, bool ascending) {
    if (!column.Options().Has(coCanSort)) return;
    EndEditing();
    sorted_column_ = &column;
    if (on_sort_column) on_sort_column(column.GetIndex(), ascending);
}

}  // namespace kv
