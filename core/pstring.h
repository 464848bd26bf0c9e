#pragma once
// A name inside a record: a length byte and up to N Windows-1252 bytes, stored
// exactly as the files hold them so records stay flat and copy like the files.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/base/cp1252.h"

namespace kv {

template <std::size_t N>
struct PString {
    static_assert(N >= 1 && N <= 255);
    static constexpr std::size_t kCapacity = N;

    std::uint8_t length = 0;
    char bytes[N] = {};

    // The stored bytes; a length byte above the capacity reads as the capacity.
    std::string_view raw() const { return {bytes, std::min<std::size_t>(length, N)}; }

    // Stores 1252 bytes as they stand, truncated to the capacity; the tail is zeroed.
    void set_raw(std::string_view b) {
        const std::size_t n = std::min(b.size(), N);
        std::memset(bytes, 0, N);
        if (n) std::memcpy(bytes, b.data(), n);
        length = static_cast<std::uint8_t>(n);
    }

    std::string str() const { return Cp1252ToUtf8(raw()); }
    void set(std::string_view utf8) { set_raw(Utf8ToCp1252(utf8)); }

    bool empty() const { return raw().empty(); }
    void clear() { set_raw({}); }

    friend bool operator==(const PString& a, const PString& b) { return a.raw() == b.raw(); }
};

// A byte below the space or DEL: never part of a name, and drawn as garbage or taken as a line
// break by the screens.
inline bool IsControlByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
}

inline bool HasControlCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsControlByte);
}

// A name read from a file with its control bytes turned into spaces; the length stays.
template <std::size_t N>
void ReplaceControlBytes(PString<N>& s) {
    const std::size_t n = s.raw().size();
    for (std::size_t i = 0; i < n; ++i)
        if (IsControlByte(s.bytes[i])) s.bytes[i] = ' ';
}

static_assert(sizeof(PString<25>) == 26);
static_assert(sizeof(PString<30>) == 31);
static_assert(alignof(PString<30>) == 1);

}  // namespace kv
