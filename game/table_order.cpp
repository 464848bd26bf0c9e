#include "game/table_order.h"

#include "core/game_data.h"
#include "core/random.h"
#include "core/record_sort.h"

namespace kv {

std::int32_t TableOrder(const TableRow& a, const TableRow& b) {
    if (a.points != b.points) return Descending(a.points, b.points);
    if (a.wins != b.wins) return Descending(a.wins, b.wins);
    if (a.goal_difference != b.goal_difference)
        return Descending(a.goal_difference, b.goal_difference);
    if (a.goals_for != b.goals_for) return Descending(a.goals_for, b.goals_for);
    return Descending(a.random_key, b.random_key);
}

TableRow TableRowOf(const GameData& data, int team, int kind) {
    const t_team& t = data.teams[team];
    TableRow row{};
    row.team = team;
    if (kind >= 0 && kind < 10) {
        row.points = t.points[kind];
        row.played = t.played[kind];
        row.wins = t.wins[kind];
        row.losses = t.losses[kind];
        row.draws = row.played - row.wins - row.losses;
        row.goals_for = t.goals_for[kind];
        row.goals_against = t.goals_against[kind];
        row.goal_difference = row.goals_for - row.goals_against;
    }
    return row;
}

TableRow MakeTableRow(const GameData& data, int team, int kind) {
    TableRow row = TableRowOf(data, team, kind);
    row.random_key = Random(1 << 30);
    return row;
}

std::vector<TableRow> SortedTable(const GameData& data, std::span<const std::int32_t> teams,
                                  int kind) {
    std::vector<TableRow> rows;
    rows.reserve(teams.size());
    for (const std::int32_t team : teams)
        if (InTable(data.teams, team)) rows.push_back(MakeTableRow(data, team, kind));
    QuickSortRecords(rows, TableOrder);
    return rows;
}

}  // namespace kv
