#include "season/auction.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdint>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/random.h"
#include "season/human_involvement.h"
#include "season/purchase_negotiation.h"
#include "season/transfers.h"

namespace kv {

Auction::Auction(GameData& data, const AuctionStart& start) : data_(data), start_(start) {
    remaining_ = std::max(start.count, 1);
}

void Auction::Begin(std::int64_t now_ms) {
    last_buyer_ = -1;
    SetUp(now_ms);
}

int Auction::ChooseComputerSeller() const {
    const int last = ClubCount(data_) - 1;
    for (int c = first_club_; c <= last; ++c) {
        const t_team& t = data_.teams[c];
        if (!IsHumanManaged(data_, c) && t.squad_size > 25 && t.available_players > 11 &&
            c != last_buyer_)
            return c;
    }
    for (int draw = 0; draw < 250 && last > first_club_; ++draw) {
        const int c = first_club_ + RandInt(last - first_club_);
        if (!IsHumanManaged(data_, c) && data_.teams[c].available_players > 15) return c;
    }
    return -1;
}

int Auction::ChooseListedPlayer(int seller) const {
    if (seller < 0) return -1;
    for (int draw = 0; draw < 250; ++draw) {
        const int position = RandInt(5);
        if (data_.teams[seller].position_counts[position] < 3) continue;
        for (const int i : data_.PlayersOf(seller)) {
            const t_player& p = data_.players[i];
            if (p.position == position && p.on_sale) return i;
        }
    }
    return -1;
}

void Auction::SetUp(std::int64_t now_ms) {
    best_bid_ = 0;
    best_bidder_ = -1;
    buyer_ = -1;
    price_ = 0;
    bidding_club_ = -1;
    bidding_index_ = -1;
    first_club_ = 0;
    const int configs = static_cast<int>(data_.league_configs.size());
    if (configs >= 2) {
        const int country = data_.league_configs[RandInt(configs)].country;
        const int last = ClubCount(data_) - 1;
        for (int c = 0; c <= last; ++c)
            if (data_.teams[c].country == country) {
                first_club_ = c;
                break;
            }
    }
    player_ = start_.player;
    if (player_ < 0) player_ = ChooseListedPlayer(ChooseComputerSeller());
    if (!InTable(data_.players, player_) || player_ == 0 ||
        !IsClub(data_, data_.players[player_].team)) {
        phase_ = AuctionPhase::kFinished;
        return;
    }
    seller_ = data_.players[player_].team;
    if (start_.player >= 0) {
        current_price_ = start_.start_price;
    } else {
        const double value = MoneyToWholeUnits(data_.players[player_].value);
        current_price_ = static_cast<std::int32_t>(std::lround(value / 2)) + RandInt(1000);
    }
    // Every human club gets one turn in list order, beginning with the first that may bid.
    human_bid_pending_ = false;
    phase_ = AuctionPhase::kHumanBids;
    AskFrom(0, now_ms);
}

bool Auction::EligibleBidder(int club) const {
    if (!InTable(data_.teams, club) || club == seller_) return false;
    const t_team& t = data_.teams[club];
    return t.cash >= MoneyFromUnits(current_price_) && t.squad_size < kMaxHumanSquad;
}

void Auction::AskFrom(int index, std::int64_t now_ms) {
    const int count = std::clamp(data_.game_state.human_count, 0, 6);
    for (int i = index; i < count; ++i) {
        const int club = data_.game_state.human_clubs[i];
        if (EligibleBidder(club)) {
            bidding_index_ = i;
            bidding_club_ = club;
            human_bid_pending_ = true;
            return;
        }
    }
    bidding_club_ = -1;
    Resolve(now_ms);
}

BidAnswer Auction::Bid(std::int32_t amount, std::int64_t now_ms) {
    if (phase_ != AuctionPhase::kHumanBids || bidding_club_ < 0) return BidAnswer::kIgnored;
    const Money cash = data_.teams[bidding_club_].cash;
    BidAnswer answer = BidAnswer::kTaken;
    if (cash > 0 && cash < MoneyFromUnits(amount)) return BidAnswer::kAboveCash;
    if (cash < 0) {
        amount = 0;
        answer = BidAnswer::kNegativeBalance;
    }
    if (amount > best_bid_) {
        best_bid_ = amount;
        best_bidder_ = bidding_club_;
    }
    AskFrom(bidding_index_ + 1, now_ms);
    return answer;
}

std::int32_t RuleBid(const GameData& data, const Auction& auction) {
    if (auction.phase() != AuctionPhase::kHumanBids || !InTable(data.teams, auction.bidding_club()))
        return 0;
    const t_team& club = data.teams[auction.bidding_club()];
    const std::int64_t bid = (std::int64_t{auction.current_price()} + 999) / 1000 * 1000;
    const bool affordable = club.cash >= MoneyFromUnits(2 * bid) && club.squad_size < 25;
    return affordable && bid <= std::int64_t{INT32_MAX} ? static_cast<std::int32_t>(bid) : 0;
}

std::int32_t AuctionRaise(std::int32_t current_price) {
    if (current_price >= 1 && current_price <= 100'000) return 1'000 + RandInt(10'000);
    if (current_price > 100'000 && current_price <= 500'000) return 10'000 + RandInt(50'000);
    if (current_price > 500'000 && current_price <= 1'000'000) return 30'000 + RandInt(100'000);
    if (current_price > 1'000'000 && current_price <= 2'000'000) return 50'000 + RandInt(200'000);
    return 50'000 + RandInt(300'000);
}

int Auction::FindComputerBuyer() const {
    const int last = ClubCount(data_) - 1;
    const t_player& p = data_.players[player_];
    const t_team& from = data_.teams[seller_];
    for (int draw = 0; draw < 500 && last > first_club_; ++draw) {
        const int c = first_club_ + RandInt(last - first_club_);
        const t_team& t = data_.teams[c];
        if (c == seller_ || IsHumanManaged(data_, c) || t.available_players >= 22) continue;
        if (p.strength >= 25) {
            if (t.division >= 1 && t.level >= from.level - 2 && t.level <= from.level + 3) return c;
        } else if (std::abs(t.level - from.level) <= 2 &&
                   ContinentOfCountry(t.country) == ContinentOfCountry(from.country)) {
            return c;
        }
    }
    return -1;
}

double AuctionReserveMarginFor(int draw) {
    if (draw >= 4 && draw <= 7) return 0.1;
    if (draw >= 8) return -0.1;
    return 0;
}

void DrawAuctionReserveMargin(GameData& data) {
    data.auction_price_factor = AuctionReserveMarginFor(RandomAside(10));
}

void Auction::Resolve(std::int64_t now_ms) {
    bidding_club_ = -1;
    if (human_bid_pending_) human_bid_pending_ = RandInt(4) == 1;
    const int multiple = RandInt(3) == 1 ? 2 : 3;
    const double value = MoneyToWholeUnits(data_.players[player_].value);
    // Only a real bid at the price can win: a club that never bid is no buyer.
    if (best_bidder_ < 0 || best_bid_ < current_price_)
        human_bid_pending_ = false;
    else if (best_bid_ > value && best_bid_ > static_cast<double>(multiple) * current_price_)
        human_bid_pending_ = true;

    if (human_bid_pending_) {
        CloseSale(best_bidder_, best_bid_, now_ms);
    } else {
        if (data_.auction_price_factor == 0) data_.auction_price_factor = 0.12;
        if (start_.player >= 0 && current_price_ > value * (1 + data_.auction_price_factor)) {
            CloseSale(-1, 0, now_ms);
        } else {
            current_price_ = std::max(current_price_, best_bid_);
            const int buyer = FindComputerBuyer();
            if (buyer >= 0)
                CloseSale(buyer, current_price_ + AuctionRaise(current_price_), now_ms);
            else if (best_bidder_ >= 0 && best_bid_ >= current_price_)
                CloseSale(best_bidder_, best_bid_, now_ms);
            else
                CloseSale(-1, 0, now_ms);
        }
    }
    if (start_.from_sell_window) {
        next_is_auction_ = false;
    } else {
        remaining_ -= 1;
        next_is_auction_ = remaining_ > 0;
    }
}

void Auction::CloseSale(int buyer, std::int32_t price, std::int64_t now_ms) {
    if (!IsClub(data_, buyer)) buyer = -1;
    last_buyer_ = buyer;
    buyer_ = buyer;
    price_ = buyer >= 0 ? price : 0;
    if (buyer >= 0) TransferPlayer(data_, player_, buyer, price);
    held_ += 1;
    phase_ = AuctionPhase::kResult;
    due_ms_ = now_ms + kAuctionResultPauseMs;
}

void Auction::Tick(std::int64_t now_ms) {
    if (phase_ != AuctionPhase::kResult || now_ms < due_ms_) return;
    if (next_is_auction_) {
        start_.player = -1;
        SetUp(now_ms);
    } else {
        phase_ = AuctionPhase::kFinished;
    }
}

std::string AuctionStatusText(const GameData& data, int player) {
    if (!InTable(data.players, player)) return {};
    const t_player& p = data.players[player];
    const int kind = std::clamp(data.game_state.match_kind, 0, 10);
    if (p.suspension[kind] > 0)
        return "Suspenso por " + std::to_string(p.suspension[kind]) + " jogo(s)";
    if (p.yellow_cards[kind] >= 3) return "Suspenso por 1 jogo";
    if (p.injured_until > TodayDate(data)) return "Jogador contundido";
    return {};
}

std::string AuctionResultText(const GameData& data, int buyer, std::int32_t price) {
    if (!InTable(data.teams, buyer)) return "Não houve compradores";
    return "Vendido ao " + data.teams[buyer].name.str() + " por $" + FormatMoneyInWords(price);
}

}  // namespace kv
