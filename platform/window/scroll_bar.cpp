#include "platform/window/scroll_bar.h"

#include <algorithm>
#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"
#include "platform/window/control.h"

namespace kv {
namespace {
constexpr int kMinThumb = 8;

// a * b / c in 64 bits, rounded to nearest, for lengths and positions of any size.
int Scale(int64_t a, int64_t b, int64_t c) {
    if (c <= 0) return 0;
    return static_cast<int>((2 * a * b + c) / (2 * c));
}
}  // namespace

ScrollBar::ScrollBar(Control& owner, ScrollBarKind kind)
    : owner_(owner), kind_(kind), repeat_(owner) {}

void ScrollBar::SetParams(int range, int page, int position) {
    range_ = std::max(0, range);
    page_ = std::max(0, page);
    position_ = std::clamp(position, 0, MaxPosition());
}

int ScrollBar::MaxPosition() const {
    return std::max(0, range_ - page_);
}

int ScrollBar::Length() const {
    return kind_ == sbVertical ? bounds_.height() : bounds_.width();
}

int ScrollBar::ArrowLength() const {
    const int thickness = kind_ == sbVertical ? bounds_.width() : bounds_.height();
    return std::min(thickness, Length() / 2);
}

int ScrollBar::ThumbLength() const {
    const int track = Length() - 2 * ArrowLength();
    if (!Scrollable() || track < kMinThumb) return 0;
    return std::clamp(Scale(track, page_, range_), kMinThumb, track);
}

int ScrollBar::ThumbStart() const {
    const int track = Length() - 2 * ArrowLength();
    return ArrowLength() + Scale(track - ThumbLength(), position_, MaxPosition());
}

int ScrollBar::Along(Point p) const {
    return kind_ == sbVertical ? p.y - bounds_.top : p.x - bounds_.left;
}

Rect ScrollBar::Span(int from, int to) const {
    if (to <= from) return {};
    if (kind_ == sbVertical)
        return {bounds_.left, bounds_.top + from, bounds_.right, bounds_.top + to};
    return {bounds_.left + from, bounds_.top, bounds_.left + to, bounds_.bottom};
}

Rect ScrollBar::PartRect(Part part) const {
    const int arrow = ArrowLength(), length = Length();
    const int thumb = ThumbLength(), start = ThumbStart();
    switch (part) {
        case Part::LineBack:
            return Span(0, arrow);
        case Part::LineForward:
            return Span(length - arrow, length);
        case Part::PageBack:
            return thumb ? Span(arrow, start) : Rect{};
        case Part::PageForward:
            return thumb ? Span(start + thumb, length - arrow) : Rect{};
        case Part::Thumb:
            return thumb ? Span(start, start + thumb) : Rect{};
        case Part::None:
            break;
    }
    return {};
}

ScrollBar::Part ScrollBar::PartAt(Point p) const {
    if (!bounds_.contains(p)) return Part::None;
    for (Part part :
         {Part::LineBack, Part::LineForward, Part::Thumb, Part::PageBack, Part::PageForward})
        if (PartRect(part).contains(p)) return part;
    return Part::None;
}

void ScrollBar::Scroll(int64_t to) {
    const int position = static_cast<int>(std::clamp<int64_t>(to, 0, MaxPosition()));
    if (position == position_) return;
    position_ = position;
    owner_.Invalidate();
    if (on_scroll) on_scroll(position);
}

void ScrollBar::Step() {
    // The track stops paging once the thumb has come under the mouse.
    if (PartAt(mouse_) != pressed_) return;
    switch (pressed_) {
        case Part::LineBack:
            Scroll(int64_t(position_) - line_step);
            break;
        case Part::LineForward:
            Scroll(int64_t(position_) + line_step);
            break;
        case Part::PageBack:
            Scroll(int64_t(position_) - std::max(1, page_));
            break;
        case Part::PageForward:
            Scroll(int64_t(position_) + std::max(1, page_));
            break;
        default:
            break;
    }
}

bool ScrollBar::MouseDown(Point p) {
    if (!bounds_.contains(p)) return false;
    // A press on a track with nothing to scroll is the bar's too, and does nothing.
    const Part part = PartAt(p);
    held_ = true;
    pressed_ = part;
    mouse_ = p;
    owner_.Invalidate();
    if (part == Part::Thumb) {
        grab_ = Along(p) - ThumbStart();
    } else if (part != Part::None) {
        repeat_.Start([this] { Step(); });
    }
    return true;
}

bool ScrollBar::MouseMove(Point p) {
    if (!Tracking()) return false;
    if ((PartAt(p) == pressed_) != (PartAt(mouse_) == pressed_)) owner_.Invalidate();
    mouse_ = p;
    if (pressed_ == Part::Thumb) {
        const int track = Length() - 2 * ArrowLength() - ThumbLength();
        const int start = std::clamp(Along(p) - grab_ - ArrowLength(), 0, track);
        Scroll(Scale(start, MaxPosition(), track));
    }
    return true;
}

bool ScrollBar::MouseUp(Point p) {
    if (!Tracking()) return false;
    MouseMove(p);
    repeat_.Stop();
    held_ = false;
    pressed_ = Part::None;
    owner_.Invalidate();
    return true;
}

void ScrollBar::Paint(Canvas& canvas) const {
    if (!Shown()) return;
    canvas.brush = Brush{cl3DLight};
    canvas.FillRect(bounds_);
    const bool held = pressed_ != Part::None && PartAt(mouse_) == pressed_;
    if (held && (pressed_ == Part::PageBack || pressed_ == Part::PageForward)) {
        canvas.brush = Brush{cl3DDkShadow};
        canvas.FillRect(PartRect(pressed_));
    }
    const bool vertical = kind_ == sbVertical;
    const struct {
        Part part;
        Arrow arrow;
    } arrows[] = {{Part::LineBack, vertical ? Arrow::Up : Arrow::Left},
                  {Part::LineForward, vertical ? Arrow::Down : Arrow::Right}};
    for (const auto& a : arrows) {
        const Rect r = PartRect(a.part);
        const bool down = held && pressed_ == a.part;
        Rect face = r;
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(face);
        DrawButtonEdge(canvas, face, down);
        DrawArrow(canvas, down ? r.offset(1, 1) : r, a.arrow,
                  Scrollable() && owner_.EnabledInTree() ? clBtnText : clGrayText);
    }
    Rect thumb = PartRect(Part::Thumb);
    if (thumb.empty()) return;
    canvas.brush = Brush{clBtnFace};
    canvas.FillRect(thumb);
    DrawButtonEdge(canvas, thumb, false);
}

}  // namespace kv
