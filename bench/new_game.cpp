// The largest new game the sample teams database allows: every offered country's league, the
// state championships, every club cup and national-team tournament on, six human coaches.
// Timed from the scan of the teams folder (the setup window) to the game ready to play.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "match/new_game_builder.h"
#include "season/new_game_setup.h"
#include "tools/sampledb/sample_database.h"

namespace kv {
namespace {

const std::string& SampleFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kv_bench_sample_XXXXXX").string();
        if (!::mkdtemp(pattern.data())) return std::string();
        std::string error;
        sampledb::WriteSampleDatabase(sampledb::BuildSampleDatabase(), pattern, {false, false},
                                      &error);
        SetGameFolder(pattern);
        return pattern;
    }();
    return folder;
}

void BM_NewGame(benchmark::State& state) {
    const std::string teams = SampleFolder() + "/teams";
    const int league_format = static_cast<int>(state.range(0));
    SeedRandom(2014);
    for (auto _ : state) {
        NewGameSetup setup;
        AutomaticSetup largest;
        largest.league_format = league_format;
        largest.human_count = kHumanSlots;
        const std::string message = RunAutomaticSetup(setup, teams, largest);
        if (!message.empty()) {
            state.SkipWithError(message.c_str());
            break;
        }
        const NewGameOutcome outcome = BuildNewGame(setup, teams);
        if (!outcome.ok()) {
            state.SkipWithError(outcome.message.c_str());
            break;
        }
    }
    const GameData& game = Game();
    state.counters["teams"] = static_cast<double>(game.teams.size());
    state.counters["players"] = static_cast<double>(game.players.size());
    state.counters["fixtures"] = static_cast<double>(game.fixtures.size());
}
BENCHMARK(BM_NewGame)->Arg(kDivisionsOf10)->Arg(kDivisionsOf20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kv
