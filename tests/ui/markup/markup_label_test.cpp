#include "ui/markup/markup_label.h"

#include <gtest/gtest.h>

#include "platform/window/test_driver.h"
#include "tests/ui/markup/fake_canvas.h"
#include "ui/markup/markup_links.h"

namespace kv {
namespace {

using test::BaseFont;
using test::FakeCanvas;

// Lays its text out with the tests' fixed-width font: every character 8 by 16 pixels.
class FakeMeasuredLabel : public TMarkupLabel {
  public:
    std::vector<MarkupOptions> drawn;  // the options of every drawing (not measuring) pass

  protected:
    MarkupResult DrawMarkupText(Canvas&, std::string_view text, MarkupOptions o) override {
        if (!o.hit_test_only) drawn.push_back(o);
        FakeCanvas c;
        return DrawMarkup(c, BaseFont(), clNone, text, o);
    }
};

TEST(MarkupLabel, AutoSizingArithmetic) {
    struct Case {
        const char* what;
        Align align;
        TAutoSizeType type;
        TVAlignment valign;
        int border;  // a single border this wide
        int width, height, text_top;
    };
    // "abc" measures 24 + 2 wide and 16 high; sizing adds 6 to each dimension it changes.
    const Case cases[] = {
        {"both", alNone, asBoth, tvaTop, 0, 32, 22, 0},
        {"vertical only", alNone, asVertical, tvaTop, 0, 120, 22, 0},
        {"horizontal only", alNone, asHorizontal, tvaTop, 0, 32, 17, 0},
        {"centred: 3 from sizing, 3 from centring", alNone, asBoth, tvaCenter, 0, 32, 22, 6},
        {"bottom-aligned", alNone, asBoth, tvaBottom, 0, 32, 22, 6},
        {"a single border grows both by twice its width", alNone, asBoth, tvaTop, 2, 36, 26, 4},
        {"aligned to the top: only the height follows", alTop, asBoth, tvaTop, 0, 200, 22, 0},
    };
    for (const auto& c : cases) {
        Control parent;
        parent.SetBounds(0, 0, 200, 100);
        auto& label = parent.Add<FakeMeasuredLabel>("lab");
        label.SetAlign(c.align);
        label.SetHTMLText("abc");
        label.SetVAlignment(c.valign);
        if (c.border) {
            label.SetBorderStyle(bsSingle);
            label.SetBorderWidth(c.border);
        }
        label.SetAutoSizeType(c.type);
        label.SetAutoSizing(true);
        if (c.align == alTop) label.SetHeight(40);
        Canvas canvas(200, 100);
        label.Paint(canvas);
        EXPECT_EQ(label.Width(), c.width) << c.what;
        EXPECT_EQ(label.Height(), c.height) << c.what;
        ASSERT_FALSE(label.drawn.empty());
        EXPECT_EQ(label.drawn.back().bounds.top, c.text_top) << c.what;
    }
}

TEST(MarkupLabel, SingleBorderShowsOnTheLabelsEdge) {
    for (const int width : {1, 2}) {
        Control parent;
        parent.SetBounds(0, 0, 100, 40);
        auto& label = parent.Add<TMarkupLabel>("lab");
        label.SetBounds(0, 0, 60, 20);
        label.SetTransparent(false);
        label.SetColor(clWhite);
        label.SetBorderStyle(bsSingle);
        label.SetBorderWidth(width);
        label.SetBorderColor(clRed);
        Canvas canvas(100, 40);
        label.Paint(canvas);
        for (const Point p : {Point{0, 0}, Point{59, 0}, Point{0, 19}, Point{59, 19},
                              Point{30, width - 1}, Point{60 - width, 10}}) {
            EXPECT_EQ(canvas.Pixel(p.x, p.y), clRed) << width << " at " << p.x << "," << p.y;
        }
        EXPECT_EQ(canvas.Pixel(30, width + 1), clWhite) << width;
        EXPECT_EQ(canvas.Pixel(61, 10), clWhite) << "nothing outside the label";
    }
}

TEST(MarkupLabel, NewSizeFiresOnlyWhenTheSizeChanged) {
    FakeMeasuredLabel label;
    std::vector<std::pair<int, int>> sizes;
    label.on_new_size = [&](int w, int h) { sizes.emplace_back(w, h); };
    label.SetAutoSizeType(asBoth);
    label.SetAutoSizing(true);
    label.SetHTMLText("abc");
    Canvas canvas(300, 100);
    label.Paint(canvas);
    label.Paint(canvas);
    label.SetHTMLText("abcde");
    label.Paint(canvas);
    label.Paint(canvas);
    const std::vector<std::pair<int, int>> expected = {{32, 22}, {48, 22}};
    EXPECT_EQ(sizes, expected);
}

TEST(MarkupLabel, TextAssignedDropsLineBreaksWhileStoredLinesJoinWithABlank) {
    TMarkupLabel label;
    label.SetHTMLText(std::vector<std::string>{"a", "b"});
    EXPECT_EQ(label.GetDisplayText(), "ab");
    label.SetHTMLText("x\r\ny");
    EXPECT_EQ(label.GetDisplayText(), "xy");
    label.SetHTMLLines({"a", "b"});
    EXPECT_EQ(label.GetDisplayText(), "a b");
    EXPECT_EQ(label.Version(), "1.9.0.2");
}

struct LabelOnForm {
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    FakeMeasuredLabel& label = form.Add<FakeMeasuredLabel>("labinfo");
    std::vector<std::string> events;
    std::vector<std::string> opened;

    LabelOnForm() {
        form.SetBounds(20, 20, 400, 200);
        label.SetBounds(10, 10, 300, 40);
        label.on_anchor_enter = [&](const std::string& a) { events.push_back("enter " + a); };
        label.on_anchor_exit = [&](const std::string& a) { events.push_back("exit" + a); };
        label.on_anchor_click = [&](const std::string& a) { events.push_back("click " + a); };
        label.on_mouse_leave = [&] { events.push_back("leave"); };
        MarkupOpenAddressHook() = [&](const std::string& a) { opened.push_back(a); };
        form.Show();
    }
    ~LabelOnForm() { MarkupOpenAddressHook() = nullptr; }
};

TEST(MarkupLabel, AnchorEnterAndExitFollowTheMouse) {
    LabelOnForm f;
    // "ab " 0-24, anchor "cd" 24-40, " ef " 40-72, anchor "gh" 72-88.
    f.label.SetHTMLText(R"(ab <A href="http://um.example">cd</A> ef <A href="dois">gh</A>)");
    f.label.anchor_hint = true;
    f.label.on_anchor_hint = [](std::string& a) { a = "vá para " + a; };
    struct Move {
        int x;
        std::vector<std::string> events;  // all so far
    };
    const Move moves[] = {
        {5, {}},
        {30, {"enter http://um.example"}},
        {36, {"enter http://um.example"}},  // the same anchor: nothing new
        {44, {"enter http://um.example", "exit"}},
        {75, {"enter http://um.example", "exit", "enter dois"}},
        // Straight from one anchor to another: the new one is entered, the old never left.
        {30, {"enter http://um.example", "exit", "enter dois", "enter http://um.example"}},
        {5, {"enter http://um.example", "exit", "enter dois", "enter http://um.example", "exit"}},
    };
    for (const auto& m : moves) {
        f.d.MoveTo(f.label, {m.x, 5});
        EXPECT_EQ(f.events, m.events) << "at x " << m.x;
        const bool on_anchor = m.x == 30 || m.x == 36 || m.x == 75;
        EXPECT_EQ(f.label.cursor, on_anchor ? crHandPoint : crDefault) << "at x " << m.x;
    }
    f.d.MoveTo(f.label, {30, 5});
    EXPECT_EQ(f.d.screen().ShownCursor(), crHandPoint);
    EXPECT_EQ(f.label.hint, "vá para http://um.example");
    f.d.MouseMove({0, 0});  // off the label
    EXPECT_EQ(f.events.back(), "leave");
    EXPECT_EQ(f.label.AnchorUnderMouse(), -1);
    EXPECT_EQ(f.label.hint, "");
}

TEST(MarkupLabel, HintShowsTheWholeTextWithoutTags) {
    LabelOnForm f;
    f.label.SetHTMLText("<B>Gols</B> do dia");
    f.label.hint_show_full = true;
    f.d.MoveTo(f.label, {5, 5});
    EXPECT_EQ(f.label.hint, "Gols do dia");
    f.label.html_hint = true;
    f.d.MoveTo(f.label, {6, 5});
    EXPECT_EQ(f.label.hint, "<B>Gols</B> do dia");
}

TEST(MarkupLabel, OnlyWebAddressesAreOpened) {
    const std::pair<const char*, bool> targets[] = {
        {"http://korvanel.example/tabela", true},
        {"HTTPS://korvanel.example", true},
        {"mailto:tecnico@korvanel.example", false},
        {"file:///etc/passwd", false},
        {"javascript://alert", false},
        {"jogador.htm", false},
    };
    for (auto [target, web] : targets) {
        LabelOnForm f;
        f.label.SetHTMLText(std::string(R"(<A href=")") + target + R"(">link</A>)");
        f.d.ClickAt(f.label, {10, 5});
        // The game hears of every anchor clicked, before anything is opened.
        ASSERT_FALSE(f.events.empty()) << target;
        EXPECT_EQ(f.events.back(), std::string("click ") + target);
        EXPECT_EQ(f.opened, web ? std::vector<std::string>{target} : std::vector<std::string>{})
            << target;
    }
}

}  // namespace
}  // namespace kv
