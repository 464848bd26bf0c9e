// The state champions window.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "game/state_finals.h"
#include "screens/start/program_pictures.h"
#include "screens/routes/game_event_windows.h"
#include "tests/screens/sample_game_world.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

using StateChampionsWindowTest = test::SampleGameTest;

TEST_F(StateChampionsWindowTest, ListsEveryStateWithKnownFinalistsAndSkipsTheOthers) {
    GameData& data = Game();
    const int a = ComputerClub(0), b = ComputerClub(1);
    StateChampionsTable table;
    table.title = "Campeões Estaduais 2014";
    table.rows.push_back({.state = 25,
                          .code = "SP",
                          .champion = a,
                          .runner_up = b,
                          .top_scorer = "Leandro Almeida (AA Araraquara) - 12 gols"});
    // The final of this state never had its finalists.
    table.rows.push_back(
        {.state = 18, .code = "RJ", .champion = -1, .runner_up = -1, .top_scorer = ""});
    driver_->Then([&] {
        EXPECT_EQ(driver_->Text("Label1"), "Campeões Estaduais 2014");
        auto& grid = driver_->Get<TReportGrid>("gcamp");
        ASSERT_EQ(grid.GetRowCount(), 1);
        EXPECT_EQ(grid.GetCellTextByVariant("estado", 0), "SP");
        // The state's own flag, drawn by the game, heads the row.
        EXPECT_EQ(grid.GetCellByVariant("bandeira", 0).ObjectReference, &StateFlagPicture(25));
        EXPECT_FALSE(StateFlagPicture(25).empty());
        EXPECT_NE(StateFlagPicture(25).PixelARGB(12, 8), StateFlagPicture(18).PixelARGB(12, 8))
            << "two states, two flags";
        EXPECT_EQ(grid.GetCellTextByVariant("campeao", 0), data.teams[a].name.str());
        EXPECT_EQ(grid.GetCellTextByVariant("vice", 0), data.teams[b].name.str());
        driver_->SavePng("state_champions_window.png");
        // The top scorer's line fits its column whole.
        TGrCustomColumn* scorer = grid.GetColumnByName("artilheiro");
        ASSERT_NE(scorer, nullptr);
        const int shown = scorer->Width();
        grid.BestFitColumn(grid.Columns().IndexOf(scorer), 1, false);
        EXPECT_LE(scorer->Width(), shown);
        driver_->Click("SchemeButton2");
    });
    WindowRequest request(GameWindow::kStateChampions);
    request.champions = &table;
    EXPECT_FALSE(ShowGameEventWindow(request));
}

// The closing itself leaves out a state whose finalists are not known.
TEST_F(StateChampionsWindowTest, ClosingSkipsAStateWithoutFinalists) {
    GameData& data = Game();
    for (t_state_league& league : data.state_leagues) league.active = 0;
    t_state_league& known = data.state_leagues[25];
    known.active = 1;
    known.finalist_a = ComputerClub(0);
    known.finalist_b = ComputerClub(1);
    known.final_goals_a1 = 2;
    t_state_league& unknown = data.state_leagues[18];
    unknown.active = 1;
    unknown.finalist_a = -1;
    unknown.finalist_b = -1;
    const StateChampionsTable table = CloseStateChampionships(data);
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].state, 25);
    EXPECT_EQ(table.rows[0].champion, ComputerClub(0));
}

}  // namespace
}  // namespace kv
