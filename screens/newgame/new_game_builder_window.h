#pragma once
// The builder window: shown modally over the club choice when the last coach has chosen, it
// builds the game half a second after it appears, its bar following the build, then closes
// the club choice that opened it and hands the game to its first window.

#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

class Timer;
class TUiSmoothProgressBar;

extern const WindowLayout kForm12Layout;

inline constexpr int kBuildDelayMs = 500;

class TForm12 : public Form {
  public:
    explicit TForm12(Form& opener);
    void Timer1Timer();
    // The build's message when it failed, empty otherwise.
    const std::string& Failure() const { return failure_; }

  private:
    Form* opener_;
    Timer* timer1_ = nullptr;
    TUiSmoothProgressBar* bar_ = nullptr;
    std::string failure_;
};

}  // namespace kv
