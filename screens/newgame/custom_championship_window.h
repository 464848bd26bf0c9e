#pragma once
// The custom championship's set-up: the countries whose clubs form one invented league, the
// division format and the national cup; "Continuar >>" makes the league and opens the club
// choice.

#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/new_game_setup.h"

namespace kv {

class TReportGrid;

extern const WindowLayout kForm39Layout;

class TForm39 : public Form {
  public:
    explicit TForm39(int human_count);
    void list1CellClick(int col, int row);
    void SchemeButton1Click();  // "<< Voltar"
    void bt1Click();            // "Continuar >>"
    CustomChoices Choices() const;

  private:
    void Recount();
    TReportGrid* list1_ = nullptr;
    int human_count_ = 1;
};

}  // namespace kv
