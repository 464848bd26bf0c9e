#include "season/purchase_negotiation.h"

#include <algorithm>
#include <cmath>

#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"
#include "season/human_involvement.h"
#include "season/transfers.h"

namespace kv {
namespace {

// A player of a higher division judges a move down: he refuses, or asks a rise, or (when
// the move costs him nothing) says nothing.
struct DivisionVerdict {
    bool refuses = false;
    float rise = 0;  // 0: no rise asked
};

DivisionVerdict JudgeMoveDown(const GameData& data, const t_player& p, int buyer) {
    DivisionVerdict v;
    const t_team& club = data.teams[p.team];
    const int sd = club.division;
    const int ud = data.teams[buyer].division;
    const int lv = club.level;
    if (ud <= sd) return v;
    auto rise_if = [&v](bool willing, float factor) {
        if (willing)
            v.rise = factor;
        else
            v.refuses = true;
    };
    const bool listed = p.on_sale != 0;
    if (data.game_state.league_format == kDivisionsOf20) {
        if (sd == 1) rise_if(lv < 20 || listed, 3.0f);
        return v;
    }
    if (sd == 1 && ud == 2)
        rise_if(lv < 20 || listed, p.strength > 50 ? 4.0f : 3.0f);
    else if (sd == 1 && ud == 3)
        rise_if(lv < 20 || listed, p.strength > 40 ? 5.0f : 3.0f);
    else if (sd == 1 && ud == 4)
        v.refuses = true;
    else if (sd == 2 && ud == 3)
        rise_if(lv < 20 || listed, 2.0f);
    else if (sd == 2 && ud == 4)
        rise_if(lv < 18 || listed, 3.0f);
    return v;
}

}  // namespace

double OfferMultiple(int position, int count) {
    // Rows by position, columns by the count of players of the position (1..5 or more).
    static constexpr double kMultiples[5][5] = {
        {2.5, 2.0, 1.5, 1.5, 1.5},  // goalkeeper
        {2.2, 2.0, 2.0, 1.2, 1.2},  // full-back
        {2.2, 2.0, 2.0, 1.2, 1.2},  // centre-back
        {2.2, 2.2, 1.2, 2.0, 1.2},  // midfielder
        {2.2, 2.0, 1.3, 1.3, 1.3},  // forward
    };
    const int row = std::clamp(position, 0, 4);
    const int column = std::clamp(count, 1, 5) - 1;
    return kMultiples[row][column];
}

OfferDecision DecideOfferForComputerPlayer(const GameData& data, int player, int buyer,
                                           std::int32_t offer) {
    OfferDecision d;
    if (!InTable(data.players, player) || player == 0 || !InTable(data.teams, buyer)) return d;
    const t_player& p = data.players[player];
    if (!InTable(data.teams, p.team) || p.team == buyer) return d;
    const double value = static_cast<double>(MoneyToWholeUnits(p.value));
    if (p.on_sale && offer >= value) {
        d.accepted = true;
    } else {
        const int position = std::clamp(p.position, 0, 4);
        const int count = data.teams[p.team].position_counts[position];
        d.accepted = offer >= value * OfferMultiple(position, count);
        if (d.accepted && count == 1) {
            d.replacement_needed = true;
            d.replacement_position = position;
        }
    }
    if (!d.accepted) return d;
    const DivisionVerdict verdict = JudgeMoveDown(data, p, buyer);
    if (verdict.refuses) {
        d.accepted = false;
        d.message = p.name.str() + " não demonstrou interesse em jogar no seu modesto time.";
    } else if (verdict.rise > 0) {
        d.accepted = false;
        d.salary_demand = true;
        d.salary_demand_factor = verdict.rise;
    }
    return d;
}

std::int32_t RaisedWage(std::int32_t wage, float factor) {
    return wage + static_cast<std::int32_t>(std::lround(wage * static_cast<double>(factor)));
}

std::string SalaryDemandText(const std::string& name, float factor, std::int32_t new_wage) {
    const long percent = std::lround(static_cast<double>(factor) * 100);
    return "Para jogar no seu clube " + name + " quer um aumento de salário de " +
           std::to_string(percent) + "%, passando seu salário para $" +
           FormatDigitGroups(new_wage) + ". Deseja aceitar?";
}

bool CompletePurchase(GameData& data, int player, int buyer, std::int32_t fee, std::int32_t wage,
                      bool replacement_needed, int replacement_position) {
    if (!InTable(data.players, player) || player == 0 || !InTable(data.teams, buyer)) return false;
    t_player& p = data.players[player];
    const int seller = p.team;
    if (!InTable(data.teams, seller) || seller == buyer) return false;
    if (data.teams[buyer].cash < MoneyFromUnits(fee)) return false;
    // The wage is set before the move so that both clubs' wage bills, recomputed by the move,
    // count it once and at the new amount.
    if (wage >= 0) p.wage = MoneyFromUnits(wage);
    const int strength = p.strength;
    TransferPlayer(data, player, buyer, fee);
    if (replacement_needed && !IsHumanManaged(data, seller))
        BuyReplacementPlayer(data, seller, replacement_position, strength, fee);
    return true;
}

bool AcceptsLoan(const GameData& data, int player, int borrower) {
    if (!InTable(data.players, player) || !InTable(data.teams, borrower)) return false;
    const t_player& p = data.players[player];
    if (!InTable(data.teams, p.team)) return false;
    const int sd = data.teams[p.team].division;
    const int ud = data.teams[borrower].division;
    const int lv = data.teams[p.team].level;
    if (ud <= sd) return true;
    if (data.game_state.league_format == kDivisionsOf20) return !(sd == 1 && lv > 20);
    if (sd == 1 && ud == 2) return lv < 20;
    if (sd == 1 && ud == 3) return lv <= 20;
    if (sd == 1 && ud == 4) return false;
    if (sd == 2 && ud == 3) return lv <= 20;
    if (sd == 2 && ud == 4) return lv <= 18;
    return true;
}

TeamViewActions TeamViewActionsFor(const GameData& data, int player, int user_club) {
    TeamViewActions a;
    if (!InTable(data.players, player) || player == 0 || !InTable(data.teams, user_club)) return a;
    const t_player& p = data.players[player];
    if (p.team == user_club || p.loan_status == 2) return a;
    if (data.teams[user_club].squad_size >= kMaxHumanSquad) return a;
    a.offer = true;
    a.buy = p.on_sale != 0 && p.asking_price <= data.teams[user_club].cash;
    a.loan = p.loan_status == 1;
    return a;
}

bool TeamViewCardAllowsPurchase(const GameData& data, int player, int user_club) {
    if (!InTable(data.players, player) || player == 0 || !InTable(data.teams, user_club))
        return false;
    const t_player& p = data.players[player];
    if (p.team == user_club || !InTable(data.teams, p.team) || !p.on_sale) return false;
    if (p.value > data.teams[user_club].cash || data.teams[user_club].squad_size >= 25)
        return false;
    const t_team& seller = data.teams[p.team];
    if (seller.available_players < 11) return false;
    return !(p.position == 0 && seller.position_counts[0] == 1);
}

bool CanListForSale(const GameData& data, int player) {
    if (!InTable(data.players, player) || player == 0) return false;
    const int club = data.players[player].team;
    if (!InTable(data.teams, club)) return false;
    int unlisted = 0;
    for (const int i : data.PlayersOf(club))
        if (!data.players[i].on_sale && i != player) ++unlisted;
    // Selling leaves at least 11 players; listing must leave as many not listed.
    return unlisted >= 11;
}

}  // namespace kv
