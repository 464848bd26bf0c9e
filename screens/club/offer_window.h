#pragma once
// A computer club's bid for one of the user club's players: the price, the player's card and
// the question whether to sell him.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm68Layout;

class TForm68 : public Form {
  public:
    // `club` bids for `player` of the user club; the price is decided here.
    TForm68(int player, int club);
    int offer_price() const { return offer_price_; }

  private:
    void bt3Click();

    int deal_player_;
    int offer_club_;
    int offer_price_ = 0;
};

// Shows the bid modally; true when the player was sold.
bool ShowPlayerOfferWindow(int player, int club);

}  // namespace kv
