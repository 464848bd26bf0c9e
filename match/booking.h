#pragma once
// What a booked match leaves behind outside its own record: the fixture's result, the tables
// and all-time records, the coaches' lines, money, the results history, the players' energy,
// and the archive of the match with its events and ratings.

namespace kv {

class GameData;

// The day match's result, attendance and gate into its fixture; a match without a fixture (-1)
// writes nothing.
void WriteResultToFixture(int fixture, int match);

// Coaches' season lines, table tallies, last results and heavy defeats of one match of kind 1..10.
void BookTeamTallies(int kind, int home, int away, int home_goals, int away_goals);

// A player's energy after the match day; `played_match` stays set for the development of the day.
void RecoverPlayerAfterMatch(int player);
// Every player of the teams of the group's day matches.
void RecoverTeamsOfGroup();

// Steps of the booking of every match of the group, before the knock-out decisions.
void BookGroupMatches();

// The archive's round number of the kind being played.
int ArchiveRound();
// Every match of the group into match_archive, with its events and ratings; on league days the
// team of the round of the group's league.
void ArchiveDayMatches();
// Room for a season's archives and ratings in a new game, so that they do not grow by copying
// and touching memory twice over through the first season; later seasons keep the room.
void ReserveSeasonArchives(GameData& data);
void ArchiveMatchEvents(int archived, int match);
// The shoot-out of day match `match`, decided after its group was archived (the single-match
// brackets and the super cups), into its archived record too.
void ArchiveShootout(int match);

}  // namespace kv
