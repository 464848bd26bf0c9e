#pragma once
// Little-endian field-by-field writing and reading of file images. Records are
// never copied to or from disk as whole structs: padding and byte order would then
// depend on the compiler.
//
// The reader trusts nothing: a field past the end reads as zero (so a truncated
// file gives a zero-filled tail, never a read beyond the buffer) and marks the
// reader failed; name lengths are clamped to the capacity; counts are checked
// against the bytes left.

#include <array>
#include <algorithm>
#include <bit>
#include <cstring>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/pstring.h"

namespace kv {

class ByteWriter {
  public:
    // Where a streaming writer hands its bytes; false when they could not be taken.
    using Sink = std::function<bool(std::string_view)>;

    // Keeps everything written in memory (data(), Take()).
    ByteWriter() = default;
    // Holds at most `buffer_size` bytes and hands them to `sink` whenever the next field
    // would not fit; a block at least that large goes to the sink without being copied.
    // Flush() hands over the rest. After a sink failed nothing more is handed over.
    ByteWriter(std::size_t buffer_size, Sink sink);

    void U8(std::uint8_t v) {
        Room(1);
        bytes_.push_back(static_cast<char>(v));
    }
    void I32(std::int32_t v) { Put(static_cast<std::uint32_t>(v), 4); }
    void I64(std::int64_t v) { Put(static_cast<std::uint64_t>(v), 8); }
    void F32(float v);
    void F64(double v);
    void Bytes(const void* p, std::size_t n) {
        if (capacity_ != 0 && bytes_.size() + n > capacity_) {
            Spill(p, n);
            return;
        }
        bytes_.append(static_cast<const char*>(p), n);
    }
    // Alignment gaps of a format are written as zeros.
    void Zeros(std::size_t n);
    void Gap(std::size_t n) { Zeros(n); }
    // Makes room for n bytes in all, so that a writer that knows its size allocates once.
    void Reserve(std::size_t n) {
        if (!sink_) bytes_.reserve(n);
    }
    // Hands what is held to the sink; true when every byte so far reached it.
    bool Flush();

    // The length byte (at most the capacity) and the whole capacity, unused tail included.
    template <std::size_t N>
    void String(const PString<N>& s) {
        U8(s.length > N ? static_cast<std::uint8_t>(N) : s.length);
        Bytes(s.bytes, N);
    }

    // Every element of a fixed table in its own width.
    template <class T, std::size_t N>
    void Array(const std::array<T, N>& a) {
        for (const T& v : a) (*this)(v);
    }

    // What is held in memory: everything written, unless the writer streams.
    const std::string& data() const { return bytes_; }
    // Every byte written so far, handed over or not.
    std::size_t size() const { return handed_ + bytes_.size(); }
    std::string Take() { return std::move(bytes_); }

    // Record field lists (core/record_io.h) hand every field to these.
    void operator()(std::uint8_t v) { U8(v); }
    void operator()(std::int32_t v) { I32(v); }
    void operator()(std::int64_t v) { I64(v); }
    void operator()(float v) { F32(v); }
    void operator()(double v) { F64(v); }
    template <std::size_t N>
    void operator()(const PString<N>& s) {
        String(s);
    }

  private:
    void Put(std::uint64_t v, int n) {
        Room(static_cast<std::size_t>(n));
        char b[8];
        for (int i = 0; i < n; ++i) b[i] = static_cast<char>(v >> (8 * i));
        bytes_.append(b, static_cast<std::size_t>(n));
    }
    // Empties the buffer first when n more bytes would overflow it.
    void Room(std::size_t n) {
        if (capacity_ != 0 && bytes_.size() + n > capacity_) Flush();
    }
    void Spill(const void* p, std::size_t n);
    void Hand(std::string_view bytes);

    std::string bytes_;
    Sink sink_;
    std::size_t capacity_ = 0;  // 0 when nothing is streamed
    std::size_t handed_ = 0;
    bool sink_ok_ = true;
};

// The numbers and counts every reader gives the same way, from its Get(n): n bytes,
// little-endian, as zeros past the end.
template <class Reader>
class FieldReads {
  public:
    std::uint8_t U8() { return static_cast<std::uint8_t>(self().Get(1)); }
    std::int32_t I32() { return static_cast<std::int32_t>(self().Get(4)); }
    std::int64_t I64() { return static_cast<std::int64_t>(self().Get(8)); }
    float F32() { return std::bit_cast<float>(static_cast<std::uint32_t>(self().Get(4))); }
    double F64() { return std::bit_cast<double>(self().Get(8)); }

    // A count of records of record_size bytes each. A negative count, one above
    // max_count, or one the bytes left cannot hold fails the reader and gives -1.
    std::int32_t Count(std::size_t record_size, std::int32_t max_count = INT32_MAX) {
        const std::int32_t n = I32();
        if (!self().ok() || n < 0 || n > max_count ||
            (record_size != 0 && static_cast<std::size_t>(n) > self().remaining() / record_size)) {
            self().Fail();
            return -1;
        }
        return n;
    }

    void operator()(std::uint8_t& v) { v = U8(); }
    void operator()(std::int32_t& v) { v = I32(); }
    void operator()(std::int64_t& v) { v = I64(); }
    void operator()(float& v) { v = F32(); }
    void operator()(double& v) { v = F64(); }

  private:
    Reader& self() { return static_cast<Reader&>(*this); }
};

class ByteReader : public FieldReads<ByteReader> {
  public:
    using FieldReads::operator();
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
    explicit ByteReader(std::span<const std::uint8_t> bytes)
        : bytes_(reinterpret_cast<const char*>(bytes.data()), bytes.size()) {}

    // False once a read went past the end or a check failed.
    bool ok() const { return ok_; }
    void Fail() { ok_ = false; }

    void Seek(std::size_t offset) { pos_ = offset; }
    std::size_t position() const { return pos_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

    // Copies n bytes; what lies past the end reads as zeros.
    void Bytes(void* p, std::size_t n);
    void Skip(std::size_t n);
    void Gap(std::size_t n) { Skip(n); }

    // Hands the next `count` records of `size` bytes each to take(bytes, records) as they lie
    // in the image, in one piece. Fewer (none) reach it when the image ends first, and the
    // reader then fails.
    template <class Take>
    void Records(std::size_t count, std::size_t size, std::size_t /*align*/, Take take) {
        const std::size_t whole = std::min(count, remaining() / size);
        if (whole) take(bytes_.data() + pos_, whole);
        if (whole < count) ok_ = false;
        pos_ += count * size;
    }

    // The length byte is clamped to the capacity; the tail bytes are kept as stored.
    template <std::size_t N>
    void String(PString<N>& s) {
        const std::uint8_t len = U8();
        s.length = len > N ? static_cast<std::uint8_t>(N) : len;
        Bytes(s.bytes, N);
    }

    template <class T, std::size_t N>
    void Array(std::array<T, N>& a) {
        for (T& v : a) (*this)(v);
    }

    template <std::size_t N>
    void operator()(PString<N>& s) {
        String(s);
    }

  private:
    friend class FieldReads<ByteReader>;
    std::uint64_t Get(int n);
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// The same reading over bytes that come in pieces (a file too large to hold twice in memory):
// `size` bytes are expected from `source`, which fills a buffer and says how many bytes it
// gave, fewer only when it has no more. It reads as a ByteReader over those `size` bytes would:
// a field past them reads as zero and fails the reader, and so does a source that ends early.
class StreamByteReader : public FieldReads<StreamByteReader> {
  public:
    using Source = std::function<std::size_t(char* into, std::size_t n)>;
    StreamByteReader(std::size_t size, Source source, std::size_t buffer_size = 1 << 20);

    bool ok() const { return ok_; }
    void Fail() { ok_ = false; }

    std::size_t size() const { return size_; }
    std::size_t remaining() const { return pos_ < size_ ? size_ - pos_ : 0; }
    // At the end of the `size` bytes, and the source has nothing after them.
    bool AtEnd();

    void Bytes(void* p, std::size_t n);
    // Passes over n bytes.
    void Gap(std::size_t n);

    // Hands the next `count` records of `size` bytes each to take(bytes, records) in pieces
    // of whole records straight from the buffer, each piece starting at an address that is a
    // multiple of `align`, so a table can copy them once. Stops when `take` failed the reader;
    // fewer records reach it when the source ends first, and the reader then fails.
    template <class Take>
    void Records(std::size_t count, std::size_t size, std::size_t align, Take take) {
        const std::size_t end_pos = pos_ + count * size;
        std::size_t left = count;
        if (size > capacity_) {
            // A record larger than the buffer comes through a copy of its own.
            std::unique_ptr<char[]> one(new char[size]);
            for (; left > 0 && ok_; --left) {
                Bytes(one.get(), size);
                if (ok_) take(one.get(), 1);
            }
        } else {
            if (reinterpret_cast<std::uintptr_t>(buffer_.get() + begin_) % align != 0) {
                std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
                end_ -= begin_;
                begin_ = 0;
            }
            while (left > 0 && ok_) {
                Fill(size);
                const std::size_t whole = std::min(left, (end_ - begin_) / size);
                if (whole == 0) break;
                const char* at = buffer_.get() + begin_;
                begin_ += whole * size;
                left -= whole;
                take(at, whole);
            }
        }
        if (left > 0) ok_ = false;
        pos_ = end_pos;
    }

  private:
    friend class FieldReads<StreamByteReader>;
    std::uint64_t Get(int n);
    // Takes up to n bytes from the source, never past the `size` expected; false when it
    // gave fewer.
    bool Pull(char* into, std::size_t n);
    // Brings at least n bytes into the buffer where the expected bytes hold them.
    void Fill(std::size_t n);

    std::size_t size_;
    Source source_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t begin_ = 0, end_ = 0;  // the buffered bytes not yet read
    std::size_t pos_ = 0;              // bytes read by the caller, past the end included
    std::size_t pulled_ = 0;           // bytes taken from the source
    bool ok_ = true;
};

}  // namespace kv
