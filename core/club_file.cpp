#include "core/club_file.h"

#include <algorithm>

#include "core/byte_io.h"
#include "platform/base/files.h"

namespace kv {
namespace {

constexpr std::size_t kClubRecordOffset = 4;
constexpr std::size_t kSquadRecordOffset = 208;
constexpr std::uint8_t kLastState = 26;
constexpr std::uint8_t kLastCharacteristic = 13;
// The editor's rule for "squad complete", which the game plays by.
constexpr int kOthersInACompleteSquad = 11;

}  // namespace

std::string EncodeClubFile(const t_club_file_record& c, const t_squad_file_record& s) {
    ByteWriter w;
    w.I32(1);
    w.U8(c.country);
    w.U8(c.squad_complete);
    w.U8(c.version);
    w.U8(c.level);
    w.String(c.short_name);
    w.String(c.full_name);
    w.String(c.stadium);
    w.String(c.file_name);
    w.String(c.picture_name);
    w.String(c.coach_name);
    w.Zeros(3);
    w.I32(c.back_colour);
    w.I32(c.text_colour);
    w.U8(c.state);
    w.Zeros(3);
    w.I32(c.reputation);
    w.I32(c.kit_colour);
    w.I32(c.club_id);
    w.I32(c.sort_key);
    w.I32(c.capacity);
    w.I32(1);
    w.Array(s.player_names);
    w.Array(s.star);
    w.Array(s.nationality);
    w.Array(s.age);
    w.Array(s.position);
    w.Array(s.starter);
    w.Array(s.characteristic1);
    w.Array(s.characteristic2);
    w.Array(s.side);
    w.Array(s.reserved);
    return w.Take();
}

void DecodeClubFile(std::string_view bytes, t_club_file_record& c, t_squad_file_record& s) {
    ByteReader r(bytes);
    r.Seek(kClubRecordOffset);
    c.country = r.U8();
    c.squad_complete = r.U8();
    c.version = r.U8();
    c.level = static_cast<std::uint8_t>(ClubLevelAsWritten(r.U8()));
    r.String(c.short_name);
    r.String(c.full_name);
    r.String(c.stadium);
    r.String(c.file_name);
    r.String(c.picture_name);
    r.String(c.coach_name);
    ReplaceControlBytes(c.short_name);
    ReplaceControlBytes(c.full_name);
    ReplaceControlBytes(c.stadium);
    ReplaceControlBytes(c.file_name);
    ReplaceControlBytes(c.picture_name);
    ReplaceControlBytes(c.coach_name);
    r.Seek(kClubRecordOffset + 168);
    c.back_colour = r.I32();
    c.text_colour = r.I32();
    c.state = r.U8();
    if (c.state > kLastState) c.state = kNoState;
    r.Seek(kClubRecordOffset + 180);
    c.reputation = std::clamp(r.I32(), 0, 5);
    c.kit_colour = std::clamp(r.I32(), 0, 6);
    c.club_id = r.I32();
    c.sort_key = r.I32();
    c.capacity = r.I32();

    r.Seek(kSquadRecordOffset);
    r.Array(s.player_names);
    r.Array(s.star);
    r.Array(s.nationality);
    r.Array(s.age);
    r.Array(s.position);
    r.Array(s.starter);
    r.Array(s.characteristic1);
    r.Array(s.characteristic2);
    r.Array(s.side);
    r.Array(s.reserved);
    for (int i = 0; i < kClubSquadSlots; ++i) {
        ReplaceControlBytes(s.player_names[i]);
        s.star[i] = s.star[i] != 0 ? 1 : 0;
        // An empty slot keeps what it holds, so the editor writes it back as it was.
        if (IsNamedSlot(s.player_names[i]))
            s.age[i] = std::clamp<std::uint8_t>(s.age[i], kMinPlayerAge, kMaxPlayerAge);
        if (s.characteristic1[i] > kLastCharacteristic) s.characteristic1[i] = 0;
        if (s.characteristic2[i] > kLastCharacteristic) s.characteristic2[i] = 0;
        if (s.side[i] > 1) s.side[i] = 0;
    }
}

std::optional<ClubFile> ReadClubFile(std::string_view folder, std::string_view name,
                                     std::string* problem) {
    const std::string path = ResolvePath(JoinPath(NativePath(folder), name));
    const FileContents bytes = ReadRegularFile(path, kClubFileSize, ReadLimit::kHead);
    if (!bytes.ok()) {
        if (problem) *problem = UnreadableFileProblem(bytes.status);
        return std::nullopt;
    }
    ClubFile file;
    file.real_name = FileNameOf(path);
    file.size = bytes.bytes.size();
    DecodeClubFile(bytes.bytes, file.club, file.squad);
    file.club.file_name.set_raw(Utf8ToCp1252(file.real_name));
    return file;
}

bool WriteClubFile(std::string_view path, const t_club_file_record& club,
                   const t_squad_file_record& squad) {
    return WriteFileAtomic(path, EncodeClubFile(club, squad));
}

std::vector<std::string> ListClubFiles(std::string_view folder) {
    return ListFiles(NativePath(folder), "*.b14");
}

bool IsUsableClub(const t_club_file_record& club) {
    return club.squad_complete != 0 && club.version == kClubFileVersion &&
           club.country <= kLastNationality;
}

std::string UnreadableFileProblem(FileReadStatus status) {
    switch (status) {
        case FileReadStatus::kMissing:
            return "o arquivo sumiu da pasta";
        case FileReadStatus::kNotAFile:
            return "não é um arquivo comum";
        default:
            return "o arquivo não pôde ser lido";
    }
}

SquadCount CountPlayableSlots(const t_squad_file_record& squad) {
    SquadCount count;
    for (int i = 0; i < kClubSquadSlots; ++i)
        if (IsUsableSquadSlot(squad, i))
            ++(squad.position[i] == 0 ? count.goalkeepers : count.others);
    return count;
}

std::string SquadProblem(SquadCount count, int others_needed) {
    if (count.goalkeepers >= 1 && count.others >= others_needed) return {};
    return "o elenco não forma um time (" + std::to_string(count.goalkeepers) + " goleiro(s) e " +
           std::to_string(count.others) + " jogador(es) de linha; são precisos 1 e " +
           std::to_string(others_needed) + ")";
}

std::string SizeOrVersionProblem(std::size_t size, std::size_t full_size, int version,
                                 int read_version) {
    if (size < full_size)
        return "arquivo incompleto (" + std::to_string(size) + " de " + std::to_string(full_size) +
               " bytes)";
    if (version != read_version)
        return "versão " + std::to_string(version) + " do arquivo; o jogo lê a versão " +
               std::to_string(read_version);
    return {};
}

std::string ClubFileProblem(const ClubFile& file) {
    const t_club_file_record& c = file.club;
    if (std::string problem =
            SizeOrVersionProblem(file.size, kClubFileSize, c.version, kClubFileVersion);
        !problem.empty())
        return problem;
    if (c.country > kLastNationality)
        return "país desconhecido (" + std::to_string(c.country) + ")";
    if (c.short_name.empty()) return "time sem nome abreviado";
    if (c.squad_complete == 0) return "o elenco está marcado como incompleto";
    return SquadProblem(CountPlayableSlots(file.squad), kOthersInACompleteSquad);
}

bool IsNamedSlot(const PString<35>& name) {
    return !name.empty() && name.raw() != kEmptySlotName;
}

bool IsUsableSquadSlot(const t_squad_file_record& squad, int index) {
    if (index < 0 || index >= kClubSquadSlots) return false;
    return IsNamedSlot(squad.player_names[index]) && squad.position[index] <= 4 &&
           squad.nationality[index] <= kLastNationality;
}

bool IsClubSquadComplete(const t_squad_file_record& squad) {
    return HasGoalkeeperAndOthers(squad.player_names, squad.position, 11);
}

}  // namespace kv
