#pragma once
// Key codes and modifier states as the game's windows test them (the desktop's virtual keys,
// so `key == VK_RETURN` reads the same as in any of the game's handlers).

namespace kv {

enum : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
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
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11, VK_F12,
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
