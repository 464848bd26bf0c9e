#include "core/record_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

namespace kv {
namespace {

// Records of any size: an int32 key, an int32 id, then filler bytes derived from the id, so a
// record moved only in part shows up as a torn record.
class Records {
  public:
    Records(std::size_t record_size, const std::vector<std::int32_t>& keys)
        : size_(record_size), bytes_(record_size * keys.size()) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            unsigned char* r = at(i);
            const auto id = static_cast<std::int32_t>(i);
            std::memcpy(r, &keys[i], 4);
            std::memcpy(r + 4, &id, 4);
            for (std::size_t b = 8; b < size_; ++b) r[b] = static_cast<unsigned char>(id * 7 + b);
        }
    }
    int count() const { return static_cast<int>(bytes_.size() / size_); }
    void* data() { return bytes_.data(); }
    std::size_t size() const { return size_; }
    unsigned char* at(std::size_t i) { return bytes_.data() + i * size_; }

    static std::int32_t Key(const void* r) { return Field(r, 0); }
    static std::int32_t Id(const void* r) { return Field(r, 4); }

    std::vector<std::int32_t> keys() { return Column(0); }
    std::vector<std::int32_t> ids() { return Column(4); }

    bool IntactAndComplete() {
        std::vector<bool> seen(static_cast<std::size_t>(count()));
        for (int i = 0; i < count(); ++i) {
            const unsigned char* r = at(static_cast<std::size_t>(i));
            const std::int32_t id = Id(r);
            if (id < 0 || id >= count() || seen[static_cast<std::size_t>(id)]) return false;
            seen[static_cast<std::size_t>(id)] = true;
            for (std::size_t b = 8; b < size_; ++b)
                if (r[b] != static_cast<unsigned char>(id * 7 + b)) return false;
        }
        return true;
    }

  private:
    static std::int32_t Field(const void* r, std::size_t offset) {
        std::int32_t v;
        std::memcpy(&v, static_cast<const unsigned char*>(r) + offset, 4);
        return v;
    }
    std::vector<std::int32_t> Column(std::size_t offset) {
        std::vector<std::int32_t> out;
        for (int i = 0; i < count(); ++i)
            out.push_back(Field(at(static_cast<std::size_t>(i)), offset));
        return out;
    }

    std::size_t size_;
    std::vector<unsigned char> bytes_;
};

std::int32_t ByKey(const void* a, const void* b) {
    const std::int32_t ka = Records::Key(a), kb = Records::Key(b);
    return ka < kb ? -1 : (ka > kb ? 1 : 0);
}

RecordSortStats Sort(Records& r) {
    RecordSortStats stats;
    QuickSortRecords(r.data(), r.size(), 0, r.count() - 1, ByKey, &stats);
    return stats;
}

int Log2Floor(int n) {
    return n > 1 ? static_cast<int>(std::floor(std::log2(n))) : 0;
}

TEST(RecordSort, MatchesStdSortOnRandomKeysForEveryRecordSize) {
    std::mt19937 rng(20140612);
    for (std::size_t record_size : {8u, 12u, 13u, 30u, 300u}) {
        for (int count : {0, 1, 2, 8, 9, 10, 17, 100, 1000, 5000}) {
            for (int key_range : {3, 1000000}) {  // many ties, and nearly none
                std::vector<std::int32_t> keys(static_cast<std::size_t>(count));
                for (auto& k : keys)
                    k = static_cast<std::int32_t>(rng() % key_range) - key_range / 2;
                Records r(record_size, keys);
                const RecordSortStats stats = Sort(r);
                std::sort(keys.begin(), keys.end());
                EXPECT_EQ(r.keys(), keys) << record_size << " " << count << " " << key_range;
                EXPECT_TRUE(r.IntactAndComplete()) << record_size << " " << count;
                EXPECT_LE(stats.max_stack_depth, Log2Floor(count));
            }
        }
    }
}

TEST(RecordSort, OrderedReversedAndEqualInputsStayShallow) {
    for (int count : {9, 64, 1000, 65536}) {
        std::vector<std::int32_t> ascending(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) ascending[static_cast<std::size_t>(i)] = i;
        std::vector<std::int32_t> descending(ascending.rbegin(), ascending.rend());
        std::vector<std::int32_t> equal(static_cast<std::size_t>(count), 7);
        std::vector<std::int32_t> organ_pipe = ascending;
        std::reverse(organ_pipe.begin() + count / 2, organ_pipe.end());
        for (const auto* input : {&ascending, &descending, &equal, &organ_pipe}) {
            Records r(12, *input);
            const RecordSortStats stats = Sort(r);
            std::vector<std::int32_t> expected = *input;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(r.keys(), expected) << count;
            EXPECT_TRUE(r.IntactAndComplete());
            EXPECT_LE(stats.max_stack_depth, Log2Floor(count)) << count;
            EXPECT_LE(stats.max_stack_depth, kRecordSortStackRanges);
        }
    }
}

TEST(RecordSort, ShortRangesKeepEqualRecordsInTheirOrder) {
    Records r(8, {2, 1, 2, 1, 2, 1, 2, 1});
    Sort(r);
    EXPECT_EQ(r.keys(), (std::vector<std::int32_t>{1, 1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(r.ids(), (std::vector<std::int32_t>{1, 3, 5, 7, 0, 2, 4, 6}));

    Records same(8, std::vector<std::int32_t>(8, 0));
    Sort(same);
    EXPECT_EQ(same.ids(), (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(RecordSort, EmptyOrSingleRangesCompareNothing) {
    Records r(8, {3, 2, 1});
    for (const auto& [low, high] : {std::pair{0, 0}, {2, 2}, {2, 1}, {0, -1}}) {
        RecordSortStats stats;
        QuickSortRecords(r.data(), r.size(), low, high, ByKey, &stats);
        EXPECT_EQ(stats.comparisons, 0);
    }
    EXPECT_EQ(r.ids(), (std::vector<std::int32_t>{0, 1, 2}));
}

TEST(RecordSort, SortsOnlyTheGivenRange) {
    std::vector<std::int32_t> keys = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -2, -3};
    Records r(16, keys);
    QuickSortRecords(r.data(), r.size(), 2, 11, ByKey);
    EXPECT_EQ(r.keys(), (std::vector<std::int32_t>{9, 8, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, -3}));
    EXPECT_TRUE(r.IntactAndComplete());
}

// A comparison that contradicts itself must not send the sort past the range's ends, nor make it
// loop forever; the records are only permuted.
TEST(RecordSort, ASelfContradictingComparisonOnlyPermutes) {
    std::mt19937 rng(7);
    for (int count : {9, 50, 2000}) {
        std::vector<std::int32_t> keys(static_cast<std::size_t>(count), 0);
        Records r(12, keys);
        auto coin = [&rng](const void*, const void*) { return static_cast<int>(rng() % 3) - 1; };
        RecordSortStats stats;
        QuickSortRecords(r.data(), r.size(), 0, r.count() - 1, coin, &stats);
        EXPECT_TRUE(r.IntactAndComplete());
        EXPECT_LE(stats.max_stack_depth, kRecordSortStackRanges);
    }
}

TEST(RecordSort, AnErrorInTheComparisonLeavesEveryRecordWhole) {
    std::vector<std::int32_t> keys(300);
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = static_cast<std::int32_t>(keys.size() - i);
    for (std::size_t record_size : {8u, 400u}) {
        Records r(record_size, keys);
        int calls = 0;
        auto failing = [&calls](const void* a, const void* b) {
            if (++calls == 500) throw std::runtime_error("comparison failed");
            return ByKey(a, b);
        };
        EXPECT_THROW(QuickSortRecords(r.data(), r.size(), 0, r.count() - 1, failing),
                     std::runtime_error);
        EXPECT_TRUE(r.IntactAndComplete());
    }
}

TEST(RecordSort, VectorsOfRecordsSortByTheirFields) {
    struct Standing {
        std::int32_t team, points, random_key;
    };
    std::vector<Standing> table = {{0, 3, 5}, {1, 9, 1}, {2, 3, 2}, {3, 6, 0}, {4, 9, 4},
                                   {5, 0, 3}, {6, 3, 9}, {7, 6, 8}, {8, 1, 7}, {9, 9, 6}};
    QuickSortRecords(table, [](const Standing& a, const Standing& b) {
        if (a.points != b.points) return b.points - a.points;
        return a.random_key - b.random_key;
    });
    std::vector<std::int32_t> order;
    for (const Standing& s : table) order.push_back(s.team);
    EXPECT_EQ(order, (std::vector<std::int32_t>{1, 4, 9, 3, 7, 2, 0, 6, 8, 5}));
}

// Ties are left in whatever order the sort's steps leave them, and saved games depend on that
// order: a vector of records sorts exactly as the same bytes sorted by record size, equal keys
// included, at every size around the insertion-sort threshold and well beyond it.
TEST(RecordSort, VectorsLeaveTiesInTheOrderOfTheByteSort) {
    struct Line {
        std::int32_t key, id, filler;
    };
    std::mt19937 rng(11);
    for (int count : {0, 1, 2, 8, 9, 10, 17, 64, 1000}) {
        for (std::int32_t spread : {1, 3, 50}) {
            std::vector<std::int32_t> keys(static_cast<std::size_t>(count));
            for (std::int32_t& k : keys) k = static_cast<std::int32_t>(rng() % static_cast<unsigned>(spread));
            Records bytes(sizeof(Line), keys);
            std::vector<Line> lines(keys.size());
            std::memcpy(lines.data(), bytes.data(), lines.size() * sizeof(Line));
            Sort(bytes);
            QuickSortRecords(lines, [](const Line& a, const Line& b) { return ByKey(&a, &b); });
            std::vector<std::int32_t> ids;
            for (const Line& l : lines) ids.push_back(l.id);
            EXPECT_EQ(ids, bytes.ids()) << count << " records, keys 0.." << spread - 1;
        }
    }
}

}  // namespace
}  // namespace kv
