#include "screens/club/sale_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "game/game_windows.h"
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/main/main_window.h"
#include "screens/main/round_results_window.h"
#include "screens/routes/window_routes.h"
#include "season/human_involvement.h"
#include "tests/screens/sample_game_day.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

std::string Html(TestDriver& d, const char* name) {
    std::string s;
    for (const std::string& line : d.Get<TMarkupLabel>(name).HTMLLines()) s += line;
    return s;
}

class SaleWindowTest : public ::testing::Test {
  protected:
    void Start(int humans) {
        testing::StartSampleGameOnAHumanDay(humans, 33);
        GameData& data = Game();
        user_ = data.game_state.user_club = data.game_state.human_clubs[0];
        for (std::size_t i = 1; i < data.players.size(); ++i)
            if (data.players[i].team == user_ && data.players[i].loan_status == 0)
                player_ = static_cast<int>(i);
        ASSERT_GT(player_, 0);
        driver_ = std::make_unique<TestDriver>(1024, 768);
    }
    void TearDown() override {
        driver_.reset();
        Game().Reset();
    }
    TForm44& OpenSale() {
        TForm44& form = driver_->screen().Create<TForm44>(player_);
        form.Show();
        driver_->Pump();
        return form;
    }
    t_player& p() { return Game().players[player_]; }
    // Only one computer club has the squad of a seller, and every computer player is listed.
    int OneComputerSeller() {
        GameData& data = Game();
        int seller = -1;
        for (int c = 0; c < ClubCount(data) && seller < 0; ++c)
            if (!IsHumanManaged(data, c) && data.teams[c].squad_size >= 11) seller = c;
        for (int c = 0; c < ClubCount(data); ++c)
            if (!IsHumanManaged(data, c))
                data.teams[c].squad_size = std::min(data.teams[c].squad_size, 25);
        if (seller < 0) return -1;
        t_team& s = data.teams[seller];
        s.squad_size = 26;
        s.available_players = 20;
        for (int& count : s.position_counts) count = 3;
        for (std::size_t i = 1; i < data.players.size(); ++i) {
            const int team = data.players[i].team;
            if (team >= 0 && !IsHumanManaged(data, team)) data.players[i].on_sale = 1;
        }
        return seller;
    }

    std::unique_ptr<TestDriver> driver_;
    int user_ = -1, player_ = -1;
};

TEST_F(SaleWindowTest, ListsThePlayerAtAFixedPrice) {
    Start(1);
    p().contract_end = TodayDate(Game()) + 200;
    TForm44& form = OpenSale();
    EXPECT_EQ(Html(*driver_, "Label13"), "<SHAD>25% do valor total</SHAD>");
    driver_->SavePng("sale_window.png");
    driver_->Get<TMarkupRadioButton>("ck2").SetChecked(true);
    form.OptionClick(false);
    EXPECT_EQ(driver_->Get("bt1").Caption(), "Colocar à venda");
    driver_->Get<Edit>("Edit2").SetText("0");  // replaced by 1000
    EXPECT_EQ(driver_->Get<Edit>("Edit2").Text(), "1000");
    driver_->Get<Edit>("Edit2").SetText("750");
    form.Bt1Click();
    EXPECT_EQ(p().on_sale, 1);
    EXPECT_EQ(p().asking_price, MoneyFromUnits(750'000));
}

TEST_F(SaleWindowTest, NoRunningContractHidesThePenaltyAndShrinksTheWindow) {
    Start(1);
    p().contract_end = TodayDate(Game()) - 1;
    TForm44& form = OpenSale();
    EXPECT_FALSE(driver_->Get<TMarkupLabel>("Label13").Visible());
    EXPECT_LT(form.ClientHeight(), kForm44Layout.client_height);
}

TEST_F(SaleWindowTest, ListingStopsAtTheSquadFloor) {
    Start(1);
    GameData& data = Game();
    int unlisted = 0;
    for (std::size_t i = 1; i < data.players.size(); ++i) {
        t_player& q = data.players[i];
        if (q.team != user_ || static_cast<int>(i) == player_) continue;
        // Ten others stay unlisted: listing him would leave ten, fewer than a sale leaves.
        if (unlisted < 10) {
            q.on_sale = 0;
            ++unlisted;
        } else {
            q.on_sale = 1;
        }
    }
    p().on_sale = 0;
    TForm44& form = OpenSale();
    driver_->Get<TMarkupRadioButton>("ck2").SetChecked(true);
    form.OptionClick(false);
    driver_->Get<Edit>("Edit2").SetText("500");
    driver_->AnswerModal(mrOk);
    form.Bt1Click();
    EXPECT_EQ(p().on_sale, 0);
    ASSERT_FALSE(driver_->Messages().empty());
}

TEST_F(SaleWindowTest, TwoHumanCoachesBidAndTheAuctionRunsToItsEnd) {
    Start(2);
    GameData& data = Game();
    const int seller = OneComputerSeller();
    ASSERT_GE(seller, 0);
    const int first = data.game_state.human_clubs[0], second = data.game_state.human_clubs[1];
    for (int h : {first, second}) data.teams[h].cash = MoneyFromUnits(90'000'000);

    TForm23& form = driver_->screen().Create<TForm23>(AuctionStart{.count = 1});
    Auction& auction = form.auction();
    ASSERT_EQ(auction.phase(), AuctionPhase::kHumanBids);
    const int player = auction.player();
    EXPECT_EQ(data.players[player].team, seller);
    EXPECT_EQ(auction.bidding_club(), first);
    form.Show();
    driver_->Pump();
    EXPECT_NE(Html(*driver_, "Label15").find(data.teams[first].name.str()), std::string::npos);
    driver_->SavePng("auction_window.png");
    driver_->Get<Edit>("Edit1").SetText("1");
    driver_->Click("CHButton1");
    EXPECT_EQ(auction.bidding_club(), second);
    // Above the value and three times the price: the second coach wins outright.
    const std::int32_t value = MoneyToWholeUnits(data.players[player].value);
    const std::int32_t bid =
        (std::max(value, 3 * auction.current_price()) + 1'000) / 1'000 * 1'000 + 1'000;
    driver_->Get<Edit>("Edit1").SetText(std::to_string(bid / 1'000));
    driver_->Click("CHButton1");
    ASSERT_EQ(auction.phase(), AuctionPhase::kResult);
    EXPECT_EQ(auction.buyer(), second);
    EXPECT_EQ(data.players[player].team, second);
    EXPECT_EQ(Html(*driver_, "Label16"), "<SHAD>Vendido ao " + data.teams[second].name.str() +
                                             " por $" + FormatMoneyInWords(bid) + "</SHAD>");
    driver_->SavePng("auction_window_result.png");
    driver_->Advance(2'400);
    EXPECT_EQ(auction.phase(), AuctionPhase::kResult);
    driver_->Advance(400);
    EXPECT_EQ(auction.phase(), AuctionPhase::kFinished);
}

TEST_F(SaleWindowTest, AuctionFromTheSaleWindowIsModal) {
    Start(2);
    p().contract_end = TodayDate(Game()) - 1;
    bool seen = false;
    driver_->Then([this, &seen] {
        driver_->Get<Edit>("Edit1").SetText("100");
        driver_->Then([this, &seen] {
            // The auction window runs in a modal loop of its own: nothing behind it can close.
            Form* top = driver_->screen().ActiveForm();
            ASSERT_NE(top, nullptr);
            EXPECT_EQ(top->Name(), "Form23");
            EXPECT_TRUE(top->Modal());
            seen = true;
            // The other coach passes; the result shows, then the window closes by itself.
            if (driver_->Exists("CHButton1") && driver_->Get("CHButton1").Visible())
                driver_->Click("CHButton1");
            driver_->Advance(3'000);
        });
        driver_->Click("bt1");
    });
    ShowSaleWindow(player_);
    EXPECT_TRUE(seen);
}

TEST_F(SaleWindowTest, SellsThePlayerInAnAuctionToTheOtherCoach) {
    Start(2);
    GameData& data = Game();
    p().contract_end = TodayDate(data) - 1;  // no release penalty
    const int other = data.game_state.human_clubs[1];
    data.teams[other].cash = MoneyFromUnits(90'000'000);
    const Money user_cash = data.teams[user_].cash, other_cash = data.teams[other].cash;
    const int squad = data.teams[user_].squad_size;
    // Above the value and three times the starting price: the other coach wins outright.
    const std::int32_t bid = (MoneyToWholeUnits(p().value) / 1000 + 400) * 1000;
    driver_->Then([this, bid] {
        driver_->Get<Edit>("Edit1").SetText("100");
        driver_->Then([this, bid] {
            EXPECT_NE(Html(*driver_, "Label15")
                          .find(Game().teams[Game().game_state.human_clubs[1]].name.str()),
                      std::string::npos);
            driver_->Get<Edit>("Edit1").SetText(std::to_string(bid / 1000));
            driver_->Click("CHButton1");
            EXPECT_NE(Html(*driver_, "Label16").find("Vendido ao "), std::string::npos);
            driver_->Advance(3'000);
        });
        driver_->Click("bt1");
    });
    ShowSaleWindow(player_);
    EXPECT_EQ(p().team, other);
    EXPECT_EQ(MoneyToWholeUnits(data.teams[user_].cash - user_cash), bid);
    EXPECT_EQ(other_cash - data.teams[other].cash, MoneyFromUnits(bid));
    EXPECT_EQ(data.teams[user_].squad_size, squad - 1);
}

TEST_F(SaleWindowTest, RoundCloseHandOverHoldsAsManyAuctionsAsItAskedFor) {
    Start(1);
    GameData& data = Game();
    ASSERT_GE(OneComputerSeller(), 0);
    data.teams[user_].cash = MoneyFromUnits(90'000'000);
    data.auction_count = 2;
    ConnectGameWindows();
    // The coach passes on every auction; the window moves on after each result.
    int held = 0, asked = 0;
    std::function<void()> pass = [&] {
        auto* form = dynamic_cast<TForm23*>(driver_->screen().ActiveForm());
        if (form == nullptr) return;
        held = form->auction().auctions_held();
        if (form->auction().phase() == AuctionPhase::kHumanBids) {
            ++asked;
            driver_->Click("CHButton1");
        } else {
            driver_->Advance(3'000);
        }
        driver_->Then(pass);
    };
    driver_->Then(pass);
    RoundResultsNextScreen()(NextScreen::kAuction);
    EXPECT_EQ(held, 2);
    EXPECT_EQ(asked, 2);
    EXPECT_NE(MainWindow(), nullptr);
}

}  // namespace
}  // namespace kv
