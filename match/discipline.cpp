#include "match/discipline.h"

#include <algorithm>

#include "core/random.h"
#include "match/lineup_strength.h"
#include "match/match_decisions.h"
#include "match/match_tables.h"
#include "match/substitutions.h"
#include "match/zone_engine.h"

namespace kv {

std::vector<int>& booked_players() {
    return Game().booked_players;
}

bool IsBookedToday(int player) {
    const auto& booked = booked_players();
    return std::find(booked.begin(), booked.end(), player) != booked.end();
}

void SendOffPlayer(int strength, int player) {
    t_match_strength* s = StrengthAt(strength);
    if (!s || player <= 0) return;
    for (int slot = 0; slot < 11; ++slot) {
        if (s->players[slot] == player) {
            if (t_player* p = PlayerAt(player)) p->on_pitch = 0;
            ComputeLineupStrength(strength);
            return;
        }
    }
}

CardShown CardAfterFoul(int strength, int zone, int tick) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return {-1, -1};
    if (Random(100) > 93) {
        const int p = ChooseInvolvedPlayer(*s, zone);
        int card = 1;
        if (p > 0) {
            if (IsBookedToday(p)) {
                card = 3;
                SendOffPlayer(strength, p);
            } else {
                booked_players().push_back(p);
            }
        }
        return {p, card};
    }
    if (Random(tick < 90 ? 700 : 400) == 1) {
        const int p = ChooseInvolvedPlayer(*s, zone);
        if (p > 0) SendOffPlayer(strength, p);
        return {p, 2};
    }
    return {-1, -1};
}

int InjuryChanceOneIn(int energy) {
    if (energy < 0 || energy > 100) return 550;
    if (energy <= 10) return 19;
    if (energy <= 20) return 20;
    if (energy <= 30) return 21;
    if (energy <= 40) return 22;
    if (energy <= 50) return 23;
    if (energy <= 60) return 24;
    if (energy <= 80) return 25;
    return 26;
}

InjuryResult CheckInjury(int strength, int zone, int match, MatchDecisions* decisions) {
    const t_match_strength* s = StrengthAt(strength);
    jogos* m = DayMatchAt(match);
    if (!s || !m) return {-1, -1};
    const int p = ChooseInvolvedPlayer(*s, zone);
    const t_player* injured = PlayerAt(p);
    if (!injured) return {-1, -1};
    if (Random(InjuryChanceOneIn(injured->energy)) != 1) return {-1, -1};

    SendOffPlayer(strength, p);
    const int side = strength == m->strength_slot[0] ? 1 : 2;
    int q = -1;
    if (m->subs_left[side - 1] > 0) {
        const t_team* team = TeamAt(m->team[side - 1]);
        if (!decisions || !team || !team->human) {
            q = BenchReplacement(strength, p);
        } else {
            q = decisions->ReplaceInjuredPlayer(match, side, p);
            // Only a player still waiting on the bench can come on.
            if (q > 0 && !MarkBenchPlaceUsed(strength, q)) q = -1;
        }
    }
    if (q > 0) {
        m->subs_left[side - 1] -= 1;
        for (int slot = 0; slot < 11; ++slot) {
            if (s->players[slot] == p) {
                BringOn(strength, slot + 1, q);
                break;
            }
        }
    }
    return {p, q > 0 ? q : -1};
}

}  // namespace kv
