// The largest new game the sample teams database allows: every offered country's league, the
// state championships, every club cup and national-team tournament on, six human coaches.
// Timed from the scan of the teams folder (the setup window) to the game ready to play.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
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

bool SetUpLargestGame(NewGameSetup& setup, const std::string& teams, int league_format) {
    setup.scan = ScanClubFiles(teams);
    const std::vector<CountryClubs> listed = ListedCountries(setup.scan);
    NewGameChoices choices = DefaultChoices(listed);
    choices.leagues.clear();
    for (const CountryClubs& c : listed) choices.leagues.push_back(c.country);
    choices.league_format = league_format;
    choices.state_leagues = true;
    choices.human_count = kHumanSlots;
    if (!StartRealCountriesGame(setup, choices).empty()) return false;
    OpenClubChoice(setup);
    for (int k = 0; k < kHumanSlots; ++k) {
        const int config = k % static_cast<int>(setup.world->league_configs.size());
        for (const ClubChoiceList& list : ShowLeagueClubs(setup, config)) {
            const auto free = std::find_if(list.clubs.begin(), list.clubs.end(),
                                           [&](int c) { return !setup.world->teams[c].human; });
            if (free == list.clubs.end()) continue;
            if (!ChooseHumanClub(setup, *free, "Treinador", kHomeCountry).empty()) return false;
            break;
        }
    }
    return CoachChoosing(setup) > kHumanSlots;
}

void BM_NewGame(benchmark::State& state) {
    const std::string teams = SampleFolder() + "/teams";
    const int league_format = static_cast<int>(state.range(0));
    SeedRandom(2014);
    for (auto _ : state) {
        NewGameSetup setup;
        if (!SetUpLargestGame(setup, teams, league_format)) {
            state.SkipWithError("setup failed");
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
