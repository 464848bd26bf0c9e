#include "core/markup_escape.h"

#include <array>

namespace kv {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// What follows the '&' of every entity the mark-up knows. The "&&" an escaped '&' becomes
// would make one of these out of the letters after it, so a tag that does nothing goes
// between them.
constexpr std::array<std::string_view, 12> kEntityTails = {
    "amp;",  "quot;",  "sect;", "permil;", "reg;", "copy;",
    "para;", "trade;", "euro;", "nbsp;",   "lt;",  "gt;",
};

bool StartsAnEntity(std::string_view rest) {
    for (std::string_view tail : kEntityTails) {
        if (StartsWithIgnoringCase(rest, tail)) return true;
    }
    return false;
}

}  // namespace

std::string EscapeMarkupText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') {
            out += "&amp;";
            if (StartsAnEntity(text.substr(i + 1))) out += "<>";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace kv
