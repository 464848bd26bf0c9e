#pragma once
// The back buffer and the painting of the whole screen into it: the desktop, every shown form
// bottom to top, then the hint on top of everything.

#include <memory>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/window/backend.h"

namespace kv {

class Screen;

class ScreenPainter {
public:
    ScreenPainter(int width, int height);
    void Paint(Screen& screen, const Rect& dirty);
    PixelView Pixels() const;
    Canvas& canvas() { return canvas_; }
    Size HintSize(const std::string& text) const;

private:
    Canvas canvas_;
    Font hint_font_;
};

}  // namespace kv
