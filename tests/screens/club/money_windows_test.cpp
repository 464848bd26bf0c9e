#include <gtest/gtest.h>

#include "core/money.h"
#include "core/money_text.h"
#include "screens/club/bank_loan_window.h"
#include "screens/club/finances_window.h"
#include "season/club_finances.h"
#include "tests/screens/club/club_windows_world.h"

namespace kv {
namespace {

using MoneyWindows = testing::ClubWindowsTest;

TEST_F(MoneyWindows, LoanTakenToTheCeilingAndRepaidFromTheWindow) {
    Club().division = 4;
    Club().cash = MoneyFromUnits(300'000);
    Books().loan = 0;
    OpenThrough("TForm28", [this] {
        EXPECT_FALSE(d_.Get("bt2").Enabled()) << "nothing to repay";
        EXPECT_EQ(d_.Text("lbemprestado"), "0 mil");
        for (int k = 0; k < 3; ++k) d_.Click("bt1");
        EXPECT_EQ(Books().loan, 1'500'000);
        EXPECT_FALSE(d_.Get("bt1").Enabled()) << "the fourth division stops at 1,5 milhão";
        EXPECT_TRUE(d_.Get("bt2").Enabled());
        EXPECT_EQ(d_.Text("lbjuros"), FormatMoneyInWords(45'000));
        EXPECT_EQ(d_.Text("lbcaixa"), FormatMoneyInWords(1'800'000));
        EXPECT_NE(MainCash().find(FormatMoneyInWords(1'800'000)), std::string::npos);
        d_.SavePng("bank_loan_window.png");
        for (int k = 0; k < 3; ++k) d_.Click("bt2");
        EXPECT_FALSE(d_.Get("bt2").Enabled());
        EXPECT_TRUE(d_.Get("bt1").Enabled());
        d_.Press(VK_ESCAPE);
    });
    EXPECT_EQ(Books().loan, 0);
    EXPECT_EQ(MoneyToWholeUnits(Club().cash), 300'000);
    EXPECT_NE(MainCash().find(FormatMoneyInWords(300'000)), std::string::npos);
}

TEST_F(MoneyWindows, AccountsFromTheCashLabelShowTheBooks) {
    Books() = {};
    Books().gate_receipts = 1'234'567;
    Books().loan = 1'000'000;
    Books().wages_paid = 200'000;
    Books().wage_bill = 12'345;
    d_.Then([this] {
        EXPECT_EQ(d_.Text("valingressos"), "$" + FormatDigitGroups(1'234'567));
        EXPECT_EQ(d_.Text("valentradas"), "$" + FormatDigitGroups(2'234'567));
        EXPECT_EQ(d_.Text("valsaldo"), "$" + FormatDigitGroups(2'034'567));
        EXPECT_EQ(d_.Text("valjurossemanais"), "$" + FormatDigitGroups(30'000));
        EXPECT_EQ(d_.Text("valsalario"), "$" + FormatDigitGroups(12'345));
        EXPECT_EQ(d_.Text("valcaixa"), "$" + FormatDigitGroups(MoneyToWholeUnits(Club().cash)));
        d_.SavePng("finances_window.png");
        d_.Click("SchemeButton2");
    });
    d_.Click("labmoney");
    EXPECT_FALSE(d_.Exists("Form22"));
}

}  // namespace
}  // namespace kv
