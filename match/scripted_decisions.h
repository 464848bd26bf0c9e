#pragma once
// A coach who decides during a match by a fixed script of his own instead of taking what the
// windows propose: at half time he brings on his first waiting substitute for his most tired
// outfield player, he sends up his strongest outfield player to take a penalty, he brings on
// the last player offered for an injured one, and his shoot-out takers kick in the order the
// window lists them. The game without windows plays him on request, and the play-through
// answers the match windows by the same script, so the two games show that the windows carry a
// coach's own choices, not only the proposals.

#include <optional>
#include <vector>

#include "match/automatic_decisions.h"
#include "match/injury_choice.h"

namespace kv {

struct HalfTimeSubstitution {
    int slot;         // 1..11, the player going off
    int bench_place;  // 1..7, the player coming on
};

// The half-time substitution of side `side` of day match `match`: the outfield player on the
// pitch with the least energy (the first among equals) goes off for the first player waiting on
// the bench; none while no substitution is left or nobody waits.
std::optional<HalfTimeSubstitution> ScriptedHalfTimeSubstitution(int match, int side);

// The strongest outfield player on the pitch of a line-up, the first listed among equals; the
// goalkeeper when he is the only one left.
int ScriptedPenaltyTaker(int strength);

// The last player offered; -1 when nobody is.
int ScriptedInjuryReplacement(const InjuryChoice& choice);

// The players on the pitch in the order the taker order window lists them.
TakerList ScriptedTakerOrder(int strength);

class ScriptedDecisions : public AutomaticDecisions {
public:
    PenaltyKick TakePenaltyKick(int match, int taking_side, bool human_takes) override;
    int ReplaceInjuredPlayer(int match, int side, int injured_player) override;
    // At half time only; after a sending-off the line-up stays as it is.
    void ChangeLineup(int match, int side) override;
    std::optional<ShootoutScore> PlayShootout(int team_a, int team_b) override;
};

}  // namespace kv
