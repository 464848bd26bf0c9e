// The match windows a coach meets only now and then, each forced by a game prepared for it and
// played on through the windows: a cup tie between two human clubs settled by a shoot-out, and
// penalties for and against a human club.
// Each is compared byte for byte with the game without windows given the same saved game, seed
// and answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include <unistd.h>

#include "core/game_data.h"
#include "core/random.h"
#include "core/types.h"
#include "game/headless_game.h"
#include "match/match_tables.h"
#include "tests/playthrough/play_through.h"

namespace kv {
namespace {

// The game as it stands without windows, saved; empty when it could not be.
std::string Saved(HeadlessGame& game) {
    const std::string file = "/tmp/kv_match_windows_prepared_" + std::to_string(getpid()) + ".s14";
    if (!game.SaveGame(file).empty()) return {};
    std::ifstream in(file, std::ios::binary);
    std::string saved{std::istreambuf_iterator<char>(in), {}};
    std::remove(file.c_str());
    return saved;
}

HeadlessSetup NewGame(std::uint64_t seed, int humans) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = seed;
    setup.humans = humans;
    setup.coach_countries.assign(static_cast<std::size_t>(humans), kHomeCountry);
    return setup;
}

// The first seed from 1 at which the game without windows, going on from `from` for at most
// `most_rounds` rounds, reaches `reached`; its continuation (with the rounds it took), or none.
std::optional<Continuation> FirstSeedReaching(Continuation from, int most_rounds,
                                              const std::function<bool()>& reached) {
    const std::string file = "/tmp/kv_match_windows_search_" + std::to_string(getpid()) + ".s14";
    std::ofstream(file, std::ios::binary) << from.saved;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        HeadlessGame game;
        if (const std::string problem = game.LoadGame(file); !problem.empty()) {
            ADD_FAILURE() << problem;
            break;
        }
        SeedRandom(seed);
        game.set_national_team_coach(from.national_team);
        game.set_coach_choices(from.coach_choices);
        for (int round = 1; round <= most_rounds; ++round) {
            game.PlayRound();
            if (!reached()) continue;
            from.seed = seed;
            from.rounds = round;
            std::remove(file.c_str());
            Game().Reset();
            return from;
        }
    }
    std::remove(file.c_str());
    Game().Reset();
    return std::nullopt;
}

// The continuation through the windows, compared with the game without windows; the play keeps
// its counts of answers, for the test to see that its windows were met.
void ExpectTheSameContinuation(PlayThrough& play, const Continuation& from) {
    const std::string headless = HeadlessContinuation(from);
    EXPECT_FALSE(headless.empty());
    play.set_accept_invitations(from.national_team);
    play.set_coach_choices(from.coach_choices);
    play.KeepSaveAfterRound(from.rounds);
    EXPECT_EQ(play.LoadSavedGame(from.saved, from.seed), "");
    EXPECT_EQ(play.PlayRounds(from.rounds), "");
    EXPECT_EQ(play.broken_invariant(), "");
    EXPECT_TRUE(play.kept_save() == headless)
        << FirstDifference(play.kept_save(), headless) << " (seed " << from.seed << ", "
        << from.rounds << " rounds)";
    for (const std::string& name : play.unknown_windows())
        std::printf("  closed unknown window %s\n", name.c_str());
}

// Archived events of `kinds` for `club`, or against it in its matches.
int ArchivedEvents(int club, std::initializer_list<int> kinds, bool against) {
    const GameData& data = Game();
    int n = 0;
    for (const t_match_event& e : data.match_event_archive) {
        if (std::find(kinds.begin(), kinds.end(), e.kind) == kinds.end()) continue;
        if (!InTable(data.match_archive, e.match)) continue;
        const t_archived_match& m = data.match_archive[e.match];
        const bool plays = m.team[0] == club || m.team[1] == club;
        if (against ? plays && e.team != club : e.team == club) ++n;
    }
    return n;
}

// Two human clubs of Brasil drawn against each other in the national cup: the tie of the first
// cup round both are in is made theirs, before its first leg.
TEST(MatchWindowsPlay, ACupTieOfTwoHumanClubsLevelAfterBothLegsGoesToTheirShootout) {
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(NewGame(52, 2)), "");
    GameData& data = Game();
    const int a = data.game_state.human_clubs[0];
    const int b = data.game_state.human_clubs[1];
    auto tie_of = [&](int club, int round) {
        for (int f = 0; f + 1 < static_cast<int>(data.fixtures.size()); ++f) {
            // A tie is its two legs in a row, home and away swapped, the first leg first.
            const t_fixture& x = data.fixtures[f];
            const t_fixture& next = data.fixtures[f + 1];
            if (x.kind == ckNationalCup && x.round == round && !x.played &&
                (x.home == club || x.away == club) && next.home == x.away && next.away == x.home)
                return f;
        }
        return -1;
    };
    int fa = -1;
    int fb = -1;
    for (int round = 0; round < 40 && (fa < 0 || fb < 0); ++round) {
        for (int r = 0; r <= 5 && (fa < 0 || fb < 0); ++r) {
            fa = tie_of(a, r);
            fb = tie_of(b, r);
        }
        if (fa < 0 || fb < 0) game.PlayRound();
    }
    ASSERT_GE(fa, 0);
    ASSERT_GE(fb, 0);
    if (fa != fb) {
        // B takes the place of A's opponent in both legs, and that club takes B's place.
        const int x = data.fixtures[fa].home == a ? data.fixtures[fa].away : data.fixtures[fa].home;
        for (int f : {fa, fa + 1, fb, fb + 1}) {
            t_fixture& leg = data.fixtures[f];
            const int from = f == fa || f == fa + 1 ? x : b;
            const int to = f == fa || f == fa + 1 ? b : x;
            if (leg.home == from) leg.home = to;
            if (leg.away == from) leg.away = to;
        }
    }
    Continuation tie;
    tie.saved = Saved(game);
    tie.coach_choices = true;
    ASSERT_FALSE(tie.saved.empty());
    // The shoot-out's score is written to the first leg once the second is played.
    const auto found = FirstSeedReaching(tie, 40, [fa] {
        const t_fixture& first = Game().fixtures[fa];
        return Game().fixtures[fa + 1].played && first.home_penalties + first.away_penalties > 0;
    });
    ASSERT_TRUE(found) << "no seed levels the tie";
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    ExpectTheSameContinuation(play, *found);
    EXPECT_EQ(play.answered("shoot-out order"), 2) << "each coach orders his takers";
    EXPECT_EQ(play.answered("shoot-out"), 1);
}

TEST(MatchWindowsPlay, PenaltiesForAndAgainstAHumanClubAreTakenAsWithoutWindows) {
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(NewGame(144, 1)), "");
    const int club = Game().game_state.human_clubs[0];
    Continuation penalties;
    penalties.saved = Saved(game);
    penalties.coach_choices = true;  // the strongest outfield player takes them
    ASSERT_FALSE(penalties.saved.empty());
    const auto found = FirstSeedReaching(penalties, 12, [club] {
        return ArchivedEvents(club, {mePenaltyGoal, mePenaltyMissed}, false) > 0 &&
               ArchivedEvents(club, {mePenaltyGoal, mePenaltyMissed}, true) > 0;
    });
    ASSERT_TRUE(found) << "no seed gives a penalty for and one against the club";
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    ExpectTheSameContinuation(play, *found);
    EXPECT_GE(play.answered("penalty taken"), 1);
    EXPECT_GE(play.answered("penalty faced"), 1);
}

}  // namespace
}  // namespace kv
