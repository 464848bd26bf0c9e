#pragma once
// The match windows' own pictures, drawn here rather than shipped: the pitch, the four shirts
// (empty place, outfield, goalkeeper, bench), the seven event icons, the star of a star player
// and the drag cursors. Each is drawn once and kept.

#include <array>
#include <string_view>

#include "platform/gfx/colors.h"
#include "platform/gfx/picture.h"
#include "ui/markup/picture_container.h"

namespace kv {

class Control;
class TUiSmoothPanel;

inline constexpr int kPitchWidth = 380;
inline constexpr int kPitchHeight = 600;
inline constexpr int kShirtSide = 55;
inline constexpr int kEventIconSide = 14;

// "campogrande", "campoalpha" (the drop overlay), "camisa0".."camisa3", "i_gol", "i_golv",
// "i_ca", "i_cv", "i_cacv", "i_ct", "i_sub", "estrela", "cursor0".."cursor3"; an empty
// picture for any other name.
const Picture& MatchPicture(std::string_view name);

// The names of the seven event icons.
const std::array<std::string_view, 7>& EventIconNames();

// The seven event icons under their names, for mark-up that shows them.
void AddEventIcons(TPictureContainer& container);
void AddEventIcons(TGDIPPictureContainer& container);

// Registers the drag cursors with the screen under the numbers kMatchCursor + 0..3.
inline constexpr int kMatchCursor = 40;
void RegisterMatchCursors();

// The match windows' events panel: dark green, rounded, with a light green rim, its mark-up
// list across its width with a black one-pixel shadow.
void ShowAsEventsPanel(TUiSmoothPanel& panel);

// A match window's team name: side 1's or 2's smooth labels "nometime<side>" over their black
// copy "nometime_s<side>" show the team's name shaded from its back colour to its text colour,
// readable on `ground`; no team, no name.
void ShowTeamName(Control& window, int side, int team, TColor ground);

// The control classes the match windows' layout tables place: mark-up labels and the
// custom-drawn buttons and panels.
void RegisterMatchWindowClasses();

}  // namespace kv
