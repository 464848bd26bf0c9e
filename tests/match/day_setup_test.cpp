#include "match/day_setup.h"

#include <gtest/gtest.h>

#include <vector>

#include "match/booking.h"
#include "match_world.h"
#include "season/pairing_tables.h"

namespace kv {
namespace {

using testing::AddTeam;

constexpr double kToday = 41343;  // 10 March 2013

// Teams 0..7 with stadiums; today is calendar day 1.
void StartDay(int kind) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.calendar[0].date = kToday;
    gd.game_state.match_kind = kind;
    ResizeTable(gd.day_matches, kDayMatchRecords);
    ResizeTable(gd.match_strengths, 108);  // each team's line-up, still empty, at 100 + team
    for (int t = 0; t < 8; ++t) {
        AddTeam();
        gd.teams[t].stadium.set("Estádio " + std::to_string(t));
        gd.teams[t].match_strength_index = 100 + t;
        for (int k = 0; k < 4; ++k) gd.teams[t].sector_capacity[k] = 1000;
        gd.teams[t].ticket_prices[0] = 10;
    }
}

int Fixture(int kind, int owner, int round, int home, int away, double date, bool played = false) {
    t_fixture& f = testing::AddFixture(kind, round, home, away);
    f.owner = owner;
    f.date = date;
    f.played = played ? 1 : 0;
    return static_cast<int>(Game().fixtures.size()) - 1;
}

std::vector<int> RowFixtures() {
    std::vector<int> rows;
    for (int i = 1; i <= Game().day_match_count; ++i) rows.push_back(Game().day_matches[i].fixture);
    return rows;
}

TEST(DaySetUp, AGroupIsTodaysUnplayedFixturesOfItsCompetition) {
    struct Case {
        const char* name;
        int kind;
        int group;  // match_day_group, or the state for kind 3
    };
    for (const Case c : {Case{"league", ckNationalLeague, 0}, Case{"national cup", ckNationalCup, 1},
                         Case{"continental cup", ckContinentalCup, crEurope},
                         Case{"second cup", ckSecondContinentalCup, crSouthAmerica},
                         Case{"state championship", ckStateChampionship, 25},
                         Case{"super cup", ckSuperCup, 3}}) {
        StartDay(c.kind);
        GameData& gd = Game();
        const int other_kind = c.kind == ckNationalLeague ? ckNationalCup : ckNationalLeague;
        const int first = Fixture(c.kind, c.group, 2, 0, 1, kToday);
        // Another group; the super cups of both regions are one group, told apart by round.
        if (c.kind == ckSuperCup) Fixture(c.kind, c.group, 3, 2, 3, kToday);
        else Fixture(c.kind, c.group + 1, 2, 2, 3, kToday);
        Fixture(c.kind, c.group, 2, 2, 3, kToday, true);         // already played
        Fixture(c.kind, c.group, 3, 4, 5, kToday + 7);           // another day
        Fixture(other_kind, c.group, 2, 4, 5, kToday);           // another competition
        const int last = Fixture(c.kind, c.group, 2, 6, 7, kToday + 0.5);  // the time of day is ignored
        gd.teams[7].human = 1;
        gd.match_day_group = c.group;
        gd.state_position = c.group;
        gd.state_leagues[c.group].active = 1;
        gd.state_leagues[c.group].group_count = 1;
        SetUpGroupOfKind(c.kind);
        EXPECT_EQ(RowFixtures(), (std::vector<int>{first, last})) << c.name;
        const jogos& row = gd.day_matches[2];
        EXPECT_EQ(row.team[0], 6) << c.name;
        EXPECT_EQ(row.strength_slot[1], 107) << c.name;
        EXPECT_EQ(row.subs_left[0], 3) << c.name;
        EXPECT_EQ(row.venue.str(), "Estádio 6") << c.name;
        EXPECT_EQ(row.attendance, row.sector_attendance[0] + row.sector_attendance[1] +
                                      row.sector_attendance[2] + row.sector_attendance[3]);
        EXPECT_EQ(row.gate_income, row.sector_attendance[0] * 10) << c.name;
        EXPECT_EQ(gd.human_match_count, 1) << c.name;
        EXPECT_EQ(gd.human_match_rows[0], 2) << c.name;
    }
}

TEST(DaySetUp, AStateDayWithoutStateZeroStartsAtTheStatesPreferredForShow) {
    StartDay(ckStateChampionship);
    GameData& gd = Game();
    gd.state_leagues[10].active = 1;
    gd.state_leagues[18].active = 1;
    gd.state_position = 0;
    SetUpStateGroup();
    EXPECT_EQ(gd.state_position, 18);
    EXPECT_TRUE(gd.state_leagues[18].round_played);
}

TEST(DaySetUp, FriendliesTakeTodaysFixturesByPositionAndOnlyOnce) {
    StartDay(ckFriendly);
    GameData& gd = Game();
    const int fixture = Fixture(ckFriendly, 0, 0, 0, 1, kToday);
    auto friendly = [&](int home, int away, bool taken) {
        t_friendly& f = gd.friendlies.emplace_back();
        f.home = home;
        f.away = away;
        f.date = kToday;
        f.taken = taken ? 1 : 0;
    };
    friendly(4, 5, true);
    friendly(0, 1, false);
    friendly(2, 3, false);
    SetUpFriendlies();
    ASSERT_EQ(gd.day_match_count, 2);
    EXPECT_EQ(gd.day_matches[1].fixture, fixture);
    EXPECT_EQ(gd.day_matches[2].fixture, -1) << "a friendly without its fixture is linked to none";
    EXPECT_EQ(gd.day_matches[1].subs_left[1], 5);
    EXPECT_EQ(gd.day_matches[2].competition, 0);
    for (const t_friendly& f : gd.friendlies) EXPECT_TRUE(f.taken);

    gd.day_matches[2].goals[0] = 3;
    const std::vector<t_fixture> before = gd.fixtures;
    WriteResultToFixture(gd.day_matches[2].fixture, 2);
    EXPECT_EQ(gd.fixtures[fixture].home_goals, before[fixture].home_goals);
    EXPECT_EQ(gd.fixtures[fixture].played, 0);

    SetUpFriendlies();
    EXPECT_EQ(gd.day_match_count, 0) << "a second group of the day takes no friendly twice";
}

TEST(DaySetUp, NationalTeamsPlayTheirGroupsOrTheirBracketTies) {
    struct Case {
        int kind;
        int stage;
        int rows;
        int first_tie;  // 0 for a group day
    };
    for (const Case c : {Case{ckWorldCup, 1, 16, 0}, Case{ckWorldCup, 4, 8, 1}, Case{ckWorldCup, 5, 4, 9},
                         Case{ckWorldCup, 7, 2, 15}, Case{ckAmericasNationsCup, 2, 6, 0},
                         Case{ckEuropeanNationsCup, 3, 8, 0}, Case{ckEuropeanNationsCup, 4, 4, 1},
                         Case{ckAmericasNationsCup, 6, 2, 7}}) {
        testing::StartMatchDay();
        GameData& gd = Game();
        gd.game_state.match_kind = c.kind;
        gd.game_state.tournament_round = c.stage;
        gd.game_state.tournament_host_number = 2;
        for (int t = 0; t < 32; ++t) {
            AddTeam();
            gd.teams[t].tournament_group = t / 4 + 1;
            gd.game_state.tournament_groups[t / 4][t % 4] = t;
        }
        for (int tie = 0; tie < kNationalBracketTies; ++tie) {
            gd.national_tournament_bracket[tie].team_a = 2 * tie;
            gd.national_tournament_bracket[tie].team_b = 2 * tie + 1;
        }
        SetUpGroupOfKind(c.kind);
        ASSERT_EQ(gd.day_match_count, c.rows) << c.kind << "/" << c.stage;
        if (c.first_tie > 0) {
            EXPECT_EQ(gd.day_matches[1].team[0], 2 * (c.first_tie - 1));
        } else {
            const SlotPairing p = Pairing4Teams(c.stage, 1, 2);
            EXPECT_EQ(gd.day_matches[2].team[0], p.home - 1);
            EXPECT_EQ(gd.day_matches[3].team[0], 4 + Pairing4Teams(c.stage, 1, 1).home - 1);
        }
        for (int i = 1; i <= c.rows; ++i) {
            EXPECT_FALSE(gd.day_matches[i].venue.str().empty()) << c.kind << "/" << c.stage << " row " << i;
            EXPECT_EQ(gd.day_matches[i].attendance, 0);
            EXPECT_EQ(gd.day_matches[i].gate_income, 0);
        }
    }
}

TEST(DaySetUp, TheClubWorldCupPlaysTheTwoTiesOfItsStageInTheSeasonsHostCities) {
    struct Case {
        int stage;
        int season;
        int first_tie;
        const char* first_venue;
    };
    for (const Case c : {Case{1, 1, 0, "Marrakech"}, Case{2, 6, 2, "Abu Dhabi"}, Case{3, 31, 4, "Marrakech"}}) {
        testing::StartMatchDay();
        GameData& gd = Game();
        gd.game_state.match_kind = ckClubWorldCup;
        gd.game_state.club_world_cup_stage = c.stage;
        gd.game_state.season = c.season;
        for (int t = 0; t < 12; ++t) AddTeam();
        for (int tie = 0; tie < kClubWorldCupTies; ++tie) {
            gd.club_world_cup_bracket[tie].team_a = 2 * tie;
            gd.club_world_cup_bracket[tie].team_b = 2 * tie + 1;
        }
        SetUpClubWorldCup();
        ASSERT_EQ(gd.day_match_count, 2);
        EXPECT_EQ(gd.day_matches[1].team[0], 2 * c.first_tie);
        EXPECT_EQ(gd.day_matches[2].team[1], 2 * c.first_tie + 3);
        EXPECT_EQ(gd.day_matches[1].venue.str(), c.first_venue);
        EXPECT_EQ(gd.day_matches[1].attendance, 0);
    }
}

}  // namespace
}  // namespace kv
