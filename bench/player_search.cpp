// The player search over the largest new game the sample teams database allows (every offered
// country's league, the state championships, six human coaches): what the coach waits for
// after "Procurar". Goal: under 20 ms.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "match/new_game_builder.h"
#include "season/new_game_setup.h"
#include "season/player_search.h"
#include "tools/sampledb/sample_database.h"

namespace kv {
namespace {

// Builds the game once; an empty text when it is ready.
const std::string& LargestGame() {
    static const std::string error = [] {
        std::string folder =
            (std::filesystem::temp_directory_path() / "kv_bench_search_XXXXXX").string();
        if (!::mkdtemp(folder.data())) return std::string("no temporary folder");
        std::string message;
        sampledb::WriteSampleDatabase(sampledb::BuildSampleDatabase(), folder, {false, false},
                                      &message);
        SetGameFolder(folder);
        SeedRandom(2014);
        NewGameSetup setup;
        AutomaticSetup largest;
        largest.league_format = kDivisionsOf20;
        largest.human_count = kHumanSlots;
        message = RunAutomaticSetup(setup, folder + "/teams", largest);
        if (!message.empty()) return message;
        const NewGameOutcome outcome = BuildNewGame(setup, folder + "/teams");
        return outcome.ok() ? std::string() : outcome.message;
    }();
    return error;
}

// 0: every choice on "Qualquer" and no country, the most rows; 1: the same with a name key,
// which folds every player's name; 2: the window's first search (weak players of Brasil).
void BM_PlayerSearch(benchmark::State& state) {
    if (!LargestGame().empty()) {
        state.SkipWithError(LargestGame().c_str());
        return;
    }
    PlayerSearchCriteria criteria;
    criteria.strength = kAnyChoice;
    if (state.range(0) == 1) criteria.name = "jo";
    if (state.range(0) == 2) {
        criteria.strength = 0;
        criteria.league_country = DefaultSearchCountry(Game());
    }
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<int> players = SearchPlayers(Game(), criteria);
        found = players.size();
        benchmark::DoNotOptimize(players.data());
    }
    state.counters["players"] = static_cast<double>(Game().players.size());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_PlayerSearch)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kv
