#include "platform/base/fresh_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace kv {
namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
// Below this a range holds too few pages for the system calls to pay.
constexpr std::size_t kWorthPreparing = std::size_t{256} << 10;

// Older kernel headers lack it; a kernel without it refuses the advice, which is harmless.
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

// Only whole huge pages inside the range: the advice must not reach memory of others.
void AdviseWholeHugePages(std::uintptr_t begin, std::uintptr_t end) {
    const std::uintptr_t huge_begin = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t huge_end = end & ~(kHugePage - 1);
    if (huge_begin < huge_end)
        ::madvise(reinterpret_cast<void*>(huge_begin), huge_end - huge_begin, MADV_HUGEPAGE);
}

}  // namespace

void AdviseHugePages(void* p, std::size_t n) {
    if (!p || n < kHugePage) return;
    const auto begin = reinterpret_cast<std::uintptr_t>(p);
    AdviseWholeHugePages(begin, begin + n);
}

void PrepareForFilling(void* p, std::size_t n) {
    if (!p || n < kWorthPreparing) return;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t end = begin + n;
    AdviseWholeHugePages(begin, end);
    // Mapping the pages in one call instead of one fault each leaves the contents as they are.
    // Pages the range only shares a part of are left to fault as usual.
    const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t last = end & ~(page - 1);
    if (first < last)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
}

void PrepareForGrowth(void* p, std::size_t n) {
    if (!p) return;
    AdviseHugePages(p, n);
    const auto begin = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t first_huge = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const auto head = static_cast<std::size_t>(first_huge - begin);
    PrepareForFilling(p, head < n ? head : n);
}

}  // namespace kv
