#pragma once
// The shirt number of one player of the user club.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm82Layout;

class TForm82 : public Form {
  public:
    explicit TForm82(int shirt_number_player);

  private:
    void button1Click();

    int shirt_number_player_;
};

// Shows the window modally for the player; nothing for an index that is no player.
void ShowShirtNumberWindow(int shirt_number_player);

}  // namespace kv
