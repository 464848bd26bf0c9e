#include "ui/markup/markup_text.h"

#include <gtest/gtest.h>

#include "ui/markup/markup_tag.h"

namespace kv {
namespace {

TEST(MarkupText, PreparationDecodesEntitiesMarkersAndLineEnds) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"&AMP; &amp;", "&& &&"},
        {"&amp;amp;", "&&&"},  // "&&amp;" after the first pass, then its "&amp;" once more
        {"&quot;x&quot;", "\"x\""},
        {"&sect;&permil;&reg;&copy;&para;&trade;&euro;", "§‰®©¶™€"},
        {"&nbsp;&lt;&gt;", "&nbsp;&lt;&gt;"},  // decoded per run, not here
        {"<#12> e <#", "#12 e #"},
        {"a\r\nb\nc\rd", "a<BR>bc<BR>d"},
        {"sem nada", "sem nada"},
    };
    for (const auto& c : cases) EXPECT_EQ(PrepareMarkup(c.in), c.out) << c.in;
    EXPECT_EQ(JoinMarkupLines("a\r\nb", false), "ab");
    EXPECT_EQ(DecodeRunEntities("a&NBSP;b &Lt;B&gT; &lt;&lt;"), "a b <B> <<");
}

TEST(MarkupText, ColoursByNumberAndName) {
    struct Case {
        std::string value;
        TColor color;
    };
    const Case cases[] = {
        {"#FF0000", 0x0000FF},
        {"#00FF00", 0x00FF00},
        {"#0000FF", 0xFF0000},
        {"#123456", 0x563412},
        {"#ff8000", 0x0080FF},
        {"#12", 0x000012},
        {"#", 0},
        {"#GG0000", 0},
        {"clRed", 0x0000FF},
        {"CLNAVY", 0x800000},
        {"red", 0},
        {"", 0},
        {"cl3ddkshadow", SystemColor(21)},
        {"clBtnFace", clBtnFace},
        {"clinfobk", clInfoBk},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorFromValue(c.value), c.color) << c.value;
}

TEST(MarkupText, NumbersReadTheirLeadingInteger) {
    struct Case {
        std::string value;
        int number;
        std::optional<int> whole;
    };
    const Case cases[] = {
        {"40", 40, 40},
        {"  -5x", -5, std::nullopt},
        {"+7", 7, 7},
        {"$1F", 31, 31},
        {"0x10", 16, 16},
        {"12px", 12, std::nullopt},
        {"abc", 0, std::nullopt},
        {"", 0, std::nullopt},
        {"-", 0, std::nullopt},
        {"99999999999", kMarkupNumberLimit, kMarkupNumberLimit},
        {"$FFFFFFFF", kMarkupNumberLimit, kMarkupNumberLimit},
        {"-0x7fffffff", -kMarkupNumberLimit, -kMarkupNumberLimit},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadMarkupNumber(c.value), c.number) << c.value;
        EXPECT_EQ(ReadWholeNumber(c.value), c.whole) << c.value;
    }
}

TEST(MarkupText, AttributesAreFoundWithoutCaseAndKeepTheirValuesCase) {
    const std::string tag = R"(<A href="Http://X.org" TITLE="O Clube" bgcolor=clRed>)";
    EXPECT_EQ(MarkupAttribute(tag, "HREF"), "Http://X.org");
    EXPECT_EQ(MarkupAttribute(tag, "title"), "O Clube");
    EXPECT_EQ(MarkupAttribute(tag, "BGCOLOR"), "");  // no quotes: empty value
    EXPECT_EQ(MarkupAttribute(tag, "FACE"), std::nullopt);
    // The first occurrence counts, even inside another attribute's name.
    EXPECT_EQ(MarkupAttribute(R"(<P bgcolorto="#FF0000" bgcolor="#00FF00">)", "BGCOLOR"),
              "#FF0000");
}

TEST(MarkupText, TagsAreKnownByTheirFirstLetters) {
    struct Case {
        std::string text;
        bool closing;
        char letter, second;
        bool closed;
        std::string tag;
    };
    const Case cases[] = {
        {"<b>x", false, 'B', '>', true, "<b>"},
        {"</shad>y", true, 'S', 'H', true, "</shad>"},
        {"<blink>", false, 'B', 'L', true, "<blink>"},
        {"</>", false, '/', '>', true, "</>"},  // too short to close anything
        {"<font size=3", false, 'F', 'O', false, "<font size=3"},
        {"<1>", false, '1', '>', true, "<1>"},
    };
    for (const auto& c : cases) {
        const MarkupTag t = ReadMarkupTag(c.text);
        EXPECT_EQ(t.closing, c.closing) << c.text;
        EXPECT_EQ(t.letter, c.letter) << c.text;
        EXPECT_EQ(t.second, c.second) << c.text;
        EXPECT_EQ(t.closed, c.closed) << c.text;
        EXPECT_EQ(t.text, c.tag) << c.text;
    }
}

TEST(MarkupText, RunsEndAtTagsOrAfterTheFirstBlankWhenWrapping) {
    struct Case {
        std::string text;
        bool wrap;
        std::size_t length;
        std::string run;
    };
    const Case cases[] = {
        {"aaa bbb<B>", true, 4, "aaa "},
        {"aaa bbb<B>", false, 7, "aaa bbb"},
        {"aaa<B> bbb", true, 3, "aaa"},
        {"um dois", true, 3, "um "},
        {"palavra", true, 7, "palavra"},
        {"a&nbsp;b c", true, 9, "a b "},
        {"<B>", true, 0, ""},
    };
    for (const auto& c : cases) {
        const MarkupRun r = CutMarkupRun(c.text, c.wrap);
        EXPECT_EQ(r.source_length, c.length) << c.text;
        EXPECT_EQ(r.text, c.run) << c.text;
    }
}

TEST(MarkupText, StripMarkupKeepsTheTextAndLineBreaks) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"a<BR>b<z>c</z>d<B>e</B>", "a\r\nbde"},
        {"x<hr>y<Br>z", "x\r\ny\r\nz"},
        {"<Z>oculto</Z>visto<z>x</Z>", "visto"},  // case must match its own closing form
        {"a<z>nunca fechado", "a"},
        {"a < b", "a "},
        {"&amp;", "&amp;"},
    };
    for (const auto& c : cases) EXPECT_EQ(StripMarkup(c.in), c.out) << c.in;
}

TEST(MarkupText, SearchHelpers) {
    EXPECT_EQ(PosIgnoreCase("ab", "xxAB"), 3u);
    EXPECT_EQ(PosIgnoreCase("q", "xxAB"), 0u);
    std::string s = "Um GOL, um gol";
    EXPECT_TRUE(ReplaceFirstIgnoreCase("gol", "x", s));
    EXPECT_EQ(s, "Um x, um gol");
    EXPECT_FALSE(ReplaceFirstIgnoreCase("zzz", "x", s));
}

}  // namespace
}  // namespace kv
