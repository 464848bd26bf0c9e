// The chain of windows through a match day: the last human turn opens the match-day window, and
// the day's end closes the round and opens the next turn.
#include <gtest/gtest.h>

#include "core/game_data.h"
#include "game/coach_turn.h"
#include "game/headless_game.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/main/main_window.h"
#include "screens/routes/window_routes.h"

namespace kv {
namespace {

TEST(MatchDayRoute, TheLastTurnOpensTheMatchDayWhoseEndOpensTheNextTurn) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(setup), "");
    GameData& data = Game();
    for (int round = 0; round < 60; ++round) {
        if (HumanClubPlaysToday(data, data.game_state.match_kind, data.game_state.user_club) &&
            !game.season_finished())
            break;
        game.PlayRound();
    }
    data.game_state.halftime_window = 0;
    data.game_state.sound_on = 0;
    data.game_state.match_delay = 50;
    data.game_state.match_delay_no_humans = 50;
    const std::size_t archived = data.match_archive.size();
    const int day = data.game_state.calendar_day;

    TestDriver d;
    ConnectGameWindows();
    ASSERT_NE(ShowMainWindow(), nullptr);
    d.Pump();
    MainWindowPlay();
    d.Pump();
    EXPECT_EQ(MainWindow(), nullptr);
    ASSERT_NE(d.screen().FindForm("Form46"), nullptr);
    for (int step = 0; step < 600 && !MainWindow(); ++step) d.Advance(1000);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_EQ(d.screen().FindForm("Form46"), nullptr);
    EXPECT_GT(data.match_archive.size(), archived);
    EXPECT_GT(data.game_state.calendar_day, day);
    Game().Reset();
}

}  // namespace
}  // namespace kv
