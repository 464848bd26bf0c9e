#include "season/human_involvement.h"

#include <gtest/gtest.h>

#include "season/calendar.h"
#include "season/fixture_list.h"
#include "season/schedule_generator.h"
#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::AddLeague;
using test::AddTeam;
using test::MakeHuman;
using test::NewSeason;

// A home league of 84 clubs (its cup opens with the extra round) and a one-division
// Argentine league, both cups generated; the human coach takes `human` of the home league.
class HumanInvolvementTest : public testing::Test {
  protected:
    void SetUp() override {
        data_ = NewSeason(2);
        data_->game_state.national_cup_on = 1;
        home_ = AddLeague(*data_, 29, 4, 20);
        data_->league_configs[home_].club_count = 84;
        other_ = AddLeague(*data_, 11, 1, 20);
        BuildSeasonCalendar(*data_);
        club_ = data_->league_configs[home_].division_clubs[0][0];
        rival_ = data_->league_configs[other_].division_clubs[0][0];
    }

    t_team& Club() { return data_->teams[club_]; }

    std::unique_ptr<GameData> data_;
    int home_ = -1, other_ = -1, club_ = -1, rival_ = -1;
};

TEST_F(HumanInvolvementTest, NoHumanCoachNeverStopsTheSeason) {
    Club().in_national_cup = 1;
    Club().in_state_league = 1;
    Club().in_continental_cup = 1;
    Club().in_second_continental_cup = 1;
    Club().human = 1;  // flagged, but no coach holds it
    data_->state_leagues[Club().state].active = 1;
    BuildCompetitionFixtures(*data_, ckNationalCup, home_);
    EXPECT_FALSE(HumanClubInLeague(*data_));
    EXPECT_FALSE(HumanClubInNationalCup(*data_));
    EXPECT_FALSE(HumanClubInCupFirstRound(*data_));
    EXPECT_FALSE(HumanClubInStateLeague(*data_));
    EXPECT_FALSE(HumanClubInContinentalCup(*data_));
    EXPECT_FALSE(HumanClubInSecondCup(*data_));
    EXPECT_FALSE(HumanClubInClubWorldCup(*data_));
    EXPECT_FALSE(HumanTeamInNationalTournament(*data_));
    EXPECT_TRUE(NationalCupDrawn(*data_));  // asks about the cup, not about humans
}

TEST_F(HumanInvolvementTest, NationalCupByItsRound) {
    MakeHuman(*data_, club_);
    data_->league_configs[home_].has_human_club = 1;
    EXPECT_FALSE(NationalCupDrawn(*data_));
    EXPECT_FALSE(HumanClubInCupFirstRound(*data_));
    BuildCompetitionFixtures(*data_, ckNationalCup, other_);  // phases 2 to 5 only
    EXPECT_FALSE(NationalCupDrawn(*data_));
    BuildCompetitionFixtures(*data_, ckNationalCup, home_);  // phases 0 to 5
    EXPECT_TRUE(NationalCupDrawn(*data_));
    EXPECT_TRUE(HumanClubInCupFirstRound(*data_));

    struct Case {
        int round;
        bool in_cup;
        bool plays;
    };
    const Case cases[] = {{0, true, true},   {1, true, true},   {2, true, true},  {5, true, true},
                          {1, false, false}, {3, false, false}, {-1, true, false}};
    for (const Case& c : cases) {
        data_->game_state.national_cup_round = c.round;
        Club().in_national_cup = c.in_cup;
        EXPECT_EQ(HumanClubInNationalCup(*data_), c.plays) << c.round << "/" << c.in_cup;
    }
}

TEST_F(HumanInvolvementTest, CupRoundsNeedTheHumanCountrysFixtures) {
    MakeHuman(*data_, rival_);  // the Argentine cup has no phase 0 or 1
    data_->teams[rival_].in_national_cup = 1;
    BuildCompetitionFixtures(*data_, ckNationalCup, home_);
    BuildCompetitionFixtures(*data_, ckNationalCup, other_);
    const bool expected[] = {false, false, true};  // rounds 0, 1, 2
    for (int round = 0; round <= 2; ++round) {
        data_->game_state.national_cup_round = round;
        EXPECT_EQ(HumanClubInNationalCup(*data_), expected[round]) << round;
    }
}

TEST_F(HumanInvolvementTest, StateAndContinentalFlags) {
    MakeHuman(*data_, club_);
    Club().state = 25;
    Club().in_state_league = 1;
    EXPECT_FALSE(HumanClubInStateLeague(*data_));  // its championship is not played
    data_->state_leagues[25].active = 1;
    EXPECT_TRUE(HumanClubInStateLeague(*data_));
    Club().state = 99;  // a damaged state index is no championship
    EXPECT_FALSE(HumanClubInStateLeague(*data_));

    EXPECT_FALSE(HumanClubInContinentalCup(*data_));
    Club().in_continental_cup = 1;
    EXPECT_TRUE(HumanClubInContinentalCup(*data_));
    EXPECT_TRUE(HumanClubInContinentalCupOf(*data_, ctSouthAmerica));
    EXPECT_FALSE(HumanClubInContinentalCupOf(*data_, ctEurope));
    EXPECT_FALSE(HumanClubInSecondCup(*data_));
    Club().in_second_continental_cup = 1;
    EXPECT_TRUE(HumanClubInSecondCup(*data_));
    EXPECT_TRUE(HumanClubInSecondCupOf(*data_, ctSouthAmerica));
    EXPECT_FALSE(HumanClubInSecondCupOf(*data_, ctAfrica));
    Club().country = 68;  // a North American club belongs to no cup region
    for (int continent = ctEurope; continent <= ctAsia; ++continent) {
        EXPECT_FALSE(HumanClubInContinentalCupOf(*data_, continent)) << continent;
        EXPECT_FALSE(HumanClubInSecondCupOf(*data_, continent)) << continent;
    }
}

TEST_F(HumanInvolvementTest, LeagueNeedsOnlyAHumanCoach) {
    EXPECT_FALSE(HumanClubInLeague(*data_));
    MakeHuman(*data_, club_);
    EXPECT_TRUE(HumanClubInLeague(*data_));
}

TEST_F(HumanInvolvementTest, ClubWorldCupByStage) {
    MakeHuman(*data_, club_);
    auto& bracket = data_->club_world_cup_bracket;
    for (auto& tie : bracket) tie.team_a = tie.team_b = -1;
    bracket[3].team_b = club_;                                   // semi-final tie 4
    const bool expected[] = {false, false, true, false, false};  // stages 0..4
    for (int stage = 0; stage <= 4; ++stage) {
        data_->game_state.club_world_cup_stage = stage;
        EXPECT_EQ(HumanClubInClubWorldCup(*data_), expected[stage]) << stage;
    }
}

TEST_F(HumanInvolvementTest, NationalTournamentWhileTheTeamIsIn) {
    MakeHuman(*data_, club_);
    const int brasil = AddTeam(*data_, 29);
    t_game_state& gs = data_->game_state;
    gs.tournament_human_teams[0] = -1;
    gs.tournament_human_teams[1] = brasil;
    gs.tournament_human_count = 1;
    data_->teams[brasil].in_tournament = 1;
    EXPECT_FALSE(HumanTeamInNationalTournament(*data_));  // only the first count entries
    gs.tournament_human_count = 2;
    EXPECT_TRUE(HumanTeamInNationalTournament(*data_));
    data_->teams[brasil].in_tournament = 0;
    EXPECT_FALSE(HumanTeamInNationalTournament(*data_));
}

TEST_F(HumanInvolvementTest, SuperCupLooksAtTheHumanFlagEvenAfterPlaying) {
    AppendFixture(*data_, rival_, club_, 1, ckSuperCup, 29, -1, -1, 10.0);
    EXPECT_FALSE(HumanClubInSuperCup(*data_));
    Club().human = 1;  // no human coach counted, as the super cup test never asks
    EXPECT_TRUE(HumanClubInSuperCup(*data_));
    data_->fixtures[0].played = 1;
    EXPECT_TRUE(HumanClubInSuperCup(*data_));
}

TEST_F(HumanInvolvementTest, LeagueToShowFallsBackToTheLastLeftLeague) {
    struct Case {
        bool human_league, shown_league;
        int fallback;
        int league;
    };
    const Case cases[] = {{true, false, -1, -1},
                          {false, true, 0, -1},
                          {false, false, 1, 1},
                          {false, false, 7, 0},
                          {false, false, -1, 0}};
    for (const Case& c : cases) {
        data_->league_configs[home_].has_human_club = c.human_league;
        data_->league_configs[other_].show_matches = c.shown_league;
        data_->fallback_league = c.fallback;
        EXPECT_EQ(LeagueToShow(*data_), c.league) << c.fallback;
        data_->game_state.national_cup_round = 3;
        EXPECT_EQ(NationalCupLeagueToShow(*data_), c.league) << c.fallback;
    }
    data_->league_configs.clear();
    EXPECT_EQ(LeagueToShow(*data_), -1);  // no league at all: nothing to show
}

TEST_F(HumanInvolvementTest, NationalCupLeagueToShowInTheFirstRounds) {
    BuildCompetitionFixtures(*data_, ckNationalCup, other_);  // no phase 1
    BuildCompetitionFixtures(*data_, ckNationalCup, home_);   // phases 0 and 1
    t_game_state& gs = data_->game_state;
    struct Case {
        int round;
        bool human_home, human_other;
        int fallback;
        int league;
    };
    const Case cases[] = {
        {0, false, false, -1, -1},  // round 0 is never shown on another's behalf
        {1, true, false, -1, -1},   // the human's cup is shown itself
        {1, false, true, 1, 0},     // the human's cup has no phase 1: the first that has
        {1, false, false, 0, 0},   {1, false, false, 1, 0},  // the fallback has no phase 1
    };
    for (const Case& c : cases) {
        gs.national_cup_round = c.round;
        data_->league_configs[home_].has_human_club = c.human_home;
        data_->league_configs[other_].has_human_club = c.human_other;
        data_->fallback_league = c.fallback;
        EXPECT_EQ(NationalCupLeagueToShow(*data_), c.league) << c.round << "/" << c.fallback;
    }
    data_->fixtures.clear();
    gs.national_cup_round = 1;
    data_->league_configs[other_].has_human_club = 0;
    EXPECT_EQ(NationalCupLeagueToShow(*data_), -1);
}

}  // namespace
}  // namespace kv
