#include "game/table_closes.h"

#include <gtest/gtest.h>

#include "core/money.h"
#include "season/fixture_list.h"
#include "season/histories.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

// A two-division league of ten whose final order is the reverse of the slot order.
struct FinishedLeague : ::testing::Test {
    void SetUp() override {
        GameData& data = test::FreshGame(kDivisionsOf10);
        league = test::AddLeague(data, 3, 2, 10);
        for (int d = 0; d < 2; ++d)
            for (int slot = 0; slot < 10; ++slot) {
                const int team = data.league_configs[league].division_clubs[d][slot];
                test::SetTally(data, team, ckNationalLeague, slot, 2, 16 - slot, 10 + slot, 20);
            }
    }
    int Club(int division, int slot) { return Game().league_configs[league].division_clubs[division - 1][slot - 1]; }
    int league = -1;
};

TEST_F(FinishedLeague, EveryRoundStoresPositionsAndStandingsOnly) {
    CloseLeagueTables(Game(), false);
    const GameData& data = Game();
    EXPECT_EQ(data.teams[Club(1, 10)].table_position[ckNationalLeague], 1);
    EXPECT_EQ(data.teams[Club(1, 1)].table_position[ckNationalLeague], 10);
    EXPECT_EQ(data.league_configs[league].standings[1][0], Club(2, 10));
    EXPECT_EQ(data.league_configs[league].standings[1][9], Club(2, 1));
    EXPECT_TRUE(data.honours.empty());
    EXPECT_EQ(data.teams[Club(1, 10)].cash, 0);
}

TEST_F(FinishedLeague, TheLastRoundCrownsPaysAndCreditsTheFirstTwo) {
    GameData& data = Game();
    const int champion = Club(1, 10);
    AddCoachSeasonStat(data, data.teams[champion].coach, champion, 1, "j");  // his season's line
    CloseLeagueTables(data, true);
    const int runner_up = Club(1, 9);
    const int second_division_champion = Club(2, 10);
    ASSERT_EQ(data.honours.size(), 4u);  // two placings of each division
    EXPECT_EQ(data.honours[0].team, champion);
    EXPECT_EQ(data.honours[0].placing, 1);
    EXPECT_EQ(data.honours[1].team, runner_up);
    EXPECT_EQ(data.honours[1].placing, 2);
    EXPECT_EQ(data.placing_records.size(), 4u);

    struct Prize {
        int team;
        int units;
    };
    for (const Prize p : {Prize{champion, 5'000'000}, Prize{runner_up, 3'500'000},
                          Prize{second_division_champion, 2'500'000}, Prize{Club(2, 9), 2'000'000},
                          Prize{Club(1, 8), 0}}) {
        EXPECT_EQ(data.teams[p.team].cash, MoneyFromUnits(p.units)) << p.team;
        EXPECT_EQ(data.finances[p.team].prizes, p.units) << p.team;
    }
    EXPECT_EQ(data.coaches[data.teams[champion].coach].titles[ckNationalLeague], 1);
    EXPECT_EQ(data.coaches[data.teams[second_division_champion].coach].division_titles[1], 1);
    EXPECT_EQ(data.coaches[data.teams[runner_up].coach].titles[ckNationalLeague], 0);

    // The champion's coach gets a season line with the title and 25 ranking points.
    bool titled = false;
    for (const t_coach_season& line : data.coach_seasons)
        if (line.team == champion) titled = line.titles == 1 && line.points == 25;
    EXPECT_TRUE(titled);

    // Ranking points for the first ten of division 1 only.
    EXPECT_EQ(data.teams[champion].ranking_points[ckNationalLeague - 1], 12);
    EXPECT_EQ(data.teams[Club(1, 1)].ranking_points[ckNationalLeague - 1], 1);
    EXPECT_EQ(data.teams[second_division_champion].ranking_points[ckNationalLeague - 1], 0);
    EXPECT_EQ(data.club_competition_history.size(), 20u);
}

TEST(LeagueClose, DivisionsOfTwentyPayTheChampionSevenMillion) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int league = test::AddLeague(data, 3, 1, 20);
    const int champion = data.league_configs[league].division_clubs[0][4];
    test::SetTally(data, champion, ckNationalLeague, 30, 0, 8, 80, 20);
    CloseLeagueTables(data, true);
    EXPECT_EQ(data.teams[champion].cash, MoneyFromUnits(7'000'000));
}

// Europe's eight groups of four; the team at slot s of group g ends the group in place s.
struct EuropeanGroups : ::testing::Test {
    void SetUp() override {
        GameData& data = test::FreshGame(kDivisionsOf20);
        for (int g = 0; g < 8; ++g)
            for (int s = 0; s < 4; ++s) {
                const int team = test::AddClub(data, 3);
                data.teams[team].in_continental_cup = 1;
                data.game_state.continental_groups_europe[g][s] = team;
                test::SetTally(data, team, ckContinentalCup, 4 - s, 0, 2 + s, 8 - s, 5);
            }
        for (auto* groups : {&data.game_state.continental_groups_south_america,
                             &data.game_state.continental_groups_africa,
                             &data.game_state.continental_groups_asia})
            for (auto& group : *groups) std::fill(std::begin(group), std::end(group), -1);
        data.game_state.continental_cup_leg = 1;
        for (int tie = 0; tie < 8; ++tie)
            for (int leg = 1; leg <= 2; ++leg)
                AppendFixture(data, -1, -1, 4, ckContinentalCup, crEurope, leg, tie, 0);
    }
    int Team(int group, int place) { return Game().game_state.continental_groups_europe[group - 1][place - 1]; }
};

TEST_F(EuropeanGroups, BeforeTheLastGroupDayOnlyPositionsChange) {
    Game().game_state.continental_cup_round = 3;
    CloseContinentalGroups(Game(), ckContinentalCup);
    EXPECT_EQ(Game().teams[Team(2, 1)].table_position[ckContinentalCup], 1);
    EXPECT_EQ(Game().teams[Team(2, 4)].table_position[ckContinentalCup], 4);
    EXPECT_EQ(Game().fixtures[0].home, -1);
    EXPECT_EQ(Game().teams[Team(2, 4)].in_continental_cup, 1);
}

TEST_F(EuropeanGroups, WinnersAndRunnersUpFillTheLastSixteen) {
    GameData& data = Game();
    data.game_state.continental_cup_round = 4;
    CloseContinentalGroups(data, ckContinentalCup);
    const int E = 5, A = 1, F = 6, B = 2, H = 8, D = 4;
    struct Tie {
        int home;
        int away;
    };
    // First legs at the runner-up's ground; the group winner plays the return at home.
    const Tie expected[] = {{Team(E, 2), Team(A, 1)}, {Team(A, 2), Team(E, 1)},
                            {Team(F, 2), Team(B, 1)}, {Team(B, 2), Team(F, 1)}};
    for (int t = 0; t < 4; ++t) {
        EXPECT_EQ(data.fixtures[2 * t].home, expected[t].home) << t;
        EXPECT_EQ(data.fixtures[2 * t].away, expected[t].away) << t;
        EXPECT_EQ(data.fixtures[2 * t + 1].home, expected[t].away) << t;
        EXPECT_EQ(data.fixtures[2 * t + 1].away, expected[t].home) << t;
    }
    EXPECT_EQ(data.fixtures[14].home, Team(D, 2));
    EXPECT_EQ(data.fixtures[14].away, Team(H, 1));
    for (int g = 1; g <= 8; ++g) {
        EXPECT_EQ(data.teams[Team(g, 1)].in_continental_cup, 1);
        EXPECT_EQ(data.teams[Team(g, 2)].in_continental_cup, 1);
        EXPECT_EQ(data.teams[Team(g, 3)].in_continental_cup, 0);
        EXPECT_EQ(data.teams[Team(g, 4)].in_continental_cup, 0);
    }
    EXPECT_EQ(data.club_competition_history.size(), 16u);
}

TEST_F(EuropeanGroups, TheSecondCupClosesEuropeOnlyAndLeavesSouthAmericasTiesAlone) {
    GameData& data = Game();
    // The South American second cup is a knock-out: its played ties must stay as they are.
    for (int g = 0; g < 8; ++g)
        for (int s = 0; s < 4; ++s) {
            data.game_state.second_cup_groups_europe[g][s] = data.game_state.continental_groups_europe[g][s];
            data.game_state.second_cup_groups_south_america[g][s] = Team(1, 1);
            data.teams[Team(g + 1, s + 1)].in_second_continental_cup = 1;
            test::SetTally(data, Team(g + 1, s + 1), ckSecondContinentalCup, 4 - s, 0, 2 + s, 8 - s, 5);
        }
    const int south_tie = AppendFixture(data, Team(3, 3), Team(4, 4), 4, ckSecondContinentalCup,
                                        crSouthAmerica, 1, 0, 0);
    const int europe_first = AppendFixture(data, -1, -1, 4, ckSecondContinentalCup, crEurope, 1, 0, 0);
    AppendFixture(data, -1, -1, 4, ckSecondContinentalCup, crEurope, 2, 0, 0);
    data.game_state.second_cup_round = 4;
    data.game_state.second_cup_leg = 1;
    CloseContinentalGroups(data, ckSecondContinentalCup);
    EXPECT_EQ(data.fixtures[south_tie].home, Team(3, 3));
    EXPECT_EQ(data.fixtures[south_tie].away, Team(4, 4));
    EXPECT_EQ(data.fixtures[europe_first].home, Team(5, 2));
    EXPECT_EQ(data.fixtures[europe_first].away, Team(1, 1));
}

TEST(StateClose, TheGroupStageEndsInAFinalBetweenTheFirstTwoOfGroupOne) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    for (int d = 0; d < 12; ++d) {
        data.calendar[10 * d].day_type = ckStateChampionship;
        data.calendar[10 * d].date = 41700 + 10 * d;
    }
    t_state_league& league = data.state_leagues[18];
    league.active = 1;
    league.group_count = 2;
    for (auto& group : league.groups) std::fill(std::begin(group), std::end(group), -1);
    for (int g = 0; g < 2; ++g)
        for (int s = 0; s < 6; ++s) {
            const int club = test::AddClub(data, kHomeCountry);
            data.teams[club].in_state_league = 1;
            league.groups[g][s] = club;
            test::SetTally(data, club, ckStateChampionship, 6 - s, 0, 4 + s, 10, 10);
        }
    data.game_state.state_league_round = 6;
    CloseStateTables(data);
    const int winner = league.groups[0][0];
    const int runner_up = league.groups[0][1];
    ASSERT_EQ(data.fixtures.size(), 2u);
    EXPECT_EQ(data.fixtures[0].home, runner_up);
    EXPECT_EQ(data.fixtures[0].away, winner);
    EXPECT_EQ(data.fixtures[0].date, 41800);
    EXPECT_EQ(data.fixtures[1].home, winner);
    EXPECT_EQ(data.fixtures[1].date, 41810);
    EXPECT_EQ(data.fixtures[1].leg, 2);
    EXPECT_EQ(league.finalist_a, winner);
    EXPECT_EQ(league.finalist_b, runner_up);
    EXPECT_EQ(data.teams[winner].in_state_league, 1);
    EXPECT_EQ(data.teams[league.groups[0][2]].in_state_league, 0);
    EXPECT_EQ(data.teams[league.groups[1][0]].in_state_league, 0);  // group 2 goes no further
    data.game_state.state_league_round = 7;  // between the final legs nothing changes
    CloseStateTables(data);
    EXPECT_EQ(data.fixtures.size(), 2u);
}

TEST(NationalTeamGroups, TheAmericasCupTakesItsTwoBestThirds) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    data.game_state.tournament_round = 4;
    for (int g = 0; g < 3; ++g)
        for (int s = 0; s < 4; ++s) {
            const int team = test::AddClub(data, 29);
            data.teams[team].in_tournament = 1;
            data.game_state.tournament_groups[g][s] = team;
            test::SetTally(data, team, ckAmericasNationsCup, 3 - s, 0, s, 6 - s, 3);
        }
    const auto team = [&data](int g, int s) { return data.game_state.tournament_groups[g - 1][s - 1]; };
    // Thirds: one win and one draw each; B's third has +1, C's -2, A's fewer points.
    test::SetTally(data, team(1, 3), ckAmericasNationsCup, 1, 0, 2, 3, 4);
    test::SetTally(data, team(2, 3), ckAmericasNationsCup, 1, 1, 1, 4, 3);
    test::SetTally(data, team(3, 3), ckAmericasNationsCup, 1, 1, 1, 3, 5);
    CloseNationalTeamGroups(data, ckAmericasNationsCup);
    const auto& bracket = data.national_tournament_bracket;
    EXPECT_EQ(bracket[0].team_a, team(1, 1));
    EXPECT_EQ(bracket[0].team_b, team(2, 2));
    EXPECT_EQ(bracket[1].team_a, team(3, 1));
    EXPECT_EQ(bracket[1].team_b, team(3, 3));  // second-best third meets C's winner
    EXPECT_EQ(bracket[3].team_a, team(2, 3));  // best third meets C's runner-up
    EXPECT_EQ(bracket[3].team_b, team(3, 2));
    EXPECT_EQ(data.teams[team(2, 3)].in_tournament, 1);
    EXPECT_EQ(data.teams[team(1, 3)].in_tournament, 0);
    EXPECT_EQ(data.teams[team(1, 4)].in_tournament, 0);
}

}  // namespace
}  // namespace kv
