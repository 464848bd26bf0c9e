#pragma once
// Builds the little-endian image of a file field by field, at the exact offsets of its format,
// so the bytes on disk never depend on how the compiler lays out a struct.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/pstring.h"

namespace kv {

class ByteWriter {
  public:
    void U8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }

    void I32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) U8(static_cast<std::uint8_t>(u >> (8 * i)));
    }

    template <std::size_t N>
    void String(const PString<N>& s) {
        U8(s.length > N ? static_cast<std::uint8_t>(N) : s.length);
        bytes_.append(s.bytes, N);
    }

    // Alignment gaps of the format are written as zeros.
    void Zeros(std::size_t n) { bytes_.append(n, '\0'); }

    std::size_t size() const { return bytes_.size(); }
    std::string Take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

}  // namespace kv
