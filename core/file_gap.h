#pragma once
// Bytes a record's file layout holds that the game never uses: they take no room in memory,
// go out as zeros and are passed over when read. A record with a gap is no longer a copy of
// its file image, so its tables are written and read field by field.

#include <cstddef>

namespace kv {

template <std::size_t N>
struct FileGap {
    static constexpr std::size_t kBytes = N;
};

}  // namespace kv
