#pragma once
// What a person would write down of a match: goals, cards, injuries, substitutions.

#include <cstdint>
#include <string_view>

#include "core/game_data.h"
#include "core/types.h"

namespace kv {

// Appends an event of side 1 (home) or 2 (away) of day match `match`, stamped with the match's
// tick; a goal by a player of the other team is stored as an own goal. Returns its index in
// match_events, or -1 (nothing added) when the match or the side does not exist.
int AddMatchEvent(int side, int player, int match, int value, int kind);

// The engine's recorder: books the player's statistics of the event, then adds it; an injury with
// a replacement adds a second event. Returns the index of the last event added, or -1.
int RecordMatchEvent(int side, int player, int match, int value, int kind);

// Appends a line to club_competition_history: a club's placing or stage in a competition kind
// this season, with its division or group (-1 none).
void RecordCompetitionResult(int team, int placing, int kind, int extra);

// The player statistics of an event ("gol", "ca", "cv", "ct") are kept by the season's statistics;
// they plug in here. Without a recorder the events are only listed.
void SetPlayerEventRecorder(PlayerEventRecorder recorder);

}  // namespace kv
