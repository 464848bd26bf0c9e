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
#include <vector>

namespace kv {

class GameData;
struct t_team;

// Points the league takes from a club for a player who died in its care.
inline constexpr int kPointsTakenForADeath = 5;

// Empty when a team's table of one competition kind adds up: played = wins + draws + losses and
// points = 3 x wins + draws, less the points the league took away; else what disagrees, naming
// the field. Kept after every round, so a save that breaks it was not written by the game.
std::string TallyFault(const t_team& team, int kind);

// Empty when the game agrees with itself; else what disagrees, in words for the player, with
// the name of the field. Needs the season's calendar built.
std::string SavedGameInconsistency(const GameData& game);

// Each club's wages summed (whole units) and its players counted, a called-up player at the
// club he returns to.
struct ClubPayrolls {
    std::vector<long long> wages;
    std::vector<int> squad;
};
ClubPayrolls CountClubPayrolls(const GameData& game);

// A league club plays with at least this many players; a human coach keeps at most this many.
inline constexpr int kMinLeagueSquad = 11;
inline constexpr int kMaxHumanSquad = 28;
// Empty when a club's squad is of a size the game keeps it to; else what is wrong.
std::string SquadSizeFault(const GameData& game, int club, int squad);

// Empty when every league club has a coach and each club and its coach name each other (the
// club's `coach`, the coach's `club`); else what disagrees, naming the field. Kept after every
// round, so a save that breaks it was not written by the game.
std::string CoachFault(const GameData& game);

// The wage bills computed again from the players and their call-ups.
void RecomputeDerivedValues(GameData& game);

}  // namespace kv
