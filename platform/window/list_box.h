#pragma once
// A list of text items with one selected (ItemIndex, -1 for none), scrolling by wheel, keys
// and its scroll bar; optionally a picture from an image list beside each item, each item naming
// its own image so that the pictures stay with their items whatever the order. A change of
// selection by the user fires on_click.

#include <string>
#include <vector>

#include "platform/window/control.h"
#include "platform/window/scroll_bar.h"

namespace kv {

class ImageList;

class ListBox : public Control {
public:
    ListBox();

    const std::vector<std::string>& Items() const { return items_; }
    // Without images every item has none (-1).
    void SetItems(std::vector<std::string> items, std::vector<int> images = {});
    int AddItem(const std::string& item, int image = -1);  // returns its index
    // The image of `images` beside an item; -1 for none.
    int ItemImage(int index) const;
    void SetItemImage(int index, int image);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    int ItemIndex() const { return item_index_; }
    void SetItemIndex(int index);
    int TopIndex() const { return top_index_; }
    void SetTopIndex(int index);
    int ItemHeight() const;
    int item_height = 0;  // 0: from the font
    // The item under a client point, or -1.
    int ItemAtPos(Point p) const;
    // The first item after `from` (wrapping round) that starts with the character, case
    // ignored; -1 when none does. Typing a letter in a list jumps there.
    static int NextStartingWith(const std::vector<std::string>& items, int from, char32_t ch);
    // The row Up, Down, Page Up, Page Down, Home or End moves a selection to in a list of
    // `count` rows showing `page` at a time (unclamped); -2 for any other key.
    static int RowForKey(int key, int index, int count, int page);
    // The top row that brings `row` into view, moving `top` as little as it can.
    static int TopToShow(int row, int top, int page);

    ImageList* images = nullptr;

    bool WantsKey(int key) const override;
    bool WantsChars() const override { return true; }
    void Paint(Canvas& canvas) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Click() override {}  // fired by selection changes instead
    void SelectByUser(int index);
    int VisibleRows() const;
    bool HasScrollBar() const;
    // Places the scroll bar and gives it the list's numbers.
    void SyncScrollBar();

private:
    ScrollBar bar_{*this, sbVertical};
    std::vector<std::string> items_;
    std::vector<int> item_images_;  // one per item
    int item_index_ = -1;
    int top_index_ = 0;
};

}  // namespace kv
