#pragma once
// A penalty kick played out with a human team on the pitch: the taker, the goalkeeper he faces and
// his chance, as the penalty windows compute them.

#include "match/match_decisions.h"

namespace kv {

// Per cent chance of a goal, 40..90, from the taker's and the goalkeeper's skills.
int PenaltyChance(int taker, int goalkeeper);
// The kick itself: one draw of the game's random source against that chance.
bool PenaltyScored(int taker, int goalkeeper);

// The goalkeeper of a line-up facing a penalty: the player of slot 11 (when he is on the pitch,
// unless `any_in_goal_slot`), else the first goalkeeper on the pitch, else the first player on it.
int PenaltyGoalkeeper(int strength, bool any_in_goal_slot);

// The computer's taker: the team's set-piece taker when on the pitch, else the first player on the
// pitch from slot 10 down to 1.
int ComputerPenaltyTaker(int strength);

// A penalty of `taking_strength` against `defending_strength` with the computer's taker.
PenaltyKick ComputerPenaltyKick(int taking_strength, int defending_strength, bool any_in_goal_slot);

}  // namespace kv
