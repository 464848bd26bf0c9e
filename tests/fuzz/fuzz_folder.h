#pragma once
// A folder of the fuzz run's own, made once and emptied by each input that writes files, for
// the readers that only read files.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace kv::fuzz {

inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "kvfuzzXXXXXX").string();
        if (!::mkdtemp(tmpl.data())) std::abort();
        return std::filesystem::path(tmpl);
    }();
    return folder;
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(),
                                                                  static_cast<long>(bytes.size()));
}

}  // namespace kv::fuzz
