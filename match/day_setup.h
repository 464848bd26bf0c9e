#pragma once
// The matches of one group of the match day placed in day_matches, one per row: teams, line-up
// records, competition, venue, attendance and gate; and the heading the match-day window shows.

#include <string>

namespace kv {

inline constexpr int kMaxDayMatches = 40;

// Whether a fixture is dated today and not yet played.
bool IsFixtureOfToday(int fixture);

// Fills row `row` from a fixture (or a friendly, a bracket tie) and marks it a human row when a
// human club plays in it. Rows beyond the 40 the day holds are refused (false).
bool SetUpDayMatch(int row, int kind, int home, int away, int fixture);

// The group set-ups by kind; each sets day_match_count.
void SetUpGroup(int kind);  // kinds 1, 2, 4 and 6, the group at match_day_group
void SetUpStateGroup();
void SetUpSuperCup();
void SetUpFriendlies();
void SetUpClubWorldCup();
void SetUpWorldCup();
void SetUpNationsCup(int kind);
// The set-up of the kind being played.
void SetUpGroupOfKind(int kind);

// Venues of national-team matches: the host's cities by stage, group and row.
std::string WorldCupVenue(int stage, int group, int row);
std::string NationsCupVenue(int kind, int stage, int group, int row);
std::string ClubWorldCupVenue(int row);

// The heading of the group being played; also keeps the round part in results_round_text.
std::string GroupHeading(int kind);

}  // namespace kv
