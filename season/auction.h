#pragma once
// The player auction: the human coaches bid in turn, then a computer club may outbid them,
// and the player goes to the winner or stays. One run may hold several auctions of computer
// clubs' listed players in a row. The caller's clock drives the pause after each result: the
// auction never reads a clock itself. Prices are whole money units.

#include <cstdint>
#include <string>

namespace kv {

class GameData;

// The pause after a result before the next auction or the end.
inline constexpr std::int64_t kAuctionResultPauseMs = 2'500;

struct AuctionStart {
    int player = -1;               // the user's own player; -1: a computer club's listed player
    std::int32_t start_price = 0;  // the user's own auction
    bool from_sell_window = false;
    int count = 1;  // auctions of computer players to hold in a row
};

enum class AuctionPhase {
    kHumanBids,  // bidding_club() is asked for a bid
    kResult,     // the result is shown until the pause ends
    kFinished,   // the caller closes the window (and returns to the main window)
};

enum class BidAnswer {
    kTaken,            // the bid counts (possibly as 0)
    kAboveCash,        // the bid exceeds the club's cash: the same coach bids again
    kNegativeBalance,  // the club is in debt: the bid counted as 0
    kIgnored,          // not asked for a bid now
};

class Auction {
  public:
    Auction(GameData& data, const AuctionStart& start);

    // Sets up the first auction; without a player to sell the auction is finished at once.
    void Begin(std::int64_t now_ms);
    // One human bid, in whole units, by the club asked now.
    BidAnswer Bid(std::int32_t amount, std::int64_t now_ms);
    // Moves on once the pause after a result has passed.
    void Tick(std::int64_t now_ms);

    AuctionPhase phase() const { return phase_; }
    int player() const { return player_; }
    int seller() const { return seller_; }
    std::int32_t current_price() const { return current_price_; }
    int bidding_club() const { return bidding_club_; }
    // The result: the buyer (-1 when nobody bought) and the price.
    int buyer() const { return buyer_; }
    std::int32_t price() const { return price_; }
    int auctions_held() const { return held_; }

  private:
    void SetUp(std::int64_t now_ms);
    int ChooseComputerSeller() const;
    int ChooseListedPlayer(int seller) const;
    bool EligibleBidder(int club) const;
    void AskFrom(int index, std::int64_t now_ms);
    void Resolve(std::int64_t now_ms);
    int FindComputerBuyer() const;
    void CloseSale(int buyer, std::int32_t price, std::int64_t now_ms);

    GameData& data_;
    AuctionStart start_;
    AuctionPhase phase_ = AuctionPhase::kFinished;
    int player_ = -1;
    int seller_ = -1;
    int first_club_ = 0;
    std::int32_t current_price_ = 0;
    std::int32_t best_bid_ = 0;
    int best_bidder_ = -1;  // -1: no human bid yet
    int bidding_club_ = -1;
    int bidding_index_ = -1;
    bool human_bid_pending_ = false;
    int last_buyer_ = -1;
    int buyer_ = -1;
    std::int32_t price_ = 0;
    int remaining_ = 0;
    int held_ = 0;
    bool next_is_auction_ = false;
    std::int64_t due_ms_ = 0;
};

// The margin over a player's value above which the coach's own auction finds no buyer, drawn
// afresh each time the main window opens: 0 four times in ten (read as 12 % by the auction),
// 0.1 four times, -0.1 twice. `draw` 0..9.
double AuctionReserveMarginFor(int draw);
void DrawAuctionReserveMargin(GameData& data);

// The price a computer buyer adds to the current price, by its band.
std::int32_t AuctionRaise(std::int32_t current_price);

// The seller's line of the auction window's card, the player's status, and the result line.
std::string AuctionStatusText(const GameData& data, int player);
std::string AuctionResultText(const GameData& data, int buyer, std::int32_t price);

// What a human coach who bids by the simple rule of the game without windows offers in an
// auction that asks him: the current price rounded up to whole thousands (the auction window
// takes bids in thousands) when his club keeps at least twice that and has room in its squad,
// else 0, a pass.
std::int32_t RuleBid(const GameData& data, const Auction& auction);

}  // namespace kv
