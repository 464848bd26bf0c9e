// What the player waits for from a program just started: a new game of the largest setup built,
// the ten-season saved game loaded. Each iteration starts this program afresh in a child process
// that does the one thing and exits, so the first touch of its memory and the start of its
// libraries are in the figure. BM_EmptyProcess is the floor: the child starts and exits at
// once. Only the game's rules are linked in; bench/start_up.cpp times the windows' start.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/child_process.h"
#include "game/largest_setup.h"
#include "season/load_game.h"

namespace {

// --- the child's work; each returns the exit code

int ChildNewGame() {
    kv::HeadlessGame game;
    return game.StartNewGame(kv::LargestSetup(KORVANEL_SAMPLE_TEAMS)).empty() ? 0 : 1;
}

int ChildLoad(const char* path) { return kv::LoadGameFromFile(path).loaded ? 0 : 1; }

// The ten-season saved game of the largest setup, played and saved once per run.
std::string ten_seasons_file;
bool ten_seasons_made = false;

const std::string& TenSeasonsFile() {
    if (ten_seasons_made) return ten_seasons_file;
    ten_seasons_made = true;
    ten_seasons_file = [] {
        kv::HeadlessGame game;
        if (!game.StartNewGame(kv::LargestSetup(KORVANEL_SAMPLE_TEAMS)).empty())
            return std::string();
        kv::PlaySeasons(game, 10);
        const std::string file = (std::filesystem::temp_directory_path() /
                                  ("korvanel_frio_" + std::to_string(::getpid()) + ".s14"))
                                     .string();
        return game.SaveGame(file).empty() ? file : std::string();
    }();
    return ten_seasons_file;
}

void BM_EmptyProcess(benchmark::State& state) { kv::bench::TimeChild(state, {"--child-exit"}); }
BENCHMARK(BM_EmptyProcess)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5);

void BM_ColdNewGame(benchmark::State& state) { kv::bench::TimeChild(state, {"--child-new-game"}); }
BENCHMARK(BM_ColdNewGame)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

void BM_ColdLoadTenSeasons(benchmark::State& state) {
    const std::string& file = TenSeasonsFile();
    if (file.empty()) {
        state.SkipWithError("the ten-season game was not saved");
        return;
    }
    kv::bench::TimeChild(state, {"--child-load", file});
}
BENCHMARK(BM_ColdLoadTenSeasons)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    const int code = kv::bench::BenchmarkMain(argc, argv, [](int n, char** args) {
        const std::string what = n >= 2 ? args[1] : "";
        if (what == "--child-new-game") return ChildNewGame();
        if (what == "--child-load") return n >= 3 ? ChildLoad(args[2]) : 2;
        return -1;
    });
    if (!ten_seasons_file.empty()) std::filesystem::remove(ten_seasons_file);
    return code;
}
