#pragma once
// The colour boxes of the editor's dialogs: a click opens the colour dialog at the box's
// colour, and a colour chosen there fills the box.

#include "platform/gfx/colors.h"

namespace kv {

class Shape;

void ConnectColourShape(Shape& shape, TColor colour);
TColor ShapeColour(const Shape& shape);

}  // namespace kv
