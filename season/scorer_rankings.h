#pragma once
// The goal rankings the top-scorer window lists: one competition's scorers of the current
// season and the all-time ranking of career goals. Both order by more goals, then fewer games.

#include <vector>

namespace kv {

class GameData;

struct t_scorer_entry {
    int player = 0;
    int goals = 0;
    int games = 0;
    int club = -1;  // the side he scored for; for the all-time ranking his club now (-1 none)
};

// The goal lines of one competition id this season in table order, each with the games of the
// player's first appearance line in the competition (0 without one); any id, unsorted.
std::vector<t_scorer_entry> CompetitionScorers(const GameData& data, int competition);

// The scorers of one competition id this season, with the games of the same competition (0
// when he has no appearance line). Competition 0 is the friendlies' placeholder: an unknown
// competition finds it, so it lists nobody rather than the friendlies' goals.
std::vector<t_scorer_entry> SeasonScorers(const GameData& data, int competition);

// Every player with career goals who plays for a club (league or background) or for none.
std::vector<t_scorer_entry> AllTimeScorers(const GameData& data);

// The national divisions a league offers to pick: as many as it has, at most four.
int OfferedDivisions(const GameData& data, int league);

}  // namespace kv
