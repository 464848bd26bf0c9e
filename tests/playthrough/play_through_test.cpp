// The game played from the title window through its windows only, checked round by round, and
// compared byte for byte with the game without windows played on the same seed and choices.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/game_data.h"
#include "core/types.h"
#include "game/headless_game.h"
#include "tests/playthrough/play_through.h"

namespace kv {
namespace {

// The same game without windows, saved after `rounds` rounds; empty when it could not be.
std::string HeadlessSave(const PlayThroughSetup& choices, int rounds) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = choices.seed;
    setup.countries = {kHomeCountry};
    setup.countries.insert(setup.countries.end(), choices.countries.begin(),
                           choices.countries.end());
    setup.state_championships = choices.state_championships;
    setup.cups = choices.cups;
    setup.tournaments = choices.tournaments;
    setup.humans = choices.humans;
    HeadlessGame game;
    if (!game.StartNewGame(setup).empty()) return {};
    game.set_checking(true);
    for (int round = 0; round < rounds; ++round) game.PlayRound();
    EXPECT_EQ(game.broken_invariant(), "");
    const std::string file = "/tmp/kv_playthrough_headless.s14";
    if (!game.SaveGame(file).empty()) return {};
    std::ifstream in(file, std::ios::binary);
    std::string saved{std::istreambuf_iterator<char>(in), {}};
    std::remove(file.c_str());
    Game().Reset();
    return saved;
}

// The first byte at which two saves part, for the message.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) +
           ", first difference at byte " + std::to_string(i);
}

PlayThroughSetup OneCoachBrasil() {
    PlayThroughSetup choices;
    choices.seed = 2014;
    choices.state_championships = true;
    return choices;
}

// Each round through the windows costs seconds of drawing, so the play-through in the suite is
// short; the whole first season is left to a longer run.
TEST(PlayThrough, OneCoachBrasilPlaysItsFirstRoundsThroughTheWindows) {
    const auto start = std::chrono::steady_clock::now();
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    ASSERT_EQ(play.StartNewGame(OneCoachBrasil()), "");
    ASSERT_EQ(play.human_clubs().size(), 1u);
    EXPECT_EQ(Game().game_state.user_club, play.human_clubs()[0]);
    EXPECT_TRUE(Game().game_state.state_leagues_on);
    ASSERT_EQ(play.PlayRounds(2), "");
    EXPECT_EQ(play.rounds_played(), 2);
    EXPECT_EQ(play.broken_invariant(), "");
    EXPECT_FALSE(Game().match_archive.empty());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("play-through: %d rounds in %.1f s\n", play.rounds_played(), seconds);
    for (const std::string& name : play.unknown_windows())
        std::printf("  closed unknown window %s\n", name.c_str());
}

// The coach answers every window as the game without windows does, so the two games are one: a
// window that drew from the game's random source, or a rule only a window ran, shows up here.
TEST(PlayThrough, SavedAfterTheFirstRoundsEqualsTheGameWithoutWindows) {
    const int kRounds = 2;
    const std::string headless = HeadlessSave(OneCoachBrasil(), kRounds);
    ASSERT_FALSE(headless.empty());
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    play.KeepSaveAfterRound(kRounds);
    ASSERT_EQ(play.StartNewGame(OneCoachBrasil()), "");
    ASSERT_EQ(play.PlayRounds(kRounds), "");
    if (play.kept_save() != headless) {
        std::ofstream(std::string(KORVANEL_TEST_OUTPUT_DIR) + "/playthrough_windows.s14",
                      std::ios::binary)
            << play.kept_save();
        std::ofstream(std::string(KORVANEL_TEST_OUTPUT_DIR) + "/playthrough_headless.s14",
                      std::ios::binary)
            << headless;
    }
    EXPECT_TRUE(play.kept_save() == headless) << FirstDifference(play.kept_save(), headless);
}

}  // namespace
}  // namespace kv
