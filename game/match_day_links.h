#pragma once
// The few rules of the match day that the closes of a round call: the top scorer's prize
// and the boards' verdict on a result.

namespace kv {

void PayTopScorer(int kind, int country, int division, int state, int state_division);
void JudgeResult(int kind, int home, int away, int home_goals, int away_goals);

}  // namespace kv
