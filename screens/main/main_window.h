#pragma once
// The main window: the screen a human coach spends his turn on before a match of his club.
// One window serves every human coach whose club plays today, one after the other; the last
// one's match button hands over to the match day.

#include <functional>
#include <string>
#include <string_view>

#include "game/coach_turn.h"
#include "game/game_windows.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm13Layout;

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

// The resignation question ("Se demitir"): true when the coach confirms. Unset, the entry is
// disabled.
std::function<bool()>& MainWindowResignationQuestion();

// What the main window's commands chose for the windows they open (read at their creation).
struct MainWindowSelection {
    int viewed_team = -1;         // the team view
    int career_subject = -1;      // the player history or the coach ranking
    int career_subject_kind = 1;  // 1 player, 2 coach
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
    // The club panel again (after the club colours changed).
    void RefreshClubPanel();
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

  private:
    void RefreshTurn();
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

    CoachTurn turn_;
    int lineup_opponent_ = -1;
    bool round_events_pending_ = false;
    bool skip_updates_ = false;
    std::string sorted_column_;
    bool sorted_ascending_ = false;
};

// Opens the main window on the current game, not modally: the first human club that plays
// today gets the turn. When none does, the round is prepared and the match day comes next.
// Null in that case.
TForm13* ShowMainWindow();

// The main window on screen, or null.
TForm13* MainWindow();

// The line-up window's match button: the turn of the club whose turn it is ends.
void MainWindowPlay();

}  // namespace kv
