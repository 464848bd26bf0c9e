#pragma once
// "Transferir Jogador": moves the player chosen in the squad list to another club, found in a
// list of every club or by the start of its name; a club with a full squad cannot take him.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm79Layout;

class TReportGrid;

class TForm79 : public Form {
  public:
    // `clubs`: the clubs of the editor's club list, in its order; `slot` the player's slot of
    // the current club (0: none chosen, and nothing can be moved).
    TForm79(const std::vector<int>& clubs, int slot);
    void grid1SelectCell(int row);
    void SchemeButton3Click();  // "Procurar"
    void SchemeButton1Click();  // "Transferir"
    TReportGrid& Grid() { return *grid1_; }

  private:
    TReportGrid* grid1_ = nullptr;
    int slot_ = 0;
    int destination_ = -1;
};

}  // namespace kv
