#pragma once
// A check box; setting Checked, by a click or in code, fires on_click as the desktop does.

#include "platform/window/control.h"

namespace kv {

class CheckBox : public Control {
public:
    CheckBox();
    bool Checked() const { return checked_; }
    virtual void SetChecked(bool checked);
    void Paint(Canvas& canvas) override;
    bool Accelerator(char32_t ch) override;

protected:
    void Click() override;
    void KeyUp(int& key, ShiftState shift) override;
    // The box and caption, shared with the radio button.
    void PaintMark(Canvas& canvas, bool round);

    bool checked_ = false;
};

}  // namespace kv
