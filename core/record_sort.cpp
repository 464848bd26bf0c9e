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

}  // namespace

void QuickSortRecords(void* base, std::size_t record_size, int low, int high, RecordCompare compare,
                      RecordSortStats* stats) {
    if (base == nullptr || record_size == 0 || low >= high) return;
    RecordArray a(base, record_size, compare, stats);
    record_sort_detail::Sort(a, low, high, stats);
}

}  // namespace kv
