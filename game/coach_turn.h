#pragma once
// A human coach's turn before a match day: which club's turn it is, the hand-over to the next
// coach whose club plays today or to the match day, the autosave rule, the updates at the
// start of each turn (listed players sold, morale, contract notices) and the
// events between rounds (an offer, a loan request, a death, a national-team invitation).

#include <array>

#include "game/game_windows.h"

namespace kv {

class GameData;

// Whether the club has a match today in the competition kind. On a league day that is a
// fixture of its own today: a club with a bye gets no turn.
bool HumanClubPlaysToday(const GameData& data, int kind, int club);

struct CoachTurn {
    int human_turn = 1;  // slots of human_clubs taken this match day
    bool autosave = false;  // the opening asks for a save (SaveGame)
    // The opening spared the turn its updates, so its events are spared too (a new or loaded
    // game): decided once at the opening, whenever the events then run.
    bool skip_updates = false;
};

// The main window opens. False when no human club plays today after all (the caller then
// starts the match day). `skip_updates` spares the first turn the updates and events (a new
// or loaded game).
bool OpenMainWindow(GameData& data, CoachTurn& turn, GameWindows& windows, bool skip_updates);
// The same opening without the events between rounds, for a window that runs them once it is
// on screen (RunRoundEvents with the turn's `skip_updates`).
bool OpenMainWindowTurn(GameData& data, CoachTurn& turn, bool skip_updates);

// The line-up window's match button: the next human club that plays today gets the turn
// (false), or, every turn taken, the round is prepared for the match day (true).
bool NextHumanTurnOrPlay(GameData& data, CoachTurn& turn, GameWindows& windows);

// The counter of main windows opened since the last save, by the autosave mode.
bool AutosaveDue(GameData& data);

// The turn refresh of the user club.
void RefreshTurn(GameData& data, bool skip_updates);

// Turn-start updates of the user club.
void SellListedPlayers(GameData& data);
// Whether a listed player asked `asking` (whole units) over a value `value` sells on a draw r
// of 100.
bool ListedPlayerSells(long long asking, long long value, int r);
// Returns the squad's counts of morale 1, 2 and 3.
std::array<int, 3> UpdatePlayerMorale(GameData& data);
void UpdateTeamMorale(GameData& data, const std::array<int, 3>& counts);
// The team morale the squad's counts give, before defeats and recovery.
int TeamMoraleOf(const std::array<int, 3>& counts);

// The events between rounds of the user club; then the first-turn flag is cleared.
void RunRoundEvents(GameData& data, GameWindows& windows, bool skip_updates);
void PlayerOfferEvent(GameData& data, GameWindows& windows);
void LoanRequestEvent(GameData& data, GameWindows& windows);
void PlayerDeathEvent(GameData& data, GameWindows& windows);
void NationalTeamInvitations(GameData& data, GameWindows& windows);
// The division a loan request comes from, -1 for none (tested with its draws).
int LoanRequestDivision(int user_division, int division_count, int state_division, int strength);

}  // namespace kv
