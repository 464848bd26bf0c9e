#pragma once
// Paints a progress bar: a background fill, the filled part in its own fill, soft shadows at the
// ends, glossy bands over it and a formatted value text. The smooth progress bar and the message
// dialog's bar own one and call Draw from their paint.

#include <functional>
#include <string>
#include <string_view>

#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"
#include "ui/controls/gdiplus/change_notifier.h"
#include "ui/controls/gdiplus/gdip_fill.h"

namespace kv {

enum TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum TGDIPProgressValuePosition {
    vpProgressCenter,
    vpProgressRight,
    vpCenter,
    vpLeft,
    vpRight,
    vpCustom
};
enum TGDIPProgressDirection { pbdHorizontal, pbdVertical };

// The value text of a format with one number: "%f" (two decimals) or "%.Nf" (N decimals, up to
// 15) show the number, "%%" a percent sign, other characters stand as they are. A format with
// anything else shows the number alone, plainly (up to two decimals, none when whole). Decimals
// are written with a comma, as the game's texts write them.
std::string FormatProgressValue(std::string_view format, double value);

class TGDIPProgress : public ChangeNotifier {
  public:
    TGDIPProgress();

    // Copies the fills, value settings, Font and the three switches; the copied fills and font
    // notify as they change. ProgressFont and the events are not copied.
    void Assign(const TGDIPProgress& source);

    // Paints the bar for value in min..max into r (right and bottom edges excluded).
    void Draw(Graphics& g, const Rect& r, double min, double max, double value,
              TGDIPProgressDirection direction) const;

    // The rectangle inside the background's border.
    Rect GetInnerRect(const Rect& r) const;
    // The filled part for the value; empty (zero length) when max <= min.
    RectF GetProgressRect(const Rect& r, double min, double max, double value,
                          TGDIPProgressDirection direction) const;
    // The text the bar shows for the value, after OnDrawValue.
    std::string ValueText(double min, double max, double value) const;

    TGDIPFill& BackGroundFill() { return background_fill_; }
    const TGDIPFill& BackGroundFill() const { return background_fill_; }
    void SetBackGroundFill(const TGDIPFill& fill) { background_fill_.Assign(fill); }
    TGDIPFill& ProgressFill() { return progress_fill_; }
    const TGDIPFill& ProgressFill() const { return progress_fill_; }
    void SetProgressFill(const TGDIPFill& fill) { progress_fill_.Assign(fill); }
    // The text's font beside the filled part, and over it.
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& v) { Change(font_, v); }
    const Font& ProgressFont() const { return progress_font_; }
    void SetProgressFont(const Font& v) { Change(progress_font_, v); }
    const std::string& ValueFormat() const { return value_format_; }
    void SetValueFormat(std::string v) { Change(value_format_, std::move(v)); }
    TGDIPProgressValueType ValueType() const { return value_type_; }
    void SetValueType(TGDIPProgressValueType v) { Change(value_type_, v); }
    TGDIPProgressValuePosition ValuePosition() const { return value_position_; }
    void SetValuePosition(TGDIPProgressValuePosition v) { Change(value_position_, v); }
    int ValuePositionLeft() const { return value_left_; }
    void SetValuePositionLeft(int v) { Change(value_left_, v); }
    int ValuePositionTop() const { return value_top_; }
    void SetValuePositionTop(int v) { Change(value_top_, v); }
    bool ValueVisible() const { return value_visible_; }
    void SetValueVisible(bool v) { Change(value_visible_, v); }
    // Leaves out the background, the bar's own shadows and the overlays.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { Change(transparent_, v); }
    bool Shadows() const { return shadows_; }
    void SetShadows(bool v) { Change(shadows_, v); }
    bool Overlays() const { return overlays_; }
    void SetOverlays(bool v) { Change(overlays_, v); }

    // May replace the text about to be drawn.
    std::function<void(const std::string& format, std::string& text)> OnDrawValue;

  private:
    void DrawShadows(Graphics& g, const RectF& r, TGDIPProgressDirection direction) const;
    void DrawValue(Graphics& g, const Rect& r, double min, double max, double value,
                   TGDIPProgressDirection direction) const;
    void DrawOverlays(Graphics& g, const Rect& r, TGDIPProgressDirection direction) const;

    TGDIPFill background_fill_;
    TGDIPFill progress_fill_;
    Font font_;
    Font progress_font_;
    std::string value_format_ = "%.0f%%";
    TGDIPProgressValueType value_type_ = vtAbsolute;
    TGDIPProgressValuePosition value_position_ = vpCenter;
    int value_left_ = 0;
    int value_top_ = 0;
    bool value_visible_ = false;
    bool transparent_ = false;
    bool shadows_ = true;
    bool overlays_ = true;
};

}  // namespace kv
