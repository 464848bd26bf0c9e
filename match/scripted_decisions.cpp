#include "match/scripted_decisions.h"

#include "match/match_tables.h"
#include "match/penalty_kick.h"
#include "match/position_codes.h"
#include "match/substitutions.h"

namespace kv {

std::optional<HalfTimeSubstitution> ScriptedHalfTimeSubstitution(int match, int side) {
    const jogos* m = DayMatchAt(match);
    if (!m || (side != 1 && side != 2) || m->subs_left[side - 1] <= 0) return std::nullopt;
    const t_match_strength* s = StrengthAt(m->strength_slot[side - 1]);
    if (!s) return std::nullopt;
    int place = 0;
    for (int b = 0; b < 7 && !place; ++b)
        if (PlayerAt(s->bench[b]) && !IsOnPitch(s->bench[b])) place = b + 1;
    int slot = 0;
    int energy = 0;
    for (int i = 0; i < 11; ++i) {
        const t_player* p = PlayerAt(s->players[i]);
        if (!p || !p->on_pitch || p->position == 0) continue;
        if (!slot || p->energy < energy) {
            slot = i + 1;
            energy = p->energy;
        }
    }
    if (!place || !slot) return std::nullopt;
    return HalfTimeSubstitution{slot, place};
}

int ScriptedPenaltyTaker(int strength) {
    int taker = -1;
    for (int player : AvailableTakers(strength)) {
        const t_player& p = Game().players[player];
        const t_player* best = PlayerAt(taker);
        const bool outfield = p.position != 0;
        const bool best_outfield = best && best->position != 0;
        if (!best || (outfield && !best_outfield) ||
            (outfield == best_outfield && p.strength > best->strength))
            taker = player;
    }
    return taker;
}

int ScriptedInjuryReplacement(const InjuryChoice& choice) {
    return choice.players.empty() ? -1 : choice.players.back();
}

TakerList ScriptedTakerOrder(int strength) {
    return TakerOrderOf(AvailableTakers(strength));
}

PenaltyKick ScriptedDecisions::TakePenaltyKick(int match, int taking_side, bool human_takes) {
    const jogos* m = DayMatchAt(match);
    if (!human_takes || !m || (taking_side != 1 && taking_side != 2))
        return AutomaticDecisions::TakePenaltyKick(match, taking_side, human_takes);
    const int taker = ScriptedPenaltyTaker(m->strength_slot[taking_side - 1]);
    if (taker <= 0) return {-1, -1};
    const int keeper = PenaltyGoalkeeper(m->strength_slot[OtherSide(taking_side) - 1], false);
    return {taker, PenaltyScored(taker, keeper) ? 1 : 2};
}

int ScriptedDecisions::ReplaceInjuredPlayer(int match, int side, int injured_player) {
    return ScriptedInjuryReplacement(OfferInjuryReplacement(match, side, injured_player));
}

void ScriptedDecisions::ChangeLineup(int match, int side) {
    if (!Game().half_time) return;
    const std::optional<HalfTimeSubstitution> change = ScriptedHalfTimeSubstitution(match, side);
    if (!change) return;
    MakeSubstitution(match, side, change->slot, change->bench_place, CoachSubstitutionMinute());
}

std::optional<ShootoutScore> ScriptedDecisions::PlayShootout(int team_a, int team_b) {
    return PlayShootoutKicks(ShootoutOrderOf(team_a, ScriptedTakerOrder),
                             ShootoutOrderOf(team_b, ScriptedTakerOrder));
}

}  // namespace kv
