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
#include <vector>

#include <unistd.h>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/random.h"
#include "core/types.h"
#include "game/headless_game.h"
#include "match/match_tables.h"
#include "tests/playthrough/continuation.h"
#include "tests/playthrough/play_through.h"

namespace kv {
namespace {

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
        SeedRandom(seed);
        if (const std::string problem = game.LoadGame(file); !problem.empty()) {
            ADD_FAILURE() << problem;
            break;
        }
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
    tie.saved = SavedWithoutWindows(game);
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
    penalties.saved = SavedWithoutWindows(game);
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

// The human club's squad cut to `fit` players who can play (a goalkeeper, then the others as the
// squad lists them) by injuring everyone else until after the season's end.
void InjureAllBut(int club, int fit) {
    GameData& data = Game();
    std::vector<int> squad;
    for (const int p : data.PlayersOf(club)) squad.push_back(p);
    // One goalkeeper first, then the rest as the squad lists them.
    std::stable_partition(squad.begin(), squad.end(),
                          [&](int p) { return data.players[p].position == 0; });
    const auto keepers = std::count_if(squad.begin(), squad.end(),
                                       [&](int p) { return data.players[p].position == 0; });
    if (keepers > 1) std::rotate(squad.begin() + 1, squad.begin() + keepers, squad.end());
    const TDateTime until = TodayDate(data) + 400;
    for (std::size_t i = static_cast<std::size_t>(fit); i < squad.size(); ++i)
        data.players[squad[i]].injured_until = until;
}

// A human club with most of its squad injured: its line-up fields whom it has (fewer than eleven
// when no more can play), and an injury with nobody left on the bench leaves it one short. The
// answers are the proposals in one case; in the other the scripted coach's, with the option that
// keeps his line-up as the standard one on (the line-up window then opens on it).
TEST(MatchWindowsPlay, AClubWithMostOfItsSquadInjuredPlaysAsWithoutWindows) {
    for (const int fit : {9, 11, 13, 16}) {
        for (const bool choices : {false, true}) {
            SCOPED_TRACE(std::to_string(fit) + " fit players" + (choices ? ", scripted" : ""));
            HeadlessGame game;
            ASSERT_EQ(game.StartNewGame(NewGame(145, 1)), "");
            const int club = Game().game_state.human_clubs[0];
            InjureAllBut(club, fit);
            Game().game_state.keep_lineup = choices;
            Continuation injured;
            injured.saved = SavedWithoutWindows(game);
            injured.coach_choices = choices;
            ASSERT_FALSE(injured.saved.empty());
            Game().Reset();
            const auto found = FirstSeedReaching(injured, 12, [club] {
                return ArchivedEvents(club, {meInjury, meInjurySubstitution}, false) > 0;
            });
            ASSERT_TRUE(found) << "no seed injures a player of the club";
            PlayThrough play(KORVANEL_SAMPLE_GAME);
            ExpectTheSameContinuation(play, *found);
            EXPECT_GE(play.answered("injury replaced") + play.answered("injury nobody"), 1);
            if (fit <= 11) {
                EXPECT_GE(play.answered("injury nobody"), 1) << "the bench is empty";
            }
        }
    }
}

}  // namespace
}  // namespace kv
