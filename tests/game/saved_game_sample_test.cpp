#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "game/headless_game.h"
#include "season/human_coaches.h"
#include "season/load_game.h"

namespace kv {
namespace {

// Saves the running game, loads the file in its place and saves again: the two files must be
// the same bytes, and the game must go on from the loaded copy. The load runs every cross-check
// of a whole game, so a save the game itself writes at any point must pass them all.
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

// Other shapes of game saved at every point of two seasons: several leagues and coaches, a coach
// who leads a national team, a coach without a club, divisions of 10 without cups.
TEST(SavedSampleGame, EverySetupLoadsBackAtEveryRoundOfTwoSeasons) {
    struct Case {
        const char* name;
        HeadlessSetup setup;
        bool coach_without_club;
    };
    const Case cases[] = {
        {"five coaches in three leagues, national teams and a coach without a club",
         {.teams_folder = KORVANEL_SAMPLE_TEAMS,
          .seed = 3,
          .countries = {kHomeCountry, 3, 11},
          .league_format = kDivisionsOf20,
          .state_championships = true,
          .humans = 5,
          .coach_countries = {kHomeCountry, kHomeCountry, 3, 11, 11},
          .national_team_coach = true},
         true},
        {"one coach, divisions of 10, no cups",
         {.teams_folder = KORVANEL_SAMPLE_TEAMS,
          .seed = 8,
          .countries = {kHomeCountry},
          .league_format = kDivisionsOf10,
          .cups = false,
          .tournaments = false,
          .coach_countries = {}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessGame game;
        ASSERT_EQ(game.StartNewGame(c.setup), "");
        if (c.coach_without_club) {
            ASSERT_GE(AddHumanCoach(Game(), "Sem Clube"), 0);
        }
        ExpectSameGameAfterLoad("new game");
        while (Game().game_state.season < 3) {
            game.PlayRound();
            if (game.season_finished()) continue;
            ExpectSameGameAfterLoad("season " + std::to_string(Game().game_state.season) +
                                    ", round " + std::to_string(game.rounds_played()));
            if (HasFatalFailure()) return;
        }
    }
}

}  // namespace
}  // namespace kv
