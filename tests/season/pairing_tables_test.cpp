#include "season/pairing_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace kv {
namespace {

using PairingFn = SlotPairing (*)(int, int, int);

struct TableShape {
    const char* name;
    PairingFn fn;
    int positions;
    int rounds;
    int matches;
};

const TableShape kShapes[] = {
    {"20", Pairing20Teams, 20, 19, 10},
    {"10", Pairing10Teams, 10, 9, 5},
    {"6", Pairing6Teams, 6, 5, 3},
    {"4", Pairing4Teams, 4, 3, 2},
};

TEST(PairingTables, KnownPairingsReadAsPrinted) {
    struct Case {
        PairingFn fn;
        int round, leg, match, home, away;
    };
    const Case cases[] = {
        {Pairing20Teams, 1, 1, 1, 1, 20},   {Pairing20Teams, 1, 2, 1, 20, 1},
        {Pairing20Teams, 1, 1, 10, 10, 11}, {Pairing20Teams, 2, 1, 1, 20, 11},
        {Pairing20Teams, 2, 1, 10, 1, 2},   {Pairing20Teams, 19, 1, 1, 10, 20},
        {Pairing20Teams, 19, 1, 10, 19, 1}, {Pairing10Teams, 2, 1, 1, 10, 6},
        {Pairing10Teams, 2, 1, 5, 1, 2},    {Pairing10Teams, 9, 1, 1, 5, 10},
        {Pairing10Teams, 9, 1, 5, 9, 1},    {Pairing6Teams, 1, 1, 3, 3, 4},
        {Pairing6Teams, 2, 1, 1, 6, 4},     {Pairing6Teams, 3, 1, 2, 3, 1},
        {Pairing6Teams, 4, 1, 1, 6, 5},     {Pairing6Teams, 5, 1, 3, 5, 1},
        {Pairing4Teams, 1, 1, 2, 3, 4},     {Pairing4Teams, 2, 1, 2, 4, 2},
        {Pairing4Teams, 3, 1, 1, 4, 1},     {Pairing4Teams, 3, 2, 1, 1, 4},
    };
    for (const Case& c : cases) {
        const SlotPairing p = c.fn(c.round, c.leg, c.match);
        EXPECT_EQ(p.home, c.home) << c.round << "/" << c.leg << "/" << c.match;
        EXPECT_EQ(p.away, c.away) << c.round << "/" << c.leg << "/" << c.match;
    }
}

TEST(PairingTables, EveryPairMeetsOnceAndEveryPositionPlaysEachRound) {
    for (const TableShape& t : kShapes) {
        std::set<std::pair<int, int>> met;
        for (int round = 1; round <= t.rounds; ++round) {
            std::set<int> seen;
            for (int match = 1; match <= t.matches; ++match) {
                const SlotPairing p = t.fn(round, 1, match);
                ASSERT_TRUE(p.valid()) << t.name;
                EXPECT_TRUE(seen.insert(p.home).second) << t.name << " round " << round;
                EXPECT_TRUE(seen.insert(p.away).second) << t.name << " round " << round;
                EXPECT_TRUE(met.insert(std::minmax(p.home, p.away)).second)
                    << t.name << " " << p.home << "-" << p.away << " met twice";
                const SlotPairing back = t.fn(round, 2, match);
                EXPECT_EQ(back.home, p.away);
                EXPECT_EQ(back.away, p.home);
            }
            EXPECT_EQ(static_cast<int>(seen.size()), t.positions) << t.name;
        }
        EXPECT_EQ(static_cast<int>(met.size()), t.positions * (t.positions - 1) / 2) << t.name;
    }
}

TEST(PairingTables, HomeGamesOfTheFirstHalfAreBalanced) {
    for (const TableShape& t : kShapes) {
        if (t.positions == 4) continue;  // not a rotation table
        int home[21] = {};
        for (int round = 1; round <= t.rounds; ++round)
            for (int match = 1; match <= t.matches; ++match) ++home[t.fn(round, 1, match).home];
        const int half = t.rounds / 2;
        for (int pos = 1; pos <= t.positions; ++pos) {
            EXPECT_GE(home[pos], half) << t.name << " position " << pos;
            EXPECT_LE(home[pos], half + 1) << t.name << " position " << pos;
        }
    }
}

TEST(PairingTables, OutOfRangeQuestionsGiveNoSlot) {
    const int bad[][3] = {{0, 1, 1}, {20, 1, 1}, {1, 1, 0}, {1, 1, 11}, {-3, 2, 1}};
    for (const auto& b : bad) EXPECT_FALSE(Pairing20Teams(b[0], b[1], b[2]).valid());
    EXPECT_FALSE(Pairing4Teams(4, 1, 1).valid());
    EXPECT_FALSE(Pairing4Teams(1, 1, 3).valid());
    EXPECT_FALSE(Pairing6Teams(6, 1, 1).valid());
    EXPECT_FALSE(Pairing10Teams(1, 1, 6).valid());
}

}  // namespace
}  // namespace kv
