#include "game/match_day_links.h"

namespace kv {

void PayTopScorer(int, int, int, int, int) {}
void JudgeResult(int, int, int, int, int) {}

}  // namespace kv
