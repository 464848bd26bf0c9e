#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/picture_paths.h"
#include "editor/add_player_window.h"
#include "editor/edit_club_window.h"
#include "editor/editor_main_window.h"
#include "editor/editor_session.h"
#include "editor/loading_window.h"
#include "editor/move_player_window.h"
#include "editor/national_team_window.h"
#include "editor/new_club_window.h"
#include "editor/picture_picker_window.h"
#include "platform/gfx/picture.h"
#include "platform/window/color_dialog.h"
#include "platform/window/combo_box.h"
#include "platform/base/files.h"
#include "platform/window/edit.h"
#include "platform/window/image.h"
#include "platform/window/popup_menu.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/message_box.h"
#include "platform/window/test_driver.h"
#include "screens/start/title_menu.h"
#include "screens/start/title_window.h"
#include "season/new_game_setup.h"
#include "tests/editor/editor_folder.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "ui/controls/scheme_button.h"
#include "ui/grid/grid_cell.h"
#include "ui/grid/grid_columns.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

using test::EditorFolder;

void WriteCrest(const std::string& path, ARGB colour) {
    Picture p(60, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            p.SetPixelARGB(x, y, (x - 30) * (x - 30) + (y - 30) * (y - 30) < 800 ? colour : 0);
    ASSERT_TRUE(p.SaveToPng(path));
}

class EditorWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.WriteClub("alfa.b14", "Alfa");
        folder_.WriteClub("beta.b14", "Beta", 1, 8);  // a short squad: listed in red
        folder_.WriteClub("gama.b14", "Gama");
        folder_.WriteNationalTeam("29.s11", EditorFolder::MakeNationalTeam(29, 18));
        WriteCrest(folder_.Path("escudos/Alfa.png"), 0xFF2050C0);
        WriteCrest(folder_.Path("escudos/jacaranda.png"), 0xFF8040A0);
        SetGameFolder(folder_.root());
        TitleMenu() = {};
        RegisterEditorWindows();
    }
    void TearDown() override {
        TitleMenu() = {};
        SetGameFolder("");
        Editor() = EditorSession{};
    }

    // The title window as the program opens it, then its "Editor de times".
    TForm3& OpenEditor() {
        TForm1& title = d_.screen().Create<TForm1>();
        title.Show();
        d_.Pump();
        d_.Then([this] {
            d_.SavePng("editor_loading_window.png");
            d_.Advance(150);
        });
        d_.Click("botoes3");
        d_.Pump();
        TForm3* main = nullptr;
        for (Form* f : d_.screen().Forms())
            if (auto* m = dynamic_cast<TForm3*>(f)) main = m;
        EXPECT_NE(main, nullptr);
        EXPECT_FALSE(title.Visible());
        return *main;
    }

    void Fill(const char* edit, const std::string& text) {
        d_.Click(edit);
        d_.Type(text);
    }

    void AddPlayer(TForm3& main, const std::string& name, int position, bool snapshot = false) {
        d_.Then([this, name, position, snapshot] {
            Fill("Edit1", name);
            d_.Get<ComboBox>("ComboBox1").SetItemIndex(position);
            dynamic_cast<TForm5&>(*d_.screen().TopForm()).ComboBox1Change();
            if (snapshot) d_.SavePng("editor_add_player_window.png");
            d_.Click("BitBtn1");
        });
        d_.Click(d_.Get(main, "UiGlowButton3"));
    }

    EditorFolder folder_;
    TestDriver d_{1024, 768};
};

// The editor as the program opens it from the title window, on `driver`'s screen.
TForm3* OpenEditorOn(TestDriver& driver) {
    TForm1& title = driver.screen().Create<TForm1>();
    title.Show();
    driver.Pump();
    driver.Then([&driver] { driver.Advance(150); });
    driver.Click("botoes3");
    for (int i = 0; i < 200 && !driver.screen().TopForm()->Name().starts_with("Form3"); ++i)
        driver.Advance(50);
    for (Form* f : driver.screen().Forms())
        if (auto* m = dynamic_cast<TForm3*>(f)) return m;
    return nullptr;
}

// The sample database with its flags, as a player's copy of the game holds it.
void CopySampleWithFlags(EditorFolder& folder) {
    folder.CopySample();
    namespace fs = std::filesystem;
    const fs::path app = fs::path(KORVANEL_SAMPLE_TEAMS).parent_path();
    fs::create_directories(fs::path(folder.root()) / "img");
    fs::copy(app / "img" / "flags", fs::path(folder.root()) / "img" / "flags",
             fs::copy_options::recursive);
}

// Every column of the three lists shows its pictures on the sample database: the flags of the
// club and national-team lists, the starter, star and nationality marks of the squad, the
// details' flag and state; the page buttons show which page is open; and the window fills the
// screen's work area at the smallest and a wide size.
TEST(EditorMainWindow, ShowsEachColumnsPicturesAndFillsTheScreen) {
    EditorFolder folder;
    CopySampleWithFlags(folder);
    SetGameFolder(folder.root());
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1280, 800}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        TitleMenu() = {};
        RegisterEditorWindows();
        Editor() = EditorSession{};
        TestDriver d(width, height);
        TForm3* opened = OpenEditorOn(d);
        ASSERT_NE(opened, nullptr);
        TForm3& main = *opened;
        const Rect work = d.screen().WorkArea();
        EXPECT_EQ(main.Left(), work.left);
        EXPECT_EQ(main.Top(), work.top);
        EXPECT_EQ(main.Width(), work.right - work.left);
        EXPECT_EQ(main.Height(), work.bottom - work.top);
        for (const auto& child : main.Children()) {
            EXPECT_LE(child->Left() + child->Width(), main.ClientWidth()) << child->Name();
            EXPECT_LE(child->Top() + child->Height(), main.ClientHeight()) << child->Name();
        }
        const EditorDatabase& db = Editor().db;
        const std::vector<Picture>& flags = flag_pictures();
        TReportGrid& clubs = main.ClubList();
        ASSERT_GT(clubs.GetRowCount(), 100);
        for (int row = 0; row < clubs.GetRowCount(); ++row) {
            const int club = std::stoi(clubs.GetCellTextByVariant("id", row));
            const int country = db.clubs()[club].club.country;
            EXPECT_EQ(clubs.GetCellTextByVariant("paisimg", row), std::to_string(country));
            EXPECT_EQ(clubs.GetCellByVariant("paisimg", row).ObjectReference, &flags[country]);
        }

        // A club of Brasil: its flag and its state's picture; a club abroad: no state.
        int home = -1, abroad = -1;
        for (int row = 0; row < clubs.GetRowCount(); ++row) {
            const int country = db.clubs()[std::stoi(clubs.GetCellTextByVariant("id", row))]
                                    .club.country;
            if (country == kHomeCountry && home < 0) home = row;
            if (country != kHomeCountry && abroad < 0) abroad = row;
        }
        ASSERT_GE(home, 0);
        ASSERT_GE(abroad, 0);
        d.ClickAt(clubs, {40, clubs.GetRowTop(home) + 5});
        const t_club_file_record& c = db.clubs()[Editor().current_club].club;
        EXPECT_FALSE(d.Get<Image>("Image2").GetPicture().empty());
        EXPECT_TRUE(d.Get("Image3").Visible());
        const Picture& state = d.Get<Image>("Image3").GetPicture();
        const Picture& expected = StateFlagPicture(c.state);
        ASSERT_EQ(state.width(), expected.width());
        for (int i = 0; i < state.height(); ++i)
            EXPECT_EQ(state.PixelARGB(i, i), expected.PixelARGB(i, i));
        EXPECT_EQ(d.Text("Label12"), StateText(c.state));

        TReportGrid& squad = main.SquadList();
        ASSERT_GT(squad.GetRowCount(), 10);
        std::set<std::string> starters, stars;
        for (int row = 0; row < squad.GetRowCount(); ++row) {
            const int slot = std::stoi(squad.GetCellTextByVariant("idjog", row));
            const PlayerFields p = db.ClubPlayer(Editor().current_club, slot);
            const bool starter = db.clubs()[Editor().current_club].squad.starter[slot - 1] != 0;
            starters.insert(squad.GetCellTextByVariant("status", row));
            stars.insert(squad.GetCellTextByVariant("estrela", row));
            EXPECT_EQ(squad.GetCellTextByVariant("status", row), starter ? "1" : "0");
            EXPECT_EQ(squad.GetCellTextByVariant("estrela", row), p.star ? "3" : "4");
            EXPECT_EQ(squad.GetCellTextByVariant("paisjog", row), std::to_string(p.nationality));
            EXPECT_EQ(squad.GetCellByVariant("paisjog", row).Hint(), CountryText(p.nationality));
            EXPECT_EQ(squad.GetCellByVariant("paisjog", row).ObjectReference,
                      &flags[p.nationality]);
        }
        EXPECT_EQ(starters, (std::set<std::string>{"0", "1"}));
        EXPECT_EQ(squad.Columns().ColumnByName("status")->GetColumnStyle(), 8);  // images
        EXPECT_EQ(squad.Columns().ColumnByName("estrela")->GetColumnStyle(), 8);
        // The starter's mark is drawn: a green tick disc where a starter's status cell is.
        for (int row = 0; row < squad.GetRowCount(); ++row) {
            if (squad.GetCellTextByVariant("status", row) != "1") continue;
            const Rect cell =
                squad.GetCellRect(squad.Columns().ColumnByName("status")->GetIndex(), row);
            const Point top_left = squad.ClientToScreen({cell.left, cell.top});
            d.screen().Paint();
            int green = 0;
            for (int y = 0; y < cell.bottom - cell.top; ++y)
                for (int x = 0; x < cell.right - cell.left; ++x)
                    green += d.screen().PixelAt(top_left.x + x, top_left.y + y) ==
                             static_cast<TColor>(0x00B000);
            EXPECT_GT(green, 20);
            break;
        }
        d.SavePng("editor_main_window_" + std::to_string(width) + ".png");

        d.ClickAt(clubs, {40, clubs.GetRowTop(abroad) + 5});
        EXPECT_FALSE(d.Get("Image3").Visible());
        EXPECT_FALSE(d.Get("Label12").Visible());

        auto scheme = [&d](const char* name) {
            return d.Get<TSchemeButton>(name).ColorScheme();
        };
        EXPECT_EQ(scheme("xbt1"), csGrass);
        EXPECT_EQ(scheme("xbt2"), csNeoSilver);
        d.Click(d.Get(main, "xbt2"));
        EXPECT_EQ(scheme("xbt1"), csNeoSilver);
        EXPECT_EQ(scheme("xbt2"), csGrass);
        TReportGrid& nationals = main.NationalTeamList();
        ASSERT_GT(nationals.GetRowCount(), 10);
        for (int row = 0; row < nationals.GetRowCount(); ++row) {
            const int country = std::stoi(nationals.GetCellTextByVariant("idsel", row));
            EXPECT_EQ(nationals.GetCellByVariant("paisimg2", row).ObjectReference,
                      &flags[country]);
        }
        EXPECT_FALSE(d.Get("Image2").Visible());
        d.SavePng("editor_main_window_national_" + std::to_string(width) + ".png");
        d.Click(d.Get(main, "xbt1"));
        EXPECT_EQ(scheme("xbt1"), csGrass);
        EXPECT_TRUE(d.Get("Image2").Visible());
        d.Click(d.Get(main, "UiGlowButton7"));  // "Início"
        d.Pump();
    }
    TitleMenu() = {};
    SetGameFolder("");
    Editor() = EditorSession{};
}

// The squad list's pop-up menu holds the list's commands.
TEST_F(EditorWindowsTest, TheSquadListsMenuReachesItsCommands) {
    TForm3& main = OpenEditor();
    ASSERT_NE(main.SquadList().popup_menu, nullptr);
    std::vector<std::string> captions;
    for (const auto& item : main.SquadList().popup_menu->items.items)
        captions.push_back(item->caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Adicionar jogador", "Deletar Jogador", "-",
                                                  "Editar Jogador", "-",
                                                  "Transferir jogador"}));
    main.SquadList().SetSelectedRow(0);
    const int slot = main.SelectedSlot();
    main.SquadList().popup_menu->items.Find("DeletarJogador1")->on_click();
    EXPECT_EQ(d_.Text("Label13"), "15 jogadores");
    EXPECT_FALSE(IsNamedSlot(Editor().db.clubs()[0].squad.player_names[slot - 1]));
}

// A club file the system refuses to write: the starter click and the keys say why, and the
// list and the file keep what the file holds.
TEST_F(EditorWindowsTest, ARefusedWriteIsSaidAndUndoneOnScreen) {
    TForm3& main = OpenEditor();
    namespace fs = std::filesystem;
    const std::string path = folder_.Path("alfa.b14");
    const std::string before = ReadRegularFile(path, 1 << 20).bytes;
    fs::permissions(path, fs::perms::owner_read);
    TReportGrid& squad = main.SquadList();
    const int status_x = squad.Columns().ColumnByName("status")->Left() + 8;
    const std::string status = squad.GetCellTextByVariant("status", 2);
    const std::string starters = d_.Text("Label14");
    d_.AnswerModal(mrOk);
    d_.ClickAt(squad, {status_x, squad.GetRowTop(2) + 5});
    ASSERT_FALSE(d_.Messages().empty());
    EXPECT_NE(d_.Messages().back().find("somente leitura"), std::string::npos);
    EXPECT_EQ(squad.GetCellTextByVariant("status", 2), status);
    EXPECT_EQ(d_.Text("Label14"), starters);

    squad.SetFocus();
    squad.SetSelectedRow(2);
    const std::string age = squad.GetCellTextByVariant("idade", 2);
    const size_t said = d_.Messages().size();
    for (int key : {VK_F5, VK_F8}) {
        d_.AnswerModal(mrOk);
        d_.Press(key);
    }
    EXPECT_EQ(d_.Messages().size(), said + 2);
    EXPECT_EQ(squad.GetCellTextByVariant("idade", 2), age);
    EXPECT_EQ(squad.GetCellTextByVariant("gclado", 2), "D");
    main.ClubList().SetFocus();
    d_.AnswerModal(mrOk);
    d_.Press(VK_F7);  // a kit colour: refused too
    EXPECT_EQ(d_.Messages().size(), said + 3);
    EXPECT_EQ(Editor().db.clubs()[0].club.kit_colour, 0);
    EXPECT_EQ(ReadRegularFile(path, 1 << 20).bytes, before);
}

// The club list's keys: F5 .. F11 give the chosen club a kit colour, and every key writes the
// club chosen before the key moves the choice; F2 writes the last chosen club from either page.
TEST_F(EditorWindowsTest, EveryKeyOfTheClubListWritesTheClubChosenBeforeIt) {
    TForm3& main = OpenEditor();
    TReportGrid& clubs = main.ClubList();
    clubs.SetFocus();
    clubs.SetSelectedRow(0);
    const int first = Editor().current_club;
    const auto on_disk = [this](int club) {
        EditorDatabase reloaded;
        reloaded.Load(folder_.teams());
        return reloaded.clubs()[club].club;
    };
    for (int key = VK_F5; key <= VK_F11; ++key) {
        d_.Press(key);
        EXPECT_EQ(on_disk(first).kit_colour, key - VK_F5);
        EXPECT_EQ(Editor().current_club, first);
    }

    // A change held in memory only reaches the file with the next key, even one that moves on.
    Editor().db.clubs()[first].club.coach_name.set("Escrito");
    d_.Press(VK_DOWN);
    EXPECT_EQ(clubs.SelectedRow(), 1);
    const int second = Editor().current_club;
    EXPECT_NE(second, first);
    EXPECT_EQ(on_disk(first).coach_name.str(), "Escrito");

    Editor().db.clubs()[second].club.coach_name.set("Pelo F2");
    d_.Click(d_.Get(main, "xbt2"));
    d_.Press(VK_F2);
    EXPECT_EQ(on_disk(second).coach_name.str(), "Pelo F2");
}

TEST_F(EditorWindowsTest, AClubAddedWithACrestAndPlayersReachesTheNewGameSetup) {
    TForm3& main = OpenEditor();
    ASSERT_EQ(main.ClubList().GetRowCount(), 3);
    EXPECT_EQ(d_.Text("Label4"), "Alfa");
    EXPECT_EQ(d_.Text("Label13"), "16 jogadores");
    d_.SavePng("editor_main_window.png");

    d_.Then([this] {
        Fill("Edit1", "Sociedade Esportiva Jacarandá");
        Fill("Edit2", "Jacarandá");
        Fill("Edit3", "Dona Flor");
        Fill("Edit5", "Arena Jacarandá");
        Fill("Edit6", "12000");
        Fill("Edit4", "jacaranda");
        d_.Get<ComboBox>("estadocombo").SetItemIndex(24);
        d_.Then([this] {
            d_.Click("cor8");
            d_.Click("ok");
        });
        d_.Click("Shape1");
        d_.Then([this] {
            ListBox& list = d_.Get<ListBox>("list1");
            const auto& items = list.Items();
            const auto at = std::find(items.begin(), items.end(), "jacaranda.png");
            ASSERT_NE(at, items.end());
            list.SetItemIndex(static_cast<int>(at - items.begin()));
            dynamic_cast<Tform43&>(*d_.screen().TopForm()).list1SelectItem();
            d_.SavePng("editor_picture_picker.png");
            d_.Click("BitBtn1");
        });
        d_.Click("Image1");
        EXPECT_FALSE(d_.Get(*d_.screen().TopForm(), "Label11").Visible())
            << "the chosen crest takes the box";
        d_.SavePng("editor_new_club_window.png");
        d_.Click("BitBtn1");
    });
    d_.Click(d_.Get(main, "bt1"));
    ASSERT_EQ(main.ClubList().GetRowCount(), 4);
    EXPECT_EQ(main.ClubList().GetCellTextByVariant("clube", 0), "Jacarandá");
    EXPECT_EQ(d_.Text("Label4"), "Jacarandá");
    EXPECT_EQ(d_.Text("Label13"), "0 jogadores");

    AddPlayer(main, "Goleirão", 0, true);
    for (int i = 1; i <= 11; ++i) AddPlayer(main, "Jogador " + std::to_string(i), 1 + i % 4);
    EXPECT_EQ(d_.Text("Label13"), "12 jogadores");
    d_.SavePng("editor_main_window_new_club.png");

    const ClubFileScan scan = ScanClubFiles(folder_.teams());
    const auto club = std::find_if(scan.files.begin(), scan.files.end(), [](const ClubFile& f) {
        return f.real_name == "jacaranda.b14";
    });
    ASSERT_NE(club, scan.files.end()) << SkippedFilesNotice(scan);
    EXPECT_EQ(club->club.short_name.str(), "Jacarandá");
    EXPECT_EQ(club->club.picture_name.str(), "jacaranda");
    EXPECT_EQ(club->club.state, 24);
    EXPECT_EQ(club->club.back_colour, static_cast<std::int32_t>(ColorDialog::kBasicColors[8]));
    EXPECT_EQ(club->club.text_colour, static_cast<std::int32_t>(clBlack));
    EXPECT_EQ(CountPlayableSlots(club->squad).others, 11);
}

TEST_F(EditorWindowsTest, TheAddDialogRefusesAFaultAndAFullSquadIsSaidSo) {
    TForm3& main = OpenEditor();
    d_.Then([this] {
        Fill("Edit1", "Clube");
        Fill("Edit2", "Clube");
        Fill("Edit3", "Técnico");
        Fill("Edit5", "Estádio");
        Fill("Edit6", "500");
        Fill("Edit4", "clube");
        d_.AnswerModal(mrOk);
        d_.Click("BitBtn1");
        d_.Click("BitBtn2");
    });
    d_.Click(d_.Get(main, "bt1"));
    ASSERT_FALSE(d_.Messages().empty());
    EXPECT_EQ(d_.Messages().back(), "Capacidade mínima: 1000, máxima: 119999;");
    EXPECT_EQ(main.ClubList().GetRowCount(), 3);

    for (int i = 0; i < 9; ++i) AddPlayer(main, "Reforço " + std::to_string(i), 2);
    EXPECT_EQ(d_.Text("Label13"), "25 jogadores");
    d_.AnswerModal(mrOk);
    d_.Click(d_.Get(main, "UiGlowButton3"));
    EXPECT_EQ(d_.Messages().back(), "Você já tem 25 jogadores no time");
}

// With no database loaded (no club chosen, no clubs at all) the club's windows open empty and
// change nothing; before, they read past the empty tables and crashed.
TEST_F(EditorWindowsTest, TheClubWindowsOpenEmptyWithNoDatabase) {
    Editor() = EditorSession{};
    auto& club = d_.screen().Create<TForm4>();
    EXPECT_EQ(dynamic_cast<Edit&>(d_.Get(club, "Edit1")).Text(), "");
    d_.Then([this] { d_.Click("BitBtn1"); });
    EXPECT_EQ(club.ShowModal(), mrCancel);

    auto& move = d_.screen().Create<TForm79>(std::vector<int>{0, 3}, 1);
    EXPECT_EQ(dynamic_cast<TReportGrid&>(d_.Get(move, "grid1")).GetRowCount(), 0);
    d_.Then([this] { d_.Click("SchemeButton2"); });
    EXPECT_EQ(move.ShowModal(), mrCancel);
    EXPECT_TRUE(Editor().db.clubs().empty());
}

// A stored level above 25 shows, and stays on an "Ok" that changes nothing, as the level the
// writer stores for it (10), not as 25.
TEST_F(EditorWindowsTest, TheEditDialogShowsALevelAbove25AsTheWriterStoresIt) {
    t_club_file_record club;
    t_squad_file_record squad;
    EditorFolder::MakeClub(club, squad, "Alto");
    club.level = 30;
    folder_.WriteClub("alfa.b14", club, squad);
    Editor().db.Load(folder_.teams());
    Editor().current_club = 0;
    auto& dialog = d_.screen().Create<TForm4>();
    EXPECT_EQ(dynamic_cast<ComboBox&>(d_.Get(dialog, "ComboBox1")).ItemIndex(), 10);
    d_.Then([this] { d_.Click("BitBtn1"); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    dialog.Release();
    EditorDatabase reloaded;
    reloaded.Load(folder_.teams());
    EXPECT_EQ(reloaded.clubs()[0].club.level, 10);
}

TEST_F(EditorWindowsTest, EditingAClubAndAPlayerRewritesTheirFile) {
    TForm3& main = OpenEditor();
    d_.Then([this] {
        d_.Get<Edit>("Edit3").SetText("");  // an emptied box keeps the coach
        d_.Get<Edit>("Edit4").SetText("Novo Estádio");
        d_.Get<Edit>("Edit6").SetText("999");
        d_.SavePng("editor_edit_club_window.png");
        d_.AnswerModal(mrOk);
        d_.Click("BitBtn1");
        d_.Get<Edit>("Edit6").SetText("45000");
        d_.Click("BitBtn1");
    });
    d_.Click(d_.Get(main, "UiGlowButton1"));
    EXPECT_EQ(d_.Messages().back(), "Capacidade mínima: 1000, máxima: 119999;");
    EXPECT_EQ(d_.Text("Label11"), "Novo Estádio");
    EXPECT_EQ(d_.Text("Label20"), "45000 lugares");
    EXPECT_EQ(d_.Text("Label6"), "Técnico Alfa");

    main.SquadList().SetSelectedRow(0);
    const int slot = main.SelectedSlot();
    d_.Then([this] {
        EXPECT_EQ(d_.Get<Edit>("Edit1").Text(), "Alfa 1");
        d_.Get<Edit>("Edit1").SetText("Paredão");
        d_.SavePng("editor_edit_player_window.png");
        d_.Click("BitBtn1");
    });
    d_.Click(d_.Get(main, "UiGlowButton4"));
    EXPECT_EQ(main.SquadList().GetCellTextByVariant("nome", 0), "Paredão");

    main.SquadList().SetFocus();
    main.SquadList().SetSelectedRow(0);
    d_.Press(VK_F5);
    d_.Press(VK_F8);
    EditorDatabase reloaded;
    reloaded.Load(folder_.teams());
    EXPECT_EQ(reloaded.clubs()[0].club.stadium.str(), "Novo Estádio");
    EXPECT_EQ(reloaded.clubs()[0].club.capacity, 45000);
    EXPECT_EQ(reloaded.ClubPlayer(0, slot).name, "Paredão");
    EXPECT_EQ(reloaded.ClubPlayer(0, slot).age, 26);
    EXPECT_EQ(reloaded.ClubPlayer(0, slot).side, 1);
}

TEST_F(EditorWindowsTest, APlayerMovesToAnotherClubAndADragCallsHimUp) {
    TForm3& main = OpenEditor();
    main.SquadList().SetSelectedRow(0);
    const int slot = main.SelectedSlot();
    const std::string name = Editor().db.ClubPlayer(0, slot).name;
    d_.Then([this, name] {
        EXPECT_EQ(d_.Text("Label2"), "Transferir " + name + " para:");
        EXPECT_FALSE(d_.Get("SchemeButton1").Enabled());
        d_.Click("Edit1");
        d_.Type("gam");
        d_.Click("SchemeButton3");
        EXPECT_EQ(d_.Text("Label3"), "Gama");
        d_.SavePng("editor_move_player_window.png");
        d_.Click("SchemeButton1");
    });
    d_.Click(d_.Get(main, "UiGlowButton8"));
    EXPECT_EQ(d_.Text("Label13"), "15 jogadores");
    EditorDatabase reloaded;
    reloaded.Load(folder_.teams());
    EXPECT_EQ(reloaded.ClubPlayerCount(2), 17);
    EXPECT_EQ(reloaded.ClubPlayer(2, 17).name, name);

    // A drag of a squad row onto "Seleções" calls up the player pressed on, for Brasil.
    d_.DragTo(main.SquadList(), d_.Get(main, "xbt2"));
    const std::string called = Editor().db.ClubPlayer(0, main.SelectedSlot()).name;
    EXPECT_EQ(Editor().db.NationalPlayerCount(29), 19);
    EXPECT_EQ(Editor().db.NationalPlayer(29, 19).name, called);
    EXPECT_EQ(Editor().db.national_team(29).starter[18], 0);
}

TEST_F(EditorWindowsTest, ANationalTeamIsAddedWithItsSymbolAndEdited) {
    Picture symbol(40, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) symbol.SetPixelARGB(x, y, y < 20 ? 0xFF00A000 : 0xFFFFD000);
    ASSERT_TRUE(symbol.SaveToPng(folder_.Path("selecoes/simbolo.png")));
    TForm3& main = OpenEditor();
    d_.Click(d_.Get(main, "xbt2"));
    d_.Then([this] {
        d_.Get<ComboBox>("combo1").SetItemIndex(29);
        d_.Get<Edit>("Edit3").SetText("Outro");
        d_.AnswerModal(mrOk);
        d_.Click("BitBtn1");
        d_.Get<ComboBox>("combo1").SetItemIndex(30);
        d_.Then([this] {
            d_.Get<ListBox>("list1").SetItemIndex(0);
            dynamic_cast<Tform43&>(*d_.screen().TopForm()).list1SelectItem();
            d_.Click("BitBtn1");
        });
        d_.Click("image1");
        d_.SavePng("editor_national_team_window.png");
        d_.Click("BitBtn1");
    });
    d_.Click(d_.Get(main, "bt1"));
    EXPECT_EQ(d_.Messages().back(),
              "Esta seleção já existe, você pode edita-la clicando em editar");
    ASSERT_EQ(main.NationalTeamList().GetRowCount(), 2);
    EXPECT_EQ(d_.Text("Label4"), CountryText(30));
    EXPECT_EQ(Editor().db.national_team(30).picture_name.str(), "simbolo");

    d_.Then([this] {
        EXPECT_FALSE(d_.Get("combo1").Enabled());
        d_.Get<ComboBox>("ComboBox1").SetItemIndex(21);
        d_.Click("BitBtn1");
    });
    d_.Click(d_.Get(main, "UiGlowButton1"));
    EditorDatabase reloaded;
    reloaded.Load(folder_.teams());
    EXPECT_EQ(reloaded.national_team(30).level, 22);
    EXPECT_EQ(reloaded.national_team(30).coach_name.str(), "Outro");
}

TEST_F(EditorWindowsTest, TheCountryHeaderSortsByCountryAndLevelAndLeavesNoClubChosen) {
    TForm3& main = OpenEditor();
    ClubChanges lower;
    lower.level = 5;
    ASSERT_EQ(Editor().db.EditClub(0, lower), "");
    const int x = main.ClubList().Columns().ColumnByName("paisnome")->Left() + 10;
    d_.ClickAt(main.ClubList(), {x, 8});
    ASSERT_EQ(main.ClubList().GetRowCount(), 3);
    EXPECT_EQ(main.ClubList().GetCellTextByVariant("clube", 0), "Beta");
    EXPECT_EQ(main.ClubList().GetCellTextByVariant("clube", 2), "Alfa");
    EXPECT_LT(main.ClubList().SelectedRow(), 0);
    const size_t forms = d_.screen().Forms().size();
    d_.Click(d_.Get(main, "UiGlowButton1"));  // no club chosen: nothing opens
    EXPECT_EQ(d_.screen().Forms().size(), forms);
    EXPECT_EQ(d_.Text("Label4"), "Alfa");
}

TEST_F(EditorWindowsTest, ACrestThatCannotBeLoadedKeepsThePickerOpenAndTheOldName) {
    folder_.WriteBytes("escudos/quebrado.png", "not a picture");
    TForm3& main = OpenEditor();
    d_.Then([this] {
        ListBox& list = d_.Get<ListBox>("list1");
        const auto& items = list.Items();
        list.SetItemIndex(static_cast<int>(std::find(items.begin(), items.end(), "quebrado.png") -
                                           items.begin()));
        auto& picker = dynamic_cast<Tform43&>(*d_.screen().TopForm());
        picker.list1SelectItem();
        d_.AnswerModal(mrOk);
        d_.Click("BitBtn1");
        EXPECT_EQ(d_.screen().TopForm(), &picker) << "the picker stays open for another choice";
        EXPECT_EQ(picker.List().Count(), 3) << "filled once, when it opened";
        d_.Click("BitBtn2");
    });
    d_.Click(d_.Get(main, "Image1"));
    EXPECT_EQ(d_.Messages().back(), "Não foi possível carregar o escudo quebrado.png");
    EditorDatabase reloaded;
    reloaded.Load(folder_.teams());
    EXPECT_EQ(reloaded.clubs()[0].club.picture_name.str(), "Alfa");
}

TEST_F(EditorWindowsTest, TheNationalTeamPageListsTheTeamsAndTheirSquads) {
    TForm3& main = OpenEditor();
    d_.Click(d_.Get(main, "xbt2"));
    EXPECT_TRUE(main.national_mode());
    ASSERT_EQ(main.NationalTeamList().GetRowCount(), 1);
    EXPECT_EQ(d_.Text("Label4"), "Brasil");
    EXPECT_EQ(d_.Text("Label13"), "18 jogadores");
    d_.SavePng("editor_main_window_national_teams.png");
    d_.Click(d_.Get(main, "xbt1"));
    EXPECT_EQ(d_.Text("Label4"), "Alfa");
}

}  // namespace
}  // namespace kv
