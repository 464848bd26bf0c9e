#include "core/table_index.h"

#include <gtest/gtest.h>

#include <unordered_map>
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

TEST(TableIndex, AHintIsTakenOnlyWhenItsLineIsTheOneLineOfTheKey) {
    std::vector<Line> table = {{1, 2, 10}, {3, 4, 20}, {5, 6, 30}};
    Index first(Index::Keep::kFirst);
    Index last(Index::Keep::kLast);
    EXPECT_EQ(first.Find(table, PairKey(3, 4), 1), 1);
    // A hint at another key's line, past the end or none is no answer.
    for (const int hint : {0, 2, 3, -1}) EXPECT_EQ(first.Find(table, PairKey(3, 4), hint), 1);
    EXPECT_EQ(first.Find(table, PairKey(7, 8), 0), -1);

    // While a key stands twice, the first or the last line answers whatever the hint says.
    table.push_back({3, 4, 40});
    EXPECT_EQ(first.Find(table, PairKey(3, 4), 3), 1);
    EXPECT_EQ(last.Find(table, PairKey(3, 4), 1), 3);
}

TEST(TableIndex, ARunningGameReplacedWholeIsNeverTakenForTheOldOne) {
    // Another game's table can lie where the old one did with as many lines: a key the index
    // never held must still be found, not answered as missing.
    std::vector<Line> table = {{1, 2, 10}, {3, 4, 20}};
    Index first(Index::Keep::kFirst);
    Index last(Index::Keep::kLast);
    EXPECT_EQ(first.Find(table, PairKey(1, 2)), 0);
    EXPECT_EQ(last.Find(table, PairKey(3, 4), 1), 1);
    const Line* where = table.data();
    table[0] = {5, 6, 0};
    table[1] = {7, 8, 0};
    ASSERT_EQ(table.data(), where);
    ForgetTableIndexes();
    EXPECT_EQ(first.Find(table, PairKey(7, 8)), 1);
    EXPECT_EQ(last.Find(table, PairKey(5, 6), -1), 0);
    table.push_back({5, 6, 1});
    last.Appended(table);
    EXPECT_EQ(last.Find(table, PairKey(5, 6)), 2);
}

TEST(TableIndex, AgreesWithASearchOfTheWholeTableOverManyKeys) {
    // Enough keys that some share the part of their hash a slot keeps: every answer must still
    // be the line a search of the table finds, and a line rewritten in place is not taken.
    std::vector<Line> table;
    for (int i = 0; i < 150000; ++i) table.push_back({i % 60000 * 7, i / 60000, i});
    Index first(Index::Keep::kFirst);
    Index last(Index::Keep::kLast);
    auto expect_as_search = [&](const char* when) {
        std::unordered_map<std::uint64_t, int> first_of, last_of;
        for (int i = 0; i < static_cast<int>(table.size()); ++i) {
            const std::uint64_t key = LineKey{}(table[static_cast<std::size_t>(i)]);
            first_of.emplace(key, i);
            last_of[key] = i;
        }
        int wrong = 0;
        for (const auto& [key, at] : first_of) {
            wrong += first.Find(table, key) != at;
            wrong += last.Find(table, key) != last_of[key];
        }
        for (int a = 1; a < 420000; a += 7) wrong += first.Find(table, PairKey(a, 0)) != -1;
        EXPECT_EQ(wrong, 0) << when;
    };
    expect_as_search("built");
    for (int i = 0; i < 30000; ++i) {
        table.push_back({i * 7, 0, -1});  // each key once more
        first.Appended(table);
        last.Appended(table);
    }
    expect_as_search("appended");
    EXPECT_TRUE(first.has_duplicates());

    const Line* where = table.data();
    const std::size_t lines = table.size();
    table[3] = {1, 99, 0};  // rewritten behind the indexes' backs, in place
    ASSERT_EQ(table.data(), where);
    ASSERT_EQ(table.size(), lines);
    EXPECT_EQ(first.Find(table, PairKey(21, 0)), 150003);
    EXPECT_EQ(last.Find(table, PairKey(21, 0)), 150003);
}

}  // namespace
}  // namespace kv
