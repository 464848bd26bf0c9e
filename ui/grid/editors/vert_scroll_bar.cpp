#include "ui/grid/editors/vert_scroll_bar.h"

#include <algorithm>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_locale.h"

namespace kv {

TGrVertScrollBar::TGrVertScrollBar(Control& owner) : owner_(&owner) {
    delay_timer_.SetEnabled(false);
    delay_timer_.SetInterval(kRepeatDelayMs);
    delay_timer_.on_timer = [this] {
        delay_timer_.SetEnabled(false);
        repeat_timer_.SetEnabled(true);
    };
    repeat_timer_.SetEnabled(false);
    repeat_timer_.SetInterval(kRepeatMs);
    repeat_timer_.on_timer = [this] { Repeat(); };
}

void TGrVertScrollBar::InvalidateRect(const Rect& r) const {
    if (visible_ && !r.empty()) owner_->InvalidateRect(r);
}

void TGrVertScrollBar::SetBounds(int left, int top, int width, int height) {
    InvalidateRect(GetBoundsRect());
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    InvalidateRect(GetBoundsRect());
}

void TGrVertScrollBar::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    owner_->Invalidate();
}

void TGrVertScrollBar::SetMax(int value) {
    max_ = std::max(value, 0);
    InvalidateRect(GetBoundsRect());
    if (position_ > max_) SetPosition(max_);
}

void TGrVertScrollBar::SetPageSize(int value) {
    page_size_ = std::max(value, 1);
    InvalidateRect(GetBoundsRect());
}

void TGrVertScrollBar::SetPosition(int value) {
    const int old = position_;
    position_ = std::clamp(value, 0, max_);
    if (position_ == old) return;
    InvalidateRect(GetBoundsRect());
    if (OnScroll) OnScroll(old, position_);
}

int TGrVertScrollBar::GetButtonSize() const {
    return kScrollBarWidth;
}

Rect TGrVertScrollBar::GetArrowRect(int which) const {
    const int b = GetButtonSize();
    const Rect bounds = GetBoundsRect();
    return which == 0 ? Rect{left_, top_, bounds.right, top_ + b}
                      : Rect{left_, bounds.bottom - b, bounds.right, bounds.bottom};
}

Rect TGrVertScrollBar::GetThumbRect() const {
    if (max_ <= 0) return {};
    const int top = GridRoundToInt(position_ * double(GetTrackLength() - page_size_) / max_) +
                    GetButtonSize() + top_;
    return {left_, top, left_ + width_, top + page_size_};
}

Rect TGrVertScrollBar::GetUpperTrackRect() const {
    const Rect thumb = GetThumbRect();
    return {left_, GetArrowRect(0).bottom, left_ + width_, thumb.top};
}

Rect TGrVertScrollBar::GetLowerTrackRect() const {
    const Rect thumb = GetThumbRect();
    return {left_, thumb.bottom, left_ + width_, GetArrowRect(1).top};
}

void TGrVertScrollBar::DragTo(int y) {
    if (max_ <= 0 || GetTrackLength() <= 0) return;
    SetPosition(GridRoundToInt(y / (double(GetTrackLength()) / max_)));
}

void TGrVertScrollBar::Press(Part part) {
    pressed_part_ = part;
    delay_timer_.SetEnabled(false);
    delay_timer_.SetEnabled(true);
}

void TGrVertScrollBar::Repeat() {
    switch (pressed_part_) {
        case pdUpArrow:
            SetPosition(position_ - 1);
            break;
        case pdDownArrow:
            SetPosition(position_ + 1);
            break;
        case pdTrackAbove:
            PageUp();
            break;
        case pdTrackBelow:
            PageDown();
            break;
        case pdNone:
            break;
    }
}

void TGrVertScrollBar::MouseDown(int x, int y) {
    if (!visible_) return;
    const Point p{x, y};
    if (GetArrowRect(1).contains(p)) {
        down_.Include(spPressed);
        SetPosition(position_ + 1);
        InvalidateRect(GetArrowRect(1));
        Press(pdDownArrow);
    }
    if (GetArrowRect(0).contains(p)) {
        up_.Include(spPressed);
        SetPosition(position_ - 1);
        InvalidateRect(GetArrowRect(0));
        Press(pdUpArrow);
    }
    if (max_ > 0 && GetLowerTrackRect().contains(p)) {
        PageDown();
        Press(pdTrackBelow);
    }
    if (max_ > 0 && GetUpperTrackRect().contains(p)) {
        PageUp();
        Press(pdTrackAbove);
    }
    if (max_ > 0 && GetThumbRect().contains(p)) {
        thumb_.Include(spPressed);
        InvalidateRect(GetThumbRect());
    }
}

void TGrVertScrollBar::SetHot(TScrollPartFlags& flags, bool hot) {
    if (hot)
        flags.Include(spHot);
    else
        flags.Exclude(spHot);
}

void TGrVertScrollBar::MouseMove(int x, int y) {
    const Point p{x, y};
    struct {
        TScrollPartFlags* flags;
        Rect rect;
    } parts[] = {{&up_, GetArrowRect(0)}, {&down_, GetArrowRect(1)}, {&thumb_, GetThumbRect()}};
    for (auto& part : parts) {
        const bool under = part.rect.contains(p);
        if (under == part.flags->Has(spHot)) continue;
        SetHot(*part.flags, under);
        InvalidateRect(part.rect);
    }
    if (IsDragging()) DragTo(y - GetButtonSize() - top_);
}

void TGrVertScrollBar::MouseUp() {
    up_.Exclude(spPressed);
    down_.Exclude(spPressed);
    thumb_.Exclude(spPressed);
    pressed_part_ = pdNone;
    delay_timer_.SetEnabled(false);
    repeat_timer_.SetEnabled(false);
    InvalidateRect(GetBoundsRect());
}

void TGrVertScrollBar::ClearHot() {
    const Rect rects[] = {GetArrowRect(0), GetArrowRect(1), GetThumbRect()};
    TScrollPartFlags* flags[] = {&up_, &down_, &thumb_};
    for (int i = 0; i < 3; ++i) {
        if (!flags[i]->Has(spHot)) continue;
        flags[i]->Exclude(spHot);
        InvalidateRect(rects[i]);
    }
}

void TGrVertScrollBar::Paint(Canvas& canvas) const {
    if (!visible_) return;
    // The classic look: a light track, raised thumb and arrows; only a press shows.
    canvas.brush = Brush{TGraphicsProvider::MixColors(clBtnHighlight, clScrollBar, 0.5)};
    if (max_ > 0) {
        canvas.FillRect(GetUpperTrackRect());
        canvas.FillRect(GetLowerTrackRect());
        Rect thumb = GetThumbRect();
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(thumb);
        DrawButtonEdge(canvas, thumb, false);
    } else {
        canvas.FillRect(GetBoundsRect());
    }
    for (int which = 0; which < 2; ++which) {
        Rect r = GetArrowRect(which);
        const bool pressed = (which == 0 ? up_ : down_).Has(spPressed);
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(r);
        DrawButtonEdge(canvas, r, pressed);
        if (pressed) r = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        DrawArrow(canvas, r, which == 0 ? Arrow::Up : Arrow::Down,
                  max_ > 0 ? clBtnText : clGrayText);
    }
}

}  // namespace kv
