#include "season/player_search.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "economy_world.h"

namespace kv {
namespace {

class PlayerSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        w.AddLeague(29, 1, 2);
        club = 0;
        abroad = w.AddClub({.country = 3});
    }

    int Player(const char* name, std::int64_t value_units = 200'000, int age = 25, int team = 0) {
        const int p = w.AddPlayer(team, {.strength = 5, .age = age});
        w.data().players[p].name.set(name);
        w.data().players[p].value = MoneyFromUnits(value_units);
        return p;
    }

    bool Finds(const PlayerSearchCriteria& c, int player) {
        const std::vector<int> found = SearchPlayers(w.data(), c);
        return std::find(found.begin(), found.end(), player) != found.end();
    }

    test::EconomyWorld w;
    int club = 0;
    int abroad = 0;
};

// Every value falls in exactly one band, the band edges included.
TEST_F(PlayerSearch, ValueBandsLeaveNoGap) {
    const std::int64_t edges[] = {
        0,         1'000,     1'001,     100'000,   100'001,   101'000,    500'000,    500'001,
        1'000'000, 3'000'000, 3'000'001, 5'000'000, 5'000'001, 10'000'000, 10'000'001, 999'999'999};
    for (const std::int64_t units : edges) {
        const int p = Player("Valor", units);
        PlayerSearchCriteria c;
        c.league_country = 29;
        int bands = 0;
        for (int b = 0; b < static_cast<int>(kSearchValueChoices.size()); ++b) {
            c.value = b;
            bands += Finds(c, p) ? 1 : 0;
        }
        EXPECT_EQ(bands, 1) << units;
        c.value = kAnyChoice;
        EXPECT_TRUE(Finds(c, p)) << units;
    }
    PlayerSearchCriteria c;
    c.league_country = 29;
    c.value = 0;
    EXPECT_TRUE(Finds(c, Player("Cem", 100'000)));
    c.value = 1;
    EXPECT_TRUE(Finds(c, Player("Cem e um", 100'001)));
    EXPECT_TRUE(Finds(c, Player("Quinhentos", 500'000)));
}

TEST_F(PlayerSearch, AgeBandsLeaveNoGap) {
    for (const int age : {14, 15, 16, 25, 26, 36, 37, 80, 81}) {
        const int p = Player("Idade", 200'000, age);
        PlayerSearchCriteria c;
        c.league_country = 29;
        int bands = 0;
        for (int b = 0; b < static_cast<int>(kSearchAgeChoices.size()); ++b) {
            c.age = b;
            bands += Finds(c, p) ? 1 : 0;
        }
        EXPECT_EQ(bands, 1) << age;
        c.age = kAnyChoice;
        EXPECT_TRUE(Finds(c, p)) << age;
    }
}

TEST_F(PlayerSearch, StrengthBandsAtTheirEdges) {
    const struct {
        int strength, band;
    } cases[] = {{1, 0}, {10, 0}, {11, 1}, {30, 1}, {31, 2}, {50, 2}, {51, 3}, {100, 3}};
    for (const auto& k : cases) {
        const int p = Player("Forte");
        w.data().players[p].strength = k.strength;
        PlayerSearchCriteria c;
        c.league_country = 29;
        for (int b = 0; b < 4; ++b) {
            c.strength = b;
            EXPECT_EQ(Finds(c, p), b == k.band) << k.strength << " band " << b;
        }
    }
}

TEST_F(PlayerSearch, NameIsAPrefixWithoutCaseOrLowerCaseAccents) {
    const int joao = Player("João Silva");
    const int pedro = Player("JOAO PEDRO");
    const int sergio = Player("Sérgio João");
    const int capital = Player("JOÃO");
    PlayerSearchCriteria c;
    c.league_country = 29;
    c.name = "joão";
    EXPECT_TRUE(Finds(c, joao));
    EXPECT_TRUE(Finds(c, pedro));
    EXPECT_FALSE(Finds(c, sergio));
    EXPECT_FALSE(Finds(c, capital));
}

TEST_F(PlayerSearch, OnlyClubPlayersOfTheChosenCountryMeetingEveryBox) {
    const int home = Player("Casa");
    const int away = Player("Fora", 200'000, 25, abroad);
    const int free_agent = Player("Livre", 200'000, 25, -1);
    PlayerSearchCriteria c;
    c.league_country = 29;
    EXPECT_TRUE(Finds(c, home));
    EXPECT_FALSE(Finds(c, away));
    EXPECT_FALSE(Finds(c, free_agent));
    c.league_country = kAnyChoice;
    EXPECT_TRUE(Finds(c, away));

    c.on_sale = true;
    EXPECT_FALSE(Finds(c, home));
    w.data().players[home].on_sale = 1;
    EXPECT_TRUE(Finds(c, home));
    c.offered_for_loan = true;
    EXPECT_FALSE(Finds(c, home));
    w.data().players[home].loan_status = 1;
    EXPECT_TRUE(Finds(c, home));
    c.star = true;
    EXPECT_FALSE(Finds(c, home));
    w.data().players[home].star = 1;
    EXPECT_TRUE(Finds(c, home));
    c.side = 1;
    EXPECT_FALSE(Finds(c, home));
    w.data().players[home].side = 1;
    EXPECT_TRUE(Finds(c, home));
    c.position = posGoalkeeper;
    EXPECT_FALSE(Finds(c, home));

    EXPECT_EQ(DefaultSearchCountry(w.data()), 29);
}

}  // namespace
}  // namespace kv
