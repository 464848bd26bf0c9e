#pragma once
// Makes a window's controls from its layout table (layout_table.h) through the control factory,
// and finds them again by name for the window class, which wires its handlers to them:
//
//   TForm17::TForm17() : Form("Form17") {
//       BuildWindowLayout(*this, kForm17Layout);  // BuildLayout with the game's scaling rule
//       ControlNamed<Button>(*this, "Button1").on_click = [this] { Button1Click(); };
//       DoCreate();
//   }

#include <string>
#include <string_view>

#include "platform/window/control_factory.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

// How much a window that scales itself is scaled: by numerator / denominator.
struct LayoutScale {
    int numerator = 1;
    int denominator = 1;
};

// Gives the form the table's client size, caption, font, colour and properties, makes every
// row's control under its parent in table order, sets the tab orders the rows declare, and
// scales the whole window by `scale` when the table says it scales itself. Throws LayoutError,
// naming the window and the row, on a table that cannot be built: an unknown class or
// property, a bad value, a name used twice, a parent that is not a row above.
void BuildLayout(Form& form, const WindowLayout& layout, LayoutScale scale = {});

std::string MissingControlMessage(const Control& root, std::string_view name, bool other_class);

// The control of that name under `root` (a window made from a table), as class T; throws
// LayoutError when there is none or it is of another class.
template <class T = Control>
T& ControlNamed(Control& root, std::string_view name) {
    Control* control = root.Find(name);
    T* as = dynamic_cast<T*>(control);
    if (!as) throw LayoutError(MissingControlMessage(root, name, control != nullptr));
    return *as;
}

}  // namespace kv
