#pragma once
// Reads the little-endian fields of a file image. Files are read as far as they go: a field past
// the end reads as zero, so a truncated file gives a record with a zero-filled tail, never a
// read beyond the buffer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/pstring.h"

namespace kv {

class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    void Seek(std::size_t offset) { pos_ = offset; }
    std::size_t position() const { return pos_; }

    std::uint8_t U8() {
        const std::uint8_t v = pos_ < bytes_.size() ? static_cast<std::uint8_t>(bytes_[pos_]) : 0;
        ++pos_;
        return v;
    }

    std::int32_t I32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(U8()) << (8 * i);
        return static_cast<std::int32_t>(v);
    }

    // The length byte is clamped to the capacity; the tail bytes are kept as the file has them.
    template <std::size_t N>
    void String(PString<N>& s) {
        s.length = std::min<std::uint8_t>(U8(), static_cast<std::uint8_t>(N));
        for (std::size_t i = 0; i < N; ++i) s.bytes[i] = static_cast<char>(U8());
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace kv
