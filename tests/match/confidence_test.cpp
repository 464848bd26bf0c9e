#include "match/confidence.h"

#include <gtest/gtest.h>

#include "match_world.h"

namespace kv {
namespace {

using testing::AddTeam;

struct Side {
    int level = 15;
    int position = 5;
    int board = 60;
    int supporters = 60;
    bool human = false;
    bool in_debt = false;
    int country = 3;  // has a league
};

struct Case {
    const char* name;
    int kind;
    int format;
    Side home;
    Side away;
    int gh, ga;
    bool watch_away;
    int board, supporters;  // of the watched club afterwards
};

TEST(Confidence, ResultsMoveTheBoardAndTheSupporters) {
    const Case cases[] = {
        {"the leader drawing at home", 1, 2, {15, 1}, {}, 0, 0, false, 62, 63},
        {"the leader drawing away", 1, 2, {}, {15, 1}, 0, 0, true, 63, 63},
        {"a stronger leader drawing at home", 1, 2, {16, 1}, {}, 0, 0, false, 61, 63},
        {"a human club in debt losing at home", 1, 2, {15, 12, 60, 60, true, true}, {}, 0, 1, false, 44, 55},
        {"a computer club in debt losing at home", 1, 2, {15, 12, 60, 60, false, true}, {}, 0, 1, false, 44, 55},
        {"a computer club in debt winning", 1, 2, {15, 12, 60, 60, false, true}, {}, 1, 0, false, 60, 65},
        {"a top-two win with ten-club divisions", 1, 4, {15, 2}, {}, 2, 0, false, 67, 70},
        {"a weaker club winning a continental match", 4, 2, {14, 1}, {}, 1, 0, false, 62, 60},
        {"a stronger club drawing a continental match", 4, 2, {16, 1}, {}, 0, 0, false, 59, 60},
        {"a state group leader winning", 3, 2, {15, 1}, {}, 1, 0, false, 65, 67},
        {"unhappy supporters weigh on the board", 4, 2, {15, 1, 60, 39}, {}, 0, 0, false, 52, 39},
        {"less so at a big club", 4, 2, {21, 1, 60, 39}, {21}, 0, 0, false, 55, 39},
        {"no gauge goes below 0", 1, 2, {15, 18, 3, 60}, {}, 0, 1, false, 0, 48},
        {"nor above 100", 1, 2, {15, 1, 99, 98}, {}, 1, 0, false, 100, 100},
        {"a club of a country without a league keeps everything", 1, 2, {15, 1, 150, -4, false, true, 202}, {}, 0, 3, false, 150, -4},
    };
    for (const Case& c : cases) {
        testing::StartMatchDay();
        GameData& gd = Game();
        gd.league_configs.emplace_back().country = 3;
        gd.game_state.match_kind = c.kind;
        gd.game_state.league_format = c.format;
        int teams[2];
        const Side* sides[2] = {&c.home, &c.away};
        for (int i = 0; i < 2; ++i) {
            teams[i] = AddTeam(sides[i]->human);
            t_team& t = gd.teams[teams[i]];
            t.level = sides[i]->level;
            t.table_position[c.kind] = sides[i]->position;
            t.board_confidence = sides[i]->board;
            t.supporter_confidence = sides[i]->supporters;
            t.cash = sides[i]->in_debt ? -1 : 1;
            t.country = sides[i]->country;
        }
        UpdateBoardConfidence(c.kind, teams[0], teams[1], c.gh, c.ga);
        const t_team& watched = gd.teams[teams[c.watch_away ? 1 : 0]];
        EXPECT_EQ(watched.board_confidence, c.board) << c.name;
        EXPECT_EQ(watched.supporter_confidence, c.supporters) << c.name;
    }
}

}  // namespace
}  // namespace kv
