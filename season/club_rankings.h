#pragma once
// The club rankings: a league's clubs (or every league club, the international ranking) by the
// ranking points of their placings, by their reputation, or by the table points of all seasons.

#include <vector>

namespace kv {

class GameData;

// The league clubs of the league's country in index order; league -1: every league club.
std::vector<int> RankedClubs(const GameData& data, int league);

struct t_club_ranking {
    int team = -1;
    int value = 0;  // total ranking points, reputation or table points
    int goal_difference = 0;
    int goals_for = 0;
};

// By the ranking points of kinds 1..6 summed; the international ranking leaves the state
// championships (kind 3) out. Ties keep the clubs' order.
std::vector<t_club_ranking> PlacementRanking(const GameData& data, const std::vector<int>& clubs,
                                             bool international);
// By reputation level, ties in the clubs' order.
std::vector<t_club_ranking> ReputationRanking(const GameData& data, const std::vector<int>& clubs);
// By the all-time table points of kinds 1..6 (international: without kind 3), then goal
// difference, then goals for.
std::vector<t_club_ranking> PointsRanking(const GameData& data, const std::vector<int>& clubs,
                                          bool international);

}  // namespace kv
