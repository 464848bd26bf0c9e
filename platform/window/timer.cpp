#include "platform/window/timer.h"

#include "platform/window/control.h"
#include "platform/window/screen.h"

namespace kv {

Timer::Timer() {
    if (Screen* screen = Screen::Current()) {
        screen->Register(*this);
        Restart();
    }
}

Timer::~Timer() {
    if (Screen* screen = Screen::Current()) screen->Unregister(*this);
}

void Timer::SetInterval(int ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    if (Screen* screen = Screen::Current()) {
        due_ = screen->Now() + interval_;
        screen->Reschedule(*this);
    }
}

bool Timer::Armed() const {
    return enabled_ && interval_ > 0 && on_timer && !firing_ && !(Owner() && Owner()->Freed());
}

void Timer::Fire(int64_t now) {
    due_ = now + interval_;
    if (Screen* screen = Screen::Current()) screen->Reschedule(*this);
    firing_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{firing_};
    // A copy, so the handler may replace on_timer while it runs.
    auto handler = on_timer;
    handler();
}

}  // namespace kv
