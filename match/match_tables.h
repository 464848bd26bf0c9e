#pragma once
// Checked access to the game tables the engine works on: an index out of its table gives
// nullptr, so a damaged line-up or a stale index never reads past a table during a tick.

#include "core/field_readers.h"
#include "core/game_data.h"

namespace kv {

template <class Table>
auto* TableEntry(Table& table, int index) {
    return index >= 0 && index < static_cast<int>(table.size()) ? &table[index] : nullptr;
}

// Entry 0 of players holds no player, so it is never returned.
inline t_player* PlayerAt(int p) { return p > 0 ? TableEntry(Game().players, p) : nullptr; }
inline t_team* TeamAt(int t) { return TableEntry(Game().teams, t); }
inline t_match_strength* StrengthAt(int s) { return TableEntry(Game().match_strengths, s); }
// Day match 0 is never a match.
inline jogos* DayMatchAt(int m) { return m > 0 ? TableEntry(Game().day_matches, m) : nullptr; }

// The date of the current calendar day (0 outside the calendar) and the kind being played.
inline double TodaysDate() { return TodayDate(Game()); }
inline int CurrentMatchKind() {
    const int k = Game().game_state.match_kind;
    return k >= 0 && k < kCompetitionKindCount ? k : 0;
}

inline bool IsHumanTeam(int t) {
    const t_team* team = TeamAt(t);
    return team && team->human;
}
// -1 for a team without a coach or outside the table.
inline int CoachOfTeam(int t) {
    const t_team* team = TeamAt(t);
    return team ? team->coach : -1;
}

inline bool IsOnPitch(int p) {
    const t_player* pl = PlayerAt(p);
    return pl && pl->on_pitch;
}

}  // namespace kv
