#include "platform/sound/sound_clip.h"

#include <algorithm>

namespace kv {
namespace {

constexpr uint32_t kMaxSeconds = 600;  // far longer than any effect; refuses absurd headers

uint32_t U32(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t U16(std::string_view b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                                 static_cast<unsigned char>(b[at + 1]) << 8);
}

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

}  // namespace

bool DecodeWav(std::string_view b, SoundClip& out, std::string* error) {
    out.samples.clear();
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE")
        return Fail(error, "not a WAV file");
    int channels = 0, bits = 0;
    uint32_t rate = 0;
    std::string_view data;
    bool have_format = false, have_data = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string_view id = b.substr(at, 4);
        const uint32_t size = U32(b, at + 4);
        const size_t body = at + 8;
        const size_t available = b.size() - body;
        if (id == "fmt ") {
            if (size < 16 || size > available) return Fail(error, "damaged format chunk");
            const uint16_t tag = U16(b, body);
            channels = U16(b, body + 2);
            rate = U32(b, body + 4);
            bits = U16(b, body + 14);
            // 0xFFFE wraps plain PCM in an extended header; the sample layout is the same.
            if (tag != 1 && tag != 0xFFFE) return Fail(error, "only PCM sound is supported");
            have_format = true;
        } else if (id == "data") {
            // Some writers leave the size of the last chunk unset: take what is there.
            data = b.substr(body, std::min<size_t>(size, available));
            have_data = true;
            break;
        }
        if (size > available) break;
        at = body + size + (size & 1);
    }
    if (!have_format || !have_data) return Fail(error, "no sound data");
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate < 1000 ||
        rate > 192000)
        return Fail(error, "unsupported sound format");
    const size_t frame_bytes = static_cast<size_t>(channels) * (bits / 8);
    const size_t in_frames = data.size() / frame_bytes;
    if (in_frames > static_cast<size_t>(rate) * kMaxSeconds) return Fail(error, "sound too long");

    auto sample = [&](size_t frame, int channel) -> int {
        const size_t at = frame * frame_bytes + static_cast<size_t>(channel) * (bits / 8);
        if (bits == 8) return (static_cast<unsigned char>(data[at]) - 128) << 8;
        return static_cast<int16_t>(U16(data, at));
    };
    if (in_frames == 0) return true;
    // Linear interpolation to the mixer's rate.
    const size_t frames = std::max<size_t>(1, in_frames * kMixRate / rate);
    out.samples.resize(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const double pos = static_cast<double>(i) * rate / kMixRate;
        const size_t f0 = std::min(static_cast<size_t>(pos), in_frames - 1);
        const size_t f1 = std::min(f0 + 1, in_frames - 1);
        const double t = pos - static_cast<double>(f0);
        for (int c = 0; c < 2; ++c) {
            const int ch = channels == 2 ? c : 0;
            const double v = sample(f0, ch) * (1 - t) + sample(f1, ch) * t;
            out.samples[i * 2 + c] = static_cast<int16_t>(v);
        }
    }
    return true;
}

}  // namespace kv
