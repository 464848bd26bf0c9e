#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/options.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "core/screen_size.h"
#include "game/headless_game.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/layout_builder.h"
#include "platform/window/popup_menu.h"
#include "platform/window/radio_button.h"
#include "platform/window/scroll_box.h"
#include "platform/window/test_driver.h"
#include "screens/main/main_window.h"
#include "screens/newgame/club_choice_window.h"
#include "screens/newgame/country_grid.h"
#include "screens/newgame/custom_championship_window.h"
#include "screens/newgame/new_game_builder_window.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/newgame/new_game_setup_window.h"
#include "screens/routes/window_routes.h"
#include "screens/start/game_pictures.h"
#include "screens/start/title_menu.h"
#include "screens/start/title_window.h"
#include "season/new_game_setup.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_check_box.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A game folder of its own (the options file is written there) over the sample database.
class NewGameWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/kv_newgame_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        const fs::path sample = KORVANEL_SAMPLE_GAME;
        fs::create_directory_symlink(sample / "img", dir_ / "img");
        fs::create_directory_symlink(sample / "teams", dir_ / "teams");
        SetGameFolder(dir_.string());
        // The snapshots go under the build folder.
        setenv("KORVANEL_TEST_OUTPUT_DIR", KORVANEL_TEST_OUTPUT_DIR, 0);
        SetScreenSize({1024, 768});
        Game().Reset();
        TitleMenu() = {};
        RegisterNewGameWindows();
        NewGameHandOver() = [this](NextScreen next) { handed_over_.push_back(next); };
    }
    void TearDown() override {
        driver_.reset();
        DiscardNewGameSetup();
        NewGameHandOver() = nullptr;
        TitleMenu() = {};
        SetGameFolder("");
        SetScreenSize({800, 600});
        Game().Reset();
        fs::remove_all(dir_);
    }
    // The title window, then "Novo jogo": the setup window open on the game's clubs.
    TForm9& OpenSetup(std::uint64_t seed = 11, ScreenSize screen = {1024, 768}) {
        SetScreenSize(screen);
        driver_.reset();
        DiscardNewGameSetup();
        driver_ = std::make_unique<TestDriver>(screen.width, screen.height);
        TForm1& title = driver_->screen().Create<TForm1>();
        title.Show();
        driver_->Pump();
        SeedRandom(seed);
        driver_->Click("botoes1");
        driver_->Pump();
        EXPECT_FALSE(title.Visible());
        return *Shown<TForm9>();
    }
    template <class T>
    T* Shown() {
        for (Form* f : driver_->screen().Forms())
            if (auto* form = dynamic_cast<T*>(f); form && form->Visible() && !form->Freed())
                return form;
        return nullptr;
    }
    TReportGrid& Leagues() { return driver_->Get<TReportGrid>("list1"); }
    // The window shows the shared background picture, read at start-up, at a point of its
    // client area that no control covers.
    void ExpectBackgroundTiled(const Form& form, Point uncovered) {
        const Picture& background = background_bitmap();
        ASSERT_FALSE(background.empty()) << "the sample game has img\\f01.jpg";
        EXPECT_EQ(form.background_picture, &background) << form.Name();
        driver_->Pump();
        const Point at = form.ClientToScreen(uncovered);
        EXPECT_EQ(driver_->screen().PixelAt(at.x, at.y),
                  ARGBToColor(background.PixelARGB(uncovered.x % background.width(),
                                                   uncovered.y % background.height())))
            << form.Name();
    }
    int RowOf(int country) {
        for (int row = 0; row < Leagues().GetRowCount(); ++row)
            if (Leagues().GetCellTextByVariant(kCountryIndex, row) == std::to_string(country))
                return row;
        return -1;
    }
    void Name(const std::string& name) {
        driver_->Click("Edit1");
        driver_->Type(name);
    }
    // The coach picks the club of division `division`, slot `slot` of TForm11 and confirms.
    int ChooseButton(TForm11& form, int division, int slot, const std::string& name) {
        Name(name);
        RadioButton* button = form.ClubButton(division, slot);
        EXPECT_NE(button, nullptr);
        if (!button) return -1;
        driver_->Click(*button);
        const int club = button->tag;
        driver_->Click("Button1");
        driver_->Pump();
        return club;
    }

    void ReachEveryClubOfFourTwentyClubDivisions(ScreenSize size, bool scrolls);

    fs::path dir_;
    std::unique_ptr<TestDriver> driver_;
    std::vector<NextScreen> handed_over_;
};

TEST_F(NewGameWindowsTest, OneCoachBrasilTenClubDivisionsWithStateChampionships) {
    TForm9& setup = OpenSetup();
    ASSERT_GE(RowOf(kHomeCountry), 0);
    for (int row = 0; row < Leagues().GetRowCount(); ++row)
        EXPECT_EQ(Leagues().GetCellTextByVariant(kCountryTick, row),
                  row == RowOf(kHomeCountry) ? "1" : "0");
    EXPECT_EQ(setup.Choices().main_country, kHomeCountry);
    ExpectBackgroundTiled(setup, {3, 3});
    // Each row shows its country's flag.
    for (int row = 0; row < Leagues().GetRowCount(); ++row) {
        const int country = std::stoi(Leagues().GetCellTextByVariant(kCountryIndex, row));
        EXPECT_EQ(Leagues().GetCellByVariant(kCountryFlag, row).ObjectReference,
                  &flag_pictures()[country]);
    }
    driver_->Click("ckestadual");
    EXPECT_TRUE(driver_->Get<TMarkupCheckBox>("ckestadual").Checked());
    driver_->SavePng("newgame_form9.png");
    driver_->Click("SchemeButton2");
    driver_->Pump();

    TForm11* choice = Shown<TForm11>();
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(Shown<TForm9>(), nullptr);
    EXPECT_EQ(driver_->Text("Button1"), "Iniciar jogo");
    EXPECT_FALSE(driver_->Get("Button1").Enabled());
    EXPECT_FALSE(driver_->Get("Label10").Visible());
    // Four divisions of ten, no button beyond them.
    EXPECT_NE(choice->ClubButton(4, 9), nullptr);
    EXPECT_EQ(choice->ClubButton(5, 0), nullptr);
    EXPECT_FALSE(choice->ClubArea().VertBarShown());
    ExpectBackgroundTiled(*choice, {3, choice->ClientHeight() - 3});
    driver_->SavePng("newgame_form11.png");

    const std::string name = "Ana Souza";
    Name(name);
    RadioButton& button = *choice->ClubButton(2, 3);
    const int club = button.tag;
    driver_->Click(button);
    EXPECT_TRUE(driver_->Get("Button1").Enabled());
    // The hourglass stays from the confirmation until the build is over.
    driver_->Then([&] {
        TForm12* builder = Shown<TForm12>();
        ASSERT_NE(builder, nullptr);
        EXPECT_EQ(driver_->screen().ScreenCursor(), crHourGlass);
        EXPECT_EQ(builder->cursor, crHourGlass);
        ExpectBackgroundTiled(*builder, {2, builder->ClientHeight() - 2});
        driver_->SavePng("newgame_form12.png");
    });
    driver_->Click("Button1");
    driver_->Pump();
    EXPECT_EQ(driver_->screen().ScreenCursor(), crDefault);

    const GameData& game = Game();
    ASSERT_EQ(handed_over_.size(), 1u);
    EXPECT_EQ(NewGameInProgress(), nullptr);
    EXPECT_EQ(Shown<TForm11>(), nullptr);
    EXPECT_EQ(Shown<TForm12>(), nullptr);
    EXPECT_EQ(game.game_state.user_club, club);
    EXPECT_EQ(game.game_state.human_clubs[0], club);
    EXPECT_EQ(game.human_coach_names[0].str(), name);
    EXPECT_EQ(game.human_coach_nationalities[0], kHomeCountry);
    EXPECT_TRUE(game.teams[club].human);
    EXPECT_EQ(game.teams[club].division, 2);
    EXPECT_EQ(game.game_state.main_country, kHomeCountry);
    EXPECT_EQ(game.game_state.league_format, kDivisionsOf10);
    EXPECT_TRUE(game.game_state.state_leagues_on);
    ASSERT_EQ(game.league_configs.size(), 1u);
    EXPECT_EQ(game.league_configs[0].country, kHomeCountry);
    EXPECT_TRUE(game.league_configs[0].has_human_club);
    EXPECT_FALSE(game.fixtures.empty());
}

TEST_F(NewGameWindowsTest, ThreeCoachesChooseThreeClubsOneAbroad) {
    OpenSetup();
    int abroad_row = -1;
    for (int row = 0; row < Leagues().GetRowCount() && abroad_row < 0; ++row)
        if (row != RowOf(kHomeCountry)) abroad_row = row;
    ASSERT_GE(abroad_row, 0) << "the sample database lists a second country";
    const int abroad = std::stoi(Leagues().GetCellTextByVariant(kCountryIndex, abroad_row));
    // Only the tick column toggles, clicked with the mouse.
    auto click = [&](int col) {
        const Rect cell = Leagues().GetCellRect(col, abroad_row);
        driver_->ClickAt(Leagues(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    };
    click(2);
    EXPECT_EQ(Leagues().GetCellTextByVariant(kCountryTick, abroad_row), "0");
    click(1);
    EXPECT_EQ(Leagues().GetCellTextByVariant(kCountryTick, abroad_row), "1");
    driver_->Get<ComboBox>("ComboBox2").SetItemIndex(2);
    driver_->Click("SchemeButton2");
    driver_->Pump();

    TForm11& choice = *Shown<TForm11>();
    EXPECT_EQ(driver_->Text("Button1"), "Escolher time 2");
    const int first = ChooseButton(choice, 1, 0, "Um");
    EXPECT_TRUE(driver_->Get("Label10").Visible());
    EXPECT_EQ(driver_->Text("Label10"), "Time 2");
    EXPECT_EQ(driver_->Text("Edit1"), "");
    // The first coach's club can no longer be taken.
    EXPECT_FALSE(choice.ClubButton(1, 0)->Enabled());
    const int second = ChooseButton(choice, 1, 1, "Dois");
    EXPECT_EQ(driver_->Text("Button1"), "Iniciar jogo");

    ComboBox& leagues = driver_->Get<ComboBox>("Combo1");
    int item = -1;
    for (int i = 0; i < leagues.Count(); ++i)
        if (leagues.ItemImage(i) == abroad) item = i;
    ASSERT_GE(item, 0);
    leagues.SetItemIndex(item);
    choice.Combo1Change();
    const int third = ChooseButton(choice, 1, 0, "Três");

    ASSERT_EQ(handed_over_.size(), 1u);
    const GameData& game = Game();
    EXPECT_EQ(game.game_state.human_count, 3);
    EXPECT_EQ(game.game_state.human_clubs[0], first);
    EXPECT_EQ(game.game_state.human_clubs[1], second);
    EXPECT_EQ(game.game_state.human_clubs[2], third);
    EXPECT_EQ(game.game_state.user_club, third);
    EXPECT_EQ(game.teams[third].country, abroad);
    EXPECT_EQ(game.human_coach_names[2].str(), "Três");
    ASSERT_EQ(game.league_configs.size(), 2u);
    EXPECT_TRUE(game.league_configs[0].has_human_club);
    EXPECT_TRUE(game.league_configs[1].has_human_club);
}

TEST_F(NewGameWindowsTest, BackToTheTitleEmptiesTheWorkingLists) {
    OpenSetup();
    ASSERT_NE(NewGameInProgress(), nullptr);
    EXPECT_FALSE(NewGameInProgress()->scan.files.empty());
    driver_->Click("SchemeButton1");
    driver_->Pump();
    EXPECT_EQ(NewGameInProgress(), nullptr);
    EXPECT_EQ(Shown<TForm9>(), nullptr);
    ASSERT_NE(Shown<TForm1>(), nullptr);
}

TEST_F(NewGameWindowsTest, NoLeagueTickedSaysSoAndStays) {
    OpenSetup();
    Shown<TForm9>()->list1CellClick(1, RowOf(kHomeCountry));
    driver_->AnswerModal(mrOk);
    driver_->Click("SchemeButton2");
    driver_->Pump();
    ASSERT_FALSE(driver_->Messages().empty());
    EXPECT_EQ(driver_->Messages().back(), "Selecione pelo menos uma liga");
    EXPECT_NE(Shown<TForm9>(), nullptr);
    EXPECT_EQ(Shown<TForm11>(), nullptr);
}

TEST_F(NewGameWindowsTest, ContinentalCupsFollowEachOtherAndCustomModeDisablesTheLeagues) {
    WriteOption(kOptionsSection, "ver43", "1");
    WriteOption(kOptionsSection, "ver41", "0");
    TForm9& setup = OpenSetup();
    EXPECT_FALSE(driver_->Get<TMarkupCheckBox>("ck_verjlib").Checked());
    EXPECT_TRUE(driver_->Get<TMarkupCheckBox>("ck_verjlig").Checked());
    EXPECT_TRUE(driver_->Get<TMarkupCheckBox>("ck_verjafr").Checked());
    // Alt+F4 does not close it.
    driver_->Press(VK_F4, ssAlt);
    driver_->Pump();
    EXPECT_EQ(Shown<TForm9>(), &setup);
    driver_->Click("ckinter1");
    EXPECT_FALSE(driver_->Get<TMarkupCheckBox>("ckinter2").Checked());
    driver_->Click("ckinter2");
    EXPECT_TRUE(driver_->Get<TMarkupCheckBox>("ckinter1").Checked());
    driver_->Click("rd2");
    EXPECT_FALSE(driver_->Get<TMarkupRadioButton>("rd1").Checked());
    EXPECT_FALSE(driver_->Get("list1").Enabled());
    EXPECT_FALSE(driver_->Get("ckcopamundo").Enabled());
    driver_->Click("rd1");
    EXPECT_TRUE(driver_->Get("list1").Enabled());
    EXPECT_EQ(setup.Choices().human_count, 1);
}

TEST_F(NewGameWindowsTest, CustomChampionshipThroughItsWindow) {
    OpenSetup();
    driver_->Click("rd2");
    driver_->Click("SchemeButton2");
    driver_->Pump();
    TForm39* custom = Shown<TForm39>();
    ASSERT_NE(custom, nullptr);
    ExpectBackgroundTiled(*custom, {3, 3});
    driver_->SavePng("newgame_form39.png");
    EXPECT_FALSE(driver_->Get("bt1").Enabled());
    TReportGrid& list = ControlNamed<TReportGrid>(*custom, "list1");
    int clubs = 0;
    for (int row = 0; row < list.GetRowCount() && clubs < kClubsForCustomGame; ++row) {
        custom->list1CellClick(1, row);
        clubs += std::stoi(list.GetCellTextByVariant(kCountryClubs, row));
    }
    ASSERT_GE(clubs, kClubsForCustomGame);
    EXPECT_TRUE(driver_->Get("bt1").Enabled());
    EXPECT_EQ(ControlNamed<TMarkupLabel>(*custom, "Label7").GetDisplayText(),
              "Times: " + std::to_string(clubs));
    driver_->Click("bt1");
    driver_->Pump();

    TForm11* choice = Shown<TForm11>();
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(Shown<TForm9>(), nullptr);
    EXPECT_FALSE(driver_->Get("Combo1").Visible());
    ChooseButton(*choice, 1, 0, "Fantasia");
    ASSERT_EQ(handed_over_.size(), 1u);
    EXPECT_EQ(Game().game_state.main_country, 202);
    EXPECT_EQ(Game().game_state.national_cup_name.str(), "Copa Internacional");
}

TEST_F(NewGameWindowsTest, TwentyClubDivisionsChooseFromDivisionLists) {
    OpenSetup();
    driver_->Get<ComboBox>("ComboBox1").SetItemIndex(1);
    driver_->Click("SchemeButton2");
    driver_->Pump();
    TForm56* choice = Shown<TForm56>();
    ASSERT_NE(choice, nullptr);
    ExpectBackgroundTiled(*choice, {3, choice->ClientHeight() - 3});
    driver_->SavePng("newgame_form56.png");
    ComboBox* first = choice->DivisionList(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Items().front(), "1ª divisão");
    // Each club shows its crest, read for the game being set up.
    EXPECT_EQ(first->ItemImage(0), -1);
    EXPECT_GE(first->ItemImage(1), 0);
    Name("Bia");
    first->SetItemIndex(2);
    first->on_change();
    EXPECT_TRUE(driver_->Get("Button1").Enabled());
    const std::string club_name = first->Items()[2];
    driver_->Click("Button1");
    driver_->Pump();
    ASSERT_EQ(handed_over_.size(), 1u);
    EXPECT_EQ(Shown<TForm56>(), nullptr);
    EXPECT_EQ(Game().teams[Game().game_state.user_club].name.str(), club_name);
    EXPECT_EQ(Game().game_state.league_format, kDivisionsOf20);
}

// A custom league of four 20-club divisions, the most clubs the club choice shows: every club
// can be seen and chosen, the last one included. Where the window is taller than the screen
// (a screen it does not scale for) the club area ends at the screen's bottom and scrolls.
void NewGameWindowsTest::ReachEveryClubOfFourTwentyClubDivisions(ScreenSize size, bool scrolls) {
    OpenSetup(11, size);
    driver_->Click("rd2");
    driver_->Click("SchemeButton2");
    driver_->Pump();
    TForm39& custom = *Shown<TForm39>();
    driver_->Get<ComboBox>("formulaper").SetItemIndex(1);
    TReportGrid& list = ControlNamed<TReportGrid>(custom, "list1");
    int clubs = 0;
    for (int row = 0; row < list.GetRowCount() && clubs < 82; ++row) {
        custom.list1CellClick(1, row);
        clubs += std::stoi(list.GetCellTextByVariant(kCountryClubs, row));
    }
    ASSERT_GE(clubs, 82) << "enough clubs for four divisions of twenty";
    driver_->Click("bt1");
    driver_->Pump();

    TForm11& choice = *Shown<TForm11>();
    ASSERT_EQ(NewGameInProgress()->world->game_state.league_format, kDivisionsOf20);
    ScrollBox& area = choice.ClubArea();
    const Rect screen{0, 0, size.width, size.height};
    const Point window_origin = choice.ClientToScreen({0, 0});
    EXPECT_GE(window_origin.y, 0) << "the coach's panel stays on the screen";
    const Point area_origin = area.ClientToScreen({0, 0});
    const Rect shown =
        RectOfSize(area_origin.x, area_origin.y, area.ClientWidth(), area.ClientHeight());
    EXPECT_LE(shown.bottom, screen.bottom);
    EXPECT_EQ(area.VertBarShown(), scrolls);
    for (int division = 1; division <= 4; ++division)
        for (int slot = 0; slot < 20; ++slot) {
            RadioButton* button = choice.ClubButton(division, slot);
            ASSERT_NE(button, nullptr) << division << "/" << slot;
            area.ScrollInView(*button);
            const Point at = button->ClientToScreen({0, 0});
            const Rect r = RectOfSize(at.x, at.y, button->Width(), button->Height());
            EXPECT_EQ(r.intersect(shown), r) << division << "/" << slot;
        }
    EXPECT_EQ(choice.ClubButton(5, 0), nullptr);
    if (scrolls) {
        driver_->SavePng("newgame_form11_scrolled.png");
        // The wheel over the clubs scrolls them, though the focus is in the name field.
        area.SetScrollPos(0);
        driver_->Click("Edit1");
        driver_->MoveTo(*choice.ClubButton(1, 0));
        driver_->Wheel(-120);
        EXPECT_GT(area.ScrollPos(), 0);
    }

    // The last club, chosen with the mouse once scrolled into view.
    Name("Última");
    RadioButton& last = *choice.ClubButton(4, 19);
    area.ScrollInView(last);
    driver_->Click(last);
    const int club = last.tag;
    driver_->Click("Button1");
    driver_->Pump();
    ASSERT_EQ(handed_over_.size(), 1u);
    EXPECT_EQ(Game().game_state.user_club, club);
    EXPECT_EQ(Game().teams[club].division, 4);
}

// Scaled to the height of a short wide screen, the window shows all eighty clubs at once.
TEST_F(NewGameWindowsTest, EveryClubOfFourTwentyClubDivisionsCanBeReached) {
    ReachEveryClubOfFourTwentyClubDivisions({1366, 768}, false);
}
TEST_F(NewGameWindowsTest, EveryClubOfFourTwentyClubDivisionsScrollsIntoViewOnAShortScreen) {
    ReachEveryClubOfFourTwentyClubDivisions({1024, 576}, true);
}

// Brasil with state championships and four divisions of twenty: the fourth division is formed
// from the state championships' clubs without a national division, and a coach may take one.
TEST_F(NewGameWindowsTest, ACoachTakesAClubOfTheRegionalDivision) {
    OpenSetup();
    const int abroad_row = RowOf(kHomeCountry) == 0 ? 1 : 0;
    Shown<TForm9>()->list1CellClick(1, abroad_row);
    driver_->Click("ckestadual");
    driver_->Get<ComboBox>("ComboBox1").SetItemIndex(1);
    driver_->Click("SchemeButton2");
    driver_->Pump();
    TForm56& choice = *Shown<TForm56>();
    const NewGameSetup& setup = *NewGameInProgress();
    const int home = choice.ShownLeague();
    ASSERT_EQ(setup.world->league_configs[home].country, kHomeCountry);
    ComboBox* regional = choice.DivisionList(4);
    ASSERT_NE(regional, nullptr);
    ASSERT_EQ(regional->Items().front(), "Divisão regional")
        << "the sample database forms a regional division";
    EXPECT_EQ(choice.DivisionList(5), nullptr) << "it stands in place of the fourth division";
    const auto entrants = setup.world->regional_cup_entrants;
    EXPECT_NE(entrants[0], -1);

    // Another league and back: the regional cup keeps its entrants.
    ComboBox& leagues = driver_->Get<ComboBox>("Combo1");
    const int home_item = leagues.ItemIndex();
    leagues.SetItemIndex(1 - home_item);
    choice.Combo1Change();
    ASSERT_NE(choice.ShownLeague(), home);
    leagues.SetItemIndex(home_item);
    choice.Combo1Change();
    regional = choice.DivisionList(4);
    EXPECT_EQ(regional->Items().front(), "Divisão regional");
    EXPECT_EQ(setup.world->regional_cup_entrants, entrants);

    Name("Regina");
    regional->SetItemIndex(1);
    regional->on_change();
    const std::string club_name = regional->Items()[1];
    driver_->Click("Button1");
    driver_->Pump();
    ASSERT_EQ(handed_over_.size(), 1u);
    const GameData& game = Game();
    const int club = game.game_state.user_club;
    EXPECT_EQ(game.teams[club].name.str(), club_name);
    EXPECT_EQ(game.teams[club].country, kHomeCountry);
    EXPECT_EQ(game.game_state.home_regional_division, 1);
    EXPECT_EQ(game.league_configs[home].division_count, 3);
    EXPECT_GT(FindCompetitionId(game, 1, kHomeCountry, 4, -1, -1), 0)
        << "the regional division plays";
}

// Every shown control of a window lies on the screen (a scrolled area counts as itself).
void ExpectOnScreen(const Control& control, const Rect& screen, const std::string& path = {}) {
    for (const auto& owned : control.Children()) {
        const Control* child = owned.get();
        if (!child->Visible() || child->Freed()) continue;
        const Point at = child->ClientToScreen({0, 0});
        const Rect r = RectOfSize(at.x, at.y, child->Width(), child->Height());
        const std::string name = path + "/" + child->Name();
        EXPECT_EQ(r.intersect(screen), r) << name;
        if (!dynamic_cast<const ScrollBox*>(child)) ExpectOnScreen(*child, screen, name);
    }
}

// On the smallest screen the windows are laid out for, nothing falls off the screen.
TEST_F(NewGameWindowsTest, TheWindowsFitAnEightHundredBySixHundredScreen) {
    const Rect screen{0, 0, 800, 600};
    TForm9& setup = OpenSetup(11, {800, 600});
    ExpectOnScreen(setup, screen);
    driver_->SavePng("newgame_form9_800x600.png");
    driver_->Get<ComboBox>("ComboBox1").SetItemIndex(1);
    driver_->Click("SchemeButton2");
    driver_->Pump();
    ExpectOnScreen(*Shown<TForm56>(), screen);
    driver_->SavePng("newgame_form56_800x600.png");
    CloseForGood(*Shown<TForm56>());
    driver_->Pump();

    OpenSetup(11, {800, 600});
    driver_->Click("SchemeButton2");
    driver_->Pump();
    ExpectOnScreen(*Shown<TForm11>(), screen);
    driver_->SavePng("newgame_form11_800x600.png");
    CloseForGood(*Shown<TForm11>());
    driver_->Pump();

    OpenSetup(11, {800, 600});
    driver_->Click("rd2");
    driver_->Click("SchemeButton2");
    driver_->Pump();
    ExpectOnScreen(*Shown<TForm39>(), screen);
    driver_->SavePng("newgame_form39_800x600.png");
}

// The same choices through the windows and through the headless setup give the same saved game.
TEST_F(NewGameWindowsTest, WindowsAndHeadlessSetupBuildTheSameGame) {
    constexpr std::uint64_t kSeed = 23;
    OpenSetup(kSeed);
    driver_->Click("ckestadual");
    driver_->Click("SchemeButton2");
    driver_->Pump();
    ChooseButton(*Shown<TForm11>(), 1, 0, "Treinador 1");
    ASSERT_EQ(handed_over_.size(), 1u);
    HeadlessGame through_windows;
    ASSERT_EQ(through_windows.SaveGame((dir_ / "janelas.s14").string()), "");

    driver_.reset();
    HeadlessGame headless;
    HeadlessSetup setup;
    setup.teams_folder = (dir_ / "teams").string();
    setup.seed = kSeed;
    setup.state_championships = true;
    ASSERT_EQ(headless.StartNewGame(setup), "");
    ASSERT_EQ(headless.SaveGame((dir_ / "automatico.s14").string()), "");
    const std::string a = ReadAll(dir_ / "janelas.s14"), b = ReadAll(dir_ / "automatico.s14");
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == b) << a.size() << " against " << b.size();
}

// A chosen club's file gone before the build: the message, nothing built, back to the setup.
TEST_F(NewGameWindowsTest, AFailedBuildSaysWhyAndReturnsToTheSetup) {
    fs::remove(dir_ / "teams");
    fs::copy(fs::path(KORVANEL_SAMPLE_GAME) / "teams", dir_ / "teams", fs::copy_options::recursive);
    OpenSetup();
    driver_->Click("SchemeButton2");
    driver_->Pump();
    TForm11& choice = *Shown<TForm11>();
    for (const fs::directory_entry& e : fs::directory_iterator(dir_ / "teams"))
        if (e.path().extension() == ".b14") fs::remove(e.path());
    Game().game_state.season = 77;  // the running game, which a failed build keeps
    // The builder's window waits first; the message comes from inside it.
    driver_->Then([&] {
        driver_->AnswerModal(mrOk);
        driver_->Advance(kBuildDelayMs);
    });
    ChooseButton(choice, 1, 0, "Ana");
    EXPECT_TRUE(handed_over_.empty());
    ASSERT_FALSE(driver_->Messages().empty());
    EXPECT_EQ(Game().game_state.season, 77);
    EXPECT_NE(Shown<TForm9>(), nullptr);
    EXPECT_EQ(Shown<TForm11>(), nullptr);
}

// With every window connected, the built game continues in the main window, where no command
// is left without its window: each menu entry, each zone of the tool bar, each clickable text,
// icon and button and each hot key asks for a window the program has connected.
TEST_F(NewGameWindowsTest, ANewGameContinuesInTheMainWindowWhereEveryCommandOpensAConnectedWindow) {
    ConnectGameWindows();
    OpenSetup(5);
    driver_->Click("SchemeButton2");
    driver_->Pump();
    TForm11* choice = Shown<TForm11>();
    ASSERT_NE(choice, nullptr);
    const int club = ChooseButton(*choice, 1, 0, "Ana Souza");

    EXPECT_EQ(Game().game_state.user_club, club);
    TForm13* main = Shown<TForm13>();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main, MainWindow());

    // Every window name a command could ask for, noted as connected or not, then recorded
    // instead of opened.
    std::set<std::string> connected;
    std::vector<std::string> opened;
    std::vector<std::string> names{"SaveGame"};
    for (int n = 1; n < 100; ++n) names.push_back("TForm" + std::to_string(n));
    for (const std::string& name : names) {
        auto& opener = MainWindowOpener(name);
        if (opener) connected.insert(name);
        opener = [&opened, name] { opened.push_back(name); };
    }
    auto expect_connected = [&](const std::string& command) {
        for (const std::string& window : opened)
            EXPECT_TRUE(connected.contains(window)) << command << " asks for " << window;
    };

    // The menus: every entry but the commands that act without a window opens exactly one.
    const std::set<std::string> commands = {"Sedemitir1",         "Sairdojogo1",
                                            "CancelarEmprstimo1", "Comprarjogador1",
                                            "Porparaemprstimo1",  "Nopor1"};
    int entries = 0;
    for (int n = 1; n <= 9; ++n) {
        auto* menu = dynamic_cast<PopupMenu*>(main->FindComponent("PopupMenu" + std::to_string(n)));
        if (!menu) continue;
        for (const auto& item : menu->items.items) {
            if (item->IsSeparator() || commands.contains(item->name)) continue;
            opened.clear();
            item->on_click();
            EXPECT_EQ(opened.size(), 1u) << item->name;
            expect_connected(item->name);
            ++entries;
        }
    }
    EXPECT_GE(entries, 20);

    // The panels' links and buttons, with a squad row chosen; the play button and the web
    // address (the browser) are left alone.
    auto& grid = driver_->Get<TReportGrid>("gridview1");
    grid.SelectCell(1, 1);
    int links = 0;
    ForEachControl(*main, [&](Control& c) {
        if (!c.on_click || c.Name() == "btjogar" || c.Name() == "Label23") return;
        opened.clear();
        c.on_click();
        expect_connected(c.Name());
        links += !opened.empty();
    });
    EXPECT_GE(links, 15);

    // The tool bar, zone by zone; a zone that pops a menu up has it closed again.
    Control& bar = driver_->Get("nova_barra");
    std::set<std::string> zones;
    int zone_windows = 0;
    for (int px = 0; px < 1129; px += 3) {
        const Point at{px * bar.Width() / 1129, 20 * bar.Height() / 65};
        driver_->MoveTo(bar, at);
        if (bar.hint.empty() || !zones.insert(bar.hint).second) continue;
        driver_->Then([this] {
            if (dynamic_cast<MenuWindow*>(driver_->screen().TopForm())) driver_->Press(VK_ESCAPE);
        });
        opened.clear();
        driver_->ClickAt(bar, at);
        expect_connected(bar.hint);
        zone_windows += !opened.empty();
    }
    EXPECT_EQ(zones.size(), 11u);
    EXPECT_EQ(zone_windows, 6);

    // The hot keys.
    opened.clear();
    for (const int key : {VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9})
        driver_->Press(key);
    for (const int key : {'J', 'T', 'F'}) driver_->Press(key, ssCtrl);
    EXPECT_EQ(opened.size(), 11u);
    expect_connected("hot keys");

    for (const std::string& name : names) MainWindowOpener(name) = nullptr;
    main->Release();
    driver_->Pump();
}

}  // namespace
}  // namespace kv
