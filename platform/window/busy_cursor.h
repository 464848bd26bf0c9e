#pragma once
// The hourglass over the whole screen for the length of a long step, restored however the step
// ends.

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

}  // namespace kv
