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

// One round at a time through the windows of the same game, nobody watching (nothing painted):
// the main window, the line-up, the match day on the virtual clock, the round results. The new
// game is made before the timing starts; each iteration is the next round.
void BM_RoundThroughTheWindows(benchmark::State& state) {
    PlayThroughSetup choices;
    choices.seed = 2014;
    choices.state_championships = true;
    PlayThrough play(KORVANEL_SAMPLE_GAME);
    std::string problem = play.StartNewGame(choices);
    for (auto _ : state) {
        if (problem.empty()) problem = play.PlayRounds(1);
        if (problem.empty()) problem = play.broken_invariant();
        if (!problem.empty()) {
            state.SkipWithError(problem.c_str());
            return;
        }
    }
}
BENCHMARK(BM_RoundThroughTheWindows)->Unit(benchmark::kMillisecond)->Iterations(30)->Repetitions(5);

}  // namespace
}  // namespace kv
