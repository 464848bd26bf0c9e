#include "match/booking.h"

#include <gtest/gtest.h>

#include "core/dates.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddTeam;

constexpr double kSunday = 41280;  // 6 January 2013
constexpr double kMonday = kSunday + 1;

struct Match {
    int home = 0;
    int away = 1;
    int fixture = 0;
};

// Two clubs with coaches and finances, one day match of `kind` on fixture 0 that ended gh-ga.
Match SetUpResult(int kind, double date, int gh, int ga) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.game_state.match_kind = kind;
    gd.game_state.season = 2;
    gd.game_state.league_club_count = 2;
    gd.calendar[0].date = date;
    Match m;
    for (int i = 0; i < 2; ++i) {
        const int t = AddTeam();
        gd.teams[t].cash = MoneyFromUnits(10000);
        gd.teams[t].division = 1;
        gd.teams[t].coach = i;
        gd.coaches.emplace_back().club = t;
        t_finance& f = AppendRecord(gd.finances);
        f.wage_bill = 100;
        f.loan = 1000;
        f.loan_interest = 99;
    }
    testing::AddFixture(kind, 1, m.home, m.away);
    const int d = testing::AddDayMatch(m.home, m.away);
    gd.day_match_count = 1;
    jogos& j = gd.day_matches[d];
    j.fixture = m.fixture;
    j.goals[0] = gh;
    j.goals[1] = ga;
    j.gate_income = 1001;
    j.sector_attendance[0] = 300;
    j.sector_attendance[3] = 20;
    j.possession[0] = j.possession[1] = 50;
    j.shots[0] = 0;
    j.shots[1] = 4;
    return m;
}

const t_coach_season* CoachLine(int coach) {
    for (const t_coach_season& s : Game().coach_seasons)
        if (s.coach == coach) return &s;
    return nullptr;
}

TEST(Booking, ALeagueWinOnASundayIsBookedEverywhere) {
    const Match m = SetUpResult(ckNationalLeague, kSunday, 2, 1);
    GameData& gd = Game();
    gd.teams[m.home].playing_style = 2;
    BookGroupMatches();

    const t_fixture& f = gd.fixtures[m.fixture];
    EXPECT_EQ(f.home_goals, 2);
    EXPECT_EQ(f.away_goals, 1);
    EXPECT_EQ(f.attendance, 320);
    EXPECT_EQ(f.gate_income, 1001);
    EXPECT_TRUE(f.played);

    const t_team& h = gd.teams[m.home];
    const t_team& a = gd.teams[m.away];
    const int k = ckNationalLeague;
    EXPECT_EQ(h.points[k], 3);
    EXPECT_EQ(h.wins[k], 1);
    EXPECT_EQ(a.losses[k], 1);
    EXPECT_EQ(a.played[k], 1);
    EXPECT_EQ(h.goals_for[k], 2);
    EXPECT_EQ(a.goals_against[k], 2);
    EXPECT_EQ(h.last_result, 1);
    EXPECT_EQ(a.last_result, 2);
    EXPECT_EQ(h.alltime_record[k - 1].points, 3);
    EXPECT_EQ(a.alltime_record[k - 1].goals_for, 1);

    // Gate to the home club, then wages and 3 % interest on the loan for both.
    EXPECT_EQ(h.cash, MoneyFromUnits(10000 + 1001 - 100 - 30));
    EXPECT_EQ(a.cash, MoneyFromUnits(10000 - 100 - 30));
    EXPECT_EQ(gd.finances[m.home].gate_receipts, 1001);
    EXPECT_EQ(gd.finances[m.away].wages_paid, 100);
    EXPECT_EQ(gd.finances[m.away].loan_interest, 30);

    ASSERT_EQ(gd.result_history.size(), 1u);
    EXPECT_EQ(gd.result_history[0].kind, k);
    EXPECT_EQ(gd.result_history[0].season, 2);

    const jogos& j = gd.day_matches[1];
    EXPECT_EQ(j.shots[0], 1) << "no side shows 0 shots";
    EXPECT_EQ(j.possession[0], 35) << "a counter-attacking side shows 70 %";
    EXPECT_EQ(j.possession[1], 45) << "the loser shows 90 %";

    ASSERT_NE(CoachLine(0), nullptr);
    EXPECT_EQ(CoachLine(0)->points, 5);
    EXPECT_EQ(CoachLine(0)->wins, 1);
    EXPECT_EQ(CoachLine(1)->losses, 1);
}

TEST(Booking, TheDatesAreASundayAndAMonday) {
    EXPECT_EQ(DayOfWeek(kSunday), 1);
    EXPECT_EQ(DayOfWeek(kMonday), 2);
}

TEST(Booking, MoneyGoesWhereTheKindSays) {
    struct Case {
        const char* name;
        int kind;
        double date;
        int calendar_day;
        int home_change;
        int away_change;
        std::size_t history;
    };
    const Case cases[] = {
        {"a national cup gate is split", ckNationalCup, kSunday, 20, 500, 500, 1},
        {"friendlies before day 10 pay wages", ckFriendly, kMonday, 9, 1001 - 100, -100, 1},
        {"friendlies from day 10 do not", ckFriendly, kMonday, 10, 1001, 0, 1},
        {"a weekday league match pays no wages", ckNationalLeague, kMonday, 20, 1001, 0, 1},
        {"the continental cup has no Sunday wages", ckContinentalCup, kSunday, 20, 1001, 0, 1},
        {"national teams earn nothing and keep no history", ckWorldCup, kSunday, 20, 0, 0, 0},
        {"the super cup's gate goes home", ckSuperCup, kSunday, 20, 1001, 0, 1},
    };
    for (const Case& c : cases) {
        const Match m = SetUpResult(c.kind, c.date, 0, 0);
        GameData& gd = Game();
        gd.game_state.calendar_day = c.calendar_day;
        gd.calendar[c.calendar_day - 1].date = c.date;
        BookGroupMatches();
        EXPECT_EQ(gd.teams[m.home].cash, MoneyFromUnits(10000 + c.home_change)) << c.name;
        EXPECT_EQ(gd.teams[m.away].cash, MoneyFromUnits(10000 + c.away_change)) << c.name;
        EXPECT_EQ(gd.result_history.size(), c.history) << c.name;
    }
}

TEST(Booking, TalliesByKind) {
    struct Case {
        const char* name;
        int kind;
        int round;  // the round counter of the kind
        bool table;
        bool all_time;
    };
    const Case cases[] = {
        {"league", ckNationalLeague, 1, true, true},
        {"state groups", ckStateChampionship, 5, true, true},
        {"state finals", ckStateChampionship, 6, false, true},
        {"continental group", ckContinentalCup, 3, true, true},
        {"continental knock-out", ckContinentalCup, 4, false, true},
        {"world cup group", ckWorldCup, 3, true, false},
        {"the super cup has no table", ckSuperCup, 1, false, true},
    };
    for (const Case& c : cases) {
        const Match m = SetUpResult(c.kind, kMonday, 1, 0);
        GameData& gd = Game();
        gd.game_state.state_league_round = c.round;
        gd.game_state.continental_cup_round = c.round;
        gd.game_state.tournament_round = c.round;
        BookGroupMatches();
        const t_team& h = gd.teams[m.home];
        int points = 0;
        for (int k = 0; k < kTableKindCount; ++k) points += h.points[k];
        EXPECT_EQ(points, c.table ? 3 : 0) << c.name;
        EXPECT_EQ(h.alltime_record[c.kind - 1].points, c.all_time ? 3 : 0) << c.name;
        EXPECT_EQ(gd.teams[m.away].last_result, c.table || c.kind == ckContinentalCup ? 2 : 0) << c.name;
    }
}

TEST(Booking, HeavyDefeatsOfHumanClubsByMargin) {
    struct Case {
        int gh, ga;
        bool human_home;
        int home_class, away_class;
    };
    const Case cases[] = {
        {0, 4, true, 1, 0}, {0, 7, true, 4, 0}, {1, 9, true, 4, 0}, {0, 3, true, 0, 0},
        {4, 0, false, 0, 0}, {5, 0, false, 0, 1}, {9, 1, false, 0, 3}, {0, 4, false, 0, 0},
    };
    for (const Case& c : cases) {
        const Match m = SetUpResult(ckNationalLeague, kMonday, c.gh, c.ga);
        GameData& gd = Game();
        gd.teams[c.human_home ? m.home : m.away].human = 1;
        BookGroupMatches();
        EXPECT_EQ(gd.teams[m.home].heavy_defeat, c.home_class) << c.gh << "-" << c.ga;
        EXPECT_EQ(gd.teams[m.away].heavy_defeat, c.away_class) << c.gh << "-" << c.ga;
        EXPECT_EQ(gd.inbox.size(), c.home_class + c.away_class > 0 ? 1u : 0u) << c.gh << "-" << c.ga;
    }
}

TEST(Booking, PlayersRecoverByAgeAndKeepTheirPlayedMarkForTheDevelopment) {
    struct Case {
        bool played;
        int position;
        int age;
        bool star;
        bool human;
        int energy;
        int low, high;
    };
    const Case cases[] = {
        {true, 3, 26, false, true, 50, 60, 60},   {true, 0, 26, false, true, 50, 55, 55},
        {true, 3, 33, false, true, 50, 70, 70},   {true, 0, 33, false, true, 50, 60, 60},
        {true, 3, 40, true, true, 50, 83, 83},    {false, 3, 25, false, true, 50, 100, 100},
        {false, 3, 26, false, true, 10, 50, 50},  {false, 3, 80, false, true, 10, 15, 15},
        {true, 3, 20, false, false, 5, 20, 39},   {true, 3, 20, false, true, 5, 15, 15},
    };
    for (const Case& c : cases) {
        testing::StartMatchDay();
        const int team = AddTeam(c.human);
        const int p = testing::AddPlayer(team, {c.position, 50, 0, 0, c.energy, c.age});
        t_player& player = Game().players[p];
        player.played_match = c.played ? 1 : 0;
        player.star = c.star ? 1 : 0;
        RecoverPlayerAfterMatch(p);
        EXPECT_GE(player.energy, c.low) << c.age << (c.played ? " played" : " rested");
        EXPECT_LE(player.energy, c.high) << c.age << (c.played ? " played" : " rested");
        EXPECT_EQ(player.played_match, c.played ? 1 : 0);
    }
}

TEST(Booking, TheArchiveKeepsTheMatchAsItWasPlayed) {
    const Match m = SetUpResult(ckContinentalCup, kSunday, 3, 3);
    GameData& gd = Game();
    gd.game_state.continental_cup_phase = 2;
    gd.game_state.continental_cup_round = 2;
    gd.game_state.league_turn = 2;
    gd.match_day_group = crEurope;
    gd.teams[m.home].marking = 2;
    jogos& j = gd.day_matches[1];
    j.on_penalties = 1;
    j.shootout_goals[0] = 4;
    j.shootout_goals[1] = 5;
    j.tackles[1] = 17;
    gd.match_events.push_back({meGoal, m.home, 0, -1, 12, 1});
    gd.match_events.push_back({meGoal, m.away, 0, -1, 40, 2});  // another match of the group
    ArchiveDayMatches();
    ASSERT_EQ(gd.match_archive.size(), 1u);
    const t_archived_match& a = gd.match_archive[0];
    EXPECT_EQ(a.kind, ckContinentalCup);
    EXPECT_EQ(a.round, 5);
    EXPECT_EQ(a.leg, 2);
    EXPECT_EQ(a.group, crEurope);
    EXPECT_EQ(a.date, kSunday);
    EXPECT_EQ(a.goals[1], 3);
    EXPECT_EQ(a.shootout_goals[1], 5);
    EXPECT_EQ(a.stats[1][1], 17);
    EXPECT_EQ(a.marking[0], 2);
    EXPECT_EQ(a.attendance, 0) << "the attendance as the day match holds it";
    EXPECT_EQ(a.sector_attendance[3], 20);
    ASSERT_EQ(gd.match_event_archive.size(), 1u);
    EXPECT_EQ(gd.match_event_archive[0].tick, 12);
    EXPECT_EQ(gd.match_event_archive[0].match, 0);
}

}  // namespace
}  // namespace kv
