#include "ui/grid/scroll_control.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "platform/window/form.h"
#include "platform/window/screen.h"

namespace kv {

// --- the model

void TGrCustomScrollBar::SetKind(int kind) {
    kind_ = kind;
    if (kind == 0 || kind == 1) window_bar_id_ = kind;
}

void TGrCustomScrollBar::SetHideWhenUnneeded(bool value) {
    hide_when_unneeded_ = value;
    SetVisible(max_ != 0 || !value);
    Refresh();
}

void TGrCustomScrollBar::SetMax(int value) {
    if (value == max_) return;
    max_ = std::max(value, 0);
    SetVisible(IsNeeded());
    Refresh();
    if (max_ < position_) SetPosition(max_);
}

void TGrCustomScrollBar::SetPageSize(int value) {
    if (value == page_size_) return;
    page_size_ = std::max(value, 1);
    Refresh();
}

void TGrCustomScrollBar::SetPosition(int value) {
    previous_position_ = position_;
    int p = value < Min ? Min : (value > max_ ? max_ : value);
    position_ = std::max(p, 0);
    Refresh();
    if (lock_count_ > 0) return;
    if (kind_ == 0)
        owner_->ScrollContent(*this, owner_->HorzScrollDelta(previous_position_, position_), 0);
    else if (kind_ == 1)
        owner_->ScrollContent(*this, 0, owner_->VertScrollDelta(previous_position_, position_));
}

void TGrCustomScrollBar::SendScroll(TScrollCode code) {
    if (kind_ == 0 || kind_ == 1) owner_->ScrollMessage(kind_, code);
}

void TGrCustomScrollBar::LineDown() {
    if (max_ > 0) SendScroll(SB_LINEDOWN);
}

void TGrCustomScrollBar::LineUp() {
    if (max_ > 0 && position_ > 0) SendScroll(SB_LINEUP);
}

void TGrCustomScrollBar::PageDown() {
    if (max_ > 0) SendScroll(SB_PAGEDOWN);
}

void TGrCustomScrollBar::PageUp() {
    if (max_ > 0) SendScroll(SB_PAGEUP);
}

// --- mirrored on screen

ScrollBar* TGrScrollBar::WindowBar() const {
    return WindowBarId() < 0 ? nullptr : Owner().WindowScrollBar(WindowBarId());
}

void TGrScrollBar::SetVisible(bool value) {
    TGrCustomScrollBar::SetVisible(value);
    // Where the bar goes is the owner's layout; a hidden bar has no room.
    if (!value)
        if (ScrollBar* bar = WindowBar()) bar->SetBounds({});
    Owner().Invalidate();
}

int TGrScrollBar::GetTrackPosition() const {
    const ScrollBar* bar = WindowBar();
    return bar ? bar->Position() + Min : Position();
}

void TGrScrollBar::Refresh() {
    if (applying_) return;
    applying_ = true;
    ScrollBar* bar = WindowBar();
    const int track = GetTrackPosition();
    if (bar) bar->SetParams(Max() > 0 ? Max() - Min + 1 : 0, PageSize(), Position() - Min);
    if (track != Position()) {
        if (auto* control = dynamic_cast<TGrScrollControl*>(&Owner())) {
            if (Kind() == 0) control->DoHorizontalScroll();
            if (Kind() == 1) control->DoVerticalScroll();
        }
    }
    applying_ = false;
}

// --- the controls

void TGrCustomScrollControl::ScrollContent(TGrCustomScrollBar& bar, int dx, int dy) {
    BeforeScroll(bar.Kind());
    if (dx != 0 || dy != 0) Invalidate();
    AfterScroll(bar.Kind());
}

namespace {

// The control after (or before) this one in its form's tab order.
void StepFocus(Control& from, bool forward) {
    Form* form = from.ParentForm();
    if (!form) return;
    std::vector<Control*> order;
    ForEachControl(*form, [&](Control& c) {
        if (&c == &from || (c.tab_stop && c.CanFocus())) order.push_back(&c);
    });
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->TabOrder() < b->TabOrder(); });
    auto it = std::find(order.begin(), order.end(), &from);
    if (order.size() < 2 || it == order.end()) return;
    const size_t i = static_cast<size_t>(it - order.begin());
    const size_t n = order.size();
    order[forward ? (i + 1) % n : (i + n - 1) % n]->SetFocus();
}

}  // namespace

void TGrCustomScrollControl::FocusNext() {
    StepFocus(*this, true);
}

void TGrCustomScrollControl::FocusPrevious() {
    StepFocus(*this, false);
}

TGrScrollControl::TGrScrollControl(std::string name) : TGrCustomScrollControl(std::move(name)) {
    // Unnamed: a form with several grids keeps its control names unique.
    roll_timer_.SetEnabled(false);
    roll_timer_.SetInterval(1);
    roll_timer_.on_timer = [this] { RollTick(); };
    horz_.SetKind(0);
    vert_.SetKind(1);
    horz_window_.on_scroll = [this](int) { ScrollMessage(0, SB_THUMBPOSITION); };
    vert_window_.on_scroll = [this](int) { ScrollMessage(1, SB_THUMBPOSITION); };
}

TGrScrollControl::~TGrScrollControl() {
    roll_timer_.SetEnabled(false);
}

void TGrScrollControl::DoHorizontalScroll() {
    if (on_horizontal_scroll) on_horizontal_scroll(horz_.Position());
}

void TGrScrollControl::DoVerticalScroll() {
    if (on_vertical_scroll) on_vertical_scroll(vert_.Position());
}

void TGrScrollControl::ScrollMessage(int kind, TScrollCode code) {
    TGrScrollBar& bar = kind == 1 ? vert_ : horz_;
    bool moves = true;
    int to = 0;
    switch (code) {
        case SB_LINEUP:
            to = bar.Position() - bar.SmallChange;
            break;
        case SB_LINEDOWN:
            to = bar.Position() + bar.SmallChange;
            break;
        case SB_PAGEUP:
            to = bar.Position() - bar.LargeChange;
            break;
        case SB_PAGEDOWN:
            to = bar.Position() + bar.LargeChange;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            to = bar.GetTrackPosition();
            break;
        case SB_TOP:
            to = 0;
            break;
        case SB_BOTTOM:
            to = bar.Max();
            break;
        default:
            moves = false;
            break;
    }
    if (moves) {
        if (to < 1) to = 0;
        if (to > bar.Max() - bar.PageSize()) to = bar.Max() - bar.PageSize() + 1;
        bar.SetPosition(to);
    }
    if (kind == 1)
        DoVerticalScroll();
    else
        DoHorizontalScroll();
}

void TGrScrollControl::EnabledChanged() {
    Invalidate();
    horz_.Refresh();
    vert_.Refresh();
}

void TGrScrollControl::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    if (!MouseWheelEnabled) {
        TGrCustomScrollControl::MouseWheel(shift, delta, x, y, handled);
        return;
    }
    handled = true;
    WheelScroll(shift, delta);
}

Rect TGrScrollControl::ClientArea() const {
    const int frame = FrameWidth();
    Rect r{frame, frame, std::max(frame, Width() - frame), std::max(frame, Height() - frame)};
    if (vert_window_.Shown()) r.right = std::max(r.left, r.right - kScrollBarWidth);
    if (horz_window_.Shown()) r.bottom = std::max(r.top, r.bottom - kScrollBarWidth);
    return r;
}

void TGrScrollControl::LayoutWindowBars() {
    const bool vert = vert_.Enabled && vert_.Max() > 0 && vert_.Max() >= vert_.PageSize();
    const bool horz = horz_.Enabled && horz_.Max() > 0 && horz_.Max() >= horz_.PageSize();
    // The bars stand inside the frame, in the client's co-ordinates as the mouse reaches them.
    const int width = Width() - 2 * FrameWidth(), height = Height() - 2 * FrameWidth();
    const int right = width - (vert ? kScrollBarWidth : 0);
    const int bottom = height - (horz ? kScrollBarWidth : 0);
    const Rect old_v = vert_window_.BoundsRect(), old_h = horz_window_.BoundsRect();
    vert_window_.SetBounds(vert ? Rect{right, 0, width, bottom} : Rect{});
    horz_window_.SetBounds(horz ? Rect{0, bottom, right, height} : Rect{});
    if (!(old_v == vert_window_.BoundsRect()) || !(old_h == horz_window_.BoundsRect()))
        Invalidate();
}

void TGrScrollControl::PaintWindowBars(Canvas& canvas) const {
    vert_window_.Paint(canvas);
    horz_window_.Paint(canvas);
    if (vert_window_.Shown() && horz_window_.Shown()) {
        canvas.brush.color = clBtnFace;
        canvas.brush.style = bsSolid;
        const int width = Width() - 2 * FrameWidth(), height = Height() - 2 * FrameWidth();
        canvas.FillRect({width - kScrollBarWidth, height - kScrollBarWidth, width, height});
    }
}

void TGrScrollControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    // The bars' presses are the bars': they never reach the grid's own handling.
    press_on_bar_ =
        button == mbLeft && (vert_window_.MouseDown({x, y}) || horz_window_.MouseDown({x, y}));
    if (press_on_bar_) return;
    TGrCustomScrollControl::MouseDown(button, shift, x, y);
    if (button != mbMiddle) return;
    rolling_ = true;
    roll_up_ = roll_down_ = false;
    roll_origin_ = roll_pointer_ = {x, y};
    cursor = crRoll;
    if (!roll_indicator_) roll_indicator_ = std::make_unique<TRollShadow>("roll");
    roll_indicator_->ShowAt(ClientToScreen(roll_origin_));
    roll_indicator_->SetVisible(true);
    roll_timer_.SetInterval(1);
    roll_timer_.SetEnabled(true);
    if (Screen* screen = Screen::Current()) screen->SetCapture(this);
}

void TGrScrollControl::DblClick() {
    if (!press_on_bar_) TGrCustomScrollControl::DblClick();
}

void TGrScrollControl::MouseMove(ShiftState shift, int x, int y) {
    if (vert_window_.MouseMove({x, y}) || horz_window_.MouseMove({x, y})) return;
    TGrCustomScrollControl::MouseMove(shift, x, y);
    if (!rolling_) return;
    roll_pointer_ = {x, y};
    const int d = y - roll_origin_.y;
    roll_up_ = d < -5;
    roll_down_ = d > 5;
    cursor = roll_up_ ? crRollUp : roll_down_ ? crRollDown : crRoll;
    if (roll_indicator_) roll_indicator_->cursor = cursor;
}

void TGrScrollControl::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == mbLeft && (vert_window_.MouseUp({x, y}) || horz_window_.MouseUp({x, y}))) return;
    TGrCustomScrollControl::MouseUp(button, shift, x, y);
    if (!rolling_) return;
    roll_timer_.SetEnabled(false);
    rolling_ = false;
    if (roll_indicator_) roll_indicator_->Hide();
    cursor = crDefault;
    if (Screen* screen = Screen::Current(); screen && screen->Capture() == this)
        screen->SetCapture(nullptr);
}

void TGrScrollControl::RollTick() {
    const int d = roll_pointer_.y - roll_origin_.y;
    const int interval = 100 - std::abs(d);
    roll_timer_.SetInterval(interval > 0 ? interval : 1);
    if (roll_up_) vert_.LineUp();
    if (roll_down_) vert_.LineDown();
}

// --- the roll indicator

}  // namespace kv
