// One tick of the match clock on the match-day window showing a league day of 10 matches, with
// the repaint of what the tick changed: what the player waits for between two ticks at the
// fastest speed (50 ms). And the full repaint of the same window at 1280x800 in the middle of the
// day, every row with its latest event: what the player waits for when the window is shown
// again whole.

#include <benchmark/benchmark.h>

#include "core/game_data.h"
#include "core/random.h"
#include "platform/window/test_driver.h"
#include "screens/match/match_day_window.h"
#include "tests/match/match_day_world.h"

namespace kv {
namespace {

constexpr int kTicks = 150;  // of the day's 190: the day never ends inside the loop

void BM_MatchDayWindowTick(benchmark::State& state) {
    SeedRandom(2014);
    testing::BuildLeagueWorld(1, 1);
    for (std::size_t t = 0; t < Game().teams.size(); ++t)
        Game().teams[t].name.set("Clube " + std::to_string(t));
    Game().game_state.match_delay_no_humans = 50;
    TestDriver d(1024, 768);
    ShowMatchDayWindow();
    d.Pump();
    d.Advance(1);
    d.screen().Paint();
    for (auto _ : state) {
        d.Advance(50);  // the clock fires once: one tick of every match
        d.screen().Paint();
    }
    state.counters["matches"] = Game().day_match_count;
    state.counters["tick"] = Game().clock_tick;
}
BENCHMARK(BM_MatchDayWindowTick)->Unit(benchmark::kMicrosecond)->Iterations(kTicks)->Repetitions(3);

void BM_MatchDayWindowFullRepaint(benchmark::State& state) {
    SeedRandom(2014);
    testing::BuildLeagueWorld(1, 1);
    for (std::size_t t = 0; t < Game().teams.size(); ++t)
        Game().teams[t].name.set("Clube " + std::to_string(t));
    Game().game_state.match_delay_no_humans = 50;
    TestDriver d(1280, 800);
    TForm46* form = ShowMatchDayWindow();
    d.Pump();
    d.Advance(1);
    d.Advance(50 * 90);  // about half the day
    d.screen().Paint();
    for (auto _ : state) {
        form->Invalidate();
        d.screen().Paint();
    }
    state.counters["tick"] = Game().clock_tick;
}
BENCHMARK(BM_MatchDayWindowFullRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
