// Any bytes as a sound effect: refused with a reason, or a clip of whole stereo frames.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sound/sound_clip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kv::SoundClip clip;
    std::string error;
    if (!kv::DecodeWav(std::string_view(reinterpret_cast<const char*>(data), size), clip, &error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (clip.samples.size() % 2 != 0) std::abort();
    return 0;
}
