#include "season/national_tournaments.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <vector>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/random.h"
#include "season/draw_helpers.h"

namespace kv {
namespace {

constexpr int kMexico = 131;

// A tournament place: the team and the continent it was drawn for.
struct Place {
    std::int32_t team = -1;
    int continent = -1;  // TContinent; -1 any
};

// The continent a country's national team plays for (México with North America).
int TeamContinent(int country) {
    return country == kMexico ? ctNorthAmerica : ContinentOfCountry(country);
}

// The national team of the highest level not yet drawn, of one of `continents` (of any
// continent when the list is empty); -1 when none is left.
int BestFreeTeam(const GameData& data, const GroupTable& groups,
                 std::initializer_list<int> continents) {
    int best = -1;
    int best_level = 0;
    for (const t_national_team_entry& entry : data.national_team_list) {
        if (!InTable(data.teams, entry.team) || InGroups(groups, entry.team)) continue;
        if (continents.size() &&
            std::find(continents.begin(), continents.end(), entry.continent) == continents.end())
            continue;
        if (best < 0 || entry.level > best_level) {
            best = entry.team;
            best_level = entry.level;
        }
    }
    return best;
}

// Empty places take the best free team of their continent.
void FillEmptyPlaces(const GameData& data, GroupTable& groups, std::span<const Place> places,
                     int groups_used) {
    for (int g = 0; g < groups_used; ++g)
        for (int s = 0; s < 4; ++s) {
            if (groups[g][s] >= 0) continue;
            const int continent = places[4 * g + s].continent;
            if (continent < 0)
                groups[g][s] = BestFreeTeam(data, groups, {});
            else if (continent == ctSouthAmerica || continent == ctNorthAmerica)
                groups[g][s] = BestFreeTeam(data, groups, {ctSouthAmerica, ctNorthAmerica});
            else
                groups[g][s] = BestFreeTeam(data, groups, {continent});
        }
}

void ResetTournament(GameData& data) {
    t_game_state& gs = data.game_state;
    gs.tournament_callups_done = 0;
    gs.tournament_notice_done = 0;
    gs.tournament_human_count = 0;
    gs.tournament_round = 1;
    gs.tournament_leg = 1;
    std::fill(std::begin(gs.tournament_human_teams), std::end(gs.tournament_human_teams), -1);
    for (auto& group : gs.tournament_groups) std::fill(std::begin(group), std::end(group), -1);
    for (auto& row : gs.tournament_ranking) std::fill(std::begin(row), std::end(row), -1);
    // A team of the last tournament that is not drawn again must not look as if it played.
    for (const t_national_team_entry& entry : data.national_team_list)
        if (InTable(data.teams, entry.team)) {
            t_team& team = data.teams[entry.team];
            team.in_tournament = 0;
            team.tournament_group = 0;
            team.group_slot = 0;
        }
}

void FlagAndRank(GameData& data, int groups_used) {
    t_game_state& gs = data.game_state;
    std::vector<RankedEntry> ranked;
    for (int g = 0; g < groups_used; ++g)
        for (int s = 0; s < 4; ++s) {
            const int team = gs.tournament_groups[g][s];
            if (!InTable(data.teams, team)) continue;
            data.teams[team].group_slot = s + 1;
            data.teams[team].tournament_group = g + 1;
            data.teams[team].in_tournament = 1;
            ranked.push_back({team, data.teams[team].level, RandInt(100)});
        }
    SortRanked(ranked, Ties::HighestFirst);
    for (std::size_t i = 0; i < ranked.size() && i < 32; ++i)
        gs.tournament_ranking[i / 8][i % 8] = ranked[i].team;
}

// Fixed groups by country; an absent country's place goes to its continent's best free team.
void SetFixedGroups(GameData& data, std::span<const std::array<int, 4>> groups) {
    t_game_state& gs = data.game_state;
    std::vector<Place> places;
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (int s = 0; s < 4; ++s) {
            gs.tournament_groups[g][s] = FindNationalTeam(data, groups[g][s]);
            places.push_back({gs.tournament_groups[g][s], TeamContinent(groups[g][s])});
        }
    FillEmptyPlaces(data, gs.tournament_groups, places, static_cast<int>(groups.size()));
}

bool AnyEmptySlot(const GroupTable& groups) {
    for (const auto& group : groups)
        for (const int team : group)
            if (team < 0) return true;
    return false;
}

// The world cup is played only with all 32 places filled.
void FinishWorldCupDraw(GameData& data) {
    if (AnyEmptySlot(data.game_state.tournament_groups)) {
        data.game_state.world_cup_on = 0;
        return;
    }
    FlagAndRank(data, 8);
}

// One continent's teams for the drawn world cup: ranked by level, then mixed the game's
// way, so the quota takes strong teams but not always the strongest.
std::vector<std::int32_t> ContinentPool(const GameData& data, int continent, int host_team) {
    std::vector<RankedEntry> ranked;
    for (const t_national_team_entry& entry : data.national_team_list)
        if (entry.continent == continent && entry.team != host_team &&
            InTable(data.teams, entry.team))
            ranked.push_back({entry.team, entry.level, RandInt(100)});
    SortRanked(ranked, Ties::HighestFirst);
    std::vector<std::int32_t> teams;
    for (const RankedEntry& r : ranked) teams.push_back(r.team);
    const int n = static_cast<int>(teams.size());
    if (continent == ctOceania) return teams;
    if (continent == ctEurope && n > 5) {
        const int span = std::min(n, 11) - 5;
        for (int i = 5; i < 5 + span; ++i) std::swap(teams[i], teams[5 + RandInt(span)]);
    }
    for (int i = 1; i < n; ++i) std::swap(teams[i], teams[RandInt(n - 1)]);
    return teams;
}

}  // namespace

int FindNationalTeam(const GameData& data, int country) {
    for (const t_national_team_entry& entry : data.national_team_list)
        if (entry.country == country) return InTable(data.teams, entry.team) ? entry.team : -1;
    return -1;
}

int TournamentHostCountry(int kind, int slot) {
    static constexpr int kWorldCupHosts[] = {29, 162, 39, 65, 11, 104, 131, 97, 154, 107, 3};
    static constexpr int kAmericasHosts[] = {42, 68, 195, 150, 26, 46, 11};
    static constexpr int kEuropeanHosts[] = {72, 97, 192, 3, 65, 193, 104};
    const std::span<const int> hosts = kind == ckWorldCup             ? std::span(kWorldCupHosts)
                                       : kind == ckAmericasNationsCup ? std::span(kAmericasHosts)
                                       : kind == ckEuropeanNationsCup ? std::span(kEuropeanHosts)
                                                                      : std::span<const int>();
    return slot >= 1 && slot <= static_cast<int>(hosts.size()) ? hosts[slot - 1] : -1;
}

int WorldCupHost(GameData& data) {
    const int edition = std::max(data.game_state.world_cup_edition, 0);
    const int entry = edition <= 10 ? edition : (edition - 11) % 10;
    data.game_state.tournament_host_number = entry + 1;
    return TournamentHostCountry(ckWorldCup, entry + 1);
}

void DrawWorldCup(GameData& data) {
    enum { EU, SA, AF, AS, NA, OC };
    const int host_team = FindNationalTeam(data, WorldCupHost(data));
    int quota[6] = {13, 4, 5, 5, 3, 1};
    if (RandInt(100) < 50) {
        quota[SA] = 5;
        quota[OC] = 0;
    }
    if (host_team < 0) quota[EU] = 14;

    std::array<std::vector<std::int32_t>, 6> pools;
    for (const int continent : {EU, SA, AF, AS, NA}) {
        pools[continent] = ContinentPool(data, continent, host_team);
        pools[continent].resize(continent == EU ? 14 : quota[continent], -1);
    }
    if (quota[OC] == 1) {
        pools[OC] = ContinentPool(data, OC, host_team);
        pools[OC].resize(1, -1);
    }
    const auto at = [&](int continent, int position) {
        return Place{InTable(pools[continent], position - 1) ? pools[continent][position - 1] : -1,
                     continent};
    };

    const Place seeds[8] = {
        at(EU, 1), at(EU, 2), at(EU, 3), at(EU, 4),
        at(EU, 5), at(SA, 1), at(SA, 2), host_team >= 0 ? Place{host_team, -1} : at(EU, 6)};
    const Place blocks[8][3] = {
        {host_team >= 0 ? at(EU, 6) : at(EU, 14), at(SA, 3), at(AS, 1)},
        {at(EU, 7), at(SA, 4), at(AS, 2)},
        {at(EU, 8), quota[OC] == 1 ? at(OC, 1) : at(SA, 5), at(NA, 1)},
        {at(EU, 9), at(AF, 1), at(AS, 3)},
        {at(EU, 10), at(AF, 2), at(AS, 4)},
        {at(EU, 11), at(AF, 3), at(AS, 5)},
        {at(EU, 12), at(AF, 4), at(NA, 2)},
        {at(EU, 13), at(AF, 5), at(NA, 3)},
    };
    std::array<std::int32_t, 8> order = {1, 2, 3, 4, 5, 6, 7, 8};
    ShuffleSlots(order);

    t_game_state& gs = data.game_state;
    std::vector<Place> places;
    for (int g = 0; g < 8; ++g) {
        const int k = order[g] - 1;
        places.push_back(seeds[k]);
        for (const Place& p : blocks[k]) places.push_back(p);
        for (int s = 0; s < 4; ++s) gs.tournament_groups[g][s] = places[4 * g + s].team;
    }
    // A continent short of teams gives its places to the best teams left anywhere.
    FillEmptyPlaces(data, gs.tournament_groups, places, 8);
    for (auto& group : gs.tournament_groups)
        for (std::int32_t& team : group)
            if (team < 0) team = BestFreeTeam(data, gs.tournament_groups, {});
}

void SetRealWorldCupGroups(GameData& data) {
    static constexpr std::array<int, 4> kGroups[8] = {
        {29, 52, 131, 36}, {65, 85, 42, 14},  {46, 78, 50, 107}, {195, 51, 97, 104},
        {180, 60, 72, 86}, {11, 27, 98, 141}, {3, 154, 75, 68},  {21, 10, 162, 49},
    };
    SetFixedGroups(data, kGroups);
    data.game_state.real_world_cup_groups = 0;
    // The real groups are those of the cup Brazil hosted: its venues and flag, not none.
    data.game_state.tournament_host_number = 1;
}

void StartWorldCup(GameData& data) {
    ResetTournament(data);
    if (data.game_state.real_world_cup_groups)
        SetRealWorldCupGroups(data);
    else
        DrawWorldCup(data);
    FinishWorldCupDraw(data);
}

void StartAmericasNationsCup(GameData& data) {
    static constexpr std::array<int, 4> kLayouts[5][3] = {
        {{46, 151, 26, 198}, {11, 131, 195, 60}, {29, 150, 51, 42}},
        {{46, 42, 60, 198}, {29, 131, 151, 150}, {11, 195, 26, 51}},
        {{29, 46, 60, 151}, {195, 150, 131, 198}, {11, 26, 68, 42}},
        {{11, 42, 26, 131}, {29, 151, 68, 60}, {46, 198, 150, 195}},
        {{29, 150, 51, 42}, {46, 151, 26, 198}, {11, 131, 195, 60}},
    };
    ResetTournament(data);
    SetFixedGroups(data, kLayouts[RandInt(5)]);
    FlagAndRank(data, 3);
    const int edition = std::max(data.game_state.americas_cup_edition, 0);
    data.game_state.tournament_host_number = edition >= 56 ? 1 : edition % 7 + 1;
}

void StartEuropeanNationsCup(GameData& data) {
    static constexpr int kPots[3][8] = {
        {3, 97, 65, 104, 72, 85, 154, 159},
        {78, 162, 179, 192, 152, 193, 54, 52},
        {160, 142, 171, 31, 63, 180, 21, 100},
    };
    ResetTournament(data);
    std::array<std::array<int, 8>, 3> pots;
    for (int p = 0; p < 3; ++p) {
        // Each pot in a random order: the countries ranked by a random key.
        std::vector<RankedEntry> order;
        for (const int country : kPots[p]) order.push_back({country, RandInt(100), 0});
        SortRanked(order, Ties::HighestFirst);
        for (int i = 0; i < 8; ++i) pots[p][i] = order[i].team;
    }
    const auto& [p1, p2, p3] = pots;
    const std::array<int, 4> groups[4] = {
        {p1[0], p1[4], p2[0], p2[4]},
        {p1[1], p1[5], p2[1], p2[5]},
        {p1[2], p1[6], p2[2], p3[0]},
        {p1[3], p1[7], p2[3], p3[1]},
    };
    SetFixedGroups(data, groups);
    FlagAndRank(data, 4);
    const int edition = std::max(data.game_state.european_cup_edition, 0);
    data.game_state.tournament_host_number = edition % 7 + 1;
}

int GeneratedPlayerStrength(const GameData& data, const t_player& player, int level) {
    static constexpr int kEarly[25] = {7,  7,  7,  7,  7,  12, 12, 12, 12, 12, 15, 17, 19,
                                       22, 25, 27, 30, 35, 37, 40, 50, 55, 60, 65, 70};
    static constexpr int kLater[25] = {12, 12, 12, 12, 12, 15, 15, 15, 15, 15, 17, 25, 30,
                                       35, 38, 40, 42, 45, 50, 55, 70, 75, 80, 85, 90};
    int strength = 0;
    if (level >= 1 && level <= 25)
        strength = (data.game_state.season <= 2 ? kEarly : kLater)[level - 1];
    strength += RandInt(6);
    if (player.squad_role == 1) strength += 3;
    if (player.star) strength += 5;
    return strength;
}

}  // namespace kv
