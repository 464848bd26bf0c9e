#pragma once
// The options file `korvanel.ini` beside the program: section "opcoes", every value text. It is
// read once when a new game is built and gives that game its starting options; the options
// windows write each change at once, so the next new game follows it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

inline constexpr std::string_view kOptionsSection = "opcoes";
inline constexpr std::string_view kOptionNotFound = "nofound";
inline constexpr std::int32_t kFallbackListColour = 255;  // red, when any list colour fails
inline constexpr std::array<std::int32_t, 5> kDefaultListColours = {4822164, 6599603, 8503488,
                                                                    10736081, 12377822};

// One choice of an option's list: the text the options window shows and the value it stands
// for. The options window and the options reader share these tables.
struct OptionItem {
    std::string_view text;
    std::int32_t value;
};
// Milliseconds per tick with a human club playing (`opvelocidade` is the item index).
inline constexpr std::array<OptionItem, 7> kMatchSpeedItems = {{{"Lento", 3000},
                                                                {"Normal", 2000},
                                                                {"Rápido", 1500},
                                                                {"Bem rápido", 600},
                                                                {"Super rápido", 300},
                                                                {"Ultra rápido", 100},
                                                                {"Hiper rápido", 50}}};
// Milliseconds per tick with no human club (`opnhvelocidade`).
inline constexpr std::array<OptionItem, 7> kNoHumanMatchSpeedItems = {{{"Lento", 3000},
                                                                       {"Normal", 2000},
                                                                       {"Rápido", 1500},
                                                                       {"Bem rápido", 600},
                                                                       {"Super rápido", 300},
                                                                       {"Ultra rápido", 50},
                                                                       {"Ultrasonica", 5}}};
// `autosave_mode` (`opsalvar`) and `contract_notices` (`opemails`): the value is the index.
inline constexpr std::array<OptionItem, 4> kAutosaveItems = {
    {{"Não salvar", 0}, {"A cada 3 jogos", 1}, {"A cada jogo", 2}, {"Início do ano", 3}}};
inline constexpr std::array<OptionItem, 4> kContractNoticeItems = {
    {{"Sim", 0}, {"Só término", 1}, {"Só faltando 3 semanas", 2}, {"Não", 3}}};

template <std::size_t N>
constexpr std::int32_t LastItem(const std::array<OptionItem, N>&) {
    return static_cast<std::int32_t>(N) - 1;
}

// "korvanel.ini" in the game folder (see GameFolder).
std::string OptionsFilePath();

// A few keys of text: anything longer is not an options file.
inline constexpr std::size_t kMaxOptionsFileSize = 64 * 1024;

// The value stored under the key, trimmed; kOptionNotFound when the file, section or key is
// missing. Section and key names ignore case. Only a regular file of at most
// kMaxOptionsFileSize bytes is read: anything else in its place (a pipe, a device, a folder, a
// file that cannot be read) reads as no file, so every option keeps its default.
std::string ReadOption(std::string_view section, std::string_view key);

// Stores the value, creating the file, the section or the key as needed and keeping every other
// line as it stands. A file that cannot be written leaves the option changed in the game only,
// so failures are swallowed; a file that is there but could not be read whole is never
// written, so the options it holds are not lost.
void WriteOption(std::string_view section, std::string_view key, std::string_view value);

// The starting options of a new game, every value already within what the windows can show.
struct LoadedOptions {
    std::int32_t match_delay = 800;            // ms per tick with a human club playing
    std::int32_t match_delay_no_humans = 600;  // ms per tick otherwise
    bool halftime_window = true;
    bool show_ai_shootouts = false;
    bool show_coach_changes = false;
    bool sound_on = true;
    bool auto_renew_contracts = false;
    bool list_colours_on = false;
    bool bold_home_events = false;
    bool keep_lineup = false;
    std::int32_t autosave_mode = 0;     // 0..3
    std::int32_t contract_notices = 0;  // 0..3
    std::array<std::int32_t, 5> list_colours = {kFallbackListColour, kFallbackListColour,
                                                kFallbackListColour, kFallbackListColour,
                                                kFallbackListColour};
};

// Reads every key of the options file with its default for a missing or bad value.
LoadedOptions ReadOptionsFile();

// Gives the running game's state the options of the file; called once by the new-game builder.
void LoadOptions();

// A whole decimal number, spaces around it allowed; nothing for any other text.
std::optional<std::int32_t> ParseOptionNumber(std::string_view text);

// Colours travel as text: the name of a standard colour ("clRed") or "$" and eight hexadecimal
// digits of 0x00BBGGRR; a plain decimal number is also read. Nothing for text that is not a
// colour the screens can draw.
std::string ColourToText(std::int32_t colour);
std::optional<std::int32_t> ColourFromText(std::string_view text);

}  // namespace kv
