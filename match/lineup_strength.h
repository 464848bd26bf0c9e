#pragma once
// A team's line-up for the match day (t_match_strength) and the squad routines around it.

namespace kv {

class GameData;

// Recomputes the zone values, goalkeeper value and totals of match_strengths[s]; may set its
// irregular_lineup flag, which is never cleared.
void ComputeLineupStrength(int s);
// The same computation without the quick pass for the usual line-up; the quick pass must always
// agree with it (tests compare the two).
void ComputeLineupStrengthInFull(int s);

// The team's record of today's line-ups, -1 when its match_strength_index names no record or a
// record holding another team's players: a team never kicks off with somebody else's line-up.
int OwnMatchStrength(int team);

// Empties match_strengths; every team's match_strength_index becomes -1 with it.
void ClearMatchStrengths(GameData& data);

// Puts a player into slot 1..11 of the team's record; any other slot is ignored.
void PutPlayerInSlot(int team, int player, int slot);

// Sets t_team.available_players; the first argument is ignored.
void CountAvailablePlayers(int unused, int team);

// Whether a player may be picked for today's match of the current kind.
bool IsAvailableToday(int player);

int ChooseRole(int player);
void ChooseSetPieceTaker(int team);
void ChooseCaptain(int team);
int PositionSortKey(int player);

}  // namespace kv
