#pragma once
// The game's own message dialog: a non-visual part of a window that shows a message in a
// borderless, partly transparent window with rounded corners: an optional caption bar, a body of
// mark-up text, an optional progress bar and a row or column of buttons. ShowDialog returns the
// modal result of the button that closed it; Confirm is true for OK or Yes.
//
//   auto& dlg = form.AddComponent<TUiSmoothMessageDialog>("msg");
//   dlg.Buttons().Add().SetCaption("&Sim");
//   dlg.HTMLText().SetText("Escalar <B>11</B> titulares?");
//   if (dlg.Confirm()) ...
//
// A shown dialog re-measures and repaints at every change of its properties (adding a button
// waits for the next change). It closes through CloseDialog: from a button, a key, the time-out
// or the progress reaching its maximum; OnCanClose may refuse. Its window is freed from the
// event loop, never inside its own handler.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/fonts.h"
#include "platform/gfx/gdiplus.h"
#include "platform/gfx/geometry.h"
#include "platform/window/component.h"
#include "platform/window/form.h"
#include "platform/window/timer.h"
#include "ui/controls/gdiplus/gdip_dialog_button.h"
#include "ui/controls/gdiplus/gdip_fill.h"
#include "ui/controls/gdiplus/gdip_progress.h"
#include "ui/controls/smooth_panel.h"
#include "ui/markup/markup_renderer.h"
#include "ui/markup/picture_container.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {

class MarkupImageList;
class TUiSmoothMessageDialog;
class TUiSmoothMessageDialogForm;

enum TUiSmoothMessageDialogLocation {
    hlTopLeft,
    hlTopCenter,
    hlTopRight,
    hlCenterLeft,
    hlCenterCenter,
    hlCenterRight,
    hlBottomLeft,
    hlBottomCenter,
    hlBottomRight,
    hlCustom
};
enum TUiSmoothMessageDialogButtonLayout { blHorizontal, blVertical };

// The message: mark-up, its base font, link and shadow colours and its place in the text area.
class TUiSmoothMessageDialogHTMLText {
  public:
    explicit TUiSmoothMessageDialogHTMLText(TUiSmoothMessageDialog& owner);
    TUiSmoothMessageDialogHTMLText(const TUiSmoothMessageDialogHTMLText&) = delete;
    TUiSmoothMessageDialogHTMLText& operator=(const TUiSmoothMessageDialogHTMLText&) = delete;

    void Assign(const TUiSmoothMessageDialogHTMLText& source);

    const std::string& Text() const { return text_; }
    void SetText(std::string v) { Set(text_, std::move(v)); }
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& v) { Set(font_, v); }
    TColor URLColor() const { return url_color_; }
    void SetURLColor(TColor v) { Set(url_color_, v); }
    TColor ShadowColor() const { return shadow_color_; }
    void SetShadowColor(TColor v) { Set(shadow_color_, v); }
    int ShadowOffset() const { return shadow_offset_; }
    void SetShadowOffset(int v) { Set(shadow_offset_, v); }
    TUiSmoothMessageDialogLocation Location() const { return location_; }
    void SetLocation(TUiSmoothMessageDialogLocation v) { Set(location_, v); }
    // hlCustom's corner in window pixels; other places add them to the measured text area.
    int Left() const { return left_; }
    void SetLeft(int v) { Set(left_, v); }
    int Top() const { return top_; }
    void SetTop(int v) { Set(top_, v); }

  private:
    template <class T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = std::move(value);
        Notify();
    }
    // Re-measures the owning dialog.
    void Notify();

    TUiSmoothMessageDialog& owner_;
    TColor url_color_ = clBlue;
    int shadow_offset_ = 5;
    Font font_;
    std::string text_;
    TColor shadow_color_ = clGray;
    TUiSmoothMessageDialogLocation location_ = hlCenterLeft;
    int top_ = 0;
    int left_ = 0;
};

class TUiSmoothMessageDialogButton {
  public:
    explicit TUiSmoothMessageDialogButton(TUiSmoothMessageDialog& owner);
    TUiSmoothMessageDialogButton(const TUiSmoothMessageDialogButton&) = delete;
    TUiSmoothMessageDialogButton& operator=(const TUiSmoothMessageDialogButton&) = delete;

    void Assign(const TUiSmoothMessageDialogButton& source);

    // An '&' marks the accelerator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string v) { Set(caption_, std::move(v)); }
    int ButtonResult() const { return button_result_; }
    void SetButtonResult(int v) { Set(button_result_, v); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { Set(enabled_, v); }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { Set(color_, v); }
    TColor ColorDown() const { return color_down_; }
    void SetColorDown(TColor v) { Set(color_down_, v); }
    TColor HoverColor() const { return hover_color_; }
    void SetHoverColor(TColor v) { Set(hover_color_, v); }
    TColor ColorFocused() const { return color_focused_; }
    void SetColorFocused(TColor v) { Set(color_focused_, v); }
    TColor ColorDisabled() const { return color_disabled_; }
    void SetColorDisabled(TColor v) { Set(color_disabled_, v); }
    // clNone draws no border.
    TColor BorderColor() const { return border_color_; }
    void SetBorderColor(TColor v) { Set(border_color_, v); }
    int BorderWidth() const { return border_width_; }
    void SetBorderWidth(int v) { Set(border_width_, v); }
    uint8_t BorderOpacity() const { return border_opacity_; }
    void SetBorderOpacity(uint8_t v) { Set(border_opacity_, v); }
    uint8_t Opacity() const { return opacity_; }
    void SetOpacity(uint8_t v) { Set(opacity_, v); }
    // Setting copies the picture.
    const TUiGDIPPicture& Picture() const { return picture_; }
    void SetPicture(const TUiGDIPPicture* source);
    TGDIPButtonLayout PictureLocation() const { return picture_location_; }
    void SetPictureLocation(TGDIPButtonLayout v) { Set(picture_location_, v); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { Set(spacing_, v); }

    // Pressed, under the mouse, and where the last layout put it (window pixels).
    bool Down = false;
    bool Hover = false;
    RectF ButtonRect;

  private:
    template <class T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = std::move(value);
        Notify();
    }
    // Re-measures the owning dialog.
    void Notify();

    TUiSmoothMessageDialog& owner_;
    std::string caption_;
    int button_result_ = mrOk;
    bool enabled_ = true;
    TColor color_ = 0x808080;
    TColor color_down_ = 0x808080;
    TColor hover_color_ = 0xC0C0C0;
    TColor color_focused_ = 0xC0C0C0;
    TColor color_disabled_ = 0x797979;
    TColor border_color_ = 0x000000;
    int border_width_ = 1;
    uint8_t border_opacity_ = 255;
    uint8_t opacity_ = 255;
    TUiGDIPPicture picture_;
    TGDIPButtonLayout picture_location_ = blPictureLeft;
    int spacing_ = 0;
};

// Adding or deleting buttons does not re-measure a shown dialog.
class TUiSmoothMessageDialogButtons {
  public:
    explicit TUiSmoothMessageDialogButtons(TUiSmoothMessageDialog& owner) : owner_(owner) {}
    TUiSmoothMessageDialogButton& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TUiSmoothMessageDialogButton& Items(int index) { return *items_.at(std::size_t(index)); }
    const TUiSmoothMessageDialogButton& Items(int index) const {
        return *items_.at(std::size_t(index));
    }
    TUiSmoothMessageDialogButton& operator[](int index) { return Items(index); }
    void Delete(int index);
    void Clear() { items_.clear(); }
    TUiSmoothMessageDialog& GetOwner() const { return owner_; }

  private:
    TUiSmoothMessageDialog& owner_;
    std::vector<std::unique_ptr<TUiSmoothMessageDialogButton>> items_;
};

// The ten sizes MeasureDialog computes, in pixels; the button size includes its spacing.
struct SmoothDialogMeasures {
    double ButtonWidth = 0;
    double ButtonHeight = 0;
    double TextAreaHeight = 0;
    double TextAreaWidth = 0;
    double CaptionAreaHeight = 0;
    double CaptionAreaWidth = 0;
    double TotalHeight = 0;
    double TotalWidth = 0;
    double ProgressAreaHeight = 0;
    double ProgressAreaWidth = 0;
};

// c + (255 - c) * percent / 100 per channel, system colours resolved first.
TColor LightenColor(TColor color, int percent);

class TUiSmoothMessageDialog : public Component {
  public:
    TUiSmoothMessageDialog();
    ~TUiSmoothMessageDialog() override;
    TUiSmoothMessageDialog(const TUiSmoothMessageDialog&) = delete;
    TUiSmoothMessageDialog& operator=(const TUiSmoothMessageDialog&) = delete;

    // Opens the window; modal: waits and returns the closing button's result, otherwise
    // returns mrOk at once.
    int ShowDialog();
    // ShowDialog, true when the result is mrOk or mrYes.
    bool Confirm();
    // Closes an open dialog with that result unless OnCanClose refuses.
    void CloseDialog(int result);
    // Re-measures and repaints a shown dialog.
    void Changed();
    bool HasCancelButton() const;
    // The message without its tags (for the clipboard).
    std::string GetPlainText() const;

    // Copies the look, text, layout, progress and behaviour; not the buttons, the button area's
    // fill, the default button, the pictures, the placement, the time-out or the events.
    void Assign(const TUiSmoothMessageDialog& source);
    // Twenty looks (0 to 19); 8 and indices above 19 set only the rounding of the fill.
    void ApplyStylePreset(int style);
    void ApplyColorTones(const TColorToneSet& tones);

    // ---- the window
    TUiSmoothMessageDialogForm* DialogForm() const { return form_; }
    bool Modal() const { return modal_; }
    void SetModal(bool v) { Set(modal_, v); }
    bool AutoClose() const { return auto_close_; }
    void SetAutoClose(bool v) { Set(auto_close_, v); }
    // Milliseconds after it appears until a modal dialog closes itself with mrAll; 0 never.
    int TimeOut() const { return time_out_; }
    void SetTimeOut(int ms);
    bool EnableKeyEvents() const { return enable_key_events_; }
    void SetEnableKeyEvents(bool v) { Set(enable_key_events_, v); }
    FormStyle GetFormStyle() const { return form_style_; }
    void SetFormStyle(FormStyle v) { Set(form_style_, v); }
    FormPosition Position = poDesigned;
    int DialogLeft = 0;
    int DialogTop = 0;
    // A transparent border around the painted dialog.
    int Margin() const { return margin_; }
    void SetMargin(int v) { Set(margin_, v); }
    // The box the caption, button captions and text are measured in; 0 wide: no wrapping.
    int MaximumWidth() const { return maximum_width_; }
    void SetMaximumWidth(int v) { Set(maximum_width_, v); }
    int MaximumHeight() const { return maximum_height_; }
    void SetMaximumHeight(int v) { Set(maximum_height_, v); }
    int MinimumWidth() const { return minimum_width_; }
    void SetMinimumWidth(int v) { Set(minimum_width_, v); }
    int MinimumHeight() const { return minimum_height_; }
    void SetMinimumHeight(int v) { Set(minimum_height_, v); }
    bool TabStop = false;
    TGDIPFill& Fill() { return fill_; }
    const TGDIPFill& Fill() const { return fill_; }
    void SetFill(const TGDIPFill& f) { fill_.Assign(f); }
    // Pictures the text names ("idx:" and by name); the dialog does not own them.
    const MarkupImageList* Images = nullptr;
    const TGDIPPictureContainer* PictureContainer = nullptr;
    std::string Version() const;
    void SetVersion(std::string_view) {}
    static constexpr std::uint32_t GetVersionNr() { return 0x01020101; }

    // ---- caption
    // Not re-measured when changed on a shown dialog.
    std::string Caption;
    const Font& CaptionFont() const { return caption_font_; }
    void SetCaptionFont(const Font& v) { Set(caption_font_, v); }
    TGDIPFill& CaptionFill() { return caption_fill_; }
    const TGDIPFill& CaptionFill() const { return caption_fill_; }
    void SetCaptionFill(const TGDIPFill& f) { caption_fill_.Assign(f); }
    int CaptionHeight() const { return caption_height_; }
    void SetCaptionHeight(int v) { Set(caption_height_, v); }
    TUiSmoothMessageDialogLocation CaptionLocation() const { return caption_location_; }
    void SetCaptionLocation(TUiSmoothMessageDialogLocation v) { Set(caption_location_, v); }
    int CaptionLeft() const { return caption_left_; }
    void SetCaptionLeft(int v) { Set(caption_left_, v); }
    int CaptionTop() const { return caption_top_; }
    void SetCaptionTop(int v) { Set(caption_top_, v); }

    // ---- text and buttons
    TUiSmoothMessageDialogHTMLText& HTMLText() { return html_text_; }
    const TUiSmoothMessageDialogHTMLText& HTMLText() const { return html_text_; }
    TUiSmoothMessageDialogButtons& Buttons() { return buttons_; }
    const TUiSmoothMessageDialogButtons& Buttons() const { return buttons_; }
    const Font& ButtonFont() const { return button_font_; }
    void SetButtonFont(const Font& v) { Set(button_font_, v); }
    TGDIPFill& ButtonAreaFill() { return button_area_fill_; }
    const TGDIPFill& ButtonAreaFill() const { return button_area_fill_; }
    void SetButtonAreaFill(const TGDIPFill& f) { button_area_fill_.Assign(f); }
    TUiSmoothMessageDialogButtonLayout ButtonLayout() const { return button_layout_; }
    void SetButtonLayout(TUiSmoothMessageDialogButtonLayout v) { Set(button_layout_, v); }
    int ButtonSpacing() const { return button_spacing_; }
    void SetButtonSpacing(int v) { Set(button_spacing_, v); }
    // The focused button.
    int DefaultButton() const { return default_button_; }
    void SetDefaultButton(int v) { Set(default_button_, v); }

    // ---- progress
    bool ProgressVisible() const { return progress_visible_; }
    void SetProgressVisible(bool v) { Set(progress_visible_, v); }
    double ProgressMinimum() const { return progress_minimum_; }
    void SetProgressMinimum(double v) { Set(progress_minimum_, v); }
    double ProgressMaximum() const { return progress_maximum_; }
    void SetProgressMaximum(double v) { Set(progress_maximum_, v); }
    // Reaching the maximum closes a shown dialog with mrOk while AutoClose is on.
    double ProgressValue() const { return progress_value_; }
    void SetProgressValue(double v);
    // hlCustom puts the bar at (ProgressLeft, ProgressTop) and gives it no area of its own.
    TUiSmoothMessageDialogLocation ProgressPosition() const { return progress_position_; }
    void SetProgressPosition(TUiSmoothMessageDialogLocation v) { Set(progress_position_, v); }
    int ProgressLeft() const { return progress_left_; }
    void SetProgressLeft(int v) { Set(progress_left_, v); }
    int ProgressTop() const { return progress_top_; }
    void SetProgressTop(int v) { Set(progress_top_, v); }
    int ProgressWidth() const { return progress_width_; }
    void SetProgressWidth(int v) { Set(progress_width_, v); }
    int ProgressHeight() const { return progress_height_; }
    void SetProgressHeight(int v) { Set(progress_height_, v); }
    TGDIPProgress& ProgressAppearance() { return progress_appearance_; }
    const TGDIPProgress& ProgressAppearance() const { return progress_appearance_; }
    void SetProgressAppearance(const TGDIPProgress& p) { progress_appearance_.Assign(p); }

    // ---- layout and painting
    // Fills the measures from the current properties.
    void MeasureDialog();
    const SmoothDialogMeasures& Measures() const { return measures_; }
    RectF GetCaptionRect(const Rect& client) const;
    RectF GetTextRect(const Rect& client) const;
    RectF GetProgressRect(const Rect& client) const;
    RectF GetButtonsRect(const Rect& client) const;
    // Where a w x h box goes in the area for a location other than hlCustom.
    static PointF GetLocationPosition(const RectF& area, int w, int h,
                                      TUiSmoothMessageDialogLocation location);
    // Measures the text in the area and draws it (or, with hit_test, only finds the link under
    // (x, y)); returns that link's target.
    std::string DrawHTMLText(TGPGraphics& surface, const TUiSmoothMessageDialogHTMLText& text,
                             int x, int y, bool hit_test, const RectF& area) const;
    std::string GetAnchorAt(int x, int y, const Rect& client) const;
    // The enabled button whose rectangle holds the point, edges included; -1 when none.
    int ButtonAt(int x, int y) const;

    // A link of the text was pressed.
    std::function<void(const std::string& anchor)> on_anchor_click;
    // May refuse a close with that result.
    std::function<void(bool& can_close, int result)> on_can_close;
    std::function<void()> on_close;

    // For the window.
    void FormShown();
    void FormClosed(CloseAction& action);
    void WindowActivated(TUiSmoothMessageDialogForm& form);
    void WindowDestroyed(TUiSmoothMessageDialogForm& form);
    Timer& TimeOutTimer() { return time_out_timer_; }

  private:
    template <class T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = std::move(value);
        Changed();
    }
    void TimeOutElapsed();
    // What the text is measured, drawn and hit-tested with, but its box and point.
    MarkupOptions TextOptions(const TUiSmoothMessageDialogHTMLText& text) const;

    SmoothDialogMeasures measures_;
    TUiSmoothMessageDialogForm* form_ = nullptr;
    Timer time_out_timer_;
    TGDIPFill fill_;
    TGDIPFill caption_fill_;
    TGDIPFill button_area_fill_;
    TUiSmoothMessageDialogHTMLText html_text_{*this};
    TUiSmoothMessageDialogButtons buttons_{*this};
    int caption_height_ = 30;
    int margin_ = 0;
    TUiSmoothMessageDialogLocation caption_location_ = hlCenterCenter;
    int caption_left_ = 0;
    int caption_top_ = 0;
    Font caption_font_;
    Font button_font_;
    TUiSmoothMessageDialogButtonLayout button_layout_ = blHorizontal;
    int button_spacing_ = 5;
    bool enable_key_events_ = true;
    int default_button_ = 0;
    double progress_minimum_ = 0;
    double progress_maximum_ = 100;
    double progress_value_ = 0;
    TGDIPProgress progress_appearance_;
    bool progress_visible_ = false;
    int progress_top_ = 0;
    int progress_left_ = 0;
    int progress_height_ = 15;
    TUiSmoothMessageDialogLocation progress_position_ = hlCenterCenter;
    int progress_width_ = 130;
    bool auto_close_ = true;
    bool modal_ = true;
    FormStyle form_style_ = fsNormal;
    bool closing_ = false;
    int maximum_height_ = 10000;
    int maximum_width_ = 0;
    int time_out_ = 0;
    int minimum_width_ = 0;
    int minimum_height_ = 0;
};

// The game's message box on `form`, under `name`: shadowed white mark-up on green fading to
// black, centred on the form, one "Ok" button. The caller sets the text and shows it.
TUiSmoothMessageDialog& AddGameMessageDialog(Form& form, std::string name);

}  // namespace kv
