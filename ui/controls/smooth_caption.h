#pragma once
// What the smooth panel's and the smooth label's captions share: a text, its font and place, and
// the brush its letters are filled with (a colour, a gradient between two colours with their
// opacities, a hatch or a tiled picture).

#include <cstdint>
#include <string>

#include "platform/gfx/fonts.h"
#include "ui/controls/gdiplus/change_notifier.h"
#include "ui/controls/gdiplus/gdip_fill.h"
#include "ui/controls/gdiplus/text_brush.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {

// Rows and columns of three, then a place of the owner's choosing.
enum TUiSmoothPanelLocation {
    plTopLeft,
    plTopCenter,
    plTopRight,
    plCenterLeft,
    plCenterCenter,
    plCenterRight,
    plBottomLeft,
    plBottomCenter,
    plBottomRight,
    plCustom
};

// 0 left, 1 centre, 2 right (plCustom counts as left); rows likewise from the top.
inline int LocationColumn(TUiSmoothPanelLocation l) {
    return l == plCustom ? 0 : static_cast<int>(l) % 3;
}
inline int LocationRow(TUiSmoothPanelLocation l) {
    return l == plCustom ? 0 : static_cast<int>(l) / 3;
}

class SmoothCaptionText : public ChangeNotifier {
  public:
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    // Bold, italic and underline are used; strike-out and the colour are not.
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& v) { Change(font_, v); }
    TColor ColorStart() const { return color_start_; }
    void SetColorStart(TColor v) { Change(color_start_, v); }
    // clNone paints the whole text in ColorStart.
    TColor ColorEnd() const { return color_end_; }
    void SetColorEnd(TColor v) { Change(color_end_, v); }
    uint8_t OpacityStart() const { return opacity_start_; }
    void SetOpacityStart(uint8_t v) { Change(opacity_start_, v); }
    uint8_t OpacityEnd() const { return opacity_end_; }
    void SetOpacityEnd(uint8_t v) { Change(opacity_end_, v); }
    TUiGradientType GradientType() const { return gradient_type_; }
    void SetGradientType(TUiGradientType v) { Change(gradient_type_, v); }
    int HatchStyle() const { return hatch_style_; }
    void SetHatchStyle(int v) { Change(hatch_style_, v); }
    // The texture of gtTexture text; setting copies it.
    const TUiGDIPPicture& Picture() const { return picture_; }
    TUiGDIPPicture& Picture() { return picture_; }
    void SetPicture(const TUiGDIPPicture* source);
    TUiSmoothPanelLocation Location() const { return location_; }
    void SetLocation(TUiSmoothPanelLocation v) { Change(location_, v); }
    // plCustom's corner.
    int Left() const { return left_; }
    void SetLeft(int v) { Change(left_, v); }
    int Top() const { return top_; }
    void SetTop(int v) { Change(top_, v); }

    // The brush of the letters, from the two colours and their opacities.
    TextBrushLook BrushLook() const;

  protected:
    SmoothCaptionText(int font_size, TColor start, TColor end, TUiSmoothPanelLocation location);
    ~SmoothCaptionText() = default;
    // Called when the text really changed, before the change is reported.
    virtual void TextSet() {}
    // Copies the place and the brush; only the picture's copy reports a change.
    void CopyPlaceAndBrush(const SmoothCaptionText& s);

    std::string text_;
    Font font_;

  private:
    TColor color_start_;
    TColor color_end_;
    uint8_t opacity_start_ = 255;
    uint8_t opacity_end_ = 255;
    TUiGradientType gradient_type_ = gtVertical;
    int hatch_style_ = HatchStyleHorizontal;
    TUiGDIPPicture picture_;
    TUiSmoothPanelLocation location_;
    int left_ = 0;
    int top_ = 0;
};

}  // namespace kv
