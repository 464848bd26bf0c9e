#pragma once
// The user club's stadium: its sectors' seats and ticket prices, the division's reference
// prices, the work in progress, and the way to the expansion window.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm8Layout;

class TForm8 : public Form {
  public:
    TForm8();

    // A press of a sector's price arrow: +1 or -1.
    void PriceArrowClick(int sector, int step);
    void bt1Click();  // "Expandir Estádio"
    // The title, seats, prices and the work in progress again from the game.
    void Refresh();
};

void ShowStadiumWindow();

}  // namespace kv
