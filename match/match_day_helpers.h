#pragma once
// Small routines the match day and the screens around it share.

#include <cstdint>
#include <string>
#include <vector>

#include "core/record_sort.h"
#include "core/records_match.h"

namespace kv {

struct FixtureScore {
    int home_goals;
    int away_goals;
};

// Goals of the first fixture of the current kind with this round, home and away; {-1, -1} none.
FixtureScore FixtureScoreOfRound(int round, int home, int away);

// Rating group 0..7 of a position code (-1 outside 1..25).
int RatingGroupOf(int code);
// Whether a player's position and side fit a position code for his rating.
bool FitsRatingCode(int player, int code);
void AddPlayerRating(int player, int competition, int code, float rating);

// Defenders, midfielders and forwards of slots 1..10 joined by "-", e.g. "4-4-2".
std::string FormationText(int strength);

// Minimum of rated matches for the player ranking; 0 for no minimum.
int MinimumRatedMatches(int league_format, int league_turn, int round);
void RankPlayerRatings(int competition, int round);

void DrawRoundReferees();
bool HasNationalSquad(int country);

// The working list RankPlayerRatings rebuilds.
std::vector<t_ranked_rating>& ranked_ratings();
std::int32_t CompareRankedRatings(const t_ranked_rating& a, const t_ranked_rating& b);

struct t_scorer_tally {
    std::int32_t player;
    std::int32_t goals;
    std::int32_t games;
    std::int32_t club;
};

std::int32_t CompareScorerTally(const t_scorer_tally& a, const t_scorer_tally& b);
// Inline: a league day sorts a thousand round ratings per group.
inline std::int32_t CompareRoundRatings(const t_round_rating& a, const t_round_rating& b) {
    if (a.division != b.division) return a.division < b.division ? -1 : 1;
    if (a.rating != b.rating) return Descending(a.rating, b.rating);
    return a.random_key < b.random_key ? -1 : a.random_key > b.random_key ? 1 : 0;
}

}  // namespace kv
