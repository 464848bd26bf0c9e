#include "editor/editor_database.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "core/text_tables.h"
#include "platform/base/files.h"

namespace kv {
namespace {

constexpr int kLastRealCountry = kEditorNationalTeams - 1;
constexpr int kLastGoalkeeperCharacteristic = 3;
constexpr int kFirstOutfieldCharacteristic = 4;
constexpr int kLastCharacteristic = 13;
constexpr int kOthersInAClub = 11;
constexpr int kOthersInANationalTeam = 15;

std::string FilePrefix(std::string_view folder, std::string_view name) {
    return std::string(folder) + "\\" + std::string(name);
}

// The real file name less its ".b14" (any case), as the club list shows it.
std::string DisplayFileName(std::string_view real_name) {
    std::string name(real_name);
    const std::string ext = ExtensionOf(name);
    if (SameNameIgnoringCase(ext, ".b14")) name.resize(name.size() - ext.size());
    return name;
}

template <typename Names>
int FirstFreeSlot(const Names& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!IsNamedSlot(names[i])) return static_cast<int>(i) + 1;
    return 0;
}

template <typename Names>
int NamedCount(const Names& names) {
    return static_cast<int>(std::count_if(names.begin(), names.end(), IsNamedSlot));
}

template <typename Names, typename Starters>
int StarterCount(const Names& names, const Starters& starters) {
    int n = 0;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (IsNamedSlot(names[i]) && starters[i] != 0) ++n;
    return n;
}

// A whole number in 1000..119999, or -1.
int ParseCapacity(std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return kMaxCapacity + 1;
    return value;
}

const std::string kCapacityRange = "Capacidade mínima: " + std::to_string(kMinCapacity) +
                                   ", máxima: " + std::to_string(kMaxCapacity) + ";";

// Names typed into the editor's fields go into files every screen of the game draws.
constexpr std::string_view kControlCharacterMessage =
    "Os nomes não podem ter caracteres de controle (tabulação, quebra de linha...)";

template <class... Names>
bool AnyControlCharacters(const Names&... names) {
    return (HasControlCharacters(names) || ...);
}

// The player's fields put within their tables: a characteristic outside its position's range
// takes the first of it, as the dialogs cannot offer it.
PlayerFields Sanitised(PlayerFields f) {
    f.position = std::clamp(f.position, 0, 4);
    f.side = f.side != 0 ? 1 : 0;
    f.nationality = std::clamp(f.nationality, 0, kLastRealCountry);
    f.age = std::clamp(f.age, kMinPlayerAge, kMaxPlayerAge);
    const int low = f.position == 0 ? 0 : kFirstOutfieldCharacteristic;
    const int high = f.position == 0 ? kLastGoalkeeperCharacteristic : kLastCharacteristic;
    if (f.characteristic1 < low || f.characteristic1 > high) f.characteristic1 = low;
    if (f.characteristic2 < low || f.characteristic2 > high) f.characteristic2 = low;
    return f;
}

void PutClubSlot(t_squad_file_record& s, int i, const PlayerFields& f) {
    s.player_names[i].set(f.name);
    s.position[i] = static_cast<std::uint8_t>(f.position);
    s.side[i] = static_cast<std::uint8_t>(f.side);
    s.characteristic1[i] = static_cast<std::uint8_t>(f.characteristic1);
    s.characteristic2[i] = static_cast<std::uint8_t>(f.characteristic2);
    s.age[i] = static_cast<std::uint8_t>(f.age);
    s.nationality[i] = static_cast<std::uint8_t>(f.nationality);
    s.star[i] = f.star ? 1 : 0;
}

void PutNationalSlot(t_national_team_file_record& n, int i, const PlayerFields& f) {
    n.player_names[i].set(f.name);
    n.position[i] = f.position;
    n.side[i] = static_cast<std::uint8_t>(f.side);
    n.characteristic1[i] = f.characteristic1;
    n.characteristic2[i] = f.characteristic2;
    n.age[i] = f.age;
    n.star[i] = f.star ? 1 : 0;
}

// Applies `change` to `entry` and writes it; a refusal of either puts the entry back.
template <typename Entry, typename Change, typename Write>
std::string ChangeAndWrite(Entry& entry, const Change& change, const Write& write) {
    const Entry before = entry;
    std::string message = change(entry);
    if (message.empty()) message = write();
    if (!message.empty()) entry = before;
    return message;
}

std::string TrimmedCopy(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::vector<std::string> EditorDatabase::Load(std::string_view teams_folder,
                                              const std::function<void(int)>& progress) {
    teams_folder_ = std::string(teams_folder);
    clubs_.clear();
    national_teams_ = {};
    national_paths_ = {};
    std::vector<std::string> problems;
    const std::string folder = NativePath(teams_folder);
    int read = 0;
    for (const std::string& name : ListClubFiles(folder)) {
        if (progress) progress(++read);
        std::string problem;
        std::optional<ClubFile> file = ReadClubFile(folder, name, &problem);
        if (!file) {
            problems.push_back(FilePrefix("teams", name) + ": " + problem);
            continue;
        }
        if (file->size < kClubFileSize)
            problems.push_back(FilePrefix("teams", name) + ": arquivo incompleto (" +
                               std::to_string(file->size) + " de " + std::to_string(kClubFileSize) +
                               " bytes)");
        EditorClub club;
        club.path = JoinPath(folder, file->real_name);
        club.club = file->club;
        club.squad = file->squad;
        club.club.file_name.set(DisplayFileName(file->real_name));
        clubs_.push_back(std::move(club));
    }
    const std::string national_folder = JoinPath(folder, kNationalTeamsFolder);
    for (const std::string& name : ListNationalTeamFiles(national_folder)) {
        const std::string shown = FilePrefix("teams\\selecoes", name);
        std::string problem;
        std::optional<NationalTeamFile> file =
            ReadNationalTeamFile(national_folder, name, &problem);
        if (!file) {
            problems.push_back(shown + ": " + problem);
            continue;
        }
        const int country = file->record.country;
        if (country < 0 || country > kLastRealCountry) {
            problems.push_back(shown + ": país desconhecido (" + std::to_string(country) + ")");
            continue;
        }
        if (file->size < kNationalTeamFileSize)
            problems.push_back(shown + ": arquivo incompleto (" + std::to_string(file->size) +
                               " de " + std::to_string(kNationalTeamFileSize) + " bytes)");
        national_teams_[country] = file->record;
        national_paths_[country] = JoinPath(national_folder, file->real_name);
    }
    return problems;
}

bool EditorDatabase::ValidClub(int club) const {
    return club >= 0 && club < static_cast<int>(clubs_.size()) && !clubs_[club].deleted;
}

bool EditorDatabase::IsListedClub(int club) const {
    return ValidClub(club) && clubs_[club].club.version == kClubFileVersion;
}

bool EditorDatabase::IsListedNationalTeam(int country) const {
    if (country < 0 || country > kLastRealCountry) return false;
    const t_national_team_file_record& n = national_teams_[country];
    return !n.coach_name.empty() && n.version == kNationalTeamFileVersion;
}

std::vector<int> EditorDatabase::ListedClubs() const {
    std::vector<int> rows;
    for (int i = 0; i < static_cast<int>(clubs_.size()); ++i)
        if (IsListedClub(i)) rows.push_back(i);
    return rows;
}

std::vector<int> EditorDatabase::ListedNationalTeams() const {
    std::vector<int> rows;
    for (int c = 0; c <= kLastRealCountry; ++c)
        if (IsListedNationalTeam(c)) rows.push_back(c);
    return rows;
}

bool EditorDatabase::ValidClubSlot(int club, int slot) const {
    return ValidClub(club) && slot >= 1 && slot <= kClubSquadSlots;
}

bool EditorDatabase::ValidNationalSlot(int country, int slot) const {
    return IsListedNationalTeam(country) && slot >= 1 && slot <= kNationalSquadSlots;
}

std::string EditorDatabase::NationalTeamPath(int country) const {
    if (!national_paths_[country].empty()) return national_paths_[country];
    return JoinPath(JoinPath(NativePath(teams_folder_), kNationalTeamsFolder),
                    NationalTeamFileName(country));
}

std::int32_t EditorDatabase::NewClubId() const {
    // Kept as the files have always been numbered: ids already given out depend on it.
    std::int32_t b = 0;
    for (const EditorClub& c : clubs_)
        if (b < c.club.club_id) b = c.club.club_id + 1;
    return b + 1000;
}

std::string EditorDatabase::WriteClub(int club) {
    if (!ValidClub(club)) return {};
    EditorClub& e = clubs_[club];
    const t_club_file_record before = e.club;
    e.club.version = kClubFileVersion;
    if (e.club.club_id == 0) e.club.club_id = NewClubId();
    e.club.level = static_cast<std::uint8_t>(ClubLevelAsWritten(e.club.level));
    e.club.squad_complete = IsClubSquadComplete(e.squad) ? 1 : 0;
    std::string error;
    if (!WriteFileAtomic(e.path, EncodeClubFile(e.club, e.squad), &error)) {
        e.club = before;  // the entry stays as the file on disk holds it
        return "Não foi possível gravar o arquivo " + FileNameOf(e.path) + ": " + error;
    }
    return {};
}

std::string EditorDatabase::ChangeClub(int club,
                                       const std::function<std::string(EditorClub&)>& change) {
    if (!ValidClub(club)) return {};
    return ChangeAndWrite(clubs_[club], change, [&] { return WriteClub(club); });
}

std::string EditorDatabase::ChangeNationalTeam(
    int country, const std::function<std::string(t_national_team_file_record&)>& change) {
    if (country < 0 || country > kLastRealCountry) return {};
    return ChangeAndWrite(national_teams_[country], change,
                          [&] { return WriteNationalTeam(country); });
}

std::string EditorDatabase::WriteNationalTeam(int country) {
    if (country < 0 || country > kLastRealCountry) return {};
    t_national_team_file_record& n = national_teams_[country];
    const t_national_team_file_record before = n;
    n.version = kNationalTeamFileVersion;
    // The stored count is the editor's own; it is recomputed so that it never drifts from the
    // named slots.
    n.reserved1 = NamedCount(n.player_names);
    n.squad_complete = IsNationalSquadComplete(n) ? 1 : 0;
    const std::string path = NationalTeamPath(country);
    MakeFolders(FolderOf(path));
    std::string error;
    if (!WriteFileAtomic(path, EncodeNationalTeamFile(n), &error)) {
        n = before;
        return "Não foi possível gravar o arquivo " + FileNameOf(path) + ": " + error;
    }
    national_paths_[country] = path;
    return {};
}

std::string EditorDatabase::AddClub(const NewClubFields& f, int* added) {
    if (TrimmedCopy(f.full_name).empty()) return "Nome completo não informado";
    if (TrimmedCopy(f.short_name).empty()) return "Nome abreviado não informado";
    if (TrimmedCopy(f.coach_name).empty()) return "Técnico não informado";
    if (TrimmedCopy(f.stadium).empty()) return "Estádio não informado";
    if (AnyControlCharacters(f.full_name, f.short_name, f.coach_name, f.stadium, f.picture_name))
        return std::string(kControlCharacterMessage);
    if (f.file_name.empty()) return "Nome arquivo não informado";
    if (!IsSafeClubFileName(f.file_name))
        return "Nome do arquivo: use apenas letras, números, espaços, \"-\" e \"_\" (até " +
               std::to_string(kMaxClubFileNameLength) + ")";
    if (f.capacity.empty()) return "Capacidade do estádio não informada";
    const int capacity = ParseCapacity(f.capacity);
    if (capacity < 0) return "Coloque apenas números na capacidade";
    if (capacity < kMinCapacity || capacity > kMaxCapacity) return kCapacityRange;
    if (f.country < 0 || f.country > kLastRealCountry) return "País não informado";
    const bool has_state = f.state >= 0 && f.state < static_cast<int>(state_codes.size());
    if (f.country == kHomeCountry && !has_state) return "Estado não informado";
    const std::string path = JoinPath(NativePath(teams_folder_), f.file_name + ".b14");
    if (FileExists(path)) return "Arquivo já existe, escolha outro nome";

    EditorClub e;
    e.path = path;
    t_club_file_record& c = e.club;
    c.file_name.set(f.file_name);
    c.version = kClubFileVersion;
    c.short_name.set(f.short_name);
    c.full_name.set(f.full_name);
    c.coach_name.set(f.coach_name);
    c.stadium.set(f.stadium);
    c.capacity = capacity;
    c.country = static_cast<std::uint8_t>(f.country);
    c.level = static_cast<std::uint8_t>(std::clamp(f.level, 0, 25));
    c.back_colour = f.back_colour;
    c.text_colour = f.text_colour;
    c.state =
        has_state && f.country == kHomeCountry ? static_cast<std::uint8_t>(f.state) : kNoState;
    c.reputation = std::clamp(f.reputation, 0, 5);
    c.club_id = NewClubId();
    c.picture_name.set(f.picture_name);
    for (auto& name : e.squad.player_names) name.set_raw(kEmptySlotName);
    clubs_.push_back(std::move(e));
    const int n = static_cast<int>(clubs_.size()) - 1;
    if (std::string error = WriteClub(n); !error.empty()) {
        clubs_.pop_back();
        return error;
    }
    if (added) *added = n;
    return {};
}

const t_club_file_record* EditorDatabase::ClubRecord(int club) const {
    return ValidClub(club) ? &clubs_[club].club : nullptr;
}

std::string EditorDatabase::EditClub(int club, const ClubChanges& ch) {
    if (!ValidClub(club)) return {};
    if (AnyControlCharacters(ch.full_name, ch.short_name, ch.coach_name, ch.stadium))
        return std::string(kControlCharacterMessage);
    return ChangeClub(club, [&](EditorClub& e) -> std::string {
        t_club_file_record& c = e.club;
        if (!ch.full_name.empty()) c.full_name.set(ch.full_name);
        if (!ch.short_name.empty()) c.short_name.set(ch.short_name);
        if (!ch.coach_name.empty()) c.coach_name.set(ch.coach_name);
        if (ch.level >= 0) c.level = static_cast<std::uint8_t>(std::min(ch.level, 25));
        if (!ch.stadium.empty()) c.stadium.set(ch.stadium);
        if (ch.country >= 0) {
            if (ch.country > kLastRealCountry) return "País não informado";
            c.country = static_cast<std::uint8_t>(ch.country);
            // Only clubs of Brasil play a state championship: a club moved abroad leaves its
            // state behind rather than keep a state it no longer has.
            if (c.country != kHomeCountry) c.state = kNoState;
        }
        if (ch.back_colour >= 0) c.back_colour = static_cast<std::int32_t>(ch.back_colour);
        if (ch.text_colour >= 0) c.text_colour = static_cast<std::int32_t>(ch.text_colour);
        if (ch.state >= 0 && c.country == kHomeCountry)
            c.state = ch.state < static_cast<int>(state_codes.size())
                          ? static_cast<std::uint8_t>(ch.state)
                          : kNoState;
        if (ch.reputation >= 0) c.reputation = std::min(ch.reputation, 5);
        if (!ch.capacity.empty()) {
            const int capacity = ParseCapacity(ch.capacity);
            if (capacity < 0) return "Coloque apenas números na capacidade";
            if (capacity < kMinCapacity || capacity > kMaxCapacity) return kCapacityRange;
            c.capacity = capacity;
        }
        if (c.country == kHomeCountry && c.state >= state_codes.size())
            return "Estado não informado";
        return {};
    });
}

std::string EditorDatabase::DeleteClub(int club) {
    if (!ValidClub(club)) return {};
    std::error_code error;
    std::filesystem::remove(clubs_[club].path, error);  // a file already gone is no failure
    if (error && std::filesystem::exists(clubs_[club].path))
        return "Não foi possível excluir o arquivo " + FileNameOf(clubs_[club].path);
    clubs_[club].deleted = true;
    return {};
}

std::string EditorDatabase::SetClubKit(int club, int kit_colour) {
    if (kit_colour < 0 || kit_colour > 6) return {};
    return ChangeClub(club, [&](EditorClub& e) -> std::string {
        e.club.kit_colour = static_cast<std::uint8_t>(kit_colour);
        return {};
    });
}

std::string EditorDatabase::SetClubPicture(int club, std::string_view name,
                                           const std::function<bool(const std::string&)>& loads) {
    if (!ValidClub(club) || name.empty()) return {};
    const std::string crest = ResolvePath(
        JoinPath(JoinPath(NativePath(teams_folder_), "escudos"), std::string(name) + ".png"));
    if (FileExists(crest) && loads && !loads(crest))
        return "Não foi possível carregar o escudo " + FileNameOf(crest);
    return ChangeClub(club, [&](EditorClub& e) -> std::string {
        e.club.picture_name.set(name);
        return {};
    });
}

std::string EditorDatabase::AddNationalTeam(const NationalTeamFields& f) {
    if (f.country < 0 || f.country > kLastRealCountry) return "Escolha o país da seleção";
    if (IsListedNationalTeam(f.country))
        return "Esta seleção já existe, você pode edita-la clicando em editar";
    if (TrimmedCopy(f.coach_name).empty()) return "Nome do técnico não inserido";
    if (AnyControlCharacters(f.coach_name, f.picture_name))
        return std::string(kControlCharacterMessage);
    return ChangeNationalTeam(f.country, [&](t_national_team_file_record& n) -> std::string {
        n.coach_name.set(f.coach_name);
        n.country = f.country;
        n.back_colour = f.back_colour;
        n.text_colour = f.text_colour;
        n.level = std::clamp(f.level, 1, 25);
        n.picture_name.set(f.picture_name);
        return {};
    });
}

std::string EditorDatabase::EditNationalTeam(int country, const NationalTeamFields& f) {
    if (!IsListedNationalTeam(country)) return {};
    if (TrimmedCopy(f.coach_name).empty()) return "Nome do técnico não inserido";
    if (AnyControlCharacters(f.coach_name)) return std::string(kControlCharacterMessage);
    return ChangeNationalTeam(country, [&](t_national_team_file_record& n) -> std::string {
        n.coach_name.set(f.coach_name);
        n.back_colour = f.back_colour;
        n.text_colour = f.text_colour;
        n.level = std::clamp(f.level, 1, 25);
        return {};
    });
}

std::string EditorDatabase::SetNationalTeamPicture(int country, std::string_view name) {
    if (!IsListedNationalTeam(country)) return {};
    return ChangeNationalTeam(country, [&](t_national_team_file_record& n) -> std::string {
        n.picture_name.set(name);
        return {};
    });
}

std::string EditorDatabase::AddClubPlayer(int club, const PlayerFields& fields, int* slot) {
    if (!ValidClub(club)) return {};
    if (TrimmedCopy(fields.name).empty()) return "Nome do jogador em Branco";
    if (AnyControlCharacters(fields.name)) return std::string(kControlCharacterMessage);
    // A slot left with no name counts as free as well as the editor's marker.
    const int t = FirstFreeSlot(clubs_[club].squad.player_names);
    if (t == 0) return "Você já tem 25 jogadores no time";
    const PlayerFields f = Sanitised(fields);
    std::string error = ChangeClub(club, [&](EditorClub& e) -> std::string {
        PutClubSlot(e.squad, t - 1, f);
        e.squad.starter[t - 1] = 0;
        return {};
    });
    if (!error.empty()) return error;
    last_nationality_ = f.nationality > 0 ? f.nationality : kHomeCountry;
    if (slot) *slot = t;
    return {};
}

std::string EditorDatabase::AddNationalPlayer(int country, const PlayerFields& fields, int* slot) {
    if (!IsListedNationalTeam(country)) return {};
    if (TrimmedCopy(fields.name).empty()) return "Nome do jogador em Branco";
    if (AnyControlCharacters(fields.name)) return std::string(kControlCharacterMessage);
    const int t = FirstFreeSlot(national_teams_[country].player_names);
    if (t == 0) return "A seleção já tem 28 jogadores";
    std::string error = ChangeNationalTeam(country, [&](t_national_team_file_record& n) {
        PutNationalSlot(n, t - 1, Sanitised(fields));
        n.starter[t - 1] = 0;
        return std::string();
    });
    if (error.empty() && slot) *slot = t;
    return error;
}

std::string EditorDatabase::EditClubPlayer(int club, int slot, const PlayerFields& fields) {
    if (!ValidClubSlot(club, slot)) return {};
    if (AnyControlCharacters(fields.name)) return std::string(kControlCharacterMessage);
    return ChangeClub(club, [&](EditorClub& e) -> std::string {
        PlayerFields f = Sanitised(fields);
        if (TrimmedCopy(f.name).empty()) f.name = e.squad.player_names[slot - 1].str();
        PutClubSlot(e.squad, slot - 1, f);
        return {};
    });
}

std::string EditorDatabase::EditNationalPlayer(int country, int slot, const PlayerFields& fields) {
    if (!ValidNationalSlot(country, slot)) return {};
    if (AnyControlCharacters(fields.name)) return std::string(kControlCharacterMessage);
    return ChangeNationalTeam(country, [&](t_national_team_file_record& n) -> std::string {
        PlayerFields f = Sanitised(fields);
        if (TrimmedCopy(f.name).empty()) f.name = n.player_names[slot - 1].str();
        PutNationalSlot(n, slot - 1, f);
        return {};
    });
}

std::string EditorDatabase::DeleteClubPlayer(int club, int slot) {
    if (!ValidClubSlot(club, slot)) return {};
    return ChangeClub(club, [&](EditorClub& e) -> std::string {
        e.squad.player_names[slot - 1].set_raw(kEmptySlotName);
        e.squad.starter[slot - 1] = 0;  // a free slot must not come back as a starter
        return {};
    });
}

std::string EditorDatabase::DeleteNationalPlayer(int country, int slot) {
    if (!ValidNationalSlot(country, slot)) return {};
    return ChangeNationalTeam(country, [&](t_national_team_file_record& n) -> std::string {
        n.player_names[slot - 1].set_raw(kEmptySlotName);
        n.starter[slot - 1] = 0;
        return {};
    });
}

namespace {

// The fields a club squad and a national team share go over byte for byte: a stored name may
// hold bytes no dialog types.
template <class To, class From>
void CopyPlayerSlot(To& to, int i, const From& from, int j) {
    to.player_names[i] = from.player_names[j];
    to.position[i] = from.position[j];
    to.characteristic1[i] = from.characteristic1[j];
    to.characteristic2[i] = from.characteristic2[j];
    to.age[i] = from.age[j];
    to.side[i] = from.side[j];
    to.star[i] = from.star[j];
}

// A refused write is reported through `error` (when given) and counts as no change.
bool Written(std::string result, std::string* error) {
    if (error) *error = result;
    return result.empty();
}
}  // namespace

bool EditorDatabase::ToggleClubStarter(int club, int slot, std::string* error) {
    if (error) error->clear();
    if (!ValidClubSlot(club, slot)) return false;
    const t_squad_file_record& s = clubs_[club].squad;
    if (!IsNamedSlot(s.player_names[slot - 1])) return false;
    if (s.starter[slot - 1] == 0 && ClubStarterCount(club) >= kMaxStarters) return false;
    return Written(ChangeClub(club,
                              [&](EditorClub& e) -> std::string {
                                  std::uint8_t& starter = e.squad.starter[slot - 1];
                                  starter = starter != 0 ? 0 : 1;
                                  return {};
                              }),
                   error);
}

bool EditorDatabase::ToggleNationalStarter(int country, int slot, std::string* error) {
    if (error) error->clear();
    if (!ValidNationalSlot(country, slot)) return false;
    const t_national_team_file_record& n = national_teams_[country];
    if (!IsNamedSlot(n.player_names[slot - 1])) return false;
    if (n.starter[slot - 1] == 0 && NationalStarterCount(country) >= kMaxStarters) return false;
    return Written(ChangeNationalTeam(country,
                                      [&](t_national_team_file_record& m) -> std::string {
                                          auto& starter = m.starter[slot - 1];
                                          starter = starter != 0 ? 0 : 1;
                                          return {};
                                      }),
                   error);
}

bool EditorDatabase::AgeClubPlayer(int club, int slot, std::string* error) {
    if (error) error->clear();
    if (!ValidClubSlot(club, slot)) return false;
    if (clubs_[club].squad.age[slot - 1] >= kMaxPlayerAge) return false;
    return Written(ChangeClub(club,
                              [&](EditorClub& e) -> std::string {
                                  ++e.squad.age[slot - 1];
                                  return {};
                              }),
                   error);
}

bool EditorDatabase::SetClubPlayerSide(int club, int slot, int side, std::string* error) {
    if (error) error->clear();
    if (!ValidClubSlot(club, slot)) return false;
    return Written(ChangeClub(club,
                              [&](EditorClub& e) -> std::string {
                                  e.squad.side[slot - 1] = side != 0 ? 1 : 0;
                                  return {};
                              }),
                   error);
}

PlayerFields EditorDatabase::ClubPlayer(int club, int slot) const {
    PlayerFields f;
    if (club < 0 || club >= static_cast<int>(clubs_.size()) || slot < 1 || slot > kClubSquadSlots)
        return f;
    const t_squad_file_record& s = clubs_[club].squad;
    const int i = slot - 1;
    f.name = s.player_names[i].str();
    f.position = s.position[i];
    f.side = s.side[i];
    f.nationality = s.nationality[i];
    f.characteristic1 = s.characteristic1[i];
    f.characteristic2 = s.characteristic2[i];
    f.age = s.age[i];
    f.star = s.star[i] != 0;
    return f;
}

PlayerFields EditorDatabase::NationalPlayer(int country, int slot) const {
    PlayerFields f;
    if (country < 0 || country > kLastRealCountry || slot < 1 || slot > kNationalSquadSlots)
        return f;
    const t_national_team_file_record& n = national_teams_[country];
    const int i = slot - 1;
    f.name = n.player_names[i].str();
    f.position = n.position[i];
    f.side = n.side[i];
    f.nationality = country;
    f.characteristic1 = n.characteristic1[i];
    f.characteristic2 = n.characteristic2[i];
    f.age = n.age[i];
    f.star = n.star[i] != 0;
    return f;
}

bool EditorDatabase::CanMovePlayerTo(int club) const {
    return IsListedClub(club) && FirstFreeSlot(clubs_[club].squad.player_names) != 0;
}

std::string EditorDatabase::MovePlayer(int slot, int from_club, int to_club) {
    if (!ValidClubSlot(from_club, slot) || !IsListedClub(to_club)) return {};
    if (!IsNamedSlot(clubs_[from_club].squad.player_names[slot - 1])) return {};
    if (!CanMovePlayerTo(to_club)) return "O time de destino já tem 25 jogadores";
    const EditorClub from_before = clubs_[from_club];
    const EditorClub to_before = clubs_[to_club];
    t_squad_file_record& from = clubs_[from_club].squad;
    t_squad_file_record& to = clubs_[to_club].squad;
    const int i = FirstFreeSlot(to.player_names) - 1;
    const int j = slot - 1;
    CopyPlayerSlot(to, i, from, j);
    to.nationality[i] = from.nationality[j];
    to.starter[i] = 0;
    from.player_names[j].set_raw(kEmptySlotName);
    from.starter[j] = 0;
    const auto undo = [&] {
        clubs_[from_club] = from_before;
        clubs_[to_club] = to_before;
    };
    if (std::string error = WriteClub(to_club); !error.empty()) {
        undo();
        return error + ". O jogador não foi transferido.";
    }
    if (to_club == from_club) return {};
    std::string error = WriteClub(from_club);
    if (error.empty()) return {};
    // The player must not end up in both files: the destination takes its old file back.
    const EditorClub to_written = clubs_[to_club];
    undo();
    if (WriteClub(to_club).empty()) return error + ". O jogador não foi transferido.";
    clubs_[to_club] = to_written;  // the tables stay as the files on disk hold them
    return error + ". O jogador ficou nos dois times: exclua-o de um deles.";
}

std::string EditorDatabase::CopyPlayerToNationalTeam(int club, int slot) {
    if (!ValidClubSlot(club, slot)) return {};
    const t_squad_file_record& s = clubs_[club].squad;
    if (!IsNamedSlot(s.player_names[slot - 1])) return {};
    const int country = s.nationality[slot - 1];
    if (!IsListedNationalTeam(country)) return "O país do jogador não tem seleção";
    const int t = FirstFreeSlot(national_teams_[country].player_names);
    if (t == 0) return "A seleção já tem 28 jogadores";
    return ChangeNationalTeam(country, [&](t_national_team_file_record& n) -> std::string {
        const int i = t - 1;
        const int j = slot - 1;
        CopyPlayerSlot(n, i, s, j);
        n.starter[i] = 0;  // a player called in by a drag starts as a reserve
        return {};
    });
}

int EditorDatabase::ClubPlayerCount(int club) const {
    if (club < 0 || club >= static_cast<int>(clubs_.size())) return 0;
    return NamedCount(clubs_[club].squad.player_names);
}

int EditorDatabase::ClubStarterCount(int club) const {
    if (club < 0 || club >= static_cast<int>(clubs_.size())) return 0;
    return StarterCount(clubs_[club].squad.player_names, clubs_[club].squad.starter);
}

int EditorDatabase::NationalPlayerCount(int country) const {
    if (country < 0 || country > kLastRealCountry) return 0;
    return NamedCount(national_teams_[country].player_names);
}

int EditorDatabase::NationalStarterCount(int country) const {
    if (country < 0 || country > kLastRealCountry) return 0;
    return StarterCount(national_teams_[country].player_names, national_teams_[country].starter);
}

namespace {
template <std::size_t N>
std::string TableText(const std::array<std::string_view, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return "?";
    return std::string(table[index]);
}
}  // namespace

std::string CountryText(int country) {
    return TableText(country_names, country);
}
std::string PositionText(int position) {
    return TableText(position_names, position);
}
std::string ReputationText(int reputation) {
    return TableText(reputation_names, reputation);
}

std::string StateText(int state) {
    if (state < 0 || state >= static_cast<int>(state_codes.size())) return {};
    return std::string(state_codes[state]);
}

std::string CharacteristicsText(int characteristic1, int characteristic2) {
    if (characteristic1 == characteristic2) return TableText(characteristic_names, characteristic1);
    return TableText(characteristic_abbrevs, characteristic1) + "/" +
           TableText(characteristic_abbrevs, characteristic2);
}

int CountryForKey(char32_t key, int current) {
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    if (key < 'A' || key > 'Z') return current;
    const std::string prefix = key == 'M' ? "Ma" : std::string(1, static_cast<char>(key));
    for (int c = 0; c < kEditorNationalTeams; ++c)
        if (country_names[c].starts_with(prefix)) return c;
    return current;
}

bool IsSafeClubFileName(std::string_view name) {
    if (name.empty() || name.size() > kMaxClubFileNameLength) return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == ' ' || c == '-' || c == '_';
    });
}

}  // namespace kv
