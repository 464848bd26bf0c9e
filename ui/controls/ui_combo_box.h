#pragma once
// The drop-down list with a custom frame: a flat look (a thin frame in the parent's colour, a
// flat drop-down button that shows its edge only while the pointer is over the control or it
// has the focus, an optional underline), fixed and focused border colours, a colour and a font
// colour while focused, a drop-down list wider than the field, and a caption label it creates,
// places beside itself and keeps in step (enabled, visible, bold while focused).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/window/combo_box.h"
#include "platform/window/label.h"

namespace kv {

enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

class TUiCustomCombo;

// The caption label of a combo box: it lives on the combo's parent and goes with the combo.
class TUiComboLabel : public Label {
  public:
    explicit TUiComboLabel(TUiCustomCombo* combo) : combo_(combo) {}
    ~TUiComboLabel() override;

  private:
    friend class TUiCustomCombo;
    TUiCustomCombo* combo_;
};

class TUiCustomCombo : public ComboBox {
  public:
    static constexpr TColor kEmptyTextColour = 0x808080;

    TUiCustomCombo();
    ~TUiCustomCombo() override;

    std::string Version() const;
    void SetVersion(std::string_view) {}
    static constexpr std::uint32_t GetVersionNr() { return 0x01050100; }

    // When the text is one of the items, makes it the chosen one and fires on_change.
    virtual void SelectItemByText(std::string_view text);

    bool AutoComplete() const { return auto_complete; }
    void SetAutoComplete(bool v) { auto_complete = v; }
    bool AutoFocus() const { return auto_focus_; }
    void SetAutoFocus(bool v) { auto_focus_ = v; }
    TColor BorderColor() const { return border_color_; }
    void SetBorderColor(TColor v) { Change(border_color_, v); }
    // 14 to 32; other widths are ignored.
    int ButtonWidth() const { return button_width_; }
    void SetButtonWidth(int v);
    bool DisabledBorder() const { return disabled_border_; }
    void SetDisabledBorder(bool v) { Change(disabled_border_, v); }
    int DropWidth() const { return drop_width; }
    void SetDropWidth(int v) { drop_width = v; }
    // Kept with the window; a drop-down list has no edit part to show it in.
    const std::string& EmptyText() const { return empty_text_; }
    void SetEmptyText(std::string v) { Change(empty_text_, std::move(v)); }
    bool EmptyTextFocused() const { return empty_text_focused_; }
    void SetEmptyTextFocused(bool v) { empty_text_focused_ = v; }
    FontStyles EmptyTextStyle() const { return empty_text_style_; }
    void SetEmptyTextStyle(FontStyles v) { Change(empty_text_style_, v); }
    bool Etched() const { return etched_; }
    void SetEtched(bool v) { Change(etched_, v); }
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    TColor FlatLineColor() const { return flat_line_color_; }
    void SetFlatLineColor(TColor v) { Change(flat_line_color_, v); }
    bool FlatParentColor() const { return flat_parent_color_; }
    void SetFlatParentColor(bool v);
    bool FocusBorder() const { return focus_border_; }
    void SetFocusBorder(bool v) { Change(focus_border_, v); }
    TColor FocusBorderColor() const { return focus_border_color_; }
    void SetFocusBorderColor(TColor v) { Change(focus_border_color_, v); }
    TColor FocusColor() const { return focus_color_; }
    void SetFocusColor(TColor v) { focus_color_ = v; }
    TColor FocusFontColor() const { return focus_font_color_; }
    void SetFocusFontColor(TColor v) { focus_font_color_ = v; }
    bool FocusLabel() const { return focus_label_; }
    void SetFocusLabel(bool v) { focus_label_ = v; }
    // The colour of the field; the flat look may show its parent's colour instead.
    void SetFieldColor(TColor c);

    // The caption label: created by the first caption given.
    const std::string& LabelCaption() const { return label_caption_; }
    void SetLabelCaption(std::string caption);
    TLabelPosition LabelPosition() const { return label_position_; }
    void SetLabelPosition(TLabelPosition v);
    int LabelMargin() const { return label_margin_; }
    void SetLabelMargin(int v);
    bool LabelTransparent() const { return label_transparent_; }
    void SetLabelTransparent(bool v);
    bool LabelAlwaysEnabled() const { return label_always_enabled_; }
    void SetLabelAlwaysEnabled(bool v);
    // Ignored while the combo uses its parent's font: the label shows the combo's font then.
    const Font& LabelFont() const { return label_font_; }
    void SetLabelFont(const Font& f);
    Label* CaptionLabel() const { return label_; }

    bool Hot() const { return hot_; }
    bool ButtonHot() const { return button_hot_; }

    std::function<void()> on_drop_up;

    void Paint(Canvas& canvas) override;

  protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void Resized() override;
    void Moved() override;
    void FontChanged() override;
    void ClosedUp() override;
    void DroppingDown() override;

  private:
    friend class TUiComboLabel;
    void DrawEmptyText(Canvas& canvas) const;
    void UpdateLabel();
    void PlaceLabel();
    void SetFontColor(TColor color);
    void DrawFrame(Canvas& canvas);
    bool FocusBorderActive() const;
    TColor ParentColor() const;

    bool auto_focus_ = false;
    TColor border_color_ = clNone;
    int button_width_ = 19;
    bool disabled_border_ = true;
    std::string empty_text_;
    bool empty_text_focused_ = false;
    FontStyles empty_text_style_ = 0;
    bool etched_ = false;
    bool flat_ = false;
    TColor flat_line_color_ = clBlack;
    bool flat_parent_color_ = true;
    bool focus_border_ = false;
    TColor focus_border_color_ = clNone;
    TColor focus_color_ = clNone;
    TColor focus_font_color_ = clNone;
    bool focus_label_ = false;
    std::string label_caption_;
    TLabelPosition label_position_ = lpLeftTop;
    int label_margin_ = 4;
    bool label_transparent_ = false;
    bool label_always_enabled_ = false;
    Font label_font_;
    TUiComboLabel* label_ = nullptr;

    TColor stored_color_ = clWindow;  // the colour given, shown when not flat over the parent
    TColor normal_color_ = clNone;    // saved while the focus colour shows
    TColor saved_font_color_ = clNone;
    bool focus_font_applied_ = false;
    bool hot_ = false;
    bool button_hot_ = false;
    bool focused_ = false;
};

// The combo box as the game's windows place it.
class TUiComboBox : public TUiCustomCombo {};

}  // namespace kv
