#include "game/round_close.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/random.h"
#include "game/national_callups.h"
#include "game/season_rollover.h"
#include "season/loans.h"
#include "season/transfers.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

// A league day on day 5 of a calendar whose other days are given.
GameData& LeagueDayGame(std::vector<std::pair<int, int>> days) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    for (int d = 1; d <= kCalendarDays; ++d) {
        data.calendar[d - 1].day = d;
        data.calendar[d - 1].date = 41640 + d;
        data.calendar[d - 1].day_type = dtFree;
    }
    data.calendar[4].day_type = ckNationalLeague;
    for (const auto& [day, type] : days) data.calendar[day - 1].day_type = type;
    data.game_state.calendar_day = 5;
    data.game_state.match_kind = ckNationalLeague;
    data.game_state.league_round = 3;
    data.game_state.league_turn = 1;
    const int club = test::AddClub(data, 3);
    for (int i = 0; i < 3; ++i) {
        t_player& p = data.players.emplace_back();
        p.team = club;
        p.energy = 40;
        p.on_pitch = 1;
        p.match_goals = 2;
    }
    data.match_strengths.resize(2);
    return data;
}

TEST(RoundClose, TheLastPlayingDayLeadsToTheSeasonReview) {
    GameData& data = LeagueDayGame({});
    data.teams[0].match_strength_index = 1;
    test::NoWindows windows;
    EXPECT_EQ(CloseRound(data, windows).next, NextScreen::kSeasonReview);
    EXPECT_EQ(data.game_state.match_kind, -1);
    EXPECT_TRUE(data.match_strengths.empty());
    EXPECT_EQ(data.teams[0].match_strength_index, -1) << "an index into the emptied table";
    data.teams[0].match_strength_index = 0;
    EXPECT_EQ(data.players[1].on_pitch, 0);
    EXPECT_EQ(data.players[1].match_goals, 0);
    EXPECT_EQ(EndSeason(data), 1);
    EXPECT_EQ(EndSeason(data), 1);  // the review asks again: the season turns over once
    EXPECT_EQ(data.game_state.season, 2);
    EXPECT_EQ(data.players[1].age, 1);
    EXPECT_EQ(data.teams[0].match_strength_index, -1);
}

TEST(RoundClose, TheAuctionsAskedForStayWithTheGameForTheWindows) {
    // A human club short of players before a league day: zero to two auctions, by chance.
    bool seen[3] = {};
    for (std::uint64_t seed = 1; seed < 60; ++seed) {
        GameData& data = LeagueDayGame({{8, ckNationalLeague}});
        data.teams[0].human = 1;
        data.teams[0].squad_size = 20;
        data.game_state.human_count = 1;
        data.game_state.human_clubs[0] = 0;
        data.auction_count = 7;  // a count left from an earlier round
        SeedRandom(seed);
        test::NoWindows windows;
        const RoundCloseResult result = CloseRound(data, windows);
        ASSERT_GE(result.auctions, 0);
        ASSERT_LE(result.auctions, 2);
        EXPECT_EQ(result.next,
                  result.auctions > 0 ? NextScreen::kAuction : NextScreen::kMainWindow);
        EXPECT_EQ(data.auction_count, result.auctions);
        seen[result.auctions] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST(RoundClose, ARestDayIsPassedOverWithFullEnergyForEveryone) {
    GameData& data = LeagueDayGame({{9, dtRestDay}, {12, ckWorldCup}});
    test::NoWindows windows;
    const RoundCloseResult result = CloseRound(data, windows);
    EXPECT_EQ(data.game_state.calendar_day, 12);
    EXPECT_EQ(data.game_state.match_kind, ckWorldCup);
    EXPECT_EQ(result.next, NextScreen::kMatchDay);
    EXPECT_EQ(data.players[1].energy, 100);
    EXPECT_EQ(data.game_state.tournament_callups_done, 1);
}

TEST(RoundClose, ABoardThatGaveUpSacksItsCoachAfterALeagueDayFollowedByACupDay) {
    GameData& data = LeagueDayGame({{8, ckNationalCup}});
    t_team& club = data.teams[0];
    club.division = 1;
    club.board_confidence = 5;
    club.table_position[ckNationalLeague] = 12;
    const int sacked = club.coach;
    const int free_coach = static_cast<int>(data.coaches.size());
    t_coach& c = data.coaches.emplace_back();
    c.name.set("Sem Clube");
    c.country = club.country;
    c.division = 1;
    c.club = -1;
    test::NoWindows windows;
    CloseRound(data, windows);
    EXPECT_EQ(data.game_state.match_kind, ckNationalCup);
    EXPECT_EQ(data.teams[0].coach, free_coach);
    EXPECT_EQ(data.coaches[sacked].club, -1);
}

TEST(RoundClose, StateChampionsCoachesEarnRankingButNoWorldRankingPoints) {
    GameData& data = LeagueDayGame({{5, ckStateChampionship}, {8, ckNationalLeague}});
    data.game_state.match_kind = ckStateChampionship;
    data.game_state.state_league_round = 8;
    t_state_league& state = data.state_leagues[25];
    state.active = 1;
    state.finalist_a = 0;
    state.finalist_b = test::AddClub(data, kHomeCountry);
    state.final_goals_a1 = 2;
    state.final_goals_b1 = 0;
    state.final_goals_a2 = 1;
    state.final_goals_b2 = 1;
    const int coach = data.teams[0].coach;
    test::NoWindows windows;
    CloseRound(data, windows);
    EXPECT_EQ(data.game_state.match_kind, ckNationalLeague);
    EXPECT_EQ(data.coaches[coach].ranking_points, 15);
    EXPECT_EQ(data.coaches[coach].world_ranking_points, 0);
}

TEST(RoundClose, StadiumWorksDueByTheNextDayAreDeliveredWithNoHumanTurn) {
    GameData& data = LeagueDayGame({{8, ckNationalLeague}});
    data.teams[0].sector_capacity[1] = 1000;
    data.stadium_works.push_back({0, {}, data.calendar[7].date, {0, 500, 0, 0}, 1, {}});
    data.stadium_works.push_back({0, {}, data.calendar[8].date, {0, 700, 0, 0}, 1, {}});
    test::NoWindows windows;
    CloseRound(data, windows);
    EXPECT_EQ(data.teams[0].sector_capacity[1], 1500);
    EXPECT_EQ(data.stadium_works[0].in_progress, 0);
    EXPECT_EQ(data.stadium_works[1].in_progress, 1);  // due a day later
}

TEST(NationalCallUps, TheBestPlayersWithAClubGoAndComeBack) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, 29);
    const int national = static_cast<int>(data.teams.size());
    data.teams.emplace_back().country = 29;
    // Four goalkeepers (the quota is three), a retired star and the file squad's own player.
    for (const int strength : {70, 90, 80, 60}) {
        t_player& p = data.players.emplace_back();
        p.team = club;
        p.nationality = 29;
        p.position = posGoalkeeper;
        p.strength = strength;
    }
    t_player& retired = data.players.emplace_back();
    retired.team = -1;
    retired.nationality = 29;
    retired.position = posForward;
    retired.strength = 99;
    data.players.emplace_back().team = national;
    CallUpNationalSquad(data, 29, national);
    EXPECT_EQ(data.players[1].team, national);
    EXPECT_EQ(data.players[2].team, national);
    EXPECT_EQ(data.players[3].team, national);
    EXPECT_EQ(data.players[4].team, club);  // the weakest goalkeeper stays
    EXPECT_EQ(data.players[5].team, -1);    // never a retired player
    EXPECT_EQ(data.players[6].team, -1);    // the file squad is set aside
    data.tournament_just_ended = 1;
    ReleaseCallUps(data);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(data.players[p].team, club);
    EXPECT_EQ(data.players[6].team, national);
    EXPECT_TRUE(data.callups.empty());
    EXPECT_EQ(data.tournament_just_ended, 0);
}

TEST(NationalCallUps, ALoanThatEndsDuringTheTournamentEndsWhenThePlayerComesBack) {
    GameData& data = LeagueDayGame({{8, ckNationalLeague}});
    const int owner = test::AddClub(data, 29);
    const int borrower = test::AddClub(data, 29);
    const int national = static_cast<int>(data.teams.size());
    data.teams.emplace_back().country = 29;
    const int player = static_cast<int>(data.players.size());
    t_player& p = data.players.emplace_back();
    p.team = owner;
    p.nationality = 29;
    p.position = posForward;
    p.strength = 90;
    MovePlayerOnLoan(data, player, borrower, data.calendar[5].date);
    AddLoan(data, player, owner, data.calendar[5].date);  // ends on day 6, before the next day
    CallUpNationalSquad(data, 29, national);
    ASSERT_EQ(data.players[player].team, national);
    data.tournament_just_ended = 1;  // the tournament's last match was today
    test::NoWindows windows;
    CloseRound(data, windows);
    EXPECT_EQ(data.game_state.calendar_day, 8);
    EXPECT_EQ(data.players[player].team, owner);
    EXPECT_EQ(data.players[player].loan_status, 0);
    EXPECT_EQ(FindOpenLoan(data, player), -1);
}

}  // namespace
}  // namespace kv
