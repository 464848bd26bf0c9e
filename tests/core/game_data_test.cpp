#include "core/game_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/text_tables.h"
#include "tests/core/match_marks.h"

namespace kv {
namespace {

void ExpectFreshGame(const GameData& g) {
    ASSERT_EQ(g.players.size(), 1u);
    EXPECT_EQ(g.players[0].team, -1);
    EXPECT_TRUE(g.teams.empty());
    EXPECT_TRUE(g.coaches.empty());
    EXPECT_TRUE(g.finances.empty());
    EXPECT_TRUE(g.competitions.empty());
    EXPECT_TRUE(g.fixtures.empty());
    EXPECT_TRUE(g.match_archive.empty());
    EXPECT_TRUE(g.result_history.empty());
    EXPECT_TRUE(g.match_strengths.empty());
    EXPECT_TRUE(g.inbox.empty());
    EXPECT_TRUE(g.honours.empty());
    EXPECT_EQ(g.game_state.human_count, 0);
    EXPECT_EQ(g.game_state.league_club_count, 0);
    for (int v : g.job_offers) EXPECT_EQ(v, -1);
    for (int v : g.regional_cup_entrants) EXPECT_EQ(v, -1);
    EXPECT_EQ(g.auction_player, -1);
    EXPECT_EQ(g.auction_price_factor, 0);
    EXPECT_EQ(g.fallback_league, -1);
    EXPECT_EQ(g.calendar.size(), 366u);
    EXPECT_EQ(g.state_leagues.size(), 27u);
    EXPECT_EQ(g.referees.size(), 42u);
    EXPECT_EQ(g.national_tournament_bracket.size(), 16u);
    EXPECT_EQ(g.club_world_cup_bracket.size(), 6u);
}

TEST(GameData, FreshGameHoldsOnlyTheDummyPlayerAndStartValues) {
    ExpectFreshGame(GameData{});
}

TEST(GameData, ResetClearsEveryTableAndValue) {
    GameData g;
    AppendRecord(g.teams).name.set("Tubarões");
    AppendRecord(g.players).team = 0;
    AppendRecord(g.coaches);
    AppendRecord(g.competitions);
    AppendRecord(g.fixtures).played = 1;
    AppendRecord(g.match_archive);
    AppendRecord(g.result_history);
    AppendRecord(g.match_strengths);
    AppendRecord(g.inbox);
    AppendRecord(g.honours);
    g.game_state.human_count = 2;
    g.game_state.league_club_count = 40;
    g.job_offers[0] = 7;
    g.regional_cup_entrants[2] = 9;
    g.auction_player = 12;
    g.fallback_league = 3;
    g.calendar[10].day_type = ckNationalLeague;
    g.state_leagues[5].group_count = 2;
    g.referees[0].technique = 5;
    g.national_tournament_bracket[3].winner = 8;
    g.players[0].team = 4;

    g.Reset();
    ExpectFreshGame(g);
    EXPECT_EQ(g.calendar[10].day_type, 0);
    EXPECT_EQ(g.state_leagues[5].group_count, 0);
    // The referees are part of the program: a reset puts the shipped ones back.
    EXPECT_EQ(g.referees[0].technique, referee_defaults[0].technique);
    EXPECT_EQ(g.national_tournament_bracket[3].winner, 0);
}

TEST(GameData, SwapInGameReplacesTheRunningGameWhole) {
    Game().Reset();
    GameData fresh;
    AppendRecord(fresh.teams).name.set("Novo");
    SwapInGame(fresh);
    ASSERT_EQ(Game().teams.size(), 1u);
    EXPECT_EQ(Game().teams[0].name.str(), "Novo");
    EXPECT_TRUE(fresh.teams.empty());
    Game().Reset();
}

TEST(GameData, GrowingATableAppendsZeroFilledRecords) {
    std::vector<t_fixture> fixtures;
    ResizeTable(fixtures, 3);
    ASSERT_EQ(fixtures.size(), 3u);
    for (const auto& f : fixtures) {
        EXPECT_EQ(f.home, 0);
        EXPECT_EQ(f.date, 0);
        EXPECT_EQ(f.played, 0);
    }
    ResizeTable(fixtures, -5);
    EXPECT_TRUE(fixtures.empty());
    EXPECT_FALSE(InTable(fixtures, 0));
    EXPECT_FALSE(InTable(fixtures, -1));
}

// The team lists follow moves, appended players and announced writes, always in index order.
TEST(GameData, TeamListsFollowEveryMoveInIndexOrder) {
    GameData g;
    g.teams.resize(3);
    for (const int team : {1, 0, 1, 2, -1, 1}) AppendRecord(g.players).team = team;
    auto list = [&g](int team) {
        const auto span = g.PlayersOf(team);
        return std::vector<std::int32_t>(span.begin(), span.end());
    };
    EXPECT_EQ(list(1), (std::vector<std::int32_t>{1, 3, 6}));
    EXPECT_TRUE(list(-1).empty()) << "players without a team are in no list";
    EXPECT_TRUE(list(3).empty());
    g.SetPlayerTeam(3, 0);
    g.SetPlayerTeam(5, 1);
    AppendRecord(g.players).team = 0;
    EXPECT_EQ(list(0), (std::vector<std::int32_t>{2, 3, 7}));
    EXPECT_EQ(list(1), (std::vector<std::int32_t>{1, 5, 6}));
    EXPECT_TRUE(g.PlayerListsMatchTable());

    g.players[1].team = 2;  // not announced: the whole-game checks see it
    EXPECT_FALSE(g.PlayerListsMatchTable());
    g.PlayerTeamsChanged();
    EXPECT_EQ(list(2), (std::vector<std::int32_t>{1, 4}));
    EXPECT_TRUE(g.PlayerListsMatchTable());
}

void MarkMatchDay(t_player& p) {
    p.energy = 37;
    p.played_match = 1;
    p.on_pitch = 1;
    p.fielded_exhausted = 1;
    p.match_goals = 2;
}

using test::ResetAllMarks;

bool SamePlayerBytes(const GameData& a, const GameData& b) {
    return test::SamePlayerBytes(a.players, b.players);
}

// The resets visit the teams' lists and the loose players, and leave what a reset of the whole
// table leaves: players who left a team, were appended or loaded without one, and the dummy
// entry 0 (zero energy) are reached; players long at rest are not needed.
TEST(GameData, MarkResetsLeaveWhatAResetOfTheWholeTableLeaves) {
    GameData g;
    g.teams.resize(3);
    for (const int team : {0, -1, -1, 2, 1, 1}) {
        t_player& p = AppendRecord(g.players);
        p.team = team;
        p.energy = 100;
    }
    // Player 2 is without a team and marked when the lists are built, as after a load; 4
    // leaves his team marked; 6 gets a mark later on the day he left; 7 is appended marked.
    for (const int marked : {1, 2, 4, 5}) MarkMatchDay(g.players[marked]);
    g.SetPlayerTeam(4, -1);
    g.SetPlayerTeam(6, -1);
    g.players[6].on_pitch = 1;
    MarkMatchDay(AppendRecord(g.players));
    g.players.back().team = -1;
    EXPECT_TRUE(g.LoosePlayersMatchTable());

    GameData scanned = g;
    for (t_player& p : scanned.players) ResetAllMarks(p);
    g.ResetMatchMarks(ResetAllMarks);
    EXPECT_TRUE(SamePlayerBytes(g, scanned));

    // A reset of some marks keeps a player loose until the others are back too.
    g.SetPlayerTeam(5, -1);
    g.players[5].energy = 60;
    g.players[5].played_match = 1;
    g.ResetMatchMarks([](t_player& p) { p.played_match = 0; });
    g.ResetMatchMarks([](t_player& p) { p.energy = 100; });
    EXPECT_TRUE(MatchMarksAtRest(g.players[5]));

    // Once at rest a player off every team is no longer visited: a mark set on him then is a
    // write the whole-game checks report, and a later list rebuild takes him in again.
    g.players[3].match_goals = 1;
    EXPECT_FALSE(g.LoosePlayersMatchTable());
    g.PlayerTeamsChanged();
    g.PlayersOf(0);
    EXPECT_TRUE(g.LoosePlayersMatchTable());
    g.ResetMatchMarks(ResetAllMarks);
    EXPECT_EQ(g.players[3].match_goals, 0);
}

}  // namespace
}  // namespace kv
