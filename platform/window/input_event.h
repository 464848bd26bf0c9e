#pragma once
// What a back end reports: raw input in screen coordinates, before any control sees it.

#include <string>

#include "platform/window/keys.h"

namespace kv {

struct InputEvent {
    // Deactivate: another application took the keyboard (the game's window lost the focus).
    enum Kind { MouseDown, MouseUp, MouseMove, MouseWheel, KeyDown, KeyUp, Text, Quit, Deactivate };
    InputEvent() = default;
    explicit InputEvent(Kind k) : kind(k) {}

    Kind kind = MouseMove;
    int x = 0, y = 0;             // mouse events, screen pixels
    MouseButton button = mbLeft;  // MouseDown, MouseUp
    int wheel = 0;                // MouseWheel: 120 per notch, positive away from the user
    int key = 0;                  // KeyDown, KeyUp: a VK_ code
    ShiftState shift = 0;
    std::string text;  // Text: one or more typed characters, UTF-8
};

}  // namespace kv
