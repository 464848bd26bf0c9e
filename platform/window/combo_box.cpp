#include "platform/window/combo_box.h"

#include <algorithm>

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

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    item_index_ = -1;
    Invalidate();
}

int ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    return Count() - 1;
}

void ComboBox::Clear() { SetItems({}); }

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
}

void ComboBox::DropDown() {
    if (list_ || Count() == 0) return;
    Screen& screen = Screen::Get();
    Form& window = screen.Create<Form>(Name() + "_dropdown");
    window.SetBorderStyle(bsNone);
    window.form_style = fsStayOnTop;
    window.close_on_outside_click = true;
    ListBox& list = window.Add<ListBox>(Name() + "_list");
    list.SetFont(font());
    list.images = images;
    list.SetItems(items_);
    const int rows = std::clamp(Count(), 1, std::max(1, drop_down_count));
    const int height = rows * list.ItemHeight() + 4;
    // Below the field, or above it when the screen ends first.
    Point at = ClientToScreen({0, Height()});
    if (at.y + height > screen.Height()) at.y = ClientToScreen({0, 0}).y - height;
    window.SetBounds(at.x, at.y, Width(), height);
    list.SetBounds(0, 0, Width(), height);
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
    window.ShowModal();
    list_ = nullptr;
    window.Release();
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
    if (key == VK_F4 || (key == VK_DOWN && (shift & ssAlt))) {
        DropDown();
        return;
    }
    if (key == VK_UP || key == VK_LEFT) ChooseByUser(std::max(0, item_index_ - 1));
    if (key == VK_DOWN || key == VK_RIGHT) ChooseByUser(item_index_ + 1);
    if (key == VK_HOME) ChooseByUser(0);
    if (key == VK_END) ChooseByUser(Count() - 1);
}

void ComboBox::KeyPress(char32_t& key) {
    Control::KeyPress(key);
    if (key < 32) return;
    ChooseByUser(ListBox::NextStartingWith(items_, item_index_, key));
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
    int x = field.left + 2;
    if (images && item_index_ >= 0 && item_index_ < images->Count()) {
        images->Draw(canvas, x, field.top + (field.height() - images->height) / 2, item_index_);
        x += images->width + 4;
    }
    canvas.font = f;
    canvas.bk_mode = BkMode::Transparent;
    Rect text{x, field.top, field.right, field.bottom};
    canvas.DrawText(Text(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (Focused() && !list_) canvas.DrawFocusRect(field);
    Control::Paint(canvas);
}

}  // namespace kv
