#pragma once
// Moving the current day of the calendar to the next day on which something is played.

namespace kv {

struct GameData;

enum class AdvanceResult {
    kPlayDay,        // calendar_day is a competition day, a rest day or a day with a friendly
    kNoPlayDayLeft,  // the season is over: calendar_day is left on day 366
};

// Walks from calendar_day + 1: a competition or rest day stops the walk, a friendlies
// day only when a friendly is booked on it; free and skipped days are passed over.
AdvanceResult AdvanceToNextPlayDay(GameData& data);

// Friendlies not yet placed by a match day that fall on the date of the 1-based day.
bool FriendlyOnDay(const GameData& data, int day);
bool HumanClubHasFriendly(const GameData& data, int day);
bool ClubHasFriendlyOn(const GameData& data, int day, int club);

}  // namespace kv
