// Feeds arbitrary bytes to the picture decoders: any input must be refused or
// decoded within the size limits, never crash or read outside the bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/gfx/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::Picture p;
    if (p.LoadFromMemory(data, size)) {
        if (!kv::PictureSizeAllowed(p.width(), p.height())) std::abort();
        p.DrawSurface();
    } else if (p.error().empty()) {
        std::abort();
    }
    return 0;
}
