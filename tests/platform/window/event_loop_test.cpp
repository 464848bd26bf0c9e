// Modal loops, deferred destruction and timers on the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/window/button.h"
#include "platform/window/test_driver.h"
#include "platform/window/timer.h"

namespace kv {
namespace {

Form& MakeForm(TestDriver& d, const std::string& name, int left = 0) {
    auto& form = d.screen().Create<Form>(name);
    form.SetBounds(left, 0, 300, 200);
    return form;
}

Button& MakeButton(Control& parent, const std::string& name, int left, int modal_result = mrNone) {
    auto& b = parent.Add<Button>(name);
    b.SetBounds(left, 10, 60, 25);
    b.modal_result = modal_result;
    return b;
}

bool Alive(TestDriver& d, const std::string& name) { return d.screen().FindForm(name) != nullptr; }

TEST(ModalLoop, NestedLoopsReturnTheirOwnModalResult) {
    TestDriver d;
    Form& a = MakeForm(d, "a");
    int b_result = -1, c_result = -1;
    int a_clicks = 0;
    MakeButton(a, "a_btn", 10).on_click = [&] { ++a_clicks; };
    MakeButton(a, "open_b", 100).on_click = [&] {
        Form& b = MakeForm(d, "b", 320);
        MakeButton(b, "b_ok", 10, mrOk).SetCaption("OK in b");
        MakeButton(b, "open_c", 100).on_click = [&] {
            Form& c = MakeForm(d, "c", 640);
            MakeButton(c, "c_yes", 10, mrYes);
            c_result = c.ShowModal();
            c.Release();
        };
        b_result = b.ShowModal();
        b.Release();
    };
    a.Show();

    d.Then([&] { d.Click(*a.Find("a_btn")); });  // a takes no input under b
    d.Then([&] { d.Click("open_c"); });
    d.AnswerModal(mrYes);
    d.Then([&] { d.Click(d.WithCaption("OK in b")); });
    d.Click("open_b");

    EXPECT_EQ(c_result, mrYes);
    EXPECT_EQ(b_result, mrOk);
    EXPECT_EQ(a_clicks, 0);
    d.Pump();
    EXPECT_FALSE(Alive(d, "b"));
    EXPECT_FALSE(Alive(d, "c"));
    d.Click("a_btn");
    EXPECT_EQ(a_clicks, 1);
}

TEST(ModalLoop, CloseQueryCanKeepAModalFormOpen) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    MakeButton(f, "ok", 10, mrOk);
    int asked = 0;
    f.on_close_query = [&](bool& can) { can = ++asked > 1; };
    d.AnswerModal(mrOk);
    d.AnswerModal(mrOk);
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(f.Visible());
}

// A handler that throws inside a modal loop leaves it as a result would: the windows under it take
// input again, and the screen, closing with the modal window still there, forgets the loop's list
// of blocked windows (it lay on the unwound stack).
TEST(ModalLoop, AnExceptionLeavesTheLoopAndUnblocksTheWindowsUnderIt) {
    int a_clicks = 0;
    {
        TestDriver d;
        Form& a = MakeForm(d, "a");
        MakeButton(a, "a_btn", 10).on_click = [&] { ++a_clicks; };
        a.Show();
        Form& b = MakeForm(d, "b", 320);
        Timer& t = b.AddComponent<Timer>("t");
        t.SetInterval(100);
        t.on_timer = [] { throw std::runtime_error("a handler failed"); };
        EXPECT_THROW(b.ShowModal(), std::runtime_error);
        t.SetEnabled(false);
        b.Hide();
        d.Click("a_btn");
        EXPECT_EQ(a_clicks, 1);
    }
    EXPECT_EQ(a_clicks, 1);
}

// A window closing itself and its opener must not be destroyed under its own handler: the
// opener's handler still runs after ShowModal returns (AddressSanitizer checks the accesses).
class CloseBoth : public ::testing::TestWithParam<bool> {};

TEST_P(CloseBoth, FromAHandlerOrATimerWithoutCrash) {
    const bool from_timer = GetParam();
    TestDriver d;
    Form& opener = MakeForm(d, "opener");
    opener.on_close = [](CloseAction& a) { a = caFree; };
    int after_modal = 0;
    MakeButton(opener, "open", 10).on_click = [&] {
        Form& child = MakeForm(d, "child", 320);
        child.on_close = [](CloseAction& a) { a = caFree; };
        auto close_both = [&] {
            child.Close();
            opener.Close();
        };
        if (from_timer) {
            Timer& t = child.AddComponent<Timer>("t");
            t.SetInterval(100);
            t.on_timer = close_both;
        } else {
            MakeButton(child, "close", 10).on_click = close_both;
            d.Then([&] { d.Click("close"); });
        }
        child.ShowModal();
        opener.tag = 7;  // the opener is still alive here
        after_modal = opener.tag;
    };
    opener.Show();
    d.Click("open");
    EXPECT_EQ(after_modal, 7);
    d.Pump();
    EXPECT_FALSE(Alive(d, "child"));
    EXPECT_FALSE(Alive(d, "opener"));
    EXPECT_TRUE(d.screen().Forms().empty());
}

INSTANTIATE_TEST_SUITE_P(Window, CloseBoth, ::testing::Values(false, true));

// The game is a chain of modal windows: what is freed while one is open must not wait for it to
// close, whether freed from outside any handler or by a handler that opens one window after
// another.
TEST(ModalLoop, WindowsFreedInsideAModalLoopAreDestroyedInIt) {
    TestDriver d;
    Form& modal = MakeForm(d, "modal");
    MakeButton(modal, "ok", 10, mrOk);
    int destroyed = 0;
    size_t forms_then = 0;
    int destroyed_then = 0;
    d.Then([&] {
        for (int i = 0; i < 1000; ++i) {
            Form& f = MakeForm(d, "many", 320);
            f.on_destroy = [&] { ++destroyed; };
            f.Show();
            f.Release();
        }
    });
    d.Then([&] {
        forms_then = d.screen().Forms().size();
        destroyed_then = destroyed;
    });
    d.AnswerModal(mrOk);
    EXPECT_EQ(modal.ShowModal(), mrOk);
    EXPECT_EQ(destroyed_then, 1000);
    EXPECT_EQ(forms_then, 1u);  // the modal window alone
}

TEST(ModalLoop, AHandlerOpeningWindowAfterWindowLeavesNoneBehind) {
    TestDriver d;
    Form& modal = MakeForm(d, "modal");
    size_t most_forms = 0;
    MakeButton(modal, "chain", 10).on_click = [&] {
        for (int i = 0; i < 200; ++i) {
            Form& next = MakeForm(d, "next", 320);
            MakeButton(next, "next_ok", 10, mrOk);
            d.Then([&] {
                most_forms = std::max(most_forms, d.screen().Forms().size());
                d.Click("next_ok");
            });
            next.ShowModal();
            next.Release();
        }
        modal.SetModalResult(mrOk);
    };
    d.Then([&] { d.Click("chain"); });
    modal.ShowModal();
    // The modal window, the one waiting and at most the one released just before it.
    EXPECT_LE(most_forms, 3u);
    d.Pump();
    EXPECT_EQ(d.screen().Forms().size(), 1u);
}

// A window that frees itself and then asks something in a modal window lives on until its
// handler has returned, though the loop of the question destroys what else is freed.
TEST(ModalLoop, AWindowFreedByItsOwnHandlerOutlivesTheLoopsItOpens) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    int f_destroyed = 0, other_destroyed = 0;
    f.on_destroy = [&] { ++f_destroyed; };
    Form& other = MakeForm(d, "other", 320);
    other.on_destroy = [&] { ++other_destroyed; };
    other.Show();
    std::vector<int> seen;
    MakeButton(f, "quit", 10).on_click = [&] {
        f.Release();
        other.Release();
        Form& ask = MakeForm(d, "ask", 640);
        MakeButton(ask, "yes", 10, mrYes);
        d.Then([&] { seen = {f_destroyed, other_destroyed}; });
        d.Then([&] { d.Click("yes"); });
        ask.ShowModal();
        ask.Release();
        f.tag = 1;  // still a live object (AddressSanitizer checks)
    };
    f.Show();
    d.Click("quit");
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    d.Pump();
    EXPECT_EQ(f_destroyed, 1);
    EXPECT_TRUE(d.screen().Forms().empty());
}

TEST(ModalLoop, FreeingAControlInsideItsOwnHandlerIsDeferred) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    Button& b = MakeButton(f, "b", 10);
    b.on_click = [&] {
        b.Free();
        b.tag = 1;  // still a live object until the loop comes back
    };
    f.Show();
    d.Click("b");
    EXPECT_EQ(f.Find("b"), nullptr);
}

TEST(Forms, ZOrderActivationAndCentring) {
    TestDriver d(800, 600);
    Form& a = MakeForm(d, "a");
    Form& b = MakeForm(d, "b");
    Form& top = MakeForm(d, "top");
    top.form_style = fsStayOnTop;
    b.position = poScreenCenter;
    std::string log;
    a.on_activate = [&] { log += "a+ "; };
    a.on_deactivate = [&] { log += "a- "; };
    b.on_show = [&] { log += "b:show "; };
    b.on_activate = [&] { log += "b+ "; };
    top.Show();
    a.Show();
    b.Show();
    EXPECT_EQ(b.BoundsRect(), RectOfSize(250, 200, 300, 200));
    auto order = [&] {
        std::string names;
        for (Form* f : d.screen().Forms())
            if (f->Visible()) names += f->Name() + " ";
        return names;
    };
    EXPECT_EQ(order(), "a b top ");
    a.Show();  // already shown: only to the front, below the stay-on-top form
    EXPECT_EQ(order(), "b a top ");
    EXPECT_EQ(log, "a+ b:show a- b+ a+ ");  // on_show comes before the activation moves
    a.Hide();
    EXPECT_EQ(d.screen().ActiveForm(), &top);
}

TEST(Timers, FireInOrderOfTheVirtualClock) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    std::string log;
    Timer& slow = f.AddComponent<Timer>("slow");
    slow.SetInterval(300);
    slow.on_timer = [&] { log += "slow@" + std::to_string(d.screen().Now()) + " "; };
    Timer& fast = f.AddComponent<Timer>("fast");
    fast.SetInterval(200);
    fast.on_timer = [&] { log += "fast@" + std::to_string(d.screen().Now()) + " "; };
    Timer& off = f.AddComponent<Timer>("off");
    off.SetInterval(50);
    off.SetEnabled(false);
    off.on_timer = [&] { log += "off "; };

    d.Advance(199);
    EXPECT_EQ(log, "");
    d.Advance(501);
    EXPECT_EQ(log, "fast@200 slow@300 fast@400 slow@600 fast@600 ");
}

// A handler that changes timers moves them in the schedule; those due at the same moment fire
// in the order they were made.
TEST(Timers, FollowTheirIntervalAndSwitchChangedByAHandler) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    std::string log;
    auto stamp = [&](const char* name) {
        log += name + ("@" + std::to_string(d.screen().Now())) + " ";
    };
    Timer& a = f.AddComponent<Timer>("a");
    a.SetInterval(100);
    a.on_timer = [&] { stamp("a"); };
    Timer& b = f.AddComponent<Timer>("b");
    b.SetInterval(100);
    b.on_timer = [&] {
        stamp("b");
        b.SetInterval(250);
        a.SetEnabled(false);
    };
    d.Advance(400);
    EXPECT_EQ(log, "a@100 b@100 b@350 ");
    a.SetEnabled(true);
    d.Advance(200);
    EXPECT_EQ(log, "a@100 b@100 b@350 a@500 a@600 b@600 ");
}

TEST(Timers, NeverReEnterTheirOwnHandler) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    int depth = 0, max_depth = 0, ticks = 0;
    Timer& t = f.AddComponent<Timer>("t");
    t.SetInterval(100);
    t.on_timer = [&] {
        ++ticks;
        max_depth = std::max(max_depth, ++depth);
        if (ticks == 1) {
            // A modal window inside the handler keeps the loop running for 1 s of virtual time.
            Form& inner = MakeForm(d, "inner");
            Timer& close = inner.AddComponent<Timer>("close");
            close.SetInterval(1000);
            close.on_timer = [&] { inner.SetModalResult(mrOk); };
            inner.ShowModal();
            inner.Release();
        }
        --depth;
    };
    d.Advance(100);
    EXPECT_EQ(max_depth, 1);
    EXPECT_EQ(d.screen().Now(), 1100);
    // Overdue once the handler came back: one more tick, not one per missed interval.
    EXPECT_EQ(ticks, 2);
    d.Advance(100);
    EXPECT_EQ(ticks, 3);
}

TEST(Timers, StopWhenTheirFormIsFreed) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    int ticks = 0;
    Timer& t = f.AddComponent<Timer>("t");
    t.SetInterval(10);
    t.on_timer = [&] {
        if (++ticks == 2) f.Release();
    };
    f.Show();
    d.Advance(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(Alive(d, "f"));
}

TEST(Timers, AControlsOwnTimerStopsWhenTheControlIsFreed) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    struct Fading : Button {
        Fading() {
            fade.SetOwner(this);
            fade.SetInterval(20);
            fade.on_timer = [this] { ++steps; };
        }
        Timer fade;
        int steps = 0;
    };
    Fading& b = f.Add<Fading>("b");
    f.Show();
    d.Advance(100);
    EXPECT_EQ(b.steps, 5);
    b.on_click = [&] {
        b.Free();
        d.Advance(100);  // inside the handler: freed, not yet destroyed, and silent
        EXPECT_EQ(b.steps, 5);
    };
    d.Click("b");
    EXPECT_EQ(f.Find("b"), nullptr);
}

TEST(Timers, AWaitThatNothingCanEndIsReported) {
    TestDriver d;
    Form& f = MakeForm(d, "f");
    EXPECT_THROW(f.ShowModal(), HeadlessStall);
}

}  // namespace
}  // namespace kv
