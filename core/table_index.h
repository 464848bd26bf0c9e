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
            if (s.key() == key) return s.index;
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
                s = MakeSlot(key, index);
                ++used_;
                return {&s.index, true};
            }
            if (s.key() == key) return {&s.index, false};
        }
    }

  private:
    // The key in two halves keeps a slot at 12 bytes where an 8-byte-aligned key pads it to 16.
    struct Slot {
        std::uint32_t key_low = 0;
        std::uint32_t key_high = 0;
        int index = -1;
        std::uint64_t key() const { return (std::uint64_t{key_high} << 32) | key_low; }
    };
    static Slot MakeSlot(std::uint64_t key, int index) {
        return {static_cast<std::uint32_t>(key), static_cast<std::uint32_t>(key >> 32), index};
    }
    std::size_t Home(std::uint64_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (slots_.size() - 1);
    }
    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.size() * 2, Slot{});
        used_ = 0;
        for (const Slot& s : old)
            if (s.index >= 0) emplace(s.key(), s.index);
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
        bool doubtful = false;
        const int at = Probe(table, key, doubtful);
        if (at >= 0 || !doubtful) return at;
        // A slot named a record whose key is another: a second key with the same tag, or a
        // record changed behind the index's back. Only a rebuild tells them apart.
        Rebuild(table);
        return Probe(table, key, doubtful);
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
        Note(table, key_of_(table.back()), static_cast<int>(table.size()) - 1);
        data_ = table.data();
        size_ = table.size();
    }

    // Whether a key stands more than once in the table.
    bool has_duplicates() const { return duplicates_; }

  private:
    bool Stale(const std::vector<Record>& table) const {
        return table.data() != data_ || table.size() != size_ || seen_games_ != replaced_games;
    }

    // A slot holds a record number and the top half of its key's hash, which also picks the
    // slot: 8 bytes where key and number take 16, for an index of every rating total of a long
    // game. A slot whose tag matches is taken only when its record holds the key.
    struct Slot {
        std::uint32_t tag = 0;
        std::int32_t index = -1;
    };
    static std::uint32_t Tag(std::uint64_t key) {
        return static_cast<std::uint32_t>((key * 0x9E3779B97F4A7C15ull) >> 32);
    }
    std::size_t Next(std::size_t i) const { return (i + 1) & (slots_.size() - 1); }

    // The record with the key, -1 when none; `doubtful` is set when a slot of the key's tag
    // named a record with another key on the way.
    int Probe(const std::vector<Record>& table, std::uint64_t key, bool& doubtful) const {
        doubtful = false;
        if (slots_.empty()) return -1;
        const std::uint32_t tag = Tag(key);
        for (std::size_t i = tag & (slots_.size() - 1);; i = Next(i)) {
            const Slot& s = slots_[i];
            if (s.index < 0) return -1;
            if (s.tag != tag) continue;
            if (static_cast<std::size_t>(s.index) < table.size() &&
                key_of_(table[static_cast<std::size_t>(s.index)]) == key)
                return s.index;
            doubtful = true;
        }
    }

    void Note(const std::vector<Record>& table, std::uint64_t key, int index) {
        if (2 * (used_ + 1) > slots_.size()) Grow();
        const std::uint32_t tag = Tag(key);
        for (std::size_t i = tag & (slots_.size() - 1);; i = Next(i)) {
            Slot& s = slots_[i];
            if (s.index < 0) {
                s = {tag, index};
                ++used_;
                return;
            }
            if (s.tag == tag && key_of_(table[static_cast<std::size_t>(s.index)]) == key) {
                duplicates_ = true;
                if (keep_ == Keep::kLast) s.index = index;
                return;
            }
        }
    }

    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
        used_ = 0;
        for (const Slot& s : old)
            if (s.index >= 0)
                for (std::size_t i = s.tag & (slots_.size() - 1);; i = Next(i))
                    if (slots_[i].index < 0) {
                        slots_[i] = s;
                        ++used_;
                        break;
                    }
    }

    void Rebuild(const std::vector<Record>& table) {
        std::size_t size = 16;
        while (size < 2 * table.size() + 2) size *= 2;
        slots_.assign(size, Slot{});
        used_ = 0;
        duplicates_ = false;
        for (std::size_t i = 0; i < table.size(); ++i)
            Note(table, key_of_(table[i]), static_cast<int>(i));
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
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
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
