#pragma once
// Free kicks and penalties awarded after a booked foul.

namespace kv {

struct PenaltyKick;

// The team of a line-up: that of the player in the highest slot whose player has a team; -1 none.
int LineupTeam(int strength);

// The free kick of line-up `strength` against a goalkeeper value: the scorer, or -1 (no goal, or
// nobody on the pitch to take it).
int TakeFreeKick(int strength, int keeper);

// The engine's own penalty: {taker, 1 scored or 2 missed}, {-1, -1} without a taker.
PenaltyKick TakePenalty(int strength, int keeper, int forced_taker);

}  // namespace kv
