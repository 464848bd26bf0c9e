#include <gtest/gtest.h>

#include <algorithm>

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
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/message_box.h"
#include "platform/window/test_driver.h"
#include "screens/start/title_menu.h"
#include "screens/start/title_window.h"
#include "season/new_game_setup.h"
#include "tests/editor/editor_folder.h"
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
    const int x = main.ClubList().Columns().GetItem(1).Width() + 10;
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
