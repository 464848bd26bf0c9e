#pragma once
// The hourglass over the whole screen for the length of a long step, restored however the step
// ends.

#include <utility>

#include "platform/window/screen.h"

namespace kv {

class BusyCursor {
public:
    BusyCursor() : previous_(Screen::Get().ScreenCursor()) { Screen::Get().SetScreenCursor(crHourGlass); }
    ~BusyCursor() {
        if (Screen* screen = Screen::Current()) screen->SetScreenCursor(previous_);
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    int previous_;
};

// Builds a window that is slow to build under the hourglass; the pointer is itself again before
// the caller shows the window, and also when building it throws.
template <class T, class... Args>
T& CreateWhileBusy(Args&&... args) {
    const BusyCursor busy;
    return Screen::Get().Create<T>(std::forward<Args>(args)...);
}

}  // namespace kv
