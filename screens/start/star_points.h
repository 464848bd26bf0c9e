#pragma once
// The five-pointed star the program draws in its marks and small flags.

#include <vector>

#include "platform/gfx/geometry.h"

namespace kv {

// The ten corners of a star centred on (cx, cy), pointing up, its points at `outer` pixels
// from the centre and its inner corners at `inner`.
std::vector<Point> StarPoints(int cx, int cy, double outer, double inner);

}  // namespace kv
