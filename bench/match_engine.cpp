// One whole match and a batch of 1,000 matches through the engine, line-ups prepared beforehand.
// Each iteration first puts the prepared match day back (a plain copy of the tables).

#include <benchmark/benchmark.h>

#include "core/random.h"
#include "match/match_engine.h"
#include "tests/match/match_world.h"

namespace {

void PlayMatches(benchmark::State& state, int matches) {
    kv::testing::SetUpMatchDay(matches);
    const kv::testing::SavedMatchDay saved;
    kv::ReserveMatchDayLists();
    kv::SeedRandom(42);
    for (auto _ : state) {
        saved.Restore();
        for (int m = 1; m <= matches; ++m) kv::testing::PlayWholeMatch(m);
        benchmark::DoNotOptimize(kv::Game().day_matches[1].goals[0]);
    }
    state.counters["matches/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * matches,
                           benchmark::Counter::kIsRate);
}

void BM_WholeMatch(benchmark::State& state) { PlayMatches(state, 1); }
void BM_ThousandMatches(benchmark::State& state) { PlayMatches(state, 1000); }

}  // namespace

BENCHMARK(BM_WholeMatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThousandMatches)->Unit(benchmark::kMillisecond);
