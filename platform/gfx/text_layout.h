#pragma once
// Text measuring and the desktop's DrawText rules (line breaks, word breaking,
// end ellipsis, '&' accelerators) on top of Pango. Fonts, metrics and the widths
// of recent strings are cached, so painting a table of text stays fast.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"

namespace kv {

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int external_leading = 0;  // the face's recommended gap between lines
    int height() const { return ascent + descent; }
};

FontMetrics MeasureFontMetrics(const Font& font);
// The advance width of one line of text in whole pixels.
int MeasureTextWidth(const Font& font, std::string_view utf8);

// A new layout (the caller unrefs it) on the shared text context, in the font,
// for text that needs Pango's own wrapping and alignment.
PangoLayout* CreateTextLayout(const Font& font);

// Sets a layout's text; bytes that are not UTF-8 become replacement marks.
void SetLayoutText(PangoLayout* layout, std::string_view utf8);

// Draws one line with its cell's top-left at (x, y) in the font's colour (or
// `color` when given); accel_byte is the byte offset of the character to
// underline, or -1.
void DrawTextRun(cairo_t* cr, const Font& font, double x, double y, std::string_view utf8,
                 int accel_byte = -1, TColor color = clDefault);

struct TextLine {
    std::string text;     // as shown: prefixes resolved, ellipsis added
    int accel_byte = -1;  // byte in `text` to underline, or -1
    int width = 0;
    int x = 0;  // offset from the layout's left for its alignment
};

struct TextBlock {
    std::vector<TextLine> lines;
    int line_height = 0;
    int width = 0;   // widest line
    int height = 0;  // lines * line height
};

// Lays out text in a box of the given width by the DT_ flags of Canvas::DrawText.
TextBlock LayoutText(std::string_view utf8, const Font& font, int box_width, unsigned flags);

// Removes '&' prefixes: "&&" shows one '&'; a single '&' marks the next
// character, whose byte offset in the result goes to accel_byte (or -1).
std::string StripPrefixes(std::string_view utf8, int& accel_byte);

}  // namespace kv
