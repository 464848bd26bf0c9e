// A whole season of the largest setup with no display: every league the sample database
// offers in 20-club divisions, the state championships, every cup and the national-team
// tournaments, from the new game to the last round. BM_LaterSeason times the Nth season of
// one game, the earlier ones played untimed: the game grows by a thousand retired players a
// season, and a season must not grow slower with it.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "game/largest_setup.h"

namespace {

// False when the sample database did not build.
bool StartLargestGame(kv::HeadlessGame& game) {
    return game.StartNewGame(kv::LargestSetup(KORVANEL_SAMPLE_TEAMS)).empty();
}

// Starts the game with the clock stopped; false (the benchmark skipped) when it cannot.
bool StartUntimed(benchmark::State& state, kv::HeadlessGame& game) {
    state.PauseTiming();
    if (!StartLargestGame(game)) {
        state.SkipWithError("the sample database did not build");
        return false;
    }
    state.ResumeTiming();
    return true;
}

void PlaySeason(kv::HeadlessGame& game) {
    game.PlayRound();  // after the first season: the season change and the first day
    while (!game.season_finished()) game.PlayRound();
}

void BM_WholeSeason(benchmark::State& state) {
    long long matches = 0;
    for (auto _ : state) {
        kv::HeadlessGame game;
        if (!StartUntimed(state, game)) return;
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

// The process's peak resident memory so far, in MB (0 where the system does not tell).
double PeakResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0.0;
}

// Thirty seasons of one game, the new game untimed, and the peak memory of the process after
// them (run it on its own, --benchmark_filter=ThirtySeasons, for a peak of this game alone).
void BM_ThirtySeasons(benchmark::State& state) {
    for (auto _ : state) {
        kv::HeadlessGame game;
        if (!StartUntimed(state, game)) return;
        while (!game.season_finished()) game.PlayRound();
        for (int s = 2; s <= 30; ++s) PlaySeason(game);
    }
    state.counters["peak_rss_mb"] = PeakResidentMegabytes();
}
BENCHMARK(BM_ThirtySeasons)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
