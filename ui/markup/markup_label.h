#pragma once
// A label whose text is mark-up: a transparent, solid or gradient background with bevels and
// a border, sizing itself to its text, centred or bottom-aligned text, anchors that change the
// cursor, fire events and open web addresses, and hints of an anchor's target or the whole text.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/control.h"
#include "platform/window/form.h"
#include "platform/window/panel.h"
#include "ui/markup/markup_picture.h"
#include "ui/markup/markup_renderer.h"

namespace kv {

class MarkupPictureSource;

enum TAutoSizeType { asVertical, asHorizontal, asBoth };
enum TVAlignment { tvaTop, tvaCenter, tvaBottom };
enum TGradientType { gtFullHorizontal, gtFullVertical, gtBottomLine, gtCenterLine, gtTopLine };
using TBevelCut = BevelCut;

// Top-to-bottom or left-to-right bands from one colour to the other, in `steps` steps.
void DrawColorGradient(Canvas& canvas, const Rect& r, TColor from, TColor to, int steps,
                       bool horizontal);

class TMarkupLabel : public Control {
  public:
    TMarkupLabel();

    // Assigning text (or a list of lines) drops every CR and LF: line breaks are written <BR>.
    void SetHTMLText(std::string_view text);
    void SetHTMLText(const std::vector<std::string>& lines);
    // Lines as a window stores them; they are joined with one blank for drawing.
    void SetHTMLLines(std::vector<std::string> lines);
    const std::vector<std::string>& HTMLLines() const { return lines_; }
    std::string GetDisplayText() const;
    // The height that shows the whole text at the label's width, as the vertical auto-size
    // makes it when the label is drawn; for windows that lay labels out before drawing them.
    int FittingHeight();

    bool AutoSizing() const { return auto_sizing_; }
    void SetAutoSizing(bool on);
    TAutoSizeType AutoSizeType() const { return auto_size_type_; }
    void SetAutoSizeType(TAutoSizeType type);
    TVAlignment VAlignment() const { return valignment_; }
    void SetVAlignment(TVAlignment v) { Change(valignment_, v); }
    TColor ColorTo() const { return color_to_; }
    void SetColorTo(TColor c) { Change(color_to_, c); }
    void SetGradientType(TGradientType t) { Change(gradient_type_, t); }
    void SetLineWidth(int w) { Change(line_width_, w); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { Change(transparent_, on); }
    void SetBevelInner(TBevelCut b) { Change(bevel_inner_, b); }
    void SetBevelOuter(TBevelCut b) { Change(bevel_outer_, b); }
    void SetBevelWidth(int w) { Change(bevel_width_, w); }
    void SetBorderWidth(int w) { Change(border_width_, w); }
    void SetBorderStyle(BorderStyle s) { Change(border_style_, s); }
    void SetBorderColor(TColor c) { Change(border_color_, c); }
    void SetEllipsis(bool on) { Change(ellipsis_, on); }
    void SetLineSpacing(int n) { Change(line_spacing_, n); }
    TColor ShadowColor() const { return shadow_color_; }
    void SetShadowColor(TColor c) { Change(shadow_color_, c); }
    int ShadowOffset() const { return shadow_offset_; }
    void SetShadowOffset(int n) { Change(shadow_offset_, n); }
    // Shadowed text ringed by the shadow colour on every side (see MarkupOptions).
    bool ShadowRing() const { return shadow_ring_; }
    void SetShadowRing(bool on) { Change(shadow_ring_, on); }
    TColor URLColor() const { return url_color_; }
    void SetURLColor(TColor c) { Change(url_color_, c); }
    void SetImages(const MarkupImageList* images) { Change(images_, images); }
    void SetPictureContainer(const MarkupPictureSource* c) { Change(container_, c); }
    const MarkupPictureSource* PictureContainer() const { return container_; }
    std::string Version() const;
    void SetVersion(std::string_view) {}

    // Stored without a repaint.
    bool hover = false;
    TColor hover_color = clNone;
    TColor hover_font_color = clNone;
    bool anchor_hint = false;
    bool hint_show_full = false;
    bool html_hint = false;
    Control* focus_control = nullptr;  // what the accelerator focuses

    std::function<void(const std::string& anchor)> on_anchor_click;
    std::function<void(const std::string& anchor)> on_anchor_enter;
    std::function<void(const std::string& anchor)> on_anchor_exit;
    std::function<void(std::string& anchor)> on_anchor_hint;
    std::function<void(int width, int height)> on_new_size;

    // The anchor target under a client point, or empty; rect gets the anchor's area on its line
    // (-1 all round when there is none).
    std::string AnchorAt(int x, int y, Rect& anchor_rect);
    // The 1-based anchor under the mouse, -1 none.
    int AnchorUnderMouse() const { return anchor_number_; }

    void Paint(Canvas& canvas) override;
    bool Accelerator(char32_t ch) override;

  protected:
    // Every layout of the text goes through here: word wrapping, the picture cache, the container
    // and the line spacing are the label's.
    virtual MarkupResult DrawMarkupText(Canvas& canvas, std::string_view text,
                                        MarkupOptions options);
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

  private:
    void TextChanged();
    std::string HintFor(const std::string& anchor);

    std::vector<std::string> lines_;
    TMarkupPictureCache cache_;
    bool auto_sizing_ = false;
    TAutoSizeType auto_size_type_ = asVertical;
    TVAlignment valignment_ = tvaTop;
    TColor color_to_ = clNone;
    TGradientType gradient_type_ = gtFullHorizontal;
    int line_width_ = 2;
    bool transparent_ = true;
    TBevelCut bevel_inner_ = bvNone, bevel_outer_ = bvNone;
    int bevel_width_ = 1;
    int border_width_ = 0;
    BorderStyle border_style_ = bsNone;
    TColor border_color_ = clBlack;
    bool ellipsis_ = false;
    int line_spacing_ = 0;
    TColor shadow_color_ = clGray;
    int shadow_offset_ = 2;
    bool shadow_ring_ = false;
    TColor url_color_ = clBlue;
    const MarkupImageList* images_ = nullptr;
    const MarkupPictureSource* container_ = nullptr;

    int anchor_number_ = -1;
    int previous_number_ = -1;
    std::string previous_anchor_;
    Rect previous_rect_{-1, -1, -1, -1};
    std::string own_hint_;
};

}  // namespace kv
