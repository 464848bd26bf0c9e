// Fields of a real saved game changed one at a time: every value a damaged or edited file can
// put into a field the loader otherwise accepts. Each 9 bytes of input are one change: a width
// (1 or 4 bytes), an offset into the save and the value written there.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "core/game_data.h"
#include "core/save_game.h"
#include "core/saved_game.h"
#include "core/saved_game_files.h"
#include "season/load_game.h"
#include "tests/fuzz/saved_game_play.h"
#include "tests/core/saves/saves_world.h"

namespace {

const std::string& BaseSave() {
    static const std::string save = [] {
        auto g = std::make_unique<kv::GameData>();
        kv::test::FillWorld(*g, true);
        return kv::WriteSavedGame(*g);
    }();
    return save;
}

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kv;
    std::string bytes = BaseSave();
    for (std::size_t at = 0; at + 9 <= size; at += 9) {
        const int width = (data[at] & 1) ? 4 : 1;
        const std::size_t offset = Le32(data + at + 1) % (bytes.size() - 3);
        const std::uint32_t value = Le32(data + at + 5);
        for (int i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
    }
    PreviewSavedGameHead(bytes);
    const LoadOutcome out = LoadGameFromBytes(bytes, "fuzz.s14");
    if (!out.loaded) {
        if (out.message.empty()) std::abort();
        return 0;
    }
    RefreshPreviewNames(Game());
    NextMatchText(Game().game_state);
    fuzz::SaveAgainAndPlay();
    return 0;
}
