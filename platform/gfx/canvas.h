#pragma once
// The desktop-style canvas the windows paint with, over one Cairo context on an
// ARGB32 surface. It keeps the desktop's pixel rules: a rectangle (l,t,r,b)
// covers l..r-1 and t..b-1, a line leaves out its last pixel, and nothing is
// antialiased except the glyphs of text.

#include <cairo.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"

namespace kv {

class Picture;

enum PenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// The hatch styles draw one-pixel lines 8 pixels apart in the brush colour.
enum BrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
// pmXor and pmNot invert what lies under the pen (the focus rectangle uses them).
enum PenMode { pmCopy, pmNot, pmXor };

struct Pen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = psSolid;
    PenMode mode = pmCopy;
};

struct Brush {
    TColor color = clWhite;
    BrushStyle style = bsSolid;
};

enum class BkMode { Transparent, Opaque };

// Flags of DrawText, with the desktop's values so stored numbers keep meaning.
// Path and word ellipses cut at the end like DT_END_ELLIPSIS; DT_EDITCONTROL,
// DT_RTLREADING and DT_PREFIXONLY are accepted and change nothing.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

class Canvas {
  public:
    // An own surface of the given size, filled white.
    Canvas(int width, int height);
    // An own surface left as created (transparent black), for an owner that paints all of it
    // before it is read: filling it white first would only cost time.
    struct Unpainted {};
    Canvas(int width, int height, Unpainted);
    // Paints into a borrowed ARGB32 surface (a window's back buffer).
    explicit Canvas(cairo_surface_t* surface);
    // Paints into a picture; the picture must outlive the canvas.
    explicit Canvas(Picture& picture);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Pen pen;
    Brush brush;
    Font font;
    // Text background: painted in the brush colour only when Opaque and the brush
    // is solid (any other brush style leaves text transparent, as on the desktop).
    BkMode bk_mode = BkMode::Opaque;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cairo() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }

    // Lines: from the pen position to p, the last pixel left out.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    Point PenPos() const { return pen_pos_; }
    void Polyline(const std::vector<Point>& points);

    // Outlined with the pen, filled with the brush.
    void Rectangle(const Rect& r);
    void Rectangle(int l, int t, int r, int b) { Rectangle(Rect{l, t, r, b}); }
    void RoundRect(const Rect& r, int corner_width, int corner_height);
    void Ellipse(const Rect& r);
    void Polygon(const std::vector<Point>& points);
    // Brush only, no outline.
    void FillRect(const Rect& r);
    // A one-pixel frame in the brush colour.
    void FrameRect(const Rect& r);
    // A dotted frame that inverts what lies under it; drawing it twice removes it.
    void DrawFocusRect(const Rect& r);

    TColor Pixel(int x, int y) const;  // clNone outside the surface
    void SetPixel(int x, int y, TColor color);

    // Text: the font's colour, the background as bk_mode says; (x,y) is the top-left
    // of the text's cell. The pen moves to the end of the text.
    void TextOut(int x, int y, std::string_view utf8);
    // Text clipped to r (and, when opaque, r filled with the brush first).
    void TextRect(const Rect& r, int x, int y, std::string_view utf8);
    int TextWidth(std::string_view utf8) const;
    int TextHeight(std::string_view utf8) const;
    Size TextExtent(std::string_view utf8) const;

    // Draws text laid out in r by the DT_ flags and returns the height of the
    // text (with DT_VCENTER or DT_BOTTOM: from r.top to the text's bottom). With
    // DT_CALCRECT nothing is drawn and r receives the bounds the text needs (right
    // and bottom move; the width given is the one words break at). DT_VCENTER and
    // DT_BOTTOM apply to DT_SINGLELINE text only, as on the desktop.
    int DrawText(std::string_view utf8, Rect& r, unsigned flags);

    // Pictures: at their size, or scaled smoothly into r; alpha and the transparent
    // colour are honoured.
    void Draw(int x, int y, const Picture& picture);
    void StretchDraw(const Rect& r, const Picture& picture);
    // Copies source's src rectangle into dest here, scaled when the sizes differ.
    void CopyRect(const Rect& dest, const Canvas& source, const Rect& src);

    // Clipping, in canvas coordinates after the origin. Save/Restore nest.
    void Save();
    void Restore();
    void IntersectClipRect(const Rect& r);
    void SetClipRect(const Rect& r);  // replaces the clip of the current Save level
    void ResetClip();
    Rect ClipRect() const;

    // Moves (0,0) of later drawing to the given point of the surface.
    void SetOrigin(int x, int y);
    Point Origin() const { return origin_; }

    // Writes the canvas as PNG (for snapshots).
    bool SaveToPng(const std::string& path) const;

  private:
    void Init(cairo_surface_t* surface, bool owned);
    void SetSourceColor(TColor color);
    bool SetBrushSource();
    bool SetPenSource();
    void StrokeOutline();
    void DrawTextLine(int x, int y, std::string_view utf8, int accel_byte, const Rect* clip);

    struct State {
        Rect clip;
        Point origin;
    };

    cairo_surface_t* surface_ = nullptr;
    Picture* picture_ = nullptr;  // the picture drawn into, if any
    cairo_t* cr_ = nullptr;
    bool owned_ = false;
    int width_ = 0;
    int height_ = 0;
    Point pen_pos_;
    Point origin_;
    Rect clip_;  // in surface coordinates
    std::vector<State> saved_;
};

}  // namespace kv
