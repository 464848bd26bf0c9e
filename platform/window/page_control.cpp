#include "platform/window/page_control.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"
#include "platform/window/screen.h"

namespace kv {
namespace {
constexpr int kTabPadding = 6;  // each side of a tab's caption
constexpr int kFirstTab = 2;    // where the first tab starts
constexpr int kActiveRise = 2;  // how far the active tab stands out
constexpr int kPageMargin = 4;  // between the frame's outside and a page

bool Contains(const Control& outer, const Control* inner) {
    for (const Control* c = inner; c; c = c->Parent())
        if (c == &outer) return true;
    return false;
}
}  // namespace

// --- TabSheet

TabSheet::TabSheet() {
    StartHidden();
    SetAlign(alClient);
}

void TabSheet::SetTabVisible(bool visible) {
    if (tab_visible_ == visible) return;
    tab_visible_ = visible;
    if (Parent()) Parent()->Invalidate();
}

int TabSheet::PageIndex() const {
    auto* pages = dynamic_cast<PageControl*>(Parent());
    if (!pages) return -1;
    for (int i = 0; i < pages->PageCount(); ++i)
        if (pages->Page(i) == this) return i;
    return -1;
}

void TabSheet::CaptionChanged() {
    if (Parent()) Parent()->Invalidate();
}

void TabSheet::Paint(Canvas& canvas) {
    canvas.brush = Brush{Color()};
    canvas.FillRect({0, 0, Width(), Height()});
    Control::Paint(canvas);
}

// --- PageControl

PageControl::PageControl() {
    windowed_ = true;
    tab_stop = true;
    SetBounds(0, 0, 289, 193);
}

std::vector<TabSheet*> PageControl::Pages() const {
    std::vector<TabSheet*> pages;
    for (auto& c : Children())
        if (auto* page = dynamic_cast<TabSheet*>(c.get()); page && !page->Freed())
            pages.push_back(page);
    return pages;
}

TabSheet* PageControl::Page(int index) const {
    const auto pages = Pages();
    return index >= 0 && index < static_cast<int>(pages.size()) ? pages[index] : nullptr;
}

TabSheet& PageControl::AddPage(std::string name, std::string caption) {
    auto& page = Add<TabSheet>(std::move(name));
    page.SetCaption(std::move(caption));
    if (ActivePageIndex() < 0) SetActivePageIndex(PageCount() - 1);
    return page;
}

int PageControl::ActivePageIndex() const {
    const auto pages = Pages();
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i]->Visible()) return static_cast<int>(i);
    return -1;
}

void PageControl::SetActivePageIndex(int index) {
    const auto pages = Pages();
    // Hide first, so that the page control never shows two pages at once.
    for (size_t i = 0; i < pages.size(); ++i)
        if (static_cast<int>(i) != index) pages[i]->Hide();
    if (TabSheet* page = Page(index)) page->Show();
    Invalidate();
}

void PageControl::SetShowTabs(bool show) {
    if (show_tabs_ == show) return;
    show_tabs_ = show;
    Realign();
    Invalidate();
}

int PageControl::TabHeight() const {
    return show_tabs_ ? MeasureFontMetrics(font()).height() + 2 * kActiveRise + 4 : 0;
}

Rect PageControl::ClientArea() const {
    if (!show_tabs_) return {0, 0, Width(), Height()};
    const Rect r{kPageMargin, TabHeight() + kPageMargin, Width() - kPageMargin,
                 Height() - kPageMargin};
    return r.empty() ? Rect{r.left, r.top, r.left, r.top} : r;
}

Rect PageControl::TabRect(int index) const {
    if (!show_tabs_) return {};
    const auto pages = Pages();
    const int active = ActivePageIndex();
    int x = kFirstTab;
    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        if (!pages[i]->TabVisible()) continue;
        int dummy = -1;
        const int width =
            MeasureTextWidth(font(), StripPrefixes(pages[i]->Caption(), dummy)) + 2 * kTabPadding;
        if (i == index) {
            const Rect tab{x, kActiveRise, x + width, TabHeight()};
            return i == active
                       ? Rect{tab.left - kActiveRise, 0, tab.right + kActiveRise, tab.bottom + 1}
                       : tab;
        }
        x += width;
    }
    return {};
}

int PageControl::TabAtPos(Point p) const {
    // The active tab lies over its neighbours.
    const int active = ActivePageIndex();
    if (active >= 0 && TabRect(active).contains(p)) return active;
    for (int i = 0; i < PageCount(); ++i)
        if (TabRect(i).contains(p)) return i;
    return -1;
}

int PageControl::NextTab(int from, int step, bool wrap) const {
    const auto pages = Pages();
    const int n = static_cast<int>(pages.size());
    for (int k = 1; k <= n; ++k) {
        int i = from + k * step;
        if (!wrap && (i < 0 || i >= n)) return -1;
        i = ((i % n) + n) % n;
        if (pages[i]->TabVisible()) return i;
    }
    return -1;
}

bool PageControl::ChangeByUser(int index) {
    if (index < 0 || index == ActivePageIndex() || !Page(index)) return false;
    if (on_changing) {
        bool allow = true;
        on_changing(allow);
        if (!allow) return false;
    }
    Screen* screen = Screen::Current();
    const bool had_focus = screen && Contains(*this, screen->Focused());
    SetActivePageIndex(index);
    // The focus was on the page just hidden: the tabs keep it, as on the desktop.
    if (had_focus && !screen->Focused()) SetFocus();
    if (on_change) on_change();
    return true;
}

void PageControl::SelectNextPage(bool forward) {
    ChangeByUser(NextTab(ActivePageIndex(), forward ? 1 : -1, true));
}

bool PageControl::DialogKeyInside(int key, ShiftState shift) {
    if (!show_tabs_ || key != VK_TAB || !(shift & ssCtrl) || (shift & ssAlt)) return false;
    SelectNextPage(!(shift & ssShift));
    return true;
}

bool PageControl::Accelerator(char32_t ch) {
    if (!show_tabs_ || ch == 0) return false;
    for (int i = 0; i < PageCount(); ++i) {
        TabSheet* page = Page(i);
        if (page->TabVisible() && AcceleratorOf(page->Caption()) == LowerChar(ch)) {
            ChangeByUser(i);
            return true;
        }
    }
    return false;
}

void PageControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    // Mouse handlers get points of the client area; the tabs lie above it.
    const Rect client = ClientArea();
    ChangeByUser(TabAtPos({x + client.left, y + client.top}));
}

void PageControl::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    if (!show_tabs_ || (shift & (ssCtrl | ssAlt))) return;
    if (key == VK_LEFT || key == VK_RIGHT)
        ChangeByUser(NextTab(ActivePageIndex(), key == VK_RIGHT ? 1 : -1, false));
}

void PageControl::PaintTab(Canvas& canvas, int index, bool active) {
    const Rect r = TabRect(index);
    if (r.empty()) return;
    canvas.brush = Brush{Color()};
    // The active tab runs into the page below it, over the frame's top edge.
    canvas.FillRect({r.left, r.top, r.right, r.bottom + (active ? 1 : 0)});
    canvas.pen = Pen{clBtnHighlight};
    canvas.MoveTo(r.left, r.bottom + (active ? 1 : 0));
    canvas.LineTo(r.left, r.top + 2);
    canvas.LineTo(r.left + 2, r.top);
    canvas.LineTo(r.right - 2, r.top);
    canvas.pen = Pen{cl3DDkShadow};
    canvas.MoveTo(r.right - 2, r.top + 1);
    canvas.LineTo(r.right - 1, r.top + 2);
    canvas.LineTo(r.right - 1, r.bottom);
    canvas.pen = Pen{clBtnShadow};
    canvas.MoveTo(r.right - 2, r.top + 2);
    canvas.LineTo(r.right - 2, r.bottom);

    TabSheet* page = Page(index);
    canvas.bk_mode = BkMode::Transparent;
    Font f = font();
    if (!EnabledInTree() || !page->EnabledInTree()) f.color = clGrayText;
    canvas.font = f;
    Rect text{r.left + 1, r.top + 1, r.right - 2, r.bottom - (active ? 1 : 0)};
    canvas.DrawText(page->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (active && Focused()) canvas.DrawFocusRect(text.inflate(-1, -1));
}

void PageControl::Paint(Canvas& canvas) {
    const Rect all{0, 0, Width(), Height()};
    if (!show_tabs_) {
        canvas.brush = Brush{Color()};
        canvas.FillRect(all);
        Control::Paint(canvas);
        return;
    }
    // Beside the tabs lies whatever the parent shows.
    canvas.brush = Brush{Parent() ? Parent()->Color() : Color()};
    canvas.FillRect({0, 0, Width(), TabHeight()});
    Rect frame{0, TabHeight(), Width(), Height()};
    canvas.brush = Brush{Color()};
    canvas.FillRect(frame);
    Frame3D(canvas, frame, clBtnHighlight, cl3DDkShadow);
    Frame3D(canvas, frame, cl3DLight, clBtnShadow);
    const int active = ActivePageIndex();
    for (int i = 0; i < PageCount(); ++i)
        if (i != active) PaintTab(canvas, i, false);
    if (active >= 0) PaintTab(canvas, active, true);
    Control::Paint(canvas);
}

}  // namespace kv
