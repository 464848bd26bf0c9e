#pragma once
// Key codes and modifier states as the game's windows test them (the desktop's virtual keys,
// so `key == VK_RETURN` reads the same as in any of the game's handlers).

namespace kv {

enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,  // keypad 5 with Num Lock off
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    // The keypad with Num Lock on; with it off its keys are the arrows, Home, End, ...
    VK_NUMPAD0 = 0x60,
    VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD6, VK_NUMPAD7,
    VK_NUMPAD8, VK_NUMPAD9,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11, VK_F12,
    VK_F13, VK_F14, VK_F15, VK_F16, VK_F17, VK_F18, VK_F19, VK_F20, VK_F21, VK_F22, VK_F23,
    VK_F24,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    // Punctuation keys, named by where they lie on a US keyboard: the same key gives the same
    // code whatever it prints on another layout (on the Brazilian one VK_OEM_1 is the Ç key).
    VK_OEM_1 = 0xBA,       // ;:
    VK_OEM_PLUS = 0xBB,    // =+
    VK_OEM_COMMA = 0xBC,   // ,<
    VK_OEM_MINUS = 0xBD,   // -_
    VK_OEM_PERIOD = 0xBE,  // .>
    VK_OEM_2 = 0xBF,       // /?
    VK_OEM_3 = 0xC0,       // `~
    VK_ABNT_C1 = 0xC1,     // the Brazilian keyboard's /? key beside the right Shift
    VK_ABNT_C2 = 0xC2,     // the Brazilian keypad's extra . key
    VK_OEM_4 = 0xDB,       // [{
    VK_OEM_5 = 0xDC,       // \|
    VK_OEM_6 = 0xDD,       // ]}
    VK_OEM_7 = 0xDE,       // '"
    VK_OEM_102 = 0xE2,     // the extra key beside the left Shift of European keyboards
};
// Letters and digits are their upper-case ASCII codes: 'A'..'Z', '0'..'9'.

using ShiftState = unsigned;
constexpr ShiftState ssShift = 1;
constexpr ShiftState ssAlt = 2;
constexpr ShiftState ssCtrl = 4;
constexpr ShiftState ssLeft = 8;
constexpr ShiftState ssRight = 16;
constexpr ShiftState ssMiddle = 32;
constexpr ShiftState ssDouble = 64;

enum MouseButton { mbLeft, mbRight, mbMiddle };

// Cursor numbers: the standard shapes are negative; the game adds its own from pictures under
// positive numbers in the screen's cursor table.
enum : int {
    crDefault = 0,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHandPoint = -21,
};

// What a modal window hands back.
enum : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrClose = 11,
};

}  // namespace kv
