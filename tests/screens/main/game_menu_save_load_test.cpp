// A game saved from the main window's game menu and loaded back from the title window goes on
// in the main window exactly as it was saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "game/coach_turn.h"
#include "game/headless_game.h"
#include "platform/base/files.h"
#include "platform/window/keys.h"
#include "platform/window/popup_menu.h"
#include "platform/window/test_driver.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/save_game_window.h"
#include "screens/start/title_menu.h"
#include "screens/start/title_window.h"
#include "tests/core/saves/saves_world.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

// A new game from the sample database, on to a day on which the human club plays.
void NewGameOnAPlayDay(HeadlessGame& game) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 36;
    ASSERT_EQ(game.StartNewGame(setup), "");
    auto human_plays = [] {
        const GameData& data = Game();
        return HumanClubPlaysToday(data, data.game_state.match_kind,
                                   data.game_state.human_clubs[0]);
    };
    for (int round = 0; round < 60 && !human_plays(); ++round) game.PlayRound();
    ASSERT_TRUE(human_plays());
}

class GameMenuSaveLoadTest : public ::testing::Test {
  protected:
    void TearDown() override {
        MainWindowOpener("SaveGame") = nullptr;
        LoadedGameContinues() = nullptr;
        TitleMenu() = {};
        Game().Reset();
    }
    test::SavesFolder folder_;
    TestDriver d_;
};

TEST_F(GameMenuSaveLoadTest, SavedFromTheGameMenuLoadsBackIntoTheMainWindow) {
    HeadlessGame game;
    NewGameOnAPlayDay(game);
    // The hooks the program connects at start-up.
    MainWindowOpener("SaveGame") = [] { ShowSaveGameWindow(); };
    RegisterLoadGameWindow();
    std::string handed_over;
    LoadedGameContinues() = [&](NextScreen next) {
        handed_over = WriteSavedGame(Game());
        if (next == NextScreen::kMainWindow) ShowMainWindow();
    };
    TForm1& title = d_.screen().Create<TForm1>();
    TForm13* main = ShowMainWindow();
    ASSERT_NE(main, nullptr);
    d_.Pump();

    // "Salvar jogo" asks for a name the first time.
    PopupMenu& menu = *static_cast<PopupMenu*>(main->FindComponent("PopupMenu2"));
    menu.on_popup();
    MenuItem& save = *menu.items.Find("Salvarjogo1");
    ASSERT_TRUE(save.enabled);
    d_.Then([this] {
        d_.Type("Pelo menu");
        d_.Click("bt1");
    });
    save.on_click();
    const std::string file = folder_.sav("Pelo menu.s14");
    ASSERT_TRUE(FileExists(file));
    EXPECT_EQ(Game().game_state.save_name.str(), "Pelo menu.s14");
    // F2 saves again under the same name without asking (an unexpected window would stall).
    Game().teams[Game().game_state.user_club].cash += 10000;
    d_.Press(VK_F2);
    const std::string saved = ReadFile(file).value_or("");
    EXPECT_EQ(saved, WriteSavedGame(Game()));

    // The game goes on without saving, then the player leaves it for the title window.
    main->Release();
    d_.Pump();
    ASSERT_EQ(MainWindow(), nullptr);
    game.PlayRound();
    ASSERT_NE(WriteSavedGame(Game()), saved);
    title.Show();
    d_.Pump();

    d_.Then([this] {
        auto& load = d_.Get<TForm21>("Form21");
        int row = -1;
        for (int r = 0; r < load.Grid().GetRowCount(); ++r)
            if (load.Grid().GetCellTextByVariant("gcarquivo", r) == "Pelo menu.s14") row = r;
        ASSERT_GE(row, 0);
        load.Grid().SelectCell(1, row);
        d_.Click("BitBtn1");
    });
    d_.Click("botoes2");
    EXPECT_EQ(handed_over, saved) << "the loaded game is the saved one";
    EXPECT_FALSE(title.Visible());
    // A new main window (the old one is gone, and the new one may take its freed place).
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(MainWindow()->Visible());
    EXPECT_EQ(Game().game_state.save_name.str(), "Pelo menu.s14");
}

}  // namespace
}  // namespace kv
