#include <gtest/gtest.h>

#include <string>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "game/headless_game.h"
#include "season/load_game.h"

namespace kv {
namespace {

// Saves the running game, loads the file in its place and saves again: the two files must be
// the same bytes, and the game must go on from the loaded copy.
void ExpectSameGameAfterLoad(const std::string& when) {
    SCOPED_TRACE(when);
    std::string saved_name = Game().game_state.save_name.str();
    if (saved_name.empty()) saved_name = "amostra.s14";
    Game().game_state.save_name.set(saved_name);
    const std::string saved = WriteSavedGame(Game());
    const LoadOutcome out = LoadGameFromBytes(saved, saved_name);
    ASSERT_TRUE(out.loaded) << out.message;
    ASSERT_TRUE(WriteSavedGame(Game()) == saved);
}

TEST(SavedSampleGame, ANewGameAndEveryRoundOfItsFirstSeasonLoadBackUnchanged) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 15;
    setup.league_format = kDivisionsOf20;
    setup.state_championships = true;
    setup.humans = 2;
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(setup), "");

    // A game just built has played nothing: its match archive and results are empty.
    EXPECT_TRUE(Game().match_archive.empty());
    EXPECT_TRUE(Game().result_history.empty());
    ExpectSameGameAfterLoad("new game");

    while (true) {
        game.PlayRound();
        // Once the last day is over the season review opens, where no game is saved.
        if (game.season_finished()) break;
        ExpectSameGameAfterLoad("round " + std::to_string(game.rounds_played()));
        if (HasFatalFailure()) return;
    }
    game.PlayRound();  // the season change and the first day of the second season
    EXPECT_EQ(Game().game_state.season, 2);
    EXPECT_FALSE(Game().honours.empty());
    ExpectSameGameAfterLoad("second season");
}

}  // namespace
}  // namespace kv
