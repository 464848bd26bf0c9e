#pragma once
// The match view: one played match from the archive, read-only: the two clubs and the score,
// the stadium, attendance and gate, its goals, cards, injuries and substitutions, either
// side's starting eleven on the pitch with its formation and tactics, and the statistics.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "screens/match/pitch_lineup.h"
#include "ui/markup/picture_container.h"

namespace kv {

extern const WindowLayout kForm52Layout;

class TForm52 : public Form {
  public:
    // The match at index `archived_match` of the archive, side `side` (1 or 2) drawn first.
    TForm52(int archived_match, int side);

    int shown_side() const { return side_; }
    // Draws the eleven of side 1 or 2; the side already shown stays as it is.
    void ShowSide(int side);

  private:
    void ShowEleven(int side);

    int match_;
    int side_ = 0;
    PitchLineup pitch_;
    TGDIPPictureContainer icons_;
};

// Opens the match view of an archived match modally, the first team's eleven drawn first
// unless another side is asked for. An index outside the archive opens nothing.
void ShowMatchView(int archived_match, int side = 1);

}  // namespace kv
