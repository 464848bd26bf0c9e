#pragma once
// Selling a player: the sale window (list him at a fixed price or sell him in an auction) and
// the auction window, which also holds the auctions of computer clubs' listed players that
// the round close starts before the main window.

#include <memory>
#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/auction.h"

namespace kv {

class GameData;

extern const WindowLayout kForm44Layout;
extern const WindowLayout kForm23Layout;

class TForm44 : public Form {
  public:
    explicit TForm44(int player);
    void Edit1Change();
    void Edit2Change();
    void OptionClick(bool auction);
    void Bt1Click();  // "Iniciar leilão" or "Colocar à venda"
    // The auction the coach chose, started by the caller once this window has closed.
    bool auction_chosen() const { return auction_chosen_; }
    std::int32_t start_price() const { return start_price_; }

  private:
    void PriceChange(const char* edit, const char* words);
    int player_;
    bool auction_chosen_ = false;
    std::int32_t start_price_ = 0;
};

class TForm23 : public Form {
  public:
    explicit TForm23(const AuctionStart& start);
    void OfferClick();  // "Ofertar"
    Auction& auction() { return *auction_; }

  private:
    void ShowAuction();
    void ShowBidder();
    void ShowResult();
    void Step();

    std::unique_ptr<Auction> auction_;
    int shown_auction_ = -1;
    bool result_shown_ = false;
};

// The sale window on a player of the user club, modal; an auction chosen there runs in the
// auction window, modal as well, before this returns.
void ShowSaleWindow(int player);
// The auction window, modal, until its last auction ends.
void ShowAuctionWindow(const AuctionStart& start);

// The round close's hand-over: `count` auctions of computer clubs' listed players, then the
// main window.
void ShowRoundCloseAuctions(int count);

// The estimated release penalty text of the sale window ("25% do valor total"); empty when the
// player has no running contract.
std::string ReleasePenaltyNote(const GameData& data, int player);

}  // namespace kv
