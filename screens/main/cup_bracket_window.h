#pragma once
// A 32-club knock-out of two-legged ties as a bracket read from the fixture list: the national
// cup of a league (with the home country's preliminary phase as a second view) or the South
// American second continental cup.

#include <memory>
#include <vector>

#include "game/competition_screens.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm35Layout;

class CrestImages;

class TForm35 : public Form {
  public:
    // kind 2 the national cup, 6 the South American second cup.
    explicit TForm35(int cup_bracket_kind);
    ~TForm35() override;

    bool preliminary() const { return preliminary_; }
    int league() const { return league_; }
    // Slot 1..31 of the main bracket (1..32 in the preliminary view).
    BracketTie Slot(int slot) const;
    // The clubs listed down the first column when the cup starts with the round of 16.
    const std::vector<int>& entrants() const { return entrants_; }
    int champion() const { return champion_; }

    void FillBracket(int league);
    void TogglePhase();

  private:
    void PaintBoard(Canvas& canvas);

    int kind_ = 2;
    int league_ = 0;
    bool preliminary_ = false;
    std::vector<BracketTie> slots_;   // by slot - 1
    std::vector<BracketTie> phase1_;  // beside the preliminary ties
    std::vector<int> entrants_;
    int champion_ = -1;
    std::unique_ptr<CrestImages> crests_;
};

void ShowCupBracketWindow(int cup_bracket_kind);

}  // namespace kv
