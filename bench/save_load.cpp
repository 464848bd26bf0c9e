// Saving and loading a game a hundred times the size of the tests' world (about 2,800 teams,
// 24,000 players and a full season of archives, some 11 MB): what the player waits for on
// "Salvar" and "Carregar". The load includes the checks, the calendar and the swap.
// The TenSeasons cases do the same with the largest real game: every sample league in 20-club
// divisions, state championships, cups and tournaments, after ten seasons (about 20 MB).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "core/game_data.h"
#include "core/save_game.h"
#include "core/saved_game.h"
#include "game/headless_game.h"
#include "game/largest_setup.h"
#include "season/load_game.h"
#include "season/new_game_setup.h"
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

// The saved game of the largest setup after ten seasons, played once.
const std::string& TenSeasonsBytes() {
    static const std::string bytes = [] {
        kv::HeadlessGame game;
        if (!game.StartNewGame(kv::LargestSetup(KORVANEL_SAMPLE_TEAMS)).empty())
            return std::string();
        kv::PlaySeasons(game, 10);
        // Saved as the runner saves it at the season review, then read back as bytes.
        const std::string path =
            (std::filesystem::temp_directory_path() / "korvanel_dez.s14").string();
        if (!game.SaveGame(path).empty()) return std::string();
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::filesystem::remove(path);
        return bytes;
    }();
    return bytes;
}

void BM_SaveTenSeasonsToDisk(benchmark::State& state) {
    kv::test::SavesFolder folder;
    if (!kv::LoadGameFromBytes(TenSeasonsBytes(), "dez.s14").loaded) {
        state.SkipWithError("the ten-season game did not load");
        return;
    }
    const std::string path = folder.sav("dez.s14");
    for (auto _ : state)
        if (!kv::SaveGameToFile(path)) state.SkipWithError("save failed");
    SetBytes(state, std::filesystem::file_size(path));
}

// The save's own work without the disk: the same pieces the file gets, handed to a sink that
// drops them. What BM_SaveTenSeasonsToDisk takes beyond this is the file system's.
void BM_StreamTenSeasons(benchmark::State& state) {
    if (!kv::LoadGameFromBytes(TenSeasonsBytes(), "dez.s14").loaded) {
        state.SkipWithError("the ten-season game did not load");
        return;
    }
    std::size_t size = 0;
    for (auto _ : state) {
        size = 0;
        const bool ok = kv::StreamSavedGame(kv::Game(), [&size](std::string_view piece) {
            benchmark::DoNotOptimize(piece.data());
            size += piece.size();
            return true;
        });
        if (!ok) state.SkipWithError("stream failed");
    }
    SetBytes(state, size);
}

// The file written and renamed as the save does, but without the flush that makes it durable:
// how long the bytes take to reach the page cache.
void BM_WriteTenSeasonsUnflushed(benchmark::State& state) {
    kv::test::SavesFolder folder;
    if (!kv::LoadGameFromBytes(TenSeasonsBytes(), "dez.s14").loaded) {
        state.SkipWithError("the ten-season game did not load");
        return;
    }
    const std::string path = folder.sav("dez.s14");
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) {
            state.SkipWithError("cannot open the file");
            return;
        }
        const bool ok = kv::StreamSavedGame(kv::Game(), [f](std::string_view piece) {
            return std::fwrite(piece.data(), 1, piece.size(), f) == piece.size();
        });
        std::fclose(f);
        if (!ok) state.SkipWithError("write failed");
    }
    SetBytes(state, std::filesystem::file_size(path));
}

void BM_LoadTenSeasonsFromDisk(benchmark::State& state) {
    kv::test::SavesFolder folder;
    const std::string path = folder.sav("dez.s14");
    std::ofstream(path, std::ios::binary) << TenSeasonsBytes();
    for (auto _ : state) {
        const kv::LoadOutcome out = kv::LoadGameFromFile(path);
        if (!out.loaded) state.SkipWithError(out.message.c_str());
    }
    SetBytes(state, TenSeasonsBytes().size());
}

}  // namespace

BENCHMARK(BM_SaveTenSeasonsToDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTenSeasonsFromDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamTenSeasons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTenSeasonsUnflushed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSavedGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGameFromBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGameToDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGameFromDisk)->Unit(benchmark::kMillisecond);
