// A human coach sacked on the way through the windows: the round close, the state finals and the
// season change each show him the dismissal screen with his board's reason, and the game goes
// on without him at his old club.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "game/headless_game.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/main/round_results_window.h"
#include "screens/main/season_review_window.h"
#include "screens/routes/window_routes.h"
#include "ui/markup/markup_label.h"
#include "ui/controls/smooth_panel.h"

namespace kv {
namespace {

class DismissalRouteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
    }
    void TearDown() override {
        driver_.reset();
        Game().Reset();
        SetGameFolder("");
    }
    void StartGame(bool state_championships) {
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 2014;
        setup.state_championships = state_championships;
        ASSERT_EQ(game_.StartNewGame(setup), "");
        club_ = Game().game_state.user_club;
        ASSERT_GE(club_, 0);
        coach_ = Game().teams[club_].coach;
    }
    // Plays whole match days until one stands at its round results (the round not closed) and
    // `stop` holds; the round results window then opens on it.
    void PlayToResultsWhere(const std::function<bool(const GameData&)>& stop) {
        for (int day = 0; day < 200; ++day) {
            game_.PlayToResults();
            if (stop(Game())) return;
            game_.PlayRound();
        }
        FAIL() << "never reached";
    }
    // The windows of the game from here on, as the player meets them; the computer clubs'
    // coach changes only where a test asks for them.
    void OpenWindows() {
        driver_ = std::make_unique<TestDriver>(1024, 768);
        ConnectGameWindows();
        GameData& data = Game();
        data.game_state.halftime_window = 0;
        data.game_state.sound_on = 0;
        data.game_state.show_coach_changes = 0;
    }
    // The round results of the day played; the headless game has already closed its tables.
    void OpenRoundResults() {
        driver_->screen().Create<TForm67>().Show();
        driver_->Pump();
    }
    // When the dismissal screen comes: its texts, then "Continuar >>".
    void ExpectDismissalScreen(const std::string& reason, const std::string& png) {
        driver_->Then([this, reason, png] {
            shown_ += "Form31 ";
            const GameData& data = Game();
            EXPECT_EQ(driver_->Text("Label3"), data.coaches[coach_].name.str());
            EXPECT_EQ(driver_->Text("Label4"), data.coaches[coach_].name.str() + ", " +
                                                   data.teams[club_].name.str() +
                                                   " resolveu lhe demitir, " + reason);
            const int successor = data.teams[club_].coach;
            EXPECT_NE(successor, coach_);
            EXPECT_EQ(driver_->Text("Label5"),
                      "Para seu lugar foi contratado " + data.coaches[successor].name.str());
            driver_->SavePng(png);
            driver_->Click("schemebutton2");
        });
    }
    // The sacked coach has no club and no human club is left to play.
    void ExpectCoachWithoutClub() {
        const GameData& data = Game();
        EXPECT_EQ(data.coaches[coach_].club, -1);
        EXPECT_EQ(data.coaches[coach_].human, 1);
        EXPECT_EQ(data.game_state.human_coaches[0], coach_);
        EXPECT_EQ(data.teams[club_].human, 0);
        EXPECT_EQ(data.game_state.human_count, 0);
    }

    HeadlessGame game_;
    std::unique_ptr<TestDriver> driver_;
    int club_ = -1;
    int coach_ = -1;
    std::string shown_;
};

TEST_F(DismissalRouteTest, LeagueRoundCloseShowsTheBoardsReasonThenTheCoachChanges) {
    StartGame(false);
    PlayToResultsWhere([this](const GameData& data) {
        return data.game_state.match_kind == ckNationalLeague &&
               data.teams[club_].table_position[ckNationalLeague] > 0;
    });
    OpenWindows();
    GameData& data = Game();
    // The board and the supporters have both given up; the successor calms the supporters at
    // once, but the coach is told why he goes.
    data.teams[club_].board_confidence = 0;
    data.teams[club_].supporter_confidence = 10;
    // Computer clubs sack their coaches in the same round: their changes come after his screen.
    data.game_state.show_coach_changes = 1;
    for (int t = 0; t < data.game_state.league_club_count; ++t)
        if (t != club_ && data.teams[t].division == 1) data.teams[t].board_confidence = 0;

    ExpectDismissalScreen(
        "porque a pressão da torcida foi grande pois seus resultados não estavam sendo bons.",
        "dismissal_round_close.png");
    driver_->Then([this] {
        shown_ += "Form57";
        EXPECT_FALSE(driver_->Get<TUiSmoothPanel>("p_camp").Caption().HTMLText().empty());
        driver_->Click("schemebutton2");
    });
    OpenRoundResults();
    driver_->Click("bt3");
    driver_->Pump();
    EXPECT_EQ(shown_, "Form31 Form57");
    ExpectCoachWithoutClub();
    EXPECT_EQ(data.teams[club_].supporter_confidence, 80);
    // With nobody left to take a turn, the next match day comes at once.
    EXPECT_NE(driver_->screen().FindForm("Form46"), nullptr);
}

TEST_F(DismissalRouteTest, StateFinalsDismissTheCoachOfAClubOutOfTheNationalLeague) {
    StartGame(true);
    PlayToResultsWhere([](const GameData& data) {
        return data.game_state.match_kind == ckStateChampionship &&
               data.game_state.state_league_round == 8;
    });
    OpenWindows();
    Game().teams[club_].division = 0;
    // The state champions come first, then his screen.
    driver_->Then([this] {
        shown_ += "Form66 ";
        driver_->Click("SchemeButton2");
    });
    ExpectDismissalScreen(
        "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo clube.",
        "dismissal_state_finals.png");
    OpenRoundResults();
    driver_->Click("bt3");
    driver_->Pump();
    EXPECT_EQ(shown_, "Form66 Form31 ");
    ExpectCoachWithoutClub();
}

TEST_F(DismissalRouteTest, SeasonChangeDismissesTheCoachOfAClubOutOfTheNationalLeague) {
    StartGame(false);
    while (!game_.season_finished()) game_.PlayRound();
    OpenWindows();
    ShowSeasonReviewWindow();
    driver_->Pump();
    // The season's end has moved the clubs; his own has dropped out of the national league.
    Game().teams[club_].division = 0;
    ExpectDismissalScreen(
        "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo clube.",
        "dismissal_season_change.png");
    driver_->Click("bt3");
    driver_->Pump();
    EXPECT_EQ(shown_, "Form31 ");
    ExpectCoachWithoutClub();
}

}  // namespace
}  // namespace kv
