#include "season/player_economy.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money_text.h"
#include "core/random.h"

namespace kv {
namespace {

std::int64_t Round(double x) {
    return static_cast<std::int64_t>(std::nearbyint(x));
}

const t_team* ClubOf(const GameData& data, int player) {
    if (!InTable(data.players, player)) return nullptr;
    const int team = data.players[player].team;
    return InTable(data.teams, team) ? &data.teams[team] : nullptr;
}

std::int64_t EuropeanBase(int level) {
    if (level >= 21) return 750;
    if (level == 20) return 600;
    if (level >= 18) return 500;
    if (level >= 12) return 400;
    return 366;
}

std::int64_t ContinentBase(TContinent continent, int level) {
    switch (continent) {
        case ctEurope:
            return EuropeanBase(level);
        case ctAfrica:
        case ctAsia:
            return 326;
        case ctNorthAmerica:
        case ctOceania:
            return 300;
        default:
            return 366;
    }
}

std::int64_t AgedBase(std::int64_t base, int age, bool europe) {
    const int k = europe ? 28 : 20;
    if (age < 20) return base + (32 - age) * 27;
    if (age <= 25) return base + (32 - age) * k;
    if (age <= 31) return base + (32 - age) * 15;
    if (age <= 33) return base + (35 - age) * 50;
    base -= static_cast<std::int64_t>(age - 34) * 200;
    return base <= 0 ? 100 : base;
}

// Clubs of these countries pay more at every level.
bool PaysHighWages(int country) {
    return country == 3 || country == 65 || country == 72 || country == 97 || country == 104;
}

std::int32_t ClampToInt32(std::int64_t x) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(x, INT32_MIN, INT32_MAX));
}

}  // namespace

std::int32_t CalcPlayerValue(const GameData& data, int player) {
    const t_team* club = ClubOf(data, player);
    if (!club) return 0;
    const t_player& p = data.players[player];
    const TContinent continent = ContinentOfCountry(club->country);
    const bool europe = continent == ctEurope;
    std::int64_t base = ContinentBase(continent, club->level);
    if (p.star) {
        if (europe && club->level >= 22)
            base *= 3;
        else if (europe && club->level == 21)
            base *= 2;
        else
            base += Round(base * 0.6);
    }
    if (p.squad_role == 1) base += Round(base * 0.2);
    base = AgedBase(base, p.age, europe);

    const int season = data.game_state.season;
    std::int64_t goal_bonus = season >= 1 ? Round(static_cast<double>(p.goals) / season) : 0;
    goal_bonus = std::min<std::int64_t>(goal_bonus, 100);
    const std::int64_t doubled = 2 * static_cast<std::int64_t>(p.strength);
    std::int64_t value = doubled * doubled * base;
    if (goal_bonus > 0) value += Round(static_cast<double>(value) * goal_bonus / 100.0);
    return ClampToInt32(value);
}

std::int32_t CalcPlayerWage(const GameData& data, int player) {
    constexpr std::int32_t kMinimumWage = 500;
    const t_team* club = ClubOf(data, player);
    if (!club) return kMinimumWage;
    const t_player& p = data.players[player];
    static constexpr std::int64_t kHighBases[6] = {450, 750, 550, 500, 450, 450};
    static constexpr std::int64_t kBases[6] = {400, 600, 500, 450, 400, 400};
    const int division = club->division >= 0 && club->division <= 5 ? club->division : 0;
    std::int64_t base = PaysHighWages(club->country) ? kHighBases[division] : kBases[division];
    if (club->cash > MoneyFromUnits(20'000'000))
        base += 100;
    else if (club->cash > MoneyFromUnits(10'000'000))
        base += 50;
    if (club->level > 20) base += 50;
    static constexpr std::int64_t kPositionTerms[5] = {-70, -30, -40, 0, 50};
    if (p.position >= 0 && p.position < 5) base += kPositionTerms[p.position];

    std::int64_t wage = p.strength * base;
    if (p.age >= 32) wage -= static_cast<std::int64_t>(p.age - 32) * 300;
    if (p.star) wage += static_cast<std::int64_t>(p.strength) * 250;
    return ClampToInt32(std::max<std::int64_t>(wage, kMinimumWage));
}

void CalcWageBill(GameData& data, int club) {
    if (!InTable(data.finances, club)) return;
    std::int64_t bill = 0;
    for (const int i : data.PlayersOf(club)) bill += MoneyToWholeUnits(data.players[i].wage);
    data.finances[club].wage_bill = ClampToInt32(bill);
}

void CountSquad(GameData& data, int club) {
    if (!InTable(data.teams, club)) return;
    t_team& team = data.teams[club];
    const int kind = data.game_state.match_kind;
    const TDateTime today = TodayDate(data);
    team.squad_size = 0;
    std::fill(std::begin(team.position_counts), std::end(team.position_counts), 0);
    int available = 0;
    for (const int i : data.PlayersOf(club)) {
        const t_player& p = data.players[i];
        ++team.squad_size;
        if (p.position >= 0 && p.position < 5) ++team.position_counts[p.position];
        if (IsPlayerAvailable(p, kind, today)) ++available;
    }
    team.available_players = available;
}

void ListSurplusPlayers(GameData& data, int club) {
    if (!InTable(data.teams, club) || data.teams[club].human) return;
    std::vector<int> listed;
    for (const int i : data.PlayersOf(club))
        if (data.players[i].loan_status < 2) listed.push_back(i);
    const int n = static_cast<int>(listed.size());
    if (n >= 2)
        for (int i = 0; i < n; ++i) std::swap(listed[i], listed[Random(n - 1)]);

    struct SurplusRule {
        int position;
        int more_than;      // listed only when the club has more of the position than this
        int loan_chance;    // offered for loan too when Random(100) exceeds it ...
        int loan_strength;  // ... and the player is weaker than this; 0: never
    };
    static constexpr SurplusRule kRules[] = {
        {posGoalkeeper, 2, 0, 0},   {posFullBack, 3, 30, 40}, {posCentreBack, 3, 30, 40},
        {posMidfielder, 5, 40, 45}, {posForward, 3, 30, 40},
    };
    const t_team& team = data.teams[club];
    for (const SurplusRule& rule : kRules) {
        if (team.position_counts[rule.position] <= rule.more_than) continue;
        for (int index : listed) {
            t_player& p = data.players[index];
            if (p.position != rule.position || p.star || p.squad_role != 0) continue;
            p.on_sale = 1;
            p.asking_price = p.value;
            if (rule.loan_strength > 0 && Random(100) > rule.loan_chance &&
                p.strength < rule.loan_strength)
                p.loan_status = 1;
            break;
        }
    }
}

}  // namespace kv
