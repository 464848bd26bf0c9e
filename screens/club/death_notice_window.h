#pragma once
// The notice that a player of the user club has died; the club has already lost him and five
// league points when it opens.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm72Layout;

class TForm72 : public Form {
  public:
    explicit TForm72(int deceased_player);
};

// Shows the notice modally.
void ShowDeathNotice(int deceased_player);

}  // namespace kv
