#include "ui/grid/editors/popup_control.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/classic_look.h"
#include "platform/window/screen.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/editors/popup_edit.h"
#include "ui/grid/grid_cell.h"
#include "ui/grid/grid_locale.h"

namespace kv {

namespace {

std::function<double()>& TodaySource() {
    static std::function<double()> source;
    return source;
}

}  // namespace

double EditorToday() {
    return TodaySource() ? TodaySource()() : TDateTimeCell::Today();
}

void SetEditorToday(std::function<double()> today) {
    TodaySource() = std::move(today);
}

// --- pop-up base

void ReturnActivationTo(Form& window, std::function<Control*()> owner) {
    window.on_activate = [owner = std::move(owner)] {
        Control* control = owner();
        if (!control) return;
        if (Form* form = control->ParentForm()) Screen::Get().Activate(form);
        if (control->CanFocus() && !control->Focused()) control->SetFocus();
    };
}

TGrPopupControl::TGrPopupControl(TGrPopupEdit* owner_edit) : OwnerEdit(owner_edit) {
    StartHidden();
    SetBorderStyle(bsNone);
    form_style = fsStayOnTop;
    SetColor(clWindow);
    // A pop-up never keeps the activation: the edit under it goes on taking the keys.
    ReturnActivationTo(*this, [this]() -> Control* { return OwnerEdit; });
    vert_bar_.SetVisible(false);
}

int TGrPopupControl::GetInnerWidth() const {
    return ClientWidth() - 4 - (vert_bar_.Visible() ? vert_bar_.GetButtonSize() : 0);
}

TGrPopupControl::~TGrPopupControl() {
    if (Screen* screen = Screen::Current(); screen && screen->Capture() == this)
        screen->SetCapture(nullptr);
}

void TGrPopupControl::Capture() {
    if (!hidden_) Screen::Get().SetCapture(this);
}

void TGrPopupControl::PopupAt(int x, int y) {
    Screen& screen = Screen::Get();
    const Rect work = screen.WorkArea();
    const int width = Width(), height = Height();
    if (work.left > x) x = work.left;
    if (work.right < x + width) x = work.right - width;
    int top = y;
    if (work.top > y) top = work.top;
    if (work.bottom < y + height) top = work.bottom - height;
    const int edit_height = OwnerEdit ? OwnerEdit->Height() : 0;
    // Moved up by the bottom of the work area: above the edit when there is room for that.
    if (top < y && top + height > y + edit_height) top = y - height - edit_height;
    // Never above the work area either, even when that covers the edit.
    top = std::max(top, work.top);
    SetBounds(x, top, width, height);
    hidden_ = false;
    // Opened by a press: the release of that press only arms the pop-up. Opened by the
    // keyboard, the first click is a real one.
    armed_ = screen.MouseButtons() == 0;
    SetVisible(true);
    Invalidate();
    Capture();
}

void TGrPopupControl::HidePopup() {
    hidden_ = true;
    if (Screen* screen = Screen::Current(); screen && screen->Capture() == this)
        screen->SetCapture(nullptr);
    SetVisible(false);
}

void TGrPopupControl::ClosePopup() {
    armed_ = false;
    if (OwnerEdit)
        OwnerEdit->SetDropped(false);
    else
        HidePopup();
    if (OnClosed) OnClosed();
}

void TGrPopupControl::ApplicationDeactivated() {
    if (!hidden_) ClosePopup();
}

void TGrPopupControl::DoValueSelected(const std::string& value) {
    if (OnValueSelected) OnValueSelected(value);
}

void TGrPopupControl::DrawBorder(Canvas& canvas) {
    const Rect r{0, 0, ClientWidth(), ClientHeight()};
    canvas.brush = Brush{clBlack};
    canvas.FrameRect(r);
    canvas.brush = Brush{Color()};
    canvas.FrameRect({1, 1, r.right - 1, r.bottom - 1});
}

void TGrPopupControl::Paint(Canvas& canvas) {
    canvas.brush = Brush{Color()};
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()});
    DrawBorder(canvas);
    vert_bar_.Paint(canvas);
}

void TGrPopupControl::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    Form::MouseDown(button, shift, x, y);
    vert_bar_.MouseDown(x, y);
}

void TGrPopupControl::MouseMove(ShiftState shift, int x, int y) {
    Form::MouseMove(shift, x, y);
    const Rect inner = GetInnerRect();
    const Rect bar_area{inner.right, inner.top, inner.right + vert_bar_.GetButtonSize(),
                        inner.bottom};
    if (vert_bar_.Visible() && (bar_area.contains({x, y}) || vert_bar_.IsDragging()))
        vert_bar_.MouseMove(x, y);
    else
        vert_bar_.ClearHot();
    // Inside, the pop-up takes the mouse as any window does; outside it holds the capture so
    // that the next press anywhere reaches it.
    if (hidden_) return;
    if (InClient(x, y)) {
        if (Screen::Get().Capture() == this && Screen::Get().MouseButtons() == 0)
            Screen::Get().SetCapture(nullptr);
    } else {
        Capture();
    }
}

void TGrPopupControl::MouseLeave() {
    Form::MouseLeave();
    vert_bar_.ClearHot();
    Capture();
}

void TGrPopupControl::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    Form::MouseUp(button, shift, x, y);
    vert_bar_.MouseUp();
    if (hidden_) return;
    if (!armed_) {
        armed_ = true;
        Capture();
        return;
    }
    if (InClient(x, y))
        ClickAt(x, y);
    else
        ClosePopup();
}

// --- item list

TGrPopupList::TGrPopupList(TGrPopupEdit* owner_edit) : TGrPopupControl(owner_edit) {
    SetName("lista");
    SetBounds(0, 0, 80, 50);
    // The rows move with the bar, a whole row a step.
    VertBar().OnScroll = [this](int, int) { Invalidate(); };
}

void TGrPopupList::SetHotIndex(int index) {
    Change(hot_index_, index);
}

void TGrPopupList::SelectIndex(int index) {
    item_index_ = index;
    VertBar().SetMax(GetMaxTopRow());
    if (index < Position())
        SetPosition(index);
    else if (index >= GetVisibleRows() + Position())
        SetPosition(index - GetVisibleRows() + 1);
    SetHotIndex(index);
}

std::string ItemDisplayText(const std::vector<std::string>& items, int index,
                            TItemsDisplayMode mode) {
    if (index < 0 || index >= static_cast<int>(items.size())) return {};
    const std::string& item = items[index];
    switch (mode) {
        case dmNameList:
            return item.substr(0, item.find('='));
        case dmValueList:
        case dmIndentList:
            return GetValueFromIndex(items, index);
        default:
            return item;
    }
}

std::string TGrPopupList::ItemText(int index) const {
    return Items ? ItemDisplayText(*Items, index, DisplayMode) : std::string();
}

void TGrPopupList::PopupAt(int x, int y) {
    TGrVertScrollBar& bar = VertBar();
    const int count = GetItemCount();
    bar.SetVisible(count > DropDownCount);
    bar.SetMax(GetMaxTopRow());
    bar.SetPageSize(0);
    if (count > 0) {
        const int b = bar.GetButtonSize();
        bar.SetBounds(ClientWidth() - b - 2, 2, b, ClientHeight() - 4);
        // The thumb's share of the track is the rows' share of the items; never a sliver.
        const int track = bar.GetTrackLength();
        bar.SetPageSize(
            std::min(track, std::max(8, GridRoundToInt(track * double(GetVisibleRows()) / count))));
    }
    TGrPopupControl::PopupAt(x, y);
}

void TGrPopupList::DrawItem(Canvas& canvas, int index, const Rect& row) {
    int x = row.left + 2;
    if (ShowImages && Images) {
        if (index < Images->Count())
            Images->Draw(canvas, x, ItemHeight() / 2 + row.top - Images->height / 2, index);
        x = row.left + Images->width + 5;
    }
    if (DisplayMode == dmIndentList) {
        const std::string& item = (*Items)[index];
        int level = 0;
        // An item whose level is no number is drawn unindented rather than failing.
        try {
            level = GridTextToInt(item.substr(0, item.find('=')));
        } catch (const std::exception&) {
        }
        x += 10 * level;
    }
    TGraphicsProvider::DrawTextAligned(canvas, {x, row.top, row.right, row.bottom}, taLeftJustify,
                                       ItemText(index), false);
}

void TGrPopupList::Paint(Canvas& canvas) {
    TGrPopupControl::Paint(canvas);
    canvas.font = font();
    const Rect inner = GetInnerRect();
    int top = inner.top;
    for (int i = Position(); i < GetItemCount() && top < inner.bottom; ++i, top += item_height_) {
        const Rect row{inner.left, top, inner.right, top + item_height_};
        const bool hot = i == hot_index_;
        TGrItemState state;
        if (hot) state.Include(isSelected);
        canvas.brush = Brush{hot ? SelectionColor : ListColor};
        Font f = font();
        f.color = hot ? HighlightTextColor : clWindowText;
        canvas.font = f;
        canvas.Save();
        canvas.IntersectClipRect(
            {row.left, row.top, row.right, std::min(row.bottom, inner.bottom)});
        if (DrawingOptions != doCustomOnly) canvas.FillRect(row);
        if (DrawingOptions == doNormal || DrawingOptions == doCustom) DrawItem(canvas, i, row);
        if (DrawingOptions != doNormal && OnDrawListItem) OnDrawListItem(i, row, state);
        canvas.Restore();
    }
    if (top < inner.bottom) {
        canvas.brush = Brush{ListColor};
        canvas.FillRect({inner.left, top, inner.right, inner.bottom});
    }
}

void TGrPopupList::MouseMove(ShiftState shift, int x, int y) {
    TGrPopupControl::MouseMove(shift, x, y);
    if (GetInnerRect().contains({x, y}) && !VertBar().IsDragging()) SetHotIndex(RowAt(y));
}

void TGrPopupList::MouseWheel(ShiftState shift, int delta, int x, int y, bool& handled) {
    TGrPopupControl::MouseWheel(shift, delta, x, y, handled);
    SetPosition(Position() + (delta < 0 ? 1 : -1));
    handled = true;
}

void TGrPopupList::ClickAt(int x, int y) {
    if (!GetInnerRect().contains({x, y})) return;
    item_index_ = RowAt(y);
    if (item_index_ >= 0 && item_index_ < GetItemCount()) DoValueSelected((*Items)[item_index_]);
}

// --- calendar

namespace {

constexpr const char* kMonthNames[12] = {"Janeiro",  "Fevereiro", "Março",    "Abril",
                                         "Maio",     "Junho",     "Julho",    "Agosto",
                                         "Setembro", "Outubro",   "Novembro", "Dezembro"};
// Sunday first.
constexpr const char* kDayLetters[7] = {"D", "S", "T", "Q", "Q", "S", "S"};

constexpr int kCellsLeft = 15, kCellsTop = 38, kCellWidth = 17, kCellHeight = 15;

int DaysInMonth(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

double EncodeDate(int year, int month, int day) {
    double date = 0;
    GridEncodeDate(year, month, day, date);
    return date;
}

// Sunday 1 .. Saturday 7.
int DayOfWeek(double date) {
    const long long days = static_cast<long long>(std::floor(date));
    return static_cast<int>(((days - 1) % 7 + 7) % 7) + 1;
}

}  // namespace

double IncMonth(double date, int months) {
    int year = 0, month = 0, day = 0;
    GridDecodeDate(date, year, month, day);
    const double time = date - std::floor(date);
    int total = year * 12 + (month - 1) + months;
    year = total / 12;
    month = total % 12 + 1;
    day = std::min(day, DaysInMonth(year, month));
    return EncodeDate(year, month, day) + time;
}

TGrDatePopup::TGrDatePopup(TGrPopupEdit* owner_edit) : TGrPopupControl(owner_edit) {
    SetName("calendario");
    SetBounds(0, 0, kWidth, kHeight);
}

void TGrDatePopup::SetDate(double date) {
    SelectedDate = date;
    GridDecodeDate(date, Year, Month, Day);
}

int TGrDatePopup::WeekdayIndex(double date) const {
    const int dow = DayOfWeek(date);
    return MondayFirst() ? (dow + 5) % 7 + 1 : dow;
}

double TGrDatePopup::GetCellDate(int col, int row) const {
    const double first = EncodeDate(Year, Month, 1);
    return first - (WeekdayIndex(first) - 1) + col + 7 * row;
}

int TGrDatePopup::ButtonWidth() const {
    // Wide enough for either caption ("Nenhuma" is wider than the design's button).
    constexpr int kCaptionMargin = 8;
    const int widest = std::max(MeasureTextWidth(font(), TodayCaption),
                                ShowNoneButton ? MeasureTextWidth(font(), NoneCaption) : 0);
    return std::min(std::max(kButtonWidth, widest + kCaptionMargin), (kWidth - kButtonGap) / 2);
}

Rect TGrDatePopup::TodayButtonRect() const {
    const int w = ButtonWidth();
    const int x = ShowNoneButton ? std::min(20, (ClientWidth() - 2 * w - kButtonGap) / 2)
                                 : ClientWidth() / 2 - w / 2;
    return RectOfSize(x, 133, w, kButtonHeight);
}

Rect TGrDatePopup::NoneButtonRect() const {
    if (!ShowNoneButton) return {};
    const Rect today = TodayButtonRect();
    return RectOfSize(today.right + kButtonGap, 133, today.width(), kButtonHeight);
}

bool TGrDatePopup::CellAt(int x, int y, int& col, int& row) const {
    if (x < kCellsLeft || y < kCellsTop) return false;
    col = (x - kCellsLeft) / kCellWidth;
    row = (y - kCellsTop) / kCellHeight;
    return col < 7 && row < 6;
}

void TGrDatePopup::SelectAt(int x, int y) {
    int col = 0, row = 0;
    if (!CellAt(x, y, col, row)) return;
    const double date = GetCellDate(col, row);
    if (date != SelectedDate) {
        SelectedDate = date;
        Invalidate();
    }
}

void TGrDatePopup::MoveMonth(int delta) {
    int total = Year * 12 + (Month - 1) + delta;
    Year = total / 12;
    Month = total % 12 + 1;
    Invalidate();
}

void TGrDatePopup::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    TGrPopupControl::MouseDown(button, shift, x, y);
    pressed_button_ = -1;
    if (x >= 0 && x < 18 && y >= 0 && y < 18) {
        MoveMonth(-1);
    } else if (x >= ClientWidth() - 18 && x < ClientWidth() && y >= 0 && y < 18) {
        MoveMonth(1);
    } else if (TodayButtonRect().contains({x, y})) {
        pressed_button_ = 0;
        Invalidate();
    } else if (NoneButtonRect().contains({x, y})) {
        pressed_button_ = 1;
        Invalidate();
    } else {
        int col = 0, row = 0;
        if (CellAt(x, y, col, row)) {
            selecting_ = true;
            SelectAt(x, y);
        }
    }
}

void TGrDatePopup::MouseMove(ShiftState shift, int x, int y) {
    TGrPopupControl::MouseMove(shift, x, y);
    if (selecting_) SelectAt(x, y);
}

void TGrDatePopup::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    // A release on the header (the month arrows) neither chooses nor closes.
    if (x < 0 || x >= ClientWidth() || y < 0 || y >= 19)
        TGrPopupControl::MouseUp(button, shift, x, y);
    selecting_ = false;
    if (pressed_button_ >= 0) {
        pressed_button_ = -1;
        Invalidate();
    }
}

void TGrDatePopup::ClickAt(int x, int y) {
    if (TodayButtonRect().contains({x, y})) {
        DoValueSelected(GridDateTimeToText(EditorToday()));
        return;
    }
    if (NoneButtonRect().contains({x, y})) {
        DoValueSelected({});
        return;
    }
    int col = 0, row = 0;
    // Only the shown cells choose a date.
    if (CellAt(x, y, col, row)) DoValueSelected(GridDateTimeToText(GetCellDate(col, row)));
}

void TGrDatePopup::Paint(Canvas& canvas) {
    TGrPopupControl::Paint(canvas);
    const int w = ClientWidth();
    Font f = font();
    f.color = clWindowText;
    canvas.font = f;
    canvas.brush = Brush{Color()};
    canvas.pen = Pen{clGrayText};
    canvas.Rectangle({0, 0, w, ClientHeight()});

    const Rect header{5, 5, w - 5, 21};
    canvas.brush = Brush{clBtnFace};
    canvas.FillRect(header);
    const std::string month =
        MonthNames.size() >= 12 ? MonthNames[Month - 1] : kMonthNames[Month - 1];
    TGraphicsProvider::DrawTextAligned(canvas, header, taCenter, month + " " + std::to_string(Year),
                                       false);
    const int m = header.top + header.height() / 2;
    canvas.brush = Brush{clWindowText};
    canvas.pen = Pen{clWindowText};
    canvas.Polygon({{15, m - 4}, {15, m + 4}, {11, m}});
    canvas.Polygon({{w - 15, m - 4}, {w - 15, m + 4}, {w - 11, m}});

    for (int i = 0; i < 7; ++i) {
        std::string letter;
        if (DayNames.size() >= 7) {
            letter = DayNames[i].substr(0, DayNames[i].empty() ? 0 : 1);
        } else {
            letter = kDayLetters[MondayFirst() ? (i + 1) % 7 : i];
        }
        const int x = kCellsLeft + i * kCellWidth;
        TGraphicsProvider::DrawTextAligned(canvas, {x, 22, x + 15, 36}, taRightJustify, letter,
                                           false);
    }
    canvas.pen = Pen{clGrayText};
    canvas.MoveTo(15, 36);
    canvas.LineTo(w - 17, 36);
    canvas.MoveTo(15, 128);
    canvas.LineTo(w - 17, 128);

    const double today = EditorToday();
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 7; ++col) {
            const double date = GetCellDate(col, row);
            int y = 0, mo = 0, d = 0;
            GridDecodeDate(date, y, mo, d);
            const int x0 = kCellsLeft + col * kCellWidth, y0 = kCellsTop + row * kCellHeight;
            const Rect cell{x0, y0, x0 + kCellWidth, y0 + kCellHeight};
            if (date == SelectedDate) {
                canvas.brush = Brush{RGBColor(192, 192, 192)};
                canvas.FillRect(cell);
            }
            if (date == today) {
                canvas.brush = Brush{clHighlight};
                canvas.FrameRect(cell);
            }
            f.color = mo == Month ? clWindowText : clGrayText;
            canvas.font = f;
            TGraphicsProvider::DrawTextRect(canvas, {x0, y0, x0 + 15, y0 + 15}, taRightJustify,
                                            taVerticalCenter, false, std::to_string(d), false);
        }

    f.color = clBtnText;
    canvas.font = f;
    const struct {
        Rect rect;
        const std::string* caption;
    } buttons[2] = {{TodayButtonRect(), &TodayCaption}, {NoneButtonRect(), &NoneCaption}};
    for (int i = 0; i < 2; ++i) {
        if (buttons[i].rect.empty()) continue;
        Rect r = buttons[i].rect;
        canvas.brush = Brush{clBtnFace};
        canvas.FillRect(r);
        DrawButtonEdge(canvas, r, pressed_button_ == i);
        TGraphicsProvider::DrawTextAligned(canvas, buttons[i].rect, taCenter, *buttons[i].caption,
                                           false);
    }
}

}  // namespace kv
