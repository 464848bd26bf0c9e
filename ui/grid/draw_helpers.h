#pragma once
// The small drawing routines the grid and its companions (header styles, column painters,
// edits, pop-ups) share: colour blends and mixes, rectangle placement, gradients, aligned and
// turned text, pictures with an alpha channel, and the grid's colour palette. The desktop has
// no visual styles, so the themed routines report themselves inactive and every caller takes
// its classic path.
//
// Every routine works on its arguments and the canvas it is given, and keeps no state.

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/colors.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/visual_styles.h"
#include "platform/window/label.h"
#include "ui/grid/grid_types.h"

namespace kv {

class Picture;

class TCalcProvider {
  public:
    // Value / Max * 100, unrounded; Max must not be 0.
    static double GetPercent(double value, double max) { return value / max * 100; }
    // Rectangles that only touch overlap too.
    static bool RectsOverlap(const Rect& a, const Rect& b) {
        return !(a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top);
    }
    // The top-left corner of an item of that size placed in `rect`; centring ignores the margin.
    static Point PlaceInRect(int width, int height, int margin, const Rect& rect,
                             Alignment alignment, TVerticalAlignment vertical_alignment);
    static Rect AdjustRectEdges(const Rect& r, int d_left, int d_top, int d_right, int d_bottom) {
        return {r.left + d_left, r.top + d_top, r.right + d_right, r.bottom + d_bottom};
    }
};

class TGraphicsProvider {
  public:
    // Each channel (c1 * alpha + c2 * (255 - alpha)) >> 8, system colours resolved first; the
    // weights add up to 255, so white over white gives 254. Alpha above 255 is a caller's
    // error (GridError).
    static TColor BlendColors(TColor color1, TColor color2, int alpha);
    // Each channel c2 * ratio + c1 * (1 - ratio), rounded to nearest (halves to even).
    static TColor MixColors(TColor color1, TColor color2, double ratio);
    // `rect` becomes the canvas's whole clip.
    static void SetClipRect(Canvas& canvas, const Rect& rect);
    // A raised face: filled with clBtnFace, lit on the top and left, shaded on the bottom and
    // right.
    static void DrawButtonFace(Canvas& canvas, const Rect& rect);
    // Solid: a one-pixel frame in clHighlight; otherwise the dotted focus rectangle.
    static void DrawFocusOutline(Canvas& canvas, const Rect& rect, bool solid);
    // One line a row (a column) from the first colour towards the second; the last line's
    // ratio is (n - 1) / n, so the second colour is only approached.
    static void DrawVerticalGradient(Canvas& canvas, const Rect& rect, TColor top, TColor bottom);
    static void DrawHorizontalGradient(Canvas& canvas, const Rect& rect, TColor left, TColor right);
    // One line, vertically centred, cut with an ellipsis, no '&' prefixes; brush clear while
    // drawing and solid afterwards.
    static void DrawTextAligned(Canvas& canvas, const Rect& rect, Alignment alignment,
                                std::string_view text, bool right_to_left);
    // With word wrap, the block is measured and placed at the bottom or in the middle itself;
    // without it, one line placed by the vertical flags. No ellipsis.
    static void DrawTextRect(Canvas& canvas, Rect rect, Alignment alignment,
                             TVerticalAlignment vertical_alignment, bool word_wrap,
                             std::string_view text, bool right_to_left);
};

class TMaskProvider {
  public:
    static TColor BlendColors(TColor color1, TColor color2, int alpha) {
        return TGraphicsProvider::BlendColors(color1, color2, alpha);
    }
};

class TDrawProvider {
  public:
    // A picture composited over the canvas with its alpha as straight alpha, each channel
    // round(a * s / 255) + round((1 - a / 255) * d), halves to even.
    static void DrawAlphaGraphic(Canvas& canvas, int x, int y, const Picture& graphic);
};

// The same compositing in the cheaper blend form: each pixel BlendColors(source, destination,
// alpha), so a fully opaque pixel comes out one step darker than the exact form's.
void DrawAlphaGraphicBlended(Canvas& canvas, int x, int y, const Picture& graphic);
// As DrawTextAligned with '&' prefixes (unless `no_prefix`) and no right-to-left reading.
void DrawTextLine(Canvas& canvas, const Rect& rect, Alignment alignment, std::string_view text,
                  bool no_prefix);
// Text turned to read upwards, aligned to the bottom of `rect`; with `multi_line` each line of a
// text with line breaks stands beside the one before it, left to right.
void DrawVerticalText(Canvas& canvas, Rect rect, std::string_view text, bool multi_line);

// Every pixel of the rectangle (within the canvas's clip) turned to its opposite colour.
void InvertPixels(Canvas& canvas, const Rect& rect);
// True when p lies farther than `distance` from q along either axis.
bool MovedBeyond(Point p, Point q, int distance);
// A cell address with either co-ordinate -1 stands for no cell.
inline bool IsEmptyCell(Point p) {
    return p.x == -1 || p.y == -1;
}
// The part of line `index` after its name and '=' ("a=b=c" gives "b=c"); a line without '='
// loses its first character, as the lists have always shown it. Empty for a negative index.
std::string GetValueFromIndex(const std::vector<std::string>& strings, int index);
inline void SwapIntegers(int& a, int& b) {
    std::swap(a, b);
}

int GetWideTextWidth(const Canvas& canvas, std::string_view text);
int GetWideTextHeight(const Canvas& canvas, std::string_view text);
// The widest line, '&' taken as a prefix ("&&" counts as one).
int GetMultiLineTextWidth(Canvas& canvas, std::string_view text);

// The grid's palette: 24 slots a scheme; scheme 0 is the default scheme (2).
constexpr int kDefaultScheme = 2;
TColor GetSchemeColor(int slot, int scheme = 0);

// The grid's own visual-styles binding; never loaded on this desktop.
VisualStylesBinding& GridVisualStyles();
bool GridVisualStylesActive();
// Draws one themed part when a theme serves the class; nothing otherwise.
void DrawThemedPart(Canvas& canvas, const Rect& rect, std::string_view class_name, int part,
                    int state);

}  // namespace kv
