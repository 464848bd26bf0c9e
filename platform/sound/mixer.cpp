#include "platform/sound/mixer.h"

#include <algorithm>

namespace kv {

void Mixer::Play(const SoundClip& clip) {
    for (Voice& v : voices_) {
        if (v.clip == &clip) {
            v.frame = 0;
            return;
        }
    }
    voices_.push_back({&clip, 0});
}

void Mixer::Stop(const SoundClip& clip) {
    std::erase_if(voices_, [&](const Voice& v) { return v.clip == &clip; });
}

void Mixer::Mix(int16_t* out, int frames) {
    for (int i = 0; i < frames * 2; ++i) {
        int sum = 0;
        for (const Voice& v : voices_) {
            const size_t at = v.frame * 2 + static_cast<size_t>(i);
            if (at < v.clip->samples.size()) sum += v.clip->samples[at];
        }
        out[i] = static_cast<int16_t>(std::clamp(sum, -32768, 32767));
    }
    for (Voice& v : voices_) v.frame += static_cast<size_t>(frames);
    std::erase_if(voices_, [](const Voice& v) { return v.frame >= v.clip->frames(); });
}

}  // namespace kv
