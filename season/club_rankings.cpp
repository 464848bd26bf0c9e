#include "season/club_rankings.h"

#include <algorithm>

#include "core/game_data.h"

namespace kv {
namespace {

bool Counts(int kind, bool international) {
    return !(international && kind == ckStateChampionship);
}

}  // namespace

std::vector<int> RankedClubs(const GameData& data, int league) {
    std::vector<int> clubs;
    const bool all = league < 0 || league >= static_cast<int>(data.league_configs.size());
    const int country = all ? -1 : data.league_configs[league].country;
    const int last = std::min<int>(data.game_state.league_club_count, data.teams.size());
    for (int t = 0; t < last; ++t)
        if (all || data.teams[t].country == country) clubs.push_back(t);
    return clubs;
}

std::vector<t_club_ranking> PlacementRanking(const GameData& data, const std::vector<int>& clubs,
                                             bool international) {
    std::vector<t_club_ranking> ranking;
    for (int club : clubs) {
        t_club_ranking& r = ranking.emplace_back();
        r.team = club;
        for (int kind = 1; kind <= 6; ++kind)
            if (Counts(kind, international)) r.value += data.teams[club].ranking_points[kind - 1];
    }
    std::stable_sort(
        ranking.begin(), ranking.end(),
        [](const t_club_ranking& a, const t_club_ranking& b) { return a.value > b.value; });
    return ranking;
}

std::vector<t_club_ranking> ReputationRanking(const GameData& data, const std::vector<int>& clubs) {
    std::vector<t_club_ranking> ranking;
    for (int club : clubs) ranking.push_back({club, data.teams[club].reputation, 0, 0});
    std::stable_sort(
        ranking.begin(), ranking.end(),
        [](const t_club_ranking& a, const t_club_ranking& b) { return a.value > b.value; });
    return ranking;
}

std::vector<t_club_ranking> PointsRanking(const GameData& data, const std::vector<int>& clubs,
                                          bool international) {
    std::vector<t_club_ranking> ranking;
    for (int club : clubs) {
        t_club_ranking& r = ranking.emplace_back();
        r.team = club;
        for (int kind = 1; kind <= 6; ++kind) {
            if (!Counts(kind, international)) continue;
            const t_alltime_tally& t = data.teams[club].alltime_record[kind - 1];
            r.value += t.points;
            r.goal_difference += t.goals_for - t.goals_against;
            r.goals_for += t.goals_for;
        }
    }
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const t_club_ranking& a, const t_club_ranking& b) {
                         if (a.value != b.value) return a.value > b.value;
                         if (a.goal_difference != b.goal_difference)
                             return a.goal_difference > b.goal_difference;
                         return a.goals_for > b.goals_for;
                     });
    return ranking;
}

}  // namespace kv
