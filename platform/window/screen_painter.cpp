#include "platform/window/screen_painter.h"

#include "platform/window/screen.h"

namespace kv {

ScreenPainter::ScreenPainter(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0xFF000000) {}

ScreenPainter::~ScreenPainter() = default;

void ScreenPainter::Paint(Screen&, const Rect&) {}

PixelView ScreenPainter::Pixels() const { return {pixels_.data(), width_, height_, width_ * 4}; }

Size ScreenPainter::HintSize(const std::string& text) {
    return {static_cast<int>(text.size()) * 6 + 8, 18};
}

}  // namespace kv
