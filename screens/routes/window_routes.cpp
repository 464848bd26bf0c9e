#include "screens/routes/window_routes.h"

#include "core/game_data.h"
#include "core/types.h"
#include "editor/loading_window.h"
#include "game/game_windows.h"
#include "match/computer_lineups.h"
#include "screens/career/best_ratings_window.h"
#include "screens/career/club_fixtures_window.h"
#include "screens/career/club_ranking_window.h"
#include "screens/career/club_record_window.h"
#include "screens/career/coach_ranking_window.h"
#include "screens/career/head_to_head_window.h"
#include "screens/career/human_coaches_window.h"
#include "screens/career/inbox_window.h"
#include "screens/career/player_history_window.h"
#include "screens/career/roll_of_honour_window.h"
#include "screens/career/top_scorers_window.h"
#include "screens/career/trophy_cabinet_window.h"
#include "screens/club/bank_loan_window.h"
#include "screens/club/club_colours_window.h"
#include "screens/club/contract_windows.h"
#include "screens/club/finances_window.h"
#include "screens/club/friendlies_window.h"
#include "screens/club/lineup_window.h"
#include "screens/club/player_search_window.h"
#include "screens/club/referee_card_window.h"
#include "screens/club/retirement_window.h"
#include "screens/club/sale_windows.h"
#include "screens/club/shirt_number_window.h"
#include "screens/club/stadium_window.h"
#include "screens/club/team_view_window.h"
#include "screens/club/transfer_list_window.h"
#include "screens/main/about_window.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/competition_window_parts.h"
#include "screens/main/cup_bracket_window.h"
#include "screens/main/fixtures_window.h"
#include "screens/main/load_game_window.h"
#include "screens/main/main_window.h"
#include "screens/main/national_hub_window.h"
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

// The screen that comes next: the main window, the national-team hub, the match day, ...
void ContinueWith(NextScreen next) {
    if (next == NextScreen::kMainWindow) ShowMainWindow();
    if (next == NextScreen::kNationalTeamHub) ShowNationalHub();
    if (next == NextScreen::kMatchDay) ShowMatchDayWindow();
    if (next == NextScreen::kSeasonReview) ShowSeasonReviewWindow();
    if (next == NextScreen::kAuction) ShowRoundCloseAuctions(Game().auction_count);
}

void AfterRoundClose(NextScreen next) {
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
    // The list colours changed in the options: the main window's squad list shows them at once.
    RefreshSquadListHook() = [] {
        if (TForm13* window = MainWindow()) window->RefreshSquadGrid();
    };
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
    MainWindowOpener("TForm22") = [] { ShowFinancesWindow(); };
    MainWindowOpener("TForm28") = [] { ShowBankLoanWindow(); };
    MainWindowOpener("TForm8") = [] { ShowStadiumWindow(); };
    MainWindowOpener("TForm27") = [] { ShowPlayerSearchWindow(); };
    // The search's double click opens the team view of the player's club.
    PlayerSearchTeamView() = [](int team) { ShowTeamView(team); };
    // The main window's two list entries share the window and say which list they want.
    MainWindowOpener("TForm58") = [] {
        ShowTransferListWindow(MainWindowSelections().transfer_list_mode == 2
                                   ? TransferListMode::kCoachAppointments
                                   : TransferListMode::kAllTransfers);
    };
    // The team view, on the club the main window's command chose.
    MainWindowOpener("TForm14") = [] { ShowTeamView(MainWindowSelections().viewed_team); };
    // The chosen squad row's contract and retirement; the squad list follows the change.
    MainWindowOpener("TForm24") = [] {
        TForm13* main = MainWindow();
        const int player = main ? main->SelectedPlayer() : -1;
        if (main && ShowContractWindow(player)) main->ContractSigned(player);
    };
    MainWindowOpener("TForm44") = [] {
        if (TForm13* main = MainWindow()) {
            ShowSaleWindow(main->SelectedPlayer());
            main->RefreshSquadGrid();
        }
    };
    MainWindowOpener("TForm48") = [] {
        TForm13* main = MainWindow();
        const int successor = main ? ShowRetirementWindow(main->SelectedPlayer()) : -1;
        if (main && successor >= 0) main->PlayerRetired(successor);
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
    PlayerHistoryMatchView() = [](int archived_match) { ShowMatchView(archived_match); };
    ClubFixturesMatchView() = [](int archived_match) { ShowMatchView(archived_match); };
    // The hub's "Escalar Time": the line-up window on the national team.
    NationalHubLineup() = [](int opponent) { return ShowLineupWindow(true, opponent); };
    MainWindowOpener("TForm74") = [] { ShowTrophyCabinet(MainWindowSelections().trophy_club); };
}

}  // namespace kv
