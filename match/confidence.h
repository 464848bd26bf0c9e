#pragma once
// The board's confidence in the coach and the supporters' confidence, 0..100, after a table
// match: by the result against the clubs' levels, the table position, debts, and the supporters'
// discontent passed on to the board. Applied once the day's tables are sorted.

namespace kv {

// Result codes from the club's side: 0 draw, 1 win, 2 loss.
void UpdateBoardConfidence(int kind, int home, int away, int home_goals, int away_goals);
// Venue code: a decided match 1 home win, 2 away win (the same for both clubs); a draw 1 for the
// home club, 2 for the away club.
void UpdateClubConfidence(int kind, int team, int result, int venue, int level_difference, int margin);
void UpdateSupporterConfidence(int kind, int team, int result);

}  // namespace kv
