#include "match/substitutions.h"

#include <algorithm>

#include "core/random.h"
#include "match/discipline.h"
#include "match/lineup_strength.h"
#include "match/match_events.h"
#include "match/match_tables.h"
#include "match/position_codes.h"
#include "match/zone_engine.h"

namespace kv {
namespace {

constexpr SubstitutionPair kNoPair{-1, -1, -1};
constexpr int kMaxRecordedSubstitutions = 3;

int SlotOf(const t_match_strength& s, int player) {
    if (player <= 0) return -1;
    for (int slot = 0; slot < 11; ++slot)
        if (s.players[slot] == player) return slot;
    return -1;
}

// 0-based bench place of the first player fitting a slot of `code`, trying the first
// `group_count` fallback groups, each with the wanted role first and then any role.
int FindBenchPlace(const t_match_strength& s, int code, int group_count) {
    const PositionCode& wanted = position_codes(code);
    const int(&groups)[5] = position_fallbacks(wanted.group);
    for (int i = 0; i < group_count && groups[i] >= 0; ++i) {
        for (bool any_role : {false, true}) {
            for (int place = 0; place < 7; ++place) {
                const t_player* p = PlayerAt(s.bench[place]);
                if (p && p->position == groups[i] && (any_role || p->role == wanted.role))
                    return place;
            }
        }
    }
    return -1;
}

int CountCentralDefenceCodes(const t_match_strength& s) {
    bool present[9] = {};
    for (int slot = 0; slot < 11; ++slot)
        if (IsCentralDefenceCode(s.slot_positions[slot])) present[s.slot_positions[slot]] = true;
    return static_cast<int>(std::count(std::begin(present), std::end(present), true));
}

int FirstTiredPlayer(const t_match_strength& s) {
    for (int slot = 0; slot < 11; ++slot) {
        const t_player* p = PlayerAt(s.players[slot]);
        if (p && p->on_pitch && p->energy < 80) return s.players[slot];
    }
    return -1;
}

bool HasCode(const t_match_strength& s, int code) {
    return std::find(std::begin(s.slot_positions), std::end(s.slot_positions), code) !=
           std::end(s.slot_positions);
}

}  // namespace

void BringOn(int strength, int slot, int on) {
    t_match_strength* s = StrengthAt(strength);
    if (!s || slot < 1 || slot > 11) return;
    s->players[slot - 1] = on;
    if (t_player* p = PlayerAt(on)) {
        p->on_pitch = 1;
        p->played_match = 1;
    }
}

bool MarkBenchPlaceUsed(int strength, int player) {
    t_match_strength* s = StrengthAt(strength);
    if (!s || player <= 0) return false;
    for (auto& place : s->bench) {
        if (place == player) {
            place = -1;
            return true;
        }
    }
    return false;
}

int CoachSubstitutionMinute() {
    const GameData& gd = Game();
    return gd.substitution_minute + (gd.half != 1 ? 45 : 0);
}

SubstitutionPair ChooseSubstitution(int strength, int player_off, int mode, int code) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return kNoPair;
    if (player_off > 0) {
        const int slot = SlotOf(*s, player_off);
        if (slot == -1) return kNoPair;
        code = s->slot_positions[slot];
    } else if (code > 0 && mode == 1) {
        // Someone from the front comes off: a forward first, then a midfielder.
        player_off = -1;
        for (int c = kLastPositionCode; c >= 10 && player_off == -1; --c)
            player_off = PlayerAtPosition(*s, c);
    }
    const int place = FindBenchPlace(*s, code, 4);
    return {player_off, place >= 0 ? s->bench[place] : -1, place};
}

int FindBenchReplacement(int strength, int player) {
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return -1;
    const int slot = SlotOf(*s, player);
    if (slot == -1) return -1;
    const int place = FindBenchPlace(*s, s->slot_positions[slot], 5);
    return place >= 0 ? s->bench[place] : -1;
}

int BenchReplacement(int strength, int player) {
    const int on = FindBenchReplacement(strength, player);
    if (on > 0) MarkBenchPlaceUsed(strength, on);
    return on;
}

SubstitutionPair ComputerSubstitutions(int strength, int match, int side) {
    t_match_strength* s = StrengthAt(strength);
    jogos* m = DayMatchAt(match);
    if (!s || !m || (side != 1 && side != 2) || m->subs_left[side - 1] <= 0) return kNoPair;

    // The need is settled before a bench player is looked for, so one search serves and the
    // replacement goes where the need is: a missing goalkeeper or central defence before a tired
    // player.
    enum class Need { kNone, kGoalkeeper, kDefence, kTired } need = Need::kNone;
    if (s->players[10] <= 0 || !IsOnPitch(s->players[10])) need = Need::kGoalkeeper;
    if (CountCentralDefenceCodes(*s) < 2) need = Need::kDefence;
    int tired = -1;
    if (need == Need::kNone && m->tick > 92 && m->subs_left[side - 1] > 1 && Random(100) > 60) {
        tired = FirstTiredPlayer(*s);
        if (tired > 0) need = Need::kTired;
    }

    SubstitutionPair pair = kNoPair;
    switch (need) {
        case Need::kNone: return kNoPair;
        case Need::kGoalkeeper: pair = ChooseSubstitution(strength, -1, 1, 1); break;
        case Need::kDefence: pair = ChooseSubstitution(strength, -1, 1, 3); break;
        case Need::kTired: pair = ChooseSubstitution(strength, tired, -1, -1); break;
    }
    if (pair.off <= 0 || pair.on <= 0) return kNoPair;

    const int slot = SlotOf(*s, pair.off);
    if (slot == -1) return kNoPair;
    SendOffPlayer(strength, pair.off);
    m->subs_left[side - 1] -= 1;
    s->bench[pair.bench_place] = -1;
    BringOn(strength, slot + 1, pair.on);
    if (need == Need::kDefence) {
        s->slot_positions[slot] = HasCode(*s, 6) ? 8 : 6;
    } else if (need == Need::kGoalkeeper) {
        // The newcomer goes in goal; his slot stays behind empty, still coded as the goal's.
        s->slot_positions[slot] = 1;
        s->players[slot] = 0;
        s->players[10] = pair.on;
    }
    return pair;
}

SubstitutionOutcome MakeSubstitution(int match, int side, int slot, int bench_place, int minute) {
    using enum SubstitutionRefusal;
    jogos* m = DayMatchAt(match);
    const int strength = m && (side == 1 || side == 2) ? m->strength_slot[side - 1] : -1;
    t_match_strength* s = StrengthAt(strength);
    if (!s || slot < 1 || slot > 11) return {-1, kPlayerNotOnPitch};
    if (m->subs_left[side - 1] <= 0) return {-1, kNoSubstitutionLeft};
    const int on = bench_place >= 1 && bench_place <= 7 ? s->bench[bench_place - 1] : 0;
    t_player* incoming = PlayerAt(on);
    if (on <= 0 || !incoming) return {-1, kEmptyBenchPlace};
    const int off = s->players[slot - 1];
    t_player* outgoing = off > 0 ? PlayerAt(off) : nullptr;
    if (!outgoing || !outgoing->on_pitch) return {-1, kPlayerNotOnPitch};
    outgoing->on_pitch = 0;
    BringOn(strength, slot, on);
    incoming->match_goals = 0;
    const int event = AddMatchEvent(side, off, match, on, meSubstitution);
    s->bench[bench_place - 1] = -1;
    const int made = m->subs_made[side - 1] + 1;
    for (auto& count : m->subs_made) count = std::min(count, kMaxRecordedSubstitutions);
    m->subs_made[side - 1] = std::min(made, kMaxRecordedSubstitutions);
    auto& entry = m->substitutions[side - 1][m->subs_made[side - 1] - 1];
    entry.player_off = off;
    entry.minute = minute;
    m->subs_left[side - 1] -= 1;
    ComputeLineupStrength(strength);
    return {event, kNone};
}

std::string_view SubstitutionRefusalText(SubstitutionRefusal refusal) {
    switch (refusal) {
        case SubstitutionRefusal::kNoSubstitutionLeft:
            return "Já foram realizadas o número limite de substituições.";
        case SubstitutionRefusal::kEmptyBenchPlace:
            return "Não há jogador nesse lugar do banco.";
        case SubstitutionRefusal::kPlayerNotOnPitch:
            return "Esse jogador não está em campo.";
        case SubstitutionRefusal::kNone:
            break;
    }
    return {};
}

}  // namespace kv
