#pragma once
// The keys the game's windows answer for themselves. Most close only through their own buttons,
// so Alt+F4 does nothing there, and Esc and Enter stand for one of their buttons.

#include <functional>

#include "platform/window/form.h"

namespace kv {

struct WindowKeys {
    // What Esc and Enter do, each taking its key; empty, the key goes on as usual.
    std::function<void()> escape = {};
    std::function<void()> enter = {};
    // False: Alt+F4 closes the window as the desktop does.
    bool swallow_alt_f4 = true;
    // The window sees the keys before its focused control does.
    bool before_controls = false;
    // Esc and Enter still reach the focused control after their action.
    bool pass_keys_on = false;
};

void AnswerWindowKeys(Form& form, WindowKeys keys);

// Esc (and Enter too when `enter_closes`) cancels and closes the window, before any control
// sees the key; Alt+F4 does nothing.
void CloseOnEscape(Form& form, bool enter_closes = false);

// The action that ends the window's modal loop with `result`.
std::function<void()> EndWith(Form& form, int result);

}  // namespace kv
