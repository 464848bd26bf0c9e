#pragma once
// A computer club asks to borrow one of the user club's players offered for loan.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm59Layout;

class TForm59 : public Form {
  public:
    // `club` asks for `player` of the user club.
    TForm59(int player, int club);

  private:
    void bt3Click();

    int loan_request_player_;
    int loan_request_club_;
};

// Shows the request modally; true when the player was lent.
bool ShowLoanRequestWindow(int player, int club);

}  // namespace kv
