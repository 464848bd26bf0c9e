#include "platform/sound/sound_effects.h"

#include "platform/base/files.h"
#include "platform/sound/sdl_sound_output.h"

namespace kv {

SoundEffects::SoundEffects(std::unique_ptr<SoundOutput> output) : output_(std::move(output)) {}

SoundEffects::~SoundEffects() {
    // The device thread must stop reading the clips before they go.
    output_.reset();
}

SoundEffects& SoundEffects::Get() {
    static SoundEffects effects(std::make_unique<SdlSoundOutput>());
    return effects;
}

bool SoundEffects::Open(const std::string& alias, const std::string& path) {
    const auto bytes = ReadFile(path);
    if (!bytes) return false;
    SoundClip clip;
    if (!DecodeWav(*bytes, clip)) return false;
    output_->Lock();
    mixer_.StopAll();  // a clip being replaced may be playing
    clips_[alias] = std::move(clip);
    output_->Unlock();
    return true;
}

void SoundEffects::Play(const std::string& alias) {
    auto it = clips_.find(alias);
    if (it == clips_.end()) return;
    if (!started_) {
        started_ = true;
        device_open_ = output_->Start(mixer_);
    }
    if (!device_open_) return;
    output_->Lock();
    mixer_.Play(it->second);
    output_->Unlock();
    output_->Played(alias);
}

void SoundEffects::StopAll() {
    output_->Lock();
    mixer_.StopAll();
    output_->Unlock();
}

}  // namespace kv
