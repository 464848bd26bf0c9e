#pragma once
// The dismissal screen: tells a human coach that he has lost his club and who takes his place.
// The change of coach is made by the rules before it opens; the screen only tells.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/coach_dismissals.h"

namespace kv {

extern const WindowLayout kForm31Layout;

class TForm31 : public Form {
  public:
    // `coach` leaves `club` for `reason`; `successor` (-1 for none) takes his place.
    TForm31(int club, int coach, int successor, DismissalReason reason);
};

// Shows the screen modally.
void ShowDismissalScreen(int club, int coach, int successor, DismissalReason reason);

}  // namespace kv
