#pragma once
// A sound effect decoded into the mixer's format: interleaved 16-bit stereo at kMixRate.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

constexpr int kMixRate = 44100;

struct SoundClip {
    std::vector<int16_t> samples;  // left, right, left, right, ...
    size_t frames() const { return samples.size() / 2; }
};

// Decodes a PCM WAV file (8 or 16 bits, mono or stereo, any rate) and converts it to the mixer's
// format. A damaged or unsupported file gives false and a reason; nothing read is trusted.
bool DecodeWav(std::string_view bytes, SoundClip& out, std::string* error = nullptr);

}  // namespace kv
