#include "game/table_closes.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/record_sort.h"
#include "game/table_order.h"
#include "match/confidence.h"
#include "match/match_events.h"
#include "match/ratings.h"
#include "season/calendar_advance.h"
#include "season/fixture_list.h"
#include "season/histories.h"
#include "season/prize_money.h"

namespace kv {

namespace {

constexpr int kNoTeam = -1;

bool IsCoach(const GameData& data, int coach) {
    return InTable(data.coaches, coach);
}

void StorePositions(GameData& data, const std::vector<TableRow>& rows, int kind) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        data.teams[rows[r].team].table_position[kind] = static_cast<int>(r) + 1;
}

struct DivisionPrize {
    int champion;
    int runner_up;
};

DivisionPrize DivisionPrizeOf(int division, int league_format) {
    switch (division) {
        case 1:
            return {league_format == kDivisionsOf20 ? 7'000'000 : 5'000'000, 3'500'000};
        case 2:
            return {2'500'000, 2'000'000};
        case 3:
            return {1'500'000, 1'000'000};
        default:
            return {750'000, 500'000};
    }
}

void AwardDivision(GameData& data, int country, int division, const std::vector<TableRow>& rows) {
    static constexpr std::array<int, 10> kRankingPoints{12, 10, 8, 7, 6, 5, 4, 3, 2, 1};
    const DivisionPrize prize = DivisionPrizeOf(division, data.game_state.league_format);
    for (int placing = 1; placing <= 2 && placing <= static_cast<int>(rows.size()); ++placing) {
        const int team = rows[placing - 1].team;
        const t_team& club = data.teams[team];
        AddHonour(data, ckNationalLeague, team, club.country, division, -1, -1, placing);
        AddPlacingRecord(data, ckNationalLeague, team, club.coach, division, placing,
                         club.country);
        PayPrize(data, team, placing == 1 ? prize.champion : prize.runner_up);
    }
    if (!rows.empty()) {
        const int champion = rows[0].team;
        const int coach = data.teams[champion].coach;
        if (IsCoach(data, coach)) {
            if (division == 1)
                ++data.coaches[coach].titles[ckNationalLeague];
            else
                ++data.coaches[coach].division_titles[division - 1];
        }
        AddCoachSeasonStat(data, coach, champion, 1, "tit");
        if (division == 1) AddCoachSeasonStat(data, coach, champion, 25, "pr");
    }
    if (division == 1)
        for (std::size_t r = 0; r < rows.size() && r < kRankingPoints.size(); ++r)
            data.teams[rows[r].team].ranking_points[ckNationalLeague - 1] += kRankingPoints[r];
    for (std::size_t r = 0; r < rows.size(); ++r)
        RecordCompetitionResult(rows[r].team, static_cast<int>(r) + 1, ckNationalLeague, division);
    AwardTopScorer(ckNationalLeague, country, division, -1, -1);
}

}  // namespace

void JudgeTableDay(GameData& data, int kind) {
    const int day = data.match_day_calendar_day;
    if (day < 1 || day > kCalendarDays) return;
    const double date = data.calendar[day - 1].date;
    for (std::size_t i = 0; i < data.fixtures.size(); ++i) {
        const t_fixture f = data.fixtures[i];
        if (f.kind == kind && f.date == date && f.home >= 0 && f.away >= 0)
            UpdateBoardConfidence(kind, f.home, f.away, f.home_goals, f.away_goals);
    }
}

void CloseLeagueTables(GameData& data, bool season_over) {
    const int size = ClubsPerDivision(data);
    for (t_league_config& config : data.league_configs) {
        const int divisions = std::min(config.division_count, 4);
        for (int d = 1; d <= divisions; ++d) {
            const auto rows = SortedTable(
                data, std::span<const std::int32_t>(config.division_clubs[d - 1], size),
                ckNationalLeague);
            StorePositions(data, rows, ckNationalLeague);
            for (int r = 0; r < 20; ++r)
                config.standings[d - 1][r] =
                    r < static_cast<int>(rows.size()) ? rows[r].team : kNoTeam;
            if (season_over) AwardDivision(data, config.country, d, rows);
        }
    }
    JudgeTableDay(data, ckNationalLeague);
}

void CloseStateTables(GameData& data) {
    t_game_state& gs = data.game_state;
    const int round = gs.state_league_round;
    if (round == 7) return;
    const bool group_stage_over = round == 6;
    std::vector<double> dates;
    if (group_stage_over)
        for (const t_calendar_day& day : data.calendar)
            if (day.day_type == ckStateChampionship) dates.push_back(day.date);
    if (gs.home_regional_division && group_stage_over) data.regional_division_candidates.clear();
    for (int state = 0; state < kStateCount; ++state) {
        t_state_league& league = data.state_leagues[state];
        if (!league.active) continue;
        const int groups = std::clamp(league.group_count, 0, 4);
        for (int g = 1; g <= groups; ++g) {
            const auto rows = SortedTable(data, league.groups[g - 1], ckStateChampionship);
            StorePositions(data, rows, ckStateChampionship);
            if (!group_stage_over) continue;
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const int team = rows[r].team;
                const int rank = static_cast<int>(r) + 1;
                if (g > 1 || rank >= 3)
                    RecordCompetitionResult(team, rank, ckStateChampionship, g);
                if (gs.home_regional_division && data.teams[team].division == 0) {
                    t_regional_candidate& c = AppendRecord(data.regional_division_candidates);
                    c.team = team;
                    c.state = state;
                    c.group_position = rank;
                    c.group = g;
                    c.points = rows[r].points;
                    c.goals_for = rows[r].goals_for;
                    c.human = data.teams[team].human;
                }
                if (g > 1 || rank >= 3) data.teams[team].in_state_league = 0;
            }
            if (g == 1 && rows.size() >= 2 && dates.size() >= 12) {
                const int winner = rows[0].team;
                const int runner_up = rows[1].team;
                AppendFixture(data, runner_up, winner, 8, ckStateChampionship, state, 1, -1,
                              dates[10]);
                AppendFixture(data, winner, runner_up, 8, ckStateChampionship, state, 2, -1,
                              dates[11]);
                league.finalist_a = winner;
                league.finalist_b = runner_up;
            }
        }
    }
    JudgeTableDay(data, ckStateChampionship);
}

namespace {

using GroupTable = std::int32_t[8][4];

// Winner of group g (1-based) in slot 2g - 1, runner-up in slot 2g; slots counted from 1.
struct Qualifiers {
    std::array<std::int32_t, 16> slots;
    Qualifiers() { slots.fill(kNoTeam); }
    int W(int g) const { return slots[2 * (g - 1)]; }
    int R(int g) const { return slots[2 * (g - 1) + 1]; }
};

void SetFixtureTeams(GameData& data, int fixture, int home, int away) {
    if (!InTable(data.fixtures, fixture)) return;
    data.fixtures[fixture].home = home;
    data.fixtures[fixture].away = away;
}

void FillLastSixteen(GameData& data, int region, int kind, const Qualifiers& q) {
    const int first = FindFixture(data, region, kind, 4);
    if (first < 0) return;
    // {home group of the runner-up, away group of the winner} of each tie's first leg.
    static constexpr std::array<std::array<int, 2>, 8> kTies{
        {{5, 1}, {1, 5}, {6, 2}, {2, 6}, {7, 3}, {3, 7}, {8, 4}, {4, 8}}};
    for (int t = 0; t < 8; ++t) {
        const int home = q.R(kTies[t][0]);
        const int away = q.W(kTies[t][1]);
        SetFixtureTeams(data, first + 2 * t, home, away);
        SetFixtureTeams(data, first + 2 * t + 1, away, home);
    }
}

}  // namespace

void CloseContinentalGroups(GameData& data, int kind) {
    t_game_state& gs = data.game_state;
    const bool first_cup = kind == ckContinentalCup;
    if (!first_cup && kind != ckSecondContinentalCup) return;
    const int round = first_cup ? gs.continental_cup_round : gs.second_cup_round;
    const int leg = first_cup ? gs.continental_cup_leg : gs.second_cup_leg;
    if (round > 4 || leg > 1) return;
    struct RegionGroups {
        int region;
        GroupTable* groups;
        bool played;
    };
    std::vector<RegionGroups> regions;
    if (first_cup) {
        regions = {{crSouthAmerica, &gs.continental_groups_south_america, true},
                   {crEurope, &gs.continental_groups_europe, true},
                   {crAfrica, &gs.continental_groups_africa, gs.african_cup_on != 0},
                   {crAsia, &gs.continental_groups_asia, gs.asian_cup_on != 0}};
    } else {
        regions = {{crEurope, &gs.second_cup_groups_europe, true}};
    }
    const bool stage_over = round == 4;
    for (const RegionGroups& region : regions) {
        if (!region.played) continue;
        Qualifiers q;
        for (int g = 1; g <= 8; ++g) {
            const auto rows = SortedTable(data, (*region.groups)[g - 1], kind);
            StorePositions(data, rows, kind);
            if (!stage_over) continue;
            if (rows.size() > 0) q.slots[2 * (g - 1)] = rows[0].team;
            if (rows.size() > 1) q.slots[2 * (g - 1) + 1] = rows[1].team;
            for (std::size_t r = 2; r < rows.size(); ++r) {
                t_team& team = data.teams[rows[r].team];
                if (first_cup)
                    team.in_continental_cup = 0;
                else
                    team.in_second_continental_cup = 0;
                if (rows[r].team < gs.league_club_count)
                    RecordCompetitionResult(rows[r].team, 3, kind, region.region);
            }
        }
        if (stage_over) FillLastSixteen(data, region.region, kind, q);
    }
    JudgeTableDay(data, kind);
}

void CloseNationalTeamGroups(GameData& data, int kind) {
    t_game_state& gs = data.game_state;
    if (gs.tournament_round >= 5) return;
    const int group_count =
        kind == ckWorldCup ? 8 : kind == ckAmericasNationsCup ? 3 : kind == ckEuropeanNationsCup ? 4 : 0;
    const bool stage_over = gs.tournament_round == 4;
    Qualifiers q;
    std::vector<TableRow> thirds;
    for (int g = 1; g <= group_count; ++g) {
        const auto rows = SortedTable(data, gs.tournament_groups[g - 1], kind);
        StorePositions(data, rows, kind);
        if (!stage_over) continue;
        if (rows.size() > 0) q.slots[2 * (g - 1)] = rows[0].team;
        if (rows.size() > 1) q.slots[2 * (g - 1) + 1] = rows[1].team;
        for (std::size_t r = 2; r < rows.size(); ++r) data.teams[rows[r].team].in_tournament = 0;
        if (rows.size() > 2) thirds.push_back(rows[2]);
    }
    if (!stage_over) return;
    if (kind == ckAmericasNationsCup) {
        QuickSortRecords(thirds, TableOrder);
        for (std::size_t i = 0; i < thirds.size() && i < 2; ++i) {
            q.slots[6 + i] = thirds[i].team;
            data.teams[thirds[i].team].in_tournament = 1;
        }
    }
    auto& bracket = data.national_tournament_bracket;
    auto set_tie = [&bracket](int tie, int a, int b) {
        bracket[tie - 1].team_a = a;
        bracket[tie - 1].team_b = b;
    };
    if (kind == ckWorldCup) {
        set_tie(1, q.W(1), q.R(2));
        set_tie(2, q.W(3), q.R(4));
        set_tie(3, q.W(2), q.R(1));
        set_tie(4, q.W(4), q.R(3));
        set_tie(5, q.W(5), q.R(6));
        set_tie(6, q.W(7), q.R(8));
        set_tie(7, q.W(6), q.R(5));
        set_tie(8, q.W(8), q.R(7));
    } else {
        set_tie(1, q.W(1), q.R(2));
        set_tie(2, q.W(3), q.slots[7]);
        set_tie(3, q.W(2), q.R(1));
        set_tie(4, q.slots[6], q.R(3));
    }
}

}  // namespace kv
