#include "match/confidence.h"

#include <algorithm>
#include <cstdlib>
#include <span>

#include "core/lookups.h"
#include "core/types.h"
#include "match/match_tables.h"

namespace kv {
namespace {

// A change for the positions low..high of a table.
struct Band {
    int low, high, change;
};

int ByPosition(std::span<const Band> bands, int position) {
    for (const Band& b : bands)
        if (position >= b.low && position <= b.high) return b.change;
    return 0;
}

bool InDebt(const t_team& t) { return t.cash < 0; }

int LeagueBoardChange(const t_team& t, int result, int venue, bool twenty) {
    const int p = t.table_position[ckNationalLeague];
    int change = 0;
    if (result == 0) {
        if (t.human && InDebt(t)) change -= 10;
        static constexpr Band kHome20[] = {{1, 1, 2}, {2, 2, 1}, {10, 16, -2}, {17, 20, -5}};
        static constexpr Band kAway20[] = {{1, 2, 3}, {3, 6, 1}, {14, 16, -2}, {17, 20, -4}};
        static constexpr Band kAny10[] = {{1, 2, 5}, {3, 4, 4}, {7, 8, -3}, {9, 10, -5}};
        change += twenty ? ByPosition(venue == 1 ? kHome20 : kAway20, p) : ByPosition(kAny10, p);
    } else if (result == 1) {
        if (t.human && InDebt(t)) change -= 9;
        static constexpr Band kWin20[] = {{1, 2, 5}, {3, 6, 3}, {7, 10, 1}};
        static constexpr Band kWin10[] = {{1, 2, 7}, {3, 4, 5}, {5, 6, 3}, {7, 8, 1}};
        change += twenty ? ByPosition(kWin20, p) : ByPosition(kWin10, p);
    } else {
        if (InDebt(t)) change -= 12;
        if (t.level > 20) change -= 2;
        // A loss with venue code 1 was away (the home club won), 2 at home.
        static constexpr Band kAway20[] = {{1, 3, -1}, {4, 8, -2}, {9, 10, -3}, {11, 16, -5}, {17, 20, -7}};
        static constexpr Band kHome20[] = {{4, 8, -1}, {9, 10, -2}, {11, 16, -4}, {17, 20, -7}};
        static constexpr Band kAway10[] = {{1, 2, -1}, {3, 4, -2}, {5, 8, -5}, {9, 10, -7}};
        static constexpr Band kHome10[] = {{3, 4, -1}, {5, 8, -5}, {9, 10, -7}};
        const bool away = venue == 1;
        if (twenty) change += away ? ByPosition(kAway20, p) : ByPosition(kHome20, p);
        else change += away ? ByPosition(kAway10, p) : ByPosition(kHome10, p);
    }
    return change;
}

int StateBoardChange(const t_team& t, int result) {
    const int p = t.table_position[ckStateChampionship];
    int change = t.human && InDebt(t) ? -10 : 0;
    if (result == 0) change += p < 3 ? 3 : p > 4 ? -2 : 0;
    else if (result == 1) change += p < 3 ? 5 : 2;
    else change += p > 3 ? -5 : -2;
    return change;
}

}  // namespace

void UpdateBoardConfidence(int kind, int home, int away, int home_goals, int away_goals) {
    const t_team* h = TeamAt(home);
    const t_team* a = TeamAt(away);
    if (!h || !a) return;
    const int margin = std::abs(home_goals - away_goals);
    const int dh = h->level - a->level;
    const int da = a->level - h->level;
    if (home_goals > away_goals) {
        UpdateClubConfidence(kind, home, 1, 1, dh, margin);
        UpdateClubConfidence(kind, away, 2, 1, da, margin);
    } else if (home_goals < away_goals) {
        UpdateClubConfidence(kind, home, 2, 2, dh, margin);
        UpdateClubConfidence(kind, away, 1, 2, da, margin);
    } else {
        UpdateClubConfidence(kind, home, 0, 1, dh, 0);
        UpdateClubConfidence(kind, away, 0, 2, da, 0);
    }
}

void UpdateClubConfidence(int kind, int team, int result, int venue, int level_difference, int margin) {
    (void)margin;
    t_team* t = TeamAt(team);
    if (!t || FindLeagueConfig(t->country) < 0) return;
    int change = 0;
    if (level_difference > 0) change += result == 0 ? -1 : result == 2 ? -2 : 0;
    if (level_difference < 0) change += result == 0 ? 1 : result == 1 ? 2 : 0;
    const bool twenty = Game().game_state.league_format == 2;
    const bool ten = Game().game_state.league_format == 4;
    if (kind == ckNationalLeague && (twenty || ten)) change += LeagueBoardChange(*t, result, venue, twenty);
    if (kind == ckStateChampionship) change += StateBoardChange(*t, result);
    t->board_confidence += change;
    UpdateSupporterConfidence(kind, team, result);
}

void UpdateSupporterConfidence(int kind, int team, int result) {
    t_team* t = TeamAt(team);
    if (!t) return;
    const t_game_state& gs = Game().game_state;
    int change = 0;
    if (gs.match_kind == ckNationalLeague && (gs.league_format == 2 || gs.league_format == 4)) {
        const bool twenty = gs.league_format == 2;
        const int p = t->table_position[kind >= 0 && kind < kTableKindCount ? kind : 0];
        if (result == 0) {
            static constexpr Band k20[] = {{1, 2, 3}, {5, 10, -1}, {11, 16, -3}, {17, 20, -5}};
            static constexpr Band k10[] = {{1, 2, 2}, {5, 8, -5}, {9, 10, -7}};
            change += twenty ? ByPosition(k20, p) : ByPosition(k10, p);
        } else if (result == 1) {
            static constexpr Band k20[] = {{1, 2, 3}, {3, 4, 1}};
            static constexpr Band k10[] = {{1, 2, 5}, {3, 4, 3}};
            change += 5 + (twenty ? ByPosition(k20, p) : ByPosition(k10, p));
        } else {
            static constexpr Band k20[] = {{13, 17, -3}, {18, 20, -7}};
            static constexpr Band k10[] = {{5, 7, -7}, {8, 10, -10}};
            change += -5 + (twenty ? ByPosition(k20, p) : ByPosition(k10, p));
        }
    } else if (gs.match_kind == ckStateChampionship) {
        const int p = t->table_position[kind >= 0 && kind < kTableKindCount ? kind : 0];
        static constexpr Band kDraw[] = {{1, 2, 2}, {5, 6, -2}};
        static constexpr Band kWin[] = {{1, 2, 7}, {3, 4, 5}, {5, 6, 3}};
        static constexpr Band kLoss[] = {{1, 2, -3}, {3, 4, -5}, {5, 6, -7}};
        if (result == 0) change += ByPosition(kDraw, p);
        else change += ByPosition(result == 1 ? kWin : kLoss, p);
    }
    t->supporter_confidence += change;
    if (t->supporter_confidence < 40) t->board_confidence -= t->level > 20 ? 5 : 8;
    t->supporter_confidence = std::clamp(t->supporter_confidence, 0, 100);
    t->board_confidence = std::clamp(t->board_confidence, 0, 100);
}

}  // namespace kv
