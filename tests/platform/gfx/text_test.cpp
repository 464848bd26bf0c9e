#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"

namespace kv {
namespace {

std::vector<std::string> LinesOf(const TextBlock& block) {
    std::vector<std::string> lines;
    for (const TextLine& l : block.lines) lines.push_back(l.text);
    return lines;
}

// The smallest rectangle holding every pixel that is not white.
Rect Ink(const Canvas& c) {
    Rect ink{c.width(), c.height(), 0, 0};
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (c.Pixel(x, y) == clWhite) continue;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                   std::max(ink.bottom, y + 1)};
        }
    }
    return ink;
}

TEST(TextMeasure, WidthHeightAndFontSizes) {
    Canvas c(10, 10);
    c.font.name = "Tahoma";
    c.font.size = 8;
    const int h = c.TextHeight("gh");
    EXPECT_GE(h, 12);
    EXPECT_LE(h, 14);
    EXPECT_EQ(c.TextWidth(""), 0);
    EXPECT_GE(c.TextWidth("um\ndois"), c.TextWidth("um") + c.TextWidth("dois"))
        << "a run never breaks into lines";
    // Bytes that are not UTF-8 (a 1252 name not converted) still measure and draw.
    EXPECT_GT(c.TextWidth("Gr\xEAmio"), c.TextWidth("Grmio"));
    c.TextOut(0, 0, "Gr\xEAmio");
    const int one = c.TextWidth("Grêmio");
    EXPECT_GT(one, 20);
    EXPECT_GT(c.TextWidth("Grêmio Grêmio"), 2 * one);
    EXPECT_EQ(c.TextExtent("Grêmio"), (Size{one, h}));
    c.font.style = fsBold;
    EXPECT_GT(c.TextWidth("Grêmio"), one);
    c.font.style = 0;
    c.font.size = 16;
    EXPECT_GT(c.TextHeight("gh"), h * 3 / 2);
    EXPECT_GT(c.TextWidth("Grêmio"), one * 3 / 2);
}

TEST(TextMeasure, PointsAndFamilies) {
    struct Size8 {
        int points, pixels;
    };
    for (auto [points, pixels] :
         {Size8{8, 11}, Size8{9, 12}, Size8{10, 13}, Size8{12, 16}, Size8{0, 0}})
        EXPECT_EQ(PointsToPixels(points), pixels) << points;
    struct Family {
        const char* windows;
        const char* installed;
    };
    for (auto [windows, installed] :
         {Family{"Arial", "Liberation Sans"}, Family{"ms sans serif", "Liberation Sans"},
          Family{"Times New Roman", "Liberation Serif"}, Family{"Courier New", "Liberation Mono"},
          Family{"Verdana", "DejaVu Sans"}, Family{"Fonte Inexistente", "Liberation Sans"}})
        EXPECT_EQ(SubstituteFontFamily(windows), installed) << windows;
}

TEST(TextLayout, LinesBreakAtWordsNewlinesAndNowhereElse) {
    Font f;
    const int space = MeasureTextWidth(f, "aaa bbb");
    struct Case {
        const char* name;
        const char* text;
        int width;
        unsigned flags;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"fits on one line", "aaa bbb", space, DT_WORDBREAK, {"aaa bbb"}},
        {"breaks after the last word that fits",
         "aaa bbb ccc",
         space + 2,
         DT_WORDBREAK,
         {"aaa bbb", "ccc"}},
        {"blanks at the break are dropped",
         "aaa    bbb",
         MeasureTextWidth(f, "aaa  "),
         DT_WORDBREAK,
         {"aaa", "bbb"}},
        {"a word wider than the line stays whole",
         "a palavramuitolonga b",
         20,
         DT_WORDBREAK,
         {"a", "palavramuitolonga", "b"}},
        {"without word break only newlines split",
         "aaa bbb ccc\r\nddd\neee",
         5,
         0,
         {"aaa bbb ccc", "ddd", "eee"}},
        {"newlines split wrapped text too",
         "aaa\r\nbbb ccc",
         space + 2,
         DT_WORDBREAK,
         {"aaa", "bbb ccc"}},
        {"an empty line stays a line", "aaa\n\nbbb", 100, 0, {"aaa", "", "bbb"}},
        {"single line ignores newlines and word break",
         "aaa\r\nbbb",
         5,
         DT_SINGLELINE | DT_WORDBREAK,
         {"aaa  bbb"}},
    };
    for (const Case& c : cases) {
        const TextBlock block = LayoutText(c.text, f, c.width, c.flags);
        EXPECT_EQ(LinesOf(block), c.lines) << c.name;
        EXPECT_EQ(block.height, block.line_height * static_cast<int>(c.lines.size())) << c.name;
    }
}

TEST(TextLayout, EndEllipsisCutsOnlyWhatDoesNotFit) {
    Font f;
    const std::string text = "Sociedade Esportiva Palmeiras";
    const int full = MeasureTextWidth(f, text);
    for (int width : {full, full - 1, full / 2, 30}) {
        const TextBlock block = LayoutText(text, f, width, DT_SINGLELINE | DT_END_ELLIPSIS);
        ASSERT_EQ(block.lines.size(), 1u);
        const std::string& shown = block.lines[0].text;
        EXPECT_LE(block.lines[0].width, width) << shown;
        if (width == full) {
            EXPECT_EQ(shown, text);
        } else {
            ASSERT_GE(shown.size(), 3u);
            EXPECT_EQ(shown.substr(shown.size() - 3), "...") << shown;
            EXPECT_EQ(text.rfind(shown.substr(0, shown.size() - 3), 0), 0u) << shown;
            EXPECT_NE(shown[shown.size() - 4], ' ') << "blank left before the dots: " << shown;
        }
    }
}

TEST(TextLayout, AmpersandMarksTheAccelerator) {
    struct Case {
        const char* text;
        unsigned flags;
        const char* shown;
        int accel;
    };
    const Case cases[] = {
        {"&Arquivo", 0, "Arquivo", 0},
        {"Sa&ir", 0, "Sair", 2},
        {"Ações && Reservas", 0, "Ações & Reservas", -1},
        {"&&&Sim", 0, "&Sim", 1},
        {"fim&", 0, "fim", -1},
        {"&Arquivo", DT_NOPREFIX, "&Arquivo", -1},
        {"&Arquivo", DT_HIDEPREFIX, "Arquivo", -1},
        {"A&ção", 0, "Ação", 1},
    };
    for (const Case& c : cases) {
        const TextBlock block = LayoutText(c.text, Font{}, 200, c.flags | DT_SINGLELINE);
        ASSERT_EQ(block.lines.size(), 1u);
        EXPECT_EQ(block.lines[0].text, c.shown) << c.text;
        EXPECT_EQ(block.lines[0].accel_byte, c.accel) << c.text;
    }
}

TEST(TextDraw, CalcRectGivesTheBoundsOfTheText) {
    Canvas c(300, 200);
    const int h = c.TextHeight("gh");
    Rect one{10, 20, 300, 40};
    EXPECT_EQ(c.DrawText("Placar final", one, DT_CALCRECT | DT_SINGLELINE), h);
    EXPECT_EQ(one, (Rect{10, 20, 10 + c.TextWidth("Placar final"), 20 + h}));

    const int wrap = c.TextWidth("aaa bbb") + 2;
    Rect two{0, 0, wrap, 10};
    EXPECT_EQ(c.DrawText("aaa bbb ccc", two, DT_CALCRECT | DT_WORDBREAK), 2 * h);
    EXPECT_EQ(two, (Rect{0, 0, c.TextWidth("aaa bbb"), 2 * h}));

    // A word wider than the box widens it.
    Rect wide{0, 0, 10, 10};
    c.DrawText("Internacional", wide, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(wide.width(), c.TextWidth("Internacional"));

    Rect empty{5, 5, 50, 50};
    c.DrawText("", empty, DT_CALCRECT);
    EXPECT_EQ(empty, (Rect{5, 5, 5, 5 + h}));
}

TEST(TextDraw, AlignmentPlacesTheInkInTheRectangle) {
    struct Case {
        unsigned flags;
        bool centre_x, centre_y, right, bottom;
    };
    const Rect box{20, 10, 220, 70};
    const Case cases[] = {
        {DT_SINGLELINE, false, false, false, false},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, true, true, false, false},
        {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, false, false, true, true},
    };
    for (const Case& k : cases) {
        Canvas c(240, 80);
        c.font.color = clBlack;
        c.bk_mode = BkMode::Transparent;
        Rect r = box;
        c.DrawText("Flamengo", r, k.flags);
        const Rect ink = Ink(c);
        const int w = c.TextWidth("Flamengo"), h = c.TextHeight("Flamengo");
        SCOPED_TRACE(k.flags);
        EXPECT_LE(ink.width(), w + 1);
        const int expected_left = k.centre_x ? box.left + (box.width() - w) / 2
                                  : k.right  ? box.right - w
                                             : box.left;
        EXPECT_NEAR(ink.left, expected_left, 2);
        EXPECT_NEAR(ink.right, expected_left + w, 2);
        // Glyph ink sits inside the line's cell: cap height above, descent below.
        const int cell_top = k.centre_y ? box.top + (box.height() - h) / 2
                             : k.bottom ? box.bottom - h
                                        : box.top;
        EXPECT_GE(ink.top, cell_top);
        EXPECT_LE(ink.bottom, cell_top + h);
    }
}

TEST(TextDraw, WrappedCentredLinesAndClipping) {
    Canvas c(200, 100);
    c.bk_mode = BkMode::Transparent;
    const int h = c.TextHeight("gh");
    Rect r{0, 0, c.TextWidth("Atlético Mineiro") + 4, 100};
    const int height = c.DrawText("Atlético Mineiro Cruzeiro", r, DT_WORDBREAK | DT_CENTER);
    EXPECT_EQ(height, 2 * h);
    const Rect ink = Ink(c);
    EXPECT_GT(ink.bottom, h);  // the second line is there
    EXPECT_LE(ink.bottom, 2 * h);
    EXPECT_LE(ink.right, r.right);

    // Text is clipped to its rectangle unless told not to be.
    Canvas d(200, 40);
    d.bk_mode = BkMode::Transparent;
    Rect narrow{0, 0, 20, 40};
    d.DrawText("Fluminense", narrow, DT_SINGLELINE);
    EXPECT_LE(Ink(d).right, 20);
    d.DrawText("Fluminense", narrow, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Ink(d).right, 20);
}

TEST(TextDraw, TurnedTextRunsUpFromItsStart) {
    Canvas c(60, 120);
    c.bk_mode = BkMode::Transparent;
    c.font.angle = 90;
    const int w = c.TextWidth("Flamengo");
    c.TextOut(20, 110, "Flamengo");
    const Rect ink = Ink(c);
    EXPECT_NEAR(ink.height(), w, 3);
    EXPECT_LE(ink.bottom, 111);
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + c.TextHeight("Flamengo"));
}

TEST(TextDraw, OpaqueBackgroundFillsTheTextCell) {
    for (BkMode mode : {BkMode::Opaque, BkMode::Transparent}) {
        Canvas c(120, 30);
        c.brush.color = clYellow;
        c.bk_mode = mode;
        c.TextOut(5, 5, "Vasco");
        const Size e = c.TextExtent("Vasco");
        EXPECT_EQ(c.PenPos(), (Point{5 + e.cx, 5}));
        // The cell's corners carry no glyph ink.
        EXPECT_EQ(c.Pixel(5, 5), mode == BkMode::Opaque ? clYellow : clWhite);
        EXPECT_EQ(c.Pixel(5 + e.cx - 1, 5 + e.cy - 1), mode == BkMode::Opaque ? clYellow : clWhite);
        EXPECT_EQ(c.Pixel(5 + e.cx, 5), clWhite);
    }
}

// Drawn lines are kept laid out for the next paint: a change of the text, the font, its size,
// colour or underline shows at once.
TEST(TextLayout, KeptLinesFollowTextFontColourAndUnderline) {
    Canvas c(200, 40);
    auto draw = [&c](const Font& font, const std::string& text) {
        c.brush = Brush{clWhite};
        c.FillRect({0, 0, 200, 40});
        c.font = font;
        c.bk_mode = BkMode::Transparent;
        c.TextOut(2, 2, text);
        return Ink(c);
    };
    const Font base{"Arial", 10, 0, clBlack};
    const Rect ink = draw(base, "Gol do Marcão");
    EXPECT_EQ(draw(base, "Gol do Marcão"), ink);
    EXPECT_NE(draw(base, "Gol do Marcão!!").right, ink.right);
    Font bigger = base;
    bigger.size = 16;
    EXPECT_GT(draw(bigger, "Gol do Marcão").bottom, ink.bottom);
    Font bold = base;
    bold.style = fsBold;
    EXPECT_NE(draw(bold, "Gol do Marcão").right, ink.right);
    Font underlined = base;
    underlined.style = fsUnderline;
    EXPECT_GT(draw(underlined, "Gol do Marcão").bottom, ink.bottom);
    Font red = base;
    red.color = clRed;
    draw(red, "Gol do Marcão");
    bool any_red = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) any_red = any_red || c.Pixel(x, y) == clRed;
    EXPECT_TRUE(any_red);
}

}  // namespace
}  // namespace kv
