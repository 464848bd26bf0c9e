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

// The usual call: a whole vector of flat records and a comparison of two of them.
template <class T, class Compare>
void QuickSortRecords(std::vector<T>& records, Compare compare) {
    static_assert(std::is_trivially_copyable_v<T>, "records are moved byte for byte");
    auto by_record = [&compare](const void* a, const void* b) {
        return compare(*static_cast<const T*>(a), *static_cast<const T*>(b));
    };
    QuickSortRecords(records.data(), sizeof(T), 0, static_cast<int>(records.size()) - 1, by_record);
}

}  // namespace kv
