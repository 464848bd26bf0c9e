#include "screens/club/player_search_window.h"

#include <gtest/gtest.h>

#include <string>

#include "core/money.h"
#include "platform/window/edit.h"
#include "platform/window/list_box.h"
#include "tests/screens/club/club_windows_world.h"
#include "tests/screens/test_flags.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_check_box.h"

namespace kv {
namespace {

class PlayerSearchWindow : public testing::ClubWindowsTest {
  protected:
    void TearDown() override {
        PlayerSearchTeamView() = nullptr;
        ClubWindowsTest::TearDown();
    }
    void Choose(const char* combo, int item) { d_.Get<TUiComboBox>(combo).SetItemIndex(item); }
};

TEST_F(PlayerSearchWindow, ForwardsByValueAndTheTeamViewOfAHitsClub) {
    int opened = -1;
    PlayerSearchTeamView() = [&](int team) { opened = team; };
    int hit_team = -2;
    OpenThrough("TForm27", [&] {
        auto& grid = d_.Get<TReportGrid>("gfind");
        // The first search keeps the weak players' band of the list's start.
        d_.Click("button2");
        for (int r = 0; r < grid.GetRowCount(); ++r)
            EXPECT_LE(std::stoi(grid.GetCellTextByVariant("gcforca", r)), 10);

        Choose("c2", posForward);
        Choose("c1", 4);  // Qualquer
        Choose("c4", 3);  // 1 milhão => 3 milhões
        d_.Click("button2");
        ASSERT_GT(grid.GetRowCount(), 0);
        EXPECT_EQ(d_.Text("Label9"), std::to_string(grid.GetRowCount()) + " jogadores encontrados");
        for (int r = 0; r < grid.GetRowCount(); ++r) {
            const t_player& p = Game().players[std::stoi(grid.GetCellTextByVariant("gcid", r))];
            EXPECT_EQ(p.position, posForward);
            EXPECT_GT(p.value, MoneyFromUnits(1'000'000));
            EXPECT_LE(p.value, MoneyFromUnits(3'000'000));
            EXPECT_EQ(Game().teams[p.team].country, 29);
            EXPECT_EQ(grid.GetCellTextByVariant("gcavenda", r), p.on_sale ? "2" : "3");
            EXPECT_EQ(grid.GetCellTextByVariant("gcimg", r), p.star ? "1" : "0");
        }
        d_.SavePng("player_search_window.png");
        d_.DoubleClick(grid);
        const int row = grid.SelectedRow();
        ASSERT_GE(row, 0);
        hit_team = Game().players[std::stoi(grid.GetCellTextByVariant("gcid", row))].team;

        // A name no player has.
        d_.Get<Edit>("Edit1").SetText("Zzzz");
        d_.Click("button2");
        EXPECT_EQ(grid.GetRowCount(), 0);
        EXPECT_EQ(d_.Text("Label9"), "Nenhum jogador encontrado");
        d_.Press(VK_ESCAPE);
    });
    EXPECT_EQ(opened, hit_team);
    EXPECT_EQ(MainWindowSelections().viewed_team, hit_team);
}

TEST_F(PlayerSearchWindow, TheCountryListsShowEachCountrysFlag) {
    testing::FillTestFlags();
    OpenThrough("TForm27", [&] {
        auto& nationalities = d_.Get<TUiComboBox>("c7");
        ASSERT_EQ(nationalities.Count(), kCustomChampionship + 1);
        EXPECT_EQ(nationalities.ItemImage(0), 0);
        EXPECT_EQ(nationalities.ItemImage(29), 29);
        EXPECT_EQ(nationalities.ItemImage(kCustomChampionship), -1);  // "Qualquer"
        Choose("c7", 29);
        EXPECT_GT(testing::PaintedPixels(nationalities, testing::TestFlagColour(29)), 100);
        // The dropped list draws the flags beside the names.
        Choose("c7", 0);
        int dropped_flag = 0;
        d_.Then([&] {
            if (ListBox* list = nationalities.DropDownList())
                dropped_flag = testing::PaintedPixels(*list, testing::TestFlagColour(1));
            d_.SavePng("player_search_window_countries.png");
            d_.Press(VK_ESCAPE);
        });
        nationalities.DropDown();
        EXPECT_GT(dropped_flag, 100);

        auto& leagues = d_.Get<TUiComboBox>("combopais");
        ASSERT_EQ(leagues.Count(), static_cast<int>(Game().league_configs.size()));
        for (int i = 0; i < leagues.Count(); ++i)
            EXPECT_EQ(leagues.ItemImage(i), Game().league_configs[i].country);
        EXPECT_GT(testing::PaintedPixels(
                      leagues, testing::TestFlagColour(
                                   Game().league_configs[leagues.ItemIndex()].country)),
                  100);
        d_.Click("bt3");
    });
    flag_pictures().clear();
}

TEST_F(PlayerSearchWindow, ThePasseHeaderSortsByTheAmountBothWays) {
    OpenThrough("TForm27", [&] {
        Choose("c1", 4);
        d_.Click("button2");
        auto& grid = d_.Get<TReportGrid>("gfind");
        ASSERT_GT(grid.GetRowCount(), 2);
        auto value = [&](int r) { return std::stoll(grid.GetCellTextByVariant("gcvalortmp", r)); };
        const int passe = grid.Columns().ColumnByName("gcpasse")->GetIndex();
        for (const bool ascending : {true, false}) {
            bool sort = true;
            grid.on_header_click(passe, sort);
            EXPECT_FALSE(sort);
            for (int r = 1; r < grid.GetRowCount(); ++r)
                EXPECT_TRUE(ascending ? value(r - 1) <= value(r) : value(r - 1) >= value(r)) << r;
        }
        d_.Press(VK_ESCAPE);
    });
}

}  // namespace
}  // namespace kv
