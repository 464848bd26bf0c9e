// A whole season of the largest setup with no display: every league the sample database
// offers in 20-club divisions, the state championships, every cup and the national-team
// tournaments, from the new game to the last round.

#include <benchmark/benchmark.h>

#include "game/headless_game.h"
#include "season/new_game_setup.h"

namespace {

void BM_WholeSeason(benchmark::State& state) {
    long long matches = 0;
    for (auto _ : state) {
        state.PauseTiming();
        kv::HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 77;
        setup.league_format = kv::kDivisionsOf20;
        setup.state_championships = true;
        setup.humans = 1;
        for (const kv::CountryClubs& c : kv::ListedCountries(kv::ScanClubFiles(setup.teams_folder)))
            setup.countries.push_back(c.country);
        kv::HeadlessGame game;
        if (!game.StartNewGame(setup).empty()) {
            state.SkipWithError("the sample database did not build");
            return;
        }
        state.ResumeTiming();
        while (!game.season_finished()) game.PlayRound();
        matches += game.matches_played();
    }
    state.counters["matches"] = benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kAvgIterations);
    state.counters["matches_per_s"] = benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeSeason)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

