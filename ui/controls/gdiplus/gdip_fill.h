#pragma once
// How an area of a smooth control is painted, and the painting of it: a gradient of one of the
// layer's kinds, optionally split into an upper part and a mirrored lower part, per-colour
// opacity, hatch and texture fills, rounded corners on chosen sides, a border, a drop shadow, a
// glow, and a background and a foreground picture placed in the area.
//
// The smooth panel, label, message dialog and the progress painter own fills. A fill reports
// every real change through OnChange (its owner repaints on it); assigning a fill copies it.
// Painting changes nothing in the fill.
//
// Sizes of zero or less draw nothing: no mirrored shapes from inverted rectangles.

#include <cstdint>

#include "platform/gfx/colors.h"
#include "platform/gfx/gdiplus.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/graphics.h"
#include "ui/controls/gdiplus/change_notifier.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {

enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TShadowType { stRightBottom, stBottom, stSurround };
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum TFillPicturePosition {
    ppTopLeft,
    ppTopCenter,
    ppTopRight,
    ppBottomLeft,
    ppBottomCenter,
    ppBottomRight,
    ppTiled,
    ppStretched,
    ppCenterLeft,
    ppCenterCenter,
    ppCenterRight,
    ppCustom
};
enum TFillPictureSize { psOriginal, psCustom };
// Inside: clipped to the shape, under the border; outside: unclipped, over the glow.
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
// pmNormal does not enlarge a picture that already fits.
enum TPictureMode { pmStretch, pmNormal };

constexpr int HatchStyleHorizontal = 0;

// A closed figure running clockwise from the top-left corner; each rounded corner is a quarter
// arc in the 2r x 2r box at that corner.
void AddRoundRectFigure(GraphicsPath& path, const RectF& r, float radius, TFillRoundingType type);
GraphicsPath CreateRoundRectPath(const RectF& r, float radius, TFillRoundingType type);

// One area painted with one kind: the path when given, else the rectangle. Linear kinds span the
// rectangle grown by one pixel on every side; gtRadial, gtPath and gtNone paint nothing here.
struct GradientArea {
    const GraphicsPath* path = nullptr;
    RectF rect;
    TUiGradientType kind = gtSolid;
    TColor color = clNone;
    uint8_t opacity = 255;
    TColor color_to = clNone;
    uint8_t opacity_to = 255;
    int hatch = HatchStyleHorizontal;
    float angle = 0;
    const TUiGDIPPicture* texture = nullptr;  // gtTexture: tiled from the surface's origin
    TColor outline = clNone;                  // drawn in the start opacity
    float outline_width = 1;
    DashStyle outline_dash = DashStyle::Solid;
    bool top_line = false;  // linear kinds: a one-pixel line of the start colour along the top
};
void DrawGradient(Graphics& g, const GradientArea& area);

// A radial shading from the centre of the top (or bottom) edge of r: the rounded shape filled
// in the colour at the edge, then an ellipse's gradient clipped to it. The clip is removed at
// the end.
void DrawRadialGradient(Graphics& g, const RectF& r, TColor color, TColor color_to, uint8_t opacity,
                        uint8_t opacity_to, bool centre_at_top, float radius,
                        TFillRoundingType rounding);

class TGDIPFill : public ChangeNotifier {
  public:
    TGDIPFill();

    // Copies every property but OnChange, then notifies once more.
    void Assign(const TGDIPFill& source);

    // Paints the fill into r and returns what is left for the owner's contents once the shadow
    // took its share.
    RectF DrawFill(Graphics& g, const RectF& r) const;
    // The glow over r (the rectangle after the shadow); replaces any clip and removes it after.
    void DrawGlow(Graphics& g, const RectF& r) const;
    // Steps every shape ends with, a one-pixel line included: glow, outer background, picture.
    void DrawGlowAndPictures(Graphics& g, const RectF& r) const;

    TColor Color() const { return color_; }
    void SetColor(TColor v) { Change(color_, v); }
    TColor ColorTo() const { return color_to_; }
    void SetColorTo(TColor v) { Change(color_to_, v); }
    TColor ColorMirror() const { return color_mirror_; }
    void SetColorMirror(TColor v) { Change(color_mirror_, v); }
    TColor ColorMirrorTo() const { return color_mirror_to_; }
    void SetColorMirrorTo(TColor v) { Change(color_mirror_to_, v); }
    TUiGradientType GradientType() const { return gradient_type_; }
    void SetGradientType(TUiGradientType v) { Change(gradient_type_, v); }
    TUiGradientType GradientMirrorType() const { return gradient_mirror_type_; }
    void SetGradientMirrorType(TUiGradientType v) { Change(gradient_mirror_type_, v); }
    int HatchStyle() const { return hatch_style_; }
    void SetHatchStyle(int v) { Change(hatch_style_, v); }
    int HatchStyleMirror() const { return hatch_style_mirror_; }
    void SetHatchStyleMirror(int v) { Change(hatch_style_mirror_, v); }
    uint8_t Opacity() const { return opacity_; }
    void SetOpacity(uint8_t v) { Change(opacity_, v); }
    uint8_t OpacityTo() const { return opacity_to_; }
    void SetOpacityTo(uint8_t v) { Change(opacity_to_, v); }
    uint8_t OpacityMirror() const { return opacity_mirror_; }
    void SetOpacityMirror(uint8_t v) { Change(opacity_mirror_, v); }
    uint8_t OpacityMirrorTo() const { return opacity_mirror_to_; }
    void SetOpacityMirrorTo(uint8_t v) { Change(opacity_mirror_to_, v); }
    int Angle() const { return angle_; }
    void SetAngle(int v) { Change(angle_, v); }
    TColor BorderColor() const { return border_color_; }
    void SetBorderColor(TColor v) { Change(border_color_, v); }
    int BorderWidth() const { return border_width_; }
    void SetBorderWidth(int v) { Change(border_width_, v); }
    uint8_t BorderOpacity() const { return border_opacity_; }
    void SetBorderOpacity(uint8_t v) { Change(border_opacity_, v); }
    int Rounding() const { return rounding_; }
    void SetRounding(int v) { Change(rounding_, v); }
    TFillRoundingType RoundingType() const { return rounding_type_; }
    void SetRoundingType(TFillRoundingType v) { Change(rounding_type_, v); }
    TColor ShadowColor() const { return shadow_color_; }
    void SetShadowColor(TColor v) { Change(shadow_color_, v); }
    int ShadowOffset() const { return shadow_offset_; }
    void SetShadowOffset(int v) { Change(shadow_offset_, v); }
    TShadowType ShadowType() const { return shadow_type_; }
    void SetShadowType(TShadowType v) { Change(shadow_type_, v); }
    TGlowMode Glow() const { return glow_; }
    void SetGlow(TGlowMode v) { Change(glow_, v); }
    TColor GlowGradientColor() const { return glow_gradient_color_; }
    void SetGlowGradientColor(TColor v) { Change(glow_gradient_color_, v); }
    TColor GlowRadialColor() const { return glow_radial_color_; }
    void SetGlowRadialColor(TColor v) { Change(glow_radial_color_, v); }

    // Setting a picture copies it; a change of either owned picture notifies too.
    const TUiGDIPPicture& Picture() const { return picture_; }
    TUiGDIPPicture& Picture() { return picture_; }
    void SetPicture(const TUiGDIPPicture* source);
    TFillPicturePosition PicturePosition() const { return picture_position_; }
    void SetPicturePosition(TFillPicturePosition v) { Change(picture_position_, v); }
    int PictureLeft() const { return picture_left_; }
    void SetPictureLeft(int v) { Change(picture_left_, v); }
    int PictureTop() const { return picture_top_; }
    void SetPictureTop(int v) { Change(picture_top_, v); }
    TFillPictureSize PictureSize() const { return picture_size_; }
    void SetPictureSize(TFillPictureSize v) { Change(picture_size_, v); }
    int PictureWidth() const { return picture_width_; }
    void SetPictureWidth(int v) { Change(picture_width_, v); }
    int PictureHeight() const { return picture_height_; }
    void SetPictureHeight(int v) { Change(picture_height_, v); }
    bool PictureAspectRatio() const { return picture_aspect_ratio_; }
    void SetPictureAspectRatio(bool v) { Change(picture_aspect_ratio_, v); }
    TPictureMode PictureAspectMode() const { return picture_aspect_mode_; }
    void SetPictureAspectMode(TPictureMode v) { Change(picture_aspect_mode_, v); }

    const TUiGDIPPicture& BackGroundPicture() const { return background_picture_; }
    TUiGDIPPicture& BackGroundPicture() { return background_picture_; }
    void SetBackGroundPicture(const TUiGDIPPicture* source);
    // ppTiled also makes the background picture the texture of gtTexture parts.
    TFillPicturePosition BackGroundPicturePosition() const { return background_position_; }
    void SetBackGroundPicturePosition(TFillPicturePosition v) { Change(background_position_, v); }
    int BackGroundPictureLeft() const { return background_left_; }
    void SetBackGroundPictureLeft(int v) { Change(background_left_, v); }
    int BackGroundPictureTop() const { return background_top_; }
    void SetBackGroundPictureTop(int v) { Change(background_top_, v); }
    TFillPictureMode BackGroundPictureMode() const { return background_mode_; }
    void SetBackGroundPictureMode(TFillPictureMode v) { Change(background_mode_, v); }
    bool BackGroundPictureAspectRatio() const { return background_aspect_ratio_; }
    void SetBackGroundPictureAspectRatio(bool v) { Change(background_aspect_ratio_, v); }
    TPictureMode BackGroundPictureAspectMode() const { return background_aspect_mode_; }
    void SetBackGroundPictureAspectMode(TPictureMode v) { Change(background_aspect_mode_, v); }

    // A shadow is drawn when it has a colour and a size.
    bool HasShadow() const { return shadow_color_ != clNone && shadow_offset_ > 0; }
    bool HasBorder() const { return border_color_ != clNone && border_width_ > 0; }

  private:
    enum class Part { Upper, Lower };
    void DrawGradientPart(Graphics& g, const RectF& r, Part part) const;
    void DrawBackGroundPicture(Graphics& g, const RectF& r) const;

    TColor color_ = clSilver;
    TColor color_to_ = clGray;
    TColor color_mirror_ = clNone;
    TColor color_mirror_to_ = clNone;
    TUiGradientType gradient_type_ = gtVertical;
    TUiGradientType gradient_mirror_type_ = gtSolid;
    int hatch_style_ = HatchStyleHorizontal;
    int hatch_style_mirror_ = HatchStyleHorizontal;
    uint8_t opacity_ = 255;
    uint8_t opacity_to_ = 255;
    uint8_t opacity_mirror_ = 255;
    uint8_t opacity_mirror_to_ = 255;
    int angle_ = 0;
    TColor border_color_ = clNone;
    int border_width_ = 1;
    uint8_t border_opacity_ = 255;
    int rounding_ = 0;
    TFillRoundingType rounding_type_ = rtBoth;
    TColor shadow_color_ = clGray;
    int shadow_offset_ = 0;
    TShadowType shadow_type_ = stRightBottom;
    TGlowMode glow_ = gmNone;
    TColor glow_gradient_color_ = clWhite;
    TColor glow_radial_color_ = clWhite;
    TUiGDIPPicture picture_;
    TFillPicturePosition picture_position_ = ppTopLeft;
    int picture_left_ = 0;
    int picture_top_ = 0;
    TFillPictureSize picture_size_ = psOriginal;
    int picture_width_ = 50;
    int picture_height_ = 50;
    bool picture_aspect_ratio_ = false;
    TPictureMode picture_aspect_mode_ = pmStretch;
    TUiGDIPPicture background_picture_;
    TFillPicturePosition background_position_ = ppTopLeft;
    int background_left_ = 0;
    int background_top_ = 0;
    TFillPictureMode background_mode_ = pmOutsideFill;
    bool background_aspect_ratio_ = false;
    TPictureMode background_aspect_mode_ = pmStretch;
};

}  // namespace kv
