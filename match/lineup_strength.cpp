#include "match/lineup_strength.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "match/match_tables.h"
#include "match/position_codes.h"
#include "match/round_even.h"

namespace kv {
namespace {

// The starter a computer club prefers for its free kicks and penalties above all others.
constexpr const char* kPreferredSetPieceTaker = "Ziquinho";

constexpr int kFinishing = 9;
constexpr int kPlaymaking = 4;
constexpr int kPassing = 11;

// Working values, 1-based by zone.
struct ZoneValues {
    int attack[kZoneCount + 1] = {};
    int defence[kZoneCount + 1] = {};
    int keeper = 0;

    void ScaleAttack(int from, int to, double f) {
        for (int z = from; z <= to; ++z) attack[z] = RoundEven(attack[z] * f);
    }
    void ScaleDefence(int from, int to, double f) {
        for (int z = from; z <= to; ++z) defence[z] = RoundEven(defence[z] * f);
    }
    void ScaleKeeper(double f) { keeper = RoundEven(keeper * f); }
};

constexpr int kMaxEnergy = 1000;

// Energy and strength are kept within their ranges by the game; a damaged record still cannot
// make a sum run past an int.
int Energy(const t_player& p) {
    return std::clamp(p.energy, 0, kMaxEnergy);
}
int Strength(const t_player& p) {
    return std::clamp(p.strength, 0, 10000);
}

// Energy / 100.0 for every energy Energy() gives, worked out by the compiler with the same
// rounding as the division: a strength computation otherwise waits on eleven divisions.
constexpr auto kEnergyShares = [] {
    std::array<double, kMaxEnergy + 1> shares{};
    for (int e = 0; e <= kMaxEnergy; ++e) shares[static_cast<std::size_t>(e)] = e / 100.0;
    return shares;
}();
double EnergyShare(const t_player& p) {
    return kEnergyShares[static_cast<std::size_t>(Energy(p))];
}

int EnergyScaled(const t_player& p, int value) {
    return RoundEven(EnergyShare(p) * value);
}

// What a player on the pitch adds to each zone of code c: less out of his position, less tired.
int SlotAmount(const t_player& p, int c) {
    const int value =
        p.position == position_codes(c).group ? Strength(p) : RoundEven(Strength(p) * 0.7);
    return EnergyScaled(p, value);
}

bool IsOneOf(int v, std::initializer_list<int> values) {
    for (int x : values)
        if (v == x) return true;
    return false;
}

// Whether a human coach fields the line-up: its team is that of the player in its last filled
// slot.
bool IsHumanLineup(const t_match_strength& r) {
    int team = -1;
    for (int slot = 10; slot >= 0; --slot) {
        if (r.players[slot] > 0) {
            if (const t_player* p = PlayerAt(r.players[slot])) team = p->team;
            break;
        }
    }
    const t_team* t = TeamAt(team);
    return t && t->human;
}

void WriteValues(t_match_strength& r, const ZoneValues& v) {
    r.attack_total = 0;
    r.defence_total = 0;
    for (int z = 1; z <= kZoneCount; ++z) {
        r.zone_attack[z - 1] = v.attack[z];
        r.zone_defence[z - 1] = v.defence[z];
        r.attack_total += v.attack[z];
        r.defence_total += v.defence[z];
    }
    r.goalkeeper_value = v.keeper;
}

// Bit c set for each position code c held by a player on the pitch; the ranges below are
// counted with one mask each.
constexpr std::uint32_t CodeRange(int from, int to) {
    return ((std::uint32_t{1} << (to + 1)) - 1) & ~((std::uint32_t{1} << from) - 1);
}
// Counted in place: without a population-count instruction in the target the library's call
// costs more than these few operations.
int CountCodes(std::uint32_t present, int from, int to) {
    std::uint32_t x = present & CodeRange(from, to);
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((x * 0x01010101u) >> 24);
}

// What the quick pass needs of a position code, in one row: its group, its two zones (0, the
// working arrays' unused entry, for none) and its bit in the mask of codes present (0 for a
// code without zones). Entry 0 stands for every value outside 1..25.
struct QuickCode {
    int group;
    int zones[2];
    std::uint32_t bit;
};

constexpr auto kQuickCodes = [] {
    std::array<QuickCode, kLastPositionCode + 1> table{};
    for (int c = 0; c <= kLastPositionCode; ++c) {
        const int(&zones)[3] = position_tables::kZones[c];
        table[c].group = position_tables::kCodes[c].group;
        table[c].zones[0] = std::max(zones[0], 0);
        table[c].zones[1] = std::max(zones[1], 0);
        table[c].bit = zones[0] > 0 || zones[1] > 0 ? std::uint32_t{1} << c : 0;
    }
    return table;
}();

// The quick pass leaves out the third zone of a code: no code has one.
constexpr bool NoThirdZone() {
    for (const auto& zones : position_tables::kZones)
        if (zones[2] > 0) return false;
    return true;
}
static_assert(NoThirdZone());

// RoundEven without its guard against values past an int: the quick pass rounds values below
// 10,000 x 1,000 / 100, as the clamps above keep them.
int RoundEvenSmall(double x) {
    constexpr double kShift = 6755399441055744.0;
    return static_cast<int>((x + kShift) - kShift);
}

}  // namespace

void ComputeLineupStrengthInFull(int s) {
    t_match_strength* r = StrengthAt(s);
    if (!r) return;

    // The player table is read once; a slot's index is checked against it.
    const auto& players = Game().players;
    const int player_count = static_cast<int>(players.size());
    const bool human = IsHumanLineup(*r);

    ZoneValues v;
    std::uint32_t present = 0;
    for (int slot = 0; slot < 11; ++slot) {
        const int c = r->slot_positions[slot];
        const int index = r->players[slot];
        if (index <= 0 || index >= player_count) continue;
        const t_player& p = players[index];
        if (p.on_pitch) {
            const int amount = SlotAmount(p, c);
            for (int z : position_zones(c)) {
                if (z <= 0) continue;
                v.attack[z] += amount;
                v.defence[z] += amount;
                present |= std::uint32_t{1} << c;
            }
        }
        if (c == 1) {
            v.keeper += EnergyScaled(p, Strength(p));
            if (p.position != 0) {
                // An outfield player in goal: the box is all but open.
                v.ScaleKeeper(0.1);
                v.ScaleDefence(2, 2, 0.05);
                v.ScaleDefence(3, kZoneCount, 0.2);
                r->irregular_lineup = 1;
            }
        }
    }

    const int central = CountCodes(present, 3, 8);
    const int back = CountCodes(present, 2, 9);
    auto flag_human = [&] {
        if (human) r->irregular_lineup = 1;
    };
    if (human && (central == 1 || back <= 2)) {
        v.ScaleAttack(1, kZoneCount, 0.7);
        v.ScaleDefence(1, kZoneCount, 0.3);
        v.ScaleDefence(2, 2, 0.2);
        v.ScaleKeeper(0.2);
        r->irregular_lineup = 1;
    }
    if (central == 0) {
        v.ScaleKeeper(0.1);
        v.ScaleDefence(1, kZoneCount, 0.1);
        v.ScaleAttack(1, kZoneCount, 0.1);
        flag_human();
    }
    if (central > 3) {
        v.ScaleKeeper(0.9);
        v.ScaleDefence(1, 3, 0.7);
        v.ScaleAttack(1, kZoneCount, 0.7);
        flag_human();
    }
    if (CountCodes(present, 11, 16) > 4) {
        v.ScaleDefence(5, 5, 0.5);
        v.ScaleDefence(8, 8, 0.5);
        flag_human();
    }
    if (CountCodes(present, 18, 25) > 3) {
        v.ScaleAttack(10, 12, 0.3);
        v.ScaleAttack(1, 9, 0.7);
        v.ScaleDefence(1, kZoneCount, 0.4);
        flag_human();
    }
    if (CountCodes(present, 10, 17) > 5) {
        v.ScaleDefence(4, 9, 0.5);
        flag_human();
    }
    WriteValues(*r, v);
}

void ComputeLineupStrength(int s) {
    t_match_strength* r = StrengthAt(s);
    if (!r) return;

    // The engine asks for the strength after every drain of energy and every event, so the
    // usual line-up (a goalkeeper in goal, a legal shape) is summed here in one pass: attack and
    // defence are the same sum until a rule cuts one of them. Anything else takes the full way.
    const auto& players = Game().players;
    const int player_count = static_cast<int>(players.size());
    ZoneValues v;
    std::uint32_t present = 0;
    for (int slot = 0; slot < 11; ++slot) {
        const int index = r->players[slot];
        if (index <= 0 || index >= player_count) continue;
        const int c = r->slot_positions[slot];
        const t_player& p = players[static_cast<std::size_t>(index)];
        if (p.on_pitch) {
            const QuickCode& q = kQuickCodes[IsPositionCode(c) ? c : 0];
            const int strength = Strength(p);
            const int value = p.position == q.group ? strength : RoundEvenSmall(strength * 0.7);
            const int amount = RoundEvenSmall(EnergyShare(p) * value);
            v.attack[q.zones[0]] += amount;
            v.attack[q.zones[1]] += amount;
            present |= q.bit;
        }
        if (c == 1) {
            if (p.position != 0) return ComputeLineupStrengthInFull(s);
            v.keeper += EnergyScaled(p, Strength(p));
        }
    }
    const int central = CountCodes(present, 3, 8);
    if (central == 0 || central > 3 || CountCodes(present, 11, 16) > 4 ||
        CountCodes(present, 18, 25) > 3 || CountCodes(present, 10, 17) > 5)
        return ComputeLineupStrengthInFull(s);
    if ((central == 1 || CountCodes(present, 2, 9) <= 2) && IsHumanLineup(*r))
        return ComputeLineupStrengthInFull(s);
    v.attack[0] = 0;  // where the codes' missing zones went
    std::copy(std::begin(v.attack), std::end(v.attack), v.defence);
    WriteValues(*r, v);
}

int OwnMatchStrength(int team) {
    const t_team* t = TeamAt(team);
    const t_match_strength* r = t ? StrengthAt(t->match_strength_index) : nullptr;
    if (!r) return -1;
    for (const int player : r->players) {
        if (player <= 0) continue;
        const t_player* p = PlayerAt(player);
        if (!p || p->team != team) return -1;
    }
    return t->match_strength_index;
}

void ClearMatchStrengths(GameData& data) {
    data.match_strengths.clear();
    for (t_team& team : data.teams) team.match_strength_index = -1;
}

void PutPlayerInSlot(int team, int player, int slot) {
    if (slot < 1 || slot > 11) return;
    const t_team* t = TeamAt(team);
    t_match_strength* r = t ? StrengthAt(t->match_strength_index) : nullptr;
    if (!r) return;
    if (t_player* p = PlayerAt(player)) {
        p->on_pitch = 1;
        p->played_match = 1;
    }
    r->players[slot - 1] = player;
    for (auto& place : r->bench) {
        if (place == player) {
            place = 0;
            break;
        }
    }
}

bool IsAvailableToday(int player) {
    const t_player* p = PlayerAt(player);
    return p && IsPlayerAvailable(*p, CurrentMatchKind(), TodaysDate());
}

void CountAvailablePlayers(int /*unused*/, int team) {
    t_team* t = TeamAt(team);
    if (!t) return;
    int n = 0;
    for (const int p : Game().PlayersOf(team))
        if (IsAvailableToday(p)) ++n;
    t->available_players = n;
}

int ChooseRole(int player) {
    const t_player* p = PlayerAt(player);
    if (!p) return 0;
    const int c1 = p->characteristic1;
    const int c2 = p->characteristic2;
    const auto creative = {4, 8, 9, 11};
    const auto marking = {7, 10};
    switch (p->position) {
        case 1:  // full-back: 1 attacking, 0 defensive
            if (IsOneOf(c1, {13, 6})) return 1;
            if (IsOneOf(c1, marking)) return 0;
            if (c2 == 13) return 1;
            if (IsOneOf(c2, marking)) return 0;
            return IsOneOf(c1, creative) ? 1 : 0;
        case 3:  // midfielder: 1 attacking, 0 holding
            if (IsOneOf(c1, creative)) return 1;
            if (IsOneOf(c1, marking)) return 0;
            if (IsOneOf(c2, creative)) return 1;
            if (IsOneOf(c2, marking)) return 0;
            return 1;
        case 4:  // forward: 0 deep, 2 wide, 1 central
            if (IsOneOf(c1, marking)) return 0;
            if (IsOneOf(c1, {6, 8, 13})) return 2;
            return 1;
        default:
            return 0;
    }
}

void ChooseSetPieceTaker(int team) {
    t_team* t = TeamAt(team);
    if (!t) return;
    const auto& players = Game().players;
    int by_name = -1, finisher = -1, playmaker = -1, passer = -1, first = -1;
    for (const int i : Game().PlayersOf(team)) {
        const t_player& p = players[i];
        if (p.squad_role != 1) continue;
        if (first == -1) first = i;
        if (by_name == -1 && p.name.str() == kPreferredSetPieceTaker) by_name = i;
        if (finisher == -1 && p.characteristic1 == kFinishing) finisher = i;
        if (playmaker == -1 && p.characteristic1 == kPlaymaking) playmaker = i;
        if (passer == -1 && p.characteristic1 == kPassing) passer = i;
    }
    for (int choice : {by_name, finisher, playmaker, passer, first}) {
        if (choice != -1) {
            t->set_piece_taker = choice;
            return;
        }
    }
}

void ChooseCaptain(int team) {
    t_team* t = TeamAt(team);
    if (!t) return;
    const auto& players = Game().players;
    int any = -1;
    for (const int i : Game().PlayersOf(team)) {
        if (players[i].squad_role == 1) {
            t->captain = i;
            return;
        }
        if (any == -1) any = i;
    }
    if (any != -1) t->captain = any;
}

int PositionSortKey(int player) {
    const t_player* p = PlayerAt(player);
    if (!p) return 0;
    static constexpr int kKeys[5][3] = {{0, 0, 0}, {2, 3, 6}, {4, 5, 4}, {7, 8, 6}, {9, 10, 11}};
    if (p->position < 0 || p->position > 4 || p->role < 0 || p->role > 2) return 0;
    return kKeys[p->position][p->role];
}

}  // namespace kv
