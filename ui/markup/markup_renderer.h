#pragma once
// Lays a mark-up text out in a rectangle and, in one call, measures it, draws it or finds
// the anchor under a point. Every line is measured first (how much fits, how high it is,
// where its alignment puts it) and then drawn or hit-tested from the same starting state.

#include <string>
#include <string_view>

#include "ui/markup/markup_canvas.h"

namespace kv {

class MarkupPictureSource;
class TMarkupPictureCache;

// The canvas renderer and the antialiased (GDI+-style) one share one engine; the second keeps
// its own rules where the controls drawn with it were laid out by them (top-left text boxes,
// fewer tags, no device scaling).
enum class MarkupDialect { kCanvas, kGraphics };

struct MarkupOptions {
    Rect bounds;
    const MarkupImageList* images = nullptr;  // "idx:" pictures
    int point_x = -1;                         // the point to hit-test
    int point_y = -1;
    int focus_index = -1;  // 0-based anchor that gets a focus rectangle; -1 none
    int hover_index = -1;  // 1-based anchor under the mouse, as PointAnchor gave it
    int shadow_offset = 1;
    // <SHAD> rings the letters with the shadow colour on every side instead of dropping one
    // copy below and to the right: for letters that do not read on what lies under them.
    bool shadow_ring = false;
    bool hit_test_only = false;  // the second pass measures and hit-tests instead of drawing
    bool measure_only = false;   // no second pass: sizes, plain text, first-pass anchors
    bool print_mode = false;     // image-list pictures stretched by print_scale
    bool selected = false;       // on a selection background: tags keep text and back colours
    bool blink_on = true;        // false makes <BLINK> text invisible
    bool hover_enabled = false;  // only the hovered anchor is underlined and hover-coloured
    bool word_wrap = true;       // false: one line per line break, cut with an ellipsis
    double print_scale = 1.0;
    TColor url_color = 0xFF0000;
    TColor hover_color = clNone;       // background of the hovered anchor
    TColor hover_font_color = clNone;  // text colour of the hovered anchor
    TColor shadow_color = 0x808080;
    TMarkupPictureCache* picture_cache = nullptr;            // pictures named by address
    const MarkupPictureSource* picture_container = nullptr;  // pictures named by name
    int line_spacing = 0;
    // Right-to-left reading needs a right-to-left system locale; the game's reads left to
    // right, so the flag is carried for the callers but lays nothing out differently.
    bool right_to_left = false;
    MarkupDialect dialect = MarkupDialect::kCanvas;
};

struct MarkupResult {
    bool hit = false;  // the point lies on an anchor's text or picture
    std::string anchor_under_point;
    std::string plain_text;    // runs without tags, a CR per <BR>; each pass appends
    std::string anchor_title;  // hit test: the anchor's title; drawing: focused anchor's target
    int extent_x = 0;
    int extent_y = 0;
    int anchor_count = 0;
    int point_anchor = -1;   // 1-based
    Rect point_anchor_rect;  // the anchor's area on its last line
};

// base_font and background are what the surface would draw plain text with; the call leaves
// nothing changed on the surface but what it draws.
MarkupResult DrawMarkup(MarkupCanvas& canvas, const MarkupFont& base_font, TColor background,
                        std::string_view text, const MarkupOptions& options);

}  // namespace kv
