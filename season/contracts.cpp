#include "season/contracts.h"

#include <cmath>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "season/contract_dates.h"
#include "season/news.h"
#include "season/player_economy.h"

namespace kv {
namespace {

std::int32_t RoundUnits(double x) {
    return static_cast<std::int32_t>(std::lround(x));
}

// Clubs near the top of the table pay more for every length; the others get a discount on
// short contracts.
int LengthAdjustmentPercent(int table_position, int months) {
    const bool top = table_position <= 6;
    if (months <= 6) return top ? 10 : -10;
    if (months <= 12) return top ? 20 : -5;
    return top ? 30 : 10;
}

}  // namespace

std::int32_t ContractDemand(const GameData& data, int player, int months) {
    if (!InTable(data.players, player)) return 0;
    const t_player& p = data.players[player];
    const std::int32_t base = CalcPlayerWage(data, player);
    const int place =
        InTable(data.teams, p.team) ? data.teams[p.team].table_position[ckNationalLeague] : 0;
    std::int32_t demand = base + RoundUnits(base * LengthAdjustmentPercent(place, months) / 100.0);
    const std::int32_t wage = MoneyToWholeUnits(p.wage);
    if (wage >= demand && p.contract_end > TodayDate(data) + 30)
        demand = wage + RoundUnits(demand * 0.1);
    return demand;
}

std::int32_t ContractCeiling(std::int32_t demand) {
    return 5 * demand;
}

ContractAnswer AnswerContractOffer(std::int32_t offer, std::int32_t demand) {
    if (offer > 100'000 && offer > ContractCeiling(demand)) return ContractAnswer::kAboveCeiling;
    return offer >= demand ? ContractAnswer::kAccepted : ContractAnswer::kCounterDemand;
}

void SignNewContract(GameData& data, int player, std::int32_t wage, int months) {
    if (!InTable(data.players, player) || player == 0) return;
    t_player& p = data.players[player];
    if (p.on_sale) {
        p.on_sale = 0;
        p.asking_price = p.value;
    }
    SetContractEndMonths(data, months, player);
    const std::int32_t current = MoneyToWholeUnits(p.wage);
    if (wage > current + RoundUnits(0.3 * current)) {
        p.morale += 1;
        AddNewsItem(data, p.team, nePlayerMessage, 1, player, 0, 0);
    }
    if (p.morale > 3) p.morale = 3;
    p.wage = MoneyFromUnits(wage);
    if (InTable(data.teams, p.team)) CalcWageBill(data, p.team);
}

}  // namespace kv
