#pragma once
// UTF-8 encoding and decoding shared by the 1252 conversion and the text boxes, which edit
// characters rather than bytes.

#include <string>
#include <string_view>

namespace kv {

void AppendUtf8(std::string& out, char32_t cp);
// Decodes one code point at s[i]; returns false (and advances one byte) when malformed.
bool DecodeUtf8(std::string_view s, size_t& i, char32_t& cp);
// The byte after the character that starts at s[i]: the next one that is not a continuation
// byte, so a cut there never splits a character.
size_t Utf8CharEnd(std::string_view s, size_t i);

// Code points of UTF-8 text; a malformed byte becomes the code point of the byte itself, so
// nothing typed or pasted is lost.
std::u32string ToUtf32(std::string_view utf8);
std::string ToUtf8(std::u32string_view text);

// ASCII and accented Latin-1 capitals to small letters, the case the game ignores in file
// names and accelerator keys; every other code point is returned as it is.
constexpr char32_t LowerChar(char32_t ch) {
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)) return ch + 32;
    return ch;
}

}  // namespace kv
