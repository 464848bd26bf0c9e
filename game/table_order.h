#pragma once
// The one order of every competition table: leagues, state groups, continental groups and
// the national-team groups.

#include <cstdint>
#include <span>
#include <vector>

namespace kv {

class GameData;

// One team's line of a table, taken from its tallies of one competition kind.
struct TableRow {
    std::int32_t team;
    std::int32_t points;
    std::int32_t played;
    std::int32_t wins;
    std::int32_t draws;
    std::int32_t losses;
    std::int32_t goals_for;
    std::int32_t goals_against;
    std::int32_t goal_difference;
    std::int32_t random_key;  // drawn when the row is made: the last tie-break
};

// More points first, then more wins, the larger goal difference, more goals for, and at
// last the random key, so equal teams come out in an order drawn afresh each time.
std::int32_t TableOrder(const TableRow& a, const TableRow& b);

// The team's tally of the kind of match, with no random key.
TableRow TableRowOf(const GameData& data, int team, int kind);
// The same with a random key drawn for it.
TableRow MakeTableRow(const GameData& data, int team, int kind);

// The rows of the listed teams (empty slots and indexes outside `teams` left out), sorted.
std::vector<TableRow> SortedTable(const GameData& data, std::span<const std::int32_t> teams,
                                  int kind);

}  // namespace kv
