#include "match/zone_engine.h"

#include "core/random.h"
#include "match/match_tables.h"
#include "match/position_codes.h"
#include "match/round_even.h"

namespace kv {
namespace {

constexpr ZoneRow kZoneRows[kZoneCount] = {
    {0, 5, 5, 5, 5, {4, 5, 3, 2}},        {0, 3, 3, 3, 3, {5, 4, 6, 8}},
    {0, 5, 5, 5, 5, {6, 5, 1, 2}},        {1, 30, 20, 10, 20, {7, 8, 9, 5}},
    {1, 30, 20, 10, 20, {8, 7, 9, 11}},   {1, 30, 20, 10, 20, {9, 8, 12, 5}},
    {10, 50, 40, 10, 40, {10, 11, 12, 8}}, {20, 45, 40, 10, 40, {11, 12, 10, 5}},
    {10, 50, 40, 10, 40, {12, 11, 10, 8}}, {60, 40, 30, 10, 30, {11, 12, 8, 7}},
    {85, 40, 30, 2, 2, {12, 10, 8, 9}},    {60, 40, 30, 10, 30, {11, 10, 8, 9}},
};

constexpr ZoneRow kNoRow{0, 0, 0, 0, 0, {1, 1, 1, 1}};

// For each zone row in a team's own view, the position codes searched for a scorer.
constexpr int kScorerPositions[kZoneCount][8] = {
    {9, 17, 9, 17, 9, 17, 9, 17},     {4, 7, 6, 8, 3, 5, 9, 2},
    {2, 10, 2, 10, 2, 10, 2, 10},     {17, 16, 13, 25, 9, 17, 9, 17},
    {12, 15, 11, 13, 14, 16, 17, 10}, {10, 14, 11, 2, 18, 10, 2, 18},
    {16, 25, 15, 21, 18, 14, 10, 18}, {15, 14, 16, 19, 20, 21, 18, 25},
    {14, 15, 16, 19, 20, 21, 18, 25}, {25, 21, 24, 20, 23, 19, 22, 18},
    {23, 20, 24, 22, 21, 19, 18, 25}, {22, 19, 18, 20, 23, 24, 21, 25},
};

bool IsZone(int z) { return z >= 1 && z <= kZoneCount; }

int ZoneValue(const std::int32_t (&values)[kZoneCount], int z) { return IsZone(z) ? values[z - 1] : 0; }

// Columns from..8 of a row, 1-based.
int SearchRow(const t_match_strength& s, int row, int from) {
    if (!IsZone(row)) return -1;
    for (int c = from; c <= 8; ++c) {
        const int p = PlayerAtPosition(s, kScorerPositions[row - 1][c - 1]);
        if (p != -1) return p;
    }
    return -1;
}

int SearchFromColumn(const t_match_strength& s, int row) {
    const int p = SearchRow(s, row, Random(5) + 1);
    return p != -1 ? p : SearchRow(s, row, 1);
}

int SearchAllRows(const t_match_strength& s) {
    for (int row = kZoneCount; row >= 1; --row) {
        const int p = SearchRow(s, row, 1);
        if (p != -1) return p;
    }
    return -1;
}

int ScorerRow(int r) {
    if (r <= 20) return 11;
    if (r <= 37) return 12;
    if (r <= 54) return 10;
    if (r <= 65) return 8;
    if (r <= 72) return 9;
    if (r <= 79) return 7;
    if (r <= 84) return 5;
    if (r <= 88) return 4;
    if (r <= 90) return 6;
    if (r <= 94) return 2;
    if (r <= 98) return 3;
    return 1;
}

}  // namespace

const ZoneRow& engine_zone_tables(int w) { return IsZone(w) ? kZoneRows[w - 1] : kNoRow; }

// A value of 1..n succeeds that often in n.
bool ChanceHit(int value, int n) { return value >= Random(n) + 1; }

int ShiftByDifference(int base, int a, int b, double factor) {
    return RoundEven(base + factor * (b - a));
}

bool TackleWins(int w, int attack, int defence) {
    if (attack > 0 && defence == 0) return false;
    return ChanceHit(ShiftByDifference(engine_zone_tables(w).tackle, attack, defence, 0.3), 100);
}

bool ShotMisses(int attack, int keeper) {
    const int n = keeper <= 5 ? 108 : keeper <= 9 ? 105 : 98;
    return ChanceHit(ShiftByDifference(92, attack, keeper, 0.2), n);
}

bool PassGoesAstray(int w, int attack, int defence) {
    return ChanceHit(ShiftByDifference(engine_zone_tables(w).wrong_pass, attack, defence, 0.5), 100);
}

int ChoosePassTarget(int z, int s, const t_match_strength& defending) {
    const int w = SideZone(z, s);
    const int(&targets)[4] = engine_zone_tables(w).pass_targets;
    int t = targets[3];
    if (Random(100) > 50) t = targets[0];
    else if (Random(100) > 50) t = targets[1];
    else if (Random(100) > 50) t = targets[2];
    // A long ball goes into any empty part of the defenders' penalty area.
    const bool midfield = w >= 4 && w <= 6;
    if (defending.zone_defence[1] == 0 && (w == 2 || midfield)) t = 11;
    else if (defending.zone_defence[0] == 0 && midfield) t = 12;
    else if (defending.zone_defence[2] == 0 && midfield) t = 10;
    return SideZone(t, s);
}

int GoalKickTarget(int s) {
    const int r = Random(100);
    if (r == 0) return 1;
    int zone = 7;
    if (r <= 33) zone = 5;
    else if (r <= 66) zone = 6;
    else if (r <= 80) zone = 4;
    else if (r <= 85) zone = 8;
    else if (r <= 91) zone = 9;
    return SideZone(zone, s);
}

int CornerZone(int side) {
    if (Random(100) > 50) return side == 1 ? 10 : 1;
    return side == 1 ? 12 : 3;
}

namespace {

// Inlined into both forms below, so each builds its move where it hands it over.
[[gnu::always_inline]] inline ZoneMove ZoneMoveOf(int z, int s, int k, const t_match_strength& home,
                                                  const t_match_strength& away) {
    const int other = OtherSide(s);
    const t_match_strength& attacking = s == 1 ? home : away;
    const t_match_strength& defending = s == 1 ? away : home;
    const int w = SideZone(z, s);
    const ZoneRow& row = engine_zone_tables(w);
    const int a = ZoneValue(attacking.zone_attack, w);
    const int b = ZoneValue(defending.zone_defence, 13 - w);
    const int g = defending.goalkeeper_value;

    if (k == zoShotWide) return {GoalKickTarget(s), s, zoPass};
    if (k == zoPass && a == 0) return {z, other, zoPassIntoEmptyZone};
    if (Random(100) < row.foul && b > 0) return {z, s, zoFouled};
    // 8 is the follow-up the engine test bench passes after its own goal kicks.
    if (TackleWins(w, a, b) && k != 8) {
        if (Random(100) < row.foul_in_tackle) return {z, s, zoFouled};
        return {z, other, zoTackled};
    }
    if (Random(100) < row.shot) {
        if (!ShotMisses(a, g)) return {z, other, zoGoal};
        Random(100);  // a missed shot spends a draw of its own: seeded games count on it
        if (Random(100) > 50) return {GoalKickZone(other), other, zoShotWide};
        return {CornerZone(s), s, zoCorner};
    }
    if (PassGoesAstray(w, a, b)) return {z, other, zoWrongPass};
    return {ChoosePassTarget(z, s, defending), s, zoPass};
}

}  // namespace

ZoneMove PlayZoneMove(int z, int s, int k, const t_match_strength& home,
                      const t_match_strength& away) {
    return ZoneMoveOf(z, s, k, home, away);
}

void PlayZoneMove(ZoneMove& move, int z, int s, int k, const t_match_strength& home,
                  const t_match_strength& away) {
    move = ZoneMoveOf(z, s, k, home, away);
}

int PlayerAtPosition(const t_match_strength& s, int code) {
    for (int slot = 0; slot < 11; ++slot) {
        const int p = s.players[slot];
        if (p > 0 && s.slot_positions[slot] == code && IsOnPitch(p)) return p;
    }
    return -1;
}

int ChooseScorer(const t_match_strength& s, int /*unused*/, int mode) {
    int row = ScorerRow(Random(100));
    if (mode == -2) row = Random(100) < 91 ? 2 : 5;
    const int p = SearchFromColumn(s, row);
    return p != -1 ? p : SearchAllRows(s);
}

int ChooseInvolvedPlayer(const t_match_strength& s, int row) {
    if (row == -1) {
        const int r = Random(100);
        if (r <= 35) row = 4 + Random(3);
        else if (r <= 56) row = 7 + Random(3);
        else if (r <= 70) row = 10 + Random(3);
        else row = 1 + Random(3);
    }
    int p = SearchFromColumn(s, row);
    if (Random(20) == 1) p = PlayerAtPosition(s, 1);
    return p != -1 ? p : SearchAllRows(s);
}

}  // namespace kv
