#pragma once
// Whether a window's texts stand out from what lies under them.

#include <string>
#include <vector>

namespace kv {

class Form;
class Screen;

// Texts of the window on show whose contrast with the pixels under them is below `minimum`
// (3 to 1 by default), one line each: control, contrast, text.
//
// A text is measured by drawing the window with and without it: the pixels it changes are what
// it draws, the same pixels without it what lies under it. Its letters' colour is the colour
// most of those pixels share (blended edges and gradients do not count); its contrast is that
// colour's median contrast with what lies under it. Letters below the minimum still pass when
// a ring of their own (an outline) keeps nearly all their edges off the bare background; a
// one-pixel drop shadow leaves half of them bare and does not.
//
// Measured are the texts of labels, buttons and other captioned controls, mark-up labels, the
// mark-up of smooth panels and the figures of smooth progress bars; texts a control paints from
// data of its own (grids, lists, brackets, pictures) are not.
std::vector<std::string> LowContrastTexts(Screen& screen, Form& form, double minimum = 3.0);

}  // namespace kv
