// The squad commands as the coach meets them: from the main window's player panel and its team
// view, through the windows they open, back to the main window's squad list and cash.
#include <gtest/gtest.h>

#include <string>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "platform/window/edit.h"
#include "screens/main/main_window_texts.h"
#include "season/contracts.h"
#include "tests/screens/club/club_windows_world.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

class SquadCommandsTest : public testing::ClubWindowsTest {
  protected:
    TReportGrid& Squad() { return ControlNamed<TReportGrid>(*main_, "gridview1"); }
    int RowOf(TReportGrid& grid, int player) {
        for (int row = 0; row < grid.GetRowCount(); ++row)
            if (grid.GetCellTextByVariant("id", row) == std::to_string(player)) return row;
        return -1;
    }
    // The club's last player of his own (not on loan), chosen in the main window's list.
    int ChooseLastPlayer() {
        const GameData& data = Game();
        int player = -1;
        for (std::size_t i = 1; i < data.players.size(); ++i)
            if (data.players[i].team == club_ && data.players[i].loan_status == 0)
                player = static_cast<int>(i);
        const int row = RowOf(Squad(), player);
        if (row >= 0) Squad().SelectCell(1, row);
        d_.Pump();
        return player;
    }
    bool Enabled(const char* button) { return ControlNamed<Control>(*main_, button).Enabled(); }
};

TEST_F(SquadCommandsTest, RenewedContractKeepsTheRowAndStopsASaleOrSecondContract) {
    const int player = ChooseLastPlayer();
    ASSERT_GT(player, 0);
    ASSERT_TRUE(Enabled("btalterasal"));
    const std::int32_t demand = ContractDemand(Game(), player, 6);
    d_.Then([this, demand] {
        d_.Get<Edit>("Edit1").SetText(std::to_string(demand));
        d_.Pump();
        d_.Click("CHButton1");
    });
    d_.Click("btalterasal");
    d_.Pump();
    EXPECT_EQ(MoneyToWholeUnits(Game().players[player].wage), demand);
    EXPECT_EQ(main_->SelectedPlayer(), player);
    EXPECT_EQ(Squad().GetCellTextByVariant("salario", Squad().SelectedRow()),
              FormatDigitGroups(demand));
    EXPECT_FALSE(Enabled("btvender"));
    EXPECT_FALSE(Enabled("btalterasal"));
    // The next choice of a row applies the panel's own rules again.
    Squad().SelectCell(1, 0);
    d_.Pump();
    EXPECT_TRUE(Enabled("btalterasal"));
}

TEST_F(SquadCommandsTest, CancelledContractLeavesTheButtonsAsTheyWere) {
    const int player = ChooseLastPlayer();
    const bool could_sell = Enabled("btvender");
    d_.Then([this] { d_.Click("bt3"); });
    d_.Click("btalterasal");
    d_.Pump();
    EXPECT_EQ(main_->SelectedPlayer(), player);
    EXPECT_EQ(Enabled("btvender"), could_sell);
    EXPECT_TRUE(Enabled("btalterasal"));
}

TEST_F(SquadCommandsTest, RetirementChoosesTheSuccessorsRowAndTurnsRetirementOff) {
    const int player = ChooseLastPlayer();
    Game().players[player].age = 33;
    main_->UpdatePlayerButtons();
    ASSERT_TRUE(Enabled("btaposenta"));
    d_.Then([this] { d_.Click("SchemeButton1"); });
    d_.Click("btaposenta");
    d_.Pump();
    const GameData& data = Game();
    EXPECT_NE(data.players[player].team, club_);
    const int successor = static_cast<int>(data.players.size()) - 1;
    EXPECT_EQ(data.players[successor].team, club_);
    EXPECT_EQ(main_->SelectedPlayer(), successor);
    EXPECT_FALSE(Enabled("btaposenta"));
}

TEST_F(SquadCommandsTest, PlayerBoughtInTheTeamViewJoinsTheSquadListAndTheCashGoes) {
    GameData& data = Game();
    int seller = -1, player = -1;
    for (int c = 0; c < ClubCount(data) && seller < 0; ++c)
        if (c != club_ && !data.teams[c].human && data.teams[c].squad_size >= 16) seller = c;
    ASSERT_GE(seller, 0);
    data.teams[seller].reputation = 0;  // his players join anyone
    for (std::size_t i = 1; i < data.players.size(); ++i)
        if (data.players[i].team == seller && data.players[i].loan_status == 0)
            player = static_cast<int>(i);
    data.players[player].on_sale = 1;
    data.players[player].asking_price = MoneyFromUnits(250'000);
    Club().cash = MoneyFromUnits(5'000'000);
    MainWindowSelections().viewed_team = seller;
    OpenThrough("TForm14", [this, player] {
        auto& grid = d_.Get<TReportGrid>("joglist");
        grid.SelectCell(1, RowOf(grid, player));
        d_.Pump();
        d_.SavePng("team_view_window_800x600.png");
        d_.Click("bt1");
        d_.Pump();
        EXPECT_EQ(MainCash(), MoneyText(4'750'000)) << "at once, behind the team view";
        d_.Click("bt3");
    });
    d_.Pump();
    EXPECT_EQ(data.players[player].team, club_);
    EXPECT_GE(RowOf(Squad(), player), 0) << "the main window's list shows him";
    EXPECT_EQ(MoneyToWholeUnits(Club().cash), 4'750'000);
    EXPECT_EQ(MainCash(), MoneyText(4'750'000));
}

}  // namespace
}  // namespace kv
