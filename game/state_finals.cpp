#include "game/state_finals.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/record_sort.h"
#include "core/text_tables.h"
#include "match/confidence.h"
#include "match/match_events.h"
#include "match/ratings.h"
#include "season/coach_dismissals.h"
#include "season/fixture_list.h"
#include "season/histories.h"
#include "season/prize_money.h"
#include "season/schedule_generator.h"

namespace kv {

namespace {

constexpr int kRegionalDivision = 4;
constexpr int kRegionalClubs = 20;

t_regional_candidate* CandidateOf(GameData& data, int team) {
    for (t_regional_candidate& c : data.regional_division_candidates)
        if (c.team == team) return &c;
    return nullptr;
}

// Human clubs first, then more points, then more goals.
int CompareCandidateStrength(const t_regional_candidate& a, const t_regional_candidate& b) {
    if (a.human != b.human) return a.human ? -1 : 1;
    if (a.points != b.points) return Descending(a.points, b.points);
    return Descending(a.goals_for, b.goals_for);
}

int TakeStateCandidate(GameData& data, int state) {
    for (t_regional_candidate& c : data.regional_division_candidates)
        if (c.team >= 0 && c.state == state && InTable(data.teams, c.team) &&
            data.teams[c.team].division == 0) {
            const int team = c.team;
            c.team = -1;
            return team;
        }
    return -1;
}

void FormRegionalDivision(GameData& data) {
    auto& candidates = data.regional_division_candidates;
    QuickSortRecords(candidates, [](const t_regional_candidate& a, const t_regional_candidate& b) {
        if (a.group != b.group) return a.group < b.group ? -1 : 1;
        if (a.group_position != b.group_position) return a.group_position < b.group_position ? -1 : 1;
        return CompareCandidateStrength(a, b);
    });
    std::vector<int> chosen;
    for (const int state : {25, 18, 10, 22}) {
        const int team = TakeStateCandidate(data, state);
        if (team >= 0) chosen.push_back(team);
    }
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<t_regional_candidate> found;
        for (int state = 0; state < kStateCount; ++state) {
            if (!data.state_leagues[state].active) continue;
            // Taking marks the record, so keep a copy of it for the ordering.
            t_regional_candidate copy{};
            for (const t_regional_candidate& c : candidates)
                if (c.team >= 0 && c.state == state && data.teams[c.team].division == 0) {
                    copy = c;
                    break;
                }
            const int team = TakeStateCandidate(data, state);
            if (team < 0) continue;
            copy.team = team;
            found.push_back(copy);
        }
        QuickSortRecords(found, CompareCandidateStrength);
        for (const t_regional_candidate& c : found) chosen.push_back(c.team);
    }
    for (t_regional_candidate& c : candidates)
        if (static_cast<int>(chosen.size()) < kRegionalClubs && c.team >= 0) {
            chosen.push_back(c.team);
            c.team = -1;
        }
    if (static_cast<int>(chosen.size()) < kRegionalClubs) return;
    const int config = FindLeagueConfig(data, kHomeCountry);
    if (config < 0) return;
    t_league_config& league = data.league_configs[config];
    for (int slot = 0; slot < kRegionalClubs; ++slot) {
        league.division_clubs[kRegionalDivision - 1][slot] = chosen[slot];
        league.standings[kRegionalDivision - 1][slot] = chosen[slot];
        data.teams[chosen[slot]].division = kRegionalDivision;
    }
    league.division_count = kRegionalDivision;
    BuildRegionalDivisionFixtures(data, config);
}

std::string TopScorerText(const GameData& data, int state) {
    const int competition = FindCompetitionId(data, ckStateChampionship, -1, -1, state, 1);
    const int entry = FindTopScorerEntry(data, competition, data.game_state.season);
    if (!InTable(data.top_scorers, entry)) return {};
    const t_top_scorer& s = data.top_scorers[entry];
    if (!InTable(data.players, s.player) || !InTable(data.teams, s.team)) return {};
    return data.players[s.player].name.str() + " (" + data.teams[s.team].name.str() + ") - " +
           std::to_string(s.goals) + " gols";
}

}  // namespace

int StateFinalWinner(int finalist_a, int finalist_b, int a1, int b1, int a2, int b2) {
    const int wins_a = (a1 > b1) + (a2 > b2);
    const int wins_b = (b1 > a1) + (b2 > a2);
    if (wins_a != wins_b) return wins_a > wins_b ? finalist_a : finalist_b;
    return b1 + b2 > a1 + a2 ? finalist_b : finalist_a;
}

StateChampionsTable CloseStateChampionships(GameData& data) {
    StateChampionsTable table;
    table.title = "Campeões Estaduais " + std::to_string(SeasonYear(data.game_state.season));
    for (int state = 0; state < kStateCount; ++state) {
        const t_state_league& league = data.state_leagues[state];
        if (!league.active) continue;
        for (int g = 1; g <= league.group_count; ++g)
            AwardTopScorer(ckStateChampionship, -1, -1, state, g);
    }
    for (int state = 0; state < kStateCount; ++state) {
        const t_state_league league = data.state_leagues[state];
        if (!league.active) continue;
        if (!InTable(data.teams, league.finalist_a) || !InTable(data.teams, league.finalist_b))
            continue;
        const int champion =
            StateFinalWinner(league.finalist_a, league.finalist_b, league.final_goals_a1,
                             league.final_goals_b1, league.final_goals_a2, league.final_goals_b2);
        const int runner_up = champion == league.finalist_a ? league.finalist_b : league.finalist_a;
        const int coach = data.teams[champion].coach;
        AddHonour(data, ckStateChampionship, champion, -1, -1, state, 1, 1);
        AddHonour(data, ckStateChampionship, runner_up, -1, -1, state, 1, 2);
        AddPlacingRecord(data, ckStateChampionship, champion, coach, state, 1, kHomeCountry);
        if (data.game_state.home_regional_division) {
            if (t_regional_candidate* c = CandidateOf(data, champion)) c->group_position = 1;
            if (t_regional_candidate* c = CandidateOf(data, runner_up)) c->group_position = 2;
        }
        StateChampionRow row;
        row.state = state;
        row.code = std::string(state_codes[state]);
        row.champion = champion;
        row.runner_up = runner_up;
        row.top_scorer = TopScorerText(data, state);
        table.rows.push_back(row);
        AddCoachSeasonStat(data, coach, champion, 1, "tit");
        ++data.teams[champion].state_titles;
        RecordCompetitionResult(champion, 1, ckStateChampionship, 1);
        RecordCompetitionResult(runner_up, 2, ckStateChampionship, 1);
        if (InTable(data.coaches, coach)) AddCoachSeasonStat(data, coach, champion, 15, "pr");
        data.teams[champion].ranking_points[ckStateChampionship - 1] += 5;
        data.teams[runner_up].ranking_points[ckStateChampionship - 1] += 3;
        PayPrize(data, champion, 1'000'000);
        PayPrize(data, runner_up, 500'000);
    }
    if (data.game_state.home_regional_division) {
        FormRegionalDivision(data);
        data.regional_division_candidates.clear();
    }
    return table;
}

void ReleaseCoachesWithoutDivision(GameData& data, GameWindows& windows) {
    data.state_dismissals.clear();
    const int clubs = std::min<int>(data.game_state.league_club_count, data.teams.size());
    for (int club = 0; club < clubs; ++club) {
        const t_team& team = data.teams[club];
        if (team.division != 0 || !team.human) continue;
        data.state_dismissals.push_back({team.coach, club});
        ShowDismissal(windows, DismissHumanCoach(data, club));
    }
}

}  // namespace kv
