// Any bytes through one picture decoder, chosen when the target is built (PICTURE_DECODER):
// a decoder refuses or gives a picture within the size limits, and never reads outside the
// bytes it was given.

#include <cstdint>
#include <cstdlib>

#include "platform/gfx/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kv::Picture picture;
    if (!kv::PICTURE_DECODER(data, size, picture)) return 0;
    if (picture.width() <= 0 || picture.height() <= 0) std::abort();
    return 0;
}
