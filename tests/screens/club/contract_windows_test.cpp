#include "screens/club/contract_windows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/club/retirement_window.h"
#include "season/contracts.h"
#include "tests/screens/sample_game_day.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

class ContractWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::StartSampleGameOnAHumanDay(1, 33);
        GameData& data = Game();
        user_ = data.game_state.user_club = data.game_state.human_clubs[0];
        for (std::size_t i = 1; i < data.players.size(); ++i)
            if (data.players[i].team == user_ && data.players[i].loan_status == 0)
                player_ = static_cast<int>(i);
        ASSERT_GT(player_, 0);
        // An expired contract: the demand is the computed wage, whatever he earns now.
        data.players[player_].contract_end = TodayDate(data) - 1;
        driver_ = std::make_unique<TestDriver>(1024, 768);
    }
    void TearDown() override {
        driver_.reset();
        Game().Reset();
    }
    TForm24& Open() {
        TForm24& form = driver_->screen().Create<TForm24>(player_);
        form.Show();
        driver_->Pump();
        return form;
    }
    void Offer(std::int32_t wage) {
        driver_->Get<Edit>("Edit1").SetText(std::to_string(wage));
        driver_->Pump();
    }
    t_player& p() { return Game().players[player_]; }

    std::unique_ptr<TestDriver> driver_;
    int user_ = -1, player_ = -1;
};

TEST_F(ContractWindowTest, OfferAtTheDemandRenewsAtOnce) {
    TForm24& form = Open();
    std::string ends;
    for (const std::string& line : driver_->Get<TMarkupLabel>("Label7").HTMLLines()) ends += line;
    EXPECT_NE(ends.find("Contrato termina em: expirado"), std::string::npos);
    driver_->SavePng("contract_window.png");
    const std::int32_t demand = ContractDemand(Game(), player_, 6);
    Offer(demand);
    ASSERT_TRUE(driver_->Get("CHButton1").Enabled());
    form.OfferClick();
    EXPECT_TRUE(form.signed_contract());
    EXPECT_EQ(MoneyToWholeUnits(p().wage), demand);
    EXPECT_GT(p().contract_end, TodayDate(Game()) + 150);
}

TEST_F(ContractWindowTest, LowerOfferBringsTheCounterDemandWhichTheCoachAccepts) {
    TForm24& form = Open();
    const std::int32_t demand = ContractDemand(Game(), player_, 6);
    Offer(demand - 1);
    driver_->Then([this] {
        driver_->SavePng("contract_counter_demand_window.png");
        driver_->Click("button1");
    });
    form.OfferClick();
    EXPECT_TRUE(form.signed_contract());
    EXPECT_EQ(MoneyToWholeUnits(p().wage), demand);
}

TEST_F(ContractWindowTest, RefusedCounterDemandAndTheCeilingChangeNothing) {
    const Money wage = p().wage;
    TForm24& form = Open();
    const std::int32_t demand = ContractDemand(Game(), player_, 6);
    Offer(demand - 1);
    driver_->Then([this] { driver_->Click("button2"); });
    form.OfferClick();
    EXPECT_FALSE(form.signed_contract());
    Offer(std::max(100'001, 5 * demand + 1));
    driver_->AnswerModal(mrOk);
    form.OfferClick();
    ASSERT_FALSE(driver_->Messages().empty());
    EXPECT_EQ(driver_->Messages().back(), "Salário maior que o limite para este jogador que é $" +
                                              FormatDigitGroups(5 * demand));
    EXPECT_EQ(p().wage, wage);
    Offer(0);
    EXPECT_FALSE(driver_->Get("CHButton1").Enabled());
}

TEST_F(ContractWindowTest, RetirementPromotesTheYouthUnderTheChosenName) {
    const int squad = Game().teams[user_].squad_size;
    TForm48& form = driver_->screen().Create<TForm48>(player_);
    form.Show();
    driver_->Pump();
    driver_->SavePng("retirement_window.png");
    driver_->Get<Edit>("Edit1").SetText("");
    form.RetireClick();
    EXPECT_EQ(form.successor(), -1);  // no name: nothing happens
    driver_->Get<Edit>("Edit1").SetText("Joãozinho");
    form.RetireClick();
    const int youth = form.successor();
    ASSERT_GT(youth, player_);
    EXPECT_EQ(Game().players[youth].name.str(), "Joãozinho");
    EXPECT_EQ(Game().players[youth].team, user_);
    EXPECT_EQ(Game().teams[user_].squad_size, squad);
}

}  // namespace
}  // namespace kv
