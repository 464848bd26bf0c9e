#pragma once
// The penalty shoot-out played kick by kick: team A and team B take turns on timers, five
// kicks each and then sudden death, each kick shown as "Gol" or "Perdeu" beside its taker,
// until the winner is announced and the window closes by itself a second later.

#include <array>
#include <optional>

#include "match/match_decisions.h"
#include "match/shootout_kicks.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm38Layout;

class Timer;

// The kicking orders of team A and team B: a human coach's from the taker order window, kept
// between shoot-outs; a computer team's is rebuilt for every shoot-out.
std::array<TakerList, 2>& ShootoutTakerLists();

class TForm38 : public Form {
  public:
    TForm38(int team_a, int team_b);
    // The score once the winner is known.
    std::optional<ShootoutScore> score() const;
    const ShootoutKicks& kicks() const { return kicks_; }

  private:
    void ShowTaker(int side);
    void KickOf(int side);
    void DeclareWinner(int side);

    int teams_[2];
    ShootoutKicks kicks_;
    Timer* timers_[5] = {};
};

}  // namespace kv
