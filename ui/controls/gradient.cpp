#include "ui/controls/gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <mutex>

#include "platform/gfx/canvas.h"

namespace kv {
namespace {

struct Rgb {
    int r, g, b;
};

Rgb Channels(TColor c) {
    c = ColorToRGB(c);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

uint32_t Pack(int r, int g, int b) {
    return static_cast<uint32_t>((r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
}

// Writes every pixel of a new w x h pattern from a ramp index per pixel.
template <class IndexAt>
Picture Lay(int w, int h, const TGradientColors& colors, IndexAt index_at) {
    Picture p(w, h);
    cairo_surface_t* s = p.surface();
    if (!s) return p;
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const int i = std::clamp(index_at(x, y), 0, 255);
            row[x] = 0xFF000000u | colors[static_cast<std::size_t>(i)];
        }
    }
    cairo_surface_mark_dirty(s);
    p.MarkDirty();
    return p;
}

int Distance(int dx, int dy) {
    return static_cast<int>(std::nearbyint(std::sqrt(double(dx * dx + dy * dy))));
}

// Distance from the middle of 362 pixels: the centre lies between pixels 180 and 181.
int FromMiddle(int v) {
    return v <= 180 ? 180 - v : v - 181;
}

}  // namespace

TGradientColors BuildGradientRamp(TColor start, TColor end, int shift, int rotation) {
    Rgb s = Channels(start), e = Channels(end);
    if (shift > 0) {
        s = {s.r + MulDiv(e.r - s.r, shift, 100), s.g + MulDiv(e.g - s.g, shift, 100),
             s.b + MulDiv(e.b - s.b, shift, 100)};
    } else if (shift < 0) {
        e = {e.r + MulDiv(e.r - s.r, shift, 100), e.g + MulDiv(e.g - s.g, shift, 100),
             e.b + MulDiv(e.b - s.b, shift, 100)};
    }
    const Rgb d{e.r - s.r, e.g - s.g, e.b - s.b};
    const int a = MulDiv(255, rotation, 100);
    TGradientColors ramp{};
    // Each entry is the start (or end) colour plus k * D / n, truncated toward zero.
    const auto from_start = [&](int k, int n) {
        return Pack(s.r + k * d.r / n, s.g + k * d.g / n, s.b + k * d.b / n);
    };
    const auto from_end = [&](int k, int n) {
        return Pack(e.r - k * d.r / n, e.g - k * d.g / n, e.b - k * d.b / n);
    };
    for (int i = 0; i < 256; ++i) {
        uint32_t c;
        if (a == 0) {
            c = from_start(i, 255);
        } else if (a > 0) {
            const int m = 255 - a;
            c = i < m ? from_start(i, m) : from_start(255 - i, a);
        } else {
            const int b = -a;
            c = i <= b ? from_end(i, b) : from_end(255 - i, 255 - b);
        }
        ramp[static_cast<std::size_t>(i)] = c;
    }
    return ramp;
}

namespace {

Picture LayGradientPattern(TGradientStyle style, const TGradientColors& P) {
    switch (style) {
        case gsRadialC:
            return Lay(362, 362, P,
                       [](int x, int y) { return Distance(FromMiddle(x), FromMiddle(y)); });
        case gsRadialT:
            return Lay(362, 181, P, [](int x, int y) { return Distance(FromMiddle(x), y); });
        case gsRadialB:
            return Lay(362, 181, P, [](int x, int y) { return Distance(FromMiddle(x), 180 - y); });
        case gsRadialL:
            return Lay(181, 362, P, [](int x, int y) { return Distance(x, FromMiddle(y)); });
        case gsRadialR:
            return Lay(181, 362, P, [](int x, int y) { return Distance(180 - x, FromMiddle(y)); });
        case gsRadialTL:
            return Lay(181, 181, P, [](int x, int y) { return Distance(x, y); });
        case gsRadialTR:
            return Lay(181, 181, P, [](int x, int y) { return Distance(180 - x, y); });
        case gsRadialBL:
            return Lay(181, 181, P, [](int x, int y) { return Distance(x, 180 - y); });
        case gsRadialBR:
            return Lay(181, 181, P, [](int x, int y) { return Distance(180 - x, 180 - y); });
        case gsLinearH:
            return Lay(256, 1, P, [](int x, int) { return x; });
        case gsLinearV:
            return Lay(1, 256, P, [](int, int y) { return y; });
        case gsReflectedH:
            return Lay(1, 512, P, [](int, int y) { return y < 256 ? 255 - y : y - 256; });
        case gsReflectedV:
            return Lay(512, 1, P, [](int x, int) { return x < 256 ? 255 - x : x - 256; });
        case gsDiagonalLF:
            return Lay(128, 129, P, [](int x, int y) { return x + y; });
        case gsDiagonalLB:
            return Lay(128, 129, P, [](int x, int y) { return y - x + 127; });
        case gsDiagonalRF:
            return Lay(256, 256, P,
                       [](int x, int y) { return x + y > 254 ? x + y - 255 : 255 - y - x; });
        case gsDiagonalRB:
            return Lay(256, 256, P, [](int x, int y) { return std::abs(x - y); });
        case gsArrowL:
            return Lay(129, 256, P, [](int x, int y) { return y < 128 ? 255 - y - x : y - x; });
        case gsArrowR:
            return Lay(129, 256, P,
                       [](int x, int y) { return y < 128 ? x - y + 127 : x + y - 128; });
        case gsArrowU:
            return Lay(256, 129, P, [](int x, int y) { return x < 128 ? 255 - y - x : x - y; });
        case gsArrowD:
            return Lay(256, 129, P,
                       [](int x, int y) { return x < 128 ? y - x + 127 : y + x - 128; });
        case gsDiamond:
            return Lay(256, 256, P, [](int x, int y) {
                if (y < 128) return x < 128 ? 255 - y - x : x - y;
                return x < 128 ? y - x : y + x - 255;
            });
        case gsButterfly:
            return Lay(256, 256, P, [](int x, int y) {
                if (y < 128) return x < 128 ? x - y + 128 : 383 - y - x;
                return x < 128 ? x + y - 128 : y - x + 128;
            });
        case gsRadialRect:
            return Lay(512, 512, P, [](int x, int y) {
                return std::min({x, y, 511 - x, 511 - y});
            });
        case gsCustom:
            break;
    }
    return Picture();
}

}  // namespace

// The windows made anew every round lay out the same few patterns again: the last ones laid
// out are kept, and a copy shares their pixels until it is drawn into.
Picture BuildGradientPattern(TGradientStyle style, const TGradientColors& colors) {
    struct Kept {
        TGradientStyle style;
        TGradientColors colors;
        Picture pattern;
    };
    static std::mutex lock;
    static std::deque<Kept> kept;
    constexpr std::size_t kKept = 8;
    {
        std::lock_guard<std::mutex> hold(lock);
        for (const Kept& k : kept)
            if (k.style == style && k.colors == colors) return k.pattern;
    }
    Picture pattern = LayGradientPattern(style, colors);
    std::lock_guard<std::mutex> hold(lock);
    if (kept.size() == kKept) kept.pop_back();
    kept.push_front({style, colors, pattern});
    return pattern;
}

TGradient::TGradient() {
    SetBounds(0, 0, 100, 100);
    UpdatePattern();
}

void TGradient::SetColorBegin(TColor c) {
    if (c == color_begin_) return;
    color_begin_ = c;
    use_sys_colors_ = false;
    UpdatePattern();
}

void TGradient::SetColorEnd(TColor c) {
    if (c == color_end_) return;
    color_end_ = c;
    use_sys_colors_ = false;
    UpdatePattern();
}

void TGradient::SetStyle(TGradientStyle s) {
    if (s == style_) return;
    style_ = s;
    UpdatePattern();
}

void TGradient::SetReverse(bool on) {
    if (on == reverse_) return;
    reverse_ = on;
    UpdatePattern();
}

void TGradient::SetShift(int v) {
    v = std::clamp(v, -100, 100);
    if (v == shift_) return;
    shift_ = v;
    UpdatePattern();
}

void TGradient::SetRotation(int v) {
    v = std::clamp(v, -100, 100);
    if (v == rotation_) return;
    rotation_ = v;
    UpdatePattern();
}

void TGradient::SetUseSysColors(bool on) {
    if (on == use_sys_colors_) return;
    use_sys_colors_ = on;
    if (on) UseSystemColors();
}

void TGradient::UseSystemColors() {
    BeginUpdate();
    SetColorBegin(clActiveCaption);
    SetColorEnd(clGradientActiveCaption);
    use_sys_colors_ = true;
    EndUpdate();
}

void TGradient::EndUpdate() {
    if (update_count_ > 0) --update_count_;
    if (update_count_ == 0 && pending_) UpdatePattern();
}

void TGradient::UpdatePattern() {
    pending_ = true;
    if (update_count_ > 0) return;
    pending_ = false;
    TColor start = color_begin_, end = color_end_;
    if (reverse_) std::swap(start, end);
    colors_ = BuildGradientRamp(start, end, shift_, rotation_);
    building_ = true;
    if (style_ != gsCustom) {
        pattern_ = BuildGradientPattern(style_, colors_);
    } else if (on_custom) {
        pattern_ = Picture(2, 2);
        on_custom(colors_, pattern_);
    } else {
        const ARGB s = ColorToOpaqueARGB(start), e = ColorToOpaqueARGB(end);
        pattern_ = Picture(2, 2);
        pattern_.SetPixelARGB(0, 0, s);
        pattern_.SetPixelARGB(1, 1, s);
        pattern_.SetPixelARGB(0, 1, e);
        pattern_.SetPixelARGB(1, 0, e);
    }
    building_ = false;
    Invalidate();
}

void TGradient::Paint(Canvas& canvas) {
    if (building_) return;
    Rect r{0, 0, Width(), Height()};
    if (border_width_ > 0) {
        // A frame drawn inside the rectangle, the border's width deep.
        canvas.brush = Brush{ColorToRGB(border_color_), bsSolid};
        for (int i = 0; i < border_width_ && !r.empty(); ++i) {
            canvas.FrameRect(r);
            r = r.inflate(-1, -1);
        }
        if (r.right <= r.left || r.bottom <= r.top) return;
    }
    // An empty pattern (a custom handler may leave one) or no room left draws nothing.
    if (r.empty() || pattern_.empty() || pattern_.width() <= 0 || pattern_.height() <= 0) return;
    canvas.StretchDraw(r, pattern_);
}

}  // namespace kv
