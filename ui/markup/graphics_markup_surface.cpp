#include "ui/markup/graphics_markup_surface.h"

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/encoded_picture.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {
namespace {

// The layer draws text as given; '&' prefixes are resolved here so "&&" shows one '&' as on the
// canvas.
std::string Shown(std::string_view text, const MarkupTextFlags& flags) {
    if (!flags.prefix) return std::string(text);
    int accel = -1;
    return StripPrefixes(text, accel);
}

}  // namespace

Size GraphicsMarkupSurface::TextExtent(const MarkupFont& font, std::string_view text) {
    const Font f = ToFont(font);
    Rect r{0, 0, 0, 0};
    DrawTextInRect(graphics_, text, r, f, DT_CALCRECT, clNone);
    return {r.width(), MeasureTextHeight(graphics_, text, f)};
}

Size GraphicsMarkupSurface::MeasureText(const MarkupFont& font, std::string_view text,
                                        const MarkupTextFlags& flags) {
    Rect r{0, 0, 0, 0};
    DrawTextInRect(graphics_, Shown(text, flags), r, ToFont(font), DT_CALCRECT, clNone);
    return {r.width(), r.height()};
}

void GraphicsMarkupSurface::DrawText(const MarkupFont& font, std::string_view text,
                                     const Rect& rect, const MarkupTextFlags& flags) {
    const std::string shown = Shown(text, flags);
    const Font f = ToFont(font);
    int top = rect.top;
    if (!flags.top_aligned) top = rect.bottom - MeasureTextHeight(graphics_, shown, f);
    Rect r{rect.left, top, rect.right, rect.bottom};
    DrawTextInRect(graphics_, shown, r, f, 0, flags.background);
}

void GraphicsMarkupSurface::Line(int x0, int y0, int x1, int y1, TColor color) {
    if (color == clNone) return;
    TGPPen pen(ColorToARGB(255, color), 1.0f);
    graphics_.DrawLine(&pen, float(x0), float(y0), float(x1), float(y1));
}

void GraphicsMarkupSurface::FillRect(const Rect& rect, TColor color) {
    if (color == clNone) return;
    TGPSolidBrush brush(ColorToARGB(255, color));
    graphics_.FillRectangle(&brush, ToRectF(rect));
}

void GraphicsMarkupSurface::FillEllipse(const Rect& rect, TColor color) {
    if (color == clNone) return;
    TGPSolidBrush brush(ColorToARGB(255, color));
    graphics_.FillEllipseI(&brush, rect.left, rect.top, rect.width(), rect.height());
}

void GraphicsMarkupSurface::DrawFocusRect(const Rect& rect) {
    if (Canvas* canvas = graphics_.GetDC()) canvas->DrawFocusRect(rect);
}

void GraphicsMarkupSurface::DrawPicture(const EncodedPicture& picture, const Rect& rect) {
    if (picture.Empty()) return;
    // Container pictures draw themselves: bitmaps keyed by their corner colour.
    if (const auto* own = dynamic_cast<const TUiGDIPPicture*>(&picture);
        own && graphics_.Native()) {
        own->DrawOnGraphics(*graphics_.Native(), rect);
        return;
    }
    const Picture& decoded = decoded_.Of(picture);
    if (decoded.empty() || !graphics_.Native()) return;
    graphics_.Native()->DrawImage(decoded, ToRectF(rect));
}

void GraphicsMarkupSurface::DrawListImage(const MarkupImageList& images, int index,
                                          const Rect& rect, bool stretched) {
    const Picture* entry = images.Entry(index);
    Canvas* canvas = graphics_.GetDC();
    if (!entry || entry->empty() || !canvas) return;
    DrawImageListEntry(*canvas, *entry, rect, stretched);
    graphics_.ReleaseDC(canvas);
}

void GraphicsMarkupSurface::PushClip(const Rect& rect) {
    if (Graphics* g = graphics_.Native()) {
        g->Save();
        g->IntersectClip(ToRectF(rect));
    }
}

void GraphicsMarkupSurface::PopClip() {
    if (Graphics* g = graphics_.Native()) g->Restore();
}

MarkupResult DrawMarkupGP(TGPGraphics& graphics, const Font& base_font, std::string_view text,
                          MarkupOptions options) {
    options.dialect = MarkupDialect::kGraphics;
    GraphicsMarkupSurface surface(graphics);
    return DrawMarkup(surface, ToMarkupFont(base_font), clNone, text, options);
}

}  // namespace kv
