#pragma once
// The best eleven of a league division on a pitch: the eleven of a round or of a season, as
// stored after each league round and at each season's end. It only shows.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm70Layout;

class TForm70 : public Form {
  public:
    // mode 0 the eleven of a round, 1 of a season, 2 of a season from the season review.
    explicit TForm70(int mode);

    bool season_mode() const { return season_mode_; }
    int competition() const { return competition_; }
    // The player shown in slot 1..11, 0 when the slot is empty.
    int SlotPlayer(int slot) const { return slot_players_[slot - 1]; }
    // The slot the ball marks (the season's best player), 0 when none.
    int ball_slot() const { return ball_slot_; }

    void ShowBestEleven();

  private:
    void FillDivisions(bool regional_extra);

    bool season_mode_ = false;
    int league_ = 0;
    int competition_ = 0;
    int slot_players_[11] = {};
    int ball_slot_ = 0;
};

void ShowBestElevenWindow(int mode);

}  // namespace kv
