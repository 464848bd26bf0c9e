#pragma once
// National-team files of the teams database (`teams/selecoes/*.s11`): one per country, 1,752
// bytes, written by the editor and the sample-database generator, read when a game with a
// national-team tournament is built.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/pstring.h"

namespace kv {

inline constexpr std::size_t kNationalTeamFileSize = 1752;
inline constexpr std::uint8_t kNationalTeamFileVersion = 11;
inline constexpr int kNationalSquadSlots = 28;
// The national-team files' folder inside the teams folder.
inline constexpr std::string_view kNationalTeamsFolder = "selecoes";

struct t_national_team_file_record {
    std::int32_t country = 0;    // the record belongs to this country whatever the file name
    std::int32_t continent = 0;  // not used: the game computes the continent
    PString<30> picture_name;
    PString<30> coach_name;  // a national team exists only with a coach
    std::int32_t level = 0;  // 1..25
    std::uint8_t squad_complete = 0;
    std::int32_t text_colour = 0;
    std::int32_t back_colour = 0;
    std::int32_t reserved1 = 0;
    std::array<PString<35>, kNationalSquadSlots> player_names;
    std::array<std::int32_t, kNationalSquadSlots> age{};
    std::array<std::int32_t, kNationalSquadSlots> position{};  // 0..4
    std::array<std::int32_t, kNationalSquadSlots> starter{};
    std::array<std::int32_t, kNationalSquadSlots> characteristic1{};  // 0..13
    std::array<std::int32_t, kNationalSquadSlots> characteristic2{};
    std::array<std::uint8_t, kNationalSquadSlots> star{};
    std::uint8_t version = 0;
    std::array<std::uint8_t, kNationalSquadSlots> side{};  // 0 right, 1 left
    std::array<std::uint8_t, kNationalSquadSlots> reserved{};
    std::uint8_t reputation = 0;  // 0..5
};

struct NationalTeamFile {
    std::string real_name;
    std::size_t size = 0;  // bytes read, at most kNationalTeamFileSize
    t_national_team_file_record record;
};

// The 1,752-byte image of a national-team file, every field at its offset.
std::string EncodeNationalTeamFile(const t_national_team_file_record& record);

// Decodes as much as `bytes` holds, the rest staying zero. Lengths are clamped to their capacity,
// control bytes in names read as spaces, characteristics outside 0..13 and sides other than 0/1
// read as 0, a star is 0 or 1, the ages of named slots, the level and the reputation are clamped
// to their ranges. A slot's position outside 0..4 is kept: the slot is not taken.
void DecodeNationalTeamFile(std::string_view bytes, t_national_team_file_record& record);

// Reads only a regular file, and only its first kNationalTeamFileSize bytes; nothing when it
// cannot be read, `problem` (when given) then saying why.
std::optional<NationalTeamFile> ReadNationalTeamFile(std::string_view folder, std::string_view name,
                                                     std::string* problem = nullptr);
bool WriteNationalTeamFile(std::string_view path, const t_national_team_file_record& record);

// The names of the national-team files of `folder` (`*.s11`, any case), sorted.
std::vector<std::string> ListNationalTeamFiles(std::string_view folder);

// The file's name as the editor writes it: the country index in decimal and ".s11".
std::string NationalTeamFileName(int country);

// A national team the game plays with: this version, a real country and a coach.
bool IsUsableNationalTeam(const t_national_team_file_record& record);
// A named slot with a position the game can index with.
bool IsUsableNationalSquadSlot(const t_national_team_file_record& record, int index);
// The editor's rule: at least one named goalkeeper and at least 15 other named players.
bool IsNationalSquadComplete(const t_national_team_file_record& record);

// Why a tournament cannot be played with this national team, in the words the setup shows;
// empty when it can. Beyond IsUsableNationalTeam it checks the file itself: the whole record was
// read, and the squad as read can field a team (a goalkeeper and ten others the builder takes).
// The editor's fuller rule is not asked: the game never asked it of national teams.
std::string NationalTeamFileProblem(const NationalTeamFile& file);

}  // namespace kv
