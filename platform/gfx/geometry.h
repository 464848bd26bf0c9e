#pragma once
// Integer points and rectangles as the windows use them: a rectangle covers
// left..right-1 and top..bottom-1. The float forms serve the antialiased layer.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace kv {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect inflate(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    Rect intersect(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        if (r.empty()) return {};
        return r;
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect unite(const Rect& o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    int64_t area() const { return empty() ? 0 : int64_t{width()} * height(); }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect RectOfSize(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

struct PointF {
    float x = 0;
    float y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;

    float right() const { return x + width; }
    float bottom() const { return y + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const RectF&, const RectF&) = default;
};

inline RectF ToRectF(const Rect& r) {
    return {float(r.left), float(r.top), float(r.width()), float(r.height())};
}

// value * m / d rounded half away from zero, as the desktop computes scaled sizes and positions;
// -1 when d is 0.
inline int MulDiv(int value, int m, int d) {
    if (d == 0) return -1;
    const int64_t n = static_cast<int64_t>(value) * m;
    int64_t q = n / d;
    const int64_t r = n % d;
    if (2 * std::abs(r) >= std::abs(static_cast<int64_t>(d))) q += (n < 0) != (d < 0) ? -1 : 1;
    return static_cast<int>(q);
}

}  // namespace kv
