#include "season/scorer_rankings.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/record_sort.h"

namespace kv {
namespace {

void SortByGoals(std::vector<t_scorer_entry>& entries) {
    QuickSortRecords(entries, [](const t_scorer_entry& a, const t_scorer_entry& b) {
        if (a.goals != b.goals) return a.goals > b.goals ? -1 : 1;
        if (a.games != b.games) return a.games < b.games ? -1 : 1;
        return 0;
    });
}

}  // namespace

std::vector<t_scorer_entry> SeasonScorers(const GameData& data, int competition) {
    std::vector<t_scorer_entry> entries;
    if (competition <= 0) return entries;
    for (const t_competition_tally& goal : data.season_goals) {
        if (goal.competition != competition) continue;
        t_scorer_entry& e = entries.emplace_back();
        e.player = goal.player;
        e.goals = goal.count;
        e.club = goal.club;
        for (const t_competition_tally& game : data.season_appearances)
            if (game.player == goal.player && game.competition == competition) {
                e.games = game.count;
                break;
            }
    }
    SortByGoals(entries);
    return entries;
}

std::vector<t_scorer_entry> AllTimeScorers(const GameData& data) {
    std::vector<t_scorer_entry> entries;
    const int last_club = data.game_state.league_club_count + data.game_state.background_club_count;
    for (int p = 1; p < static_cast<int>(data.players.size()); ++p) {
        const t_player& player = data.players[p];
        if (player.team >= last_club || player.goals <= 0) continue;
        entries.push_back({p, player.goals, player.games, player.team});
    }
    SortByGoals(entries);
    return entries;
}

int OfferedDivisions(const GameData& data, int league) {
    if (league < 0 || league >= static_cast<int>(data.league_configs.size())) return 1;
    return std::clamp(static_cast<int>(data.league_configs[league].division_count), 1, 4);
}

}  // namespace kv
