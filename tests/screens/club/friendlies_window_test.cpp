// Friendlies booked through their windows on a game from the sample database.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "game/season_rollover.h"
#include "platform/window/combo_box.h"
#include "platform/window/screen.h"
#include "screens/club/friendlies_window.h"
#include "screens/routes/game_event_windows.h"
#include "season/friendlies.h"
#include "tests/game/play_day.h"
#include "tests/screens/sample_game_world.h"

namespace kv {
namespace {

class FriendliesWindowTest : public test::SampleGameTest {
  protected:
    // Chooses the date and the opponent in the booking window and presses "Marcar amistoso";
    // the confirmation is answered `confirm`.
    void Book(int date_item, int opponent, bool confirm, const char* png = nullptr) {
        auto& dates = driver_->Get<ComboBox>("combo1");
        dates.SetItemIndex(date_item);
        dates.on_change();
        auto& opponents = driver_->Get<ComboBox>("ComboBox1");
        const auto& names = opponents.Items();
        const auto it = std::find(names.begin(), names.end(), Game().teams[opponent].name.str());
        ASSERT_NE(it, names.end());
        opponents.SetItemIndex(static_cast<int>(it - names.begin()));
        opponents.on_change();
        driver_->Then([this, confirm, png] {
            if (png != nullptr) driver_->SavePng(png);
            driver_->Click(confirm ? "SchemeButton1" : "SchemeButton2");
        });
        driver_->Click("bt1");
    }
};

TEST_F(FriendliesWindowTest, ConfirmedFriendlyIsPaidAndItsDateLeavesTheList) {
    GameData& data = Game();
    const int opponent = ComputerClub();
    data.teams[club_].cash = MoneyFromUnits(5'000'000);
    data.teams[club_].reputation = 3;
    driver_->Then([&] {
        const int offered = driver_->Get<ComboBox>("combo1").Count();
        ASSERT_GT(offered, 0);
        EXPECT_EQ(driver_->Text("Label6"), "(" + data.teams[club_].name.str() + ")");
        Book(0, opponent, false);
        EXPECT_EQ(driver_->Text("Label4"), "amistoso rejeitado");
        EXPECT_TRUE(data.friendlies.empty());
        Book(0, opponent, true, "friendly_confirmation_window.png");
        EXPECT_EQ(driver_->Text("Label4"), "amistoso marcado");
        EXPECT_EQ(driver_->Get<ComboBox>("combo1").Count(), offered - 1);
        EXPECT_FALSE(driver_->Get("bt1").Enabled());
        driver_->SavePng("friendly_booking_window.png");
        driver_->Click("SchemeButton1");
    });
    ShowFriendlyBookingWindow(false);
    ASSERT_EQ(data.friendlies.size(), 1u);
    EXPECT_EQ(data.friendlies[0].away, club_);
    EXPECT_EQ(MoneyToUnits(data.teams[club_].cash),
              5'000'000 - FriendlyFee(data, club_, opponent, false));
}

TEST_F(FriendliesWindowTest, PreseasonFriendliesBookedAtTheSeasonChangeArePlayed) {
    HeadlessGame game;
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    ASSERT_EQ(game.StartNewGame(setup), "");
    for (int round = 0; round < 400 && !game.season_finished(); ++round) game.PlayRound();
    ASSERT_TRUE(game.season_finished());
    GameData& data = Game();
    EndSeason(data);
    club_ = data.game_state.human_clubs[0];
    const int opponent = ComputerClub();
    data.teams[club_].cash = MoneyFromUnits(5'000'000);
    data.teams[club_].reputation = 3;

    driver_->Then([&] {
        driver_->SavePng("preseason_friendlies_window.png");
        driver_->Click("SchemeButton1");
    });
    driver_->Then([&] {
        EXPECT_EQ(driver_->Text("Label1"), "Marcar amistosos pré-temporada");
        EXPECT_NE(driver_->Text("Label7").find("se inicia em"), std::string::npos);
        Book(0, opponent, true);
        driver_->Click("SchemeButton1");
    });
    ScreenGameWindows windows;
    StartNewSeason(data, windows);
    ASSERT_EQ(data.friendlies.size(), 1u);
    const double date = data.friendlies[0].date;
    EXPECT_TRUE(std::any_of(data.fixtures.begin(), data.fixtures.end(), [&](const t_fixture& f) {
        return f.kind == ckFriendly && f.date == date && f.home == opponent;
    }));

    // The calendar stops on the friendly's day and the match is played there.
    AutomaticWindows none;
    for (int day = 0; day < 60 && TodayDate(data) <= date; ++day) test::PlayDay(none);
    const auto played = std::find_if(
        data.match_archive.begin(), data.match_archive.end(),
        [&](const t_archived_match& m) { return m.kind == ckFriendly && m.date == date; });
    ASSERT_NE(played, data.match_archive.end());
    EXPECT_EQ(played->team[0], opponent);
    EXPECT_EQ(played->team[1], club_);
}

}  // namespace
}  // namespace kv
