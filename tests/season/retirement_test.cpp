#include "season/retirement.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "season/loans.h"
#include "economy_world.h"

namespace kv {
namespace {

using test::EconomyWorld;

// The next Random(n) the source will give, without taking it.
int PeekRandom(int n) {
    const auto state = RandomState();
    const int r = Random(n);
    SetRandomState(state);
    return r;
}

TEST(Retirement, DueWhenTheDrawExceedsTheThresholdOfAgeAndPosition) {
    struct Case {
        int age;
        int position;
        int threshold;  // -1: always
    };
    const Case cases[] = {
        {33, posForward, 90}, {33, posGoalkeeper, 60}, {35, posMidfielder, 50},
        {36, posFullBack, 30}, {37, posGoalkeeper, 40}, {40, posCentreBack, 5},
        {41, posGoalkeeper, 10}, {44, posForward, 2}, {44, posGoalkeeper, 3},
        {48, posForward, 1}, {49, posForward, -1}, {55, posGoalkeeper, -1},
    };
    EconomyWorld w;
    const int club = w.AddClub();
    for (const Case& c : cases) {
        const int player = w.AddPlayer(club, {.position = c.position, .age = c.age});
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            SeedRandom(seed);
            const bool expected = c.threshold < 0 || PeekRandom(100) > c.threshold;
            EXPECT_EQ(RetirementDue(w.data(), player), expected) << c.age << "/" << c.position;
        }
    }
}

TEST(Retirement, SuccessorTakesThePlaceWithAFreshYouthRecord) {
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        EconomyWorld w;
        const int club = w.AddClub({.level = 10, .division = 5});
        w.AddSquad(club, {2, 2, 2, 2, 2});
        const int old = w.AddPlayer(club, {.position = posCentreBack, .strength = 40, .age = 36});
        t_player& retiree = w.data().players[old];
        retiree.characteristic1 = 7;
        retiree.characteristic2 = 12;
        retiree.goals = 80;
        retiree.yellow_cards[ckNationalLeague] = 2;
        retiree.suspension[ckSuperCup] = 1;
        w.Refresh(club);
        const int squad = w.data().teams[club].squad_size;
        SeedRandom(seed);
        RetirePlayer(w.data(), old, "", -1);

        const t_player& s = w.data().players.back();
        const int successor = static_cast<int>(w.data().players.size()) - 1;
        EXPECT_EQ(w.data().players[old].team, -1);
        EXPECT_EQ(s.team, club);
        EXPECT_EQ(w.data().teams[club].squad_size, squad);
        EXPECT_EQ(s.name.str(), w.data().players[old].name.str());
        EXPECT_GE(s.age, 17);
        EXPECT_LE(s.age, 20);
        const int base = s.strength - (s.star ? 10 : 0);
        EXPECT_GE(base, 2 + 2);
        EXPECT_LE(base, 14 + 5 + (s.star ? 9 : 0));
        EXPECT_EQ(s.position, posCentreBack);
        EXPECT_EQ(s.characteristic1, 7);
        EXPECT_EQ(s.characteristic2, 12);
        EXPECT_EQ(s.energy, 100);
        EXPECT_EQ(s.morale, 3);
        EXPECT_EQ(s.goals, 0);
        EXPECT_EQ(s.yellow_cards[ckNationalLeague], 0);
        EXPECT_EQ(s.suspension[ckSuperCup], 1);
        EXPECT_EQ(s.contract_end, w.today() + 28);
        EXPECT_EQ(s.injured_until, w.today());
        EXPECT_EQ(s.value, MoneyFromUnits(CalcPlayerValue(w.data(), successor)));
        EXPECT_EQ(s.wage, MoneyFromUnits(CalcPlayerWage(w.data(), successor)));
        EXPECT_TRUE(test::WageBillsTrue(w.data()));
    }
}

TEST(Retirement, ChosenNameAndPositionDrawCharacteristicsForIt) {
    const std::pair<int, int> forward_pairs[] = {{9, 5}, {13, 9}, {8, 9}};
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        EconomyWorld w;
        const int club = w.AddClub({.human = true});
        const int old = w.AddPlayer(club, {.position = posGoalkeeper, .age = 35});
        SeedRandom(seed);
        RetirePlayer(w.data(), old, "Um nome comprido demais para caber", posForward);
        const t_player& s = w.data().players.back();
        EXPECT_EQ(s.name.str(), "Um nome comprido dem");
        EXPECT_EQ(s.position, posForward);
        EXPECT_NE(std::find(std::begin(forward_pairs), std::end(forward_pairs),
                            std::pair{s.characteristic1, s.characteristic2}),
                  std::end(forward_pairs));
    }
}

TEST(Retirement, SometimesBecomesAFreeCoachOfHisLeagueClub) {
    struct Case {
        const char* what;
        int division;
        bool star;
        bool league_club;
        int one_in;  // 0: never
    };
    const Case cases[] = {
        {"a first-division star", 1, true, true, 3},
        {"a non-star of division 0", 0, false, true, 120},
        {"a non-star of division 3", 3, false, true, 60},
        {"a star of a club outside the leagues", 1, true, false, 0},
    };
    for (const Case& c : cases) {
        for (std::uint64_t seed = 1; seed <= 30; ++seed) {
            EconomyWorld w;
            const int club = w.AddClub({.division = c.division});
            if (!c.league_club) w.data().game_state.league_club_count = 0;
            const int old = w.AddPlayer(club, {.age = 36, .star = c.star});
            SeedRandom(seed);
            const bool coach = c.one_in > 0 && PeekRandom(c.one_in) == 1;
            RetirePlayer(w.data(), old, "", -1);
            ASSERT_EQ(w.data().coaches.size(), coach ? 1u : 0u) << c.what;
            if (!coach) continue;
            const t_coach& made = w.data().coaches[0];
            EXPECT_EQ(made.name.str(), w.data().players[old].name.str());
            EXPECT_EQ(made.club, -1);
            EXPECT_EQ(made.last_club, club);
            EXPECT_EQ(made.division, c.division);
            EXPECT_EQ(made.employed, 0);
        }
    }
}

TEST(Retirement, OfALoaneeEndsTheLoanAndTheLenderGetsTheSuccessor) {
    EconomyWorld w;
    const int owner = w.AddClub({.human = true});
    const int borrower = w.AddClub();
    const int player = w.AddPlayer(borrower, {.age = 38});
    w.data().players[player].loan_status = 2;
    AddLoan(w.data(), player, owner, w.today() + 30);
    RetirePlayer(w.data(), player, "", -1);
    EXPECT_EQ(FindOpenLoan(w.data(), player), -1);
    EXPECT_EQ(w.data().players.back().team, owner);
    EXPECT_EQ(w.data().players.back().loan_status, 0);
    EXPECT_EQ(w.data().teams[borrower].squad_size, 0);
}

}  // namespace
}  // namespace kv
