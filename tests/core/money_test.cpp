#include "core/money.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Money, StoredAmountsRoundToWholeUnitsHalvesToEven) {
    struct Case {
        Money stored;
        std::int64_t units;
    };
    const Case cases[] = {
        {0, 0},
        {10000, 1},
        {14999, 1},
        {15000, 2},
        {25000, 2},
        {25001, 3},
        {-15000, -2},
        {-25000, -2},
        {-14999, -1},
        {5000, 0},
        {-5000, 0},
        {123456789, 12346},
        {INT64_MAX, INT64_MAX / 10000 + 1},
    };
    for (const Case& c : cases) EXPECT_EQ(MoneyToUnits(c.stored), c.units) << c.stored;
}

TEST(Money, UnitsScaleByTenThousand) {
    EXPECT_EQ(MoneyFromUnits(1500000), 15000000000);
    EXPECT_EQ(MoneyFromUnits(-3), -30000);
    EXPECT_DOUBLE_EQ(MoneyToDouble(12345), 1.2345);
    EXPECT_EQ(MoneyFromDouble(1.23455), 12346);  // nearest ten-thousandth
    EXPECT_EQ(MoneyFromDouble(-2.5), -25000);
}

}  // namespace
}  // namespace kv
