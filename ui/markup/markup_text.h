#pragma once
// The mark-up language the game writes its rich texts in: preparation of a text before
// layout, entities, colour and number values, attribute look-up and the plain-text form.
// Texts are UTF-8 in memory; every character the language gives a meaning is ASCII, so
// byte positions are safe to cut at.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gfx/colors.h"

namespace kv {

// Drops every LF; every CR becomes "<BR>" when br_as_tag, else it is dropped too.
std::string JoinMarkupLines(std::string_view text, bool br_as_tag);
// "<#12>" becomes "#12": markers that look like tags are shown as text. With first_only, later
// markers stay as they are (the antialiased renderer treats only the first).
std::string RemoveHashMarkers(std::string_view text, bool first_only = false);
// The named entities decoded once per text ("&amp;" becomes "&&", shown as one '&').
std::string DecodeEntities(std::string_view text);
// The entities decoded inside one text run, so that they neither split words nor open tags.
std::string DecodeRunEntities(std::string_view run);
// Entities, markers and line ends, in the order the renderer needs them.
std::string PrepareMarkup(std::string_view text, bool first_marker_only = false);

// "#RRGGBB" (either letter case); missing digits count 0.
TColor ColorFromHex(std::string_view value);
// "clRed", "clBtnFace", ... compared without case; unknown names are black.
TColor ColorFromName(std::string_view name);
// A colour attribute value: "#" starts a hexadecimal colour, anything else is a name.
TColor ColorFromValue(std::string_view value);

// No number a tag gives goes beyond this either way: no surface is that large, and positions
// and sizes built from such numbers stay far inside an int.
constexpr int kMarkupNumberLimit = 1 << 16;

// The leading integer of a value: blanks skipped, a sign, "$" or "0x" for hexadecimal;
// reading stops at the first stray character and no digits at all read 0. Values beyond
// kMarkupNumberLimit read as the limit.
int ReadMarkupNumber(std::string_view value);
// The whole value must be one integer, nothing else (used by the <IND> tab).
std::optional<int> ReadWholeNumber(std::string_view value);

bool ReplaceFirstIgnoreCase(std::string_view pattern, std::string_view replacement,
                            std::string& text);
// 1-based position of pattern in text ignoring case, 0 when absent.
std::size_t PosIgnoreCase(std::string_view pattern, std::string_view text);
// 0-based, npos when absent.
std::size_t FindIgnoreCase(std::string_view text, std::string_view pattern, std::size_t from = 0);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);

// The value of an attribute of a tag: name is searched (without case) in the tag's text and
// the value is what stands between the next two double quotes, in its written case. nullopt
// when the name does not occur; an empty value when no quotes follow it.
std::optional<std::string> MarkupAttribute(std::string_view tag, std::string_view name);

// The text of a mark-up with its tags and hidden sections removed; <BR> and <HR> become CR LF.
std::string StripMarkup(std::string_view text);

}  // namespace kv
