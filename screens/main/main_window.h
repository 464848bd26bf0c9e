#pragma once
// The main window: the screen a human coach spends his turn on before a match of his club.
// One window serves every human coach whose club plays today, one after the other; the last
// one's match button hands over to the match day.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "game/coach_turn.h"
#include "game/game_windows.h"
#include "game/headless_game.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "ui/grid/grid_types.h"

namespace kv {

extern const WindowLayout kForm13Layout;

class ImageList;
class PopupMenu;
class TReportGrid;

// The windows the main window opens that other files build: each sets its opener here, by the
// form name of the window it opens ("TForm87" line-up, "TForm32" options, "TForm45" about,
// "TForm65" resignation question, "TForm36" tables, ...; "SaveGame" saves, asking for a name
// when the game was never saved). A menu entry or key whose opener is not set does nothing
// and its menu entry is shown disabled.
std::function<void()>& MainWindowOpener(std::string_view window);

// What comes after the last human turn of the day (the round is already prepared): the
// match-day window sets this; unset, nothing opens.
std::function<void(NextScreen)>& MainWindowNextScreen();

// The small windows the turn's events ask for (offers, loan requests, invitations...). Unset,
// each is answered no; the dismissal is always shown by the dismissal screen.
std::function<bool(const WindowRequest&)>& MainWindowEventWindow();

// The small windows a turn, a round close or a season start asks for, answered through
// MainWindowEventWindow, or declined while it is unset.
class EventHookWindows : public GameWindows {
  public:
    bool Show(const WindowRequest& request) override;

  private:
    AutomaticWindows declined_;
};

// The resignation question ("Se demitir"): true when the coach confirms. Unset, the entry is
// disabled.
std::function<bool()>& MainWindowResignationQuestion();

// What the main window's commands chose for the windows they open (read at their creation).
struct MainWindowSelection {
    int viewed_team = -1;         // the team view
    int career_subject = -1;      // the player history or the coach ranking
    int career_subject_kind = 1;  // 1 player, 2 coach
    int fixtures_team = -1;       // a club's season matches
    int head_to_head_clubs[2] = {-1, -1};
    int history_club = -1;     // the club record
    int viewed_referee = 0;    // the referee card, 1-based
    int cup_bracket_kind = 2;  // 2 national cup, 6 South American second cup
    int second_phase_kind = 4;
    int transfer_list_mode = 1;  // 1 player transfers, 2 coach appointments
    int best_eleven_mode = 0;    // 0 round, 1 year
    int retiring_player = -1;
    int shirt_number_player = -1;
    int trophy_club = -1;  // the trophy cabinet
};
MainWindowSelection& MainWindowSelections();

class TForm13 : public Form {
  public:
    TForm13();

    // Today's opponent of the club whose turn it is, -1 when it has no match today.
    int lineup_opponent() const { return lineup_opponent_; }
    const CoachTurn& turn() const { return turn_; }

    // The window given to the coach whose turn the opening chose.
    void StartTurn(const CoachTurn& turn);
    // Gives the window to the next human club that plays today, or starts the match day.
    void NextHumanTurnOrPlay();
    // The squad grid again from the game (after a window changed the squad).
    void RefreshSquadGrid();
    // After a new contract for the player: the squad again with his row chosen, and neither a
    // sale nor a second contract from the panel until the coach chooses a row again.
    void ContractSigned(int player);
    // After a retirement: the squad again with the successor's row chosen and "aposentar" off.
    void PlayerRetired(int successor);
    // The club panel again (after the club colours changed).
    void RefreshClubPanel();
    // The count of the club's unread messages again (after the inbox closed).
    void RefreshUnreadNews();
    // A row's player shown unavailable: the availability picture `code` (+ 4 for a star).
    void MarkUnavailable(int row, int code, bool star);
    // The player's goals and games this season as the grid counted them at its last refill.
    int GetPlayerGoals(int player) const;
    int GetPlayerGames(int player) const;
    // The selected row's player, -1 when none.
    int SelectedPlayer();

    // Commands of the squad grid's pop-up menu, by the rules of their entries.
    void PopupMenu1Popup();
    void UpdatePlayerButtons();
    void BtjogarClick();
    void Resign();
    // A click on a header of the squad grid: the position column puts the standard order
    // back, salary and price sort by their amounts, the others sort by their cells, each click
    // on the same column turning the order round.
    void HeaderClick(std::string_view column);

    // The head-to-head panel in the player panel's place ("Histórico confrontos").
    void ShowHeadToHead();
    // The events between rounds of the turn, once the window is on screen.
    void RunRoundEvents();
    bool RoundEventsPending() const { return round_events_pending_; }
    // The club the window shows, -1 before the first turn.
    int ShownClub() const { return shown_club_; }
    void RefreshTurn();

    // The screen point where a menu of the tool bar opens ("PopupMenu2" ...).
    Point MenuPoint(std::string_view menu);

  private:
    void ShowNextMatch();
    void ShowPlayerInfo(int player);
    void BuildMenus();
    void BarraMouseDown(int x, int y);
    void BarraMouseMove(int x, int y);
    void KeyPressed(int& key, ShiftState shift);
    void SetMarkup(std::string_view name, const std::string& text);
    void Open(std::string_view window);
    void RefreshMoney();
    void SetupGridColumns();
    void FitGridColumns();
    void PlacePictures();
    void LinkClicks();
    void CellColoring(int col, int row, TColor& color, TCellState state);
    void CellFormating(int col, int row, TColor& text_color, TCellState state);
    int RowPlayer(int row);
    void SelectPlayerRow(int player);

    CoachTurn turn_;
    int lineup_opponent_ = -1;
    bool round_events_pending_ = false;
    bool skip_updates_ = false;
    int shown_club_ = -1;
    std::map<int, int> goals_, games_;
    std::string sorted_column_;
    bool sorted_ascending_ = false;
};

// The game's web address, shown and opened by the footer's link.
std::string MainWindowWebAddress();

// Opens the main window on the current game, not modally: the first human club that plays
// today gets the turn. When none does, the round is prepared and the match day comes next.
// Null in that case.
TForm13* ShowMainWindow();

// The main window on screen, or null.
TForm13* MainWindow();

// The line-up window's match button: the turn of the club whose turn it is ends.
void MainWindowPlay();

}  // namespace kv
