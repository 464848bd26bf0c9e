#pragma once
// Our own small mixer: every playing clip adds into the output with clipping. Playing a clip
// that is already sounding restarts it; different clips sound together.

#include <cstdint>
#include <vector>

#include "platform/sound/sound_clip.h"

namespace kv {

class Mixer {
public:
    void Play(const SoundClip& clip);
    void Stop(const SoundClip& clip);
    void StopAll() { voices_.clear(); }
    int Playing() const { return static_cast<int>(voices_.size()); }
    // Fills `frames` stereo frames; finished clips drop out.
    void Mix(int16_t* out, int frames);

private:
    struct Voice {
        const SoundClip* clip;
        size_t frame;
    };
    std::vector<Voice> voices_;
};

}  // namespace kv
