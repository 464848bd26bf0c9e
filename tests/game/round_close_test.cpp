#include "game/round_close.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/national_callups.h"
#include "game/season_rollover.h"
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

}  // namespace
}  // namespace kv
