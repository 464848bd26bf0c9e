#pragma once
// The five-pointed star the program draws in its marks and small flags, and the marks of its
// lists drawn with it.

#include <vector>

#include "platform/gfx/colors.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/picture.h"

namespace kv {

// The ten corners of a star centred on (cx, cy), pointing up, its points at `outer` pixels
// from the centre and its inner corners at `inner`.
std::vector<Point> StarPoints(int cx, int cy, double outer, double inner);

// A list's mark, `side` pixels square: a star centred in it, outlined in `pen`, filled with
// `fill`.
Picture StarMark(int side, double outer, double inner, TColor pen, TColor fill);

// A list's mark, `side` pixels square: a disc filling `box`, outlined in `pen`, filled with
// `fill`.
Picture DiscMark(int side, Rect box, TColor pen, TColor fill);

}  // namespace kv
