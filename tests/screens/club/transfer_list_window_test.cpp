#include "screens/club/transfer_list_window.h"

#include <gtest/gtest.h>

#include <string>

#include "core/money_text.h"
#include "season/coaches.h"
#include "season/computer_market.h"
#include "tests/screens/club/club_windows_world.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

using TransferListWindow = testing::ClubWindowsTest;

TEST_F(TransferListWindow, TheGamesTransfersThenOneClubsFromTheFilter) {
    RunComputerTransferWindow(Game());
    const GameData& data = Game();
    ASSERT_FALSE(data.transfer_log.empty()) << "the transfer window has moved players";
    const t_transfer& newest = data.transfer_log.back();
    int club = -1;
    for (const t_transfer& t : data.transfer_log)
        if (t.to_team >= 0 && t.to_team < data.game_state.league_club_count) club = t.to_team;
    ASSERT_GE(club, 0);
    std::size_t of_club = 0;
    for (const t_transfer& t : data.transfer_log)
        of_club += t.from_team == club || t.to_team == club ? 1 : 0;
    MainWindowSelections().transfer_list_mode = 1;
    OpenThrough("TForm58", [&] {
        auto& grid = d_.Get<TReportGrid>("Gridview1");
        EXPECT_EQ(d_.Text("Label5"), "Jogadores - todos");
        EXPECT_EQ(static_cast<std::size_t>(grid.GetRowCount()),
                  std::min<std::size_t>(data.transfer_log.size(), 200));
        EXPECT_EQ(grid.GetCellTextByVariant("Gcjogador", 0),
                  data.players[newest.player].name.str());
        EXPECT_EQ(grid.GetCellTextByVariant("gcvalor", 0), "$" + FormatDigitGroups(newest.fee));
        d_.SavePng("transfer_list_window.png");
        {
            auto& filter = d_.Get<TUiComboBox>("combopais");
            filter.SetItemIndex(club + 1);
            filter.on_change();
            EXPECT_EQ(d_.Text("Label5"), "Jogadores - " + data.teams[club].name.str());
            EXPECT_EQ(static_cast<std::size_t>(grid.GetRowCount()), of_club);
            filter.SetItemIndex(0);
            filter.on_change();
            EXPECT_EQ(d_.Text("Label5"), "Jogadores - todos");
        }
        d_.Press(VK_ESCAPE);
    });
}

TEST_F(TransferListWindow, AppointmentsHideTheFilterAndTheFeeColumns) {
    // A computer club's coach leaves and comes back: one appointment.
    GameData& data = Game();
    int club = 0;
    while (data.teams[club].human || data.teams[club].coach < 0) ++club;
    const int coach = data.teams[club].coach;
    ReleaseCoach(data, club, coach);
    HireCoach(data, club, coach);
    ASSERT_FALSE(Game().coach_appointment_log.empty());
    // The coaches menu entry sets the appointments mode before it opens the shared window.
    MainWindowSelections().transfer_list_mode = 2;
    OpenThrough("TForm58", [&] {
        auto& grid = d_.Get<TReportGrid>("Gridview1");
        EXPECT_EQ(d_.Text("Label5"), "Técnicos");
        EXPECT_FALSE(d_.Get("combopais").Visible());
        EXPECT_FALSE(grid.Columns().ColumnByName("gcvalor")->Visible());
        EXPECT_FALSE(grid.Columns().ColumnByName("gcorigem")->Visible());
        const t_coach_appointment& newest = Game().coach_appointment_log.back();
        EXPECT_EQ(grid.GetCellTextByVariant("gcano", 0), std::to_string(2013 + newest.season));
        EXPECT_EQ(grid.GetCellTextByVariant("gcdestino", 0), Game().teams[newest.team].name.str());
        d_.SavePng("appointment_list_window.png");
        d_.Press(VK_ESCAPE);
    });
}

TEST_F(TransferListWindow, AClubOutsideTheLeagueHasNoFilterItem) {
    const int background = Game().game_state.league_club_count;
    ASSERT_LT(background, static_cast<int>(Game().teams.size()));
    d_.Then([&] {
        EXPECT_EQ(d_.Get<TUiComboBox>("combopais").ItemIndex(), -1);
        EXPECT_EQ(d_.Text("Label5"), "Jogadores - " + Game().teams[background].name.str());
        d_.Press(VK_ESCAPE);
    });
    ShowTransferListWindow(TransferListMode::kClubTransfers, background);
}

}  // namespace
}  // namespace kv
