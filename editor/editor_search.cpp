#include "editor/editor_search.h"

#include <algorithm>

#include "core/text_tables.h"
#include "platform/base/cp1252.h"
#include "platform/base/files.h"

namespace kv {
namespace {

// Windows-1252 bytes: one byte a character, so folding keeps every position.
constexpr std::string_view kAccented =
    "\xE0\xE1\xE2\xE3\xE9\xE8\xEA\xF3\xF2\xF4\xF5\xFA\xF9\xFB"
    "\xFC\xED\xEC\xEE\xE7\xF1\xE4\xEB\xEF\xF6";
constexpr std::string_view kPlain = "aaaaeeeoooouuuuiiicnaeio";
static_assert(kAccented.size() == 24 && kPlain.size() == 24);

std::string FoldBytes(std::string bytes) {
    for (char& c : bytes)
        if (const auto at = kAccented.find(c); at != std::string_view::npos) c = kPlain[at];
    return bytes;
}

unsigned char LowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

bool StartsWithFolded(std::string_view name_bytes, std::string_view typed_bytes) {
    const std::string name = FoldBytes(std::string(name_bytes));
    const std::string typed = FoldBytes(std::string(typed_bytes));
    if (typed.size() > name.size()) return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (LowerByte(name[i]) != LowerByte(typed[i])) return false;
    return true;
}

std::vector<bool> RowsWithoutPicture(const EditorDatabase& db, std::span<const int> rows,
                                     std::string_view folder) {
    std::vector<bool> missing(rows.size(), false);
    const std::string pictures = JoinPath(NativePath(db.teams_folder()), folder);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const t_club_file_record& c = db.clubs()[rows[r]].club;
        missing[r] = !FileExists(JoinPath(pictures, c.picture_name.str() + ".png"));
    }
    return missing;
}

std::string SquadText(int goalkeepers, int others, int others_needed) {
    if (goalkeepers == 0) return "elenco sem goleiro";
    return "elenco curto (" + std::to_string(others) + " jogadores de linha; são precisos " +
           std::to_string(others_needed) + ")";
}

template <typename Names, typename Positions>
void CountSquad(const Names& names, const Positions& positions, int& goalkeepers, int& others) {
    goalkeepers = others = 0;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (IsNamedSlot(names[i])) ++(positions[i] == 0 ? goalkeepers : others);
}

}  // namespace

std::string FoldAccents(std::string_view utf8) {
    return Cp1252ToUtf8(FoldBytes(Utf8ToCp1252(utf8)));
}

bool NameStartsWith(std::string_view name, std::string_view typed) {
    return StartsWithFolded(Utf8ToCp1252(name), Utf8ToCp1252(typed));
}

int TeamSearch::Find(const EditorDatabase& db, std::span<const int> rows, std::string_view typed) {
    if (next_row > static_cast<int>(rows.size())) next_row = 0;
    if (!typed.empty()) {
        const std::string typed_bytes = Utf8ToCp1252(typed);
        for (int i = next_row; i < static_cast<int>(rows.size()); ++i) {
            if (StartsWithFolded(db.clubs()[rows[i]].club.short_name.raw(), typed_bytes)) {
                next_row = i + 1;
                return i;
            }
        }
    }
    next_row = 0;
    return -1;
}

PlayerHit PlayerSearch::Find(const EditorDatabase& db, std::span<const int> rows,
                             std::string_view typed) {
    if (next_row > static_cast<int>(rows.size())) Reset();
    if (!typed.empty()) {
        const std::string typed_bytes = Utf8ToCp1252(typed);
        for (int i = next_row; i < static_cast<int>(rows.size()); ++i) {
            const t_squad_file_record& s = db.clubs()[rows[i]].squad;
            for (int j = i == next_row ? next_slot : 1; j <= kClubSquadSlots; ++j) {
                const PString<35>& name = s.player_names[j - 1];
                if (name.raw() == kEmptySlotName) continue;
                if (!StartsWithFolded(name.raw(), typed_bytes)) continue;
                next_row = i;
                next_slot = j + 1;
                if (next_slot > kClubSquadSlots) {
                    next_slot = 1;
                    next_row = i + 1;
                }
                return {i, j};
            }
        }
    }
    Reset();
    return {};
}

std::vector<bool> ClubsWithoutCrest(const EditorDatabase& db, std::span<const int> rows) {
    return RowsWithoutPicture(db, rows, "escudos");
}

std::vector<bool> ClubsWithoutKit(const EditorDatabase& db, std::span<const int> rows) {
    return RowsWithoutPicture(db, rows, "camisas");
}

std::vector<DuplicatePlayer> DuplicatePlayers(const EditorDatabase& db, std::span<const int> rows) {
    std::vector<DuplicatePlayer> found;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const EditorClub& e = db.clubs()[rows[r]];
        const auto& names = e.squad.player_names;
        for (int i = 0; i < kClubSquadSlots; ++i) {
            if (!IsNamedSlot(names[i])) continue;
            for (int j = i + 1; j < kClubSquadSlots; ++j) {
                if (names[j].raw() != names[i].raw()) continue;
                found.push_back(
                    {static_cast<int>(r), e.club.short_name.str() + "-" + names[i].str()});
                break;
            }
        }
    }
    return found;
}

std::vector<int> SortByCountryLevelName(const EditorDatabase& db, std::vector<int> clubs) {
    std::stable_sort(clubs.begin(), clubs.end(), [&db](int a, int b) {
        const t_club_file_record& x = db.clubs()[a].club;
        const t_club_file_record& y = db.clubs()[b].club;
        if (x.country != y.country) return x.country < y.country;
        if (x.level != y.level) return x.level > y.level;
        return x.short_name.raw() < y.short_name.raw();
    });
    return clubs;
}

std::vector<SquadFault> CheckSquads(const EditorDatabase& db) {
    std::vector<SquadFault> faults;
    int goalkeepers = 0;
    int others = 0;
    for (int club : db.ListedClubs()) {
        const EditorClub& e = db.clubs()[club];
        CountSquad(e.squad.player_names, e.squad.position, goalkeepers, others);
        if (goalkeepers >= 1 && others >= 11) continue;
        faults.push_back(
            {false, club, e.club.short_name.str() + ": " + SquadText(goalkeepers, others, 11)});
    }
    for (int country : db.ListedNationalTeams()) {
        const t_national_team_file_record& n = db.national_team(country);
        CountSquad(n.player_names, n.position, goalkeepers, others);
        if (goalkeepers >= 1 && others >= 15) continue;
        faults.push_back(
            {true, country, CountryText(country) + ": " + SquadText(goalkeepers, others, 15)});
    }
    return faults;
}

}  // namespace kv
