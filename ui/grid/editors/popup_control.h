#pragma once
// The drop-down windows of the pop-up edits: a borderless top-level window above every other,
// which opens under its edit and stays on the work area, never takes the focus (the edit keeps
// the keyboard), captures the mouse while the pointer is outside so that a click outside closes
// it, and reports a chosen value as text. The item list of the combo box and the month
// calendar of the date picker are its two kinds.

#include <functional>
#include <string>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/image_list.h"
#include "ui/grid/editors/vert_scroll_bar.h"
#include "ui/grid/grid_types.h"

namespace kv {

class TGrPopupEdit;

// Today's date at midnight; tests may fix it.
double EditorToday();
void SetEditorToday(std::function<double()> today);

// What a list item shows: the whole item, its name (before "="), or its value part.
std::string ItemDisplayText(const std::vector<std::string>& items, int index,
                            TItemsDisplayMode mode);

class TGrPopupControl : public Form {
  public:
    explicit TGrPopupControl(TGrPopupEdit* owner_edit);
    ~TGrPopupControl() override;

    TGrPopupEdit* OwnerEdit = nullptr;
    bool Hidden() const { return hidden_; }
    bool Armed() const { return armed_; }
    std::function<void()> OnClosed;
    std::function<void(const std::string&)> OnValueSelected;

    // Shows the window with its top-left at the screen point (the edit's bottom-left), kept on
    // the work area, above the edit when it does not fit below.
    virtual void PopupAt(int x, int y);
    virtual void ClosePopup();
    // The edit's closing: hidden, capture released, window hidden.
    void HidePopup();
    // The application lost the activation: an open pop-up closes.
    void ApplicationDeactivated() override;
    void Paint(Canvas& canvas) override;

    // Hidden until a pop-up has more than it shows; drawn over the right of the inner area.
    TGrVertScrollBar& VertBar() { return vert_bar_; }
    const TGrVertScrollBar& VertBar() const { return vert_bar_; }
    // The area inside the border, without the bar when it shows.
    int GetInnerWidth() const;
    int GetInnerHeight() const { return ClientHeight() - 4; }
    Rect GetInnerRect() const { return {2, 2, 2 + GetInnerWidth(), 2 + GetInnerHeight()}; }

  protected:
    // A release inside the pop-up once it is armed.
    virtual void ClickAt(int x, int y) = 0;
    void DoValueSelected(const std::string& value);
    void DrawBorder(Canvas& canvas);
    bool InClient(int x, int y) const {
        return x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight();
    }
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseLeave() override;

  private:
    void Capture();
    bool hidden_ = true;
    bool armed_ = false;
    TGrVertScrollBar vert_bar_{*this};
};

// Makes a window that shows above the others hand the activation straight back to the window
// of `owner` (and the focus to it), so that showing or clicking it never takes the keyboard.
void ReturnActivationTo(Form& window, std::function<Control*()> owner);

// The combo box's list: equal rows from a list the combo box lends, a hot row that follows the
// mouse, and a scroll bar of its own when there are more items than rows.
class TGrPopupList : public TGrPopupControl {
  public:
    explicit TGrPopupList(TGrPopupEdit* owner_edit);

    TItemsDisplayMode DisplayMode = dmDefault;
    TColor ListColor = clWindow;
    int DropDownCount = 8;
    TColor HighlightTextColor = clHighlightText;
    TColor SelectionColor = clHighlight;
    TDrawingOptions DrawingOptions = doNormal;
    const std::vector<std::string>* Items = nullptr;
    // Row pictures by item index, drawn when ShowImages is set; borrowed from the combo box.
    const ImageList* Images = nullptr;
    bool ShowImages = false;
    std::function<void(int index, const Rect&, TGrItemState)> OnDrawListItem;

    int ItemHeight() const { return item_height_; }
    void SetItemHeight(int value) { item_height_ = std::max(1, value); }
    int ItemIndex() const { return item_index_; }
    int HotIndex() const { return hot_index_; }
    // The top row: the bar's position.
    int Position() const { return VertBar().Position(); }
    int GetItemCount() const { return Items ? static_cast<int>(Items->size()) : 0; }
    int GetVisibleRows() const { return GetInnerHeight() / item_height_; }
    int GetMaxTopRow() const { return std::max(0, GetItemCount() - GetVisibleRows()); }
    bool ScrollBarVisible() const { return VertBar().Visible(); }
    void SetPosition(int position) { VertBar().SetPosition(position); }
    // Makes the item current and hot and scrolls it into view.
    void SelectIndex(int index);
    // The text a row shows.
    std::string ItemText(int index) const;

    void PopupAt(int x, int y) override;
    void Paint(Canvas& canvas) override;

  protected:
    void ClickAt(int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) override;

  private:
    void SetHotIndex(int index);
    void DrawItem(Canvas& canvas, int index, const Rect& row);
    int RowAt(int y) const { return (y - 2) / item_height_ + Position(); }
    int item_height_ = 16;
    int item_index_ = -1;
    int hot_index_ = -1;
};

// The month calendar of the date picker: month and year between two arrows, day letters, six
// weeks of days with the chosen one filled and today framed, and the Today and None buttons.
class TGrDatePopup : public TGrPopupControl {
  public:
    explicit TGrDatePopup(TGrPopupEdit* owner_edit);

    static constexpr int kWidth = 151;
    static constexpr int kHeight = 163;
    static constexpr int kButtonWidth = 47;
    static constexpr int kButtonGap = 15;
    static constexpr int kButtonHeight = 20;

    void SetDate(double date);
    double SelectedDate = 0;
    int Year = 1, Month = 1, Day = 1;
    std::vector<std::string> DayNames;    // used when it holds 7 lines
    std::vector<std::string> MonthNames;  // used when it holds 12 lines
    TStartDayOfWeek StartDay = dwAutomatic;
    std::string TodayCaption = "Hoje";
    std::string NoneCaption = "Nenhuma";
    bool ShowNoneButton = true;

    bool MondayFirst() const { return StartDay != dwSunday; }
    // The date a cell of the six-week grid shows.
    double GetCellDate(int col, int row) const;
    int ButtonWidth() const;
    Rect TodayButtonRect() const;
    Rect NoneButtonRect() const;
    void Paint(Canvas& canvas) override;

  protected:
    void ClickAt(int x, int y) override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;

  private:
    // The shown cell under a point; false outside the 7 x 6 cells.
    bool CellAt(int x, int y, int& col, int& row) const;
    void SelectAt(int x, int y);
    void MoveMonth(int delta);
    int WeekdayIndex(double date) const;
    bool selecting_ = false;
    int pressed_button_ = -1;  // 0 Today, 1 None
};

}  // namespace kv
