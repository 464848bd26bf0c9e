// A whole season of the largest setup with no display: every league the sample database
// offers in 20-club divisions, the state championships, every cup and the national-team
// tournaments, from the new game to the last round. BM_LaterSeason times the Nth season of
// one game, the earlier ones played untimed: the game grows by a thousand retired players a
// season, and a season must not grow slower with it.

#include <benchmark/benchmark.h>

#include "game/largest_setup.h"

namespace {

// False when the sample database did not build.
bool StartLargestGame(kv::HeadlessGame& game) {
    return game.StartNewGame(kv::LargestSetup(KORVANEL_SAMPLE_TEAMS)).empty();
}

void PlaySeason(kv::HeadlessGame& game) {
    game.PlayRound();  // after the first season: the season change and the first day
    while (!game.season_finished()) game.PlayRound();
}

void BM_WholeSeason(benchmark::State& state) {
    long long matches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        kv::HeadlessGame game;
        if (!StartLargestGame(game)) {
            state.SkipWithError("the sample database did not build");
            return;
        }
        state.ResumeTiming();
        while (!game.season_finished()) game.PlayRound();
        matches += game.matches_played();
    }
    state.counters["matches"] =
        benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kAvgIterations);
    state.counters["matches_per_s"] =
        benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeSeason)->Unit(benchmark::kMillisecond)->Iterations(3);

// One game for every argument: season N follows the untimed seasons before it.
void BM_LaterSeason(benchmark::State& state) {
    const int season = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        kv::HeadlessGame game;
        if (!StartLargestGame(game)) {
            state.SkipWithError("the sample database did not build");
            return;
        }
        while (!game.season_finished()) game.PlayRound();
        for (int s = 2; s < season; ++s) PlaySeason(game);
        state.ResumeTiming();
        if (season > 1)
            PlaySeason(game);
        else
            benchmark::DoNotOptimize(game.matches_played());
    }
}
BENCHMARK(BM_LaterSeason)->Arg(2)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
