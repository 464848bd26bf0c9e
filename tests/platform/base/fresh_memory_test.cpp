#include "platform/base/fresh_memory.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kv {
namespace {

// The advice must leave what is already written as it was, inside and around the range, and the
// memory writable: ranges that start and end off a page, shorter than a huge page, and empty.
TEST(FreshMemory, AdviceKeepsContentsInsideAndAroundTheRange) {
    constexpr std::size_t kSize = std::size_t{9} << 20;
    struct Range {
        std::size_t offset;
        std::size_t length;
    };
    const Range ranges[] = {{0, kSize}, {12345, kSize - 2 * 12345}, {100, 4096}, {77, 0}};
    for (const Range& r : ranges) {
        for (void (*advise)(void*, std::size_t) :
             {&AdviseHugePages, &PrepareForFilling, &PrepareForGrowth}) {
            std::vector<std::uint8_t> buffer(kSize);
            for (std::size_t i = 0; i < kSize; i += 997) buffer[i] = static_cast<std::uint8_t>(i / 997 + 1);
            advise(buffer.data() + r.offset, r.length);
            bool kept = true;
            for (std::size_t i = 0; i < kSize; i += 997)
                kept = kept && buffer[i] == static_cast<std::uint8_t>(i / 997 + 1);
            EXPECT_TRUE(kept) << "offset " << r.offset << " length " << r.length;
            buffer[r.offset] = 0xAB;
            buffer[kSize - 1] = 0xCD;
            EXPECT_EQ(buffer[r.offset], 0xAB);
            EXPECT_EQ(buffer[kSize - 1], 0xCD);
        }
    }
    AdviseHugePages(nullptr, kSize);
    PrepareForGrowth(nullptr, kSize);
}

}  // namespace
}  // namespace kv
