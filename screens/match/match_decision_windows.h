#pragma once
// The human coaches' decisions during a match day, asked through the match windows: the
// in-match line-up, the penalty windows, the injury replacement and the shoot-out windows. Each
// window is modal, so the tick that asked waits until it closes.

#include "match/match_decisions.h"

namespace kv {

class WindowMatchDecisions : public MatchDecisions {
  public:
    PenaltyKick TakePenaltyKick(int match, int taking_side, bool human_takes) override;
    int ReplaceInjuredPlayer(int match, int side, int injured_player) override;
    void ChangeLineup(int match, int side) override;
    std::optional<ShootoutScore> PlayShootout(int team_a, int team_b) override;
};

// The in-match line-up window on day match `match`, side `side` shown first; modal.
void OpenMatchLineupWindow(int match, int side);

}  // namespace kv
