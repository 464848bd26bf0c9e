#pragma once
// A timer fired from the event loop on the back end's clock. It never re-enters its own
// handler: while on_timer runs (even through a nested modal loop) the timer is not fired again.
// A timer whose form is being freed no longer fires. Give a timer an owner (AddComponent does):
// while its handler runs, the owner's window is kept, but other windows freed meanwhile go; a
// timer without one keeps everything freed alive until its handler returns.

#include <cstdint>
#include <functional>

#include "platform/window/component.h"

namespace kv {

class Timer : public Component {
public:
    Timer();
    ~Timer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> on_timer;

    // For the screen: when the timer is due next, and firing it.
    bool Armed() const;
    int64_t Due() const { return due_; }
    uint64_t Serial() const { return serial_; }
    void Fire(int64_t now);

private:
    friend class Screen;
    void Restart();

    int interval_ = 1000;
    bool enabled_ = true;
    bool firing_ = false;
    int64_t due_ = 0;
    uint64_t serial_ = 0;
    // Where the screen's schedule holds it, if it does.
    bool scheduled_ = false;
    int64_t scheduled_due_ = 0;
};

}  // namespace kv
