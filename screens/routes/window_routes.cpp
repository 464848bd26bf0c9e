#include "screens/routes/window_routes.h"

#include "game/game_windows.h"
#include "screens/career/human_coaches_window.h"
#include "screens/career/inbox_window.h"
#include "screens/club/club_colours_window.h"
#include "screens/club/friendlies_window.h"
#include "screens/club/shirt_number_window.h"
#include "screens/main/about_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/options_window.h"
#include "screens/main/save_game_window.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/routes/game_event_windows.h"

namespace kv {
namespace {

// The main window is the only first screen built so far; the match day and the national-team
// hub come later, and until then a game that starts on them stays where it is.
void ContinueWith(NextScreen next) {
    if (next == NextScreen::kMainWindow) ShowMainWindow();
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
    MainWindowEventWindow() = ShowGameEventWindow;
    MainWindowOpener("TForm50") = [] { ShowHumanCoachesWindow(); };
    MainWindowResignationQuestion() = AskResignation;
    MainWindowOpener("TForm62") = [] { ShowInboxWindow(); };
    MainWindowOpener("TForm86") = [] { ShowClubColoursWindow(); };
    MainWindowOpener("TForm81") = [] { ShowFriendlyBookingWindow(false); };
    MainWindowOpener("TForm82") = [] {
        if (TForm13* main = MainWindow()) ShowShirtNumberWindow(main->SelectedPlayer());
    };
}

}  // namespace kv
