#include "screens/match/match_decision_windows.h"

#include "match/automatic_decisions.h"
#include "match/match_tables.h"
#include "platform/window/screen.h"
#include "screens/match/injury_window.h"
#include "screens/match/match_lineup_window.h"
#include "screens/match/penalty_faced_window.h"
#include "screens/match/penalty_window.h"
#include "screens/match/shootout_order_window.h"
#include "screens/match/shootout_window.h"

namespace kv {

PenaltyKick WindowMatchDecisions::TakePenaltyKick(int match, int taking_side, bool human_takes) {
    PenaltyKick kick{-1, -1};
    if (human_takes) {
        TForm34& form = Screen::Get().Create<TForm34>(match, taking_side);
        form.ShowModal();
        kick = form.result();
    } else {
        TForm54& form = Screen::Get().Create<TForm54>(match, taking_side);
        form.ShowModal();
        kick = form.result();
    }
    // Nobody on the pitch to take it: nothing is booked.
    if (kick.taker <= 0) kick.kind = -1;
    return kick;
}

int WindowMatchDecisions::ReplaceInjuredPlayer(int match, int side, int injured_player) {
    TForm53& form = Screen::Get().Create<TForm53>(match, side, injured_player);
    form.ShowModal();
    return form.result();
}

void WindowMatchDecisions::ChangeLineup(int match, int side) {
    OpenMatchLineupWindow(match, side);
}

std::optional<ShootoutScore> WindowMatchDecisions::PlayShootout(int team_a, int team_b) {
    std::optional<ShootoutScore> score;
    if (IsHumanTeam(team_a) || IsHumanTeam(team_b)) {
        TForm37& order = Screen::Get().Create<TForm37>(team_a, team_b);
        order.ShowModal();
        score = order.score();
    } else {
        TForm38& shootout = Screen::Get().Create<TForm38>(team_a, team_b);
        shootout.ShowModal();
        score = shootout.score();
    }
    // A window closed before its shoot-out ended leaves it to the proposed orders, as the
    // game without windows plays it.
    if (!score) score = AutomaticDecisions().PlayShootout(team_a, team_b);
    return score;
}

void OpenMatchLineupWindow(int match, int side) {
    if (!DayMatchAt(match)) return;
    TForm88& form = Screen::Get().Create<TForm88>(match, side == 2 ? 2 : 1);
    form.ShowModal();
}

}  // namespace kv
