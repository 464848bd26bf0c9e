#pragma once
// The SDL audio device: 16-bit stereo at the mixer's rate. Only the audio part of SDL is started,
// and a machine without sound simply stays silent.

#include <cstdint>

#include "platform/sound/sound_output.h"

namespace kv {

class SdlSoundOutput : public SoundOutput {
public:
    ~SdlSoundOutput() override;
    bool Start(Mixer& mixer) override;
    void Lock() override;
    void Unlock() override;

private:
    static void Callback(void* self, uint8_t* stream, int bytes);
    Mixer* mixer_ = nullptr;
    uint32_t device_ = 0;
    bool subsystem_ = false;
};

}  // namespace kv
