#pragma once
// One line (or, with word wrap, a block) of large text filled with a gradient, a hatch or a
// picture instead of a flat colour, optionally over a fill and with a second text of its own
// drawn underneath as a shadow. The game shows club names with it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/window/control.h"
#include "ui/controls/gdiplus/gdip_fill.h"
#include "ui/controls/smooth_panel.h"

namespace kv {

class TUiSmoothLabel;

using TUiSmoothLabelLocation = TUiSmoothPanelLocation;
// tAntiAliasGridFit draws as tAntiAlias does.
using TTextRenderingHint = TUiSmoothPanelTextRenderingHint;

class TUiSmoothLabelCaption {
  public:
    explicit TUiSmoothLabelCaption(TUiSmoothLabel& owner);
    TUiSmoothLabelCaption(const TUiSmoothLabelCaption&) = delete;
    TUiSmoothLabelCaption& operator=(const TUiSmoothLabelCaption&) = delete;

    // Copies everything but the font.
    void Assign(const TUiSmoothLabelCaption& source);

    const std::string& Text() const { return text_; }
    // The main caption's text also becomes the shadow's while AutoShadowCaption is on.
    void SetText(std::string text);
    // Family, size and style; its colour is not used.
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& v) { Change(font_, v); }
    TColor ColorStart() const { return color_start_; }
    void SetColorStart(TColor v) { Change(color_start_, v); }
    // clNone: the start colour throughout.
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
    const TUiGDIPPicture& Picture() const { return picture_; }
    TUiGDIPPicture& Picture() { return picture_; }
    void SetPicture(const TUiGDIPPicture* source);
    TUiSmoothLabelLocation Location() const { return location_; }
    void SetLocation(TUiSmoothLabelLocation v) { Change(location_, v); }
    // plCustom's corner; the shadow caption uses the main caption's.
    int Left() const { return left_; }
    void SetLeft(int v) { Change(left_, v); }
    int Top() const { return top_; }
    void SetTop(int v) { Change(top_, v); }

  private:
    template <class T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = std::move(value);
        Changed();
    }
    void Changed();

    TUiSmoothLabel& owner_;
    std::string text_;
    Font font_;
    TColor color_start_ = 0xFFE09F;
    TColor color_end_ = 0x754F00;
    uint8_t opacity_start_ = 255;
    uint8_t opacity_end_ = 255;
    TUiGradientType gradient_type_ = gtVertical;
    int hatch_style_ = HatchStyleHorizontal;
    TUiGDIPPicture picture_;
    TUiSmoothLabelLocation location_ = plCenterCenter;
    int left_ = 0;
    int top_ = 0;
};

class TUiSmoothLabel : public Control {
  public:
    TUiSmoothLabel();

    void Assign(const TUiSmoothLabel& source);

    TUiSmoothLabelCaption& Caption() { return caption_; }
    const TUiSmoothLabelCaption& Caption() const { return caption_; }
    TUiSmoothLabelCaption& CaptionShadow() { return shadow_; }
    const TUiSmoothLabelCaption& CaptionShadow() const { return shadow_; }
    bool CaptionShadowVisible() const { return shadow_visible_; }
    void SetCaptionShadowVisible(bool v) { Change(shadow_visible_, v); }
    int CaptionShadowOffsetLeft() const { return shadow_left_; }
    void SetCaptionShadowOffsetLeft(int v) { Change(shadow_left_, v); }
    int CaptionShadowOffsetTop() const { return shadow_top_; }
    void SetCaptionShadowOffsetTop(int v) { Change(shadow_top_, v); }
    bool AutoShadowCaption() const { return auto_shadow_caption_; }
    void SetAutoShadowCaption(bool v) { Change(auto_shadow_caption_, v); }
    // Fits the label to the main caption's text plus 2 pixels each way.
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool on);
    // Painted only when not Transparent; setting copies it.
    TGDIPFill& Fill() { return fill_; }
    const TGDIPFill& Fill() const { return fill_; }
    void SetFill(const TGDIPFill& fill) { fill_.Assign(fill); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { Change(transparent_, v); }
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool v) { Change(word_wrap_, v); }
    TTextRenderingHint TextRendering() const { return text_rendering_; }
    void SetTextRendering(TTextRenderingHint v) { Change(text_rendering_, v); }
    std::string Version() const;
    void SetVersion(std::string_view) {}
    // Style managers find nothing to change here.
    void ApplyStylePreset(int) {}

    // Repaints (resizing first under AutoSize) and notifies.
    void Changed();
    void AdjustSize();

    void Paint(Canvas& canvas) override;

    std::function<void()> on_change;

  protected:
    void Resized() override;

  private:
    template <class T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void DrawCaption(Graphics& g, const TUiSmoothLabelCaption& k, const RectF& r, float ox,
                     float oy) const;
    StringFormat FormatFor(const TUiSmoothLabelCaption& k) const;

    bool sizing_ = false;
    TUiSmoothLabelCaption caption_{*this};
    TUiSmoothLabelCaption shadow_{*this};
    bool transparent_ = true;
    TGDIPFill fill_;
    bool word_wrap_ = false;
    TTextRenderingHint text_rendering_ = tAntiAlias;
    bool shadow_visible_ = false;
    int shadow_top_ = 1;
    int shadow_left_ = 1;
    bool auto_size_ = false;
    bool auto_shadow_caption_ = true;
};

}  // namespace kv
