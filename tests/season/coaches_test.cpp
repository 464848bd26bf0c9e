#include "season/coaches.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "season/coach_dismissals.h"
#include "season/news.h"
#include "economy_world.h"

namespace kv {
namespace {

using test::EconomyWorld;
using test::ExpectOneCoachEach;

struct CoachWorld : EconomyWorld {
    int league;
    CoachWorld(int divisions = 2, int per_division = 6, int format = kDivisionsOf20) {
        data().game_state.league_format = format;
        league = AddLeague(3, divisions, per_division);
        for (int d = 1; d <= 4; ++d)
            for (std::int32_t& price : data().ticket_prices[d]) price = 10 * d;
    }
};

TEST(HireCoach, TakesOverTheClubAndResetsItsMoneyByDivision) {
    struct Case {
        int division;
        std::int64_t lowest, highest;  // -1: the cash stays
    };
    const Case cases[] = {{0, 500'000, 699'999}, {1, 6'000'000, 7'999'999}, {2, 4'000'000, 4'999'999},
                          {3, 2'000'000, 2'999'999}, {4, 1'000'000, 1'499'999}, {5, -1, -1}};
    for (const Case& c : cases) {
        CoachWorld w;
        const int club = w.AddClub({.division = c.division, .cash_units = 123});
        w.data().finances[club].loan = 900;
        const int coach = w.AddCoach("Novo");
        HireCoach(w.data(), club, coach);
        const t_team& t = w.data().teams[club];
        EXPECT_EQ(t.coach, coach);
        EXPECT_EQ(w.data().coaches[coach].club, club);
        EXPECT_EQ(w.data().coaches[coach].employed, 1);
        EXPECT_EQ(w.data().coaches[coach].hire_lock, 5);
        EXPECT_EQ(t.board_confidence, 100);
        EXPECT_EQ(t.supporter_confidence, 80);
        EXPECT_EQ(w.data().finances[club].loan, 0);
        if (c.lowest < 0) {
            EXPECT_EQ(t.cash, MoneyFromUnits(123));
        } else {
            EXPECT_GE(t.cash, MoneyFromUnits(c.lowest)) << c.division;
            EXPECT_LE(t.cash, MoneyFromUnits(c.highest)) << c.division;
            EXPECT_EQ(t.ticket_prices[2], 10 * c.division);
        }
        const t_coach_appointment& a = w.data().coach_appointment_log.back();
        EXPECT_EQ(std::tuple(a.coach, a.team, a.season), std::tuple(coach, club, 1));
    }
}

TEST(HireCoach, HumanCoachJoinsTheSortedHumanClubs) {
    CoachWorld w;
    t_game_state& gs = w.data().game_state;
    const std::int32_t before[6] = {9, -1, 3, -1, -1, -1};
    std::copy(std::begin(before), std::end(before), gs.human_clubs);
    gs.human_count = 2;
    w.data().teams[9].human = w.data().teams[3].human = 1;
    const int borrowed = w.AddPlayer(7);
    const int offered = w.AddPlayer(7);
    w.data().players[borrowed].loan_status = 2;
    w.data().players[borrowed].contract_end = w.today() + 33;
    w.data().players[offered].loan_status = 1;
    w.data().players[offered].on_sale = 1;
    const int human = w.AddCoach("Humano", -1, true);
    ReleaseCoach(w.data(), 7, w.data().teams[7].coach);
    HireCoach(w.data(), 7, human);
    EXPECT_EQ(std::vector<int>(gs.human_clubs, gs.human_clubs + 6),
              (std::vector<int>{3, 7, 9, -1, -1, -1}));
    EXPECT_EQ(gs.human_count, 3);
    EXPECT_EQ(w.data().teams[7].human, 1);
    EXPECT_EQ(w.data().league_configs[0].has_human_club, 1);
    EXPECT_EQ(w.data().players[borrowed].loan_status, 2);
    EXPECT_EQ(w.data().players[borrowed].contract_end, w.today() + 33);
    EXPECT_EQ(w.data().players[offered].loan_status, 0);
    EXPECT_EQ(w.data().players[offered].on_sale, 0);
    EXPECT_GE(w.data().players[offered].contract_end, w.today() + 70);
    EXPECT_LE(w.data().players[offered].contract_end, w.today() + 273);
}

TEST(ReleaseCoach, HumanCoachLeavesEverythingOfHisClubBehind) {
    CoachWorld w;
    const int club = 2;
    const int human = w.AddCoach("Humano", -1, true);
    ReleaseCoach(w.data(), club, w.data().teams[club].coach);
    HireCoach(w.data(), club, human);
    w.data().game_state.user_club = club;
    const int other = w.AddClub();
    w.data().friendlies.push_back({club, other, 0, {}, w.today() + 3});
    w.data().friendlies.push_back({other, 5, 0, {}, w.today() + 3});
    AddNewsItem(w.data(), club, neWelcome, 0, 0, 0, 0);
    ReleaseCoach(w.data(), club, human);
    EXPECT_EQ(w.data().teams[club].coach, -1);
    EXPECT_EQ(w.data().teams[club].human, 0);
    EXPECT_EQ(w.data().coaches[human].club, -1);
    EXPECT_EQ(w.data().coaches[human].last_club, club);
    EXPECT_EQ(w.data().coaches[human].employed, 0);
    EXPECT_EQ(w.data().game_state.human_count, 0);
    EXPECT_EQ(w.data().game_state.human_clubs[0], -1);
    EXPECT_EQ(w.data().league_configs[0].has_human_club, 0);
    EXPECT_EQ(w.data().friendlies[0].home, -1);
    EXPECT_EQ(w.data().friendlies[0].taken, 1);
    EXPECT_EQ(w.data().friendlies[1].home, other);
    EXPECT_EQ(w.data().inbox[0].club, -1);
    EXPECT_EQ(w.data().inbox[0].body, 73);
    EXPECT_EQ(w.data().fallback_league, 0);
}

TEST(ReleaseCoach, KeepsFriendliesOnAFriendliesDayAndTheLeagueFlagWhileAnotherHumanStays) {
    CoachWorld w;
    const int a = w.AddCoach("Humano A", -1, true);
    const int b = w.AddCoach("Humano B", -1, true);
    for (auto [club, coach] : {std::pair{1, a}, std::pair{4, b}}) {
        ReleaseCoach(w.data(), club, w.data().teams[club].coach);
        HireCoach(w.data(), club, coach);
    }
    w.data().friendlies.push_back({1, 8, 0, {}, w.today() + 3});
    w.data().game_state.match_kind = ckFriendly;
    ReleaseCoach(w.data(), 1, a);
    EXPECT_EQ(w.data().friendlies[0].home, 1);
    EXPECT_EQ(w.data().league_configs[0].has_human_club, 1);
    EXPECT_EQ(w.data().game_state.human_clubs[0], 4);
}

TEST(ReleaseCoach, DivisionTheCoachIsRememberedIn) {
    struct Case {
        int format;
        bool human;
        int division;
    };
    for (const Case c : {Case{kDivisionsOf10, true, 4}, Case{kDivisionsOf20, true, 2},
                         Case{kDivisionsOf10, false, 2}}) {
        CoachWorld w(2, 6, c.format);
        const int club = 8;  // second division
        int coach = w.data().teams[club].coach;
        if (c.human) {
            ReleaseCoach(w.data(), club, coach);
            coach = w.AddCoach("Humano", -1, true);
            HireCoach(w.data(), club, coach);
        }
        ReleaseCoach(w.data(), club, coach);
        EXPECT_EQ(w.data().coaches[coach].division, c.division);
    }
}

TEST(CoachNames, FirstAndLastNameFromTheGamesLists) {
    SeedRandom(5);
    for (int k = 0; k < 50; ++k) {
        const std::string name = RandomCoachName();
        const auto blank = name.find(' ');
        ASSERT_NE(blank, std::string::npos);
        EXPECT_EQ(name.find(' ', blank + 1), std::string::npos) << name;
    }
}

TEST(FreeCoaches, OnlyNamedUnemployedComputerCoaches) {
    CoachWorld w;
    const int empty = w.AddCoach("");
    w.data().coaches[empty].country = 3;
    const int human = w.AddCoach("Humano", -1, true);
    w.data().coaches[human].country = 3;
    const int foreign = w.AddCoach("Estrangeiro");
    w.data().coaches[foreign].country = 29;
    const int free = w.AddCoach("Livre");
    w.data().coaches[free].country = 3;
    w.data().coaches[free].division = 2;
    EXPECT_EQ(FindFreeCoach(w.data(), 3), free);
    EXPECT_EQ(FindFreeCoach(w.data(), -1), foreign);
    EXPECT_EQ(FindFreeCoachForDivision(w.data(), 3, 2), free);
    EXPECT_EQ(FindFreeCoachForDivision(w.data(), 3, 1), -1);
}

TEST(Dismissals, BoardBelowTenSacksAComputerCoachPlacedSixthOrWorse) {
    struct Case {
        const char* what;
        int confidence;
        int place;
        int division;
        bool changed;
    };
    const Case cases[] = {
        {"placed fifth", 9, 5, 1, false},
        {"placed sixth", 9, 6, 1, true},
        {"confidence exactly ten", 10, 6, 1, false},
        {"a club of no division", 0, 6, 0, false},
        {"no state placing on a state day", 0, 0, 1, false},
    };
    for (const Case& c : cases) {
        CoachWorld w;
        const int club = 5;
        const int free = w.AddCoach("Livre");
        w.data().coaches[free].country = 3;
        w.data().coaches[free].division = 1;
        w.data().teams[club].board_confidence = c.confidence;
        w.data().teams[club].division = c.division;
        w.data().teams[club].table_position[ckNationalLeague] = c.place;
        if (c.place == 0) w.data().game_state.match_kind = ckStateChampionship;
        const int old = w.data().teams[club].coach;
        const DismissalRound round = ProcessCoachDismissals(w.data());
        EXPECT_EQ(w.data().teams[club].coach != old, c.changed) << c.what;
        if (c.changed) {
            ASSERT_EQ(round.changes.size(), 1u);
            EXPECT_EQ(round.changes[0].team, club);
            EXPECT_EQ(round.changes[0].old_coach, old);
            EXPECT_EQ(round.changes[0].new_coach, free);
            EXPECT_GE(round.changes[0].reason, 1);
            EXPECT_LE(round.changes[0].reason, 4);
            EXPECT_EQ(w.data().teams[club].board_confidence, 100);
        }
        EXPECT_TRUE(w.data().coach_dismissals.empty());
        ExpectOneCoachEach(w.data());
    }
}

TEST(Dismissals, WithNobodyFreeTheCoachesOfTwoClubsChangePlaces) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        CoachWorld w(2, 20);
        const int club = 15;
        w.data().teams[club].board_confidence = 3;
        w.data().teams[club].table_position[ckNationalLeague] = 16;
        w.data().game_state.show_coach_changes = 1;
        SeedRandom(seed);
        const int old = w.data().teams[club].coach;
        const DismissalRound round = ProcessCoachDismissals(w.data());
        ASSERT_EQ(round.changes.size(), 2u);
        const t_coach_dismissal& first = round.changes[0];
        const t_coach_dismissal& second = round.changes[1];
        EXPECT_EQ(std::tuple(first.team, first.old_coach, first.reason), std::tuple(club, old, 0));
        EXPECT_EQ(std::tuple(second.old_coach, second.new_coach, second.reason),
                  std::tuple(first.new_coach, old, 0));
        EXPECT_EQ(w.data().teams[second.team].coach, old);
        EXPECT_EQ(DismissalReasonText(first.reason), "Troca de técnicos");
        EXPECT_TRUE(round.show_changes);
        ExpectOneCoachEach(w.data());
    }
}

TEST(Dismissals, NobodyToLureKeepsTheCoach) {
    CoachWorld w(1, 6);
    for (t_coach& c : w.data().coaches) c.hire_lock = 5;
    w.data().teams[4].board_confidence = 1;
    w.data().teams[4].table_position[ckNationalLeague] = 6;
    const int old = w.data().teams[4].coach;
    const DismissalRound round = ProcessCoachDismissals(w.data());
    EXPECT_EQ(w.data().teams[4].coach, old);
    EXPECT_TRUE(round.changes.empty());
    EXPECT_FALSE(round.show_changes);
}

TEST(Dismissals, HumanCoachIsDismissedWhateverHisPlace) {
    CoachWorld w;
    const int club = 0;
    const int human = w.AddCoach("Humano", -1, true);
    const int free = w.data().teams[club].coach;  // free again once the human takes over
    ReleaseCoach(w.data(), club, free);
    HireCoach(w.data(), club, human);
    w.data().teams[club].board_confidence = 2;
    w.data().teams[club].supporter_confidence = 10;
    w.data().teams[club].table_position[ckNationalLeague] = 1;
    const DismissalRound round = ProcessCoachDismissals(w.data());
    ASSERT_EQ(round.human.size(), 1u);
    EXPECT_EQ(round.human[0].club, club);
    EXPECT_EQ(round.human[0].old_coach, human);
    EXPECT_EQ(round.human[0].new_coach, free);
    // The reason is the supporters' although the successor has calmed them since.
    EXPECT_EQ(round.human[0].reason, DismissalReason::kSupporters);
    EXPECT_EQ(w.data().teams[club].supporter_confidence, 80);
    EXPECT_EQ(w.data().teams[club].human, 0);
    EXPECT_EQ(w.data().coaches[human].employed, 0);
    ExpectOneCoachEach(w.data());
}

TEST(SuccessorCoach, TakesANonLeagueClubsCoachAndThatClubGetsAnother) {
    CoachWorld w;
    const int club = 8;  // division 2
    const int outside = w.AddClub({.division = 0});
    const int outsider = w.AddCoach("De fora", outside);
    const int human = w.AddCoach("Humano", -1, true);
    const int idle = w.data().teams[club].coach;
    ReleaseCoach(w.data(), club, idle);
    w.data().coaches[idle].name.set("");  // an empty record is never a free coach
    HireCoach(w.data(), club, human);
    const std::size_t before = w.data().coaches.size();
    const HumanDismissal d = DismissHumanCoach(w.data(), club);
    EXPECT_EQ(d.new_coach, outsider);
    EXPECT_EQ(w.data().teams[club].coach, outsider);
    ASSERT_EQ(w.data().coaches.size(), before + 1);
    EXPECT_EQ(w.data().teams[outside].coach, static_cast<int>(before));
    ExpectOneCoachEach(w.data());
}

TEST(SuccessorCoach, CreatesANewCoachWhenNobodyIsFound) {
    CoachWorld w(1, 6);
    const int human = w.AddCoach("Humano", -1, true);
    ReleaseCoach(w.data(), 0, w.data().teams[0].coach);
    w.data().coaches[0].name.set("");
    HireCoach(w.data(), 0, human);
    const std::size_t before = w.data().coaches.size();
    const int chosen = ChooseReplacementCoach(w.data(), 0);
    EXPECT_EQ(chosen, static_cast<int>(before));
    const t_coach& c = w.data().coaches[chosen];
    EXPECT_NE(c.name.str().find(' '), std::string::npos);
    EXPECT_EQ(std::tuple(c.club, c.last_club, c.country, c.division, c.human, c.employed),
              std::tuple(-1, -1, 3, 1, 0, 0));
}

}  // namespace
}  // namespace kv
