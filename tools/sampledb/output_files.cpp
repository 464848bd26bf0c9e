#include "tools/sampledb/output_files.h"

#include <fstream>

#include "platform/base/files.h"

namespace kv::sampledb {

bool WriteOutputFile(const std::filesystem::path& path, std::string_view bytes,
                     std::string* error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) return true;
    if (error) *error = "não foi possível gravar " + path.string();
    return false;
}

bool MakeOutputFolder(const std::filesystem::path& path, std::string* error) {
    if (MakeFolders(path.string())) return true;
    if (error) *error = "não foi possível criar " + path.string();
    return false;
}

}  // namespace kv::sampledb
