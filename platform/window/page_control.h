#pragma once
// A page control: tabs across the top and, under them, one page shown at a time. Each page is a
// TabSheet, a plain container of controls. Only the active page is shown, so the controls of the
// others are neither painted nor hit nor reached by Tab. The user turns the pages with a click on
// a tab, with Ctrl+Tab and Ctrl+Shift+Tab while the focus is anywhere inside the control, and
// with the arrows while the control itself has the focus; on_changing may refuse the turn and
// on_change follows it. Pages turned by code fire nothing.
//
// Without tabs (SetShowTabs(false)) it is a notebook: a frameless stack of pages turned by code.

#include <functional>
#include <string>
#include <vector>

#include "platform/window/control.h"

namespace kv {

class TabSheet : public Control {
public:
    TabSheet();
    // A page whose tab is hidden keeps its place but is skipped by the user's turning.
    bool TabVisible() const { return tab_visible_; }
    void SetTabVisible(bool visible);
    // Among the pages of its page control; -1 outside one.
    int PageIndex() const;
    void Paint(Canvas& canvas) override;

protected:
    void CaptionChanged() override;

private:
    bool tab_visible_ = true;
};

class PageControl : public Control {
public:
    PageControl();

    // A new last page with that tab caption; the first page added becomes the active one.
    TabSheet& AddPage(std::string name, std::string caption);
    int PageCount() const { return static_cast<int>(Pages().size()); }
    TabSheet* Page(int index) const;  // null when out of range
    int ActivePageIndex() const;      // -1 when no page shows
    TabSheet* ActivePage() const { return Page(ActivePageIndex()); }
    // Shows that page and hides the others (an index out of range shows none); fires nothing.
    void SetActivePageIndex(int index);
    // The next (or previous) page whose tab shows, wrapping round, as the user turns it.
    void SelectNextPage(bool forward);

    bool ShowTabs() const { return show_tabs_; }
    void SetShowTabs(bool show);
    int TabHeight() const;
    // A tab in the control's own rectangle (the active one stands out 2 pixels more); empty
    // for a page whose tab is hidden.
    Rect TabRect(int index) const;
    // The page whose tab lies under a point of the control's own rectangle, or -1.
    int TabAtPos(Point p) const;

    std::function<void(bool& allow)> on_changing;
    std::function<void()> on_change;

    Rect ClientArea() const override;
    bool WantsKey(int key) const override { return key == VK_LEFT || key == VK_RIGHT; }
    bool DialogKeyInside(int key, ShiftState shift) override;
    bool Accelerator(char32_t ch) override;
    void Paint(Canvas& canvas) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void KeyDown(int& key, ShiftState shift) override;
    void FontChanged() override { Realign(); }

private:
    std::vector<TabSheet*> Pages() const;
    // Turns to a page as the user does; false when refused or nothing changed.
    bool ChangeByUser(int index);
    // The neighbouring page with a shown tab, `step` pages away at a time; -1 when none.
    int NextTab(int from, int step, bool wrap) const;
    void PaintTab(Canvas& canvas, int index, bool active);

    bool show_tabs_ = true;
};

}  // namespace kv
