#include "ui/markup/markup_renderer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include "core/markup_escape.h"
#include "platform/base/files.h"
#include "tests/ui/markup/fake_canvas.h"
#include "tests/ui/markup/picture_bytes.h"
#include "ui/markup/markup_picture.h"
#include "ui/markup/markup_text.h"
#include "ui/markup/picture_container.h"

namespace kv {
namespace {

using test::BaseFont;
using test::DrawnShape;
using test::FakeCanvas;

MarkupOptions Box(int w, int h = 400) {
    MarkupOptions o;
    o.bounds = {0, 0, w, h};
    return o;
}

// A hit test at (x, y): the second pass measures instead of drawing.
MarkupOptions HitAt(int x, int y, int w = 200) {
    MarkupOptions o = Box(w);
    o.point_x = x;
    o.point_y = y;
    o.hit_test_only = true;
    return o;
}

MarkupResult Draw(FakeCanvas& canvas, std::string_view text, const MarkupOptions& o) {
    return DrawMarkup(canvas, BaseFont(), clNone, text, o);
}

Rect RectOf(const FakeCanvas& c, std::string_view text) {
    const auto* t = c.Find(text);
    return t ? t->rect : Rect{-999, -999, -999, -999};
}

TEST(MarkupRenderer, EmptyTextIsOneLineHigh) {
    FakeCanvas c;
    const MarkupResult r = Draw(c, "", Box(100));
    EXPECT_EQ(r.extent_y, 16);
    EXPECT_EQ(r.extent_x, 0);
    EXPECT_FALSE(r.hit);
    EXPECT_TRUE(c.texts.empty());
}

TEST(MarkupRenderer, LinesBreakBetweenWordsAndAlignWithoutTheTrailingBlank) {
    struct Case {
        std::string text;
        int width;
        Rect first, second;  // where "aaa " and "bbb" are drawn
    };
    const Case cases[] = {
        {"aaa bbb", 40, {0, 0, 40, 16}, {0, 16, 40, 32}},
        {R"(<P align="right">aaa bbb)", 40, {16, 0, 40, 16}, {16, 16, 40, 32}},
        {R"(<P align="center">aaa bbb)", 40, {8, 0, 40, 16}, {8, 16, 40, 32}},
        {R"(<P indent="5">aaa bbb)", 40, {5, 0, 40, 16}, {5, 16, 40, 32}},
        {"aaa bbb", 80, {0, 0, 80, 16}, {32, 0, 80, 16}},
    };
    for (const auto& k : cases) {
        FakeCanvas c;
        const MarkupResult r = Draw(c, k.text, Box(k.width));
        EXPECT_EQ(RectOf(c, "aaa "), k.first) << k.text;
        EXPECT_EQ(RectOf(c, "bbb"), k.second) << k.text;
        EXPECT_EQ(r.extent_y, k.first.top == k.second.top ? 16 : 32) << k.text;
    }
}

TEST(MarkupRenderer, AWordWiderThanTheLineStaysAndIsCut) {
    FakeCanvas c;
    const MarkupResult r = Draw(c, "ab abcdefghij", Box(40));
    EXPECT_EQ(RectOf(c, "ab "), (Rect{0, 0, 40, 16}));
    EXPECT_EQ(RectOf(c, "abcdefghij"), (Rect{24, 0, 40, 16}));  // clipped at 40
    EXPECT_EQ(r.extent_x, 24 + 80 + 2);
    EXPECT_EQ(r.extent_y, 16);
}

TEST(MarkupRenderer, WithoutWordWrapLinesEndWithAnEllipsisAndLatePiecesAreNotDrawn) {
    MarkupOptions o = Box(40);
    o.word_wrap = false;
    FakeCanvas c;
    Draw(c, "aaa bbb ccc<BR>aaaa<B>b</B>", o);
    ASSERT_NE(c.Find("aaa bbb ccc"), nullptr);
    EXPECT_TRUE(c.Find("aaa bbb ccc")->flags.end_ellipsis);
    EXPECT_NE(c.Find("aaaa"), nullptr);
    EXPECT_EQ(c.Find("b"), nullptr);  // it would start within one "l" of the right edge
}

TEST(MarkupRenderer, AmpersandsAndEscapedTags) {
    struct Case {
        std::string text, shown;
    };
    const Case cases[] = {
        {"x & y &amp; z", "x & y && z"},  // a lone " & " switches prefix handling off
        {"x &amp; y", "x & y"},
        {"&lt;B&gt;x", "<B>x"},
        {"a<", "a"},
        {"<B", ""},
        {"a<1>b<BIG>c", "abc"},
        {"&euro; 5", "€ 5"},
        {EscapeMarkupText("Grêmio <b>&</b>\r\nlinha"), "Grêmio <b>&</b> linha"},
        // Names from the teams database show as they were typed, whatever they hold.
        {EscapeMarkupText("&amp; R&copy; &lt;b&gt; A&B"), "&amp; R&copy; &lt;b&gt; A&B"},
        {EscapeMarkupText("Ferro & Aço <#1>"), "Ferro & Aço <#1>"},
    };
    for (const auto& k : cases) {
        FakeCanvas c;
        Draw(c, k.text, Box(400));
        EXPECT_EQ(c.AllText(), k.shown) << k.text;
        for (const auto& t : c.texts) EXPECT_FALSE(t.font.bold) << k.text;
    }
}

TEST(MarkupRenderer, SubscriptAndSuperscriptMoveTheRunAndGrowTheLine) {
    struct Case {
        std::string text;
        int extent_y;
        int x_bottom, two_bottom, y_bottom;
    };
    const Case cases[] = {
        {"x<SUB>2</SUB>", 20, 16, 20, -1},
        {"x<SUP>2</SUP>", 20, 20, 16, -1},
        // Without its closing tag the subscript ends with the line.
        {"x<SUB>2<BR>y", 36, 16, 20, 36},
    };
    for (const auto& k : cases) {
        FakeCanvas c;
        const MarkupResult r = Draw(c, k.text, Box(200));
        EXPECT_EQ(r.extent_y, k.extent_y) << k.text;
        EXPECT_EQ(RectOf(c, "x").bottom, k.x_bottom) << k.text;
        EXPECT_EQ(RectOf(c, "2").bottom, k.two_bottom) << k.text;
        if (k.y_bottom >= 0) {
            EXPECT_EQ(RectOf(c, "y").bottom, k.y_bottom) << k.text;
        }
    }
}

TEST(MarkupRenderer, FontTagsSetSizeFaceAndColour) {
    struct Case {
        std::string tag;
        int size;
        TColor color;
        std::string face;
    };
    const Case cases[] = {
        {R"(<FONT size="3">)", 12, 0x111111, "Arial"},
        {"<FONT size=3>", 12, 0x111111, "Arial"},
        {R"(<FONT size="1">)", 8, 0x111111, "Arial"},
        {R"(<FONT size="24">)", 24, 0x111111, "Arial"},
        {R"(<FONT size="0">)", 8, 0x111111, "Arial"},
        {R"(<FONT color="#FF0000">)", 8, 0x0000FF, "Arial"},
        {R"(<FONT color="clRed">)", 8, 0x0000FF, "Arial"},
        {R"(<FONT color="red">)", 8, 0x000000, "Arial"},
        {R"(<FONT  size="10" face="Verdana" color="#FFFF00">)", 10, 0x00FFFF, "Verdana"},
        {R"(<FONT bgcolor="#FF0000">)", 8, 0x111111, "Arial"},  // BGCOLOR is not COLOR
    };
    for (const auto& k : cases) {
        FakeCanvas c;
        Draw(c, k.tag + "x</FONT>y", Box(400));
        ASSERT_NE(c.Find("x"), nullptr) << k.tag;
        EXPECT_EQ(c.Find("x")->font.size, k.size) << k.tag;
        EXPECT_EQ(c.Find("x")->font.color, k.color) << k.tag;
        EXPECT_EQ(c.Find("x")->font.name, k.face) << k.tag;
        EXPECT_EQ(c.Find("y")->font, BaseFont()) << k.tag;
    }
}

TEST(MarkupRenderer, StyleTagsToggleTheirFlags) {
    FakeCanvas c;
    Draw(c, "<B>b</B><I>i</I><U>u</U><S>s</S><SHAD>h</SHAD><R a=\"90\">r</R>n", Box(400));
    EXPECT_TRUE(c.Find("b")->font.bold);
    EXPECT_TRUE(c.Find("i")->font.italic);
    EXPECT_EQ(c.Find("i")->rect.right, 402);  // italic runs get 2 pixels more room
    EXPECT_TRUE(c.Find("u")->font.underline);
    EXPECT_TRUE(c.Find("s")->font.strikeout);
    EXPECT_EQ(c.Find("r")->font.angle, 90);
    EXPECT_EQ(c.texts.back().font, BaseFont());
    EXPECT_EQ(c.texts.back().text, "n");
}

TEST(MarkupRenderer, ShadowIsDrawnFirstOffsetInTheShadowColour) {
    MarkupOptions o = Box(400);
    o.shadow_offset = 2;
    o.shadow_color = 0x000000;
    FakeCanvas c;
    Draw(c, "<shad>a</shad>", o);
    ASSERT_EQ(c.texts.size(), 2u);
    EXPECT_EQ(c.texts[0].rect, (Rect{2, 2, 402, 18}));
    EXPECT_EQ(c.texts[0].font.color, 0x000000);
    EXPECT_EQ(c.texts[1].rect, (Rect{0, 0, 400, 16}));
    EXPECT_EQ(c.texts[1].font.color, 0x111111);

    // On a background the cell is filled first and both texts go over it.
    FakeCanvas b;
    Draw(b, R"(<FONT bgcolor="#00FF00"><shad>ab</shad>)", o);
    const auto fills = b.Shapes(DrawnShape::kFill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 16, 16}));
    ASSERT_EQ(b.texts.size(), 2u);
    EXPECT_EQ(b.texts[0].flags.background, clNone);
    EXPECT_EQ(b.texts[1].flags.background, clNone);
}

TEST(MarkupRenderer, ARingedShadowSurroundsTheLettersOnEverySide) {
    MarkupOptions o = Box(400);
    o.shadow_offset = 1;
    o.shadow_color = 0x000000;
    o.shadow_ring = true;
    FakeCanvas c;
    Draw(c, "<shad>a</shad>", o);
    ASSERT_EQ(c.texts.size(), 9u);
    std::set<std::pair<int, int>> offsets;
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(c.texts[i].font.color, 0x000000);
        offsets.insert({c.texts[i].rect.left, c.texts[i].rect.top});
    }
    EXPECT_EQ(offsets.size(), 8u);
    EXPECT_FALSE(offsets.count({0, 0})) << "no shadow copy under the letters themselves";
    EXPECT_EQ(c.texts[8].rect, (Rect{0, 0, 400, 16}));
    EXPECT_EQ(c.texts[8].font.color, 0x111111);
}

TEST(MarkupRenderer, TabsMoveOnlyForwardAndOffsetsCarryToLaterLines) {
    struct Case {
        std::string text;
        int c_left;
    };
    const Case cases[] = {
        {R"(ab<IND x="40">c)", 40},       {"ab<IND x=40>c", 16},  // no quotes: no value
        {R"(ab<IND x="40px">c)", 16},                             // not a whole number
        {R"(abcdefgh<IND x="40">c)", 64},                         // never backwards
        {R"(abcdefgh<OF x="10">c)", 10},                          // an offset goes backwards too
    };
    for (const auto& k : cases) {
        FakeCanvas c;
        Draw(c, k.text, Box(400));
        EXPECT_EQ(RectOf(c, "c").left, k.c_left) << k.text;
    }
    FakeCanvas c;
    Draw(c, R"(<OF x="30">a<BR>b</OF><BR>c)", Box(400));
    EXPECT_EQ(RectOf(c, "a").left, 30);
    EXPECT_EQ(RectOf(c, "b").left, 30);
    EXPECT_EQ(RectOf(c, "c").left, 0);
}

TEST(MarkupRenderer, ParagraphAlignmentStaysUntilChanged) {
    FakeCanvas c;
    Draw(c, R"(<P align="center">ab<BR>cd</P>ef<BR><P align="LEFT">gh)", Box(100));
    EXPECT_EQ(RectOf(c, "ab").left, 42);
    EXPECT_EQ(RectOf(c, "cd").left, 42);
    EXPECT_EQ(RectOf(c, "ef").left, 42);
    EXPECT_EQ(RectOf(c, "gh").left, 0);
    EXPECT_EQ(RectOf(c, "gh").top, 48);
}

TEST(MarkupRenderer, LinesThatDoNotFitAreLeftOutUnlessMeasuring) {
    FakeCanvas c;
    MarkupOptions o = Box(100, 40);
    EXPECT_EQ(Draw(c, "a<BR>b<BR>c", o).extent_y, 32);
    EXPECT_EQ(c.Find("c"), nullptr);
    o.measure_only = true;
    FakeCanvas m;
    const MarkupResult r = Draw(m, "a<BR>b<BR>c", o);
    EXPECT_EQ(r.extent_y, 48);
    EXPECT_TRUE(m.texts.empty());
    EXPECT_EQ(r.plain_text, "a\rb\rc");
}

TEST(MarkupRenderer, HiddenTextIsPlainTextButTakesNoRoom) {
    MarkupOptions o = Box(400);
    o.measure_only = true;
    FakeCanvas m;
    EXPECT_EQ(Draw(m, "a<Z>bbb</Z>c", o).plain_text, "abbbc");
    FakeCanvas c;
    const MarkupResult r = Draw(c, "a<Z>bbb</Z>c", Box(400));
    EXPECT_EQ(c.AllText(), "ac");
    EXPECT_EQ(RectOf(c, "c").left, 8);
    EXPECT_EQ(r.extent_x, 16 + 2);
}

TEST(MarkupRenderer, BlinkingTextTakesTheBackgroundColourWhenThePhaseIsOff) {
    for (bool on : {true, false}) {
        MarkupOptions o = Box(400);
        o.blink_on = on;
        FakeCanvas c;
        DrawMarkup(c, BaseFont(), 0x00FF00, "<BLINK>a</BLINK>b", o);
        EXPECT_EQ(c.Find("a")->font.color, on ? 0x111111 : 0x00FF00);
        EXPECT_EQ(c.Find("b")->font.color, 0x111111);
    }
}

TEST(MarkupRenderer, HighlightAndFontBackgroundsFillBehindTheirRuns) {
    FakeCanvas c;
    Draw(c, R"(<HI>h</HI><FONT bgcolor="#00FF00">f</FONT>n)", Box(400));
    EXPECT_EQ(c.Find("h")->flags.background, clHighlight);
    EXPECT_EQ(c.Find("h")->font.color, clHighlightText);
    EXPECT_EQ(c.Find("f")->flags.background, 0x00FF00);
    EXPECT_EQ(c.Find("n")->flags.background, clNone);
    EXPECT_EQ(c.Find("n")->font.color, 0x111111);

    MarkupOptions selected = Box(400);
    selected.selected = true;
    FakeCanvas s;
    Draw(s, R"(<FONT color="#FF0000" bgcolor="#00FF00">f</FONT>)", selected);
    EXPECT_EQ(s.Find("f")->font.color, 0x111111);
    EXPECT_EQ(s.Find("f")->flags.background, clNone);
}

constexpr const char* kThreeAnchors =
    R"(<A href="um">um</A> <A href="dois">dois</A> <A href="tres">tres</A>)";

TEST(MarkupRenderer, AnchorsTakeUrlAndHoverColours) {
    struct Case {
        bool hover_enabled;
        int hover_index;
        bool underlined[3];
        TColor colors[3];
        TColor backgrounds[3];
    };
    const Case cases[] = {
        {true, 2, {false, true, false}, {0xFF0000, 0x00FF00, 0xFF0000}, {clNone, 0x00FFFF, clNone}},
        // Hover off: every anchor underlined, in the URL colour, on the hover background.
        {false,
         2,
         {true, true, true},
         {0xFF0000, 0xFF0000, 0xFF0000},
         {0x00FFFF, 0x00FFFF, 0x00FFFF}},
    };
    for (const auto& k : cases) {
        MarkupOptions o = Box(400);
        o.hover_enabled = k.hover_enabled;
        o.hover_index = k.hover_index;
        o.url_color = 0xFF0000;
        o.hover_font_color = 0x00FF00;
        o.hover_color = 0x00FFFF;
        FakeCanvas c;
        const MarkupResult r = Draw(c, kThreeAnchors, o);
        EXPECT_EQ(r.anchor_count, 3);
        const char* words[] = {"um", "dois", "tres"};
        for (int i = 0; i < 3; ++i) {
            const auto* t = c.Find(words[i]);
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(t->font.underline, k.underlined[i]) << words[i];
            EXPECT_EQ(t->font.color, k.colors[i]) << words[i];
            EXPECT_EQ(t->flags.background, k.backgrounds[i]) << words[i];
        }
        EXPECT_EQ(c.Find(" ")->font.color, 0x111111);  // text between anchors
        EXPECT_FALSE(c.Find(" ")->font.underline);
    }
}

TEST(MarkupRenderer, HitTestFindsTheAnchorUnderThePoint) {
    const std::string text =
        R"(ver <A href="http://a.org" title="O site">site</A> e <A href="b">b</A><BR>)"
        R"(<P align="center"><A href="c">cc</A>)";
    struct Case {
        int x, y;
        bool hit;
        std::string target, title;
        int number;
        Rect rect;
    };
    const Case cases[] = {
        {40, 8, true, "http://a.org", "O site", 1, {32, 0, 64, 16}},
        {90, 8, true, "b", "", 2, {88, 0, 96, 16}},
        {10, 8, false, "", "", -1, {}},
        {70, 8, false, "", "", -1, {}},
        {100, 24, true, "c", "", 3, {92, 16, 108, 32}},
        // Where the centred text would lie if it were left-aligned there is nothing.
        {5, 24, false, "", "", -1, {}},
    };
    for (const auto& k : cases) {
        const MarkupOptions o = HitAt(k.x, k.y);
        FakeCanvas c;
        const MarkupResult r = Draw(c, text, o);
        EXPECT_EQ(r.hit, k.hit) << k.x << "," << k.y;
        EXPECT_EQ(r.anchor_under_point, k.target) << k.x << "," << k.y;
        EXPECT_EQ(r.anchor_title, k.title) << k.x << "," << k.y;
        EXPECT_EQ(r.point_anchor, k.number) << k.x << "," << k.y;
        if (k.hit) {
            EXPECT_EQ(r.point_anchor_rect, k.rect) << k.x << "," << k.y;
        }
        EXPECT_TRUE(c.texts.empty());
    }
}

TEST(MarkupRenderer, AnAnchorLeftOpenIsStillReportedUnderThePoint) {
    const MarkupOptions o = HitAt(12, 8);
    FakeCanvas c;
    const MarkupResult r = Draw(c, R"(a<A href="x">bc)", o);
    EXPECT_TRUE(r.hit);
    EXPECT_EQ(r.point_anchor, 1);
    EXPECT_EQ(r.point_anchor_rect, (Rect{8, 0, 24, 16}));
}

TEST(MarkupRenderer, AnAnchorWithoutTargetIsCountedButNeverHit) {
    const MarkupOptions o = HitAt(4, 8);
    FakeCanvas c;
    const MarkupResult r = Draw(c, "<A>ab</A>", o);
    EXPECT_FALSE(r.hit);
    EXPECT_EQ(r.anchor_count, 1);
}

TEST(MarkupRenderer, FocusedAnchorGetsAFocusRectangleAndReportsItsTarget) {
    MarkupOptions o = Box(400);
    o.focus_index = 1;
    FakeCanvas c;
    const MarkupResult r = Draw(c, kThreeAnchors, o);
    const auto focus = c.Shapes(DrawnShape::kFocus);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].rect, (Rect{23, -1, 57, 17}));  // "dois" at 24..56, widened
    EXPECT_EQ(r.anchor_title, "dois");

    // An anchor over two lines gets a rectangle on each.
    MarkupOptions narrow = Box(40);
    narrow.focus_index = 0;
    FakeCanvas w;
    Draw(w, R"(<A href="x">aaa bbb</A>)", narrow);
    const auto parts = w.Shapes(DrawnShape::kFocus);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].rect, (Rect{-1, -1, 33, 17}));
    EXPECT_EQ(parts[1].rect, (Rect{0, 15, 25, 33}));
}

TEST(MarkupRenderer, ErrorUnderlineIsARedZigzagUnderTheRun) {
    FakeCanvas c;
    Draw(c, "a<E>bc</E>d", Box(400));
    const auto lines = c.Shapes(DrawnShape::kLine);
    ASSERT_EQ(lines.size(), 8u);                      // 16 pixels in steps of 2
    EXPECT_EQ(lines[0].rect, (Rect{8, 17, 10, 15}));  // x 8 is a multiple of 4: low first
    EXPECT_EQ(lines[1].rect, (Rect{10, 15, 12, 17}));
    for (const auto& l : lines) EXPECT_EQ(l.color, clRed);
}

TEST(MarkupRenderer, NumbersBeyondAnySurfaceAreClampedAndNeverHang) {
    // Each of these once ran for ever or overflowed: the wave of an error underline stepped
    // across 2^31 pixels two at a time.
    const char* texts[] = {
        R"(<E><P align="right" indent="-5"><IND x="0x7fffffff"> <IMG src="file://nada.png" width="40" height="$FFFFFFFF">)",
        R"(<E>o<OF x="2147483647"> H)",
        R"(<E><OF x="-2147483648">a<IND x="$7FFFFFFF">b<P indent="-99999999999">c)",
        R"(<FONT size="2147483647">g<SUB>h</SUB><SUP>i</SUP></FONT><UL><LI>x)",
        // Found by the fuzzer: a paragraph indent past the end of an int.
        R"(<P indent="0x7fffffff"><E>g<BR>h)",
        R"(<P align="center" indent="0x7fffffff"><IND x="2147483647">ab)",
    };
    for (const char* text : texts) {
        for (const MarkupDialect dialect : {MarkupDialect::kCanvas, MarkupDialect::kGraphics}) {
            FakeCanvas c;
            MarkupOptions o = Box(200);
            o.dialect = dialect;
            o.shadow_offset = INT_MAX;
            o.line_spacing = INT_MIN;
            const MarkupResult r = Draw(c, text, o);
            EXPECT_LE(r.extent_x, 8 * kMarkupNumberLimit) << text;
            EXPECT_LT(c.Shapes(DrawnShape::kLine).size(), 200u) << text;
            for (const auto& t : c.texts) {
                EXPECT_LE(std::abs(t.rect.left), 8 * kMarkupNumberLimit) << text;
            }
        }
    }
}

TEST(MarkupRenderer, NothingThrownWhileDrawingEscapesThePaint) {
    class Failing : public FakeCanvas {
      public:
        void DrawText(const MarkupFont&, std::string_view, const Rect&,
                      const MarkupTextFlags&) override {
            throw std::runtime_error("falhou");
        }
    };
    Failing c;
    MarkupResult r;
    EXPECT_NO_THROW(r = Draw(c, "<B>texto</B> qualquer", Box(200)));
    EXPECT_EQ(r.anchor_count, 0);
}

TEST(MarkupRenderer, LongTextsTakeLinearTime) {
    // A megabyte of entities, markers and underlined words: quadratic decoding once took
    // longer than any test may run.
    std::string text;
    for (int i = 0; i < 1 << 17; ++i) text += "&amp;";
    for (int i = 0; i < 1 << 16; ++i) text += "<#1>";
    text += "<U>";
    for (int i = 0; i < 1 << 16; ++i) text += "ab ";
    const std::string prepared = PrepareMarkup(text);
    EXPECT_EQ(prepared.substr(0, 6), "&&&&&&");
    EXPECT_EQ(prepared.size(), 2u * (1 << 17) + 2u * (1 << 16) + 3 + 3u * (1 << 16));
    EXPECT_EQ(StripMarkup(text).size(), 5u * (1 << 17) + 3u * (1 << 16));
    FakeCanvas c;
    MarkupOptions o = Box(1 << 16);
    o.word_wrap = false;
    o.measure_only = true;
    EXPECT_GT(Draw(c, text, o).extent_x, 0);
}

TEST(MarkupRenderer, RulesEndTheLineAndDrawBelowIt) {
    FakeCanvas c;
    Draw(c, R"(a<HR color="#FF0000">b<HR>)", Box(100));
    const auto lines = c.Shapes(DrawnShape::kLine);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rect, (Rect{0, 17, 100, 17}));
    EXPECT_EQ(lines[0].color, 0x0000FF);
    EXPECT_EQ(lines[1].rect, (Rect{0, 33, 100, 33}));
    EXPECT_EQ(lines[1].color, clBlack);
    EXPECT_EQ(RectOf(c, "b").top, 16);
}

TEST(MarkupRenderer, ListsIndentAndNumberTheirItems) {
    struct Case {
        std::string text;
        std::vector<std::pair<std::string, int>> shown_at;  // text and its left edge
    };
    const Case cases[] = {
        {"<UL><LI>a</LI><UL><LI>b</LI></UL></UL>c",
         {{"•", 0}, {"a", 12}, {"o", 12}, {"b", 24}, {"c", 0}}},
        {"<OL><LI>a</LI><LI>b</LI></OL>", {{"1. ", 0}, {"a", 24}, {"2. ", 0}, {"b", 24}}},
    };
    for (const auto& k : cases) {
        FakeCanvas c;
        Draw(c, k.text, Box(400));
        ASSERT_EQ(c.texts.size(), k.shown_at.size()) << k.text;
        for (std::size_t i = 0; i < k.shown_at.size(); ++i) {
            EXPECT_EQ(c.texts[i].text, k.shown_at[i].first) << k.text;
            EXPECT_EQ(c.texts[i].rect.left, k.shown_at[i].second) << k.text << " " << i;
        }
        for (const auto& t : c.texts) {
            if (t.flags.top_aligned) {
                EXPECT_EQ(t.font.name, "Symbol");
            }
        }
    }
}

TEST(MarkupRenderer, OneListItemPerLineAndShapedBullets) {
    FakeCanvas c;
    Draw(c, R"(<UL><LI type="square" color="#FF0000">a<LI type="circle">b</UL>)", Box(400));
    EXPECT_EQ(RectOf(c, "a").top, 16);
    EXPECT_EQ(RectOf(c, "b").top, 32);
    const auto squares = c.Shapes(DrawnShape::kFill);
    const auto circles = c.Shapes(DrawnShape::kEllipse);
    ASSERT_EQ(squares.size(), 1u);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(squares[0].rect, (Rect{0, 18, 8, 26}));
    EXPECT_EQ(squares[0].color, 0x0000FF);
    EXPECT_EQ(circles[0].rect, (Rect{0, 34, 8, 42}));
}

TEST(MarkupRenderer, BodyAndParagraphBackgrounds) {
    FakeCanvas c;
    Draw(c, R"(<BODY bgcolor="#FFFF00">x)", Box(100, 50));
    const auto fills = c.Shapes(DrawnShape::kFill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{-2, 0, 100, 50}));
    EXPECT_EQ(c.Find("x")->flags.background, 0x00FFFF);

    FakeCanvas g;
    Draw(g, R"(<BODY bgcolor="#000000" bgcolorto="#FF0000" dir="V">x)", Box(100, 128));
    const auto bands = g.Shapes(DrawnShape::kFill);
    ASSERT_EQ(bands.size(), 64u);
    EXPECT_EQ(bands[0].rect, (Rect{0, 0, 100, 3}));
    EXPECT_EQ(bands[0].color, 0u);
    EXPECT_EQ(bands[63].rect, (Rect{0, 126, 100, 128}));
    EXPECT_EQ(bands[63].color, 0x0000FB);  // 255 * 63 / 64, rounded
    EXPECT_EQ(g.Find("x")->flags.background, clNone);

    FakeCanvas p;
    Draw(p, R"(<P bgcolor="#00FF00">a<BR>b</P>c)", Box(100));
    const auto pfills = p.Shapes(DrawnShape::kFill);
    ASSERT_EQ(pfills.size(), 2u);  // the first line, then the second before its text
    EXPECT_EQ(pfills[0].rect, (Rect{0, 0, 100, 16}));
    EXPECT_EQ(pfills[1].rect, (Rect{0, 16, 100, 32}));
    EXPECT_EQ(p.Find("c")->flags.background, clNone);
}

class MarkupPictures : public ::testing::Test {
  protected:
    void SetUp() override {
        auto& item = container.Add();
        item.Name = "I_GOL";
        item.picture.LoadFromBytes(test::PngHeader(40, 10));
        auto& broken = container.Add();
        broken.Name = "quebrada";
        broken.picture.LoadFromBytes({1, 2, 3});  // no size can be read from it
    }
    MarkupResult Render(std::string_view text, int width = 400) {
        MarkupOptions o = Box(width);
        o.picture_container = &container;
        o.picture_cache = &cache;
        o.images = images;
        return Draw(canvas, text, o);
    }

    TPictureContainer container;
    TMarkupPictureCache cache;
    const MarkupImageList* images = nullptr;
    FakeCanvas canvas;
};

TEST_F(MarkupPictures, ContainerPicturesAreFoundByNameAndSized) {
    struct Case {
        std::string tag;
        Rect drawn;
        int x_after;
    };
    const Case cases[] = {
        {R"(<IMG src="i_gol">)", {0, 0, 40, 10}, 40},
        {R"(<IMG src="i_gol" WIDTH="20">)", {0, 0, 20, 5}, 20},
        {R"(<IMG src="i_gol" height="20">)", {0, 0, 80, 20}, 80},
        {R"(<IMG src="i_gol" width="8" height="8">)", {0, 0, 8, 8}, 8},
    };
    for (const auto& k : cases) {
        canvas = {};
        Render(k.tag + "x");
        const auto pictures = canvas.Shapes(DrawnShape::kPicture);
        ASSERT_EQ(pictures.size(), 1u) << k.tag;
        EXPECT_EQ(pictures[0].rect, k.drawn) << k.tag;
        EXPECT_EQ(RectOf(canvas, "x").left, k.x_after) << k.tag;
    }
    EXPECT_TRUE(container.FindPictureByName("i_gol")->Stretch);
}

TEST_F(MarkupPictures, PicturesWithoutASourceOrSizeTakeNoRoom) {
    for (const char* tag :
         {R"(<IMG src="quebrada">)", R"(<IMG src="nada">)", R"(<IMG src="file:teams\a.png">)",
          R"(<IMG src="idx:0">)", R"(<IMG src="ssys:0">)", R"(<IMG src="http://x.org/a.png">)"}) {
        canvas = {};
        Render(std::string(tag) + "x");
        EXPECT_TRUE(canvas.shapes.empty()) << tag;
        EXPECT_EQ(RectOf(canvas, "x").left, 0) << tag;
    }
    // An address is looked up once and then stays in the cache, empty.
    EXPECT_NE(cache.FindPictureByAddress("http://x.org/a.png"), nullptr);
}

TEST_F(MarkupPictures, ImageListEntriesNeedAValidIndex) {
    test::FakeImageList two(2), three(3);
    struct Case {
        const MarkupImageList* list;
        std::string src;
        bool drawn;
    };
    const Case cases[] = {
        {&two, "idx:2", false},    {&three, "idx:2", true}, {&three, "IDX:0", true},
        {&three, "idx:-1", false}, {&three, "idx:x", true},  // no digits read 0
    };
    for (const auto& k : cases) {
        canvas = {};
        images = k.list;
        Render(R"(<IMG src=")" + k.src + R"(">x)");
        const auto entries = canvas.Shapes(DrawnShape::kListImage);
        EXPECT_EQ(entries.size(), k.drawn ? 1u : 0u) << k.src;
        EXPECT_EQ(RectOf(canvas, "x").left, k.drawn ? 16 : 0) << k.src;
        if (k.drawn) {
            EXPECT_EQ(entries[0].rect, (Rect{0, 0, 16, 16})) << k.src;
        }
    }
}

TEST_F(MarkupPictures, APictureThatDoesNotFitStartsTheNextLineUnlessWiderThanAny) {
    Render(R"(abcd<IMG src="i_gol">)", 60);
    auto pictures = canvas.Shapes(DrawnShape::kPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{0, 16, 40, 26}));

    canvas = {};
    Render(R"(ab<IMG src="i_gol">)", 30);
    pictures = canvas.Shapes(DrawnShape::kPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{16, 0, 56, 10}));
}

TEST_F(MarkupPictures, AlignAndWrapMoveTheTextBesideATallPicture) {
    struct Case {
        std::string attributes;
        int spacing;
        int x_bottom, y_top;
    };
    const Case cases[] = {
        {"", 0, 32, 32},
        {R"(align="top")", 0, 16, 32},
        {R"(align="middle")", 0, 24, 32},
        {"wrap", 0, 16, 16},  // the picture reaches down over the next line
        {"wrap", 4, 20, 20},
        {"", 4, 36, 36},
    };
    for (const auto& k : cases) {
        canvas = {};
        MarkupOptions o = Box(400);
        o.picture_container = &container;
        o.line_spacing = k.spacing;
        Draw(canvas, R"(<IMG src="i_gol" height="32" )" + k.attributes + ">x<BR>y", o);
        EXPECT_EQ(RectOf(canvas, "x").bottom, k.x_bottom) << k.attributes << k.spacing;
        EXPECT_EQ(RectOf(canvas, "y").top, k.y_top) << k.attributes << k.spacing;
    }
}

TEST_F(MarkupPictures, APictureInsideAnAnchorIsHit) {
    MarkupOptions o = HitAt(20, 5, 400);
    o.picture_container = &container;
    const MarkupResult r =
        Draw(canvas, R"(<A href="http://x.org" title="t"><IMG src="i_gol"></A>)", o);
    EXPECT_TRUE(r.hit);
    EXPECT_EQ(r.anchor_under_point, "http://x.org");
    EXPECT_EQ(r.anchor_title, "t");
}

TEST_F(MarkupPictures, FileAddressesLoadOnceIntoTheCache) {
    const std::string file = test::WriteOutputFile("escudo.png", test::PngHeader(12, 6));
    const std::string tag = "<IMG src=\"FILE://" + file + "\">";
    Render(tag + tag);
    const auto pictures = canvas.Shapes(DrawnShape::kPicture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[1].rect, (Rect{12, 0, 24, 6}));
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.FindPictureByAddress("file://" + file), nullptr);
}

TEST_F(MarkupPictures, OnlyRegularFilesOfAPicturesSizeAreRead) {
    // Reading these once aborted the program, blocked, or read without end.
    const std::string big = test::WriteOutputFile("grande.png", test::PngHeader(4, 4));
    std::filesystem::resize_file(big, kMaxPictureFileBytes + 1);
    const std::string fifo = FolderOf(big) + "/fila.png";
    std::filesystem::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {std::string("/proc/self/mem"), std::string("/dev/zero"),
                                    std::string("/proc/self"), big, fifo}) {
        EXPECT_EQ(ReadFileBytes(path), std::nullopt) << path;
        const MarkupResult r = Render("a<IMG src=\"file://" + path + "\">b");
        EXPECT_EQ(canvas.Shapes(DrawnShape::kPicture).size(), 0u) << path;
        EXPECT_EQ(r.extent_x, 18) << path;
    }
    std::filesystem::remove(fifo);
    EXPECT_EQ(ReadFileBytes(test::WriteOutputFile("ok.png", test::PngHeader(4, 4)))->size(),
              test::PngHeader(4, 4).size());
}

TEST_F(MarkupPictures, BodyPicturesTileInsideTheBounds) {
    Render(R"(<BODY background="i_gol">)", 100);
    const auto tiles = canvas.Shapes(DrawnShape::kPicture);
    // 3 columns (0, 40, 80) by 40 rows of 10 pixels over 100 x 400.
    EXPECT_EQ(tiles.size(), 3u * 40u);
    EXPECT_EQ(canvas.clip_depth, 0);

    canvas = {};
    Render(R"(<BODY bgtopright="i_gol">)", 100);
    const auto column = canvas.Shapes(DrawnShape::kPicture);
    ASSERT_EQ(column.size(), 40u);
    EXPECT_EQ(column[0].rect, (Rect{60, 0, 100, 10}));
}

}  // namespace
}  // namespace kv
