#include "platform/window/form.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "platform/window/screen.h"

namespace kv {
namespace {

// Windowed controls of a subtree in tab order: each parent's windowed children sorted by
// TabOrder, depth first; windowless containers are walked through after them.
void CollectTabOrder(Control& parent, std::vector<Control*>& out) {
    std::vector<Control*> kids;
    for (auto& c : parent.Children()) kids.push_back(c.get());
    std::stable_sort(kids.begin(), kids.end(), [](Control* a, Control* b) {
        return (a->Windowed() ? a->TabOrder() : INT32_MAX) <
               (b->Windowed() ? b->TabOrder() : INT32_MAX);
    });
    for (Control* k : kids) {
        if (k->Windowed()) out.push_back(k);
        CollectTabOrder(*k, out);
    }
}

}  // namespace

Form::Form(std::string name) : Control(std::move(name)) {
    windowed_ = true;
    // Forms start hidden, like any window before Show.
    StartHidden();
    if (Screen* screen = Screen::Current()) screen->Register(*this);
}

Form::~Form() {
    if (on_destroy) on_destroy();
    components_.clear();
    if (Screen* screen = Screen::Current()) screen->Unregister(*this);
}

void Form::SetBorderStyle(BorderStyle style) {
    if (border_ == style) return;
    border_ = style;
    Realign();
    Invalidate();
}

Rect Form::ClientArea() const {
    if (border_ == bsNone || layered) return {0, 0, Width(), Height()};
    return {kBorderWidth, kBorderWidth + kCaptionHeight, Width() - kBorderWidth,
            Height() - kBorderWidth};
}

void Form::SetClientSize(int width, int height) {
    const Rect client = ClientArea();
    SetBounds(Left(), Top(), width + Width() - client.width(), height + Height() - client.height());
}

void Form::ScaleBy(int m, int d) {
    if (d == 0) return;
    SetClientSize(MulDiv(ClientWidth(), m, d), MulDiv(ClientHeight(), m, d));
    ScaleFontAndChildren(m, d);
}

void Form::PlaceOnScreen() {
    Screen& screen = Screen::Get();
    Rect around{0, 0, screen.Width(), screen.Height()};
    const Form* on = position == poOwnerFormCenter  ? owner_form
                     : position == poMainFormCenter ? screen.MainForm()
                                                    : nullptr;
    if (position == poDesigned) return;
    if (on && on != this) around = on->BoundsRect();
    // A window larger than the screen keeps its top-left corner on it: its title controls stay
    // in reach and what runs off is at the bottom and the right, where a scroll box can follow.
    SetBounds(std::max(0, around.left + (around.width() - Width()) / 2),
              std::max(0, around.top + (around.height() - Height()) / 2), Width(), Height());
}

void Form::Show() {
    Screen* screen = Screen::Current();
    if (!Visible() || !screen) {
        SetVisible(true);
        return;
    }
    screen->BringToFront(*this);
    screen->Activate(this);
}

void Form::VisibleChanged() {
    Screen* screen = Screen::Current();
    if (!screen) return;
    Screen::InUse hold(this);  // on_show and on_hide may open modal windows
    if (Visible()) {
        PlaceOnScreen();
        screen->BringToFront(*this);
        Invalidate();
        if (on_show) on_show();
        if (Visible()) screen->Activate(this);
    } else {
        if (on_hide) on_hide();
        screen->FormHidden(*this);
    }
}

int Form::ShowModal() {
    Screen& screen = Screen::Get();
    if (modal_ || Freed()) return mrCancel;
    // The loop needs this form until it returns; what is freed inside it goes meanwhile.
    Screen::InUse hold(this, false);
    screen.ReleaseMouse();  // a press that opened this window ends here
    // Every form shown now takes no input until this one closes.
    std::vector<Form*> blocked;
    for (Form* f : screen.Forms()) {
        if (f != this && f->Visible()) {
            ++f->input_blocked_;
            blocked.push_back(f);
        }
    }
    screen.modal_blocked_.push_back(&blocked);
    modal_ = true;
    modal_result_ = mrNone;
    ++screen.modal_depth;
    // The loop is left the same way when a handler inside it throws: the screen must not keep
    // this frame's list of blocked forms, nor those forms blocked.
    struct EndModal {
        Form& form;
        Screen& screen;
        std::vector<Form*>& blocked;
        ~EndModal() {
            --screen.modal_depth;
            form.modal_ = false;
            screen.modal_blocked_.pop_back();
            // A blocked form destroyed meanwhile has left the list.
            for (Form* f : blocked) --f->input_blocked_;
        }
    };
    std::optional<EndModal> end_modal(std::in_place, *this, screen, blocked);
    Show();
    for (;;) {
        if (screen.Terminated() || Freed() || !Visible()) {
            if (modal_result_ == mrNone) modal_result_ = mrCancel;
            break;
        }
        if (modal_result_ != mrNone) {
            // A result ends the loop only when the form agrees to close (its handlers may ask
            // the player first, in a modal window of their own).
            Screen::InUse closing(this);
            if (DoClose() != caNone) break;
            modal_result_ = mrNone;
        }
        screen.HandleMessage(true);
    }
    end_modal.reset();
    const int result = modal_result_;
    if (Visible()) Hide();
    return result;
}

void Form::Close() {
    if (closing_) return;
    if (modal_) {
        if (modal_result_ == mrNone) modal_result_ = mrCancel;
        return;
    }
    Screen::InUse hold(this);  // on_close_query may ask the player in a modal window
    closing_ = true;
    const CloseAction action = DoClose();
    closing_ = false;
    Screen* screen = Screen::Current();
    if (action == caNone) return;
    if (screen && screen->MainForm() == this) screen->Terminate();
    if (action == caHide) Hide();
    if (action == caFree) Release();
}

bool Form::CloseQuery() {
    bool can_close = true;
    if (on_close_query) on_close_query(can_close);
    return can_close;
}

CloseAction Form::DoClose() {
    if (!CloseQuery()) return caNone;
    CloseAction action = caHide;
    if (on_close) on_close(action);
    if (modal_ && action == caFree) {
        // Freed once its modal loop has returned to whoever called ShowModal.
        Free();
    }
    return action;
}

void Form::SetActiveControl(Control* control) {
    if (control && control->ParentForm() != this) return;
    active_control_ = control;
    if (control && Active()) control->SetFocus();
}

bool Form::Active() const {
    Screen* screen = Screen::Current();
    return screen && screen->ActiveForm() == this;
}

void Form::SelectNext(bool forward) {
    std::vector<Control*> order;
    CollectTabOrder(*this, order);
    if (order.empty()) return;
    Screen& screen = Screen::Get();
    auto at = std::find(order.begin(), order.end(), screen.Focused());
    const int n = static_cast<int>(order.size());
    int i = at == order.end() ? (forward ? -1 : n) : static_cast<int>(at - order.begin());
    for (int step = 0; step < n; ++step) {
        i = ((forward ? i + 1 : i - 1) % n + n) % n;
        Control* c = order[i];
        if (c->tab_stop && c->CanFocus()) {
            c->SetFocus();
            return;
        }
    }
}

bool Form::DialogKey(int key, ShiftState shift) {
    Screen& screen = Screen::Get();
    Control* focused = screen.Focused();
    for (Control* c = focused; c && c != this; c = c->Parent())
        if (c->DialogKeyInside(key, shift)) return true;
    if (shift & (ssAlt | ssCtrl)) return false;
    switch (key) {
        case VK_TAB:
            SelectNext(!(shift & ssShift));
            return true;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            if (!focused || !focused->Parent()) return false;
            // Arrows step among the focused control's siblings, as in a group of buttons.
            std::vector<Control*> order;
            CollectTabOrder(*focused->Parent(), order);
            std::erase_if(order, [&](Control* c) { return c->Parent() != focused->Parent(); });
            auto at = std::find(order.begin(), order.end(), focused);
            const int n = static_cast<int>(order.size());
            int i = static_cast<int>(at - order.begin());
            const bool forward = key == VK_RIGHT || key == VK_DOWN;
            for (int step = 1; step < n; ++step) {
                Control* c = order[((forward ? i + step : i - step) % n + n) % n];
                if (c->CanFocus()) {
                    c->SetFocus();
                    return true;
                }
            }
            return true;
        }
        case VK_RETURN:
        case VK_ESCAPE: {
            Control* target = nullptr;
            if (focused && focused->DefaultFor(key)) target = focused;
            if (!target) {
                ForEachControl(*this, [&](Control& c) {
                    if (!target && &c != this && c.DefaultFor(key) && c.Showing() &&
                        c.EnabledInTree())
                        target = &c;
                });
            }
            if (!target) return false;
            ControlEvent click{ControlEvent::Click};
            target->Dispatch(click);
            return true;
        }
        default:
            return false;
    }
}

bool Form::FireShortCut(int key, ShiftState shift) {
    for (auto& c : components_)
        if (c->FireShortCut(key, shift)) return true;
    return false;
}

bool Form::DialogChar(char32_t ch) {
    Control* used = nullptr;
    ForEachControl(*this, [&](Control& c) {
        if (!used && c.Showing() && c.EnabledInTree() && c.Accelerator(ch)) used = &c;
    });
    return used != nullptr;
}

bool Form::HitCaption(Point client) const {
    if (border_ == bsNone || layered) return false;
    return client.y < 0 && client.y >= -kCaptionHeight && client.x < ClientWidth() - kCaptionHeight;
}

Component* Form::FindComponent(std::string_view name) const {
    for (auto& c : components_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

void Form::DoCreate() {
    if (created_) return;
    created_ = true;
    if (on_create) on_create();
}

void Form::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    // The caption bar's close box lies above the client area, at its right end.
    const Rect client = ClientArea();
    if (border_ != bsNone && y < 0 && button == mbLeft) {
        if (x >= client.width() - kCaptionHeight) Close();
        return;
    }
    Control::MouseDown(button, shift, x, y);
}

void Form::TileClientArea(Canvas& canvas, const Rect& client) const {
    const Picture& tile = *background_picture;
    const Rect area = client.intersect(canvas.ClipRect());
    if (area.empty()) return;
    // Only the tiles that reach the part being repainted are drawn.
    const int w = tile.width(), h = tile.height();
    const int first_x = client.left + (area.left - client.left) / w * w;
    const int first_y = client.top + (area.top - client.top) / h * h;
    canvas.Save();
    canvas.IntersectClipRect(area);
    for (int y = first_y; y < area.bottom; y += h)
        for (int x = first_x; x < area.right; x += w) canvas.Draw(x, y, tile);
    canvas.Restore();
}

void Form::Paint(Canvas& canvas) {
    const Rect client = ClientArea();
    if (!layered) {
        canvas.brush = Brush{Color()};
        canvas.FillRect(client);
        if (background_picture && !background_picture->empty()) TileClientArea(canvas, client);
    }
    const Rect bar{kBorderWidth, kBorderWidth, Width() - kBorderWidth, client.top};
    if (border_ != bsNone && !layered) {
        canvas.brush = Brush{clWindowFrame};
        canvas.FrameRect({0, 0, Width(), Height()});
    }
    // The caption's text is laid out only when a change reaches the bar.
    if (border_ != bsNone && !layered && !bar.intersect(canvas.ClipRect()).empty()) {
        canvas.brush = Brush{Active() ? clActiveCaption : clInactiveCaption};
        canvas.FillRect(bar);
        Font title = font();
        title.style |= fsBold;
        title.color = clCaptionText;
        canvas.font = title;
        Rect text{bar.left + 4, bar.top, bar.right - kCaptionHeight, bar.bottom};
        canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        Rect box{bar.right - kCaptionHeight + 2, bar.top + 2, bar.right - 2, bar.bottom - 2};
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(box);
        DrawButtonEdge(canvas, box, false);
        canvas.pen = Pen{clBtnText, 2};
        canvas.MoveTo(box.left + 3, box.top + 3);
        canvas.LineTo(box.right - 3, box.bottom - 3);
        canvas.MoveTo(box.right - 3, box.top + 3);
        canvas.LineTo(box.left + 3, box.bottom - 3);
        canvas.font = font();
    }
    if (on_paint) {
        // The game paints forms in client coordinates, below the caption bar.
        canvas.Save();
        const Point origin = canvas.Origin();
        canvas.SetOrigin(origin.x + client.left, origin.y + client.top);
        canvas.IntersectClipRect({0, 0, client.width(), client.height()});
        canvas.brush = Brush{Color()};
        canvas.pen = Pen{};
        on_paint(canvas);
        canvas.Restore();
    }
}

}  // namespace kv
