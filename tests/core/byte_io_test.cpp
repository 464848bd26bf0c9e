#include "core/byte_io.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/record_io.h"

namespace kv {
namespace {

TEST(ByteIo, NumbersAreLittleEndian) {
    ByteWriter w;
    w.I32(0x01020304);
    w.I64(-2);
    w.F64(1.0);
    const std::string expected(
        "\x04\x03\x02\x01"
        "\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
        "\x00\x00\x00\x00\x00\x00\xF0\x3F",
        20);
    EXPECT_EQ(w.data(), expected);
    ByteReader r(w.data());
    EXPECT_EQ(r.I32(), 0x01020304);
    EXPECT_EQ(r.I64(), -2);
    EXPECT_EQ(r.F64(), 1.0);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_TRUE(r.ok());
}

TEST(ByteIo, ReadingPastTheEndGivesZerosAndFails) {
    const std::string bytes("\x07\x00", 2);
    ByteReader r(bytes);
    EXPECT_EQ(r.I32(), 7);  // the two missing bytes read as zero
    EXPECT_FALSE(r.ok());
    char buf[4] = {1, 1, 1, 1};
    r.Bytes(buf, 4);
    for (char c : buf) EXPECT_EQ(c, 0);
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(ByteIo, NameLengthAboveCapacityIsClampedBothWays) {
    PString<4> s;
    s.set_raw("abcd");
    s.length = 9;
    ByteWriter w;
    w.String(s);
    EXPECT_EQ(w.data(), std::string("\x04"
                                    "abcd"));
    std::string bytes = w.data();
    bytes[0] = static_cast<char>(200);
    ByteReader r(bytes);
    PString<4> back;
    r.String(back);
    EXPECT_EQ(back.length, 4);
    EXPECT_EQ(back.str(), "abcd");
}

TEST(ByteIo, CountsThatTheBytesCannotHoldAreRefused) {
    struct Case {
        std::int32_t count;
        std::size_t bytes_after;
        std::int32_t max;
        std::int32_t expected;
    };
    const Case cases[] = {
        {0, 0, INT32_MAX, 0},    {3, 36, INT32_MAX, 3}, {4, 36, INT32_MAX, -1},
        {-1, 36, INT32_MAX, -1}, {3, 36, 2, -1},        {INT32_MAX, 36, INT32_MAX, -1},
    };
    for (const Case& c : cases) {
        ByteWriter w;
        w.I32(c.count);
        w.Zeros(c.bytes_after);
        ByteReader r(w.data());
        EXPECT_EQ(r.Count(12, c.max), c.expected) << c.count;
        EXPECT_EQ(r.ok(), c.expected >= 0) << c.count;
    }
}

TEST(ByteIo, TableRoundTripAndDamagedTableLeavesTheOldOne) {
    std::vector<t_competition> table = {{0, -1, -1}, {1, 29, 1}, {2, 29, -1}};
    ByteWriter w;
    WriteTable(w, table);
    EXPECT_EQ(w.size(), 4u + 3 * 12);

    std::vector<t_competition> back;
    ByteReader r(w.data());
    ASSERT_TRUE(ReadTable(r, back));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[1].area, 29);

    for (std::size_t cut : {std::size_t{2}, std::size_t{4 + 12 * 2 + 5}}) {
        std::vector<t_competition> kept = {{5, 5, 5}};
        ByteReader damaged(std::string_view(w.data()).substr(0, cut));
        EXPECT_FALSE(ReadTable(damaged, kept));
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(kept[0].kind, 5);
    }

    std::string huge = w.data();
    huge[3] = 0x7F;  // a count of two thousand million records
    ByteReader hostile(huge);
    EXPECT_FALSE(ReadTable(hostile, back));
}

}  // namespace
}  // namespace kv
