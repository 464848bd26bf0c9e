#pragma once
// Pop-up menus: items with caption ("-" for a separator), enabled, visible, checked, a short cut
// and sub-menus. Popup waits, like the desktop's menus, until an item is chosen or the menu is
// dismissed; the chosen item's on_click runs once the menu has closed. A short cut is drawn at
// the right of its item and, while the form that owns the menu has the focus, runs the item
// when it is enabled and shown.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/component.h"
#include "platform/window/form.h"
#include "platform/window/short_cut.h"

namespace kv {

struct MenuItem {
    std::string name;
    std::string caption;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    ShortCut short_cut = 0;
    int tag = 0;
    std::function<void()> on_click;
    std::vector<std::unique_ptr<MenuItem>> items;  // a sub-menu when not empty

    MenuItem& Add(std::string item_name, std::string item_caption,
                  std::function<void()> click = {});
    MenuItem& AddSeparator();
    bool IsSeparator() const { return caption == "-"; }
    MenuItem* Find(std::string_view item_name);
    // The enabled, shown command item under this one bound to the short cut, or null.
    MenuItem* FindShortCut(ShortCut short_cut);
};

class PopupMenu : public Component {
public:
    MenuItem items;
    MenuItem& Add(std::string name, std::string caption, std::function<void()> click = {}) {
        return items.Add(std::move(name), std::move(caption), std::move(click));
    }
    std::function<void()> on_popup;
    // Shows the menu with its top-left at a screen point; returns the item chosen (its
    // on_click already run) or null.
    MenuItem* Popup(int x, int y);
    bool FireShortCut(int key, ShiftState shift) override;
};

// The window of one menu level; each item is a control named after it.
class MenuWindow : public Form {
public:
    MenuWindow(MenuItem& menu, Font font);
    MenuItem* chosen = nullptr;
    // Opens a sub-menu beside an item of this one.
    void OpenSubMenu(MenuItem& item, Control& row);

protected:
    void KeyDown(int& key, ShiftState shift) override;

private:
    MenuItem& menu_;
};

}  // namespace kv
