#pragma once
// The program's own pictures: the title picture, the menu buttons with their hover faces, the
// football cursor and the default flag. They are drawn here rather than shipped beside the
// program, so the title window looks the same whatever folder the game runs from.

#include <string_view>

#include "platform/gfx/picture.h"

namespace kv {

inline constexpr int kTitlePictureWidth = 513;
inline constexpr int kTitlePictureHeight = 304;
inline constexpr int kMenuButtonWidth = 180;
inline constexpr int kMenuButtonHeight = 50;
inline constexpr int kDefaultFlagSide = 105;
inline constexpr int kFootballCursorSide = 32;

// "tinicio", "bt1".."bt3" (menu buttons), "bt5".."bt7" (their hover faces), "cursor5",
// "bandeira" (the flag of a country without a flag file); an empty picture for any other name.
Picture ProgramPicture(std::string_view name);

inline constexpr int kStateFlagCount = 27;
inline constexpr int kStateFlagWidth = 24;
inline constexpr int kStateFlagHeight = 16;

// The flag of state 0..26 (the image list the state lists and the state champions share),
// drawn once for the whole run; an empty picture for any other number.
const Picture& StateFlagPicture(int state);

}  // namespace kv
