#include "match/penalty_kick.h"

#include "core/random.h"
#include "match/match_decisions.h"
#include "match/match_tables.h"
#include "match/foul_kicks.h"

namespace kv {
namespace {

constexpr int kFinishing = 9;
constexpr int kSavesPenalties = 1;

}  // namespace

int PenaltyChance(int taker, int goalkeeper) {
    int c = 70;
    if (const t_player* t = PlayerAt(taker)) {
        if (t->characteristic1 == kFinishing) c += 10;
        if (t->characteristic2 == kFinishing) c += 5;
        if (t->star) c += 5;
    }
    if (const t_player* g = PlayerAt(goalkeeper)) {
        if (g->characteristic1 == kSavesPenalties) c -= 15;
        if (g->characteristic2 == kSavesPenalties) c -= 10;
        if (g->star) c -= 5;
    }
    return c;
}

int PenaltyGoalkeeper(int strength, bool any_in_goal_slot) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return -1;
    const int in_goal = s->players[10];
    if (PlayerAt(in_goal) && (any_in_goal_slot || IsOnPitch(in_goal))) return in_goal;
    for (int slot = 0; slot < 11; ++slot) {
        const t_player* p = PlayerAt(s->players[slot]);
        if (p && p->on_pitch && p->position == 0) return s->players[slot];
    }
    for (int slot = 0; slot < 11; ++slot)
        if (IsOnPitch(s->players[slot])) return s->players[slot];
    return -1;
}

int ComputerPenaltyTaker(int strength) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return -1;
    if (const t_team* team = TeamAt(LineupTeam(strength));
        team && team->set_piece_taker > 0 && IsOnPitch(team->set_piece_taker))
        return team->set_piece_taker;
    for (int slot = 9; slot >= 0; --slot)
        if (IsOnPitch(s->players[slot])) return s->players[slot];
    return -1;
}

PenaltyKick ComputerPenaltyKick(int taking_strength, int defending_strength, bool any_in_goal_slot) {
    const int taker = ComputerPenaltyTaker(taking_strength);
    if (taker == -1) return {-1, -1};
    const int keeper = PenaltyGoalkeeper(defending_strength, any_in_goal_slot);
    return {taker, PenaltyScored(taker, keeper) ? 1 : 2};
}

bool PenaltyScored(int taker, int goalkeeper) {
    return Random(100) + 1 <= PenaltyChance(taker, goalkeeper);
}

}  // namespace kv
