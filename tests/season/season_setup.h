#pragma once
// Small games built in code for the season tests.

#include <algorithm>
#include <memory>
#include <vector>

#include "core/game_data.h"

namespace kv::test {

inline std::unique_ptr<GameData> NewSeason(int league_format, int season = 1) {
    auto data = std::make_unique<GameData>();
    data->game_state.league_format = league_format;
    data->game_state.season = season;
    for (int& club : data->game_state.human_clubs) club = -1;
    return data;
}

inline void SwitchEverythingOn(GameData& data) {
    t_game_state& gs = data.game_state;
    gs.national_cup_on = 1;
    gs.state_leagues_on = 1;
    gs.continental_cup_on = 1;
    gs.second_continental_cup_on = 1;
    gs.continental_cup_first_season = 1;
    gs.world_cup_on = 1;
    gs.copa_america_on = 1;
    gs.euro_on = 1;
}

inline int AddTeam(GameData& data, int country) {
    t_team& team = data.teams.emplace_back();
    team.country = country;
    return static_cast<int>(data.teams.size()) - 1;
}

// A league of `divisions` full divisions of `size` new clubs; returns its configuration.
inline int AddLeague(GameData& data, int country, int divisions, int size) {
    t_league_config& config = data.league_configs.emplace_back();
    for (auto& division : config.division_clubs)
        std::fill(std::begin(division), std::end(division), -1);
    config.country = country;
    config.division_count = divisions;
    config.club_count = divisions * size;
    const int c = static_cast<int>(data.league_configs.size()) - 1;
    for (int d = 0; d < divisions; ++d)
        for (int slot = 0; slot < size; ++slot) {
            const int team = AddTeam(data, country);
            data.league_configs[c].division_clubs[d][slot] = team;
        }
    return c;
}

inline std::vector<double> DatesOfType(const GameData& data, int day_type) {
    std::vector<double> dates;
    for (const t_calendar_day& day : data.calendar)
        if (day.day_type == day_type) dates.push_back(day.date);
    return dates;
}

inline void MakeHuman(GameData& data, int team) {
    t_game_state& gs = data.game_state;
    gs.human_clubs[gs.human_count++] = team;
    data.teams[team].human = 1;
}

}  // namespace kv::test
