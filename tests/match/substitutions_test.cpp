#include "match/substitutions.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "core/random.h"
#include "match/automatic_decisions.h"
#include "match/discipline.h"
#include "match/match_events.h"
#include "match/penalty_kick.h"
#include "match/position_codes.h"
#include "match/zone_engine.h"
#include "match_world.h"

namespace kv {
namespace {

// One match between two computer clubs with full benches; the home side's record at hand.
struct SubstitutionWorld {
    int strength;
    SubstitutionWorld() {
        testing::SetUpMatchDay(1);
        strength = Game().day_matches[1].strength_slot[0];
    }
    jogos& match() { return Game().day_matches[1]; }
    t_match_strength& s() { return Game().match_strengths[strength]; }
    t_player& player(int p) { return Game().players[p]; }
    int SlotOf(int p) {
        for (int slot = 0; slot < 11; ++slot)
            if (s().players[slot] == p) return slot;
        return -1;
    }
};

TEST(Substitutions, MissingGoalkeeperIsReplacedFromTheFront) {
    SubstitutionWorld w;
    const int keeper = w.s().players[10];
    const int bench_keeper = w.s().bench[0];
    w.player(keeper).on_pitch = 0;
    int front = -1;  // the player of the highest code comes off
    for (int c = kLastPositionCode; c >= 10 && front == -1; --c) front = PlayerAtPosition(w.s(), c);
    const SubstitutionPair pair = ComputerSubstitutions(w.strength, 1, 1);
    ASSERT_EQ(pair.on, bench_keeper);
    ASSERT_EQ(pair.off, front);
    EXPECT_EQ(w.s().players[10], bench_keeper);
    EXPECT_EQ(w.SlotOf(pair.off), -1);  // his slot is left empty, coded as the goal's
    EXPECT_TRUE(w.player(bench_keeper).on_pitch && w.player(bench_keeper).played_match);
    EXPECT_FALSE(w.player(pair.off).on_pitch);
    EXPECT_EQ(w.s().bench[0], -1);
    EXPECT_EQ(w.match().subs_left[0], 2);
}

TEST(Substitutions, NoFittingBenchPlayerLeavesTheBenchUntouched) {
    SubstitutionWorld w;
    w.player(w.s().players[10]).on_pitch = 0;
    for (int place = 0; place < 5; ++place) w.s().bench[place] = 0;  // two forwards remain
    const auto bench = std::to_array(w.s().bench);
    for (int tick = 4; tick < 200; tick += 4) {
        w.match().tick = tick;
        const SubstitutionPair pair = ComputerSubstitutions(w.strength, 1, 1);
        EXPECT_EQ(pair.on, -1);
    }
    EXPECT_EQ(std::to_array(w.s().bench), bench);
    EXPECT_EQ(w.match().subs_left[0], 3);
}

TEST(Substitutions, MissingGoalkeeperComesBeforeATiredPlayer) {
    SubstitutionWorld w;
    for (int p : w.s().players) w.player(p).energy = 50;
    w.player(w.s().players[10]).on_pitch = 0;
    w.match().tick = 150;
    SeedRandom(1);
    const SubstitutionPair pair = ComputerSubstitutions(w.strength, 1, 1);
    ASSERT_GT(pair.on, 0);
    EXPECT_EQ(w.player(pair.on).position, 0);
    EXPECT_EQ(w.s().players[10], pair.on);
}

TEST(Substitutions, TiredPlayerMakesWayInHisOwnSlot) {
    SubstitutionWorld w;
    for (int p : w.s().players) w.player(p).energy = 95;
    const int tired = w.s().players[3];
    w.player(tired).energy = 40;
    const int code = w.s().slot_positions[3];
    w.match().tick = 100;
    SeedRandom(2);
    SubstitutionPair pair{-1, -1, -1};
    for (int i = 0; i < 100 && pair.on == -1; ++i) pair = ComputerSubstitutions(w.strength, 1, 1);
    ASSERT_EQ(pair.off, tired);
    EXPECT_EQ(w.s().players[3], pair.on);
    EXPECT_EQ(w.s().slot_positions[3], code);
    EXPECT_FALSE(w.player(tired).on_pitch);
    EXPECT_TRUE(w.player(pair.on).played_match);
    // Before tick 93 nobody is rested.
    w.match().tick = 92;
    w.player(w.s().players[4]).energy = 10;
    for (int i = 0; i < 100; ++i) ASSERT_EQ(ComputerSubstitutions(w.strength, 1, 1).on, -1);
}

TEST(Substitutions, LostCentralDefenceIsRebuilt) {
    SubstitutionWorld w;
    int kept = 0;
    for (int& code : w.s().slot_positions) {
        if (IsCentralDefenceCode(code) && kept++ > 0) code = 12;
    }
    const bool has_six = [&] {
        for (int code : w.s().slot_positions)
            if (code == 6) return true;
        return false;
    }();
    const SubstitutionPair pair = ComputerSubstitutions(w.strength, 1, 1);
    ASSERT_GT(pair.on, 0);
    const int slot = w.SlotOf(pair.on);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(w.s().slot_positions[slot], has_six ? 8 : 6);
    EXPECT_EQ(w.player(pair.on).position, 2);
    w.match().subs_left[0] = 0;
    for (int& code : w.s().slot_positions)
        if (IsCentralDefenceCode(code)) code = 12;
    EXPECT_EQ(ComputerSubstitutions(w.strength, 1, 1).on, -1);
}

// Answers the injury question with a fixed player and counts the questions.
struct FixedDecisions : AutomaticDecisions {
    int answer = -1;
    int asked = 0;
    int ReplaceInjuredPlayer(int, int, int) override {
        ++asked;
        return answer;
    }
};

InjuryResult InjureSomeone(int strength, FixedDecisions* d) {
    for (int i = 0; i < 5000; ++i) {
        const InjuryResult r = CheckInjury(strength, 5, 1, d);
        if (r.injured > 0) return r;
    }
    return {-1, -1};
}

TEST(Substitutions, InjuryReplacements) {
    struct Case {
        const char* what;
        bool human;
        int subs_left;
        int answer_place;  // bench place the human answers with, -1 for a player off the bench
        bool replaced;
        int asked;
    };
    const Case cases[] = {
        {"computer team", false, 3, 0, true, 0},
        {"human team picks a bench player", true, 3, 3, true, 1},
        {"human team names a player not on the bench", true, 3, -1, false, 1},
        {"human team without substitutions", true, 0, 3, false, 0},
    };
    for (const Case& c : cases) {
        SubstitutionWorld w;
        Game().teams[w.match().team[0]].human = c.human;
        w.match().subs_left[0] = c.subs_left;
        FixedDecisions d;
        d.answer = c.answer_place >= 0 ? w.s().bench[c.answer_place] : w.s().players[10];
        SeedRandom(6);
        const InjuryResult r = InjureSomeone(w.strength, &d);
        ASSERT_GT(r.injured, 0) << c.what;
        EXPECT_FALSE(w.player(r.injured).on_pitch) << c.what;
        EXPECT_EQ(d.asked, c.asked) << c.what;
        EXPECT_EQ(r.replacement > 0, c.replaced) << c.what;
        EXPECT_EQ(w.match().subs_left[0], c.subs_left - (c.replaced ? 1 : 0)) << c.what;
        if (c.replaced) {
            EXPECT_EQ(w.s().players[w.SlotOf(r.replacement)], r.replacement) << c.what;
            EXPECT_TRUE(w.player(r.replacement).played_match) << c.what;
            EXPECT_EQ(w.SlotOf(r.injured), -1) << c.what;
        }
    }
}

TEST(Substitutions, CoachSubstitutionsUpToTheLimit) {
    SubstitutionWorld w;
    w.match().subs_left[0] = 5;  // a friendly
    for (int i = 1; i <= 5; ++i) {
        const int off = w.s().players[i - 1];
        const int on = w.s().bench[i - 1];
        const SubstitutionOutcome made = MakeSubstitution(1, 1, i, i, 10 * i);
        ASSERT_TRUE(made.made());
        const int e = made.event;
        ASSERT_GE(e, 0);
        const t_match_event& ev = Game().match_events[e];
        EXPECT_EQ(ev.kind, meSubstitution);
        EXPECT_EQ(ev.player, off);
        EXPECT_EQ(ev.value, on);
        EXPECT_TRUE(w.player(on).on_pitch && w.player(on).played_match);
        EXPECT_FALSE(w.player(off).on_pitch);
        EXPECT_EQ(w.s().bench[i - 1], -1);
    }
    EXPECT_EQ(w.match().subs_made[0], 3);
    EXPECT_EQ(w.match().substitutions[0][2].minute, 50);  // the fifth replaced the third entry
    EXPECT_EQ(w.match().subs_left[0], 0);
    EXPECT_EQ(MakeSubstitution(1, 1, 6, 6, 60).refusal, SubstitutionRefusal::kNoSubstitutionLeft);
}

TEST(Substitutions, ARefusedCoachSubstitutionSaysWhyAndChangesNothing) {
    using enum SubstitutionRefusal;
    SubstitutionWorld w;
    const int sent_off = w.s().players[1];
    w.player(sent_off).on_pitch = 0;  // sent off: he stays in his slot, off the pitch
    w.s().players[2] = 0;
    w.s().bench[3] = 0;
    w.s().bench[4] = -1;  // brought on already
    struct Case {
        int slot, bench_place, subs_left;
        SubstitutionRefusal refusal;
    };
    const Case cases[] = {
        {1, 1, 0, kNoSubstitutionLeft}, {1, 4, 3, kEmptyBenchPlace},  {1, 5, 3, kEmptyBenchPlace},
        {1, 8, 3, kEmptyBenchPlace},    {2, 1, 3, kPlayerNotOnPitch}, {3, 1, 3, kPlayerNotOnPitch},
        {12, 1, 3, kPlayerNotOnPitch},
    };
    const t_match_strength before = w.s();
    for (const Case& c : cases) {
        w.match().subs_left[0] = c.subs_left;
        const SubstitutionOutcome outcome = MakeSubstitution(1, 1, c.slot, c.bench_place, 30);
        EXPECT_EQ(outcome.refusal, c.refusal) << "slot " << c.slot << " bench " << c.bench_place;
        EXPECT_EQ(outcome.event, -1);
        EXPECT_FALSE(SubstitutionRefusalText(c.refusal).empty());
        EXPECT_EQ(w.match().subs_left[0], c.subs_left);
    }
    EXPECT_EQ(std::memcmp(&before, &w.s(), sizeof before), 0);
    EXPECT_TRUE(Game().match_events.empty());
    EXPECT_FALSE(w.player(before.bench[0]).on_pitch);
}

TEST(Substitutions, PenaltyChanceAndTheGoalkeeperFaced) {
    SubstitutionWorld w;
    const int taker = w.s().players[0];
    const int keeper = w.s().players[10];
    struct Case {
        int t1, t2, t_star, g1, g2, g_star, chance;
    };
    const Case cases[] = {
        {9, 9, 1, 0, 0, 0, 90}, {9, 9, 1, 1, 1, 1, 60}, {4, 5, 0, 0, 0, 0, 70},
        {4, 9, 0, 1, 0, 0, 60}, {4, 4, 0, 0, 0, 1, 65},
    };
    for (const Case& c : cases) {
        w.player(taker).characteristic1 = c.t1;
        w.player(taker).characteristic2 = c.t2;
        w.player(taker).star = c.t_star;
        w.player(keeper).characteristic1 = c.g1;
        w.player(keeper).characteristic2 = c.g2;
        w.player(keeper).star = c.g_star;
        EXPECT_EQ(PenaltyChance(taker, keeper), c.chance);
    }
    EXPECT_EQ(PenaltyGoalkeeper(w.strength, false), keeper);
    w.player(keeper).on_pitch = 0;
    EXPECT_EQ(PenaltyGoalkeeper(w.strength, true), keeper);  // facing a computer's kick
    const int first_on_pitch = w.s().players[0];
    EXPECT_EQ(PenaltyGoalkeeper(w.strength, false), first_on_pitch);
    w.s().players[10] = 0;
    EXPECT_EQ(PenaltyGoalkeeper(w.strength, true), first_on_pitch);

    Game().teams[w.match().team[0]].set_piece_taker = w.s().players[2];
    EXPECT_EQ(ComputerPenaltyTaker(w.strength), w.s().players[2]);
    w.player(w.s().players[2]).on_pitch = 0;
    EXPECT_EQ(ComputerPenaltyTaker(w.strength), w.s().players[9]);
}

}  // namespace
}  // namespace kv
