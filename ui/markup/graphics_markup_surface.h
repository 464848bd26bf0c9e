#pragma once
// The mark-up renderer on the antialiased object layer, for the controls painted with it (the
// smooth panel's caption, the message dialog's text): text measured and drawn as text boxes of
// the layer, named pictures from a GDI+ picture container.

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gfx/gdiplus.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/markup_canvas.h"
#include "ui/markup/markup_renderer.h"

namespace kv {

class GraphicsMarkupSurface : public MarkupCanvas {
  public:
    explicit GraphicsMarkupSurface(TGPGraphics& graphics) : graphics_(graphics) {}

    // The layer's text boxes: the text's own advance (blanks included) and its line height.
    // Boxes are remembered across calls, as the canvas remembers its text widths.
    Size TextExtent(const MarkupFont& font, std::string_view text) override;
    Size MeasureText(const MarkupFont& font, std::string_view text,
                     const MarkupTextFlags& flags) override;
    void DrawText(const MarkupFont& font, std::string_view text, const Rect& rect,
                  const MarkupTextFlags& flags) override;
    void Line(int x0, int y0, int x1, int y1, TColor color) override;
    void FillRect(const Rect& rect, TColor color) override;
    void FillEllipse(const Rect& rect, TColor color) override;
    void DrawFocusRect(const Rect& rect) override;
    void DrawPicture(const EncodedPicture& picture, const Rect& rect) override;
    void DrawListImage(const MarkupImageList& images, int index, const Rect& rect,
                       bool stretched) override;
    void PushClip(const Rect& rect) override;
    void PopClip() override;
    TColor ToRgb(TColor color) override { return ColorToRGB(color); }

  private:
    Size Box(const Font& font, std::string_view shown);
    // The layer's font for a window font, made once per surface.
    const TGPFont* LayerFont(const Font& font);

    TGPGraphics& graphics_;
    DecodedPictures decoded_;
    std::vector<std::pair<Font, std::unique_ptr<TGPFont>>> fonts_;
};

// Lays out, measures, draws or hit-tests mark-up on the layer's surface with the antialiased
// renderer's rules; the picture container of the options gives named pictures.
MarkupResult DrawMarkupGP(TGPGraphics& graphics, const Font& base_font, std::string_view text,
                          MarkupOptions options);

}  // namespace kv
