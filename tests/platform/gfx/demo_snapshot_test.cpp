// Paints a small window the way the game's screens will, and writes it out for a
// person to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/picture.h"

namespace kv {
namespace {

Picture Crest() {
    Picture p(24, 24);
    Graphics g(p);
    g.SetSmoothing(true);
    GraphicsPath shield;
    shield.AddLines({{2, 2}, {21, 2}, {21, 12}});
    shield.AddArc({2, 2, 19, 19}, 0, 180);
    shield.CloseFigure();
    g.FillPath(GraphicsBrush::LinearGradient(RectF{2, 2, 20, 20}, 0xFF006000, 0xFF20C020,
                                             LinearGradientMode::Vertical),
               shield);
    g.DrawPath({0xFFFFFFFF, 1.5f}, shield);
    return p;
}

void PaintDemo(Canvas& c) {
    c.brush.color = clBtnFace;
    c.FillRect({0, 0, c.width(), c.height()});
    {
        Graphics g(c);
        g.FillRectangle(
            GraphicsBrush::LinearGradient(RectF{0, 0, 360, 22}, ColorToOpaqueARGB(clActiveCaption),
                                          ColorToOpaqueARGB(clGradientActiveCaption),
                                          LinearGradientMode::Horizontal),
            {0, 0, 360, 22});
    }
    c.font.name = "Tahoma";
    c.font.size = 8;
    c.font.style = fsBold;
    c.font.color = clCaptionText;
    c.bk_mode = BkMode::Transparent;
    c.TextOut(6, 4, "Korvanel 2014 — Classificação");

    // A table with a 3-D frame, header and alternating rows.
    c.pen.color = clBtnShadow;
    c.MoveTo(8, 160);
    c.LineTo(8, 30);
    c.LineTo(230, 30);
    c.pen.color = clBtnHighlight;
    c.LineTo(230, 160);
    c.LineTo(8, 160);
    const char* rows[][3] = {{"1", "Grêmio", "38"},
                             {"2", "São Paulo", "35"},
                             {"3", "Atlético Paranaense", "31"},
                             {"4", "Associação Ferroviária de Esportes", "30"}};
    c.font.style = 0;
    c.font.color = clWindowText;
    for (int i = 0; i < 4; ++i) {
        const int top = 32 + i * 18;
        c.brush.color = i % 2 ? clWindow : clInfoBk;
        c.FillRect({9, top, 230, top + 18});
        Rect pos{12, top, 30, top + 18}, name{32, top, 190, top + 18}, pts{190, top, 226, top + 18};
        c.DrawText(rows[i][0], pos, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        c.DrawText(rows[i][1], name, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        c.DrawText(rows[i][2], pts, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    Rect wrap{12, 110, 226, 158};
    c.DrawText("Texto longo que quebra em palavras dentro do retângulo, centrado em cada linha.",
               wrap, DT_WORDBREAK | DT_CENTER);

    // A classic button with an accelerator and a focus rectangle.
    c.brush.color = clBtnFace;
    c.pen.color = cl3DDkShadow;
    c.Rectangle(250, 130, 340, 156);
    c.pen.color = clBtnHighlight;
    c.MoveTo(251, 154);
    c.LineTo(251, 131);
    c.LineTo(339, 131);
    Rect caption{250, 130, 340, 156};
    c.DrawText("&Continuar >>", caption, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    c.DrawFocusRect({254, 134, 336, 152});

    // Shapes and pictures.
    c.brush.color = clYellow;
    c.pen.color = clNavy;
    c.Ellipse({250, 30, 290, 60});
    c.brush.color = clAqua;
    c.RoundRect({296, 30, 350, 60}, 10, 10);
    c.brush.color = clFuchsia;
    c.Polygon({{250, 70}, {290, 70}, {270, 100}});
    const Picture crest = Crest();
    c.Draw(300, 70, crest);
    c.StretchDraw({326, 70, 350, 118}, crest);
    {
        Graphics g(c);
        g.SetSmoothing(true);
        GraphicsPath glow;
        glow.AddRoundRectangle({250, 104, 70, 20}, 6);
        g.FillPath(GraphicsBrush::PathGradient(glow, 0xFFFFFFFF, 0xFF3060C0), glow);
        StringFormat centred;
        centred.align = centred.line_align = StringAlignment::Center;
        g.DrawString("Jogar", Font{"Segoe UI", 9, fsBold}, {250, 104, 70, 20}, centred,
                     GraphicsBrush::Solid(0xFF102040));
    }
}

TEST(DemoSnapshot, PaintsAWindowAndWritesIt) {
    Canvas c(360, 170);
    PaintDemo(c);
    std::filesystem::create_directories(KORVANEL_TEST_OUTPUT_DIR);
    const std::string path = std::string(KORVANEL_TEST_OUTPUT_DIR) + "/gfx_demo.png";
    ASSERT_TRUE(c.SaveToPng(path));
    Picture back;
    ASSERT_TRUE(back.LoadFromFile(path)) << back.error();
    EXPECT_EQ(back.width(), 360);
    EXPECT_EQ(back.PixelARGB(2, 165), ColorToOpaqueARGB(clBtnFace));
}

}  // namespace
}  // namespace kv
