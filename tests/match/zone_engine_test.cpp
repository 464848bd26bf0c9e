#include "match/zone_engine.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "match/position_codes.h"
#include "match_world.h"

namespace kv {
namespace {

t_match_strength Flat(int attack, int defence, int keeper) {
    t_match_strength s{};
    for (int z = 0; z < kZoneCount; ++z) {
        s.zone_attack[z] = attack;
        s.zone_defence[z] = defence;
    }
    s.goalkeeper_value = keeper;
    return s;
}

TEST(ZoneEngine, ChanceHitAndShiftAtTheirEnds) {
    SeedRandom(1);
    for (int i = 0; i < 2000; ++i) {
        ASSERT_TRUE(ChanceHit(100, 100));
        ASSERT_TRUE(ChanceHit(150, 100));
        ASSERT_FALSE(ChanceHit(0, 100));
        ASSERT_FALSE(ChanceHit(-5, 100));
    }
    EXPECT_EQ(ShiftByDifference(92, 50, 0, 0.2), 82);
    EXPECT_EQ(ShiftByDifference(30, 0, 5, 0.5), 32);  // 32.5 to even
    EXPECT_EQ(ShiftByDifference(30, 0, 7, 0.5), 34);  // 33.5 to even
}

TEST(ZoneEngine, ZoneRowsSeenFromEachSide) {
    // The home side in zone 11 shoots often; the away side there is in its own box.
    EXPECT_EQ(engine_zone_tables(SideZone(11, 1)).shot, 85);
    EXPECT_EQ(engine_zone_tables(SideZone(11, 1)).foul, 2);
    EXPECT_EQ(engine_zone_tables(SideZone(11, 2)).shot, 0);
    EXPECT_EQ(engine_zone_tables(SideZone(11, 2)).foul, 3);
    EXPECT_EQ(engine_zone_tables(0).shot, 0);
    EXPECT_EQ(engine_zone_tables(13).shot, 0);
}

TEST(ZoneEngine, MovesThatNeedNoDraw) {
    const t_match_strength home = Flat(50, 50, 50);
    t_match_strength away = Flat(50, 50, 50);
    away.zone_attack[SideZone(7, 2) - 1] = 0;
    SeedRandom(5);
    const std::uint64_t before = RandomState();
    // The last pass went where the side has nobody: the ball changes hands on the spot.
    const ZoneMove m = PlayZoneMove(7, 2, zoPass, home, away);
    EXPECT_EQ(m.zone, 7);
    EXPECT_EQ(m.side, 1);
    EXPECT_EQ(m.outcome, zoPassIntoEmptyZone);
    EXPECT_EQ(RandomState(), before);
}

TEST(ZoneEngine, NoTackleAgainstAnEmptyDefence) {
    SeedRandom(7);
    for (int i = 0; i < 5000; ++i) ASSERT_FALSE(TackleWins(5, 40, 0));
    const t_match_strength home = Flat(60, 60, 50);
    const t_match_strength away = Flat(60, 0, 50);
    for (int i = 0; i < 5000; ++i) {
        const ZoneMove m = PlayZoneMove(5, 1, -1, home, away);
        ASSERT_NE(m.outcome, zoTackled);
        ASSERT_NE(m.outcome, zoFouled);  // nobody there to foul either
    }
}

TEST(ZoneEngine, LongBallIntoAnEmptyBox) {
    SeedRandom(11);
    t_match_strength defending = Flat(50, 50, 50);
    defending.zone_defence[1] = 0;  // nobody in the centre of its box
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(ChoosePassTarget(5, 1, defending), 11);
        ASSERT_EQ(ChoosePassTarget(SideZone(5, 2), 2, defending), SideZone(11, 2));
    }
    defending.zone_defence[1] = 10;
    defending.zone_defence[0] = 0;
    for (int i = 0; i < 500; ++i) ASSERT_EQ(ChoosePassTarget(4, 1, defending), 12);
}

TEST(ZoneEngine, GoalKicksLandOnTheirZones) {
    SeedRandom(13);
    int landed[13] = {};
    for (int i = 0; i < 100000; ++i) {
        const int z = GoalKickTarget(2);
        ASSERT_GE(z, 1);
        ASSERT_LE(z, 12);
        ++landed[z];
    }
    // Zone 1 of the home view only from a draw of 0, for either side.
    EXPECT_NEAR(landed[1] / 100000.0, 0.01, 0.004);
    EXPECT_NEAR(landed[SideZone(5, 2)] / 100000.0, 0.33, 0.01);
    EXPECT_NEAR(landed[SideZone(7, 2)] / 100000.0, 0.08, 0.006);
    EXPECT_EQ(landed[SideZone(10, 2)], 0);
}

TEST(ZoneEngine, ShotOnTargetOdds) {
    // Keeper 0 against attack 50: 26 goals in 108 shots on target.
    SeedRandom(17);
    constexpr int kShots = 400000;
    int goals = 0;
    for (int i = 0; i < kShots; ++i) goals += !ShotMisses(50, 0);
    EXPECT_NEAR(goals / double(kShots), 26.0 / 108, 0.004);
}

TEST(ZoneEngine, PickersFindNobodyOnAnEmptyPitch) {
    testing::StartMatchDay();
    const int team = testing::AddTeam();
    t_match_strength s{};
    for (int slot = 0; slot < 11; ++slot) {
        s.players[slot] = testing::AddPlayer(team, {3, 50});
        s.slot_positions[slot] = slot + 10;
        Game().players[s.players[slot]].on_pitch = 1;
    }
    SeedRandom(19);
    for (int i = 0; i < 200; ++i) {
        ASSERT_GT(ChooseScorer(s, -1, -1), 0);
        ASSERT_GT(ChooseInvolvedPlayer(s, -1), 0);
    }
    for (int slot = 0; slot < 11; ++slot) Game().players[s.players[slot]].on_pitch = 0;
    EXPECT_EQ(ChooseScorer(s, -1, -1), -1);
    EXPECT_EQ(ChooseScorer(s, -1, -2), -1);
    EXPECT_EQ(ChooseInvolvedPlayer(s, 7), -1);
    EXPECT_EQ(PlayerAtPosition(s, 12), -1);
}

}  // namespace
}  // namespace kv
