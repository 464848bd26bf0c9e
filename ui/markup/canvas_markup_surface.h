#pragma once
// The mark-up renderer on the windows' canvas: text through the canvas's text layout,
// pictures decoded from their bytes for the call.

#include <map>
#include <string_view>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "ui/markup/markup_canvas.h"
#include "ui/markup/markup_renderer.h"

namespace kv {

MarkupFont ToMarkupFont(const Font& font);
Font ToFont(const MarkupFont& font);

// Each encoded picture a surface draws is decoded once, on its first draw.
class DecodedPictures {
  public:
    const Picture& Of(const EncodedPicture& picture);

  private:
    std::map<const EncodedPicture*, Picture> decoded_;
};

// An image list's picture at its own size at rect's corner, or stretched over rect with its
// transparency dropped.
void DrawImageListEntry(Canvas& canvas, const Picture& entry, const Rect& rect, bool stretched);

class CanvasMarkupSurface : public MarkupCanvas {
  public:
    explicit CanvasMarkupSurface(Canvas& canvas) : canvas_(canvas) {}

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
    Rect VisibleArea() override { return canvas_.ClipRect(); }
    TColor ToRgb(TColor color) override { return ColorToRGB(color); }

  private:
    void DrawRotated(const MarkupFont& font, std::string_view text, const Rect& rect,
                     const MarkupTextFlags& flags);

    Canvas& canvas_;
    DecodedPictures decoded_;
};

// The calling contract of the windows: the canvas's font is the base font and its brush
// colour the background behind plain text; both are as they were afterwards.
MarkupResult DrawMarkup(Canvas& canvas, std::string_view text, const MarkupOptions& options);

}  // namespace kv
