#include "platform/window/combo_box.h"

#include <algorithm>

#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "platform/window/image_list.h"
#include "platform/window/list_box.h"
#include "platform/window/screen.h"

namespace kv {

ComboBox::ComboBox() {
    windowed_ = true;
    tab_stop = true;
    double_clicks_ = false;
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void ComboBox::SetItems(std::vector<std::string> items, std::vector<int> images) {
    items_ = std::move(items);
    item_images_ = std::move(images);
    item_images_.resize(items_.size(), -1);
    item_index_ = -1;
    Invalidate();
}

int ComboBox::AddItem(const std::string& item, int image) {
    items_.push_back(item);
    item_images_.push_back(image);
    return Count() - 1;
}

void ComboBox::Clear() { SetItems({}); }

int ComboBox::ItemImage(int index) const {
    return index >= 0 && index < Count() ? item_images_[index] : -1;
}

void ComboBox::SetItemImage(int index, int image) {
    if (index < 0 || index >= Count() || item_images_[index] == image) return;
    item_images_[index] = image;
    Invalidate();
}

void ComboBox::SetItemIndex(int index) {
    item_index_ = index >= 0 && index < Count() ? index : -1;
    SetCaption(Text());
    Invalidate();
}

std::string ComboBox::Text() const { return item_index_ >= 0 ? items_[item_index_] : std::string(); }

void ComboBox::ChooseByUser(int index) {
    if (index < 0 || index >= Count() || index == item_index_) return;
    SetItemIndex(index);
    if (on_change) on_change();
    if (on_select) on_select();
}

void ComboBox::DroppingDown() {
    if (on_drop_down) on_drop_down();
}

void ComboBox::ClosedUp() {
    if (on_close_up) on_close_up();
}

void ComboBox::DropDown() {
    if (list_ || Count() == 0) return;
    DroppingDown();
    Screen& screen = Screen::Get();
    Form& window = screen.Create<Form>(Name() + "_dropdown");
    window.SetBorderStyle(bsNone);
    window.form_style = fsStayOnTop;
    window.close_on_outside_click = true;
    ListBox& list = window.Add<ListBox>(Name() + "_list");
    // The list shows in the field's colours.
    list.SetFont(font());
    list.SetColor(Color());
    list.images = images;
    list.SetItems(items_, item_images_);
    const int rows = std::clamp(Count(), 1, std::max(1, drop_down_count));
    const int height = rows * list.ItemHeight() + 4;
    const int width = std::max(Width(), drop_width);
    // Below the field, or above it when the screen ends first.
    Point at = ClientToScreen({0, Height()});
    if (at.y + height > screen.Height()) at.y = ClientToScreen({0, 0}).y - height;
    window.SetBounds(at.x, at.y, width, height);
    list.SetBounds(0, 0, width, height);
    list.SetItemIndex(item_index_);
    int chosen = -1;
    list.on_mouse_up = [&](MouseButton button, ShiftState, int x, int y) {
        const int i = list.ItemAtPos({x, y});
        if (button == mbLeft && i >= 0) {
            chosen = i;
            window.SetModalResult(mrOk);
        }
    };
    list.on_key_down = [&](int& key, ShiftState) {
        if (key == VK_RETURN) {
            chosen = list.ItemIndex();
            window.SetModalResult(mrOk);
        }
        if (key == VK_ESCAPE) window.SetModalResult(mrCancel);
    };
    list_ = &list;
    Invalidate();
    window.ShowModal();
    list_ = nullptr;
    window.Release();
    Invalidate();
    ClosedUp();
    if (chosen >= 0) ChooseByUser(chosen);
    SetFocus();
}

bool ComboBox::WantsKey(int key) const { return key >= VK_LEFT && key <= VK_DOWN; }

void ComboBox::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    if (button == mbLeft) DropDown();
}

void ComboBox::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    if (key == VK_F4 || ((key == VK_DOWN || key == VK_UP) && (shift & ssAlt))) {
        DropDown();
        return;
    }
    if (key == VK_UP || key == VK_LEFT) ChooseByUser(std::max(0, item_index_ - 1));
    if (key == VK_DOWN || key == VK_RIGHT) ChooseByUser(item_index_ + 1);
    if (key == VK_HOME) ChooseByUser(0);
    if (key == VK_END) ChooseByUser(Count() - 1);
}

int ComboBox::AutoCompleteIndex(char32_t ch) {
    const int64_t now = Screen::Current() ? Screen::Current()->Now() : 0;
    if (now - typed_at_ > kAutoCompleteDelayMs) typed_.clear();
    typed_at_ = now;
    typed_ += LowerChar(ch);
    auto starts_with = [&](int i) {
        const std::u32string text = ToUtf32(items_[i]);
        if (text.size() < typed_.size()) return false;
        for (size_t k = 0; k < typed_.size(); ++k)
            if (LowerChar(text[k]) != typed_[k]) return false;
        return true;
    };
    // The same letter again steps on to the next item with it, as a list does.
    if (typed_.size() > 1 &&
        std::all_of(typed_.begin(), typed_.end(), [&](char32_t c) { return c == typed_[0]; })) {
        return ListBox::NextStartingWith(items_, item_index_, ch);
    }
    if (typed_.size() == 1 && item_index_ >= 0 && starts_with(item_index_))
        return ListBox::NextStartingWith(items_, item_index_, ch);
    for (int i = 0; i < Count(); ++i)
        if (starts_with(i)) return i;
    // Nothing starts with the whole prefix: the typed letter begins a new one.
    typed_.assign(1, LowerChar(ch));
    return ListBox::NextStartingWith(items_, item_index_, ch);
}

void ComboBox::KeyPress(char32_t& key) {
    Control::KeyPress(key);
    if (key < 32) return;
    ChooseByUser(auto_complete ? AutoCompleteIndex(key)
                               : ListBox::NextStartingWith(items_, item_index_, key));
}

void ComboBox::DrawItem(Canvas& canvas, const Rect& r, int index, const Font& font) const {
    int x = r.left + 2;
    if (images) {
        images->Draw(canvas, x, r.top + (r.height() - images->height) / 2, ItemImage(index));
        x += images->width + 4;
    }
    canvas.font = font;
    canvas.bk_mode = BkMode::Transparent;
    Rect text{x, r.top, r.right, r.bottom};
    const std::string shown = index >= 0 && index < Count() ? items_[index] : std::string();
    canvas.DrawText(shown, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void ComboBox::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    DrawSunkenWell(canvas, r, EnabledInTree() ? Color() : clBtnFace);
    Rect button{r.right - kScrollBarWidth, r.top, r.right, r.bottom};
    canvas.brush = Brush{clBtnFace};
    canvas.FillRect(button);
    Rect edge = button;
    DrawButtonEdge(canvas, edge, list_ != nullptr);
    DrawArrow(canvas, button, Arrow::Down, EnabledInTree() ? clBtnText : clGrayText);
    Rect field{r.left + 1, r.top + 1, button.left - 1, r.bottom - 1};
    Font f = font();
    if (Focused() && !list_) {
        canvas.brush = Brush{clHighlight};
        canvas.FillRect(field);
        f.color = clHighlightText;
    }
    if (!EnabledInTree()) f.color = clGrayText;
    if (item_index_ >= 0) DrawItem(canvas, field, item_index_, f);
    if (Focused() && !list_) canvas.DrawFocusRect(field);
    Control::Paint(canvas);
}

}  // namespace kv
