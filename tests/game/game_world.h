#pragma once
// Small games built in the running game for the tests of the round close and the season change.

#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/random.h"
#include "game/game_windows.h"

namespace kv::test {

// Answers every window the game asks for as closed and remembers which were asked.
class NoWindows : public GameWindows {
  public:
    bool Show(const WindowRequest& request) override {
        shown.push_back(request.window);
        return false;
    }
    std::vector<GameWindow> shown;
};

inline GameData& FreshGame(int league_format, std::uint64_t seed = 7) {
    Game().Reset();
    SeedRandom(seed);
    GameData& data = Game();
    data.game_state.league_format = league_format;
    data.game_state.season = 1;
    for (int& club : data.game_state.human_clubs) club = -1;
    for (int& coach : data.game_state.human_coaches) coach = -1;
    return data;
}

// A club with its own computer coach and finance record.
inline int AddClub(GameData& data, int country, int level = 10) {
    const int team = static_cast<int>(data.teams.size());
    t_team& t = data.teams.emplace_back();
    t.country = country;
    t.level = level;
    t.name.set("Clube " + std::to_string(team));
    const int coach = static_cast<int>(data.coaches.size());
    t_coach& c = data.coaches.emplace_back();
    c.name.set("Técnico " + std::to_string(coach));
    c.club = team;
    c.employed = 1;
    t.coach = coach;
    data.finances.resize(data.teams.size());
    ++data.game_state.league_club_count;
    return team;
}

// A league of `divisions` divisions of `size` clubs, standings in slot order.
inline int AddLeague(GameData& data, int country, int divisions, int size) {
    t_league_config& config = data.league_configs.emplace_back();
    for (auto& row : config.division_clubs) std::fill(std::begin(row), std::end(row), -1);
    for (auto& row : config.standings) std::fill(std::begin(row), std::end(row), -1);
    config.country = country;
    config.division_count = divisions;
    config.club_count = divisions * size;
    const int c = static_cast<int>(data.league_configs.size()) - 1;
    for (int d = 0; d < divisions; ++d)
        for (int slot = 0; slot < size; ++slot) {
            const int team = AddClub(data, country);
            data.teams[team].division = d + 1;
            data.league_configs[c].division_clubs[d][slot] = team;
            data.league_configs[c].standings[d][slot] = team;
        }
    return c;
}

// Sets a team's tallies of a kind: points follow from wins and draws.
inline void SetTally(GameData& data, int team, int kind, int wins, int draws, int losses,
                     int goals_for, int goals_against) {
    t_team& t = data.teams[team];
    t.wins[kind] = wins;
    t.losses[kind] = losses;
    t.played[kind] = wins + draws + losses;
    t.points[kind] = 3 * wins + draws;
    t.goals_for[kind] = goals_for;
    t.goals_against[kind] = goals_against;
}

}  // namespace kv::test
