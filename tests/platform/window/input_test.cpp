// Keyboard focus and key order, mouse capture, hover, hints, double-clicks, drag and drop.
#include <gtest/gtest.h>

#include "platform/gfx/picture.h"
#include "platform/window/busy_cursor.h"
#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/label.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

// A focusable control that writes every event it gets into a shared log.
class Probe : public Control {
public:
    explicit Probe(std::string* log, bool wants_arrows = false)
        : log_(log), wants_arrows_(wants_arrows) {
        windowed_ = true;
        tab_stop = true;
    }
    bool WantsKey(int key) const override {
        return wants_arrows_ && key >= VK_LEFT && key <= VK_DOWN;
    }

protected:
    void KeyDown(int& key, ShiftState) override { Log("down " + std::to_string(key)); }
    void KeyPress(char32_t& ch) override { Log("press " + std::to_string(ch)); }
    void KeyUp(int& key, ShiftState) override { Log("up " + std::to_string(key)); }
    void MouseDown(MouseButton, ShiftState s, int, int) override {
        Log(s & ssDouble ? "mdown2" : "mdown");
    }
    void MouseMove(ShiftState, int, int) override { Log("move"); }
    void MouseUp(MouseButton, ShiftState, int, int) override { Log("mup"); }
    void Click() override { Log("click"); }
    void DblClick() override { Log("dblclick"); }
    void MouseEnter() override { Log("enter"); }
    void MouseLeave() override { Log("leave"); }

private:
    void Log(const std::string& what) { *log_ += Name() + ":" + what + " "; }
    std::string* log_;
    bool wants_arrows_;
};

struct Fixture {
    TestDriver d;
    std::string log;
    Form& form = d.screen().Create<Form>("form");
    Probe& Add(const std::string& name, int left, int top = 10) {
        auto& p = form.Add<Probe>(name, &log);
        p.SetBounds(left, top, 40, 30);
        return p;
    }
    Fixture() { form.SetBounds(10, 10, 400, 300); }
};

void KeyStroke(TestDriver& d, int key, const std::string& text, ShiftState shift = 0) {
    InputEvent down(InputEvent::KeyDown), typed(InputEvent::Text), up(InputEvent::KeyUp);
    down.key = up.key = key;
    down.shift = up.shift = shift;
    typed.text = text;
    d.backend().Push(down);
    if (!text.empty()) d.backend().Push(typed);
    d.backend().Push(up);
    d.Pump();
}

TEST(Focus, TabSkipsDisabledAndHiddenControlsAndWraps) {
    Fixture f;
    Probe& a = f.Add("a", 0);
    f.Add("b", 50).SetEnabled(false);
    f.Add("c", 100).Hide();
    Probe& d = f.Add("d", 150);
    auto& panel = f.form.Add<Control>("panel");  // a windowless container is skipped through
    Probe& e = panel.Add<Probe>("e", &f.log);
    f.Add("no_stop", 200).tab_stop = false;
    f.form.Show();
    ASSERT_TRUE(a.Focused());  // the first tab stop takes the focus when the form shows

    const struct {
        int key;
        ShiftState shift;
        Control* expect;
    } steps[] = {
        {VK_TAB, 0, &d}, {VK_TAB, 0, &e}, {VK_TAB, 0, &a}, {VK_TAB, ssShift, &e},
        {VK_TAB, ssShift, &d},
    };
    for (const auto& s : steps) {
        f.d.Press(s.key, s.shift);
        EXPECT_EQ(f.d.screen().Focused(), s.expect) << s.expect->Name();
    }
    // Tab is a dialog key: no key-down; its release reaches whoever has the focus by then.
    EXPECT_EQ(f.log, "d:up 9 e:up 9 a:up 9 e:up 9 d:up 9 ");

    d.SetTabOrder(0);  // now d comes first, then a
    f.d.Press(VK_TAB);
    EXPECT_EQ(f.d.screen().Focused(), &a);
}

TEST(Keys, DialogKeyThenPreviewThenKeyDownCharAndKeyUp) {
    Fixture f;
    Probe& p = f.Add("p", 0);
    f.Add("q", 50);
    f.form.key_preview = true;
    f.form.on_key_down = [&](int& key, ShiftState) {
        f.log += "form:down " + std::to_string(key) + " ";
        if (key == 'X') key = 0;  // swallowed before the control sees it
    };
    f.form.on_key_press = [&](char32_t& ch) { f.log += "form:press " + std::to_string(ch) + " "; };
    f.form.on_key_up = [&](int& key, ShiftState) { f.log += "form:up " + std::to_string(key) + " "; };
    f.form.Show();
    p.SetFocus();

    KeyStroke(f.d, 'A', "a");
    EXPECT_EQ(f.log, "form:down 65 p:down 65 form:press 97 p:press 97 form:up 65 p:up 65 ");

    f.log.clear();
    KeyStroke(f.d, 'X', "");
    EXPECT_EQ(f.log, "form:down 88 form:up 88 p:up 88 ");

    f.log.clear();
    KeyStroke(f.d, VK_RIGHT, "");  // a dialog key: the focus moves and nothing else happens
    EXPECT_EQ(f.log, "form:up 39 q:up 39 ");
    EXPECT_EQ(f.d.screen().Focused()->Name(), "q");
}

TEST(Keys, ControlsThatWantArrowsGetThem) {
    Fixture f;
    Probe& p = f.Add("p", 0);
    p.SetFocus();
    auto& grid = f.form.Add<Probe>("grid", &f.log, true);
    grid.SetBounds(50, 10, 40, 30);
    f.form.Show();
    grid.SetFocus();
    f.d.Press(VK_DOWN);
    EXPECT_EQ(f.log, "grid:down 40 grid:up 40 ");
    EXPECT_TRUE(grid.Focused());
}

TEST(Keys, EnterClicksTheDefaultButtonAndEscapeTheCancelOne) {
    Fixture f;
    Probe& p = f.Add("p", 0);
    auto& ok = f.form.Add<Button>("ok");
    ok.is_default = true;
    auto& cancel = f.form.Add<Button>("cancel");
    cancel.cancel = true;
    std::string clicks;
    ok.on_click = [&] { clicks += "ok "; };
    cancel.on_click = [&] { clicks += "cancel "; };
    f.form.Show();
    p.SetFocus();
    f.d.Press(VK_RETURN);
    f.d.Press(VK_ESCAPE);
    EXPECT_EQ(clicks, "ok cancel ");
    EXPECT_EQ(f.log, "p:up 13 p:up 27 ");  // no key-down, no character: the dialog used them
}

TEST(Keys, AltF4IsACloseRequestTheFormCanSwallow) {
    struct Case {
        const char* name;
        bool refuse_in_close_query;
        bool swallow_in_key_preview;
        bool closes;
    };
    const Case cases[] = {
        {"plain", false, false, true},
        {"close query refuses", true, false, false},
        {"key preview swallows", false, true, false},
    };
    for (const auto& c : cases) {
        Fixture f;
        int queries = 0;
        f.form.on_close_query = [&](bool& can) {
            ++queries;
            can = !c.refuse_in_close_query;
        };
        f.form.key_preview = c.swallow_in_key_preview;
        f.form.on_key_down = [&](int& key, ShiftState s) {
            if (key == VK_F4 && (s & ssAlt)) key = 0;
        };
        f.Add("p", 0);
        f.form.Show();
        f.d.Press(VK_F4, ssAlt);
        EXPECT_EQ(f.form.Visible(), !c.closes) << c.name;
        EXPECT_EQ(queries, c.swallow_in_key_preview ? 0 : 1) << c.name;
    }
}

TEST(Keys, AcceleratorsClickButtonsUnlessATextBoxTakesTheCharacter) {
    Fixture f;
    auto& yes = f.form.Add<Button>("yes");
    yes.SetCaption("&Sim");
    auto& no = f.form.Add<Button>("no");
    no.SetCaption("N&ão");
    no.SetLeft(100);
    auto& edit = f.form.Add<Edit>("edit");
    edit.SetTop(50);
    auto& name = f.form.Add<Label>("name");
    name.SetCaption("N&ome:");
    name.SetTop(80);
    name.focus_control = &edit;
    std::string clicks;
    yes.on_click = [&] { clicks += "sim "; };
    no.on_click = [&] { clicks += "nao "; };
    f.form.Show();
    ASSERT_TRUE(yes.Focused());

    f.d.Type("Ã");  // accented accelerators too, case ignored
    f.d.Type("S");
    no.SetEnabled(false);
    f.d.Type("ã");
    EXPECT_EQ(clicks, "nao sim ");

    f.d.Type("o");  // the label's accelerator focuses its edit box
    ASSERT_TRUE(edit.Focused());
    f.d.Type("s");  // typed into the edit box, not an accelerator
    KeyStroke(f.d, 'S', "s", ssAlt);  // Alt reaches the accelerators from anywhere
    EXPECT_EQ(edit.Text(), "s");
    EXPECT_EQ(clicks, "nao sim sim ");
}

TEST(Mouse, DraggingTheCaptionMovesTheForm) {
    Fixture f;
    f.form.Show();
    const Point grab{f.form.Left() + 50, f.form.Top() + 5};
    f.d.MouseDown(grab);
    f.d.MouseMove({grab.x + 30, grab.y + 40});
    f.d.MouseUp({grab.x + 30, grab.y + 40});
    EXPECT_EQ(f.form.Left(), 40);
    EXPECT_EQ(f.form.Top(), 50);
    f.d.MouseMove({grab.x + 100, grab.y + 100});  // released: no longer moving
    EXPECT_EQ(f.form.Left(), 40);

    f.d.Advance(1000);
    f.d.MouseDown({f.form.Left() + f.form.Width() - 8, f.form.Top() + 8});  // the close box
    EXPECT_FALSE(f.form.Visible());
}

TEST(Mouse, CaptureKeepsEventsAndHoverWaitsForTheRelease) {
    Fixture f;
    Probe& a = f.Add("a", 0);
    Probe& b = f.Add("b", 100);
    f.form.Show();
    f.d.MoveTo(a);
    f.d.MouseDown(a.ClientToScreen({5, 5}));
    f.d.MouseMove(b.ClientToScreen({5, 5}));
    f.d.MouseUp(b.ClientToScreen({5, 5}));
    EXPECT_EQ(f.log, "a:enter a:move a:mdown a:move a:mup a:leave b:enter ");
    EXPECT_EQ(f.d.screen().Capture(), nullptr);
}

TEST(Mouse, ClickNeedsTheReleaseOverThePressedControl) {
    Fixture f;
    Probe& a = f.Add("a", 0);
    f.form.Show();
    f.d.Click(a);
    f.d.MouseDown(a.ClientToScreen({5, 5}));
    f.d.MouseUp(a.ClientToScreen({100, 5}));
    EXPECT_EQ(f.log, "a:enter a:move a:mdown a:mup a:click a:mdown a:mup a:leave ");
}

TEST(Mouse, DoubleClickNeedsTwoQuickPressesOnTheSameSpot) {
    Fixture f;
    Probe& a = f.Add("a", 0);
    f.form.Show();
    f.d.DoubleClick(a);
    EXPECT_EQ(f.log,
              "a:enter a:move a:mdown a:mup a:click a:move a:mdown2 a:dblclick a:mup ");
    f.log.clear();
    f.d.Advance(1000);
    f.d.Click(a);
    f.d.Advance(600);
    f.d.Click(a);
    EXPECT_EQ(f.log, "a:move a:mdown a:mup a:click a:move a:mdown a:mup a:click ");
}

TEST(Mouse, DisabledControlsGetNoInput) {
    Fixture f;
    Probe& a = f.Add("a", 0);
    a.SetEnabled(false);
    f.form.Show();
    f.d.Click(a);
    EXPECT_EQ(f.log, "");
}

TEST(Hints, ShowAfterTheHoverPauseAndHideOnAPress) {
    Fixture f;
    Probe& a = f.Add("a", 0);
    a.hint = "Salvar o jogo|Grava o jogo atual";
    a.show_hint = true;
    Probe& b = f.Add("b", 100);
    b.hint = "sem dica";  // show_hint off
    f.form.Show();
    f.d.MoveTo(a);
    f.d.Advance(499);
    EXPECT_FALSE(f.d.screen().HintShowing());
    f.d.Advance(1);
    ASSERT_TRUE(f.d.screen().HintShowing());
    EXPECT_EQ(f.d.screen().HintText(), "Salvar o jogo");
    f.d.MouseDown(a.ClientToScreen({1, 1}));
    EXPECT_FALSE(f.d.screen().HintShowing());
    f.d.MouseUp(a.ClientToScreen({1, 1}));

    f.d.MoveTo(b);
    f.d.Advance(1000);
    EXPECT_FALSE(f.d.screen().HintShowing());
}

// A control deciding its own hint at the moment it shows, as labels with links do.
class LinkProbe : public Probe {
public:
    using Probe::Probe;
    bool PrepareHint(Point mouse, HintInfo& info) override {
        if (mouse.x >= 20) return false;  // no link there
        info.text = "http://exemplo.com.br";
        info.pos.x += 10;
        return true;
    }
};

TEST(Hints, AControlCanChooseItsHintWhenItShowsAndCancelIt) {
    Fixture f;
    auto& link = f.form.Add<LinkProbe>("link", &f.log);
    link.SetBounds(0, 10, 40, 30);
    link.hint = "texto";
    link.show_hint = true;
    f.form.Show();
    f.d.MoveTo(link, {5, 5});
    f.d.Advance(500);
    ASSERT_TRUE(f.d.screen().HintShowing());
    EXPECT_EQ(f.d.screen().HintText(), "http://exemplo.com.br");
    EXPECT_EQ(f.d.screen().HintRect().left, link.ClientToScreen({5, 5}).x + 10);
    f.d.screen().CancelHint();
    EXPECT_FALSE(f.d.screen().HintShowing());
    f.d.Advance(500);
    EXPECT_TRUE(f.d.screen().HintShowing()) << "a cancelled hint comes again after a pause";

    f.d.MoveTo(f.form, {300, 200});
    f.d.MoveTo(link, {30, 5});
    f.d.Advance(1000);
    EXPECT_FALSE(f.d.screen().HintShowing());
}

TEST(Cursor, ControlCursorUnlessTheScreenShowsTheHourglass) {
    Fixture f;
    Probe& a = f.Add("a", 0);
    a.cursor = crHandPoint;
    f.form.Show();
    f.d.MoveTo(a);
    EXPECT_EQ(f.d.backend().cursor(), crHandPoint);
    try {
        BusyCursor busy;
        EXPECT_EQ(f.d.backend().cursor(), crHourGlass);
        throw std::runtime_error("a long step fails");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(f.d.backend().cursor(), crHandPoint);
    f.d.MoveTo(f.form, {300, 200});
    EXPECT_EQ(f.d.backend().cursor(), crArrow);

    f.d.screen().SetCursorImage(20, Picture(32, 32), {3, 3});  // the game's own cursor slot
    a.cursor = 20;
    f.d.MoveTo(a);
    EXPECT_EQ(f.d.backend().cursor(), 20);
}

TEST(DragDrop, DropLandsOnATargetThatAccepts) {
    Fixture f;
    Probe& row = f.Add("row", 0);
    row.drag_mode = dmAutomatic;
    Probe& bin = f.Add("bin", 100, 100);
    Probe& wall = f.Add("wall", 200, 100);
    std::string dropped;
    Control* ended_on = &row;
    bin.on_drag_over = [&](Control& source, int, int, bool& accept) {
        accept = source.Name() == "row";
    };
    bin.on_drag_drop = [&](Control& source, int x, int y) {
        dropped = source.Name() + "@" + std::to_string(x) + "," + std::to_string(y);
    };
    row.on_end_drag = [&](Control* target, int, int) { ended_on = target; };
    f.form.Show();

    f.d.DragTo(row, bin);
    EXPECT_EQ(dropped, "row@20,15");
    EXPECT_EQ(ended_on, &bin);
    EXPECT_FALSE(f.d.screen().Dragging());

    dropped.clear();
    f.d.DragTo(row, wall);  // nobody listens there: refused
    EXPECT_EQ(dropped, "");
    EXPECT_EQ(ended_on, nullptr);
    EXPECT_EQ(f.d.backend().cursor(), crArrow);
}

TEST(DragDrop, AShortMoveIsStillAClickAndEscapeCancels) {
    Fixture f;
    Probe& row = f.Add("row", 0);
    row.drag_mode = dmAutomatic;
    Probe& bin = f.Add("bin", 100, 100);
    bool dropped = false;
    bin.on_drag_over = [](Control&, int, int, bool& accept) { accept = true; };
    bin.on_drag_drop = [&](Control&, int, int) { dropped = true; };
    f.form.Show();
    const Point p = row.ClientToScreen({10, 10});
    f.d.MouseDown(p);
    f.d.MouseMove({p.x + 2, p.y});
    f.d.MouseUp({p.x + 2, p.y});
    EXPECT_NE(f.log.find("row:click"), std::string::npos);

    f.d.Advance(1000);  // not a double-click
    f.d.MouseDown(p);
    f.d.MouseMove(bin.ClientToScreen({5, 5}));
    EXPECT_TRUE(f.d.screen().Dragging());
    EXPECT_EQ(f.d.backend().cursor(), crDrag);
    f.d.Press(VK_ESCAPE);
    f.d.MouseUp(bin.ClientToScreen({5, 5}));
    EXPECT_FALSE(dropped);
}

// A window that closes itself when the game's window loses the focus, as a drop-down does.
class ClosingWindow : public Form {
  public:
    int told = 0;
    void ApplicationDeactivated() override {
        ++told;
        Hide();
    }
};

TEST(Deactivation, EveryWindowIsToldWhenAnotherApplicationTakesTheKeyboard) {
    Fixture f;
    auto& first = f.d.screen().Create<ClosingWindow>();
    auto& second = f.d.screen().Create<ClosingWindow>();
    f.form.Show();
    first.Show();
    f.d.DeactivateApplication();
    EXPECT_EQ(first.told, 1);
    EXPECT_EQ(second.told, 1);  // hidden windows are told too: one may be about to show
    EXPECT_FALSE(first.Visible());
    EXPECT_TRUE(f.form.Visible());
}

}  // namespace
}  // namespace kv
