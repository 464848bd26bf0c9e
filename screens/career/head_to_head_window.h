#pragma once
// "Histórico completo de confrontos": every recorded meeting of two teams chosen from two lists,
// with each side's totals.

#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm15Layout;

class ComboBox;
class TReportGrid;

class TForm15 : public Form {
  public:
    // The two teams chosen at opening (the caller's head_to_head_clubs); -1 none.
    TForm15(int team_a, int team_b);

    void bt3Click();  // "Mostrar confrontos", also Enter
    // Chooses a team in list c1 (side 0) or c2 (side 1) as the player would.
    void ChooseTeam(int side, int team);

    TReportGrid& Grid() { return *grid_; }

  private:
    void ShowMeetings(int a, int b);
    ComboBox& List(int side);

    TReportGrid* grid_ = nullptr;
    std::vector<int> order_;  // the team at each position of the lists
};

// Opens the head-to-head of MainWindowSelections().head_to_head_clubs modally.
void ShowHeadToHeadWindow();

}  // namespace kv
