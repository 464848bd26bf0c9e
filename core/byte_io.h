#pragma once
// Little-endian field-by-field writing and reading of file records. Records are
// never copied to or from disk as whole structs: padding and byte order would
// then depend on the compiler. The reader trusts nothing: reading past the end
// marks it failed (and gives zeros), and counts are checked against the bytes left.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/pstring.h"

namespace kv {

class ByteWriter {
  public:
    void u8(std::uint8_t v) { buf_.push_back(v); }
    void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
    void i64(std::int64_t v) { put(static_cast<std::uint64_t>(v), 8); }
    void f32(float v);
    void f64(double v);
    void bytes(const void* p, std::size_t n);
    void zeros(std::size_t n) { buf_.insert(buf_.end(), n, 0); }

    // The length byte and the whole capacity, unused tail included.
    template <std::size_t N>
    void pstring(const PString<N>& s) {
        u8(s.length);
        bytes(s.bytes, N);
    }

    // Field-list visitors (core/record_io.cpp) call the writer with each field.
    void operator()(std::uint8_t v) { u8(v); }
    void operator()(std::int32_t v) { i32(v); }
    void operator()(std::int64_t v) { i64(v); }
    void operator()(float v) { f32(v); }
    void operator()(double v) { f64(v); }

    const std::vector<std::uint8_t>& data() const { return buf_; }
    std::size_t size() const { return buf_.size(); }

  private:
    void put(std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) buf_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> buf_;
};

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}
    ByteReader(const void* p, std::size_t n) : data_(static_cast<const std::uint8_t*>(p), n) {}

    // False once anything was read past the end or a check failed.
    bool ok() const { return ok_; }
    void fail() { ok_ = false; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return ok_ ? data_.size() - pos_ : 0; }
    bool at_end() const { return pos_ == data_.size(); }

    std::uint8_t u8();
    std::int32_t i32() { return static_cast<std::int32_t>(get(4)); }
    std::int64_t i64() { return static_cast<std::int64_t>(get(8)); }
    float f32();
    double f64();
    // Copies n bytes, or zeros them and fails when fewer are left.
    bool bytes(void* p, std::size_t n);
    bool skip(std::size_t n);

    // The length byte is kept as stored: PString reads a length above the
    // capacity as the capacity, so a damaged byte can do no harm.
    template <std::size_t N>
    void pstring(PString<N>& s) {
        s.length = u8();
        bytes(s.bytes, N);
    }

    // A count of records of record_size bytes each: fails (and gives -1) when it is
    // negative, above max_count, or more than the bytes left can hold.
    std::int32_t count(std::size_t record_size, std::int32_t max_count = INT32_MAX);

    void operator()(std::uint8_t& v) { v = u8(); }
    void operator()(std::int32_t& v) { v = i32(); }
    void operator()(std::int64_t& v) { v = i64(); }
    void operator()(float& v) { v = f32(); }
    void operator()(double& v) { v = f64(); }

  private:
    std::uint64_t get(int n);
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace kv
