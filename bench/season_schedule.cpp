// The calendar and every fixture list of a whole season, as the season change builds
// them, for the largest world a new game can set up: every country with four divisions
// of 20 clubs, the home country big enough for the cup's extra round, every state
// championship with four groups, and every club competition on in a super-cup year.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/game_data.h"
#include "season/calendar.h"
#include "season/schedule_generator.h"

namespace kv {
namespace {

constexpr int kLeagues = 40;

int NewClub(GameData& data, int country) {
    data.teams.emplace_back().country = country;
    return static_cast<int>(data.teams.size()) - 1;
}

std::unique_ptr<GameData> LargestWorld() {
    auto data = std::make_unique<GameData>();
    t_game_state& gs = data->game_state;
    gs.league_format = kDivisionsOf20;
    gs.season = 3;
    gs.national_cup_on = gs.state_leagues_on = gs.continental_cup_on = 1;
    gs.second_continental_cup_on = gs.world_cup_on = gs.copa_america_on = gs.euro_on = 1;

    for (int l = 0; l < kLeagues; ++l) {
        const int country = l == 0 ? kHomeCountry : 100 + l;
        t_league_config& config = data->league_configs.emplace_back();
        config.country = country;
        config.division_count = 4;
        config.club_count = l == 0 ? 100 : 80;
        for (auto& division : config.division_clubs)
            for (int& slot : division) slot = NewClub(*data, country);
    }
    for (t_state_league& state : data->state_leagues) {
        state.active = 1;
        state.group_count = 4;
        for (auto& group : state.groups)
            for (int& slot : group) slot = NewClub(*data, kHomeCountry);
    }
    for (auto* table : {&gs.continental_groups_south_america, &gs.continental_groups_europe,
                        &gs.continental_groups_africa, &gs.continental_groups_asia,
                        &gs.second_cup_groups_south_america, &gs.second_cup_groups_europe})
        for (auto& group : *table)
            for (int& slot : group) slot = data->league_configs[1].division_clubs[0][0];
    for (int& team : data->second_cup_prelim_teams) team = NewClub(*data, kHomeCountry);
    return data;
}

void BM_SeasonCalendarAndFixtures(benchmark::State& state) {
    auto data = LargestWorld();
    const int configs = static_cast<int>(data->league_configs.size());
    for (auto _ : state) {
        data->fixtures.clear();
        BuildSeasonCalendar(*data);
        for (int c = 0; c < configs; ++c) BuildCompetitionFixtures(*data, ckNationalLeague, c);
        for (int s = 0; s < kStateCount; ++s)
            BuildCompetitionFixtures(*data, ckStateChampionship, s);
        for (int c = 0; c < configs; ++c) BuildCompetitionFixtures(*data, ckNationalCup, c);
        BuildSuperCupFixtures(*data);
        BuildCompetitionFixtures(*data, ckContinentalCup, -1);
        BuildCompetitionFixtures(*data, ckSecondContinentalCup, -1);
        benchmark::DoNotOptimize(data->fixtures.data());
    }
    state.counters["fixtures"] = static_cast<double>(data->fixtures.size());
}
BENCHMARK(BM_SeasonCalendarAndFixtures)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kv
