#include "season/auction.h"

#include <gtest/gtest.h>

#include "core/money_text.h"
#include "core/random.h"
#include "economy_world.h"

namespace kv {
namespace {

using test::EconomyWorld;

// A computer club (level 15) with a listed forward, up to two human clubs and, when asked,
// one computer club that would buy him. Other clubs sit far above the seller's level.
struct AuctionWorld : EconomyWorld {
    int seller, player, buyer = -1;
    std::vector<int> humans;
    AuctionWorld(int human_count, bool computer_buyer, bool human_seller = false) {
        if (computer_buyer) {
            buyer = AddClub({.level = 15});
            AddSquad(buyer, {2, 2, 2, 3, 2});
        }
        for (int h = 0; h < human_count; ++h) {
            humans.push_back(AddClub({.level = 25, .human = true, .cash_units = 100'000'000}));
            AddSquad(humans.back(), {2, 2, 2, 3, 2});
        }
        seller = AddClub({.level = 15, .human = human_seller});
        AddSquad(seller, {3, 5, 6, 6, 6});
        player = AddPlayer(seller, {.position = posForward, .strength = 60});
        data().players[player].on_sale = 1;
        Refresh(seller);
        AddClub({.level = 25});  // the last club is never drawn as a buyer
    }
    std::int32_t value() { return MoneyToWholeUnits(data().players[player].value); }
};

void RunOut(Auction& a, std::int64_t& now) {
    for (int i = 0; i < 10 && a.phase() == AuctionPhase::kResult; ++i) a.Tick(now += 2'500);
}

TEST(Auction, WithoutBiddersThePlayerStays) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        AuctionWorld w(0, false);
        Auction a(w.data(), {.count = 1});
        a.Begin(0);
        ASSERT_EQ(a.phase(), AuctionPhase::kResult);
        EXPECT_EQ(a.player(), w.player);
        EXPECT_EQ(a.buyer(), -1);
        EXPECT_EQ(w.data().players[w.player].team, w.seller);
        EXPECT_EQ(AuctionResultText(w.data(), a.buyer(), a.price()), "Não houve compradores");
    }
}

TEST(Auction, NoBidIsNeverASaleToTeamZero) {
    // The user's own auction at a starting price of 0 and nobody bidding: nothing is sold,
    // whoever team 0 is.
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        AuctionWorld w(0, false, true);
        Auction a(w.data(), {.player = w.player, .start_price = 0, .from_sell_window = true});
        a.Begin(0);
        EXPECT_EQ(a.buyer(), -1);
        EXPECT_EQ(w.data().players[w.player].team, w.seller);
        EXPECT_EQ(w.data().finances[0].player_purchases, 0);
    }
}

TEST(Auction, SingleHumanIsAskedOnceAndABidBelowThePriceNeverWins) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        AuctionWorld w(1, false);
        Auction a(w.data(), {.count = 1});
        a.Begin(0);
        ASSERT_EQ(a.phase(), AuctionPhase::kHumanBids);
        EXPECT_EQ(a.bidding_club(), w.humans[0]);
        EXPECT_EQ(a.Bid(a.current_price() - 1, 0), BidAnswer::kTaken);
        EXPECT_EQ(a.phase(), AuctionPhase::kResult);
        EXPECT_EQ(a.buyer(), -1);
        EXPECT_EQ(w.data().players[w.player].team, w.seller);
    }
}

TEST(Auction, TwoHumansBidInTurnAndTheHigherBidWins) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        AuctionWorld w(2, false);
        Auction a(w.data(), {.count = 1});
        a.Begin(0);
        const std::int32_t price = a.current_price();
        ASSERT_EQ(a.bidding_club(), w.humans[0]);
        EXPECT_EQ(a.Bid(100'000'001, 0), BidAnswer::kAboveCash);  // the same coach again
        EXPECT_EQ(a.bidding_club(), w.humans[0]);
        a.Bid(price, 0);
        ASSERT_EQ(a.bidding_club(), w.humans[1]);
        a.Bid(price + 1'000, 0);
        ASSERT_EQ(a.phase(), AuctionPhase::kResult);
        EXPECT_EQ(a.buyer(), w.humans[1]);
        EXPECT_EQ(a.price(), price + 1'000);
        EXPECT_EQ(w.data().players[w.player].team, w.humans[1]);
        EXPECT_TRUE(test::WageBillsTrue(w.data()));
    }
}

TEST(Auction, ComputerBuyerOutbidsUnlessTheHumanWinsOutright) {
    int human_wins = 0;
    for (std::uint64_t seed = 1; seed <= 80; ++seed) {
        SeedRandom(seed);
        AuctionWorld w(1, true);
        Auction a(w.data(), {.count = 1});
        a.Begin(0);
        const std::int32_t bid = a.current_price();  // at the price, below the value
        a.Bid(bid, 0);
        ASSERT_EQ(a.phase(), AuctionPhase::kResult);
        if (a.buyer() == w.humans[0]) {
            ++human_wins;
            EXPECT_EQ(a.price(), bid);
        } else {
            ASSERT_EQ(a.buyer(), w.buyer);
            EXPECT_GE(a.price(), bid + 1'000);
        }
        EXPECT_EQ(w.data().players[w.player].team, a.buyer());
    }
    EXPECT_GT(human_wins, 5);  // about one in four
    EXPECT_LT(human_wins, 40);
}

TEST(Auction, BidAboveValueAndThreeTimesThePriceAlwaysWins) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        AuctionWorld w(1, true);
        Auction a(w.data(), {.count = 1});
        a.Begin(0);
        const std::int32_t bid = std::max(w.value(), 3 * a.current_price()) + 1;
        a.Bid(bid, 0);
        EXPECT_EQ(a.buyer(), w.humans[0]);
    }
}

TEST(Auction, OwnAuctionAboveValuePlusMarginFindsNoBuyer) {
    SeedRandom(3);
    AuctionWorld w(0, true, true);
    w.data().auction_price_factor = 0;  // read as 12 %
    const auto start = static_cast<std::int32_t>(w.value() * 1.13);
    Auction a(w.data(), {.player = w.player, .start_price = start, .from_sell_window = true});
    a.Begin(0);
    EXPECT_EQ(a.buyer(), -1);
    EXPECT_DOUBLE_EQ(w.data().auction_price_factor, 0.12);
    std::int64_t now = 0;
    a.Tick(2'499);
    EXPECT_EQ(a.phase(), AuctionPhase::kResult);
    RunOut(a, now);
    EXPECT_EQ(a.phase(), AuctionPhase::kFinished);  // from the sale window: one auction only
}

TEST(Auction, CountOfTwoHoldsASecondAuctionAfterThePause) {
    SeedRandom(5);
    AuctionWorld w(0, false);
    Auction a(w.data(), {.count = 2});
    a.Begin(0);
    ASSERT_EQ(a.phase(), AuctionPhase::kResult);
    a.Tick(2'499);
    EXPECT_EQ(a.auctions_held(), 1);
    a.Tick(2'500);
    EXPECT_EQ(a.auctions_held(), 2);
    ASSERT_EQ(a.phase(), AuctionPhase::kResult);
    a.Tick(5'000);
    EXPECT_EQ(a.phase(), AuctionPhase::kFinished);
}

TEST(Auction, NothingListedEndsAtOnce) {
    AuctionWorld w(1, true);
    w.data().players[w.player].on_sale = 0;
    Auction a(w.data(), {.count = 1});
    a.Begin(0);
    EXPECT_EQ(a.phase(), AuctionPhase::kFinished);
}

TEST(Auction, StatusShowsSuspensionOnlyFromThreeYellowCards) {
    AuctionWorld w(0, false);
    t_player& p = w.data().players[w.player];
    p.yellow_cards[ckNationalLeague] = 2;
    EXPECT_EQ(AuctionStatusText(w.data(), w.player), "");
    p.yellow_cards[ckNationalLeague] = 3;
    EXPECT_EQ(AuctionStatusText(w.data(), w.player), "Suspenso por 1 jogo");
    p.suspension[ckNationalLeague] = 2;
    EXPECT_EQ(AuctionStatusText(w.data(), w.player), "Suspenso por 2 jogo(s)");
}

TEST(Auction, RaiseByPriceBand) {
    struct Case {
        std::int32_t price, low, high;
    };
    const Case cases[] = {{100'000, 1'000, 10'999},
                          {100'001, 10'000, 59'999},
                          {1'000'000, 30'000, 129'999},
                          {2'000'000, 50'000, 249'999},
                          {2'000'001, 50'000, 349'999}};
    for (const Case& c : cases)
        for (int k = 0; k < 50; ++k) {
            const std::int32_t r = AuctionRaise(c.price);
            EXPECT_GE(r, c.low);
            EXPECT_LE(r, c.high);
        }
}

}  // namespace
}  // namespace kv
