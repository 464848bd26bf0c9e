#pragma once
// A game built from the sample database at its first day, with a headless screen, for the
// tests of the windows that open on a running game.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "game/headless_game.h"
#include "platform/window/test_driver.h"

namespace kv::test {

class SampleGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 2014;
        setup.humans = humans_;
        HeadlessGame game;
        ASSERT_EQ(game.StartNewGame(setup), "");
        // The crests and kits are looked up beside the teams folder.
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        driver_ = std::make_unique<TestDriver>(1024, 768);
        club_ = Game().game_state.user_club;
        ASSERT_GE(club_, 0);
    }
    void TearDown() override {
        driver_.reset();
        Game().Reset();
        SetGameFolder("");
    }
    // The strongest player of the club.
    static int StrongestPlayer(int club) {
        const GameData& data = Game();
        int best = -1;
        for (int p = 1; p < static_cast<int>(data.players.size()); ++p)
            if (data.players[p].team == club &&
                (best < 0 || data.players[p].strength > data.players[best].strength))
                best = p;
        return best;
    }
    // The n-th computer club of the user club's country.
    int ComputerClub(int n = 0) const {
        const GameData& data = Game();
        for (int t = 0; t < data.game_state.league_club_count; ++t)
            if (t != club_ && !data.teams[t].human &&
                data.teams[t].country == data.teams[club_].country && n-- == 0)
                return t;
        return -1;
    }

    int humans_ = 1;
    std::unique_ptr<TestDriver> driver_;
    int club_ = -1;
};

}  // namespace kv::test
