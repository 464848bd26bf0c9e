#include "game/national_board.h"

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "game/competition_screens.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

// A world cup of one full group (teams 1 to 4) and the bracket's teams.
class NationalBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GameData& data = test::FreshGame(kDivisionsOf10);
        test::AddClub(data, 29);  // team 0: never a national team
        for (int& t : group_) t = test::AddClub(data, 29);
        t_game_state& gs = data.game_state;
        gs.match_kind = ckWorldCup;
        gs.tournament_host_number = 1;
        for (int s = 0; s < 4; ++s) gs.tournament_groups[0][s] = group_[s];
        for (int s = 0; s < 4; ++s) data.teams[group_[s]].tournament_group = 1;
    }
    int group_[4]{};
};

TEST_F(NationalBoardTest, TheMatchLineNamesTheGroupRoundOrThePhase) {
    GameData& data = Game();
    t_game_state& gs = data.game_state;
    data.national_tournament_bracket[14] = {};
    data.national_tournament_bracket[14].team_a = group_[0];
    data.national_tournament_bracket[14].team_b = group_[1];
    data.national_tournament_bracket[6] = {};
    data.national_tournament_bracket[6].team_a = group_[2];
    data.national_tournament_bracket[6].team_b = group_[3];
    struct Case {
        int kind, round, team;
        const char* line;
    };
    const Case cases[] = {
        {ckWorldCup, 2, group_[0], "Grupo A - 2ª rodada"},
        {ckWorldCup, 4, group_[0], "Oitavas de Final"},
        {ckWorldCup, 5, group_[0], "Quartas de Final"},
        {ckWorldCup, 6, group_[0], "Semi-Final"},
        {ckWorldCup, 7, group_[1], "Final"},
        {ckWorldCup, 7, group_[2], "Decisão 3º lugar"},
        {ckEuropeanNationsCup, 4, group_[0], "Quartas de Final"},
        {ckEuropeanNationsCup, 5, group_[0], "Semi-Final"},
        {ckAmericasNationsCup, 6, group_[3], "Final"},
        {ckAmericasNationsCup, 6, group_[0], "Decisão 3º lugar"},
    };
    for (const Case& c : cases) {
        gs.match_kind = c.kind;
        gs.tournament_round = c.round;
        EXPECT_EQ(NationalMatchLine(data, c.team), c.line) << c.kind << " " << c.round;
    }
}

TEST_F(NationalBoardTest, TheGroupTableRanksAsTheRoundCloseAndSharesLevelPlaces) {
    GameData& data = Game();
    // Two level on everything; a team with more goals but a worse difference below the other.
    test::SetTally(data, group_[0], ckWorldCup, 1, 1, 1, 3, 3);
    test::SetTally(data, group_[1], ckWorldCup, 1, 1, 1, 3, 3);
    test::SetTally(data, group_[2], ckWorldCup, 2, 0, 1, 9, 6);
    test::SetTally(data, group_[3], ckWorldCup, 2, 0, 1, 4, 0);
    data.teams[group_[0]].table_position[ckWorldCup] = 4;
    data.teams[group_[1]].table_position[ckWorldCup] = 3;
    const auto rows = NationalGroupRows(data, 1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].team, group_[3]);
    EXPECT_EQ(rows[1].team, group_[2]);
    // The stored places settle the level pair, so the board shows the close's order.
    EXPECT_EQ(rows[2].team, group_[1]);
    EXPECT_EQ(rows[3].team, group_[0]);
    EXPECT_EQ(rows[3].draws, 1);
    EXPECT_EQ(rows[1].goal_difference, 3);
    EXPECT_EQ(ShownPositions(rows), (std::vector<std::string>{"1º", "2º", "3º", ""}));
}

TEST_F(NationalBoardTest, GroupMatchesFollowThePairingsAndShowPlayedScores) {
    GameData& data = Game();
    t_archived_match& played = data.match_archive.emplace_back();
    played.kind = ckWorldCup;
    played.round = 1;
    played.team[0] = group_[0];
    played.team[1] = group_[1];
    played.goals[0] = 2;
    played.goals[1] = 1;
    const auto matches = NationalGroupMatches(data, 1);
    EXPECT_EQ(matches[0].home, group_[0]);
    EXPECT_EQ(matches[0].away, group_[1]);
    EXPECT_EQ(matches[0].score, "2x1");
    EXPECT_EQ(matches[0].archived, 0);
    EXPECT_EQ(matches[1].score, "x");
    EXPECT_EQ(matches[1].archived, -1);
    // Group A plays in the host's fifth and sixth cities: first, second, second, first, ...
    EXPECT_EQ(matches[0].venue, "Fonte Nova");
    EXPECT_EQ(matches[1].venue, "Beira-Rio");
    EXPECT_EQ(matches[2].venue, "Beira-Rio");
    EXPECT_EQ(matches[3].venue, "Fonte Nova");
}

TEST_F(NationalBoardTest, UnknownKnockoutTeamsStayEmptyInEveryPhase) {
    GameData& data = Game();
    t_game_state& gs = data.game_state;
    gs.tournament_round = 7;
    for (auto& tie : data.national_tournament_bracket) {
        tie = {};
        tie.team_a = group_[0];
        tie.team_b = group_[1];
    }
    // One unknown team in each phase: 0, below 0 and past the teams.
    data.national_tournament_bracket[0].team_a = 0;
    data.national_tournament_bracket[9].team_b = -1;
    data.national_tournament_bracket[12].team_a = 999;
    data.national_tournament_bracket[15].team_b = 0;
    const auto slots = NationalKnockoutSlots(data);
    EXPECT_EQ(slots[0].home, -1);
    EXPECT_EQ(slots[9].away, -1);
    EXPECT_EQ(slots[12].home, -1);
    EXPECT_EQ(slots[15].away, -1);
    EXPECT_EQ(slots[1].home, group_[0]);
    EXPECT_EQ(slots[0].venue, "Maracanã");
    EXPECT_EQ(slots[15].venue, "Itaquerão");
    // A phase not reached yet shows nobody.
    gs.tournament_round = 5;
    const auto early = NationalKnockoutSlots(data);
    EXPECT_EQ(early[9].home, group_[0]);
    EXPECT_EQ(early[12].home, -1);
    // The nations cups fill slots 9 to 16 from their first ties.
    gs.match_kind = ckEuropeanNationsCup;
    gs.tournament_round = 4;
    const auto euro = NationalKnockoutSlots(data);
    EXPECT_EQ(euro[0].home, -1);
    EXPECT_EQ(euro[8].home, -1);  // tie 1 has the unknown team
    EXPECT_EQ(euro[9].away, group_[1]);
    EXPECT_EQ(euro[12].home, -1);
}

TEST_F(NationalBoardTest, TheBoardOpensOnTheCoachsGroupUntilTheLastGroupRound) {
    GameData& data = Game();
    t_game_state& gs = data.game_state;
    data.teams[group_[2]].tournament_group = 5;
    gs.national_team = group_[2];
    gs.tournament_round = 2;
    EXPECT_EQ(NationalBoardFirstGroup(data), 5);
    gs.tournament_round = 3;
    EXPECT_EQ(NationalBoardFirstGroup(data), 1);
    gs.tournament_round = 1;
    gs.national_team = -1;
    EXPECT_EQ(NationalBoardFirstGroup(data), 1);
}

}  // namespace
}  // namespace kv
