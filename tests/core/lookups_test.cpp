#include "core/lookups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/game_data.h"

namespace kv {
namespace {

class LookupsTest : public testing::Test {
  protected:
    void SetUp() override { Game().Reset(); }
    void TearDown() override { Game().Reset(); }
};

TEST_F(LookupsTest, CompetitionIdsMatchTheKeyOfEachKind) {
    Game().competitions = {
        {0, -1, -1},  // 0 friendly placeholder
        {1, 29, 1},  {1, 29, 2},  {2, 29, -1}, {3, 25, 1},  {3, 25, 2}, {4, -1, 1},
        {4, -1, 0},  {4, -1, 2},  {4, -1, 3},  {5, -1, -1}, {6, -1, 1}, {6, -1, 0},
        {10, -1, 1}, {10, -1, 0}, {7, -1, -1}, {1, 3, 1},   {2, 3, -1},
    };
    const struct {
        std::int32_t kind, country, division, state, group, id;
    } cases[] = {
        {0, 29, 1, 0, 0, 0},  // a friendly is always the placeholder
        {1, 29, 1, -1, -1, 1},  {1, 29, 2, -1, -1, 2},   {1, 29, 3, -1, -1, 0},
        {1, 3, 1, -1, -1, 16},  {2, 29, 7, -1, -1, 3},  // the cup ignores the division
        {2, 3, 1, -1, -1, 17},  {2, 42, -1, -1, -1, 0},  {3, -1, -1, 25, 2, 5},
        {3, 29, 1, 25, 1, 4},   {3, 29, 1, 24, 1, 0},    {4, 29, 1, -1, -1, 6},
        {4, 131, 1, -1, -1, 6},  // México plays the South American cup
        {4, 3, 1, -1, -1, 7},   {4, 1, 1, -1, -1, 8},    {4, 49, 1, -1, -1, 9},
        {4, 14, 1, -1, -1, 9},  {4, 68, 1, -1, -1, 0},  // North America has no cup
        {4, 69, 1, -1, -1, 0},  {6, 29, 1, -1, -1, 11},  {6, 72, 1, -1, -1, 12},
        {6, 1, 1, -1, -1, 0},   {10, 29, 1, -1, -1, 13}, {10, 3, 1, -1, -1, 14},
        {10, 49, 1, -1, -1, 0}, {5, 29, 1, -1, -1, 10},  {7, 29, 1, 3, 3, 15},
        {8, -1, -1, -1, -1, 0}, {11, 29, 1, -1, -1, 0},  {-1, 29, 1, -1, -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindCompetitionId(c.kind, c.country, c.division, c.state, c.group), c.id)
            << c.kind << " " << c.country << " " << c.division << " " << c.state << " " << c.group;

    Game().competitions.clear();
    EXPECT_EQ(FindCompetitionId(1, 29, 1, -1, -1), 0);
}

TEST_F(LookupsTest, EveryRealCountryHasExactlyOneContinent) {
    std::vector<int> counts(6);
    for (int country = 0; country < 202; ++country) {
        const TContinent continent = ContinentOfCountry(country);
        ASSERT_GE(continent, 0);
        ASSERT_LT(continent, 6);
        ++counts[static_cast<std::size_t>(continent)];
        const auto listed = CountriesOfContinent(continent);
        EXPECT_TRUE(std::binary_search(listed.begin(), listed.end(), country)) << country;
    }
    EXPECT_EQ(counts, (std::vector<int>{55, 11, 50, 46, 34, 6}));
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(CountriesOfContinent(static_cast<TContinent>(c)).size(),
                  static_cast<std::size_t>(counts[static_cast<std::size_t>(c)]));
}

TEST_F(LookupsTest, ContinentsOfSomeCountries) {
    const struct {
        int country;
        TContinent continent;
    } cases[] = {
        {3, ctEurope},         {97, ctEurope},        {193, ctEurope}, {29, ctSouthAmerica},
        {131, ctSouthAmerica}, {198, ctSouthAmerica}, {1, ctAfrica},   {201, ctAfrica},
        {0, ctAsia},           {14, ctAsia},          {41, ctAsia},    {68, ctNorthAmerica},
        {38, ctNorthAmerica},  {189, ctNorthAmerica}, {69, ctOceania}, {143, ctOceania},
        {202, ctEurope},       {250, ctEurope},       {-1, ctEurope},
    };
    for (const auto& c : cases) EXPECT_EQ(ContinentOfCountry(c.country), c.continent) << c.country;
}

TEST_F(LookupsTest, LeagueConfigIsTheFirstOfTheCountry) {
    EXPECT_EQ(FindLeagueConfig(29), -1);
    for (int country : {29, 3, 29}) AppendRecord(Game().league_configs).country = country;
    EXPECT_EQ(FindLeagueConfig(29), 0);
    EXPECT_EQ(FindLeagueConfig(3), 1);
    EXPECT_EQ(FindLeagueConfig(42), -1);
}

// A new game is built in its own GameData before it is swapped in.
TEST_F(LookupsTest, LookUpsReadTheGameTheyAreGiven) {
    GameData fresh;
    AppendRecord(fresh.league_configs).country = 42;
    fresh.competitions = {{0, -1, -1}, {2, 42, -1}};
    AppendRecord(fresh.teams).country = 42;
    fresh.game_state.league_club_count = 1;
    EXPECT_EQ(FindLeagueConfig(fresh, 42), 0);
    EXPECT_EQ(FindCompetitionId(fresh, 2, 42, -1, -1, -1), 1);
    EXPECT_EQ(CountClubsOfCountry(fresh, 42), 1);
    EXPECT_EQ(FindLeagueConfig(42), -1);
    EXPECT_EQ(FindCompetitionId(2, 42, -1, -1, -1), 0);
    EXPECT_EQ(CountClubsOfCountry(42), 0);
}

TEST_F(LookupsTest, ClubsOfACountryLeaveOutNationalTeams) {
    for (int country : {29, 29, 3, 29, 3, 29, 3}) AppendRecord(Game().teams).country = country;
    Game().game_state.league_club_count = 3;
    Game().game_state.background_club_count = 2;  // teams 5 and 6 are national teams
    EXPECT_EQ(CountClubsOfCountry(29), 3);
    EXPECT_EQ(CountClubsOfCountry(3), 2);
    EXPECT_EQ(CountClubsOfCountry(42), 0);

    // Counts larger than the table, as a damaged saved game could hold, stop at its end.
    Game().game_state.background_club_count = 1000;
    EXPECT_EQ(CountClubsOfCountry(29), 4);
    Game().game_state.league_club_count = -5;
    Game().game_state.background_club_count = 0;
    EXPECT_EQ(CountClubsOfCountry(29), 0);
}

}  // namespace
}  // namespace kv
