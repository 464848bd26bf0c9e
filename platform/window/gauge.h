#pragma once
// A plain progress bar with its percentage written in the middle.

#include "platform/window/control.h"

namespace kv {

class Gauge : public Control {
public:
    Gauge();
    int min_value = 0;
    int max_value = 100;
    int Progress() const { return progress_; }
    void SetProgress(int value);
    int PercentDone() const;
    bool show_text = true;
    TColor fore_color = clNavy;
    void Paint(Canvas& canvas) override;

private:
    int progress_ = 0;
};

}  // namespace kv
