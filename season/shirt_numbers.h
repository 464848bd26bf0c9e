#pragma once
// Shirt numbers of a club: 0 for none, 1 to 28, each worn by at most one player of the club.

namespace kv {

class GameData;

inline constexpr int kHighestShirtNumber = 28;

// The player takes the number; another player of his club wearing it is left with none. A
// number outside 0..28, or a player with no club, changes nothing (false).
bool SetShirtNumber(GameData& data, int player, int number);

}  // namespace kv
