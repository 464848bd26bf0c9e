#include "ui/markup/graphics_markup_surface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "platform/gfx/canvas.h"

#include "tests/ui/markup/fake_canvas.h"
#include "tests/ui/markup/picture_bytes.h"
#include "ui/markup/picture_container.h"

namespace kv {
namespace {

using test::BaseFont;
using test::DrawnShape;
using test::FakeCanvas;

std::string Background(const FakeCanvas& c, std::string_view text) {
    const auto* t = c.Find(text);
    if (!t) return "missing";
    return t->flags.background == clNone ? "none" : std::to_string(t->flags.background);
}

std::string TopBottom(const FakeCanvas& c, std::string_view text) {
    const auto* t = c.Find(text);
    return t ? std::to_string(t->rect.top) + "," + std::to_string(t->rect.bottom) : "missing";
}

std::string Left(const FakeCanvas& c, std::string_view text) {
    const auto* t = c.Find(text);
    return t ? std::to_string(t->rect.left) : "missing";
}

struct Difference {
    const char* what;
    std::string text;
    std::function<void(MarkupOptions&)> setup;
    std::function<std::string(const FakeCanvas&, const MarkupResult&)> observe;
    std::string canvas;    // what the canvas renderer shows
    std::string graphics;  // what the antialiased renderer shows
};

TEST(GraphicsMarkup, DiffersFromTheCanvasRendererWhereItsControlsNeedIt) {
    TPictureContainer pictures;
    auto& item = pictures.Add();
    item.Name = "pic";
    item.picture.LoadFromBytes(test::PngHeader(10, 10));

    const auto none = [](MarkupOptions&) {};
    const Difference rows[] = {
        {"lines start one pixel in", "a", none,
         [](const FakeCanvas& c, const MarkupResult&) { return Left(c, "a"); }, "0", "1"},
        {"only the first marker is shown as text", "<#1>x<#2>", none,
         [](const FakeCanvas& c, const MarkupResult&) { return c.AllText(); }, "#1x#2", "#1x"},
        {"line spacing only between lines, and 2 more at the end", "a<BR>b",
         [](MarkupOptions& o) { o.line_spacing = 4; },
         [](const FakeCanvas&, const MarkupResult& r) { return std::to_string(r.extent_y); }, "40",
         "38"},
        {"subscript depth is half the run's height, its box shifted", "a<SUB>b</SUB>", none,
         [](const FakeCanvas& c, const MarkupResult&) { return TopBottom(c, "b"); }, "0,20",
         "4,24"},
        {"a word split by tags is never broken", "one<B>two</B> three",
         [](MarkupOptions& o) { o.bounds.right = 40; },
         [](const FakeCanvas& c, const MarkupResult&) { return TopBottom(c, "two"); }, "16,32",
         "0,16"},
        {"anchors are found only within the text height", R"(<A href="x">link</A><BR>b)",
         [](MarkupOptions& o) {
             o.line_spacing = 10;
             o.point_x = 10;
             o.point_y = 20;
             o.hit_test_only = true;
         },
         [](const FakeCanvas&, const MarkupResult& r) { return r.anchor_under_point; }, "x", ""},
        {"the target is the first quoted value and titles are not read",
         R"(<A title="t" href="x">link</A>)",
         [](MarkupOptions& o) {
             o.point_x = 10;
             o.point_y = 5;
             o.hit_test_only = true;
         },
         [](const FakeCanvas&, const MarkupResult& r) {
             return r.anchor_under_point + "|" + r.anchor_title;
         },
         "x|t", "t|"},
        {"an underline goes on under the blank between an anchor's words",
         R"(<A href="x">ab cd ef</A>)", none,
         [](const FakeCanvas& c, const MarkupResult&) { return c.AllText(); }, "ab cd ef",
         "ab _cd ef"},
        {"error wave lies above the run bottom, with a last segment", "<E>ab</E>", none,
         [](const FakeCanvas& c, const MarkupResult&) {
             const auto lines = c.Shapes(DrawnShape::kLine);
             int lo = 1000, hi = -1000;
             for (const auto& l : lines) {
                 lo = std::min({lo, l.rect.top, l.rect.bottom});
                 hi = std::max({hi, l.rect.top, l.rect.bottom});
             }
             return std::to_string(lines.size()) + ":" + std::to_string(lo) + "-" +
                    std::to_string(hi);
         },
         "8:15-17", "10:12-14"},
        {"no focus rectangle", R"(<A href="x">a</A>)", [](MarkupOptions& o) { o.focus_index = 0; },
         [](const FakeCanvas& c, const MarkupResult&) {
             return std::to_string(c.Shapes(DrawnShape::kFocus).size());
         },
         "1", "0"},
        {"ordered lists are not known: items get bullets", "<OL><LI>a</LI></OL>", none,
         [](const FakeCanvas& c, const MarkupResult&) { return c.texts.front().text; }, "1. ", "•"},
        {"rotation is not known", R"(<R a="90">x</R>)", none,
         [](const FakeCanvas& c, const MarkupResult&) {
             return std::to_string(c.Find("x")->font.angle);
         },
         "90", "0"},
        {"rules are always black", R"(a<HR color="#FF0000">)", none,
         [](const FakeCanvas& c, const MarkupResult&) {
             return std::to_string(c.Shapes(DrawnShape::kLine).at(0).color);
         },
         std::to_string(0x0000FF), "0"},
        {"paragraph colours are read but never filled", R"(<P bgcolor="#00FF00">a</P>)", none,
         [](const FakeCanvas& c, const MarkupResult&) {
             return std::to_string(c.Shapes(DrawnShape::kFill).size()) + "," + Background(c, "a");
         },
         "1," + std::to_string(0x00FF00), "0,none"},
        {"</FONT> returns to the colour saved by a FONT with a background only",
         R"(<FONT bgcolor="#00FF00">a<FONT color="#0000FF">b</FONT>c</FONT>d)", none,
         [](const FakeCanvas& c, const MarkupResult&) {
             return Background(c, "c") + "," + Background(c, "d");
         },
         std::to_string(0x00FF00) + "," + std::to_string(0x00FF00), "none,none"},
        {"BODY colours the runs without filling the area", R"(<BODY bgcolor="#FFFF00">a)", none,
         [](const FakeCanvas& c, const MarkupResult&) {
             return std::to_string(c.Shapes(DrawnShape::kFill).size()) + "," + Background(c, "a");
         },
         "1," + std::to_string(0x00FFFF), "0," + std::to_string(0x00FFFF)},
        {"a picture keeps its size unless both sides are given", R"(<IMG src="pic" width="20">)",
         [&](MarkupOptions& o) { o.picture_container = &pictures; },
         [](const FakeCanvas& c, const MarkupResult&) {
             const Rect r = c.Shapes(DrawnShape::kPicture).at(0).rect;
             return std::to_string(r.width()) + "x" + std::to_string(r.height());
         },
         "20x20", "10x10"},
        {"list items may show a container picture", R"(<UL><LI type="IMAGE" name="pic">a</UL>)",
         [&](MarkupOptions& o) { o.picture_container = &pictures; },
         [](const FakeCanvas& c, const MarkupResult&) {
             return std::to_string(c.Shapes(DrawnShape::kPicture).size());
         },
         "0", "1"},
    };
    for (const auto& row : rows) {
        for (const MarkupDialect dialect : {MarkupDialect::kCanvas, MarkupDialect::kGraphics}) {
            MarkupOptions o;
            o.bounds = {0, 0, 200, 400};
            o.dialect = dialect;
            row.setup(o);
            FakeCanvas c;
            const MarkupResult r = DrawMarkup(c, BaseFont(), clNone, row.text, o);
            const bool gp = dialect == MarkupDialect::kGraphics;
            EXPECT_EQ(row.observe(c, r), gp ? row.graphics : row.canvas)
                << row.what << (gp ? " (antialiased)" : " (canvas)");
        }
    }
}

TEST(GraphicsMarkup, EdgeCasesOfTheAntialiasedRules) {
    const auto render = [](std::string_view text, int width, MarkupOptions o = {}) {
        o.bounds = {0, 0, width, 400};
        o.dialect = MarkupDialect::kGraphics;
        FakeCanvas c;
        const MarkupResult r = DrawMarkup(c, BaseFont(), clNone, text, o);
        return std::make_pair(std::move(c), r);
    };
    {
        // A layout rectangle with no width never wraps: only line-breaking tags end lines.
        auto [c, r] = render("aa bb cc<BR>dd", 0);
        EXPECT_EQ(TopBottom(c, "cc"), "0,16");
        EXPECT_EQ(TopBottom(c, "dd"), "16,32");
    }
    {
        // An anchor without a quoted value is coloured and counted, but never hit.
        MarkupOptions o;
        o.point_x = 5;
        o.point_y = 5;
        o.hit_test_only = true;
        auto [c, r] = render("<A>link</A>", 200, o);
        EXPECT_EQ(r.anchor_count, 1);
        EXPECT_FALSE(r.hit);
        auto [drawn, d] = render("<A>link</A>", 200);
        EXPECT_EQ(drawn.Find("link")->font.color, 0xFF0000);
    }
    {
        // The shadow goes down first, on the same background as the text.
        MarkupOptions o;
        o.shadow_offset = 1;
        auto [c, r] = render(R"(<BODY bgcolor="#FFFF00"><SHAD>s</SHAD>)", 200, o);
        ASSERT_EQ(c.texts.size(), 2u);
        EXPECT_EQ(c.texts[0].font.color, 0x808080);
        EXPECT_EQ(c.texts[0].rect.left, c.texts[1].rect.left + 1);
        EXPECT_EQ(c.texts[0].flags.background, c.texts[1].flags.background);
    }
}

TEST(GraphicsMarkup, DrawsOnTheObjectLayer) {
    auto bitmap = TGPBitmap::CreateFromScan0(160, 40);
    auto g = TGPGraphics::CreateFromImage(bitmap.get());
    g->GraphicsClear(0xFFFFFFFF);
    Font font;
    font.name = "Arial";
    font.size = 10;
    font.color = clBlack;
    MarkupOptions o;
    o.bounds = {0, 0, 160, 40};
    const MarkupResult r =
        DrawMarkupGP(*g, font, R"(<BODY bgcolor="#FFFF00">Gol <A href="http://x">aqui</A>)", o);
    EXPECT_GT(r.extent_x, 20);
    EXPECT_EQ(r.anchor_count, 1);
    // The runs sit on yellow boxes, with dark text somewhere on them.
    int yellow = 0, dark = 0;
    for (int y = 0; y < r.extent_y; ++y) {
        for (int x = 0; x < r.extent_x; ++x) {
            const ARGB p = bitmap->Native()->PixelARGB(x, y);
            if (p == 0xFFFFFF00u) ++yellow;
            if (ARGBRed(p) < 90 && ARGBGreen(p) < 90) ++dark;
        }
    }
    EXPECT_GT(yellow, 50);
    EXPECT_GT(dark, 5);

    o.point_x = r.extent_x - 8;
    o.point_y = 6;
    o.hit_test_only = true;
    EXPECT_EQ(DrawMarkupGP(*g, font, R"(Gol <A href="http://x">aqui</A>)", o).anchor_under_point,
              "http://x");
}

// The columns of rows [top, bottom) of a white picture where anything is drawn.
std::vector<bool> InkColumns(const Picture& p, int top, int bottom) {
    std::vector<bool> ink(static_cast<std::size_t>(p.width()));
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < p.width(); ++x) {
            const ARGB c = p.PixelARGB(x, y);
            if (ARGBRed(c) < 200 || ARGBGreen(c) < 200 || ARGBBlue(c) < 200)
                ink[static_cast<std::size_t>(x)] = true;
        }
    }
    return ink;
}

// Gaps of at least `wide` blank columns between drawn columns.
int Gaps(const std::vector<bool>& ink, int wide) {
    int gaps = 0, blank = 0;
    bool seen = false;
    for (const bool column : ink) {
        if (column) {
            if (seen && blank >= wide) ++gaps;
            seen = true;
            blank = 0;
        } else {
            ++blank;
        }
    }
    return gaps;
}

TEST(GraphicsMarkup, RealFontsKeepEveryBlankAndNoRunOverlapsTheNext) {
    // Drawn with the installed faces, run by run, the words must land exactly where one
    // string of the same text puts them: the blanks kept, nothing pushed into its neighbour.
    struct Case {
        const char* markup;
        const char* plain;
        const char* face;
        int size;
        int words;
    };
    const Case cases[] = {
        {"Gol de Fulano aos 43", "Gol de Fulano aos 43", "Arial", 8, 5},
        {"Gol de Fulano aos 43", "Gol de Fulano aos 43", "Tahoma", 10, 5},
        {"Gol de Fulano aos 43", "Gol de Fulano aos 43", "Times New Roman", 12, 5},
        {R"(Cartão para <FONT color="#0000FF">Ribamar</FONT> aos 12)", "Cartão para Ribamar aos 12",
         "Verdana", 9, 5},
        {R"(<FONT color="#FF0000">Gol</FONT> <FONT color="#0000FF">contra</FONT> de Zé)",
         "Gol contra de Zé", "Arial", 8, 4},
        {R"(Passe de <A href="x">Joãozinho</A> para Marcão &amp; gol)",
         "Passe de Joãozinho para Marcão & gol", "Arial", 10, 7},
    };
    constexpr int kRow = 24;
    Picture sheet(420, kRow * 2 * static_cast<int>(std::size(cases)));
    Canvas sheet_canvas(sheet);
    sheet_canvas.brush = Brush{clWhite};
    sheet_canvas.FillRect({0, 0, sheet.width(), sheet.height()});
    auto sheet_graphics = TGPGraphics::CreateFromHDC(&sheet_canvas);
    int row = 0;
    for (const Case& c : cases) {
        Font font;
        font.name = c.face;
        font.size = c.size;
        font.color = clBlack;
        MarkupOptions o;
        o.bounds = {0, 0, 420, kRow};
        o.url_color = clBlack;

        auto marked = TGPBitmap::CreateFromScan0(420, kRow);
        auto g = TGPGraphics::CreateFromImage(marked.get());
        g->GraphicsClear(0xFFFFFFFF);
        DrawMarkupGP(*g, font, c.markup, o);

        auto plain = TGPBitmap::CreateFromScan0(420, kRow);
        auto p = TGPGraphics::CreateFromImage(plain.get());
        p->GraphicsClear(0xFFFFFFFF);
        const auto gp_font = MakeFont(font);
        TGPSolidBrush black(0xFF000000);
        p->DrawString(c.plain, gp_font.get(), PointF{1, 0}, nullptr, &black);

        // The anchor's underline adds ink below the words only: compare their upper half.
        const auto ink = InkColumns(*marked->Native(), 0, kRow / 2);
        EXPECT_EQ(ink, InkColumns(*plain->Native(), 0, kRow / 2)) << c.markup << " in " << c.face;
        EXPECT_GE(Gaps(ink, 2), c.words - 1) << c.markup << " in " << c.face;

        // Both, one above the other, for a person to look at.
        o.bounds = {0, row * kRow, 420, (row + 1) * kRow};
        o.url_color = clBlue;
        DrawMarkupGP(*sheet_graphics, font, c.markup, o);
        sheet_graphics->DrawString(c.plain, gp_font.get(), PointF{1, float((row + 1) * kRow)},
                                   nullptr, &black);
        row += 2;
    }
    const auto dir = std::filesystem::path(KORVANEL_TEST_OUTPUT_DIR) / "markup";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(sheet.SaveToPng((dir / "gdiplus_real_fonts.png").string()));
}

TEST(GraphicsMarkup, ContainerPicturesDrawAtTheirOwnSizeAtTabs) {
    Picture red(6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) red.SetPixelARGB(x, y, 0xFFFF0000);
    TGDIPPictureContainer container;
    auto& item = container.Add();
    item.Name = "i_gol";
    item.picture.LoadFromBytes(red.SaveToPngMemory());

    auto bitmap = TGPBitmap::CreateFromScan0(200, 30);
    auto g = TGPGraphics::CreateFromImage(bitmap.get());
    g->GraphicsClear(0xFFFFFFFF);
    Font font;
    font.name = "Arial";
    font.size = 8;
    font.color = clBlack;
    MarkupOptions o;
    o.bounds = {0, 0, 200, 30};
    o.picture_container = &container;
    DrawMarkupGP(*g, font, R"(<IND x="5">Ano <IND x="80"><IMG src="i_gol" width="20">)", o);
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (bitmap->Native()->PixelARGB(x, y) != 0xFFFF0000u) continue;
            if (left < 0 || x < left) left = x;
            right = std::max(right, x);
            if (top < 0) top = y;
            bottom = y;
        }
    }
    EXPECT_EQ(left, 81);  // the tab, one pixel in like every line
    EXPECT_EQ(right - left + 1, 6) << "a single WIDTH is ignored";
    EXPECT_EQ(bottom - top + 1, 6);
}

}  // namespace
}  // namespace kv
