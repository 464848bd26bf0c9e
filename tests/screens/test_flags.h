#pragma once
// Flags the window tests can tell apart: each country's flag is one colour of its own, so a
// test finds which flag a control drew by the pixels it painted.

#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/window/control.h"
#include "screens/start/game_pictures.h"

namespace kv::testing {

inline std::uint32_t TestFlagColour(int country) {
    return 0xFF000000u | ((static_cast<std::uint32_t>(country) * 0x010307u + 0x204060u) & 0xFFFFFFu);
}

// flag_pictures() as the title window leaves it, every flag 20 x 14 in its own colour.
inline void FillTestFlags() {
    std::vector<Picture>& flags = flag_pictures();
    flags.assign(kFlagPictureEntries, Picture{});
    for (int c = 0; c < kFlagCountries; ++c) {
        flags[c] = Picture(20, 14);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 20; ++x) flags[c].SetPixelARGB(x, y, TestFlagColour(c));
    }
}

// How many pixels of `colour` the control paints by itself.
inline int PaintedPixels(Control& control, std::uint32_t colour) {
    Picture shot(control.Width(), control.Height());
    {
        Canvas canvas(shot);
        control.PaintTree(canvas, {0, 0, control.Width(), control.Height()});
    }
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.PixelARGB(x, y) == colour) ++count;
    return count;
}

}  // namespace kv::testing
