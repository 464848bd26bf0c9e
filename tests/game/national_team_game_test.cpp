#include <gtest/gtest.h>

#include <set>

#include "core/game_data.h"
#include "game/headless_game.h"

namespace kv {
namespace {

// A human coach who takes the national team that invites him leads it through the
// tournament and is back with his club alone afterwards; the whole game keeps its invariants.
TEST(NationalTeamGame, TheHumanLeadsHisNationalTeamThroughTheTournamentAndGoesBack) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    setup.national_team_coach = true;
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(setup), "");
    game.set_checking(true);
    std::set<int> led;
    int matches_led = 0;
    int seasons = 0;
    while (seasons < 2) {
        game.PlayRound();
        ASSERT_EQ(game.broken_invariant(), "");
        const t_game_state& gs = Game().game_state;
        for (int k = 0; k < gs.tournament_human_count && k < 6; ++k) {
            const int team = gs.tournament_human_teams[k];
            if (team < 0) continue;
            led.insert(team);
            const t_team& t = Game().teams[team];
            if (t.human) {
                EXPECT_EQ(t.coach, gs.human_coaches[0]);
                matches_led = std::max(matches_led, static_cast<int>(t.played[ckWorldCup]));
            }
        }
        if (game.season_finished()) ++seasons;
    }
    ASSERT_FALSE(led.empty()) << "no invitation accepted";
    EXPECT_GE(matches_led, 3);  // the whole group stage at least
    for (const int team : led) {
        EXPECT_FALSE(Game().teams[team].human);
        EXPECT_EQ(Game().teams[team].coach, -1);
    }
    EXPECT_FALSE(Game().coaches[Game().game_state.human_coaches[0]].national_team_job);
    EXPECT_TRUE(Game().callups.empty());
}

}  // namespace
}  // namespace kv
