#pragma once
// "Adicionar jogador": a new player for the current club or national team, with his name,
// position, side, country (clubs only), two characteristics, age and star.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm5Layout;

class TForm5 : public Form {
  public:
    explicit TForm5(bool national);
    void ComboBox1Change();  // refills the characteristic lists for the position
    void TrackBar1Change();
    void BitBtn1Click();  // "Adicionar"

  private:
    bool national_ = false;
};

// The two characteristic lists of a position, as the player dialogs offer them; a chosen entry
// is stored as its index, plus 4 for a player other than a goalkeeper.
std::vector<std::string> FirstCharacteristics(int position);
std::vector<std::string> SecondCharacteristics(int position);

}  // namespace kv
