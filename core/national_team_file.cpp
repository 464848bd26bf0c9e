#include "core/national_team_file.h"

#include <algorithm>

#include "core/byte_io.h"
#include "core/club_file.h"
#include "platform/base/files.h"

namespace kv {
namespace {

constexpr std::size_t kRecordOffset = 4;
constexpr std::int32_t kLastCharacteristic = 13;
constexpr std::int32_t kLastRealCountry = 201;
constexpr int kOutfieldPlayersOnPitch = 10;

}  // namespace

std::string EncodeNationalTeamFile(const t_national_team_file_record& n) {
    ByteWriter w;
    w.I32(1);
    w.I32(n.country);
    w.I32(n.continent);
    w.String(n.picture_name);
    w.String(n.coach_name);
    w.Zeros(2);
    w.I32(n.level);
    w.U8(n.squad_complete);
    w.Zeros(3);
    w.I32(n.text_colour);
    w.I32(n.back_colour);
    w.I32(n.reserved1);
    w.Array(n.player_names);
    w.Array(n.age);
    w.Array(n.position);
    w.Array(n.starter);
    w.Array(n.characteristic1);
    w.Array(n.characteristic2);
    w.Array(n.star);
    w.U8(n.version);
    w.Array(n.side);
    w.Array(n.reserved);
    w.U8(n.reputation);
    w.Zeros(2);
    return w.Take();
}

void DecodeNationalTeamFile(std::string_view bytes, t_national_team_file_record& n) {
    ByteReader r(bytes);
    r.Seek(kRecordOffset);
    n.country = r.I32();
    n.continent = r.I32();
    r.String(n.picture_name);
    r.String(n.coach_name);
    r.Seek(kRecordOffset + 72);
    n.level = r.I32();
    n.squad_complete = r.U8();
    r.Seek(kRecordOffset + 80);
    n.text_colour = r.I32();
    n.back_colour = r.I32();
    n.reserved1 = r.I32();
    r.Array(n.player_names);
    r.Array(n.age);
    r.Array(n.position);
    r.Array(n.starter);
    r.Array(n.characteristic1);
    r.Array(n.characteristic2);
    r.Array(n.star);
    n.version = r.U8();
    r.Array(n.side);
    r.Array(n.reserved);
    n.reputation = std::min<std::uint8_t>(r.U8(), 5);
    n.level = std::clamp(n.level, kMinTeamLevel, kMaxTeamLevel);
    ReplaceControlBytes(n.picture_name);
    ReplaceControlBytes(n.coach_name);
    for (int i = 0; i < kNationalSquadSlots; ++i) {
        ReplaceControlBytes(n.player_names[i]);
        n.star[i] = n.star[i] != 0 ? 1 : 0;
        if (IsNamedSlot(n.player_names[i]))
            n.age[i] = std::clamp(n.age[i], kMinPlayerAge, kMaxPlayerAge);
        if (n.characteristic1[i] < 0 || n.characteristic1[i] > kLastCharacteristic) {
            n.characteristic1[i] = 0;
        }
        if (n.characteristic2[i] < 0 || n.characteristic2[i] > kLastCharacteristic) {
            n.characteristic2[i] = 0;
        }
        if (n.side[i] > 1) n.side[i] = 0;
    }
}

std::optional<NationalTeamFile> ReadNationalTeamFile(std::string_view folder, std::string_view name,
                                                     std::string* problem) {
    const std::string path = ResolvePath(JoinPath(NativePath(folder), name));
    const FileContents bytes = ReadRegularFile(path, kNationalTeamFileSize, ReadLimit::kHead);
    if (!bytes.ok()) {
        if (problem) *problem = UnreadableFileProblem(bytes.status);
        return std::nullopt;
    }
    NationalTeamFile file;
    file.real_name = FileNameOf(path);
    file.size = bytes.bytes.size();
    DecodeNationalTeamFile(bytes.bytes, file.record);
    return file;
}

bool WriteNationalTeamFile(std::string_view path, const t_national_team_file_record& record) {
    return WriteFileAtomic(path, EncodeNationalTeamFile(record));
}

std::vector<std::string> ListNationalTeamFiles(std::string_view folder) {
    return ListFiles(NativePath(folder), "*.s11");
}

std::string NationalTeamFileName(int country) {
    return std::to_string(country) + ".s11";
}

bool IsUsableNationalTeam(const t_national_team_file_record& n) {
    return n.version == kNationalTeamFileVersion && n.country >= 0 &&
           n.country <= kLastRealCountry && !n.coach_name.empty();
}

bool IsUsableNationalSquadSlot(const t_national_team_file_record& n, int index) {
    if (index < 0 || index >= kNationalSquadSlots) return false;
    return IsNamedSlot(n.player_names[index]) && n.position[index] >= 0 && n.position[index] <= 4;
}

bool IsNationalSquadComplete(const t_national_team_file_record& n) {
    return HasGoalkeeperAndOthers(n.player_names, n.position, 15);
}

std::string NationalTeamFileProblem(const NationalTeamFile& file) {
    const t_national_team_file_record& n = file.record;
    if (std::string problem = SizeOrVersionProblem(file.size, kNationalTeamFileSize, n.version,
                                                   kNationalTeamFileVersion);
        !problem.empty())
        return problem;
    if (n.country < 0 || n.country > kLastRealCountry)
        return "país desconhecido (" + std::to_string(n.country) + ")";
    if (n.coach_name.empty()) return "seleção sem técnico";
    SquadCount count;
    for (int i = 0; i < kNationalSquadSlots; ++i)
        if (IsUsableNationalSquadSlot(n, i))
            ++(n.position[i] == 0 ? count.goalkeepers : count.others);
    return SquadProblem(count, kOutfieldPlayersOnPitch);
}

}  // namespace kv
