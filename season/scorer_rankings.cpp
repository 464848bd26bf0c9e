#include "season/scorer_rankings.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/record_sort.h"
#include "core/table_index.h"

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

std::vector<t_scorer_entry> CompetitionScorers(const GameData& data, int competition) {
    std::vector<t_scorer_entry> entries;
    for (const t_competition_tally& goal : data.season_goals)
        if (goal.competition == competition)
            entries.push_back({goal.player, goal.count, 0, goal.club});
    if (entries.empty()) return entries;
    // Each scorer's first appearance line in the competition, found in one pass over each table
    // where a search of the appearances for every scorer read them thousands of times.
    KeyTable entry_of;  // player -> his first goal line's entry
    entry_of.clear(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k)
        entry_of.emplace(static_cast<std::uint32_t>(entries[k].player), static_cast<int>(k));
    std::vector<int> line_of(entries.size(), -1);
    const auto& games = data.season_appearances;
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (games[i].competition != competition) continue;
        const int k = entry_of.find(static_cast<std::uint32_t>(games[i].player));
        if (k >= 0 && line_of[static_cast<std::size_t>(k)] < 0)
            line_of[static_cast<std::size_t>(k)] = static_cast<int>(i);
    }
    for (t_scorer_entry& e : entries) {
        const int k = entry_of.find(static_cast<std::uint32_t>(e.player));
        const int line = line_of[static_cast<std::size_t>(k)];
        e.games = line >= 0 ? games[static_cast<std::size_t>(line)].count : 0;
    }
    return entries;
}

std::vector<t_scorer_entry> SeasonScorers(const GameData& data, int competition) {
    if (competition <= 0) return {};
    std::vector<t_scorer_entry> entries = CompetitionScorers(data, competition);
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
