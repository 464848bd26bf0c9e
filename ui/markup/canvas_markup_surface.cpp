#include "ui/markup/canvas_markup_surface.h"

#include <cmath>
#include <numbers>

#include "platform/gfx/text_layout.h"
#include "ui/markup/encoded_picture.h"

namespace kv {
namespace {

// Keeps the canvas's pen, brush, font and text background as the caller left them.
class CanvasState {
  public:
    explicit CanvasState(Canvas& c)
        : c_(c), pen_(c.pen), brush_(c.brush), font_(c.font), mode_(c.bk_mode) {}
    ~CanvasState() {
        c_.pen = pen_;
        c_.brush = brush_;
        c_.font = font_;
        c_.bk_mode = mode_;
    }

  private:
    Canvas& c_;
    Pen pen_;
    Brush brush_;
    Font font_;
    BkMode mode_;
};

unsigned TextFlags(const MarkupTextFlags& flags) {
    unsigned f = DT_SINGLELINE | DT_EXPANDTABS | (flags.top_aligned ? DT_TOP : DT_BOTTOM);
    if (!flags.prefix) f |= DT_NOPREFIX;
    if (flags.end_ellipsis) f |= DT_END_ELLIPSIS;
    return f;
}

}  // namespace

MarkupFont ToMarkupFont(const Font& font) {
    MarkupFont m;
    m.name = font.name;
    m.size = font.size;
    m.color = font.color;
    m.bold = font.bold();
    m.italic = font.italic();
    m.underline = font.underline();
    m.strikeout = font.strike_out();
    return m;
}

Font ToFont(const MarkupFont& font) {
    Font f;
    f.name = font.name;
    f.size = font.size;
    f.color = font.color;
    f.style = static_cast<FontStyles>((font.bold ? fsBold : 0) | (font.italic ? fsItalic : 0) |
                                      (font.underline ? fsUnderline : 0) |
                                      (font.strikeout ? fsStrikeOut : 0));
    return f;
}

Size CanvasMarkupSurface::TextExtent(const MarkupFont& font, std::string_view text) {
    const Font f = ToFont(font);
    return {MeasureTextWidth(f, text), MeasureFontMetrics(f).height()};
}

Size CanvasMarkupSurface::MeasureText(const MarkupFont& font, std::string_view text,
                                      const MarkupTextFlags& flags) {
    // Measuring never cuts: the ellipsis only shortens what is drawn.
    MarkupTextFlags whole = flags;
    whole.end_ellipsis = false;
    const TextBlock block = LayoutText(text, ToFont(font), 1 << 20, TextFlags(whole) | DT_CALCRECT);
    return {block.width, block.line_height};
}

void CanvasMarkupSurface::DrawText(const MarkupFont& font, std::string_view text, const Rect& rect,
                                   const MarkupTextFlags& flags) {
    if (font.angle != 0) {
        DrawRotated(font, text, rect, flags);
        return;
    }
    CanvasState keep(canvas_);
    canvas_.font = ToFont(font);
    if (flags.background != clNone) {
        canvas_.brush = {flags.background, bsSolid};
        canvas_.bk_mode = BkMode::Opaque;
    } else {
        canvas_.bk_mode = BkMode::Transparent;
    }
    Rect r = rect;
    canvas_.DrawText(text, r, TextFlags(flags));
}

void CanvasMarkupSurface::DrawRotated(const MarkupFont& font, std::string_view text,
                                      const Rect& rect, const MarkupTextFlags& flags) {
    const Font f = ToFont(font);
    int accel = -1;
    const std::string shown = flags.prefix ? StripPrefixes(text, accel) : std::string(text);
    const int height = MeasureFontMetrics(f).height();
    cairo_t* cr = canvas_.cairo();
    cairo_save(cr);
    // Turned about the bottom-left corner of the run, where unrotated text would start.
    cairo_translate(cr, rect.left, rect.bottom);
    cairo_rotate(cr, -font.angle * std::numbers::pi / 180.0);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    DrawTextRun(cr, f, 0, -height, shown, accel);
    cairo_restore(cr);
}

void CanvasMarkupSurface::Line(int x0, int y0, int x1, int y1, TColor color) {
    if (color == clNone) return;
    CanvasState keep(canvas_);
    canvas_.pen = Pen{color, 1, psSolid, pmCopy};
    canvas_.MoveTo(x0, y0);
    canvas_.LineTo(x1, y1);
}

void CanvasMarkupSurface::FillRect(const Rect& rect, TColor color) {
    if (color == clNone) return;
    CanvasState keep(canvas_);
    canvas_.brush = {color, bsSolid};
    canvas_.FillRect(rect);
}

void CanvasMarkupSurface::FillEllipse(const Rect& rect, TColor color) {
    if (color == clNone) return;
    CanvasState keep(canvas_);
    canvas_.brush = {color, bsSolid};
    canvas_.pen = Pen{color, 1, psSolid, pmCopy};
    canvas_.Ellipse(rect);
}

void CanvasMarkupSurface::DrawFocusRect(const Rect& rect) {
    canvas_.DrawFocusRect(rect);
}

const Picture& DecodedPictures::Of(const EncodedPicture& picture) {
    auto [it, added] = decoded_.try_emplace(&picture);
    if (added) picture.Decode(it->second);
    return it->second;
}

void DrawImageListEntry(Canvas& canvas, const Picture& entry, const Rect& rect, bool stretched) {
    if (!stretched) {
        canvas.Draw(rect.left, rect.top, entry);
        return;
    }
    Picture opaque = entry;
    opaque.transparent = false;
    canvas.StretchDraw(rect, opaque);
}

void CanvasMarkupSurface::DrawPicture(const EncodedPicture& picture, const Rect& rect) {
    if (picture.Empty()) return;
    const Picture& p = decoded_.Of(picture);
    if (p.empty()) return;
    if (rect.width() == p.width() && rect.height() == p.height()) {
        canvas_.Draw(rect.left, rect.top, p);
    } else {
        canvas_.StretchDraw(rect, p);
    }
}

void CanvasMarkupSurface::DrawListImage(const MarkupImageList& images, int index, const Rect& rect,
                                        bool stretched) {
    const Picture* entry = images.Entry(index);
    if (entry && !entry->empty()) DrawImageListEntry(canvas_, *entry, rect, stretched);
}

void CanvasMarkupSurface::PushClip(const Rect& rect) {
    canvas_.Save();
    canvas_.IntersectClipRect(rect);
}

void CanvasMarkupSurface::PopClip() {
    canvas_.Restore();
}

MarkupResult DrawMarkup(Canvas& canvas, std::string_view text, const MarkupOptions& options) {
    const TColor background = canvas.brush.style == bsSolid ? canvas.brush.color : clNone;
    CanvasMarkupSurface surface(canvas);
    return DrawMarkup(surface, ToMarkupFont(canvas.font), background, text, options);
}

}  // namespace kv
