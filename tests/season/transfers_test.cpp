#include "season/transfers.h"

#include <gtest/gtest.h>

#include "core/money_text.h"
#include "core/random.h"
#include "season/loans.h"
#include "economy_world.h"

namespace kv {
namespace {

using test::EconomyWorld;

struct Deal : EconomyWorld {
    int seller, buyer, player;
    Deal(bool human_seller = true, bool human_buyer = false) {
        seller = AddClub({.human = human_seller, .cash_units = 1'000'000});
        buyer = AddClub({.human = human_buyer, .cash_units = 2'000'000});
        AddSquad(seller, {2, 2, 2, 3, 2});
        AddSquad(buyer, {2, 2, 2, 3, 2});
        player = AddPlayer(seller, {.position = posForward, .strength = 60});
        Refresh(seller);
    }
    t_player& p() { return data().players[player]; }
    Money cash(int team) { return data().teams[team].cash; }
    t_finance& books(int team) { return data().finances[team]; }
};

TEST(Transfer, HumanSellerKeepsBackAReleasePenaltyByDaysLeft) {
    struct Case {
        double days_left;
        bool apply;
        int penalty;  // on a fee of 100,000
    };
    const Case cases[] = {
        {-3, true, 0},       {0, true, 0},         {0.6, true, 12'000}, {30, true, 12'000},
        {45, true, 15'000},  {61, true, 20'000},   {180, true, 22'000}, {181, true, 25'000},
        {361, true, 30'000}, {1'000'001, true, 0}, {45, false, 0},
    };
    for (const Case& c : cases) {
        Deal d;
        d.p().contract_end = d.today() + c.days_left;
        const Money before = d.cash(d.seller);
        TransferPlayer(d.data(), d.player, d.buyer, 100'000, c.apply);
        EXPECT_EQ(d.cash(d.seller) - before, MoneyFromUnits(100'000 - c.penalty) + 4100)
            << c.days_left;
        EXPECT_EQ(d.books(d.seller).player_sales, 100'000);
        EXPECT_EQ(d.books(d.seller).release_penalties, c.penalty) << c.days_left;
    }
}

TEST(Transfer, ComputerSellerAndZeroFeeKeepNothingBack) {
    for (auto [human, fee] : {std::pair{false, 50'000}, std::pair{true, 0}}) {
        Deal d(human);
        const Money before = d.cash(d.seller);
        TransferPlayer(d.data(), d.player, d.buyer, fee);
        EXPECT_EQ(d.cash(d.seller) - before, MoneyFromUnits(fee) + 4100);
        EXPECT_EQ(d.books(d.seller).release_penalties, 0);
    }
}

TEST(Transfer, MovesThePlayerAndBooksEveryConsequence) {
    Deal d;
    d.p().on_sale = 1;
    d.p().shirt_number = 9;
    d.p().morale = 1;
    d.p().mood_counter = 5;
    d.p().loan_status = 1;
    d.data().teams[d.seller].set_piece_taker = d.player;
    int chosen_for = -1;
    static int* chosen = nullptr;
    chosen = &chosen_for;
    InstallSetPieceTakerRule([](int team) { *chosen = team; });
    const Money buyer_before = d.cash(d.buyer);
    TransferPlayer(d.data(), d.player, d.buyer, 80'000);
    InstallSetPieceTakerRule(nullptr);

    EXPECT_EQ(d.p().team, d.buyer);
    EXPECT_EQ(d.p().shirt_number, 0);
    EXPECT_EQ(d.p().loan_status, 0);
    EXPECT_EQ(d.p().on_sale, 0);
    EXPECT_EQ(d.p().morale, 3);
    EXPECT_EQ(d.p().mood_counter, 0);
    EXPECT_EQ(d.p().asking_price, d.p().value);
    EXPECT_EQ(d.p().contract_end, d.today() + 24 * 7);
    EXPECT_EQ(d.cash(d.buyer), buyer_before - MoneyFromUnits(80'000));
    EXPECT_EQ(d.books(d.buyer).player_purchases, 80'000);
    EXPECT_EQ(chosen_for, d.seller);
    ASSERT_EQ(d.data().transfer_log.size(), 1u);
    const t_transfer& t = d.data().transfer_log[0];
    EXPECT_EQ(std::tuple(t.player, t.from_team, t.to_team, t.fee, t.date),
              std::tuple(d.player, d.seller, d.buyer, 80'000, d.today()));
    EXPECT_EQ(d.data().teams[d.seller].squad_size, 11);
    EXPECT_EQ(d.data().teams[d.buyer].squad_size, 12);
    EXPECT_TRUE(test::WageBillsTrue(d.data()));
    EXPECT_EQ(d.p().moved_this_round, 0);
}

TEST(Transfer, BetweenHumanClubsMarksTheMoveAndDivisionsOfTenGiveTenWeeks) {
    Deal d(true, true);
    d.data().game_state.league_format = kDivisionsOf10;
    TransferPlayer(d.data(), d.player, d.buyer, 1);
    EXPECT_EQ(d.p().moved_this_round, 1);
    EXPECT_EQ(d.p().contract_end, d.today() + 70);
}

TEST(Transfer, IndexOutsideTheTableDoesNothing) {
    Deal d;
    const auto players = d.data().players;
    for (int player : {0, -1, static_cast<int>(players.size())})
        TransferPlayer(d.data(), player, d.buyer, 10);
    EXPECT_TRUE(d.data().transfer_log.empty());
    EXPECT_EQ(d.data().players.size(), players.size());
}

TEST(Transfer, StarJoiningABigClubElsewhereMakesThePressWrite) {
    struct Case {
        int level;
        bool to_user;
        bool news;
    };
    for (const Case c : {Case{23, false, true}, Case{22, false, false}, Case{23, true, false}}) {
        EconomyWorld w;
        const int user = w.AddClub({.human = true});
        const int seller = w.AddClub();
        const int buyer = c.to_user ? user : w.AddClub({.level = c.level});
        const int star = w.AddPlayer(seller, {.star = true});
        TransferPlayer(w.data(), star, buyer, 10);
        const bool rumour = !w.data().inbox.empty() && w.data().inbox[0].subject == sjTransferRumour;
        EXPECT_EQ(rumour, c.news) << c.level << c.to_user;
        if (rumour) {
            EXPECT_EQ(w.data().inbox[0].club, user);
            EXPECT_EQ(w.data().inbox[0].second_party, buyer);
        }
    }
}

TEST(Transfer, FourthStarSplitsAHumanSquadMostOfTheTime) {
    int splits = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        EconomyWorld w;
        const int buyer = w.AddClub({.human = true});
        const int seller = w.AddClub();
        for (int k = 0; k < 3; ++k) w.AddPlayer(buyer, {.star = true});
        const int star = w.AddPlayer(seller, {.star = true});
        SeedRandom(seed);
        TransferPlayer(w.data(), star, buyer, 10);
        const bool split = w.data().teams[buyer].morale == 2;
        splits += split;
        EXPECT_EQ(split, !w.data().inbox.empty() && w.data().inbox.back().subject == sjSquadSplit);
    }
    EXPECT_GT(splits, 140);
    EXPECT_LT(splits, 180);
}

TEST(Sale, BuyerEndsRicherByTheRoundingAndNewsOnlyWhenAsked) {
    for (bool news : {false, true}) {
        Deal d;
        d.data().game_state.user_club = d.seller;
        d.p().contract_end = d.today() + 45;
        const Money buyer_before = d.cash(d.buyer);
        SellPlayer(d.data(), d.player, d.buyer, 300'000, news, news);
        EXPECT_EQ(d.p().team, d.buyer);
        EXPECT_EQ(d.p().value, MoneyFromUnits(300'000));
        EXPECT_EQ(d.cash(d.buyer), buyer_before + 3200);
        EXPECT_EQ(d.books(d.seller).release_penalties, news ? 45'000 : 0);
        EXPECT_EQ(d.data().inbox.size(), news ? 1u : 0u);
        if (news) {
            EXPECT_EQ(d.data().inbox[0].amount, 300'000);
        }
    }
}

TEST(Sale, TheFirstPlayerOfTheTableCanBeSold) {
    EconomyWorld w;
    const int seller = w.AddClub({.human = true});
    const int buyer = w.AddClub();
    const int first = w.AddPlayer(seller);
    ASSERT_EQ(first, 1);
    SellPlayer(w.data(), first, buyer, 1000, false, false);
    EXPECT_EQ(w.data().players[first].team, buyer);
}

struct ReplacementWorld : EconomyWorld {
    int buyer;
    ReplacementWorld() {
        buyer = AddClub();
        const int human = AddClub({.human = true});
        const int one_keeper = AddClub();
        AddSquad(human, {3, 3, 3, 3, 3}, 60);
        AddPlayer(one_keeper, {.position = posForward});
        AddPlayer(one_keeper, {.position = posGoalkeeper, .strength = 60});
        Refresh(one_keeper);
    }
    int AddSeller(int forwards, int strength) {
        const int club = AddClub();
        for (int k = 0; k < forwards; ++k)
            AddPlayer(club, {.position = posForward, .strength = strength});
        Refresh(club);
        return club;
    }
};

TEST(Replacement, BuysInTheBandThenWidensThenGivesUp) {
    {
        ReplacementWorld w;
        const int near = w.AddSeller(2, 55);
        w.AddSeller(2, 80);
        const int bought = BuyReplacementPlayer(w.data(), w.buyer, posForward, 60, 100'000'000);
        ASSERT_GT(bought, 0);
        EXPECT_EQ(w.data().players[bought].team, w.buyer);
        EXPECT_EQ(w.data().finances[near].player_sales, MoneyToWholeUnits(w.data().players[bought].value));
    }
    {
        ReplacementWorld w;
        w.AddSeller(2, 90);
        const int far = w.AddPlayer(w.AddSeller(0, 0), {.position = posForward, .strength = 90});
        (void)far;
        const int bought = BuyReplacementPlayer(w.data(), w.buyer, posForward, 30, 100'000'000);
        ASSERT_GT(bought, 0);
        EXPECT_EQ(w.data().players[bought].strength, 90);
    }
    {
        ReplacementWorld w;
        w.AddSeller(1, 60);  // a club with a single forward keeps him
        EXPECT_EQ(BuyReplacementPlayer(w.data(), w.buyer, posForward, 60, 100'000'000), -1);
        EXPECT_EQ(BuyReplacementPlayer(w.data(), w.buyer, posGoalkeeper, 60, 100'000'000), -1);
        EXPECT_TRUE(w.data().transfer_log.empty());
    }
}

TEST(Replacement, NeverBuysALoaneeOrBeyondThreeTimesTheLimit) {
    ReplacementWorld w;
    const int lender = w.AddClub();
    const int cheap = w.AddClub();
    for (int k = 0; k < 3; ++k) {
        const int loanee = w.AddPlayer(cheap, {.position = posForward, .strength = 30, .age = 33});
        w.data().players[loanee].loan_status = 2;
        AddLoan(w.data(), loanee, lender, w.today() + 50);
    }
    w.Refresh(cheap);
    const int dear = w.AddSeller(2, 60);
    const int limit = MoneyToWholeUnits(w.data().players.back().value) / 4;
    EXPECT_EQ(BuyReplacementPlayer(w.data(), w.buyer, posForward, 60, limit), -1);
    const int bought = BuyReplacementPlayer(w.data(), w.buyer, posForward, 60, 2'000'000'000);
    ASSERT_GT(bought, 0);
    EXPECT_EQ(w.data().finances[dear].player_sales, MoneyToWholeUnits(w.data().players[bought].value));
    EXPECT_EQ(w.data().teams[cheap].squad_size, 3);
}

TEST(Willingness, ByTheReputationsOfBothClubs) {
    struct Case {
        int seller_rep, seller_country, user_rep, user_country, age;
        bool refuses, accepts;
        float factor;
    };
    const int brasil = 29, england = 97, france = 70;  // 70: a European league of no weight
    const Case cases[] = {
        {5, france, 2, france, 25, true, true, 1.0f},
        {5, france, 3, france, 29, false, false, 2.0f},
        {5, france, 3, france, 30, false, false, 1.0f},
        {5, france, 4, france, 24, false, false, 0.9f},
        {5, france, 4, france, 27, false, false, 0.7f},
        {5, france, 5, france, 27, false, true, 1.0f},
        {4, france, 0, france, 27, true, true, 1.0f},
        {4, france, 2, france, 27, false, false, 0.5f},
        {4, france, 3, france, 27, false, true, 1.0f},
        {3, england, 0, brasil, 27, true, true, 1.0f},  // a major league abroad counts one more
        {3, england, 0, france, 27, false, false, 0.2f},
        {3, france, 1, brasil, 27, false, false, 0.2f},
        {2, england, 0, brasil, 27, false, false, 0.2f},
        {2, france, 0, france, 27, false, true, 1.0f},
        {1, france, 0, france, 27, false, true, 1.0f},
    };
    for (const Case& c : cases) {
        EconomyWorld w;
        const int user = w.AddClub({.country = c.user_country, .reputation = c.user_rep});
        w.data().game_state.user_club = user;
        const int club = w.AddClub({.country = c.seller_country, .reputation = c.seller_rep});
        const int player = w.AddPlayer(club, {.age = c.age});
        const Willingness r = CheckPlayerWillingness(w.data(), player);
        EXPECT_EQ(r.refuses, c.refuses) << c.seller_rep << "/" << c.user_rep;
        EXPECT_EQ(r.accepts, c.accepts) << c.seller_rep << "/" << c.user_rep;
        EXPECT_EQ(r.salary_demand, !c.accepts) << c.seller_rep << "/" << c.user_rep;
        EXPECT_FLOAT_EQ(r.salary_demand_factor, c.factor) << c.seller_rep << "/" << c.user_rep;
    }
}

TEST(Willingness, MajorEuropeanLeagues) {
    for (int country : {3, 65, 97, 104, 154}) EXPECT_TRUE(IsMajorEuropeanLeague(country));
    for (int country : {29, 63, 0}) EXPECT_FALSE(IsMajorEuropeanLeague(country));
}

}  // namespace
}  // namespace kv
