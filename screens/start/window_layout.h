#pragma once
// How every window of the game makes its controls: from its layout table, scaled for the
// screen by the game's rule when the table says the window scales itself. A window that shows
// the shared background picture calls TileGameBackground (window_background.h) right after.

#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "platform/window/layout_table.h"

namespace kv {

void BuildWindowLayout(Form& form, const WindowLayout& layout);

// A length of the 800x600 design as a window that scales itself has it on this screen: for
// what a window places or draws in code after its table.
int ScaledToScreen(int design_pixels);

// Scales a control a window of the game made in code, placed in 800x600 design pixels, as its
// table's controls were scaled: bounds and font.
void ScaleToScreen(Control& control);

// Makes the window cover the whole screen, its controls moved together so that they keep the
// middle of it: for a window that fills the screen rather than float at its designed size.
void FillScreen(Form& form);

}  // namespace kv
