// Any bytes as the head of a saved game, as the load window previews it.

#include <cstdint>
#include <string_view>

#include "core/saved_game_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kv::SavedGamePreview p =
        kv::PreviewSavedGameHead(std::string_view(reinterpret_cast<const char*>(data), size));
    // What the window draws: every text must be whole UTF-8 the labels can lay out.
    volatile std::size_t shown = p.coach.size() + p.club.size() + p.year.size() + p.next_match.size();
    (void)shown;
    return 0;
}
