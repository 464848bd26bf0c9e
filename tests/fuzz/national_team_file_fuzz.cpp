// Any bytes as a national-team file: every field held to its domain, and what was decoded
// encodes to a file that decodes the same.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/club_file.h"
#include "core/national_team_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kv;
    t_national_team_file_record n;
    DecodeNationalTeamFile(std::string_view(reinterpret_cast<const char*>(data), size), n);
    NationalTeamFile file{"fuzz.s11", size, n};
    NationalTeamFileProblem(file);
    IsUsableNationalTeam(n);
    if (n.level < kMinTeamLevel || n.level > kMaxTeamLevel || n.reputation > 5 ||
        HasControlCharacters(n.coach_name.raw()) || HasControlCharacters(n.picture_name.raw()))
        std::abort();
    for (int i = 0; i < kNationalSquadSlots; ++i) {
        IsUsableNationalSquadSlot(n, i);
        if (HasControlCharacters(n.player_names[i].raw()) || n.star[i] > 1 || n.side[i] > 1 ||
            n.characteristic1[i] < 0 || n.characteristic1[i] > 13 || n.characteristic2[i] < 0 ||
            n.characteristic2[i] > 13)
            std::abort();
        if (IsNamedSlot(n.player_names[i]) && (n.age[i] < kMinPlayerAge || n.age[i] > kMaxPlayerAge))
            std::abort();
    }
    t_national_team_file_record again;
    DecodeNationalTeamFile(EncodeNationalTeamFile(n), again);
    if (EncodeNationalTeamFile(again) != EncodeNationalTeamFile(n)) std::abort();
    return 0;
}
