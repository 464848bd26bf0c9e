#pragma once
// Small pictures to paint on and read back.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "platform/gfx/colors.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/picture.h"

namespace kv::test {

// A transparent picture of w x h after `paint` drew on it.
inline Picture Painted(int w, int h, const std::function<void(Graphics&)>& paint) {
    Picture p(w, h);
    {
        Graphics g(p);
        paint(g);
    }
    return p;
}

inline bool Blank(const Picture& p) {
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            if (ARGBAlpha(p.PixelARGB(x, y)) != 0) return false;
        }
    }
    return true;
}

// Every channel within `tolerance` of the other colour's.
inline bool Near(ARGB a, ARGB b, int tolerance) {
    return std::abs(ARGBAlpha(a) - ARGBAlpha(b)) <= tolerance &&
           std::abs(ARGBRed(a) - ARGBRed(b)) <= tolerance &&
           std::abs(ARGBGreen(a) - ARGBGreen(b)) <= tolerance &&
           std::abs(ARGBBlue(a) - ARGBBlue(b)) <= tolerance;
}

// A PNG of 2 x 2 pixels: `a` on the diagonal from the top-left, `b` on the other.
inline std::vector<std::uint8_t> CheckerPng(TColor a, TColor b) {
    Picture p(2, 2);
    p.SetPixelARGB(0, 0, ColorToOpaqueARGB(a));
    p.SetPixelARGB(1, 1, ColorToOpaqueARGB(a));
    p.SetPixelARGB(1, 0, ColorToOpaqueARGB(b));
    p.SetPixelARGB(0, 1, ColorToOpaqueARGB(b));
    return p.SaveToPngMemory();
}

// Pixels of the picture within the rectangle that satisfy `want`.
inline int Count(const Picture& p, const Rect& r, const std::function<bool(ARGB)>& want) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) n += want(p.PixelARGB(x, y)) ? 1 : 0;
    }
    return n;
}

}  // namespace kv::test
