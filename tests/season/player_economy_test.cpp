#include "season/player_economy.h"

#include <gtest/gtest.h>

#include "core/lookups.h"
#include "core/random.h"
#include "economy_world.h"

namespace kv {
namespace {

using test::ClubSpec;
using test::EconomyWorld;
using test::PlayerSpec;

int NorthAmericanCountry() {
    return CountriesOfContinent(ctNorthAmerica).front();
}

struct ValueCase {
    const char* what;
    ClubSpec club;
    PlayerSpec player;
    int goals;
    int season;
    std::int32_t value;
};

TEST(PlayerValue, FollowsContinentLevelStarRoleAgeAndGoals) {
    const ValueCase cases[] = {
        {"european level-20 striker of 24", {.country = 3, .level = 20}, {.position = 4, .strength = 70, .age = 24}, 0, 1, 16'150'400},
        {"the same at a south american club", {.country = 29, .level = 20}, {.position = 4, .strength = 70, .age = 24}, 0, 1, 10'309'600},
        {"a 40-year-old keeps a floor of 100", {.country = 3, .level = 12}, {.strength = 50, .age = 40}, 0, 1, 100 * 100 * 100},
        {"a star at level 22 triples the base", {.country = 3, .level = 22}, {.strength = 50, .age = 30, .star = true}, 0, 1, 10'000 * (750 * 3 + 2 * 15)},
        {"a star at level 21 doubles it", {.country = 3, .level = 21}, {.strength = 50, .age = 30, .star = true}, 0, 1, 10'000 * (1500 + 30)},
        {"a star elsewhere adds 60 %", {.country = 29, .level = 22}, {.strength = 50, .age = 30, .star = true}, 0, 1, 10'000 * (366 + 220 + 30)},
        {"a regular starter adds 20 %", {.country = 1, .level = 10}, {.strength = 50, .age = 33, .squad_role = 1}, 0, 1, 10'000 * (326 + 65 + 100)},
        {"a north american teenager", {.country = NorthAmericanCountry(), .level = 10}, {.strength = 10, .age = 18}, 0, 1, 400 * (300 + 14 * 27)},
        {"goals per season capped at 100 % double the value", {.country = 3, .level = 20}, {.position = 4, .strength = 70, .age = 24}, 250, 2, 2 * 16'150'400},
        {"goals add their rate per season", {.country = 3, .level = 20}, {.position = 4, .strength = 70, .age = 24}, 30, 3, 16'150'400 + 1'615'040},
        {"no goal bonus before the first season", {.country = 3, .level = 20}, {.position = 4, .strength = 70, .age = 24}, 30, 0, 16'150'400},
    };
    for (const ValueCase& c : cases) {
        EconomyWorld w;
        w.data().game_state.season = c.season;
        const int player = w.AddPlayer(w.AddClub(c.club), c.player);
        w.data().players[player].goals = c.goals;
        EXPECT_EQ(CalcPlayerValue(w.data(), player), c.value) << c.what;
    }
}

TEST(PlayerValue, PlayerWithoutClubIsWorthNothing) {
    EconomyWorld w;
    const int player = w.AddPlayer(w.AddClub());
    w.data().players[player].team = -1;
    EXPECT_EQ(CalcPlayerValue(w.data(), player), 0);
}

struct WageCase {
    const char* what;
    ClubSpec club;
    PlayerSpec player;
    std::int32_t wage;
};

TEST(PlayerWage, FollowsDivisionWealthLevelPositionAgeAndStar) {
    const WageCase cases[] = {
        {"keeper of 33 at a rich league's first division", {.country = 3, .level = 18, .division = 1, .cash_units = 15'000'000}, {.position = 0, .strength = 60, .age = 33}, 43'500},
        {"cash above 20 million adds 100", {.country = 3, .level = 18, .division = 1, .cash_units = 25'000'000}, {.position = 0, .strength = 60, .age = 33}, 46'500},
        {"other countries pay less", {.country = 29, .level = 18, .division = 1, .cash_units = 0}, {.position = 3, .strength = 50, .age = 25}, 30'000},
        {"level above 20 adds 50, a forward 50", {.country = 29, .level = 21, .division = 2, .cash_units = 0}, {.position = 4, .strength = 40, .age = 25}, 40 * 600},
        {"full-back and centre-back", {.country = 29, .level = 10, .division = 3, .cash_units = 0}, {.position = 1, .strength = 40, .age = 25}, 40 * 420},
        {"a star adds 250 per point", {.country = 29, .level = 10, .division = 4, .cash_units = 0}, {.position = 2, .strength = 40, .age = 25, .star = true}, 40 * 360 + 40 * 250},
        {"regional level", {.country = 65, .level = 10, .division = 5, .cash_units = 0}, {.position = 3, .strength = 20, .age = 25}, 20 * 450},
        {"a weak old player earns the minimum", {.country = 29, .level = 5, .division = 0, .cash_units = 0}, {.position = 0, .strength = 2, .age = 40}, 500},
    };
    for (const WageCase& c : cases) {
        EconomyWorld w;
        const int player = w.AddPlayer(w.AddClub(c.club), c.player);
        EXPECT_EQ(CalcPlayerWage(w.data(), player), c.wage) << c.what;
    }
}

TEST(SquadUpkeep, WageBillAndCountsFollowThePlayersTable) {
    EconomyWorld w;
    const int club = w.AddClub();
    const int other = w.AddClub();
    w.AddSquad(club, {2, 3, 1, 4, 2});
    w.AddSquad(other, {1, 0, 0, 0, 1});
    const int injured = w.AddPlayer(club, {.position = posForward});
    w.data().players[injured].injured_until = w.today() + 7;
    CountSquad(w.data(), club);
    CalcWageBill(w.data(), club);
    const t_team& t = w.data().teams[club];
    EXPECT_EQ(t.squad_size, 13);
    EXPECT_EQ(std::vector<int>(t.position_counts, t.position_counts + 5),
              (std::vector<int>{2, 3, 1, 4, 3}));
    EXPECT_EQ(t.available_players, 12);
    EXPECT_TRUE(test::WageBillsTrue(w.data()));
}

TEST(SurplusPlayers, ListsOneNonStarReservePerCrowdedPosition) {
    EconomyWorld w;
    const int club = w.AddClub();
    w.AddSquad(club, {3, 4, 4, 6, 4}, 30);
    SeedRandom(7);
    ListSurplusPlayers(w.data(), club);
    int listed[5] = {};
    for (const t_player& p : w.data().players)
        if (p.team == club && p.on_sale) {
            ++listed[p.position];
            EXPECT_EQ(p.asking_price, p.value);
        }
    EXPECT_EQ(std::vector<int>(listed, listed + 5), (std::vector<int>{1, 1, 1, 1, 1}));
}

TEST(SurplusPlayers, KeepsStarsStartersLoaneesAndHumanClubs) {
    struct Case {
        const char* what;
        bool human;
        int goalkeepers;
        PlayerSpec keeper;
        int loan_status;
        bool listed;
    };
    const Case cases[] = {
        {"three star keepers", false, 3, {.position = 0, .star = true}, 0, false},
        {"three regular starters", false, 3, {.position = 0, .squad_role = 1}, 0, false},
        {"exactly two keepers", false, 2, {.position = 0}, 0, false},
        {"three keepers of a human club", true, 3, {.position = 0}, 0, false},
        {"three keepers out on loan", false, 3, {.position = 0}, 2, false},
        {"three plain keepers", false, 3, {.position = 0}, 0, true},
    };
    for (const Case& c : cases) {
        EconomyWorld w;
        const int club = w.AddClub({.human = c.human});
        for (int k = 0; k < c.goalkeepers; ++k) w.AddPlayer(club, c.keeper);
        for (t_player& p : w.data().players) p.loan_status = c.loan_status;
        w.Refresh(club);
        ListSurplusPlayers(w.data(), club);
        bool any = false;
        for (const t_player& p : w.data().players) any = any || p.on_sale;
        EXPECT_EQ(any, c.listed) << c.what;
    }
}

TEST(SurplusPlayers, SingleCandidateDrawsNoNumber) {
    EconomyWorld w;
    const int club = w.AddClub();
    w.AddPlayer(club, {.position = posForward});
    w.Refresh(club);
    SeedRandom(3);
    const auto before = RandomState();
    ListSurplusPlayers(w.data(), club);
    EXPECT_EQ(RandomState(), before);
}

}  // namespace
}  // namespace kv
