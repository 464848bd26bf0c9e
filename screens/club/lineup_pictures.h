#pragma once
// The line-up window's own pictures, drawn here: the pitch with its bench, the surface that
// shows where a dragged starter shirt may land, the shirts, the drag cursors and the numbered
// icons of the squad list.

#include <string_view>

#include "platform/gfx/picture.h"

namespace kv {

inline constexpr int kPitchWidth = 465;
inline constexpr int kPitchHeight = 601;
inline constexpr int kShirtSide = 55;
inline constexpr int kLineupCursorSide = 32;
inline constexpr int kStatusIconWidth = 24;
inline constexpr int kStatusIconHeight = 18;
// Icons 0-28 starters, 29-57 substitutes, 58-86 not chosen (by shirt number), then these.
inline constexpr int kUnavailableIcon = 87;
inline constexpr int kNotSelectableIcon = 88;
inline constexpr int kStatusIconCount = 89;

// "campogrande" (the pitch), "campoalpha" (the drop surface), "camisa0" (empty shirt),
// "camisa1" (the kit of a club without a kit picture), "camisa2" (goalkeeper), "camisa3"
// (substitute), "cursor0".."cursor3" (dragging a plain, kit, goalkeeper and bench shirt);
// an empty picture for any other name.
Picture LineupPicture(std::string_view name);
// Status icon 0..88 of the squad list.
Picture LineupStatusIcon(int icon);

}  // namespace kv
