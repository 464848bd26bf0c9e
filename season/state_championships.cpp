#include "season/state_championships.h"

#include <vector>

#include "core/game_data.h"
#include "core/random.h"
#include "season/draw_helpers.h"

namespace kv {
namespace {

constexpr int kGroupSize = 6;
constexpr int kGroupRows = 5;

int GroupCountFor(int clubs) {
    if (clubs >= 24) return 4;
    if (clubs >= 18) return 3;
    if (clubs >= 12) return 2;
    if (clubs >= 6) return 1;
    return 0;
}

bool IsStateClub(const t_team& team) {
    return team.country == kHomeCountry && team.state >= 0 && team.state < kStateCount;
}

}  // namespace

void BuildStateLeagues(GameData& data) {
    const int end = ClubLimit(data);
    std::vector<std::vector<int>> clubs_of_state(kStateCount);
    for (int team = 0; team < end; ++team) {
        t_team& t = data.teams[team];
        if (t.country != kHomeCountry) continue;
        t.state_division = 0;
        t.in_state_league = 0;
        if (IsStateClub(t)) clubs_of_state[t.state].push_back(team);
    }

    bool any_active = false;
    for (int s = 0; s < kStateCount; ++s) {
        t_state_league& state = data.state_leagues[s];
        for (auto& group : state.groups) std::fill(std::begin(group), std::end(group), -1);
        state.group_count = GroupCountFor(static_cast<int>(clubs_of_state[s].size()));
        state.active = state.group_count > 0;
        state.has_human_club = 0;
        if (!state.active) continue;
        any_active = true;

        std::vector<RankedEntry> ranked;
        for (const int team : clubs_of_state[s])
            ranked.push_back({team, data.teams[team].level, RandInt(100)});
        SortRanked(ranked, Ties::LowestFirst);
        const int groups = std::min(state.group_count + 1, kGroupRows);
        const int dealt = std::min<int>(static_cast<int>(ranked.size()), groups * kGroupSize);
        for (int i = 0; i < dealt; ++i)
            state.groups[i / kGroupSize][i % kGroupSize] = ranked[i].team;
        for (int g = 0; g < groups; ++g) ShuffleSlots(state.groups[g], true);
        for (int g = 0; g < groups; ++g)
            for (const int team : state.groups[g]) {
                if (team < 0) continue;
                data.teams[team].state_division = g + 1;
                data.teams[team].in_state_league = 1;
                if (data.teams[team].human) state.has_human_club = 1;
            }
    }
    if (data.game_state.state_leagues_on && !any_active) data.game_state.state_leagues_on = 0;
}

bool EnoughClubsForRegionalDivision(const GameData& data) {
    int clubs = 0;
    for (const t_state_league& state : data.state_leagues) {
        if (!state.active) continue;
        const int groups = std::clamp(state.group_count, 0, kGroupRows);
        for (int g = 0; g < groups; ++g)
            for (const int team : state.groups[g])
                if (InTable(data.teams, team) && data.teams[team].division == 0) ++clubs;
    }
    return clubs >= 32;
}

}  // namespace kv
