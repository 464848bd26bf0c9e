// A player may play one game, go back to the title and start another or load a save in the same
// run of the program: what the first game left in the program's memory (the indexes and memos
// kept to go faster, the random draws) must not change the second.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/game_data.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "game/headless_game.h"
#include "game/largest_setup.h"

namespace kv {
namespace {

HeadlessSetup SecondSetup() {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 5;
    return setup;
}

// Another game, larger, played for some rounds: what it leaves behind is what a second game
// meets.
void PlayAnotherGame() {
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(LargestSetup(KORVANEL_SAMPLE_TEAMS, 2)), "");
    while (game.rounds_played() < 8) game.PlayRound();
}

// The second game's rounds from a new game, saved after the third (the save names its file in
// the game); the bytes at the end.
std::string NewGameRounds(const std::string& save_path) {
    HeadlessGame game;
    EXPECT_EQ(game.StartNewGame(SecondSetup()), "");
    while (game.rounds_played() < 3) game.PlayRound();
    EXPECT_EQ(game.SaveGame(save_path), "");
    while (game.rounds_played() < 6) game.PlayRound();
    return WriteSavedGame(Game());
}

// The save loaded and three rounds played on from it, the draws from one seed.
std::string LoadedRounds(const std::string& path) {
    HeadlessGame game;
    EXPECT_EQ(game.LoadGame(path), "");
    SeedRandom(31);
    while (game.rounds_played() < 3) game.PlayRound();
    return WriteSavedGame(Game());
}

TEST(SecondGame, ANewGameOrALoadAfterAnotherGamePlaysAsItWouldFirst) {
    std::filesystem::create_directories(KORVANEL_TEST_OUTPUT_DIR);
    const std::string path = std::string(KORVANEL_TEST_OUTPUT_DIR) + "/second_game.s14";
    const std::string new_game = NewGameRounds(path);
    const std::string loaded = LoadedRounds(path);
    ASSERT_NE(new_game, loaded);

    PlayAnotherGame();
    EXPECT_TRUE(NewGameRounds(path) == new_game) << "a new game after another game";
    PlayAnotherGame();
    EXPECT_TRUE(LoadedRounds(path) == loaded) << "a load after another game";
    Game().Reset();
}

}  // namespace
}  // namespace kv
