#include "core/sound_effects.h"

#include <string>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/base/files.h"
#include "platform/sound/sound_effects.h"

namespace kv {
namespace {

SoundEffects* g_effects = nullptr;

SoundEffects& Effects() {
    return g_effects ? *g_effects : SoundEffects::Get();
}

}  // namespace

void SetSoundEffects(SoundEffects* effects) {
    g_effects = effects;
}

void OpenSoundAlias(std::string_view file, std::string_view alias) {
    Effects().Open(std::string(alias), ResolvePath(GamePath(file)));
}

void OpenSoundAliases() {
    // Decoding waits for each sound's first use: most sessions start without playing any.
    for (const SoundEffectFile& effect : kSoundEffectFiles) {
        const std::string path = GamePath(effect.file);
        if (FileExists(path))
            Effects().OpenOnFirstUse(std::string(effect.alias), ResolvePath(path));
    }
}

void PlaySoundAlias(std::string_view alias) {
    if (Game().game_state.sound_on) Effects().Play(std::string(alias));
}

}  // namespace kv
