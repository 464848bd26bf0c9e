#include "season/player_match_ratings.h"

#include <gtest/gtest.h>

#include "core/game_data.h"

namespace kv {
namespace {

TEST(PlayerSeasonRatings, StartsAndAppearancesFromTheBenchNewestFirst) {
    GameData& data = Game();
    data.Reset();
    data.match_archive.resize(4);
    const double dates[] = {100, 120, 110, 130};
    for (int m = 0; m < 4; ++m) data.match_archive[m].date = dates[m];
    data.player_ratings.push_back({.archived_match = 0, .player = 7, .rating = 6.5f});
    data.player_ratings.push_back({.archived_match = 1, .player = 8, .rating = 9});
    data.player_ratings.push_back({.archived_match = 3, .player = 7, .rating = 7});
    data.substitute_ratings.push_back({.player = 7, .rating = 5.25f, .archived_match = 2});
    // A line naming no archived match (a damaged save) is left out.
    data.substitute_ratings.push_back({.player = 7, .rating = 8, .archived_match = 40});
    const auto rated = PlayerSeasonRatings(data, 7);
    ASSERT_EQ(rated.size(), 3u);
    EXPECT_EQ(rated[0].archived_match, 3);
    EXPECT_EQ(rated[1].archived_match, 2);
    EXPECT_EQ(rated[2].archived_match, 0);
    EXPECT_TRUE(PlayerSeasonRatings(data, 9).empty()) << "no match this season";
}

TEST(RatingText, ShortestDecimal) {
    EXPECT_EQ(RatingText(7), "7");
    EXPECT_EQ(RatingText(6.5f), "6,5");
    EXPECT_EQ(RatingText(7.25f), "7,25");
}

}  // namespace
}  // namespace kv
