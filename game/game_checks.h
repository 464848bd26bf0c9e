#pragma once
// The invariants a whole game keeps from round to round: tables that add up, squads, wages and
// coaches in step, fixtures played once, promotion and relegation, ages, and line-ups made of
// the side's own players. Each check returns the first broken invariant in words, or an empty
// string. The whole-game test and `korvanel-sim --check` run the same checks.

#include <cstddef>
#include <string>
#include <vector>

namespace kv {

class GameData;

// After a round has been closed.
std::string CheckRoundInvariants(const GameData& data);

// Right after a match day, before its round closes: every starter archived from `first_archived`
// on played for his own side.
std::string CheckArchivedStarters(const GameData& data, std::size_t first_archived);

// After the last round of a season, before its change.
std::string CheckSeasonEndInvariants(const GameData& data);

// What the season change must leave behind, taken just before it.
struct RolloverSnapshot {
    std::vector<int> ages;       // by player, -1 for a player without a team
    std::vector<int> divisions;  // by team
};
RolloverSnapshot TakeRolloverSnapshot(const GameData& data);
// After the season change.
std::string CheckRolloverInvariants(const GameData& data, const RolloverSnapshot& before);

}  // namespace kv
