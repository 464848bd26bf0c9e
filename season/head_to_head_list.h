#pragma once
// The head-to-head window's lists: every team ordered by name, and the meetings of two teams in
// the order they were played, each with the name of its competition.

#include <string>
#include <vector>

namespace kv {

class GameData;

// Every team (clubs, background clubs and national teams) by name, byte order.
std::vector<int> TeamsByName(const GameData& data);

// The indexes in result_history of the meetings of a and b, oldest first, whoever was at home.
std::vector<int> HeadToHeadMeetings(const GameData& data, int a, int b);

// The competition of a meeting of kind `kind`, named for the country and continent of the
// first team (`country`); a super cup is "Recopa".
std::string MeetingCompetitionName(int kind, int country);

// "3v 1d 9gp 5gc ": wins, losses, goals for and against of one side; draws are not shown.
std::string HeadToHeadSideLine(int wins, int losses, int goals_for, int goals_against);

}  // namespace kv
