#include "season/prize_money.h"

#include "core/game_data.h"
#include "core/money.h"

namespace kv {

void PayPrize(GameData& data, int team, int units) {
    if (!InTable(data.teams, team)) return;
    data.teams[team].cash += MoneyFromUnits(units);
    if (InTable(data.finances, team)) data.finances[team].prizes += units;
}

}  // namespace kv
