#include "ui/markup/graphics_markup_surface.h"

#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>

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

// Text boxes measured on the layer, by font and text. The layer's boxes are exact (no slack
// to correct), so a box measured once holds wherever the text is drawn.
class TextBoxes {
  public:
    std::optional<Size> Find(const Font& font, std::string_view text) {
        Key(font, text);
        const auto it = boxes_.find(key_);
        if (it == boxes_.end()) return std::nullopt;
        return it->second;
    }
    void Keep(const Font& font, std::string_view text, Size box) {
        if (boxes_.size() >= kMaxBoxes) boxes_.clear();
        Key(font, text);
        boxes_.emplace(key_, box);
    }

  private:
    static constexpr std::size_t kMaxBoxes = 8192;
    void Key(const Font& font, std::string_view text) {
        key_.assign(font.name);
        key_ += '\0';
        key_ += std::to_string(font.size);
        key_ += '/';
        key_ += std::to_string(font.style & (fsBold | fsItalic));
        key_ += '\0';
        key_.append(text);
    }
    std::unordered_map<std::string, Size> boxes_;
    std::string key_;
};

TextBoxes& Boxes() {
    thread_local TextBoxes boxes;
    return boxes;
}

}  // namespace

const TGPFont* GraphicsMarkupSurface::LayerFont(const Font& font) {
    for (auto& [known, made] : fonts_) {
        if (known.name == font.name && known.size == font.size && known.style == font.style)
            return made.get();
    }
    fonts_.emplace_back(font, MakeFont(font));
    return fonts_.back().second.get();
}

Size GraphicsMarkupSurface::Box(const Font& font, std::string_view shown) {
    if (auto known = Boxes().Find(font, shown)) return *known;
    RectF box;
    // An empty layout rectangle: one line, never wrapped, as DrawText draws it.
    graphics_.MeasureString(shown, -1, LayerFont(font), RectF{0, 0, 0, 0}, box);
    const Size size{static_cast<int>(std::lround(box.width)),
                    static_cast<int>(std::lround(box.height))};
    Boxes().Keep(font, shown, size);
    return size;
}

Size GraphicsMarkupSurface::TextExtent(const MarkupFont& font, std::string_view text) {
    return Box(ToFont(font), text);
}

Size GraphicsMarkupSurface::MeasureText(const MarkupFont& font, std::string_view text,
                                        const MarkupTextFlags& flags) {
    return Box(ToFont(font), Shown(text, flags));
}

void GraphicsMarkupSurface::DrawText(const MarkupFont& font, std::string_view text,
                                     const Rect& rect, const MarkupTextFlags& flags) {
    const std::string shown = Shown(text, flags);
    const Font f = ToFont(font);
    const Size box = Box(f, shown);
    const int top = flags.top_aligned ? rect.top : rect.bottom - box.cy;
    if (flags.background != clNone) {
        TGPSolidBrush back(ColorToARGB(255, flags.background));
        graphics_.FillRectangle(&back, float(rect.left), float(top), float(box.cx), float(box.cy));
    }
    if (shown.empty()) return;
    TGPSolidBrush brush(ColorToARGB(255, f.color));
    graphics_.DrawString(shown, LayerFont(f), PointF{float(rect.left), float(top)}, nullptr,
                         &brush);
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
