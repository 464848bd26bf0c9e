#pragma once
// A penalty shoot-out kick by kick, as the shoot-out window plays it: team A and team B take
// turns, five kicks each and then sudden death, each taker from its team's kicking order.

#include <array>
#include <vector>

#include "match/match_decisions.h"

namespace kv {

using TakerList = std::array<int, 11>;  // player indexes in kicking order, 0 = empty

// The players on the pitch of a line-up in the order the order window lists them: by pitch
// position code in listing order (goalkeeper first, forwards last).
std::vector<int> AvailableTakers(int strength);

// A computer team's kicking order: its players on the pitch by position code from 25 down to
// 1, forwards first and the goalkeeper last.
TakerList ComputerTakerOrder(int strength);

// An order from a list of players, the rest of the eleven places empty.
TakerList TakerOrderOf(const std::vector<int>& players);

// The order the taker order window proposes when the coach leaves it to "Automático": the
// players as listed, the last one first (so the forwards kick first and the goalkeeper last).
TakerList ProposedTakerOrder(int strength);

// Whether a shoot-out kick goes in: two chances in three.
bool ShootoutKickScores();

class ShootoutKicks {
  public:
    ShootoutKicks(const TakerList& a, const TakerList& b) : lists_{a, b} {}

    // 1 when team A kicks next, 2 team B, 0 once a winner is known.
    int next_side() const { return winner_ ? 0 : next_; }
    // The player who takes the next kick; a list shorter than eleven starts again from its
    // first taker after its last.
    int NextTaker();
    // The next kick scored or missed. Returns the winner (1 team A, 2 team B) once known, else
    // 0. A winner ends the shoot-out: later kicks change nothing.
    int Kick(bool scored);

    int kick_number() const { return kick_number_; }
    int goals_a() const { return goals_[0]; }
    int goals_b() const { return goals_[1]; }
    int winner() const { return winner_; }

  private:
    std::array<TakerList, 2> lists_;
    std::array<int, 2> taker_index_{0, 0};
    std::array<int, 2> goals_{0, 0};
    int kick_number_ = 0;
    int next_ = 1;
    int winner_ = 0;
};

// The whole shoot-out at once, with the same draws, kick for kick, as the shoot-out window
// makes on its timers: the game without windows plays a watched shoot-out through this.
ShootoutScore PlayShootoutKicks(const TakerList& a, const TakerList& b);

}  // namespace kv
