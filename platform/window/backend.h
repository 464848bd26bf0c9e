#pragma once
// The one interface between the window system and what lies below it: an SDL window or nothing
// at all (tests). The window system never calls SDL itself.

#include <cstdint>
#include <span>
#include <string>

#include "platform/gfx/geometry.h"
#include "platform/window/input_event.h"

namespace kv {

// A view of 32-bit pixels, 0xAARRGGBB premultiplied, rows `stride` bytes apart.
struct PixelView {
    const uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual Size ScreenSize() const = 0;
    virtual Rect WorkArea() const { return {0, 0, ScreenSize().cx, ScreenSize().cy}; }
    virtual int PixelsPerInch() const { return 96; }

    // Milliseconds on the clock that drives timers and double-clicks.
    virtual int64_t Now() const = 0;

    // The next input event, waiting up to `timeout_ms` (negative: until one comes). False when
    // none came in time.
    virtual bool WaitEvent(InputEvent& event, int timeout_ms) = 0;

    // Shows the back buffer; `dirty` are the parts that changed since the last call (the rest is
    // on show already, and need not be uploaded again).
    virtual void Present(const PixelView& buffer, std::span<const Rect> dirty) = 0;

    // A standard cursor number, or a custom one with its pixels and hot spot.
    virtual void SetCursor(int cursor, const PixelView* custom, Point hot_spot) = 0;

    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

}  // namespace kv
