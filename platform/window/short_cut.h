#pragma once
// A key with its modifiers in one number, as menu items show it ("Ctrl+S", "F2") and as the
// form fires it: the key code in the low byte, the modifiers in the bits above. 0 is none.

#include <string>
#include <string_view>

#include "platform/window/keys.h"

namespace kv {

using ShortCut = int;
constexpr ShortCut scShift = 0x2000;
constexpr ShortCut scCtrl = 0x4000;
constexpr ShortCut scAlt = 0x8000;

// Mouse buttons and double-clicks in `shift` are ignored.
constexpr ShortCut MakeShortCut(int key, ShiftState shift = 0) {
    if (key <= 0 || key > 0xFF) return 0;
    return key | (shift & ssShift ? scShift : 0) | (shift & ssCtrl ? scCtrl : 0) |
           (shift & ssAlt ? scAlt : 0);
}
// "Ctrl+Shift+S", "F2", "Alt+Del"; empty for none or a key without a name.
std::string ShortCutToText(ShortCut short_cut);
// The reverse, modifiers in any order and letters in any case; 0 when not understood.
ShortCut TextToShortCut(std::string_view text);

}  // namespace kv
