#pragma once
// Numeric edits: the number edit filters typed and pasted characters, keeps an optional range
// and writes its value with a fixed number of decimals between a prefix and a suffix; the spin
// edit adds up/down buttons (arrow keys, the wheel, auto-repeat) and an optional push button.

#include <functional>
#include <string>

#include "ui/grid/editors/gr_edit.h"
#include "ui/grid/editors/small_buttons.h"

namespace kv {

enum TGrNumberEditOption {
    eoAllowAll,
    eoAllowFloat,
    eoAllowSigns,
    eoDisablePaste,
    eoDisableTyping
};
using TGrNumberEditOptions = EnumSet<TGrNumberEditOption>;

class TGrCustomNumberEdit : public TGrEdit {
  public:
    TGrCustomNumberEdit();

    // The range applies only when Max or Min is not 0; Min is also the value of an empty text.
    double Max = 0;
    double Min = 0;
    TGrNumberEditOptions Options{eoAllowFloat, eoAllowSigns};

    bool HasRange() const { return Max != 0 || Min != 0; }
    double Clamp(double value) const;
    const std::string& NullText() const { return null_text_; }
    void SetNullText(const std::string& text);
    int Precision() const { return precision_; }
    void SetPrecision(int precision);
    void SetTextBefore(const std::string& text);
    void SetTextAfter(const std::string& text);
    // Takes another number edit's range, null text, options and precision, then its value.
    void Assign(const TGrCustomNumberEdit& source);

    // Reads the text (never throws): the null text is 0, an empty text Min, text that cannot be
    // read the last value that could.
    double GetValue();
    void SetValue(double value) { ShowValue(value); }
    std::string FormatValue(double value) const;
    // Keeps the characters a number may hold and returns that number, clamped, in the general
    // format; an empty result, or one that is still no number, gives Min.
    std::string FilterNumber(std::string_view text, bool allow_float, bool allow_signs) const;

    double GetAsFloat() const override;
    int GetAsInteger() const override;
    void SetAsFloat(double value) override { SetValue(value); }
    void SetAsInteger(int value) override { SetValue(value); }
    void CommitText() override;

  protected:
    void ShowValue(double value);
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;

  private:
    void Paste();
    std::string null_text_;
    int precision_ = 2;
    std::string text_before_;
    std::string text_after_;
    double last_value_ = 0;
};

class TGrSpinEdit : public TGrCustomNumberEdit {
  public:
    TGrSpinEdit();

    double Increment = 1.0;
    std::function<void(TSpinButtonSet)> OnSpin;
    std::function<void()> OnButtonClick;

    TGrSpinButtons& SpinControl() const { return *spin_; }
    TGrExecuteButton& Button() const { return *button_; }
    bool SpinButtons() const { return spin_->Visible(); }
    void SetSpinButtons(bool value);
    bool ShowButton() const { return button_->Visible(); }
    void SetShowButton(bool value);
    void SetButtonWidth(int width);
    void SetButtonCaption(const std::string& caption) { button_->SetCaption(caption); }

    // One step up or down; a step that would leave the range is refused whole.
    void SpinStep(TSpinButtonSet buttons);
    int GetAsInteger() const override;
    void GetMargins(int& left, int& right) const override;

  protected:
    void Resized() override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyUp(int& key, ShiftState shift) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;
    void MouseEnter() override;
    void MouseLeave() override;

  private:
    void PlaceChildren();
    static constexpr int kSpinWidth = 16;
    TGrSpinButtons* spin_ = nullptr;
    TGrExecuteButton* button_ = nullptr;
};

}  // namespace kv
