#include "season/competition_registry.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::NewSeason;

struct Entry {
    int kind, area, division;
};

std::vector<Entry> Registry(const GameData& data) {
    std::vector<Entry> entries;
    for (const t_competition& c : data.competitions)
        entries.push_back({c.kind, c.area, c.division});
    return entries;
}

void ExpectRegistry(const GameData& data, const std::vector<Entry>& expected) {
    const std::vector<Entry> actual = Registry(data);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].kind, expected[i].kind) << "id " << i;
        EXPECT_EQ(actual[i].area, expected[i].area) << "id " << i;
        EXPECT_EQ(actual[i].division, expected[i].division) << "id " << i;
    }
}

void AddConfig(GameData& data, int country, int divisions) {
    t_league_config& config = data.league_configs.emplace_back();
    config.country = country;
    config.division_count = divisions;
}

void AddStates(GameData& data, std::initializer_list<std::pair<int, int>> state_groups) {
    for (auto [state, groups] : state_groups) {
        data.state_leagues[state].group_count = groups;
        data.state_leagues[state].active = groups > 0;
    }
}

// The expected registries read one competition kind per line.
// clang-format off
TEST(CompetitionRegistry, OneLeagueOfFourDivisionsWithCupAndContinentalCups) {
    auto data = NewSeason(2);
    AddConfig(*data, 11, 4);
    t_game_state& gs = data->game_state;
    gs.national_cup_on = 1;
    gs.continental_cup_on = 1;
    BuildCompetitionRegistry(*data);
    ExpectRegistry(*data, {{0, -1, -1},
                           {1, 11, 1}, {1, 11, 2}, {1, 11, 3}, {1, 11, 4},
                           {2, 11, -1},
                           {4, -1, 0}, {4, -1, 1}, {4, -1, 2}, {4, -1, 3},
                           {5, -1, -1}});

    gs.second_continental_cup_on = 1;
    gs.world_cup_on = 1;
    gs.copa_america_on = 1;
    gs.euro_on = 1;
    BuildCompetitionRegistry(*data);  // built from scratch, not appended to
    ExpectRegistry(*data, {{0, -1, -1},
                           {1, 11, 1}, {1, 11, 2}, {1, 11, 3}, {1, 11, 4},
                           {2, 11, -1},
                           {4, -1, 0}, {4, -1, 1}, {4, -1, 2}, {4, -1, 3},
                           {5, -1, -1},
                           {6, -1, 0}, {6, -1, 1},
                           {10, -1, 0}, {10, -1, 1},
                           {7, -1, -1}, {8, -1, -1}, {9, -1, -1}});
}

TEST(CompetitionRegistry, StatesFollowTheLeaguesWithoutNationalCup) {
    auto data = NewSeason(2);
    AddConfig(*data, 29, 2);
    AddConfig(*data, 11, 1);
    AddStates(*data, {{0, 0}, {3, 2}, {10, 1}, {25, 4}});
    data->state_leagues[10].active = 0;  // not played although it has a group
    data->game_state.state_leagues_on = 1;
    BuildCompetitionRegistry(*data);
    ExpectRegistry(*data, {{0, -1, -1},
                           {1, 29, 1}, {1, 29, 2}, {1, 11, 1},
                           {3, 3, 1}, {3, 3, 2},
                           {3, 25, 1}, {3, 25, 2}, {3, 25, 3}, {3, 25, 4}});

    data->game_state.national_cup_on = 1;
    BuildCompetitionRegistry(*data);
    ExpectRegistry(*data, {{0, -1, -1},
                           {1, 29, 1}, {1, 29, 2}, {1, 11, 1},
                           {2, 29, -1}, {2, 11, -1},
                           {3, 3, 1}, {3, 3, 2},
                           {3, 25, 1}, {3, 25, 2}, {3, 25, 3}, {3, 25, 4}});
}

TEST(CompetitionRegistry, RegionalDivisionHasItsIdWhileStillEmpty) {
    auto data = NewSeason(2);
    AddConfig(*data, 29, 3);
    AddConfig(*data, 11, 3);
    data->game_state.home_regional_division = 1;
    BuildCompetitionRegistry(*data);
    ExpectRegistry(*data, {{0, -1, -1},
                           {1, 29, 1}, {1, 29, 2}, {1, 29, 3}, {1, 29, 4},
                           {1, 11, 1}, {1, 11, 2}, {1, 11, 3}});
}

TEST(CompetitionRegistry, CupsSwitchedOffLeaveNoEntries) {
    auto data = NewSeason(2);
    AddConfig(*data, 11, 1);
    data->game_state.second_continental_cup_on = 1;  // without the first: no super cup
    BuildCompetitionRegistry(*data);
    ExpectRegistry(*data, {{0, -1, -1}, {1, 11, 1}, {6, -1, 0}, {6, -1, 1}});
}

// clang-format on

}  // namespace
}  // namespace kv
