// One form with every custom-drawn control of this library in its main styles, written as PNG
// for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/gfx/graphics.h"
#include "platform/window/test_driver.h"
#include "tests/ui/controls/pixels.h"
#include "ui/controls/gdiplus/gdip_dialog_button.h"
#include "ui/controls/gdiplus/gdip_progress.h"
#include "ui/controls/gradient.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"

namespace kv {
namespace {

TEST(SmoothControlsSnapshot, EveryControlInItsMainStyles) {
    TestDriver d(1000, 760);
    Form& form = d.screen().Create<Form>("form");
    form.SetBounds(0, 0, 1000, 760);
    form.SetCaption("Controles desenhados: painéis, rótulos, gradientes, barras e botões");

    // The window's background, as two of the game's windows use the gradient.
    auto& back = form.Add<TGradient>("grfundo");
    back.SetAlign(alClient);
    back.SetStyle(gsRadialBL);
    back.SetReverse(true);
    back.SetColorBegin(RGBColor(0, 40, 20));
    back.SetColorEnd(RGBColor(0, 110, 60));

    // Panels in several presets, with plain and mark-up captions.
    const int presets[] = {0, 4, 5, 9, 13, 16};
    int x = 10;
    for (int preset : presets) {
        auto& panel = form.Add<TUiSmoothPanel>("pnpreset" + std::to_string(preset));
        panel.SetBounds(x, 10, 155, 110);
        panel.ApplyStylePreset(preset);
        panel.Fill().SetShadowOffset(preset == 16 ? 0 : 6);
        panel.Caption().SetText("Estilo " + std::to_string(preset));
        panel.Caption().SetFont(Font{"Tahoma", 11, fsBold});
        panel.Caption().SetHTMLFont(Font{"Tahoma", 8, 0, clBlack});
        panel.Caption().SetHTMLShadowOffset(0);
        panel.Caption().SetHTMLText(
            "Saldo: <B>R$ 1.250.000</B><BR><FONT color=\"clRed\">Dívida</FONT>");
        x += 162;
    }

    // The game's information box: white mark-up with a black shadow at a custom place.
    auto& info = form.Add<TUiSmoothPanel>("pninfo");
    info.SetBounds(10, 135, 300, 100);
    info.ApplyStylePreset(4);
    info.Fill().SetShadowOffset(10);
    info.Fill().SetShadowColor(clNone);
    info.Caption().SetHTMLLocation(plCustom);
    info.Caption().SetHTMLLeft(10);
    info.Caption().SetHTMLTop(8);
    info.Caption().SetHTMLShadowColor(clBlack);
    info.Caption().SetHTMLShadowOffset(1);
    info.Caption().SetHTMLFont(Font{"Arial", 10, fsBold, clWhite});
    info.Caption().SetHTMLText(
        "<SHAD>Próximo jogo: <FONT color=\"#FFFF00\">Atlético Serrano</FONT> x Clube do "
        "Porto</SHAD>"
        "<BR><SHAD>Estádio: <A href=\"http://korvanel.example\">Serrano</A></SHAD>");
    info.Fill().SetColor(RGBColor(40, 90, 160));
    info.Fill().SetColorTo(RGBColor(20, 50, 110));
    info.Fill().SetColorMirror(clNone);

    // Fill kinds, one panel each, captions naming them.
    struct FillRow {
        const char* name;
        std::function<void(TGDIPFill&)> setup;
    };
    const FillRow fills[] = {
        {"Sólido",
         [](TGDIPFill& f) {
             f.SetGradientType(gtSolid);
             f.SetColor(RGBColor(200, 60, 60));
         }},
        {"Ângulo 30",
         [](TGDIPFill& f) {
             f.SetGradientType(gtAngle);
             f.SetAngle(30);
             f.SetColor(clYellow);
             f.SetColorTo(clRed);
         }},
        {"Hachura",
         [](TGDIPFill& f) {
             f.SetGradientType(gtHatch);
             f.SetHatchStyle(5);
             f.SetColor(clNavy);
             f.SetColorTo(clSkyBlue);
         }},
        {"Textura",
         [](TGDIPFill& f) {
             f.SetGradientType(gtTexture);
             f.SetBackGroundPicturePosition(ppTiled);
             f.BackGroundPicture().LoadFromBytes(test::CheckerPng(clWhite, clSilver));
         }},
        {"Radial",
         [](TGDIPFill& f) {
             f.SetGradientType(gtRadial);
             f.SetColor(clNavy);
             f.SetColorTo(clAqua);
         }},
        {"Brilho",
         [](TGDIPFill& f) {
             f.SetGradientType(gtSolid);
             f.SetColor(RGBColor(30, 60, 140));
             f.SetGlow(gmRadialGradient);
         }},
        {"Sombra",
         [](TGDIPFill& f) {
             f.SetColor(clWhite);
             f.SetColorTo(clSilver);
             f.SetShadowColor(clBlack);
             f.SetShadowOffset(8);
         }},
        {"Sombra em volta",
         [](TGDIPFill& f) {
             f.SetColor(clWhite);
             f.SetColorTo(clSilver);
             f.SetShadowColor(clBlack);
             f.SetShadowOffset(6);
             f.SetShadowType(stSurround);
         }},
        {"Sombra embaixo",
         [](TGDIPFill& f) {
             f.SetColor(clWhite);
             f.SetColorTo(clSilver);
             f.SetShadowColor(clBlack);
             f.SetShadowOffset(6);
             f.SetShadowType(stBottom);
         }},
        {"Espelho",
         [](TGDIPFill& f) {
             f.SetColor(0xFDEADA);
             f.SetColorTo(0xE4AE88);
             f.SetColorMirror(0xD68B4F);
             f.SetColorMirrorTo(0xF5C79A);
             f.SetGradientMirrorType(gtVertical);
             f.SetRoundingType(rtLeft);
         }},
    };
    int i = 0;
    for (const FillRow& row : fills) {
        auto& panel = form.Add<TUiSmoothPanel>("pnfill" + std::to_string(i));
        panel.SetBounds(330 + (i % 5) * 132, 135 + (i / 5) * 70, 124, 62);
        panel.Fill().SetRounding(8);
        panel.Fill().SetBorderColor(clBlack);
        row.setup(panel.Fill());
        panel.Caption().SetText(row.name);
        panel.Caption().SetFont(Font{"Arial", 9, fsBold});
        panel.Caption().SetGradientType(gtSolid);
        panel.Caption().SetColorStart(clBlack);
        panel.Caption().SetLine(false);
        panel.Caption().SetLocation(plCenterCenter);
        ++i;
    }

    // Smooth labels: a club name over its shadow, and the text brushes.
    struct LabelRow {
        const char* text;
        TUiGradientType kind;
        TColor start, end;
        bool shadow;
    };
    const LabelRow labels[] = {
        {"Atlético Serrano", gtVertical, 0xFFE09F, 0x754F00, true},
        {"Horizontal", gtHorizontal, clYellow, clRed, false},
        {"Diagonal", gtForwardDiagonal, clAqua, clNavy, true},
        {"Hachura", gtHatch, clWhite, clBlack, false},
        {"Sólido", gtSolid, clWhite, clNone, true},
    };
    int y = 290;
    for (const LabelRow& row : labels) {
        auto& label = form.Add<TUiSmoothLabel>("lab" + std::to_string(y));
        label.SetBounds(10, y, 300, 44);
        label.Caption().SetText(row.text);
        label.Caption().SetGradientType(row.kind);
        label.Caption().SetHatchStyle(5);
        label.Caption().SetColorStart(row.start);
        label.Caption().SetColorEnd(row.end);
        label.Caption().SetLocation(plCenterLeft);
        label.CaptionShadow().SetGradientType(gtSolid);
        label.CaptionShadow().SetColorStart(clBlack);
        label.CaptionShadow().SetLocation(plCenterLeft);
        label.SetCaptionShadowOffsetLeft(2);
        label.SetCaptionShadowOffsetTop(2);
        label.SetCaptionShadowVisible(row.shadow);
        y += 48;
    }
    auto& boxed = form.Add<TUiSmoothLabel>("labfundo");
    boxed.SetBounds(10, y, 300, 44);
    boxed.SetTransparent(false);
    boxed.Fill().SetColor(clWhite);
    boxed.Fill().SetColorTo(clSilver);
    boxed.Fill().SetRounding(6);
    boxed.Fill().SetBorderColor(clGray);
    boxed.Caption().SetText("Com fundo");
    boxed.Caption().SetFont(Font{"Tahoma", 16, fsBold});

    // Gradient styles.
    const TGradientStyle styles[] = {gsRadialC,    gsLinearH,    gsLinearV,    gsReflectedH,
                                     gsDiagonalLF, gsDiagonalRB, gsArrowL,     gsArrowU,
                                     gsDiamond,    gsButterfly,  gsRadialRect, gsRadialTL};
    i = 0;
    for (TGradientStyle s : styles) {
        auto& g = form.Add<TGradient>("gr" + std::to_string(i));
        g.SetBounds(330 + (i % 6) * 110, 290 + (i / 6) * 80, 100, 70);
        g.SetStyle(s);
        g.SetColorBegin(clWhite);
        g.SetColorEnd(RGBColor(30, 90, 170));
        g.SetBorderWidth(i % 3 == 0 ? 2 : 0);
        g.SetBorderColor(clBlack);
        g.SetRotation(i == 11 ? 50 : 0);
        ++i;
    }

    // Progress bars and dialog buttons, painted by their painters.
    auto& painters = form.Add<Control>("painters");
    painters.SetBounds(330, 460, 660, 250);
    painters.on_paint = [](Canvas& canvas) {
        Graphics g(canvas);
        g.SetSmoothing(true);
        TGDIPProgress bar;
        bar.SetValueVisible(true);
        bar.SetFont(Font{"Arial", 9, fsBold, clBlack});
        bar.SetProgressFont(Font{"Arial", 9, fsBold, clWhite});
        bar.BackGroundFill().SetColor(clWhite);
        bar.BackGroundFill().SetColorTo(clSilver);
        bar.BackGroundFill().SetBorderColor(clGray);
        bar.ProgressFill().SetColor(RGBColor(80, 170, 80));
        bar.ProgressFill().SetColorTo(RGBColor(20, 100, 20));
        const double values[] = {0, 25, 60, 100};
        int by = 0;
        for (double v : values) {
            bar.Draw(g, RectOfSize(0, by, 300, 24), 0, 100, v, pbdHorizontal);
            by += 32;
        }
        bar.SetValueType(vtPercentage);
        bar.SetValueFormat("%.1f%%");
        bar.SetValuePosition(vpProgressRight);
        bar.Draw(g, RectOfSize(0, by, 300, 24), 0, 200, 130, pbdHorizontal);
        bar.SetValueVisible(false);
        bar.Draw(g, RectOfSize(320, 0, 30, 150), 0, 100, 70, pbdVertical);

        TGDIPDialogButton button;
        button.SetFont(Font{"Arial", 9, fsBold, clBlack});
        DialogButtonLook look;
        look.color = RGBColor(120, 170, 230);
        look.border_color = RGBColor(40, 70, 120);
        const char* captions[] = {"&Sim", "&Não", "Cancelar"};
        int bx = 380;
        for (const char* c : captions) {
            button.DrawButton(g, c, RectOfSize(bx, 0, 80, 26), look, nullptr);
            bx += 90;
        }
        look.pressed = true;
        look.color = RGBColor(90, 140, 210);
        button.DrawButton(g, "Pressionado", RectOfSize(380, 40, 110, 26), look, nullptr);
    };

    form.Show();
    d.screen().Paint();
    const std::string path = d.SavePng("smooth_controls.png");
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kv
