#include <gtest/gtest.h>

#include "platform/window/panel.h"
#include "platform/window/test_driver.h"
#include "ui/markup/markup_check_box.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/markup_links.h"
#include "ui/markup/markup_radio_button.h"

namespace kv {
namespace {

struct Window {
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    TMarkupCheckBox& box = form.Add<TMarkupCheckBox>("ckopcao");
    TMarkupCheckBox& other = form.Add<TMarkupCheckBox>("ckoutra");
    int clicks = 0;
    std::vector<std::string> anchors;
    std::vector<std::string> opened;

    Window() {
        form.SetBounds(20, 20, 400, 300);
        box.SetBounds(10, 10, 300, 20);
        box.SetCaption(
            R"(Aceito as <A href="regras">regras</A> e o <A href="http://k.example">site</A>)");
        other.SetBounds(10, 40, 200, 20);
        box.on_click = [&] { ++clicks; };
        box.on_anchor_click = [&](const std::string& a) { anchors.push_back(a); };
        MarkupOpenAddressHook() = [&](const std::string& a) { opened.push_back(a); };
        form.Show();
        other.SetFocus();
    }
    ~Window() { MarkupOpenAddressHook() = nullptr; }

    Point At(Control& c, int x, int y = 10) { return c.ClientToScreen({x, y}); }
    // The client x of the middle of a caption word, found by the control's own hit test.
    int XOfAnchor(const std::string& target) {
        for (int x = 0; x < box.Width(); ++x)
            if (box.AnchorAt(x, 10) == target) return x + 3;
        return -1;
    }
};

TEST(MarkupCheckBox, PressAndReleaseSequences) {
    Window w;
    struct Step {
        const char* what;
        std::function<void(Window&)> act;
        bool checked, down;
        int clicks;
    };
    const Step steps[] = {
        {"press on the box", [](Window& w) { w.d.MouseDown(w.At(w.box, 5)); }, false, true, 0},
        {"release inside toggles", [](Window& w) { w.d.MouseUp(w.At(w.box, 5)); }, true, false, 1},
        {"press again", [](Window& w) { w.d.MouseDown(w.At(w.box, 5)); }, true, true, 1},
        {"dragged outside it looks up", [](Window& w) { w.d.MouseMove(w.At(w.box, 5, 60)); }, true,
         false, 1},
        {"back inside it looks down again", [](Window& w) { w.d.MouseMove(w.At(w.box, 8)); }, true,
         true, 1},
        {"released outside nothing changes",
         [](Window& w) {
             w.d.MouseMove(w.At(w.box, 5, 60));
             w.d.MouseUp(w.At(w.box, 5, 60));
         },
         true, false, 1},
        {"space held down",
         [](Window& w) { w.d.KeyDown(VK_SPACE); },
         true, true, 1},
        {"space released toggles",
         [](Window& w) { w.d.KeyUp(VK_SPACE); },
         false, false, 2},
        {"a grayed box toggles to checked",
         [](Window& w) {
             w.box.SetState(cbGrayed);
             w.d.Press(VK_SPACE);
         },
         true, false, 3},
        {"read-only: the click is heard, the state stays",
         [](Window& w) {
             w.box.read_only = true;
             w.d.ClickAt(w.box, {5, 10});
             w.d.Press(VK_SPACE);
         },
         true, false, 5},
    };
    for (const auto& s : steps) {
        s.act(w);
        EXPECT_EQ(w.box.Checked(), s.checked) << s.what;
        EXPECT_EQ(w.box.Down(), s.down) << s.what;
        EXPECT_EQ(w.clicks, s.clicks) << s.what;
    }
    EXPECT_EQ(w.box.State(), cbChecked);
}

TEST(MarkupCheckBox, AnchorsAnswerOnlyOnceTheBoxHasTheFocus) {
    Window w;
    const int regras = w.XOfAnchor("regras");
    const int site = w.XOfAnchor("http://k.example");
    ASSERT_GT(regras, 0);
    ASSERT_GT(site, regras);

    // The first click only focuses and toggles, even over an anchor.
    w.d.ClickAt(w.box, {regras, 10});
    EXPECT_TRUE(w.box.Focused());
    EXPECT_TRUE(w.box.Checked());
    EXPECT_TRUE(w.anchors.empty());

    // Focused: the anchor is reported, and the release toggles as well.
    w.d.ClickAt(w.box, {regras, 10});
    EXPECT_EQ(w.anchors, std::vector<std::string>{"regras"});
    EXPECT_FALSE(w.box.Checked());
    EXPECT_EQ(w.box.cursor, crHandPoint);

    // A web address goes to the browser instead of the game.
    w.d.ClickAt(w.box, {site, 10});
    EXPECT_EQ(w.opened, std::vector<std::string>{"http://k.example"});
    EXPECT_EQ(w.anchors.size(), 1u);

    w.d.MoveTo(w.box, {3, 10});
    EXPECT_EQ(w.box.cursor, crDefault);
}

TEST(MarkupCheckBox, AcceleratorsAndReturnAsTab) {
    Window w;
    w.box.SetCaption("<B>&Aceito</B> as regras");
    auto& label = w.form.Add<TMarkupLabel>("labnome");
    label.SetHTMLText("<I>&Nome</I>");
    label.focus_control = &w.other;

    w.d.Press('A', ssAlt);
    EXPECT_TRUE(w.box.Checked());
    EXPECT_EQ(w.clicks, 1);
    EXPECT_TRUE(w.box.Focused());

    w.d.Press('N', ssAlt);  // the label hands its accelerator to its focus control
    EXPECT_TRUE(w.other.Focused());
    EXPECT_FALSE(w.other.Checked());

    w.box.SetFocus();
    w.box.return_is_tab = true;
    w.d.Press(VK_RETURN);
    EXPECT_TRUE(w.other.Focused());
    EXPECT_TRUE(w.box.Checked());  // Return moved on without toggling
    EXPECT_EQ(w.clicks, 1);
}

TEST(MarkupCheckBox, DisabledCaptionIsDrawnOnceWithoutItsShadow) {
    // Counted through the white emboss: with it, near-white pixels appear beside the grey caption.
    const auto white_pixels = [](bool shadow) {
        Window w;
        w.box.SetCaption("Mmmm");
        w.box.SetDisabledShadow(shadow);
        w.box.SetEnabled(false);
        w.form.SetColor(clBlack);
        Canvas canvas(300, 20);
        canvas.brush = Brush{clBlack};
        canvas.FillRect({0, 0, 300, 20});
        w.box.Paint(canvas);
        int white = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 17; x < 80; ++x) white += GetRValue(canvas.Pixel(x, y)) > 200 ? 1 : 0;
        return white;
    };
    EXPECT_GT(white_pixels(true), 0);
    EXPECT_EQ(white_pixels(false), 0);
}

struct RadioWindow {
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    TMarkupCheckBox& first = form.Add<TMarkupCheckBox>("ckprimeiro");
    Panel& left = form.Add<Panel>("pnesquerda");
    Panel& right = form.Add<Panel>("pndireita");
    TMarkupRadioButton& a = left.Add<TMarkupRadioButton>("rba");
    TMarkupRadioButton& b = left.Add<TMarkupRadioButton>("rbb");
    TMarkupRadioButton& other_group = left.Add<TMarkupRadioButton>("rbgrupo");
    TMarkupRadioButton& c = right.Add<TMarkupRadioButton>("rbc");
    std::vector<std::string> clicks;

    RadioWindow() {
        form.SetBounds(20, 20, 500, 300);
        first.SetBounds(10, 10, 100, 20);
        left.SetBounds(10, 40, 200, 120);
        right.SetBounds(220, 40, 200, 120);
        for (auto* r : {&a, &b, &other_group, &c}) {
            r->on_click = [this, r] { clicks.push_back(r->Name()); };
        }
        a.SetBounds(5, 5, 150, 20);
        b.SetBounds(5, 30, 150, 20);
        other_group.SetBounds(5, 55, 150, 20);
        other_group.group_index = 1;
        c.SetBounds(5, 5, 150, 20);
        other_group.SetChecked(true);
        c.SetChecked(true);
        clicks.clear();
        form.Show();
        first.SetFocus();
    }

    std::string Checked() {
        std::string out;
        for (auto* r : {&a, &b, &other_group, &c}) out += r->Checked() ? "1" : "0";
        return out;
    }
};

TEST(MarkupRadioButton, TabbingInChecksOnlyWithinItsGroupOnItsParent) {
    RadioWindow w;
    struct Step {
        const char* what;
        std::function<void(RadioWindow&)> act;
        std::string checked;  // a, b, other group, other parent
        std::vector<std::string> clicks;
    };
    const Step steps[] = {
        {"Tab into the first radio button checks it",
         [](RadioWindow& w) { w.d.Press(VK_TAB); },
         "1011",
         {"rba"}},
        {"Tab to its sibling moves the check",
         [](RadioWindow& w) { w.d.Press(VK_TAB); },
         "0111",
         {"rba", "rbb"}},
        {"the other group and the other parent kept theirs",
         [](RadioWindow& w) { w.d.Press(VK_TAB); },
         "0111",
         {"rba", "rbb"}},
        {"clicking a checked one fires nothing",
         [](RadioWindow& w) {
             w.d.ClickAt(w.b, {5, 10});
         },
         "0111",
         {"rba", "rbb"}},
        {"clicking an unchecked one checks it",
         [](RadioWindow& w) {
             w.d.ClickAt(w.a, {5, 10});
         },
         "1011",
         {"rba", "rbb", "rba"}},
        {"released outside: the focus came with the press, nothing else",
         [](RadioWindow& w) {
             w.d.MouseDown(w.b.ClientToScreen({5, 10}));
             w.d.MouseMove(w.b.ClientToScreen({5, 90}));
             w.d.MouseUp(w.b.ClientToScreen({5, 90}));
         },
         "0111",
         {"rba", "rbb", "rba", "rbb"}},
        {"set in code it still unchecks its group and is heard",
         [](RadioWindow& w) { w.a.SetChecked(true); },
         "1011",
         {"rba", "rbb", "rba", "rbb", "rba"}},
    };
    for (const auto& s : steps) {
        s.act(w);
        EXPECT_EQ(w.Checked(), s.checked) << s.what;
        EXPECT_EQ(w.clicks, s.clicks) << s.what;
    }
    // Only a checked radio button stays a tab stop.
    EXPECT_TRUE(w.a.tab_stop);
    EXPECT_FALSE(w.b.tab_stop);
}

}  // namespace
}  // namespace kv
