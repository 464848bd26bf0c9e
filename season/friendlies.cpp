#include "season/friendlies.h"

#include "core/dates.h"
#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/types.h"
#include "season/fixture_list.h"
#include "season/human_involvement.h"

namespace kv {
namespace {

bool ValidTeam(const GameData& data, int team) {
    return team >= 0 && team < static_cast<int>(data.teams.size());
}

}  // namespace

int FriendlyFee(const GameData& data, int club, int opponent, bool at_home) {
    if (!ValidTeam(data, club) || !ValidTeam(data, opponent)) return 0;
    const t_team& o = data.teams[opponent];
    auto fee = [at_home](int away, int home) { return at_home ? home : away; };
    if (o.country == data.teams[club].country) {
        switch (o.division) {
            case 0:
                return fee(10'000, 20'000);
            case 1:
                return fee(50'000, 150'000);
            case 2:
                return fee(40'000, 100'000);
            case 3:
                return fee(20'000, 40'000);
            case 4:
                return fee(10'000, 15'000);
            default:
                return 0;
        }
    }
    if (o.level >= 1 && o.level <= 10) return fee(20'000, 60'000);
    if (o.level >= 11 && o.level <= 15) return fee(20'000, 80'000);
    if (o.level >= 16 && o.level <= 20) return fee(80'000, 200'000);
    if (o.level >= 21 && o.level <= 25) return fee(100'000, 300'000);
    return 0;
}

bool FriendlyRefusedByReputation(const GameData& data, int club, int opponent) {
    if (!ValidTeam(data, club) || !ValidTeam(data, opponent)) return true;
    const int theirs = data.teams[opponent].reputation;
    const int ours = data.teams[club].reputation;
    return (theirs == 5 && ours < 3) || (theirs == 4 && ours < 2);
}

bool HasFriendlyOn(const GameData& data, int team, double date) {
    for (const t_friendly& f : data.friendlies)
        if (f.date == date && (f.home == team || f.away == team)) return true;
    return false;
}

FriendlyDays FreeFriendlyDays(const GameData& data, int club, bool preseason) {
    FriendlyDays result;
    double limit = data.calendar[kCalendarDays - 1].date;
    if (preseason)
        for (const t_calendar_day& day : data.calendar)
            if (day.day_type == ckNationalLeague || day.day_type == ckStateChampionship) {
                limit = day.date;
                result.start_text =
                    (day.day_type == ckNationalLeague ? "Camp. nacional se inicia em "
                                                      : "Camp. estadual se inicia em ") +
                    FormatDate(day.date);
                break;
            }
    const double today = TodayDate(data);
    for (int d = 1; d <= kCalendarDays; ++d) {
        const t_calendar_day& day = data.calendar[d - 1];
        if (day.day_type != ckFriendly || day.date <= today || day.date > limit) continue;
        bool booked = false;
        for (const t_friendly& f : data.friendlies)
            booked |= !f.taken && f.date == day.date && (f.home == club || f.away == club);
        if (!booked) result.days.push_back(d);
    }
    return result;
}

FriendlyAnswer RequestFriendly(const GameData& data, int club, int opponent, bool at_home,
                               int day) {
    if (day >= 1 && day <= kCalendarDays &&
        HasFriendlyOn(data, opponent, data.calendar[day - 1].date))
        return FriendlyAnswer::kEngaged;
    if (FriendlyRefusedByReputation(data, club, opponent)) return FriendlyAnswer::kRefused;
    if (MoneyToUnits(data.teams[club].cash) < FriendlyFee(data, club, opponent, at_home))
        return FriendlyAnswer::kCashShort;
    return FriendlyAnswer::kAsk;
}

void BookFriendly(GameData& data, int club, int opponent, bool at_home, int day) {
    if (!ValidTeam(data, club) || !ValidTeam(data, opponent) || day < 1 || day > kCalendarDays)
        return;
    if (!IsHumanManaged(data, opponent))
        data.teams[club].cash -= MoneyFromUnits(FriendlyFee(data, club, opponent, at_home));
    const double date = data.calendar[day - 1].date;
    t_friendly& f = data.friendlies.emplace_back();
    f.home = at_home ? club : opponent;
    f.away = at_home ? opponent : club;
    f.date = date;
    AppendFixture(data, f.home, f.away, -1, ckFriendly, -1, -1, -1, date);
}

}  // namespace kv
