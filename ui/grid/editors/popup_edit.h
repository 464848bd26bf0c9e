#pragma once
// Edits with a small button at the right edge: the button edit (a push button and options
// that block typing or pasting), the pop-up edit (a drop-down arrow and a pop-up window that
// hands a chosen value back as text), and the two pop-up edits the grid and the forms use: the
// combo box and the date picker.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/grid/editors/gr_edit.h"
#include "ui/grid/editors/popup_control.h"
#include "ui/grid/editors/small_buttons.h"

namespace kv {

enum TGrEditOption { epDisablePaste, epDisableTyping };
using TGrEditOptions = EnumSet<TGrEditOption>;

class TGrCustomButtonEdit : public TGrEdit {
  public:
    TGrCustomButtonEdit();
    ~TGrCustomButtonEdit() override;

    TGrEditOptions Options;
    std::function<void()> OnButtonClick;
    std::function<void()> OnButtonDown;
    TGrSmallButton& Button() const { return *button_; }
    TGrPopupControl* Popup() const { return popup_.get(); }
    bool ShowButton() const { return show_button_; }
    void SetShowButton(bool value);

    void GetMargins(int& left, int& right) const override;
    void PrepareEditing() override;

  protected:
    // Builds the button; pop-up edits put a drop-down arrow there.
    void CreateButton(std::unique_ptr<TGrSmallButton> button);
    void SetPopup(std::unique_ptr<TGrPopupControl> popup) { popup_ = std::move(popup); }
    virtual void DoButtonDown();
    virtual void DoButtonClick();
    virtual void ApplyPopupValue(const std::string& value) { SetText(value); }
    virtual void PopupValueChosen(const std::string& value);
    void UpdateButton();
    void Resized() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;

  private:
    TGrSmallButton* button_ = nullptr;
    std::unique_ptr<TGrPopupControl> popup_;
    bool show_button_ = true;
};

class TGrButtonEdit : public TGrCustomButtonEdit {
  public:
    TGrButtonEdit();
};

enum TDropDownStyle { dsDropDown, dsDropDownList };

class TGrPopupEdit : public TGrCustomButtonEdit {
  public:
    TGrPopupEdit();

    TDrawingOptions DrawingOptions = doNormal;
    bool HideFocus = false;
    std::function<void()> OnCloseUp;
    std::function<void()> OnSelect;
    std::function<void(Canvas&)> OnPaint;

    bool Dropped() const { return dropped_; }
    // Opens the pop-up under the edit or closes it; nothing when it already is so.
    void SetDropped(bool value);
    TDropDownStyle Style() const { return style_; }
    virtual void SetStyle(TDropDownStyle style);
    TColor GetFieldColor() const;

    bool WantsKey(int key) const override;
    void Paint(Canvas& canvas) override;

  protected:
    // Fills the pop-up before it opens.
    virtual void PreparePopup() {}
    void DoButtonDown() override;
    void PopupValueChosen(const std::string& value) override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;
    void VisibleChanged() override;

  private:
    bool dropped_ = false;
    TDropDownStyle style_ = dsDropDown;
};

class TGrComboBox : public TGrPopupEdit {
  public:
    TGrComboBox();

    TItemsDisplayMode DisplayMode = dmDefault;
    TColor DropDownColor = clWindow;
    int DropDownCount = 8;
    TColor HighlightTextColor = clHighlightText;
    TColor SelectionColor = clHighlight;
    int ItemHeight = 16;
    int ListWidth = 0;  // 0 or less: the edit's width
    std::vector<std::string> Items;
    // A picture per item, in the list's rows and in the preview box; borrowed, not owned.
    const ImageList* Images = nullptr;
    std::function<void(int index, const Rect&, TGrItemState)> OnDrawItem;
    // Typing opens the list; Tab closes it.
    bool AutoDropDown = false;
    // Typed text selects the first item that starts with it (letter case ignored); in the
    // drop-down-list style a pause of AutoCompleteDelay starts a new typed text.
    bool AutoComplete = false;
    int AutoCompleteDelay = 750;

    int ItemIndex() const { return item_index_; }
    void SetItemIndex(int index);
    void SetStyle(TDropDownStyle style) override;
    TGrPopupList& List() const { return static_cast<TGrPopupList&>(*Popup()); }
    // The text an item shows in the edit.
    std::string ItemText(int index) const;

  protected:
    void ApplyPopupValue(const std::string&) override {}
    void PopupValueChosen(const std::string& value) override;
    void PreparePopup() override;
    void DrawPreview(Canvas& canvas, const Rect& rect) override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;

  private:
    // Selects the first item starting with the candidate; false when none does.
    bool SelectByPrefix(const std::string& candidate);
    int item_index_ = -1;
    std::string typed_text_;
    int64_t last_key_time_ = -1000000;
};

class TGrDatePicker : public TGrPopupEdit {
  public:
    TGrDatePicker();

    std::vector<std::string> DayNames;
    std::vector<std::string> MonthNames;
    std::string EmptyText;
    std::string NoneCaption = "Nenhuma";
    std::string TodayCaption = "Hoje";
    bool ShowNoneButton = true;
    TStartDayOfWeek StartDay = dwSunday;

    // An empty text (or "0") reads as today, a text that is no date as 0.
    double GetAsDateTime() const override;
    void SetAsDateTime(double value) override;
    double Date() const { return GetAsDateTime(); }
    void SetDate(double value) { SetAsDateTime(value); }
    TGrDatePopup& Calendar() const { return static_cast<TGrDatePopup&>(*Popup()); }
    void Paint(Canvas& canvas) override;

  protected:
    void PreparePopup() override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
};

// The date `months` months away; a day the target month lacks becomes its last day. The time of
// day is kept.
double IncMonth(double date, int months);

}  // namespace kv
