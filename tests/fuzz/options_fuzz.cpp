// Any bytes as the options file: every option read lies within what the windows can show, and
// a key written to the file reads back as written, with the other lines kept.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/options.h"
#include "core/picture_paths.h"
#include "tests/fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kv;
    static const bool folder_set = [] {
        SetGameFolder(fuzz::ScratchFolder().string());
        return true;
    }();
    (void)folder_set;
    fuzz::WriteBytes(OptionsFilePath(), std::string_view(reinterpret_cast<const char*>(data), size));
    const LoadedOptions o = ReadOptionsFile();
    if (o.autosave_mode < 0 || o.autosave_mode > 3 || o.contract_notices < 0 ||
        o.contract_notices > 3 || o.match_delay < 0 || o.match_delay_no_humans < 0)
        std::abort();
    WriteOption("Opcoes", "fuzz", "7");
    if (size <= kMaxOptionsFileSize && ReadOption("Opcoes", "fuzz") != "7") std::abort();
    return 0;
}
