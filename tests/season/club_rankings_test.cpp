#include "season/club_rankings.h"

#include <gtest/gtest.h>

#include "core/game_data.h"

namespace kv {
namespace {

// Four league clubs, three Brazilian, and a background club.
GameData& RankingWorld() {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(5);
    const int countries[] = {29, 3, 29, 29, 29};
    for (int t = 0; t < 5; ++t) data.teams[t].country = countries[t];
    data.game_state.league_club_count = 4;
    data.league_configs.resize(2);
    data.league_configs[0].country = 3;
    data.league_configs[1].country = 29;
    return data;
}

std::vector<int> Teams(const std::vector<t_club_ranking>& ranking) {
    std::vector<int> teams;
    for (const auto& r : ranking) teams.push_back(r.team);
    return teams;
}

TEST(ClubRankings, LeagueOrEveryLeagueClubNeverBackgroundClubs) {
    GameData& data = RankingWorld();
    EXPECT_EQ(RankedClubs(data, 1), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(RankedClubs(data, -1), (std::vector<int>{0, 1, 2, 3}));
}

TEST(ClubRankings, PlacementLeavesStatePointsOutOfTheInternationalRanking) {
    GameData& data = RankingWorld();
    data.teams[0].ranking_points[0] = 10;  // league
    data.teams[2].ranking_points[2] = 15;  // state championship
    data.teams[3].ranking_points[3] = 12;  // continental
    EXPECT_EQ(Teams(PlacementRanking(data, {0, 2, 3}, false)), (std::vector<int>{2, 3, 0}));
    EXPECT_EQ(Teams(PlacementRanking(data, {0, 2, 3}, true)), (std::vector<int>{3, 0, 2}));
    EXPECT_EQ(PlacementRanking(data, {0, 2, 3}, true)[0].value, 12);
}

TEST(ClubRankings, PointsTiesGoToGoalDifferenceThenGoalsFor) {
    GameData& data = RankingWorld();
    data.teams[0].alltime_record[0] = {50, 40, 30};  // +10
    data.teams[2].alltime_record[0] = {50, 30, 10};  // +20
    data.teams[3].alltime_record[0] = {40, 50, 30};  // +20 with 10 points...
    data.teams[3].alltime_record[1] = {10, 10, 10};  // ...and 10 more: 50, +20, 60 for
    data.teams[3].alltime_record[2] = {5, 0, 0};     // state points, left out internationally
    EXPECT_EQ(Teams(PointsRanking(data, {0, 2, 3}, false)), (std::vector<int>{3, 2, 0}));
    EXPECT_EQ(Teams(PointsRanking(data, {0, 2, 3}, true)), (std::vector<int>{3, 2, 0}));
    EXPECT_EQ(PointsRanking(data, {0, 2, 3}, true)[0].value, 50);
}

TEST(ClubRankings, ReputationHighestFirst) {
    GameData& data = RankingWorld();
    data.teams[2].reputation = 5;
    data.teams[3].reputation = 2;
    EXPECT_EQ(Teams(ReputationRanking(data, {0, 2, 3})), (std::vector<int>{2, 3, 0}));
}

}  // namespace
}  // namespace kv
