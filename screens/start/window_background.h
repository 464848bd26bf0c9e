#pragma once
// The shared background behind the game's windows. A window that shows it calls
// TileGameBackground(*this) in its constructor, right after BuildWindowLayout:
//
//   TForm90::TForm90() : Form("Form90") {
//       BuildWindowLayout(*this, kForm90Layout);
//       TileGameBackground(*this);
//       ...
//
// The form then paints background_bitmap() (img\f01.jpg, read once at start-up by the title
// window) in tiles from its top-left corner, beneath its controls. Without the file the
// picture is empty and the window shows its layout's colour, so give every such window a
// colour that reads well either way. Controls placed straight on the window should be
// transparent (labels, mark-up labels and check boxes take "Transparent" = "True"), or they
// paint their own colour over the tiles. A window that tiles a picture of its own sets
// Form::background_picture to it instead.

#include "platform/window/form.h"

namespace kv {

void TileGameBackground(Form& form);

}  // namespace kv
