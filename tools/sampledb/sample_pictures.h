#pragma once
// Pictures of the sample database, all drawn here: a flag per country, a crest, a small crest
// and three shirts per club, a symbol and three shirts per national team, and the tiled
// backgrounds of the windows.

#include <array>
#include <cstdint>
#include <string>

namespace kv::sampledb {

struct SampleDatabase;

// A country's invented flag: simple stripes or a cross, and sometimes an emblem.
struct FlagDesign {
    int pattern = 0;
    int emblem = 0;                         // 0 none, 1 disc, 2 star
    std::array<std::int32_t, 3> colours{};  // 0x00BBGGRR; [0] is the main one
};
FlagDesign DesignFlag(int country);

bool WriteSamplePictures(const SampleDatabase& db, const std::string& folder, std::string* error);

}  // namespace kv::sampledb
