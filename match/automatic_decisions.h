#pragma once
// The decisions of a human team taken by the computer, until the match windows take them.

#include "match/match_decisions.h"

namespace kv {

class AutomaticDecisions : public MatchDecisions {
public:
    // The computer's kick: its usual taker for the human team too.
    PenaltyKick TakePenaltyKick(int match, int taking_side, bool human_takes) override;
    // The bench player the computer would bring on.
    int ReplaceInjuredPlayer(int match, int side, int injured_player) override;
    // The line-up stays as it is.
    void ChangeLineup(int match, int side) override;
};

}  // namespace kv
