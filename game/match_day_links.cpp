#include "game/match_day_links.h"

#include "match/confidence.h"
#include "match/ratings.h"

namespace kv {

void PayTopScorer(int kind, int country, int division, int state, int state_division) {
    AwardTopScorer(kind, country, division, state, state_division);
}

void JudgeResult(int kind, int home, int away, int home_goals, int away_goals) {
    UpdateBoardConfidence(kind, home, away, home_goals, away_goals);
}

}  // namespace kv
