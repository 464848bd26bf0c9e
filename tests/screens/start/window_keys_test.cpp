// The keys a window answers for itself: Esc and Enter run its actions and stop there, Alt+F4
// is swallowed unless the window lets the desktop close it, and other keys go on as usual.
#include "screens/start/window_keys.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

struct KeysFixture {
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    std::string log;
    KeysFixture() { form.SetBounds(10, 10, 400, 300); }
    Edit& AddEdit() {
        Edit& edit = form.Add<Edit>("edit");
        edit.SetBounds(10, 10, 100, 24);
        edit.on_key_down = [this](int& key, ShiftState) {
            log += "edit:" + std::to_string(key) + " ";
        };
        return edit;
    }
    void Answer(WindowKeys keys) { AnswerWindowKeys(form, std::move(keys)); }
};

TEST(WindowKeys, EscAndEnterRunTheirActionsAndAltF4FollowsTheWindow) {
    struct Case {
        const char* name;
        bool with_escape, with_enter, swallow_alt_f4;
        int key;
        ShiftState shift;
        std::string log;
        bool still_visible;
    };
    const Case cases[] = {
        {"esc runs its action", true, true, true, VK_ESCAPE, 0, "esc ", true},
        {"enter runs its action", true, true, true, VK_RETURN, 0, "enter ", true},
        {"esc without action does nothing", false, true, true, VK_ESCAPE, 0, "", true},
        {"alt+f4 swallowed", true, true, true, VK_F4, ssAlt, "", true},
        {"alt+f4 closes when let", true, true, false, VK_F4, ssAlt, "", false},
        {"ctrl+alt+f4 is not the swallowed key", true, true, true, VK_F4, ssAlt | ssCtrl, "",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeysFixture f;
        f.Answer({.escape = c.with_escape ? [&f] { f.log += "esc "; } : std::function<void()>{},
                  .enter = c.with_enter ? [&f] { f.log += "enter "; } : std::function<void()>{},
                  .swallow_alt_f4 = c.swallow_alt_f4});
        f.form.Show();
        f.d.Press(c.key, c.shift);
        EXPECT_EQ(f.log, c.log);
        EXPECT_EQ(f.form.Visible(), c.still_visible);
    }
}

TEST(WindowKeys, BeforeControlsTheWindowTakesEscFromTheFocusedControlUnlessPassedOn) {
    struct Case {
        const char* name;
        bool before_controls, pass_keys_on;
        const char* log;
    };
    // Without the preview the focused box has the keys and the window never sees them.
    const Case cases[] = {{"after controls", false, false, "edit:27 edit:65 "},
                          {"before controls", true, false, "esc edit:65 "},
                          {"passed on", true, true, "esc edit:27 edit:65 "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeysFixture f;
        f.Answer({.escape = [&f] { f.log += "esc "; },
                  .before_controls = c.before_controls,
                  .pass_keys_on = c.pass_keys_on});
        Edit& edit = f.AddEdit();
        f.form.Show();
        edit.SetFocus();
        f.d.Press(VK_ESCAPE);
        f.d.Press('A');
        EXPECT_EQ(f.log, std::string(c.log));
    }
}

TEST(WindowKeys, CloseOnEscapeCancelsAndEnterClosesOnlyWhenAsked) {
    for (const bool enter_closes : {false, true}) {
        TestDriver d;
        Form& form = d.screen().Create<Form>("form");
        CloseOnEscape(form, enter_closes);
        form.Show();
        d.Press(VK_RETURN);
        EXPECT_EQ(form.Visible(), !enter_closes);
        form.Show();
        d.Press(VK_ESCAPE);
        EXPECT_FALSE(form.Visible());
        EXPECT_EQ(form.ModalResult(), mrCancel);
    }
}

}  // namespace
}  // namespace kv
