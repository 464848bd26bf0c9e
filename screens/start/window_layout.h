#pragma once
// How every window of the game makes its controls: from its layout table, scaled for the
// screen by the game's rule when the table says the window scales itself. A window that shows
// the shared background picture calls TileGameBackground (window_background.h) right after.

#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "platform/window/layout_table.h"

namespace kv {

void BuildWindowLayout(Form& form, const WindowLayout& layout);

}  // namespace kv
