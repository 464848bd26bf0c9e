#pragma once
// The national-team tournament board: one group's table and six matches (with a selector for
// the group) and the knock-out rounds to the final and the third-place match, with every
// match's venue and, once played, its score; a click on a score opens the match view.

#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm78Layout;

class TForm78 : public Form {
  public:
    TForm78();
    // The group 1..8 (A..H) in the group part.
    void ShowGroup(int group);
    int shown_group() const { return group_; }
    // A click on a score label: the match view of a played match.
    void ScoreClick(Control& score);

  private:
    // The number, flags, team names, score and venue of knock-out slot s.
    std::vector<Control*> SlotControls(int s);
    void BuildGroupTable();
    void FillKnockout();

    int group_ = 1;
};

// Shows the board of the tournament being played modally.
void ShowNationalBoard();

}  // namespace kv
