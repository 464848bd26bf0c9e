#include "match/result_model.h"

#include <gtest/gtest.h>

#include "core/random.h"

namespace kv {
namespace {

TEST(ResultModel, OddsAtTheirBoundaries) {
    struct Case {
        int d;
        bool neutral;
        bool cup;
        ResultOdds odds;
    };
    const Case cases[] = {
        {0, false, false, {46, 29, 25}},  {0, false, true, {50, 29, 21}},
        {30, false, false, {93, 5, 2}},   {30, false, true, {97, 5, 0}},
        {25, false, false, {85, 5, 10}},  {24, false, false, {84, 5, 11}},
        {-30, false, false, {0, 11, 89}}, {0, true, false, {35, 30, 35}},
        {10, true, false, {53, 25, 22}},  {-10, true, false, {22, 25, 53}},
    };
    for (const Case& c : cases) {
        const ResultOdds o = c.neutral ? NeutralGroundOdds(c.d) : HomeGroundOdds(c.d, c.cup);
        EXPECT_EQ(o.first, c.odds.first) << c.d;
        EXPECT_EQ(o.draw, c.odds.draw) << c.d;
        EXPECT_EQ(o.last, c.odds.last) << c.d;
    }
}

TEST(ResultModel, RatingDifferenceAndClasses) {
    EXPECT_EQ(RatingDifferenceOfTotals(1000, 700), 10);
    EXPECT_EQ(RatingDifferenceOfTotals(700, 1000), -10);
    EXPECT_EQ(RatingDifferenceOfTotals(5000, 0), 30);
    EXPECT_EQ(RatingDifferenceOfTotals(0, 5000), -30);
    EXPECT_EQ(RatingDifferenceOfTotals(15, 0), 1);  // round(2 / 3)
    const int classes[][2] = {{0, 1},  {5, 1},  {-5, 1}, {6, 2},  {10, 2}, {11, 3},
                              {15, 3}, {16, 4}, {20, 4}, {21, 5}, {-30, 5}};
    for (const auto& c : classes) EXPECT_EQ(RatingClass(c[0]), c[1]) << c[0];
}

TEST(ResultModel, GoalTablesAtTheirSteps) {
    struct Case {
        int rating_class;
        bool underdog;
        int y;
        int goals;
    };
    const Case cases[] = {
        {1, false, 1, 1},  {1, false, 25, 1},  {1, false, 26, 2}, {1, false, 100, 6},
        {5, false, 96, 8}, {5, false, 95, 7},  {4, false, 98, 7}, {1, true, 35, 1},
        {1, true, 100, 5}, {3, true, 97, 4},   {3, true, 98, 5},  {3, true, 100, 5},
        {4, true, 100, 3}, {5, true, 99, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WinnerGoals(c.rating_class, c.underdog, c.y), c.goals)
            << c.rating_class << " " << c.underdog << " " << c.y;
}

TEST(ResultModel, LoserNeverReachesTheWinner) {
    const int cases[][3] = {{40, 3, 0}, {41, 3, 1}, {70, 3, 1}, {71, 3, 2}, {90, 3, 2},
                            {91, 4, 3}, {96, 4, 3}, {97, 5, 4}, {41, 1, 0}, {97, 4, 0}};
    for (const auto& c : cases) EXPECT_EQ(LoserGoals(c[0], c[1]), c[2]) << c[0] << " " << c[1];
    const int draws[][2] = {{1, 0},   {200, 0}, {201, 1}, {500, 1}, {501, 2}, {700, 2},
                            {701, 3}, {790, 3}, {791, 4}, {799, 4}, {800, 5}};
    for (const auto& c : draws) EXPECT_EQ(DrawGoals(c[0]), c[1]) << c[0];
}

// Shares over a large seeded batch. The tolerance is six standard deviations of the batch, and a
// threshold one off moves a share by a whole point, twice the tolerance.
TEST(ResultModel, EqualStrengthSharesAndScores) {
    SeedRandom(9);
    constexpr int kMatches = 400000;
    int outcomes[3] = {};
    int goalless_draws = 0;
    for (int i = 0; i < kMatches; ++i) {
        const PreMatchOutcome r = PreMatchResult(0, false, false);
        ++outcomes[r.outcome];
        if (r.outcome == 0) {
            ASSERT_EQ(r.home_goals, r.away_goals);
            goalless_draws += r.home_goals == 0;
        } else {
            const int winner = r.outcome == 1 ? r.home_goals : r.away_goals;
            const int loser = r.outcome == 1 ? r.away_goals : r.home_goals;
            ASSERT_GE(winner, 1);
            ASSERT_LT(loser, winner);
        }
    }
    EXPECT_NEAR(outcomes[1] / double(kMatches), 0.46, 0.005);
    EXPECT_NEAR(outcomes[0] / double(kMatches), 0.29, 0.005);
    EXPECT_NEAR(outcomes[2] / double(kMatches), 0.25, 0.005);
    EXPECT_NEAR(goalless_draws / double(outcomes[0]), 0.25, 0.008);
}

TEST(ResultModel, UnderdogWinsCountFromTheUnderdogTable) {
    // Class 3 with the away side stronger: every home win is the underdog's, 1 to 5 goals.
    SeedRandom(3);
    int max_goals = 0;
    for (int i = 0; i < 200000; ++i) {
        const PreMatchOutcome r = PreMatchResult(-13, false, false);
        if (r.outcome != 1) continue;
        ASSERT_GE(r.home_goals, 1);
        max_goals = std::max(max_goals, r.home_goals);
    }
    EXPECT_EQ(max_goals, 5);
}

}  // namespace
}  // namespace kv
