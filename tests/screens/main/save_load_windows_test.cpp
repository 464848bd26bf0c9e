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
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "screens/start/title_menu.h"
#include "screens/start/title_window.h"
#include "screens/start/window_layout.h"
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
        // The game's pictures, so the windows show their backgrounds.
        fs::create_directory_symlink(fs::path(KORVANEL_SAMPLE_TEAMS).parent_path() / "img",
                                     folder_.root() + "/img");
        LoadBackgroundBitmap();
        LoadFlagPictures(ProgramPicture("bandeira"));
        test::FillWorld(Game(), true);
        Game().game_state.save_name.clear();
        LoadedGameContinues() = [this](NextScreen next) { continued_.push_back(next); };
    }
    void TearDown() override {
        background_bitmap().Clear();
        flag_pictures().clear();
        LoadedGameContinues() = nullptr;
        TitleMenu() = {};
        Game().Reset();
    }

    // The first-save window: types the name and presses "Salvar" when it waits.
    void AnswerSaveName(const std::string& name, const std::string& png = {}) {
        d_.Then([this, name, png] {
            EXPECT_FALSE(d_.Get("bt1").Enabled()) << "nothing typed yet";
            d_.Type(name);
            EXPECT_TRUE(d_.Get("bt1").Enabled());
            if (!png.empty()) d_.SavePng(png);
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
    AnswerSaveName("Carreira", "save_game_window.png");
    ASSERT_TRUE(ShowSaveGameWindow());
    EXPECT_EQ(Game().game_state.save_name.str(), "Carreira.s14");
    const std::string first = Bytes(folder_.sav("Carreira.s14"));
    EXPECT_EQ(first, WriteSavedGame(Game()));

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

TEST_F(SaveLoadWindowsTest, DamagedFilesAreRefusedWithTheirMessageAndTheGameStays) {
    ASSERT_TRUE(SaveGameToFile(folder_.sav("Bom.s14")));
    const std::string good = Bytes(folder_.sav("Bom.s14"));
    std::string other_version = good;
    other_version[4 + 4] = 13;  // the game state's version, after the lead word
    std::ofstream(folder_.sav("Cortado.s14"), std::ios::binary) << good.substr(0, good.size() / 2);
    std::ofstream(folder_.sav("Versao.s14"), std::ios::binary) << other_version;
    test::FillWorld(Game(), false, 99);
    const std::string running = WriteSavedGame(Game());

    d_.Then([this] {
        auto& form = d_.Get<TForm21>("Form21");
        for (const char* name : {"Cortado.s14", "Versao.s14"}) {
            form.Grid().SelectCell(1, RowOf(form, name));
            d_.AnswerModal(mrOk);
            d_.Click("BitBtn1");
            EXPECT_TRUE(form.Visible()) << "the load window stays for another choice";
        }
        EXPECT_EQ(d_.Text("Label8"), "arquivo inválido");
        EXPECT_FALSE(d_.Get("Label2").Visible());
        d_.Click("BitBtn2");
    });
    ShowLoadGameWindow();
    EXPECT_EQ(d_.Messages(), (std::vector<std::string>{std::string(kInvalidSaveMessage),
                                                       std::string(kCorruptSaveMessage)}));
    EXPECT_EQ(WriteSavedGame(Game()), running);
    EXPECT_TRUE(continued_.empty());
}

TEST_F(SaveLoadWindowsTest, GameMenuLoadOfANationalTeamDayOpensTheHub) {
    test::StandOnDayOf(Game(), ckWorldCup);
    ASSERT_EQ(Game().game_state.match_kind, ckWorldCup);
    ASSERT_TRUE(SaveGameToFile(folder_.sav("Copa.s14")));
    const std::string saved = Bytes(folder_.sav("Copa.s14"));
    test::FillWorld(Game(), false, 99);
    d_.Then([this] {
        auto& form = d_.Get<TForm21>("Form21");
        form.Grid().SelectCell(1, RowOf(form, "Copa.s14"));
        EXPECT_EQ(d_.Text("Label8"), "Copa do Mundo");
        d_.Click("BitBtn1");
    });
    ShowLoadGameWindow();
    Game().game_state.save_name.clear();  // the file was written before it had a name
    EXPECT_EQ(WriteSavedGame(Game()), saved);
    EXPECT_EQ(continued_, std::vector<NextScreen>{NextScreen::kNationalTeamHub});
}

TEST_F(SaveLoadWindowsTest, DeletesTheListedGameOnlyAfterYes) {
    ASSERT_TRUE(SaveGameToFile(folder_.sav("Velho.s14")));
    ASSERT_TRUE(SaveGameToFile(folder_.sav("Novo.s14")));
    d_.Then([this] {
        auto& form = d_.Get<TForm21>("Form21");
        form.Grid().SelectCell(1, RowOf(form, "Velho.s14"));
        d_.AnswerModal(mrNo);
        d_.Click("BitBtn3");
        EXPECT_EQ(d_.Messages().back(), "Deseja apagar mesmo o arquivo?");
        EXPECT_EQ(Listed(form).size(), 2u);
        d_.AnswerModal(mrYes);
        d_.Click("BitBtn3");
        EXPECT_EQ(Listed(form), std::vector<std::string>{"Novo.s14"});
        // The row the highlight moved to is chosen: "Carregar" loads it at once.
        EXPECT_EQ(form.SelectedFileName(), "Novo.s14");
        d_.Click("BitBtn1");
    });
    ShowLoadGameWindow();
    EXPECT_EQ(ListSavedGames(), std::vector<std::string>{"Novo.s14"});
    EXPECT_EQ(continued_, std::vector<NextScreen>{NextScreen::kMainWindow});
}

std::string IniText(const test::SavesFolder& folder) {
    return ReadFile(folder.root() + "/korvanel.ini").value_or("");
}

TEST_F(SaveLoadWindowsTest, OptionsAndColoursGoToTheGameAndTheFileAndShowNextTime) {
    t_game_state& s = Game().game_state;
    s.match_delay = 2000;
    s.sound_on = 1;
    s.autosave_mode = 0;
    s.list_colours[2] = 255;
    auto& form = d_.screen().Create<TForm32>();
    form.Show();
    d_.Pump();
    EXPECT_EQ(d_.Get<ComboBox>("ComboBox1").Text(), "Normal");
    // Each league shows its country's flag.
    for (int row = 0; row < form.Leagues().GetRowCount(); ++row)
        EXPECT_EQ(form.Leagues().GetCellByVariant("bandeira", row).ObjectReference,
                  &flag_pictures()[Game().league_configs[row].country]);
    d_.SavePng("options_window.png");

    // A choice the player makes: the list's item, then its change.
    auto choose = [this](std::string_view combo, int item) {
        ComboBox& c = d_.Get<ComboBox>(combo);
        c.SetItemIndex(item);
        c.on_change();
    };
    choose("ComboBox1", 6);
    EXPECT_EQ(s.match_delay, 50);
    choose("combo41", 1);
    EXPECT_EQ(s.show_continental_matches[0], 0);
    d_.Click("cksom");
    EXPECT_EQ(s.sound_on, 0);

    // The colours window: the third swatch through the colour dialog.
    d_.Then([this] {
        EXPECT_EQ(d_.Get<Shape>("Shape3").brush.color, 255);
        d_.SavePng("colours_window.png");
        d_.Then([this] {
            d_.Click("cor4");  // a swatch of the dialog's grid
            d_.Click("ok");
        });
        d_.Click("Shape3");
        d_.Click("SchemeButton2");
    });
    d_.Click("Image1");
    const std::int32_t chosen = s.list_colours[2];
    EXPECT_NE(chosen, 255);
    d_.Click("SchemeButton2");

    const std::string ini = IniText(folder_);
    for (const std::string& line : {std::string("opvelocidade=6"), std::string("ver41=0"),
                                    std::string("opsom=0"), "cor2=" + ColourToText(chosen)})
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
    const LoadedOptions read = ReadOptionsFile();
    EXPECT_EQ(read.match_delay, 50);
    EXPECT_FALSE(read.sound_on);

    // The next options window shows the changes.
    auto& next = d_.screen().Create<TForm32>();
    next.Show();
    d_.Pump();
    EXPECT_EQ(ControlNamed<ComboBox>(next, "ComboBox1").Text(), "Hiper rápido");
    EXPECT_EQ(ControlNamed<ComboBox>(next, "combo41").Text(), "Só resultados");
    EXPECT_FALSE(ControlNamed<CheckBox>(next, "cksom").Checked());
}

// A loaded game may hold values no list item stands for: each list still shows an item.
TEST_F(SaveLoadWindowsTest, ValuesWithoutAnItemShowTheListsDefaults) {
    t_game_state& s = Game().game_state;
    s.match_delay = 0;
    s.match_delay_no_humans = 777;
    s.autosave_mode = -1;
    s.contract_notices = 9;
    auto& form = d_.screen().Create<TForm32>();
    form.Show();
    EXPECT_EQ(s.match_delay, 600) << "no delay at all becomes the usual one";
    const std::pair<const char*, const char*> shown[] = {{"ComboBox1", "Bem rápido"},
                                                         {"ComboBox4", "Ultra rápido"},
                                                         {"ComboBox2", "Não salvar"},
                                                         {"ComboBox7", "Sim"}};
    for (const auto& [combo, text] : shown)
        EXPECT_EQ(d_.Get<ComboBox>(combo).Text(), text) << combo;
}

TEST_F(SaveLoadWindowsTest, LeagueTicksLiveInTheGameOnly) {
    Game().league_configs.resize(2);
    Game().league_configs[0].show_matches = 0;
    auto& form = d_.screen().Create<TForm32>();
    form.Show();
    d_.Pump();
    TReportGrid& leagues = form.Leagues();
    // A click anywhere on a row flips it, also on the row already selected.
    auto click_row = [&](int col, int row) {
        const Rect cell = leagues.GetCellRect(col, row);
        d_.ClickAt(leagues, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    };
    click_row(2, 0);
    EXPECT_EQ(Game().league_configs[0].show_matches, 1);
    EXPECT_EQ(leagues.GetCellTextByVariant("marcado", 0), "1");
    click_row(0, 0);
    EXPECT_EQ(Game().league_configs[0].show_matches, 0);
    // Moving through the list with the keys flips nothing.
    const std::uint8_t second = Game().league_configs[1].show_matches;
    d_.Press(VK_DOWN);
    EXPECT_EQ(Game().league_configs[1].show_matches, second);
    EXPECT_TRUE(IniText(folder_).empty());
}

TEST_F(SaveLoadWindowsTest, ClosingWithAutosaveOnAGameNeverSavedAsksForAName) {
    Game().game_state.autosave_mode = 1;
    auto& form = d_.screen().Create<TForm32>();
    form.Show();
    AnswerSaveName("Automatico");
    d_.Press(VK_ESCAPE);
    EXPECT_EQ(Game().game_state.save_name.str(), "Automatico.s14");
    EXPECT_TRUE(FileExists(folder_.sav("Automatico.s14")));
    EXPECT_FALSE(form.Visible());
}

TEST_F(SaveLoadWindowsTest, AboutWindowOpensTheWebSite) {
    std::vector<std::string> opened;
    g_spawn_for_tests = [&](const std::vector<std::string>& argv) {
        opened.push_back(argv.back());
        return true;
    };
    auto& form = d_.screen().Create<TForm45>();
    form.Show();
    d_.Pump();
    d_.SavePng("about_window.png");
    d_.Click("Label4");
    d_.Click("Label2");
    g_spawn_for_tests = nullptr;
    EXPECT_EQ(opened, (std::vector<std::string>{kWebSiteAddress, kWebSiteAddress}));
    d_.Press(VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Which picture each window tiles beneath its controls: the shared background, the load
// window's own, or none for the options window.
TEST_F(SaveLoadWindowsTest, EachWindowTilesItsBackgroundPicture) {
    ASSERT_FALSE(background_bitmap().empty());
    struct Case {
        const char* name;
        Form& (*create)();
        int tiles;  // 0 none, 1 the shared background, 2 its own
    };
    const Case cases[] = {
        {"Form40", []() -> Form& { return Screen::Get().Create<TForm40>(); }, 1},
        {"Form41", []() -> Form& { return Screen::Get().Create<TForm41>(); }, 1},
        {"Form64", []() -> Form& { return Screen::Get().Create<TForm64>(); }, 1},
        {"Form45", []() -> Form& { return Screen::Get().Create<TForm45>(); }, 1},
        {"Form21", []() -> Form& { return Screen::Get().Create<TForm21>(); }, 2},
        {"Form32", []() -> Form& { return Screen::Get().Create<TForm32>(); }, 0},
    };
    for (const Case& c : cases) {
        Form& form = c.create();
        form.Show();
        d_.Pump();
        const Picture* tile = form.background_picture;
        if (c.tiles == 0) {
            EXPECT_TRUE(tile == nullptr || tile->empty()) << c.name;
        } else {
            ASSERT_NE(tile, nullptr) << c.name;
            EXPECT_EQ(tile == &background_bitmap(), c.tiles == 1) << c.name;
            EXPECT_FALSE(tile->empty()) << c.name;
            const Point at = form.ClientToScreen({2, 2});
            EXPECT_EQ(d_.screen().PixelAt(at.x, at.y), ARGBToColor(tile->PixelARGB(2, 2)))
                << c.name;
        }
        d_.SavePng(std::string("background_") + c.name + ".png");
        form.Release();
        d_.Pump();
    }
}

}  // namespace
}  // namespace kv
