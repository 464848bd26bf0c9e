// Any bytes handed to the loader: it must refuse them or load a game that saves back to a file
// it loads again unchanged and plays two rounds without breaking an invariant, and never read
// outside its buffers.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "core/saved_game_files.h"
#include "season/load_game.h"
#include "tests/fuzz/saved_game_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kv;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PreviewSavedGameHead(bytes);
    const LoadOutcome out = LoadGameFromBytes(bytes, "fuzz.s14");
    if (!out.loaded) {
        if (out.message.empty()) std::abort();  // a refusal always tells the player why
        return 0;
    }
    fuzz::SaveAgainAndPlay();
    return 0;
}
