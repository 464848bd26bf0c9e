#pragma once
// Where a fill's background or foreground picture goes in the fill's rectangle: one of twelve
// positions, with optional proportional fitting when stretched.

#include "platform/gfx/geometry.h"
#include "ui/controls/gdiplus/gdip_fill.h"

namespace kv {

class Graphics;
class TUiGDIPPicture;

struct FittedSize {
    double width = 0;
    double height = 0;
};

// The picture's size fitted into the target keeping its proportions; 0 x 0 unless all four
// sizes are above 0. pmNormal leaves a picture smaller than the target both ways as it is.
FittedSize FitPictureSize(int width, int height, int target_width, int target_height,
                          TPictureMode mode);

struct PicturePlacement {
    bool aspect_ratio = false;  // ppStretched keeps the proportions
    TPictureMode aspect_mode = pmStretch;
    int left = 0;  // ppCustom: the corner, in the surface's coordinates
    int top = 0;
    TFillPicturePosition position = ppTopLeft;
};

// The rectangle a picture of w x h takes in the target (not for ppTiled); centring offsets are
// integer halves truncated toward zero.
Rect PlacedPictureRect(const PicturePlacement& placement, const Rect& target, int width,
                       int height);

// Draws the picture where the placement puts it, stretched to that rectangle; ppTiled covers the
// target with tiles aligned to the surface's origin. An empty picture is not drawn.
void DrawPlacedPicture(Graphics& g, const PicturePlacement& placement, const Rect& target,
                       int width, int height, const TUiGDIPPicture& picture);

}  // namespace kv
