#include "core/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kv {
namespace {

TEST(Random, DrawsStayInRangeAndCoverIt) {
    SeedRandom(12345);
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        ++seen[r];
    }
    for (int n : seen) EXPECT_GT(n, 800);
    for (int i = 0; i < 100; ++i) {
        const double u = RandomUnit();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
}

TEST(Random, EmptyOrNegativeRangeGivesZeroWithoutDrawing) {
    SeedRandom(5);
    const int expected = Random(1000);
    SeedRandom(5);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-4), 0);
    EXPECT_EQ(Random(1000), expected);  // the empty draws used up nothing
}

TEST(Random, SameSeedSameSequenceAndMidPlayReseedChangesNothing) {
    SeedRandom(2014);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i) first.push_back(Random(100));

    SeedRandom(2014);
    std::vector<int> second;
    for (int i = 0; i < 20; ++i) {
        ReseedFromClockMidPlay();
        second.push_back(Random(100));
    }
    EXPECT_EQ(first, second);
}

// The wording's draws come from a stream of their own: told or not, the game draws the same.
TEST(Random, WordingDrawsLeaveTheGamesSourceAloneAndRepeatWithTheSeed) {
    SeedRandom(2014);
    std::vector<int> words;
    for (int i = 0; i < 20; ++i) words.push_back(RandomWording(11));
    const std::uint64_t untouched = RandomState();
    const int game_draw = Random(1000);
    EXPECT_EQ(untouched, 2014u);

    SeedRandom(2014);
    EXPECT_EQ(Random(1000), game_draw);
    std::vector<int> again;
    for (int i = 0; i < 20; ++i) again.push_back(RandomWording(11));
    EXPECT_EQ(again, words);
    for (int w : words) {
        EXPECT_GE(w, 0);
        EXPECT_LT(w, 11);
    }
    EXPECT_EQ(RandomWording(0), 0);
}

}  // namespace
}  // namespace kv
