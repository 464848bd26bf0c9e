#pragma once
// What every goal, card, injury and appearance leaves behind: the season tallies per
// competition, the player's season line at his club and his career totals, and for cards and
// injuries their consequences (suspension, time out, lost strength, news to a human club).
// Also the head-to-head record of two clubs from the results history.

#include <string_view>

#include "core/records_season.h"

namespace kv {

class GameData;

// Keys: "gol" a goal, "j" a match played, "ca" a yellow card, "cv" a red card, "ct" an
// injury; any other key does nothing, and so does a player index that names no player.
// `club` is the side he played for (stored in new tally and season lines); `competition` the
// match's competition id. Cards and injuries count for the kind of today's match day.
void RecordPlayerEvent(GameData& data, int player, int club, int competition, std::string_view key);

// What an injury costs a player of an age before the draws: weeks out (base plus 0..spread-1
// drawn) and strength lost.
struct InjuryByAge {
    int weeks = 0;
    int spread = 0;
    int strength_loss = 0;
};
InjuryByAge InjuryAgeBand(int age);

// The meetings of club_a and club_b seen from club_a. When they never met, the counters are 0
// and the last meeting is the first entry of the history (callers show it only when matches
// is above 0); an empty history gives all zeros.
t_head_to_head HeadToHead(const GameData& data, int club_a, int club_b);

}  // namespace kv
