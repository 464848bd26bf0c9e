#include "platform/window/list_view.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"
#include "platform/window/image_list.h"
#include "platform/window/list_box.h"

namespace kv {
namespace {
constexpr int kEdge = 2;
constexpr int kCellPadding = 6;  // each side of a cell's text
constexpr int kSideStep = 16;    // pixels a side arrow scrolls
constexpr unsigned kCellFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

unsigned AlignFlag(Alignment alignment) {
    return alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
}
}  // namespace

ListView::ListView() {
    windowed_ = true;
    tab_stop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 250, 150);
    bar_.on_scroll = [this](int top) { SetTopIndex(top); };
    hbar_.on_scroll = [this](int x) { SetHorzScrollPos(x); };
    hbar_.line_step = kSideStep;
}

int ListView::AddColumn(std::string caption, int width, Alignment alignment) {
    columns_.push_back({std::move(caption), std::max(0, width), alignment});
    Invalidate();
    return static_cast<int>(columns_.size()) - 1;
}

void ListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) return;
    Change(columns_[column].width, std::max(0, width));
    SetHorzScrollPos(scroll_x_);  // kept inside the columns that are left
}

int ListView::AddItem(std::string caption, std::vector<std::string> sub_items, int image_index) {
    items_.push_back({std::move(caption), std::move(sub_items), image_index});
    Invalidate();
    return Count() - 1;
}

void ListView::DeleteItem(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    if (item_index_ == index)
        item_index_ = -1;
    else if (item_index_ > index)
        --item_index_;
    SetTopIndex(top_index_);
    Invalidate();
}

void ListView::Clear() {
    items_.clear();
    item_index_ = -1;
    top_index_ = 0;
    Invalidate();
}

std::string ListView::CellText(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0) return {};
    const ListItem& item = items_[row];
    if (column == 0) return item.caption;
    const size_t sub = static_cast<size_t>(column) - 1;
    return sub < item.sub_items.size() ? item.sub_items[sub] : std::string();
}

void ListView::SetCellText(int row, int column, std::string text) {
    if (row < 0 || row >= Count() || column < 0) return;
    ListItem& item = items_[row];
    // A cell of a column of the view, or the one just after the item's last; no further, so a
    // wild column number never grows a row without bound.
    const size_t most = std::max(columns_.size(), item.sub_items.size() + 2);
    if (static_cast<size_t>(column) >= most) return;
    if (column == 0) {
        item.caption = std::move(text);
    } else {
        if (item.sub_items.size() < static_cast<size_t>(column)) item.sub_items.resize(column);
        item.sub_items[column - 1] = std::move(text);
    }
    Invalidate();
}

Rect ListView::Inside() const {
    return Rect{0, 0, Width(), Height()}.inflate(-kEdge, -kEdge);
}

int ListView::RowHeight() const {
    int h = MeasureFontMetrics(font()).height() + 3;
    if (small_images) h = std::max(h, small_images->height + 1);
    return h;
}

int ListView::HeaderHeight() const {
    return show_column_headers ? MeasureFontMetrics(font()).height() + 6 : 0;
}

int ListView::ColumnsWidth() const {
    int width = 0;
    for (const auto& column : columns_) width += column.width;
    return width;
}

ListView::Needed ListView::Bars() const {
    const Rect inside = Inside();
    const int rows_height = inside.height() - HeaderHeight();
    auto rows_in = [&](int height) { return std::max(1, height / RowHeight()); };
    Needed n;
    n.vertical = Count() > rows_in(rows_height);
    // Each bar takes room from the other direction and may make that one needed too.
    n.horizontal = ColumnsWidth() > inside.width() - (n.vertical ? kScrollBarWidth : 0);
    if (n.horizontal && !n.vertical) n.vertical = Count() > rows_in(rows_height - kScrollBarWidth);
    return n;
}

Rect ListView::RowsArea() const {
    Rect r = Inside();
    r.top += HeaderHeight();
    const Needed bars = Bars();
    if (bars.vertical) r.right -= kScrollBarWidth;
    if (bars.horizontal) r.bottom -= kScrollBarWidth;
    return r;
}

int ListView::VisibleRows() const {
    return std::max(1, RowsArea().height() / RowHeight());
}

void ListView::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    item_index_ = index;
    if (index >= 0) top_index_ = ListBox::TopToShow(index, top_index_, VisibleRows());
    Invalidate();
}

void ListView::SetTopIndex(int index) {
    Change(top_index_, std::clamp(index, 0, std::max(0, Count() - VisibleRows())));
}

void ListView::SetHorzScrollPos(int x) {
    Change(scroll_x_, std::clamp(x, 0, std::max(0, ColumnsWidth() - RowsArea().width())));
}

int ListView::ItemAtPos(Point p) const {
    const Rect rows = RowsArea();
    if (!rows.contains(p)) return -1;
    const int i = top_index_ + (p.y - rows.top) / RowHeight();
    return i < Count() ? i : -1;
}

void ListView::SyncScrollBars() {
    const Rect inside = Inside(), rows = RowsArea();
    const Needed bars = Bars();
    bar_.SetBounds(bars.vertical ? Rect{rows.right, inside.top, inside.right, rows.bottom}
                                 : Rect{});
    hbar_.SetBounds(bars.horizontal ? Rect{inside.left, rows.bottom, rows.right, inside.bottom}
                                    : Rect{});
    bar_.SetParams(Count(), VisibleRows(), top_index_);
    hbar_.SetParams(ColumnsWidth(), rows.width(), scroll_x_);
}

void ListView::SelectByUser(int index) {
    if (Count() == 0) return;
    index = std::clamp(index, 0, Count() - 1);
    if (index == item_index_) return;
    const int old = item_index_;
    SetItemIndex(index);
    if (!on_select_item) return;
    if (old >= 0) on_select_item(old, false);
    // The handler of the row left may have changed the list.
    if (index < Count() && item_index_ == index) on_select_item(index, true);
}

void ListView::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    SyncScrollBars();
    if (button == mbLeft && (bar_.MouseDown({x, y}) || hbar_.MouseDown({x, y}))) return;
    Control::MouseDown(button, shift, x, y);
    // A press on the empty part keeps the selection, as a player expects of a list.
    const int i = ItemAtPos({x, y});
    if (i >= 0 && (button == mbLeft || button == mbRight)) SelectByUser(i);
}

void ListView::MouseMove(ShiftState shift, int x, int y) {
    if (!bar_.MouseMove({x, y}) && !hbar_.MouseMove({x, y})) Control::MouseMove(shift, x, y);
}

void ListView::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == mbLeft && (bar_.MouseUp({x, y}) || hbar_.MouseUp({x, y}))) return;
    Control::MouseUp(button, shift, x, y);
}

void ListView::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    Control::MouseWheel(shift, delta, x, y, handled);
    if (handled) return;
    SetTopIndex(top_index_ - ScrollBar::WheelLines(delta));
    handled = true;
}

void ListView::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    if (key == VK_LEFT || key == VK_RIGHT)
        SetHorzScrollPos(scroll_x_ + (key == VK_LEFT ? -kSideStep : kSideStep));
    const int row = ListBox::RowForKey(key, item_index_, Count(), VisibleRows());
    if (row != -2) SelectByUser(row);
}

void ListView::KeyPress(char32_t& key) {
    Control::KeyPress(key);
    if (key < 32) return;
    std::vector<std::string> captions;
    captions.reserve(items_.size());
    for (const auto& item : items_) captions.push_back(item.caption);
    const int i = ListBox::NextStartingWith(captions, item_index_, key);
    if (i >= 0) SelectByUser(i);
}

void ListView::PaintHeader(Canvas& canvas, const Rect& inside) {
    const Rect header{inside.left, inside.top, inside.right, inside.top + HeaderHeight()};
    canvas.font = font();
    canvas.bk_mode = BkMode::Transparent;
    int x = header.left;
    auto section = [&](Rect cell, const ListColumn* column) {
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(cell);
        Frame3D(canvas, cell, clBtnHighlight, cl3DDkShadow);
        Frame3D(canvas, cell, clBtnFace, clBtnShadow);
        if (!column) return;
        Rect text{cell.left + kCellPadding - 2, cell.top, cell.right - kCellPadding + 2,
                  cell.bottom};
        canvas.DrawText(column->caption, text, kCellFlags | AlignFlag(column->alignment));
    };
    for (const auto& column : columns_) {
        if (column.width == 0) continue;
        section({x, header.top, x + column.width, header.bottom}, &column);
        x += column.width;
    }
    // Past the last column the header runs on, empty.
    if (x < header.right) section({x, header.top, header.right + 2, header.bottom}, nullptr);
}

void ListView::PaintRow(Canvas& canvas, int row, const Rect& r) {
    const ListItem& item = items_[row];
    const bool selected = row == item_index_;
    const TColor back = Focused() ? clHighlight : clBtnFace;
    const TColor fore = Focused() ? clHighlightText : clWindowText;
    int x = r.left;
    for (size_t c = 0; c < columns_.size(); ++c) {
        const ListColumn& column = columns_[c];
        if (column.width == 0) continue;
        Rect cell{x, r.top, x + column.width, r.bottom};
        x += column.width;
        Rect text{cell.left + kCellPadding, cell.top, cell.right - kCellPadding, cell.bottom};
        if (c == 0 && small_images) {
            small_images->Draw(canvas, cell.left + 2,
                               cell.top + (r.height() - small_images->height) / 2,
                               item.image_index);
            text.left = cell.left + 2 + small_images->width + 2;
        }
        const std::string value = CellText(row, static_cast<int>(c));
        Font f = font();
        if (!EnabledInTree()) f.color = clGrayText;
        if (selected && (row_select || c == 0)) {
            Rect mark = row_select ? cell : Rect{text.left - 2, cell.top, cell.right, cell.bottom};
            if (!row_select) {
                // Only the caption's own text is marked.
                const int width = MeasureTextWidth(f, value) + 4;
                mark.right = std::min(mark.right, mark.left + width);
            }
            canvas.brush = Brush{back};
            canvas.FillRect(mark);
            f.color = fore;
        }
        canvas.font = f;
        canvas.DrawText(value, text, kCellFlags | AlignFlag(column.alignment));
        if (grid_lines) {
            canvas.pen = Pen{clBtnFace};
            canvas.MoveTo(cell.right - 1, cell.top);
            canvas.LineTo(cell.right - 1, cell.bottom);
        }
    }
    if (grid_lines) {
        canvas.pen = Pen{clBtnFace};
        canvas.MoveTo(r.left, r.bottom - 1);
        canvas.LineTo(x, r.bottom - 1);
    }
    if (selected && Focused() && row_select) canvas.DrawFocusRect({r.left, r.top, x, r.bottom});
}

void ListView::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    DrawSunkenWell(canvas, r, Color());
    SyncScrollBars();
    bar_.Paint(canvas);
    hbar_.Paint(canvas);
    const Rect rows = RowsArea();
    if (bar_.Shown() && hbar_.Shown()) {
        // The square where the two bars meet.
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect({rows.right, rows.bottom, r.right, r.bottom});
    }
    canvas.Save();
    canvas.IntersectClipRect({r.left, r.top, rows.right, rows.bottom});
    canvas.bk_mode = BkMode::Transparent;
    const int left = r.left - scroll_x_;
    if (show_column_headers) PaintHeader(canvas, {left, r.top, rows.right, rows.top});
    const int h = RowHeight();
    for (int i = top_index_, y = rows.top; i < Count() && y < rows.bottom; ++i, y += h)
        PaintRow(canvas, i, {left, y, rows.right, y + h});
    canvas.Restore();
    Control::Paint(canvas);
}

}  // namespace kv
