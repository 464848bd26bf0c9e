#include "match/result_model.h"

#include <algorithm>
#include <cstdlib>

#include "core/game_data.h"
#include "core/random.h"
#include "match/round_even.h"

namespace kv {
namespace {

constexpr int kSteps = 10;

// Cumulative percentages of a winner's goal count: the count is the first step not below the draw.
constexpr int kFavouriteGoalSteps[5][kSteps] = {
    {25, 75, 93, 98, 99, 100},
    {20, 70, 95, 98, 99, 100},
    {15, 55, 80, 90, 97, 100},
    {10, 35, 73, 85, 95, 97, 100},
    {5, 25, 50, 70, 85, 90, 95, 100},
};

// Every row ends on 100 so a decided win always has a goal count.
constexpr int kUnderdogGoalSteps[5][kSteps] = {
    {35, 85, 95, 97, 100},
    {40, 80, 95, 98, 100},
    {55, 90, 95, 97, 100},
    {65, 95, 100},
    {85, 99, 100},
};

int AttackTotalOf(int strength) {
    const auto& table = Game().match_strengths;
    if (strength < 0 || strength >= static_cast<int>(table.size())) return 0;
    return table[strength].attack_total;
}

}  // namespace

int RatingClass(int d) {
    const int m = std::abs(d);
    if (m <= 5) return 1;
    if (m <= 10) return 2;
    if (m <= 15) return 3;
    if (m <= 20) return 4;
    return 5;
}

int WinnerGoals(int rating_class, bool underdog, int y) {
    const int c = std::clamp(rating_class, 1, 5) - 1;
    const int(&row)[kSteps] = underdog ? kUnderdogGoalSteps[c] : kFavouriteGoalSteps[c];
    for (int step = 0; step < kSteps; ++step)
        if (row[step] >= y) return step + 1;
    return 1;
}

int LoserGoals(int z, int winner_goals) {
    int goals = 4;
    if (z <= 40) goals = 0;
    else if (z <= 70) goals = 1;
    else if (z <= 90) goals = 2;
    else if (z <= 96) goals = 3;
    return goals >= winner_goals ? 0 : goals;
}

int DrawGoals(int v) {
    if (v <= 200) return 0;
    if (v <= 500) return 1;
    if (v <= 700) return 2;
    if (v <= 790) return 3;
    if (v <= 799) return 4;
    return 5;
}

int RatingDifferenceOfTotals(int home_attack_total, int away_attack_total) {
    const int d = RoundEven((RoundEven(home_attack_total / 10.0) - RoundEven(away_attack_total / 10.0)) / 3.0);
    return std::clamp(d, -kMaxRatingDifference, kMaxRatingDifference);
}

int RatingDifference(int home_strength, int away_strength) {
    return RatingDifferenceOfTotals(AttackTotalOf(home_strength), AttackTotalOf(away_strength));
}

ResultOdds HomeGroundOdds(int d, bool cup) {
    const int home = std::max(0, RoundEven(1.56 * d + (cup ? 50.47 : 46.47)));
    int draw = std::max(0, RoundEven(-0.03 * d * d - 0.29 * d + 29.48));
    if (d > 24) draw = 5;
    const int away = std::max(0, 100 - home - draw);
    return {home, draw, away};
}

ResultOdds NeutralGroundOdds(int d) {
    const int m = std::abs(d);
    const int stronger = std::max(0, RoundEven(1.76 * m + 35));
    const int draw = std::max(0, RoundEven(-0.03 * m * m - 0.19 * m + 30));
    const int weaker = std::max(0, 100 - stronger - draw);
    if (d >= 0) return {stronger, draw, weaker};
    return {weaker, draw, stronger};
}

bool UnderdogWon(int d, int outcome) {
    return (d < 0 && outcome == 1) || (d >= 0 && outcome == 2);
}

PreMatchOutcome PreMatchResult(int d, bool neutral, bool cup) {
    d = std::clamp(d, -kMaxRatingDifference, kMaxRatingDifference);
    const int x = Random(100) + 1;
    const ResultOdds odds = neutral ? NeutralGroundOdds(d) : HomeGroundOdds(d, cup);
    if (x > odds.first + odds.draw || x <= odds.first) {
        const int outcome = x <= odds.first ? 1 : 2;
        const int winner = WinnerGoals(RatingClass(d), UnderdogWon(d, outcome), Random(100) + 1);
        const int loser = LoserGoals(Random(100) + 1, winner);
        return outcome == 1 ? PreMatchOutcome{1, winner, loser} : PreMatchOutcome{2, loser, winner};
    }
    const int n = DrawGoals(Random(800) + 1);
    return {0, n, n};
}

}  // namespace kv
