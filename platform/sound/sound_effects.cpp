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
    pending_.erase(alias);
    const auto bytes = ReadFile(path);
    if (!bytes) return false;
    SoundClip clip;
    if (!DecodeWav(*bytes, clip)) return false;
    output_->Lock();
    // A clip being replaced may be playing; a new one (a sound loaded on its first use during
    // play) leaves the others sounding.
    if (clips_.count(alias) != 0) mixer_.StopAll();
    clips_[alias] = std::move(clip);
    output_->Unlock();
    return true;
}

void SoundEffects::OpenOnFirstUse(const std::string& alias, const std::string& path) {
    pending_[alias] = path;
}

void SoundEffects::LoadPending(const std::string& alias) {
    auto it = pending_.find(alias);
    if (it == pending_.end()) return;
    const std::string path = std::move(it->second);
    pending_.erase(it);
    Open(alias, path);
}

bool SoundEffects::Has(const std::string& alias) {
    LoadPending(alias);
    return clips_.count(alias) != 0;
}

void SoundEffects::Play(const std::string& alias) {
    LoadPending(alias);
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
