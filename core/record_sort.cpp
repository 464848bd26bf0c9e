#include "core/record_sort.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace kv {

namespace {

class RecordArray {
  public:
    RecordArray(void* base, std::size_t size, RecordCompare compare, RecordSortStats* stats)
        : base_(static_cast<unsigned char*>(base)), size_(size), compare_(compare), stats_(stats) {
        // Small records keep the scratch copy on the stack; larger ones get one buffer per call.
        if (size_ > sizeof(inline_scratch_)) {
            heap_scratch_ = std::make_unique<unsigned char[]>(size_);
            scratch_ = heap_scratch_.get();
        } else {
            scratch_ = inline_scratch_;
        }
    }

    unsigned char* at(int i) const { return base_ + static_cast<std::size_t>(i) * size_; }
    const unsigned char* scratch() const { return scratch_; }

    std::int32_t compare(const void* a, const void* b) {
        if (stats_) ++stats_->comparisons;
        return compare_(a, b);
    }

    void exchange(int i, int j) {
        if (i == j) return;
        std::swap_ranges(at(i), at(i) + size_, at(j));
    }
    void to_scratch(int i) { std::memcpy(scratch_, at(i), size_); }
    void from_scratch(int i) { std::memcpy(at(i), scratch_, size_); }
    void move(int from, int to) { std::memcpy(at(to), at(from), size_); }

  private:
    unsigned char* base_;
    std::size_t size_;
    RecordCompare compare_;
    RecordSortStats* stats_;
    alignas(std::max_align_t) unsigned char inline_scratch_[256];
    std::unique_ptr<unsigned char[]> heap_scratch_;
    unsigned char* scratch_;
};

void InsertionSort(RecordArray& a, int lo, int hi) {
    for (int k = lo + 1; k <= hi; ++k) {
        a.to_scratch(k);
        int p = k;
        while (p > lo && a.compare(a.at(p - 1), a.scratch()) > 0) {
            a.move(p - 1, p);
            --p;
        }
        a.from_scratch(p);
    }
}

// Hoare partition around the middle record, which the median of three has just put between
// the first and the last. Returns c: [lo, c] compare not after the pivot, [c + 1, hi] not
// before it. The bounds checks only matter for a comparison that contradicts itself; they keep
// such a caller from walking off the range.
int Partition(RecordArray& a, int lo, int hi) {
    a.to_scratch(lo + (hi - lo) / 2);
    int i = lo - 1;
    int j = hi + 1;
    for (;;) {
        do ++i;
        while (i < hi && a.compare(a.at(i), a.scratch()) < 0);
        do --j;
        while (j > lo && a.compare(a.scratch(), a.at(j)) < 0);
        if (i >= j) return j < hi ? j : hi - 1;
        a.exchange(i, j);
    }
}

}  // namespace

void QuickSortRecords(void* base, std::size_t record_size, int low, int high, RecordCompare compare,
                      RecordSortStats* stats) {
    if (base == nullptr || record_size == 0 || low >= high) return;
    RecordArray a(base, record_size, compare, stats);

    struct Range {
        int lo, hi;
    };
    Range stack[kRecordSortStackRanges];
    int depth = 0;

    int lo = low;
    int hi = high;
    for (;;) {
        while (lo < hi) {
            if (hi - lo <= 7) {
                InsertionSort(a, lo, hi);
                break;
            }
            const int mid = lo + (hi - lo) / 2;
            if (a.compare(a.at(lo), a.at(mid)) > 0) a.exchange(lo, mid);
            if (a.compare(a.at(mid), a.at(hi)) > 0) a.exchange(mid, hi);
            if (a.compare(a.at(lo), a.at(mid)) > 0) a.exchange(lo, mid);

            const int c = Partition(a, lo, hi);
            // Go on with the smaller part and stack the larger, so the stack stays within
            // log2 of the record count.
            if (c - lo > hi - c) {
                stack[depth++] = {lo, c};
                lo = c + 1;
            } else {
                stack[depth++] = {c + 1, hi};
                hi = c;
            }
            if (stats) stats->max_stack_depth = std::max(stats->max_stack_depth, depth);
        }
        if (depth == 0) return;
        --depth;
        lo = stack[depth].lo;
        hi = stack[depth].hi;
    }
}

}  // namespace kv
