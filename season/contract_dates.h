#pragma once
// Contracts dated from the current day of the calendar.

namespace kv {

struct GameData;

// The contract ends 7 x weeks days after today; a notice already sent is forgotten.
void SetContractEndWeeks(GameData& data, int weeks, int player);

// The contract ends the given number of calendar months after today, on the same day
// of the month or the month's last day when it is shorter.
void SetContractEndMonths(GameData& data, int months, int player);

}  // namespace kv
