#pragma once
// Small pieces every draw of the season shares: the clubs that exist, the game's
// shuffle of a row of slots, and the search of a row.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/random.h"
#include "core/record_sort.h"

namespace kv {

// The game's shuffle: each position in turn swaps with a random position of the row.
// With `only_filled`, a swap that would move an empty slot (-1) is left out.
inline void ShuffleSlots(std::span<std::int32_t> row, bool only_filled = false) {
    const int n = static_cast<int>(row.size());
    for (int i = 0; i < n; ++i) {
        const int r = Random(n);
        if (only_filled && (row[i] < 0 || row[r] < 0)) continue;
        std::swap(row[i], row[r]);
    }
}

inline bool RowHas(std::span<const std::int32_t> row, int team) {
    return team >= 0 && std::find(row.begin(), row.end(), team) != row.end();
}

// Eight groups of four slots, as the cups and the national-team tournaments draw them.
using GroupTable = std::int32_t[8][4];

inline bool InGroups(const GroupTable& groups, int team) {
    for (const auto& group : groups)
        if (RowHas(group, team)) return true;
    return false;
}

inline bool IsHumanTeam(const GameData& data, int team) {
    return InTable(data.teams, team) && data.teams[team].human;
}

// A club or team being ranked: its key (usually its level) and a random tie-break.
struct RankedEntry {
    std::int32_t team;
    std::int32_t key;
    std::int32_t tie;
};

enum class Ties { LowestFirst, HighestFirst };

// Highest key first; equal keys by the random tie-break in the order asked.
inline void SortRanked(std::vector<RankedEntry>& entries, Ties ties) {
    QuickSortRecords(entries, [ties](const RankedEntry& a, const RankedEntry& b) {
        if (a.key != b.key) return a.key > b.key ? -1 : 1;
        const int order = (a.tie > b.tie) - (a.tie < b.tie);
        return ties == Ties::LowestFirst ? order : -order;
    });
}

// A league configuration's division (1..4) as a row of 20 slots.
inline std::span<std::int32_t, 20> DivisionRow(t_league_config& config, int division) {
    return std::span<std::int32_t, 20>(config.division_clubs[division - 1]);
}

}  // namespace kv
