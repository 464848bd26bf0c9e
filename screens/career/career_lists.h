#pragma once
// What the history and ranking windows share: their classes, the banded rows of their lists,
// the country box over the league configurations and closing on Escape.

#include "platform/window/layout_table.h"
#include "screens/main/competition_window_parts.h"

namespace kv {

class ComboBox;
class Picture;
class Form;
class TReportGrid;

// Light text straight on the tiled background.
inline constexpr TColor kCareerBackground = 0x00203A0E;
inline constexpr LayoutFont kCareerTitleFont = {"Tahoma", 10, fsBold, clYellow};
inline constexpr LayoutFont kCareerTextFont = {"Tahoma", 8, 0, clWhite};

void RegisterCareerWindowClasses();

// Rows not selected alternate white and light yellow.
void BandRows(TReportGrid& grid);

// One item per league configuration, in their order, each with its country's flag; selects the
// league of `country` (the first when it has none) and hides the box when there is only one
// league. Returns the league chosen.
int FillLeagueCombo(ComboBox& combo, int country);

// The team's crest (or any picture file) drawn stretched into a square of `size`; an empty
// picture when the team has no crest file.
Picture CrestThumbnail(int team, int size);
Picture StretchedPicture(const Picture& source, int size);


}  // namespace kv
