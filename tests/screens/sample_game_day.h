#pragma once
// A new game from the sample database with `humans` human coaches, played on to a day on which
// every human club plays (and, when `kind` is not -1, of that competition kind): where the window
// tests of a coach's turn start.

#include <gtest/gtest.h>

#include <cstdint>

#include "core/game_data.h"
#include "game/coach_turn.h"
#include "game/headless_game.h"

namespace kv::testing {

inline void StartSampleGameOnAHumanDay(int humans, std::uint64_t seed, int kind = -1) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = seed;
    setup.humans = humans;
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(setup), "");
    auto every_human_plays = [] {
        const GameData& data = Game();
        for (int h = 0; h < data.game_state.human_count; ++h)
            if (!HumanClubPlaysToday(data, data.game_state.match_kind,
                                     data.game_state.human_clubs[h]))
                return false;
        return true;
    };
    auto wanted_day = [&] {
        return every_human_plays() && !game.season_finished() &&
               (kind < 0 || Game().game_state.match_kind == kind);
    };
    for (int round = 0; round < 60 && !wanted_day(); ++round) game.PlayRound();
    ASSERT_TRUE(every_human_plays());
}

}  // namespace kv::testing
