// A form of mark-up labels, check boxes and radio buttons in every look and state, written as
// PNG for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/window/panel.h"
#include "platform/window/test_driver.h"
#include "ui/markup/markup_check_box.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

TEST(MarkupControlsSnapshot, EveryLookAndState) {
    TestDriver d(900, 620);
    Form& form = d.screen().Create<Form>("form");
    form.SetBounds(10, 10, 880, 600);
    form.SetCaption("Mark-up: rótulos, caixas e opções");
    form.SetColor(RGBColor(0, 70, 30));

    struct LabelRow {
        const char* text;
        std::function<void(TMarkupLabel&)> setup;
    };
    const LabelRow labels[] = {
        {R"(<B>Transparente</B>: gol de <A href="http://k.example">Silva</A> aos <FONT color="#FFFF00">43'</FONT>)",
         [](TMarkupLabel& l) { l.SetURLColor(clAqua); }},
        {"Fundo sólido <I>com</I> borda simples",
         [](TMarkupLabel& l) {
             l.SetTransparent(false);
             l.SetColor(clCream);
             l.SetBorderStyle(bsSingle);
             l.SetBorderWidth(1);
         }},
        {"Gradiente horizontal, chanfro em relevo",
         [](TMarkupLabel& l) {
             l.SetTransparent(false);
             l.SetColor(clWhite);
             l.SetColorTo(clSkyBlue);
             l.SetBevelOuter(bvRaised);
         }},
        {"Gradiente vertical, chanfro rebaixado",
         [](TMarkupLabel& l) {
             l.SetTransparent(false);
             l.SetColor(clYellow);
             l.SetColorTo(clRed);
             l.SetGradientType(gtFullVertical);
             l.SetBevelOuter(bvLowered);
         }},
        {"Linha de gradiente embaixo",
         [](TMarkupLabel& l) {
             l.SetColor(clLime);
             l.SetColorTo(clBlue);
             l.SetGradientType(gtBottomLine);
             l.SetLineWidth(3);
         }},
        {R"(<SHAD>Ajuste automático, centrado</SHAD>)",
         [](TMarkupLabel& l) {
             l.SetTransparent(false);
             l.SetColor(clSilver);
             l.SetShadowColor(clBlack);
             l.SetShadowOffset(1);
             l.SetVAlignment(tvaCenter);
             l.SetAutoSizeType(asBoth);
             l.SetAutoSizing(true);
         }},
    };
    int y = 10;
    Font white;
    white.name = "Arial";
    white.size = 8;
    white.style = fsBold;
    white.color = clWhite;
    for (const auto& row : labels) {
        auto& label = form.Add<TMarkupLabel>("lab" + std::to_string(y));
        label.SetBounds(10, y, 400, 24);
        label.SetFont(white);
        label.SetHTMLText(row.text);
        row.setup(label);
        if (!label.Transparent()) {
            Font dark = white;
            dark.color = clBlack;
            label.SetFont(dark);
        }
        y += 32;
    }

    struct BoxRow {
        const char* caption;
        TButtonType look;
        TCheckBoxState state;
        bool enabled, down, right;
    };
    const BoxRow boxes[] = {
        {"Clássica, desmarcada", btClassic, cbUnchecked, true, false, false},
        {"Clássica, <B>marcada</B>", btClassic, cbChecked, true, false, false},
        {"Clássica, indefinida", btClassic, cbGrayed, true, false, false},
        {"Clássica, desabilitada", btClassic, cbChecked, false, false, false},
        {"Plana, marcada", btFlat, cbChecked, true, false, false},
        {"Borland, marcada", btBorland, cbChecked, true, false, false},
        {"Borland, pressionada", btBorland, cbUnchecked, true, true, false},
        {"Borland, indefinida", btBorland, cbGrayed, true, false, false},
        {"Arredondada, marcada", btOrvik, cbChecked, true, false, false},
        {"Arredondada, desabilitada", btOrvik, cbUnchecked, false, false, false},
        {"XP sem temas, marcada", btWinXP, cbChecked, true, false, false},
        {"Tema (clássica aqui)", btTheme, cbChecked, true, false, false},
        {"Caixa à direita", btClassic, cbChecked, true, false, true},
    };
    y = 10;
    TMarkupCheckBox* focused = nullptr;
    for (const auto& row : boxes) {
        auto& box = form.Add<TMarkupCheckBox>("ck" + std::to_string(y));
        box.SetBounds(440, y, 200, 22);
        box.SetFont(white);
        box.SetTransparent(true);
        box.SetShadowColor(clBlack);
        box.SetCaption(row.caption);
        box.SetButtonType(row.look);
        box.SetState(row.state);
        box.SetEnabled(row.enabled);
        box.SetDown(row.down);
        if (row.right) box.SetAlignment(taRightJustify);
        if (!focused) focused = &box;
        y += 26;
    }

    struct RadioRow {
        const char* caption;
        TButtonType look;
        bool checked, enabled, down;
    };
    const RadioRow radios[] = {
        {"Clássica", btClassic, false, true, false},
        {"Clássica, <U>marcada</U>", btClassic, true, true, false},
        {"Clássica, desabilitada", btClassic, true, false, false},
        {"Plana", btFlat, false, true, false},
        {"Borland, marcada", btBorland, true, true, false},
        {"Borland, pressionada", btBorland, false, true, true},
        {"Arredondada, marcada", btOrvik, true, true, false},
        {"Arredondada", btOrvik, false, true, false},
        {"XP sem temas, marcada", btWinXP, true, true, false},
        {"XP sem temas, desabilitada", btWinXP, false, false, false},
    };
    y = 10;
    for (const auto& row : radios) {
        // One panel each, so that every checked one stays checked.
        auto& holder = form.Add<Panel>("pn" + std::to_string(y));
        holder.SetBounds(660, y, 210, 24);
        holder.SetColor(RGBColor(0, 70, 30));
        holder.bevel_outer = bvNone;
        auto& radio = holder.Add<TMarkupRadioButton>("rb" + std::to_string(y));
        radio.SetBounds(2, 1, 200, 22);
        radio.SetFont(white);
        radio.SetTransparent(true);
        radio.SetShadowColor(clBlack);
        radio.SetCaption(row.caption);
        radio.SetButtonType(row.look);
        radio.SetCheckColor(clYellow);  // the diamond's dot, seen on the dark panel
        radio.SetChecked(row.checked);
        radio.SetEnabled(row.enabled);
        radio.SetDown(row.down);
        y += 28;
    }

    form.Show();
    focused->SetFocus();
    d.screen().Paint();  // an auto-sized label takes its size while painting; show it settled
    const std::string path = d.SavePng("markup_controls.png");
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kv
