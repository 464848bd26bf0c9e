#pragma once
// Club files of the teams database (`teams/*.b14`): one file per club, 1,333 bytes, written by
// the editor and by the sample-database generator, read by the new-game set-up and builder.
// The same encoder and decoder serve every one of them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/pstring.h"
#include "platform/base/files.h"

namespace kv {

inline constexpr std::size_t kClubFileSize = 1333;
inline constexpr std::uint8_t kClubFileVersion = 14;
inline constexpr int kClubSquadSlots = 25;
inline constexpr std::uint8_t kNoState = 255;  // what the editor writes for a club with no state
inline constexpr int kLastNationality = 202;   // country_names has 203 entries
// The ages a player of a teams file may have, in clubs and national teams alike.
inline constexpr int kMinPlayerAge = 16;
inline constexpr int kMaxPlayerAge = 42;
// A national team's starting level, and the highest a club's may be.
inline constexpr int kMinTeamLevel = 1;
inline constexpr int kMaxTeamLevel = 25;

// A club's level as the editor writes it and the readers take it: 0..25 as stored, a level
// above 25 as 10, so a file reads as the level the editor would keep for it.
constexpr int ClubLevelAsWritten(int level) {
    return level > kMaxTeamLevel ? 10 : level;
}

struct t_club_file_record {
    std::uint8_t country = 0;
    std::uint8_t squad_complete = 0;
    std::uint8_t version = 0;
    std::uint8_t level = 0;  // 0..25
    PString<25> short_name;
    PString<25> full_name;
    PString<30> stadium;
    PString<25> file_name;  // for display; the real name travels beside the record
    PString<25> picture_name;
    PString<25> coach_name;
    std::int32_t back_colour = 0;  // 0x00BBGGRR
    std::int32_t text_colour = 0;
    std::uint8_t state = kNoState;  // 0..26 for Brasil
    std::int32_t reputation = 0;    // 0..5
    std::int32_t kit_colour = 0;    // 0..6
    std::int32_t club_id = 0;       // 0: the editor assigns one on the next save
    std::int32_t sort_key = 0;      // background clubs: higher first
    std::int32_t capacity = 0;      // 1..119,999 used as given, else defaults by division
};

// The clubs, by club id, the first season's continental groups are made of: group g, slot s
// (slot 0 the seed). The sample database gives these ids to the clubs it makes.
using FirstSeasonGroupIds = std::array<std::array<std::int32_t, 4>, 8>;
inline constexpr FirstSeasonGroupIds kFirstSeasonSouthAmericanGroupIds = {{{42, 397, 377, 391},
                                                                           {75, 388, 191, 342},
                                                                           {125, 217, 279, 94},
                                                                           {345, 41, 411, 265},
                                                                           {321, 390, 111, 120},
                                                                           {263, 176, 266, 273},
                                                                           {141, 223, 71, 161},
                                                                           {348, 121, 305, 34}}};
inline constexpr FirstSeasonGroupIds kFirstSeasonEuropeanGroupIds = {{{240, 60, 358, 324},
                                                                      {322, 165, 206, 102},
                                                                      {298, 281, 64, 29},
                                                                      {61, 239, 399, 115},
                                                                      {97, 354, 58, 369},
                                                                      {73, 33, 268, 282},
                                                                      {40, 414, 311, 47},
                                                                      {57, 250, 7, 171}}};

// Structure of arrays over the 25 slots; slot j is index j - 1 of every array.
struct t_squad_file_record {
    std::array<PString<35>, kClubSquadSlots> player_names;
    std::array<std::uint8_t, kClubSquadSlots> star{};
    std::array<std::uint8_t, kClubSquadSlots> nationality{};
    std::array<std::uint8_t, kClubSquadSlots> age{};
    std::array<std::uint8_t, kClubSquadSlots> position{};  // 0..4
    std::array<std::uint8_t, kClubSquadSlots> starter{};
    std::array<std::uint8_t, kClubSquadSlots> characteristic1{};  // 0..13
    std::array<std::uint8_t, kClubSquadSlots> characteristic2{};
    std::array<std::uint8_t, kClubSquadSlots> side{};  // 0 right, 1 left
    std::array<std::uint8_t, kClubSquadSlots> reserved{};
};

// One club file as read: the real file name (in full, with its extension) beside the records.
struct ClubFile {
    std::string real_name;
    std::size_t size = 0;  // bytes read, at most kClubFileSize
    t_club_file_record club;
    t_squad_file_record squad;
};

// The 1,333-byte image of a club file, every field at its offset.
std::string EncodeClubFile(const t_club_file_record& club, const t_squad_file_record& squad);

// Decodes as much of a club file as `bytes` holds; the rest stays zero, as the game reads a short
// file. Nothing read is trusted: lengths are clamped to their capacity, control bytes in names
// read as spaces, a state outside 0..26 becomes kNoState, the level, reputation, kit colour and
// ages are clamped to their ranges, a star is 0 or 1, and characteristics above 13 and sides
// other than 0/1 read as 0. A slot's position outside 0..4 is kept: the slot is not taken.
void DecodeClubFile(std::string_view bytes, t_club_file_record& club, t_squad_file_record& squad);

// Reads `folder`/`name` (the name is found ignoring case); `file_name` takes the real name cut to
// its capacity. Only a regular file is read, and only its first kClubFileSize bytes. Nothing
// when the file cannot be read; `problem` (when given) then says why, as the setup shows it.
std::optional<ClubFile> ReadClubFile(std::string_view folder, std::string_view name,
                                     std::string* problem = nullptr);

// Why reading a file the listing found gave nothing, in the words the setup shows.
std::string UnreadableFileProblem(FileReadStatus status);

// Writes the file so that the old one survives a failure; false when it could not be written.
bool WriteClubFile(std::string_view path, const t_club_file_record& club,
                   const t_squad_file_record& squad);

// The names of the club files of `folder` (`*.b14`, any case), sorted.
std::vector<std::string> ListClubFiles(std::string_view folder);

// A club the game plays with: a complete squad, this version, a known country.
bool IsUsableClub(const t_club_file_record& club);

// The goalkeepers and the other players among the slots the builder takes.
struct SquadCount {
    int goalkeepers = 0;
    int others = 0;
};
SquadCount CountPlayableSlots(const t_squad_file_record& squad);
// Why a database file is no file of the format the game reads: cut short of its `full_size`
// bytes, or of another version; empty when neither.
std::string SizeOrVersionProblem(std::size_t size, std::size_t full_size, int version,
                                 int read_version);
// Empty when the squad has a goalkeeper and `others_needed` other players, else why not.
std::string SquadProblem(SquadCount count, int others_needed);

// Why the game cannot play with this club file, in the words the setup shows ("arquivo
// incompleto: ..."); empty when it can. Beyond IsUsableClub and a short name it checks the file
// itself: the whole record was read, and the squad as read (not the header's "squad complete"
// byte) has a goalkeeper and 11 other players the builder can take.
std::string ClubFileProblem(const ClubFile& file);

// A slot holding a player: named, not the editor's empty marker. The editor's counts use this.
bool IsNamedSlot(const PString<35>& name);
// A named slot whose position and nationality the game can index with; the builder takes only
// these, so a damaged slot is skipped rather than indexing past a table.
bool IsUsableSquadSlot(const t_squad_file_record& squad, int index);

// The editor's rule: at least one named goalkeeper and at least 11 other named players.
bool IsClubSquadComplete(const t_squad_file_record& squad);

// The name the editor leaves in an empty slot: "nome" and the byte 0xF8.
inline constexpr std::string_view kEmptySlotName = "nome\xF8";

// The editor's completeness rule over any squad: a named goalkeeper and `others_needed` other
// named players.
template <typename Names, typename Positions>
bool HasGoalkeeperAndOthers(const Names& names, const Positions& positions, int others_needed) {
    int goalkeepers = 0;
    int others = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!IsNamedSlot(names[i])) continue;
        (positions[i] == 0 ? goalkeepers : others) += 1;
    }
    return goalkeepers >= 1 && others >= others_needed;
}

}  // namespace kv
