#pragma once
// The card of a referee: his name, technique and strictness.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm80Layout;

class TForm80 : public Form {
  public:
    // `viewed_referee` counts from 1; outside 1..kRefereeCount the card is blank.
    explicit TForm80(int viewed_referee);
};

// Shows the card modally; nothing for a number that is no referee.
void ShowRefereeCard(int viewed_referee);

}  // namespace kv
