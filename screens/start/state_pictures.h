#pragma once
// The small flags of the 27 states of Brasil, by state index, for the lists and panels that
// show a club's state. They are drawn here, once for the whole run: each state has its own
// colours and pattern, so neighbouring entries of a list tell apart at a glance.

#include "platform/window/image_list.h"

namespace kv {

inline constexpr int kStatePictureSide = 18;

// Image n is the flag of state n (0..26), 18 x 18.
const ImageList& StatePictures();

}  // namespace kv
