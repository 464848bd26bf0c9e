#pragma once
// Finds a record of a growing table by a key without reading the whole table: the statistics of
// a match day look up thousands of players in tables of tens of thousands of lines. The index
// follows the table it last saw and rebuilds itself whenever the table is another one or was
// changed behind its back (a new game, a load, a season change), and it checks every hit against
// the record it names.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kv {

// Keys to record numbers in one array, probed in line: a look-up touches one or two cache lines
// where a node-based map chases a pointer and divides by a prime.
class KeyTable {
  public:
    // Empties the table, with room for `expected` keys before it grows.
    void clear(std::size_t expected = 0) {
        std::size_t size = 16;
        while (size < 2 * expected + 2) size *= 2;
        slots_.assign(size, Slot{});
        used_ = 0;
    }
    // The number stored with the key, or -1.
    int find(std::uint64_t key) const {
        if (slots_.empty()) return -1;
        for (std::size_t i = Home(key);; i = (i + 1) & (slots_.size() - 1)) {
            const Slot& s = slots_[i];
            if (s.index < 0) return -1;
            if (s.key == key) return s.index;
        }
    }
    // Stores the key with `index` unless it is there; the slot of its number either way, and
    // whether it was added.
    std::pair<int*, bool> emplace(std::uint64_t key, int index) {
        if (slots_.empty()) clear();
        if (2 * (used_ + 1) > slots_.size()) Grow();
        for (std::size_t i = Home(key);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& s = slots_[i];
            if (s.index < 0) {
                s = {key, index};
                ++used_;
                return {&s.index, true};
            }
            if (s.key == key) return {&s.index, false};
        }
    }

  private:
    struct Slot {
        std::uint64_t key = 0;
        int index = -1;
    };
    std::size_t Home(std::uint64_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (slots_.size() - 1);
    }
    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.size() * 2, Slot{});
        used_ = 0;
        for (const Slot& s : old)
            if (s.index >= 0) emplace(s.key, s.index);
    }
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

// Two int32 values as one key.
inline std::uint64_t PairKey(std::int32_t a, std::int32_t b) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) |
           static_cast<std::uint32_t>(b);
}

// Counts the times the running game was replaced whole. A table of the new game can come to lie
// where the old game's did, with as many records; an index that saw the old one would then answer
// a key it never held as missing, so every index rebuilds after a replacement.
inline std::uint64_t replaced_games = 0;
inline void ForgetTableIndexes() { ++replaced_games; }

// `KeyOf(record)` gives the key of a record; of several records with one key the index names
// the first (kFirst) or the last (kLast), as the linear search it replaces would find it.
template <class Record, class KeyOf>
class TableIndex {
  public:
    enum class Keep { kFirst, kLast };

    explicit TableIndex(Keep keep, KeyOf key_of = KeyOf{}) : keep_(keep), key_of_(key_of) {}

    // The record with the key, -1 when the table holds none.
    int Find(const std::vector<Record>& table, std::uint64_t key) {
        if (Stale(table)) Rebuild(table);
        const int at = at_.find(key);
        if (at < 0) return -1;
        if (key_of_(table[static_cast<std::size_t>(at)]) != key) {
            Rebuild(table);
            return at_.find(key);
        }
        return at;
    }

    // As Find, trying the record at `hint` first: while no key stands twice, a record with the
    // key is the one, and the index (megabytes of slots under a long history) is not read.
    int Find(const std::vector<Record>& table, std::uint64_t key, int hint) {
        if (Stale(table)) Rebuild(table);
        if (!duplicates_ && hint >= 0 && static_cast<std::size_t>(hint) < table.size() &&
            key_of_(table[static_cast<std::size_t>(hint)]) == key)
            return hint;
        return Find(table, key);
    }

    // The caller appended one record to the table the index follows.
    void Appended(const std::vector<Record>& table) {
        if (table.empty()) return;
        if (table.size() != size_ + 1 || seen_games_ != replaced_games) return Rebuild(table);
        Note(key_of_(table.back()), static_cast<int>(table.size()) - 1);
        data_ = table.data();
        size_ = table.size();
    }

    // Whether a key stands more than once in the table.
    bool has_duplicates() const { return duplicates_; }

  private:
    bool Stale(const std::vector<Record>& table) const {
        return table.data() != data_ || table.size() != size_ || seen_games_ != replaced_games;
    }

    void Note(std::uint64_t key, int index) {
        const auto [at, added] = at_.emplace(key, index);
        if (added) return;
        duplicates_ = true;
        if (keep_ == Keep::kLast) *at = index;
    }

    void Rebuild(const std::vector<Record>& table) {
        at_.clear(table.size());
        duplicates_ = false;
        for (std::size_t i = 0; i < table.size(); ++i) Note(key_of_(table[i]), static_cast<int>(i));
        data_ = table.data();
        size_ = table.size();
        seen_games_ = replaced_games;
    }

    Keep keep_;
    KeyOf key_of_;
    const Record* data_ = nullptr;
    std::size_t size_ = 0;
    bool duplicates_ = false;
    std::uint64_t seen_games_ = 0;
    KeyTable at_;
};

// The record each player was last found at in one table, by player: a player's statistics go
// to the same record match after match, found then through the hint without the index. A wrong
// hint costs only the index look-up.
class PlayerHints {
  public:
    std::int32_t& operator[](int player) {
        const std::size_t at = player > 0 ? static_cast<std::size_t>(player) : 0;
        if (at >= last_.size()) last_.resize(at + 1, -1);
        return last_[at];
    }

  private:
    std::vector<std::int32_t> last_;
};

}  // namespace kv
