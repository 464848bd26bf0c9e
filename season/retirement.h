#pragma once
// Players leave the game only by retiring, and every retirement brings in a successor from
// the club's youth team, so squads keep their size. Now and then the retiree becomes a coach.

#include <string>

namespace kv {

class GameData;

// Whether an old player of a computer club retires at the season change (the caller has
// checked the club and that he is above 31).
bool RetirementDue(GameData& data, int player);

// Retires the player and appends his successor as the last entry of `players`. An empty
// name keeps the retiree's; a position of -1 keeps his position and characteristics,
// 0..4 sets the position with characteristics drawn for it.
void RetirePlayer(GameData& data, int player, const std::string& successor_name,
                  int successor_position);

// The coach retires his player and promotes a youth in his place: the chosen position
// (0..4) is kept as the player's own unless it differs. Returns the successor, -1 when the
// name is empty (nothing happens then).
int PromoteYouth(GameData& data, int player, const std::string& name, int position);

// Appends a free computer coach who last worked at the club.
void AddRetiredCoach(GameData& data, int club, const std::string& name);

}  // namespace kv
