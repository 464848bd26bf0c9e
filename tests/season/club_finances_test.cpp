#include "season/club_finances.h"

#include <gtest/gtest.h>

#include "core/money_text.h"
#include "economy_world.h"

namespace kv {
namespace {

std::int32_t Cash(test::EconomyWorld& w, int club) {
    return MoneyToWholeUnits(w.data().teams[club].cash);
}

TEST(BankLoan, TakenChargedWeeklyAndRepaid) {
    test::EconomyWorld w;
    const int club = w.AddClub({.division = 2, .human = true, .cash_units = 200'000});
    ASSERT_TRUE(BorrowLoanStep(w.data(), club));
    ASSERT_TRUE(BorrowLoanStep(w.data(), club));
    EXPECT_EQ(w.data().finances[club].loan, 1'000'000);
    EXPECT_EQ(Cash(w, club), 1'200'000);
    for (int week = 0; week < 3; ++week) ChargeLoanInterest(w.data(), club);
    EXPECT_EQ(Cash(w, club), 1'200'000 - 3 * 30'000);
    EXPECT_EQ(w.data().finances[club].loan_interest, 30'000) << "the last charge, not a total";

    // Repaying is not limited by the cash: the second step leaves it below 0.
    w.data().teams[club].cash = MoneyFromUnits(600'000);
    EXPECT_TRUE(RepayLoanStep(w.data(), club));
    EXPECT_TRUE(RepayLoanStep(w.data(), club));
    EXPECT_FALSE(RepayLoanStep(w.data(), club));
    EXPECT_EQ(w.data().finances[club].loan, 0);
    EXPECT_EQ(Cash(w, club), -400'000);
    ChargeLoanInterest(w.data(), club);
    EXPECT_EQ(Cash(w, club), -400'000) << "no loan, no interest";
}

TEST(BankLoan, StopsAtTheDivisionsCeiling) {
    const struct {
        int division;
        int steps;
    } cases[] = {{1, 10}, {2, 6}, {3, 4}, {4, 3}, {0, 3}};
    for (const auto& c : cases) {
        test::EconomyWorld w;
        const int club = w.AddClub({.division = c.division});
        int steps = 0;
        while (BorrowLoanStep(w.data(), club)) ++steps;
        EXPECT_EQ(steps, c.steps) << "division " << c.division;
        EXPECT_EQ(w.data().finances[club].loan, LoanCeiling(c.division));
        EXPECT_FALSE(CanBorrow(w.data(), club));
        EXPECT_EQ(Cash(w, club), 5'000'000 + LoanCeiling(c.division)) << "refusal pays nothing";
    }
}

TEST(BankLoan, ARelegatedDebtorBorrowsOnlyBelowHisNewCeiling) {
    test::EconomyWorld w;
    const int club = w.AddClub({.division = 1});
    for (int k = 0; k < 6; ++k) BorrowLoanStep(w.data(), club);
    w.data().teams[club].division = 3;
    EXPECT_FALSE(BorrowLoanStep(w.data(), club));
    RepayLoanStep(w.data(), club);
    RepayLoanStep(w.data(), club);
    EXPECT_FALSE(CanBorrow(w.data(), club)) << "2,000,000 owed is the new ceiling";
    RepayLoanStep(w.data(), club);
    EXPECT_TRUE(BorrowLoanStep(w.data(), club));
}

TEST(Accounts, LoanCountsAsIncomeAndInterestIsWeekly) {
    test::EconomyWorld w;
    const int club = w.AddClub({.cash_units = 1'234'567});
    t_finance& f = w.data().finances[club];
    f.gate_receipts = 100;
    f.prizes = 20;
    f.loan = 1'500'000;
    f.wages_paid = 300;
    f.stadium_works = 5;
    f.wage_bill = 77;
    const ClubAccounts a = AccountsOf(w.data(), club);
    EXPECT_EQ(a.income_total, 1'500'120);
    EXPECT_EQ(a.expense_total, 305);
    EXPECT_EQ(a.balance, 1'499'815);
    EXPECT_EQ(a.weekly_interest, 45'000);
    EXPECT_EQ(a.wage_bill, 77);
    EXPECT_EQ(a.cash, 1'234'567);
    f.loan = 0;
    EXPECT_EQ(AccountsOf(w.data(), club).weekly_interest, 0);
}

}  // namespace
}  // namespace kv
