#pragma once
// The colours of the glow button for each of its looks (normal, hot, down, checked, disabled):
// a face pair for the upper part, a mirror pair for the lower part, a border colour and the
// gradient kind of each part; three looks also carry a text colour. Painting picks one set and,
// while a fade runs, blends two of them.

#include "platform/gfx/colors.h"
#include "ui/controls/gdiplus/change_notifier.h"

namespace kv {

enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

// Each channel scaled by (100 + p) per cent, never above itself; a zero channel becomes max(0, p).
// System colours are resolved first.
TColor TintColor(TColor color, int red_percent, int green_percent, int blue_percent);
inline TColor TintColor(TColor color, int percent) {
    return TintColor(color, percent, percent, percent);
}
// p per cent of a and the rest of b; clNone on either side gives the other colour.
TColor BlendColor(TColor a, TColor b, int percent);

// One look's colours as painting uses them.
struct GlowColorSet {
    TColor color = clNone;
    TColor color_to = clNone;
    TColor mirror = clNone;
    TColor mirror_to = clNone;
    TColor border = clNone;
    TGDIPGradient gradient = ggVertical;
    TGDIPGradient gradient_mirror = ggVertical;
};
// Every colour blended p per cent of a with b; the gradient kinds are a's.
GlowColorSet BlendColorSet(const GlowColorSet& a, const GlowColorSet& b, int percent);

class TGlowButtonAppearance : public ChangeNotifier {
  public:
    TGlowButtonAppearance();

    // Copies every colour, kind and flag through the setters, then FaceOnHover.
    void Assign(const TGlowButtonAppearance& source);

    enum Look { Normal, Hot, Down, Checked, Disabled };
    GlowColorSet Set(Look look) const;
    // The four face colours of a look at once (upper pair, then mirror pair).
    void SetFaces(Look look, TColor color, TColor color_to, TColor mirror, TColor mirror_to);

#define KV_GLOW_PROPERTY(Type, Name, field) \
    Type Name() const {                     \
        return field;                       \
    }                                       \
    void Set##Name(Type v) {                \
        Change(field, v);                   \
    }
    KV_GLOW_PROPERTY(TColor, Color, looks_[Normal].color)
    KV_GLOW_PROPERTY(TColor, ColorTo, looks_[Normal].color_to)
    KV_GLOW_PROPERTY(TColor, ColorMirror, looks_[Normal].mirror)
    KV_GLOW_PROPERTY(TColor, ColorMirrorTo, looks_[Normal].mirror_to)
    KV_GLOW_PROPERTY(TColor, BorderColor, looks_[Normal].border)
    KV_GLOW_PROPERTY(TGDIPGradient, Gradient, looks_[Normal].gradient)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientMirror, looks_[Normal].gradient_mirror)
    KV_GLOW_PROPERTY(TColor, ColorHot, looks_[Hot].color)
    KV_GLOW_PROPERTY(TColor, ColorHotTo, looks_[Hot].color_to)
    KV_GLOW_PROPERTY(TColor, ColorMirrorHot, looks_[Hot].mirror)
    KV_GLOW_PROPERTY(TColor, ColorMirrorHotTo, looks_[Hot].mirror_to)
    KV_GLOW_PROPERTY(TColor, BorderColorHot, looks_[Hot].border)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientHot, looks_[Hot].gradient)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientMirrorHot, looks_[Hot].gradient_mirror)
    KV_GLOW_PROPERTY(TColor, ColorDown, looks_[Down].color)
    KV_GLOW_PROPERTY(TColor, ColorDownTo, looks_[Down].color_to)
    KV_GLOW_PROPERTY(TColor, ColorMirrorDown, looks_[Down].mirror)
    KV_GLOW_PROPERTY(TColor, ColorMirrorDownTo, looks_[Down].mirror_to)
    KV_GLOW_PROPERTY(TColor, BorderColorDown, looks_[Down].border)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientDown, looks_[Down].gradient)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientMirrorDown, looks_[Down].gradient_mirror)
    KV_GLOW_PROPERTY(TColor, ColorChecked, looks_[Checked].color)
    KV_GLOW_PROPERTY(TColor, ColorCheckedTo, looks_[Checked].color_to)
    KV_GLOW_PROPERTY(TColor, ColorMirrorChecked, looks_[Checked].mirror)
    KV_GLOW_PROPERTY(TColor, ColorMirrorCheckedTo, looks_[Checked].mirror_to)
    KV_GLOW_PROPERTY(TColor, BorderColorChecked, looks_[Checked].border)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientChecked, looks_[Checked].gradient)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientMirrorChecked, looks_[Checked].gradient_mirror)
    KV_GLOW_PROPERTY(TColor, ColorDisabled, looks_[Disabled].color)
    KV_GLOW_PROPERTY(TColor, ColorDisabledTo, looks_[Disabled].color_to)
    KV_GLOW_PROPERTY(TColor, ColorMirrorDisabled, looks_[Disabled].mirror)
    KV_GLOW_PROPERTY(TColor, ColorMirrorDisabledTo, looks_[Disabled].mirror_to)
    KV_GLOW_PROPERTY(TColor, BorderColorDisabled, looks_[Disabled].border)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientDisabled, looks_[Disabled].gradient)
    KV_GLOW_PROPERTY(TGDIPGradient, GradientMirrorDisabled, looks_[Disabled].gradient_mirror)
    KV_GLOW_PROPERTY(bool, SystemFont, system_font_)
    KV_GLOW_PROPERTY(TColor, TextColorHot, text_hot_)
    KV_GLOW_PROPERTY(TColor, TextColorDown, text_down_)
    KV_GLOW_PROPERTY(TColor, TextColorChecked, text_checked_)
#undef KV_GLOW_PROPERTY

    // With a transparent button, the face shows on hover only; not stored.
    bool FaceOnHover = false;

  private:
    GlowColorSet looks_[5];
    bool system_font_ = true;
    TColor text_hot_ = clBlack;
    TColor text_down_ = clBlack;
    TColor text_checked_ = clBlack;
};

}  // namespace kv
