#pragma once
// The sample teams database: fictional clubs, players, coaches and national teams, made with the
// game's own file writers. Deterministic: the same seed gives the same bytes.

#include <cstdint>
#include <string>
#include <vector>

#include "core/club_file.h"
#include "core/national_team_file.h"

namespace kv::sampledb {

inline constexpr std::uint64_t kDefaultSeed = 20140612;

struct SampleClub {
    std::string file_name;  // with ".b14"
    t_club_file_record club;
    t_squad_file_record squad;
};

struct SampleNationalTeam {
    std::string file_name;  // "<country>.s11"
    t_national_team_file_record record;
};

struct SampleDatabase {
    std::vector<SampleClub> clubs;
    std::vector<SampleNationalTeam> national_teams;
};

SampleDatabase BuildSampleDatabase(std::uint64_t seed = kDefaultSeed);

struct WriteChoices {
    bool pictures = true;  // flags, crests, shirts, national symbols, backgrounds
    bool sounds = true;    // the seven effects in sons/
};

// Writes the database into `folder` (teams/, teams/selecoes/, img/, sons/), creating the folders.
// False with a reason in `error` when a file could not be written.
bool WriteSampleDatabase(const SampleDatabase& db, const std::string& folder,
                         const WriteChoices& choices, std::string* error);

// The file and picture base name made from a display name: ASCII letters and digits, lower case.
std::string FileSlug(std::string_view utf8_name);

}  // namespace kv::sampledb
