#include "core/record_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

namespace kv {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the in-place check below compares with the memory image");

std::string Pattern(std::size_t n, std::uint32_t seed) {
    std::string out(n, '\0');
    for (auto& b : out) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<char>(seed >> 24);
    }
    return out;
}

// Brings every name length of a record within its capacity, as a reader leaves it.
struct ClampNames {
    template <std::size_t N>
    void operator()(PString<N>& s) {
        s.length %= N + 1;
    }
    template <class T>
    void operator()(T&) {}
};

// A record holding the given bytes, its name lengths made valid.
template <class T>
T RecordFromBytes(std::string& image) {
    T r;
    std::memcpy(&r, image.data(), sizeof(T));
    ClampNames clamp;
    FieldVisitor<ClampNames> v{clamp};
    RecordFields(r, v);
    std::memcpy(image.data(), &r, sizeof(T));
    return r;
}

template <class T>
class RecordBytes : public ::testing::Test {};

using AllRecords = ::testing::Types<
    t_alltime_tally, t_team, t_player, t_coach, t_finance, t_national_team_entry, t_game_state,
    t_competition, t_fixture, t_league_config, t_top_clubs, t_state_league, t_calendar_day,
    t_friendly, t_result_entry, t_head_to_head, t_honour, t_placing_record, t_top_scorer,
    t_coach_season, t_player_season, t_competition_tally, t_club_result, t_regional_candidate,
    t_match_strength, t_match_event, t_match_substitution, jogos, t_rating_total,
    t_bracket_tie, t_player_rating, t_substitute_rating, t_round_best_eleven, t_season_best_eleven,
    t_scheduled_goal, arbitro_, t_news_item, t_transfer, t_loan, t_stadium_work, t_default_lineup,
    t_saved_tactic, t_callup, t_coach_appointment, t_state_dismissal, t_coach_dismissal>;
// Every record but the archived match, whose file gaps are not kept in memory (below).
TYPED_TEST_SUITE(RecordBytes, AllRecords);

// Any byte image, reserved bytes and name tails included, goes out exactly as it
// came in and reads back to the same record: the field lists cover every byte, in
// layout order.
TYPED_TEST(RecordBytes, RoundTripKeepsEveryByteInPlace) {
    for (std::uint32_t seed : {1u, 77u, 4242u}) {
        auto image = Pattern(sizeof(TypeParam), seed);
        const TypeParam r = RecordFromBytes<TypeParam>(image);

        ByteWriter w;
        WriteRecord(w, r);
        ASSERT_EQ(w.data(), image);

        TypeParam back{};
        ByteReader rd(w.data());
        ASSERT_TRUE(ReadRecord(rd, back));
        EXPECT_TRUE(rd.AtEnd());
        EXPECT_EQ(std::memcmp(&back, &r, sizeof(TypeParam)), 0);
    }
}

// Every record lies in memory as in the file, so tables go out as one block; a block holds the
// bytes the field-by-field writer gives, names longer than their capacity written cut.
TYPED_TEST(RecordBytes, ATableWrittenAsOneBlockMatchesFieldByField) {
    EXPECT_TRUE(IsFlatRecord<TypeParam>());
    EXPECT_EQ(FileRecordSize<TypeParam>(), sizeof(TypeParam));
    std::vector<TypeParam> table(3);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto image = Pattern(sizeof(TypeParam), 11u + static_cast<std::uint32_t>(i));
        std::memcpy(&table[i], image.data(), sizeof(TypeParam));  // name lengths left wild
    }
    ByteWriter block;
    WriteTable(block, table);
    ByteWriter fields;
    fields.I32(3);
    for (const TypeParam& r : table) WriteRecord(fields, r);
    EXPECT_EQ(block.data(), fields.data());
}

TYPED_TEST(RecordBytes, ShortInputFailsWithoutReadingPastTheEnd) {
    const auto image = Pattern(sizeof(TypeParam) - 1, 9);
    TypeParam r{};
    ByteReader rd(image);
    EXPECT_FALSE(ReadRecord(rd, r));
    EXPECT_FALSE(rd.ok());
}

TYPED_TEST(RecordBytes, NewRecordIsAllZeroBytes) {
    TypeParam r;
    const std::string zeros(sizeof(TypeParam), '\0');
    ByteWriter w;
    WriteRecord(w, r);
    EXPECT_EQ(w.data(), zeros);
}

// The archived match keeps its fields in memory without the file's two unused gaps (176 bytes
// after the line-ups, 88 after the positions): every field reads from and writes to its file
// offset, a gap goes out as zeros whatever the file held, and a record short of its 600 bytes
// fails, from a whole image and from one read in pieces alike.
TEST(ArchivedMatchBytes, FieldsKeepTheirFileOffsetsAndTheGapsGoOutAsZeros) {
    EXPECT_EQ(FileRecordSize<t_archived_match>(), 600u);
    EXPECT_FALSE(IsFlatRecord<t_archived_match>());
    const std::string image = Pattern(600, 5);
    auto i32_at = [&](std::size_t at) {
        std::int32_t v;
        std::memcpy(&v, image.data() + at, 4);
        return v;
    };
    std::string expected = image;
    std::fill(expected.begin() + 172, expected.begin() + 348, '\0');
    std::fill(expected.begin() + 436, expected.begin() + 524, '\0');

    auto check = [&](const t_archived_match& r, const char* how) {
        SCOPED_TRACE(how);
        EXPECT_EQ(r.team[1], i32_at(4));
        EXPECT_EQ(r.lineup[1][10], i32_at(168));
        EXPECT_EQ(r.positions[0][0], i32_at(348));
        EXPECT_EQ(r.positions[1][10], i32_at(432));
        EXPECT_EQ(r.stats[0][0], i32_at(524));
        EXPECT_EQ(r.marking[1], i32_at(592));
        ByteWriter w;
        WriteRecord(w, r);
        EXPECT_EQ(w.data(), expected);
    };
    t_archived_match whole{};
    ByteReader rd(image);
    ASSERT_TRUE(ReadRecord(rd, whole));
    EXPECT_TRUE(rd.AtEnd());
    check(whole, "whole image");

    std::size_t given = 0;
    StreamByteReader stream(image.size(), [&](char* into, std::size_t n) {
        n = std::min(n, image.size() - given);  // through a buffer of 16 bytes
        std::memcpy(into, image.data() + given, n);
        given += n;
        return n;
    }, 16);
    t_archived_match pieces{};
    FieldVisitor<StreamByteReader> v{stream};
    RecordFields(pieces, v);
    ASSERT_TRUE(stream.ok());
    check(pieces, "read in pieces");

    // A table of them is written field by field, with its count first.
    std::vector<t_archived_match> table{whole, whole};
    ByteWriter w;
    WriteTable(w, table);
    ASSERT_EQ(w.data().size(), 4u + 2 * 600);
    EXPECT_EQ(w.data().substr(4 + 600), expected);
    std::vector<t_archived_match> back;
    ByteReader table_rd(w.data());
    ASSERT_TRUE(ReadTable(table_rd, back));
    ASSERT_EQ(back.size(), 2u);
    check(back[1], "table read back");

    t_archived_match cut{};
    ByteReader short_rd(std::string_view(image).substr(0, 599));
    EXPECT_FALSE(ReadRecord(short_rd, cut));

    ByteWriter zeros;
    WriteRecord(zeros, t_archived_match{});
    EXPECT_EQ(zeros.data(), std::string(600, '\0'));
}

}  // namespace
}  // namespace kv
