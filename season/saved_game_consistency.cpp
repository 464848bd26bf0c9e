#include "season/saved_game_consistency.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "core/types.h"

namespace kv {
namespace {

template <class... Parts>
std::string Says(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

template <class T, std::size_t N>
bool Holds(const T (&slots)[N], std::int32_t v) {
    return std::find(std::begin(slots), std::end(slots), v) != std::end(slots);
}

// A slot list names each entry once; -1 is a free slot.
template <std::size_t N>
bool Repeats(const std::int32_t (&slots)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (slots[i] >= 0 && slots[i] == slots[j]) return true;
    return false;
}

// The human coaches and their clubs: the game state's slots, the teams' and the coaches' flags
// and the count must all say the same.
std::string CheckHumans(const GameData& g) {
    const t_game_state& s = g.game_state;
    if (Repeats(s.human_clubs)) return "um clube aparece duas vezes em human_clubs";
    if (Repeats(s.human_coaches)) return "um técnico aparece duas vezes em human_coaches";
    int clubs = 0;
    for (const std::int32_t club : s.human_clubs) {
        if (club < 0) continue;
        ++clubs;
        const t_team& team = g.teams[club];
        if (club >= ClubLimit(g) || !team.human)
            return Says("human_clubs nomeia o ", team.name.str(), ", que não é de técnico humano");
        if (!InTable(g.coaches, team.coach) || !g.coaches[team.coach].human ||
            g.coaches[team.coach].club != club || !Holds(s.human_coaches, team.coach))
            return Says("human_clubs nomeia o ", team.name.str(),
                        ", cujo técnico não está em human_coaches");
    }
    if (s.human_count != clubs)
        return Says("human_count diz ", s.human_count, " clubes humanos e human_clubs tem ",
                    clubs);
    for (std::size_t t = 0; t < g.teams.size(); ++t)
        if (g.teams[t].human && static_cast<int>(t) < ClubLimit(g) &&
            !Holds(s.human_clubs, static_cast<std::int32_t>(t)))
            return Says("o ", g.teams[t].name.str(), " é de técnico humano e falta em human_clubs");
    for (const std::int32_t coach : s.human_coaches) {
        if (coach < 0) continue;
        const t_coach& c = g.coaches[coach];
        if (!c.human) return Says("human_coaches nomeia o técnico ", coach, ", que não é humano");
        if (c.club >= 0 && !Holds(s.human_clubs, c.club))
            return Says("o técnico humano ", coach, " dirige um clube que falta em human_clubs");
    }
    // A coach who left the game stays human in the histories but holds no slot: only a human
    // coach with a club must hold one.
    for (std::size_t k = 0; k < g.coaches.size(); ++k)
        if (g.coaches[k].human && g.coaches[k].club >= 0 &&
            !Holds(s.human_coaches, static_cast<std::int32_t>(k)))
            return Says("o técnico ", k, " dirige um clube como humano e falta em human_coaches");
    // user_club is not held to the human clubs: while a human coach is between clubs it still
    // names the club he left, and the game writes such saves itself.
    if (s.current_coach >= 0 && !Holds(s.human_coaches, s.current_coach))
        return "current_coach não é um dos técnicos humanos";
    return {};
}

// The league clubs: the game state's count is the sum of the leagues' counts (a league may hold
// more clubs than its national divisions, in its regional ones).
std::string CheckLeagueCounts(const GameData& g) {
    const t_game_state& s = g.game_state;
    if (g.league_configs.empty() || s.league_club_count < 1)
        return "league_club_count: o jogo não tem clubes nas ligas";
    long long sum = 0;
    for (const t_league_config& l : g.league_configs) sum += l.club_count;
    if (sum != s.league_club_count)
        return Says("league_club_count diz ", s.league_club_count,
                    " e as ligas somam (club_count) ", sum, " clubes");
    return {};
}

// The standings count the league matches played.
std::string CheckStandings(const GameData& g) {
    std::vector<int> played(g.teams.size(), 0);
    for (const t_fixture& f : g.fixtures) {
        if (f.kind != ckNationalLeague || !f.played || f.home < 0 || f.away < 0) continue;
        ++played[f.home];
        ++played[f.away];
    }
    for (std::size_t t = 0; t < g.teams.size(); ++t)
        if (g.teams[t].played[ckNationalLeague] != played[t])
            return Says("a classificação dá ", g.teams[t].played[ckNationalLeague],
                        " jogos de liga (played) ao ", g.teams[t].name.str(),
                        " e a tabela de jogos ", played[t]);
    return {};
}

// The day the game stands on is a day of the competition its counters say comes next.
std::string CheckCalendarDay(const GameData& g) {
    const t_game_state& s = g.game_state;
    const int type = g.calendar[s.calendar_day - 1].day_type;
    // A game whose season is over is kept on the last day as a friendly day.
    const bool season_over = s.calendar_day == kCalendarDays && s.match_kind == ckFriendly;
    if (type != s.match_kind && type != dtRestDay && !season_over)
        return Says("calendar_day ", s.calendar_day, " não é um dia do tipo de jogo ", s.match_kind,
                    " (match_kind)");
    return {};
}

}  // namespace

std::string SavedGameInconsistency(const GameData& game) {
    for (auto check : {CheckHumans, CheckLeagueCounts, CheckStandings, CheckCalendarDay})
        if (std::string broken = check(game); !broken.empty()) return broken;
    return {};
}

void RecomputeDerivedValues(GameData& game) {
    const int clubs = ClubLimit(game);
    // A called-up player is paid by the club he returns to.
    std::map<int, int> called_up_from;
    for (const t_callup& c : game.callups)
        if (c.return_team >= 0 && c.return_team < clubs) called_up_from[c.player] = c.return_team;
    std::vector<long long> wages(static_cast<std::size_t>(clubs), 0);
    for (std::size_t p = 1; p < game.players.size(); ++p) {
        int team = game.players[p].team;
        if (auto it = called_up_from.find(static_cast<int>(p)); it != called_up_from.end())
            team = it->second;
        if (team >= 0 && team < clubs) wages[team] += MoneyToWholeUnits(game.players[p].wage);
    }
    for (int club = 0; club < clubs && InTable(game.finances, club); ++club)
        game.finances[club].wage_bill = static_cast<std::int32_t>(
            std::clamp<long long>(wages[club], INT32_MIN, INT32_MAX));
}

}  // namespace kv
