#pragma once
// What the tests of the round's mark resets share: a reset of every mark a match day leaves, and
// a byte comparison of two players tables.

#include <cstring>
#include <vector>

#include "core/game_data.h"

namespace kv::test {

inline void ResetAllMarks(t_player& p) {
    p.energy = 100;
    p.played_match = 0;
    p.on_pitch = 0;
    p.fielded_exhausted = 0;
    p.match_goals = 0;
}

inline bool SamePlayerBytes(const std::vector<t_player>& a, const std::vector<t_player>& b) {
    return a.size() == b.size() &&
           std::memcmp(a.data(), b.data(), a.size() * sizeof(t_player)) == 0;
}

}  // namespace kv::test
