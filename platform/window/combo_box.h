#pragma once
// A drop-down list: a field showing the chosen item and a list that drops below it, optionally
// with a picture from an image list beside each item (each item names its own image, so a
// sorted list of countries keeps each country's flag). Choosing a different item, by the list,
// the arrow keys or typing, fires on_change and then on_select.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/window/control.h"

namespace kv {

class ImageList;
class ListBox;

class ComboBox : public Control {
public:
    ComboBox();

    const std::vector<std::string>& Items() const { return items_; }
    // Without images every item has none (-1).
    void SetItems(std::vector<std::string> items, std::vector<int> images = {});
    int AddItem(const std::string& item, int image = -1);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    // The image of `images` beside an item; -1 for none.
    int ItemImage(int index) const;
    void SetItemImage(int index, int image);
    int ItemIndex() const { return item_index_; }
    void SetItemIndex(int index);  // no on_change, as when the game sets it
    std::string Text() const;

    int drop_down_count = 8;
    // Width of the dropped list when wider than the field.
    int drop_width = 0;
    // Typing picks the first item that starts with what was typed since the last pause.
    bool auto_complete = true;
    static constexpr int kAutoCompleteDelayMs = 750;
    ImageList* images = nullptr;
    std::function<void()> on_change;
    std::function<void()> on_select;
    std::function<void()> on_drop_down;
    std::function<void()> on_close_up;

    // Opens the list and waits until an item is chosen or the list is dismissed (a press
    // outside it, or Escape), which chooses nothing.
    void DropDown();
    bool DroppedDown() const { return list_ != nullptr; }
    ListBox* DropDownList() const { return list_; }

    bool WantsKey(int key) const override;
    bool WantsChars() const override { return true; }
    void Paint(Canvas& canvas) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    // Run as the list opens and after it closed.
    virtual void DroppingDown();
    virtual void ClosedUp();
    // An item chosen by the user: a different one becomes ItemIndex and fires the events.
    void ChooseByUser(int index);
    // Draws the item's picture (when it has one) and text in r.
    void DrawItem(Canvas& canvas, const Rect& r, int index, const Font& font) const;

private:
    // The item typing picks: the first starting with the typed prefix.
    int AutoCompleteIndex(char32_t ch);

    std::vector<std::string> items_;
    std::vector<int> item_images_;  // one per item
    int item_index_ = -1;
    ListBox* list_ = nullptr;
    std::u32string typed_;
    int64_t typed_at_ = 0;
};

}  // namespace kv
