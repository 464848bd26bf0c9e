#pragma once
// What the competition screens (tables, brackets, fixtures, best elevens, round results and
// season review) share: their control classes, the crests and flags of their lists, the
// selectors of leagues, and the hook that opens the match view.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/headless_game.h"
#include "platform/gfx/geometry.h"
#include "platform/window/form.h"
#include "platform/window/image_list.h"

namespace kv {

class Canvas;
class ComboBox;

// The control classes the competition screens' layout tables use.
void RegisterCompetitionScreenClasses();

// The read-only match view of an archived match, seen from side 1 (home) or 2 (away). Unset,
// nothing opens.
std::function<void(int archived_match, int side)>& MatchViewOpener();

// Crests loaded once per window: the image index of a team's crest, -1 when it has none.
class CrestImages {
  public:
    explicit CrestImages(ImageList& list) : list_(list) {}
    int Of(int team);
    ImageList& list() { return list_; }

  private:
    ImageList& list_;
    std::map<int, int> loaded_;
};

// One entry per league configuration, its country's name and flag; hidden with fewer than two.
// Selects the league of `country` (the first when it has none) and returns its index.
int FillLeagueSelector(ComboBox& combo, int country);
// One entry per active state championship, by its adjective; `states` gets each entry's state.
// Selects the first state with a human club (the game's own state when none) and returns it.
int FillStateSelector(ComboBox& combo, std::vector<int>& states);
// The flags of the countries, for the selectors' images.
ImageList& FlagImages(Form& form);

// The team's name on its club colours, as the brackets and tables paint it.
void PaintTeamBox(Canvas& canvas, const Rect& r, int team, bool bold = true);

// One tie of a bracket as drawn: its place, its teams (-1 shows an empty label) and its score.
struct BracketBox {
    Rect rect;
    int team1 = -1;
    int team2 = -1;
    std::string score;
    bool hide_second = false;
};
// The places of the ties of a knock-out from its first round to the final: `first_ties` ties in
// the first column, half as many in each next one, each tie centred between the two it follows.
std::vector<Rect> BracketPlaces(int first_ties, const std::vector<int>& lefts, int top, int pitch,
                                int width);
// The ties, the lines from each tie to the one it feeds (when `linked`), and the champion's box.
void PaintBracket(Canvas& canvas, const std::vector<BracketBox>& boxes, bool linked,
                  const Rect& champion_box, int champion);

}  // namespace kv
