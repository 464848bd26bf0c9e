#pragma once
// The first window of a new game: the mode (real countries or the custom championship), the
// leagues to play, the division size, the competitions and the number of human coaches.
// "Iniciar Jogo >>" stores the choices in the game being set up and passes on to the club
// choice (or to the custom championship's set-up).

#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/new_game_setup.h"

namespace kv {

class TMarkupCheckBox;
class TMarkupRadioButton;
class TReportGrid;
class ComboBox;

extern const WindowLayout kForm9Layout;

class TForm9 : public Form {
  public:
    TForm9();

    void ScanClubFiles();
    void list1CellClick(int col, int row);  // the tick column toggles the country
    void SchemeButton3Click();              // "Sel. todas"
    void ckinter1Click();
    void ckinter2Click();
    void rd1Click();
    void rd2Click();
    void SchemeButton1Click();  // "<< Voltar ao início"
    void SchemeButton2Click();  // "Iniciar Jogo >>"

    // What the window shows, as the rules take it.
    NewGameChoices Choices() const;
    const std::vector<CountryClubs>& Listed() const { return listed_; }

  private:
    TMarkupCheckBox& Check(std::string_view name) const;
    void EnableRealModeControls(bool enabled);

    TReportGrid* list1_ = nullptr;
    ComboBox* combo1_ = nullptr;
    ComboBox* combo_box1_ = nullptr;
    ComboBox* combo_box2_ = nullptr;
    TMarkupRadioButton* rd1_ = nullptr;
    TMarkupRadioButton* rd2_ = nullptr;
    std::vector<CountryClubs> listed_;
};

}  // namespace kv
