// Any teams folder as the editor and the new-game setup load it. The input is a list of files:
// a byte for the kind (even: a club file in teams/, odd: a national-team file in
// teams/selecoes/), two bytes of length and the file's bytes, up to eight files.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/pstring.h"
#include "editor/editor_database.h"
#include "season/new_game_setup.h"
#include "tests/fuzz/fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kv;
    const std::filesystem::path teams = fuzz::ScratchFolder() / "teams";
    std::filesystem::remove_all(teams);
    std::filesystem::create_directories(teams / "selecoes");
    std::size_t at = 0;
    for (int file = 0; file < 8 && at + 3 <= size; ++file) {
        const bool national = data[at] & 1;
        const std::size_t length = std::min<std::size_t>(data[at + 1] | (data[at + 2] << 8),
                                                         size - at - 3);
        const std::string_view bytes(reinterpret_cast<const char*>(data + at + 3), length);
        at += 3 + length;
        const std::string name = std::to_string(file) + (national ? ".s11" : ".b14");
        fuzz::WriteBytes(national ? teams / "selecoes" / name : teams / name, bytes);
    }
    EditorDatabase db;
    db.Load(teams.string());
    for (int club = 0; club < static_cast<int>(db.clubs().size()); ++club) {
        db.ClubPlayerCount(club);
        if (HasControlCharacters(db.clubs()[club].club.short_name.raw())) std::abort();
    }
    const ClubFileScan scan = ScanClubFiles(teams.string());
    SkippedFilesNotice(scan);
    TeamsFolderProblem(scan, teams.string());
    ListedCountries(scan);
    return 0;
}
