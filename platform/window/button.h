#pragma once
// A push button: a click hands its ModalResult to its form (ending a modal loop), Enter clicks
// the default button and Escape the cancel button.

#include "platform/window/control.h"

namespace kv {

class Button : public Control {
public:
    Button();

    int modal_result = mrNone;
    bool is_default = false;
    bool cancel = false;

    bool DefaultFor(int key) const override;
    bool Accelerator(char32_t ch) override;
    void Paint(Canvas& canvas) override;

protected:
    void Click() override;
    void KeyUp(int& key, ShiftState shift) override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    // Drawn pressed while the left button holds it and the mouse stays over it.
    bool Pressed() const;
};

}  // namespace kv
