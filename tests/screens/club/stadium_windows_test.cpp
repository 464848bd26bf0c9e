#include <gtest/gtest.h>

#include "core/dates.h"
#include "core/field_readers.h"
#include "core/money.h"
#include "core/money_text.h"
#include "platform/window/edit.h"
#include "season/stadium_works.h"
#include "tests/screens/club/club_windows_world.h"

namespace kv {
namespace {

class StadiumWindows : public testing::ClubWindowsTest {
  protected:
    void SetUp() override {
        ClubWindowsTest::SetUp();
        Club().division = 1;
        Club().sector_capacity[0] = 12'000;
        Club().ticket_prices[0] = 2;
        Club().ticket_prices[3] = 0;
        Game().stadium_works.clear();
    }
    void Ask(const char* geral, const char* camarotes = "") {
        d_.Get<Edit>("Editg").SetText(geral);
        d_.Get<Edit>("Editcm").SetText(camarotes);
        d_.Click("SchemeButton1");
    }
};

TEST_F(StadiumWindows, TicketPricesMoveByOneWithinTheirRange) {
    d_.Then([this] {
        d_.Click("upg_menos");
        d_.Click("upg_menos");
        EXPECT_EQ(d_.Text("precog"), "$1") << "the geral stops at 1";
        d_.Click("upcm_menos");
        EXPECT_EQ(d_.Text("precocm"), "$0");
        d_.Click("upcm_mais");
        d_.Click("upcm_mais");
        EXPECT_EQ(d_.Text("precocm"), "$2");
        d_.SavePng("stadium_window.png");
        d_.Press(VK_ESCAPE);
    });
    d_.Press(VK_F6);
    EXPECT_EQ(Club().ticket_prices[0], 1);
    EXPECT_EQ(Club().ticket_prices[3], 2);
}

TEST_F(StadiumWindows, AnExpansionIsQuotedPaidAndShownInProgress) {
    Club().cash = MoneyFromUnits(1'000'000);
    const TDateTime today = TodayDate(Game());
    OpenThrough("TForm8", [this, today] {
        d_.Then([this, today] {
            EXPECT_EQ(d_.Text("maxg"), "(máximo + " + FormatDigitGroups(6'000) + ")");
            Ask("6001");
            EXPECT_NE(d_.Text("Label1").find("Nossos engenheiros"), std::string::npos);
            EXPECT_FALSE(d_.Get("btconstruir").Visible());
            Ask("abc", "-3");
            EXPECT_EQ(d_.Text("Label1"), "");
            EXPECT_FALSE(d_.Get("btconstruir").Visible()) << "nothing asked, no budget";
            Ask("2000");
            ASSERT_TRUE(d_.Get("btconstruir").Visible());
            d_.SavePng("expansion_window.png");
            // What the boxes hold now does not change the budget already given.
            d_.Get<Edit>("Editg").SetText("10");
            d_.Click("btconstruir");
        });
        d_.Click("bt1");
        EXPECT_TRUE(d_.Get("lbobra").Visible());
        EXPECT_EQ(d_.Text("lbobra"),
                  "Expansão em andamento, previsão de término: " + FormatDate(today + 5));
        EXPECT_FALSE(d_.Get("bt1").Visible()) << "one work at a time";
        d_.SavePng("stadium_window_works.png");
        d_.Click("bt3");
    });
    ASSERT_EQ(Game().stadium_works.size(), 1u);
    EXPECT_EQ(Game().stadium_works[0].added_seats[0], 2'000);
    EXPECT_EQ(MoneyToWholeUnits(Club().cash), 260'000);
    EXPECT_EQ(Books().stadium_works, 740'000);
    EXPECT_NE(MainCash().find(FormatMoneyInWords(260'000)), std::string::npos);
}

TEST_F(StadiumWindows, ShortCashIsToldAndPaysNothing) {
    Club().cash = MoneyFromUnits(739'999);
    OpenThrough("TForm8", [this] {
        d_.Then([this] {
            Ask("2000");
            d_.Click("btconstruir");
            EXPECT_EQ(d_.Text("Label1"), "Dinheiro insuficiente para esta obra.");
            d_.Click("bt3");
        });
        d_.Click("bt1");
        EXPECT_TRUE(d_.Get("bt1").Visible());
        d_.Click("bt3");
    });
    EXPECT_TRUE(Game().stadium_works.empty());
    EXPECT_EQ(MoneyToWholeUnits(Club().cash), 739'999);
}

}  // namespace
}  // namespace kv
