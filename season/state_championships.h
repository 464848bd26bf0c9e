#pragma once
// The state championships of the home country: each state's clubs ranked by level and
// dealt into groups of six that play a double round robin; the block of six after the
// playing groups holds the state's further clubs, which play no group matches.

namespace kv {

class GameData;

// Sets up all 27 championships from the home country's clubs. A club whose state is
// outside 0..26 plays in none. Switches the championships off when no state has six clubs.
void BuildStateLeagues(GameData& data);

// Whether the playing groups hold at least 32 clubs without a national division, enough to
// form the home country's fourth division from the state championships.
bool EnoughClubsForRegionalDivision(const GameData& data);

}  // namespace kv
