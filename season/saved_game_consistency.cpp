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
#include "core/records_team.h"
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

// The human coaches' national teams: the end of a tournament takes the coach off each of them,
// so an entry naming a club would leave that club without one.
std::string CheckTournamentTeams(const GameData& g) {
    for (const std::int32_t team : g.game_state.tournament_human_teams)
        if (team > 0 && !IsNationalTeam(g, team))
            return Says("tournament_human_teams nomeia ", team, ", que não é uma seleção");
    return {};
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
        return Says("human_count diz ", s.human_count, " clubes humanos e human_clubs tem ", clubs);
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

// The standings count the league matches played, and the goals scored in them.
std::string CheckStandings(const GameData& g) {
    for (std::size_t t = 0; t < g.teams.size(); ++t)
        for (int k = 1; k < kTableKindCount; ++k)
            if (std::string fault = TallyFault(g.teams[t], k); !fault.empty()) return fault;
    struct Counted {
        int played = 0;
        long long goals_for = 0, goals_against = 0;
    };
    std::vector<Counted> counted(g.teams.size());
    for (const t_fixture& f : g.fixtures) {
        if (f.kind != ckNationalLeague || !f.played || f.home < 0 || f.away < 0) continue;
        Counted& home = counted[f.home];
        Counted& away = counted[f.away];
        ++home.played, ++away.played;
        home.goals_for += f.home_goals, home.goals_against += f.away_goals;
        away.goals_for += f.away_goals, away.goals_against += f.home_goals;
    }
    for (std::size_t t = 0; t < g.teams.size(); ++t) {
        const t_team& team = g.teams[t];
        const Counted& c = counted[t];
        if (team.played[ckNationalLeague] != c.played)
            return Says("a classificação dá ", team.played[ckNationalLeague],
                        " jogos de liga (played) ao ", team.name.str(), " e a tabela de jogos ",
                        c.played);
        if (team.goals_for[ckNationalLeague] != c.goals_for)
            return Says("a classificação dá ", team.goals_for[ckNationalLeague],
                        " gols pró na liga (goals_for) ao ", team.name.str(),
                        " e a tabela de jogos ", c.goals_for);
        if (team.goals_against[ckNationalLeague] != c.goals_against)
            return Says("a classificação dá ", team.goals_against[ckNationalLeague],
                        " gols contra na liga (goals_against) ao ", team.name.str(),
                        " e a tabela de jogos ", c.goals_against);
    }
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

// Wages are never negative; a club's wage bill, computed again from them, must fit the record
// that holds it (the game would otherwise pay from a bill that is not the wages' sum); and the
// squads hold what the game keeps them to after every round.
std::string CheckSquads(const GameData& g) {
    for (std::size_t p = 1; p < g.players.size(); ++p)
        if (g.players[p].wage < 0) return Says("o jogador ", p, " tem salário (wage) negativo");
    const ClubPayrolls payrolls = CountClubPayrolls(g);
    for (std::size_t club = 0; club < payrolls.wages.size(); ++club) {
        const t_team& team = g.teams[club];
        if (payrolls.wages[club] > INT32_MAX)
            return Says("os salários (wage) do ", team.name.str(),
                        " somam mais do que a folha salarial (wage_bill) comporta");
        if (std::string fault = SquadSizeFault(g, static_cast<int>(club), payrolls.squad[club]);
            !fault.empty())
            return fault;
    }
    return {};
}

}  // namespace

ClubPayrolls CountClubPayrolls(const GameData& game) {
    const int clubs = std::max(ClubLimit(game), 0);
    std::map<int, int> called_up_from;
    for (const t_callup& c : game.callups)
        if (c.return_team >= 0 && c.return_team < clubs) called_up_from[c.player] = c.return_team;
    ClubPayrolls out;
    out.wages.assign(static_cast<std::size_t>(clubs), 0);
    out.squad.assign(static_cast<std::size_t>(clubs), 0);
    for (std::size_t p = 1; p < game.players.size(); ++p) {
        int team = game.players[p].team;
        if (auto it = called_up_from.find(static_cast<int>(p)); it != called_up_from.end())
            team = it->second;
        if (team < 0 || team >= clubs) continue;
        out.wages[team] += MoneyToWholeUnits(game.players[p].wage);
        ++out.squad[team];
    }
    return out;
}

std::string SquadSizeFault(const GameData& game, int club, int squad) {
    const t_team& team = game.teams[club];
    if (team.human && squad > kMaxHumanSquad)
        return Says(team.name.str(), ": elenco (squad) humano de ", squad, " jogadores");
    if (club < game.game_state.league_club_count && squad < kMinLeagueSquad)
        return Says(team.name.str(), ": elenco (squad) de só ", squad, " jogadores");
    return {};
}

std::string TallyFault(const t_team& team, int kind) {
    const int k = kind;
    const long long draws = static_cast<long long>(team.played[k]) - team.wins[k] - team.losses[k];
    if (team.wins[k] < 0 || team.losses[k] < 0 || draws < 0)
        return Says(team.name.str(), ": ", team.played[k], " jogos (played) e ", team.wins[k],
                    " vitórias e ", team.losses[k], " derrotas (tipo ", k, ")");
    // The league may take points away from a club (5 for each player who died in its care);
    // nothing ever gives points a result did not.
    const long long earned = 3LL * team.wins[k] + draws;
    const long long taken = earned - team.points[k];
    if (taken != 0 && (k != ckNationalLeague || taken < 0 || taken % kPointsTakenForADeath != 0))
        return Says(team.name.str(), ": pontos (points) ", team.points[k], " não batem com ",
                    team.wins[k], " vitórias e ", draws, " empates em ", team.played[k],
                    " jogos (played) (tipo ", k, ")");
    return {};
}

std::string CoachFault(const GameData& game) {
    const int clubs = ClubLimit(game);
    for (int club = 0; club < clubs; ++club) {
        const t_team& team = game.teams[club];
        const bool known = InTable(game.coaches, team.coach);
        if (club < game.game_state.league_club_count && !known)
            return Says(team.name.str(), ": sem técnico (coach)");
        if (team.coach >= 0 && (!known || game.coaches[team.coach].club != club))
            return Says(team.name.str(), ": o técnico (coach) ", team.coach, " é de outro clube");
        // A coach not marked employed counts as free: the next vacancy elsewhere would take him
        // and leave this club without one.
        if (known && !game.coaches[team.coach].employed)
            return Says(team.name.str(), ": o técnico (coach) ", team.coach,
                        " não está empregado (employed)");
    }
    for (std::size_t c = 0; c < game.coaches.size(); ++c) {
        const int club = game.coaches[c].club;
        if (!game.coaches[c].employed || club < 0 || club >= clubs) continue;
        if (game.teams[club].coach != static_cast<int>(c))
            return Says("técnico ", c, " empregado no ", game.teams[club].name.str(),
                        " (club), cujo técnico (coach) é ", game.teams[club].coach);
    }
    return {};
}

std::string SavedGameInconsistency(const GameData& game) {
    for (auto check : {CheckHumans, CheckLeagueCounts, CheckStandings, CheckCalendarDay,
                       CheckSquads, CoachFault, CheckTournamentTeams})
        if (std::string broken = check(game); !broken.empty()) return broken;
    return {};
}

void RecomputeDerivedValues(GameData& game) {
    const std::vector<long long> wages = CountClubPayrolls(game).wages;
    for (int club = 0; club < static_cast<int>(wages.size()) && InTable(game.finances, club);
         ++club)
        game.finances[club].wage_bill =
            static_cast<std::int32_t>(std::clamp<long long>(wages[club], INT32_MIN, INT32_MAX));
}

}  // namespace kv
