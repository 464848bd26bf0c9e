#include "season/calendar_advance.h"

#include <algorithm>

#include "core/game_data.h"
#include "season/human_involvement.h"

namespace kv {
namespace {

// Calls fits(friendly) for every untaken friendly on the day's date until one fits.
template <typename Fits>
bool AnyFriendlyOnDay(const GameData& data, int day, Fits fits) {
    if (day < 1 || day > kCalendarDays) return false;
    const double date = data.calendar[day - 1].date;
    for (const t_friendly& f : data.friendlies)
        if (f.date == date && !f.taken && fits(f)) return true;
    return false;
}

}  // namespace

AdvanceResult AdvanceToNextPlayDay(GameData& data) {
    int& current = data.game_state.calendar_day;
    for (int day = std::clamp(current, 0, kCalendarDays) + 1; day <= kCalendarDays; ++day) {
        const int type = data.calendar[day - 1].day_type;
        if (type > 0 || (type == ckFriendly && FriendlyOnDay(data, day))) {
            current = day;
            return AdvanceResult::kPlayDay;
        }
    }
    current = kCalendarDays;
    return AdvanceResult::kNoPlayDayLeft;
}

bool FriendlyOnDay(const GameData& data, int day) {
    return AnyFriendlyOnDay(data, day, [](const t_friendly&) { return true; });
}

bool HumanClubHasFriendly(const GameData& data, int day) {
    return AnyFriendlyOnDay(data, day, [&](const t_friendly& f) {
        return IsHumanManaged(data, f.home) || IsHumanManaged(data, f.away);
    });
}

bool ClubHasFriendlyOn(const GameData& data, int day, int club) {
    return AnyFriendlyOnDay(data, day,
                            [&](const t_friendly& f) { return f.home == club || f.away == club; });
}

}  // namespace kv
