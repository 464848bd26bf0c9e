#pragma once
// The decisions of a human team taken by the computer: what the game without windows plays, and
// what each match window proposes or falls back on, so a window left as it opens and the game
// without windows go the same way with the same draws.

#include "match/match_decisions.h"
#include "match/shootout_kicks.h"

namespace kv {

class AutomaticDecisions : public MatchDecisions {
public:
    // The computer's kick: its usual taker for the human team too.
    PenaltyKick TakePenaltyKick(int match, int taking_side, bool human_takes) override;
    // The bench player the injury window's rule proposes; with nobody to offer the team plays
    // on one short and loses its remaining substitutions, as in the window.
    int ReplaceInjuredPlayer(int match, int side, int injured_player) override;
    // The line-up stays as it is.
    void ChangeLineup(int match, int side) override;
    // Kick by kick, as the shoot-out window plays it, each human team in the order the taker
    // order window proposes.
    std::optional<ShootoutScore> PlayShootout(int team_a, int team_b) override;
};

// The kicking order of `team` in a shoot-out: a human team's from `human_order` (given its line-up),
// a computer team's its own.
TakerList ShootoutOrderOf(int team, TakerList (*human_order)(int strength));

}  // namespace kv
