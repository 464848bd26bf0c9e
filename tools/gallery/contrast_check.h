#pragma once
// Whether a window's texts stand out from what lies around them.

#include <string>
#include <vector>

namespace kv {

class Form;
class Screen;

// Texts of the window on show whose contrast with what lies around their letters is below
// `minimum` (3 to 1 by default), one line each: control, contrast, text.
//
// The window is painted once with every run of text recorded as it is drawn: its letters'
// colour and the pixels that were there before it, measured as DrawnTextContrast says. Every
// text drawn counts, whichever control draws it (labels, buttons, grids, lists, brackets,
// pictures painted with words); not counted are a copy of a text drawn again a pixel or two
// away (the shadow or outline of the one drawn last, which is then what lies around it), a text
// painted over by something drawn after it, texts outside the window, and the captions of
// disabled controls, which are greyed on purpose to say they cannot be used.
std::vector<std::string> LowContrastTexts(Screen& screen, Form& form, double minimum = 3.0);

}  // namespace kv
