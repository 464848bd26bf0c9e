#include "platform/window/track_bar.h"

#include <algorithm>
#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"

namespace kv {
namespace {
constexpr int kMargin = 8;  // between the control's sides and the channel's ends
constexpr int kThumbWidth = 11;
constexpr int kThumbPoint = 5;  // the height of the point under the thumb's body
constexpr int kTickGap = 2;     // between the thumb's point and the ticks
constexpr int kTickLength = 3;

// a * b / c rounded to nearest, in 64 bits: ranges may span the whole of int.
int64_t Scale(int64_t a, int64_t b, int64_t c) {
    return c <= 0 ? 0 : (2 * a * b + c) / (2 * c);
}
}  // namespace

TrackBar::TrackBar() {
    windowed_ = true;
    tab_stop = true;
    SetBounds(0, 0, 150, 45);
}

void TrackBar::SetRange(int min, int max) {
    max = std::max(min, max);
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    Invalidate();
}

void TrackBar::SetPosition(int position) {
    Change(position_, std::clamp(position, min_, max_));
}

int TrackBar::ThumbHeight() const {
    return std::clamp(Height() - 2 * kMargin, 8, 21);
}

int TrackBar::ThumbTop() const {
    return std::clamp((Height() - ThumbHeight()) / 2, 0, kMargin);
}

Rect TrackBar::ChannelRect() const {
    const int centre = ThumbTop() + (ThumbHeight() - kThumbPoint) / 2;
    return {kMargin, centre - 2, std::max(kMargin, Width() - kMargin), centre + 2};
}

int TrackBar::XOfPosition(int position) const {
    const Rect channel = ChannelRect();
    const int left = channel.left + kThumbWidth / 2 + 1;
    const int right = std::max(left, channel.right - kThumbWidth / 2 - 2);
    const int64_t range = int64_t(max_) - min_;
    const int64_t at = std::clamp<int64_t>(int64_t(position) - min_, 0, range);
    return left + static_cast<int>(Scale(at, right - left, range));
}

int TrackBar::PositionAtX(int x) const {
    const int left = XOfPosition(min_), right = XOfPosition(max_);
    const int64_t range = int64_t(max_) - min_;
    return static_cast<int>(min_ + Scale(std::clamp(x, left, right) - left, range, right - left));
}

Rect TrackBar::ThumbRect() const {
    const int x = XOfPosition(position_) - kThumbWidth / 2;
    return RectOfSize(x, ThumbTop(), kThumbWidth, ThumbHeight());
}

void TrackBar::ChangeByUser(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    Invalidate();
    if (on_change) on_change();
}

void TrackBar::PageTowards(Point p) {
    // Paging goes one way only, and stops once the thumb has reached or passed the mouse.
    const Rect thumb = ThumbRect();
    if (paging_ > 0 ? p.x < thumb.right : p.x >= thumb.left) return;
    const int64_t step = int64_t(paging_) * std::max(1, page_size);
    ChangeByUser(static_cast<int>(std::clamp<int64_t>(position_ + step, min_, max_)));
}

void TrackBar::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Control::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    mouse_ = {x, y};
    if (ThumbRect().contains(mouse_)) {
        dragging_ = true;
        grab_ = x - XOfPosition(position_);
        return;
    }
    paging_ = x < XOfPosition(position_) ? -1 : 1;
    repeat_.Start([this] { PageTowards(mouse_); });
}

void TrackBar::MouseMove(ShiftState shift, int x, int y) {
    Control::MouseMove(shift, x, y);
    mouse_ = {x, y};
    if (dragging_) ChangeByUser(PositionAtX(x - grab_));
}

void TrackBar::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == mbLeft) {
        dragging_ = false;
        repeat_.Stop();
    }
    Control::MouseUp(button, shift, x, y);
}

void TrackBar::KeyDown(int& key, ShiftState shift) {
    Control::KeyDown(key, shift);
    const int64_t at = position_;
    switch (key) {
        case VK_LEFT:
        case VK_UP:
            ChangeByUser(int(std::max<int64_t>(at - line_size, min_)));
            break;
        case VK_RIGHT:
        case VK_DOWN:
            ChangeByUser(int(std::min<int64_t>(at + line_size, max_)));
            break;
        case VK_PRIOR:
            ChangeByUser(int(std::max<int64_t>(at - page_size, min_)));
            break;
        case VK_NEXT:
            ChangeByUser(int(std::min<int64_t>(at + page_size, max_)));
            break;
        case VK_HOME:
            ChangeByUser(min_);
            break;
        case VK_END:
            ChangeByUser(max_);
            break;
        default:
            break;
    }
}

void TrackBar::PaintTicks(Canvas& canvas) {
    if (frequency <= 0) return;
    const int top = ThumbTop() + ThumbHeight() + kTickGap;
    canvas.pen = Pen{EnabledInTree() ? clBtnText : clGrayText};
    auto tick = [&](int64_t position) {
        const int x = XOfPosition(static_cast<int>(position));
        canvas.MoveTo(x, top);
        canvas.LineTo(x, top + kTickLength);
    };
    // Never more ticks than pixels, whatever the range and frequency.
    const int64_t range = int64_t(max_) - min_;
    const int64_t ticks = range / frequency;
    const int64_t pixels = std::max(1, XOfPosition(max_) - XOfPosition(min_));
    const int64_t stride = std::max<int64_t>(1, (ticks + pixels - 1) / pixels);
    for (int64_t k = 0; k <= ticks; k += stride) tick(min_ + k * frequency);
    tick(max_);
}

void TrackBar::Paint(Canvas& canvas) {
    const Rect all{0, 0, Width(), Height()};
    canvas.brush = Brush{Color()};
    canvas.FillRect(all);
    Rect channel = ChannelRect();
    DrawSunkenEdge(canvas, channel);
    PaintTicks(canvas);

    // The thumb: a body with a point below it, towards the ticks.
    const Rect t = ThumbRect();
    const int cx = (t.left + t.right - 1) / 2, shoulder = t.bottom - 1 - kThumbPoint;
    const std::vector<Point> outline{{t.left, t.top},
                                     {t.right - 1, t.top},
                                     {t.right - 1, shoulder},
                                     {cx, t.bottom - 1},
                                     {t.left, shoulder}};
    canvas.pen = Pen{clBtnFace};
    canvas.brush = Brush{clBtnFace};
    canvas.Polygon(outline);
    canvas.pen = Pen{clBtnHighlight};
    canvas.MoveTo(cx, t.bottom - 1);
    canvas.LineTo(t.left, shoulder);
    canvas.LineTo(t.left, t.top);
    canvas.LineTo(t.right - 1, t.top);
    canvas.pen = Pen{cl3DDkShadow};
    canvas.LineTo(t.right - 1, shoulder);
    canvas.LineTo(cx - 1, t.bottom);
    canvas.pen = Pen{clBtnShadow};
    canvas.MoveTo(t.right - 2, t.top + 1);
    canvas.LineTo(t.right - 2, shoulder);
    canvas.LineTo(cx - 1, t.bottom - 1);
    if (Focused()) canvas.DrawFocusRect(all.inflate(-1, -1));
    Control::Paint(canvas);
}

}  // namespace kv
