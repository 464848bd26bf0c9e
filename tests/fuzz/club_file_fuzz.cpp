// Any bytes as a club file: the decoder holds every field to its domain, whatever the file
// says, and what it decoded encodes to a file that decodes the same.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/club_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kv;
    t_club_file_record club;
    t_squad_file_record squad;
    DecodeClubFile(std::string_view(reinterpret_cast<const char*>(data), size), club, squad);
    ClubFile file{"fuzz.b14", size, club, squad};
    ClubFileProblem(file);
    CountPlayableSlots(squad);
    if (club.level > kMaxTeamLevel || club.reputation < 0 || club.reputation > 5 ||
        club.kit_colour < 0 || club.kit_colour > 6)
        std::abort();
    for (int i = 0; i < kClubSquadSlots; ++i) {
        if (HasControlCharacters(squad.player_names[i].raw()) || squad.star[i] > 1 ||
            squad.side[i] > 1 || squad.characteristic1[i] > 13 || squad.characteristic2[i] > 13)
            std::abort();
        if (IsNamedSlot(squad.player_names[i]) &&
            (squad.age[i] < kMinPlayerAge || squad.age[i] > kMaxPlayerAge))
            std::abort();
    }
    for (const std::string_view name :
         {club.short_name.raw(), club.full_name.raw(), club.stadium.raw(), club.coach_name.raw()})
        if (HasControlCharacters(name)) std::abort();
    t_club_file_record club2;
    t_squad_file_record squad2;
    DecodeClubFile(EncodeClubFile(club, squad), club2, squad2);
    if (EncodeClubFile(club2, squad2) != EncodeClubFile(club, squad)) std::abort();
    return 0;
}
