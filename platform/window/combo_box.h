#pragma once
// A drop-down list: a field showing the chosen item and a list that drops below it, optionally
// with a picture from an image list beside each item (image i beside item i). Choosing a
// different item, by the list or the arrow keys, fires on_change.

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
    void SetItems(std::vector<std::string> items);
    int AddItem(const std::string& item);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    int ItemIndex() const { return item_index_; }
    void SetItemIndex(int index);  // no on_change, as when the game sets it
    std::string Text() const;

    int drop_down_count = 8;
    ImageList* images = nullptr;
    std::function<void()> on_change;

    // Opens the list and waits until an item is chosen or the list is dismissed.
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

private:
    void ChooseByUser(int index);
    std::vector<std::string> items_;
    int item_index_ = -1;
    ListBox* list_ = nullptr;
};

}  // namespace kv
