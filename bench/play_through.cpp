// A whole first season played through the windows on the headless back end, from the title
// window through the season review to the second season's first main window: one coach,
// Brasil, 10-club divisions, state championships, cups and tournaments on. Reported as seconds
// per season; the goal is under five.
#include <benchmark/benchmark.h>

#include "core/game_data.h"
#include "tests/playthrough/play_through.h"

namespace kv {
namespace {

void BM_SeasonThroughTheWindows(benchmark::State& state) {
    PlayThroughSetup choices;
    choices.seed = 2014;
    choices.state_championships = true;
    for (auto _ : state) {
        PlayThrough play(KORVANEL_SAMPLE_GAME);
        std::string problem = play.StartNewGame(choices);
        if (problem.empty()) problem = play.PlayRounds(100, 2);
        if (problem.empty()) problem = play.broken_invariant();
        if (!problem.empty()) {
            state.SkipWithError(problem.c_str());
            return;
        }
        state.counters["rounds"] = play.rounds_played();
    }
}
BENCHMARK(BM_SeasonThroughTheWindows)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(5);

}  // namespace
}  // namespace kv
