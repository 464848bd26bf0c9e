#pragma once
// What the mark-up renderer needs from a drawing surface. The engine lays text out through
// this interface only, so one engine serves the GDI-style canvas, the GDI+-style surface
// and the tests' recording canvas with a fixed-width font.

#include <string>
#include <string_view>

#include "platform/gfx/geometry.h"
#include "ui/markup/markup_text.h"

namespace kv {

class EncodedPicture;
class Picture;

struct MarkupFont {
    std::string name = "Arial";
    int size = 8;  // points
    TColor color = 0;
    bool bold = false, italic = false, underline = false, strikeout = false;
    int angle = 0;  // degrees, counter-clockwise
    bool operator==(const MarkupFont&) const = default;
};

// How one text run is measured or drawn: always one line, bottom-aligned in its rectangle
// (bullets and numbers: top-left), clipped to it.
struct MarkupTextFlags {
    bool prefix = true;  // '&' marks an accelerator, "&&" shows one '&'
    bool end_ellipsis = false;
    bool top_aligned = false;
    bool external_leading = false;  // measuring only
    TColor background = clNone;     // filled behind the text; clNone leaves it clear
};

// The entries of an image list ("idx:" pictures); all of one size.
class MarkupImageList {
  public:
    virtual ~MarkupImageList() = default;
    virtual int Count() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The entry's picture, for surfaces that draw it; nullptr when there is none to show.
    virtual const Picture* Entry(int) const { return nullptr; }
};

class MarkupCanvas {
  public:
    virtual ~MarkupCanvas() = default;

    // Plain extent of a text in a font (no prefix handling).
    virtual Size TextExtent(const MarkupFont& font, std::string_view text) = 0;
    // Extent of a run as the text drawing will lay it out.
    virtual Size MeasureText(const MarkupFont& font, std::string_view text,
                             const MarkupTextFlags& flags) = 0;
    virtual void DrawText(const MarkupFont& font, std::string_view text, const Rect& rect,
                          const MarkupTextFlags& flags) = 0;

    // A one-pixel line that leaves out its last pixel.
    virtual void Line(int x0, int y0, int x1, int y1, TColor color) = 0;
    virtual void FillRect(const Rect& rect, TColor color) = 0;
    virtual void FillEllipse(const Rect& rect, TColor color) = 0;
    virtual void DrawFocusRect(const Rect& rect) = 0;

    // The picture's bytes decoded and stretched into rect (natural size when rect has it).
    virtual void DrawPicture(const EncodedPicture& picture, const Rect& rect) = 0;
    // An image-list entry; transparent at (rect.left, rect.top) at the list's size, or
    // stretched without transparency into rect when stretched.
    virtual void DrawListImage(const MarkupImageList& images, int index, const Rect& rect,
                               bool stretched) = 0;
    // Drawing is limited to rect (within any clip already set) until the matching PopClip.
    virtual void PushClip(const Rect& rect) = 0;
    virtual void PopClip() = 0;
    // Where drawing can show at all; nothing outside it needs drawing.
    virtual Rect VisibleArea() { return {-(1 << 30), -(1 << 30), 1 << 30, 1 << 30}; }

    // System colours resolved to 0x00BBGGRR.
    virtual TColor ToRgb(TColor color) = 0;
    virtual int PixelsPerInchX() { return 96; }
    virtual int PixelsPerInchY() { return 96; }
};

}  // namespace kv
