// One whole league match day of the largest world: 40 countries with four divisions of 20 clubs,
// 1,600 matches, every group computed at once except the one shown on the virtual clock, booked,
// archived and rated.

#include <benchmark/benchmark.h>

#include "core/game_data.h"
#include "core/random.h"
#include "match/match_day.h"
#include "tests/match/match_day_world.h"

namespace kv {
namespace {

void BM_WholeLeagueMatchDay(benchmark::State& state) {
    SeedRandom(2014);
    testing::BuildLeagueWorld(40, 4);
    const GameData prepared = Game();
    for (auto _ : state) {
        state.PauseTiming();
        Game() = prepared;
        state.ResumeTiming();
        PlayWholeMatchDay();
        benchmark::DoNotOptimize(Game().match_archive.size());
    }
    state.counters["matches"] = static_cast<double>(Game().match_archive.size());
}
BENCHMARK(BM_WholeLeagueMatchDay)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kv
