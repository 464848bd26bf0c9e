#include "season/fixture_list.h"

#include <gtest/gtest.h>

#include "season/calendar.h"
#include "season/schedule_generator.h"
#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::AddLeague;
using test::AddTeam;
using test::NewSeason;

TEST(FixtureList, InsertKeepsResultAndDateOfAnExistingRecord) {
    auto data = NewSeason(2);
    AppendFixture(*data, 1, 2, 3, ckNationalLeague, 0, 1, -1, 41000.0);
    data->fixtures[0].played = 1;
    data->fixtures[0].home_goals = 4;
    EXPECT_EQ(InsertFixture(*data, 1, 7, 8, 9, ckNationalCup, 2, 5, 30), 0);
    const t_fixture& f = data->fixtures[0];
    EXPECT_EQ(f.home, 7);
    EXPECT_EQ(f.away, 8);
    EXPECT_EQ(f.round, 9);
    EXPECT_EQ(f.kind, ckNationalCup);
    EXPECT_EQ(f.owner, 2);
    EXPECT_EQ(f.leg, 5);
    EXPECT_EQ(f.cup_tie, 30);
    EXPECT_EQ(f.played, 1);
    EXPECT_EQ(f.home_goals, 4);
    EXPECT_EQ(f.date, 41000.0);

    EXPECT_EQ(InsertFixture(*data, 3, 1, 2, 1, ckNationalLeague, 0, 1, -1), 2);
    EXPECT_EQ(data->fixtures.size(), 3u);
    EXPECT_EQ(data->fixtures[2].date, 0.0);
    EXPECT_EQ(InsertFixture(*data, 0, 1, 2, 1, ckNationalLeague, 0, 1, -1), -1);
    EXPECT_EQ(data->fixtures.size(), 3u);
}

TEST(FixtureList, FindFixtureByOwnerKindAndRound) {
    auto data = NewSeason(4);
    const int league = AddLeague(*data, 11, 2, 10);
    BuildSeasonCalendar(*data);
    BuildCompetitionFixtures(*data, ckNationalLeague, league);
    BuildCompetitionFixtures(*data, ckNationalCup, league);
    const int first_cup = FindFixture(*data, league, ckNationalCup, 2);
    struct Case {
        int owner, kind, round, index;
    };
    const Case cases[] = {
        {league, ckNationalLeague, 1, 0},      {league, ckNationalLeague, 9, 80},
        {league, ckNationalLeague, 10, -1},  // divisions of 10 play 9 rounds a half
        {league, ckNationalCup, 2, 180},     // still to be drawn: found with its -1 teams
        {league, ckNationalCup, 1, -1},      // two divisions of 10 have no phase 1
        {league + 1, ckNationalLeague, 1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindFixture(*data, c.owner, c.kind, c.round), c.index)
            << c.kind << "/" << c.round;
    EXPECT_EQ(data->fixtures[first_cup].home, -1);
}

TEST(FixtureList, TeamAndDateLookUps) {
    auto data = NewSeason(2);
    data->fixtures.clear();
    AppendFixture(*data, 1, 2, 1, ckNationalLeague, 0, 1, -1, 100.0);
    AppendFixture(*data, 3, 1, 2, ckNationalLeague, 0, 1, -1, 107.0);
    AppendFixture(*data, 4, 1, 2, ckNationalLeague, 0, 1, -1, 107.0);
    EXPECT_EQ(FindFixtureOnDate(*data, 1, 107.0), 1);
    EXPECT_EQ(FindFixtureOnDate(*data, 2, 100.0), 0);
    EXPECT_EQ(FindFixtureOnDate(*data, 2, 107.0), -1);
    EXPECT_EQ(FindFixtureOnDate(*data, 1, 107.5), -1);  // dates compare exactly

    t_archived_match& m = data->match_archive.emplace_back();
    m.team[0] = 3;
    m.team[1] = 1;
    m.kind = ckNationalLeague;
    m.round = 2;
    m.date = 107.0;
    EXPECT_EQ(FindArchivedMatch(*data, ckNationalLeague, 2, 1), 0);
    EXPECT_EQ(FindArchivedMatch(*data, ckNationalLeague, 1, 1), -1);
    EXPECT_EQ(ArchivedMatchOfFixture(*data, 1), 0);
    EXPECT_EQ(ArchivedMatchOfFixture(*data, 2), -1);  // same day, other home team
    EXPECT_EQ(ArchivedMatchOfFixture(*data, 3), -1);

    t_top_scorer& s = data->top_scorers.emplace_back();
    s.competition = 5;
    s.season = 2;
    EXPECT_EQ(FindTopScorerEntry(*data, 5, 2), 0);
    EXPECT_EQ(FindTopScorerEntry(*data, 5, 1), -1);
}

TEST(FixtureList, SuperCupStaysWithItsClubsAfterBeingPlayed) {
    auto data = NewSeason(2);
    AppendFixture(*data, 1, 2, 1, ckSuperCup, 29, -1, -1, 10.0);
    AppendFixture(*data, 2, 1, 2, ckSuperCup, 29, -1, -1, 20.0);
    EXPECT_EQ(NextSuperCupRound(*data), 1);
    data->fixtures[0].played = 1;
    EXPECT_EQ(NextSuperCupRound(*data), 2);
    data->fixtures[1].played = 1;
    EXPECT_EQ(NextSuperCupRound(*data), -1);
    EXPECT_TRUE(PlaysSuperCup(*data, 1));
    EXPECT_TRUE(PlaysSuperCup(*data, 2));
    EXPECT_FALSE(PlaysSuperCup(*data, 3));
}

TEST(FixtureList, NationalCupRoundsOfATeamsCountry) {
    auto data = NewSeason(2);
    data->game_state.national_cup_on = 1;
    const int home = AddLeague(*data, 29, 4, 20);
    data->league_configs[home].club_count = 84;
    const int other = AddLeague(*data, 11, 1, 20);
    const int foreign = AddTeam(*data, 68);
    BuildSeasonCalendar(*data);
    BuildCompetitionFixtures(*data, ckNationalCup, home);
    BuildCompetitionFixtures(*data, ckNationalCup, other);
    const int home_club = data->league_configs[home].division_clubs[0][0];
    const int other_club = data->league_configs[other].division_clubs[0][0];
    EXPECT_TRUE(NationalCupHasRound0(*data, home_club));
    EXPECT_TRUE(NationalCupHasRound1(*data, home_club));
    EXPECT_FALSE(NationalCupHasRound0(*data, other_club));
    EXPECT_FALSE(NationalCupHasRound1(*data, other_club));
    EXPECT_FALSE(NationalCupHasRound1(*data, foreign));
    EXPECT_FALSE(NationalCupHasRound1(*data, -1));
}

class TodaysOpponentTest : public testing::Test {
  protected:
    void SetUp() override {
        data_ = NewSeason(2);
        BuildSeasonCalendar(*data_);
        for (int i = 0; i < 40; ++i) AddTeam(*data_, 3);
        data_->game_state.calendar_day = 20;
    }

    TodaysOpponent Ask(int team, bool expect_play = true) {
        TodaysOpponent result{-7, -7, -7};
        EXPECT_EQ(FindTodaysOpponent(*data_, team, result), expect_play) << team;
        return result;
    }

    std::unique_ptr<GameData> data_;
};

TEST_F(TodaysOpponentTest, FriendliesOfTodayWithTheLaterOneWinning) {
    data_->game_state.match_kind = ckFriendly;
    const double today = data_->calendar[19].date;
    const struct {
        int home, away;
        double date;
    } friendlies[] = {{1, 2, today}, {3, 4, today - 1}, {5, 1, today}, {6, 7, today}};
    for (const auto& f : friendlies) {
        t_friendly& entry = data_->friendlies.emplace_back();
        entry.home = f.home;
        entry.away = f.away;
        entry.date = f.date;
    }
    const struct {
        int team, opponent, away, number;
    } cases[] = {{1, 5, 1, 2}, {2, 1, 1, 1}, {7, 6, 1, 3}, {6, 7, 0, 3}, {5, 1, 0, 2}};
    for (const auto& c : cases) {
        const TodaysOpponent r = Ask(c.team);
        EXPECT_EQ(r.opponent, c.opponent) << c.team;
        EXPECT_EQ(r.away, c.away) << c.team;
        EXPECT_EQ(r.number, c.number) << c.team;
    }
    const TodaysOpponent untouched = Ask(3, false);  // its friendly was yesterday
    EXPECT_EQ(untouched.opponent, -7);
    EXPECT_EQ(untouched.number, -7);
}

TEST_F(TodaysOpponentTest, NationalTeamGroupDays) {
    t_game_state& gs = data_->game_state;
    gs.match_kind = ckWorldCup;
    gs.tournament_round = 2;
    gs.tournament_leg = 1;
    for (int slot = 1; slot <= 4; ++slot) {
        const int team = 10 + slot;
        gs.tournament_groups[2][slot - 1] = team;  // group 3
        data_->teams[team].tournament_group = 3;
        data_->teams[team].group_slot = slot;
    }
    // Round 2: slot 1 hosts slot 3, slot 4 hosts slot 2.
    const struct {
        int team, opponent, away, number;
    } cases[] = {{11, 13, 0, 3}, {13, 11, 1, 3}, {14, 12, 0, 6}, {12, 14, 1, 6}};
    for (const auto& c : cases) {
        const TodaysOpponent r = Ask(c.team);
        EXPECT_EQ(r.opponent, c.opponent) << c.team;
        EXPECT_EQ(r.away, c.away) << c.team;
        EXPECT_EQ(r.number, c.number) << c.team;
    }
    gs.tournament_leg = 2;
    EXPECT_EQ(Ask(11).away, 1);
    gs.tournament_round = 0;  // a damaged counter finds no match rather than a wrong slot
    Ask(11, false);
}

TEST_F(TodaysOpponentTest, BracketTiesReportTeamAAway) {
    t_game_state& gs = data_->game_state;
    auto& wc = data_->national_tournament_bracket;
    wc[8].team_a = 21;
    wc[8].team_b = 22;
    wc[13].team_a = 23;
    wc[13].team_b = 24;
    gs.match_kind = ckWorldCup;
    gs.tournament_round = 5;  // quarter-finals: ties 9 to 12
    TodaysOpponent r = Ask(21);
    EXPECT_EQ(r.opponent, 22);
    EXPECT_EQ(r.away, 1);
    EXPECT_EQ(r.number, 9);
    r = Ask(22);
    EXPECT_EQ(r.opponent, 21);
    EXPECT_EQ(r.away, 0);
    Ask(23, false);  // tie 14 is a semi-final
    gs.tournament_round = 6;
    EXPECT_EQ(Ask(24).number, 14);
    gs.match_kind = ckEuropeanNationsCup;  // nations cups: round 6 is ties 7 and 8
    Ask(24, false);

    auto& cwc = data_->club_world_cup_bracket;
    cwc[2].team_a = 30;
    cwc[2].team_b = 31;
    gs.match_kind = ckClubWorldCup;
    gs.club_world_cup_stage = 2;
    r = Ask(31);
    EXPECT_EQ(r.opponent, 30);
    EXPECT_EQ(r.number, 3);
    gs.club_world_cup_stage = 1;
    Ask(31, false);
    gs.match_kind = ckNationalLeague;  // not answered for the fixture kinds
    Ask(31, false);
}

}  // namespace
}  // namespace kv
