#include "season/retirement.h"

#include <algorithm>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/random.h"
#include "season/contract_dates.h"
#include "season/loans.h"
#include "season/player_economy.h"

namespace kv {
namespace {

constexpr int kAlways = -1;

// He retires when Random(100) exceeds the threshold of his age and position.
int RetirementThreshold(int age, bool goalkeeper) {
    struct Band {
        int last_age, outfield, keeper;
    };
    static constexpr Band kBands[] = {{34, 90, 60}, {35, 50, 60}, {36, 30, 60}, {38, 15, 40},
                                      {40, 5, 30},  {42, 3, 10},  {44, 2, 3},   {48, 1, 1}};
    for (const Band& band : kBands)
        if (age <= band.last_age) return goalkeeper ? band.keeper : band.outfield;
    return kAlways;
}

int CoachChanceOneIn(int division, bool star) {
    if (star) return 3;
    static constexpr int kByDivision[6] = {120, 25, 50, 60, 70, 80};
    return division >= 0 && division <= 5 ? kByDivision[division] : 100;
}

int YouthAge() {
    const int u = Random(100);
    if (u < 35) return 20;
    if (u < 75) return 19;
    if (u < 89) return 18;
    return 17;
}

int YouthStrength(const t_team& club) {
    const int u = Random(100);
    if (club.level >= 20 && !club.human) {
        if (u < 10) return 10 + Random(2);
        if (u < 30) return 10 + Random(4);
        if (u < 40) return 12 + Random(4);
        if (u < 60) return 14 + Random(4);
        if (u < 80) return 15 + Random(4);
        if (u < 99) return 15 + Random(5);
        return 20 + Random(7);
    }
    if (club.level >= 18 && !club.human) {
        if (u < 10) return 8 + Random(2);
        if (u < 80) return 8 + Random(4);
        if (u < 99) return 10 + Random(5);
        return 10 + Random(7);
    }
    if (u < 35) return 2 + Random(5);
    if (u < 80) return 4 + Random(8);
    if (u < 99) return 7 + Random(5);
    return 10 + Random(5);
}

// Sons of great players start stronger.
int HeritageBonus(int retiree_strength) {
    const int v = Random(3);
    static constexpr int kBonus[4][3] = {{30, 20, 10}, {20, 15, 10}, {10, 7, 5}, {5, 3, 2}};
    if (retiree_strength >= 90) return kBonus[0][v];
    if (retiree_strength >= 70) return kBonus[1][v];
    if (retiree_strength >= 50) return kBonus[2][v];
    if (retiree_strength >= 35) return kBonus[3][v];
    return 0;
}

void DrawCharacteristics(t_player& p, int position) {
    static constexpr int kPairs[5][4][2] = {
        {{0, 2}, {2, 3}, {3, 0}, {0, 0}},   {{6, 10}, {6, 13}, {10, 11}, {0, 0}},
        {{7, 10}, {7, 12}, {7, 5}, {0, 0}}, {{7, 10}, {7, 11}, {4, 11}, {4, 9}},
        {{9, 5}, {13, 9}, {8, 9}, {0, 0}},
    };
    const int draw = Random(position == posMidfielder ? 4 : 3);
    p.characteristic1 = kPairs[position][draw][0];
    p.characteristic2 = kPairs[position][draw][1];
}

}  // namespace

bool RetirementDue(GameData& data, int player) {
    if (!InTable(data.players, player)) return false;
    const t_player& p = data.players[player];
    const int threshold = RetirementThreshold(p.age, p.position == posGoalkeeper);
    return threshold == kAlways || Random(100) > threshold;
}

void RetirePlayer(GameData& data, int player, const std::string& successor_name,
                  int successor_position) {
    if (player < 1 || !InTable(data.players, player)) return;
    const t_player retiree = data.players[player];
    int club = retiree.team;
    if (club >= 0 && club < data.game_state.league_club_count && InTable(data.teams, club) &&
        Random(CoachChanceOneIn(data.teams[club].division, retiree.star)) == 1)
        AddRetiredCoach(data, club, retiree.name.str());

    // A retiree out on loan was still the lender's player: the lender's youth team
    // replaces him, and the loan ends.
    if (retiree.loan_status == 2) {
        const int loan = FindOpenLoan(data, player);
        if (loan >= 0) club = data.loans[loan].owner;
    }
    CloseLoansOf(data, player);
    data.SetPlayerTeam(player, -1);
    if (!InTable(data.teams, club)) return;

    t_player s = retiree;
    s.team = club;
    s.loan_status = retiree.loan_status == 2 ? 0 : retiree.loan_status;
    const t_team& team = data.teams[club];
    const int age = YouthAge();
    int strength = YouthStrength(team) + HeritageBonus(retiree.strength);
    s.star = Random(retiree.star ? 2 : 70) == 1 ? 1 : 0;
    if (s.star) strength += 10 + Random(10);
    if (!successor_name.empty()) s.name.set(successor_name);

    s.age = age;
    s.strength = strength;
    s.injured_until = TodayDate(data);
    s.energy = 100;
    s.morale = 3;
    s.shirt_number = 0;
    s.decline = 0;
    s.goals = s.games = s.cards = 0;
    s.mood_counter = 0;
    s.complaint_sent = 0;
    s.renewal_pleases = 0;
    s.morale_recovery = 0;
    s.reserved_132 = 0;
    s.reserved_240 = 0;
    s.reserved_245 = 0;
    std::fill(s.yellow_cards, s.yellow_cards + ckSuperCup, 0);
    std::fill(s.suspension, s.suspension + ckSuperCup, 0);
    data.players.push_back(s);
    const int successor = static_cast<int>(data.players.size()) - 1;
    t_player& youth = data.players[successor];
    youth.value = MoneyFromUnits(CalcPlayerValue(data, successor));
    youth.wage = MoneyFromUnits(CalcPlayerWage(data, successor));
    SetContractEndWeeks(data, 4, successor);
    if (successor_position >= 0 && successor_position < kPositionCount) {
        youth.position = successor_position;
        DrawCharacteristics(youth, successor_position);
    }
    for (int team : {retiree.team, club}) {
        CalcWageBill(data, team);
        CountSquad(data, team);
    }
}

int PromoteYouth(GameData& data, int player, const std::string& name, int position) {
    if (name.empty() || player < 1 || !InTable(data.players, player)) return -1;
    const int own = data.players[player].position;
    RetirePlayer(data, player, name, position == own ? -1 : position);
    return static_cast<int>(data.players.size()) - 1;
}

void AddRetiredCoach(GameData& data, int club, const std::string& name) {
    t_coach& c = AppendRecord(data.coaches);
    c.name.set(name);
    c.club = -1;
    c.last_club = club;
    if (InTable(data.teams, club)) {
        c.division = data.teams[club].division;
        c.country = data.teams[club].country;
    }
}

}  // namespace kv
