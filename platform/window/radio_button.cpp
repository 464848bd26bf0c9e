#include "platform/window/radio_button.h"

namespace kv {

RadioButton::RadioButton() = default;

void RadioButton::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Invalidate();
    if (!checked) return;
    if (Parent()) {
        for (auto& sibling : Parent()->Children()) {
            auto* other = dynamic_cast<RadioButton*>(sibling.get());
            if (other && other != this && other->checked_) {
                other->checked_ = false;
                other->Invalidate();
            }
        }
    }
    Control::Click();
}

void RadioButton::Click() {
    if (!checked_) SetChecked(true);
}

void RadioButton::Paint(Canvas& canvas) {
    PaintMark(canvas, true);
    Control::Paint(canvas);
}

}  // namespace kv
