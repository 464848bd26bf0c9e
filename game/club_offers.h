#pragma once
// What the user club answers to a computer club's bid for one of its players or to a request
// to borrow one: the price a bid names, whether the deal can still be shown, and the deal
// itself when the coach says yes.

namespace kv {

class GameData;

// The price a bidder offers for the player, in whole units: his value and a premium of 25 to
// 60 %; a listed player whose asking price the bid reaches goes for that price less 20 %.
int OfferPrice(const GameData& data, int player);
// The same with the premium's draw r of 100 given.
int OfferPriceFor(long long value, bool on_sale, long long asking, int r);

// Whether a bid or a loan request for the player can still be put to the club: a player who
// has left it, died or retired since the request was made is not asked about.
bool DealPlayerAtClub(const GameData& data, int player, int club);

// The bid is taken: the player goes to the bidder for the price, with no release penalty and
// no sale message.
void AcceptPlayerOffer(GameData& data, int player, int bidder, int price);
// The request is taken: the player goes on loan to the borrower for 180 days, owned by the
// user club.
void AcceptLoanRequest(GameData& data, int player, int borrower);

}  // namespace kv
