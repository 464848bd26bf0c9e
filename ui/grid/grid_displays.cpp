#include "ui/grid/grid_displays.h"

#include <algorithm>

#include "platform/gfx/picture.h"
#include "platform/window/control.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_locale.h"

namespace kv {

namespace {

constexpr int kArrowRoom = 31;  // kept right of a right-aligned caption of a sorted column
constexpr TColor kVistaFace = 0xF0F0F0;
constexpr TColor kVistaBand = 0xF0DCAF;
constexpr TColor kOfficeArrow = 0xB5ACA5;

void Line(Canvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.pen.color = color;
    canvas.pen.mode = pmCopy;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Fill(Canvas& canvas, const Rect& rect, TColor color) {
    canvas.brush.color = color;
    canvas.brush.style = bsSolid;
    canvas.FillRect(rect);
}

// A raised face: lit on the top and left, `shadow` on the bottom and right, face colour within.
void Raised(Canvas& canvas, const Rect& r, TColor face, TColor shadow) {
    Fill(canvas, {r.left, r.top, r.right - 1, r.bottom - 1}, face);
    Line(canvas, clBtnHighlight, r.left, r.bottom - 1, r.left, r.top);
    canvas.LineTo(r.right - 1, r.top);
    canvas.pen.color = shadow;
    canvas.LineTo(r.right - 1, r.bottom - 1);
    canvas.LineTo(r.left - 1, r.bottom - 1);
}

void Triangle(Canvas& canvas, TColor outline, TColor fill, std::vector<Point> points) {
    canvas.pen.color = outline;
    canvas.pen.mode = pmCopy;
    canvas.brush.color = fill;
    canvas.brush.style = bsSolid;
    canvas.Polygon(points);
}

// The x of content E pixels wide in a cell, by alignment.
int AlignedX(const Rect& r, Alignment alignment, int extent, int right_room) {
    switch (alignment) {
        case taRightJustify:
            return r.right - extent - right_room;
        case taCenter:
            return extent < r.width() ? r.left + (r.width() - extent) / 2 : r.left + 2;
        default:
            return r.left + 2;
    }
}

}  // namespace

TColor TStyleDisplay::OwnerColor() const {
    return Owner ? Owner->Color() : clWindow;
}

int TStyleDisplay::GetContentInset(const TGrCustomColumn& column) const {
    if (!ShowSortArrows || !DrawBackground) return 0;
    return Themed && column.Header().DisplayMode == dmTextOnly ? 11 : 2;
}

void DrawHeaderText(Canvas& canvas, const Rect& rect, bool multi_line, const std::string& text) {
    canvas.brush.style = bsClear;
    Rect r = rect;
    unsigned flags = DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXTERNALLEADING;
    if (!multi_line) flags |= DT_SINGLELINE | DT_VCENTER;
    canvas.DrawText(text, r, flags);
    canvas.brush.style = bsSolid;
}

std::string FormatEditMask(std::string_view text, std::string_view mask) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < mask.size() && mask[i] != ';'; ++i) {
        const char m = mask[i];
        if (m == '\\' && i + 1 < mask.size()) {
            out += mask[++i];
        } else if (std::string_view("09#LlAaCc").find(m) != std::string_view::npos) {
            if (next < text.size()) out += text[next++];
        } else {
            out += m;
        }
    }
    return out;
}

int HeaderContentWidth(TStyleDisplay& style, const TGrCustomColumn& column) {
    const TColumnHeader& header = column.Header();
    int text = 0;
    if (style.canvas) {
        Size size = style.canvas->TextExtent(header.Caption());
        text = header.Orientation == hoVertical ? size.cy : size.cx;
    }
    const int glyph = header.Glyph ? header.Glyph->width() : 0;
    switch (header.DisplayMode) {
        case dmImageOnly:
            return glyph;
        case dmTextAndImage:
            return glyph + text + 2;
        default:
            return text;
    }
}

void TStyleDisplay::DrawHeader(const TGrCustomColumn& column, const Rect& rect) {
    const TDrawingOptions options = column.Header().DrawingOptions;
    if (options != doCustomOnly && DrawBackground) DrawHeaderBackground(column, rect);
    if (options == doNormal || options == doCustom) DrawHeaderContent(column, rect);
    if (HeaderDrawn) HeaderDrawn(column.GetIndex(), rect);
}

void TStyleDisplay::DrawHeaderContent(const TGrCustomColumn& column, Rect rect) {
    Canvas& c = *canvas;
    const TColumnHeader& header = column.Header();
    const int w = rect.width();
    const int h = rect.height();
    const std::string& caption = header.Caption();
    int extent = 0;
    if (header.DisplayMode != dmImageOnly) {
        if (header.Orientation == hoVertical) {
            extent = c.TextHeight(caption) + 2;
        } else if (header.MultiLine) {
            extent = GetMultiLineTextWidth(c, caption) + 2;
        } else {
            extent = c.TextWidth(caption) + 2;
        }
    }
    const int sorted_room = column.Sorted() ? kArrowRoom : 0;
    int text_x = 0;
    const Picture* glyph = header.DisplayMode == dmTextOnly ? nullptr : header.Glyph.get();
    if (!glyph || glyph->empty()) {
        text_x = AlignedX(rect, header.alignment, extent, 2 + sorted_room);
    } else {
        const int gw = glyph->width();
        int gx = rect.left + 3;
        if (header.alignment == taRightJustify)
            gx = rect.right - gw - extent - 2 - sorted_room;
        else if (header.alignment == taCenter)
            gx = rect.left + w / 2 - (gw + extent) / 2;
        const int gy = rect.top + h / 2 - glyph->height() / 2;
        TDrawProvider::DrawAlphaGraphic(c, gx, gy, *glyph);
        text_x = gx + gw + 2;
    }
    if (header.DisplayMode != dmImageOnly) {
        Rect text_rect{text_x, rect.top, rect.right, rect.bottom};
        AdjustHeaderTextRect(text_rect);
        if (header.Orientation == hoVertical)
            DrawVerticalText(c, text_rect, caption, header.MultiLine);
        else
            DrawHeaderText(c, text_rect, header.MultiLine, caption);
    }
    if (ShowSortArrows && column.Sorted() && !(GetStyleFlags() & kArrowInBackground)) {
        const int x = text_x + extent + 19;
        const int y = rect.top + h / 2 - 4;
        if (x + 8 < rect.right || !header.HideArrow)
            DrawSortArrow(x, y, column.SortKind() == skAscending);
    }
    if (IsPressed(column) && (GetStyleFlags() & kInvertPressed)) {
        const bool only = column.IsFirstVisible() && column.IsLastVisible();
        const Rect inv = only ? Rect{rect.left - 1, rect.top - 1, rect.right, rect.bottom}
                              : Rect{rect.left, rect.top, rect.right - 1, rect.bottom};
        InvertPixels(c, inv);
    }
}

void TStyleDisplay::DrawSortArrow(int x, int y, bool ascending) {
    Canvas& c = *canvas;
    if (Themed) {
        const std::vector<Point> up{{x, y + 4}, {x + 4, y}, {x + 8, y + 4}};
        const std::vector<Point> down{{x, y}, {x + 4, y + 4}, {x + 8, y}};
        Triangle(c, clGrayText, clGrayText, ascending ? up : down);
        return;
    }
    // An engraved triangle: a shadowed and a lit staircase.
    c.pen.mode = pmCopy;
    if (ascending) {
        c.pen.color = clBtnShadow;
        c.Polyline({{x + 7, y + 6},
                    {x, y + 6},
                    {x, y + 5},
                    {x + 1, y + 5},
                    {x + 1, y + 3},
                    {x + 2, y + 3},
                    {x + 2, y + 1},
                    {x + 3, y + 1},
                    {x + 3, y - 1}});
        c.pen.color = clBtnHighlight;
        c.Polyline({{x + 7, y + 5},
                    {x + 6, y + 5},
                    {x + 6, y + 3},
                    {x + 5, y + 3},
                    {x + 5, y + 1},
                    {x + 4, y + 1},
                    {x + 4, y - 1}});
    } else {
        c.pen.color = clBtnShadow;
        c.Polyline({{x + 7, y},
                    {x, y},
                    {x, y + 1},
                    {x + 1, y + 1},
                    {x + 1, y + 3},
                    {x + 2, y + 3},
                    {x + 2, y + 5},
                    {x + 3, y + 5},
                    {x + 3, y + 7}});
        c.pen.color = clBtnHighlight;
        c.Polyline({{x + 7, y + 1},
                    {x + 6, y + 1},
                    {x + 6, y + 3},
                    {x + 5, y + 3},
                    {x + 5, y + 5},
                    {x + 4, y + 5},
                    {x + 4, y + 7}});
    }
}

void TStyleDisplay::DrawFooter(const TGrCustomColumn& column, const Rect& rect, bool grid_lines) {
    Canvas& c = *canvas;
    Rect r = rect;
    if (grid_lines) {
        r.right -= 1;
        r.bottom -= 1;
    }
    const TColumnFooter& footer = column.Footer();
    if (footer.DrawingOptions != doCustomOnly) {
        c.font = column.GetFont();
        Fill(c, r, footer.Color());
    }
    if (grid_lines) {
        Line(c, clBtnFace, rect.left, rect.bottom - 1, rect.right - 1, rect.bottom - 1);
        Line(c, clBtnFace, rect.right - 1, rect.top, rect.right - 1, rect.bottom + 1);
    }
    c.Save();
    c.IntersectClipRect(r);
    if (footer.DrawingOptions == doNormal || footer.DrawingOptions == doCustom)
        DrawFooterContent(column, r);
    if (FooterDrawn) FooterDrawn(column.GetIndex(), rect);
    c.Restore();
}

std::string FooterDisplayText(const TColumnFooter& footer) {
    std::string text = footer.Caption();
    if (!footer.FormatMask.empty()) {
        if (footer.FormatMaskKind == mkText) {
            text = FormatEditMask(text, footer.FormatMask);
        } else {
            // A caption that is no number shows as 0 through the mask.
            double value = 0;
            try {
                value = GridTextToFloat(text);
            } catch (const std::exception&) {
                value = 0;
            }
            text = FormatNumberMask(value, footer.FormatMask);
        }
    }
    return footer.TextBefore + text + footer.TextAfter;
}

void TStyleDisplay::DrawFooterContent(const TGrCustomColumn& column, Rect rect) {
    Canvas& c = *canvas;
    const TColumnFooter& footer = column.Footer();
    if (footer.DisplayMode == dmImageOnly) return;
    const std::string text = FooterDisplayText(footer);
    const int x =
        std::max(AlignedX(rect, footer.alignment, c.TextWidth(text), column.Padding()), rect.left);
    DrawHeaderText(c, {x, rect.top, rect.right, rect.bottom}, false, text);
}

void TStyleDisplay::DrawIndicatorCorner(const Rect& rect, int) {
    Fill(*canvas, rect, OwnerColor());
}

void TStyleDisplay::DrawHeaderRemainder(const Rect& rect) {
    Fill(*canvas, rect, OwnerColor());
}

void TStyleDisplay::DrawSeparator(const Rect& rect) {
    Fill(*canvas, rect, clBtnFace);
    Line(*canvas, clBtnShadow, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1);
}

void TStyleDisplay::DrawIndicator(const Rect& rect, int row, bool, bool) {
    Canvas& c = *canvas;
    const int top = rect.top, bottom = rect.bottom, right = rect.right;
    Fill(c, {1, top + 1, right - 1, bottom}, clBtnFace);
    Line(c, clBtnHighlight, 0, top, 0, bottom + 1);
    if (row == 0) {
        Line(c, clBtnHighlight, 1, top, right - 1, top);
    } else {
        Line(c, clBtnHighlight, 2, top, right - 2, top);
        c.SetPixel(1, top, ColorToRGB(clBtnFace));
        c.SetPixel(right - 2, top, ColorToRGB(clBtnFace));
    }
    c.SetPixel(1, bottom - 1, ColorToRGB(clBtnFace));
    c.SetPixel(right - 2, bottom - 1, ColorToRGB(clBtnFace));
    Line(c, clBtnShadow, right - 1, top, right - 1, bottom);
    Line(c, clBtnShadow, 2, bottom - 1, right - 2, bottom - 1);
}

void TStyleDisplay::DrawIndicatorGlyph(const Rect& rect, bool arrow, bool invert) {
    Canvas& c = *canvas;
    if (arrow) {
        const int x = rect.left + (rect.width() - 6) / 2;
        const int y = rect.top + (rect.height() - 11) / 2;
        Triangle(c, clWindowText, clWindowText, {{x, y}, {x + 5, y + 5}, {x, y + 10}});
    }
    if (invert) InvertPixels(c, rect);
}

void TStyleDisplay::DrawInputCell(const TGrCustomColumn& column, const Rect& rect, bool focused,
                                  bool input_active, bool grid_lines) {
    Canvas& c = *canvas;
    const Rect text_rect{rect.left + 2, rect.top, rect.right - 1, rect.bottom - 1};
    const bool lines = input_active && grid_lines;
    c.font = column.GetFont();
    c.font.style = 0;
    TColor brush = column.Color();
    c.font.color = clGrayText;
    const bool selected_cell = column.Editing;
    if (input_active && !column.Editing) {
        c.font.color = clHighlightText;
        brush = focused ? clHighlight : clBtnFace;
    }
    (void)selected_cell;
    Rect cell = rect;
    if (lines) {
        cell.right -= 1;
        cell.bottom -= 1;
    }
    c.brush.color = brush;
    c.brush.style = bsSolid;
    if (column.Editing)
        c.FrameRect(cell);
    else
        c.FillRect(cell);
    if (lines) {
        Line(c, clHighlight, rect.left, rect.bottom - 1, rect.right - 1, rect.bottom - 1);
        Line(c, clHighlight, rect.right - 1, rect.top, rect.right - 1, rect.bottom + 1);
    }
    if (!column.InputValue().empty())
        TGraphicsProvider::DrawTextAligned(c, text_rect, column.GetAlignment(), column.InputValue(),
                                           false);
    else
        TGraphicsProvider::DrawTextAligned(c, text_rect, taCenter, column.InputCaption, false);
}

// --- the default look

void TDefaultStyleDisplay::DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) {
    if (Themed)
        DrawThemedHeaderFace(column, rect);
    else
        DrawHeaderFace(column, rect);
}

void TDefaultStyleDisplay::DrawHeaderFace(const TGrCustomColumn& column, const Rect& r) {
    Canvas& c = *canvas;
    const TColor face = column.Header().Color();
    const bool first = column.IsFirstVisible();
    const bool last = column.IsLastVisible();
    Fill(c, {r.left, r.top, r.right - 1, r.bottom - 1}, face);
    if (first && last) {
        Raised(c, r, face, clBtnShadow);
        return;
    }
    Line(c, clBtnHighlight, r.left, r.top, r.right, r.top);
    if (first) {
        Line(c, clBtnHighlight, r.left, r.top + 1, r.left, r.bottom - 1);
    } else {
        Line(c, clBtnHighlight, r.left, r.top + 2, r.left, r.bottom - 2);
        c.SetPixel(r.left, r.top + 1, ColorToRGB(face));
        c.SetPixel(r.left, r.bottom - 2, ColorToRGB(face));
    }
    Line(c, clBtnShadow, r.left, r.bottom - 1, r.right, r.bottom - 1);
    if (last) {
        Line(c, clBtnShadow, r.right - 1, r.top, r.right - 1, r.bottom);
    } else {
        Line(c, clBtnShadow, r.right - 1, r.top + 2, r.right - 1, r.bottom - 2);
        c.SetPixel(r.right - 1, r.top + 1, ColorToRGB(face));
        c.SetPixel(r.right - 1, r.bottom - 2, ColorToRGB(face));
    }
}

void TDefaultStyleDisplay::DrawThemedHeaderFace(const TGrCustomColumn& column, const Rect& rect) {
    const int state = IsPressed(column) ? 3 : &column == HotColumn ? 2 : 1;
    DrawThemedPart(*canvas, rect, "header", 1, state);
}

void TDefaultStyleDisplay::DrawIndicatorCorner(const Rect& rect, int kind) {
    Canvas& c = *canvas;
    if (kind == 0) {
        if (Themed)
            DrawThemedPart(c, rect, "header", 1, 1);
        else
            TGraphicsProvider::DrawButtonFace(c, rect);
        return;
    }
    // The etched footer corner.
    const int top = rect.top, bottom = rect.bottom, right = rect.right;
    Fill(c, {1, top + 1, right - 1, bottom}, clBtnFace);
    Line(c, clBtnHighlight, 0, top, 0, bottom);
    Line(c, clBtnHighlight, 2, top + 1, right - 2, top + 1);
    Line(c, clBtnShadow, right - 1, top, right - 1, bottom - 1);
    c.LineTo(rect.left - 1, bottom - 1);
    Line(c, clBtnShadow, 2, top, right - 2, top);
    for (const Point p :
         {Point{1, top}, Point{right - 2, top}, Point{1, top + 1}, Point{right - 2, top + 1}})
        c.SetPixel(p.x, p.y, ColorToRGB(clBtnFace));
}

void TDefaultStyleDisplay::DrawHeaderRemainder(const Rect& rect) {
    if (Themed)
        DrawThemedPart(*canvas, rect, "header", 2, 1);
    else
        TStyleDisplay::DrawHeaderRemainder(rect);
}

// --- flat

void TFlatStyleDisplay::DrawFlatCell(const Rect& r, TColor color) {
    Fill(*canvas, r, color);
    Line(*canvas, clGrayText, r.right - 1, r.top, r.right - 1, r.bottom - 1);
    Line(*canvas, clGrayText, r.left, r.bottom - 1, r.right, r.bottom - 1);
}

void TFlatStyleDisplay::DrawHeaderBackground(const TGrCustomColumn& column, const Rect& rect) {
    DrawFlatCell(rect, column.Header().Color());
}

void TFlatStyleDisplay::DrawIndicator(const Rect& rect, int, bool, bool) {
    DrawFlatCell(rect, clBtnFace);
}

void TFlatStyleDisplay::DrawIndicatorCorner(const Rect& rect, int) {
    DrawFlatCell(rect, clBtnFace);
}

void TFlatStyleDisplay::DrawEmptyArea(const Rect& rect) {
    Fill(*canvas, rect, clBtnFace);
}

// --- office

TColor TOffice2007StyleDisplay::FaceTop() const {
    return clWhite;
}

TColor TOffice2007StyleDisplay::FaceBottom() const {
    return GetSchemeColor(11);
}

void TOffice2007StyleDisplay::DrawHeaderBackground(const TGrCustomColumn& column, const Rect& r) {
    Canvas& c = *canvas;
    if (IsPressed(column))
        TGraphicsProvider::DrawVerticalGradient(c, r, FaceBottom(), FaceTop());
    else
        TGraphicsProvider::DrawVerticalGradient(c, r, FaceTop(), FaceBottom());
    if (column.IsLastVisible())
        Line(c, GetSchemeColor(2), r.right - 1, r.top, r.right - 1, r.bottom - 1);
    else
        Line(c, GetSchemeColor(10), r.right - 1, r.top + 2, r.right - 1, r.bottom - 3);
    Line(c, GetSchemeColor(2), r.left, r.bottom - 1, r.right, r.bottom - 1);
}

void TOffice2007StyleDisplay::DrawCorner(const Rect& r) {
    Canvas& c = *canvas;
    TGraphicsProvider::DrawVerticalGradient(c, r, FaceTop(), FaceBottom());
    Line(c, GetSchemeColor(2), r.right - 1, r.top, r.right - 1, r.bottom);
    Line(c, GetSchemeColor(2), r.left, r.bottom - 1, r.right, r.bottom - 1);
}

void TOffice2007StyleDisplay::DrawIndicator(const Rect& rect, int, bool, bool) {
    DrawCorner(rect);
}

void TOffice2007StyleDisplay::DrawIndicatorCorner(const Rect& rect, int) {
    DrawCorner(rect);
}

void TOffice2007StyleDisplay::DrawEmptyArea(const Rect& rect) {
    Fill(*canvas, rect, GetSchemeColor(11));
}

TColor TOffice2010StyleDisplay::FaceTop() const {
    return GetSchemeColor(6);
}

TColor TOffice2010StyleDisplay::FaceBottom() const {
    return GetSchemeColor(7);
}

void TOffice2010StyleDisplay::DrawSortArrow(int x, int y, bool ascending) {
    if (ascending)
        Triangle(*canvas, clBlack, kOfficeArrow, {{x, y + 4}, {x + 4, y}, {x + 8, y + 4}});
    else
        Triangle(*canvas, clBlack, kOfficeArrow, {{x, y}, {x + 4, y + 4}, {x + 8, y}});
}

// --- old style

void TOldStyleDisplay::DrawRaised(const Rect& rect) {
    Raised(*canvas, rect, clBtnFace, clWindowFrame);
}

void TOldStyleDisplay::DrawHeaderBackground(const TGrCustomColumn&, const Rect& rect) {
    DrawRaised(rect);
}

void TOldStyleDisplay::DrawIndicator(const Rect& rect, int, bool, bool) {
    DrawRaised(rect);
}

void TOldStyleDisplay::DrawIndicatorCorner(const Rect& rect, int) {
    DrawRaised(rect);
}

// --- outlook

void TOutlookStyleDisplay::DrawShadowLines(const Rect& r, TColor over) {
    const int weights[] = {50, 100, 150};
    for (int i = 0; i < 3; ++i) {
        const int y = r.bottom - 3 + i;
        Line(*canvas, TGraphicsProvider::BlendColors(clBtnShadow, over, weights[i]), r.left, y,
             r.right, y);
    }
}

void TOutlookStyleDisplay::DrawHeaderBackground(const TGrCustomColumn& column, const Rect& r) {
    Canvas& c = *canvas;
    const TColor face = column.Header().Color();
    const bool first = column.IsFirstVisible();
    const bool last = column.IsLastVisible();
    Fill(c, {r.left, r.top, r.right, r.bottom - 3}, face);
    if (first)
        Line(c, clBtnHighlight, r.left, r.top, r.left, r.bottom - 3);
    else
        Line(c, clBtnHighlight, r.left, r.top + 2, r.left, r.bottom - 4);
    if (last)
        Line(c, clBtnShadow, r.right - 1, r.top, r.right - 1, r.bottom - 1);
    else
        Line(c, clBtnShadow, r.right - 1, r.top + 2, r.right - 1, r.bottom - 4);
    DrawShadowLines(r, face);
}

void TOutlookStyleDisplay::DrawIndicatorCorner(const Rect& r, int) {
    Fill(*canvas, {r.left, r.top, r.right, r.bottom - 3}, clBtnFace);
    Line(*canvas, clBtnShadow, r.right - 1, r.top, r.right - 1, r.bottom - 1);
    DrawShadowLines(r, clBtnFace);
}

void TOutlookStyleDisplay::DrawEmptyArea(const Rect& rect) {
    TGraphicsProvider::DrawButtonFace(*canvas, rect);
}

// --- vista

void TVistaStyleDisplay::DrawHeaderBackground(const TGrCustomColumn& column, const Rect& r) {
    Canvas& c = *canvas;
    Line(c, clWhite, r.left, r.top, r.left, r.bottom);
    Line(c, clBtnFace, r.right - 1, r.top, r.right - 1, r.bottom);
    const Rect inner{r.left + 1, r.top, r.right - 1, r.bottom};
    if (!column.Sorted()) {
        Fill(c, inner, kVistaFace);
        return;
    }
    TGraphicsProvider::DrawVerticalGradient(c, {inner.left, inner.top, inner.right, inner.top + 6},
                                            kVistaBand, clWhite);
    Fill(c, {inner.left, inner.top + 6, inner.right, inner.bottom}, clWhite);
    if (ShowSortArrows)
        DrawSortArrow(r.left + r.width() / 2 - 3, 0, column.SortKind() == skAscending);
}

void TVistaStyleDisplay::DrawIndicator(const Rect& r, int, bool, bool) {
    Canvas& c = *canvas;
    Fill(c, r, kVistaFace);
    Line(c, clWhite, r.left, r.top, r.left, r.bottom);
    Line(c, clBtnFace, r.right - 1, r.top, r.right - 1, r.bottom);
}

void TVistaStyleDisplay::DrawSortArrow(int x, int y, bool ascending) {
    if (ascending)
        Triangle(*canvas, clWhite, clWhite, {{x + 3, y}, {x + 6, y + 3}, {x, y + 3}});
    else
        Triangle(*canvas, clWhite, clWhite, {{x, y}, {x + 3, y + 3}, {x + 6, y}});
}

std::unique_ptr<TStyleDisplay> CreateStyleDisplay(THeaderStyle style, Control* owner) {
    switch (style) {
        case hsFlatBorders:
            return std::make_unique<TFlatStyleDisplay>(owner);
        case hsOffice2007:
            return std::make_unique<TOffice2007StyleDisplay>(owner);
        case hsOffice2010:
            return std::make_unique<TOffice2010StyleDisplay>(owner);
        case hsOldStyle:
            return std::make_unique<TOldStyleDisplay>(owner);
        case hsOutlook:
            return std::make_unique<TOutlookStyleDisplay>(owner);
        case hsVista:
            return std::make_unique<TVistaStyleDisplay>(owner);
        case hsAuto:
            break;
    }
    return std::make_unique<TDefaultStyleDisplay>(owner);
}

}  // namespace kv
