#pragma once
// One line (or, with word wrap, a block) of large text filled with a gradient, a hatch or a
// picture instead of a flat colour, optionally over a fill and with a second text of its own
// drawn underneath as a shadow. The game shows club names with it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/window/control.h"
#include "ui/controls/gdiplus/gdip_fill.h"
#include "ui/controls/smooth_caption.h"
#include "ui/controls/smooth_panel.h"

namespace kv {

class TUiSmoothLabel;

using TUiSmoothLabelLocation = TUiSmoothPanelLocation;
// tAntiAliasGridFit draws as tAntiAlias does.
using TTextRenderingHint = TUiSmoothPanelTextRenderingHint;

// Its OnChange is the owning label's: every change of a caption repaints the label.
class TUiSmoothLabelCaption : public SmoothCaptionText {
  public:
    explicit TUiSmoothLabelCaption(TUiSmoothLabel& owner);

    // Copies everything but the font.
    void Assign(const TUiSmoothLabelCaption& source);

  private:
    // The main caption's text also becomes the shadow's while AutoShadowCaption is on.
    void TextSet() override;

    TUiSmoothLabel& owner_;
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
    // A font given to the control (by a window's layout, or scaled with its window) becomes
    // both captions' font.
    void FontChanged() override;
    // The control's own caption (what a test or a window sets by name) is the text drawn.
    void CaptionChanged() override;

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

// The game's large names: `label` shows `text` shaded from `from` at its top to `to` at its
// bottom, and `shadow`, when given, the same text in flat black (white when the letters are too
// dark for black to set them off), placed by the window a little below and to the right. With `under`, the colour the name is drawn on, an end colour that
// would not read on it is replaced by black or white, whichever reads.
void ShowGradientText(TUiSmoothLabel& label, TUiSmoothLabel* shadow, const std::string& text,
                      TColor from, TColor to, std::optional<TColor> under = std::nullopt);

}  // namespace kv
