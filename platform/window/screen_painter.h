#pragma once
// The back buffer and the painting of the whole screen into it.

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/window/backend.h"

namespace kv {

class Screen;

class ScreenPainter {
public:
    ScreenPainter(int width, int height);
    ~ScreenPainter();
    // Paints the desktop, every shown form bottom to top and the hint, clipped to `dirty`.
    void Paint(Screen& screen, const Rect& dirty);
    PixelView Pixels() const;
    Size HintSize(const std::string& text);

private:
    int width_, height_;
    std::vector<uint32_t> pixels_;
};

}  // namespace kv
