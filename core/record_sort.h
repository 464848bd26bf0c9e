#pragma once
// The one sort of the game. Every ranking, table, draw and list is an array of small flat
// records (an index plus the keys it is ordered by) sorted in place by the caller's comparison.
//
// The comparison gives > 0 when a must come after b, < 0 when before, 0 when either order will
// do; one of its arguments may be the sort's scratch copy of a record, so it must compare by
// content, never by address. It must answer the same for the same two records throughout one
// call: callers that want ties in random order store a random key in each record beforehand
// and compare it last.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace kv {

// A non-owning reference to the caller's comparison, so the sort itself is compiled once and
// calling it allocates nothing.
class RecordCompare {
public:
    // Implicit so a lambda can be passed straight to the sort; it outlives the call.
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, RecordCompare> &&
                 !std::is_function_v<std::remove_reference_t<F>>)
    RecordCompare(F&& f)
        : object_(const_cast<void*>(static_cast<const void*>(&f))),
          call_([](void* o, const void* a, const void* b) {
              return static_cast<std::int32_t>(
                  (*static_cast<std::remove_reference_t<F>*>(o))(a, b));
          }) {}

    RecordCompare(std::int32_t (*function)(const void*, const void*)) : function_(function) {}

    std::int32_t operator()(const void* a, const void* b) const {
        return function_ ? function_(a, b) : call_(object_, a, b);
    }

private:
    void* object_ = nullptr;
    std::int32_t (*call_)(void*, const void*, const void*) = nullptr;
    std::int32_t (*function_)(const void*, const void*) = nullptr;
};

// What one call did, for tests and benchmarks.
struct RecordSortStats {
    int max_stack_depth = 0;
    long long comparisons = 0;
};

inline constexpr int kRecordSortStackRanges = 50;

// Sorts the records low..high (both included) of the array at base in place. Ranges of up to
// eight records are sorted by insertion, which keeps equal records in their order; the sort as
// a whole does not. low >= high does nothing.
void QuickSortRecords(void* base, std::size_t record_size, int low, int high, RecordCompare compare,
                      RecordSortStats* stats = nullptr);

// The comparison of one key that puts the greater first.
template <class T>
constexpr std::int32_t Descending(T a, T b) {
    return (a < b) - (a > b);
}

namespace record_sort_detail {

// The sort itself, over any array that offers compare, exchange, the scratch copy and moves by
// index: one over bytes of a size known only when called, one over typed records. Both make the
// same comparisons and moves in the same order, so they leave equal records in the same order.
template <class Array>
void Insertion(Array& a, int lo, int hi) {
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
template <class Array>
int Partition(Array& a, int lo, int hi) {
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

template <class Array>
void Sort(Array& a, int low, int high, RecordSortStats* stats) {
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
                Insertion(a, lo, hi);
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
            if (stats && depth > stats->max_stack_depth) stats->max_stack_depth = depth;
        }
        if (depth == 0) return;
        --depth;
        lo = stack[depth].lo;
        hi = stack[depth].hi;
    }
}

// Records of a type known where the sort is called: the comparison is inlined and a record
// moves as a whole, not byte by byte.
template <class T, class Compare>
class TypedArray {
  public:
    TypedArray(T* base, Compare& compare) : base_(base), compare_(compare) {}

    const T* at(int i) const { return base_ + i; }
    const T* scratch() const { return &scratch_; }
    std::int32_t compare(const T* a, const T* b) { return static_cast<std::int32_t>(compare_(*a, *b)); }
    void exchange(int i, int j) {
        if (i == j) return;
        const T t = base_[i];
        base_[i] = base_[j];
        base_[j] = t;
    }
    void to_scratch(int i) { scratch_ = base_[i]; }
    void from_scratch(int i) { base_[i] = scratch_; }
    void move(int from, int to) { base_[to] = base_[from]; }

  private:
    T* base_;
    Compare& compare_;
    T scratch_{};
};

}  // namespace record_sort_detail

// The usual call: a whole vector of flat records and a comparison of two of them.
template <class T, class Compare>
void QuickSortRecords(std::vector<T>& records, Compare compare) {
    static_assert(std::is_trivially_copyable_v<T>, "records are moved byte for byte");
    if (records.size() < 2) return;
    record_sort_detail::TypedArray<T, Compare> array(records.data(), compare);
    record_sort_detail::Sort(array, 0, static_cast<int>(records.size()) - 1, nullptr);
}

}  // namespace kv
