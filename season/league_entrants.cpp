#include "season/league_entrants.h"

#include <algorithm>
#include <vector>

#include "core/club_file.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/random.h"
#include "season/continental_draws.h"
#include "season/draw_helpers.h"
#include "season/histories.h"
#include "season/schedule_generator.h"

namespace kv {
namespace {

int DivisionCountFor(int clubs, int league_format) {
    if (league_format == kDivisionsOf20) {
        if (clubs >= 82) return 4;
        if (clubs >= 62) return 3;
        if (clubs >= 42) return 2;
        return 1;
    }
    if (clubs >= 42) return 4;
    if (clubs >= 32) return 3;
    return 2;
}

// The ranking key of a club's level in the continental lists.
int TopClubKey(int level, int season) {
    int key = level >= 20 ? 20 : level >= 18 ? 18 : level >= 16 ? 17 : level;
    if (season >= 2 && level >= 16 && RandInt(12) == 1) key -= level >= 18 ? 2 : 1;
    return key;
}

struct PlaceRow {
    int country;
    int places;
};

int PlacesFrom(std::span<const PlaceRow> table, int country, int otherwise) {
    for (const PlaceRow& row : table)
        if (row.country == country) return row.places;
    return otherwise;
}

constexpr PlaceRow kSouthAmericanPlaces[] = {
    {11, 4},  {29, 4},  {42, 3}, {46, 3},  {60, 3},  {131, 3},
    {150, 3}, {195, 3}, {26, 2}, {151, 2}, {198, 2},
};
constexpr PlaceRow kEuropeanFirstCupPlaces[] = {
    {65, 4}, {97, 4}, {104, 4}, {3, 3}, {72, 3}, {85, 2}, {154, 2},
};
constexpr PlaceRow kEuropeanSecondCupPlaces[] = {
    {3, 3},  {65, 3}, {72, 3}, {97, 3}, {104, 3}, {85, 2},  {154, 2}, {162, 2}, {192, 2}, {21, 1},
    {27, 1}, {62, 1}, {76, 1}, {78, 1}, {142, 1}, {152, 1}, {160, 1}, {180, 1}, {193, 1},
};
constexpr PlaceRow kAfricanPlaces[] = {
    {1, 3}, {10, 3}, {57, 3}, {129, 3}, {5, 2}, {36, 2}, {141, 2}, {178, 2},
};
constexpr PlaceRow kAsianPlaces[] = {
    {9, 4}, {39, 4}, {43, 4}, {49, 4}, {59, 4}, {107, 4}, {98, 3}, {14, 2}, {196, 2},
};

void BuildTopClubList(const GameData& data, const t_league_config& config, int season,
                      t_top_clubs& list) {
    std::fill(std::begin(list.clubs), std::end(list.clubs), -1);
    const auto& standings = config.standings[0];
    const int winner = FindChampion(data, ckNationalCup, config.country, season);
    const int region = ContinentToCupRegion(ContinentOfCountry(config.country));
    const bool moved = winner >= 0 && region >= 0 &&
                       ContinentalCupPlaces(config.country, ckContinentalCup, region) > 1;
    if (!moved) {
        std::copy(standings, standings + 10, list.clubs);
    } else {
        // The winner is guaranteed a place: second behind the best other club of the league.
        int n = 0;
        list.clubs[n++] = winner;
        for (int slot = 0; slot < 9; ++slot)
            if (standings[slot] != winner) list.clubs[n++] = standings[slot];
        std::swap(list.clubs[0], list.clubs[1]);
    }
    list.count = 8;
}

}  // namespace

bool IsLeagueClubFile(const ClubFile& file) {
    return IsUsableClub(file.club) && !file.club.short_name.empty();
}

int AddCountryClubs(GameData& data, int config, int country, std::span<const ClubFile> club_files) {
    if (!InTable(data.league_configs, config)) return 0;
    std::vector<int> added;
    for (const ClubFile& file : club_files) {
        if (file.club.country != country || !IsLeagueClubFile(file)) continue;
        const int index = static_cast<int>(data.teams.size());
        t_team& team = AppendRecord(data.teams);
        team.name = file.club.short_name;
        team.picture_name.set_raw(file.club.picture_name.raw());
        team.country = country;
        team.state = file.club.state;
        team.level = file.club.level;
        if (data.team_file_names.size() < data.teams.size())
            data.team_file_names.resize(data.teams.size());
        data.team_file_names[index] = file.real_name;
        added.push_back(index);
    }
    SplitIntoDivisions(data, config, added);
    const int n = static_cast<int>(added.size());
    data.league_configs[config].club_count += n;
    data.game_state.league_club_count += n;
    return n;
}

void SplitIntoDivisions(GameData& data, int config, std::span<const int> clubs) {
    if (!InTable(data.league_configs, config)) return;
    std::vector<RankedEntry> ranked;
    for (const int team : clubs)
        if (InTable(data.teams, team))
            ranked.push_back({team, data.teams[team].level, RandInt(50)});
    SortRanked(ranked, Ties::LowestFirst);

    t_league_config& league = data.league_configs[config];
    const int size = ClubsPerDivision(data);
    league.division_count =
        DivisionCountFor(static_cast<int>(ranked.size()), data.game_state.league_format);
    for (int d = 0; d < 4; ++d)
        for (int slot = 0; slot < 20; ++slot) {
            league.division_clubs[d][slot] = -1;
            league.standings[d][slot] = -1;
        }
    for (int i = 0; i < static_cast<int>(ranked.size()); ++i) {
        const int division = i / size + 1;
        t_team& team = data.teams[ranked[i].team];
        if (division > league.division_count) {
            team.division = 0;
            continue;
        }
        league.division_clubs[division - 1][i % size] = ranked[i].team;
        league.standings[division - 1][i % size] = ranked[i].team;
        team.division = division;
    }
}

void PickTopClubs(const GameData& data, int country, t_top_clubs& list) {
    std::fill(std::begin(list.clubs), std::end(list.clubs), -1);
    list.count = -1;
    std::vector<RankedEntry> ranked;
    const int end = ClubLimit(data);
    for (int team = 0; team < end; ++team) {
        if (data.teams[team].country != country) continue;
        const int key = TopClubKey(data.teams[team].level, data.game_state.season);
        ranked.push_back({team, key, RandInt(100)});
    }
    SortRanked(ranked, Ties::HighestFirst);
    const int n = std::min<int>(static_cast<int>(ranked.size()), 10);
    for (int i = 0; i < n; ++i) list.clubs[i] = ranked[i].team;
    list.count = n;
}

int ContinentalCupPlaces(int country, int kind, int region) {
    const bool first = kind == ckContinentalCup;
    const bool second = kind == ckSecondContinentalCup;
    switch (region) {
        case crSouthAmerica:
            return first || second ? PlacesFrom(kSouthAmericanPlaces, country, 0) : 0;
        case crEurope:
            if (first) return PlacesFrom(kEuropeanFirstCupPlaces, country, 1);
            if (second) return PlacesFrom(kEuropeanSecondCupPlaces, country, 0);
            return 0;
        case crAfrica:
            return first ? PlacesFrom(kAfricanPlaces, country, 1) : 0;
        case crAsia:
            return first ? PlacesFrom(kAsianPlaces, country, 1) : 0;
        default:
            return 0;
    }
}

void PrepareContinentalCups(GameData& data, int season, int draw) {
    data.top_club_lists.assign(data.league_configs.size(), t_top_clubs{});
    for (std::size_t c = 0; c < data.league_configs.size(); ++c)
        BuildTopClubList(data, data.league_configs[c], season, data.top_club_lists[c]);

    const t_game_state& gs = data.game_state;
    if (draw != 1 || !gs.continental_cup_on) return;
    DrawSouthAmericanCups(data, false);
    DrawEuropeanCups(data, false);
    DrawAfricanCup(data, false);
    DrawAsianCup(data, false);
    if (season >= 2 && gs.second_continental_cup_on) BuildSuperCupFixtures(data);
    BuildCompetitionFixtures(data, ckContinentalCup, -1);
    if (gs.second_continental_cup_on) BuildCompetitionFixtures(data, ckSecondContinentalCup, -1);
}

}  // namespace kv
