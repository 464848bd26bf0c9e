#include "screens/main/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "core/text_tables.h"
#include "game/coach_turn.h"
#include "game/headless_game.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/keys.h"
#include "platform/window/popup_menu.h"
#include "platform/window/screen.h"
#include "platform/window/shell.h"
#include "platform/window/test_driver.h"
#include "screens/main/cup_bracket_window.h"
#include "screens/main/fixtures_window.h"
#include "screens/main/main_window_texts.h"
#include "screens/main/tables_window.h"
#include "screens/main/save_game_window.h"
#include "screens/start/game_pictures.h"
#include "screens/start/title_window.h"
#include "season/loans.h"
#include "tests/core/saves/saves_world.h"
#include "tests/screens/sample_game_day.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

// The texts of those columns show whole: the columns that leave width unused give it to them.
void ExpectShownWhole(TReportGrid& grid, std::initializer_list<const char*> names) {
    grid.FitColumnsToWidth();
    for (const char* name : names) {
        TGrCustomColumn* column = grid.Columns().ColumnByName(name);
        ASSERT_NE(column, nullptr) << name;
        const int col = column->GetIndex();
        for (int row = 0; row < grid.GetRowCount(); ++row) {
            std::string text;
            grid.GetDrawText(col, row, text);
            EXPECT_LE(MeasureTextWidth(column->GetFont(), text) + 5 + 2 * column->Padding(),
                      column->Width())
                << name << ": " << text;
        }
    }
}


// A new game from the sample database with one or two human coaches, at its first day.
void NewGame(int humans, int kind = -1) {
    testing::StartSampleGameOnAHumanDay(humans, 2014, kind);
}

// What the game without windows does for the day's human turns.
void HeadlessTurns() {
    GameData& data = Game();
    AutomaticWindows windows;
    CoachTurn turn;
    if (!OpenMainWindow(data, turn, windows, data.opening_main_window != 0)) {
        PrepareComputerLineups();
        return;
    }
    do ChooseComputerLineup(data.game_state.user_club);
    while (!kv::NextHumanTurnOrPlay(data, turn, windows));
}

void ExpectSameGame(const GameData& a, const GameData& b) {
    ASSERT_EQ(a.players.size(), b.players.size());
    for (std::size_t p = 0; p < a.players.size(); ++p)
        EXPECT_EQ(std::memcmp(&a.players[p], &b.players[p], sizeof(t_player)), 0) << p;
    ASSERT_EQ(a.teams.size(), b.teams.size());
    for (std::size_t t = 0; t < a.teams.size(); ++t)
        EXPECT_EQ(std::memcmp(&a.teams[t], &b.teams[t], sizeof(t_team)), 0) << t;
    ASSERT_EQ(a.match_strengths.size(), b.match_strengths.size());
    for (std::size_t s = 0; s < a.match_strengths.size(); ++s)
        EXPECT_EQ(
            std::memcmp(&a.match_strengths[s], &b.match_strengths[s], sizeof(t_match_strength)), 0)
            << s;
    EXPECT_EQ(a.game_state.user_club, b.game_state.user_club);
    EXPECT_EQ(a.inbox.size(), b.inbox.size());
}

class MainWindowTest : public ::testing::Test {
  protected:
    void TearDown() override {
        MainWindowNextScreen() = nullptr;
        MainWindowOpener("TForm87") = nullptr;
        MainWindowResignationQuestion() = nullptr;
        MainWindowEventWindow() = nullptr;
        driver_.reset();
        Game().Reset();
    }
    void Open(int width, int height) {
        driver_ = std::make_unique<TestDriver>(width, height);
        MainWindowNextScreen() = [this](NextScreen next) { next_.push_back(next); };
    }
    TReportGrid& Grid() { return driver_->Get<TReportGrid>("gridview1"); }
    std::string Markup(std::string_view name) {
        std::string s;
        for (const std::string& line : driver_->Get<TMarkupLabel>(name).HTMLLines()) s += line;
        return s;
    }
    PopupMenu& Menu(const char* name) {
        return *static_cast<PopupMenu*>(MainWindow()->FindComponent(name));
    }

    std::unique_ptr<TestDriver> driver_;
    std::vector<NextScreen> next_;
};

// Each row of the squad grid holds one of the club's players, goalkeepers first and the
// weakest first within a position.
void ExpectGridMatchesSquad(TReportGrid& grid) {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    int squad = 0;
    for (const t_player& p : data.players) squad += p.team == club ? 1 : 0;
    ASSERT_EQ(grid.GetRowCount(), squad);
    int last_strength = -1, last_key = -1;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        const int id = std::stoi(grid.GetCellTextByVariant("id", row));
        const t_player& p = data.players[id];
        EXPECT_EQ(p.team, club);
        EXPECT_EQ(grid.GetCellTextByVariant("nome", row), p.name.str());
        EXPECT_EQ(grid.GetCellTextByVariant("forca", row), std::to_string(p.strength));
        EXPECT_EQ(grid.GetCellTextByVariant("posicaojog", row),
                  std::string(position_letters[static_cast<std::size_t>(p.position)]));
        EXPECT_EQ(grid.GetCellTextByVariant("funcaojog", row), p.side ? "E" : "D");
        EXPECT_EQ(grid.GetCellTextByVariant("idade", row), std::to_string(p.age));
        EXPECT_EQ(grid.GetCellTextByVariant("status", row), std::to_string(p.shirt_number));
        EXPECT_EQ(grid.GetCellTextByVariant("moral", row), std::to_string(p.morale + 7));
        const auto price =
            static_cast<std::int32_t>(MoneyToUnits(p.on_sale ? p.asking_price : p.value));
        EXPECT_EQ(grid.GetCellTextByVariant("passe", row), FormatMoneyShort(price));
        const int key = PositionSortKey(id);
        EXPECT_GE(key, last_key) << row;
        if (key == last_key) {
            EXPECT_GE(p.strength, last_strength) << row;
        }
        last_key = key;
        last_strength = p.strength;
    }
}

TEST_F(MainWindowTest, TwoCoachesHandOverAndTheDayMatchesTheGameWithoutWindows) {
    NewGame(2);
    const GameData start = Game();
    const std::uint64_t random = RandomState();
    HeadlessTurns();
    const GameData headless = Game();
    const std::uint64_t random_after = RandomState();

    Game() = start;
    SetRandomState(random);
    Open(1024, 768);
    TForm13* window = ShowMainWindow();
    ASSERT_NE(window, nullptr);
    driver_->Pump();
    const GameData& data = Game();
    EXPECT_EQ(data.game_state.user_club, data.game_state.human_clubs[0]);
    ExpectGridMatchesSquad(Grid());
    EXPECT_EQ(Markup("lb_total"),
              "<shad>" + std::to_string(Grid().GetRowCount()) + " jogadores</shad>");
    EXPECT_NE(
        Markup("lb_tec").find(data.coaches[data.teams[data.game_state.user_club].coach].name.str()),
        std::string::npos);
    EXPECT_EQ(driver_->Text("nometime"), data.teams[data.game_state.user_club].name.str());
    EXPECT_EQ(driver_->Get<TUiSmoothProgressBar>("bar1").Position(),
              data.teams[data.game_state.user_club].board_confidence);
    EXPECT_GE(window->lineup_opponent(), 0);
    EXPECT_EQ(Grid().SelectedRow(), 0);
    driver_->SavePng("main_window_1024x768.png");
    ExpectShownWhole(Grid(), {"nome", "habilidades"});
    EXPECT_EQ(Grid().Columns().ColumnByName("energia")->Width(), 80);

    driver_->Click("btjogar");
    driver_->Pump();
    EXPECT_TRUE(next_.empty()) << "the second coach's turn comes first";
    ASSERT_EQ(MainWindow(), window);
    EXPECT_EQ(data.game_state.user_club, data.game_state.human_clubs[1]);
    ExpectGridMatchesSquad(Grid());

    driver_->Click("btjogar");
    driver_->Pump();
    EXPECT_EQ(next_, std::vector<NextScreen>{NextScreen::kMatchDay});
    EXPECT_EQ(MainWindow(), nullptr);  // freed once its handler was over
    ExpectSameGame(Game(), headless);
    EXPECT_EQ(RandomState(), random_after);
}

TEST_F(MainWindowTest, PlayerCommandsKeysAndTheResignationOfTheOnlyCoach) {
    NewGame(1);
    Open(1280, 800);
    std::vector<std::string> opened;
    for (const char* window : {"TForm36", "TForm22", "TForm18"})
        MainWindowOpener(window) = [&opened, window] { opened.push_back(window); };
    TForm13* window = ShowMainWindow();
    ASSERT_NE(window, nullptr);
    driver_->Pump();
    GameData& data = Game();
    const int club = data.game_state.user_club;
    ExpectGridMatchesSquad(Grid());
    driver_->SavePng("main_window_1280x800.png");

    // Hot keys reach the windows whose openers are set; Alt+F4 does not close the window.
    driver_->Press(VK_F5);
    driver_->Press('F', ssCtrl);
    driver_->Press(VK_F4);
    driver_->Press(VK_F4, ssAlt);
    driver_->Pump();
    EXPECT_EQ(opened, (std::vector<std::string>{"TForm36", "TForm22", "TForm18"}));
    EXPECT_EQ(MainWindow(), window);

    // The tool bar's zones are in the picture's pixels, whatever the bar's width on screen.
    Control& bar = driver_->Get("nova_barra");
    const Point tables{256 * bar.Width() / 1129, 20};
    driver_->MoveTo(bar, tables);
    EXPECT_EQ(bar.hint, "Tabela de classificação - F5");
    EXPECT_EQ(bar.cursor, crHandPoint);
    driver_->ClickAt(bar, tables);
    driver_->MoveTo(bar, {2, 2});
    EXPECT_EQ(bar.hint, "");
    EXPECT_EQ(opened.back(), "TForm36");
    EXPECT_EQ(opened.size(), 4u);
    MainWindowOpener("TForm14") = [&opened] { opened.push_back("TForm14"); };
    driver_->Click("lb_infonext");
    EXPECT_EQ(opened.back(), "TForm14");
    EXPECT_EQ(MainWindowSelections().viewed_team, window->lineup_opponent());
    MainWindowOpener("TForm14") = nullptr;

    // Header clicks: salary sorts by the amount, again the other way; position restores the
    // standard order.
    auto wages = [this] {
        std::vector<long long> w;
        for (int row = 0; row < Grid().GetRowCount(); ++row)
            w.push_back(std::stoll(Grid().GetCellTextByVariant("salariot", row)));
        return w;
    };
    const std::vector<std::string> standard = [this] {
        std::vector<std::string> ids;
        for (int row = 0; row < Grid().GetRowCount(); ++row)
            ids.push_back(Grid().GetCellTextByVariant("id", row));
        return ids;
    }();
    window->HeaderClick("salario");
    const std::vector<long long> up = wages();
    EXPECT_TRUE(std::is_sorted(up.begin(), up.end()));
    window->HeaderClick("salario");
    const std::vector<long long> down = wages();
    EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend()));
    EXPECT_NE(up, down);
    window->HeaderClick("posicaojog");
    ExpectGridMatchesSquad(Grid());
    EXPECT_EQ(Grid().GetCellTextByVariant("id", 0), standard[0]);

    // The player panel's buttons: a short squad cannot sell, except an out-of-contract
    // goalkeeper when a second one stays; "aposentar" from 32.
    {
        t_team& team = data.teams[club];
        t_player& p = data.players[window->SelectedPlayer()];
        const t_team kept = team;
        const t_player kept_player = p;
        auto sell = [this] { return driver_->Get("btvender").Enabled(); };
        team.squad_size = 12;
        team.available_players = 10;
        p.position = 1;
        window->UpdatePlayerButtons();
        EXPECT_FALSE(sell());
        p.position = 0;
        p.contract_end = TodayDate(data);
        team.position_counts[0] = 1;
        window->UpdatePlayerButtons();
        EXPECT_FALSE(sell());
        team.position_counts[0] = 2;
        window->UpdatePlayerButtons();
        EXPECT_TRUE(sell());
        p.age = 31;
        window->UpdatePlayerButtons();
        EXPECT_FALSE(driver_->Get("btaposenta").Enabled());
        p.age = 32;
        window->UpdatePlayerButtons();
        EXPECT_TRUE(driver_->Get("btaposenta").Enabled());
        team = kept;
        p = kept_player;
    }

    // Offered for loan and back, from the player menu of the selected player; each command
    // leaves his row selected, wherever it is in the list.
    Grid().SelectCell(1, 3);
    const int player = window->SelectedPlayer();
    ASSERT_GT(player, 0);
    PopupMenu& menu = Menu("PopupMenu1");
    window->PopupMenu1Popup();
    MenuItem& lend = *menu.items.Find("Porparaemprstimo1");
    EXPECT_EQ(lend.enabled, CountLoanedOut(data, club) + CountOfferedForLoan(data, club) < 2);
    EXPECT_FALSE(menu.items.Find("Comprarjogador1")->visible);
    EXPECT_FALSE(menu.items.Find("Propor contrato") != nullptr);
    EXPECT_FALSE(menu.items.Find("Proporcontrato1")->enabled) << "no contract window yet";
    lend.on_click();
    EXPECT_EQ(data.players[player].loan_status, 1);
    EXPECT_EQ(window->SelectedPlayer(), player);
    window->PopupMenu1Popup();
    EXPECT_FALSE(menu.items.Find("Porparaemprstimo1")->visible);
    EXPECT_TRUE(menu.items.Find("Nopor1")->visible);
    menu.items.Find("Nopor1")->on_click();
    EXPECT_EQ(data.players[player].loan_status, 0);
    EXPECT_EQ(window->SelectedPlayer(), player);

    // A listed player comes off the list with "Retirar da lista de venda".
    data.players[player].on_sale = 1;
    data.players[player].asking_price = MoneyFromUnits(5000000);
    window->RefreshSquadGrid();
    Grid().SelectCell(1, 3);
    EXPECT_EQ(window->SelectedPlayer(), player);
    EXPECT_EQ(Grid().GetCellTextByVariant("passe", 3), FormatMoneyShort(5000000));
    EXPECT_TRUE(driver_->Get("Button4").Visible());
    driver_->Click("Button4");
    EXPECT_EQ(data.players[player].on_sale, 0);
    EXPECT_EQ(data.players[player].asking_price, 0);
    EXPECT_EQ(window->SelectedPlayer(), player);

    // A player on loan to the club: "Comprar jogador" is offered when the club can pay the
    // price the purchase charges, and buying him takes exactly that price.
    int loaned = -1;
    for (std::size_t p = 1; p < data.players.size() && loaned < 0; ++p)
        if (data.players[p].team >= 0 && data.players[p].team != club) loaned = static_cast<int>(p);
    ASSERT_GT(loaned, 0);
    const int owner = data.players[loaned].team;
    data.SetPlayerTeam(loaned, club);
    data.players[loaned].loan_status = 2;
    data.players[loaned].value = MoneyFromUnits(800000);
    data.loans.push_back({.player = loaned, .end_date = TodayDate(data) + 60, .owner = owner});
    window->RefreshSquadGrid();
    int row = 0;
    while (row < Grid().GetRowCount() &&
           Grid().GetCellTextByVariant("id", row) != std::to_string(loaned))
        ++row;
    Grid().SelectCell(1, row);
    ASSERT_EQ(window->SelectedPlayer(), loaned);
    data.teams[club].cash = MoneyFromUnits(799999);
    window->PopupMenu1Popup();
    MenuItem& buy = *menu.items.Find("Comprarjogador1");
    EXPECT_TRUE(buy.visible);
    EXPECT_FALSE(buy.enabled);
    EXPECT_FALSE(menu.items.Find("Venderjogador1")->enabled);
    EXPECT_FALSE(menu.items.Find("Porparaemprstimo1")->visible);
    data.teams[club].cash = MoneyFromUnits(800000);
    window->PopupMenu1Popup();
    ASSERT_TRUE(buy.enabled);
    buy.on_click();
    EXPECT_EQ(data.teams[club].cash, 0);
    EXPECT_EQ(data.players[loaned].team, club);
    EXPECT_EQ(data.players[loaned].loan_status, 0);

    // "Se demitir": the dismissal screen tells the coach who follows him; with no other human
    // coach the match day comes.
    MainWindowResignationQuestion() = [] { return true; };
    const int coach = data.teams[club].coach;
    driver_->Then([&] {
        EXPECT_NE(driver_->Text("Label4").find("conforme você solicitou, boa sorte no próximo "
                                               "clube."),
                  std::string::npos);
        EXPECT_EQ(driver_->Text("Label3"), data.coaches[coach].name.str());
        driver_->SavePng("dismissal_window.png");
        driver_->Click("schemebutton2");
    });
    Menu("PopupMenu2").on_popup();
    ASSERT_TRUE(Menu("PopupMenu2").items.Find("Sedemitir1")->enabled);
    Menu("PopupMenu2").items.Find("Sedemitir1")->on_click();
    driver_->Pump();
    EXPECT_NE(data.teams[club].coach, coach);
    EXPECT_EQ(Screen::Get().FindForm("Form31"), nullptr);
    EXPECT_EQ(next_, std::vector<NextScreen>{NextScreen::kMatchDay});
    EXPECT_EQ(MainWindow(), nullptr);
}

// The tool bar's menus open at their own places whatever point of the zone was clicked, on the
// design screen and scaled on a larger one.
TEST_F(MainWindowTest, ToolBarMenusOpenAtTheirPlaces) {
    NewGame(1);
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1280, 800}}) {
        SCOPED_TRACE(width);
        driver_.reset();  // one screen at a time
        Open(width, height);
        TForm13* window = ShowMainWindow();
        ASSERT_NE(window, nullptr);
        driver_->Pump();
        Control& bar = driver_->Get("nova_barra");
        struct Case {
            const char* menu;
            const char* item;
            int x0, x1;
            Point design;
        };
        const Case cases[] = {{"PopupMenu2", "Salvarjogo1", 78, 107, {4, 5}},
                              {"PopupMenu7", "Jogosdoseutime1", 133, 160, {52, 5}},
                              {"PopupMenu6", "FinanasdoTime1", 182, 217, {96, 5}},
                              {"PopupMenu3", "RankingdeTcnicos1", 494, 515, {355, 5}},
                              {"PopupMenu4", "Rankingdeclubes1", 626, 654, {458, 5}}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.menu);
            const Point at = window->MenuPoint(c.menu);
            if (width == 800) {
                EXPECT_TRUE(at.x == c.design.x && at.y == c.design.y);
            }
            for (const int px : {c.x0 + 3, c.x1 - 3}) {  // inside after the rounding
                Point shown{-1, -1};
                driver_->Then([&] {
                    Form* menu = driver_->Get(c.item).ParentForm();
                    shown = {menu->Left(), menu->Top()};
                    driver_->Press(VK_ESCAPE);
                });
                driver_->ClickAt(bar, {px * bar.Width() / 1129, 20 * bar.Height() / 65});
                EXPECT_TRUE(shown.x == at.x && shown.y == at.y) << shown.x << "," << shown.y;
            }
        }
        if (width > 800) driver_->SavePng("main_window_menu_places.png");
        window->Release();
        driver_->Pump();
    }
}

// The windows slow to build show the hourglass while they are built and the normal pointer
// once they are on screen.
TEST_F(MainWindowTest, SlowWindowsAreBuiltUnderTheHourglass) {
    NewGame(1);
    Open(800, 600);
    const std::pair<const char*, void (*)()> windows[] = {
        {"TForm36", [] { ShowTablesWindow(); }},
        {"TForm63", [] { ShowFixturesWindow(); }},
        {"TForm35", [] { ShowCupBracketWindow(ckNationalCup); }},
    };
    for (const auto& [name, show] : windows) {
        SCOPED_TRACE(name);
        std::vector<int>& history = driver_->backend().cursor_history();
        history.clear();
        int on_screen = -1;
        driver_->Then([&] {
            on_screen = driver_->screen().ScreenCursor();
            driver_->Press(VK_ESCAPE);
        });
        show();
        EXPECT_NE(std::find(history.begin(), history.end(), crHourGlass), history.end());
        EXPECT_NE(on_screen, crHourGlass);
        EXPECT_NE(driver_->screen().ScreenCursor(), crHourGlass);
    }
}

// On the small screen the names and characteristics show whole: the columns that leave width
// unused give it to them.
TEST_F(MainWindowTest, SmallScreenShowsTheNamesWhole) {
    NewGame(1);
    Open(800, 600);
    ASSERT_NE(ShowMainWindow(), nullptr);
    driver_->Pump();
    ExpectShownWhole(Grid(), {"nome", "habilidades"});
    EXPECT_EQ(MainWindow()->Width(), 800);
    driver_->SavePng("main_window_800x600.png");
    MainWindow()->Release();
    driver_->Pump();
}

// 1920x1080 keeps the designed size: the squad grid takes the screen's height, every row of the
// squad shows above its bottom, the lines under it sit at the screen's bottom, and the player
// panel keeps the short layout that fits its designed width.
TEST_F(MainWindowTest, TallUnscaledScreenGivesTheGridTheHeight) {
    NewGame(1);
    Open(1920, 1080);
    ASSERT_NE(ShowMainWindow(), nullptr);
    driver_->Pump();
    TReportGrid& grid = Grid();
    EXPECT_GT(grid.Top() + grid.Height(), 1000);
    const int last = grid.GetRowCount() - 1;
    ASSERT_GT(last, 0);
    EXPECT_LE(grid.GetCellRect(0, last).bottom, grid.ClientHeight());
    const Control& total = driver_->Get<Control>("lb_total");
    EXPECT_GE(total.Top(), grid.Top() + grid.Height());
    EXPECT_LE(total.Top() + total.Height(), 1080);
    EXPECT_EQ(Markup("lb_infojog").find("<br>"), std::string::npos);
    MainWindow()->Release();
    driver_->Pump();
}

// The events between rounds come once the window is on screen, from its timer, over the
// squad of the club whose turn it is; a death takes the player off the grid.
TEST_F(MainWindowTest, RoundEventsComeFromTheTimerOnceTheWindowShows) {
    NewGame(1, ckNationalLeague);
    GameData& data = Game();
    ASSERT_EQ(data.game_state.match_kind, ckNationalLeague);
    data.opening_main_window = 0;
    const int club = data.game_state.human_clubs[0];
    int old = -1;
    for (std::size_t p = 1; p < data.players.size() && old < 0; ++p)
        if (data.players[p].team == club) old = static_cast<int>(p);
    ASSERT_GT(old, 0);
    data.players[old].age = 61;  // dies on a league day for certain
    Open(1024, 768);
    std::vector<GameWindow> asked;
    bool shown_when_asked = false;
    MainWindowEventWindow() = [&](const WindowRequest& request) {
        asked.push_back(request.window);
        shown_when_asked = MainWindow() && MainWindow()->Showing();
        return false;
    };
    TForm13* window = ShowMainWindow();
    ASSERT_NE(window, nullptr);
    driver_->Pump();
    EXPECT_TRUE(asked.empty()) << "no event before the timer";
    EXPECT_TRUE(window->RoundEventsPending());
    EXPECT_EQ(data.players[old].team, club);
    driver_->Advance(500);
    driver_->Pump();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), GameWindow::kDeathNotice);
    EXPECT_TRUE(shown_when_asked);
    EXPECT_FALSE(window->RoundEventsPending());
    EXPECT_EQ(data.players[old].team, -1);
    for (int row = 0; row < Grid().GetRowCount(); ++row)
        EXPECT_NE(Grid().GetCellTextByVariant("id", row), std::to_string(old));
    // The timer does not come back: the events run once a turn.
    asked.clear();
    driver_->Advance(1000);
    driver_->Pump();
    EXPECT_TRUE(asked.empty());
    window->Release();
    driver_->Pump();
}

// The panels: the head-to-head panel in the player panel's place until the next row is chosen,
// the referee's hint, the links to the opponent's windows and the web site; the grid's
// pictures, row colours and columns filling the grid in one font.
TEST_F(MainWindowTest, PanelsLinksAndTheSquadGridsLook) {
    NewGame(1);
    Open(1280, 800);
    // The sample database's folder, for the crests and flags.
    SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
    LoadFlagPictures(Picture(24, 13));
    std::vector<std::string> opened;
    for (const char* window : {"TForm15", "TForm55", "TForm80"})
        MainWindowOpener(window) = [&opened, window] { opened.push_back(window); };
    TForm13* window = ShowMainWindow();
    ASSERT_NE(window, nullptr);
    driver_->Pump();
    GameData& data = Game();
    const int club = data.game_state.user_club;
    const int opponent = window->lineup_opponent();
    ASSERT_GE(opponent, 0);

    EXPECT_TRUE(driver_->Get("pinfo_panel").Visible());
    EXPECT_FALSE(driver_->Get("p_conf").Visible());
    driver_->Click("Image13");
    EXPECT_TRUE(driver_->Get("p_conf").Visible());
    EXPECT_FALSE(driver_->Get("pinfo_panel").Visible());
    EXPECT_EQ(Markup("lb_conft2"), "<shad><u>" + data.teams[opponent].name.str() + "</u></shad>");
    driver_->SavePng("main_window_head_to_head_1280x800.png");
    driver_->Click("lb_conf3");
    EXPECT_EQ(opened.back(), "TForm15");
    EXPECT_EQ(MainWindowSelections().head_to_head_clubs[0], club);
    EXPECT_EQ(MainWindowSelections().head_to_head_clubs[1], opponent);
    driver_->Click("lb_conft2");
    EXPECT_EQ(opened.back(), opponent < data.game_state.league_club_count ? "TForm55" : "TForm15");
    Grid().SelectCell(1, 1);
    EXPECT_TRUE(driver_->Get("pinfo_panel").Visible());
    EXPECT_FALSE(driver_->Get("p_conf").Visible());

    const Control& referee = driver_->Get("icon_arbitro");
    const int r = TurnReferee(data, club, window->turn().human_turn);
    EXPECT_EQ(referee.tag, r);
    EXPECT_EQ(referee.hint, RefereeHint(data, r));
    if (r > 0) {
        driver_->Click("icon_arbitro");
        EXPECT_EQ(opened.back(), "TForm80");
        EXPECT_EQ(MainWindowSelections().viewed_referee, r);
    }

    std::vector<std::string> spawned;
    g_spawn_for_tests = [&](const std::vector<std::string>& argv) {
        spawned.push_back(argv.back());
        return true;
    };
    driver_->Click("Label23");
    g_spawn_for_tests = nullptr;
    EXPECT_EQ(spawned, std::vector<std::string>{kWebSiteAddress});
    EXPECT_EQ(Markup("Label23"), "<shad>Korvanel 2014 - www.korvanel.example</shad>");

    // Odd rows banded, even rows white, the selection left to the grid.
    TReportGrid& grid = Grid();
    data.game_state.list_colours_on = 0;
    auto colour_of = [&grid](int row, TCellState state) {
        TColor colour = clFuchsia, grid_colour = clFuchsia;
        grid.on_cell_coloring(4, row, colour, grid_colour, state);
        return colour;
    };
    EXPECT_EQ(colour_of(1, {}), static_cast<TColor>(0x00ECFFFF));
    EXPECT_EQ(colour_of(2, {}), clWhite);
    EXPECT_EQ(colour_of(1, TCellState{csSelected}), clFuchsia);
    data.game_state.list_colours_on = 1;
    const int keeper_row = 0;  // goalkeepers first
    data.game_state.list_colours[0] = 0x123456;
    EXPECT_EQ(colour_of(keeper_row, {}), static_cast<TColor>(0x123456));

    // The shirt, availability and morale columns draw pictures of their lists.
    for (const char* name : {"status", "condicao", "moral"}) {
        auto* column = dynamic_cast<TGrImageColumn*>(grid.Columns().ColumnByName(name));
        ASSERT_NE(column, nullptr) << name;
        ASSERT_NE(column->Images, nullptr) << name;
        EXPECT_GT(column->Images->Count(), 10) << name;
    }
    // The visible columns fill the grid but for its scroll bar, and the header is drawn in
    // the cells' font.
    int widths = 0;
    for (int c = 0; c < grid.Columns().Count(); ++c)
        if (grid.Columns().GetItem(c).Visible()) widths += grid.Columns().GetItem(c).Width();
    EXPECT_GE(widths, grid.ClientWidth() - 24);
    EXPECT_LE(widths, grid.ClientWidth());
    EXPECT_EQ(grid.Columns().ColumnByName("nome")->GetFont().size, grid.font().size);
    ExpectShownWhole(grid, {"nome", "habilidades"});
    EXPECT_FALSE(driver_->Get<Image>("escudo").GetPicture().empty());
    EXPECT_FALSE(driver_->Get<Image>("esc1").GetPicture().empty());
    EXPECT_TRUE(driver_->Get("Image1").Visible());
    driver_->SavePng("main_window_pictures_1280x800.png");
    EXPECT_EQ(Menu("PopupMenu3").items.Find("AdicionarRemover1")->caption,
              "Adicionar/Remover técnicos");
    // "Sair do jogo" ends the program at once, saving nothing.
    Menu("PopupMenu2").on_popup();
    MenuItem& quit = *Menu("PopupMenu2").items.Find("Sairdojogo1");
    EXPECT_TRUE(quit.enabled);
    quit.on_click();
    EXPECT_TRUE(Screen::Get().Terminated());
    SetGameFolder("");
    flag_pictures().clear();
    window->Release();
    driver_->Pump();
}

// Autosave on every main window: a game never saved asks for its name as the window opens;
// "Escalar Time" then saves under that name without asking again.
TEST_F(MainWindowTest, AutosaveAsksForTheNameOfAGameNeverSaved) {
    NewGame(1);
    test::SavesFolder folder;
    GameData& data = Game();
    data.opening_main_window = 0;
    data.game_state.autosave_mode = 2;
    data.game_state.save_name.set("");
    Open(1024, 768);
    int saves = 0;
    MainWindowOpener("SaveGame") = [&saves] {
        ++saves;
        ShowSaveGameWindow();
    };
    driver_->Then([this] {
        EXPECT_NE(Screen::Get().FindForm("Form40"), nullptr);
        driver_->Type("Turno");
        driver_->Click("bt1");
    });
    TForm13* window = ShowMainWindow();
    ASSERT_NE(window, nullptr);
    driver_->Pump();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(data.game_state.save_name.str(), "Turno.s14");
    EXPECT_TRUE(std::filesystem::exists(folder.sav("Turno.s14")));
    MainWindowOpener("TForm87") = [] {};  // the line-up window stays shut
    driver_->Click("btjogar");
    driver_->Pump();
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(Screen::Get().FindForm("Form40"), nullptr);
    EXPECT_EQ(data.autosave_turn_counter, 0);
    MainWindowOpener("SaveGame") = nullptr;
    window->Release();
    driver_->Pump();
}

}  // namespace
}  // namespace kv
