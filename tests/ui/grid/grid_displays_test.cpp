// The header looks, footer and input cells, the indicator, and the cell text drawn from its
// cached picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gfx/canvas.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/draw_helpers.h"
#include "ui/grid/grid_displays.h"
#include "ui/grid/grid_locale.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

// A grid of three 80-pixel columns painted on its own canvas; the second column is sorted.
struct StyledGrid {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid{"grade"};
    Canvas canvas{300, 140};

    explicit StyledGrid(THeaderStyle style,
                        TGridOptions options = {goHeader, goGrid, goIndicator, goFooter}) {
        grid.SetBounds(0, 0, 300, 140);
        grid.SetOptions(options);
        grid.HeaderStyle = style;
        grid.Columns().Add("nome").Header().SetCaption("Nome");
        grid.Columns().Add("gols", ckInteger).Header().SetCaption("Gols");
        grid.Columns().Add("clube").Header().SetCaption("Clube");
        grid.GetColumnByName("gols")->SetSortType(stNumeric);
        for (int i = 0; i < 3; ++i) grid.SetCellText(1, grid.AddRow(), std::to_string(i));
        grid.GetColumnByName("gols")->SetSorted(true);
        grid.SetSelectedRow(1);
    }
    TColor Paint() {
        grid.Paint(canvas);
        return 0;
    }
    // The pixel at a point of the grid's client area, which lies inside its border.
    TColor At(int x, int y) const {
        const Rect client = grid.ClientArea();
        return canvas.Pixel(client.left + x, client.top + y);
    }
    // The header cell of column `col` in client co-ordinates.
    Rect Header(int col) { return grid.GetHeaderCellRect(grid.Columns().GetItem(col)); }
    void Save(const std::string& name) {
        std::filesystem::create_directories("test-output");
        canvas.SaveToPng("test-output/" + name);
    }
};

TColor RGB(TColor c) {
    return ColorToRGB(c);
}

TEST(HeaderStyles, EachLookDrawsItsOwnFaceLinesAndCorner) {
    struct Case {
        THeaderStyle style;
        const char* file;
    };
    const Case cases[] = {{hsAuto, "header_classic.png"},    {hsFlatBorders, "header_flat.png"},
                          {hsOffice2007, "header_2007.png"}, {hsOffice2010, "header_2010.png"},
                          {hsOldStyle, "header_old.png"},    {hsOutlook, "header_outlook.png"},
                          {hsVista, "header_vista.png"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        StyledGrid g(c.style);
        g.Paint();
        g.Save(c.file);
        const Rect h = g.Header(0);  // the first column: unsorted, not the last
        const int mid = (h.top + h.bottom) / 2;
        switch (c.style) {
            case hsAuto:
                EXPECT_EQ(g.At(h.left + 60, mid), RGB(clBtnFace));
                EXPECT_EQ(g.At(h.left + 60, h.top), RGB(clBtnHighlight));
                EXPECT_EQ(g.At(h.left + 60, h.bottom - 1), RGB(clBtnShadow));
                EXPECT_EQ(g.At(h.right - 1, mid), RGB(clBtnShadow));  // etched divider
                EXPECT_EQ(g.At(h.right - 1, h.top + 1), RGB(clBtnFace));
                break;
            case hsFlatBorders:
                EXPECT_EQ(g.At(h.left + 60, mid), RGB(clBtnFace));
                EXPECT_EQ(g.At(h.right - 1, mid), RGB(clGrayText));
                EXPECT_EQ(g.At(h.left + 60, h.bottom - 1), RGB(clGrayText));
                break;
            case hsOffice2007:
            case hsOffice2010: {
                const TColor top = c.style == hsOffice2007 ? clWhite : GetSchemeColor(6);
                EXPECT_EQ(g.At(h.left + 60, h.top), top);
                EXPECT_EQ(g.At(h.left + 60, h.bottom - 1), GetSchemeColor(2));
                EXPECT_EQ(g.At(h.right - 1, h.top + 5), GetSchemeColor(10));
                EXPECT_NE(g.At(h.right - 1, h.top + 1), GetSchemeColor(10));
                // The last column's separator runs the full height in the darker colour.
                const Rect last = g.Header(2);
                EXPECT_EQ(g.At(last.right - 1, last.top), GetSchemeColor(2));
                break;
            }
            case hsOldStyle:
                EXPECT_EQ(g.At(h.left + 60, mid), RGB(clBtnFace));
                EXPECT_EQ(g.At(h.left + 60, h.bottom - 1), RGB(clWindowFrame));
                EXPECT_EQ(g.At(h.left, mid), RGB(clBtnHighlight));
                break;
            case hsOutlook:
                EXPECT_EQ(g.At(h.left + 60, h.bottom - 3),
                          TGraphicsProvider::BlendColors(clBtnShadow, clBtnFace, 50));
                EXPECT_EQ(g.At(h.left + 60, h.bottom - 1),
                          TGraphicsProvider::BlendColors(clBtnShadow, clBtnFace, 150));
                EXPECT_EQ(g.At(h.left + 60, h.top + 3), RGB(clBtnFace));
                break;
            case hsVista: {
                EXPECT_EQ(g.At(h.left, mid), RGB(clWhite));
                EXPECT_EQ(g.At(h.left + 60, mid), TColor(0xF0F0F0));
                // The sorted column: a light blue band on top, white below, the white arrow.
                const Rect s = g.Header(1);
                EXPECT_EQ(g.At(s.left + 5, s.top), TColor(0xF0DCAF));
                EXPECT_EQ(g.At(s.left + 5, s.bottom - 2), RGB(clWhite));
                break;
            }
        }
    }
}

TEST(HeaderStyles, SortArrowPlacementAndHiding) {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid;
    TGrCustomColumn& column = grid.Columns().Add("gols");
    column.Header().SetCaption("G");
    column.SetSorted(true);
    column.SetSortKind(skDescending);
    TDefaultStyleDisplay display(&grid);
    auto arrow_pixels = [&](int width, Alignment alignment, bool hide_arrow) {
        column.SetWidth(width);
        column.Header().alignment = alignment;
        column.Header().HideArrow = hide_arrow;
        Canvas canvas(200, 18);
        display.canvas = &canvas;
        canvas.font = grid.font();
        display.DrawHeaderContent(column, {0, 0, width, 18});
        int shadow = 0, first = -1;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 18; ++y)
                if (canvas.Pixel(x, y) == RGB(clBtnShadow)) {
                    ++shadow;
                    if (first < 0) first = x;
                }
        return std::pair{shadow, first};
    };
    // Left aligned: the arrow starts 19 pixels past the caption's extent (+2 of margin).
    Canvas measure(1, 1);
    measure.font = grid.font();
    const int extent = measure.TextWidth("G") + 2;
    EXPECT_EQ(arrow_pixels(120, taLeftJustify, true).second, 2 + extent + 19);
    // Too narrow for the arrow: hidden unless HideArrow is off.
    EXPECT_EQ(arrow_pixels(2 + extent + 19 + 8, taLeftJustify, true).first, 0);
    EXPECT_GT(arrow_pixels(2 + extent + 19 + 8, taLeftJustify, false).first, 0);
    // Right aligned and sorted: 31 pixels kept for the arrow, which still starts 19 past the
    // caption.
    EXPECT_EQ(arrow_pixels(120, taRightJustify, true).second, 120 - extent - 2 - 31 + extent + 19);
}

TEST(HeaderStyles, DrawingOptionsOfTheHeader) {
    StyledGrid g(hsFlatBorders, {goHeader});
    int custom_calls = 0;
    g.grid.on_custom_draw_header = [&](int, const Rect&) { ++custom_calls; };
    TGrCustomColumn& first = g.grid.Columns().GetItem(0);
    auto ink_in_caption = [&] {
        const Rect h = g.Header(0);
        int ink = 0;
        for (int x = h.left + 2; x < h.left + 40; ++x)
            for (int y = h.top + 2; y < h.bottom - 2; ++y) ink += g.At(x, y) != RGB(clBtnFace);
        return ink;
    };
    g.Paint();
    EXPECT_GT(ink_in_caption(), 0);
    EXPECT_EQ(custom_calls, 3);
    first.Header().DrawingOptions = doBackgroundOnly;
    g.Paint();
    EXPECT_EQ(ink_in_caption(), 0);
    // Custom only: neither background nor caption, only what the handler paints.
    first.Header().DrawingOptions = doCustomOnly;
    g.canvas.brush.color = clRed;
    g.canvas.FillRect({0, 0, 300, 140});
    g.Paint();
    EXPECT_EQ(g.At(g.Header(0).left + 40, 8), clRed);
}

TEST(Footer, CaptionThroughItsMask) {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid;
    TColumnFooter& footer = grid.Columns().Add("valor").Footer();
    struct Case {
        const char* caption;
        const char* mask;
        TFormatMaskKind kind;
        const char* expected;
    };
    const Case cases[] = {
        {"1234.5", "0.00", mkFloat, "1234.50"},
        {"abc", "0.0", mkFloat, "0.0"},  // no number: 0 through the mask
        {"12345678", "00\\.000\\.000;0;_", mkText, "12.345.678"},
        {"7", "", mkFloat, "7"},
    };
    for (const Case& c : cases) {
        footer.SetCaption(c.caption);
        footer.FormatMask = c.mask;
        footer.FormatMaskKind = c.kind;
        EXPECT_EQ(FooterDisplayText(footer), c.expected) << c.caption << " " << c.mask;
    }
    footer.TextBefore = "R$ ";
    footer.TextAfter = " mil";
    EXPECT_EQ(FooterDisplayText(footer), "R$ 7 mil");
}

TEST(FixedParts, FooterInputLineAndIndicator) {
    StyledGrid g(hsAuto, {goHeader, goGrid, goIndicator, goFooter, goInput});
    g.grid.Columns().GetItem(0).Footer().SetColor(clYellow);
    g.grid.Columns().GetItem(0).InputCaption = "novo";
    g.Paint();
    g.Save("grid_fixed_parts.png");
    const Rect footer = g.grid.GetFooterCellRect(g.grid.Columns().GetItem(0));
    EXPECT_EQ(footer.bottom, g.grid.ClientHeight());  // at the foot of the client area
    EXPECT_EQ(g.At(footer.left + 70, footer.top + 2), clYellow);
    EXPECT_EQ(g.At(footer.right - 1, footer.top + 2), RGB(clBtnFace));  // its grid line
    // The body starts below the header and the input line; the indicator's corner is raised.
    const Rect body = g.grid.GetBodyRect();
    EXPECT_EQ(body.top, 18 + 16 + 6 + 1);
    EXPECT_EQ(body.left, 12);
    // The columns start right after the indicator, and the cells under their headers.
    EXPECT_EQ(g.Header(0).left, 12);
    EXPECT_EQ(g.Header(2).right, body.right);
    EXPECT_EQ(g.grid.GetCellRect(0, 0).left, 12);
    EXPECT_EQ(g.At(0, 5), RGB(clBtnHighlight));
    // The selected row's indicator shows the black arrow in its middle.
    const Rect row = g.grid.GetRowRect(1);
    bool arrow = false;
    for (int x = 2; x < 10; ++x)
        for (int y = row.top; y < row.bottom; ++y) arrow |= g.At(x, y) == RGB(clWindowText);
    EXPECT_TRUE(arrow);
}

TEST(Slides, EachRowASlideWithItsFieldsCaptionsAndFrame) {
    StyledGrid g(hsAuto, {goHeader, goGrid});
    g.grid.GridStyle = gsSlides;
    g.grid.SlideSize = 40;
    g.grid.InactiveSelectionColor = clNavy;  // no screen: the grid has no focus
    g.grid.GetColumnByName("nome")->SlideBounds = {150, 8, 16, 80};
    g.grid.GetColumnByName("clube")->SlideBounds = {240, 8, 16, 50};
    TGrCustomColumn& gols = *g.grid.GetColumnByName("gols");
    gols.SlideBounds = {60, 12, 20, 60};  // left, top, height, width
    gols.SlideCaption = "Gols";
    gols.SlideCaptionLocation = 0;  // left of the field
    gols.SetColor(clYellow);
    gols.SetParentCellColor(true);
    g.grid.SetFocus();
    g.Paint();
    g.Save("grid_slides.png");
    // Slide 1 starts one slide and its grid line below the header.
    EXPECT_EQ(g.grid.GetSlideTop(1), 18 + 40 + 1);
    const Rect field = g.grid.GetCellRect(1, 1);
    EXPECT_EQ(field, (Rect{60, 18 + 41 + 12, 120, 18 + 41 + 32}));
    EXPECT_EQ(g.At(field.right - 3, field.top + 2), clYellow);
    // The caption stands left of the field, in grey ink.
    int ink = 0;
    for (int x = 10; x < field.left - 2; ++x)
        for (int y = field.top; y < field.bottom; ++y) {
            const TColor p = g.At(x, y);
            const int r = p & 0xFF, gr = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
            ink += p != RGB(clWindow) && r == gr && gr == b;
        }
    EXPECT_GT(ink, 5);
    // The selected slide (row 1) has the double frame in the selection colour; the grid line
    // runs under each slide.
    const Rect slide = g.grid.GetSlideRect(1);
    EXPECT_EQ(g.At(150, slide.top + 1), clNavy);
    EXPECT_EQ(g.At(150, slide.top + 2), clNavy);
    EXPECT_NE(g.At(150, g.grid.GetSlideRect(0).top + 1), clNavy);
    EXPECT_EQ(g.At(150, slide.top + 40), RGB(clBtnFace));
    // A click in the second slide's field selects that row.
    EXPECT_EQ(g.grid.RowAtY(field.top), 1);
}

TEST(CellText, ThePictureCopyMatchesDrawingTheText) {
    ScopedGridLocale locale{NeutralGridLocale()};
    TReportGrid grid;
    TGrCustomColumn& column = grid.Columns().Add("nome");
    const char* texts[] = {"Júlio César", "Ágata", "12.345,67", "ÇÃO gy"};
    const Alignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
    for (const char* text : texts)
        for (Alignment alignment : alignments) {
            column.SetAlignment(alignment);
            Canvas a(120, 20), b(120, 20);
            for (Canvas* c : {&a, &b}) {
                c->font = column.GetFont();
                c->font.color = clNavy;
            }
            TColumnDisplay& display = column.Display();
            display.canvas = &a;
            display.DrawCellText(text, {0, 0, 120, 20});
            display.DrawCellText(text, {0, 0, 120, 20});  // the second from the cache
            Rect r{0, 0, 120, 20};
            b.brush.style = bsClear;
            b.DrawText(text, r,
                       DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS |
                           (alignment == taCenter ? DT_CENTER : 0) |
                           (alignment == taRightJustify ? DT_RIGHT : 0));
            b.DrawText(text, r,
                       DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS |
                           (alignment == taCenter ? DT_CENTER : 0) |
                           (alignment == taRightJustify ? DT_RIGHT : 0));
            int worst = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 120; ++x) {
                    const TColor p = a.Pixel(x, y), q = b.Pixel(x, y);
                    for (int shift = 0; shift < 24; shift += 8)
                        worst = std::max(
                            worst, std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)));
                }
            // Compositing the same coverage can round one step apart, never more.
            EXPECT_LE(worst, 1) << text << " alignment " << alignment;
        }
}

}  // namespace
}  // namespace kv
