#pragma once
// Where mixed sound goes: the SDL audio device, or a recorder in tests. The output pulls from
// the mixer on its own thread; Lock/Unlock guard the mixer while the game changes it.

#include <string>
#include <vector>

namespace kv {

class Mixer;

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts pulling from the mixer; false when there is no device (then nothing sounds).
    virtual bool Start(Mixer& mixer) = 0;
    virtual void Lock() {}
    virtual void Unlock() {}
    // Told of every effect started, by alias.
    virtual void Played(const std::string&) {}
};

// For tests: no device, only the list of effects started.
class RecordingSoundOutput : public SoundOutput {
public:
    bool Start(Mixer&) override { return true; }
    void Played(const std::string& alias) override { played.push_back(alias); }
    std::vector<std::string> played;
};

}  // namespace kv
