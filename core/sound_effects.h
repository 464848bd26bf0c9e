#pragma once
// The seven short sounds of a shown match. Each file in sons/ is registered once at start-up under
// a short alias, read on its first use and then played by alias when its event happens, if the
// player has sounds on. A missing or failing sound is silent: sound never stops the game.

#include <array>
#include <string_view>

namespace kv {

class SoundEffects;

// The effects the game plays through: the program's own on the audio device unless a test hands
// in one with a recording output. nullptr goes back to the program's own.
void SetSoundEffects(SoundEffects* effects);

struct SoundEffectFile {
    std::string_view alias;
    std::string_view file;  // inside the game folder, written the Windows way
};

// In the order they are opened at start-up. Note that "gol" plays gol1.wav.
inline constexpr std::array<SoundEffectFile, 7> kSoundEffectFiles = {{
    {"gol", "sons\\gol1.wav"},
    {"goladv", "sons\\goladv.wav"},
    {"fimjogo", "sons\\fimjogo.wav"},
    {"penalty", "sons\\penalty.wav"},
    {"contusao", "sons\\contusao.wav"},
    {"intervalo", "sons\\intervalo.wav"},
    {"expulsao", "sons\\expulsao.wav"},
}};

// Opens one file under an alias, silently doing nothing on failure.
void OpenSoundAlias(std::string_view file, std::string_view alias);
// At start-up: registers every effect whose file exists in the game folder, to be read when it
// is first played.
void OpenSoundAliases();
// Plays the alias when the game's sounds are on; an alias never opened is silent.
void PlaySoundAlias(std::string_view alias);

}  // namespace kv
