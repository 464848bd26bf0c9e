// The national-team mode played through the windows: the invitation in the main window's
// events, the call-up, the world cup's match days in the hub and the match-day window, and the
// coach back with his club; the whole-game checks run after every round.
#include <gtest/gtest.h>

#include <cstdio>

#include "core/game_data.h"
#include "core/types.h"
#include "game/headless_game.h"
#include "screens/main/main_window.h"
#include "tests/playthrough/continuation.h"
#include "tests/playthrough/play_through.h"

namespace kv {
namespace {

// A new game played without windows up to the main window of its first league round in which
// the coach can be invited.
void PlayToTheFirstInvitation(HeadlessGame& game, int league_format) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    setup.league_format = league_format;
    ASSERT_EQ(game.StartNewGame(setup), "");
    game.set_checking(true);
    for (int round = 0; round < 80; ++round) {
        const t_game_state& gs = Game().game_state;
        if (gs.match_kind == ckNationalLeague && gs.league_turn == 1 && gs.league_round == 5) break;
        game.PlayRound();
    }
    ASSERT_EQ(game.broken_invariant(), "");
    ASSERT_EQ(Game().game_state.league_round, 5);
    ASSERT_EQ(Game().game_state.tournament_human_count, 0);
}

TEST(NationalTeamPlay, AnInvitedCoachLeadsHisNationalTeamThroughTheWorldCupAndGoesBack) {
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    HeadlessGame game;
    PlayToTheFirstInvitation(game, kDivisionsOf10);
    const GameData& data = Game();
    const int club = data.game_state.human_clubs[0];
    const int coach = data.game_state.human_coaches[0];
    play.ContinueGame();
    // The invitation comes with the turn's events; the world cup follows three rounds later.
    ASSERT_EQ(play.PlayRounds(1), "");
    EXPECT_EQ(play.invitations_shown(), 1);
    ASSERT_EQ(data.game_state.tournament_human_count, 1);
    const int team = data.game_state.tournament_human_teams[0];
    EXPECT_EQ(data.teams[team].coach, coach);
    ASSERT_EQ(play.PlayRounds(2), "");
    EXPECT_EQ(data.game_state.match_kind, ckWorldCup);
    // The group stage through the hub and the match-day window.
    ASSERT_EQ(play.PlayRounds(3), "");
    EXPECT_EQ(play.callups_made(), 1);
    EXPECT_EQ(data.teams[team].played[ckWorldCup], 3);
    EXPECT_GE(play.hub_turns(), 3);
    EXPECT_EQ(play.hub_coach_mismatches(), 0);
    // The knock-out rounds, then the club again.
    while (data.game_state.match_kind == ckWorldCup) ASSERT_EQ(play.PlayRounds(1), "");
    EXPECT_EQ(play.broken_invariant(), "");
    EXPECT_FALSE(data.teams[team].human);
    EXPECT_EQ(data.teams[team].coach, -1);
    EXPECT_FALSE(data.coaches[coach].national_team_job);
    EXPECT_TRUE(data.callups.empty());
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(MainWindow()->Visible());
    EXPECT_EQ(data.game_state.user_club, club);
    EXPECT_EQ(data.game_state.current_coach, coach);
    // The match windows the knock-out days ask the coach (his line-up at a pause, a shoot-out)
    // are answered by their close buttons.
    for (const std::string& name : play.unknown_windows())
        std::printf("  closed unknown window %s\n", name.c_str());
}

TEST(NationalTeamPlay, ADeclinedInvitationComesBackAtTheNextQualifyingRound) {
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    HeadlessGame game;
    PlayToTheFirstInvitation(game, kDivisionsOf20);
    play.set_accept_invitations(false);
    play.ContinueGame();
    ASSERT_EQ(play.PlayRounds(1), "");
    EXPECT_EQ(play.invitations_shown(), 1);
    EXPECT_EQ(Game().game_state.tournament_human_count, 0);
    // The next league round asks again.
    for (int round = 0; round < 12 && play.invitations_shown() < 2; ++round)
        ASSERT_EQ(play.PlayRounds(1), "");
    EXPECT_EQ(play.invitations_shown(), 2);
    EXPECT_EQ(Game().game_state.match_kind, ckNationalLeague);
    EXPECT_EQ(Game().game_state.league_round, 6);
    EXPECT_EQ(play.broken_invariant(), "");
}

// A game saved on a league day and loaded goes on as the game without windows given the same
// save: the loaded game's first turn runs none of the turn's updates or events (no invitation
// in it), the later turns all of theirs, the invitation, the call-up and the world cup included.
TEST(NationalTeamPlay, AGameLoadedMidSeasonGoesOnAsWithoutWindows) {
    struct Case {
        int league_format;
        int saved_at_round;  // the league round whose turn the save opens
        int rounds;
        int invitations;
    };
    for (const Case c : {Case{kDivisionsOf20, 5, 10, 1}, Case{kDivisionsOf10, 5, 4, 0},
                         Case{kDivisionsOf10, 3, 10, 1}}) {
        SCOPED_TRACE("league format " + std::to_string(c.league_format) + ", saved at round " +
                     std::to_string(c.saved_at_round));
        HeadlessGame game;
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 2014;
        setup.league_format = c.league_format;
        setup.national_team_coach = true;
        ASSERT_EQ(game.StartNewGame(setup), "");
        for (int round = 0; round < 80; ++round) {
            const t_game_state& gs = Game().game_state;
            if (gs.match_kind == ckNationalLeague && gs.league_turn == 1 &&
                gs.league_round == c.saved_at_round)
                break;
            game.PlayRound();
        }
        ASSERT_EQ(Game().game_state.league_round, c.saved_at_round);
        Continuation from;
        from.saved = SavedWithoutWindows(game);
        from.seed = 77;
        from.rounds = c.rounds;
        from.national_team = true;
        ASSERT_FALSE(from.saved.empty());
        Game().Reset();
        PlayThrough play(KORVANEL_SAMPLE_GAME);
        ExpectTheSameContinuation(play, from);
        EXPECT_EQ(play.invitations_shown(), c.invitations);
    }
}

}  // namespace
}  // namespace kv
