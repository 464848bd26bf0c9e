#include "screens/routes/window_routes.h"

#include "core/types.h"
#include "editor/loading_window.h"
#include "game/game_windows.h"
#include "match/computer_lineups.h"
#include "screens/career/human_coaches_window.h"
#include "screens/career/inbox_window.h"
#include "screens/club/club_colours_window.h"
#include "screens/club/friendlies_window.h"
#include "screens/club/referee_card_window.h"
#include "screens/club/lineup_window.h"
#include "screens/club/shirt_number_window.h"
#include "screens/main/about_window.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/competition_window_parts.h"
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
#include "screens/match/match_day_window.h"
#include "screens/match/match_view_window.h"
#include "screens/newgame/new_game_flow.h"
#include "screens/routes/game_event_windows.h"

namespace kv {
namespace {

// The national-team hub comes later; until then a game that starts on it stays where it is.
void ContinueWith(NextScreen next) {
    if (next == NextScreen::kMainWindow) ShowMainWindow();
    if (next == NextScreen::kMatchDay) ShowMatchDayWindow();
    if (next == NextScreen::kSeasonReview) ShowSeasonReviewWindow();
}

// After the round closes, screens that have no window yet go on as they go on without
// windows: an auction bids nothing, a national-team day plays its line-ups at once.
void AfterRoundClose(NextScreen next) {
    if (next == NextScreen::kAuction) next = NextScreen::kMainWindow;
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
    MainWindowOpener("TForm36") = [] { ShowTablesWindow(); };
    MainWindowOpener("TForm63") = [] { ShowFixturesWindow(); };
    // The menu entries that share a window set which competition or mode it shows.
    MainWindowOpener("TForm35") = [] {
        ShowCupBracketWindow(MainWindowSelections().cup_bracket_kind);
    };
    MainWindowOpener("TForm69") = [] {
        ShowSecondPhaseWindow(MainWindowSelections().second_phase_kind);
    };
    MainWindowOpener("TForm70") = [] { ShowBestElevenWindow(MainWindowSelections().best_eleven_mode); };
    MatchViewOpener() = [](int archived_match, int side) { ShowMatchView(archived_match, side); };
    MatchDayHandOver() = [] { ShowRoundResultsWindow(); };
    RoundResultsNextScreen() = AfterRoundClose;
    SeasonReviewNextScreen() = AfterRoundClose;
    // "Escalar Time": the line-up window; its "Jogar >>" ends the coach's turn.
    MainWindowOpener("TForm87") = [] {
        const int opponent = MainWindow() ? MainWindow()->lineup_opponent() : -1;
        if (ShowLineupWindow(false, opponent)) MainWindowPlay();
    };
    MainWindowNextScreen() = ContinueWith;
    MatchDayNextScreen() = AfterRoundClose;
    RegisterEditorWindows();
    MainWindowEventWindow() = ShowGameEventWindow;
    MainWindowOpener("TForm50") = [] { ShowHumanCoachesWindow(); };
    MainWindowResignationQuestion() = AskResignation;
    MainWindowOpener("TForm62") = [] { ShowInboxWindow(); };
    MainWindowOpener("TForm86") = [] { ShowClubColoursWindow(); };
    MainWindowOpener("TForm80") = [] { ShowRefereeCard(MainWindowSelections().viewed_referee); };
    MainWindowOpener("TForm81") = [] { ShowFriendlyBookingWindow(false); };
    MainWindowOpener("TForm82") = [] {
        if (TForm13* main = MainWindow()) ShowShirtNumberWindow(main->SelectedPlayer());
    };
}

}  // namespace kv
