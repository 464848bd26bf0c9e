#include "season/contract_dates.h"

#include <algorithm>
#include <cmath>

#include "core/dates.h"
#include "core/field_readers.h"
#include "core/game_data.h"

namespace kv {
namespace {

// Same day of the month, or the month's last day when the target month is shorter.
TDateTime AddMonths(TDateTime date, int months) {
    const DateParts d = DecodeDate(date);
    const int total = d.year * 12 + (d.month - 1) + months;
    const int year = total / 12;
    const int month = total % 12 + 1;
    const TDateTime whole = EncodeDate(year, month, std::min(d.day, DaysInMonth(year, month)));
    return whole + (date - std::floor(date));
}

}  // namespace

void SetContractEndWeeks(GameData& data, int weeks, int player) {
    if (!InTable(data.players, player)) return;
    t_player& p = data.players[player];
    p.contract_end = TodayDate(data) + 7.0 * weeks;
    p.contract_notice = 0;
}

void SetContractEndMonths(GameData& data, int months, int player) {
    if (!InTable(data.players, player)) return;
    t_player& p = data.players[player];
    p.contract_end = AddMonths(TodayDate(data), months);
    p.contract_notice = 0;
}

}  // namespace kv
