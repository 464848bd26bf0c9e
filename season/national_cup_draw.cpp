#include "season/national_cup_draw.h"

#include <array>
#include <vector>

#include "core/game_data.h"
#include "season/calendar.h"
#include "season/draw_helpers.h"
#include "season/fixture_list.h"

namespace kv {
namespace {

constexpr int kPotSize = 16;
using Pot = std::array<std::int32_t, kPotSize>;

// Pots filled in the order the rules name their clubs; a club is never taken twice.
class PotFiller {
  public:
    PotFiller() {
        a_.fill(-1);
        b_.fill(-1);
    }

    // Into pot A until full, then pot B.
    void Add(int team) {
        if (team < 0 || Taken(team)) return;
        if (a_count_ < kPotSize)
            a_[a_count_++] = team;
        else if (b_count_ < kPotSize)
            b_[b_count_++] = team;
    }

    void AddToB(int team) {
        if (team < 0 || Taken(team) || b_count_ >= kPotSize) return;
        b_[b_count_++] = team;
    }

    bool Taken(int team) const { return RowHas(a_, team) || RowHas(b_, team); }
    int a_count() const { return a_count_; }
    int b_count() const { return b_count_; }
    Pot& a() { return a_; }
    Pot& b() { return b_; }

  private:
    Pot a_{};
    Pot b_{};
    int a_count_ = 0;
    int b_count_ = 0;
};

// The country's clubs that no rule named, for pots a short league leaves unfilled: its
// division clubs in division and slot order, then its clubs outside the divisions.
template <class Eligible>
std::vector<int> SpareClubs(const GameData& data, const t_league_config& league,
                            Eligible eligible) {
    std::vector<int> spare;
    for (int d = 0; d < 4; ++d)
        for (const int team : league.division_clubs[d])
            if (InTable(data.teams, team) && eligible(team)) spare.push_back(team);
    const int end = ClubLimit(data);
    for (int team = 0; team < end; ++team)
        if (data.teams[team].country == league.country && data.teams[team].division == 0 &&
            eligible(team))
            spare.push_back(team);
    return spare;
}

// The ties of a phase lie in consecutive records from the first of its round: two
// records each, the second the return match.
void WriteTie(GameData& data, int config, int round, int first, int tie, int home, int away) {
    for (int leg = 0; leg < 2; ++leg) {
        const int index = first + 2 * tie + leg;
        if (!InTable(data.fixtures, index)) return;
        t_fixture& f = data.fixtures[index];
        if (f.kind != ckNationalCup || f.owner != config || f.round != round) return;
        f.home = leg == 0 ? home : away;
        f.away = leg == 0 ? away : home;
    }
    for (const int team : {home, away})
        if (InTable(data.teams, team)) data.teams[team].in_national_cup = 1;
}

// A new draw starts from no club of the country in the cup.
void ClearCupFlags(GameData& data, int country) {
    const int end = ClubLimit(data);
    for (int team = 0; team < end; ++team)
        if (data.teams[team].country == country) data.teams[team].in_national_cup = 0;
}

void FillPhaseOnePots(const GameData& data, const t_league_config& league, PotFiller& pots) {
    const t_game_state& gs = data.game_state;
    const auto& div = league.division_clubs;
    const auto human_of_country = [&](auto division_test) {
        const int end = ClubLimit(data);
        for (int team = 0; team < end; ++team) {
            const t_team& t = data.teams[team];
            if (t.human && t.country == league.country && division_test(t.division))
                pots.AddToB(team);
        }
    };
    if (gs.league_format == kDivisionsOf20) {
        if (league.country == kHomeCountry && gs.season >= 2) {
            for (int d = 0; d < 2; ++d)
                for (const int team : div[d])
                    if (InTable(data.teams, team) && !data.teams[team].in_continental_cup)
                        pots.Add(team);
            return;
        }
        for (const int team : div[0]) pots.Add(team);
        human_of_country([](int division) { return division == 2; });
        for (const int team : div[1])
            if (!IsHumanTeam(data, team)) pots.AddToB(team);
        return;
    }
    for (int slot = 0; slot < 10; ++slot) pots.Add(div[0][slot]);
    for (int slot = 0; slot < 10; ++slot) pots.Add(div[1][slot]);
    human_of_country([](int division) { return division > 2; });
    for (int slot = 0; slot < 10; ++slot)
        if (!IsHumanTeam(data, div[2][slot])) pots.AddToB(div[2][slot]);
    if (league.division_count >= 4) {
        for (int slot = 0; slot < 10; ++slot)
            if (!IsHumanTeam(data, div[3][slot])) pots.AddToB(div[3][slot]);
    } else if (league.division_count == 3) {
        const int end = ClubLimit(data);
        for (int team = 0; team < end; ++team)
            if (data.teams[team].country == league.country && data.teams[team].division == 0)
                pots.AddToB(team);
    }
}

void FillPhaseTwoPot(const GameData& data, const t_league_config& league, PotFiller& pots) {
    const int divisions = data.game_state.league_format == kDivisionsOf20 ? 1 : 4;
    for (int d = 0; d < divisions; ++d)
        for (const int team : league.division_clubs[d])
            if (IsHumanTeam(data, team)) pots.Add(team);
    const int plain = data.game_state.league_format == kDivisionsOf20 ? 1 : 2;
    for (int d = 0; d < plain; ++d)
        for (const int team : league.division_clubs[d])
            if (!IsHumanTeam(data, team) && pots.a_count() < kPotSize) pots.Add(team);
}

}  // namespace

void DrawNationalCup(GameData& data, int config) {
    if (!InTable(data.league_configs, config)) return;
    const t_league_config& league = data.league_configs[config];
    const bool twenty = data.game_state.league_format == kDivisionsOf20;
    const int phase = league.division_count >= (twenty ? 2 : 3) ? 1 : 2;
    const int first = FindFixture(data, config, ckNationalCup, phase);
    if (first < 0) return;

    PotFiller pots;
    if (phase == 1) {
        FillPhaseOnePots(data, league, pots);
    } else {
        FillPhaseTwoPot(data, league, pots);
    }
    // A league short of the clubs its pots name still fills them from the rest of the country.
    const bool skip_cup_clubs =
        phase == 1 && twenty && league.country == kHomeCountry && data.game_state.season >= 2;
    const int wanted = phase == 1 ? 2 * kPotSize : kPotSize;
    for (const int team : SpareClubs(data, league, [&](int team) {
             return !pots.Taken(team) && !(skip_cup_clubs && data.teams[team].in_continental_cup);
         })) {
        if (pots.a_count() + pots.b_count() >= wanted) break;
        pots.Add(team);
    }

    ShuffleSlots(pots.a());
    if (phase == 1) ShuffleSlots(pots.b());
    ClearCupFlags(data, league.country);
    if (phase == 1) {
        for (int k = 0; k < kPotSize; ++k)
            WriteTie(data, config, 1, first, k, pots.a()[k], pots.b()[k]);
    } else {
        for (int k = 0; k < kPotSize / 2; ++k)
            WriteTie(data, config, 2, first, k, pots.a()[k], pots.a()[k + kPotSize / 2]);
    }
}

void DrawNationalCupPreliminaryRound(GameData& data, int config) {
    if (!InTable(data.league_configs, config)) return;
    const int first = FindFixture(data, config, ckNationalCup, 0);
    if (first < 0) return;
    const t_league_config& league = data.league_configs[config];

    std::array<std::array<std::int32_t, 20>, 4> rows{};
    for (int r = 0; r < 3; ++r)
        std::copy(std::begin(league.division_clubs[r]), std::end(league.division_clubs[r]),
                  rows[r].begin());
    rows[3].fill(-1);
    int outside = 0;
    const int end = ClubLimit(data);
    for (int team = 0; team < end && outside < 20; ++team) {
        const t_team& t = data.teams[team];
        if (t.country == kHomeCountry && (t.division == 0 || t.division == 4))
            rows[3][outside++] = team;
    }
    for (auto& row : rows) ShuffleSlots(row);
    const auto& entrants = data.regional_cup_entrants;
    if (std::all_of(entrants.begin(), entrants.end(), [](int team) { return team >= 0; }))
        std::copy(entrants.begin(), entrants.end(), rows[3].begin());

    // Only the first four slots of the outside row play; a slot left empty by a short
    // division takes a club of the country that plays no other tie.
    const auto in_draw = [&](int team) {
        for (int r = 0; r < 3; ++r)
            if (RowHas(rows[r], team)) return true;
        return RowHas(std::span<const std::int32_t>(rows[3].data(), 4), team);
    };
    std::vector<int> spare = SpareClubs(data, league, [&](int team) { return !in_draw(team); });
    auto next_spare = spare.begin();
    for (int r = 0; r < 4; ++r)
        for (int slot = 0; slot < (r < 3 ? 20 : 4); ++slot)
            if (rows[r][slot] < 0 && next_spare != spare.end()) rows[r][slot] = *next_spare++;

    // (row, slot) from 1 of the home and away club of each tie.
    struct Seat {
        std::int8_t row, slot;
    };
    static constexpr Seat kTies[32][2] = {
        {{1, 1}, {3, 1}},   {{2, 1}, {4, 1}},   {{1, 2}, {3, 2}},   {{2, 2}, {3, 3}},
        {{1, 3}, {3, 4}},   {{2, 3}, {3, 5}},   {{1, 4}, {3, 6}},   {{2, 4}, {3, 7}},
        {{1, 5}, {3, 8}},   {{2, 5}, {4, 2}},   {{1, 6}, {3, 9}},   {{2, 6}, {3, 10}},
        {{1, 7}, {3, 11}},  {{2, 7}, {3, 12}},  {{1, 8}, {3, 13}},  {{2, 8}, {3, 14}},
        {{1, 9}, {2, 13}},  {{2, 9}, {3, 15}},  {{1, 10}, {3, 16}}, {{2, 10}, {2, 14}},
        {{1, 11}, {3, 17}}, {{2, 11}, {3, 18}}, {{1, 12}, {2, 15}}, {{2, 12}, {3, 19}},
        {{1, 13}, {4, 3}},  {{1, 14}, {3, 20}}, {{1, 15}, {2, 16}}, {{1, 16}, {4, 4}},
        {{1, 17}, {2, 17}}, {{1, 18}, {2, 18}}, {{1, 19}, {2, 19}}, {{1, 20}, {2, 20}},
    };
    ClearCupFlags(data, league.country);
    for (int k = 0; k < 32; ++k) {
        const auto club = [&](Seat s) { return rows[s.row - 1][s.slot - 1]; };
        WriteTie(data, config, 0, first, k, club(kTies[k][0]), club(kTies[k][1]));
    }
}

void DrawNationalCups(GameData& data) {
    const t_game_state& gs = data.game_state;
    if (!gs.national_cup_on) return;
    for (int c = 0; c < static_cast<int>(data.league_configs.size()); ++c) {
        const t_league_config& league = data.league_configs[c];
        if (LeagueCupHasExtraRound(data, league))
            DrawNationalCupPreliminaryRound(data, c);
        else
            DrawNationalCup(data, c);
    }
}

}  // namespace kv
