#include "ui/grid/column_classes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_locale.h"

namespace kv {

namespace {

// The mask's sections; a quoted ';' does not split.
std::vector<std::string_view> SplitSections(std::string_view mask) {
    std::vector<std::string_view> sections;
    char quote = 0;
    size_t start = 0;
    for (size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.push_back(mask.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(mask.substr(start));
    return sections;
}

std::string FormatSection(double value, std::string_view mask) {
    // Count the digit places on each side of the point, and whether grouping is asked for.
    int int_zeros = 0, frac_zeros = 0, frac_places = 0;
    bool point = false, grouping = false;
    char quote = 0;
    for (const char c : mask) {
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '.') {
            point = true;
        } else if (c == ',') {
            grouping = !point;
        } else if (c == '0' || c == '#') {
            if (point) {
                ++frac_places;
                if (c == '0') frac_zeros = frac_places;
            } else if (c == '0') {
                ++int_zeros;
            }
        }
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", frac_places, std::fabs(value));
    std::string digits = buffer;
    std::string frac;
    if (const size_t dot = digits.find('.'); dot != std::string::npos) {
        frac = digits.substr(dot + 1);
        digits.resize(dot);
    }
    // '#' places drop the trailing zeros the '0' places do not hold.
    while (static_cast<int>(frac.size()) > frac_zeros && !frac.empty() && frac.back() == '0')
        frac.pop_back();
    if (digits == "0" && int_zeros == 0) digits.clear();
    while (static_cast<int>(digits.size()) < int_zeros) digits.insert(0, "0");
    const GridLocale& locale = CurrentGridLocale();
    if (grouping && locale.thousand_separator) {
        for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
            digits.insert(static_cast<size_t>(i), 1, locale.thousand_separator);
    }
    std::string number = digits;
    if (!frac.empty()) number += locale.decimal_separator + frac;

    // The literals before the first digit place, the number, then the literals after the last.
    std::string before, after;
    bool placed = false;
    quote = 0;
    for (const char c : mask) {
        std::string& out = placed ? after : before;
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                out += c;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '0' || c == '#' || c == '.' || c == ',') {
            placed = true;
        } else {
            out += c;
        }
    }
    return before + number + after;
}

}  // namespace

std::string FormatNumberMask(double value, std::string_view mask) {
    if (mask.empty()) return GridFloatToText(value);
    const std::vector<std::string_view> sections = SplitSections(mask);
    if (value < 0 && sections.size() > 1 && !sections[1].empty())
        return FormatSection(value, sections[1]);
    if (value == 0 && sections.size() > 2 && !sections[2].empty())
        return FormatSection(value, sections[2]);
    std::string text = FormatSection(value, sections[0]);
    // A negative value in the positive section keeps its sign unless it rounds to nothing.
    if (value < 0 && text.find_first_of("123456789") != std::string::npos) text.insert(0, "-");
    return text;
}

std::string FormatDateMask(double date_time, std::string_view mask, char separator) {
    if (mask.empty()) return GridDateTimeToText(date_time);
    int year = 0, month = 0, day = 0;
    GridDecodeDate(date_time, year, month, day);
    const double fraction = date_time - std::floor(date_time);
    const int seconds = static_cast<int>(std::lround(fraction * 86400)) % 86400;
    const int hour = seconds / 3600, minute = seconds / 60 % 60, second = seconds % 60;
    std::string out;
    char buffer[16];
    for (size_t i = 0; i < mask.size();) {
        const char c = mask[i];
        if (c == '"' || c == '\'') {
            const size_t end = mask.find(c, i + 1);
            out += mask.substr(i + 1, end == std::string_view::npos ? end : end - i - 1);
            i = end == std::string_view::npos ? mask.size() : end + 1;
            continue;
        }
        const char lower = static_cast<char>(c | 0x20);
        size_t run = 1;
        while (i + run < mask.size() && (mask[i + run] | 0x20) == lower) ++run;
        int field = -1;
        bool two = run >= 2;
        switch (lower) {
            case 'd':
                field = day;
                break;
            case 'm':
                field = month;
                break;
            case 'h':
                field = hour;
                break;
            case 'n':
                field = minute;
                break;
            case 's':
                field = second;
                break;
            case 'y':
                if (run >= 3) {
                    std::snprintf(buffer, sizeof buffer, "%04d", year);
                    out += buffer;
                } else {
                    std::snprintf(buffer, sizeof buffer, "%02d", year % 100);
                    out += buffer;
                }
                i += run;
                continue;
            default:
                break;
        }
        if (field >= 0) {
            std::snprintf(buffer, sizeof buffer, two ? "%02d" : "%d", field);
            out += buffer;
            i += run;
            continue;
        }
        out += c == '/' ? separator : c;
        ++i;
    }
    return out;
}

TGrCustomNumberColumn::TGrCustomNumberColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckFloat);
    SetSortType(stNumeric);
}

void TGrCustomNumberColumn::FormatText(const TCellInfo& info, std::string& text) const {
    if (HideWhenEmpty && info.AsFloat == 0) {
        text = EmptyCaption;
        return;
    }
    text = TextBefore + FormatNumberMask(info.AsFloat, FormatMask) + TextAfter;
}

std::unique_ptr<TColumnDisplay> TGrCustomNumberColumn::CreateDisplay() {
    return std::make_unique<TNumberColumnDisplay>(*this);
}

TGrNumberColumn::TGrNumberColumn(std::string name) : TGrCustomNumberColumn(std::move(name)) {
    SetAlignment(taRightJustify);
}

TGrDateColumn::TGrDateColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckDate);
    SetSortType(stDate);
}

void TGrDateColumn::FormatText(const TCellInfo& info, std::string& text) const {
    if (HideWhenEmpty && info.AsDateTime == 0) {
        text = EmptyCaption;
        return;
    }
    text = TextBefore + FormatDateMask(info.AsDateTime, FormatMask, DateSeparator) + TextAfter;
}

std::unique_ptr<TColumnDisplay> TGrDateColumn::CreateDisplay() {
    return std::make_unique<TDateColumnDisplay>(*this);
}

TGrIncrementColumn::TGrIncrementColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckIncrement);
}

void TGrIncrementColumn::FormatText(const TCellInfo& info, std::string& text) const {
    text = GridIntToText(info.AsInteger + 1);
}

std::unique_ptr<TColumnDisplay> TGrIncrementColumn::CreateDisplay() {
    return std::make_unique<TIncrementColumnDisplay>(*this);
}

TGrTextColumn::TGrTextColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckString);
    SetOptions(TColumnOptions::FromBits(9230));
}

void TGrTextColumn::SetMultiLine(bool value) {
    multi_line_ = value;
    SetWrapKind(value ? wkWordWrap : wkEllipsis);
}

void TGrTextColumn::FormatText(const TCellInfo& info, std::string& text) const {
    text = TextBefore + info.AsString + TextAfter;
    if (!PasswordChar) return;
    // One mask character a character, not a byte, so accented names keep their length.
    size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    text.assign(count, PasswordChar);
}

std::unique_ptr<TColumnDisplay> TGrTextColumn::CreateDisplay() {
    return std::make_unique<TTextColumnDisplay>(*this);
}

TGrImageColumn::TGrImageColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckInteger);
    SetSortType(stNumeric);
}

std::unique_ptr<TColumnDisplay> TGrImageColumn::CreateDisplay() {
    return std::make_unique<TImageColumnDisplay>(*this);
}

void TImageColumnDisplay::Paint() {
    const auto* column = dynamic_cast<const TGrImageColumn*>(&Column());
    if (!column || !canvas || !column->Images) return;
    const ImageList& images = *column->Images;
    const int index = AsInteger;
    if (index < 0 || index >= images.Count()) return;
    const Rect& r = ClientRect;
    int x = r.left + (r.width() / 2 - images.width / 2);
    if (column->GetAlignment() == taLeftJustify) x = r.left + 2;
    if (column->GetAlignment() == taRightJustify) x = r.right - images.width - 2;
    int y = r.top + (r.height() / 2 - images.height / 2);
    if (column->VerticalAlignment() == taAlignTop) y = r.top + 2;
    if (column->VerticalAlignment() == taAlignBottom) y = r.bottom - images.height - 2;
    images.Draw(*canvas, x, y, index);
}

int TImageColumnDisplay::GetContentWidth() {
    const auto* column = dynamic_cast<const TGrImageColumn*>(&Column());
    return column && column->Images ? column->Images->width : 0;
}

int TImageColumnDisplay::GetContentHeight() {
    const auto* column = dynamic_cast<const TGrImageColumn*>(&Column());
    return column && column->Images ? column->Images->height + 2 : 0;
}

TGrGraphicColumn::TGrGraphicColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckGraphic);
    SetSortType(stAlphabetic);
}

std::unique_ptr<TColumnDisplay> TGrGraphicColumn::CreateDisplay() {
    return std::make_unique<TGraphicColumnDisplay>(*this);
}

void TGraphicColumnDisplay::Paint() {
    const auto* column = dynamic_cast<const TGrGraphicColumn*>(&Column());
    if (!column || !canvas) return;
    const int m = column->Margin;
    Rect r = TCalcProvider::AdjustRectEdges(ClientRect, m, m, -m, -m);
    canvas->brush.color = IsSelectedCell ? clHighlightText : clBtnFace;
    for (int i = 0; i < column->BorderWidth; ++i) {
        canvas->FrameRect(r);
        r = TCalcProvider::AdjustRectEdges(r, 1, 1, -1, -1);
    }
    const auto* picture = static_cast<const Picture*>(ObjectReference);
    if (!picture || picture->empty() || picture->width() <= 0 || picture->height() <= 0) return;
    if (r.empty()) return;
    if (!column->Stretch) {
        // Keep the picture's proportions: it grows or shrinks to the nearer side, centred.
        const double wr = static_cast<double>(r.width()) / picture->width();
        const double hr = static_cast<double>(r.height()) / picture->height();
        if (wr >= hr) {
            const int w = static_cast<int>(std::lround(picture->width() * hr));
            r.left += r.width() / 2 - w / 2;
            r.right = r.left + w;
        } else {
            const int h = static_cast<int>(std::lround(picture->height() * wr));
            r.top += r.height() / 2 - h / 2;
            r.bottom = r.top + h;
        }
    }
    canvas->StretchDraw(r, *picture);
}

TGrComboBoxColumn::TGrComboBoxColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckString);
}

int TGrComboBoxColumn::ItemIndex(const std::string& text) const {
    const auto found = std::find(Items.begin(), Items.end(), text);
    return found == Items.end() ? -1 : static_cast<int>(found - Items.begin());
}

bool TGrComboBoxColumn::AcceptsKey(char32_t key) const {
    if (key <= ' ' || key == 127) return false;
    if (Style != cbsDropDownList || AutoDropDown) return true;
    for (const std::string& item : Items) {
        std::size_t at = 0;
        char32_t first = 0;
        if (!item.empty() && DecodeUtf8(item, at, first) && LowerChar(first) == LowerChar(key))
            return true;
    }
    return false;
}

std::unique_ptr<TColumnDisplay> TGrComboBoxColumn::CreateDisplay() {
    return std::make_unique<TStringsColumnDisplay>(*this);
}

void TStringsColumnDisplay::GetContentRect(Rect& rect) const {
    TColumnDisplay::GetContentRect(rect);
    const auto* column = dynamic_cast<const TGrComboBoxColumn*>(&Column());
    if (column && column->Images && column->DisplayMode != dmTextOnly)
        rect.left += column->Images->width + 4;
}

void TStringsColumnDisplay::Paint() {
    const auto* column = dynamic_cast<const TGrComboBoxColumn*>(&Column());
    if (!column || !canvas) return;
    if (column->DisplayMode != dmImageOnly) {
        Rect content;
        GetContentRect(content);
        DrawCellText(AsString, content);
    }
    if (column->DisplayMode == dmTextOnly || !column->Images) return;
    const int index = column->ItemIndex(AsString);
    const ImageList& images = *column->Images;
    if (index < 0 || index >= images.Count()) return;
    images.Draw(*canvas, ClientRect.left + 2,
                ClientRect.top + ClientRect.height() / 2 - images.height / 2, index);
}

TGrTreeColumn::TGrTreeColumn(std::string name) : TGrCustomColumn(std::move(name)) {
    SetColumnKind(ckString);
}

std::unique_ptr<TColumnDisplay> TGrTreeColumn::CreateDisplay() {
    return std::make_unique<TTreeColumnDisplay>(*this);
}

std::unique_ptr<TColumnPlay> TGrTreeColumn::CreatePlay() {
    return std::make_unique<TTreeColumnPlay>(*this);
}

void TTreeColumnDisplay::GetContentRect(Rect& rect) const {
    TColumnDisplay::GetContentRect(rect);
    const auto* column = dynamic_cast<const TGrTreeColumn*>(&Column());
    rect.left += std::max(0, Level) * TGrTreeColumn::kIndent + 16;
    if (column && column->Images) rect.left += column->Images->width;
}

int TTreeColumnDisplay::GetContentWidth() {
    return TColumnDisplay::GetContentWidth() + std::max(0, Level) * TGrTreeColumn::kIndent + 16;
}

void TTreeColumnDisplay::Paint() {
    const auto* column = dynamic_cast<const TGrTreeColumn*>(&Column());
    if (!column || !canvas) return;
    const Rect& cell = ClientRect;
    const int indent = std::max(0, Level) * TGrTreeColumn::kIndent;
    if (column->ShowLines) DrawTreeLines();
    if (column->Images && ImageIndex >= 0)
        column->Images->Draw(*canvas, cell.left + indent + 16,
                             cell.top + cell.height() / 2 - column->Images->height / 2, ImageIndex);
    if (ChildCount > 0 && column->ShowButtons) {
        const int left = cell.left + indent + 2;
        const int top = cell.top + cell.height() / 2 - 5;
        const Rect button{left, top, left + 9, top + 9};
        const bool lit = IsSelectedCell && column->HighlightButton;
        canvas->brush.color = lit ? clHighlightText : clGrayText;
        canvas->pen.color = lit ? clHighlightText : clBlack;
        canvas->FrameRect(button);
        canvas->MoveTo(button.left + 2, button.top + 4);
        canvas->LineTo(button.right - 2, button.top + 4);
        if (!Expanded) {
            canvas->MoveTo(button.left + 4, button.top + 2);
            canvas->LineTo(button.left + 4, button.bottom - 2);
        }
    }
    Rect content;
    GetContentRect(content);
    DrawCellText(AsString, content);
}

void TTreeColumnDisplay::DrawTreeLines() {
    Canvas& c = *canvas;
    const Rect& cell = ClientRect;
    const int level = std::max(0, Level);
    const int mid = static_cast<int>(std::nearbyint(cell.top + cell.height() / 2.0));
    const bool children = ChildCount > 0;
    auto x_of = [&](int i) { return cell.left + i * TGrTreeColumn::kIndent + 6; };
    auto vline = [&](int x, int from, int to) {
        c.MoveTo(x, from);
        c.LineTo(x, to);
    };
    c.pen.color = clGrayText;
    c.pen.mode = pmCopy;
    if (IsLastChild && !IsFirstShownRow) vline(x_of(level), cell.top, children ? mid - 4 : mid);
    // One step up the ancestors a level: a line at each level whose row goes on below.
    int index = Row;
    for (int i = level; i >= 0; --i) {
        int next_sibling = -1;
        if (tree_links && index >= 0) tree_links(index, next_sibling);
        if (next_sibling < 0) continue;
        if (i == level && children) {
            if (!IsFirstShownRow) vline(x_of(i), cell.top, mid - 4);
            if (!IsLastChild) vline(x_of(i), mid + 4, cell.bottom);
        } else if (IsFirstShownRow) {
            vline(x_of(i), mid, c.ClipRect().bottom);
        } else {
            vline(x_of(i), cell.top, cell.bottom);
        }
    }
    c.MoveTo(x_of(level) + (children ? 4 : 0), mid - 1);
    c.LineTo(x_of(level) + 9, mid - 1);
}

void TTreeColumnPlay::KeyPress(char32_t& key) {
    const auto* column = dynamic_cast<const TGrTreeColumn*>(&Column());
    if (!column || column->ExpandLock) return;
    if (key == U'+' || key == U'-') DoToggle();
}

void TTreeColumnPlay::MouseUp(MouseButton, ShiftState, int x, int y) {
    const auto* column = dynamic_cast<const TGrTreeColumn*>(&Column());
    if (!column || column->ExpandLock) return;
    const int left = std::max(0, Level) * TGrTreeColumn::kIndent + column->Padding() + 2;
    const int top = CellHeight / 2 - 5;
    if (x >= left && x < left + 9 && y >= top && y < top + 9) DoToggle();
}

}  // namespace kv
