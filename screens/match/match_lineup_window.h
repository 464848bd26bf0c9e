#pragma once
// The in-match line-up window: one match of the match day with its score, time, events and
// statistics, and one team's eleven on the pitch with its bench. The coach of a human team
// moves players, swaps them, brings on substitutes and changes the tactics.

#include <functional>
#include <string>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "screens/match/pitch_lineup.h"
#include "ui/markup/picture_container.h"

namespace kv {

extern const WindowLayout kForm88Layout;

class TForm88 : public Form {
  public:
    // On day match `match`, showing side `side` (1 home, 2 away) first.
    TForm88(int match, int side);

    int shown_side() const { return side_; }
    void ShowTeam(int side);
    // Place n of the eleven (1..11) and bench place b (1..7): the bench player comes on for the
    // player of that slot. Refused with the dialog's text when no substitution is left.
    bool Substitute(int slot, int bench_place);
    // Two slots of the eleven change players; each slot keeps its position code.
    void SwapSlots(int a, int b);
    // The player of a slot (1..10; not the goalkeeper's) moves to another position code.
    void MoveSlot(int slot, int code);
    void ShowEvents();

  private:
    bool HumanShown() const;
    int Strength() const;
    void RefreshTeamTexts();
    void Dropped(Control& source, Control& target, int x, int y);
    Picture ShirtOf(int side) const;
    // The kit a side wears here: a human coach's choice; a computer away team's second or
    // third when its colours clash with the home team's, else its first.
    int ShownKit(int side) const;

    int match_;
    int side_;
    PitchLineup pitch_;
    TGDIPPictureContainer icons_;
};

// Told of every substitution the window makes (the match-day window shows it in its row).
std::function<void(int event)>& MatchLineupEventShown();

}  // namespace kv
