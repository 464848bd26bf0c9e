#include "match/knockout.h"

#include <gtest/gtest.h>

#include "core/lookups.h"
#include "core/random.h"
#include "match/automatic_decisions.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddTeam;

TEST(Knockout, TieWinnerByLegsThenAggregateThenAwayGoals) {
    struct Case {
        int a1, b1, a2, b2;
        int winner;
    };
    const Case cases[] = {
        {2, 0, 0, 1, 1},  // one leg each, 2-1 on aggregate
        {1, 1, 2, 2, 1},  // 3-3, two away goals against one
        {1, 0, 0, 1, 3},  // level on everything
        {0, 1, 0, 1, 2},  // both legs lost
        {3, 0, 0, 1, 1},  // a leg each, 3-1
        {0, 0, 0, 0, 3},
        {0, 2, 3, 0, 1},  // 3-2 on aggregate
    };
    for (const Case& c : cases)
        EXPECT_EQ(TieWinner(c.a1, c.b1, c.a2, c.b2), c.winner) << c.a1 << "-" << c.b1 << ", " << c.a2 << "-" << c.b2;
}

// A national-cup round of two-legged ties in league 0 of country `country`; the next round's
// legs exist with no teams when `next_round_legs` says so.
struct Cup {
    std::vector<int> teams;
    int first_fixture = 0;
};

Cup SetUpCupRound(int kind, int round, int ties, int next_round_legs, int country = 3) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.game_state.match_kind = kind;
    gd.game_state.national_cup_round = round;
    gd.game_state.national_cup_leg = 2;
    gd.game_state.continental_cup_round = round;
    gd.game_state.continental_cup_leg = 2;
    gd.match_day_group = kind == ckNationalCup ? 0 : crEurope;
    gd.league_configs.emplace_back().country = 3;
    Cup cup;
    for (int t = 0; t < 2 * ties; ++t) {
        const int team = AddTeam();
        t_team& club = gd.teams[team];
        club.country = country;
        club.in_national_cup = club.in_continental_cup = 1;
        club.supporter_confidence = club.board_confidence = 50;
        club.coach = static_cast<int>(gd.coaches.size());
        gd.coaches.emplace_back().club = team;
        AppendRecord(gd.finances);
        cup.teams.push_back(team);
    }
    gd.game_state.league_club_count = static_cast<int>(gd.teams.size());
    for (int t = 0; t < ties; ++t) {
        const int x = cup.teams[2 * t];
        const int y = cup.teams[2 * t + 1];
        testing::AddFixture(kind, round, x, y).owner = gd.match_day_group;
        testing::AddFixture(kind, round, y, x).owner = gd.match_day_group;
        const int m = testing::AddDayMatch(y, x);
        gd.day_matches[m].fixture = 2 * t + 1;
    }
    gd.day_match_count = ties;
    for (int l = 0; l < next_round_legs; ++l) testing::AddFixture(kind, round + 1, -1, -1).owner = gd.match_day_group;
    return cup;
}

void Result(int fixture, int home_goals, int away_goals) {
    Game().fixtures[fixture].home_goals = home_goals;
    Game().fixtures[fixture].away_goals = away_goals;
    Game().fixtures[fixture].played = 1;
}

TEST(Knockout, WinnersFillTheNextRoundAndLosersLeave) {
    SeedRandom(11);
    const Cup cup = SetUpCupRound(ckNationalCup, 4, 2, 2);
    GameData& gd = Game();
    Result(0, 2, 0);  // tie 1: X wins 2-1 on aggregate
    Result(1, 1, 0);
    Result(2, 1, 0);  // tie 2: 1-0 and 0-1: shoot-out
    Result(3, 1, 0);
    EXPECT_TRUE(DecideTwoLeggedTies(nullptr)) << "the window is told of the shoot-out";

    const int w1 = cup.teams[0];
    const int w2 = gd.shootout_winner == 1 ? cup.teams[2] : cup.teams[3];
    const int l2 = w2 == cup.teams[2] ? cup.teams[3] : cup.teams[2];
    EXPECT_EQ(gd.fixtures[4].home, w1);
    EXPECT_EQ(gd.fixtures[4].away, w2);
    EXPECT_EQ(gd.fixtures[5].home, w2);
    EXPECT_EQ(gd.fixtures[5].away, w1);
    EXPECT_FALSE(gd.teams[cup.teams[1]].in_national_cup);
    EXPECT_FALSE(gd.teams[l2].in_national_cup);
    EXPECT_TRUE(gd.teams[w1].in_national_cup);

    // The shoot-out: the loser scores one less; written A first into the first leg and the day match.
    const t_fixture& first_leg = gd.fixtures[2];
    EXPECT_EQ(std::abs(first_leg.home_penalties - first_leg.away_penalties), 1);
    const jogos& second_leg = gd.day_matches[2];
    EXPECT_TRUE(second_leg.on_penalties);
    EXPECT_EQ(second_leg.shootout_goals[0], first_leg.home_penalties);

    // Semi-final confidence: the winner +10 supporters and +7 board, the loser -4 and -1.
    EXPECT_EQ(gd.teams[w1].supporter_confidence, 60);
    EXPECT_EQ(gd.teams[w1].board_confidence, 57);
    EXPECT_EQ(gd.teams[cup.teams[1]].supporter_confidence, 46);
    EXPECT_EQ(gd.teams[cup.teams[1]].board_confidence, 49);
    ASSERT_FALSE(gd.club_competition_history.empty());
    EXPECT_EQ(gd.club_competition_history[0].placing, 4);
}

TEST(Knockout, TheNextRoundIsFilledOnlyWhereItsLegsExist) {
    struct Case {
        const char* name;
        int next_round_legs;
        int filled_legs;
    };
    for (const Case c : {Case{"no next round in the list", 0, 0}, Case{"half a tie", 1, 0},
                         Case{"one tie", 2, 2}}) {
        const Cup cup = SetUpCupRound(ckNationalCup, 3, 2, c.next_round_legs);
        for (int f = 0; f < 4; ++f) Result(f, f % 2 == 0 ? 2 : 0, 0);
        EXPECT_FALSE(DecideTwoLeggedTies(nullptr)) << c.name;
        int filled = 0;
        for (const t_fixture& f : Game().fixtures)
            if (f.round == 4 && f.home >= 0) ++filled;
        EXPECT_EQ(filled, c.filled_legs) << c.name;
        EXPECT_EQ(Game().fixtures.size(), 4u + c.next_round_legs) << c.name;
    }
}

TEST(Knockout, AnUndrawnTieEndsTheScan) {
    const Cup cup = SetUpCupRound(ckNationalCup, 3, 2, 2);
    GameData& gd = Game();
    gd.fixtures[0].home = -1;
    DecideTwoLeggedTies(nullptr);
    for (int team : cup.teams) EXPECT_TRUE(gd.teams[team].in_national_cup);
    EXPECT_EQ(gd.fixtures[4].home, -1);
}

TEST(Knockout, TheNationalCupFinalPaysTheFinalists) {
    const Cup cup = SetUpCupRound(ckNationalCup, 5, 1, 0);
    GameData& gd = Game();
    Result(0, 3, 0);
    Result(1, 0, 0);
    DecideTwoLeggedTies(nullptr);
    const t_team& w = gd.teams[cup.teams[0]];
    const t_team& r = gd.teams[cup.teams[1]];
    EXPECT_EQ(w.cash, MoneyFromUnits(4000000));
    EXPECT_EQ(r.cash, MoneyFromUnits(2000000));
    EXPECT_EQ(gd.finances[cup.teams[0]].prizes, 4000000);
    EXPECT_EQ(w.ranking_points[ckNationalCup - 1], 10);
    EXPECT_EQ(r.ranking_points[ckNationalCup - 1], 7);
    EXPECT_FALSE(w.in_national_cup);
    EXPECT_EQ(gd.coaches[w.coach].titles[ckNationalCup], 1);
    EXPECT_EQ(gd.honours.size(), 2u);
}

TEST(Knockout, ContinentalFinalPrizesDependOnTheWinnersContinent) {
    struct Case {
        TContinent continent;
        int winner_prize;
        int runner_up_prize;
    };
    for (const Case c : {Case{ctEurope, 7000000, 4000000}, Case{ctSouthAmerica, 5000000, 3000000},
                         Case{ctAfrica, 0, 0}, Case{ctAsia, 2000000, 100000}}) {
        const int country = CountriesOfContinent(c.continent)[0];
        const Cup cup = SetUpCupRound(ckContinentalCup, 7, 1, 0, country);
        Result(0, 1, 0);
        Result(1, 0, 0);
        DecideTwoLeggedTies(nullptr);
        EXPECT_EQ(Game().teams[cup.teams[0]].cash, MoneyFromUnits(c.winner_prize)) << c.continent;
        EXPECT_EQ(Game().teams[cup.teams[1]].cash, MoneyFromUnits(c.runner_up_prize)) << c.continent;
    }
}

TEST(Knockout, AShootOutWithoutItsDayMatchWritesOnlyTheFixture) {
    SetUpCupRound(ckNationalCup, 2, 1, 0);
    GameData& gd = Game();
    gd.day_match_count = 0;
    const jogos untouched = gd.day_matches[0];
    EXPECT_EQ(FindDayMatchOf(0, 1), 0);
    DecideTieByPenalties(0, nullptr);
    EXPECT_EQ(gd.day_matches[0].on_penalties, untouched.on_penalties);
    EXPECT_EQ(gd.day_matches[0].shootout_goals[0], untouched.shootout_goals[0]);
    EXPECT_NE(gd.fixtures[0].home_penalties, gd.fixtures[0].away_penalties);
}

TEST(Knockout, AHumanShootOutIsAskedOfTheDecisions) {
    struct Kicks : AutomaticDecisions {
        std::optional<ShootoutScore> PlayShootout(int a, int b) override {
            asked = {a, b};
            return ShootoutScore{3, 5};
        }
        std::pair<int, int> asked{-1, -1};
    } kicks;
    const Cup cup = SetUpCupRound(ckNationalCup, 2, 1, 0);
    Game().teams[cup.teams[1]].human = 1;
    EXPECT_EQ(DecideTieByPenalties(0, &kicks), 2);
    EXPECT_EQ(kicks.asked, std::make_pair(cup.teams[0], cup.teams[1]));
    EXPECT_EQ(Game().fixtures[0].away_penalties, 5);
}

TEST(Knockout, TheSuperCupIsDecidedWhenBothLegsArePlayed) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.game_state.match_kind = ckSuperCup;
    for (int t = 0; t < 2; ++t) {
        AddTeam();
        AppendRecord(gd.finances);
    }
    gd.game_state.league_club_count = 2;
    testing::AddFixture(ckSuperCup, 1, 0, 1).owner = 3;
    testing::AddFixture(ckSuperCup, 2, 1, 0).owner = 3;
    Result(0, 1, 1);
    EXPECT_FALSE(FinishSuperCup(nullptr));
    EXPECT_TRUE(gd.honours.empty()) << "the second leg is still to be played";
    Result(1, 0, 2);
    EXPECT_FALSE(FinishSuperCup(nullptr)) << "decided without a shoot-out";
    EXPECT_EQ(gd.teams[0].ranking_points[ckSuperCup - 1], 10);
    EXPECT_EQ(gd.teams[0].cash, MoneyFromUnits(1000000));
    EXPECT_EQ(gd.teams[1].cash, MoneyFromUnits(500000));
    EXPECT_EQ(gd.finances[0].prizes, 0);
    EXPECT_EQ(gd.honours.size(), 2u);
}

}  // namespace
}  // namespace kv
