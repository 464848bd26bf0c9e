// The national-team windows on a game built from the sample database.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "game/headless_game.h"
#include "game/national_team_turn.h"
#include "platform/window/keys.h"
#include "platform/window/test_driver.h"
#include "screens/main/national_invitation_window.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "season/national_tournaments.h"

namespace kv {
namespace {

class NationalTeamWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        LoadFlagPictures(ProgramPicture("bandeira"));
        LoadBackgroundBitmap();
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 2014;
        game_ = std::make_unique<HeadlessGame>();
        ASSERT_EQ(game_->StartNewGame(setup), "");
        coach_ = Game().game_state.human_coaches[0];
        // The invitations of the better national teams: the first six of the ranking.
        for (auto& level : Game().game_state.tournament_ranking)
            std::fill(std::begin(level), std::end(level), -1);
        auto& row = Game().game_state.tournament_ranking[0];
        for (int n = 0; n < kInvitationSlots; ++n)
            row[n] = n < 6 ? teams_[n] = NationalTeam(n) : -1;
        for (const int team : teams_) ASSERT_GT(team, 0);
    }
    void TearDown() override {
        driver_.reset();
        SetGameFolder("");
        Game().Reset();
    }
    // The n-th national team of the game that has one.
    static int NationalTeam(int n) {
        for (int country = 0; country < 202; ++country) {
            const int team = FindNationalTeam(Game(), country);
            if (team > 0 && n-- == 0) return team;
        }
        return -1;
    }
    template <class T, class... Args>
    T& Open(Args&&... args) {
        driver_ = std::make_unique<TestDriver>(800, 600);
        T& form = driver_->screen().Create<T>(std::forward<Args>(args)...);
        form.Show();
        driver_->Pump();
        return form;
    }

    std::unique_ptr<HeadlessGame> game_;
    std::unique_ptr<TestDriver> driver_;
    int coach_ = -1;
    int teams_[6]{};
};

TEST_F(NationalTeamWindows, InvitationOffersTheFreeTeamsAndTakesTheChosenOne) {
    ASSERT_GT(teams_[5], 0);
    Game().teams[teams_[1]].human = 1;  // another human coach leads it already
    TForm76& form = Open<TForm76>(ckWorldCup, 1, coach_);
    EXPECT_EQ(driver_->Text("Label1"), "Escolha da seleção para treinar na Copa do Mundo");
    EXPECT_EQ(driver_->Text("r1"), Game().teams[teams_[0]].name.str());
    EXPECT_FALSE(driver_->Get("r2").Enabled());
    EXPECT_TRUE(driver_->Get("r6").Visible());
    EXPECT_FALSE(driver_->Get("r7").Visible());
    EXPECT_FALSE(driver_->Get("Image7").Visible());
    // No way out without a choice but "Recusar": OK is disabled and Alt+F4 does nothing.
    EXPECT_FALSE(driver_->Get("btfechar").Enabled());
    driver_->Press(VK_F4, ssAlt);
    EXPECT_EQ(form.ModalResult(), mrNone);
    driver_->Click("r3");
    EXPECT_TRUE(driver_->Get("btfechar").Enabled());
    driver_->Pump();
    driver_->SavePng("national_invitation_800.png");
    driver_->Click("btfechar");
    EXPECT_EQ(form.ModalResult(), mrOk);
    const GameData& data = Game();
    EXPECT_EQ(data.game_state.tournament_human_count, 1);
    EXPECT_EQ(data.game_state.tournament_human_teams[0], teams_[2]);
    EXPECT_EQ(data.teams[teams_[2]].coach, coach_);
    EXPECT_TRUE(data.coaches[coach_].national_team_job);
}

TEST_F(NationalTeamWindows, DecliningLeavesTheCoachFreeToBeInvitedAgain) {
    TForm76& form = Open<TForm76>(ckAmericasNationsCup, 1, coach_);
    EXPECT_EQ(driver_->Text("Label1"), "Escolha da seleção para treinar na Copa América");
    driver_->Click("r1");
    driver_->Click("btrecusar");
    EXPECT_EQ(form.ModalResult(), mrCancel);
    EXPECT_EQ(Game().game_state.tournament_human_count, 0);
    EXPECT_FALSE(Game().teams[teams_[0]].human);
    EXPECT_FALSE(Game().coaches[coach_].national_team_job);
}

TEST_F(NationalTeamWindows, AnInvitationWithNothingToTakeDoesNotOpen) {
    for (const int team : teams_) Game().teams[team].human = 1;
    driver_ = std::make_unique<TestDriver>(800, 600);
    EXPECT_FALSE(ShowNationalTeamInvitation(ckEuropeanNationsCup, 1, coach_));
    EXPECT_FALSE(ShowNationalTeamInvitation(ckEuropeanNationsCup, 2, coach_));
}

}  // namespace
}  // namespace kv
