#pragma once
// The game's sound effects: WAV files registered once under a short alias, then played by alias
// without blocking. Playing an alias that is still sounding restarts it; different aliases mix.
// A missing file, an unknown alias or a machine without sound is silent, never an error.
// A file may be registered to be read only when it is first needed, so that start-up does not
// decode sounds a session may never play.

#include <map>
#include <memory>
#include <string>

#include "platform/sound/mixer.h"
#include "platform/sound/sound_clip.h"
#include "platform/sound/sound_output.h"

namespace kv {

class SoundEffects {
public:
    explicit SoundEffects(std::unique_ptr<SoundOutput> output);
    ~SoundEffects();

    // The program's instance, on the SDL audio device (started on first use).
    static SoundEffects& Get();

    // Registers the WAV file (Windows-style paths welcome) under `alias`; false, and nothing
    // registered, when it is missing or not a sound we can play.
    bool Open(const std::string& alias, const std::string& path);
    // Registers `path` under `alias` to be read and decoded on the alias's first use (Has or
    // Play); a file that then fails to load leaves the alias unregistered, as Open would.
    void OpenOnFirstUse(const std::string& alias, const std::string& path);
    // True when the alias holds a playable sound; loads a sound registered for first use.
    bool Has(const std::string& alias);
    // True when the alias's sound is in memory (false while it waits for its first use).
    bool Loaded(const std::string& alias) const { return clips_.count(alias) != 0; }
    void Play(const std::string& alias);
    void StopAll();
    bool DeviceOpen() const { return device_open_; }

private:
    // Loads the sound waiting for its first use under `alias`, if any.
    void LoadPending(const std::string& alias);

    std::unique_ptr<SoundOutput> output_;
    Mixer mixer_;
    std::map<std::string, SoundClip> clips_;
    std::map<std::string, std::string> pending_;  // alias -> file, read on first use
    bool started_ = false;
    bool device_open_ = false;
};

}  // namespace kv
