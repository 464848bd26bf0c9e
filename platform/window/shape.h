#pragma once
// A plain shape drawn with a pen and a brush.

#include "platform/gfx/canvas.h"
#include "platform/window/control.h"

namespace kv {

enum ShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class Shape : public Control {
public:
    Shape();
    ShapeType shape = stRectangle;
    Pen pen;
    Brush brush;
    void Paint(Canvas& canvas) override;
};

}  // namespace kv
