#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/markup_links.h"
#include "ui/markup/markup_picture_list.h"
#include "ui/markup/picture_container.h"

namespace kv {
namespace {

TEST(MarkupLinks, OnlyWebAddressesReachTheBrowser) {
    std::vector<std::string> opened;
    MarkupOpenAddressHook() = [&](const std::string& a) { opened.push_back(a); };
    const std::map<std::string, bool> cases = {
        {"http://korvanel.example", true},
        {"HTTPS://x.example/a?b=1", true},
        {"http://", false},
        {"mailto:tecnico@clube.example", false},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"teams\\clube.txt", false},
        {" http://x.example", false},
        {"", false},
    };
    for (const auto& [target, web] : cases) {
        EXPECT_EQ(IsWebAddress(target), web) << target;
        EXPECT_EQ(OpenMarkupAnchor(target), web) << target;
    }
    EXPECT_EQ(opened,
              (std::vector<std::string>{"HTTPS://x.example/a?b=1", "http://korvanel.example"}));
    MarkupOpenAddressHook() = nullptr;
    EXPECT_FALSE(OpenMarkupAnchor("http://korvanel.example"));
}

Picture Swatch(int size, TColor color, bool round) {
    Picture p(size, size);
    Canvas c(p);
    c.brush = {color, bsSolid};
    c.pen = {clBlack, 1};
    if (round) {
        c.Ellipse({0, 0, size, size});
    } else {
        c.Rectangle({0, 0, size, size});
    }
    return p;
}

int CountPixels(const Canvas& c, TColor color) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) n += c.Pixel(x, y) == color;
    }
    return n;
}

// Every tag of the language on the real canvas, written to a PNG for a person to look at.
TEST(MarkupCanvas, SampleOfEveryTag) {
    TPictureContainer container;
    const auto ball = Swatch(12, 0x00C000, true).SaveToPngMemory();
    container.Add().Name = "i_gol";
    container[0].picture.LoadFromBytes(ball);
    MarkupPictureList list(16, 16);
    list.Add(Swatch(16, 0x2020E0, false));
    list.Add(Swatch(16, 0xE02020, true));

    const std::string text =
        R"(<BODY bgcolor="#F4F4E8"><P align="center"><FONT size="14" color="#663300">)"
        R"(<B>Korvanel 2014</B></FONT></P><P align="left">)"
        R"(<B>negrito</B> <I>itálico</I> <U>sublinhado</U> <S>riscado</S> )"
        R"(<SHAD>sombra</SHAD> <FONT color="clRed">vermelho</FONT> )"
        R"(<FONT bgcolor="#00FFFF">fundo</FONT> <HI>realce</HI><BR>)"
        R"(H<SUB>2</SUB>O e x<SUP>2</SUP>, <E>erru</E>, )"
        R"(<A href="http://korvanel.example" title="site">um link</A> )"
        R"(&amp; &lt;tag&gt; &euro; &copy;<Z>oculto</Z><BR>)"
        R"(<BLINK>pisca</BLINK> <R a="15">girado</R><BR>)"
        R"(Gols:<IND x="120"><IMG src="i_gol"> <IMG src="idx:0"> <IMG src="i_gol" width="32">)"
        R"( <IMG src="idx:1" align="top"> alto<BR>)"
        R"(<HR color="#000080">)"
        R"(<UL><LI>primeiro</LI><UL><LI>segundo</LI></UL>)"
        R"(<LI type="square" color="#008000">quadrado</LI>)"
        R"(<LI type="circle" color="#0000FF">círculo</LI></UL>)"
        R"(<OL><LI>um</LI><LI>dois</LI></OL>)"
        R"(<P bgcolor="#DDEEFF">parágrafo com fundo</P>)"
        R"(<P bgcolor="#00CCFF" bgcolorto="#FFFFFF">gradiente</P>)"
        R"(<OF x="40">deslocado</OF><BR><P align="right">à direita</P>)";

    Canvas canvas(480, 420);
    canvas.font = Font{"Arial", 10, 0, clBlack};
    canvas.brush = {clWhite, bsSolid};
    MarkupOptions o;
    o.bounds = {10, 10, 470, 410};
    o.images = &list;
    o.picture_container = &container;
    o.focus_index = 0;
    o.shadow_color = 0xA0A0A0;
    o.shadow_offset = 2;
    const Font before = canvas.font;
    const MarkupResult r = DrawMarkup(canvas, text, o);

    EXPECT_EQ(r.anchor_count, 1);
    EXPECT_EQ(r.anchor_title, "http://korvanel.example");  // the focused anchor
    EXPECT_GT(r.extent_y, 300);
    EXPECT_LT(r.extent_y, 400);
    EXPECT_EQ(canvas.font, before);
    EXPECT_GT(CountPixels(canvas, clNavy), 400);   // the rule across the width
    EXPECT_GT(CountPixels(canvas, clRed), 10);     // the error zigzag and red text
    EXPECT_GE(CountPixels(canvas, 0x008000), 64);  // the square bullet
    EXPECT_GT(CountPixels(canvas, clAqua), 50);    // the text background

    const auto dir = std::filesystem::path(KORVANEL_TEST_OUTPUT_DIR) / "markup";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(canvas.SaveToPng((dir / "markup_tags.png").string()));
}

}  // namespace
}  // namespace kv
