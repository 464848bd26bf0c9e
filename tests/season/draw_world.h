#pragma once
// Small worlds of clubs and national teams for the tests of the draws.

#include <set>
#include <string>
#include <vector>

#include "core/club_file.h"
#include "core/game_data.h"
#include "season/league_entrants.h"
#include "tests/season/season_setup.h"

namespace kv::test {

// `count` clubs of the country with levels top, top - 1, ... (never below 1), counted as
// background clubs: add every club before the first national team.
inline std::vector<int> AddClubs(GameData& data, int country, int count, int top_level = 20) {
    std::vector<int> clubs;
    for (int i = 0; i < count; ++i) {
        const int team = AddTeam(data, country);
        data.teams[team].level = std::max(1, top_level - i);
        clubs.push_back(team);
    }
    data.game_state.background_club_count += count;
    return clubs;
}

// A league of `count` clubs of the country dealt into divisions as a new game does.
inline int AddDealtLeague(GameData& data, int country, int count, int top_level = 25) {
    t_league_config& config = data.league_configs.emplace_back();
    config.country = country;
    const int c = static_cast<int>(data.league_configs.size()) - 1;
    std::vector<int> clubs;
    for (int i = 0; i < count; ++i) {
        const int team = AddTeam(data, country);
        data.teams[team].level = std::max(1, top_level - i / 4);
        clubs.push_back(team);
    }
    SplitIntoDivisions(data, c, clubs);
    data.league_configs[c].club_count = count;
    data.game_state.league_club_count += count;
    return c;
}

// A national team of the country; continent as the national-team loader sets it.
inline int AddNationalTeam(GameData& data, int country, int continent, int level) {
    const int team = AddTeam(data, country);
    data.teams[team].level = level;
    t_national_team_entry& entry = data.national_team_list.emplace_back();
    entry.country = country;
    entry.continent = continent;
    entry.level = level;
    entry.team = team;
    data.teams[team].state = static_cast<int>(data.national_team_list.size()) - 1;
    return team;
}

inline ClubFile UsableClubFile(int country, int level, const std::string& name) {
    ClubFile file;
    file.real_name = name + ".b14";
    file.club.country = static_cast<std::uint8_t>(country);
    file.club.squad_complete = 1;
    file.club.version = kClubFileVersion;
    file.club.level = static_cast<std::uint8_t>(level);
    file.club.short_name.set(name);
    file.club.picture_name.set(name);
    return file;
}

template <class Table>
std::set<int> TeamsIn(const Table& table) {
    std::set<int> teams;
    for (const auto& row : table)
        for (const int team : row)
            if (team >= 0) teams.insert(team);
    return teams;
}

template <class Table>
int EmptySlots(const Table& table) {
    int empty = 0;
    for (const auto& row : table)
        for (const int team : row) empty += team < 0;
    return empty;
}

}  // namespace kv::test
