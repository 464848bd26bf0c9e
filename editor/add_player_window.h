#pragma once
// The player dialogs: "Adicionar jogador" adds a player to the current club or national team,
// "Editar jogador" changes one slot of it; both show his name, position, side, country (clubs
// only), two characteristics, age and star.

#include <string>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm5Layout;
extern const WindowLayout kForm6Layout;

class PlayerDialog : public Form {
  public:
    void ComboBox1Change();  // refills the characteristic lists for the position
    void TrackBar1Change();
    void BitBtn1Click();  // "Adicionar" or "OK"

  protected:
    // `slot` 0 adds a player; a slot from 1 edits that one.
    PlayerDialog(std::string name, const WindowLayout& layout, bool national, int slot);

  private:
    void ShowSlot();
    bool national_ = false;
    int slot_ = 0;
};

class TForm5 : public PlayerDialog {
  public:
    explicit TForm5(bool national);
};

class TForm6 : public PlayerDialog {
  public:
    TForm6(bool national, int slot);
};

// The two characteristic lists of a position, as the player dialogs offer them; a chosen entry
// is stored as its index, plus 4 for a player other than a goalkeeper.
std::vector<std::string> FirstCharacteristics(int position);
std::vector<std::string> SecondCharacteristics(int position);

}  // namespace kv
