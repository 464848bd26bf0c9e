#pragma once
// The player search over every club of the game; a double click on a player opens the team
// view of his club, over the search.

#include <functional>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/player_search.h"

namespace kv {

extern const WindowLayout kForm27Layout;

class ImageList;

// The marks of the search lists' picture columns: 1 a star, 2 on sale, 3 not on sale (0 draws
// nothing).
ImageList& SearchMarks();

// Opens the team view of a club (a team index) over the search. Unset, a double click only
// chooses the club.
std::function<void(int team)>& PlayerSearchTeamView();

class TForm27 : public Form {
  public:
    TForm27();

    void button2Click();  // "Procurar"
    void gfindDblClick();
    // The criteria as the controls hold them.
    PlayerSearchCriteria Criteria();

  private:
    bool value_ascending_ = false;
};

void ShowPlayerSearchWindow();

}  // namespace kv
