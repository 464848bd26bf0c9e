#include "season/player_development.h"

#include <gtest/gtest.h>

#include "tests/season/economy_world.h"

namespace kv {
namespace {

using test::ClubSpec;
using test::EconomyWorld;

struct LeagueRules {
    int league_format = kDivisionsOf20;
    bool state_leagues = false;
};

struct World {
    EconomyWorld world;
    int club = -1;
    int player = -1;

    World(const LeagueRules& rules, const ClubSpec& club_spec, int age, int strength) {
        GameData& g = world.data();
        g.game_state.league_format = rules.league_format;
        g.game_state.state_leagues_on = rules.state_leagues ? 1 : 0;
        club = world.AddClub(club_spec);
        player = world.AddPlayer(club, {.strength = strength, .age = age});
        g.players[player].morale = 2;
    }
    GameData& data() { return world.data(); }
    t_player& p() { return world.data().players[player]; }
};

TEST(PlayerDevelopment, GrowthByLevelAgeAndStrength) {
    constexpr LeagueRules k20{kDivisionsOf20, false};
    constexpr LeagueRules k10{kDivisionsOf10, false};
    constexpr LeagueRules k20States{kDivisionsOf20, true};
    constexpr LeagueRules k10States{kDivisionsOf10, true};
    struct Case {
        LeagueRules rules;
        int level;
        bool human;
        int age, strength;
        bool played;
        int morale;
        double gain;
    };
    const Case cases[] = {
        // The divisor: a big club (21+), a middle one (19-20), the rest and every human club.
        {k20, 21, false, 17, 20, false, 2, 11.0 / 28},
        {k10, 21, false, 17, 20, false, 2, 11.0 / 15},
        {k20States, 21, false, 17, 20, false, 2, 11.0 / 35},
        {k10States, 21, false, 17, 20, false, 2, 11.0 / 22},
        {k20, 21, true, 17, 20, false, 2, 11.0 / 35},
        {k20, 20, false, 17, 20, false, 2, 11.0 / 30},
        {k10States, 19, false, 17, 20, false, 2, 11.0 / 24},
        {k20, 18, false, 17, 20, false, 2, 11.0 / 35},
        {k10States, 18, false, 17, 20, false, 2, 11.0 / 25},
        // The numerator by level band and age.
        {k20, 18, false, 22, 20, false, 2, 6.0 / 35},
        {k20, 18, false, 23, 20, false, 2, 5.0 / 35},
        {k20, 18, false, 28, 20, false, 2, 5.0 / 35},
        {k20, 18, false, 29, 20, false, 2, 4.0 / 35},
        {k20, 18, false, 31, 20, false, 2, 4.0 / 35},
        {k20, 17, false, 17, 20, false, 2, 10.0 / 35},
        {k20, 15, false, 19, 20, false, 2, 7.0 / 35},
        {k20, 15, false, 20, 20, false, 2, 6.0 / 35},
        {k20, 15, false, 24, 20, false, 2, 6.0 / 35},
        {k20, 15, false, 25, 20, false, 2, 5.0 / 35},
        {k20, 14, false, 17, 20, false, 2, 9.0 / 35},
        {k20, 11, false, 25, 20, false, 2, 6.0 / 35},
        {k20, 11, false, 26, 20, false, 2, 5.0 / 35},
        {k20, 10, false, 17, 20, false, 2, 4.0 / 35},
        {k20, 10, false, 19, 20, false, 2, 2.0 / 35},
        {k20, 10, false, 20, 20, false, 2, 1.0 / 35},
        {k20, 10, false, 31, 20, false, 2, 1.0 / 35},
        // Outside 17..31 only the bonuses count, and never less than 0.01.
        {k20, 25, false, 16, 20, false, 2, 0.01},
        {k20, 25, false, 16, 20, true, 3, 0.06},
        {k20, 25, false, 16, 20, true, 2, 0.05},
        {k20, 25, false, 16, 35, true, 3, 0.04},
        {k20, 25, false, 16, 90, true, 2, 0.01},
        // The brake of strong players at its boundaries.
        {k20, 10, false, 20, 29, false, 2, 1.0 / 35},
        {k20, 10, false, 20, 30, false, 2, 1.0 / 35 - 0.02},
        {k20, 10, false, 20, 40, true, 2, 1.0 / 35 + 0.05 - 0.02},
        {k20, 10, false, 20, 41, true, 2, 1.0 / 35 + 0.05 - 0.03},
        {k20, 10, false, 20, 50, true, 2, 1.0 / 35 + 0.05 - 0.03},
        {k20, 10, false, 20, 51, true, 2, 1.0 / 35 + 0.05 - 0.04},
        {k20, 10, false, 20, 70, true, 2, 1.0 / 35 + 0.05 - 0.04},
        {k20, 17, false, 17, 71, true, 2, 10.0 / 35 + 0.05 - 0.05},
    };
    for (const Case& c : cases) {
        World w(c.rules, {.level = c.level, .human = c.human}, c.age, c.strength);
        w.p().played_match = c.played ? 1 : 0;
        w.p().morale = c.morale;
        EXPECT_NEAR(DevelopmentGain(w.data(), w.player), c.gain, 1e-9)
            << "level " << c.level << " age " << c.age << " strength " << c.strength;
    }
}

TEST(PlayerDevelopment, DeclineByAgeStrengthDivisionAndFormat) {
    struct Case {
        LeagueRules rules;
        int division, age, strength;
        double loss;
    };
    const Case cases[] = {
        {{kDivisionsOf20, false}, 2, 32, 50, 0},  // 0.8 is below a whole point
        {{kDivisionsOf20, false}, 2, 32, 51, 1.2 / 60},
        {{kDivisionsOf20, false}, 2, 32, 60, 1.2 / 60},
        {{kDivisionsOf20, false}, 2, 32, 70, 1.2 / 60},
        {{kDivisionsOf20, false}, 2, 32, 71, 1.5 / 60},
        {{kDivisionsOf20, false}, 2, 33, 50, 1.6 / 60},
        {{kDivisionsOf20, true}, 2, 33, 50, 1.6 / 70},
        {{kDivisionsOf10, false}, 2, 33, 50, 1.6 / 30},
        {{kDivisionsOf10, true}, 2, 33, 50, 1.6 / 50},
        {{3, false}, 2, 33, 50, 0},
        {{kDivisionsOf20, false}, 2, 33, 101, 0},
        // Each division keeps its weakest veterans as they are.
        {{kDivisionsOf20, false}, 1, 40, 30, 0},
        {{kDivisionsOf20, false}, 1, 40, 31, 9 * 0.8 / 60},
        {{kDivisionsOf20, false}, 2, 40, 20, 0},
        {{kDivisionsOf20, false}, 2, 40, 21, 9 * 0.8 / 60},
        {{kDivisionsOf20, false}, 3, 40, 10, 0},
        {{kDivisionsOf20, false}, 3, 40, 11, 9 * 0.8 / 60},
        {{kDivisionsOf20, false}, 4, 40, 5, 9 * 0.8 / 60},
    };
    for (const Case& c : cases) {
        World w(c.rules, {.division = c.division}, c.age, c.strength);
        EXPECT_NEAR(DeclineLoss(w.data(), w.player), c.loss, 1e-9)
            << "division " << c.division << " age " << c.age << " strength " << c.strength;
    }
}

TEST(PlayerDevelopment, CeilingOfTheLowerDivisions) {
    struct Case {
        int division, strength;
        bool can_improve;
    };
    const Case cases[] = {
        {1, 99, true}, {2, 80, true},  {2, 81, false}, {3, 60, true},  {3, 61, false},
        {4, 40, true}, {4, 41, false}, {5, 30, true},  {5, 31, false}, {0, 99, true},
    };
    for (const Case& c : cases) {
        World w({}, {.division = c.division}, 20, c.strength);
        EXPECT_EQ(CanImprove(w.data(), w.player), c.can_improve)
            << "division " << c.division << " strength " << c.strength;
    }
}

TEST(PlayerDevelopment, WholePointsOfStrength) {
    struct Case {
        const char* what;
        int division, age, strength;
        float decline_before;
        int strength_after;
        bool decline_kept;  // the accumulator unchanged
    };
    const Case cases[] = {
        {"grows a point", 1, 20, 60, 0.99f, 61, false},
        {"short of a point", 1, 20, 60, 0.5f, 60, false},
        {"at the top", 1, 20, 100, 0.99f, 100, false},
        {"held by the division", 2, 20, 81, 0.99f, 81, false},
        {"loses a point", 2, 40, 60, 0.99f, 59, false},
        {"never below 1", 4, 40, 1, 0.99f, 1, false},
        {"held veteran keeps what he had", 1, 40, 30, 1.5f, 30, true},
    };
    for (const Case& c : cases) {
        World w({}, {.division = c.division}, c.age, c.strength);
        w.p().decline = c.decline_before;
        const bool young = c.age < 32;
        const double step =
            young ? DevelopmentGain(w.data(), w.player) : DeclineLoss(w.data(), w.player);
        if (young)
            DevelopYoungPlayer(w.data(), w.player);
        else
            DeclineAgeingPlayer(w.data(), w.player);
        EXPECT_EQ(w.p().strength, c.strength_after) << c.what;
        const double whole_point = c.strength_after != c.strength ? 1 : 0;
        const double decline_after =
            c.decline_kept ? c.decline_before : c.decline_before + step - whole_point;
        EXPECT_NEAR(w.p().decline, decline_after, 1e-6) << c.what;
    }
}

TEST(PlayerDevelopment, EveryClubPlayerOncePerRound) {
    for (const int kind : {ckNationalLeague, ckStateChampionship}) {
        EconomyWorld world;
        GameData& g = world.data();
        g.game_state.match_kind = kind;
        const int league_club = world.AddClub({.division = 1});
        const int outside_club = world.AddClub({.division = 0});
        const int young = world.AddPlayer(league_club, {.strength = 20, .age = 31});
        const int old = world.AddPlayer(league_club, {.strength = 60, .age = 32});
        const int outside = world.AddPlayer(outside_club, {.strength = 20, .age = 20});
        const int free_agent = world.AddPlayer(-1, {.strength = 20, .age = 20});
        const int national = world.AddPlayer(league_club, {.strength = 20, .age = 20});
        g.players[national].team = static_cast<int>(g.teams.size());  // a national team
        AppendRecord(g.teams);

        DevelopPlayers(g);
        EXPECT_GT(g.players[young].decline, 0) << kind;
        EXPECT_NEAR(g.players[old].decline, 1.2 / 60, 1e-6) << kind;
        // A club in no division develops only on state championship days.
        EXPECT_EQ(g.players[outside].decline > 0, kind == ckStateChampionship) << kind;
        EXPECT_EQ(g.players[free_agent].decline, 0) << kind;
        EXPECT_EQ(g.players[national].decline, 0) << kind;
    }
}

}  // namespace
}  // namespace kv
