#include "core/money_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kv {
namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

struct TextCase {
    std::int32_t value;
    const char* text;
};

// Both ends of every range, and a few values inside.
TEST(MoneyText, InWordsDropsTheUnitsAndRoundThousands) {
    const TextCase cases[] = {
        {0, "0 mil"},
        {1, "1"},
        {999, "999"},
        {1000, "1 mil"},
        {1999, "1 mil"},
        {9999, "9 mil"},
        {10000, "10 mil"},
        {99999, "99 mil"},
        {100000, "100 mil"},
        {999999, "999 mil"},
        {1000000, "1 milhão "},
        {1000999, "1 milhão "},
        {1001000, "1 milhão 001 mil"},
        {1234567, "1 milhão 234 mil"},
        {1999999, "1 milhão 999 mil"},
        {2000000, "2 milhões "},
        {9999999, "9 milhões 999 mil"},
        {10000000, "10 milhões "},
        {99999999, "99 milhões 999 mil"},
        {100000000, "100 milhões "},
        {999999999, "999 milhões 999 mil"},
        {1000000000, "1 bilhão 000 milhões "},
        {1999999999, "1 bilhão 999 milhões 999 mil"},
        {2000000000, "2 bilhões 000 milhões "},
        {kMax32, "2 bilhões 147 milhões 483 mil"},
        {-1, "-1"},
        {-999, "-999"},
        {-1000, "-1 mil"},
        {-1500, "-1 mil"},
        {-9999, "-9 mil"},
        {-10000, "-10 mil"},
        {-99999, "-99 mil"},
        {-100000, "-100 mil"},
        {-999999, "-999 mil"},
        {-1000000, "-1 milhão "},
        {-1999999, "-1 milhão 999 mil"},
        {-2000000, "-2 milhões "},
        {-9999999, "-9 milhões 999 mil"},
        {-10000000, "-10 milhões "},
        {-99999999, "-99 milhões 999 mil"},
        {-100000000, "-100000000"},
        {-150000000, "-150000000"},
        {kMin32, "-2147483648"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(FormatMoneyInWords(c.value), c.text) << c.value;
}

TEST(MoneyText, ShortGivesThousandsWithK) {
    const TextCase cases[] = {
        {0, "0"},
        {9999, "9999"},
        {10000, "10 k"},
        {12999, "12 k"},
        {99999, "99 k"},
        {100000, "100 k"},
        {999999, "999 k"},
        {1000000, "1 000 k"},
        {9999999, "9 999 k"},
        {10000000, "10 000 k"},
        {99999999, "99 999 k"},
        {100000000, "100 000 k"},
        {999999999, "999 999 k"},
        {1000000000, "1000000000"},
        {kMax32, "2147483647"},
        {-50000, "-50000"},
        {kMin32, "-2147483648"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(FormatMoneyShort(c.value), c.text) << c.value;
}

TEST(MoneyText, ThousandsGroupsDigitsWithinItsRange) {
    const TextCase cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1 000"},
        {9999, "9 999"},
        {10000, "10 000"},
        {99999, "99 999"},
        {100000, "100 000"},
        {999999, "999 999"},
        {1000000, "1 000 000"},
        {9999999, "9 999 999"},
        {10000000, "10 000 000"},
        {99999999, "99 999 999"},
        {100000000, "100000000"},
        {kMax32, "2147483647"},
        {-1, "-1"},
        {-999, "-999"},
        {-1000, "-1 000"},
        {-9999, "-9 999"},
        {-10000, "-10 000"},
        {-99999, "-99 999"},
        {-100000, "-100 000"},
        {-999999, "-999 999"},
        {-1000000, "-1 000 000"},
        {-9999999, "-9 999 999"},
        {-10000000, "-10000000"},
        {kMin32, "-2147483648"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(FormatThousands(c.value), c.text) << c.value;
}

TEST(MoneyText, DigitGroupsKeepABlankForEveryGroupBoundary) {
    const TextCase cases[] = {
        {0, "   0"},
        {5, "   5"},
        {999, "   999"},
        {1000, "  1 000"},
        {1234, "  1 234"},
        {999999, "  999 999"},
        {1234567, " 1 234 567"},
        {1234567890, "1 234 567 890"},
        {kMax32, "2 147 483 647"},
        {-5, "-   5"},
        {-1234, "-  1 234"},
        {kMin32, "-2 147 483 648"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(FormatDigitGroups(c.value), c.text) << c.value;
}

TEST(MoneyText, TickMinuteRoundsHalvesToEven) {
    const struct {
        int tick, minute;
    } cases[] = {{1, 1},  {2, 1},  {3, 2},  {5, 2},    {7, 4},    {9, 4},   {92, 46},
                 {93, 1}, {94, 1}, {95, 2}, {182, 45}, {183, 46}, {190, 49}};
    for (const auto& c : cases) EXPECT_EQ(TickToMinute(c.tick), c.minute) << c.tick;
}

TEST(MoneyText, StoredAmountsBecomeWholeUnitsWithoutWrapping) {
    const struct {
        std::int64_t stored;
        std::int32_t units;
    } cases[] = {
        {0, 0},
        {4999, 0},
        {5000, 0},
        {15000, 2},
        {25000, 2},
        {35000, 4},
        {-15000, -2},
        {-25000, -2},
        {12345678, 1235},
        {21474836470000, kMax32},
        {21474836480000, kMax32},
        {-21474836480000, kMin32},
        {-21474836490000, kMin32},
        {std::numeric_limits<std::int64_t>::max(), kMax32},
        {std::numeric_limits<std::int64_t>::min(), kMin32},
    };
    for (const auto& c : cases) EXPECT_EQ(MoneyToWholeUnits(c.stored), c.units) << c.stored;
}

}  // namespace
}  // namespace kv
