#include "season/national_cup_draw.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/random.h"
#include "season/fixture_list.h"
#include "season/schedule_generator.h"
#include "tests/season/draw_world.h"

namespace kv {
namespace {

using test::AddDealtLeague;
using test::NewSeason;

struct Tie {
    int home, away;
};

// The ties of one round: each two records, the second the same clubs the other way round.
std::vector<Tie> DrawnTies(const GameData& data, int c, int round) {
    std::vector<Tie> ties;
    const int first = FindFixture(data, c, ckNationalCup, round);
    for (int i = first; i >= 0 && i + 1 < static_cast<int>(data.fixtures.size()); i += 2) {
        const t_fixture& a = data.fixtures[i];
        const t_fixture& b = data.fixtures[i + 1];
        if (a.kind != ckNationalCup || a.owner != c || a.round != round) break;
        EXPECT_EQ(a.home, b.away);
        EXPECT_EQ(a.away, b.home);
        ties.push_back({a.home, a.away});
    }
    return ties;
}

std::set<int> Clubs(const std::vector<Tie>& ties) {
    std::set<int> clubs;
    for (const Tie& t : ties)
        for (const int team : {t.home, t.away})
            if (team >= 0) {
                EXPECT_TRUE(clubs.insert(team).second) << "club " << team << " drawn twice";
            }
    return clubs;
}

std::set<int> Slots(const t_league_config& league, int division, int from, int to) {
    std::set<int> clubs;
    for (int slot = from; slot <= to; ++slot)
        clubs.insert(league.division_clubs[division - 1][slot - 1]);
    return clubs;
}

std::set<int> Flagged(const GameData& data) {
    std::set<int> clubs;
    for (int team = 0; team < static_cast<int>(data.teams.size()); ++team)
        if (data.teams[team].in_national_cup) clubs.insert(team);
    return clubs;
}

std::unique_ptr<GameData> CupWorld(int format, int country, int clubs, int season = 1) {
    auto data = NewSeason(format, season);
    data->game_state.national_cup_on = 1;
    const int c = AddDealtLeague(*data, country, clubs);
    BuildCompetitionFixtures(*data, ckNationalCup, c);
    return data;
}

TEST(NationalCupDraw, TwoDivisionsOfTwentyDrawTwoPotsIntoTheFirstPhase) {
    SeedRandom(1);
    auto data = CupWorld(2, 11, 42);
    const t_league_config& league = data->league_configs[0];
    data->teams[league.division_clubs[1][19]].in_national_cup = 1;  // left from last season
    DrawNationalCup(*data, 0);

    const std::vector<Tie> ties = DrawnTies(*data, 0, 1);
    ASSERT_EQ(ties.size(), 16u);
    std::set<int> home, away;
    for (const Tie& t : ties) {
        home.insert(t.home);
        away.insert(t.away);
    }
    EXPECT_EQ(home, Slots(league, 1, 1, 16)) << "pot A plays at home first";
    std::set<int> pot_b = Slots(league, 1, 17, 20);
    for (const int team : Slots(league, 2, 1, 12)) pot_b.insert(team);
    EXPECT_EQ(away, pot_b);
    EXPECT_EQ(Flagged(*data), Clubs(ties));
}

TEST(NationalCupDraw, OneDivisionPlaysSixteenAndHumansAreNeverLeftOut) {
    SeedRandom(2);
    auto data = CupWorld(2, 11, 20);
    const t_league_config& league = data->league_configs[0];
    const int human = league.division_clubs[0][18];
    test::MakeHuman(*data, human);
    DrawNationalCup(*data, 0);

    ASSERT_LT(FindFixture(*data, 0, ckNationalCup, 1), 0);
    const std::vector<Tie> ties = DrawnTies(*data, 0, 2);
    ASSERT_EQ(ties.size(), 8u);
    std::set<int> expected = Slots(league, 1, 1, 15);
    expected.insert(human);
    EXPECT_EQ(Clubs(ties), expected);
}

TEST(NationalCupDraw, ThreeDivisionsOfTenFillPotBWithClubsOutsideTheDivisions) {
    SeedRandom(3);
    auto data = CupWorld(4, 72, 32);
    const t_league_config& league = data->league_configs[0];
    ASSERT_EQ(league.division_count, 3);
    DrawNationalCup(*data, 0);

    const std::set<int> drawn = Clubs(DrawnTies(*data, 0, 1));
    EXPECT_EQ(drawn.size(), 32u);
    for (int team = 0; team < 32; ++team) EXPECT_TRUE(drawn.count(team)) << team;
}

TEST(NationalCupDraw, HomeCountryLeavesItsContinentalClubsOutAndFillsTheGap) {
    SeedRandom(4);
    auto data = CupWorld(2, 29, 44, 2);
    const t_league_config& league = data->league_configs[0];
    std::set<int> continental;
    for (int slot = 0; slot < 10; ++slot) {
        continental.insert(league.division_clubs[0][slot]);
        data->teams[league.division_clubs[0][slot]].in_continental_cup = 1;
    }
    DrawNationalCup(*data, 0);

    const std::set<int> drawn = Clubs(DrawnTies(*data, 0, 1));
    EXPECT_EQ(drawn.size(), 32u) << "the 30 others and both clubs outside the divisions";
    for (const int team : continental) EXPECT_FALSE(drawn.count(team));
}

TEST(NationalCupDraw, ShortLeagueLeavesTheSlotEmptyOnlyWhenNoClubIsLeft) {
    SeedRandom(5);
    auto data = CupWorld(4, 65, 15);
    DrawNationalCup(*data, 0);
    const std::vector<Tie> ties = DrawnTies(*data, 0, 2);
    ASSERT_EQ(ties.size(), 8u);
    EXPECT_EQ(Clubs(ties).size(), 15u);
    int empty = 0;
    for (const Tie& t : ties) empty += (t.home < 0) + (t.away < 0);
    EXPECT_EQ(empty, 1);
}

TEST(NationalCupDraw, PreliminaryRoundTakesDivisionsOneToThreeAndFourFromOutside) {
    for (const bool regional : {false, true}) {
        SCOPED_TRACE(regional ? "with regional entrants" : "without");
        SeedRandom(6);
        auto data = CupWorld(2, 29, 90);
        const t_league_config& league = data->league_configs[0];
        ASSERT_EQ(league.division_count, 4);
        std::set<int> outside;
        if (regional) {
            for (int k = 0; k < 4; ++k) {
                data->regional_cup_entrants[k] = 85 + k;
                outside.insert(85 + k);
            }
        }
        DrawNationalCups(*data);

        const std::vector<Tie> ties = DrawnTies(*data, 0, 0);
        ASSERT_EQ(ties.size(), 32u);
        const std::set<int> drawn = Clubs(ties);
        EXPECT_EQ(drawn.size(), 64u);
        int from_outside = 0;
        for (const int team : drawn) {
            const int division = data->teams[team].division;
            if (division == 0 || division == 4) {
                ++from_outside;
                EXPECT_TRUE(!regional || outside.count(team));
            }
        }
        EXPECT_EQ(from_outside, 4);
        const int next = FindFixture(*data, 0, ckNationalCup, 1);
        ASSERT_GE(next, 0);
        EXPECT_EQ(data->fixtures[next].home, -1) << "later phases wait for the results";
        EXPECT_EQ(Flagged(*data), drawn);
    }
}

}  // namespace
}  // namespace kv
