#pragma once
// The warning shown once when the screen is not at 96 dots per inch: the windows are laid out
// in pixels and would be cut.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm17Layout;

class TForm17 : public Form {
  public:
    TForm17();

    void Button1Click();
};

}  // namespace kv
