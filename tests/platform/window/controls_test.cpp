// The standard controls driven through the headless screen, as the game's windows use them.
#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"
#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/gauge.h"
#include "platform/window/image.h"
#include "platform/window/image_list.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/memo.h"
#include "platform/window/message_box.h"
#include "platform/window/panel.h"
#include "platform/window/popup_menu.h"
#include "platform/window/radio_button.h"
#include "platform/window/scroll_box.h"
#include "platform/window/shape.h"
#include "platform/window/test_driver.h"
#include "tests/platform/window/window_fixture.h"

namespace kv {
namespace {

using Fixture = FormFixture;

TEST(EditBox, TypingKeepsToTheMaximumLengthInCharacters) {
    Fixture f;
    Edit& e = f.form.Add<Edit>("edNome");
    e.max_length = 10;
    int changes = 0;
    e.on_change = [&] { ++changes; };
    f.form.Show();
    f.d.Type("Grêmio São Paulo");
    EXPECT_EQ(e.Text(), "Grêmio São");
    EXPECT_EQ(changes, 10);  // the characters past the limit change nothing

    struct Step {
        int key;
        ShiftState shift;
        std::string typed;
        std::string expect;
    };
    const Step steps[] = {
        {VK_BACK, 0, "", "Grêmio Sã"},
        {VK_HOME, 0, "", "Grêmio Sã"},
        {VK_DELETE, 0, "", "rêmio Sã"},
        {0, 0, "G", "Grêmio Sã"},
        {VK_END, ssShift, "", "Grêmio Sã"},  // selects to the end
        {0, 0, "ê", "Gê"},                   // typing replaces the selection
        {'A', ssCtrl, "", "Gê"},
        {'C', ssCtrl, "", "Gê"},
        {VK_END, 0, "", "Gê"},
        {'V', ssCtrl, "", "GêGê"},
    };
    for (const auto& s : steps) {
        if (s.key) f.d.Press(s.key, s.shift);
        if (!s.typed.empty()) f.d.Type(s.typed);
        EXPECT_EQ(e.Text(), s.expect) << "after key " << s.key << " / '" << s.typed << "'";
    }
    e.read_only = true;
    f.d.Type("x");
    f.d.Press(VK_BACK);
    EXPECT_EQ(e.Text(), "GêGê");
}

TEST(EditBox, SetTextIsCutToTheMaximumLength) {
    Fixture f;
    Edit& e = f.form.Add<Edit>("e");
    e.max_length = 3;
    e.SetText("Ação!");
    EXPECT_EQ(e.Text(), "Açã");
}

// An edit with room kept at both edges, its text placed by an alignment.
class MarginEdit : public Edit {
  public:
    int left = 0, right = 0;
    Alignment alignment = taLeftJustify;

  protected:
    void TextMargins(int& l, int& r) const override {
        l = left;
        r = right;
    }
    Alignment TextAlignment() const override { return alignment; }
};

TEST(EditBox, MarginsAndAlignmentPlaceTheTextAndTheCaret) {
    Fixture f;
    MarginEdit& e = f.form.Add<MarginEdit>("e");
    e.SetBounds(10, 10, 200, 22);
    e.left = 30;
    e.right = 40;
    e.SetText("Vasco");
    f.form.Show();
    // The columns of the edit that hold ink of the text, between its sunken edges.
    const auto ink = [&] {
        int first = -1, last = -1;
        for (int x = 3; x < 197; ++x)
            if (f.InkPixels(e, {x, 4, x + 1, 18}, clWindow) > 0) {
                if (first < 0) first = x;
                last = x;
            }
        return std::pair{first, last};
    };
    struct Case {
        Alignment alignment;
        int min_first, max_last;
    } cases[] = {
        {taLeftJustify, 33, 100},
        {taRightJustify, 120, 157},
        {taCenter, 60, 130},
    };
    for (const Case& c : cases) {
        e.alignment = c.alignment;
        e.Invalidate();
        const auto [first, last] = ink();
        EXPECT_GE(first, c.min_first) << c.alignment;
        EXPECT_LE(last, c.max_last) << c.alignment;
    }

    // A click just inside the left of the room puts the caret before the first character.
    e.alignment = taLeftJustify;
    f.d.ClickAt(e, {34, 10});
    EXPECT_EQ(e.SelStart(), 0);
    f.d.ClickAt(e, {150, 10});
    EXPECT_EQ(e.SelStart(), 5);

    // Typing past the room scrolls the text; nothing is drawn over the margins.
    f.d.Type(" da Gama, campeão brasileiro");
    const auto [first, last] = ink();
    EXPECT_GE(first, 30);
    EXPECT_LE(last, 160);
}

TEST(MessageBoxes, AnsweredByTheDriver) {
    struct Case {
        MsgDlgButtons buttons;
        int answer;  // a button's modal result, or 0 to press Escape
        int expect;
    };
    const Case cases[] = {
        {mbYesNo, mrYes, mrYes},
        {mbYesNo, mrNo, mrNo},
        {mbYesNo, 0, mrNo},  // Escape answers No when there is no Cancel
        {mbOKCancel, 0, mrCancel},
        {mbOK, mrOk, mrOk},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.form.Show();
        if (c.answer) {
            f.d.AnswerModal(c.answer);
        } else {
            f.d.Then([&] { f.d.Press(VK_ESCAPE); });
        }
        EXPECT_EQ(MessageDlg("Deseja sair do jogo?", mtConfirmation, c.buttons), c.expect);
    }
}

TEST(MessageBoxes, ShowTheirTextAndPortugueseButtons) {
    Fixture f;
    f.form.Show();
    std::string captions;
    f.d.Then([&] {
        for (const char* name : {"yes", "no"}) captions += f.d.Text(name) + " ";
        EXPECT_FALSE(f.d.SavePng("message_box.png").empty());
        f.d.Press(VK_RETURN);  // the first button is the default
    });
    EXPECT_EQ(MessageBox("Salvar o jogo?", "Korvanel 2014", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(captions, "Sim Não ");

    f.d.AnswerModal(mrOk);
    ShowMessage("Jogo salvo.");
    ASSERT_EQ(f.d.Messages().size(), 1u);
    EXPECT_EQ(f.d.Messages()[0], "Jogo salvo.");
}

TEST(CheckAndRadio, RadioButtonsAreGroupedByParent) {
    Fixture f;
    auto& r1 = f.form.Add<RadioButton>("r1");
    auto& r2 = f.form.Add<RadioButton>("r2");
    r2.SetTop(30);
    auto& panel = f.form.Add<Panel>("panel");
    panel.SetBounds(200, 0, 150, 100);
    auto& p1 = panel.Add<RadioButton>("p1");
    auto& check = f.form.Add<CheckBox>("check");
    check.SetTop(60);
    int r2_clicks = 0, check_clicks = 0;
    r2.on_click = [&] { ++r2_clicks; };
    check.on_click = [&] { ++check_clicks; };
    f.form.Show();

    r1.SetChecked(true);
    p1.SetChecked(true);
    f.d.Click(r2);
    EXPECT_FALSE(r1.Checked());
    EXPECT_TRUE(r2.Checked());
    EXPECT_TRUE(p1.Checked()) << "another parent, another group";
    f.d.Click(r2);  // already checked: nothing happens
    EXPECT_EQ(r2_clicks, 1);

    f.d.Click(check);
    check.SetFocus();
    f.d.Press(VK_SPACE);
    EXPECT_FALSE(check.Checked());
    EXPECT_EQ(check_clicks, 2);
}

TEST(Combo, ChoosingFromTheDropDownListFiresOnChange) {
    Fixture f;
    auto& combo = f.form.Add<ComboBox>("cbPais");
    combo.SetItems({"Brasil", "Argentina", "Uruguai"});
    combo.SetItemIndex(0);
    int changes = 0;
    combo.on_change = [&] { ++changes; };
    f.form.Show();

    f.d.Then([&] {
        ListBox* list = combo.DropDownList();
        ASSERT_NE(list, nullptr);
        f.d.ClickAt(*list, {10, list->ItemHeight() * 2 + 4});
    });
    f.d.Click(combo);
    EXPECT_EQ(combo.Text(), "Uruguai");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(combo.DroppedDown());

    f.d.Then([&] { f.d.MouseDown({1000, 700}); });  // outside: dismissed, nothing chosen
    f.d.Click(combo);
    EXPECT_EQ(combo.ItemIndex(), 2);

    f.d.Press(VK_UP);
    EXPECT_EQ(combo.Text(), "Argentina");
    EXPECT_EQ(changes, 2);
    f.d.Type("b");  // a letter jumps to the next item starting with it
    EXPECT_EQ(combo.Text(), "Brasil");
    f.d.Type("x");
    EXPECT_EQ(combo.Text(), "Brasil");
    EXPECT_EQ(changes, 3);
}

TEST(Menus, PopupRunsTheChosenItemAfterClosing) {
    Fixture f;
    auto& menu = f.form.AddComponent<PopupMenu>("menu");
    std::string ran;
    menu.Add("mnuVer", "Ver jogador", [&] { ran += "ver "; });
    menu.items.AddSeparator();
    menu.Add("mnuVender", "Vender", [&] { ran += "vender "; }).enabled = false;
    menu.Add("mnuOculto", "Oculto").visible = false;
    MenuItem& more = menu.Add("mnuMais", "Mais");
    more.Add("mnuEmprestar", "Emprestar", [&] { ran += "emprestar "; });
    auto& target = f.form.Add<Panel>("target");
    target.popup_menu = &menu;
    f.form.Show();

    f.d.Then([&] {
        EXPECT_FALSE(f.d.Exists("mnuOculto"));
        f.d.Click("mnuVender");  // disabled: the menu stays open
        f.d.Click("mnuVer");
    });
    f.d.ClickAt(target, {5, 5}, mbRight);
    EXPECT_EQ(ran, "ver ");

    f.d.Then([&] { f.d.Click("mnuMais"); });
    f.d.Then([&] { f.d.Click("mnuEmprestar"); });
    MenuItem* chosen = menu.Popup(100, 100);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->name, "mnuEmprestar");
    EXPECT_EQ(ran, "ver emprestar ");

    f.d.Then([&] { f.d.Press(VK_ESCAPE); });
    EXPECT_EQ(menu.Popup(100, 100), nullptr);

    // The keyboard skips the separator and the disabled item, and opens sub-menus.
    f.d.Then([&] {
        for (int key : {VK_DOWN, VK_DOWN, VK_RIGHT}) f.d.Press(key);
    });
    f.d.Then([&] {
        f.d.Press(VK_DOWN);
        f.d.Press(VK_RETURN);
    });
    chosen = menu.Popup(100, 100);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->name, "mnuEmprestar");
}

TEST(Labels, AutoSizeFollowsTheCaption) {
    Fixture f;
    auto& label = f.form.Add<Label>("lb");
    label.SetCaption("Campeonato");
    const int one_line = label.Height();
    const int wide = label.Width();
    EXPECT_GT(wide, 20);
    label.SetCaption("Campeonato Brasileiro");
    EXPECT_GT(label.Width(), wide);

    auto& right = f.form.Add<Label>("right");
    right.SetBounds(100, 50, 200, 13);
    right.SetAlignment(taRightJustify);
    right.SetCaption("R$ 1.000");
    EXPECT_EQ(right.Left() + right.Width(), 300) << "the right edge stays";

    auto& wrap = f.form.Add<Label>("wrap");
    wrap.SetBounds(0, 100, 60, 13);
    wrap.SetWordWrap(true);
    wrap.SetCaption("uma frase longa que precisa quebrar");
    EXPECT_EQ(wrap.Width(), 60);
    EXPECT_GE(wrap.Height(), 3 * one_line);
}

TEST(Lists, KeysAndClicksSelectAndScroll) {
    Fixture f;
    auto& list = f.form.Add<ListBox>("lista");
    std::vector<std::string> items;
    for (int i = 0; i < 30; ++i) items.push_back("Jogador " + std::to_string(i));
    list.SetItems(items);
    int clicks = 0;
    list.on_click = [&] { ++clicks; };
    f.form.Show();
    f.d.ClickAt(list, {10, 2 + list.ItemHeight() * 3 + 1});
    EXPECT_EQ(list.ItemIndex(), 3);
    f.d.Press(VK_DOWN);
    f.d.Press(VK_END);
    EXPECT_EQ(list.ItemIndex(), 29);
    EXPECT_GT(list.TopIndex(), 0) << "the selection scrolled into view";
    EXPECT_EQ(clicks, 3);
    f.d.Press(VK_END);  // no change, no event
    EXPECT_EQ(clicks, 3);
}

TEST(ScrollBoxes, WheelScrollsAndClicksStillFindTheirChild) {
    Fixture f;
    auto& box = f.form.Add<ScrollBox>("box");
    box.SetBounds(0, 0, 200, 100);
    std::string clicked;
    for (int i = 0; i < 10; ++i) {
        auto& row = box.Add<Panel>("row" + std::to_string(i));
        row.SetBounds(0, i * 40, 150, 40);
        row.on_click = [&clicked, i] { clicked = std::to_string(i); };
    }
    f.form.Show();
    f.d.MoveTo(box, {10, 10});
    f.d.Wheel(-120);
    EXPECT_EQ(box.ScrollPos(), 60);
    f.d.ClickAt(box, {10, 10});
    EXPECT_EQ(clicked, "1");  // 60 + 10 lies in the second row
    f.d.Wheel(-120 * 10);
    EXPECT_EQ(box.ScrollPos(), 400 - box.ClientHeight());
}

TEST(ScrollBoxes, AFocusedControlIsScrolledIntoView) {
    Fixture f;
    auto& box = f.form.Add<ScrollBox>("box");
    box.SetBounds(0, 0, 200, 100);
    auto& inner = box.Add<Panel>("inner");
    inner.SetBounds(0, 0, 150, 400);
    auto& deep = inner.Add<Edit>("deep");
    deep.SetBounds(0, 300, 100, 21);
    f.form.Show();
    deep.SetFocus();
    EXPECT_EQ(box.ScrollPos(), 300 + 21 + 1 - box.ClientHeight());  // the panel's bevel is 1
    f.d.Type("a");
    EXPECT_EQ(deep.Text(), "a");
}

TEST(Forms, ScaleByScalesChildrenAndFonts) {
    Fixture f;
    Font big;
    big.size = 10;
    f.form.SetFont(big);
    auto& b = f.form.Add<Button>("b");
    b.SetBounds(10, 20, 100, 40);
    const int client_width = f.form.ClientWidth();
    f.form.ScaleBy(3, 2);
    EXPECT_EQ(b.BoundsRect(), RectOfSize(15, 30, 150, 60));
    EXPECT_EQ(b.font().size, 15);
    EXPECT_EQ(f.form.ClientWidth(), client_width * 3 / 2);
    EXPECT_EQ(f.form.Left(), 20);

    const struct {
        int value, m, d, expect;
    } rounding[] = {{5, 1, 2, 3}, {-5, 1, 2, -3}, {7, 1280, 800, 11}, {4, 1, 3, 1}, {1, 1, 0, -1}};
    for (const auto& r : rounding) EXPECT_EQ(MulDiv(r.value, r.m, r.d), r.expect);
}

TEST(Pictures, ImagePlacement) {
    Fixture f;
    auto& image = f.form.Add<Image>("img");
    image.SetBounds(0, 0, 100, 50);
    image.SetPicture(Picture(200, 50));
    struct Case {
        bool stretch, proportional, center;
        Rect expect;
    };
    const Case cases[] = {
        {false, false, false, RectOfSize(0, 0, 200, 50)},
        {true, false, false, RectOfSize(0, 0, 100, 50)},
        {false, true, false, RectOfSize(0, 0, 100, 25)},
        {false, true, true, RectOfSize(0, 12, 100, 25)},
        {false, false, true, RectOfSize(-50, 0, 200, 50)},
    };
    for (const auto& c : cases) {
        image.stretch = c.stretch;
        image.proportional = c.proportional;
        image.center = c.center;
        EXPECT_EQ(image.DestRect(), c.expect);
    }
}

TEST(Pictures, ImageListsStretchEachPictureIntoACell) {
    ImageList flags(18, 18);
    Picture wide(100, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x) wide.SetPixelARGB(x, y, x < 50 ? 0xFFFF0000 : 0xFF0000FF);
    EXPECT_EQ(flags.Add(wide), 0);
    EXPECT_EQ(flags.Add(Picture()), 1);  // a missing picture still takes its index
    ASSERT_EQ(flags.Count(), 2);
    // The stretch waits for first use, at the size the list had when the picture was added.
    flags.width = flags.height = 30;
    EXPECT_FALSE(flags.Stretched(0));
    const Picture& cell = flags.Get(0);
    EXPECT_TRUE(flags.Stretched(0));
    EXPECT_FALSE(flags.Stretched(1));
    EXPECT_EQ(cell.width(), 18);
    EXPECT_EQ(cell.height(), 18);
    EXPECT_EQ(cell.PixelARGB(2, 9), 0xFFFF0000u);
    EXPECT_EQ(cell.PixelARGB(15, 9), 0xFF0000FFu);
    Canvas canvas(40, 40);
    flags.Draw(canvas, 0, 0, 5);  // no such image: nothing drawn
    flags.Draw(canvas, 10, 10, 0);
    EXPECT_EQ(canvas.Pixel(12, 19), clRed);
    EXPECT_EQ(canvas.Pixel(5, 5), clWhite);
    flags.Draw(canvas, 0, 0, 1);  // drawing is a first use too; the empty cell draws nothing
    EXPECT_TRUE(flags.Stretched(1));
    EXPECT_EQ(flags.Get(1).width(), 18);
    EXPECT_EQ(canvas.Pixel(5, 5), clWhite);
}

TEST(Gauges, PercentDoneOfTheRange) {
    Gauge g;
    const struct {
        int min, max, progress, percent;
    } cases[] = {{0, 100, 65, 65}, {50, 150, 100, 50}, {0, 100, 250, 100}, {0, 0, 0, 0}, {0, 3, 1, 33}};
    for (const auto& c : cases) {
        g.min_value = c.min;
        g.max_value = c.max;
        g.SetProgress(c.progress);
        EXPECT_EQ(g.PercentDone(), c.percent) << c.min << ".." << c.max << " at " << c.progress;
    }
}

TEST(Painting, ControlsPaintInsideTheirParentsAndZOrder) {
    Fixture f;
    f.form.SetBorderStyle(bsNone);
    f.form.SetColor(clWhite);
    auto& panel = f.form.Add<Panel>("panel");
    panel.bevel_outer = bvNone;
    panel.SetBounds(10, 10, 50, 50);
    panel.SetColor(clRed);
    auto& inner = panel.Add<Panel>("inner");
    inner.bevel_outer = bvNone;
    inner.SetBounds(40, 40, 50, 50);  // sticks out of its parent: clipped
    inner.SetColor(clBlue);
    auto& hidden = f.form.Add<Panel>("hidden");
    hidden.SetBounds(100, 100, 20, 20);
    hidden.SetColor(clLime);
    hidden.Hide();
    f.form.Show();
    f.d.Pump();
    Screen& s = f.d.screen();
    const int x0 = f.form.Left(), y0 = f.form.Top();
    EXPECT_EQ(s.PixelAt(x0 + 20, y0 + 20), clRed);
    EXPECT_EQ(s.PixelAt(x0 + 55, y0 + 55), clBlue);
    EXPECT_EQ(s.PixelAt(x0 + 65, y0 + 65), clWhite);
    EXPECT_EQ(s.PixelAt(x0 + 110, y0 + 110), clWhite);
    EXPECT_EQ(s.PixelAt(5, 5), s.desktop_color);

    hidden.Show();
    panel.SetColor(clYellow);
    f.d.Pump();
    EXPECT_EQ(s.PixelAt(x0 + 110, y0 + 110), clLime);
    EXPECT_EQ(s.PixelAt(x0 + 20, y0 + 20), clYellow);
}

TEST(Painting, LayeredFormsShowWhatLiesBeneathWhereTheyLeavePixelsTransparent) {
    Fixture f;
    f.form.SetBorderStyle(bsNone);
    f.form.SetColor(clRed);
    Form& glass = f.d.screen().Create<Form>("glass");
    glass.layered = true;
    glass.position = poOwnerFormCenter;
    glass.owner_form = &f.form;
    glass.SetBounds(0, 0, 100, 100);
    glass.on_paint = [](Canvas& c) {
        c.brush = Brush{clBlue};
        c.FillRect({0, 0, 50, 100});  // the right half stays transparent
    };
    f.form.Show();
    glass.Show();
    f.d.Pump();
    EXPECT_EQ(glass.BoundsRect(), RectOfSize(170, 120, 100, 100));
    EXPECT_EQ(f.d.screen().PixelAt(180, 150), clBlue);
    EXPECT_EQ(f.d.screen().PixelAt(260, 150), clRed);
}

TEST(Painting, AButtonLooksPressedOnlyWhileHeldUnderTheMouse) {
    Fixture f;
    auto& b = f.form.Add<Button>("b");
    b.SetBounds(10, 10, 80, 30);
    f.form.Show();
    Screen& s = f.d.screen();
    auto edge = [&] {
        f.d.Pump();
        const Point p = b.ClientToScreen({1, 1});  // inside the focus frame
        return s.PixelAt(p.x, p.y);
    };
    const TColor raised = ColorToRGB(clBtnHighlight), pressed = ColorToRGB(cl3DDkShadow);
    f.d.MouseDown(b.ClientToScreen({40, 15}));
    EXPECT_EQ(edge(), pressed);
    f.d.MouseMove(b.ClientToScreen({200, 15}));
    EXPECT_EQ(edge(), raised);
    f.d.MouseMove(b.ClientToScreen({40, 15}));
    EXPECT_EQ(edge(), pressed);
    f.d.MouseUp(b.ClientToScreen({40, 15}));
    EXPECT_EQ(edge(), raised);

    // A window opened by the press takes the release: the button must not stay pressed.
    b.on_mouse_down = [&](MouseButton, ShiftState, int, int) {
        Form& other = f.d.screen().Create<Form>("other");
        other.SetBounds(500, 500, 100, 100);
        f.d.Then([&] { other.SetModalResult(mrOk); });
        other.ShowModal();
        other.Release();
    };
    f.d.Advance(1000);
    f.d.MouseDown(b.ClientToScreen({40, 15}));
    EXPECT_EQ(edge(), raised);
    f.d.MouseUp(b.ClientToScreen({40, 15}));
}

TEST(Painting, DemoOfTheStandardControls) {
    Fixture f;
    Form& form = f.form;
    form.SetCaption("Controles");
    form.SetBounds(20, 20, 520, 380);
    auto place = [](Control& c, int l, int t, int w, int h) { c.SetBounds(l, t, w, h); };
    auto& label = form.Add<Label>("label");
    label.SetCaption("Nome do clube:");
    place(label, 10, 12, 0, 0);
    auto& edit = form.Add<Edit>("edit");
    place(edit, 100, 8, 150, 21);
    auto& ok = form.Add<Button>("ok");
    ok.SetCaption("OK");
    ok.is_default = true;
    place(ok, 260, 6, 75, 25);
    auto& cancel = form.Add<Button>("cancel");
    cancel.SetCaption("Cancelar");
    place(cancel, 340, 6, 75, 25);
    cancel.SetEnabled(false);
    auto& check = form.Add<CheckBox>("check");
    check.SetCaption("Som ligado");
    check.SetChecked(true);
    place(check, 10, 40, 120, 17);
    auto& radio1 = form.Add<RadioButton>("r1");
    radio1.SetCaption("Fácil");
    radio1.SetChecked(true);
    place(radio1, 140, 40, 80, 17);
    auto& radio2 = form.Add<RadioButton>("r2");
    radio2.SetCaption("Difícil");
    place(radio2, 220, 40, 80, 17);
    auto& list = form.Add<ListBox>("list");
    list.SetItems({"Atacante", "Meia", "Zagueiro", "Goleiro", "Lateral", "Volante", "Ponta"});
    list.SetItemIndex(1);
    place(list, 10, 65, 140, 80);
    auto& combo = form.Add<ComboBox>("combo");
    combo.SetItems({"Série A", "Série B"});
    combo.SetItemIndex(0);
    place(combo, 160, 65, 140, 21);
    auto& memo = form.Add<Memo>("memo");
    memo.SetText("Notícias do dia:\nO time venceu o clássico por 3 a 1 e assumiu a liderança "
                 "do campeonato.");
    place(memo, 310, 65, 190, 80);
    auto& gauge = form.Add<Gauge>("gauge");
    gauge.SetProgress(65);
    place(gauge, 160, 95, 140, 20);
    auto& panel = form.Add<Panel>("panel");
    panel.SetCaption("Painel");
    place(panel, 10, 155, 140, 50);
    auto& bevel = form.Add<Bevel>("bevel");
    place(bevel, 160, 155, 140, 50);
    auto& shape = form.Add<Shape>("shape");
    shape.shape = stCircle;
    shape.brush = Brush{clGreen};
    place(shape, 310, 155, 50, 50);
    auto& box = form.Add<ScrollBox>("box");
    place(box, 10, 215, 200, 100);
    for (int i = 0; i < 5; ++i) {
        auto& l = box.Add<Label>("l" + std::to_string(i));
        l.SetCaption("Linha " + std::to_string(i + 1));
        l.SetBounds(5, i * 30, 0, 0);
    }
    form.Show();
    edit.SetFocus();
    f.d.Type("Clube Atlético");
    const std::string path = f.d.SavePng("window_demo.png");
    ASSERT_FALSE(path.empty());
    Picture written;
    ASSERT_TRUE(written.LoadFromFile(path));
    EXPECT_EQ(written.width(), f.d.screen().Width());
    EXPECT_EQ(edit.Text(), "Clube Atlético");
}

}  // namespace
}  // namespace kv
