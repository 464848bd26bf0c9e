#pragma once
// A panel: a coloured area with optional raised or lowered bevels, a caption in its middle, and
// children laid inside its border. Bevel is the same frame without a face, for grouping lines.

#include "platform/window/control.h"
#include "platform/window/label.h"

namespace kv {

enum BevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class Panel : public Control {
public:
    Panel();
    BevelCut bevel_outer = bvRaised;
    BevelCut bevel_inner = bvNone;
    int bevel_width = 1;
    int border_width = 0;
    Alignment alignment = taCenter;

    Rect ClientArea() const override;
    void Paint(Canvas& canvas) override;
};

enum BevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum BevelStyle { bsLowered, bsRaised };

class Bevel : public Control {
public:
    Bevel();
    BevelShape shape = bsBox;
    BevelStyle style = bsLowered;
    void Paint(Canvas& canvas) override;
};

}  // namespace kv
