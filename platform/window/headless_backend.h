#pragma once
// The back end of tests: no display at all. Input comes from a queue the test fills, time from a
// virtual clock the test moves, and what would be shown stays in the screen's back buffer.

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/window/backend.h"

namespace kv {

// Thrown when an event loop waits for input that nothing will ever give.
class HeadlessStall : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(int width = 1024, int height = 768, int dpi = 96);

    Size ScreenSize() const override { return size_; }
    int PixelsPerInch() const override { return dpi_; }
    int64_t Now() const override { return now_; }
    void SetNow(int64_t now) { now_ = now; }

    void Push(const InputEvent& event) { events_.push_back(event); }
    bool HasEvents() const { return !events_.empty(); }
    // A step runs the next time an event loop waits with nothing queued, for instance to click
    // a button of a modal window that is open by then.
    void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }
    bool HasSteps() const { return !steps_.empty(); }

    // A loop waiting for a timer with nothing queued lets virtual time pass, up to this much
    // before the wait counts as a stall.
    int64_t max_idle_ms = 10 * 60 * 1000;
    // Asked when a loop would stall (nothing queued, no step left, no timer due in time): true
    // when it gave the loop something to do (a driver answering whatever window is open).
    std::function<bool()> on_idle;

    bool WaitEvent(InputEvent& event, int timeout_ms) override;
    void Present(const PixelView& buffer, std::span<const Rect> dirty) override;
    void SetCursor(int cursor, const PixelView* custom, Point hot_spot) override;
    std::string ClipboardText() const override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }

    int cursor() const { return cursor_; }
    // Every cursor shown, in order, for tests of what a step showed while it ran.
    std::vector<int>& cursor_history() { return cursor_history_; }
    // The size of the picture the shown cursor was given; empty for a standard shape.
    Size cursor_picture() const { return cursor_picture_; }
    int presents() const { return presents_; }
    // The rectangles the last present showed.
    const std::vector<Rect>& presented() const { return presented_; }

private:
    Size size_;
    int dpi_;
    int64_t now_ = 0;
    int64_t idle_ = 0;
    std::deque<InputEvent> events_;
    std::deque<std::function<void()>> steps_;
    std::string clipboard_;
    int cursor_ = 0;
    std::vector<int> cursor_history_;
    Size cursor_picture_{};
    int presents_ = 0;
    std::vector<Rect> presented_;
};

}  // namespace kv
