#pragma once
// One match day as the game plays it, for tests that answer the round close's windows
// themselves: the human turns with the computer's line-ups, every match, the round closed.

#include "core/game_data.h"
#include "game/coach_turn.h"
#include "game/headless_game.h"
#include "game/round_close.h"
#include "match/automatic_decisions.h"
#include "match/computer_lineups.h"
#include "match/match_day.h"

namespace kv::test {

inline NextScreen PlayDay(GameWindows& windows) {
    GameData& data = Game();
    AutomaticWindows automatic;
    CoachTurn turn;
    if (OpenMainWindow(data, turn, automatic, data.opening_main_window != 0)) {
        do ChooseComputerLineup(data.game_state.user_club);
        while (!NextHumanTurnOrPlay(data, turn, automatic));
    } else {
        PrepareComputerLineups();
    }
    AutomaticDecisions decisions;
    PlayWholeMatchDay(decisions);
    OpenRoundResults(data);
    return CloseRound(data, windows).next;
}

}  // namespace kv::test
