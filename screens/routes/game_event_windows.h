#pragma once
// The windows that answer the rules' requests during a coach's turn, a round close and a
// season change. A request no window answers yet is answered as the game without windows
// answers it.

#include "game/game_windows.h"

namespace kv {

// Shows the request's window modally; the answer of a yes/no question.
bool ShowGameEventWindow(const WindowRequest& request);

class ScreenGameWindows : public GameWindows {
  public:
    bool Show(const WindowRequest& request) override { return ShowGameEventWindow(request); }
};

}  // namespace kv
