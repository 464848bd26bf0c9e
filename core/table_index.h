#pragma once
// Finds a record of a growing table by a key without reading the whole table: the statistics of
// a match day look up thousands of players in tables of tens of thousands of lines. The index
// follows the table it last saw and rebuilds itself whenever the table is another one or was
// changed behind its back (a new game, a load, a season change), and it checks every hit against
// the record it names.

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kv {

// Two int32 values as one key.
inline std::uint64_t PairKey(std::int32_t a, std::int32_t b) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

// `KeyOf(record)` gives the key of a record; of several records with one key the index names
// the first (kFirst) or the last (kLast), as the linear search it replaces would find it.
template <class Record, class KeyOf>
class TableIndex {
public:
    enum class Keep { kFirst, kLast };

    explicit TableIndex(Keep keep, KeyOf key_of = KeyOf{}) : keep_(keep), key_of_(key_of) {}

    // The record with the key, -1 when the table holds none.
    int Find(const std::vector<Record>& table, std::uint64_t key) {
        if (table.data() != data_ || table.size() != size_) Rebuild(table);
        const auto it = at_.find(key);
        if (it == at_.end()) return -1;
        if (key_of_(table[static_cast<std::size_t>(it->second)]) != key) {
            Rebuild(table);
            const auto again = at_.find(key);
            return again == at_.end() ? -1 : again->second;
        }
        return it->second;
    }

    // The caller appended one record to the table the index follows.
    void Appended(const std::vector<Record>& table) {
        if (table.empty()) return;
        if (table.size() != size_ + 1) return Rebuild(table);
        Note(key_of_(table.back()), static_cast<int>(table.size()) - 1);
        data_ = table.data();
        size_ = table.size();
    }

    // Whether a key stands more than once in the table.
    bool has_duplicates() const { return duplicates_; }

private:
    void Note(std::uint64_t key, int index) {
        const auto [it, added] = at_.emplace(key, index);
        if (added) return;
        duplicates_ = true;
        if (keep_ == Keep::kLast) it->second = index;
    }

    void Rebuild(const std::vector<Record>& table) {
        at_.clear();
        duplicates_ = false;
        for (std::size_t i = 0; i < table.size(); ++i) Note(key_of_(table[i]), static_cast<int>(i));
        data_ = table.data();
        size_ = table.size();
    }

    Keep keep_;
    KeyOf key_of_;
    const Record* data_ = nullptr;
    std::size_t size_ = 0;
    bool duplicates_ = false;
    std::unordered_map<std::uint64_t, int> at_;
};

}  // namespace kv
