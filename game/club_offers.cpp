#include "game/club_offers.h"

#include <cmath>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/random.h"
#include "season/loans.h"
#include "season/transfers.h"

namespace kv {
namespace {

constexpr int kLoanDays = 180;

int PremiumPercent(int r) {
    if (r <= 40) return 25;
    if (r <= 70) return 35;
    if (r <= 85) return 45;
    if (r <= 95) return 50;
    return 60;
}

}  // namespace

int OfferPriceFor(long long value, bool on_sale, long long asking, int r) {
    long long price = value + std::llround(value * PremiumPercent(r) / 100.0);
    if (on_sale && asking <= price) price = asking - std::llround(asking * 0.2);
    if (price == 0) price = value;
    return static_cast<int>(price);
}

int OfferPrice(const GameData& data, int player) {
    const int r = Random(100);
    if (player <= 0 || player >= static_cast<int>(data.players.size())) return 0;
    const t_player& p = data.players[player];
    return OfferPriceFor(MoneyToUnits(p.value), p.on_sale != 0, MoneyToUnits(p.asking_price), r);
}

bool DealPlayerAtClub(const GameData& data, int player, int club) {
    return player > 0 && player < static_cast<int>(data.players.size()) && club >= 0 &&
           data.players[player].team == club;
}

void AcceptPlayerOffer(GameData& data, int player, int bidder, int price) {
    SellPlayer(data, player, bidder, price, false, false);
}

void AcceptLoanRequest(GameData& data, int player, int borrower) {
    const TDateTime end = TodayDate(data) + kLoanDays;
    AddLoan(data, player, data.game_state.user_club, end);
    MovePlayerOnLoan(data, player, borrower, end);
}

}  // namespace kv
