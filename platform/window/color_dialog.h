#pragma once
// Choosing a colour: a grid of the classic basic colours and "OK" / "Cancelar".

#include "platform/gfx/colors.h"
#include "platform/window/component.h"

namespace kv {

class ColorDialog : public Component {
public:
    TColor color = clBlack;
    // Shows the dialog modally; true (and `color` set) when the player pressed OK.
    bool Execute();
    // The colours of the grid, row by row; each swatch is a control named "cor<index>".
    static const TColor kBasicColors[48];
};

}  // namespace kv
