#pragma once
// The national-team invitation: the national teams that invite a human coach to lead them in
// the coming tournament; he takes one or declines them all (the offer comes again at the next
// qualifying round).

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm76Layout;

class TForm76 : public Form {
  public:
    // kind: 7, 8 or 9; tier: 1 or 2; coach: the coach invited.
    TForm76(int kind, int tier, int coach);
    int chosen() const { return chosen_; }

  private:
    int tier_;
    int coach_;
    int chosen_ = 0;  // 1..8, 0 before a choice
};

// Shows the invitation modally; a list with nothing to take does not open at all. Returns
// whether a national team was taken.
bool ShowNationalTeamInvitation(int kind, int tier, int coach);

}  // namespace kv
