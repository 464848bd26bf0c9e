#pragma once
// Whether a human coach's club (or national team) plays in a competition, asked by the
// kind of the next play day: when one does, the game stops at the main window. A human
// club is one of the first human_count entries of human_clubs; unless said otherwise a
// test is false when there is no human coach.

namespace kv {

struct GameData;

// A team whose coach is human (its human flag), whatever human_count says.
bool IsHumanManaged(const GameData& data, int team);

bool HumanClubInLeague(const GameData& data);
bool NationalCupDrawn(const GameData& data);
bool HumanClubInCupFirstRound(const GameData& data);
bool HumanClubInNationalCup(const GameData& data);
bool HumanClubInStateLeague(const GameData& data);
bool HumanClubInContinentalCup(const GameData& data);
// The same for the clubs of one TContinent (the match day asks region by region).
bool HumanClubInContinentalCupOf(const GameData& data, int continent);
bool HumanClubInClubWorldCup(const GameData& data);
bool HumanClubInSecondCup(const GameData& data);
bool HumanClubInSecondCupOf(const GameData& data, int continent);
bool HumanTeamInNationalTournament(const GameData& data);
// Looks at the human flag of the teams only, so it holds with no human coach too.
bool HumanClubInSuperCup(const GameData& data);

// The league configuration whose matches the match-day screen shows when no league of
// a human club or chosen by the options is played; -1 when those are shown themselves.
int LeagueToShow(const GameData& data);
int NationalCupLeagueToShow(const GameData& data);

}  // namespace kv
