#pragma once
// Saving from the game: the first save of a game asks for a file name (TForm40), and a name
// whose file exists asks before overwriting it (TForm41). Later saves write back to the kept
// name without asking.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm40Layout;
extern const WindowLayout kForm41Layout;

// "Salvar": the name field and its button. It has no way out but saving a name.
class TForm40 : public Form {
  public:
    TForm40();
    void bt1Click();
    // The name typed, once "Salvar" accepted it; empty while the window is open.
    const std::string& ChosenName() const { return chosen_; }

  private:
    std::string chosen_;
};

// "Confirmação": "O arquivo já existe, sobrescreve-lo?" with "Sim" and "Não".
class TForm41 : public Form {
  public:
    TForm41();
};

// The game menu's "Salvar" (and F2): saves the running game, asking for a name on its first
// save. True when the file was written; a failure has been reported to the player.
bool ShowSaveGameWindow();

}  // namespace kv
