#pragma once
// What the saved-game targets do with a file the loader accepted: save it back (the same bytes
// must load again unchanged), then play two rounds of it with every whole-game check on. A
// file the loader takes must be a game that plays.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "game/headless_game.h"
#include "tests/fuzz/fuzz_folder.h"

namespace kv::fuzz {

inline void SaveAgainAndPlay() {
    const std::string saved = WriteSavedGame(Game());
    auto again = std::make_unique<GameData>();
    std::string message;
    if (!ReadSavedGame(saved, *again, message) || WriteSavedGame(*again) != saved) std::abort();

    const std::string path = (ScratchFolder() / "jogo.s14").string();
    WriteBytes(path, saved);
    HeadlessGame game;
    if (const std::string refused = game.LoadGame(path); !refused.empty()) {
        std::fprintf(stderr, "saved back and refused: %s\n", refused.c_str());
        std::abort();
    }
    game.set_checking(true);
    for (int round = 0; round < 2; ++round) {
        game.PlayRound();
        if (!game.broken_invariant().empty()) {
            std::fprintf(stderr, "broken: %s\n", game.broken_invariant().c_str());
            std::abort();
        }
    }
}

}  // namespace kv::fuzz
