#pragma once
// "Cores de fundo da Lista": the background colours of the squad list's rows by position.
// A click on a swatch opens the colour dialog preset to its colour; every change goes to the
// running game and to the options file at once.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm64Layout;

class TForm64 : public Form {
  public:
    TForm64();
    void SwatchClick(int position);  // 0 goalkeepers .. 4 forwards
    void DefaultColoursClick();      // "Cores Padrão"
    void CloseClick();               // "Fechar"

  private:
    void SetColour(int position, std::int32_t colour);
};

// Opens the colours window modally (from the options window).
void ShowColoursWindow();

}  // namespace kv
