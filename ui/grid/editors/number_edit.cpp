#include "ui/grid/editors/number_edit.h"

#include <cmath>
#include <cstdio>

#include "platform/window/screen.h"
#include "ui/grid/grid_locale.h"

namespace kv {

namespace {

bool TryReadNumber(std::string_view text, double& out) {
    try {
        out = GridTextToFloat(text);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool HasSign(std::string_view text) {
    return text.find('-') != std::string_view::npos || text.find('+') != std::string_view::npos;
}

}  // namespace

TGrCustomNumberEdit::TGrCustomNumberEdit() {
    ShowValue(0);
}

double TGrCustomNumberEdit::Clamp(double value) const {
    if (!HasRange()) return value;
    return std::min(std::max(value, Min), Max);
}

void TGrCustomNumberEdit::ShowValue(double value) {
    if (!HoldText) SetText(FormatValue(value));
}

void TGrCustomNumberEdit::SetNullText(const std::string& text) {
    null_text_ = text;
    ShowValue(0);
}

void TGrCustomNumberEdit::SetPrecision(int precision) {
    precision_ = precision;
    ShowValue(GetValue());
}

void TGrCustomNumberEdit::SetTextBefore(const std::string& text) {
    text_before_ = text;
    if (!Options.Has(eoAllowAll)) ShowValue(GetValue());
}

void TGrCustomNumberEdit::SetTextAfter(const std::string& text) {
    text_after_ = text;
    if (!Options.Has(eoAllowAll)) ShowValue(GetValue());
}

void TGrCustomNumberEdit::Assign(const TGrCustomNumberEdit& source) {
    Max = source.Max;
    Min = source.Min;
    null_text_ = source.null_text_;
    Options = source.Options;
    precision_ = source.precision_;
    SetValue(source.GetAsFloat());
}

std::string TGrCustomNumberEdit::FormatValue(double value) const {
    if (value == 0 && !null_text_.empty()) return null_text_;
    std::string number;
    if (Options.Has(eoAllowFloat) && precision_ <= 0) {
        number = GridFloatToText(value);
    } else {
        const int decimals = Options.Has(eoAllowFloat) ? precision_ : 0;
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        number = buffer;
        for (char& c : number)
            if (c == '.') c = CurrentGridLocale().decimal_separator;
    }
    return text_before_ + number + text_after_;
}

std::string TGrCustomNumberEdit::FilterNumber(std::string_view text, bool allow_float,
                                              bool allow_signs) const {
    const char separator = CurrentGridLocale().decimal_separator;
    std::string result;
    bool separator_met = false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (c == separator) {
            const bool keep = allow_float && !separator_met;
            separator_met = true;
            if (keep) result += c;
        } else if (c == '+' || c == '-') {
            if (allow_signs && result.empty()) result += c;
        } else if (digit) {
            result += c;
        }
    }
    if (result == "-" || result == "+") result = "0";
    double value = Min;
    // What is left may still be no number (a lone separator): it counts as empty.
    if (!result.empty() && !TryReadNumber(result, value)) value = Min;
    return GridFloatToText(Clamp(value));
}

double TGrCustomNumberEdit::GetValue() {
    if (Text() == null_text_) {
        ShowValue(0);
        return 0;
    }
    if (Text().empty()) return Min;
    double value = 0;
    const std::string filtered =
        FilterNumber(Text(), Options.Has(eoAllowFloat), Options.Has(eoAllowSigns));
    if (!TryReadNumber(filtered, value)) return last_value_;
    last_value_ = Clamp(value);
    return last_value_;
}

double TGrCustomNumberEdit::GetAsFloat() const {
    return const_cast<TGrCustomNumberEdit*>(this)->GetValue();
}

int TGrCustomNumberEdit::GetAsInteger() const {
    return GridTruncToInt(GetAsFloat());
}

void TGrCustomNumberEdit::CommitText() {
    if (!Options.Has(eoAllowAll)) ShowValue(GetValue());
}

void TGrCustomNumberEdit::DoExit() {
    TGrEdit::DoExit();
    CommitText();
}

void TGrCustomNumberEdit::KeyDown(int& key, ShiftState shift) {
    if (Options.Has(eoDisableTyping) && (key == VK_BACK || key == VK_DELETE)) key = 0;
    if ((shift & ssCtrl) && key == 'V') {
        if (!Options.Has(eoDisablePaste) && !Options.Has(eoAllowAll) && !read_only) Paste();
        if (!Options.Has(eoAllowAll) || Options.Has(eoDisablePaste)) key = 0;
    }
    if (key) TGrEdit::KeyDown(key, shift);
}

void TGrCustomNumberEdit::Paste() {
    const int caret = SelStart();
    const std::u32string chars = ToUtf32(Text());
    const std::string selected = SelText();
    std::u32string rest = chars;
    rest.erase(SelStart(), SelLength());
    const std::string rest_text = ToUtf8(rest);
    const bool float_ok =
        Options.Has(eoAllowFloat) &&
        rest_text.find(CurrentGridLocale().decimal_separator) == std::string::npos;
    const bool signs_ok = Options.Has(eoAllowSigns) && SelStart() == 0;
    std::string clip = Screen::Current() ? Screen::Current()->ClipboardText() : std::string();
    rest.insert(SelStart(), ToUtf32(FilterNumber(clip, float_ok, signs_ok)));
    SetText(ToUtf8(rest));
    SetSelStart(caret);
    SetSelLength(0);
}

void TGrCustomNumberEdit::KeyPress(char32_t& key) {
    if (Options.Has(eoDisableTyping)) {
        key = 0;
        return;
    }
    if (Options.Has(eoAllowAll) || key == 3 || key == 9 || key == 22 || key == 24) {
        TGrEdit::KeyPress(key);
        return;
    }
    const char32_t separator = static_cast<unsigned char>(CurrentGridLocale().decimal_separator);
    const bool digit = key >= '0' && key <= '9';
    const std::string selected = SelText();
    bool keep = digit || key == 8 || key == 13;
    if (key == separator) {
        const bool has = Text().find(static_cast<char>(separator)) != std::string::npos;
        const bool replaces = selected.find(static_cast<char>(separator)) != std::string::npos;
        keep = Options.Has(eoAllowFloat) && (!has || replaces);
    } else if (key == '+' || key == '-') {
        keep = Options.Has(eoAllowSigns) &&
               ((SelStart() == 0 && !HasSign(Text())) || HasSign(selected));
    }
    if (!keep) {
        key = 0;
        return;
    }
    TGrEdit::KeyPress(key);
}

// --- spin edit

TGrSpinEdit::TGrSpinEdit() {
    spin_ = &Add<TGrSpinButtons>("spin");
    spin_->Edit = this;
    spin_->OnSpin = [this](TSpinButtonSet buttons) { SpinStep(buttons); };
    button_ = &Add<TGrExecuteButton>("botao");
    button_->Edit = this;
    button_->SetVisible(false);
    button_->OnRelease = [this] {
        if (OnButtonClick) OnButtonClick();
    };
    SetPrecision(0);
    SetValue(0);
    PlaceChildren();
}

void TGrSpinEdit::SetSpinButtons(bool value) {
    spin_->SetVisible(value);
    Invalidate();
}

void TGrSpinEdit::SetShowButton(bool value) {
    button_->SetVisible(value);
    PlaceChildren();
}

void TGrSpinEdit::SetButtonWidth(int width) {
    button_->SetWidth(width);
    PlaceChildren();
}

void TGrSpinEdit::GetMargins(int& left, int& right) const {
    TGrCustomNumberEdit::GetMargins(left, right);
    if (spin_->Visible()) right += spin_->Width();
    if (button_->Visible()) left += button_->Width();
}

void TGrSpinEdit::PlaceChildren() {
    spin_->SetBounds(Width() - 2 - kSpinWidth, 2, kSpinWidth, Height() - 4);
    button_->SetBounds(2, 2, button_->Width(), Height() - 4);
}

void TGrSpinEdit::Resized() {
    TGrCustomNumberEdit::Resized();
    PlaceChildren();
}

int TGrSpinEdit::GetAsInteger() const {
    return GridRoundToInt(GetAsFloat());
}

void TGrSpinEdit::SpinStep(TSpinButtonSet buttons) {
    if (read_only) return;
    if (!Focused() && Showing() && CanFocus()) SetFocus();
    const double value = GetValue();
    if (buttons == TSpinButtonSet{sbUp}) {
        if (HasRange() && value + Increment > Max) return;
        SetValue(value + Increment);
    } else {
        if (value == 0 && !Options.Has(eoAllowSigns)) return;
        if (HasRange() && value - Increment < Min) return;
        SetValue(value - Increment);
    }
    SetSelStart(static_cast<int>(ToUtf32(Text()).size()));
    SetSelLength(0);
    if (OnSpin) OnSpin(buttons);
}

void TGrSpinEdit::KeyDown(int& key, ShiftState shift) {
    TGrCustomNumberEdit::KeyDown(key, shift);
    if (InplaceMode || !SpinButtons()) return;
    if (key == VK_UP || key == VK_DOWN) {
        spin_->SetPressed(key == VK_UP ? TSpinButtonSet{sbUp} : TSpinButtonSet{sbDown});
        key = 0;
    }
}

void TGrSpinEdit::KeyUp(int& key, ShiftState shift) {
    TGrCustomNumberEdit::KeyUp(key, shift);
    if (!InplaceMode && (key == VK_UP || key == VK_DOWN)) spin_->SetPressed({});
}

void TGrSpinEdit::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    TGrCustomNumberEdit::MouseWheel(shift, delta, x, y, handled);
    if (InplaceMode || !SpinButtons()) return;
    SpinStep(delta < 0 ? TSpinButtonSet{sbDown} : TSpinButtonSet{sbUp});
    handled = true;
}

void TGrSpinEdit::MouseEnter() {
    TGrCustomNumberEdit::MouseEnter();
    spin_->SetHot({sbUp, sbDown});
}

void TGrSpinEdit::MouseLeave() {
    TGrCustomNumberEdit::MouseLeave();
    spin_->SetHot({});
}

}  // namespace kv
