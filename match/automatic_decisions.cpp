#include "match/automatic_decisions.h"

#include "match/injury_choice.h"
#include "match/match_tables.h"
#include "match/penalty_kick.h"
#include "match/position_codes.h"

namespace kv {

PenaltyKick AutomaticDecisions::TakePenaltyKick(int match, int taking_side, bool human_takes) {
    const jogos* m = DayMatchAt(match);
    if (!m || (taking_side != 1 && taking_side != 2)) return {-1, -1};
    // Facing a computer's penalty the goal slot's player stands in goal even when he is off.
    return ComputerPenaltyKick(m->strength_slot[taking_side - 1],
                               m->strength_slot[OtherSide(taking_side) - 1], !human_takes);
}

int AutomaticDecisions::ReplaceInjuredPlayer(int match, int side, int injured_player) {
    const InjuryChoice choice = OfferInjuryReplacement(match, side, injured_player);
    const jogos* m = DayMatchAt(match);
    if (!m) return -1;
    return ProposedInjuryReplacement(choice, m->strength_slot[side - 1], injured_player);
}

void AutomaticDecisions::ChangeLineup(int /*match*/, int /*side*/) {}

std::optional<ShootoutScore> AutomaticDecisions::PlayShootout(int team_a, int team_b) {
    return PlayShootoutKicks(ShootoutOrderOf(team_a, ProposedTakerOrder),
                             ShootoutOrderOf(team_b, ProposedTakerOrder));
}

TakerList ShootoutOrderOf(int team, TakerList (*human_order)(int strength)) {
    const t_team* t = TeamAt(team);
    const int strength = t ? t->match_strength_index : -1;
    return IsHumanTeam(team) ? human_order(strength) : ComputerTakerOrder(strength);
}

}  // namespace kv
