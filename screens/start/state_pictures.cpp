#include "screens/start/state_pictures.h"

#include <array>

#include "core/text_tables.h"
#include "platform/gfx/canvas.h"
#include "screens/start/star_points.h"

namespace kv {
namespace {

constexpr std::array<TColor, 8> kColours = {
    static_cast<TColor>(0x00A000),  // green
    static_cast<TColor>(0x00D7FF),  // gold
    static_cast<TColor>(0xC04000),  // blue
    static_cast<TColor>(0xFFFFFF),  // white
    static_cast<TColor>(0x0000C8),  // red
    static_cast<TColor>(0x202020),  // black
    static_cast<TColor>(0x0080FF),  // orange
    static_cast<TColor>(0x804000),  // navy
};

void Star(Canvas& canvas, int cx, int cy, double outer, TColor colour) {
    canvas.pen.color = colour;
    canvas.brush.color = colour;
    canvas.Polygon(StarPoints(cx, cy, outer, outer * 0.42));
}

Picture StateFlag(int state) {
    constexpr int n = kStatePictureSide;
    Picture flag(n, n);
    Canvas canvas(flag);
    const TColor first = kColours[static_cast<std::size_t>(state) % kColours.size()];
    const TColor second = kColours[static_cast<std::size_t>(state * 3 + 1) % kColours.size()];
    const TColor mark = kColours[static_cast<std::size_t>(state * 5 + 3) % kColours.size()];
    canvas.brush.color = first;
    canvas.FillRect({0, 3, n, n - 3});
    canvas.brush.color = second;
    switch (state % 4) {
        case 0:  // a band across the middle
            canvas.FillRect({0, 7, n, 11});
            break;
        case 1:  // a band down the hoist
            canvas.FillRect({0, 3, 6, n - 3});
            break;
        case 2:  // two stripes
            canvas.FillRect({0, 3, n, 6});
            canvas.FillRect({0, 12, n, 15});
            break;
        default:  // a triangle at the hoist
            canvas.pen.color = second;
            canvas.Polygon({{0, 3}, {9, 9}, {0, n - 4}});
            break;
    }
    Star(canvas, state % 4 == 1 ? 3 : 12, 9, 3.2, mark == first ? second : mark);
    canvas.brush.color = static_cast<TColor>(0x505050);
    canvas.FrameRect({0, 3, n, n - 3});
    return flag;
}

}  // namespace

const ImageList& StatePictures() {
    static const ImageList pictures = [] {
        ImageList list(kStatePictureSide, kStatePictureSide);
        for (int s = 0; s < static_cast<int>(state_codes.size()); ++s) list.Add(StateFlag(s));
        return list;
    }();
    return pictures;
}

}  // namespace kv
