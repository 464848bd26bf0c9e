#pragma once
// Plain writes for the generator's thousands of files: the database is rebuilt whole on failure,
// so it needs no atomic replacement and no flush to disk per file.

#include <filesystem>
#include <string>
#include <string_view>

namespace kv::sampledb {

bool WriteOutputFile(const std::filesystem::path& path, std::string_view bytes, std::string* error);
bool MakeOutputFolder(const std::filesystem::path& path, std::string* error);

}  // namespace kv::sampledb
