#include "match/automatic_decisions.h"

#include "match/match_tables.h"
#include "match/penalty_kick.h"
#include "match/position_codes.h"
#include "match/substitutions.h"

namespace kv {

PenaltyKick AutomaticDecisions::TakePenaltyKick(int match, int taking_side, bool human_takes) {
    const jogos* m = DayMatchAt(match);
    if (!m || (taking_side != 1 && taking_side != 2)) return {-1, -1};
    // Facing a computer's penalty the goal slot's player stands in goal even when he is off.
    return ComputerPenaltyKick(m->strength_slot[taking_side - 1],
                               m->strength_slot[OtherSide(taking_side) - 1], !human_takes);
}

int AutomaticDecisions::ReplaceInjuredPlayer(int match, int side, int injured_player) {
    const jogos* m = DayMatchAt(match);
    if (!m || (side != 1 && side != 2)) return -1;
    return FindBenchReplacement(m->strength_slot[side - 1], injured_player);
}

void AutomaticDecisions::ChangeLineup(int /*match*/, int /*side*/) {}

}  // namespace kv
