#include "season/player_development.h"

#include "core/field_readers.h"
#include "core/game_data.h"

namespace kv {
namespace {

constexpr int kOldAge = 32;

const t_player& PlayerAt(const GameData& data, int player) {
    return data.players[static_cast<std::size_t>(player)];
}

// The player's club, or null for a player who is in no club.
const t_team* ClubOf(const GameData& data, int player) {
    if (!InTable(data.players, player)) return nullptr;
    const int team = PlayerAt(data, player).team;
    return IsClub(data, team) ? &data.teams[static_cast<std::size_t>(team)] : nullptr;
}

bool DivisionsOf20(const GameData& data) {
    return data.game_state.league_format == kDivisionsOf20;
}

// The divisor of growth: bigger clubs and the shorter seasons of divisions of 10 grow their
// players faster; with state championships there are more rounds to share it. A human club
// counts as the smallest.
double GrowthDivisor(const GameData& data, const t_team& club) {
    const bool big = !club.human && club.level >= 21;
    const bool middle = !club.human && (club.level == 19 || club.level == 20);
    const int band = big ? 0 : middle ? 1 : 2;
    // [state championships on][band][divisions of 20, of 10]
    static constexpr int kDivisor[2][3][2] = {
        {{28, 15}, {30, 18}, {35, 20}},
        {{35, 22}, {37, 24}, {43, 25}},
    };
    return kDivisor[data.game_state.state_leagues_on ? 1 : 0][band][DivisionsOf20(data) ? 0 : 1];
}

int GrowthNumerator(int level, int age) {
    if (age < 17 || age > 31) return 0;
    if (level >= 18) {
        static constexpr int kByAge[] = {11, 10, 9, 8, 7, 6};  // 17 .. 22
        return age <= 22 ? kByAge[age - 17] : age <= 28 ? 5 : 4;
    }
    if (level >= 15) {
        static constexpr int kByAge[] = {10, 9, 7};  // 17 .. 19
        return age <= 19 ? kByAge[age - 17] : age <= 24 ? 6 : 5;
    }
    if (level >= 11) {
        static constexpr int kByAge[] = {9, 8, 7};  // 17 .. 19
        return age <= 19 ? kByAge[age - 17] : age <= 25 ? 6 : 5;
    }
    static constexpr int kByAge[] = {4, 3, 2};  // 17 .. 19
    return age <= 19 ? kByAge[age - 17] : 1;
}

double StrongPlayerBrake(int strength) {
    if (strength >= 30 && strength <= 40) return 0.02;
    if (strength >= 41 && strength <= 50) return 0.03;
    if (strength >= 51 && strength <= 70) return 0.04;
    if (strength >= 71 && strength <= 100) return 0.05;
    return 0;
}

double AgeingFactor(int strength) {
    if (strength >= 1 && strength <= 50) return 0.8;
    if (strength >= 51 && strength <= 70) return 1.2;
    if (strength >= 71 && strength <= 100) return 1.5;
    return 0;
}

// A top-flight club keeps its weakest veterans as they are; so do the lower divisions below
// their own floors.
bool HeldByDivision(int division, int strength) {
    return (division == 1 && strength <= 30) || (division == 2 && strength <= 20) ||
           (division == 3 && strength <= 10);
}

double AgeingDivisor(const GameData& data) {
    const bool states = data.game_state.state_leagues_on;
    switch (data.game_state.league_format) {
        case kDivisionsOf20:
            return states ? 70 : 60;
        case kDivisionsOf10:
            return states ? 50 : 30;
        default:
            return 0;
    }
}

}  // namespace

bool CanImprove(const GameData& data, int player) {
    const t_team* club = ClubOf(data, player);
    if (club == nullptr) return true;
    const int strength = PlayerAt(data, player).strength;
    switch (club->division) {
        case 2:
            return strength <= 80;
        case 3:
            return strength <= 60;
        case 4:
            return strength <= 40;
        case 5:
            return strength <= 30;
        default:
            return true;
    }
}

double DevelopmentGain(const GameData& data, int player) {
    const t_team* club = ClubOf(data, player);
    if (club == nullptr) return 0;
    const t_player& p = PlayerAt(data, player);
    double gain = GrowthNumerator(club->level, p.age) / GrowthDivisor(data, *club);
    if (p.played_match) gain += 0.05;
    if (p.morale == 3) gain += 0.01;
    gain -= StrongPlayerBrake(p.strength);
    return gain > 0 ? gain : 0.01;
}

void DevelopYoungPlayer(GameData& data, int player) {
    if (ClubOf(data, player) == nullptr) return;
    const double gain = DevelopmentGain(data, player);
    t_player& p = data.players[static_cast<std::size_t>(player)];
    p.decline += static_cast<float>(gain);
    if (p.decline >= 1.0f && p.strength < 100 && CanImprove(data, player)) {
        ++p.strength;
        p.decline -= 1.0f;
    }
    if (p.strength < 1) p.strength = 1;
}

double DeclineLoss(const GameData& data, int player) {
    const t_team* club = ClubOf(data, player);
    if (club == nullptr) return 0;
    const t_player& p = PlayerAt(data, player);
    if (HeldByDivision(club->division, p.strength)) return 0;
    const double d = (p.age - 31) * AgeingFactor(p.strength);
    const double divisor = AgeingDivisor(data);
    if (d < 1 || divisor == 0) return 0;
    return d / divisor;
}

void DeclineAgeingPlayer(GameData& data, int player) {
    const double loss = DeclineLoss(data, player);
    if (loss <= 0) return;
    t_player& p = data.players[static_cast<std::size_t>(player)];
    p.decline += static_cast<float>(loss);
    if (p.decline >= 1.0f && p.strength > 1) {
        --p.strength;
        p.decline -= 1.0f;
    }
    if (p.strength < 1) p.strength = 1;
}

void DevelopPlayers(GameData& data) {
    const bool league_day = data.game_state.match_kind == ckNationalLeague;
    // Club by club through the squads' lists: a player's growth reads only him and his club, and
    // the retired players, most of the table after some seasons, are not read at all.
    for (int team = 0; team < static_cast<int>(data.teams.size()); ++team) {
        if (!IsClub(data, team)) continue;
        const t_team& club = data.teams[static_cast<std::size_t>(team)];
        if (league_day && club.division <= 0) continue;
        for (const int i : data.PlayersOf(team)) {
            if (data.players[static_cast<std::size_t>(i)].age < kOldAge)
                DevelopYoungPlayer(data, i);
            else
                DeclineAgeingPlayer(data, i);
        }
    }
}

}  // namespace kv
