#include "season/transfers.h"

#include <cmath>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money_text.h"
#include "core/random.h"
#include "season/contract_dates.h"
#include "season/human_involvement.h"
#include "season/loans.h"
#include "season/news.h"
#include "season/player_economy.h"

namespace kv {
namespace {

SetPieceTakerRule g_set_piece_taker_rule = nullptr;

// Fractions of a money unit credited with some deals: too small to show, but they stay in the
// clubs' cash.
constexpr Money kSellerRounding = 4100;
constexpr Money kBuyerRounding = 3200;

int ReleasePenalty(const GameData& data, const t_player& p, int seller, int fee) {
    if (!IsHumanManaged(data, seller)) return 0;
    const TDateTime today = TodayDate(data);
    if (!(p.contract_end > today)) return 0;
    const int days = static_cast<int>(std::nearbyint(p.contract_end - today));
    return static_cast<int>(std::nearbyint(fee * ReleasePenaltyRate(days)));
}

// The press tells the user's coach when a star joins a big club elsewhere.
void ReportStarMove(GameData& data, int player, int buyer) {
    const int user = data.game_state.user_club;
    if (data.players[player].star && buyer != user && InTable(data.teams, user) &&
        InTable(data.teams, buyer) && data.teams[buyer].level > 22)
        AddNewsItem(data, user, neRumour, 0, player, buyer, 0);
}

void SettleMood(t_player& p) {
    p.morale = 3;
    p.complaint_sent = 0;
    p.morale_recovery = 0;
    p.mood_counter = 0;
    p.fielded_exhausted = 0;
    p.on_sale = 0;
    p.asking_price = p.value;
}

// What every move leaves behind at both clubs.
void AfterMove(GameData& data, int player, int from, int to) {
    if (InTable(data.teams, from) && data.teams[from].set_piece_taker == player &&
        g_set_piece_taker_rule)
        g_set_piece_taker_rule(from);
    CalcWageBill(data, from);
    CalcWageBill(data, to);
    CountSquad(data, from);
    CountSquad(data, to);
}

void LogMove(GameData& data, int player, int from, int to, int fee) {
    t_transfer& t = AppendRecord(data.transfer_log);
    t.player = player;
    t.date = TodayDate(data);
    t.from_team = from;
    t.to_team = to;
    t.fee = fee;
}

bool MovablePlayer(const GameData& data, int player, int team) {
    return player >= 1 && InTable(data.players, player) && InTable(data.teams, team);
}

void Credit(GameData& data, int team, Money amount) {
    if (InTable(data.teams, team)) data.teams[team].cash += amount;
}

template <class Field>
void Book(GameData& data, int team, Field field, int units) {
    if (InTable(data.finances, team)) data.finances[team].*field += units;
}

int CountStars(const GameData& data, int team) {
    int stars = 0;
    for (const int i : data.PlayersOf(team))
        if (data.players[i].star) ++stars;
    return stars;
}

}  // namespace

double ReleasePenaltyRate(int days_left) {
    if (days_left <= 30) return 0.12;
    if (days_left <= 60) return 0.15;
    if (days_left <= 90) return 0.20;
    if (days_left <= 180) return 0.22;
    if (days_left <= 360) return 0.25;
    if (days_left <= 1'000'000) return 0.30;
    return 0;
}

void InstallSetPieceTakerRule(SetPieceTakerRule rule) {
    g_set_piece_taker_rule = rule;
}

void TransferPlayer(GameData& data, int player, int buyer, int fee, bool apply_release_penalty) {
    if (!MovablePlayer(data, player, buyer)) return;
    t_player& p = data.players[player];
    const int seller = p.team;
    CloseLoansOf(data, player);
    data.SetPlayerTeam(player, buyer);
    p.shirt_number = 0;
    p.loan_status = 0;

    const int penalty = apply_release_penalty ? ReleasePenalty(data, p, seller, fee) : 0;
    const int net = fee - penalty;
    SetContractEndWeeks(data, data.game_state.league_format == kDivisionsOf20 ? 24 : 10, player);

    Book(data, seller, &t_finance::player_sales, fee);
    Credit(data, seller, MoneyFromUnits(net > 0 ? net : fee) + kSellerRounding);
    Book(data, buyer, &t_finance::player_purchases, fee);
    Credit(data, buyer, -MoneyFromUnits(fee));
    if (net > 0) Book(data, seller, &t_finance::release_penalties, penalty);

    if (IsHumanManaged(data, seller) && IsHumanManaged(data, buyer)) p.moved_this_round = 1;
    LogMove(data, player, seller, buyer, fee);
    ReportStarMove(data, player, buyer);
    SettleMood(p);
    AfterMove(data, player, seller, buyer);

    if (p.star && IsHumanManaged(data, buyer) && CountStars(data, buyer) > 3 && Random(100) > 20) {
        data.teams[buyer].morale -= 1;
        AddNewsItem(data, buyer, neSquadSplit, 0, player, 0, 0);
    }
}

void MovePlayerOnLoan(GameData& data, int player, int team, TDateTime end_date) {
    if (!MovablePlayer(data, player, team)) return;
    t_player& p = data.players[player];
    const int old = p.team;
    data.SetPlayerTeam(player, team);
    p.shirt_number = 0;
    p.contract_end = end_date;
    p.loan_status = 2;
    if (IsHumanManaged(data, old) && IsHumanManaged(data, team)) p.moved_this_round = 1;
    LogMove(data, player, old, team, 0);
    ReportStarMove(data, player, team);
    SettleMood(p);
    AfterMove(data, player, old, team);
}

void SellPlayer(GameData& data, int player, int buyer, int price, bool send_news,
                bool apply_penalty) {
    if (!MovablePlayer(data, player, buyer)) return;
    data.players[player].value = MoneyFromUnits(price);
    TransferPlayer(data, player, buyer, price, apply_penalty);
    Credit(data, buyer, MoneyFromUnits(price) + kBuyerRounding);
    if (send_news)
        AddNewsItem(data, data.game_state.user_club, nePlayerSold, 0, player, buyer, price);
}

int BuyReplacementPlayer(GameData& data, int buyer, int position, int strength, int limit) {
    const int minimum = position == posGoalkeeper ? 2 : 1;
    const int lowest = strength <= 10 ? 5 : strength - 10;
    const int highest = strength + 10;
    auto candidates = [&](bool in_band, std::int64_t max_value, std::size_t max_count) {
        std::vector<int> found;
        for (std::size_t i = 1; i < data.players.size() && found.size() < max_count; ++i) {
            const t_player& p = data.players[i];
            if (p.team == buyer || !IsClub(data, p.team) || IsHumanManaged(data, p.team)) continue;
            if (p.loan_status == 2 || p.position != position || position < 0 || position > 4)
                continue;
            if (data.teams[p.team].position_counts[position] <= minimum) continue;
            if (in_band && (p.strength < lowest || p.strength > highest)) continue;
            if (MoneyToWholeUnits(p.value) > max_value) continue;
            found.push_back(static_cast<int>(i));
        }
        return found;
    };
    std::vector<int> found = candidates(true, limit, 50);
    if (found.empty()) found = candidates(false, 3LL * limit, 30);
    if (found.empty()) return -1;
    const int chosen = found[Random(static_cast<int>(found.size()))];
    TransferPlayer(data, chosen, buyer, MoneyToWholeUnits(data.players[chosen].value));
    return chosen;
}

bool IsMajorEuropeanLeague(int country) {
    return country == 3 || country == 65 || country == 97 || country == 104 || country == 154;
}

Willingness CheckPlayerWillingness(const GameData& data, int player) {
    Willingness w;
    const int user = data.game_state.user_club;
    if (!InTable(data.players, player) || !InTable(data.teams, data.players[player].team) ||
        !InTable(data.teams, user))
        return w;
    const t_player& p = data.players[player];
    const t_team& club = data.teams[p.team];
    const int s = club.reputation;
    int b = data.teams[user].reputation;
    if (IsMajorEuropeanLeague(club.country) && ContinentOfCountry(club.country) == ctEurope &&
        ContinentOfCountry(data.teams[user].country) != ctEurope)
        b -= 1;
    if (s <= b) return w;

    auto refuse = [&w] { w.refuses = true; };
    auto ask = [&w](float factor) {
        w.accepts = false;
        w.salary_demand = true;
        w.salary_demand_factor = factor;
    };
    if (s == 5) {
        if (b < 3)
            refuse();
        else if (b == 3)
            ask(p.age < 30 ? 2.0f : 1.0f);
        else if (b == 4)
            ask(p.age < 25 ? 0.9f : p.age < 30 ? 0.7f : 1.0f);
    } else if (s == 4) {
        if (b <= 0)
            refuse();
        else if (b <= 2)
            ask(0.5f);
    } else if (s == 3) {
        if (b == -1)
            refuse();
        else if (b <= 1)
            ask(0.2f);
    } else if (s == 2) {
        if (b == -1) ask(0.2f);
    }
    return w;
}

}  // namespace kv
