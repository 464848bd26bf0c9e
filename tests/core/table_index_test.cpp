#include "core/table_index.h"

#include <gtest/gtest.h>

#include <vector>

namespace kv {
namespace {

struct Line {
    int a;
    int b;
    int value;
};

struct LineKey {
    std::uint64_t operator()(const Line& l) const { return PairKey(l.a, l.b); }
};

using Index = TableIndex<Line, LineKey>;

TEST(TableIndex, FindsTheFirstOrLastLineOfAKeyAsTheTableChanges) {
    std::vector<Line> table = {{1, 2, 10}, {3, 4, 20}, {1, 2, 30}};
    Index first(Index::Keep::kFirst);
    Index last(Index::Keep::kLast);
    EXPECT_EQ(first.Find(table, PairKey(1, 2)), 0);
    EXPECT_EQ(last.Find(table, PairKey(1, 2)), 2);
    EXPECT_TRUE(first.has_duplicates());
    EXPECT_EQ(first.Find(table, PairKey(-1, 2)), -1);

    table.push_back({3, 4, 40});
    last.Appended(table);
    EXPECT_EQ(last.Find(table, PairKey(3, 4)), 3);
    table.push_back({5, 6, 50});  // appended behind the index's back
    EXPECT_EQ(first.Find(table, PairKey(5, 6)), 4);

    // Another table of the same size in the same place: a hit is checked against its line.
    table = {{9, 9, 0}, {1, 2, 0}, {3, 4, 0}, {7, 7, 0}, {8, 8, 0}};
    EXPECT_EQ(first.Find(table, PairKey(1, 2)), 1);
    EXPECT_FALSE(first.has_duplicates());
    table.clear();
    EXPECT_EQ(last.Find(table, PairKey(1, 2)), -1);
}

}  // namespace
}  // namespace kv
