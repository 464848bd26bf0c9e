#pragma once
// The squads of the national teams for a tournament: the computer's national teams call up
// the best players of their country on the tournament's first day, and everybody goes back
// to his club after the round that ends it.

namespace kv {

class GameData;

// Replaces the national team's squad by the best players of the country who play for a club
// (3 goalkeepers, 4 full-backs, 4 centre-backs, 8 midfielders, 6 forwards); every move is
// kept in `callups`.
void CallUpNationalSquad(GameData& data, int country, int national_team);

// Every national team of the tournament of match_kind not led by a human coach and whose
// country can field a squad.
void CallUpComputerNationalTeams(GameData& data);

// The called-up players go back, the national teams of human coaches are freed.
void ReleaseCallUps(GameData& data);

}  // namespace kv
