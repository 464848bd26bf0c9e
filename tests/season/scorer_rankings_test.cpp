#include "season/scorer_rankings.h"

#include <gtest/gtest.h>

#include "core/game_data.h"

namespace kv {
namespace {

// Three clubs (two league, one background) and a national team, five players.
GameData& ScorersWorld() {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(4);
    data.game_state.league_club_count = 2;
    data.game_state.background_club_count = 1;
    data.players.resize(6);
    const int teams[] = {-1, 0, 1, 2, 3, -1};
    for (int p = 1; p < 6; ++p) data.players[p].team = teams[p];
    return data;
}

struct Scorer {
    int player, goals, games;
    bool operator==(const Scorer&) const = default;
};
std::vector<Scorer> Of(const std::vector<t_scorer_entry>& entries) {
    std::vector<Scorer> out;
    for (const auto& e : entries) out.push_back({e.player, e.goals, e.games});
    return out;
}

TEST(SeasonScorers, MoreGoalsFirstThenFewerGamesAndOnlyTheCompetitionAsked) {
    GameData& data = ScorersWorld();
    data.season_goals = {{1, 10, 5, 0}, {2, 10, 5, 1}, {3, 12, 5, 2}, {4, 30, 6, 3}, {5, 3, 0, 0}};
    // Player 3 scored without an appearance line in competition 5: 0 games. Of two lines of one
    // player and competition (only a damaged game holds them) the first counts.
    data.season_appearances = {
        {1, 14, 5, 0}, {2, 9, 5, 1}, {4, 20, 6, 3}, {3, 7, 6, 2}, {2, 30, 5, 1}};
    EXPECT_EQ(Of(SeasonScorers(data, 5)),
              (std::vector<Scorer>{{3, 12, 0}, {2, 10, 9}, {1, 10, 14}}));
    EXPECT_EQ(SeasonScorers(data, 5)[1].club, 1);
    EXPECT_TRUE(SeasonScorers(data, 7).empty()) << "no goals yet";
    // An unknown competition finds id 0, the friendlies' placeholder: it lists nobody.
    EXPECT_TRUE(SeasonScorers(data, 0).empty());
}

TEST(AllTimeScorers, ClubsAndRetiredPlayersOnlyWithGoals) {
    GameData& data = ScorersWorld();
    const int goals[] = {0, 50, 0, 20, 99, 20};
    const int games[] = {0, 100, 10, 40, 99, 30};
    for (int p = 1; p < 6; ++p) {
        data.players[p].goals = goals[p];
        data.players[p].games = games[p];
    }
    // Player 4 plays for the national team (index 3): not a club. Player 2 has no goals.
    const auto entries = AllTimeScorers(data);
    EXPECT_EQ(Of(entries), (std::vector<Scorer>{{1, 50, 100}, {5, 20, 30}, {3, 20, 40}}));
    EXPECT_EQ(entries[1].club, -1) << "retired";
}

TEST(OfferedDivisions, OnlyTheDivisionsTheLeagueHas) {
    GameData& data = ScorersWorld();
    data.game_state.league_format = kDivisionsOf10;
    data.league_configs.resize(2);
    data.league_configs[0].division_count = 2;
    data.league_configs[1].division_count = 4;
    EXPECT_EQ(OfferedDivisions(data, 0), 2);
    EXPECT_EQ(OfferedDivisions(data, 1), 4);
    EXPECT_EQ(OfferedDivisions(data, 5), 1);
}

}  // namespace
}  // namespace kv
