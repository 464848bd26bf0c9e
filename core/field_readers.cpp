#include "core/field_readers.h"

#include <algorithm>

namespace kv {

TDateTime TodayDate(const GameData& g) {
    const int day = g.game_state.calendar_day;
    if (day < 1 || day > kCalendarDays) return 0;
    return g.calendar[day - 1].date;
}

bool IsPlayerAvailable(const t_player& p, int kind, TDateTime today) {
    if (kind < 0 || kind >= kCompetitionKindCount) return false;
    return p.yellow_cards[kind] < 3 && p.suspension[kind] == 0 && !(p.injured_until > today);
}

int ConditionPicture(const t_player& p, int kind, TDateTime today) {
    const int k = kind >= 0 && kind < kCompetitionKindCount ? kind : ckNationalLeague;
    int code = 0;
    if (p.yellow_cards[k] >= 3)
        code = 4;
    else if (p.suspension[k] > 0)
        code = 1;
    else if (p.injured_until > today)
        code = 3;
    if (code != 0) return p.star ? code + 4 : code;
    return p.star ? 12 : 0;
}

int Draws(const t_team& t, int kind) {
    if (kind < 0 || kind >= kTableKindCount) return 0;
    return t.played[kind] - t.wins[kind] - t.losses[kind];
}

int ClubsPerDivision(const GameData& g) {
    return g.game_state.league_format == kDivisionsOf20 ? 20 : 10;
}

int ClubCount(const GameData& g) {
    return g.game_state.league_club_count + g.game_state.background_club_count;
}

int ClubLimit(const GameData& g) {
    const long long clubs = static_cast<long long>(g.game_state.league_club_count) +
                            g.game_state.background_club_count;
    return static_cast<int>(std::clamp<long long>(clubs, 0, static_cast<long long>(g.teams.size())));
}

bool IsClub(const GameData& g, int team) {
    return InTable(g.teams, team) && team < ClubCount(g);
}

bool IsLeagueClub(const GameData& g, int team) {
    return team >= 0 && team < g.game_state.league_club_count;
}

bool IsNationalTeam(const GameData& g, int team) {
    return InTable(g.teams, team) && team >= ClubCount(g);
}

namespace {

// Works for a coach and a const coach alike.
template <class Coach>
auto TitleCounter(Coach& c, int kind) -> decltype(&c.titles[0]) {
    if (kind >= 0 && kind < kTableKindCount) return &c.titles[kind];
    if (kind == ckSuperCup) return &c.division_titles[0];
    return nullptr;
}

}  // namespace

int CoachTitleCount(const t_coach& c, int kind) {
    const auto* n = TitleCounter(c, kind);
    return n ? *n : 0;
}

void AddCoachTitle(t_coach& c, int kind) {
    if (auto* n = TitleCounter(c, kind)) ++*n;
}

}  // namespace kv
