#pragma once
// The national-team hub: on the match days of a national-team tournament it takes the main
// window's place. Each human-led national team still in the tournament gets a turn in it (its
// squad, the group and the next match, the line-up, the tournament board); the last one's
// line-up starts the match day.

#include <functional>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm75Layout;

// The line-up window in national-team mode against today's opponent; true when its match
// button ended the turn. Unset, the national team plays the computer's line-up.
std::function<bool(int opponent)>& NationalHubLineup();

class TForm75 : public Form {
  public:
    TForm75();

    // The first national team's turn; false when no human-led national team plays today.
    bool StartTurns();
    // The hub again for the national team whose turn it is: its coach becomes the current
    // coach, its squad, the header and today's opponent.
    void Refresh();
    // "Escalar Time".
    void BtjogarClick();
    // The next national team's turn, or the match day when every turn is taken.
    void NextHumanTurnOrPlay();
    // "Tabela jogos".
    void OpenBoard();
    int opponent() const { return opponent_; }

  private:
    void FillSquadGrid(int team);
    void FillHeader(int team);
    // Spreads the `spare` pixels a wide screen leaves beside the scaled design.
    void SpreadOverWideScreen(int spare);
    void KeyPressed(int& key, ShiftState shift);
    // From `slot` on, the first national team that plays today gets the turn; 0 for none.
    int TakeTurnFrom(int slot);

    int slot_ = 0;
    int opponent_ = -1;
};

// Opens the hub for the day, not modally; with no human-led national team playing today the
// computer's line-ups are prepared and the match day comes at once (null then).
TForm75* ShowNationalHub();
// The hub on screen, or null.
TForm75* NationalHub();

}  // namespace kv
