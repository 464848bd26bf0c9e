// One form with the glow button, the scheme button and the flat combo box in their styles and
// states, and the combo's list dropped open, written as PNG for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/window/image_list.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/panel.h"
#include "platform/window/test_driver.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/scheme_button.h"
#include "ui/controls/ui_combo_box.h"

namespace kv {
namespace {

// A small picture: a coloured disc with a white ring, like a club's badge.
Picture Badge(TColor color, int size = 24) {
    Picture p(size, size);
    Canvas c(p);
    c.pen = Pen{clWhite, 2};
    c.brush = Brush{color};
    c.Ellipse({1, 1, size - 1, size - 1});
    return p;
}

// A flag of three bands.
Picture Flag(TColor a, TColor b, TColor c) {
    Picture p(16, 11);
    Canvas k(p);
    const TColor bands[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        k.brush = Brush{bands[i]};
        k.FillRect({0, i * 11 / 3, 16, (i + 1) * 11 / 3 + (i == 2 ? 1 : 0)});
    }
    return p;
}

// What the screen shows in r, as a picture.
Picture Grab(Screen& screen, const Rect& r) {
    screen.Paint();
    const PixelView v = screen.BackBuffer();
    Picture p(r.width(), r.height());
    for (int y = 0; y < r.height(); ++y) {
        const uint32_t* row = v.pixels + static_cast<size_t>(r.top + y) * (v.stride / 4);
        for (int x = 0; x < r.width(); ++x) p.SetPixelARGB(x, y, row[r.left + x] | 0xFF000000u);
    }
    return p;
}

Rect ScreenRect(Control& c) {
    const Point p = c.ClientToScreen({0, 0});
    return RectOfSize(p.x, p.y, c.Width(), c.Height());
}

TEST(ButtonsAndComboSnapshot, EveryControlInItsStylesAndStates) {
    TUiCustomGlowButton::fade_interval = 0;  // each look as it ends, unblended
    TestDriver d(1000, 720);
    Form& form = d.screen().Create<Form>("form");
    form.SetBounds(0, 0, 1000, 720);
    form.SetCaption("Botões e caixas de combinação");
    form.SetColor(RGBColor(236, 240, 236));
    form.Show();
    const TGDIPPicture badge = [] {
        TGDIPPicture p;
        p.LoadFromBytes(Badge(RGBColor(0, 120, 60)).SaveToPngMemory());
        return p;
    }();

    auto heading = [&](const std::string& text, int x, int y) {
        auto& l = form.Add<Label>("h" + std::to_string(x) + "_" + std::to_string(y));
        l.SetFont(Font{"Arial", 9, fsBold});
        l.SetCaption(text);
        l.SetBounds(x, y, 300, 14);
    };

    // Glow buttons: one driven through its states, each state kept as a picture.
    heading("Botão brilhante: normal, sob o mouse, pressionado, marcado, desabilitado, em foco", 10,
            4);
    auto& probe = form.Add<TUiGlowButton>("probe");
    probe.SetBounds(10, 22, 110, 41);
    probe.SetCaption("Jogar");
    probe.SetPicture(badge);
    probe.tab_stop = true;
    std::vector<Picture> states;
    states.push_back(Grab(d.screen(), ScreenRect(probe)));
    d.MoveTo(probe);
    states.push_back(Grab(d.screen(), ScreenRect(probe)));
    d.MouseDown(probe.ClientToScreen({30, 20}));
    states.push_back(Grab(d.screen(), ScreenRect(probe)));
    d.MouseUp(probe.ClientToScreen({30, 20}));
    d.MouseMove({990, 710});
    probe.SetGroupIndex(1);
    probe.SetDown(true);
    states.push_back(Grab(d.screen(), ScreenRect(probe)));
    probe.SetAllowAllUp(true);
    probe.SetDown(false);
    probe.SetEnabled(false);
    states.push_back(Grab(d.screen(), ScreenRect(probe)));
    probe.SetEnabled(true);
    probe.SetFocus();
    states.push_back(Grab(d.screen(), ScreenRect(probe)));
    d.screen().SetFocus(nullptr);
    probe.Hide();
    auto& strip = form.Add<Control>("strip");
    strip.SetBounds(10, 22, 800, 41);
    strip.on_paint = [&](Canvas& c) {
        for (size_t i = 0; i < states.size(); ++i) c.Draw(int(i) * 120, 0, states[i]);
    };

    // Layouts, a row of segments, notes, a drop-down part, styles.
    heading("Disposições, segmentos, notas, parte suspensa e estilos", 10, 70);
    const TButtonLayout layouts[] = {blGlyphLeft,        blGlyphTop,           blGlyphRight,
                                     blGlyphBottom,      blGlyphLeftAdjusted,  blGlyphRightAdjusted,
                                     blGlyphTopAdjusted, blGlyphBottomAdjusted};
    int x = 10;
    for (TButtonLayout layout : layouts) {
        auto& b = form.Add<TUiGlowButton>("layout" + std::to_string(layout));
        b.SetBounds(x, 88, 115, 60);
        b.SetCaption("Escalar");
        b.SetPicture(badge);
        b.SetLayout(layout);
        x += 122;
    }
    const TButtonPosition positions[] = {bpLeft, bpMiddle, bpMiddle, bpRight};
    const char* captions[] = {"Elenco", "Tática", "Treino", "Finanças"};
    for (int i = 0; i < 4; ++i) {
        auto& b = form.Add<TUiGlowButton>("seg" + std::to_string(i));
        b.SetBounds(10 + i * 90, 156, 90, 30);
        b.SetCaption(captions[i]);
        b.SetPosition(positions[i]);
        b.Appearance().SetBorderColorHot(clGreen);
    }
    auto& notes = form.Add<TUiGlowButton>("notes");
    notes.SetBounds(380, 156, 190, 50);
    notes.SetCaption("Contratar");
    notes.SetPicture(badge);
    notes.SetNotes({"Reforços para a", "próxima rodada"});
    auto& drop = form.Add<TUiGlowButton>("drop");
    drop.SetBounds(580, 156, 120, 30);
    drop.SetCaption("Salvar");
    drop.SetDropDownButton(true);
    auto& drop_bottom = form.Add<TUiGlowButton>("dropb");
    drop_bottom.SetBounds(710, 150, 80, 56);
    drop_bottom.SetCaption("Opções");
    drop_bottom.SetDropDownButton(true);
    drop_bottom.SetDropDownPosition(dpBottom);
    auto& square = form.Add<TUiGlowButton>("square");
    square.SetBounds(800, 156, 90, 30);
    square.SetCaption("Quadrado");
    square.SetRounded(false);
    auto& auto_sized = form.Add<TUiGlowButton>("autosize");
    auto_sized.SetBounds(900, 156, 40, 20);
    auto_sized.SetCaption("Auto");
    auto_sized.SetAutoSize(true);
    auto& plain_text = form.Add<TUiGlowButton>("aanone");
    plain_text.SetBounds(880, 274, 100, 30);
    plain_text.SetCaption("Sem suavizar");
    plain_text.SetAntiAlias(aaNone);
    const int styles[] = {0, 1, 2, 3, 6, 12, 16, 17, 18, 19};
    x = 10;
    for (int s : styles) {
        auto& b = form.Add<TUiGlowButton>("style" + std::to_string(s));
        b.SetBounds(x, 214, 90, 32);
        b.SetCaption("Estilo " + std::to_string(s));
        b.ApplyStyle(s);
        x += 97;
    }

    // Scheme buttons: every scheme, then the looks of one.
    heading("Botão de esquemas: os doze esquemas", 10, 256);
    for (int s = 0; s < csCustom; ++s) {
        auto& b = form.Add<TSchemeButton>("scheme" + std::to_string(s));
        b.SetBounds(10 + (s % 6) * 85, 274 + (s / 6) * 32, 78, 25);
        b.SetColorScheme(static_cast<TColorScheme>(s));
        b.SetCaption(std::string("&Esquema ") + std::to_string(s));
    }
    heading("Desabilitado e com figura em cada lado", 530, 256);
    auto& disabled = form.Add<TSchemeButton>("schemeoff");
    disabled.SetBounds(530, 274, 90, 25);
    disabled.SetCaption("Desabilitado");
    disabled.SetEnabled(false);
    const TButtonLayout sides[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom};
    for (int i = 0; i < 4; ++i) {
        auto& b = form.Add<TSchemeButton>("glyph" + std::to_string(i));
        b.SetBounds(630 + (i % 2) * 120, 274 + (i / 2) * 50, 110, i < 2 ? 28 : 46);
        b.SetCaption("Confirmar");
        b.SetGlyph(Badge(clRed, 16));
        b.SetLayout(sides[i]);
        b.SetColorScheme(csNeoGrass);
    }
    auto& focused = form.Add<TSchemeButton>("schemefocus");
    focused.SetBounds(530, 306, 90, 25);
    focused.SetCaption("Céu");
    focused.SetColorScheme(csSky);

    // Flat combo boxes as the game's windows place them.
    heading("Caixa de combinação plana, com rótulo e bandeiras", 10, 380);
    ImageList flags(16, 11);
    flags.Add(Flag(clGreen, clYellow, clGreen));   // 0 Brasil
    flags.Add(Flag(0xE0C080, clWhite, 0xE0C080));  // 1 Argentina
    flags.Add(Flag(clWhite, clBlue, clWhite));     // 2 Uruguai
    flags.Add(Flag(clRed, clWhite, clRed));        // 3 Peru
    auto& panel = form.Add<Panel>("pnverde");
    panel.bevel_outer = bvNone;
    panel.SetBounds(10, 398, 600, 120);
    panel.SetColor(RGBColor(0, 90, 40));
    const std::vector<std::string> names = {"Argentina", "Brasil", "Peru", "Uruguai"};
    const std::vector<int> pictures = {1, 0, 3, 2};
    auto& country = panel.Add<TUiComboBox>("cbpais");
    country.SetBounds(90, 30, 160, 21);
    country.SetItems(names, pictures);
    country.images = &flags;
    country.SetItemIndex(1);
    country.SetFlat(true);
    country.SetFlatLineColor(clYellow);
    Font yellow{"Arial", 9, fsBold, clYellow};
    country.SetFont(yellow);
    country.SetFocusColor(RGBColor(0, 60, 20));
    country.SetFocusFontColor(clWhite);
    country.SetLabelFont(yellow);
    country.SetLabelCaption("País:");
    country.SetLabelTransparent(true);
    auto& division = panel.Add<TUiComboBox>("cbdivisao");
    division.SetBounds(90, 66, 160, 21);
    division.SetItems({"Série A", "Série B", "Série C", "Série D"});
    division.SetItemIndex(0);
    division.SetFlat(true);
    division.SetFont(yellow);
    division.SetFlatLineColor(clYellow);
    division.SetLabelFont(yellow);
    division.SetLabelCaption("Divisão:");
    division.SetLabelTransparent(true);
    division.SetFocus();
    auto& bordered = panel.Add<TUiComboBox>("cbborda");
    bordered.SetBounds(380, 30, 160, 21);
    bordered.SetItems({"Titulares", "Reservas"});
    bordered.SetItemIndex(0);
    bordered.SetBorderColor(clYellow);
    bordered.SetLabelFont(yellow);
    bordered.SetLabelCaption("Com borda:");
    bordered.SetLabelPosition(lpTopLeft);
    auto& off = panel.Add<TUiComboBox>("cbdesligada");
    off.SetBounds(380, 66, 160, 21);
    off.SetItems({"Desabilitada"});
    off.SetItemIndex(0);
    off.SetFlat(true);
    off.SetEnabled(false);
    auto& plain = form.Add<TUiComboBox>("cbcomum");
    plain.SetBounds(640, 398, 160, 21);
    plain.SetItems(names, pictures);
    plain.images = &flags;
    plain.SetItemIndex(3);
    plain.SetLabelCaption("Comum:");
    plain.SetLabelPosition(lpTopLeft);

    const std::string path = d.SavePng("buttons_and_combo.png");
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::exists(path));

    // The list dropped open above the form.
    std::string open_path;
    d.Then([&] {
        open_path = d.SavePng("buttons_and_combo_open.png");
        d.Press(VK_ESCAPE);
    });
    d.Click(country);
    EXPECT_TRUE(std::filesystem::exists(open_path));
    TUiCustomGlowButton::fade_interval = 20;
}

}  // namespace
}  // namespace kv
