#include "screens/start/window_keys.h"

#include <utility>

#include "platform/window/keys.h"

namespace kv {

void AnswerWindowKeys(Form& form, WindowKeys keys) {
    if (keys.before_controls) form.key_preview = true;
    form.on_key_down = [keys = std::move(keys)](int& key, ShiftState shift) {
        if (key == VK_F4 && shift == ssAlt && keys.swallow_alt_f4) key = 0;
        const std::function<void()>* action = key == VK_ESCAPE   ? &keys.escape
                                              : key == VK_RETURN ? &keys.enter
                                                                 : nullptr;
        if (action == nullptr || !*action) return;
        if (!keys.pass_keys_on) key = 0;
        (*action)();
    };
}

void CloseOnEscape(Form& form, bool enter_closes) {
    auto close = [&form] {
        form.SetModalResult(mrCancel);
        form.Close();
    };
    AnswerWindowKeys(form, {.escape = close,
                            .enter = enter_closes ? close : std::function<void()>{},
                            .before_controls = true});
}

std::function<void()> EndWith(Form& form, int result) {
    return [&form, result] { form.SetModalResult(result); };
}

}  // namespace kv
