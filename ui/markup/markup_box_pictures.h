#pragma once
// The box pictures of the bitmap looks of the mark-up check box and radio button, drawn by the
// game itself: "HTMBCHK01".."HTMBCHK04" (20 x 20) and "HTMBRAD01".."HTMBRAD04" (16 x 16) for
// the rounded look, "HTMBCHK05".."HTMBCHK08" and "HTMBRAD05".."HTMBRAD08" (16 x 16) for the
// plain one; each group in the order checked, unchecked, checked disabled, unchecked disabled.

#include <string_view>

#include "platform/gfx/picture.h"

namespace kv {

// The picture of that name, drawn once; an empty picture for an unknown name. The corner
// colour is keyed out when drawn.
const Picture& MarkupBoxPicture(std::string_view name);

}  // namespace kv
