#include "match/knockout.h"

#include <algorithm>
#include <vector>

#include "core/field_readers.h"
#include "core/lookups.h"
#include "core/random.h"
#include "core/types.h"
#include "match/booking.h"
#include "match/match_decisions.h"
#include "match/match_events.h"
#include "match/match_tables.h"
#include "match/ratings.h"
#include "season/fixture_list.h"
#include "season/histories.h"

namespace kv {
namespace {

int CountryOf(int team) {
    const t_team* t = TeamAt(team);
    return t ? t->country : -1;
}

void PayPrize(int team, int amount, bool finance_head) {
    t_team* t = TeamAt(team);
    if (!t || amount == 0) return;
    t->cash += MoneyFromUnits(amount);
    if (!finance_head) return;
    if (t_finance* f = TableEntry(Game().finances, team)) f->prizes += amount;
}

// The round's fixture at `index` when it belongs to the tie list being walked.
const t_fixture* LegOf(int index, int kind, int round, int owner) {
    const t_fixture* f = TableEntry(Game().fixtures, index);
    if (!f || f->kind != kind || f->round != round || f->owner != owner) return nullptr;
    return f;
}

int TiesScanned(int kind, int round) {
    if (kind == ckNationalCup) {
        static constexpr int kTies[] = {63, 31, 15, 7, 3, 1};
        return round >= 0 && round <= 5 ? kTies[round] : 0;
    }
    if (round >= 1 && round <= 3) return 31;
    static constexpr int kTies[] = {15, 7, 3, 1};
    return round >= 4 && round <= 7 ? kTies[round - 4] : 0;
}

int NextRoundTies(int kind, int round) {
    if (kind == ckNationalCup) {
        static constexpr int kTies[] = {16, 8, 4, 2, 1};
        return round >= 1 && round <= 5 ? kTies[round - 1] : 0;
    }
    static constexpr int kTies[] = {8, 4, 2, 1};
    return round >= 4 && round <= 7 ? kTies[round - 4] : 0;
}

void ClearCupFlag(int kind, int team) {
    t_team* t = TeamAt(team);
    if (!t) return;
    if (kind == ckNationalCup) t->in_national_cup = 0;
    if (kind == ckContinentalCup) t->in_continental_cup = 0;
    if (kind == ckSecondContinentalCup) t->in_second_continental_cup = 0;
}

}  // namespace

int TieWinner(int a1, int b1, int a2, int b2) {
    const int x_legs = (a1 > b1) + (a2 > b2);
    const int y_legs = (b1 > a1) + (b2 > a2);
    if (x_legs != y_legs) return x_legs > y_legs ? 1 : 2;
    if (a1 + a2 != b1 + b2) return a1 + a2 > b1 + b2 ? 1 : 2;
    if (a2 != b1) return a2 > b1 ? 1 : 2;
    return 3;
}

int FindDayMatchOf(int team_a, int team_b) {
    const GameData& gd = Game();
    for (int i = 1; i <= gd.day_match_count && i < static_cast<int>(gd.day_matches.size()); ++i) {
        const int home = gd.day_matches[i].team[0];
        if (home == team_a || home == team_b) return i;
    }
    return 0;
}

int DecideTieByPenalties(int fixture, MatchDecisions* decisions) {
    GameData& gd = Game();
    if (!InTable(gd.fixtures, fixture)) return 1;
    const int a = gd.fixtures[fixture].home;
    const int b = gd.fixtures[fixture].away;
    const bool human = IsHumanTeam(a) || IsHumanTeam(b);
    const bool watched = human || (gd.game_state.show_ai_shootouts && !gd.quick_mode);
    gd.shootout_tie = fixture;
    gd.shootout_team_a = a;
    gd.shootout_team_b = b;
    if (human) gd.shootout_order_turn = 1;
    std::optional<ShootoutScore> score;
    if (watched && decisions) score = decisions->PlayShootout(a, b);
    if (!score || score->goals_a == score->goals_b) {
        const int x = RandInt(8) + 1;
        const int y = RandInt(8) + 1;
        score = y > x ? ShootoutScore{y - 1, y} : ShootoutScore{x, x - 1};
    }
    // The day match is the second leg, with B at home; the score is still written A first.
    if (const int m = FindDayMatchOf(a, b); m > 0) {
        jogos& day = gd.day_matches[m];
        day.on_penalties = 1;
        day.shootout_goals[0] = score->goals_a;
        day.shootout_goals[1] = score->goals_b;
        ArchiveShootout(m);
    }
    t_fixture& f = gd.fixtures[fixture];
    f.home_penalties = score->goals_a;
    f.away_penalties = score->goals_b;
    gd.shootout_winner = score->goals_a > score->goals_b ? 1 : 2;
    return gd.shootout_winner;
}

bool CompletesTwoLeggedTies() {
    const GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    switch (gs.match_kind) {
        case ckNationalCup: return gs.national_cup_leg == 2;
        case ckContinentalCup: return gs.continental_cup_round >= 4 && gs.continental_cup_leg == 2;
        case ckSecondContinentalCup:
            return (gd.match_day_group == crSouthAmerica && gs.second_cup_leg == 2) ||
                   (gd.match_day_group == crEurope && gs.second_cup_round >= 4 && gs.second_cup_leg == 2);
        default: return false;
    }
}

bool DecideTwoLeggedTies(MatchDecisions* decisions) {
    GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    const int k = gs.match_kind;
    const int group = gd.match_day_group;
    const bool south_second_cup = k == ckSecondContinentalCup && group == crSouthAmerica;
    const int r = k == ckNationalCup        ? gs.national_cup_round
                  : k == ckContinentalCup   ? gs.continental_cup_round
                  : south_second_cup        ? gd.second_cup_south_round
                                            : gs.second_cup_round;
    const int start = FindFixture(gd, group, k, r);
    if (start < 0) return false;
    bool shootout = false;
    std::vector<int> winners;
    const int ties = TiesScanned(k, r);
    for (int t = 0; t < ties; ++t) {
        const int first = start + 2 * t;
        const t_fixture* leg1 = LegOf(first, k, r, group);
        const t_fixture* leg2 = LegOf(first + 1, k, r, group);
        if (!leg1 || !leg2 || leg1->home < 0 || leg1->away < 0) break;
        const int x = leg1->home;
        const int y = leg1->away;
        int w = TieWinner(leg1->home_goals, leg1->away_goals, leg2->away_goals, leg2->home_goals);
        if (w == 3) {
            w = DecideTieByPenalties(first, decisions);
            shootout = true;
        }
        const int winner = w == 1 ? x : y;
        const int loser = w == 1 ? y : x;
        winners.push_back(winner);
        ApplyTieConfidence(k, r, winner, loser);
        EliminateTieLoser(first, winner);
    }
    int n = r + 1;
    if (south_second_cup) n = std::max(n, 4);
    const bool final_decided = (k == ckNationalCup && n == 6) || (k != ckNationalCup && n == 8);
    if (final_decided) {
        if (winners.empty()) return shootout;
        const int w = winners.front();
        ClearCupFlag(k, w);
        const int stage = k == ckNationalCup ? 6 : 8;
        RecordCompetitionResult(w, stage, k, stage);
        AwardCupWinner(w, start);
        return shootout;
    }
    const int next = FindFixture(gd, group, k, n);
    if (next < 0) return shootout;
    const int next_ties = std::min<int>(NextRoundTies(k, n), static_cast<int>(winners.size()) / 2);
    for (int t = 1; t <= next_ties; ++t) {
        const int first = next + 2 * (t - 1);
        if (!LegOf(first, k, n, group) || !LegOf(first + 1, k, n, group)) break;
        const int home = winners[2 * t - 2];
        const int away = winners[2 * t - 1];
        gd.fixtures[first].home = home;
        gd.fixtures[first].away = away;
        gd.fixtures[first + 1].home = away;
        gd.fixtures[first + 1].away = home;
    }
    return shootout;
}

void EliminateTieLoser(int fixture, int winner) {
    GameData& gd = Game();
    if (!InTable(gd.fixtures, fixture)) return;
    const t_fixture& f = gd.fixtures[fixture];
    if (winner != f.home && winner != f.away) return;
    const int loser = winner == f.home ? f.away : f.home;
    const t_game_state& gs = gd.game_state;
    const int k = gs.match_kind;
    int stage;
    switch (k) {
        case ckNationalCup: stage = gs.national_cup_round == 1 ? 0 : gs.national_cup_round; break;
        case ckContinentalCup: stage = gs.continental_cup_round; break;
        case ckSecondContinentalCup: stage = gs.second_cup_round; break;
        default: return;
    }
    ClearCupFlag(k, loser);
    RecordCompetitionResult(loser, stage, k, -1);
}

void ApplyTieConfidence(int kind, int round, int winner, int loser) {
    int gain = 0;
    int loss = 0;
    if (kind == ckNationalCup && round >= 1 && round <= 5) {
        static constexpr int kGain[] = {3, 5, 7, 10, 12};
        static constexpr int kLoss[] = {7, 5, 2, 1, 1};
        gain = kGain[round - 1];
        loss = kLoss[round - 1];
    } else if (kind == ckContinentalCup && round >= 4 && round <= 7) {
        static constexpr int kGain[] = {5, 7, 10, 12};
        static constexpr int kLoss[] = {7, 5, 2, 1};
        gain = kGain[round - 4];
        loss = kLoss[round - 4];
    }
    t_team* w = TeamAt(winner);
    t_team* l = TeamAt(loser);
    if (w && FindLeagueConfig(w->country) >= 0) {
        w->supporter_confidence += gain;
        w->board_confidence += gain - 3;
    }
    if (l && FindLeagueConfig(l->country) >= 0) {
        l->supporter_confidence -= loss + 3;
        l->board_confidence -= loss;
    }
    if (w) {
        w->supporter_confidence = std::min(w->supporter_confidence, 100);
        w->board_confidence = std::min(w->board_confidence, 100);
    }
    if (l) {
        l->supporter_confidence = std::max(l->supporter_confidence, 0);
        l->board_confidence = std::max(l->board_confidence, 0);
    }
}

void AwardCupWinner(int winner, int final_fixture) {
    GameData& gd = Game();
    const int k = gd.game_state.match_kind;
    if (!InTable(gd.fixtures, final_fixture)) return;
    const t_fixture& f = gd.fixtures[final_fixture];
    const int runner_up = winner == f.home ? f.away : f.home;
    const int placed[2] = {winner, runner_up};
    for (int i = 0; i < 2; ++i) {
        const int team = placed[i];
        if (!TeamAt(team)) continue;
        AddHonour(gd, k, team, CountryOf(team), -1, -1, -1, i + 1);
        AddPlacingRecord(gd, k, team, CoachOfTeam(team), -1, i + 1, CountryOf(team));
    }
    AwardTopScorer(k, CountryOf(winner), -1, -1, -1);
    const int coach = CoachOfTeam(winner);
    if (t_coach* c = TableEntry(gd.coaches, coach)) AddCoachTitle(*c, k);
    if (coach >= 0) AddCoachSeasonStat(gd, coach, winner, 1, "tit");
    int prize_w = 0;
    int prize_r = 0;
    bool league_clubs_only = true;
    if (k == ckNationalCup) {
        prize_w = 4000000, prize_r = 2000000;
        league_clubs_only = false;
    } else if (k == ckContinentalCup) {
        switch (ContinentOfCountry(CountryOf(winner))) {
            case ctEurope: prize_w = 7000000, prize_r = 4000000; break;
            case ctSouthAmerica: prize_w = 5000000, prize_r = 3000000; break;
            case ctAsia: prize_w = 2000000, prize_r = 100000; break;
            case ctNorthAmerica: prize_w = 2000000, prize_r = 1000000; break;
            default: break;
        }
    } else if (k == ckSecondContinentalCup) {
        prize_w = 3000000, prize_r = 1500000;
    }
    if (!league_clubs_only || IsLeagueClub(Game(), winner)) PayPrize(winner, prize_w, true);
    if (!league_clubs_only || IsLeagueClub(Game(), runner_up)) PayPrize(runner_up, prize_r, true);
    const int points = k == ckNationalCup ? 20 : k == ckContinentalCup ? 30 : 25;
    if (coach >= 0) AddCoachSeasonStat(gd, coach, winner, points, "pr");
    const int rank_w = k == ckNationalCup ? 10 : k == ckContinentalCup ? 20 : 12;
    const int rank_r = k == ckNationalCup ? 7 : k == ckContinentalCup ? 15 : 10;
    if (t_team* t = TeamAt(winner)) t->ranking_points[k - 1] += rank_w;
    if (t_team* t = TeamAt(runner_up)) t->ranking_points[k - 1] += rank_r;
}

bool FinishSuperCup(MatchDecisions* decisions) {
    GameData& gd = Game();
    gd.day_match_count = std::min(gd.day_match_count, 2);
    gd.pending_shootout_count = 0;
    if (NextSuperCupRound(gd) != -1) return false;
    bool shootout = false;
    const int owners[2] = {3, 29};
    for (int number = 1; number <= 2; ++number) {
        const int owner = owners[number - 1];
        const int first = FindFixture(gd, owner, ckSuperCup, 1);
        const t_fixture* leg1 = TableEntry(gd.fixtures, first);
        const t_fixture* leg2 = TableEntry(gd.fixtures, first + 1);
        if (!leg1 || !leg2 || leg2->kind != ckSuperCup || leg2->owner != owner) continue;
        if (!TeamAt(leg1->home) || !TeamAt(leg1->away)) continue;
        int w = TieWinner(leg1->home_goals, leg1->away_goals, leg2->away_goals, leg2->home_goals);
        const int x = leg1->home;
        const int y = leg1->away;
        if (w == 3) {
            w = DecideTieByPenalties(first, decisions);
            shootout = true;
        }
        const int winner = w == 1 ? x : y;
        const int runner_up = w == 1 ? y : x;
        if (CoachOfTeam(winner) >= 0) AddCoachSeasonStat(gd, CoachOfTeam(winner), winner, 20, "pr");
        const int placed[2] = {winner, runner_up};
        for (int i = 0; i < 2; ++i) {
            AddHonour(gd, ckSuperCup, placed[i], CountryOf(placed[i]), -1, -1, -1, i + 1);
            AddPlacingRecord(gd, ckSuperCup, placed[i], CoachOfTeam(placed[i]), -1, i + 1, number);
            RecordCompetitionResult(placed[i], i + 1, ckSuperCup, number);
        }
        TeamAt(winner)->ranking_points[ckSuperCup - 1] += 10;
        if (IsLeagueClub(Game(), winner)) PayPrize(winner, 1000000, false);
        if (IsLeagueClub(Game(), runner_up)) PayPrize(runner_up, 500000, false);
        AwardTopScorer(ckSuperCup, owner, -1, -1, -1);
    }
    return shootout;
}

}  // namespace kv
