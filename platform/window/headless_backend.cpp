#include "platform/window/headless_backend.h"

namespace kv {

HeadlessBackend::HeadlessBackend(int width, int height, int dpi)
    : size_{width, height}, dpi_(dpi) {}

bool HeadlessBackend::WaitEvent(InputEvent& event, int timeout_ms) {
    if (!events_.empty()) {
        event = std::move(events_.front());
        events_.pop_front();
        idle_ = 0;
        return true;
    }
    if (timeout_ms == 0) return false;
    if (!steps_.empty()) {
        auto step = std::move(steps_.front());
        steps_.pop_front();
        idle_ = 0;
        step();
        return false;
    }
    if (timeout_ms > 0 && idle_ + timeout_ms <= max_idle_ms) {
        now_ += timeout_ms;
        idle_ += timeout_ms;
        return false;
    }
    if (on_idle && on_idle()) {
        idle_ = 0;
        return false;
    }
    throw HeadlessStall("an event loop waits for input that the test never gives");
}

void HeadlessBackend::Present(const PixelView&, std::span<const Rect> dirty) {
    ++presents_;
    presented_.assign(dirty.begin(), dirty.end());
}

void HeadlessBackend::SetCursor(int cursor, const PixelView* custom, Point) {
    cursor_ = cursor;
    cursor_history_.push_back(cursor);
    cursor_picture_ = custom ? Size{custom->width, custom->height} : Size{};
}

}  // namespace kv
