#pragma once
// Paints a glossy rounded push button with a caption and an optional picture beside, above or
// below it. The message dialog paints each of its buttons with one, made for that paint.

#include <string>
#include <string_view>

#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/graphics.h"
#include "ui/controls/gdiplus/change_notifier.h"
#include "ui/controls/gdiplus/gdip_fill.h"

namespace kv {

enum TGDIPButtonLayout { blPictureLeft, blPictureRight, blPictureBottom, blPictureTop, blNone };

// A ring `width` pixels wide inside the rounded rectangle's edge: two figures, the inner one the
// rectangle shrunk by the width, filled with the even-odd rule.
GraphicsPath CreateRingPath(const Rect& r, float radius, TFillRoundingType type, int width);

struct DialogButtonLook {
    TColor color = clBtnFace;
    TColor border_color = clNone;
    int border_width = 1;
    uint8_t border_opacity = 255;
    uint8_t opacity = 255;
    bool border = true;
    bool pressed = false;  // the caption moves 1 pixel and the picture 2, right and down
    // Draw the caption inside its measured box rather than from its origin.
    bool caption_in_box = false;
};

class TGDIPDialogButton : public ChangeNotifier {
  public:
    void Assign(const TGDIPDialogButton& source);

    // '&' in the caption underlines the next letter. A picture (may be null or empty) is drawn
    // at its own size.
    void DrawButton(Graphics& g, std::string_view caption, const Rect& r,
                    const DialogButtonLook& look, const TUiGDIPPicture* picture) const;

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& v) { Change(font_, v); }
    TGDIPButtonLayout Layout() const { return layout_; }
    void SetLayout(TGDIPButtonLayout v) { Change(layout_, v); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { Change(spacing_, v); }

  private:
    Font font_;
    TGDIPButtonLayout layout_ = blPictureLeft;
    int spacing_ = 3;
};

}  // namespace kv
