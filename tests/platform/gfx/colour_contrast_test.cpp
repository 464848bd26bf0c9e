#include "platform/gfx/colour_contrast.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(ColourContrast, RatiosRunFromOneToTwentyOne) {
    EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x123456, 0x123456), 1.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x0000FF, 0x102030), ContrastRatio(0x102030, 0x0000FF));
    // Pure red on the match windows' dark green falls short; yellow reads on it.
    EXPECT_LT(ContrastRatio(0x0000FF, 0x204010), kReadableContrast);
    EXPECT_GT(ContrastRatio(0x00DFDF, 0x204010), kReadableContrast);
}

TEST(ColourContrast, ATextKeepsItsColourOnlyWhereItReads) {
    struct Case {
        std::uint32_t preferred;
        std::initializer_list<std::uint32_t> under;
        std::uint32_t shown;
    };
    const Case cases[] = {
        {0xFFFFFF, {0x800000}, 0xFFFFFF},            // white on navy: kept
        {0xFFFFFF, {0x0080FF}, 0x000000},            // white on orange: black instead
        {0x00FFFF, {0x00FFFF, 0xFFFFFF}, 0x000000},  // yellow on yellow and white
        {0x000000, {0x400000, 0x200000}, 0xFFFFFF},  // black on dark blues: white
        {0xFFFFFF, {0xFFFFFF, 0x0000A0}, 0x000000},  // white track, dark red fill: the better
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preferred);
        EXPECT_EQ(ReadableTextColour(c.preferred, c.under), c.shown);
    }
}

}  // namespace
}  // namespace kv
