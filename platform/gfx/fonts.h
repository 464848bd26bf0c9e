#pragma once
// Fonts as the windows describe them: a Windows family name, a size in points at
// 96 dots per inch, a style set and a colour. The family goes through a
// substitution table to a face that is installed here.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/colors.h"

namespace kv {

using FontStyles = uint8_t;
constexpr FontStyles fsBold = 1;
constexpr FontStyles fsItalic = 2;
constexpr FontStyles fsUnderline = 4;
constexpr FontStyles fsStrikeOut = 8;

struct Font {
    std::string name = "Tahoma";
    int size = 8;  // points at 96 dpi
    FontStyles style = 0;
    TColor color = clWindowText;
    int angle = 0;  // degrees counter-clockwise, turning about the text's top-left

    bool bold() const { return style & fsBold; }
    bool italic() const { return style & fsItalic; }
    bool underline() const { return style & fsUnderline; }
    bool strike_out() const { return style & fsStrikeOut; }
    // The em height in pixels, rounded as the desktop rounds it (8 pt -> 11 px).
    int pixel_size() const;
    friend bool operator==(const Font&, const Font&) = default;
};

constexpr int kScreenDpi = 96;

// Points to whole pixels at 96 dpi, rounded to nearest (MulDiv style).
int PointsToPixels(int points);

// The installed family that stands in for a Windows family name. Unknown names
// map to the sans-serif face.
std::string_view SubstituteFontFamily(std::string_view windows_name);

// Shown by the smooth controls and the glow button when nothing else is set.
std::string_view DefaultUIFontName();

}  // namespace kv
