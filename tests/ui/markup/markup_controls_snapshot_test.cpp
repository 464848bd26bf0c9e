// A form of mark-up labels, check boxes and radio buttons in every look and state, written as
// PNG for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/gdiplus.h"
#include "platform/window/panel.h"
#include "platform/window/test_driver.h"
#include "ui/markup/graphics_markup_surface.h"
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

    // A few pixels of every state, so that a look that stops drawing (or draws the wrong
    // state) fails here and not only in a person's eyes.
    const Screen& screen = d.screen();
    const auto at = [&](const Control& c, int x, int y) {
        const Point p = c.ClientToScreen({x, y});
        return screen.PixelAt(p.x, p.y);
    };
    const auto near = [](TColor a, TColor b) {
        const auto channel = [](TColor c, int shift) { return int((c >> shift) & 0xFF); };
        for (const int shift : {0, 8, 16}) {
            if (std::abs(channel(a, shift) - channel(b, shift)) > 40) return false;
        }
        return true;
    };

    // Labels: their background at a spot the text does not reach.
    struct LabelPixels {
        int x, y;  // from the label's right/bottom edge when negative
        TColor color;
    };
    const std::vector<LabelPixels> label_pixels[] = {
        {{-10, 12, RGBColor(0, 70, 30)}},                          // transparent: the form shows
        {{-10, 12, clCream}, {0, 0, clBlack}, {-1, -1, clBlack}},  // solid, single border
        {{2, 20, clWhite}, {-3, 20, clSkyBlue}},                   // horizontal gradient
        {{-10, 2, clYellow}, {-10, -3, clRed}},                    // vertical gradient
        {{1, -2, clLime}, {-2, -2, clBlue}, {-10, 8, RGBColor(0, 70, 30)}},  // bottom line
        {{2, -2, clSilver}},                                                 // sized to its text
    };
    std::size_t label_index = 0;
    for (const auto& c : form.Children()) {
        auto* label = dynamic_cast<TMarkupLabel*>(c.get());
        if (!label) continue;
        ASSERT_LT(label_index, std::size(label_pixels));
        for (const LabelPixels& p : label_pixels[label_index]) {
            const int x = p.x < 0 ? label->Width() + p.x : p.x;
            const int y = p.y < 0 ? label->Height() + p.y : p.y;
            EXPECT_TRUE(near(at(*label, x, y), p.color))
                << "label " << label_index << " at " << x << "," << y;
        }
        ++label_index;
    }
    EXPECT_EQ(label_index, std::size(labels));

    // Boxes and radio buttons: what the middle of the box holds. Marks are black or green,
    // empty boxes white, grey and disabled ones neither.
    const auto signature = [&](const TCustomMarkupButton& b) {
        const int left = b.GetAlignment() == taRightJustify ? b.Width() - 11 : 3;
        int dark = 0, light = 0, green = 0, yellow = 0;
        for (int y = b.Height() / 2 - 3; y < b.Height() / 2 + 4; ++y) {
            for (int x = left; x < left + 7; ++x) {
                const TColor p = at(b, x, y);
                const int r = p & 0xFF, g = (p >> 8) & 0xFF, bl = (p >> 16) & 0xFF;
                if (std::max({r, g, bl}) < 90) ++dark;
                if (std::min({r, g, bl}) > 220) ++light;
                if (g > r + 40 && g > bl + 40) ++green;
                if (r > 200 && g > 200 && bl < 90) ++yellow;
            }
        }
        std::string out;
        if (dark) out += "dark ";
        if (light) out += "light ";
        if (green) out += "green ";
        if (yellow) out += "yellow ";
        return out;
    };
    const std::map<std::string, std::string> box_marks = {
        {"Clássica, desmarcada", "light "},
        {"Clássica, <B>marcada</B>", "dark light "},
        {"Clássica, indefinida", ""},
        {"Clássica, desabilitada", ""},
        {"Plana, marcada", "dark light "},
        {"Borland, marcada", "dark "},
        {"Borland, pressionada", ""},
        {"Borland, indefinida", ""},
        {"Arredondada, marcada", "light green "},
        {"Arredondada, desabilitada", "light "},
        {"XP sem temas, marcada", "light green "},
        {"Tema (clássica aqui)", "dark light "},
        {"Caixa à direita", "dark light "},
    };
    const std::map<std::string, std::string> radio_marks = {
        {"Clássica", "light "},
        {"Clássica, <U>marcada</U>", "dark light "},
        {"Clássica, desabilitada", ""},
        {"Plana", "light "},
        {"Borland, marcada", "dark yellow "},  // the diamond's dot in the check colour
        {"Borland, pressionada", "dark "},
        {"Arredondada, marcada", "dark light green "},
        {"Arredondada", "dark light "},
        {"XP sem temas, marcada", "light green "},
    };
    int checked = 0;
    const std::function<void(const Control&)> visit = [&](const Control& parent) {
        for (const auto& c : parent.Children()) {
            if (auto* b = dynamic_cast<TCustomMarkupButton*>(c.get())) {
                const auto& marks = dynamic_cast<TMarkupRadioButton*>(b) ? radio_marks : box_marks;
                const auto it = marks.find(b->Caption());
                if (it == marks.end()) continue;
                EXPECT_EQ(signature(*b), it->second) << b->Caption();
                ++checked;
            }
            visit(*c);
        }
    };
    visit(form);
    EXPECT_EQ(checked, static_cast<int>(box_marks.size() + radio_marks.size()));
}

// A control that paints its caption through the antialiased renderer, as the smooth panels and
// message dialogs will.
class GraphicsMarkupPanel : public Control {
  public:
    std::string text;
    MarkupResult last;

  protected:
    void Paint(Canvas& canvas) override {
        auto graphics = TGPGraphics::CreateFromHDC(&canvas);
        TGPSolidBrush back(ColorToARGB(255, RGBColor(0, 70, 30)));
        graphics->FillRectangle(&back, 0, 0, float(Width()), float(Height()));
        MarkupOptions o;
        o.bounds = {4, 4, Width() - 4, Height() - 4};
        o.url_color = clAqua;
        o.shadow_color = clBlack;
        last = DrawMarkupGP(*graphics, font(), text, o);
    }
};

TEST(MarkupControlsSnapshot, AntialiasedMarkupWithTheInstalledFonts) {
    TestDriver d(480, 260);
    Form& form = d.screen().Create<Form>("form");
    form.SetBounds(10, 10, 460, 240);
    form.SetCaption("Mark-up antialiasado");
    auto& panel = form.Add<GraphicsMarkupPanel>("painel");
    panel.SetBounds(8, 8, 436, 196);
    Font white;
    white.name = "Tahoma";
    white.size = 8;
    white.color = clWhite;
    panel.SetFont(white);
    panel.text =
        R"(<P align="center"><SHAD><B><FONT size="12">Atlético Serrano 2 x 1 Clube do Porto</FONT></B></SHAD></P>)"
        R"(<P align="left"><FONT color="#FFFF00">12'</FONT><IND x="40">Gol de <B>Fulano</B> aos 43 &amp; a torcida vibra<BR>)"
        R"(<FONT color="#FFFF00">31'</FONT><IND x="40"><FONT color="clRed">Cartão amarelo</FONT> para <I>Ribamar</I> por falta dura<BR>)"
        R"(<FONT color="#FFFF00">58'</FONT><IND x="40">Passe longo de <A href="http://k.example">Joãozinho Pereira</A> para Marcão<BR>)"
        R"(<FONT color="#FFFF00">77'</FONT><IND x="40"><E>Impedimento</E> marcado, o lance é anulado pelo árbitro<BR>)"
        R"(<FONT face="Times New Roman" size="11">Estádio Municipal, 23.412 pagantes</FONT><BR>)"
        R"(<FONT face="Courier New">Renda: R$ 412.300,00</FONT> <FONT face="Verdana" color="#C0C0C0">(recorde)</FONT>)";
    form.Show();
    d.screen().Paint();
    const std::string path = d.SavePng("markup_gdiplus_window.png");
    ASSERT_FALSE(path.empty());
    // Seven lines below the title, each at least as high as the text.
    EXPECT_GE(panel.last.extent_y, 8 * 13);
    EXPECT_EQ(panel.last.anchor_count, 1);
}

}  // namespace
}  // namespace kv
