#include "editor/colour_shapes.h"

#include "platform/window/color_dialog.h"
#include "platform/window/shape.h"

namespace kv {

void ConnectColourShape(Shape& shape, TColor colour) {
    shape.brush.color = colour;
    shape.on_mouse_down = [&shape](MouseButton, ShiftState, int, int) {
        ColorDialog dialog;
        dialog.color = shape.brush.color;
        if (!dialog.Execute()) return;
        shape.brush.color = dialog.color;
        shape.Invalidate();
    };
}

TColor ShapeColour(const Shape& shape) {
    return shape.brush.color;
}

}  // namespace kv
