#pragma once
// The game rounds to the nearest whole number with halves going to the even neighbour.

#include <cmath>

namespace kv {

inline int RoundEven(double x) { return static_cast<int>(std::nearbyint(x)); }

}  // namespace kv
