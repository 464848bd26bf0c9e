#include "game/national_team_turn.h"

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

class NationalTeamTurnTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GameData& data = test::FreshGame(kDivisionsOf10);
        club_ = test::AddClub(data, 29);
        for (int& n : nationals_) n = test::AddClub(data, 29);
        coach_ = data.teams[club_].coach;
        t_game_state& gs = data.game_state;
        for (auto& row : gs.tournament_ranking) std::fill(std::begin(row), std::end(row), -1);
        for (int& t : gs.tournament_human_teams) t = -1;
        for (int n = 0; n < 3; ++n) gs.tournament_ranking[0][n] = nationals_[n];
        gs.tournament_ranking[0][3] = 0;    // an entry of 0 offers nothing
        gs.tournament_ranking[0][4] = 999;  // nor one past the teams
    }
    int club_ = 0;
    int coach_ = 0;
    int nationals_[3]{};
};

TEST_F(NationalTeamTurnTest, OffersHideEmptyEntriesAndDisableTakenTeams) {
    Game().teams[nationals_[1]].human = 1;
    const auto offers = InvitationOffers(Game(), 1);
    EXPECT_EQ(offers[0].team, nationals_[0]);
    EXPECT_TRUE(offers[0].enabled);
    EXPECT_FALSE(offers[1].enabled);
    for (int n = 3; n < kInvitationSlots; ++n) EXPECT_EQ(offers[n].team, -1) << n;
    EXPECT_TRUE(AnyInvitationOpen(offers));
    EXPECT_FALSE(AnyInvitationOpen(InvitationOffers(Game(), 2)));
}

TEST_F(NationalTeamTurnTest, AcceptingMakesTheCoachLeadTheTeamOnce) {
    GameData& data = Game();
    ASSERT_TRUE(AcceptInvitation(data, nationals_[0], coach_));
    EXPECT_EQ(data.game_state.tournament_human_count, 1);
    EXPECT_EQ(data.game_state.tournament_human_teams[0], nationals_[0]);
    EXPECT_EQ(data.teams[nationals_[0]].coach, coach_);
    EXPECT_TRUE(data.teams[nationals_[0]].human);
    EXPECT_TRUE(data.coaches[coach_].national_team_job);
    EXPECT_FALSE(AcceptInvitation(data, nationals_[0], coach_));  // already led
    EXPECT_FALSE(AcceptInvitation(data, 0, coach_));
    EXPECT_EQ(data.game_state.tournament_human_count, 1);
}

TEST_F(NationalTeamTurnTest, TurnsSkipEliminatedTeamsAndTakeTheirCoach) {
    GameData& data = Game();
    AcceptInvitation(data, nationals_[0], coach_);
    AcceptInvitation(data, nationals_[1], data.teams[nationals_[2]].coach);
    data.teams[nationals_[1]].in_tournament = 1;
    data.game_state.current_coach = coach_;
    // The first team is out: the turn opens on the second, and after it the match day.
    const int slot = OpenNationalTeamTurn(data);
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(data.game_state.national_team, nationals_[1]);
    RefreshNationalTeamTurn(data);
    EXPECT_EQ(data.game_state.current_coach, data.teams[nationals_[1]].coach);
    EXPECT_EQ(NextNationalTeamTurn(data, slot), 0);
    data.teams[nationals_[1]].in_tournament = 0;
    EXPECT_EQ(OpenNationalTeamTurn(data), 0);
}

}  // namespace
}  // namespace kv
