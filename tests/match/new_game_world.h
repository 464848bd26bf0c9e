#pragma once
// What every freshly built game must hold.

#include <gtest/gtest.h>

#include <vector>

#include "core/game_data.h"

namespace kv::test {

inline void ExpectNewGameInvariants(const GameData& game) {
    const t_game_state& gs = game.game_state;
    const int clubs = gs.league_club_count + gs.background_club_count;
    ASSERT_GE(game.players.size(), 1u);
    EXPECT_EQ(game.players[0].team, -1);
    EXPECT_TRUE(game.players[0].name.empty());
    EXPECT_EQ(game.coaches.size(), static_cast<std::size_t>(clubs + kHumanSlots));
    EXPECT_EQ(game.finances.size(), static_cast<std::size_t>(clubs));
    ASSERT_GE(game.teams.size(), static_cast<std::size_t>(clubs));

    std::vector<int> squad(game.teams.size());
    for (std::size_t p = 1; p < game.players.size(); ++p) {
        const int team = game.players[p].team;
        ASSERT_TRUE(InTable(game.teams, team)) << "player " << p;
        ++squad[team];
        EXPECT_GE(game.players[p].strength, 1);
        EXPECT_LE(game.players[p].strength, 100);
    }
    for (int c = 0; c < clubs; ++c) {
        EXPECT_EQ(game.teams[c].coach, c) << c;
        EXPECT_EQ(game.coaches[c].club, c) << c;
        EXPECT_EQ(game.coaches[c].human, game.teams[c].human) << c;
        EXPECT_GE(squad[c], 12) << game.teams[c].name.str();
        EXPECT_GE(game.teams[c].level, 1);
        EXPECT_LE(game.teams[c].level, 25);
    }
    for (int k = 0; k < gs.human_count; ++k) {
        ASSERT_TRUE(InTable(game.teams, gs.human_clubs[k]));
        EXPECT_EQ(game.teams[gs.human_clubs[k]].human, 1);
    }
    for (const t_national_team_entry& entry : game.national_team_list) {
        ASSERT_TRUE(InTable(game.teams, entry.team));
        EXPECT_GE(entry.team, clubs);
        EXPECT_EQ(game.teams[entry.team].coach, -1);
        EXPECT_GE(squad[entry.team], 16);
    }
    EXPECT_GE(gs.calendar_day, 1);
    EXPECT_LE(gs.calendar_day, kCalendarDays);
    EXPECT_EQ(gs.match_kind, game.calendar[gs.calendar_day - 1].day_type);
    EXPECT_EQ(gs.season, 1);
    EXPECT_FALSE(game.fixtures.empty());
    EXPECT_FALSE(game.competitions.empty());
    EXPECT_EQ(game.inbox.size(), static_cast<std::size_t>(gs.human_count));
    EXPECT_TRUE(game.team_file_names.empty());
}

}  // namespace kv::test
