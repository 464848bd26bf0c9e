#include "match/brackets.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "match/booking.h"
#include "match/day_setup.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddTeam;

// Plays the bracket day as set up: every home side wins 1-0 except the rows listed level.
void PlayDay(std::initializer_list<int> level_rows = {}) {
    GameData& gd = Game();
    for (int i = 1; i <= gd.day_match_count; ++i) {
        gd.day_matches[i].goals[0] = 1;
        gd.day_matches[i].goals[1] = 0;
        for (int row : level_rows)
            if (row == i) gd.day_matches[i].goals[1] = 1;
    }
}

void StartTournament(int kind, int teams) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.game_state.match_kind = kind;
    for (int t = 0; t < teams; ++t) {
        const int team = AddTeam();
        gd.teams[team].country = 40 + t;
        gd.teams[team].in_tournament = 1;
        gd.teams[team].in_club_world_cup = 1;
        gd.teams[team].coach = t;
        gd.coaches.emplace_back().national_team_job = 1;
    }
}

TEST(Brackets, TheWorldCupRunsFromTheLastSixteenToTheFinal) {
    SeedRandom(21);
    StartTournament(ckWorldCup, 16);
    GameData& gd = Game();
    t_game_state& gs = gd.game_state;
    gs.tournament_round = 4;
    gs.world_cup_edition = 3;
    for (int tie = 0; tie < 8; ++tie) {
        gd.national_tournament_bracket[tie].team_a = 2 * tie;
        gd.national_tournament_bracket[tie].team_b = 2 * tie + 1;
    }
    auto tie = [&](int n) -> const t_bracket_tie& { return gd.national_tournament_bracket[n - 1]; };

    SetUpWorldCup();
    PlayDay();
    EXPECT_FALSE(FinishWorldCupDay(nullptr));
    EXPECT_EQ(gs.tournament_round, 5);
    EXPECT_EQ(tie(9).team_a, 0);
    EXPECT_EQ(tie(9).team_b, 2);
    EXPECT_EQ(tie(10).team_a, 8);
    EXPECT_EQ(tie(11).team_a, 4);
    EXPECT_EQ(tie(12).team_b, 14);
    EXPECT_EQ(tie(1).score_text.str(), "1x0");
    EXPECT_FALSE(gd.teams[1].in_tournament) << "a last-16 loser leaves";

    SetUpWorldCup();
    ASSERT_EQ(gd.day_match_count, 4);
    PlayDay({2});
    EXPECT_TRUE(FinishWorldCupDay(nullptr)) << "a level quarter-final goes to a shoot-out";
    const t_bracket_tie& shootout = tie(10);
    const std::string text = shootout.score_text.str();
    EXPECT_EQ(text.substr(0, 6), "1x1;P:");
    const int a = text[6] - '0';
    const int b = text[8] - '0';
    EXPECT_EQ(std::abs(a - b), 1);
    EXPECT_EQ(shootout.winner, a > b ? shootout.team_a : shootout.team_b);
    EXPECT_TRUE(gd.day_matches[2].on_penalties);
    EXPECT_EQ(tie(13).team_b, shootout.winner);

    SetUpWorldCup();
    PlayDay();
    FinishWorldCupDay(nullptr);
    EXPECT_TRUE(gd.teams[tie(13).team_b].in_tournament) << "semi-final losers play for third place";
    EXPECT_EQ(tie(16).team_a, tie(13).team_b);
    EXPECT_EQ(tie(16).team_b, tie(14).team_b);
    EXPECT_EQ(tie(15).team_a, 0);

    SetUpWorldCup();
    ASSERT_EQ(gd.day_match_count, 2);
    PlayDay();
    FinishWorldCupDay(nullptr);
    EXPECT_EQ(gs.tournament_round, 8);
    EXPECT_TRUE(gs.tournament_over);
    EXPECT_TRUE(gd.tournament_just_ended);
    EXPECT_EQ(gs.world_cup_edition, 4);
    for (const t_coach& c : gd.coaches) EXPECT_FALSE(c.national_team_job);
    ASSERT_EQ(gd.honours.size(), 4u);
    EXPECT_EQ(gd.honours[0].team, 0);
    EXPECT_EQ(gd.honours[3].placing, 4);
    ASSERT_EQ(gd.placing_records.size(), 1u);
    EXPECT_EQ(gd.placing_records[0].team, 0) << "the champion's team, not its country";
    EXPECT_EQ(gd.placing_records[0].area, gd.teams[0].country);
}

TEST(Brackets, TheNationsCupsHaveQuarterFinalsSemiFinalsAndAFinalDay) {
    StartTournament(ckEuropeanNationsCup, 8);
    GameData& gd = Game();
    gd.game_state.tournament_round = 4;
    for (int tie = 0; tie < 4; ++tie) {
        gd.national_tournament_bracket[tie].team_a = 2 * tie;
        gd.national_tournament_bracket[tie].team_b = 2 * tie + 1;
    }
    for (int day = 0; day < 3; ++day) {
        SetUpNationsCup(ckEuropeanNationsCup);
        PlayDay();
        FinishNationsCupDay(nullptr);
    }
    EXPECT_EQ(gd.game_state.tournament_round, 7);
    EXPECT_EQ(gd.game_state.european_cup_edition, 1);
    EXPECT_EQ(gd.national_tournament_bracket[6].winner, 0);
    EXPECT_EQ(gd.national_tournament_bracket[7].team_a, 2);
    EXPECT_EQ(gd.honours.size(), 4u);
}

TEST(Brackets, TheClubWorldCupRunsToItsFinal) {
    StartTournament(ckClubWorldCup, 6);
    GameData& gd = Game();
    t_game_state& gs = gd.game_state;
    gs.league_club_count = 6;
    gs.club_world_cup_stage = 1;
    auto& ties = gd.club_world_cup_bracket;
    ties[0] = {};
    ties[0].team_a = 2, ties[0].team_b = 3;
    ties[1].team_a = 4, ties[1].team_b = 5;
    ties[2].team_a = 0;  // the two continental champions wait in the semi-finals
    ties[3].team_a = 1;

    SetUpClubWorldCup();
    PlayDay();
    FinishClubWorldCupDay(nullptr);
    EXPECT_EQ(gs.club_world_cup_stage, 2);
    EXPECT_EQ(ties[2].team_b, 2);
    EXPECT_EQ(ties[3].team_b, 4);
    EXPECT_FALSE(gd.teams[3].in_club_world_cup);

    SetUpClubWorldCup();
    PlayDay();
    FinishClubWorldCupDay(nullptr);
    EXPECT_EQ(ties[4].team_a, 0);
    EXPECT_EQ(ties[4].team_b, 1);
    EXPECT_EQ(ties[5].team_a, 2);
    EXPECT_TRUE(gd.teams[2].in_club_world_cup) << "semi-final losers play for third place";

    SetUpClubWorldCup();
    PlayDay();
    FinishClubWorldCupDay(nullptr);
    EXPECT_EQ(gs.club_world_cup_stage, 4);
    EXPECT_EQ(gd.teams[0].cash, MoneyFromUnits(5000000));
    EXPECT_EQ(gd.teams[1].cash, MoneyFromUnits(3000000));
    EXPECT_EQ(gd.teams[0].ranking_points[ckClubWorldCup - 1], 30);
    EXPECT_EQ(gd.teams[1].ranking_points[ckClubWorldCup - 1], 15);
    EXPECT_EQ(gd.teams[2].ranking_points[ckClubWorldCup - 1], 0);
    EXPECT_EQ(gd.teams[4].ranking_points[ckClubWorldCup - 1], 10);
    EXPECT_EQ(gd.coaches[0].titles[ckClubWorldCup], 1);
    EXPECT_EQ(gd.honours.size(), 4u);
    EXPECT_EQ(gd.placing_records.size(), 2u);
}

TEST(Brackets, ALevelSingleMatchKeepsItsShootOutInTheArchive) {
    SeedRandom(4);
    StartTournament(ckClubWorldCup, 6);
    GameData& gd = Game();
    gd.game_state.club_world_cup_stage = 1;
    auto& ties = gd.club_world_cup_bracket;
    ties[0].team_a = 2, ties[0].team_b = 3;
    ties[1].team_a = 4, ties[1].team_b = 5;
    SetUpClubWorldCup();
    PlayDay({2});
    ArchiveDayMatches();  // the booking archives the group before the bracket is decided
    EXPECT_TRUE(FinishClubWorldCupDay(nullptr));
    ASSERT_EQ(gd.match_archive.size(), 2u);
    EXPECT_EQ(gd.match_archive[0].on_penalties, 0);
    const t_archived_match& level = gd.match_archive[1];
    EXPECT_EQ(level.on_penalties, 1);
    EXPECT_EQ(level.shootout_goals[0], gd.day_matches[2].shootout_goals[0]);
    EXPECT_EQ(level.shootout_goals[1], gd.day_matches[2].shootout_goals[1]);
    EXPECT_NE(level.shootout_goals[0], level.shootout_goals[1]);
}

}  // namespace
}  // namespace kv
