#pragma once
// Who coaches which club. Every change of coach goes through HireCoach and ReleaseCoach,
// which keep a club's `coach` and its coach's `club` pointing at each other, and the human
// flag of the clubs equal to the list of human clubs.

#include <cstdint>
#include <string>

namespace kv {

class GameData;

void HireCoach(GameData& data, int club, int coach);

// The caller passes the club's present coach.
void ReleaseCoach(GameData& data, int club, int coach);

// Friendlies of the club not yet played are called off, their teams set to -1.
void CancelFriendliesOf(GameData& data, int club);

// The club's inbox items stay, but belong to nobody.
void DetachNewsOf(GameData& data, int club);

int CountHumanClubsInCountry(const GameData& data, int country);
int CountHumanClubsInState(const GameData& data, int state);

// human_clubs ascending with the empty slots last (the order of the human turns), and the
// state championships' has_human_club refreshed.
void SortHumanClubs(GameData& data);

// Sorts values[0..high] ascending in place.
void SortIntArray(std::int32_t* values, int high);

// A coach's name made of a first and a last name of the game's lists.
std::string RandomCoachName();

// Appends a free computer coach for the club's country and division and returns him.
int CreateCoach(GameData& data, int club);

// A free coach is a named record nobody employs; -1 as country takes any nationality.
int FindFreeCoach(const GameData& data, int country);
int FindFreeCoachForDivision(const GameData& data, int country, int division);

}  // namespace kv
