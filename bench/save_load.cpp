// Saving and loading a game a hundred times the size of the tests' world (about 2,800 teams,
// 24,000 players and a full season of archives, some 11 MB): what the player waits for on
// "Salvar" and "Carregar". The load includes the checks, the calendar and the swap.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/game_data.h"
#include "core/save_game.h"
#include "core/saved_game.h"
#include "season/load_game.h"
#include "tests/core/saves/saves_world.h"

namespace {

constexpr int kScale = 100;

const kv::GameData& LargeGame() {
    static const auto game = [] {
        auto g = std::make_unique<kv::GameData>();
        kv::test::FillWorld(*g, true, 7, kScale);
        return g;
    }();
    return *game;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_WriteSavedGame(benchmark::State& state) {
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = kv::WriteSavedGame(LargeGame());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    SetBytes(state, size);
}

void BM_LoadGameFromBytes(benchmark::State& state) {
    const std::string bytes = kv::WriteSavedGame(LargeGame());
    for (auto _ : state) {
        const kv::LoadOutcome out = kv::LoadGameFromBytes(bytes, "grande.s14");
        if (!out.loaded) state.SkipWithError(out.message.c_str());
    }
    SetBytes(state, bytes.size());
}

// The whole save as the player sees it: the file written beside the old one, flushed, renamed.
void BM_SaveGameToDisk(benchmark::State& state) {
    kv::test::SavesFolder folder;
    kv::LoadGameFromBytes(kv::WriteSavedGame(LargeGame()), "grande.s14");
    const std::string path = folder.sav("grande.s14");
    for (auto _ : state)
        if (!kv::SaveGameToFile(path)) state.SkipWithError("save failed");
    SetBytes(state, std::filesystem::file_size(path));
}

void BM_LoadGameFromDisk(benchmark::State& state) {
    kv::test::SavesFolder folder;
    const std::string path = folder.sav("grande.s14");
    std::ofstream(path, std::ios::binary) << kv::WriteSavedGame(LargeGame());
    for (auto _ : state) {
        const kv::LoadOutcome out = kv::LoadGameFromFile(path);
        if (!out.loaded) state.SkipWithError(out.message.c_str());
    }
    SetBytes(state, std::filesystem::file_size(path));
}

}  // namespace

BENCHMARK(BM_WriteSavedGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGameFromBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGameToDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGameFromDisk)->Unit(benchmark::kMillisecond);
