// A full repaint of the main window at 1280x800 with a squad of 30 players: what the coach
// waits for after every change of his squad.
#include <benchmark/benchmark.h>

#include "core/game_data.h"
#include "game/coach_turn.h"
#include "game/headless_game.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/main/main_window.h"

namespace kv {
namespace {

// A new game from the sample database on a day the human club plays, its squad made 30.
bool PrepareGame() {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.humans = 1;
    HeadlessGame game;
    if (!game.StartNewGame(setup).empty()) return false;
    GameData& data = Game();
    for (int round = 0; round < 60; ++round) {
        const auto& gs = data.game_state;
        if (HumanClubPlaysToday(data, gs.match_kind, gs.human_clubs[0])) break;
        game.PlayRound();
    }
    const int club = data.game_state.human_clubs[0];
    int squad = 0;
    for (const t_player& p : data.players) squad += p.team == club ? 1 : 0;
    for (std::size_t p = 1; p < data.players.size() && squad < 30; ++p)
        if (data.players[p].team >= 0 && data.players[p].team != club) {
            data.players[p].team = club;
            ++squad;
        }
    return squad == 30;
}

void BM_RepaintMainWindow(benchmark::State& state) {
    if (!PrepareGame()) {
        state.SkipWithError("no game");
        return;
    }
    TestDriver d(1280, 800);
    TForm13* form = ShowMainWindow();
    if (!form) {
        state.SkipWithError("no human turn");
        return;
    }
    d.Pump();
    for (auto _ : state) {
        form->Invalidate();
        d.screen().Paint();
    }
}
BENCHMARK(BM_RepaintMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
