#include "ui/grid/editors/popup_edit.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/gfx/canvas.h"
#include "platform/window/screen.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_locale.h"

namespace kv {

// --- button edit

TGrCustomButtonEdit::TGrCustomButtonEdit() = default;

TGrCustomButtonEdit::~TGrCustomButtonEdit() {
    // The pop-up is a window of its own; it goes before the edit it reports to.
    popup_.reset();
}

void TGrCustomButtonEdit::CreateButton(std::unique_ptr<TGrSmallButton> button) {
    button->SetName(Name() + "_botao");
    button->Edit = this;
    button->OnPress = [this] { DoButtonDown(); };
    button->OnRelease = [this] { DoButtonClick(); };
    button_ = &static_cast<TGrSmallButton&>(Adopt(std::move(button)));
    UpdateButton();
}

void TGrCustomButtonEdit::SetShowButton(bool value) {
    show_button_ = value;
    UpdateButton();
    Invalidate();
}

void TGrCustomButtonEdit::UpdateButton() {
    if (!button_) return;
    button_->SetBounds(Width() - 2 - button_->Width(), 2, button_->Width(), Height() - 4);
    button_->SetVisible(show_button_);
}

void TGrCustomButtonEdit::Resized() {
    TGrEdit::Resized();
    UpdateButton();
}

void TGrCustomButtonEdit::GetMargins(int& left, int& right) const {
    TGrEdit::GetMargins(left, right);
    // The button replaces the user's right margin.
    right = show_button_ && button_ ? button_->Width() : 0;
}

void TGrCustomButtonEdit::PrepareEditing() {
    TGrEdit::PrepareEditing();
    if (button_) button_->Invalidate();
}

void TGrCustomButtonEdit::DoButtonDown() {
    if (OnButtonDown) OnButtonDown();
}

void TGrCustomButtonEdit::DoButtonClick() {
    if (OnButtonClick) OnButtonClick();
}

void TGrCustomButtonEdit::PopupValueChosen(const std::string& value) {
    ApplyPopupValue(value);
    if (popup_) popup_->ClosePopup();
    if (button_) {
        button_->SetHot(false);
        button_->SetDown(false);
    }
}

void TGrCustomButtonEdit::MouseEnter() {
    TGrEdit::MouseEnter();
    if (button_) button_->SetHot(true);
}

void TGrCustomButtonEdit::MouseLeave() {
    TGrEdit::MouseLeave();
    if (button_) button_->SetHot(false);
}

void TGrCustomButtonEdit::KeyDown(int& key, ShiftState shift) {
    if (Options.Has(epDisableTyping) && (key == VK_BACK || key == VK_DELETE)) key = 0;
    if (Options.Has(epDisablePaste) && (shift & ssCtrl) && key == 'V') key = 0;
    if (Options.Has(epDisableTyping) && (shift & ssCtrl) && key == 'X') key = 0;
    if (key) TGrEdit::KeyDown(key, shift);
}

void TGrCustomButtonEdit::KeyPress(char32_t& key) {
    if (Options.Has(epDisableTyping)) key = 0;
    if (key) TGrEdit::KeyPress(key);
}

TGrButtonEdit::TGrButtonEdit() {
    CreateButton(std::make_unique<TGrExecuteButton>());
}

// --- pop-up edit

TGrPopupEdit::TGrPopupEdit() {
    CreateButton(std::make_unique<TDropDownButton>());
}

void TGrPopupEdit::SetStyle(TDropDownStyle style) {
    style_ = style;
    read_only = style == dsDropDownList;
    cursor = style == dsDropDownList ? crArrow : crDefault;
    Invalidate();
}

TColor TGrPopupEdit::GetFieldColor() const {
    return !InplaceMode && style_ == dsDropDownList && Focused() ? clHighlight : Color();
}

void TGrPopupEdit::SetDropped(bool value) {
    if (value == dropped_ || !Popup()) return;
    TGrPopupControl& popup = *Popup();
    if (value) {
        dropped_ = true;
        popup.SetFont(font());
        popup.SetWidth(Width());
        PreparePopup();
        const Point anchor = ClientToScreen({0, Height()});
        popup.PopupAt(anchor.x, anchor.y);
    } else {
        dropped_ = false;
        popup.HidePopup();
        Button().SetDown(false);
        if (OnCloseUp) OnCloseUp();
    }
    Invalidate();
}

void TGrPopupEdit::DoButtonDown() {
    TGrCustomButtonEdit::DoButtonDown();
    SetDropped(!dropped_);
}

void TGrPopupEdit::PopupValueChosen(const std::string& value) {
    if (OnSelect) OnSelect();
    TGrCustomButtonEdit::PopupValueChosen(value);
}

bool TGrPopupEdit::WantsKey(int key) const {
    if (dropped_ && (key == VK_ESCAPE || key == VK_RETURN)) return true;
    return TGrCustomButtonEdit::WantsKey(key);
}

void TGrPopupEdit::KeyDown(int& key, ShiftState shift) {
    TGrCustomButtonEdit::KeyDown(key, shift);
    if ((shift & ssAlt) && (key == VK_UP || key == VK_DOWN)) {
        SetDropped(!dropped_);
        key = 0;
    } else if (key == VK_RETURN && dropped_) {
        SetDropped(false);
    } else if (key == VK_ESCAPE && dropped_) {
        Popup()->ClosePopup();
        key = 0;
    }
}

void TGrPopupEdit::KeyPress(char32_t& key) {
    // Escape and Enter close the pop-up on the key-down; they type nothing.
    if (key == 27 || key == 13) {
        key = 0;
        return;
    }
    TGrCustomButtonEdit::KeyPress(key);
}

void TGrPopupEdit::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    TGrCustomButtonEdit::MouseDown(button, shift, x, y);
    if (button == mbLeft && style_ == dsDropDownList) {
        Button().SetDown(true);
        DoButtonDown();
    }
}

void TGrPopupEdit::DoEnter() {
    // Focus coming back from a click on the open pop-up keeps the selection as it was.
    if (dropped_)
        Control::DoEnter();
    else
        TGrCustomButtonEdit::DoEnter();
}

void TGrPopupEdit::DoExit() {
    TGrCustomButtonEdit::DoExit();
    // A press on the pop-up passes the activation to it for a moment; that is no focus loss.
    if (Popup() && Screen::Current() && Screen::Current()->ActiveForm() == Popup()) return;
    SetDropped(false);
}

void TGrPopupEdit::VisibleChanged() {
    TGrCustomButtonEdit::VisibleChanged();
    if (!Visible() && dropped_) Popup()->ClosePopup();
}

void TGrPopupEdit::Paint(Canvas& canvas) {
    TGrCustomButtonEdit::Paint(canvas);
    if (style_ == dsDropDownList) {
        // A read-only field painted as a list's: the text on the field colour, no caret.
        Rect field{2, 2, Width() - 2 - (ShowButton() ? Button().Width() : 0), Height() - 2};
        const bool focused = Focused();
        canvas.brush = Brush{focused ? GetFieldColor() : Color()};
        if (DrawingOptions != doCustomOnly) canvas.FillRect(field);
        if (focused && !HideFocus && !InplaceMode)
            TGraphicsProvider::DrawFocusOutline(canvas, field, false);
        Font f = font();
        if (focused && !InplaceMode) f.color = clHighlightText;
        if (!EnabledInTree()) f.color = clGrayText;
        canvas.font = f;
        Rect text{field.left + 2 + EditMargins.Left + (ShowPreview ? kPreviewWidth + 3 : 0),
                  field.top, field.right - 1 - EditMargins.Right, field.bottom};
        if (DrawingOptions == doNormal || DrawingOptions == doCustom)
            TGraphicsProvider::DrawTextRect(canvas, text, alignment, taVerticalCenter, false,
                                            Text(), false);
        if (ShowPreview) {
            Rect r = PreviewRect();
            DrawPreview(canvas, r);
        }
    }
    if (OnPaint) OnPaint(canvas);
}

// --- combo box

TGrComboBox::TGrComboBox() {
    auto list = std::make_unique<TGrPopupList>(this);
    list->OnValueSelected = [this](const std::string& value) { PopupValueChosen(value); };
    SetPopup(std::move(list));
    on_change = nullptr;
}

std::string TGrComboBox::ItemText(int index) const {
    return ItemDisplayText(Items, index, DisplayMode);
}

void TGrComboBox::SetItemIndex(int index) {
    item_index_ = index;
    if (index >= 0 && index < static_cast<int>(Items.size())) SetText(ItemText(index));
    List().SelectIndex(index);
    Invalidate();
}

void TGrComboBox::SetStyle(TDropDownStyle style) {
    TGrPopupEdit::SetStyle(style);
    typed_text_.clear();
    if (style == dsDropDownList) SetItemIndex(item_index_);
}

void TGrComboBox::PopupValueChosen(const std::string& value) {
    SetItemIndex(List().ItemIndex());
    TGrPopupEdit::PopupValueChosen(value);
}

void TGrComboBox::PreparePopup() {
    TGrPopupList& list = List();
    list.ListColor = DropDownColor;
    list.DropDownCount = DropDownCount;
    list.HighlightTextColor = HighlightTextColor;
    list.SelectionColor = SelectionColor;
    list.DisplayMode = DisplayMode;
    list.DrawingOptions = DrawingOptions;
    list.Items = &Items;
    list.Images = Images;
    list.ShowImages = Images != nullptr;
    list.SetItemHeight(ItemHeight);
    list.OnDrawListItem = [this](int index, const Rect& r, TGrItemState state) {
        if (OnDrawItem) OnDrawItem(index, r, state);
    };
    const int width = std::max(ListWidth > 0 ? ListWidth : Width(), Width());
    const int rows = std::min(DropDownCount, static_cast<int>(Items.size()));
    list.SetBounds(list.Left(), list.Top(), width, rows * ItemHeight + 4);
    list.SelectIndex(item_index_);
}

void TGrComboBox::DrawPreview(Canvas& canvas, const Rect& rect) {
    canvas.brush = Brush{GetFieldColor()};
    canvas.FillRect(rect);
    if (Images && item_index_ >= 0 && item_index_ < Images->Count())
        Images->Draw(canvas, rect.left + 1, Height() / 2 - Images->height / 2, item_index_);
    TGrPopupEdit::DrawPreview(canvas, rect);
}

void TGrComboBox::KeyDown(int& key, ShiftState shift) {
    TGrPopupEdit::KeyDown(key, shift);
    if (shift & ssAlt) return;
    const int count = static_cast<int>(Items.size());
    if (Dropped()) {
        const int hot = List().HotIndex();
        if (key == VK_UP && hot >= 1) SetItemIndex(hot - 1);
        if (key == VK_DOWN && hot < count - 1) SetItemIndex(hot + 1);
    } else if (!InplaceMode) {
        if (key == VK_UP && item_index_ >= 1) SetItemIndex(item_index_ - 1);
        if (key == VK_DOWN && item_index_ < count - 1) SetItemIndex(item_index_ + 1);
    }
}

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

bool TGrComboBox::SelectByPrefix(const std::string& candidate) {
    if (candidate.empty()) {
        SetItemIndex(-1);
        return false;
    }
    const std::string wanted = Lower(candidate);
    for (int i = 0; i < static_cast<int>(Items.size()); ++i) {
        const std::string shown =
            DisplayMode == dmValueList ? GetValueFromIndex(Items, i) : Items[i];
        if (Lower(shown).rfind(wanted, 0) != 0) continue;
        const int previous = item_index_;
        SetItemIndex(i);
        if (Style() == dsDropDown && (DisplayMode == dmDefault || DisplayMode == dmValueList)) {
            // The typed part takes the item's own letter case; the rest is selected.
            SetText(shown);
            const int typed = static_cast<int>(ToUtf32(candidate).size());
            SetSelStart(typed);
            SetSelLength(static_cast<int>(ToUtf32(shown).size()) - typed);
        }
        typed_text_ = shown.substr(0, candidate.size());
        if (i != previous) {
            if (on_click) on_click();
            if (OnSelect)
                OnSelect();
            else if (on_change)
                on_change();
        }
        return true;
    }
    return false;
}

void TGrComboBox::KeyPress(char32_t& key) {
    const int64_t now = Screen::Current() ? Screen::Current()->Now() : 0;
    if (Style() == dsDropDownList) {
        if (now - last_key_time_ >= AutoCompleteDelay) typed_text_.clear();
        last_key_time_ = now;
    } else {
        typed_text_ = Text();
    }
    if (key == 9) {
        if (AutoDropDown && Dropped()) SetDropped(false);
    } else if (key == 8) {
        if (AutoComplete && Style() == dsDropDownList) {
            std::u32string typed = ToUtf32(typed_text_);
            if (!typed.empty()) typed.pop_back();
            typed_text_ = ToUtf8(typed);
            key = 0;
            return;
        }
    } else if (key >= 32 && key != 127) {
        if (AutoDropDown && !Dropped()) SetDropped(true);
        if (AutoComplete) {
            std::string candidate = typed_text_;
            if (Style() == dsDropDown) candidate = ToUtf8(ToUtf32(Text()).substr(0, SelStart()));
            candidate += ToUtf8(std::u32string(1, key));
            if (SelectByPrefix(candidate)) {
                key = 0;
                return;
            }
            if (Style() == dsDropDownList) typed_text_ = candidate;
        }
    }
    TGrPopupEdit::KeyPress(key);
    // Text that is none of the items leaves no item chosen.
    if (DisplayMode == dmDefault && Style() == dsDropDown) {
        const std::string text = Lower(Text());
        if (std::none_of(Items.begin(), Items.end(),
                         [&](const std::string& item) { return Lower(item) == text; }))
            item_index_ = -1;
    }
}

void TGrComboBox::MouseWheel(ShiftState, int delta, int, int, bool& handled) {
    handled = true;
    if (InplaceMode) return;
    const int count = static_cast<int>(Items.size());
    if (Dropped()) {
        List().SetPosition(List().Position() + (delta < 0 ? 1 : -1));
    } else if (delta < 0) {
        if (item_index_ < count - 1) SetItemIndex(item_index_ + 1);
    } else if (item_index_ > 0) {
        SetItemIndex(item_index_ - 1);
    }
}

// --- date picker

TGrDatePicker::TGrDatePicker() {
    auto calendar = std::make_unique<TGrDatePopup>(this);
    calendar->OnValueSelected = [this](const std::string& value) { PopupValueChosen(value); };
    SetPopup(std::move(calendar));
    SetDate(EditorToday());
}

double TGrDatePicker::GetAsDateTime() const {
    if (Text().empty() || Text() == "0") return EditorToday();
    double value = 0;
    return TryGridTextToDateTime(Text(), value) ? value : 0;
}

void TGrDatePicker::SetAsDateTime(double value) {
    SetText(GridDateTimeToText(value));
}

void TGrDatePicker::PreparePopup() {
    TGrDatePopup& calendar = Calendar();
    const double date = GetAsDateTime();
    calendar.SetDate(date != 0 ? date : EditorToday());
    calendar.DayNames = DayNames;
    calendar.MonthNames = MonthNames;
    calendar.StartDay = StartDay;
    calendar.TodayCaption = TodayCaption;
    calendar.NoneCaption = NoneCaption;
    calendar.ShowNoneButton = ShowNoneButton;
    calendar.SetBounds(calendar.Left(), calendar.Top(), TGrDatePopup::kWidth,
                       TGrDatePopup::kHeight);
}

void TGrDatePicker::KeyDown(int& key, ShiftState shift) {
    TGrPopupEdit::KeyDown(key, shift);
    if (!Dropped() || key == 0) return;
    const bool with_shift = shift & ssShift;
    double date = Date();
    switch (key) {
        case VK_LEFT:
            date = with_shift ? IncMonth(date, -1) : date - 1;
            break;
        case VK_RIGHT:
            date = with_shift ? IncMonth(date, 1) : date + 1;
            break;
        case VK_UP:
            date -= 7;
            break;
        case VK_DOWN:
            date += 7;
            break;
        case VK_PRIOR:
            date = IncMonth(date, with_shift ? -12 : -1);
            break;
        case VK_NEXT:
            date = IncMonth(date, with_shift ? 12 : 1);
            break;
        default:
            if (Style() == dsDropDownList) key = 0;
            return;
    }
    SetAsDateTime(date);
    key = 0;  // the edit does not move its caret as well
    Calendar().SetDate(date);
    Calendar().Invalidate();
}

void TGrDatePicker::KeyPress(char32_t& key) {
    if (Dropped() && Style() == dsDropDownList) key = 0;
    TGrPopupEdit::KeyPress(key);
}

void TGrDatePicker::DoExit() {
    TGrPopupEdit::DoExit();
    if (Dropped() || Text().empty()) return;
    // A text that reads as a date (with or without a time) is rewritten in the standard form;
    // only text that is no date at all becomes today.
    double value = 0;
    SetAsDateTime(TryGridTextToDateTime(Text(), value) ? value : EditorToday());
}

void TGrDatePicker::Paint(Canvas& canvas) {
    TGrPopupEdit::Paint(canvas);
    if (!Text().empty() || Focused() || EmptyText.empty()) return;
    Font f = font();
    f.color = clGrayText;
    canvas.font = f;
    DrawTextLine(canvas, {3, 0, Width() - 3 - (ShowButton() ? Button().Width() : 0), Height()},
                 taLeftJustify, EmptyText, false);
}

}  // namespace kv
