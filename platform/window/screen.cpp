#include "platform/window/screen.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "platform/gfx/picture.h"
#include "platform/window/screen_painter.h"
#include "platform/window/timer.h"
#include "platform/base/utf8.h"

namespace kv {
namespace {

constexpr int kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 4;
constexpr int kHintHideMs = 2500;

bool IsInside(const Control& ancestor, const Control* c) {
    for (; c; c = c->Parent())
        if (c == &ancestor) return true;
    return false;
}

const Control* RootOf(const Control* c) {
    while (c->Parent()) c = c->Parent();
    return c;
}

// The hint's short text: what comes before a '|'.
std::string ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

}  // namespace

Screen* Screen::current_ = nullptr;

Screen::Screen(Backend& backend) : backend_(backend), size_(backend.ScreenSize()) {
    current_ = this;
    painter_ = std::make_unique<ScreenPainter>(size_.cx, size_.cy);
    Invalidate({0, 0, size_.cx, size_.cy});
}

Screen::~Screen() {
    terminated_ = true;
    pending_delete_.clear();
    // Forms unregister themselves as they go.
    while (!owned_forms_.empty()) {
        std::unique_ptr<Form> form = std::move(owned_forms_.back());
        owned_forms_.pop_back();
        form.reset();
    }
    current_ = nullptr;
}

Screen& Screen::Get() {
    if (!current_) throw std::logic_error("no Screen exists");
    return *current_;
}

Form* Screen::TopForm() const {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if (TakesInput(**it)) return *it;
    return nullptr;
}

Form* Screen::FindForm(std::string_view name) const {
    for (Form* f : forms_)
        if (f->Name() == name && !f->Freed()) return f;
    return nullptr;
}

bool Screen::TakesInput(const Form& form) const {
    return form.Visible() && !form.Freed() && form.input_blocked_ == 0;
}

Form* Screen::InputForm() const {
    if (active_form_ && TakesInput(*active_form_)) return active_form_;
    return TopForm();
}

// --- event loop

void Screen::Run(Form& main_form) {
    main_form_ = &main_form;
    terminated_ = false;
    main_form.Show();
    while (!terminated_) HandleMessage(true);
    DeletePending();
}

void Screen::ProcessMessages() {
    // Bounded so that input a handler keeps generating cannot hang the caller.
    for (int turn = 0; turn < 100000; ++turn) {
        DeletePending();
        FireDueTimers();
        CheckHint();
        InputEvent event;
        if (!backend_.WaitEvent(event, 0)) break;
        HandleInput(event);
    }
    FireDueTimers();
    DeletePending();
    Paint();
}

void Screen::HandleMessage(bool wait) {
    DeletePending();
    // A timer that fired may have ended the caller's loop: let it look before waiting.
    if (FireDueTimers() > 0) wait = false;
    CheckHint();
    Paint();
    int timeout = 0;
    if (wait) {
        const int64_t due = NextDue();
        timeout = due < 0 ? -1 : static_cast<int>(std::clamp<int64_t>(due - Now(), 0, 1 << 30));
        if (on_idle) on_idle();
    }
    InputEvent event;
    if (backend_.WaitEvent(event, timeout)) HandleInput(event);
}

int Screen::FireDueTimers() {
    const int64_t now = Now();
    // Only the front of the schedule can be due. Those not armed just now (no handler yet,
    // running, their window being freed) wait for the next step, as a handler that arms one
    // must not have it fire in the same step.
    std::vector<std::pair<int64_t, uint64_t>> due;
    for (auto at = schedule_.begin(); at != schedule_.end() && at->first <= now; ++at)
        if (auto it = timers_.find(at->second); it != timers_.end() && it->second->Armed())
            due.push_back(*at);
    int fired = 0;
    for (auto& [when, serial] : due) {
        auto it = timers_.find(serial);
        if (it == timers_.end()) continue;  // destroyed by an earlier handler
        Timer* timer = it->second;
        if (!timer->Armed() || timer->Due() > now) continue;
        // A timer with an owner holds its owner's window; one without may live inside anything,
        // so nothing at all is destroyed while it runs.
        InUse use(timer->Owner());
        std::optional<Busy> unowned;
        if (!timer->Owner()) unowned.emplace(*this);
        ++fired;
        timer->Fire(now);
    }
    return fired;
}

int64_t Screen::NextDue() const {
    int64_t next = -1;
    auto consider = [&](int64_t t) {
        if (next < 0 || t < next) next = t;
    };
    for (const auto& [when, serial] : schedule_) {
        auto it = timers_.find(serial);
        if (it != timers_.end() && it->second->Armed()) {
            consider(when);
            break;
        }
    }
    if (hint_showing_) consider(hover_since_ + hint_pause_ms + kHintHideMs);
    else if (hovered_ && !hint_done_) consider(hover_since_ + hint_pause_ms);
    return next;
}

void Screen::HandleInput(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::MouseDown:
        case InputEvent::MouseUp:
        case InputEvent::MouseMove:
        case InputEvent::MouseWheel:
            MouseInput(event);
            break;
        case InputEvent::KeyDown:
        case InputEvent::KeyUp:
            KeyInput(event);
            break;
        case InputEvent::Text:
            if (swallow_text_) break;
            for (char32_t ch : ToUtf32(event.text)) CharInput(ch);
            break;
        case InputEvent::Quit:
            Terminate();
            break;
        case InputEvent::Deactivate:
            ApplicationDeactivated();
            break;
    }
    UpdateCursor();
}

void Screen::ApplicationDeactivated() {
    HideHint();
    // A copy: a window may hide or free others while it answers.
    const std::vector<Form*> forms = forms_;
    for (Form* form : forms) {
        if (std::find(forms_.begin(), forms_.end(), form) == forms_.end() || form->Freed()) continue;
        InUse hold(form);
        form->ApplicationDeactivated();
    }
}

// --- mouse

Control* Screen::ControlAt(Point p) const {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        Form* form = *it;
        if (!form->Visible() || form->Freed() || !form->BoundsRect().contains(p)) continue;
        Control* c = form;
        Point local{p.x - form->Left(), p.y - form->Top()};  // in c's own rectangle
        for (;;) {
            const Rect client = c->ClientArea();
            if (!client.contains(local)) return c;
            const Point scroll = c->ScrollOffset();
            const Point in_client{local.x - client.left + scroll.x, local.y - client.top + scroll.y};
            Control* hit = nullptr;
            const auto& kids = c->Children();
            for (auto k = kids.rbegin(); k != kids.rend(); ++k) {
                Control& kid = **k;
                if (kid.Visible() && !kid.Freed() && kid.BoundsRect().contains(in_client)) {
                    hit = &kid;
                    break;
                }
            }
            if (!hit) return c;
            local = {in_client.x - hit->Left(), in_client.y - hit->Top()};
            c = hit;
        }
    }
    return nullptr;
}

void Screen::DispatchMouse(Control& target, ControlEvent::Kind kind, const InputEvent& event,
                           ShiftState shift) {
    const Point p = target.ScreenToClient(mouse_);
    ControlEvent e{kind};
    e.button = event.button;
    e.shift = shift;
    e.x = p.x;
    e.y = p.y;
    e.wheel = event.wheel;
    target.Dispatch(e);
}

void Screen::MouseInput(const InputEvent& event) {
    mouse_ = {event.x, event.y};
    const ShiftState button_bit =
        event.button == mbLeft ? ssLeft : event.button == mbRight ? ssRight : ssMiddle;
    if (event.kind == InputEvent::MouseDown) {
        HideHint();
        hint_done_ = true;
    }

    Control* under = ControlAt(mouse_);
    if (under && !TakesInput(*under->ParentForm())) under = nullptr;
    // A handler may open a modal window in which other windows are freed: the one under the
    // mouse is still looked at afterwards.
    InUse hold_under(under);

    if (drag_.source) {
        if (event.kind == InputEvent::MouseMove) {
            if (!drag_.active && (std::abs(mouse_.x - drag_.start.x) >= drag_.threshold ||
                                  std::abs(mouse_.y - drag_.start.y) >= drag_.threshold)) {
                BeginDrag(*drag_.source, true, 0);
            }
            if (drag_.active) {
                DragMove(mouse_);
                return;
            }
        } else if (event.kind == InputEvent::MouseUp) {
            buttons_ &= ~button_bit;
            if (drag_.active) {
                EndDrag(mouse_, true);
                UpdateHover(under);
                return;
            }
            drag_ = {};
        }
    }

    if (moving_form_) {
        if (event.kind == InputEvent::MouseMove) {
            moving_form_->SetBounds(mouse_.x - move_grab_.x, mouse_.y - move_grab_.y,
                                    moving_form_->Width(), moving_form_->Height());
        } else if (event.kind == InputEvent::MouseUp) {
            moving_form_ = nullptr;
            buttons_ = 0;
        }
        return;
    }
    if (event.kind == InputEvent::MouseDown && event.button == mbLeft && !capture_) {
        auto* form = dynamic_cast<Form*>(under);
        if (form && form->HitCaption(form->ScreenToClient(mouse_))) {
            if (form != active_form_) Activate(form);
            // Dragging the caption moves the window, as the desktop does.
            moving_form_ = form;
            move_grab_ = {mouse_.x - form->Left(), mouse_.y - form->Top()};
            return;
        }
    }

    Control* target = capture_ ? capture_ : under;
    InUse hold_target(target);
    ShiftState shift = (event.shift & (ssShift | ssAlt | ssCtrl)) | buttons_;
    switch (event.kind) {
        case InputEvent::MouseMove:
            if (!capture_) UpdateHover(under);
            if (target) DispatchMouse(*target, ControlEvent::MouseMove, event, shift);
            break;
        case InputEvent::MouseWheel: {
            // The wheel scrolls what lies under the pointer (up its parents); when nothing there
            // takes it, the focused control and its parents have it.
            auto wheel = [&](Control* from) {
                for (Control* c = from; c; c = c->Parent()) {
                    ControlEvent e{ControlEvent::MouseWheel};
                    const Point p = c->ScreenToClient(mouse_);
                    e.shift = shift;
                    e.wheel = event.wheel;
                    e.x = p.x;
                    e.y = p.y;
                    c->Dispatch(e);
                    if (e.handled) return true;
                }
                return false;
            };
            if (!wheel(under) && focused_ && focused_ != under) wheel(focused_);
            break;
        }
        case InputEvent::MouseDown: {
            if (!target) {
                Form* top = TopForm();
                if (top && top->Modal() && top->close_on_outside_click)
                    top->SetModalResult(mrCancel);
                break;
            }
            Form* form = target->ParentForm();
            if (form && form != active_form_) Activate(form);
            Control* windowed = target;
            while (windowed && !windowed->Windowed()) windowed = windowed->Parent();
            if (windowed && windowed->tab_stop && windowed->CanFocus()) SetFocus(windowed);
            const int64_t now = Now();
            const bool twice = target == last_press_target_ && event.button == last_press_button_ &&
                               now - last_press_time_ <= kDoubleClickMs &&
                               std::abs(mouse_.x - last_press_point_.x) <= kDoubleClickSlop &&
                               std::abs(mouse_.y - last_press_point_.y) <= kDoubleClickSlop &&
                               target->double_clicks_;
            if (twice) {
                shift |= ssDouble;
                last_press_target_ = nullptr;
            } else {
                last_press_target_ = target;
                last_press_time_ = now;
                last_press_point_ = mouse_;
                last_press_button_ = event.button;
            }
            buttons_ |= button_bit;
            shift |= button_bit;
            capture_ = target;
            pressed_ = event.button == mbLeft && !twice ? target : nullptr;
            DispatchMouse(*target, ControlEvent::MouseDown, event, shift);
            if (twice && event.button == mbLeft) {
                ControlEvent e{ControlEvent::DblClick};
                target->Dispatch(e);
            }
            break;
        }
        case InputEvent::MouseUp: {
            buttons_ &= ~button_bit;
            if (buttons_ == 0) capture_ = nullptr;
            if (!target) break;
            const bool click = event.button == mbLeft && pressed_ == target;
            pressed_ = nullptr;
            DispatchMouse(*target, ControlEvent::MouseUp, event, shift);
            // A click needs the release over the control that was pressed.
            if (click && target->Showing() && under && IsInside(*target, under)) {
                ControlEvent e{ControlEvent::Click};
                target->Dispatch(e);
            }
            if (!capture_) UpdateHover(ControlAt(mouse_));
            break;
        }
        default:
            break;
    }
}

void Screen::UpdateHover(Control* under) {
    if (under && !TakesInput(*under->ParentForm())) under = nullptr;
    if (under == hovered_) return;
    Control* old = hovered_;
    hovered_ = under;
    hover_since_ = Now();
    HideHint();
    hint_done_ = false;
    if (old) {
        ControlEvent e{ControlEvent::MouseLeave};
        old->Dispatch(e);
    }
    if (under && hovered_ == under) {
        ControlEvent e{ControlEvent::MouseEnter};
        under->Dispatch(e);
    }
}

// --- keyboard

void Screen::KeyInput(const InputEvent& event) {
    HideHint();
    hint_done_ = true;
    swallow_text_ = false;
    if (drag_.active && event.kind == InputEvent::KeyDown && event.key == VK_ESCAPE) {
        EndDrag(mouse_, false);
        return;
    }
    Form* form = InputForm();
    if (!form) return;
    Control* target = focused_ && focused_->ParentForm() == form ? focused_ : form;
    int key = event.key;
    const ShiftState shift = event.shift;
    const auto kind = event.kind == InputEvent::KeyDown ? ControlEvent::KeyDown : ControlEvent::KeyUp;

    // Short cuts come before every control, as the desktop's menu keys do.
    if (kind == ControlEvent::KeyDown && form->FireShortCut(key, shift)) {
        swallow_text_ = true;
        return;
    }
    if (kind == ControlEvent::KeyDown) {
        const bool dialog_key = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE ||
                                (key >= VK_LEFT && key <= VK_DOWN);
        if (dialog_key && (target == form || !target->WantsKey(key)) && form->DialogKey(key, shift))
            return;
    }
    if (form->key_preview && target != form) {
        ControlEvent e{kind};
        e.key = &key;
        e.shift = shift;
        form->Dispatch(e);
    }
    if (key != 0) {
        ControlEvent e{kind};
        e.key = &key;
        e.shift = shift;
        target->Dispatch(e);
    }
    if (kind != ControlEvent::KeyDown) return;
    if (event.key == VK_F4 && (shift & ssAlt)) {
        // The desktop turns Alt+F4 into a close request, unless a handler swallowed the key.
        if (key != 0) form->Close();
        return;
    }
    if (key != 0 && (shift & ssAlt) && !(shift & ssCtrl) &&
        ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) {
        form->DialogChar(LowerChar(static_cast<char32_t>(key)));
        // Some keyboards also type the letter: it belongs to this key, not to a text box.
        swallow_text_ = true;
        return;
    }
    if (shift & (ssAlt | ssCtrl)) return;
    // Keys that type a control character, as the desktop translates them.
    if (event.key == VK_RETURN) CharInput(13);
    if (event.key == VK_ESCAPE) CharInput(27);
    if (event.key == VK_BACK) CharInput(8);
    if (event.key == VK_TAB) CharInput(9);
}

void Screen::CharInput(char32_t ch) {
    Form* form = InputForm();
    if (!form) return;
    Control* target = focused_ && focused_->ParentForm() == form ? focused_ : form;
    if (form->key_preview && target != form) {
        ControlEvent e{ControlEvent::KeyPress};
        e.ch = &ch;
        form->Dispatch(e);
        if (ch == 0) return;
    }
    ControlEvent e{ControlEvent::KeyPress};
    e.ch = &ch;
    target->Dispatch(e);
    if (ch != 0 && ch >= 32 && !target->WantsChars()) form->DialogChar(ch);
}

void Screen::SetFocus(Control* control) {
    if (control == focused_) return;
    Control* old = focused_;
    focused_ = control;
    if (control)
        if (Form* form = control->ParentForm()) form->active_control_ = control;
    if (old) {
        ControlEvent e{ControlEvent::Exit};
        old->Dispatch(e);
    }
    if (control && focused_ == control) {
        for (Control* p = control->Parent(); p; p = p->Parent()) p->DescendantFocused(*control);
        ControlEvent e{ControlEvent::Enter};
        control->Dispatch(e);
    }
}

// --- forms

void Screen::Register(Form& form) { forms_.push_back(&form); }

void Screen::Unregister(Form& form) {
    Forget(form);
    std::erase(forms_, &form);
    for (std::vector<Form*>* blocked : modal_blocked_) std::erase(*blocked, &form);
    if (main_form_ == &form) main_form_ = nullptr;
    if (active_form_ == &form) active_form_ = nullptr;
}

void Screen::Register(Timer& timer) {
    timer.serial_ = next_timer_serial_++;
    timers_[timer.serial_] = &timer;
}

bool Screen::Holds(const Timer& timer) const {
    auto it = timers_.find(timer.serial_);
    return it != timers_.end() && it->second == &timer;
}

void Screen::Unregister(Timer& timer) {
    // A timer that outlived the screen it was made under may share its serial with one of this
    // screen's: that one stays.
    if (!Holds(timer)) return;
    if (timer.scheduled_) schedule_.erase({timer.scheduled_due_, timer.serial_});
    timer.scheduled_ = false;
    timers_.erase(timer.serial_);
}

void Screen::Reschedule(Timer& timer) {
    if (!Holds(timer)) return;
    if (timer.scheduled_) schedule_.erase({timer.scheduled_due_, timer.serial_});
    timer.scheduled_ = timer.enabled_ && timer.interval_ > 0;
    if (!timer.scheduled_) return;
    timer.scheduled_due_ = timer.due_;
    schedule_.emplace(timer.due_, timer.serial_);
}

void Screen::BringToFront(Form& form) {
    std::erase(forms_, &form);
    auto at = forms_.end();
    if (form.form_style != fsStayOnTop) {
        // Stay-on-top forms remain above every normal one.
        at = std::find_if(forms_.begin(), forms_.end(),
                          [](Form* f) { return f->form_style == fsStayOnTop; });
    }
    forms_.insert(at, &form);
    form.Invalidate();
}

void Screen::Activate(Form* form) {
    if (form == active_form_) return;
    Form* old = active_form_;
    active_form_ = form;
    InUse hold_old(old), hold_new(form);
    if (old) old->Invalidate();  // the caption bar changes colour
    if (form) form->Invalidate();
    if (old && old->on_deactivate) old->on_deactivate();
    if (!form || active_form_ != form) return;
    Control* want = form->active_control_;
    if (want && want->CanFocus()) {
        SetFocus(want);
    } else {
        SetFocus(nullptr);
        form->SelectNext(true);
    }
    if (form->on_activate) form->on_activate();
}

void Screen::FormHidden(Form& form) {
    form.Invalidate();
    Invalidate(form.BoundsRect());
    if (focused_ && IsInside(form, focused_)) SetFocus(nullptr);
    if (capture_ && IsInside(form, capture_)) capture_ = nullptr;
    if (hovered_ && IsInside(form, hovered_)) UpdateHover(nullptr);
    if (active_form_ == &form) {
        active_form_ = nullptr;
        Activate(TopForm());
    }
}

void Screen::DeferDelete(Control& control) {
    if (auto* form = dynamic_cast<Form*>(&control)) {
        Invalidate(form->BoundsRect());
        FormHidden(*form);
    }
    pending_delete_.push_back(&control);
}

void Screen::Forget(Control& c) {
    if (IsInside(c, focused_)) focused_ = nullptr;
    if (IsInside(c, capture_)) capture_ = nullptr;
    if (IsInside(c, hovered_)) {
        hovered_ = nullptr;
        HideHint();
    }
    if (IsInside(c, pressed_)) pressed_ = nullptr;
    if (IsInside(c, moving_form_)) moving_form_ = nullptr;
    if (IsInside(c, last_press_target_)) last_press_target_ = nullptr;
    if (IsInside(c, drag_.source)) drag_ = {};
    if (IsInside(c, drag_.target)) drag_.target = nullptr, drag_.accepted = false;
    if (active_form_ == &c) active_form_ = nullptr;
    for (Form* f : forms_) {
        if (IsInside(c, f->active_control_) && f != &c) f->active_control_ = nullptr;
        if (f->owner_form == &c) f->owner_form = nullptr;
    }
    std::erase(pending_delete_, &c);
}

void Screen::Destroyed(Control& c) {
    Forget(c);
    for (Hold& hold : in_use_)
        if (hold.control == &c) hold.control = nullptr;
}

Screen::InUse::InUse(Control* control, bool whole_window) : screen_(Screen::Current()) {
    if (!control) screen_ = nullptr;
    if (screen_) screen_->in_use_.push_back({control, whole_window});
}

Screen::InUse::~InUse() {
    if (screen_ && screen_ == Screen::Current()) screen_->in_use_.pop_back();
}

bool Screen::HeldInUse(const Control& c) const {
    const Control* root = RootOf(&c);
    for (const Hold& hold : in_use_) {
        if (!hold.control) continue;
        if (hold.whole_window ? RootOf(hold.control) == root : IsInside(c, hold.control))
            return true;
    }
    return false;
}

void Screen::DeletePending() {
    // A destructor's handler may free more, or even run a loop: one pass at a time.
    if (deleting_ || busy_ > 0) return;
    struct Deleting {
        bool& flag;
        explicit Deleting(bool& f) : flag(f) { flag = true; }
        ~Deleting() { flag = false; }
    } deleting(deleting_);
    for (;;) {
        auto free = std::find_if(pending_delete_.rbegin(), pending_delete_.rend(),
                                 [&](Control* c) { return !HeldInUse(*c); });
        if (free == pending_delete_.rend()) break;
        Control* c = *free;
        pending_delete_.erase(std::next(free).base());
        if (Control* parent = c->Parent()) {
            parent->Detach(*c).reset();
            continue;
        }
        auto it = std::find_if(owned_forms_.begin(), owned_forms_.end(),
                               [&](const auto& f) { return f.get() == c; });
        if (it != owned_forms_.end()) {
            std::unique_ptr<Form> form = std::move(*it);
            owned_forms_.erase(it);
            form.reset();
        }
        // A form the game keeps on the stack stays hidden until it goes out of scope.
    }
}

// --- cursors, hints, drag and drop

void Screen::SetScreenCursor(int cursor) {
    screen_cursor_ = cursor;
    UpdateCursor();
}

void Screen::SetCursorImage(int number, const PixelView& view, Point hot_spot) {
    CursorImage image;
    image.width = view.width;
    image.height = view.height;
    image.hot_spot = hot_spot;
    image.pixels.resize(static_cast<size_t>(view.width) * view.height);
    for (int y = 0; y < view.height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            reinterpret_cast<const unsigned char*>(view.pixels) + static_cast<size_t>(y) * view.stride);
        std::copy(row, row + view.width, image.pixels.begin() + static_cast<size_t>(y) * view.width);
    }
    cursors_[number] = std::move(image);
}

void Screen::SetCursorImage(int number, const Picture& picture, Point hot_spot) {
    cairo_surface_t* s = picture.surface();
    if (!s) return;
    cairo_surface_flush(s);
    SetCursorImage(number,
                   PixelView{reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s)),
                             picture.width(), picture.height(), cairo_image_surface_get_stride(s)},
                   hot_spot);
}

void Screen::UpdateCursor() {
    int cursor = screen_cursor_;
    if (cursor == crDefault && drag_.active)
        cursor = drag_.accepted ? drag_.source->drag_cursor : crNoDrop;
    for (Control* c = hovered_; cursor == crDefault && c; c = c->Parent()) cursor = c->cursor;
    if (cursor == crDefault) cursor = crArrow;
    if (cursor == shown_cursor_) return;
    shown_cursor_ = cursor;
    auto it = cursors_.find(cursor);
    if (it != cursors_.end()) {
        const CursorImage& image = it->second;
        PixelView view{image.pixels.data(), image.width, image.height, image.width * 4};
        backend_.SetCursor(cursor, &view, image.hot_spot);
    } else {
        backend_.SetCursor(cursor, nullptr, {});
    }
}

void Screen::HideHint() {
    if (!hint_showing_) return;
    hint_showing_ = false;
    Invalidate(HintRect());
}

void Screen::CancelHint() {
    HideHint();
    hint_done_ = false;
    hover_since_ = Now();
}

void Screen::CheckHint() {
    const int64_t now = Now();
    if (hint_showing_) {
        if (now >= hover_since_ + hint_pause_ms + kHintHideMs) {
            HideHint();
            hint_done_ = true;
        }
        return;
    }
    if (!hovered_ || hint_done_ || now < hover_since_ + hint_pause_ms) return;
    hint_done_ = true;
    // The hint of the control under the mouse, or of the nearest parent that has one.
    Control* owner = hovered_;
    while (owner && owner->hint.empty()) owner = owner->Parent();
    if (!owner || !owner->show_hint) return;
    HintInfo info;
    info.text = ShortHint(owner->hint);
    info.pos = {mouse_.x, mouse_.y + 20};
    if (!owner->PrepareHint(owner->ScreenToClient(mouse_), info)) return;
    if (info.text.empty() && !info.paint) return;
    if (info.size.cx <= 0 || info.size.cy <= 0) info.size = painter_->HintSize(info.text);
    // Kept on the screen: left of the right edge, above the mouse when there is no room below.
    info.pos.x = std::clamp(info.pos.x, 0, std::max(0, size_.cx - info.size.cx));
    if (info.pos.y + info.size.cy > size_.cy) info.pos.y = mouse_.y - info.size.cy - 4;
    hint_ = std::move(info);
    hint_showing_ = true;
    Invalidate(HintRect());
}

void Screen::BeginDrag(Control& source, bool immediate, int threshold) {
    if (drag_.active) return;
    if (drag_.source != &source) {
        drag_ = {};
        drag_.source = &source;
        drag_.start = mouse_;
        drag_.threshold = std::max(threshold, 1);
    }
    if (!immediate) return;
    InUse hold(&source);
    drag_.active = true;
    capture_ = &source;
    last_press_target_ = nullptr;  // the press became a drag, not the first half of a double-click
    if (source.on_start_drag) source.on_start_drag();
    DragMove(mouse_);
}

void Screen::DragMove(Point p) {
    Control* under = ControlAt(p);
    if (under && !TakesInput(*under->ParentForm())) under = nullptr;
    InUse hold(under);
    drag_.target = under;
    drag_.accepted = false;
    if (under && under->EnabledInTree() && drag_.source) {
        const Point local = under->ScreenToClient(p);
        drag_.accepted = under->DragOver(*drag_.source, local.x, local.y);
    }
    UpdateCursor();
}

void Screen::EndDrag(Point p, bool drop) {
    if (drop) DragMove(p);
    Control* source = drag_.source;
    Control* target = drop && drag_.accepted ? drag_.target : nullptr;
    drag_ = {};
    capture_ = nullptr;
    pressed_ = nullptr;
    UpdateCursor();
    if (!source) return;
    InUse hold_source(source), hold_target(target);
    const Point local = target ? target->ScreenToClient(p) : Point{};
    if (target) target->DragDrop(*source, local.x, local.y);
    if (source->on_end_drag) source->on_end_drag(target, local.x, local.y);
}

// --- painting

namespace {

constexpr size_t kMaxDirtyRects = 16;

// What painting the bounding box of two rectangles costs beyond painting both.
int64_t MergeWaste(const Rect& a, const Rect& b) {
    return a.unite(b).area() - a.area() - b.area() + a.intersect(b).area();
}

}  // namespace

void Screen::Invalidate(const Rect& r) {
    if (!painting_) return;
    Rect add = r.intersect({0, 0, size_.cx, size_.cy});
    if (add.empty()) return;
    // Rectangles merge while their bounding box costs no more than painting them apart, so two
    // controls far apart stay two small rectangles instead of one spanning the window.
    for (size_t i = 0; i < dirty_.size();) {
        if (MergeWaste(dirty_[i], add) <= 0) {
            add = add.unite(dirty_[i]);
            dirty_.erase(dirty_.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    dirty_.push_back(add);
    if (dirty_.size() <= kMaxDirtyRects) return;
    // Too many: the two whose merge wastes least become one.
    size_t best_i = 0, best_j = 1;
    int64_t best = INT64_MAX;
    for (size_t i = 0; i < dirty_.size(); ++i)
        for (size_t j = i + 1; j < dirty_.size(); ++j)
            if (const int64_t w = MergeWaste(dirty_[i], dirty_[j]); w < best)
                best = w, best_i = i, best_j = j;
    const Rect merged = dirty_[best_i].unite(dirty_[best_j]);
    dirty_.erase(dirty_.begin() + static_cast<std::ptrdiff_t>(best_j));
    dirty_.erase(dirty_.begin() + static_cast<std::ptrdiff_t>(best_i));
    Invalidate(merged);
}

void Screen::Paint() {
    if (dirty_.empty()) return;
    Busy busy(*this);
    std::vector<Rect> dirty;
    dirty.swap(dirty_);
    for (const Rect& d : dirty) painter_->Paint(*this, d);
    backend_.Present(painter_->Pixels(), dirty);
}

PixelView Screen::BackBuffer() const { return painter_->Pixels(); }

TColor Screen::PixelAt(int x, int y) const { return painter_->canvas().Pixel(x, y); }

bool Screen::SavePng(const std::string& path) {
    const bool was_painting = painting_;
    SetPainting(true);
    Paint();
    const bool saved = painter_->canvas().SaveToPng(path);
    SetPainting(was_painting);
    return saved;
}

void Screen::SetPainting(bool on) {
    if (on == painting_) return;
    painting_ = on;
    dirty_.clear();
    if (on) Invalidate({0, 0, size_.cx, size_.cy});
}

}  // namespace kv
