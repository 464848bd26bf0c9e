#include "ui/markup/markup_tag.h"

#include "platform/base/ascii.h"
#include "ui/markup/markup_text.h"

namespace kv {
namespace {

char UpperAt(std::string_view s, std::size_t i) {
    return i < s.size() ? AsciiUpper(s[i]) : 0;
}

}  // namespace

MarkupTag ReadMarkupTag(std::string_view remaining) {
    MarkupTag tag;
    tag.closing = remaining.size() > 3 && remaining[1] == '/';
    const std::size_t letter_at = tag.closing ? 2 : 1;
    tag.letter = UpperAt(remaining, letter_at);
    tag.second = UpperAt(remaining, letter_at + 1);
    const std::size_t end = remaining.find('>');
    tag.closed = end != std::string_view::npos;
    tag.text = tag.closed ? remaining.substr(0, end + 1) : remaining;
    const std::size_t attr_end = tag.closed ? end : remaining.size();
    const std::size_t attr_from = std::min(letter_at + 1, attr_end);
    tag.attributes = remaining.substr(attr_from, attr_end - attr_from);
    return tag;
}

MarkupRun CutMarkupRun(std::string_view remaining, bool word_wrap) {
    std::size_t end = remaining.find('<');
    if (end == std::string_view::npos) end = remaining.size();
    if (word_wrap) {
        const std::size_t blank = remaining.substr(0, end).find(' ');
        if (blank != std::string_view::npos) end = blank + 1;
    }
    return {end, DecodeRunEntities(remaining.substr(0, end))};
}

}  // namespace kv
