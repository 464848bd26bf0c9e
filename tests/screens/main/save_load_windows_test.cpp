#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/game_data.h"
#include "core/options.h"
#include "core/save_game.h"
#include "core/saved_game.h"
#include "core/saved_game_files.h"
#include "platform/base/files.h"
#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/shape.h"
#include "platform/window/shell.h"
#include "platform/window/test_driver.h"
#include "screens/main/about_window.h"
#include "screens/main/colours_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/options_window.h"
#include "screens/main/save_game_window.h"
#include "screens/start/TForm1.h"
#include "screens/start/title_menu.h"
#include "tests/core/saves/saves_world.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& path) {
    return ReadFile(path).value_or("<missing>");
}

class SaveLoadWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::FillWorld(Game(), true);
        Game().game_state.save_name.clear();
        LoadedGameContinues() = [this](NextScreen next) { continued_.push_back(next); };
    }
    void TearDown() override {
        LoadedGameContinues() = nullptr;
        TitleMenu() = {};
        Game().Reset();
    }

    // The first-save window: types the name and presses "Salvar" when it waits.
    void AnswerSaveName(const std::string& name) {
        d_.Then([this, name] {
            EXPECT_FALSE(d_.Get("bt1").Enabled()) << "nothing typed yet";
            d_.Type(name);
            EXPECT_TRUE(d_.Get("bt1").Enabled());
            d_.Click("bt1");
        });
    }

    // Rows of the load window's list, by file name.
    std::vector<std::string> Listed(TForm21& form) {
        std::vector<std::string> names;
        for (int r = 0; r < form.Grid().GetRowCount(); ++r)
            names.push_back(form.Grid().GetCellTextByVariant("gcarquivo", r));
        return names;
    }
    int RowOf(TForm21& form, const std::string& name) {
        const auto names = Listed(form);
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    }

    test::SavesFolder folder_;
    TestDriver d_;
    std::vector<NextScreen> continued_;
};

TEST_F(SaveLoadWindowsTest, FirstSaveAsksForANameThenOverwritesOnlyAfterYes) {
    AnswerSaveName("Carreira");
    ASSERT_TRUE(ShowSaveGameWindow());
    EXPECT_EQ(Game().game_state.save_name.str(), "Carreira.s14");
    const std::string first = Bytes(folder_.sav("Carreira.s14"));
    EXPECT_EQ(first, WriteSavedGame(Game()));
    d_.SavePng("save_game_window.png");

    // A second game named the same asks before overwriting: "Não" goes back to the name,
    // where another name is typed; a later "Sim" overwrites.
    Game().game_state.save_name.clear();
    Game().game_state.season = 3;
    AnswerSaveName("Carreira");
    d_.Then([this] {
        EXPECT_EQ(d_.Text("Label1"), "O arquivo já existe, sobrescreve-lo?");
        d_.SavePng("overwrite_window.png");
        d_.Click("BitBtn2");
    });
    AnswerSaveName("Carreira 2");
    ASSERT_TRUE(ShowSaveGameWindow());
    EXPECT_EQ(Bytes(folder_.sav("Carreira.s14")), first);
    EXPECT_EQ(Game().game_state.save_name.str(), "Carreira 2.s14");

    Game().game_state.save_name.clear();
    AnswerSaveName("Carreira");
    d_.Then([this] { d_.Click("BitBtn1"); });
    ASSERT_TRUE(ShowSaveGameWindow());
    EXPECT_EQ(Bytes(folder_.sav("Carreira.s14")), WriteSavedGame(Game()));

    // Later saves write back without asking.
    Game().game_state.season = 4;
    ASSERT_TRUE(ShowSaveGameWindow());
    EXPECT_EQ(Bytes(folder_.sav("Carreira.s14")), WriteSavedGame(Game()));
}

TEST_F(SaveLoadWindowsTest, BadNamesAreRefusedWithAMessageAndNothingWritten) {
    for (const std::string bad : {"../fora", "a/b", "dois:pontos", "emoji \xF0\x9F\x98\x80"}) {
        Game().game_state.save_name.clear();
        AnswerSaveName(bad);
        d_.AnswerModal(mrOk);
        // The name window comes back; leaving it with no name saves nothing.
        d_.Then([this] { d_.Get<Form>("Form40").SetModalResult(mrCancel); });
        EXPECT_FALSE(ShowSaveGameWindow()) << bad;
        EXPECT_EQ(d_.Messages().back(), kBadSaveNameMessage) << bad;
    }
    EXPECT_TRUE(ListSavedGames().empty());
}

TEST_F(SaveLoadWindowsTest, FailedSaveOntoAFullDiskKeepsTheOldFile) {
    AnswerSaveName("Carreira");
    ASSERT_TRUE(ShowSaveGameWindow());
    const std::string old = Bytes(folder_.sav("Carreira.s14"));
    Game().game_state.season = 5;
    d_.AnswerModal(mrOk);
    {
        test::FileSizeLimit full_disk(1000);
        EXPECT_FALSE(ShowSaveGameWindow());
    }
    EXPECT_EQ(d_.Messages().back(), kSaveErrorMessage);
    EXPECT_EQ(Bytes(folder_.sav("Carreira.s14")), old);
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{"Carreira.s14"});
}

TEST_F(SaveLoadWindowsTest, FailedSaveOntoAReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    AnswerSaveName("Carreira");
    ASSERT_TRUE(ShowSaveGameWindow());
    const std::string old = Bytes(folder_.sav("Carreira.s14"));
    Game().game_state.season = 5;
    ::chmod((folder_.root() + "/sav").c_str(), 0555);
    d_.AnswerModal(mrOk);
    EXPECT_FALSE(ShowSaveGameWindow());
    ::chmod((folder_.root() + "/sav").c_str(), 0755);
    EXPECT_EQ(d_.Messages().back(), kSaveErrorMessage);
    EXPECT_EQ(Bytes(folder_.sav("Carreira.s14")), old);
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{"Carreira.s14"});
}

TEST_F(SaveLoadWindowsTest, MissingSavFolderIsMadeOnTheFirstSave) {
    fs::remove_all(folder_.root() + "/sav");
    AnswerSaveName("Primeiro");
    ASSERT_TRUE(ShowSaveGameWindow());
    EXPECT_TRUE(FileExists(folder_.sav("Primeiro.s14")));
}

TEST_F(SaveLoadWindowsTest, TitleWindowLoadsTheSavedGameIntoTheMainWindow) {
    ASSERT_TRUE(SaveGameToFile(folder_.sav("Bravo.s14")));
    Game().game_state.save_name.set("Bravo.s14");
    ASSERT_TRUE(SaveGameToFile(folder_.sav("Bravo.s14")));
    const std::string saved = Bytes(folder_.sav("Bravo.s14"));
    ASSERT_TRUE(SaveGameToFile(folder_.sav("Alfa.s14")));
    test::FillWorld(Game(), false, 99);  // the running game differs from the saved one

    RegisterLoadGameWindow();
    TForm1& title = d_.screen().Create<TForm1>();
    title.Show();
    d_.Pump();
    d_.Then([this] {
        auto& form = d_.Get<TForm21>("Form21");
        EXPECT_EQ(Listed(form), (std::vector<std::string>{"Alfa.s14", "Bravo.s14"}));
        EXPECT_FALSE(d_.Get("Label1").Visible()) << "no preview before a row is chosen";
        form.Grid().SelectCell(1, RowOf(form, "Bravo.s14"));
        EXPECT_TRUE(d_.Get("Label2").Visible());
        const SavedGamePreview preview = ReadSavedGamePreview("Bravo.s14");
        EXPECT_EQ(d_.Text("Label2"), preview.coach);
        EXPECT_EQ(d_.Text("Label4"), preview.club);
        EXPECT_EQ(d_.Text("Label5"), preview.year);
        EXPECT_EQ(d_.Text("Label8"), preview.next_match);
    });
    d_.Then([this] {
        d_.SavePng("load_game_window.png");
        d_.Click("BitBtn1");
    });
    d_.Click("botoes2");
    EXPECT_EQ(WriteSavedGame(Game()), saved) << "the loaded game is the saved one";
    EXPECT_EQ(Game().game_state.save_name.str(), "Bravo.s14");
    EXPECT_EQ(continued_, std::vector<NextScreen>{NextScreen::kMainWindow});
    EXPECT_FALSE(title.Visible());
}
}  // namespace
}  // namespace kv
