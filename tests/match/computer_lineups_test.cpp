#include "match/computer_lineups.h"

#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "match/position_codes.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddPlayer;
using testing::AddSquad;
using testing::AddTeam;

TEST(ComputerLineups, FormationDrawBoundaries) {
    const int cases[][2] = {{1, 1},  {2, 1},  {3, 2},  {4, 2},  {5, 4},  {6, 3},  {7, 3},
                            {8, 4},  {38, 4}, {39, 5}, {49, 5}, {50, 6}, {60, 6}, {61, 7},
                            {65, 7}, {66, 8}, {72, 8}, {73, 9}, {98, 9}, {99, 10}, {100, 10}};
    for (const auto& c : cases) EXPECT_EQ(FormationForDraw(c[0]), c[1]) << c[0];
    EXPECT_EQ(FormationCode(9, 0), 1);
    EXPECT_EQ(FormationCode(9, 10), 17);
    EXPECT_EQ(FormationCode(11, 0), 0);
}

TEST(ComputerLineups, FullSquadFillsEveryFormationWithFittingPlayers) {
    std::set<std::string> shapes;
    for (int seed = 0; seed < 60; ++seed) {
        testing::StartMatchDay();
        const int team = AddTeam();
        AddSquad(team, 70);
        SeedRandom(seed);
        ChooseComputerLineup(team);
        const t_match_strength& r = Game().match_strengths.at(Game().teams[team].match_strength_index);
        std::set<int> used;
        for (int slot = 0; slot < 11; ++slot) {
            const int p = r.players[slot];
            ASSERT_GT(p, 0) << "slot " << slot + 1;
            ASSERT_TRUE(used.insert(p).second);
            const t_player& pl = Game().players[p];
            EXPECT_EQ(pl.position, position_codes(r.slot_positions[slot]).group) << seed;
            EXPECT_TRUE(pl.on_pitch && pl.played_match);
        }
        EXPECT_EQ(r.slot_positions[10], 1);
        for (int place = 0; place < 7; ++place) {
            ASSERT_GT(r.bench[place], 0);
            ASSERT_TRUE(used.insert(r.bench[place]).second);
            EXPECT_FALSE(Game().players[r.bench[place]].on_pitch);
        }
        EXPECT_EQ(Game().players[r.bench[0]].position, 0);
        EXPECT_GT(r.attack_total, 0);
        EXPECT_FALSE(r.irregular_lineup);
        shapes.insert(std::to_string(r.slot_positions[0]) + "," + std::to_string(r.slot_positions[9]));
    }
    EXPECT_GE(shapes.size(), 5u);  // several formations were drawn
}

TEST(ComputerLineups, ThinSquadsPlayShortAndImproviseInGoal) {
    testing::StartMatchDay();
    const int team = AddTeam();
    const int tired = AddPlayer(team, {1, 60, 0, 0, 15});
    const int best_back = AddPlayer(team, {1, 90});
    for (int i = 0; i < 5; ++i) AddPlayer(team, {3, 50});
    SeedRandom(2);
    ChooseComputerLineup(team);
    const t_match_strength& r = Game().match_strengths.at(0);
    // No goalkeeper: the goal takes the best full-back.
    EXPECT_EQ(r.players[10], best_back);
    int filled = 0;
    for (int p : r.players) filled += p > 0;
    EXPECT_EQ(filled, 7);
    EXPECT_EQ(r.bench[0], 0);
    EXPECT_GE(Game().players[tired].energy, 30);
    EXPECT_LE(Game().players[tired].energy, 39);
    EXPECT_TRUE(r.irregular_lineup);  // an outfield player in goal
}

TEST(ComputerLineups, LeagueDayLinesUpComputerClubsAndServesSuspensions) {
    testing::StartMatchDay();
    Game().game_state.league_club_count = 3;
    const int human = AddTeam(true);
    const int club = AddTeam();
    const int idle = AddTeam();
    Game().teams[idle].division = 0;
    for (int t : {human, club, idle}) AddSquad(t, 60);
    const int banned = AddPlayer(club, {4, 99});
    Game().players[banned].suspension[1] = 2;
    const int booked = AddPlayer(idle, {3, 50});
    Game().players[booked].yellow_cards[1] = 3;
    Game().players[booked].strength = 140;

    SeedRandom(4);
    PrepareComputerLineups();
    ASSERT_EQ(Game().match_strengths.size(), 1u);
    EXPECT_EQ(Game().teams[club].match_strength_index, 0);
    EXPECT_EQ(Game().teams[human].match_strength_index, -1);
    EXPECT_FALSE(Game().players[banned].on_pitch);
    EXPECT_EQ(Game().players[banned].suspension[1], 1);
    EXPECT_EQ(Game().players[booked].yellow_cards[1], 0);
    EXPECT_EQ(Game().players[booked].strength, 100);
    const t_team& t = Game().teams[club];
    EXPECT_TRUE(t.playing_style >= 0 && t.playing_style <= 2);
    EXPECT_TRUE(t.marking >= 0 && t.marking <= 2);
    EXPECT_TRUE(t.attack_route == 0 || t.attack_route == 1);
}

TEST(ComputerLineups, FriendliesClubWorldCupAndSuperCupPickTheirTeams) {
    testing::StartMatchDay();
    Game().calendar[0].date = 300;
    for (int t = 0; t < 12; ++t) {
        AddTeam();
        AddSquad(t, 60);
        Game().teams[t].playing_style = 1;
    }
    auto friendly = [](int home, int away, double date, bool taken) {
        t_friendly& f = AppendRecord(Game().friendlies);
        f.home = home;
        f.away = away;
        f.date = date;
        f.taken = taken;
    };
    friendly(0, 1, 300.25, false);
    friendly(2, 3, 300, true);
    friendly(4, 5, 301, false);
    Game().game_state.match_kind = 0;
    PrepareComputerLineups();
    auto lined_up = [] {
        std::set<int> teams;
        for (int t = 0; t < static_cast<int>(Game().teams.size()); ++t)
            if (Game().teams[t].match_strength_index >= 0) teams.insert(t);
        return teams;
    };
    EXPECT_EQ(lined_up(), (std::set<int>{0, 1}));

    for (auto& t : Game().teams) t.match_strength_index = -1;
    Game().match_strengths.clear();
    for (int tie = 0; tie < 6; ++tie) {
        Game().club_world_cup_bracket[tie].team_a = 2 * tie;
        Game().club_world_cup_bracket[tie].team_b = 2 * tie + 1;
    }
    Game().game_state.match_kind = 5;
    Game().game_state.club_world_cup_stage = 2;
    PrepareComputerLineups();
    EXPECT_EQ(lined_up(), (std::set<int>{4, 5, 6, 7}));
    for (const t_team& t : Game().teams) EXPECT_EQ(t.playing_style, 1);

    // The super cup plays the first round not played yet.
    for (auto& t : Game().teams) t.match_strength_index = -1;
    Game().match_strengths.clear();
    testing::AddFixture(ckSuperCup, 1, 8, 9).played = 1;
    testing::AddFixture(ckSuperCup, 2, 10, 11);
    testing::AddFixture(ckSuperCup, 2, 2, 3);
    Game().game_state.match_kind = ckSuperCup;
    PrepareComputerLineups();
    EXPECT_EQ(lined_up(), (std::set<int>{2, 3, 10, 11}));
}

}  // namespace
}  // namespace kv
