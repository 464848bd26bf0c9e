#pragma once
// The histories that outlive the season: the roll of honour, the placing records, the top
// scorers and the coaches' season lines, with the look-ups that read them back and the
// reputation a club earns with a title or a second place. Entries are only ever appended;
// every look-up is a linear scan and answers -1 when nothing matches.

#include <string_view>

namespace kv {

class GameData;

// A national team without a coach is stored in the honours as this plus its entry in the
// national-team list (its t_team.state).
inline constexpr int kNationalTeamCoachBase = 50000;

// Appends a final placing of the current season, with the team's coach at this moment;
// placings 1 and 2 of the club competitions raise the club's reputation.
void AddHonour(GameData& data, int kind, int team, int country, int division, int state,
               int state_division, int placing);

// Appends a placing keyed by kind and area. For the continental cups (kinds 4 and 6) the area
// is the cup region of the match day that closes the competition, whatever the caller gave.
void AddPlacingRecord(GameData& data, int kind, int team, int coach, int division, int placing,
                      int area);

void AddTopScorer(GameData& data, int competition, int team, int player, int goals);

// Counts one event on the coach's line for this club and season: "j" a game, "v" a win,
// "d" a loss, "pr" ranking points (also added to the coach's ranking totals, the world
// ranking only outside the state championships), "tit" a title. The first event of a
// season only creates the line, with its first game. A coach outside the table is ignored.
void AddCoachSeasonStat(GameData& data, int coach, int team, int amount, std::string_view key);

// The points a title (placing 1) or a second place (2) of a kind is worth; 0 otherwise.
int ReputationPointsFor(int kind, int placing);
// The reputation level 0..5 of a points total.
int ReputationLevel(int points);
// Adds the points of the placing to the club; its level only ever goes up.
void RaiseReputation(GameData& data, int team, int kind, int placing);

// The newest league champion of the country's first division, -1 when none.
int LatestLeagueChampion(const GameData& data, int country);
// The oldest entry of that season, competition and placing.
int FindHonourTeam(const GameData& data, int country, int placing, int season, int kind,
                   int division);
// The coach of the oldest placing record that matches.
int FindPlacingCoach(const GameData& data, int area, int placing, int season, int kind,
                     int division);
// The newest champion of the season; for the continental kinds (4, 6, 10) any country of the
// region finds the regional champion.
int FindChampion(const GameData& data, int kind, int country, int season);

}  // namespace kv
