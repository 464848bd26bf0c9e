#pragma once
// The smallest headers that carry a picture's size, for tests that never decode pixels.

#include <cstdint>
#include <vector>

namespace kv::test {

inline std::vector<std::uint8_t> PngHeader(std::uint32_t w, std::uint32_t h) {
    std::vector<std::uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                   0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    for (std::uint32_t v : {w, h}) {
        for (int shift = 24; shift >= 0; shift -= 8) b.push_back((v >> shift) & 0xFF);
    }
    b.insert(b.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});
    return b;
}

}  // namespace kv::test
