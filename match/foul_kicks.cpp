#include "match/foul_kicks.h"

#include "core/random.h"
#include "match/match_decisions.h"
#include "match/match_tables.h"

namespace kv {
namespace {

bool IsTakerOf(const t_team* team, int team_index) {
    if (!team) return false;
    const t_player* p = PlayerAt(team->set_piece_taker);
    return p && p->on_pitch && p->team == team_index;
}

}  // namespace

int LineupTeam(int strength) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return -1;
    for (int slot = 10; slot >= 0; --slot)
        if (const t_player* p = PlayerAt(s->players[slot]); p && p->team >= 0) return p->team;
    return -1;
}

int TakeFreeKick(int strength, int keeper) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return -1;
    const int team_index = LineupTeam(strength);
    t_team* team = TeamAt(team_index);
    int taker = -1;
    if (IsTakerOf(team, team_index)) {
        taker = team->set_piece_taker;
    } else {
        for (int slot = 0; slot < 10 && taker == -1; ++slot)
            if (IsOnPitch(s->players[slot])) taker = s->players[slot];
        if (taker == -1) return -1;
        if (team) team->set_piece_taker = taker;
    }
    const int chance = PlayerAt(taker)->strength > keeper ? 12 : 2;
    return Random(100) <= chance ? taker : -1;
}

PenaltyKick TakePenalty(int strength, int keeper, int forced_taker) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return {-1, -1};
    const int team_index = LineupTeam(strength);
    const t_team* team = TeamAt(team_index);
    int taker = -1;
    if (IsTakerOf(team, team_index)) {
        taker = team->set_piece_taker;
    } else {
        for (int slot = 9; slot >= 0 && taker == -1; --slot)
            if (IsOnPitch(s->players[slot])) taker = s->players[slot];
    }
    if (forced_taker > 0 && PlayerAt(forced_taker)) taker = forced_taker;
    if (taker == -1) return {-1, -1};
    const int chance = PlayerAt(taker)->strength > keeper ? 85 : 75;
    return {taker, Random(100) <= chance ? 1 : 2};
}

}  // namespace kv
