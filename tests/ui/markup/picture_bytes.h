#pragma once
// The smallest headers that carry a picture's size, for tests that never decode pixels, and
// the files the loading tests read them from.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
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

// Writes the bytes to a file of that name in the tests' output folder; returns its path.
inline std::string WriteOutputFile(const std::string& name,
                                   const std::vector<std::uint8_t>& bytes) {
    const auto dir = std::filesystem::path(KORVANEL_TEST_OUTPUT_DIR) / "markup";
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

}  // namespace kv::test
