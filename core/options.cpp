#include "core/options.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "platform/base/files.h"

namespace kv {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto not_space = [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; };
    while (!s.empty() && !not_space(s.front())) s.remove_prefix(1);
    while (!s.empty() && !not_space(s.back())) s.remove_suffix(1);
    return s;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The section a line opens, or nothing when it opens none.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsKeyLine(std::string_view line, std::string_view key) {
    const std::size_t eq = line.find('=');
    return eq != std::string_view::npos && SameIgnoringAsciiCase(Trim(line.substr(0, eq)), key);
}

struct IniLines {
    std::vector<std::string> lines;
    bool crlf = false;
    bool bom = false;  // kept when the file is written back
    // Only a file read whole, or none at all, may be rewritten: rewriting one that could not be
    // read would keep only the key written.
    bool writable = false;
};

IniLines ReadLines() {
    IniLines ini;
    const FileContents file =
        ReadRegularFile(OptionsFilePath(), kMaxOptionsFileSize, ReadLimit::kWholeFile);
    ini.writable = file.ok() || file.status == FileReadStatus::kMissing;
    if (!file.ok()) return ini;
    std::string_view rest = file.bytes;
    // Editors that save UTF-8 may put a byte-order mark first; the first section is still read.
    if (rest.starts_with(kUtf8Bom)) {
        ini.bom = true;
        rest.remove_prefix(kUtf8Bom.size());
    }
    while (!rest.empty()) {
        const std::size_t nl = rest.find('\n');
        std::string_view line = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
        if (!line.empty() && line.back() == '\r') {
            ini.crlf = true;
            line.remove_suffix(1);
        }
        ini.lines.emplace_back(line);
    }
    return ini;
}

// The first line of the section (its header) and the line after its last key, or nothing.
struct SectionSpan {
    std::size_t header;
    std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines,
                                       std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionOf(lines[i]);
        if (!name || !SameIgnoringAsciiCase(*name, section)) continue;
        std::size_t end = i + 1;
        for (std::size_t j = i + 1; j < lines.size() && !SectionOf(lines[j]); ++j) {
            if (!Trim(lines[j]).empty()) end = j + 1;
        }
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

bool OptionFlag(std::string_view key, bool unless_zero, bool fallback) {
    const std::optional<std::int32_t> n = ParseOptionNumber(ReadOption(kOptionsSection, key));
    if (!n) return fallback;
    return unless_zero ? *n != 0 : *n == 1;
}

std::int32_t OptionInRange(std::string_view key, std::int32_t last, std::int32_t fallback) {
    const std::optional<std::int32_t> n = ParseOptionNumber(ReadOption(kOptionsSection, key));
    return n && *n >= 0 && *n <= last ? *n : fallback;
}

std::int32_t MatchDelay(std::string_view key, const std::array<OptionItem, 7>& items,
                        std::int32_t not_a_number) {
    const std::optional<std::int32_t> n = ParseOptionNumber(ReadOption(kOptionsSection, key));
    if (!n) return not_a_number;
    return *n >= 0 && *n < 7 ? items[static_cast<std::size_t>(*n)].value : 600;
}

struct NamedColour {
    std::string_view name;
    std::int32_t value;
};

constexpr std::array<NamedColour, 20> kNamedColours = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},   {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

}  // namespace

std::string OptionsFilePath() {
    return GamePath("korvanel.ini");
}

std::string ReadOption(std::string_view section, std::string_view key) {
    const IniLines ini = ReadLines();
    const std::optional<SectionSpan> span = FindSection(ini.lines, section);
    if (!span) return std::string(kOptionNotFound);
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const std::string_view line = ini.lines[i];
        if (!IsKeyLine(line, key)) continue;
        std::string_view value = Trim(line.substr(line.find('=') + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return std::string(value);
    }
    return std::string(kOptionNotFound);
}

void WriteOption(std::string_view section, std::string_view key, std::string_view value) {
    IniLines ini = ReadLines();
    if (!ini.writable) return;
    std::string entry = std::string(key) + "=" + std::string(value);
    const std::optional<SectionSpan> span = FindSection(ini.lines, section);
    if (!span) {
        while (!ini.lines.empty() && Trim(ini.lines.back()).empty()) ini.lines.pop_back();
        if (!ini.lines.empty()) ini.lines.emplace_back();
        ini.lines.push_back("[" + std::string(section) + "]");
        ini.lines.push_back(std::move(entry));
    } else {
        std::size_t at = span->end;
        for (std::size_t i = span->header + 1; i < span->end; ++i) {
            if (IsKeyLine(ini.lines[i], key)) {
                at = i;
                break;
            }
        }
        if (at < span->end) {
            ini.lines[at] = std::move(entry);
        } else {
            ini.lines.insert(ini.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
        }
    }
    const std::string_view eol = ini.crlf ? "\r\n" : "\n";
    std::string text(ini.bom ? kUtf8Bom : std::string_view{});
    for (const std::string& line : ini.lines) {
        text += line;
        text += eol;
    }
    WriteFileAtomic(OptionsFilePath(), text);
}

LoadedOptions ReadOptionsFile() {
    LoadedOptions o;
    o.match_delay = MatchDelay("opvelocidade", kMatchSpeedItems, 800);
    o.match_delay_no_humans = MatchDelay("opnhvelocidade", kNoHumanMatchSpeedItems, 600);
    o.halftime_window = OptionFlag("opintervalo", true, true);
    o.show_ai_shootouts = OptionFlag("op_verpenalty", false, false);
    o.show_coach_changes = OptionFlag("opvertrocatecnicos", true, false);
    o.sound_on = OptionFlag("opsom", true, true);
    o.auto_renew_contracts = OptionFlag("opcontrato", true, false);
    o.list_colours_on = OptionFlag("opcornalista", false, false);
    o.bold_home_events = OptionFlag("opnegrito", false, false);
    o.keep_lineup = OptionFlag("opescalacao", true, false);
    // Out of range would leave the options window without a selected item.
    o.autosave_mode = OptionInRange("opsalvar", LastItem(kAutosaveItems), 0);
    o.contract_notices = OptionInRange("opemails", LastItem(kContractNoticeItems), 0);
    for (int k = 0; k < 5; ++k) {
        const auto colour = ColourFromText(ReadOption(kOptionsSection, "cor" + std::to_string(k)));
        if (!colour) {
            o.list_colours.fill(kFallbackListColour);
            break;
        }
        o.list_colours[k] = *colour;
    }
    return o;
}

void LoadOptions() {
    const LoadedOptions o = ReadOptionsFile();
    t_game_state& s = Game().game_state;
    s.match_delay = o.match_delay;
    s.match_delay_no_humans = o.match_delay_no_humans;
    s.halftime_window = o.halftime_window;
    s.show_ai_shootouts = o.show_ai_shootouts;
    s.show_coach_changes = o.show_coach_changes;
    s.sound_on = o.sound_on;
    s.auto_renew_contracts = o.auto_renew_contracts;
    s.list_colours_on = o.list_colours_on;
    s.bold_home_events = o.bold_home_events;
    s.keep_lineup = o.keep_lineup;
    s.autosave_mode = o.autosave_mode;
    s.contract_notices = o.contract_notices;
    std::copy(o.list_colours.begin(), o.list_colours.end(), s.list_colours);
}

std::optional<std::int32_t> ParseOptionNumber(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string ColourToText(std::int32_t colour) {
    for (const NamedColour& c : kNamedColours) {
        if (c.value == colour) return std::string(c.name);
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<std::uint32_t>(colour));
    return text;
}

std::optional<std::int32_t> ColourFromText(std::string_view text) {
    text = Trim(text);
    for (const NamedColour& c : kNamedColours) {
        if (SameIgnoringAsciiCase(c.name, text)) return c.value;
    }
    std::optional<std::int32_t> value;
    if (!text.empty() && text.front() == '$') {
        std::uint32_t hex = 0;
        const std::string_view digits = text.substr(1);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), hex, 16);
        if (!digits.empty() && digits.size() <= 8 && error == std::errc{} &&
            end == digits.data() + digits.size()) {
            value = static_cast<std::int32_t>(hex);
        }
    } else {
        value = ParseOptionNumber(text);
    }
    // System colours (high byte set) and negative values are not colours a list row can show.
    if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
    return value;
}

}  // namespace kv
