#pragma once
// Cutting a line of prepared mark-up into text runs and tags.

#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// A tag is known by its first letter and, for some, the character after it; the rest up to
// '>' is its attribute text.
struct MarkupTag {
    bool closing = false;
    char letter = 0;              // upper case
    char second = 0;              // upper case; 0 when the text ends after the letter
    bool closed = false;          // a '>' ends it; without one the tag runs to the end of the text
    std::string_view text;        // from '<' through '>' (or to the end of the text)
    std::string_view attributes;  // what follows the letter, without the '>'
};

// remaining starts with '<' and holds at least 3 characters.
MarkupTag ReadMarkupTag(std::string_view remaining);

struct MarkupRun {
    std::size_t source_length = 0;  // how much of the prepared text the run consumes
    std::string text;               // with &nbsp; &lt; &gt; decoded
};

// The text before the next tag; with word wrapping only up to and including the first blank.
MarkupRun CutMarkupRun(std::string_view remaining, bool word_wrap);

}  // namespace kv
