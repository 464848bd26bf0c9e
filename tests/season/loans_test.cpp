#include "season/loans.h"

#include <gtest/gtest.h>

#include "season/transfers.h"
#include "economy_world.h"

namespace kv {
namespace {

struct LoanWorld : test::EconomyWorld {
    int owner, borrower, player;
    LoanWorld() {
        owner = AddClub({.human = true});
        borrower = AddClub({.cash_units = 9'000'000});
        AddSquad(owner, {2, 2, 2, 3, 2});
        AddSquad(borrower, {2, 2, 2, 3, 2});
        player = AddPlayer(owner, {.position = posMidfielder, .strength = 45});
        Refresh(owner);
        data().players[player].loan_status = 1;  // offered for loan
    }
    // The loan-request window's acceptance: 180 days away.
    void Lend() {
        const TDateTime end = today() + 180;
        MovePlayerOnLoan(data(), player, borrower, end);
        AddLoan(data(), player, owner, end);
    }
    t_player& p() { return data().players[player]; }
    int squad(int team) { return data().teams[team].squad_size; }
};

TEST(Loans, TakenThenReturnedAtTheEndDate) {
    LoanWorld w;
    EXPECT_EQ(CountOfferedForLoan(w.data(), w.owner), 1);
    w.Lend();
    EXPECT_EQ(w.p().team, w.borrower);
    EXPECT_EQ(w.p().loan_status, 2);
    EXPECT_EQ(w.p().contract_end, w.today() + 180);
    EXPECT_EQ(w.data().transfer_log.back().fee, 0);
    EXPECT_EQ(CountLoanedOut(w.data(), w.owner), 1);
    EXPECT_EQ(CountLoanedIn(w.data(), w.borrower), 1);
    EXPECT_EQ(CountOfferedForLoan(w.data(), w.owner), 0);
    EXPECT_EQ(w.squad(w.owner), 11);
    EXPECT_TRUE(test::WageBillsTrue(w.data()));

    ReturnLoanedPlayers(w.data(), w.today() + 179);
    EXPECT_EQ(w.p().team, w.borrower);
    ReturnLoanedPlayers(w.data(), w.today() + 180);
    EXPECT_EQ(w.p().team, w.owner);
    EXPECT_EQ(w.p().loan_status, 0);
    EXPECT_EQ(w.p().contract_end, w.today() + 120);
    EXPECT_EQ(w.data().loans[0].player, -1);
    EXPECT_EQ(CountLoanedOut(w.data(), w.owner), 0);
    EXPECT_EQ(w.squad(w.owner), 12);
    EXPECT_TRUE(test::WageBillsTrue(w.data()));
}

TEST(Loans, OwnerWithAFullSquadIsToldAtEveryCallUntilThereIsRoom) {
    LoanWorld w;
    w.Lend();
    for (int k = 0; k < 17; ++k) w.AddPlayer(w.owner);
    w.Refresh(w.owner);
    ASSERT_EQ(w.squad(w.owner), 28);
    for (int round = 1; round <= 2; ++round) {
        ReturnLoanedPlayers(w.data(), w.today() + 200);
        EXPECT_EQ(w.p().team, w.borrower);
        ASSERT_EQ(w.data().inbox.size(), static_cast<std::size_t>(round));
        const t_news_item& item = w.data().inbox.back();
        EXPECT_EQ(item.club, w.owner);
        EXPECT_EQ(item.subject, sjLoanCannotReturn);
        EXPECT_EQ(item.player, w.player);
    }
    w.data().teams[w.owner].squad_size = 27;
    ReturnLoanedPlayers(w.data(), w.today() + 200);
    EXPECT_EQ(w.p().team, w.owner);
}

TEST(Loans, CancelledBringsHimHomeWithSixMonths) {
    LoanWorld w;
    w.Lend();
    CancelLoan(w.data(), w.player);
    EXPECT_EQ(w.p().team, w.owner);
    EXPECT_EQ(w.p().loan_status, 0);
    EXPECT_EQ(w.p().contract_end, w.today() + 180);
    EXPECT_EQ(FindOpenLoan(w.data(), w.player), -1);
    EXPECT_TRUE(test::WageBillsTrue(w.data()));
    CancelLoan(w.data(), w.player);  // no loan: nothing happens
    EXPECT_EQ(w.data().transfer_log.size(), 2u);
}

TEST(Loans, BoughtByTheBorrowerForTheAmountChecked) {
    LoanWorld w;
    w.Lend();
    const int price = LoanedPlayerPrice(w.data(), w.player);
    ASSERT_GT(price, 0);
    EXPECT_TRUE(CanBuyLoanedPlayer(w.data(), w.player));
    const Money before = w.data().teams[w.borrower].cash;
    BuyLoanedPlayer(w.data(), w.player);
    EXPECT_EQ(w.p().team, w.borrower);
    EXPECT_EQ(w.p().loan_status, 0);
    EXPECT_EQ(FindOpenLoan(w.data(), w.player), -1);
    EXPECT_EQ(before - w.data().teams[w.borrower].cash, MoneyFromUnits(price));
    EXPECT_EQ(w.data().finances[w.owner].player_sales, price);
    EXPECT_EQ(w.data().transfer_log.back().from_team, w.owner);
    EXPECT_EQ(w.squad(w.owner), 11);
    EXPECT_EQ(w.squad(w.borrower), 12);
    EXPECT_TRUE(test::WageBillsTrue(w.data()));
}

TEST(Loans, BorrowerShortOfTheAmountCannotBuy) {
    LoanWorld w;
    w.Lend();
    w.data().teams[w.borrower].cash = MoneyFromUnits(LoanedPlayerPrice(w.data(), w.player) - 1);
    EXPECT_FALSE(CanBuyLoanedPlayer(w.data(), w.player));
    w.data().teams[w.borrower].cash += MoneyFromUnits(1);
    EXPECT_TRUE(CanBuyLoanedPlayer(w.data(), w.player));
}

TEST(Loans, ClosedWithoutMovingAnyoneOnceThePlayerIsNoLongerOnLoan) {
    struct Case {
        const char* what;
        void (*happen)(LoanWorld&);
    };
    const Case cases[] = {
        {"died", [](LoanWorld& w) {
             w.p().team = -1;
             CloseLoansOf(w.data(), w.player);
         }},
        {"left the game without the register knowing", [](LoanWorld& w) { w.p().team = -1; }},
        {"was sold on", [](LoanWorld& w) {
             TransferPlayer(w.data(), w.player, w.AddClub(), 10);
         }},
        {"lost his loan status", [](LoanWorld& w) { w.p().loan_status = 0; }},
    };
    for (const Case& c : cases) {
        LoanWorld w;
        w.Lend();
        c.happen(w);
        const int team = w.p().team;
        ReturnLoanedPlayers(w.data(), w.today() + 365);
        CancelLoan(w.data(), w.player);
        BuyLoanedPlayer(w.data(), w.player);
        EXPECT_EQ(w.p().team, team) << c.what;
        EXPECT_EQ(FindOpenLoan(w.data(), w.player), -1) << c.what;
        EXPECT_EQ(CountLoanedOut(w.data(), w.owner), 0) << c.what;
        EXPECT_TRUE(w.data().inbox.empty()) << c.what;
    }
}

}  // namespace
}  // namespace kv
