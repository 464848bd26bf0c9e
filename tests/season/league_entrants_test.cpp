#include "season/league_entrants.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/random.h"
#include "tests/season/draw_world.h"

namespace kv {
namespace {

using test::AddClubs;
using test::NewSeason;
using test::UsableClubFile;

struct SplitCase {
    int format;
    int clubs;
    int divisions;
};

TEST(LeagueEntrants, ClubCountAndFormatGiveTheDivisions) {
    const SplitCase cases[] = {
        {2, 22, 1}, {2, 31, 1}, {2, 32, 1}, {2, 41, 1}, {2, 42, 2}, {2, 61, 2},
        {2, 62, 3}, {2, 81, 3}, {2, 82, 4}, {4, 22, 2}, {4, 31, 2}, {4, 32, 3},
        {4, 41, 3}, {4, 42, 4}, {4, 61, 4}, {4, 62, 4}, {4, 81, 4}, {4, 82, 4},
    };
    for (const SplitCase& sc : cases) {
        SCOPED_TRACE(testing::Message() << "format " << sc.format << ", " << sc.clubs << " clubs");
        SeedRandom(sc.clubs);
        auto data = NewSeason(sc.format);
        data->league_configs.emplace_back().country = 11;
        std::vector<ClubFile> files;
        for (int i = 0; i < sc.clubs; ++i)
            files.push_back(UsableClubFile(11, 1 + (i * 7) % 25, "Clube " + std::to_string(i)));
        ASSERT_EQ(AddCountryClubs(*data, 0, 11, files), sc.clubs);

        const t_league_config& league = data->league_configs[0];
        const int size = sc.format == 2 ? 20 : 10;
        EXPECT_EQ(league.division_count, sc.divisions);
        EXPECT_EQ(league.club_count, sc.clubs);
        EXPECT_EQ(data->game_state.league_club_count, sc.clubs);
        int placed = 0;
        int weakest_above = 99;
        for (int d = 1; d <= 4; ++d) {
            int strongest = 0;
            int weakest = 99;
            for (int slot = 0; slot < 20; ++slot) {
                const int team = league.division_clubs[d - 1][slot];
                EXPECT_EQ(league.standings[d - 1][slot], team);
                if (team < 0) continue;
                ++placed;
                EXPECT_LT(slot, size);
                EXPECT_EQ(data->teams[team].division, d);
                strongest = std::max(strongest, data->teams[team].level);
                weakest = std::min(weakest, data->teams[team].level);
            }
            if (strongest) {
                EXPECT_LE(strongest, weakest_above) << "division " << d << " ranked by level";
            }
            weakest_above = std::min(weakest_above, weakest);
        }
        EXPECT_EQ(placed, std::min(sc.clubs, sc.divisions * size));
        const auto outside = std::count_if(data->teams.begin(), data->teams.end(),
                                           [](const t_team& t) { return t.division == 0; });
        EXPECT_EQ(outside, sc.clubs - placed) << "clubs past the last division keep division 0";
    }
}

TEST(LeagueEntrants, OnlyUsableClubFilesOfTheCountryBecomeTeams) {
    auto data = NewSeason(2);
    data->league_configs.emplace_back().country = 29;
    std::vector<ClubFile> files;
    files.push_back(UsableClubFile(29, 18, "Primeiro"));
    files.push_back(UsableClubFile(11, 18, "Outro país"));
    files.push_back(UsableClubFile(29, 18, "Versão velha"));
    files.back().club.version = 13;
    files.push_back(UsableClubFile(29, 18, "Sem elenco"));
    files.back().club.squad_complete = 0;
    files.push_back(UsableClubFile(29, 18, ""));
    files.push_back(UsableClubFile(29, 12, "Último"));
    files.back().club.state = 25;

    EXPECT_EQ(AddCountryClubs(*data, 0, 29, files), 2);
    ASSERT_EQ(data->teams.size(), 2u);
    EXPECT_EQ(data->teams[0].name.str(), "Primeiro");
    EXPECT_EQ(data->teams[1].name.str(), "Último");
    EXPECT_EQ(data->teams[1].picture_name.str(), "Último");
    EXPECT_EQ(data->teams[1].state, 25);
    EXPECT_EQ(data->teams[1].level, 12);
    EXPECT_EQ(data->teams[1].country, 29);
    ASSERT_EQ(data->team_file_names.size(), 2u);
    EXPECT_EQ(data->team_file_names[1], "Último.b14");
}

std::vector<int> TopClubOrder(const GameData& data, int country) {
    t_top_clubs list;
    PickTopClubs(data, country, list);
    return std::vector<int>(list.clubs, list.clubs + std::max(list.count, 0));
}

TEST(LeagueEntrants, TopClubsRankByLevelKeyAndStrongClubsMaySlipLater) {
    auto data = NewSeason(2);
    // Levels 19, 17, 15, 14: keys 18, 17, 15, 14.
    const std::vector<int> clubs = {test::AddTeam(*data, 60), test::AddTeam(*data, 60),
                                    test::AddTeam(*data, 60), test::AddTeam(*data, 60)};
    const int levels[] = {15, 19, 14, 17};
    for (int i = 0; i < 4; ++i) data->teams[clubs[i]].level = levels[i];
    data->game_state.background_club_count = 4;

    bool slipped = false;
    for (int seed = 0; seed < 200; ++seed) {
        SeedRandom(seed);
        data->game_state.season = 1;
        EXPECT_EQ(TopClubOrder(*data, 60),
                  (std::vector<int>{clubs[1], clubs[3], clubs[0], clubs[2]}));
        data->game_state.season = 2;
        const std::vector<int> later = TopClubOrder(*data, 60);
        ASSERT_EQ(later.size(), 4u);
        EXPECT_EQ(std::vector<int>(later.begin() + 2, later.end()),
                  (std::vector<int>{clubs[0], clubs[2]}))
            << "a club below level 16 never moves";
        slipped = slipped || later[0] == clubs[3];
    }
    EXPECT_TRUE(slipped) << "from the second season the level-19 club sometimes drops behind";
}

TEST(LeagueEntrants, TopClubListHoldsTheTenBest) {
    SeedRandom(3);
    auto data = NewSeason(2);
    const std::vector<int> clubs = AddClubs(*data, 3, 14, 15);
    AddClubs(*data, 65, 3, 25);
    t_top_clubs list;
    PickTopClubs(*data, 3, list);
    EXPECT_EQ(list.count, 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(data->teams[list.clubs[i]].country, 3);
    EXPECT_EQ(list.clubs[0], clubs[0]);

    PickTopClubs(*data, 46, list);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.clubs[0], -1);
}

TEST(LeagueEntrants, ContinentalPlacesByCountryCupAndRegion) {
    struct Case {
        int country, kind, region, places;
    };
    const Case cases[] = {
        {29, 4, crSouthAmerica, 4}, {131, 6, crSouthAmerica, 3},
        {26, 4, crSouthAmerica, 2}, {0, 4, crSouthAmerica, 0},
        {65, 4, crEurope, 4},       {3, 4, crEurope, 3},
        {159, 4, crEurope, 1},      {2, 4, crEurope, 1},
        {3, 6, crEurope, 3},        {159, 6, crEurope, 0},
        {27, 6, crEurope, 1},       {2, 6, crEurope, 0},
        {57, 4, crAfrica, 3},       {36, 4, crAfrica, 2},
        {23, 4, crAfrica, 1},       {57, 6, crAfrica, 0},
        {107, 4, crAsia, 4},        {98, 4, crAsia, 3},
        {14, 4, crAsia, 2},         {0, 4, crAsia, 1},
        {9, 6, crAsia, 0},          {29, 4, 0, 0},
        {29, 5, crSouthAmerica, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContinentalCupPlaces(c.country, c.kind, c.region), c.places)
            << c.country << " kind " << c.kind << " region " << c.region;
}

TEST(LeagueEntrants, TopClubListsFollowTheDivisionOneStandings) {
    auto data = NewSeason(2);
    const int c = test::AddDealtLeague(*data, 3, 40);
    auto& standings = data->league_configs[c].standings[0];
    std::reverse(std::begin(standings), std::end(standings));
    PrepareContinentalCups(*data, 1, -1);
    ASSERT_EQ(data->top_club_lists.size(), 1u);
    const t_top_clubs& list = data->top_club_lists[0];
    EXPECT_EQ(list.count, 8);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(list.clubs[i], standings[i]);
}

}  // namespace
}  // namespace kv
