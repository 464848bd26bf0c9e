#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "platform/window/combo_box.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/test_driver.h"
#include "screens/career/top_scorers_window.h"
#include "screens/main/main_window.h"
#include "screens/routes/window_routes.h"
#include "screens/start/game_pictures.h"
#include "season/scorer_rankings.h"
#include "tests/screens/career/career_world.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

class CareerWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_folder_ = GameFolder();
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        LoadBackgroundBitmap();
        testing::LoadCareerWorld();
        ConnectGameWindows();
    }
    void TearDown() override {
        background_bitmap().Clear();
        SetGameFolder(previous_folder_);
        Game().Reset();
    }

    // A grid column's cells, top to bottom.
    static std::vector<std::string> Column(TReportGrid& grid, const char* column) {
        std::vector<std::string> cells;
        for (int r = 0; r < grid.GetRowCount(); ++r)
            cells.push_back(grid.GetCellTextByVariant(column, r));
        return cells;
    }
    // The item of the combo box with that text, chosen as the player would.
    void Choose(ComboBox& combo, const std::string& item) {
        for (int i = 0; i < combo.Count(); ++i)
            if (combo.Items()[i] == item) {
                combo.SetItemIndex(i);
                if (combo.on_change) combo.on_change();
                return;
            }
        FAIL() << "no item " << item;
    }

    std::string previous_folder_;
    TestDriver d_{800, 600};
};

int HomeLeagueCompetition(int division) {
    const GameData& data = Game();
    const int country = data.teams[data.game_state.user_club].country;
    return FindCompetitionId(data, ckNationalLeague, country, division, -1, -1);
}

TEST_F(CareerWindowsTest, TopScorersListWhatTheSeasonTalliesHold) {
    auto& form = d_.screen().Create<TForm20>();
    form.Show();
    d_.Pump();
    d_.SavePng("top_scorers_window.png");
    TReportGrid& grid = form.Grid();
    const auto expected = SeasonScorers(Game(), HomeLeagueCompetition(1));
    ASSERT_GT(expected.size(), 3u) << "the world has played rounds of its second season";
    ASSERT_EQ(grid.GetRowCount(), static_cast<int>(expected.size()));
    for (int r : {0, 1, static_cast<int>(expected.size()) - 1}) {
        EXPECT_EQ(grid.GetCellTextByVariant("gcjogador", r),
                  Game().players[expected[r].player].name.str());
        EXPECT_EQ(grid.GetCellTextByVariant("gcgols", r), std::to_string(expected[r].goals));
        EXPECT_EQ(grid.GetCellTextByVariant("gcjogos", r), std::to_string(expected[r].games));
    }
    EXPECT_EQ(Column(grid, "ncpos").front(), "1");

    // Only the divisions the league has, whatever the division size.
    const int league = FindLeagueConfig(Game(), Game().teams[Game().game_state.user_club].country);
    const int divisions = Game().league_configs[league].division_count;
    int offered = 0;
    for (const std::string& item : form.Competitions().Items())
        if (item.starts_with("Nacional - ")) ++offered;
    EXPECT_EQ(offered, divisions);

    Choose(form.Competitions(), "Nacional - 2ª divisão");
    EXPECT_EQ(form.ShownCompetition(), HomeLeagueCompetition(2));
    EXPECT_EQ(grid.GetRowCount(),
              static_cast<int>(SeasonScorers(Game(), HomeLeagueCompetition(2)).size()));
}

TEST_F(CareerWindowsTest, AllTimeScorersStopAtAHundredUntilAsked) {
    auto& form = d_.screen().Create<TForm20>();
    form.Show();
    Choose(form.Competitions(), "Melhores de Sempre");
    d_.Pump();
    d_.SavePng("top_scorers_all_time.png");
    TReportGrid& grid = form.Grid();
    const auto all = AllTimeScorers(Game());
    ASSERT_GT(all.size(), 100u);
    EXPECT_EQ(grid.GetRowCount(), 100);
    EXPECT_TRUE(d_.Get("Label1").Visible());
    EXPECT_FALSE(form.Countries().Visible());
    EXPECT_EQ(grid.GetCellTextByVariant("gcgolst", 0), std::to_string(all[0].goals));
    d_.Click("Label1");
    EXPECT_EQ(grid.GetRowCount(), static_cast<int>(all.size()));
    EXPECT_FALSE(form.Find("Label1")->Visible());
    // A retired scorer shows "Aposentado".
    for (int r = 0; r < grid.GetRowCount(); ++r)
        if (Game().players[all[r].player].team < 0) {
            EXPECT_EQ(grid.GetCellTextByVariant("gcclube", r), "Aposentado");
            break;
        }
}

TEST_F(CareerWindowsTest, TopScorersDoubleClickOpensThePlayersHistory) {
    int opened = -1;
    MainWindowOpener("TForm16") = [&] { opened = MainWindowSelections().career_subject; };
    auto& form = d_.screen().Create<TForm20>();
    form.Show();
    d_.Pump();
    TReportGrid& grid = form.Grid();
    ASSERT_GT(grid.GetRowCount(), 1);
    grid.SetSelectedRow(1);
    form.t1DblClick();
    EXPECT_EQ(std::to_string(opened), grid.GetCellTextByVariant("gcjogid", 1));
    MainWindowOpener("TForm16") = nullptr;
}

}  // namespace
}  // namespace kv
