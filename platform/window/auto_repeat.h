#pragma once
// What a held mouse button repeats: scroll-bar arrows and tracks, track-bar pages. The step runs
// once at the press, again after a pause and then at a steady rate while the left button stays
// down, on the window layer's timers (so the fake clock of the tests drives it too).

#include <functional>
#include <memory>

namespace kv {

class Control;
class Timer;

class AutoRepeat {
public:
    explicit AutoRepeat(Control& owner);
    ~AutoRepeat();
    AutoRepeat(const AutoRepeat&) = delete;
    AutoRepeat& operator=(const AutoRepeat&) = delete;

    void Start(std::function<void()> step);
    void Stop();
    bool Running() const;

    static constexpr int kDelayMs = 400;
    static constexpr int kIntervalMs = 50;

private:
    void Tick();

    Control& owner_;
    std::unique_ptr<Timer> timer_;
    std::function<void()> step_;
};

}  // namespace kv
