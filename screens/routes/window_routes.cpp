#include "screens/routes/window_routes.h"

#include "game/game_windows.h"
#include "screens/career/best_ratings_window.h"
#include "screens/career/club_fixtures_window.h"
#include "screens/career/club_ranking_window.h"
#include "screens/career/club_record_window.h"
#include "screens/career/coach_ranking_window.h"
#include "screens/career/head_to_head_window.h"
#include "screens/career/player_history_window.h"
#include "screens/career/roll_of_honour_window.h"
#include "screens/career/top_scorers_window.h"
#include "screens/club/lineup_window.h"
#include "screens/main/about_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/options_window.h"
#include "screens/main/save_game_window.h"
#include "screens/newgame/new_game_flow.h"

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
    // "Escalar Time": the line-up window; its "Jogar >>" ends the coach's turn.
    MainWindowOpener("TForm87") = [] {
        const int opponent = MainWindow() ? MainWindow()->lineup_opponent() : -1;
        if (ShowLineupWindow(false, opponent)) MainWindowPlay();
    };
    MainWindowOpener("TForm20") = [] { ShowTopScorersWindow(); };
    MainWindowOpener("TForm55") = [] { ShowClubRecordWindow(); };
    MainWindowOpener("TForm16") = [] { ShowPlayerHistoryWindow(); };
    MainWindowOpener("TForm15") = [] { ShowHeadToHeadWindow(); };
    MainWindowOpener("TForm29") = [] { ShowRollOfHonourWindow(); };
    MainWindowOpener("TForm71") = [] { ShowClubRankingWindow(); };
    MainWindowOpener("TForm18") = [] { ShowClubFixturesWindow(); };
    MainWindowOpener("TForm47") = [] { ShowCoachRankingWindow(); };
    MainWindowOpener("TForm19") = [] { ShowCoachTrophyGallery(); };
    MainWindowOpener("TForm83") = [] { ShowBestRatingsWindow(); };
}

}  // namespace kv
