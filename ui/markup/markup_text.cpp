#include "ui/markup/markup_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <utility>

#include "platform/base/ascii.h"

namespace kv {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void ReplaceAllIgnoreCase(std::string& text, std::string_view pattern, std::string_view with) {
    std::size_t at = FindIgnoreCase(text, pattern);
    if (at == std::string::npos) return;
    // Built anew rather than replaced in place, so many matches cost no more than one.
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (; at != std::string::npos; at = FindIgnoreCase(text, pattern, from)) {
        out.append(text, from, at - from);
        out.append(with);
        from = at + pattern.size();
    }
    out.append(text, from, std::string::npos);
    text = std::move(out);
}

// Entities and what the game shows for them (the 1252 characters, in UTF-8).
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kEntities{{
    {"&amp;", "&&"},
    {"&quot;", "\""},
    {"&sect;", "§"},
    {"&permil;", "‰"},
    {"&reg;", "®"},
    {"&copy;", "©"},
    {"&para;", "¶"},
    {"&trade;", "™"},
    {"&euro;", "€"},
}};

constexpr std::array<std::pair<std::string_view, TColor>, 40> kColorNames{{
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", SystemColor(0x01)},
    {"clactivecaption", SystemColor(0x02)},
    {"clinactivecaption", SystemColor(0x03)},
    {"clmenu", SystemColor(0x04)},
    {"clwindow", SystemColor(0x05)},
    {"clwindowframe", SystemColor(0x06)},
    {"clmenutext", SystemColor(0x07)},
    {"clwindowtext", SystemColor(0x08)},
    {"clcaptiontext", SystemColor(0x09)},
    {"clactiveborder", SystemColor(0x0A)},
    {"clinactiveborder", SystemColor(0x0B)},
    {"clappworkspace", SystemColor(0x0C)},
    {"clhighlight", SystemColor(0x0D)},
    {"clhighlighttext", SystemColor(0x0E)},
    {"clbtnface", SystemColor(0x0F)},
    {"clbtnshadow", SystemColor(0x10)},
    {"clgraytext", SystemColor(0x11)},
    {"clbtntext", SystemColor(0x12)},
    {"clinactivecaptiontext", SystemColor(0x13)},
    {"clbtnhighlight", SystemColor(0x14)},
    {"cl3ddkshadow", SystemColor(0x15)},
    {"cl3dlight", SystemColor(0x16)},
    {"clinfotext", SystemColor(0x17)},
    {"clinfobk", SystemColor(0x18)},
}};

// Removes every section from open to close (the closing text included); an unclosed
// section hides the rest of the text.
std::string DropSections(std::string_view text, std::string_view open, std::string_view close,
                         bool ignore_case) {
    std::string out;
    while (true) {
        const std::size_t at = ignore_case ? FindIgnoreCase(text, open) : text.find(open);
        if (at == std::string_view::npos) break;
        out.append(text.substr(0, at));
        const std::size_t end = ignore_case ? FindIgnoreCase(text, close, at + open.size())
                                            : text.find(close, at + open.size());
        if (end == std::string_view::npos) return out;
        text.remove_prefix(end + close.size());
    }
    out.append(text);
    return out;
}

}  // namespace

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view pattern, std::size_t from) {
    if (pattern.empty()) return from <= text.size() ? from : std::string_view::npos;
    if (pattern.size() > text.size()) return std::string_view::npos;
    for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < pattern.size() && AsciiUpper(text[i + k]) == AsciiUpper(pattern[k])) ++k;
        if (k == pattern.size()) return i;
    }
    return std::string_view::npos;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           FindIgnoreCase(text.substr(0, prefix.size()), prefix) == 0;
}

std::size_t PosIgnoreCase(std::string_view pattern, std::string_view text) {
    const std::size_t at = FindIgnoreCase(text, pattern);
    return at == std::string_view::npos ? 0 : at + 1;
}

bool ReplaceFirstIgnoreCase(std::string_view pattern, std::string_view replacement,
                            std::string& text) {
    const std::size_t at = FindIgnoreCase(text, pattern);
    if (at == std::string::npos) return false;
    text.replace(at, pattern.size(), replacement);
    return true;
}

std::string JoinMarkupLines(std::string_view text, bool br_as_tag) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n') continue;
        if (c == '\r') {
            if (br_as_tag) out += "<BR>";
            continue;
        }
        out += c;
    }
    return out;
}

std::string RemoveHashMarkers(std::string_view text, bool first_only) {
    if (first_only) {
        std::string out(text);
        const std::size_t at = out.find("<#");
        if (at == std::string::npos) return out;
        out.erase(at, 1);
        const std::size_t close = out.find('>', at);
        if (close != std::string::npos) out.erase(close, 1);
        return out;
    }
    // Each marker takes the first '>' not yet taken after it, and taking a '<' or a '>' away
    // may join a '<' to a '#' into a further marker; one pass that counts the '>' owed keeps
    // that in linear time.
    std::string out;
    out.reserve(text.size());
    std::size_t owed = 0;
    for (const char c : text) {
        if (c == '#') {
            while (!out.empty() && out.back() == '<') {
                out.pop_back();
                ++owed;
            }
        } else if (c == '>' && owed > 0) {
            --owed;
            continue;
        }
        out += c;
    }
    return out;
}

std::string DecodeEntities(std::string_view text) {
    if (text.find('&') == std::string_view::npos) return std::string(text);
    // Decoding repeats until no entity is left, and the "&&" of "&amp;" may form a new entity
    // with what follows it ("&amp;amp;" ends as "&&&"). Entities never overlap, so one pass
    // that looks again at that second '&' reaches the same end in linear time.
    std::string work(text);
    std::string out;
    out.reserve(work.size());
    std::size_t i = 0;
    while (i < work.size()) {
        if (work[i] != '&') {
            out += work[i++];
            continue;
        }
        const std::string_view rest = std::string_view(work).substr(i);
        bool decoded = false;
        for (const auto& [entity, shown] : kEntities) {
            if (!StartsWithIgnoreCase(rest, entity)) continue;
            decoded = true;
            if (entity == "&amp;") {
                out += '&';
                i += entity.size() - 1;
                work[i] = '&';  // the second '&' stands where the ';' was
            } else {
                out += shown;
                i += entity.size();
            }
            break;
        }
        if (!decoded) out += work[i++];
    }
    return out;
}

std::string DecodeRunEntities(std::string_view run) {
    std::string out(run);
    if (out.find('&') == std::string::npos) return out;
    ReplaceAllIgnoreCase(out, "&nbsp;", " ");
    ReplaceAllIgnoreCase(out, "&lt;", "<");
    ReplaceAllIgnoreCase(out, "&gt;", ">");
    return out;
}

std::string PrepareMarkup(std::string_view text, bool first_marker_only) {
    return JoinMarkupLines(RemoveHashMarkers(DecodeEntities(text), first_marker_only), true);
}

TColor ColorFromHex(std::string_view value) {
    auto pair = [&](std::size_t at) {
        int v = 0;
        for (std::size_t i = at; i < at + 2; ++i) {
            const int d = i < value.size() ? HexDigit(value[i]) : 0;
            v = v * 16 + (d < 0 ? 0 : d);
        }
        return static_cast<TColor>(v);
    };
    return pair(1) + 256 * pair(3) + 65536 * pair(5);
}

TColor ColorFromName(std::string_view name) {
    const std::string lower = LowerAscii(name);
    for (const auto& [n, color] : kColorNames) {
        if (n == lower) return color;
    }
    return 0;
}

TColor ColorFromValue(std::string_view value) {
    if (!value.empty() && value[0] == '#') return ColorFromHex(value);
    return ColorFromName(value);
}

namespace {

// Reads an integer at the start of s; returns the number of characters used (0 when no digit).
std::size_t ParseNumber(std::string_view s, long long& result) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    const std::size_t digits_from = i;
    long long v = 0;
    while (i < s.size()) {
        const int d = base == 16 ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
        if (d < 0) break;
        if (v <= kMarkupNumberLimit) v = v * base + d;  // a huge value saturates
        ++i;
    }
    if (i == digits_from) return 0;
    v = std::min<long long>(v, kMarkupNumberLimit);
    result = negative ? -v : v;
    return i;
}

}  // namespace

int ReadMarkupNumber(std::string_view value) {
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    long long v = 0;
    return ParseNumber(value, v) ? static_cast<int>(v) : 0;
}

std::optional<int> ReadWholeNumber(std::string_view value) {
    long long v = 0;
    const std::size_t used = ParseNumber(value, v);
    if (used == 0 || used != value.size()) return std::nullopt;
    return static_cast<int>(v);
}

std::optional<std::string> MarkupAttribute(std::string_view tag, std::string_view name) {
    const std::size_t at = FindIgnoreCase(tag, name);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t open = tag.find('"', at + name.size());
    if (open == std::string_view::npos) return std::string();
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string_view::npos) return std::string();
    return std::string(tag.substr(open + 1, close - open - 1));
}

std::string StripMarkup(std::string_view text) {
    std::string s(text);
    ReplaceAllIgnoreCase(s, "<BR>", "\r\n");
    ReplaceAllIgnoreCase(s, "<HR>", "\r\n");
    s = DropSections(s, "<z>", "</z>", false);
    s = DropSections(s, "<Z>", "</Z>", false);
    return DropSections(s, "<", ">", false);
}

}  // namespace kv
