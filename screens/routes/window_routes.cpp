#include "screens/routes/window_routes.h"

#include "core/types.h"
#include "game/game_windows.h"
#include "screens/club/lineup_window.h"
#include "screens/main/about_window.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/cup_bracket_window.h"
#include "screens/main/fixtures_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/options_window.h"
#include "screens/main/round_results_window.h"
#include "screens/main/save_game_window.h"
#include "screens/main/season_review_window.h"
#include "screens/main/second_phase_window.h"
#include "screens/main/tables_window.h"
#include "screens/newgame/new_game_flow.h"

namespace kv {
namespace {

// The main window is the only first screen built so far; the match day and the national-team
// hub come later, and until then a game that starts on them stays where it is.
void ContinueWith(NextScreen next) {
    if (next == NextScreen::kMainWindow) ShowMainWindow();
    if (next == NextScreen::kSeasonReview) ShowSeasonReviewWindow();
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
    MainWindowOpener("TForm36") = [] { ShowTablesWindow(); };
    MainWindowOpener("TForm63") = [] { ShowFixturesWindow(); };
    MainWindowOpener("TForm35") = [] { ShowCupBracketWindow(ckNationalCup); };
    MainWindowOpener("TForm69") = [] { ShowSecondPhaseWindow(ckContinentalCup); };
    MainWindowOpener("TForm70") = [] { ShowBestElevenWindow(0); };
    RoundResultsNextScreen() = ContinueWith;
    SeasonReviewNextScreen() = ContinueWith;
    // "Escalar Time": the line-up window; its "Jogar >>" ends the coach's turn.
    MainWindowOpener("TForm87") = [] {
        const int opponent = MainWindow() ? MainWindow()->lineup_opponent() : -1;
        if (ShowLineupWindow(false, opponent)) MainWindowPlay();
    };
}

}  // namespace kv
