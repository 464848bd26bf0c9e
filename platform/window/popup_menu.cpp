#include "platform/window/popup_menu.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"
#include "platform/window/screen.h"

namespace kv {
namespace {

constexpr int kRowHeight = 20;
constexpr int kSeparatorHeight = 8;
// Room left of the caption (check mark), right of the short cut, and between the two.
constexpr int kCaptionLeft = 22;
constexpr int kShortCutRight = 10;
constexpr int kShortCutGap = 24;

class MenuRow : public Control {
public:
    explicit MenuRow(MenuItem& item) : item_(item) {}
    MenuItem& item() { return item_; }
    bool hot = false;
    bool Selectable() const { return !item_.IsSeparator() && item_.enabled; }
    void Choose() {
        ControlEvent e{ControlEvent::Click};
        Dispatch(e);
    }

    void Paint(Canvas& canvas) override {
        const Rect r{0, 0, Width(), Height()};
        if (item_.IsSeparator()) {
            canvas.pen = Pen{clBtnShadow};
            canvas.MoveTo(2, Height() / 2 - 1);
            canvas.LineTo(Width() - 2, Height() / 2 - 1);
            canvas.pen = Pen{clBtnHighlight};
            canvas.MoveTo(2, Height() / 2);
            canvas.LineTo(Width() - 2, Height() / 2);
            return;
        }
        Font f = font();
        if (hot && item_.enabled) {
            canvas.brush = Brush{clHighlight};
            canvas.FillRect(r);
            f.color = clHighlightText;
        }
        if (!item_.enabled) f.color = clGrayText;
        if (item_.checked) DrawCheckMark(canvas, 4, (Height() - 13) / 2, f.color);
        canvas.font = f;
        canvas.bk_mode = BkMode::Transparent;
        Rect text{kCaptionLeft, 0, Width() - 16, Height()};
        canvas.DrawText(item_.caption, text, DT_SINGLELINE | DT_VCENTER);
        if (item_.short_cut && item_.items.empty()) {
            Rect keys{kCaptionLeft, 0, Width() - kShortCutRight, Height()};
            canvas.DrawText(ShortCutToText(item_.short_cut), keys,
                            DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
        }
        if (!item_.items.empty())
            DrawArrow(canvas, {Width() - 14, 0, Width() - 4, Height()}, Arrow::Right, f.color);
    }

protected:
    void MouseEnter() override {
        hot = true;
        Invalidate();
    }
    void MouseLeave() override {
        hot = false;
        Invalidate();
    }
    void Click() override {
        if (item_.IsSeparator() || !item_.enabled) return;
        auto* window = static_cast<MenuWindow*>(ParentForm());
        if (!item_.items.empty()) {
            window->OpenSubMenu(item_, *this);
            return;
        }
        window->chosen = &item_;
        window->SetModalResult(mrOk);
    }

private:
    MenuItem& item_;
};

// Runs one menu level modally at a screen point, kept inside the screen.
MenuItem* RunMenu(MenuItem& menu, Point at) {
    Screen& screen = Screen::Get();
    Font font;
    MenuWindow& window = screen.Create<MenuWindow>(menu, font);
    const int x = std::clamp(at.x, 0, std::max(0, screen.Width() - window.Width()));
    const int y = std::clamp(at.y, 0, std::max(0, screen.Height() - window.Height()));
    window.SetBounds(x, y, window.Width(), window.Height());
    window.ShowModal();
    MenuItem* chosen = window.chosen;
    window.Release();
    return chosen;
}

}  // namespace

MenuItem& MenuItem::Add(std::string item_name, std::string item_caption,
                        std::function<void()> click) {
    auto item = std::make_unique<MenuItem>();
    item->name = std::move(item_name);
    item->caption = std::move(item_caption);
    item->on_click = std::move(click);
    items.push_back(std::move(item));
    return *items.back();
}

MenuItem& MenuItem::AddSeparator() { return Add({}, "-"); }

MenuItem* MenuItem::Find(std::string_view item_name) {
    for (auto& i : items) {
        if (i->name == item_name) return i.get();
        if (MenuItem* found = i->Find(item_name)) return found;
    }
    return nullptr;
}

MenuItem* MenuItem::FindShortCut(ShortCut short_cut) {
    if (!short_cut) return nullptr;
    for (auto& i : items) {
        if (!i->enabled || !i->visible || i->IsSeparator()) continue;
        if (i->items.empty() && i->short_cut == short_cut) return i.get();
        if (MenuItem* found = i->FindShortCut(short_cut)) return found;
    }
    return nullptr;
}

bool PopupMenu::FireShortCut(int key, ShiftState shift) {
    MenuItem* item = items.FindShortCut(MakeShortCut(key, shift));
    if (!item) return false;
    if (item->on_click) {
        auto click = item->on_click;
        click();
    }
    return true;
}

MenuItem* PopupMenu::Popup(int x, int y) {
    if (on_popup) on_popup();
    MenuItem* chosen = RunMenu(items, {x, y});
    if (chosen && chosen->on_click) {
        auto click = chosen->on_click;
        click();
    }
    return chosen;
}

MenuWindow::MenuWindow(MenuItem& menu, Font font) : Form("menu"), menu_(menu) {
    SetBorderStyle(bsNone);
    form_style = fsStayOnTop;
    close_on_outside_click = true;
    SetColor(clMenu);
    SetFont(font);
    // Captions and short cuts each line up in their own column.
    int captions = 0, keys = 0;
    for (auto& item : menu.items) {
        if (!item->visible) continue;
        captions = std::max(captions, MeasureTextWidth(font, item->caption));
        if (item->short_cut && item->items.empty())
            keys = std::max(keys, MeasureTextWidth(font, ShortCutToText(item->short_cut)));
    }
    int y = 2;
    const int width =
        std::max(100, kCaptionLeft + captions + (keys ? kShortCutGap + keys + kShortCutRight : 26));
    for (auto& item : menu.items) {
        if (!item->visible) continue;
        auto& row = Add<MenuRow>(item->name, *item);
        const int h = item->IsSeparator() ? kSeparatorHeight : kRowHeight;
        row.SetBounds(2, y, width, h);
        y += h;
    }
    SetBounds(0, 0, width + 4, y + 2);
    on_paint = [this](Canvas& canvas) {
        Rect r{0, 0, Width(), Height()};
        Frame3D(canvas, r, cl3DLight, cl3DDkShadow);
        Frame3D(canvas, r, clBtnHighlight, clBtnShadow);
    };
}

void MenuWindow::OpenSubMenu(MenuItem& item, Control& row) {
    const Point at = row.ClientToScreen({row.Width(), -2});
    if (MenuItem* sub = RunMenu(item, at)) {
        chosen = sub;
        SetModalResult(mrOk);
    }
}

void MenuWindow::KeyDown(int& key, ShiftState shift) {
    Form::KeyDown(key, shift);
    std::vector<MenuRow*> rows;
    for (auto& c : Children()) rows.push_back(static_cast<MenuRow*>(c.get()));
    const int n = static_cast<int>(rows.size());
    int hot = -1;
    for (int i = 0; i < n; ++i)
        if (rows[i]->hot) hot = i;
    switch (key) {
        case VK_ESCAPE:
        case VK_LEFT:
            SetModalResult(mrCancel);
            break;
        case VK_UP:
        case VK_DOWN: {
            // The next selectable row that way, wrapping round.
            for (int step = 1; step <= n; ++step) {
                const int i = ((hot < 0 && key == VK_UP ? n : hot) + (key == VK_DOWN ? step : -step) +
                               2 * n) % n;
                if (!rows[i]->Selectable()) continue;
                for (MenuRow* r : rows) r->hot = false;
                rows[i]->hot = true;
                Invalidate();
                break;
            }
            break;
        }
        case VK_RETURN:
        case VK_RIGHT:
            if (hot >= 0 && (key == VK_RETURN || !rows[hot]->item().items.empty())) rows[hot]->Choose();
            break;
        default:
            break;
    }
}

}  // namespace kv
