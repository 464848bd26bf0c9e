#pragma once
// The brush that fills the letters of a smooth caption: a colour, a gradient across the text's
// box, a hatch or a tiled picture.

#include <optional>

#include "platform/gfx/colors.h"
#include "platform/gfx/gdiplus.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/graphics.h"

namespace kv {

class TUiGDIPPicture;

struct TextBrushLook {
    TUiGradientType kind = gtVertical;
    ARGB start = 0xFF000000;
    ARGB end = 0xFF000000;  // the start colour again when the caption has no end colour
    int hatch = 0;
    const TUiGDIPPicture* picture = nullptr;  // gtTexture
};

// Gradients run across the text's box (x, y, w, h); the backward diagonal from the bottom-left in
// the end colour. Kinds without a brush for text (radial, angle, path, none, a texture without a
// picture, a box of no size for a gradient) give nothing: the text is then not drawn.
std::optional<GraphicsBrush> MakeTextBrush(const TextBrushLook& look, const RectF& box);

}  // namespace kv
