#include "platform/window/auto_repeat.h"

#include "platform/window/screen.h"
#include "platform/window/timer.h"

namespace kv {

AutoRepeat::AutoRepeat(Control& owner) : owner_(owner) {}
AutoRepeat::~AutoRepeat() = default;

void AutoRepeat::Start(std::function<void()> step) {
    step_ = std::move(step);
    if (!timer_) {
        timer_ = std::make_unique<Timer>();
        // A freed control's timer stops firing.
        timer_->SetOwner(&owner_);
        timer_->on_timer = [this] { Tick(); };
    }
    timer_->SetEnabled(false);
    timer_->SetInterval(kDelayMs);
    timer_->SetEnabled(true);
    // A copy: the step may start or stop the repeat.
    auto first = step_;
    first();
}

void AutoRepeat::Stop() {
    if (timer_) timer_->SetEnabled(false);
}

bool AutoRepeat::Running() const {
    return timer_ && timer_->Enabled();
}

void AutoRepeat::Tick() {
    Screen* screen = Screen::Current();
    // The release may have gone elsewhere (a window opened by the step took the mouse).
    if (!screen || !(screen->MouseButtons() & ssLeft) || screen->Capture() != &owner_) {
        Stop();
        return;
    }
    timer_->SetInterval(kIntervalMs);
    auto step = step_;
    step();
}

}  // namespace kv
