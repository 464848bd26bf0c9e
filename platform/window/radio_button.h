#pragma once
// A radio button: checking one unchecks the radio buttons that share its parent. Only becoming
// checked fires on_click.

#include "platform/window/check_box.h"

namespace kv {

class RadioButton : public CheckBox {
public:
    RadioButton();
    void SetChecked(bool checked) override;
    void Paint(Canvas& canvas) override;

protected:
    void Click() override;
};

}  // namespace kv
