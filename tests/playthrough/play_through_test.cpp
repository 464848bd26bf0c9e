// The game played from the title window through its windows only, checked round by round, and
// compared byte for byte with the game without windows played on the same seed and choices.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <unistd.h>

#include "core/game_data.h"
#include "core/random.h"
#include "core/types.h"
#include "game/headless_game.h"
#include "tests/playthrough/continuation.h"
#include "tests/playthrough/play_through.h"

namespace kv {
namespace {

PlayThroughSetup OneCoachBrasil() {
    PlayThroughSetup choices;
    choices.seed = 2014;
    choices.state_championships = true;
    return choices;
}

// The game as it stands, saved; the name it was saved under is left out, as the one thing a
// save and a load through the windows may change.
std::string SavedGameNow() {
    const auto name = Game().game_state.save_name;
    Game().game_state.save_name = {};
    const std::string file = "/tmp/kv_playthrough_end_" + std::to_string(getpid()) + ".s14";
    HeadlessGame saver;
    const bool written = saver.SaveGame(file).empty();
    Game().game_state.save_name = name;
    if (!written) return {};
    std::ifstream in(file, std::ios::binary);
    std::string saved{std::istreambuf_iterator<char>(in), {}};
    std::remove(file.c_str());
    return saved;
}

void Report(const PlayThrough& play, std::chrono::steady_clock::time_point start) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("play-through: %d rounds in %.1f s\n", play.rounds_played(), seconds);
    for (const std::string& name : play.unknown_windows())
        std::printf("  closed unknown window %s\n", name.c_str());
}

constexpr int kFirstSeasonRounds = 64;

// Six coaches: four at clubs of Brasil, one of country 3 and one of country 11.
PlayThroughSetup SixCoaches() {
    PlayThroughSetup choices;
    choices.seed = 614;
    choices.countries = {3, 11};
    choices.humans = 6;
    choices.coach_countries = {kHomeCountry, kHomeCountry, kHomeCountry, kHomeCountry, 3, 11};
    return choices;
}

// Through the rest of the first season, its review, and the first round of the second.
void PlayToTheSecondSeasonsFirstRound(PlayThrough& play) {
    ASSERT_EQ(play.PlayRounds(kFirstSeasonRounds, 2), "");
    ASSERT_EQ(Game().game_state.season, 2);
    ASSERT_EQ(play.PlayRounds(1), "");
    EXPECT_EQ(play.broken_invariant(), "");
}

TEST(PlayThrough, OneCoachBrasilPlaysTheFirstSeasonAndTheSecondsFirstRound) {
    const auto start = std::chrono::steady_clock::now();
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    play.set_accept_invitations(false);  // as the game without windows answers
    ASSERT_EQ(play.StartNewGame(OneCoachBrasil()), "");
    ASSERT_EQ(play.human_clubs().size(), 1u);
    EXPECT_EQ(Game().game_state.user_club, play.human_clubs()[0]);
    EXPECT_TRUE(Game().game_state.state_leagues_on);
    EXPECT_EQ(Game().game_state.season, 1);
    PlayToTheSecondSeasonsFirstRound(play);
    EXPECT_EQ(play.rounds_played(), kFirstSeasonRounds + 1);
    EXPECT_EQ(play.season_reviews(), 1);
    EXPECT_FALSE(Game().match_archive.empty());
    Report(play, start);
}

TEST(PlayThrough, SixCoachesInThreeCountriesPlayTenRounds) {
    const auto start = std::chrono::steady_clock::now();
    const PlayThroughSetup choices = SixCoaches();
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    play.set_accept_invitations(false);  // as the game without windows answers
    ASSERT_EQ(play.StartNewGame(choices), "");
    ASSERT_EQ(play.human_clubs().size(), 6u);
    EXPECT_EQ(Game().game_state.human_count, 6);
    for (int coach = 0; coach < 6; ++coach) {
        const int club = play.human_clubs()[static_cast<std::size_t>(coach)];
        EXPECT_EQ(Game().game_state.human_clubs[coach], club) << "coach " << coach;
        EXPECT_EQ(Game().teams[club].country, choices.coach_countries[coach]) << "coach " << coach;
    }
    ASSERT_EQ(play.PlayRounds(10), "");
    EXPECT_EQ(play.rounds_played(), 10);
    EXPECT_EQ(play.broken_invariant(), "");
    Report(play, start);
}

// The game saved through the save window halfway through the first season and loaded through
// the load window of a fresh start goes on to the very game played without the break.
TEST(PlayThrough, SavedAndLoadedMidSeasonEndsAsThePlayWithoutTheBreak) {
    std::string straight;
    {
        PlayThrough play(KORVANEL_SAMPLE_GAME);
        play.set_accept_invitations(false);  // as the game without windows answers
        ASSERT_EQ(play.StartNewGame(OneCoachBrasil()), "");
        PlayToTheSecondSeasonsFirstRound(play);
        straight = SavedGameNow();
    }
    ASSERT_FALSE(straight.empty());

    // A saved game does not hold the random source (a program seeds it once when it starts),
    // so the play after the load is given the one the play before the save had reached.
    std::uint64_t random_state = 0;
    std::string at_save;
    std::string saved;
    {
        PlayThrough play(KORVANEL_SAMPLE_GAME);
        play.set_accept_invitations(false);  // as the game without windows answers
        ASSERT_EQ(play.StartNewGame(OneCoachBrasil()), "");
        ASSERT_EQ(play.PlayRounds(kFirstSeasonRounds / 2), "");
        ASSERT_EQ(play.SaveThroughWindow("meio da temporada"), "");
        EXPECT_EQ(Game().game_state.save_name.str(), "meio da temporada.s14");
        random_state = RandomState();
        at_save = SavedGameNow();
        std::ifstream in(play.folder() / "sav" / "meio da temporada.s14", std::ios::binary);
        saved.assign(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(play.broken_invariant(), "");
    }
    ASSERT_FALSE(saved.empty());

    PlayThrough play(KORVANEL_SAMPLE_GAME);
    play.set_accept_invitations(false);  // as the game without windows answers
    std::filesystem::create_directory(play.folder() / "sav");
    std::ofstream(play.folder() / "sav" / "meio da temporada.s14", std::ios::binary) << saved;
    ASSERT_EQ(play.LoadThroughWindow("meio da temporada.s14"), "");
    SetRandomState(random_state);
    const std::string loaded = SavedGameNow();
    EXPECT_TRUE(loaded == at_save) << "the loaded game: " << FirstDifference(loaded, at_save);
    EXPECT_EQ(Game().game_state.season, 1);
    PlayToTheSecondSeasonsFirstRound(play);
    EXPECT_EQ(play.rounds_played(), kFirstSeasonRounds / 2 + 1);
    EXPECT_EQ(play.season_reviews(), 1);
    const std::string resumed = SavedGameNow();
    EXPECT_TRUE(resumed == straight) << FirstDifference(resumed, straight);
}

// The coach answers every window as the game without windows does, so the two games are one: a
// window that drew from the game's random source, or a rule only a window ran, shows up here.
// Returns the play's counts of answers.
void ExpectTheSameGameAsWithoutWindows(const PlayThroughSetup& choices, int rounds, int season,
                                       std::map<std::string, int>* answers = nullptr) {
    const std::string headless = HeadlessSave(choices, rounds);
    ASSERT_FALSE(headless.empty());
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    play.set_accept_invitations(choices.national_team);
    play.set_auction_bids(choices.auction_bids);
    play.set_coach_choices(choices.coach_choices);
    play.KeepSaveAfterRound(rounds);
    ASSERT_EQ(play.StartNewGame(choices), "");
    ASSERT_EQ(play.PlayRounds(rounds), "");
    ASSERT_EQ(play.rounds_played(), rounds);
    EXPECT_EQ(Game().game_state.season, season);
    KeepBothSavesIfTheyDiffer("playthrough", play.kept_save(), headless);
    EXPECT_TRUE(play.kept_save() == headless) << FirstDifference(play.kept_save(), headless);
    EXPECT_EQ(play.broken_invariant(), "");
    if (answers)
        for (const char* what : {"penalty taken", "penalty faced", "injury replaced",
                                 "injury nobody", "shoot-out order", "shoot-out",
                                 "half-time substitution", "board", "auction bid"})
            (*answers)[what] = play.answered(what);
}

// Through the first season, its review and the second season's first round.
TEST(PlayThrough, TheFirstSeasonSavedEqualsTheGameWithoutWindows) {
    ExpectTheSameGameAsWithoutWindows(OneCoachBrasil(), kFirstSeasonRounds + 1, 2);
}

TEST(PlayThrough, SixCoachesTenRoundsSavedEqualTheGameWithoutWindows) {
    ExpectTheSameGameAsWithoutWindows(SixCoaches(), 10, 1);
}

// The coaches take their invitations, bid in the auctions by the rule and answer the match
// windows with their own choices instead of the proposals; the game without windows is told
// the same (korvanel-sim --national-team --auction-bids --coach-choices).
PlayThroughSetup WithEveryAnswer(PlayThroughSetup choices) {
    choices.national_team = true;
    choices.auction_bids = true;
    choices.coach_choices = true;
    return choices;
}

TEST(PlayThrough, SixCoachesTenRoundsAnsweringEveryWindowEqualTheGameWithoutWindows) {
    std::map<std::string, int> answers;
    ExpectTheSameGameAsWithoutWindows(WithEveryAnswer(SixCoaches()), 10, 1, &answers);
    EXPECT_GT(answers["half-time substitution"], 0);
}

// A season of one coach: the world cup led from the hub after the call-up, auctions bid,
// half-time substitutions and penalties for and against his club.
TEST(PlayThrough, TheFirstSeasonAnsweringEveryWindowEqualsTheGameWithoutWindows) {
    std::map<std::string, int> answers;
    ExpectTheSameGameAsWithoutWindows(WithEveryAnswer(OneCoachBrasil()), kFirstSeasonRounds + 1,
                                      2, &answers);
    EXPECT_GT(answers["half-time substitution"], 0);
    EXPECT_GT(answers["penalty taken"], 0);
    EXPECT_GT(answers["penalty faced"], 0);
    EXPECT_GT(answers["auction bid"], 0);
    // The invited coach leads his national team through the hub, looking at the board on each
    // of its match days.
    EXPECT_GT(answers["board"], 0);
}

}  // namespace
}  // namespace kv
