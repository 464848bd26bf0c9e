#include "game/table_order.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/game/game_world.h"

namespace kv {
namespace {

TableRow Row(int points, int wins, int goal_difference, int goals_for, int key) {
    TableRow row{};
    row.points = points;
    row.wins = wins;
    row.goal_difference = goal_difference;
    row.goals_for = goals_for;
    row.random_key = key;
    return row;
}

TEST(TableOrder, RanksByPointsWinsGoalDifferenceGoalsThenTheRandomKey) {
    struct Case {
        const char* tie_break;
        TableRow first;
        TableRow second;
    };
    const std::vector<Case> cases{
        {"points", Row(10, 1, -5, 1, 0), Row(9, 3, 9, 9, 9)},
        {"wins", Row(9, 3, -5, 1, 0), Row(9, 2, 9, 9, 9)},
        {"goal difference", Row(9, 3, 2, 1, 0), Row(9, 3, 1, 9, 9)},
        {"goal difference below zero", Row(9, 3, -1, 1, 0), Row(9, 3, -2, 9, 9)},
        {"goals for", Row(9, 3, 2, 6, 0), Row(9, 3, 2, 5, 9)},
        {"random key", Row(9, 3, 2, 6, 8), Row(9, 3, 2, 6, 7)},
    };
    for (const Case& c : cases) {
        EXPECT_LT(TableOrder(c.first, c.second), 0) << c.tie_break;
        EXPECT_GT(TableOrder(c.second, c.first), 0) << c.tie_break;
    }
    EXPECT_EQ(TableOrder(Row(9, 3, 2, 6, 7), Row(9, 3, 2, 6, 7)), 0);
}

TEST(TableOrder, SortedTableReadsTheKindsTalliesAndSkipsEmptySlots) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    for (int i = 0; i < 4; ++i) test::AddClub(data, 3);
    test::SetTally(data, 0, ckStateChampionship, 2, 0, 1, 5, 4);  // 6 points
    test::SetTally(data, 1, ckStateChampionship, 1, 3, 0, 4, 2);  // 6 points, fewer wins
    test::SetTally(data, 2, ckStateChampionship, 3, 0, 0, 9, 0);  // 9 points
    test::SetTally(data, 3, ckNationalLeague, 9, 0, 0, 20, 0);    // another kind's tallies
    const std::int32_t group[] = {0, -1, 1, 2, 3, 99};
    const auto rows = SortedTable(data, group, ckStateChampionship);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].team, 2);
    EXPECT_EQ(rows[1].team, 0);
    EXPECT_EQ(rows[2].team, 1);
    EXPECT_EQ(rows[3].team, 3);
    EXPECT_EQ(rows[2].draws, 3);
    EXPECT_EQ(rows[0].goal_difference, 9);
}

TEST(TableOrder, FullyLevelTeamsComeOutInEitherOrder) {
    GameData& data = test::FreshGame(kDivisionsOf10);
    test::AddClub(data, 3);
    test::AddClub(data, 3);
    test::SetTally(data, 0, ckNationalLeague, 2, 1, 1, 5, 4);
    test::SetTally(data, 1, ckNationalLeague, 2, 1, 1, 5, 4);
    const std::int32_t teams[] = {0, 1};
    bool seen_first[2] = {false, false};
    for (int run = 0; run < 40; ++run)
        seen_first[SortedTable(data, teams, ckNationalLeague)[0].team] = true;
    EXPECT_TRUE(seen_first[0] && seen_first[1]);
}

}  // namespace
}  // namespace kv
