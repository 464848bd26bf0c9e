#include "match/computer_lineups.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/random.h"
#include "core/record_sort.h"
#include "match/lineup_strength.h"
#include "match/match_tables.h"
#include "match/position_codes.h"
#include "match/round_even.h"
#include "season/fixture_list.h"

namespace kv {
namespace {

constexpr int kFormations[10][11] = {
    {1, 20, 11, 13, 14, 16, 2, 9, 6, 4, 8},   {1, 22, 24, 12, 14, 16, 2, 9, 6, 4, 8},
    {1, 23, 11, 13, 15, 2, 9, 6, 8, 10, 17},  {1, 22, 24, 11, 13, 14, 16, 2, 9, 6, 8},
    {1, 19, 21, 11, 12, 13, 15, 2, 9, 6, 8},  {1, 22, 24, 12, 14, 15, 16, 2, 9, 6, 8},
    {1, 22, 23, 24, 12, 14, 16, 2, 9, 6, 8},  {1, 19, 20, 21, 11, 13, 15, 2, 9, 6, 8},
    {1, 22, 24, 11, 13, 15, 4, 6, 8, 10, 17}, {1, 18, 25, 23, 11, 13, 4, 6, 8, 10, 17},
};

// Bench places want a goalkeeper, a full-back, a centre-back, two midfielders, two forwards.
constexpr int kBenchWants[7] = {0, 1, 2, 3, 3, 4, 4};
// No player has this role, so a bench search always takes the best of the group.
constexpr int kBenchRole = 12;

std::int32_t CompareLineupCandidates(const t_lineup_candidate& a, const t_lineup_candidate& b) {
    if (a.rating != b.rating) return a.rating > b.rating ? -1 : 1;
    if (a.energy != b.energy) return a.energy > b.energy ? -1 : 1;
    return 0;
}

// The candidates of each position group, as indexes into the sorted candidates and in their
// order: a search reads only its own group's candidates, and finds the one a scan of the whole
// list would find. Rebuilt for every team lined up.
constexpr int kPositionGroups = 5;
std::vector<int>& GroupCandidates(int group) {
    static std::vector<int> groups[kPositionGroups];
    return groups[group];
}

void GroupTheCandidates() {
    for (int g = 0; g < kPositionGroups; ++g) GroupCandidates(g).clear();
    const auto& candidates = Game().lineup_candidates;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const int g = candidates[i].position;
        if (g >= 0 && g < kPositionGroups) GroupCandidates(g).push_back(static_cast<int>(i));
    }
}

// One pass over the candidates of a group: step 1 wants the side and the role, step 2 the role,
// step 3 anyone of the group; `first_step_only` stops after step 1. A group no position has
// (only a damaged record gives one) is looked for in the whole list.
int SearchGroup(int group, int side, int role, bool test_role, bool first_step_only) {
    auto& candidates = Game().lineup_candidates;
    const bool grouped = group >= 0 && group < kPositionGroups;
    const std::size_t n = grouped ? GroupCandidates(group).size() : candidates.size();
    for (int step = 1; step <= 3; ++step) {
        for (std::size_t k = 0; k < n; ++k) {
            auto& c = candidates[grouped ? static_cast<std::size_t>(GroupCandidates(group)[k]) : k];
            if (c.used || c.position != group) continue;
            if (step == 1 && side != -1 && c.side != side) continue;
            if (step <= 2 && test_role && role != -1 && c.role != role) continue;
            c.used = 1;
            return c.player;
        }
        if (first_step_only) break;
    }
    return -1;
}

void LineUpTeam(int team) {
    t_team* t = TeamAt(team);
    if (t && !t->human) ChooseComputerLineup(team);
}

void LineUpAndTactics(int team) {
    t_team* t = TeamAt(team);
    if (t && !t->human) {
        ChooseComputerLineup(team);
        ChooseComputerTactics(team);
    }
}

template <class Groups>
void LineUpGroups(const Groups& groups, int group_count) {
    for (int g = 0; g < group_count && g < static_cast<int>(std::size(groups)); ++g)
        for (int team : groups[g]) LineUpAndTactics(team);
}

}  // namespace

int FormationForDraw(int x) {
    if (x <= 2) return 1;
    if (x <= 4) return 2;
    if (x == 5) return 4;
    if (x <= 7) return 3;
    if (x <= 38) return 4;
    if (x <= 49) return 5;
    if (x <= 60) return 6;
    if (x <= 65) return 7;
    if (x <= 72) return 8;
    if (x <= 98) return 9;
    return 10;
}

int FormationCode(int formation, int entry) {
    if (formation < 1 || formation > 10 || entry < 0 || entry > 10) return 0;
    return kFormations[formation - 1][entry];
}

int Findt_lineup_candidate(LineupWant wanted, int code) {
    const int g = wanted.group;
    const int s = wanted.side;
    const int r = wanted.role;
    const bool forward = code >= 18 && code <= 25;
    const bool test_role = !forward;
    int passes[3] = {g, -1, -1};
    if (code == 1)
        passes[1] = 1, passes[2] = 2;
    else if (code == 2 || code == 9)
        passes[1] = 3, passes[2] = 2;
    else if (IsCentralDefenceCode(code))
        passes[1] = 3, passes[2] = 1;
    else if (code == 10 || code == 17)
        passes[1] = 3;
    else if (code >= 14 && code <= 16)
        passes[1] = 1, passes[2] = 4;
    else if (forward)
        passes[1] = 3;

    for (int pass = 0; pass < 3 && passes[pass] != -1; ++pass) {
        int role = r;
        bool first_step_only = false;
        int side = s;
        if ((code == 10 || code == 17) && pass == 1) role = 1;
        if (IsCentralDefenceCode(code) && pass == 1) {
            role = 0;
            side = -1;
            first_step_only = true;
        }
        if (IsCentralDefenceCode(code) && pass == 2) role = -1;
        const int p = SearchGroup(passes[pass], side, role, test_role, first_step_only);
        if (p != -1) return p;
    }
    return -1;
}

void ChooseComputerLineup(int team) {
    GameData& gd = Game();
    t_team* t = TeamAt(team);
    if (!t) return;
    gd.match_strengths.push_back(t_match_strength{});
    const int record = static_cast<int>(gd.match_strengths.size()) - 1;
    t->match_strength_index = record;
    CountAvailablePlayers(0, team);

    std::vector<t_lineup_candidate>& candidates = gd.lineup_candidates;
    candidates.clear();
    for (const int i : gd.PlayersOf(team)) {
        t_player& p = gd.players[i];
        if (!IsAvailableToday(i)) continue;
        p.role = ChooseRole(i);
        p.on_pitch = 0;
        if (p.energy < 20) p.energy = 30 + Random(10);
        // Strength and energy are clamped only for the rating: a damaged record cannot overflow it.
        const int s = RoundEven(std::clamp(p.strength, 0, 10000) / 2.0);
        const int rating = s + RoundEven(s * std::clamp(p.energy, 0, 1000) / 100.0);
        candidates.push_back({i, rating, p.energy, p.side, p.role, p.position, 0});
    }
    QuickSortRecords(candidates, CompareLineupCandidates);
    GroupTheCandidates();

    const int formation = FormationForDraw(Random(100) + 1);
    t_match_strength& r = gd.match_strengths[record];
    for (int entry = 0; entry < 11; ++entry) {
        const int slot = entry == 0 ? 11 : entry;
        const int code = FormationCode(formation, entry);
        r.slot_positions[slot - 1] = code;
        const PositionCode& pc = position_codes(code);
        const int p = Findt_lineup_candidate({pc.group, pc.side, pc.role}, code);
        if (p != -1) PutPlayerInSlot(team, p, slot);
    }
    for (int slot = 1; slot <= 11; ++slot) {
        if (r.players[slot - 1] > 0) continue;
        const int code = r.slot_positions[slot - 1];
        const PositionCode& pc = position_codes(code);
        for (int group : position_fallbacks(pc.group)) {
            if (group < 0) break;
            const int p = Findt_lineup_candidate({group, pc.side, pc.role}, code);
            if (p != -1) {
                PutPlayerInSlot(team, p, slot);
                break;
            }
        }
    }
    int place = 0;
    for (int group : kBenchWants) {
        const int p = Findt_lineup_candidate({group, -1, kBenchRole}, -1);
        if (p != -1) r.bench[place++] = p;
    }
    ComputeLineupStrength(record);
}

void ChooseComputerTactics(int team) {
    t_team* t = TeamAt(team);
    if (!t) return;
    const int style = Random(100);
    t->playing_style = style < 70 ? 0 : style < 80 ? 1 : 2;
    const int marking = Random(100);
    t->marking = marking < 5 ? 2 : marking < 70 ? 0 : 1;
    t->attack_route = Random(100) < 70 ? 0 : 1;
}

// Both read the players of a team through the teams' lists: the retired players, a third of the
// table after ten seasons and most of it later, are never read again.
void ClampPlayerAttributes() {
    GameData& gd = Game();
    for (int team = 0; team < static_cast<int>(gd.teams.size()); ++team)
        for (const int i : gd.PlayersOf(team)) {
            t_player& p = gd.players[static_cast<std::size_t>(i)];
            p.moved_this_round = 0;
            p.strength = std::clamp(p.strength, 1, 100);
            p.age = std::clamp(p.age, 16, 70);
        }
}

void ServeSuspensions() {
    const int k = CurrentMatchKind();
    GameData& gd = Game();
    for (int team = 0; team < static_cast<int>(gd.teams.size()); ++team)
        for (const int i : gd.PlayersOf(team)) {
            t_player& p = gd.players[static_cast<std::size_t>(i)];
            if (p.suspension[k] > 0) p.suspension[k] -= 1;
            if (p.yellow_cards[k] > 2) p.yellow_cards[k] = 0;
        }
}

void PrepareComputerLineups() {
    GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    const int clubs = std::min<int>(gs.league_club_count, static_cast<int>(gd.teams.size()));
    switch (gs.match_kind) {
        case 0: {
            // A friendly is today's whatever the time of day its date carries.
            const double today = std::floor(TodaysDate());
            for (std::size_t i = 0; i < gd.friendlies.size(); ++i) {
                const t_friendly f = gd.friendlies[i];
                if (std::floor(f.date) != today || f.taken) continue;
                LineUpTeam(f.home);
                LineUpTeam(f.away);
            }
            break;
        }
        case 1:
            for (int t = 0; t < clubs; ++t)
                if (gd.teams[t].division > 0) LineUpAndTactics(t);
            break;
        case 2:
            for (int t = 0; t < clubs; ++t)
                if (gd.teams[t].in_national_cup) LineUpAndTactics(t);
            break;
        case 3:
            for (const t_state_league& league : gd.state_leagues)
                if (league.active) LineUpGroups(league.groups, league.group_count);
            break;
        case 4:
            LineUpGroups(gs.continental_groups_south_america, 8);
            LineUpGroups(gs.continental_groups_europe, 8);
            if (gs.african_cup_on) LineUpGroups(gs.continental_groups_africa, 8);
            if (gs.asian_cup_on) LineUpGroups(gs.continental_groups_asia, 8);
            break;
        case 5: {
            const int stage = gs.club_world_cup_stage;
            const int first = stage == 2 ? 2 : stage == 3 ? 4 : 0;
            for (int tie = first; tie < first + 2; ++tie) {
                LineUpTeam(gd.club_world_cup_bracket[tie].team_a);
                LineUpTeam(gd.club_world_cup_bracket[tie].team_b);
            }
            break;
        }
        case 6:
            LineUpGroups(gs.second_cup_groups_south_america, 8);
            LineUpGroups(gs.second_cup_groups_europe, 8);
            break;
        case 7:
            LineUpGroups(gs.tournament_groups, 8);
            break;
        case 8:
            LineUpGroups(gs.tournament_groups, 3);
            break;
        case 9:
            LineUpGroups(gs.tournament_groups, 4);
            break;
        case 10: {
            const int round = NextSuperCupRound(gd);
            for (std::size_t i = 0; i < gd.fixtures.size(); ++i) {
                const t_fixture f = gd.fixtures[i];
                if (f.kind != 10 || f.round != round) continue;
                LineUpAndTactics(f.home);
                LineUpAndTactics(f.away);
            }
            break;
        }
        default:
            break;
    }
    ClampPlayerAttributes();
    ServeSuspensions();
}

}  // namespace kv
