#include "game/game_windows.h"

#include "season/coach_dismissals.h"

namespace kv {

void ShowDismissal(GameWindows& windows, const HumanDismissal& dismissal) {
    WindowRequest request(GameWindow::kDismissal);
    request.club = dismissal.club;
    request.coach = dismissal.old_coach;
    request.other = dismissal.new_coach;
    request.kind = static_cast<int>(dismissal.reason);
    windows.Show(request);
}

}  // namespace kv
