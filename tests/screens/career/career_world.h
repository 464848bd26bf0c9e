#pragma once
// The world the history windows are tested on: a new game from the sample database with a fixed
// seed, played headless through a whole season and some rounds into the second, built once per
// test program and put back as the running game before each test.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "game/headless_game.h"

namespace kv::testing {

inline const GameData& PlayedCareerWorld() {
    static const GameData* world = [] {
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 41;
        setup.league_format = kDivisionsOf20;
        HeadlessGame game;
        EXPECT_EQ(game.StartNewGame(setup), "");
        while (Game().game_state.season < 2) game.PlayRound();
        for (int round = 0; round < 12; ++round) game.PlayRound();
        return new GameData(Game());
    }();
    return *world;
}

inline GameData& LoadCareerWorld() {
    GameData copy = PlayedCareerWorld();
    SwapInGame(copy);
    return Game();
}

}  // namespace kv::testing
