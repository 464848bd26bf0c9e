#include "season/coach_ranking.h"

#include <gtest/gtest.h>

#include "core/field_readers.h"
#include "core/game_data.h"

namespace kv {
namespace {

GameData& CoachWorld() {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(3);
    data.teams[0].country = 29;
    data.teams[1].country = 29;
    data.teams[2].country = 97;
    data.coaches.resize(5);
    const int clubs[] = {1, 0, -1, 2, -1};
    for (int c = 0; c < 5; ++c) {
        data.coaches[c].name.set("T" + std::to_string(c));
        data.coaches[c].club = clubs[c];
        data.coaches[c].country = 29;
        data.coaches[c].ranking_points = 10;
    }
    data.coaches[4].name.set("");  // an empty slot is never ranked
    data.competitions = {{0, -1, -1}, {1, 29, 1}, {5, -1, -1}, {7, -1, -1},
                         {1, 97, 1},  {4, -1, 1}, {3, 25, 1}};
    return data;
}

std::vector<int> Coaches(const std::vector<t_coach_rank>& ranking) {
    std::vector<int> out;
    for (const auto& r : ranking) out.push_back(r.coach);
    return out;
}

TEST(CoachRanking, PointsThenTitlesThenClubIndexNoClubFirst) {
    GameData& data = CoachWorld();
    AddCoachTitle(data.coaches[0], 5);  // a club world cup breaks the tie on points
    EXPECT_EQ(Coaches(CoachRanking(data, 29)), (std::vector<int>{0, 2, 1}));
    data.coaches[3].world_ranking_points = 50;
    EXPECT_EQ(Coaches(CoachRanking(data, -1)).front(), 3) << "world points worldwide";
    EXPECT_EQ(CoachRanking(data, -1).front().points, 50);
    // State titles count only for a Brazilian coach.
    AddCoachTitle(data.coaches[3], 3);
    EXPECT_EQ(CoachRanking(data, 97).front().state, 0);
}

TEST(CoachTitlesText, LinesInTheirOrderWithTheLeagueTitlesByCountry) {
    GameData& data = CoachWorld();
    data.game_state.continental_cup_on = 1;
    data.honours = {{1, 1, 0, 1, 2}, {2, 1, 1, 1, 2}, {2, 4, 2, 1, 2}, {3, 2, 0, 1, 2},
                    {3, 3, 0, 1, 2}, {3, 5, 0, 1, 2}, {3, 1, 0, 2, 2}};
    EXPECT_EQ(CoachTitlesText(data, 2),
              "Copa do Mundo:1\r\nMundial:1\r\nLibertadores:1\r\n"
              "Nacional 1ª divisão:3 (Brasileiro:2Inglês:1)\r\n");
    data.game_state.continental_cup_on = 0;
    EXPECT_EQ(CoachTitlesText(data, 2).find("Libertadores"), std::string::npos);
    EXPECT_EQ(CoachTitlesText(data, 0), "");
}

TEST(CoachTrophyRows, GroupedByCompetitionInRegistryOrder) {
    GameData& data = CoachWorld();
    data.honours = {{2, 5, 0, 1, 1}, {1, 1, 0, 1, 1}, {3, 1, 1, 1, 1}, {3, 1, 1, 2, 1}};
    const auto rows = CoachTrophyRows(data, 1);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].competition, 1);
    EXPECT_EQ(rows[0].season, 0);
    EXPECT_EQ(rows[1].season, 1);
    EXPECT_EQ(rows[2].season, 3);
    EXPECT_EQ(rows[3].competition, 5);
    EXPECT_EQ(rows[4].team, 0);
}

}  // namespace
}  // namespace kv
