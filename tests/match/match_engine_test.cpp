#include "match/match_engine.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <new>
#include <set>

#include "core/random.h"
#include "match/automatic_decisions.h"
#include "match/discipline.h"
#include "match/match_events.h"
#include "match/position_codes.h"
#include "match/foul_kicks.h"
#include "match_world.h"

// Counts allocations while a test asks for it, to show that a tick allocates nothing.
// The address sanitizer owns operator new itself, so the count is left out there.
#if defined(__SANITIZE_ADDRESS__)
#define KV_COUNTS_ALLOCATIONS 0
#else
#define KV_COUNTS_ALLOCATIONS 1
#endif

namespace {
bool counting_allocations = false;
long allocations = 0;
}  // namespace

#if KV_COUNTS_ALLOCATIONS
void* operator new(std::size_t n) {
    if (counting_allocations) ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#endif

namespace kv {
namespace {

using testing::PlayWholeMatch;
using testing::SetUpMatchDay;

struct SideTally {
    int goals = 0;
    int yellows = 0;
    int reds = 0;
    int injuries = 0;
    int substitutions = 0;
    int injury_substitutions = 0;
};

SideTally TallyEvents(int match, int team) {
    SideTally t;
    for (const t_match_event& e : Game().match_events) {
        if (e.match != match || e.team != team) continue;
        if (IsGoalEvent(e.kind)) ++t.goals;
        if (e.kind == meCard && e.value == 1) ++t.yellows;
        if (e.kind == meCard && (e.value == 2 || e.value == 3)) ++t.reds;
        if (e.kind == meInjury) ++t.injuries;
        if (e.kind == meSubstitution || e.kind == meInjurySubstitution) ++t.substitutions;
        if (e.kind == meInjurySubstitution) ++t.injury_substitutions;
    }
    return t;
}

// What must hold after every tick of a match.
void CheckInvariants(int match, int subs_at_start) {
    const jogos& m = Game().day_matches[match];
    std::set<int> on_pitch;
    for (int side = 0; side < 2; ++side) {
        const SideTally t = TallyEvents(match, m.team[side]);
        ASSERT_EQ(m.goals[side], t.goals) << "tick " << m.tick;
        ASSERT_EQ(m.yellow_cards[side], t.yellows) << "tick " << m.tick;
        ASSERT_EQ(m.red_cards[side], t.reds) << "tick " << m.tick;
        ASSERT_EQ(m.injuries[side], t.injuries) << "tick " << m.tick;
        ASSERT_GE(m.subs_left[side], 0);
        ASSERT_EQ(t.substitutions, subs_at_start - m.subs_left[side]) << "tick " << m.tick;

        const t_match_strength& s = Game().match_strengths[m.strength_slot[side]];
        int fielded = 0;
        for (int p : s.players) {
            if (p <= 0 || !Game().players[p].on_pitch) continue;
            ASSERT_TRUE(on_pitch.insert(p).second) << "player " << p << " twice on the pitch";
            ASSERT_TRUE(Game().players[p].played_match);
            ASSERT_EQ(Game().players[p].team, m.team[side]);
            ++fielded;
        }
        // Only a sending-off or an injury nobody replaced leaves a side short.
        ASSERT_EQ(fielded, 11 - t.reds - (t.injuries - t.injury_substitutions)) << "tick " << m.tick;
        for (int p : s.bench) {
            if (p > 0) {
                ASSERT_FALSE(Game().players[p].on_pitch) << "bench player " << p;
            }
        }
    }
    // Nobody of either team is on the pitch outside its line-up.
    for (std::size_t i = 1; i < Game().players.size(); ++i) {
        const t_player& p = Game().players[i];
        if (p.on_pitch && (p.team == m.team[0] || p.team == m.team[1])) {
            ASSERT_TRUE(on_pitch.count(static_cast<int>(i))) << "player " << i;
        }
    }
}

TEST(MatchEngine, InvariantsHoldAfterEveryTick) {
    constexpr int kMatches = 120;
    SetUpMatchDay(kMatches);
    AutomaticDecisions decisions;
    // A quarter of the home sides are human clubs with a single central defender: an irregular
    // line-up, so the engine's own goals count in those matches.
    for (int i = 1; i <= kMatches; i += 4) {
        jogos& m = Game().day_matches[i];
        Game().teams[m.team[0]].human = 1;
        t_match_strength& s = Game().match_strengths[m.strength_slot[0]];
        for (int& code : s.slot_positions) {
            if (IsCentralDefenceCode(code)) {
                code = 20;
                break;
            }
        }
        ComputeLineupStrength(m.strength_slot[0]);
    }
    SeedRandom(2024);
    int engine_goals = 0;
    for (int match = 1; match <= kMatches; ++match) {
        MatchDecisions* d = match % 2 ? &decisions : nullptr;
        PlayWholeMatch(match, d, [&] { CheckInvariants(match, 3); });
        const jogos& m = Game().day_matches[match];
        EXPECT_GE(m.last_tick, 184);
        EXPECT_LE(m.last_tick, kLastTick);
        EXPECT_EQ(m.tick, m.last_tick);
        EXPECT_EQ(m.possession[0] + m.possession[1], m.tick);
        if (match % 4 == 1) engine_goals += m.goals[0] + m.goals[1];
    }
    // With both line-ups regular the engine's own goals never count: only set pieces score.
    for (const t_match_event& e : Game().match_events) {
        if (e.match % 4 != 1) {
            ASSERT_NE(e.kind, meGoal);
            ASSERT_NE(e.kind, meOwnGoal);
        }
    }
    for (const t_match_event& e : Game().match_events) {
        ASSERT_GE(e.tick, 1);
        ASSERT_LE(e.tick, kLastTick);
        if (e.kind == meSubstitution || e.kind == meInjurySubstitution) {
            ASSERT_TRUE(Game().players[e.value].played_match);
        }
    }
    EXPECT_GT(engine_goals, kMatches / 4);
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Rates over a large seeded batch of the same match played again and again. Each tolerance is
// about six standard deviations of its batch; the faults they guard against move a rate by more.
TEST(MatchEngine, CardInjuryAndSetPieceRatesOverABatch) {
    SetUpMatchDay(1);
    const testing::SavedMatchDay saved;
    SeedRandom(77);
    long fouls = 0, bookings = 0, straight_reds = 0, cards = 0, injuries = 0, penalties = 0;
    for (int i = 0; i < 4000; ++i) {
        saved.Restore();
        PlayWholeMatch(1);
        const jogos& m = Game().day_matches[1];
        fouls += m.fouls[0] + m.fouls[1];
        injuries += m.injuries[0] + m.injuries[1];
        penalties += m.penalties_taken[0] + m.penalties_taken[1];
        for (const t_match_event& e : Game().match_events) {
            if (e.kind != meCard) continue;
            ++cards;
            bookings += e.value == 1 || e.value == 3;
            straight_reds += e.value == 2;
        }
    }
    ASSERT_GT(fouls, 100000);
    EXPECT_NEAR(bookings / double(fouls), 0.06, 0.005);
    EXPECT_GT(straight_reds / double(fouls), 0.0010);
    EXPECT_LT(straight_reds / double(fouls), 0.0030);
    // 1 in 19 to 1 in 26 by the player's energy; only a few thousand cards, so a wide band that
    // still tells an injury check per card from one per foul or none at all.
    EXPECT_GT(injuries / double(cards), 1 / 40.0);
    EXPECT_LT(injuries / double(cards), 1 / 15.0);
    // Every card leads to a set piece; 9 in 100 are penalties.
    EXPECT_NEAR(penalties / double(cards), 0.09, 0.02);
}

TEST(MatchEngine, PenaltyAndFreeKickOdds) {
    testing::SetUpMatchDay(1);
    const int strength = Game().day_matches[1].strength_slot[0];
    SeedRandom(31);
    constexpr int kKicks = 400000;
    struct Case {
        int keeper;
        double penalty;
        double free_kick;
    };
    for (const Case c : {Case{0, 0.86, 0.13}, Case{1000, 0.76, 0.03}}) {
        int scored = 0, free_kick_goals = 0;
        for (int i = 0; i < kKicks; ++i) {
            scored += TakePenalty(strength, c.keeper, -1).kind == 1;
            free_kick_goals += TakeFreeKick(strength, c.keeper) > 0;
        }
        EXPECT_NEAR(scored / double(kKicks), c.penalty, 0.005) << c.keeper;
        EXPECT_NEAR(free_kick_goals / double(kKicks), c.free_kick, 0.004) << c.keeper;
    }
}

TEST(MatchEngine, ATickAllocatesNothing) {
    if (!KV_COUNTS_ALLOCATIONS) GTEST_SKIP() << "allocations are not counted under the address sanitizer";
    SetUpMatchDay(2);
    const testing::SavedMatchDay saved;
    ReserveMatchDayLists();
    AutomaticDecisions decisions;
    SeedRandom(5);
    for (int i = 0; i < 50; ++i) {
        saved.Restore();
        counting_allocations = true;
        PlayWholeMatch(1, &decisions);
        PlayWholeMatch(2);
        counting_allocations = false;
    }
    EXPECT_EQ(allocations, 0);
}

TEST(MatchEngine, DamagedMatchRecordsPlayWithoutReadingPastTheTables) {
    SetUpMatchDay(3);
    auto& strengths = Game().match_strengths;
    t_match_strength& a = strengths[Game().day_matches[1].strength_slot[0]];
    a.players[0] = 1 << 30;
    a.players[10] = -7;
    a.slot_positions[3] = 99;
    a.slot_positions[4] = 0;
    a.bench[0] = 1 << 29;
    a.bench[1] = -5;
    Game().players[a.players[1]].energy = INT_MAX;
    Game().players[a.players[2]].energy = INT_MIN;
    Game().players[a.players[3]].strength = INT_MIN;
    Game().players[a.players[5]].age = INT_MIN;
    Game().day_matches[1].ball_zone = 77;
    Game().day_matches[1].ball_side = 9;
    Game().day_matches[1].last_outcome = 42;
    Game().day_matches[2].strength_slot[1] = 500;
    Game().day_matches[3].team[0] = -4;
    Game().day_matches[3].subs_left[1] = -2;
    SeedRandom(8);
    for (int match = 1; match <= 3; ++match) PlayWholeMatch(match);
    EXPECT_EQ(Game().day_matches[2].tick, Game().day_matches[2].last_tick);  // its clock still ran
    EXPECT_EQ(PlayTick(0), -1);
    EXPECT_EQ(PlayTick(40), -1);
}

TEST(MatchEngine, EnergyDrainsByAgeAndPlace) {
    const int bands[][2] = {{0, 0},  {1, 1},  {26, 1},  {27, 2},  {33, 2},   {34, 3},  {36, 3},
                            {37, 4}, {42, 4}, {43, 5},  {55, 5},  {56, 6},   {60, 6},  {61, 7},
                            {70, 7}, {71, 8}, {81, 9},  {90, 9},  {91, 10},  {1000, 10}, {1001, 0}};
    for (const auto& b : bands) EXPECT_EQ(EnergyLossByAge(b[0]), b[1]) << b[0];

    SetUpMatchDay(1);
    const int team = Game().day_matches[1].team[0];
    t_match_strength& s = Game().match_strengths[Game().teams[team].match_strength_index];
    t_player& keeper = Game().players[s.players[10]];
    t_player& outfield = Game().players[s.players[0]];
    keeper.age = 30;
    outfield.age = 30;
    keeper.energy = outfield.energy = 90;
    DrainEnergy(team, 90);
    EXPECT_EQ(keeper.energy, 90);
    EXPECT_EQ(outfield.energy, 88);
    DrainEnergy(team, 105);
    EXPECT_EQ(keeper.energy, 88);
    keeper.star = 1;
    keeper.age = 36;
    DrainEnergy(team, 45);
    EXPECT_EQ(keeper.energy, 89);  // no loss in goal before the second half, the star's point
    DrainEnergy(team, 120);
    EXPECT_EQ(keeper.energy, 87);
    outfield.energy = 1;
    DrainEnergy(team, 15);
    EXPECT_EQ(outfield.energy, 1);
}

TEST(MatchEngine, InjuryChanceByEnergy) {
    const int cases[][2] = {{0, 19},  {10, 19}, {11, 20}, {20, 20}, {21, 21}, {30, 21},
                            {31, 22}, {41, 23}, {51, 24}, {60, 24}, {61, 25}, {80, 25},
                            {81, 26}, {100, 26}, {101, 550}, {-1, 550}};
    for (const auto& c : cases) EXPECT_EQ(InjuryChanceOneIn(c[0]), c[1]) << c[0];
}

TEST(MatchEngine, StoppageTimeGrowsWithRedCards) {
    SetUpMatchDay(1);
    jogos& m = Game().day_matches[1];
    SeedRandom(3);
    for (int i = 0; i < 200; ++i) {
        m.red_cards[0] = m.red_cards[1] = 0;
        SetStoppageTime(1);
        ASSERT_GE(m.last_tick, 184);
        ASSERT_LE(m.last_tick, 187);
        m.red_cards[0] = m.red_cards[1] = 1;
        SetStoppageTime(1);
        ASSERT_GE(m.last_tick, 188);
        ASSERT_LE(m.last_tick, 190);
    }
}

TEST(MatchEngine, ZoneGoalsThinOutForSidesThatScoredSeveral) {
    struct Case {
        int goals;
        int tick;
        double kept;
    };
    const Case cases[] = {
        {1, 50, 1.0},   {2, 50, 0.81},  {3, 50, 0.71},  {4, 91, 0.31},  {5, 50, 0.02},
        {60, 50, 0.02}, {3, 92, 1.0},   {4, 92, 0.81},  {5, 120, 0.51}, {6, 120, 0.04},
        {8, 120, 0.02}, {9, 190, 0.01}, {100, 190, 0.01},
    };
    SeedRandom(23);
    constexpr int kDraws = 200000;
    for (const Case& c : cases) {
        int kept = 0;
        for (int i = 0; i < kDraws; ++i) kept += !ZoneGoalThinnedOut(c.goals, c.tick);
        EXPECT_NEAR(kept / double(kDraws), c.kept, 0.006) << c.goals << " goals, tick " << c.tick;
    }
}

// One move of the set piece after a booked foul, played until the kind wanted comes up.
MoveResult SetPieceOfKind(int side, int kind) {
    const jogos& m = Game().day_matches[1];
    for (int i = 0; i < 100000; ++i) {
        const MoveResult r = PlayMove(6, side, fuInjury, 1, m.strength_slot[1], m.strength_slot[0], nullptr);
        if (r.kind == kind) return r;
    }
    return {};
}

TEST(MatchEngine, SetPiecesRestartWhereTheRulesSay) {
    SetUpMatchDay(1);
    Game().day_matches[1].tick = 1;  // no computer substitution on this tick
    SeedRandom(29);
    struct Case {
        int side;
        int kind;
        int zone;
        int next_side;
    };
    const Case cases[] = {
        {1, mkFreeKickGoal, 8, 2}, {1, mkPenaltyGoal, 8, 2}, {1, mkPenaltyMissed, 11, 2},
        {2, mkFreeKickGoal, 5, 1}, {2, mkPenaltyGoal, 5, 1}, {2, mkPenaltyMissed, 2, 1},
    };
    for (const Case& c : cases) {
        const MoveResult r = SetPieceOfKind(c.side, c.kind);
        ASSERT_EQ(r.kind, c.kind) << c.side;
        EXPECT_EQ(r.zone, c.zone) << c.side << " " << c.kind;
        EXPECT_EQ(r.side, c.next_side) << c.side << " " << c.kind;
        EXPECT_EQ(r.follow_up, fuNone);
        EXPECT_EQ(r.event_side, c.side);
        EXPECT_EQ(Game().players[r.player].team, Game().day_matches[1].team[c.side - 1]);
    }
    // A booked foul: the card is the fouling side's and the injury check comes next.
    const jogos& m = Game().day_matches[1];
    MoveResult card;
    for (int i = 0; i < 100000 && card.kind != mkCard; ++i)
        card = PlayMove(6, 1, fuFoul, 1, m.strength_slot[1], m.strength_slot[0], nullptr);
    ASSERT_EQ(card.kind, mkCard);
    EXPECT_EQ(card.event_side, 2);
    EXPECT_EQ(card.side, 1);
    EXPECT_EQ(card.follow_up, fuCard);
    EXPECT_EQ(Game().players[card.player].team, m.team[1]);
}

}  // namespace
}  // namespace kv
