#include "season/competition_registry.h"

#include <algorithm>

#include "core/game_data.h"

namespace kv {
namespace {

void Register(GameData& data, int kind, int area, int division) {
    t_competition& c = data.competitions.emplace_back();
    c.kind = kind;
    c.area = area;
    c.division = division;
}

}  // namespace

void BuildCompetitionRegistry(GameData& data) {
    const t_game_state& gs = data.game_state;
    data.competitions.clear();
    Register(data, ckFriendly, -1, -1);

    for (const t_league_config& config : data.league_configs) {
        // The regional fourth division has its id from the start, while it is still empty.
        const int divisions = config.country == kHomeCountry && gs.home_regional_division
                                  ? 4
                                  : std::clamp(config.division_count, 0, 4);
        for (int d = 1; d <= divisions; ++d) Register(data, ckNationalLeague, config.country, d);
    }
    if (gs.national_cup_on)
        for (const t_league_config& config : data.league_configs)
            Register(data, ckNationalCup, config.country, -1);
    if (gs.state_leagues_on) {
        for (int s = 0; s < static_cast<int>(std::size(data.state_leagues)); ++s) {
            const t_state_league& state = data.state_leagues[s];
            if (!state.active) continue;
            for (int g = 1; g <= std::min(state.group_count, 4); ++g)
                Register(data, ckStateChampionship, s, g);
        }
    }
    if (gs.continental_cup_on) {
        for (int continent = ctEurope; continent <= ctAsia; ++continent)
            Register(data, ckContinentalCup, -1, continent);
        Register(data, ckClubWorldCup, -1, -1);
    }
    if (gs.second_continental_cup_on)
        for (int continent = ctEurope; continent <= ctSouthAmerica; ++continent)
            Register(data, ckSecondContinentalCup, -1, continent);
    if (gs.continental_cup_on && gs.second_continental_cup_on)
        for (int continent = ctEurope; continent <= ctSouthAmerica; ++continent)
            Register(data, ckSuperCup, -1, continent);
    if (gs.world_cup_on) Register(data, ckWorldCup, -1, -1);
    if (gs.copa_america_on) Register(data, ckAmericasNationsCup, -1, -1);
    if (gs.euro_on) Register(data, ckEuropeanNationsCup, -1, -1);
}

}  // namespace kv
