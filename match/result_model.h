#pragma once
// The result of an ordinary match, decided at kick-off from the two line-ups' ratings.

namespace kv {

struct ResultOdds {
    int first;  // home win (or the stronger side's win on neutral ground)
    int draw;
    int last;
};

struct PreMatchOutcome {
    int outcome;  // 1 home win, 0 draw, 2 away win
    int home_goals;
    int away_goals;
};

inline constexpr int kMaxRatingDifference = 30;

// Rating class 1..5 of a difference by its size.
int RatingClass(int d);

// Goal count of a winner for a draw y of 1..100 from the favourite's or the underdog's table.
int WinnerGoals(int rating_class, bool underdog, int y);
// Goal count of the loser for a draw z of 1..100, never reaching the winner's.
int LoserGoals(int z, int winner_goals);
// Goals of each side of a draw for a draw v of 1..800.
int DrawGoals(int v);

// Difference of two attack totals, -30..30, positive when the first is stronger.
int RatingDifferenceOfTotals(int home_attack_total, int away_attack_total);
// The same for two records of match_strengths; an index out of the table counts as a total of 0.
int RatingDifference(int home_strength, int away_strength);

ResultOdds HomeGroundOdds(int d, bool cup);
ResultOdds NeutralGroundOdds(int d);
bool UnderdogWon(int d, int outcome);
PreMatchOutcome PreMatchResult(int d, bool neutral, bool cup);

}  // namespace kv
