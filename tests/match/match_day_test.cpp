#include "match/match_day.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/random.h"
#include "match/automatic_decisions.h"
#include "match/day_setup.h"
#include "match_day_world.h"

namespace kv {
namespace {

using testing::BuildLeagueWorld;

// A clock that only remembers whether it runs; the test fires it.
struct TestClock : MatchClock {
    void Start(int interval_ms) override {
        running = true;
        interval = interval_ms;
    }
    void Stop() override { running = false; }
    bool running = false;
    int interval = 0;
};

std::vector<int> TodaysLeagueFixtures() {
    std::vector<int> today;
    const GameData& gd = Game();
    const double date = gd.calendar[gd.game_state.calendar_day - 1].date;
    for (int f = 0; f < static_cast<int>(gd.fixtures.size()); ++f)
        if (gd.fixtures[f].kind == ckNationalLeague && gd.fixtures[f].date == date) today.push_back(f);
    return today;
}

TEST(MatchDay, SeededLeagueDayBooksEveryFixtureOnceWithConsistentTables) {
    SeedRandom(20140613);
    BuildLeagueWorld(3, 2, 1);
    GameData& gd = Game();
    const std::vector<int> today = TodaysLeagueFixtures();
    ASSERT_EQ(today.size(), 3u * 2u * 10u);
    // A player suspended for today's kind misses it and has served his match after it.
    const int suspended = 5;
    gd.players[suspended].suspension[ckNationalLeague] = 1;
    gd.match_strengths.clear();
    PrepareComputerLineups();
    ChooseComputerLineup(gd.game_state.human_clubs[0]);
    std::vector<Money> cash_before;
    for (const t_team& t : gd.teams) cash_before.push_back(t.cash);

    PlayWholeMatchDay();

    EXPECT_EQ(gd.players[suspended].suspension[ckNationalLeague], 0);
    EXPECT_EQ(gd.match_archive.size(), today.size());
    for (const t_archived_match& a : gd.match_archive)
        for (const auto& side : a.lineup)
            for (int p : side) EXPECT_NE(p, suspended);
    for (const t_match_event& e : gd.match_event_archive)
        if (e.kind == meCard && e.value > 1) {
            EXPECT_GT(gd.players[e.player].suspension[ckNationalLeague], 0);
        }
    std::multiset<int> archived_homes;
    for (const t_archived_match& a : gd.match_archive) archived_homes.insert(a.team[0]);
    for (int f : today) {
        const t_fixture& fx = gd.fixtures[f];
        EXPECT_TRUE(fx.played);
        EXPECT_EQ(archived_homes.count(fx.home), 1u) << "fixture " << f;
        EXPECT_GT(fx.attendance, 0);
        EXPECT_EQ(gd.teams[fx.home].alltime_record[0].goals_for, fx.home_goals);
    }
    for (std::size_t c = 0; c < gd.league_configs.size(); ++c) {
        int goals_for = 0, goals_against = 0;
        for (const auto& division : gd.league_configs[c].division_clubs)
            for (int team : division) {
                if (team < 0) continue;
                const t_team& t = gd.teams[team];
                const int k = ckNationalLeague;
                EXPECT_EQ(t.played[k], 1);
                EXPECT_EQ(t.points[k], 3 * t.wins[k] + (t.played[k] - t.wins[k] - t.losses[k]));
                goals_for += t.goals_for[k];
                goals_against += t.goals_against[k];
            }
        EXPECT_EQ(goals_for, goals_against);
    }
    // Gate money went to the home clubs: cash moved by the gate of each fixture (no Sunday wages
    // unless today is a Sunday, then wages and interest as booked in the finances).
    for (int f : today) {
        const t_fixture& fx = gd.fixtures[f];
        const t_finance& fin = gd.finances[fx.home];
        EXPECT_EQ(fin.gate_receipts, fx.gate_income);
        EXPECT_EQ(gd.teams[fx.home].cash - cash_before[fx.home],
                  MoneyFromUnits(fx.gate_income - fin.wages_paid - fin.loan_interest));
    }
    EXPECT_EQ(gd.game_state.league_round, 2);
    EXPECT_EQ(gd.result_history.size(), today.size());
    EXPECT_EQ(gd.round_best_elevens.size(), 3u * 2u);
    for (const t_player& p : gd.players) EXPECT_EQ(p.played_match, 0);
}

TEST(MatchDay, TheSameSeedPlaysTheSameDay) {
    auto play = [] {
        SeedRandom(77);
        BuildLeagueWorld(1, 1);
        PlayWholeMatchDay();
        std::vector<int> goals;
        for (const t_fixture& f : Game().fixtures)
            if (f.played) goals.push_back(f.home_goals * 100 + f.away_goals);
        return goals;
    };
    EXPECT_EQ(play(), play());
}

TEST(MatchDay, AHumanClubsLeagueIsPlayedOnTheClockAndTheOthersAtOnce) {
    SeedRandom(5);
    BuildLeagueWorld(2, 1, 1);  // the human club plays in league 0
    GameData& gd = Game();
    gd.league_configs[1].show_matches = 0;
    TestClock clock;
    AutomaticDecisions decisions;
    struct View : MatchDayView {
        void GroupStarted(const std::string& heading, bool shown) override {
            headings.push_back(heading);
            EXPECT_TRUE(shown);
        }
        void ClockTicked(int) override { ++ticks; }
        void GroupBooked(bool shown) override { booked.push_back(shown); }
        void DayFinished() override { finished = true; }
        std::vector<std::string> headings;
        std::vector<bool> booked;
        int ticks = 0;
        bool finished = false;
    } view;
    MatchDay day(clock, decisions, &view);
    day.Begin();
    ASSERT_TRUE(clock.running);
    EXPECT_EQ(clock.interval, gd.game_state.match_delay);
    ASSERT_EQ(view.headings.size(), 1u);
    EXPECT_EQ(view.headings[0], "Campeonato Brasileiro - 1º turno - 1ª rodada");
    EXPECT_EQ(gd.match_day_group, 0);
    day.SetSpeedKey(6);
    EXPECT_EQ(gd.game_state.match_delay, 50);
    EXPECT_EQ(clock.interval, 50);
    while (clock.running) day.OnClockFired();
    EXPECT_TRUE(view.finished);
    EXPECT_TRUE(day.finished());
    EXPECT_EQ(view.ticks, 190);
    EXPECT_EQ(gd.match_archive.size(), 20u);
    EXPECT_EQ(gd.results_heading, "Campeonato Irlanda do Norte - 1º turno - 1ª rodada")
        << "the other league is played at once after the shown one";
    EXPECT_EQ(view.booked, (std::vector<bool>{true, false})) << "no end-of-match sound for it";
}

TEST(MatchDay, TheHumanCoachRearrangesHisTeamAtHalfTimeWhenTheOptionAsks) {
    struct Coach : AutomaticDecisions {
        void ChangeLineup(int match, int side) override {
            calls.push_back({match, side, Game().clock_tick});
        }
        struct Call {
            int match, side, tick;
        };
        std::vector<Call> calls;
    };
    for (const bool option : {false, true}) {
        SeedRandom(12);
        BuildLeagueWorld(1, 1, 1);
        GameData& gd = Game();
        gd.game_state.halftime_window = option ? 1 : 0;
        const int human = gd.game_state.human_clubs[0];
        Coach coach;
        PlayWholeMatchDay(coach);
        int half_time_calls = 0;
        for (const Coach::Call& c : coach.calls) {
            if (c.tick != 92) continue;
            ++half_time_calls;
            const jogos& m = gd.day_matches[c.match];
            EXPECT_EQ(m.team[c.side - 1], human);
        }
        EXPECT_EQ(half_time_calls, option ? 1 : 0);
    }
}

TEST(MatchDay, AFiringDuringATickIsDropped) {
    SeedRandom(9);
    BuildLeagueWorld(1, 1, 1);
    TestClock clock;
    AutomaticDecisions decisions;
    struct View : MatchDayView {
        void EventHappened(int) override {
            clock->Start(1);  // a window opened inside the tick enabled the clock again
            day->OnClockFired();
            ++events;
        }
        MatchDay* day = nullptr;
        TestClock* clock = nullptr;
        int events = 0;
    } view;
    MatchDay day(clock, decisions, &view);
    view.day = &day;
    view.clock = &clock;
    day.Begin();
    for (int i = 0; i < 60; ++i) day.OnClockFired();
    EXPECT_GT(view.events, 0);
    EXPECT_EQ(Game().clock_tick, 60);
    EXPECT_EQ(Game().day_matches[1].tick, 60);
}

TEST(MatchDay, AnIrregularLineupReleasesNoScheduledGoal) {
    struct Case {
        bool home_irregular, away_irregular;
        int released;
    };
    for (const Case c :
         {Case{false, false, 1}, Case{true, false, 0}, Case{false, true, 0}, Case{true, true, 0}}) {
        SeedRandom(3);
        BuildLeagueWorld(1, 1);
        GameData& gd = Game();
        gd.match_day_group = 0;
        SetUpGroup(ckNationalLeague);
        MatchDay::KickOff();
        const jogos& m = gd.day_matches[1];
        ASSERT_TRUE(InTable(gd.match_strengths, m.strength_slot[0]));
        ASSERT_TRUE(InTable(gd.match_strengths, m.strength_slot[1]));
        gd.match_strengths[m.strength_slot[0]].irregular_lineup = c.home_irregular;
        gd.match_strengths[m.strength_slot[1]].irregular_lineup = c.away_irregular;
        gd.goal_schedule = {{1, 1, 5}};
        SCOPED_TRACE(std::to_string(c.home_irregular) + std::to_string(c.away_irregular));
        EXPECT_EQ(ScheduledGoalsCount(1), c.released == 1);
        EXPECT_EQ(ReleaseScheduledGoals(4, 1, nullptr), 0) << "not its tick";
        EXPECT_EQ(ReleaseScheduledGoals(5, 1, nullptr), c.released);
        EXPECT_EQ(m.goals[0] + m.goals[1], c.released);
        EXPECT_EQ(gd.match_events.size(), static_cast<std::size_t>(c.released));
    }
}

struct Counters {
    int phase, round, leg;
    bool operator==(const Counters&) const = default;
};

// Plays match days with nothing to play: only the counters of the kind move, once a day.
std::vector<Counters> CountersAfterDays(int kind, Counters start, int days) {
    testing::StartMatchDay();
    t_game_state& gs = Game().game_state;
    gs.match_kind = kind;
    gs.league_format = 2;
    int* phase = kind == ckContinentalCup ? &gs.continental_cup_phase
                 : kind == ckSecondContinentalCup ? &gs.second_cup_phase
                 : kind == ckNationalLeague ? &gs.league_turn
                 : kind == ckStateChampionship ? &gs.state_league_phase
                                               : &gs.national_cup_match_round;
    int* round = kind == ckContinentalCup ? &gs.continental_cup_round
                 : kind == ckSecondContinentalCup ? &gs.second_cup_round
                 : kind == ckNationalLeague ? &gs.league_round
                 : kind == ckStateChampionship ? &gs.state_league_round
                                               : &gs.national_cup_round;
    int* leg = kind == ckContinentalCup ? &gs.continental_cup_leg
               : kind == ckSecondContinentalCup ? &gs.second_cup_leg
                                                : &gs.national_cup_leg;
    *phase = start.phase;
    *round = start.round;
    *leg = start.leg;
    std::vector<Counters> seen;
    for (int d = 0; d < days; ++d) {
        PlayWholeMatchDay();
        seen.push_back({*phase, *round, *leg});
    }
    return seen;
}

TEST(MatchDay, EachKindMovesItsRoundAndLegOnceADay) {
    EXPECT_EQ(CountersAfterDays(ckSecondContinentalCup, {1, 1, 1}, 10),
              (std::vector<Counters>{{1, 2, 2}, {1, 3, 1}, {2, 1, 2}, {2, 2, 1}, {2, 3, 2},
                                     {2, 4, 1}, {2, 4, 2}, {2, 5, 1}, {2, 5, 2}, {2, 6, 1}}));
    EXPECT_EQ(CountersAfterDays(ckContinentalCup, {1, 2, 1}, 5),
              (std::vector<Counters>{{1, 3, 1}, {2, 1, 1}, {2, 2, 1}, {2, 3, 1}, {2, 4, 1}}));
    EXPECT_EQ(CountersAfterDays(ckContinentalCup, {2, 4, 1}, 3),
              (std::vector<Counters>{{2, 4, 2}, {2, 5, 1}, {2, 5, 2}}));
    EXPECT_EQ(CountersAfterDays(ckNationalCup, {0, 4, 1}, 3),
              (std::vector<Counters>{{0, 4, 2}, {0, 5, 1}, {0, 5, 2}}));
    EXPECT_EQ(CountersAfterDays(ckStateChampionship, {1, 5, 0}, 2),
              (std::vector<Counters>{{2, 1, 0}, {2, 2, 0}}));
    EXPECT_EQ(CountersAfterDays(ckNationalLeague, {1, 19, 0}, 1), (std::vector<Counters>{{2, 1, 0}}));
    EXPECT_EQ(CountersAfterDays(ckNationalLeague, {2, 19, 0}, 1), (std::vector<Counters>{{2, 20, 0}}));
    EXPECT_TRUE(Game().league_season_over);
}

TEST(MatchDay, ASouthAmericanSecondCupDayWithoutItsFixturesIsNotedForTheResults) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.game_state.match_kind = ckSecondContinentalCup;
    gd.game_state.second_cup_phase = gd.game_state.second_cup_round = gd.game_state.second_cup_leg = 1;
    PlayWholeMatchDay();
    EXPECT_EQ(gd.south_second_cup_played, 0);
}

}  // namespace
}  // namespace kv
