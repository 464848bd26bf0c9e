#include "tests/playthrough/continuation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace kv {

void KeepBothSavesIfTheyDiffer(const std::string& stem, const std::string& windows,
                               const std::string& headless) {
    if (windows == headless) return;
    const std::filesystem::path folder = KORVANEL_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / (stem + "_windows.s14"), std::ios::binary) << windows;
    std::ofstream(folder / (stem + "_headless.s14"), std::ios::binary) << headless;
}

void ExpectTheSameContinuation(PlayThrough& play, const Continuation& from) {
    const std::string headless = HeadlessContinuation(from);
    EXPECT_FALSE(headless.empty());
    play.set_accept_invitations(from.national_team);
    play.set_auction_bids(from.auction_bids);
    play.set_coach_choices(from.coach_choices);
    play.KeepSaveAfterRound(from.rounds);
    EXPECT_EQ(play.LoadSavedGame(from.saved, from.seed), "");
    EXPECT_EQ(play.PlayRounds(from.rounds), "");
    EXPECT_EQ(play.broken_invariant(), "");
    KeepBothSavesIfTheyDiffer("continuation", play.kept_save(), headless);
    EXPECT_TRUE(play.kept_save() == headless)
        << FirstDifference(play.kept_save(), headless) << " (seed " << from.seed << ", "
        << from.rounds << " rounds)";
    for (const std::string& name : play.unknown_windows())
        std::printf("  closed unknown window %s\n", name.c_str());
}

}  // namespace kv
