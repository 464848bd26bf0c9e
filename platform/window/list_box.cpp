#include "platform/window/list_box.h"

#include <algorithm>

#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"
#include "platform/window/image_list.h"

namespace kv {
namespace {
constexpr int kEdge = 2;
}

ListBox::ListBox() {
    windowed_ = true;
    tab_stop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    bar_.on_scroll = [this](int top) { SetTopIndex(top); };
}

void ListBox::SetItems(std::vector<std::string> items, std::vector<int> images) {
    items_ = std::move(items);
    item_images_ = std::move(images);
    item_images_.resize(items_.size(), -1);
    item_index_ = -1;
    top_index_ = 0;
    Invalidate();
}

int ListBox::AddItem(const std::string& item, int image) {
    items_.push_back(item);
    item_images_.push_back(image);
    Invalidate();
    return Count() - 1;
}

int ListBox::ItemImage(int index) const {
    return index >= 0 && index < Count() ? item_images_[index] : -1;
}

void ListBox::SetItemImage(int index, int image) {
    if (index < 0 || index >= Count() || item_images_[index] == image) return;
    item_images_[index] = image;
    Invalidate();
}

void ListBox::Clear() { SetItems({}); }

void ListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    item_index_ = index;
    if (index >= 0) top_index_ = TopToShow(index, top_index_, VisibleRows());
    Invalidate();
}

int ListBox::TopToShow(int row, int top, int page) {
    if (row < top) return row;
    if (row >= top + page) return row - page + 1;
    return top;
}

void ListBox::SetTopIndex(int index) {
    top_index_ = std::clamp(index, 0, std::max(0, Count() - VisibleRows()));
    Invalidate();
}

int ListBox::ItemHeight() const {
    if (item_height > 0) return item_height;
    int h = MeasureFontMetrics(font()).height();
    if (images) h = std::max(h, images->height);
    return h;
}

int ListBox::VisibleRows() const {
    return std::max(1, (Height() - 2 * kEdge) / std::max(1, ItemHeight()));
}

bool ListBox::HasScrollBar() const { return Count() > VisibleRows(); }

void ListBox::SyncScrollBar() {
    const int right = Width() - kEdge;
    bar_.SetBounds(HasScrollBar() ? Rect{right - kScrollBarWidth, kEdge, right, Height() - kEdge}
                                  : Rect{});
    bar_.SetParams(Count(), VisibleRows(), top_index_);
}

int ListBox::ItemAtPos(Point p) const {
    const int right = Width() - kEdge - (HasScrollBar() ? kScrollBarWidth : 0);
    if (p.x < kEdge || p.y < kEdge || p.x >= right || p.y >= Height() - kEdge) return -1;
    const int i = top_index_ + (p.y - kEdge) / std::max(1, ItemHeight());
    return i < Count() ? i : -1;
}

void ListBox::SelectByUser(int index) {
    index = std::clamp(index, 0, Count() - 1);
    if (Count() == 0 || index == item_index_) return;
    SetItemIndex(index);
    Control::Click();
}

bool ListBox::WantsKey(int key) const { return key >= VK_LEFT && key <= VK_DOWN; }

void ListBox::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    SyncScrollBar();
    // The scroll bar's presses are the bar's: they never reach the list's own handlers.
    if (button == mbLeft && bar_.MouseDown({x, y})) return;
    Control::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    const int i = ItemAtPos({x, y});
    if (i >= 0) SelectByUser(i);
}

void ListBox::MouseMove(ShiftState shift, int x, int y) {
    if (bar_.MouseMove({x, y})) return;
    Control::MouseMove(shift, x, y);
    if (!(shift & ssLeft)) return;
    const int i = ItemAtPos({x, y});
    if (i >= 0) SelectByUser(i);
}

void ListBox::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == mbLeft && bar_.MouseUp({x, y})) return;
    Control::MouseUp(button, shift, x, y);
}

void ListBox::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    Control::MouseWheel(shift, delta, x, y, handled);
    if (handled) return;
    SetTopIndex(top_index_ - ScrollBar::WheelLines(delta));
    handled = true;
}

int ListBox::RowForKey(int key, int index, int count, int page) {
    switch (key) {
        case VK_UP:
            return index - 1;
        case VK_DOWN:
            return index + 1;
        case VK_PRIOR:
            return index - page;
        case VK_NEXT:
            return index + page;
        case VK_HOME:
            return 0;
        case VK_END:
            return count - 1;
        default:
            return -2;
    }
}

void ListBox::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    // Sideways arrows move along a list as the up and down ones do.
    const int along = key == VK_LEFT ? VK_UP : key == VK_RIGHT ? VK_DOWN : key;
    const int row = RowForKey(along, item_index_, Count(), VisibleRows());
    if (row != -2) SelectByUser(row);
}

int ListBox::NextStartingWith(const std::vector<std::string>& items, int from, char32_t ch) {
    const int n = static_cast<int>(items.size());
    const char32_t want = LowerChar(ch);
    for (int step = 1; step <= n; ++step) {
        const int i = ((from + step) % n + n) % n;
        const std::u32string text = ToUtf32(items[i]);
        if (!text.empty() && LowerChar(text[0]) == want) return i;
    }
    return -1;
}

void ListBox::KeyPress(char32_t& key) {
    Control::KeyPress(key);
    if (key < 32) return;
    const int i = NextStartingWith(items_, item_index_, key);
    if (i >= 0) SelectByUser(i);
}

void ListBox::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    DrawSunkenWell(canvas, r, Color());
    SyncScrollBar();
    bar_.Paint(canvas);
    if (bar_.Shown()) r.right -= kScrollBarWidth;
    canvas.IntersectClipRect(r);
    const int h = ItemHeight();
    canvas.bk_mode = BkMode::Transparent;
    for (int i = top_index_, y = r.top; i < Count() && y < r.bottom; ++i, y += h) {
        const Rect row{r.left, y, r.right, y + h};
        Font f = font();
        if (i == item_index_) {
            canvas.brush = Brush{clHighlight};
            canvas.FillRect(row);
            f.color = clHighlightText;
        }
        if (!EnabledInTree()) f.color = clGrayText;
        int x = row.left + 2;
        if (images) {
            images->Draw(canvas, x, y + (h - images->height) / 2, item_images_[i]);
            x += images->width + 4;
        }
        canvas.font = f;
        Rect text{x, row.top, row.right, row.bottom};
        canvas.DrawText(items_[i], text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (i == item_index_ && Focused()) canvas.DrawFocusRect(row);
    }
    Control::Paint(canvas);
}

}  // namespace kv
