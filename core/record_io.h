#pragma once
// Every record written and read field by field, little-endian, in its exact file
// layout (reserved bytes and the unused tail of names included), and the growable
// tables as a 32-bit count followed by their records.

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/byte_io.h"
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

// A count, then the records.
template <FileRecord T>
void WriteTable(ByteWriter& w, const std::vector<T>& table) {
    w.I32(static_cast<std::int32_t>(table.size()));
    for (const T& r : table) WriteRecord(w, r);
}

// Replaces the table only when the count and every record could be read; a count
// the bytes left cannot hold is refused before anything is allocated.
template <FileRecord T>
bool ReadTable(ByteReader& rd, std::vector<T>& table) {
    const std::int32_t n = rd.Count(sizeof(T));
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
