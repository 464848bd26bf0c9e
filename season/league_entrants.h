#pragma once
// Which clubs play where: a playable country's clubs dealt into divisions, the ranked
// lists of each country's best clubs for the continental draws, and the number of
// continental places a country has.

#include <span>

namespace kv {

class GameData;
struct ClubFile;
struct t_top_clubs;

// A club file the game builds a league club from: a complete squad of this version, a
// known country and a short name to show.
bool IsLeagueClubFile(const ClubFile& file);

// Appends to `teams` every usable club file of the country, in list order, and deals the
// new clubs into the divisions of league configuration `config`. Returns how many were
// added; league_club_count and the configuration's club_count grow by that number.
int AddCountryClubs(GameData& data, int config, int country, std::span<const ClubFile> club_files);

// Ranks `clubs` by level (random order among equals) and deals them into the divisions of
// `config`: the division count follows from their number and the league format, division d
// takes the next 20 (or 10) in order, the rest keep division 0.
void SplitIntoDivisions(GameData& data, int config, std::span<const int> clubs);

// The country's ten best clubs by a level key, best first; from the second season a strong
// club may drop a little in the ranking.
void PickTopClubs(const GameData& data, int country, t_top_clubs& list);

// How many of the country's clubs enter cup `kind` (4 or 6) of TCupRegion `region`.
int ContinentalCupPlaces(int country, int kind, int region);

// Rebuilds top_club_lists from the division-1 standings after `season`, the national cup
// winner moved up to second where the country has several places. With draw 1 (and the
// continental cups on) it also draws the continental cups of the new season and builds
// their fixtures; any other value only rebuilds the lists.
void PrepareContinentalCups(GameData& data, int season, int draw);

}  // namespace kv
