#pragma once
// A report list view: a header of columns (caption, width, alignment) over rows of texts, the
// first column showing each item's caption and the others its sub-items, with an optional small
// picture before the caption. One row is selected at a time, by a click or by the keys (arrows,
// Page Up and Down, Home, End, or a letter for the next caption starting with it); each change
// the user makes fires on_select_item for the row left, then for the row chosen. Rows scroll
// under the header by the wheel, the keys and a vertical scroll bar; columns wider together than
// the view scroll sideways by a horizontal bar and the side arrows.

#include <functional>
#include <string>
#include <vector>

#include "platform/window/control.h"
#include "platform/window/label.h"
#include "platform/window/scroll_bar.h"

namespace kv {

class ImageList;

struct ListColumn {
    std::string caption;
    int width = 50;  // 0 hides the column: a place for a value the player never sees
    Alignment alignment = taLeftJustify;
};

struct ListItem {
    std::string caption;
    std::vector<std::string> sub_items;
    int image_index = -1;  // in the view's small_images
};

class ListView : public Control {
public:
    ListView();

    // Returns the new column's index.
    int AddColumn(std::string caption, int width, Alignment alignment = taLeftJustify);
    const std::vector<ListColumn>& Columns() const { return columns_; }
    void SetColumnWidth(int column, int width);

    // Returns the new item's index.
    int AddItem(std::string caption, std::vector<std::string> sub_items = {}, int image_index = -1);
    void DeleteItem(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    const ListItem& Item(int index) const { return items_.at(index); }
    // Column 0 is the caption, column k the sub-item k - 1; empty where an item has none.
    std::string CellText(int row, int column) const;
    // Sets a cell of one of the view's columns, or the item's next sub-item; other cells are
    // left alone.
    void SetCellText(int row, int column, std::string text);

    int ItemIndex() const { return item_index_; }
    // Selects a row (-1 for none) and scrolls it into view; fires nothing.
    void SetItemIndex(int index);
    int TopIndex() const { return top_index_; }
    void SetTopIndex(int index);
    // How far the columns are scrolled to the left, in pixels.
    int HorzScrollPos() const { return scroll_x_; }
    void SetHorzScrollPos(int x);
    int VisibleRows() const;
    int RowHeight() const;
    int HeaderHeight() const;
    // The row under a point of the control, or -1 (the header and the scroll bar hold none).
    int ItemAtPos(Point p) const;

    ImageList* small_images = nullptr;
    bool row_select = false;  // the whole row shows selected, not the caption alone
    bool show_column_headers = true;
    bool grid_lines = false;

    std::function<void(int index, bool selected)> on_select_item;

    bool WantsKey(int key) const override { return key >= VK_LEFT && key <= VK_DOWN; }
    bool WantsChars() const override { return true; }
    void Paint(Canvas& canvas) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;

private:
  struct Needed {
      bool vertical = false, horizontal = false;
  };
    Rect Inside() const;  // within the sunken border
    int ColumnsWidth() const;
    Needed Bars() const;
    // Where the rows show: under the header, beside and above the bars.
    Rect RowsArea() const;
    void SyncScrollBars();
    void SelectByUser(int index);
    void PaintHeader(Canvas& canvas, const Rect& inside);
    void PaintRow(Canvas& canvas, int row, const Rect& r);

    std::vector<ListColumn> columns_;
    std::vector<ListItem> items_;
    int item_index_ = -1;
    int top_index_ = 0;
    int scroll_x_ = 0;
    ScrollBar bar_{*this, sbVertical};
    ScrollBar hbar_{*this, sbHorizontal};
};

}  // namespace kv
