#include "core/pstring.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(PString, StoresUtf8As1252AndTruncatesToCapacityInCharacters) {
    PString<5> s;
    s.set("Grêmio FBPA");
    EXPECT_EQ(s.length, 5);
    EXPECT_EQ(s.str(), "Grêmi");
    EXPECT_EQ(s.raw(), std::string_view("Gr\xEAmi", 5));
}

TEST(PString, SettingShorterTextZeroesTheTail) {
    PString<8> s;
    s.set("Flamengo");
    s.set("Vasco");
    EXPECT_EQ(s.str(), "Vasco");
    for (size_t i = 5; i < 8; ++i) EXPECT_EQ(s.bytes[i], 0);
}

TEST(PString, LengthByteAboveCapacityReadsAsCapacity) {
    PString<4> s;
    s.set_raw("abcd");
    s.length = 200;  // as a damaged file could leave it
    EXPECT_EQ(s.raw().size(), 4u);
    EXPECT_EQ(s.str(), "abcd");
}

}  // namespace
}  // namespace kv
