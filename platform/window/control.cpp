#include "platform/window/control.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/drawn_text.h"
#include "platform/gfx/text_layout.h"

#include "platform/window/form.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"

namespace kv {

Control::Control(std::string name) : name_(std::move(name)) {}

Control::~Control() {
    // Children go first so that each one is forgotten while its parent still exists.
    children_.clear();
    if (Screen* screen = Screen::Current()) screen->Destroyed(*this);
}

Control& Control::Adopt(std::unique_ptr<Control> child) {
    Control& ref = *child;
    ref.parent_ = this;
    if (ref.windowed_) {
        int windowed = 0;
        for (const auto& c : children_) windowed += c->windowed_ ? 1 : 0;
        ref.tab_order_ = windowed;
    }
    children_.push_back(std::move(child));
    ChildrenChanged();
    ref.Invalidate();
    return ref;
}

std::unique_ptr<Control> Control::Detach(Control& child) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [&](const auto& c) { return c.get() == &child; });
    if (it == children_.end()) return nullptr;
    child.Invalidate();
    std::unique_ptr<Control> out = std::move(*it);
    children_.erase(it);
    if (Screen* screen = Screen::Current()) screen->Forget(child);
    if (child.windowed_) {
        for (auto& c : children_)
            if (c->windowed_ && c->tab_order_ > child.tab_order_) --c->tab_order_;
    }
    child.parent_ = nullptr;
    ChildrenChanged();
    return out;
}

void Control::SetParent(Control& parent) {
    if (parent_ == &parent) return;
    std::unique_ptr<Control> self = parent_ ? parent_->Detach(*this) : nullptr;
    if (!self) return;  // a control outside any tree (a form) has no owner to move from
    parent.Adopt(std::move(self));
}

Form* Control::ParentForm() {
    for (Control* c = this; c; c = c->parent_)
        if (auto* form = dynamic_cast<Form*>(c)) return form;
    return nullptr;
}

Control* Control::Find(std::string_view name) {
    if (name_ == name) return this;
    for (auto& child : children_)
        if (Control* found = child->Find(name)) return found;
    return nullptr;
}

void Control::BringToFront() {
    if (!parent_) return;
    auto& list = parent_->children_;
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& c) { return c.get() == this; });
    std::rotate(it, it + 1, list.end());
    Invalidate();
}

void Control::SendToBack() {
    if (!parent_) return;
    auto& list = parent_->children_;
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& c) { return c.get() == this; });
    std::rotate(list.begin(), it, it + 1);
    Invalidate();
}

void Control::Free() {
    if (freed_) return;
    Invalidate();
    freed_ = true;
    if (Screen* screen = Screen::Current()) {
        screen->Forget(*this);
        screen->DeferDelete(*this);
    }
}

bool Control::Freed() const {
    for (const Control* c = this; c; c = c->parent_)
        if (c->freed_) return true;
    return false;
}

void Control::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    const Rect next = RectOfSize(left, top, width, height);
    if (next == bounds_) return;
    const bool resized = next.width() != bounds_.width() || next.height() != bounds_.height();
    const bool moved = next.left != bounds_.left || next.top != bounds_.top;
    Invalidate();
    bounds_ = next;
    Invalidate();
    if (resized) {
        Realign();
        Resized();
    }
    if (moved) Moved();
    if (parent_ && align_ != alNone) parent_->Realign();
}

Point Control::ClientToScreen(Point p) const {
    for (const Control* c = this; c; c = c->parent_) {
        const Rect client = c->ClientArea();
        p.x += c->bounds_.left + client.left;
        p.y += c->bounds_.top + client.top;
        if (c->parent_) {
            const Point scroll = c->parent_->ScrollOffset();
            p.x -= scroll.x;
            p.y -= scroll.y;
        }
    }
    return p;
}

Point Control::ScreenToClient(Point p) const {
    const Point origin = ClientToScreen({0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

void Control::SetAlign(Align align) {
    if (align_ == align) return;
    align_ = align;
    if (parent_) parent_->Realign();
}

void Control::Realign() {
    if (realigning_) return;
    realigning_ = true;
    Rect free = ClientArea();
    free = {0, 0, free.width(), free.height()};
    // The same order as the form designer: top and bottom bands take the full width first.
    for (Align pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (auto& c : children_) {
            if (c->align_ != pass || !c->visible_) continue;
            Control& k = *c;
            switch (pass) {
                case alTop:
                    k.SetBounds(free.left, free.top, free.width(), k.Height());
                    free.top += k.Height();
                    break;
                case alBottom:
                    k.SetBounds(free.left, free.bottom - k.Height(), free.width(), k.Height());
                    free.bottom -= k.Height();
                    break;
                case alLeft:
                    k.SetBounds(free.left, free.top, k.Width(), free.height());
                    free.left += k.Width();
                    break;
                case alRight:
                    k.SetBounds(free.right - k.Width(), free.top, k.Width(), free.height());
                    free.right -= k.Width();
                    break;
                default:
                    k.SetBounds(free.left, free.top, free.width(), free.height());
                    break;
            }
        }
    }
    realigning_ = false;
}

void Control::ScaleBy(int m, int d) {
    if (d == 0) return;
    if (parent_) {
        SetBounds(MulDiv(Left(), m, d), MulDiv(Top(), m, d), MulDiv(Width(), m, d),
                  MulDiv(Height(), m, d));
    }
    ScaleFontAndChildren(m, d);
}

void Control::ScaleFontAndChildren(int m, int d) {
    if (!parent_font_ || !parent_) {
        font_.size = std::max(1, MulDiv(font_.size, m, d));
        FontChanged();
    }
    for (auto& child : children_) child->ScaleBy(m, d);
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    if (!visible) Invalidate();
    visible_ = visible;
    if (visible) Invalidate();
    if (!visible) {
        if (Screen* screen = Screen::Current()) {
            // A hidden control keeps no focus, capture or hover.
            ForEachControl(*this, [&](Control& c) {
                if (screen->Focused() == &c) screen->SetFocus(nullptr);
                if (screen->Capture() == &c) screen->SetCapture(nullptr);
            });
        }
    }
    if (parent_ && align_ != alNone) parent_->Realign();
    VisibleChanged();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_ || c->freed_) return false;
        if (!c->parent_ && !dynamic_cast<const Form*>(c)) return false;
    }
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (!enabled) {
        if (Screen* screen = Screen::Current()) {
            ForEachControl(*this, [&](Control& c) {
                if (screen->Focused() == &c) screen->SetFocus(nullptr);
            });
        }
    }
    Invalidate();
    EnabledChanged();
}

bool Control::EnabledInTree() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void Control::SetCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    Invalidate();
    CaptionChanged();
}

TColor Control::Color() const {
    const Control* c = this;
    while (c->parent_color_ && c->parent_) c = c->parent_;
    return c->color_;
}

void Control::SetColor(TColor color) {
    parent_color_ = false;
    if (color_ == color) return;
    color_ = color;
    Invalidate();
}

const Font& Control::font() const {
    const Control* c = this;
    while (c->parent_font_ && c->parent_) c = c->parent_;
    return c->font_;
}

void Control::SetFont(const Font& font) {
    font_ = font;
    parent_font_ = false;
    Invalidate();
    ForEachControl(*this, [](Control& c) { c.FontChanged(); });
}

void Control::SetTabOrder(int order) {
    if (!parent_ || !windowed_) return;
    int count = 0;
    for (auto& c : parent_->children_) count += c->windowed_ ? 1 : 0;
    order = std::clamp(order, 0, count - 1);
    const int old = tab_order_;
    for (auto& c : parent_->children_) {
        if (!c->windowed_ || c.get() == this) continue;
        if (old < order && c->tab_order_ > old && c->tab_order_ <= order) --c->tab_order_;
        if (order < old && c->tab_order_ >= order && c->tab_order_ < old) ++c->tab_order_;
    }
    tab_order_ = order;
}

bool Control::Focused() const {
    Screen* screen = Screen::Current();
    return screen && screen->Focused() == this;
}

bool Control::CanFocus() const {
    if (!windowed_ || Freed()) return false;
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    const Form* form = const_cast<Control*>(this)->ParentForm();
    return form != nullptr;
}

void Control::SetFocus() {
    if (!CanFocus()) return;
    if (Screen* screen = Screen::Current()) screen->SetFocus(this);
}

bool Control::WantsKey(int) const { return false; }

bool Control::PrepareHint(Point, HintInfo&) { return true; }

void Control::Invalidate() { InvalidateRect({0, 0, Width(), Height()}); }

void Control::InvalidateRect(const Rect& r) {
    Screen* screen = Screen::Current();
    if (!screen || !Showing()) return;
    Point origin{Left(), Top()};
    if (parent_) {
        const Point scroll = parent_->ScrollOffset();
        origin = parent_->ClientToScreen({Left() - scroll.x, Top() - scroll.y});
    }
    Rect on_screen = r.intersect({0, 0, Width(), Height()}).offset(origin.x, origin.y);
    // Only what shows through every parent's client area can change on the screen.
    for (const Control* p = parent_; p && !on_screen.empty(); p = p->parent_) {
        const Point client = p->ClientToScreen({0, 0});
        on_screen = on_screen.intersect(
            RectOfSize(client.x, client.y, p->ClientWidth(), p->ClientHeight()));
    }
    screen->Invalidate(on_screen);
}

void Control::Update() {
    if (Screen* screen = Screen::Current()) screen->Paint();
}

void Control::Paint(Canvas& canvas) {
    if (on_paint) on_paint(canvas);
}

void Control::SetRingsUnreadableText(bool on) {
    if (on == rings_unreadable_text_) return;
    rings_unreadable_text_ = on;
    Invalidate();
}

void Control::PaintTree(Canvas& canvas, const Rect& dirty) {
    // A text that would not read on what lies under it (a picture, a gradient, a club's
    // colours) gets a ring; a disabled control's caption is greyed on purpose and keeps its look.
    const TextRings rings(rings_unreadable_text_ && EnabledInTree());
    canvas.font = font();
    canvas.brush = Brush{Color(), bsSolid};
    canvas.pen = Pen{};
    canvas.bk_mode = BkMode::Transparent;
    Paint(canvas);
    const Rect client = ClientArea();
    const Point scroll = ScrollOffset();
    const Point origin = canvas.Origin();
    for (auto& child : children_) {
        if (!child->visible_ || child->freed_) continue;
        const Rect r = child->bounds_.offset(client.left - scroll.x, client.top - scroll.y);
        const Rect d = r.intersect(dirty).intersect(client);
        if (d.empty()) continue;
        canvas.Save();
        canvas.SetOrigin(origin.x + r.left, origin.y + r.top);
        canvas.IntersectClipRect(d.offset(-r.left, -r.top));
        child->PaintTree(canvas, d.offset(-r.left, -r.top));
        canvas.Restore();
    }
}

void Control::BeginDrag(bool immediate, int threshold) {
    if (Screen* screen = Screen::Current()) screen->BeginDrag(*this, immediate, threshold);
}

bool Control::Dragging() const {
    Screen* screen = Screen::Current();
    return screen && screen->Dragging() && screen->DragSource() == this;
}

void Control::Dispatch(ControlEvent& e) {
    const bool input = e.kind != ControlEvent::MouseLeave && e.kind != ControlEvent::Exit;
    if (input && !EnabledInTree()) return;
    // The handler may free this control or its window, and open modal windows afterwards.
    Screen::InUse hold(this);
    switch (e.kind) {
        case ControlEvent::MouseDown:
            if (e.button == mbLeft && drag_mode == dmAutomatic && !(e.shift & ssDouble))
                BeginDrag(false);
            MouseDown(e.button, e.shift, e.x, e.y);
            break;
        case ControlEvent::MouseMove: MouseMove(e.shift, e.x, e.y); break;
        case ControlEvent::MouseUp:
            MouseUp(e.button, e.shift, e.x, e.y);
            if (e.button == mbRight && popup_menu) {
                const Point at = ClientToScreen({e.x, e.y});
                popup_menu->Popup(at.x, at.y);
            }
            break;
        case ControlEvent::Click: Click(); break;
        case ControlEvent::DblClick: DblClick(); break;
        case ControlEvent::MouseWheel: MouseWheel(e.shift, e.wheel, e.x, e.y, e.handled); break;
        case ControlEvent::MouseEnter: MouseEnter(); break;
        case ControlEvent::MouseLeave: MouseLeave(); break;
        case ControlEvent::KeyDown: KeyDown(*e.key, e.shift); break;
        case ControlEvent::KeyPress: KeyPress(*e.ch); break;
        case ControlEvent::KeyUp: KeyUp(*e.key, e.shift); break;
        case ControlEvent::Enter: DoEnter(); break;
        case ControlEvent::Exit: DoExit(); break;
    }
}

bool Control::DragOver(Control& source, int x, int y) {
    bool accept = false;
    if (on_drag_over) on_drag_over(source, x, y, accept);
    return accept;
}

void Control::DragDrop(Control& source, int x, int y) {
    if (on_drag_drop) on_drag_drop(source, x, y);
}

void Control::MouseDown(MouseButton b, ShiftState s, int x, int y) {
    if (on_mouse_down) on_mouse_down(b, s, x, y);
}
void Control::MouseMove(ShiftState s, int x, int y) {
    if (on_mouse_move) on_mouse_move(s, x, y);
}
void Control::MouseUp(MouseButton b, ShiftState s, int x, int y) {
    if (on_mouse_up) on_mouse_up(b, s, x, y);
}
void Control::MouseWheel(ShiftState s, int delta, int x, int y, bool& handled) {
    if (on_mouse_wheel) on_mouse_wheel(s, delta, x, y, handled);
}
void Control::Click() {
    if (on_click) on_click();
}
void Control::DblClick() {
    if (on_dbl_click) on_dbl_click();
}
void Control::MouseEnter() {
    if (on_mouse_enter) on_mouse_enter();
}
void Control::MouseLeave() {
    if (on_mouse_leave) on_mouse_leave();
}
void Control::KeyDown(int& key, ShiftState s) {
    if (on_key_down) on_key_down(key, s);
}
void Control::KeyPress(char32_t& key) {
    if (on_key_press) on_key_press(key);
}
void Control::KeyUp(int& key, ShiftState s) {
    if (on_key_up) on_key_up(key, s);
}
void Control::DoEnter() {
    Invalidate();
    if (on_enter) on_enter();
}
void Control::DoExit() {
    Invalidate();
    if (on_exit) on_exit();
}
void Control::Resized() {
    if (on_resize) on_resize();
}

void Control::ChildrenChanged() { Realign(); }

char32_t AcceleratorOf(std::string_view caption) {
    int at = -1;
    const std::string shown = StripPrefixes(caption, at);
    if (at < 0) return 0;
    size_t i = static_cast<size_t>(at);
    char32_t ch = 0;
    if (!DecodeUtf8(shown, i, ch)) return 0;
    return LowerChar(ch);
}

void ForEachControl(Control& root, const std::function<void(Control&)>& visit) {
    visit(root);
    for (auto& child : root.Children()) ForEachControl(*child, visit);
}

}  // namespace kv
