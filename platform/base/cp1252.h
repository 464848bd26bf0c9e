#pragma once
// The teams database and saved games hold Windows-1252 text; the program works in UTF-8.

#include <string>
#include <string_view>

namespace kv {

// Every 1252 byte becomes its UTF-8 form; the five bytes 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters with no 1252 form, and malformed UTF-8 sequences, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Number of characters (code points) in a UTF-8 string; malformed bytes count one each.
size_t Utf8Length(std::string_view utf8);

}  // namespace kv
