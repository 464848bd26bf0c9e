#pragma once
// After a match day the tables of the competition just played are sorted again and every
// team's position stored; a group stage that is over sends its qualifiers on (into the
// knock-out fixtures or the national-team bracket) and knocks the others out; the league's
// last round crowns, pays and credits the first two of every division.

namespace kv {

class GameData;

// Every division of every league; with `season_over` (the league's last round is played)
// also the honours, prizes, coaches' titles, ranking points and top scorers.
void CloseLeagueTables(GameData& data, bool season_over);

// State groups; once the group days are over, the state finals between the first two of
// group 1 and the regional division's candidates. Nothing happens between the final legs.
void CloseStateTables(GameData& data);

// Kind 4 (every region) or 6 (Europe only: the South American second cup is a knock-out
// from its first round). Once the group stage is over, winners and runners-up fill the
// region's last-16 ties.
void CloseContinentalGroups(GameData& data, int kind);

// Kinds 7, 8 and 9: the group tables and, once the group days are over, the bracket.
void CloseNationalTeamGroups(GameData& data, int kind);

// The board's and the supporters' verdict on every table match of the kind played on the
// match day just closed.
void JudgeTableDay(GameData& data, int kind);

}  // namespace kv
