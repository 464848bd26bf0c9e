#pragma once
// The about window: the game's name and its web site, opened in the browser when the address
// (or a label beside it) is clicked.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm45Layout;

class TForm45 : public Form {
  public:
    TForm45();
    void Label4Click();
};

// The game menu's "Sobre".
void ShowAboutWindow();

}  // namespace kv
