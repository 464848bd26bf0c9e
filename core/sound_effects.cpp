#include "core/sound_effects.h"

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/base/files.h"

namespace kv {
namespace {

SoundOutput* g_output = nullptr;

}  // namespace

void SetSoundOutput(SoundOutput* output) {
    g_output = output;
}

void OpenSoundAlias(std::string_view file, std::string_view alias) {
    if (g_output) g_output->Open(ResolvePath(GamePath(file)), alias);
}

void OpenSoundAliases() {
    for (const SoundEffect& effect : kSoundEffects) {
        if (FileExists(GamePath(effect.file))) OpenSoundAlias(effect.file, effect.alias);
    }
}

void PlaySoundAlias(std::string_view alias) {
    if (g_output && Game().game_state.sound_on) g_output->Play(alias);
}

}  // namespace kv
