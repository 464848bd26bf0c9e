#pragma once
// The cross-checks of a whole loaded game. The reader (core/saved_game.h) holds every field to
// its range; a file can still be in range and contradict itself: a computer club named as a
// human coach's, a count that is not the number of what it counts, a day of the calendar no
// round counter agrees with. Such a game would play on somebody's behalf or break the game's
// own invariants a round later, so it is refused, naming what disagrees.
//
// Values the game derives from the records (the wage bills) are not checked but
// computed again from the records: the file has no say in them.

#include <string>

namespace kv {

class GameData;

// Empty when the game agrees with itself; else what disagrees, in words for the player, with
// the name of the field. Needs the season's calendar built.
std::string SavedGameInconsistency(const GameData& game);

// The wage bills computed again from the players and their call-ups.
void RecomputeDerivedValues(GameData& game);

}  // namespace kv
