#pragma once
// Small readings of the records that many rules share.

#include "core/dates.h"
#include "core/game_data.h"

namespace kv {

// The date of the current calendar day; 0 while the day is outside the calendar
// (before any game is built).
TDateTime TodayDate(const GameData& g);

// Whether a player may be picked for a match of this kind: fewer than three yellow
// cards and no suspension in the kind, and not injured beyond today. A kind outside
// 0..10 makes nobody available.
bool IsPlayerAvailable(const t_player& p, int kind, TDateTime today);

// The one picture code every squad list shows for a player's condition in a kind: 0
// available, 1 suspended, 3 injured, 4 three yellow cards; a star adds 4 (12 when available).
// A kind outside 0..10 reads the national league's cards.
int ConditionPicture(const t_player& p, int kind, TDateTime today);

// Table draws of a kind (there is no draws field); 0 for a kind without tallies.
int Draws(const t_team& t, int kind);

// Clubs in each division of the game's league format: 20 or 10.
int ClubsPerDivision(const GameData& g);

// Teams below the club count are clubs; the national teams follow them.
int ClubCount(const GameData& g);
// The club count kept inside `teams`, for counts that come from a saved game.
int ClubLimit(const GameData& g);
bool IsClub(const GameData& g, int team);
// The clubs of the leagues come first, before the background clubs.
bool IsLeagueClub(const GameData& g, int team);
bool IsNationalTeam(const GameData& g, int team);

// Titles of a coach by competition kind 0..10. Kinds 0..9 are `titles`; the super
// cup (kind 10) is kept in the unused entry 0 of `division_titles`. Other kinds
// count nothing.
int CoachTitleCount(const t_coach& c, int kind);
void AddCoachTitle(t_coach& c, int kind);

}  // namespace kv
