#pragma once
// "Bola de Ouro": the ten best average match ratings of a national division in each playing
// role, and the ten best overall.

#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm83Layout;

class ComboBox;

class TForm83 : public Form {
  public:
    TForm83();

    void combopaisChange();
    void combo1Change();

    ComboBox& Countries();
    ComboBox& Divisions();
    int ShownCompetition() const { return competition_; }
    // The mark-up of a panel (infojt, infojt2 .. infojt8).
    std::string PanelText(const std::string& panel);

  private:
    void FillDivisions();
    void ShowDivision(int division);
    void ShowBestRatings();

    int league_ = 0;
    int competition_ = 0;
};

// Opens the best average ratings modally.
void ShowBestRatingsWindow();

}  // namespace kv
