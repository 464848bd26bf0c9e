#pragma once
// Friendlies: the booking window (a free date, an opponent, home or away), the confirmation of
// the opponent's fee, and the question whether to book pre-season friendlies.

#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm81Layout;
extern const WindowLayout kForm84Layout;
extern const WindowLayout kForm85Layout;

class TForm81 : public Form {
  public:
    // For t_game_state.user_club; in pre-season only the dates before the championship.
    explicit TForm81(bool preseason);

  private:
    void FillDays();
    void bt1Click();

    bool preseason_;
    std::vector<int> days_;
    std::vector<int> opponents_;
};

// The opponent's fee to confirm; true on "Sim".
bool ConfirmFriendly(int opponent, int fee);
// "Deseja marcar amistosos de pré-temporada?"; true on "Sim".
bool AskPreseasonFriendlies();
void ShowFriendlyBookingWindow(bool preseason);

}  // namespace kv
