#pragma once
// Every record written and read field by field, little-endian, in its exact file
// layout (reserved bytes and the unused tail of names included), and the growable
// tables as a 32-bit count followed by their records.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/byte_io.h"
#include "core/file_gap.h"
#include "core/record_fields.h"

namespace kv {

// Hands each field of a record to a ByteWriter or a ByteReader: arrays element by
// element, names whole, nested records through their own field list.
template <class IO>
struct FieldVisitor {
    IO& io;

    template <class... F>
    void operator()(F&... fields) {
        (one(fields), ...);
    }
    template <class T, std::size_t N>
    void one(T (&a)[N]) {
        for (auto& e : a) one(e);
    }
    template <std::size_t N>
    void one(PString<N>& s) {
        io(s);
    }
    template <std::size_t N>
    void one(const PString<N>& s) {
        io(s);
    }
    template <class T>
    requires std::is_arithmetic_v<std::remove_const_t<T>>
    void one(T& v) { io(v); }
    // A gap reaches only the io that moves through the file (io.Gap(bytes)); the others have
    // nothing there to see.
    template <std::size_t N>
    void one(const FileGap<N>&) {
        if constexpr (requires { io.Gap(N); }) io.Gap(N);
    }
    template <std::size_t N>
    void one(FileGap<N>& gap) {
        one(static_cast<const FileGap<N>&>(gap));
    }
    template <class T>
    requires std::is_class_v<T>
    void one(T& rec) { RecordFields(rec, *this); }
};

// A record with a field list.
template <class T>
concept FileRecord = requires(T& r, const T& c, FieldVisitor<ByteWriter>& w,
                              FieldVisitor<ByteReader>& rd) {
    RecordFields(c, w);
    RecordFields(r, rd);
};

template <FileRecord T>
void WriteRecord(ByteWriter& w, const T& r) {
    FieldVisitor<ByteWriter> v{w};
    RecordFields(r, v);
}

// False when the bytes ran out; the record then holds zeros where they did.
template <FileRecord T>
bool ReadRecord(ByteReader& rd, T& r) {
    FieldVisitor<ByteReader> v{rd};
    RecordFields(r, v);
    return rd.ok();
}

// Walks a record's fields to see whether they lie in memory exactly as in the file: in order,
// with no gap, names as their length byte and then their bytes, on a little-endian machine.
class LayoutProbe {
  public:
    explicit LayoutProbe(const void* record) : base_(static_cast<const char*>(record)) {}

    template <class T>
    requires std::is_arithmetic_v<std::remove_const_t<T>>
    void operator()(const T& v) { At(&v, sizeof v); }
    template <std::size_t N>
    void operator()(const PString<N>& s) {
        At(&s.length, 1);
        At(s.bytes, N);
    }

    // The gap's bytes count in the file; the fields after it then lie elsewhere in memory.
    void Gap(std::size_t n) { next_ += n; }

    std::size_t size() const { return next_; }
    bool in_order() const { return in_order_; }

  private:
    void At(const void* field, std::size_t n) {
        if (static_cast<const char*>(field) != base_ + next_) in_order_ = false;
        next_ += n;
    }
    const char* base_;
    std::size_t next_ = 0;
    bool in_order_ = true;
};

// The bytes a record takes in a file.
template <FileRecord T>
std::size_t FileRecordSize() {
    static const std::size_t size = [] {
        const T probe{};
        LayoutProbe layout(&probe);
        FieldVisitor<LayoutProbe> v{layout};
        RecordFields(probe, v);
        return layout.size();
    }();
    return size;
}

// True when a table of T can be copied to and from a file image as one block of bytes.
template <FileRecord T>
bool IsFlatRecord() {
    static const bool flat = [] {
        if constexpr (std::endian::native != std::endian::little ||
                      !std::is_trivially_copyable_v<T>) {
            return false;
        } else {
            const T probe{};
            LayoutProbe layout(&probe);
            FieldVisitor<LayoutProbe> v{layout};
            RecordFields(probe, v);
            return layout.in_order() && layout.size() == sizeof(T);
        }
    }();
    return flat;
}

// Hands every name of a record to `on_name` and passes over every other field; used as a
// FieldVisitor's io.
template <class OnName>
struct NamesOnly {
    OnName& on_name;

    template <std::size_t N>
    void operator()(const PString<N>& s) {
        on_name(s);
    }
    template <class T>
    requires std::is_arithmetic_v<std::remove_const_t<T>>
    void operator()(const T&) {}
};

// A count, then the records. A flat table goes out in blocks of whole records; a name whose
// length byte runs past its capacity is written with the capacity, as field by field, from a
// copy of its record, so that a streaming writer never has to go back over what it handed on.
template <FileRecord T>
void WriteTable(ByteWriter& w, const std::vector<T>& table) {
    w.I32(static_cast<std::int32_t>(table.size()));
    if (!IsFlatRecord<T>()) {
        for (const T& r : table) WriteRecord(w, r);
        return;
    }
    std::size_t clean_from = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const T& r = table[i];
        bool overlong = false;
        auto find = [&](const auto& s) { overlong = overlong || s.length > s.kCapacity; };
        NamesOnly<decltype(find)> finder{find};
        FieldVisitor<NamesOnly<decltype(find)>> look{finder};
        RecordFields(r, look);
        if (!overlong) continue;
        w.Bytes(table.data() + clean_from, (i - clean_from) * sizeof(T));
        T copy = r;
        auto clamp = [&](const auto& s) {
            if (s.length > s.kCapacity) {
                const auto at = static_cast<std::size_t>(reinterpret_cast<const char*>(&s.length) -
                                                         reinterpret_cast<const char*>(&r));
                reinterpret_cast<char*>(&copy)[at] = static_cast<char>(s.kCapacity);
            }
        };
        NamesOnly<decltype(clamp)> names{clamp};
        FieldVisitor<NamesOnly<decltype(clamp)>> v{names};
        RecordFields(r, v);
        w.Bytes(&copy, sizeof(T));
        clean_from = i + 1;
    }
    w.Bytes(table.data() + clean_from, (table.size() - clean_from) * sizeof(T));
}

// Replaces the table only when the count and every record could be read; a count
// the bytes left cannot hold is refused before anything is allocated.
template <FileRecord T>
bool ReadTable(ByteReader& rd, std::vector<T>& table) {
    const std::int32_t n = rd.Count(FileRecordSize<T>());
    if (n < 0) return false;
    std::vector<T> read(static_cast<std::size_t>(n));
    for (T& r : read)
        if (!ReadRecord(rd, r)) return false;
    table = std::move(read);
    return true;
}

// A fixed table: exactly its records, no count.
template <FileRecord T, std::size_t N>
void WriteRecords(ByteWriter& w, const std::array<T, N>& table) {
    for (const T& r : table) WriteRecord(w, r);
}

template <FileRecord T, std::size_t N>
bool ReadRecords(ByteReader& rd, std::array<T, N>& table) {
    for (T& r : table)
        if (!ReadRecord(rd, r)) return false;
    return true;
}

}  // namespace kv
