#include "platform/base/cp1252.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Cp1252, EveryByteFrom0x20To0xFFRoundTrips) {
    for (int b = 0x20; b <= 0xFF; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << "byte " << b;
    }
}

TEST(Cp1252, KnownCharacters) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"S\xE3o Paulo", "São Paulo"},
        {"\x80", "€"},
        {"\x93x\x94", "“x”"},
        {"Gr\xEAmio", "Grêmio"},
        {"\xC7", "Ç"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.bytes);
    }
}

TEST(Cp1252, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("日本"), "??");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");        // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xFF" "b"), "?b");     // invalid lead byte
    EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "?(x");      // bad continuation
}

TEST(Cp1252, Utf8LengthCountsCodePoints) {
    EXPECT_EQ(Utf8Length("São"), 3u);
    EXPECT_EQ(Utf8Length(""), 0u);
}

}  // namespace
}  // namespace kv
