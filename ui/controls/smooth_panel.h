#pragma once
// A container painted from a cached picture: a fill body (gradient, rounded corners, border,
// shadow, glow, pictures), an optional plain caption in a gradient brush with its own band and
// separator line, and an optional mark-up caption whose anchors can be clicked. The picture is
// rebuilt only on the first paint after a change of the fill, the caption or the size; any other
// repaint draws the cached one. Transparent (the default) leaves the parent showing around the
// rounded body; a movable panel is dragged by its top 20 pixel rows.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/gdiplus.h"
#include "platform/window/control.h"
#include "ui/controls/gdiplus/gdip_fill.h"
#include "ui/controls/smooth_caption.h"
#include "ui/markup/markup_renderer.h"
#include "ui/markup/picture_container.h"
#include "ui/markup/ui_hint_info.h"

namespace kv {

class MarkupImageList;
class TUiSmoothPanel;

enum TUiSmoothPanelTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

// Five groups of fill, border and text colour that style managers hand to the smooth controls.
struct TColorTone {
    TColor fill = clNone;
    TColor border = clNone;
    TColor text = clNone;
};
struct TColorToneSet {
    TColorTone background;
    TColorTone hover;
    TColorTone selected;
    TColorTone pressed;
    TColorTone disabled;
};

// Where a text of tw x th goes in the box (x, y, bw, bh) for a location other than plCustom.
Point GetTextPosition(TUiSmoothPanelLocation location, int tw, int th, float x, float y, float bw,
                      float bh);

// How the smooth controls lay out their mark-up: wrapped, two pixels between lines, no focus or
// hover, links and shadows in the given colours, pictures from the given list and container.
MarkupOptions SmoothMarkupOptions(const MarkupImageList* images,
                                  const TGDIPPictureContainer* container, int shadow_offset,
                                  TColor url_color, TColor shadow_color);

class TUiSmoothPanelCaption : public SmoothCaptionText {
  public:
    TUiSmoothPanelCaption();

    // Copies the texts, places, brush and fonts; not the line colour, the band or the rendering.
    void Assign(const TUiSmoothPanelCaption& source);

    // The band behind the caption; clNone: none.
    TColor BackgroundColor() const { return background_color_; }
    void SetBackgroundColor(TColor v) { Change(background_color_, v); }
    TColor BackgroundColorTo() const { return background_color_to_; }
    void SetBackgroundColorTo(TColor v) { Change(background_color_to_, v); }
    bool Line() const { return line_; }
    void SetLine(bool v) { Change(line_, v); }
    TColor LineColor() const { return line_color_; }
    void SetLineColor(TColor v) { Change(line_color_, v); }
    TUiSmoothPanelTextRenderingHint TextRendering() const { return text_rendering_; }
    void SetTextRendering(TUiSmoothPanelTextRenderingHint v) { Change(text_rendering_, v); }

    // The mark-up caption; empty: none.
    const std::string& HTMLText() const { return html_text_; }
    void SetHTMLText(std::string v) { Change(html_text_, std::move(v)); }
    const Font& HTMLFont() const { return html_font_; }
    void SetHTMLFont(const Font& v) { Change(html_font_, v); }
    TUiSmoothPanelLocation HTMLLocation() const { return html_location_; }
    void SetHTMLLocation(TUiSmoothPanelLocation v) { Change(html_location_, v); }
    // plCustom's corner; HTMLLeft also indents the other locations.
    int HTMLLeft() const { return html_left_; }
    void SetHTMLLeft(int v) { Change(html_left_, v); }
    int HTMLTop() const { return html_top_; }
    void SetHTMLTop(int v) { Change(html_top_, v); }
    TColor HTMLURLColor() const { return html_url_color_; }
    void SetHTMLURLColor(TColor v) { Change(html_url_color_, v); }
    TColor HTMLShadowColor() const { return html_shadow_color_; }
    void SetHTMLShadowColor(TColor v) { Change(html_shadow_color_, v); }
    int HTMLShadowOffset() const { return html_shadow_offset_; }
    void SetHTMLShadowOffset(int v) { Change(html_shadow_offset_, v); }

  private:
    TColor background_color_ = clNone;
    TColor background_color_to_ = clNone;
    bool line_ = true;
    TColor line_color_ = 0xB0721C;
    TUiSmoothPanelTextRenderingHint text_rendering_ = tAntiAliasGridFit;
    std::string html_text_;
    Font html_font_;
    TUiSmoothPanelLocation html_location_ = plCenterCenter;
    int html_left_ = 0;
    int html_top_ = 0;
    TColor html_url_color_ = clBlue;
    TColor html_shadow_color_ = clGray;
    int html_shadow_offset_ = 5;
};

class TUiSmoothPanel : public Control {
  public:
    TUiSmoothPanel();
    ~TUiSmoothPanel() override;

    // Copies the caption, the fill and Transparent.
    void Assign(const TUiSmoothPanel& source);

    TUiSmoothPanelCaption& Caption() { return caption_; }
    const TUiSmoothPanelCaption& Caption() const { return caption_; }
    TGDIPFill& Fill() { return fill_; }
    const TGDIPFill& Fill() const { return fill_; }
    // Copies the fill handed over; the panel keeps its own.
    void SetFill(const TGDIPFill& fill) { fill_.Assign(fill); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool CanMove() const { return can_move_; }
    void SetCanMove(bool on) { can_move_ = on; }
    // Pictures the mark-up caption names; the panel does not own them.
    void SetPictureContainer(const TGDIPPictureContainer* c);
    const TGDIPPictureContainer* PictureContainer() const { return container_; }
    void SetImages(const MarkupImageList* images);
    TUiHintInfo& OfficeHint() { return office_hint_; }
    void SetOfficeHint(const TUiHintInfo& hint) { office_hint_.Assign(hint); }
    // The cursor outside anchors; over an anchor the hand shows.
    int Cursor() const { return cursor_property_; }
    void SetCursor(int cursor);
    std::string Version() const;
    void SetVersion(std::string_view) {}
    static constexpr std::uint32_t GetVersionNr() { return 0x01030004; }

    // Twenty looks (0 to 19) of the fill and caption colours; other indices only reset the
    // common part.
    void ApplyStylePreset(int index);
    void ApplyColorTones(const TColorToneSet& tones);

    // The anchor under a client point, empty when none.
    std::string AnchorAtPoint(int x, int y);
    // Where a press starts dragging a movable panel.
    virtual bool IsInCaptionBar(Point p) const;

    // Marks the cached picture stale and repaints.
    void Changed();

    // Paints the whole panel onto a surface of its size.
    virtual void DrawPanelGP(TGPGraphics& graphics);

    void Paint(Canvas& canvas) override;

    // For tests and the benchmark: how often the cached picture has been built, whether it is
    // stale, and where the mark-up caption went at the last build.
    int ImageBuilds() const { return image_builds_; }
    bool ImageStale() const { return stale_; }
    Rect MarkupRect() const { return markup_rect_; }

    std::function<void(const std::string& anchor)> on_anchor_click;
    std::function<void(Canvas&, const Rect&)> on_draw;
    std::function<void()> on_end_move_size;

  protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void Resized() override;
    // A font given to the control (by a window's layout, or scaled with its window) becomes
    // the mark-up caption's font.
    void FontChanged() override;

  private:
    // What the mark-up caption is measured, drawn and hit-tested with, but its box.
    MarkupOptions MarkupArguments() const;

    TUiSmoothPanelCaption caption_;
    TGDIPFill fill_;
    TUiHintInfo office_hint_;
    bool transparent_ = true;
    bool can_move_ = false;
    const TGDIPPictureContainer* container_ = nullptr;
    const MarkupImageList* images_ = nullptr;
    int cursor_property_ = crDefault;

    std::unique_ptr<TGPBitmap> image_;
    bool stale_ = true;
    int image_builds_ = 0;
    Rect markup_rect_;
    bool over_anchor_ = false;

    bool moving_ = false;
    Point grab_;  // screen point of the press
    Point grab_origin_;
};

}  // namespace kv
