#include "screens/routes/window_routes.h"

#include "game/game_windows.h"
#include "match/computer_lineups.h"
#include "screens/club/contract_windows.h"
#include "screens/club/lineup_window.h"
#include "screens/club/retirement_window.h"
#include "screens/club/sale_windows.h"
#include "screens/club/team_view_window.h"
#include "screens/main/about_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/options_window.h"
#include "screens/main/save_game_window.h"
#include "screens/match/match_day_window.h"
#include "screens/newgame/new_game_flow.h"

namespace kv {
namespace {

// The main window and the match day are the screens built so far; the national-team hub and
// the season review come later, and until then a game that starts on them stays where it is.
void ContinueWith(NextScreen next) {
    if (next == NextScreen::kMainWindow) ShowMainWindow();
    if (next == NextScreen::kMatchDay) ShowMatchDayWindow();
    if (next == NextScreen::kAuction) ShowRoundCloseAuctions(1);
}

// After a match day closed without the round results window, the game goes on as it goes on
// without windows: a national-team day plays its line-ups at once.
void AfterMatchDay(NextScreen next) {
    if (next == NextScreen::kNationalTeamHub) {
        PrepareComputerLineups();
        next = NextScreen::kMatchDay;
    }
    ContinueWith(next);
}

}  // namespace

void ConnectGameWindows() {
    RegisterNewGameWindows();
    RegisterLoadGameWindow();
    NewGameHandOver() = ContinueWith;
    LoadedGameContinues() = ContinueWith;
    MainWindowOpener("SaveGame") = [] { ShowSaveGameWindow(); };
    MainWindowOpener("TForm32") = [] { ShowOptionsWindow(); };
    MainWindowOpener("TForm45") = [] { ShowAboutWindow(); };
    // "Escalar Time": the line-up window; its "Jogar >>" ends the coach's turn.
    MainWindowOpener("TForm87") = [] {
        const int opponent = MainWindow() ? MainWindow()->lineup_opponent() : -1;
        if (ShowLineupWindow(false, opponent)) MainWindowPlay();
    };
    MainWindowNextScreen() = ContinueWith;
    MatchDayNextScreen() = AfterMatchDay;
    // The team view, on the club the main window's command chose.
    MainWindowOpener("TForm14") = [] { ShowTeamView(MainWindowSelections().viewed_team); };
    // The chosen squad row's contract and retirement; the squad list follows the change.
    MainWindowOpener("TForm24") = [] {
        if (TForm13* main = MainWindow(); main && ShowContractWindow(main->SelectedPlayer()))
            main->RefreshSquadGrid();
    };
    MainWindowOpener("TForm44") = [] {
        if (TForm13* main = MainWindow()) {
            ShowSaleWindow(main->SelectedPlayer());
            main->RefreshSquadGrid();
        }
    };
    MainWindowOpener("TForm48") = [] {
        if (TForm13* main = MainWindow(); main && ShowRetirementWindow(main->SelectedPlayer()) >= 0)
            main->RefreshSquadGrid();
    };
}

}  // namespace kv
