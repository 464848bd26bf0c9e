#pragma once
// The knock-out phase of the continental club cups (round of 16 to the final) as a bracket read
// from the fixture list.

#include <vector>

#include "game/competition_screens.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm69Layout;

class TForm69 : public Form {
  public:
    // kind 4 opens on the first continental cup, any other on the South American second cup.
    explicit TForm69(int second_phase_kind);

    // Slot 1..15; an empty tie when the slot is not filled.
    BracketTie Slot(int slot) const;
    int champion() const { return champion_; }

    void FillBracket(int kind, int region);

  private:
    std::vector<BracketTie> ties_;
    int champion_ = -1;
};

void ShowSecondPhaseWindow(int second_phase_kind);

}  // namespace kv
