#include "season/national_tournaments.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/lookups.h"
#include "core/random.h"
#include "season/calendar.h"
#include "tests/season/draw_world.h"

namespace kv {
namespace {

using test::AddNationalTeam;
using test::NewSeason;

int TeamContinent(int country) {
    return country == 131 ? ctNorthAmerica : ContinentOfCountry(country);
}

// National teams for the first `per_continent[c]` countries of each continent, levels
// falling from 25 in country order.
std::unique_ptr<GameData> NationsWorld(std::array<int, 6> per_continent,
                                       std::set<int> without = {}) {
    auto data = NewSeason(2);
    data->game_state.world_cup_on = 1;
    for (int continent = 0; continent < 6; ++continent) {
        int added = 0;
        for (const int country : CountriesOfContinent(static_cast<TContinent>(continent))) {
            if (added == per_continent[continent]) break;
            if (without.count(country) || TeamContinent(country) != continent) continue;
            AddNationalTeam(*data, country, continent, std::max(1, 25 - added));
            ++added;
        }
    }
    return data;
}

// Every national team of the countries named, at level 10, on top of a plain world.
void AddCountries(GameData& data, std::initializer_list<int> countries) {
    for (const int country : countries)
        if (FindNationalTeam(data, country) < 0)
            AddNationalTeam(data, country, TeamContinent(country), 10);
}

int CountryAt(const GameData& data, int group, int slot) {
    const int team = data.game_state.tournament_groups[group - 1][slot - 1];
    return team >= 0 ? data.teams[team].country : -1;
}

void ExpectFlagsAndRanking(const GameData& data, int groups) {
    const t_game_state& gs = data.game_state;
    std::set<int> drawn;
    for (int g = 1; g <= groups; ++g)
        for (int s = 1; s <= 4; ++s) {
            const int team = gs.tournament_groups[g - 1][s - 1];
            ASSERT_GE(team, 0) << "group " << g << " slot " << s;
            EXPECT_TRUE(drawn.insert(team).second) << "team drawn twice";
            EXPECT_EQ(data.teams[team].tournament_group, g);
            EXPECT_EQ(data.teams[team].group_slot, s);
            EXPECT_TRUE(data.teams[team].in_tournament);
        }
    std::vector<int> ranking;
    for (const auto& row : gs.tournament_ranking)
        for (const int team : row)
            if (team >= 0) ranking.push_back(team);
    EXPECT_EQ(ranking.size(), drawn.size());
    for (std::size_t i = 1; i < ranking.size(); ++i)
        EXPECT_GE(data.teams[ranking[i - 1]].level, data.teams[ranking[i]].level);
    EXPECT_EQ(gs.tournament_round, 1);
    EXPECT_EQ(gs.tournament_leg, 1);
    EXPECT_EQ(gs.tournament_notice_done, 0);
    EXPECT_EQ(gs.tournament_callups_done, 0);
    for (const int team : gs.tournament_human_teams) EXPECT_EQ(team, -1);
}

constexpr int kRealGroups[8][4] = {
    {29, 52, 131, 36}, {65, 85, 42, 14},  {46, 78, 50, 107}, {195, 51, 97, 104},
    {180, 60, 72, 86}, {11, 27, 98, 141}, {3, 154, 75, 68},  {21, 10, 162, 49},
};

TEST(NationalTournaments, RealWorldCupGroupsAreUsedOnce) {
    auto data = NationsWorld({20, 10, 10, 10, 6, 2});
    for (const auto& group : kRealGroups)
        AddCountries(*data, {group[0], group[1], group[2], group[3]});
    data->game_state.real_world_cup_groups = 1;
    StartWorldCup(*data);

    for (int g = 1; g <= 8; ++g)
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(CountryAt(*data, g, s), kRealGroups[g - 1][s - 1]);
    ExpectFlagsAndRanking(*data, 8);
    EXPECT_EQ(data->game_state.real_world_cup_groups, 0);
    EXPECT_EQ(data->game_state.world_cup_on, 1);
}

TEST(NationalTournaments, MissingRealGroupCountryGivesItsPlaceToItsContinent) {
    auto data = NationsWorld({0, 0, 0, 0, 0, 0});
    for (const auto& group : kRealGroups)
        for (const int country : group)
            if (country != 86) AddCountries(*data, {country});  // no Honduras
    const int panama = AddNationalTeam(*data, 147, ctNorthAmerica, 12);
    AddNationalTeam(*data, 106, ctNorthAmerica, 8);
    AddNationalTeam(*data, 2, ctEurope, 20);
    data->game_state.real_world_cup_groups = 1;
    StartWorldCup(*data);
    EXPECT_EQ(data->game_state.tournament_groups[4][3], panama) << "the best free North American";
    ExpectFlagsAndRanking(*data, 8);

    // With nobody left to take the place, the world cup is not played.
    auto bare = NationsWorld({0, 0, 0, 0, 0, 0});
    for (const auto& group : kRealGroups)
        for (const int country : group)
            if (country != 86) AddCountries(*bare, {country});
    bare->game_state.real_world_cup_groups = 1;
    StartWorldCup(*bare);
    EXPECT_EQ(bare->game_state.world_cup_on, 0);
    for (const t_team& team : bare->teams) EXPECT_FALSE(team.in_tournament);
}

TEST(NationalTournaments, DrawnWorldCupFillsTheContinentalQuotasAroundTheHost) {
    bool oceania_played = false, oceania_moved = false;
    for (int seed = 0; seed < 30; ++seed) {
        SeedRandom(seed);
        auto data = NationsWorld({20, 9, 9, 9, 6, 3});  // host Brasil (edition 0) is South American
        StartWorldCup(*data);
        ASSERT_EQ(data->game_state.world_cup_on, 1);
        ExpectFlagsAndRanking(*data, 8);
        EXPECT_EQ(data->game_state.tournament_host_number, 1);

        std::map<int, int> by_continent;
        std::set<int> seeds;
        for (int g = 0; g < 8; ++g) {
            for (const int team : data->game_state.tournament_groups[g])
                ++by_continent[data->national_team_list[data->teams[team].state].continent];
            seeds.insert(data->game_state.tournament_groups[g][0]);
        }
        EXPECT_EQ(by_continent[ctEurope], 13);
        EXPECT_EQ(by_continent[ctAfrica], 5);
        EXPECT_EQ(by_continent[ctAsia], 5);
        EXPECT_EQ(by_continent[ctNorthAmerica], 3);
        EXPECT_EQ(by_continent[ctSouthAmerica] + by_continent[ctOceania], 6);
        EXPECT_LE(by_continent[ctOceania], 1);
        (by_continent[ctOceania] ? oceania_played : oceania_moved) = true;
        const int brasil = FindNationalTeam(*data, 29);
        EXPECT_TRUE(seeds.count(brasil)) << "the host heads a group";
        int european_seeds = 0;
        for (const int team : seeds)
            european_seeds += data->teams[team].country != 29 &&
                              ContinentOfCountry(data->teams[team].country) == ctEurope;
        EXPECT_EQ(european_seeds, 5);
    }
    EXPECT_TRUE(oceania_played);
    EXPECT_TRUE(oceania_moved) << "half the draws give Oceania's place to South America";
}

TEST(NationalTournaments, HostWithoutATeamGivesEuropeAFourteenthPlace) {
    SeedRandom(7);
    auto data = NationsWorld({20, 9, 9, 9, 6, 3}, {29});
    StartWorldCup(*data);
    ASSERT_EQ(data->game_state.world_cup_on, 1);
    int european = 0;
    for (const auto& group : data->game_state.tournament_groups)
        for (const int team : group)
            european += data->national_team_list[data->teams[team].state].continent == ctEurope;
    EXPECT_EQ(european, 14);
}

TEST(NationalTournaments, ShortContinentsLendTheirPlacesAndTooFewTeamsCancel) {
    SeedRandom(8);
    auto short_africa = NationsWorld({20, 9, 2, 9, 6, 3});
    StartWorldCup(*short_africa);
    ASSERT_EQ(short_africa->game_state.world_cup_on, 1);
    ExpectFlagsAndRanking(*short_africa, 8);

    auto tiny = NationsWorld({10, 5, 5, 5, 3, 1});  // 29 teams
    tiny->teams[0].in_tournament = 1;
    StartWorldCup(*tiny);
    EXPECT_EQ(tiny->game_state.world_cup_on, 0);
    for (const t_team& team : tiny->teams) EXPECT_FALSE(team.in_tournament);
}

TEST(NationalTournaments, WorldCupCancelledByItsDrawGetsNoCalendarDays) {
    for (const bool enough : {true, false}) {
        SeedRandom(10);
        auto data = enough ? NationsWorld({20, 9, 9, 9, 6, 3}) : NationsWorld({10, 5, 5, 5, 3, 1});
        ASSERT_TRUE(IsWorldCupYear(*data));
        StartWorldCup(*data);
        BuildSeasonCalendar(*data);
        EXPECT_EQ(test::DatesOfType(*data, ckWorldCup).empty(), !enough);
    }
}

TEST(NationalTournaments, WorldCupHostsRotate) {
    const std::pair<int, int> cases[] = {{0, 29},  {1, 162},  {6, 131}, {10, 3},
                                         {11, 29}, {20, 107}, {21, 29}, {50, 107}};
    for (const auto& [edition, host] : cases) {
        auto data = NewSeason(2);
        data->game_state.world_cup_edition = edition;
        EXPECT_EQ(WorldCupHost(*data), host) << edition;
    }
}

TEST(NationalTournaments, AmericasCupUsesOneOfTheFixedLayouts) {
    const std::set<int> americas = {11, 26, 29, 42, 46, 51, 60, 68, 131, 150, 151, 195, 198};
    for (int seed = 0; seed < 10; ++seed) {
        SeedRandom(seed);
        auto data = NationsWorld({3, 0, 0, 0, 0, 0});
        for (const int country : americas) AddCountries(*data, {country});
        data->game_state.americas_cup_edition = 9;
        StartAmericasNationsCup(*data);
        ExpectFlagsAndRanking(*data, 3);
        for (int g = 4; g <= 8; ++g) EXPECT_EQ(CountryAt(*data, g, 1), -1);
        const std::set<int> layout_of_one = {CountryAt(*data, 1, 1), CountryAt(*data, 2, 1),
                                             CountryAt(*data, 3, 1)};
        EXPECT_TRUE(layout_of_one.count(11) || layout_of_one.count(29))
            << "a big country heads a group";
        EXPECT_EQ(data->game_state.tournament_host_number, 3);
    }
}

TEST(NationalTournaments, EuropeanCupGroupsComeFromThreePots) {
    const std::set<int> pot1 = {3, 97, 65, 104, 72, 85, 154, 159};
    const std::set<int> pot2 = {78, 162, 179, 192, 152, 193, 54, 52};
    const std::set<int> pot3 = {160, 142, 171, 31, 63, 180, 21, 100};
    SeedRandom(9);
    auto data = NationsWorld({0, 0, 0, 0, 0, 0});
    for (const auto* pot : {&pot1, &pot2, &pot3})
        for (const int country : *pot) AddCountries(*data, {country});
    data->game_state.european_cup_edition = 8;
    StartEuropeanNationsCup(*data);
    ExpectFlagsAndRanking(*data, 4);
    for (int g = 1; g <= 4; ++g) {
        EXPECT_TRUE(pot1.count(CountryAt(*data, g, 1)));
        EXPECT_TRUE(pot1.count(CountryAt(*data, g, 2)));
        EXPECT_TRUE(pot2.count(CountryAt(*data, g, 3)));
        EXPECT_TRUE((g <= 2 ? pot2 : pot3).count(CountryAt(*data, g, 4)));
    }
    EXPECT_EQ(data->game_state.tournament_host_number, 2);
}

TEST(NationalTournaments, GeneratedStrengthByLevelSeasonRoleAndStar) {
    struct Case {
        int season, level, role, star, base;
    };
    const Case cases[] = {
        {1, 12, 1, 1, 17 + 3 + 5}, {2, 3, 0, 0, 7}, {3, 3, 0, 0, 12}, {3, 25, 0, 1, 95},
        {1, 21, 2, 0, 50},         {1, 0, 0, 0, 0}, {5, 26, 1, 0, 3},
    };
    for (const Case& c : cases) {
        auto data = NewSeason(2, c.season);
        t_player player{};
        player.squad_role = c.role;
        player.star = static_cast<std::uint8_t>(c.star);
        std::set<int> seen;
        for (int seed = 0; seed < 60; ++seed) {
            SeedRandom(seed);
            seen.insert(GeneratedPlayerStrength(*data, player, c.level) - c.base);
        }
        EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}))
            << "season " << c.season << " level " << c.level;
    }
}

}  // namespace
}  // namespace kv
