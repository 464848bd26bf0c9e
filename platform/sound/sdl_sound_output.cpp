#include "platform/sound/sdl_sound_output.h"

#include <SDL.h>

#include "platform/sound/mixer.h"

namespace kv {

SdlSoundOutput::~SdlSoundOutput() {
    if (device_) SDL_CloseAudioDevice(device_);
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundOutput::Start(Mixer& mixer) {
    if (device_) return true;
    mixer_ = &mixer;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    subsystem_ = true;
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = &SdlSoundOutput::Callback;
    want.userdata = this;
    // SDL converts for us when the device wants another format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!device_) return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundOutput::Lock() {
    if (device_) SDL_LockAudioDevice(device_);
}

void SdlSoundOutput::Unlock() {
    if (device_) SDL_UnlockAudioDevice(device_);
}

void SdlSoundOutput::Callback(void* self, uint8_t* stream, int bytes) {
    auto* output = static_cast<SdlSoundOutput*>(self);
    output->mixer_->Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

}  // namespace kv
