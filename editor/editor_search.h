#pragma once
// Finding clubs and players by the start of their names, accents and case aside, and the checks
// of the whole database the editor offers: missing crests and kits, a player named twice in one
// squad, and squads the game cannot field.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_database.h"

namespace kv {

// Lower-case accented letters become their plain letters; upper-case ones stay as they are.
// Works on UTF-8 and never changes the number of characters.
std::string FoldAccents(std::string_view utf8);

// True when `name` begins with `typed`, both folded, without regard to case.
bool NameStartsWith(std::string_view name, std::string_view typed);

// The club search: each call goes on from the row after the last hit; a search that finds
// nothing starts again from the first row on the next call.
struct TeamSearch {
    int next_row = 0;
    void Reset() { next_row = 0; }
    // The row of `rows` (club indexes in list order) of the next club whose short name matches,
    // or -1.
    int Find(const EditorDatabase& db, std::span<const int> rows, std::string_view typed);
};

struct PlayerHit {
    int row = -1;
    int slot = 0;  // 1..25
};

// The player search: goes on from the slot after the last hit, through slot 25 of that club and
// then the clubs after it.
struct PlayerSearch {
    int next_row = 0;
    int next_slot = 1;
    void Reset() {
        next_row = 0;
        next_slot = 1;
    }
    PlayerHit Find(const EditorDatabase& db, std::span<const int> rows, std::string_view typed);
};

// The rows whose club has no crest (teams/escudos/<picture>.png) or no first kit
// (teams/camisas/<picture>.png); other picture kinds do not count.
std::vector<bool> ClubsWithoutCrest(const EditorDatabase& db, std::span<const int> rows);
std::vector<bool> ClubsWithoutKit(const EditorDatabase& db, std::span<const int> rows);

// A player named twice (the same bytes) in one club's squad: the row and "short name-player".
struct DuplicatePlayer {
    int row = -1;
    std::string text;
};
std::vector<DuplicatePlayer> DuplicatePlayers(const EditorDatabase& db, std::span<const int> rows);

// The clubs by country, then the higher level first, then the short name (byte order): the
// order of the club list's "País" header.
std::vector<int> SortByCountryLevelName(const EditorDatabase& db, std::vector<int> clubs);

// A squad the game would not take: no goalkeeper, or too few other players (11 for a club, 15
// for a national team). `team` is the club index or the country.
struct SquadFault {
    bool national = false;
    int team = -1;
    std::string text;  // "<name>: ..." in Portuguese
};
std::vector<SquadFault> CheckSquads(const EditorDatabase& db);

}  // namespace kv
