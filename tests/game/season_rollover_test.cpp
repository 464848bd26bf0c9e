#include "game/season_rollover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/money.h"
#include "game/state_finals.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

// Outside clubs of the country, weaker than `level` only where asked.
std::vector<int> AddOutsideClubs(GameData& data, int country, int count, int level) {
    std::vector<int> clubs;
    for (int i = 0; i < count; ++i) {
        const int club = test::AddClub(data, country, level);
        data.teams[club].division = 0;
        clubs.push_back(club);
    }
    return clubs;
}

TEST(PromoteAndRelegate, TwentyClubDivisionsSwapFourAndTheLowestTradesTwoWithOutside) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int league = test::AddLeague(data, 3, 3, 20);
    const auto before = data.league_configs[league];
    const std::vector<int> outside = AddOutsideClubs(data, 3, 2, 20);
    AddOutsideClubs(data, 5, 3, 25);  // another country's clubs never come in
    PromoteAndRelegate(data, league);
    const t_league_config& after = data.league_configs[league];
    auto at = [&before](int d, int p) { return before.standings[d - 1][p - 1]; };
    for (int p = 1; p <= 16; ++p) EXPECT_EQ(data.teams[at(1, p)].division, 1) << p;
    for (int p = 17; p <= 20; ++p) {
        EXPECT_EQ(data.teams[at(1, p)].division, 2) << p;
        EXPECT_EQ(data.teams[at(2, p - 16)].division, 1) << p;
        EXPECT_EQ(data.teams[at(2, p)].division, 3) << p;
        EXPECT_EQ(data.teams[at(3, p - 16)].division, 2) << p;
    }
    EXPECT_EQ(data.teams[at(3, 17)].division, 3);
    EXPECT_EQ(data.teams[at(3, 19)].division, 0);
    EXPECT_EQ(data.teams[at(3, 20)].division, 0);
    for (const int club : outside) {
        EXPECT_EQ(data.teams[club].division, 3);
        EXPECT_EQ(data.teams[club].board_confidence, 100);
    }
    EXPECT_EQ(after.division_clubs[0][16], at(2, 1));  // the new tables start in slot order
    EXPECT_EQ(after.standings[1][0], at(1, 17));
    EXPECT_EQ(data.game_state.league_round, 1);
    EXPECT_EQ(data.game_state.league_turn, 1);
}

TEST(PromoteAndRelegate, TenClubDivisionsSwapTwoAndAShortOutsideLeavesTheSlotEmpty) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    const int league = test::AddLeague(data, 3, 2, 10);
    const auto before = data.league_configs[league];
    const std::vector<int> outside = AddOutsideClubs(data, 3, 1, 10);
    PromoteAndRelegate(data, league);
    auto at = [&before](int d, int p) { return before.standings[d - 1][p - 1]; };
    EXPECT_EQ(data.teams[at(1, 9)].division, 2);
    EXPECT_EQ(data.teams[at(1, 10)].division, 2);
    EXPECT_EQ(data.teams[at(2, 1)].division, 1);
    EXPECT_EQ(data.teams[at(2, 2)].division, 1);
    EXPECT_EQ(data.teams[at(2, 9)].division, 0);
    EXPECT_EQ(data.teams[at(2, 10)].division, 0);
    EXPECT_EQ(data.teams[outside[0]].division, 2);
    EXPECT_EQ(data.league_configs[league].division_clubs[1][9], -1);
}

TEST(PromoteAndRelegate, AnIncomingClubWithoutCoachTakesAnOutsideClubsCoach) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int league = test::AddLeague(data, 3, 1, 20);
    const std::vector<int> outside = AddOutsideClubs(data, 3, 3, 20);
    data.teams[outside[2]].level = 1;  // stays outside, keeps a coach to lend
    for (const int club : {outside[0], outside[1]}) {
        data.coaches[data.teams[club].coach].club = -1;
        data.teams[club].coach = -1;
    }
    PromoteAndRelegate(data, league);
    for (const int club : {outside[0], outside[1]}) EXPECT_GE(data.teams[club].coach, 0);
    // A coach still pointing at a club that has another coach is freed.
    for (const t_coach& coach : data.coaches) {
        if (coach.club < 0) continue;
        EXPECT_EQ(data.teams[coach.club].coach, &coach - data.coaches.data());
    }
}

TEST(RunSeasonRollover, TheHomeRegionalDivisionsFifthToEighthKeepTheirCupPlacesWithOtherLeagues) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    data.game_state.home_regional_division = 1;
    const int home = test::AddLeague(data, kHomeCountry, 4, 20);
    test::AddLeague(data, 3, 1, 20);
    test::AddLeague(data, 65, 1, 20);
    const std::vector<int> regional(std::begin(data.league_configs[home].standings[3]),
                                    std::end(data.league_configs[home].standings[3]));
    data.game_state.match_kind = -1;
    EndSeason(data);
    const t_league_config& after = data.league_configs[home];
    EXPECT_EQ(after.division_count, 3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(data.regional_cup_entrants[i], regional[4 + i]) << i;
        EXPECT_EQ(data.teams[regional[4 + i]].division, 0) << i;
        EXPECT_EQ(data.teams[regional[i]].division, 3) << i;  // the top four went up
    }
}

TEST(StartNewSeason, EveryClubCountsItsAvailablePlayersForTheFirstDaysKind) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    test::AddLeague(data, 3, 1, 10);
    const std::vector<int> outside = AddOutsideClubs(data, 5, 1, 10);  // plays on no day
    for (int club = 0; club < static_cast<int>(data.teams.size()); ++club)
        for (int k = 0; k < 14; ++k) {
            t_player& p = data.players.emplace_back();
            p.team = club;
            p.position = k % kPositionCount;
            p.age = 25;
        }
    data.players.back().injured_until = 1e6;  // the outside club's last player
    data.game_state.match_kind = -1;
    EndSeason(data);
    test::NoWindows windows;
    StartNewSeason(data, windows);
    ASSERT_EQ(data.game_state.match_kind, ckNationalLeague);
    EXPECT_EQ(data.teams[outside[0]].squad_size, 14);
    EXPECT_EQ(data.teams[outside[0]].available_players, 13);
}

TEST(RunSeasonRollover, AHiringLocksTheCoachForFiveSeasons) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, 3);
    const int coach = data.teams[club].coach;
    data.coaches[coach].hire_lock = 5;
    for (const int lock : {4, 3, 2, 1, 0, 0}) {
        data.game_state.match_kind = -1;
        EndSeason(data);
        EXPECT_EQ(data.coaches[coach].hire_lock, lock);
    }
}

TEST(PaySeasonMoney, HumanClubsAreSponsoredAndComputerClubsStartAfresh) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    data.game_state.state_leagues_on = 1;
    struct Case {
        bool human;
        int division;
        Money cash;
        Money low;
        Money high;
    };
    const std::vector<Case> cases{
        {true, 1, MoneyFromUnits(100), MoneyFromUnits(3'000'100), MoneyFromUnits(3'000'100)},
        {true, 0, MoneyFromUnits(100), MoneyFromUnits(100), MoneyFromUnits(100)},
        {false, 2, MoneyFromUnits(-50), MoneyFromUnits(9'000'000), MoneyFromUnits(9'999'999)},
        {false, 4, 0, MoneyFromUnits(1'000'000), MoneyFromUnits(1'499'999)},
        {false, 0, 0, MoneyFromUnits(200'000), MoneyFromUnits(399'999)},
    };
    for (const Case& c : cases) {
        const int club = test::AddClub(data, 3);
        data.teams[club].human = c.human;
        data.teams[club].division = c.division;
        data.teams[club].cash = c.cash;
    }
    PaySeasonMoney(data);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_GE(data.teams[i].cash, cases[i].low) << i;
        EXPECT_LE(data.teams[i].cash, cases[i].high) << i;
    }
    EXPECT_EQ(data.finances[0].sponsorship, 3'000'000);
}

TEST(RolloverStateChampionships, EachGroupTradesItsLastForTheWinnerBelow) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    t_state_league& league = data.state_leagues[25];
    league.active = 1;
    league.group_count = 2;
    for (auto& group : league.groups) std::fill(std::begin(group), std::end(group), -1);
    for (int g = 0; g < 3; ++g)
        for (int s = 0; s < 6; ++s) {
            const int club = test::AddClub(data, kHomeCountry);
            league.groups[g][s] = club;
            if (g < 2) data.teams[club].table_position[ckStateChampionship] = s + 1;
        }
    const int last_of_1 = league.groups[0][5];
    const int winner_of_2 = league.groups[1][0];
    const int last_of_2 = league.groups[1][5];
    const int first_outside = league.groups[2][0];
    RolloverStateChampionships(data);
    EXPECT_EQ(data.teams[winner_of_2].state_division, 1);
    EXPECT_EQ(data.teams[last_of_1].state_division, 2);
    EXPECT_EQ(data.teams[first_outside].state_division, 2);
    EXPECT_EQ(data.teams[last_of_2].state_division, 3);
    EXPECT_EQ(data.teams[league.groups[0][0]].in_state_league, 1);
    for (int g = 0; g < 3; ++g)  // a shuffle within the groups loses nobody
        EXPECT_EQ(std::count_if(std::begin(league.groups[g]), std::end(league.groups[g]),
                                [](int club) { return club >= 0; }),
                  6);
}

TEST(StateFinals, TheChampionIsDecidedByWinsThenAggregateThenFinalistA) {
    struct Case {
        int a1, b1, a2, b2;
        int champion;  // 1 finalist A, 2 finalist B
    };
    const std::vector<Case> cases{
        {2, 0, 0, 1, 1},  // a win each, aggregate 2-1
        {1, 1, 2, 2, 1},  // no wins, level aggregate
        {0, 1, 3, 1, 1},  // a win each, aggregate 3-2
        {0, 1, 1, 1, 2},  // one win for B
        {1, 0, 0, 3, 2},  // a win each, aggregate 1-3
    };
    for (const Case& c : cases)
        EXPECT_EQ(StateFinalWinner(1, 2, c.a1, c.b1, c.a2, c.b2), c.champion)
            << c.a1 << "-" << c.b1 << " " << c.a2 << "-" << c.b2;
}

}  // namespace
}  // namespace kv
