// The shell call, the clipboard and the SDL back end.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/window/button.h"
#include "platform/window/edit.h"
#include "platform/window/sdl_backend.h"
#include "platform/window/shell.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

TEST(Shell, OpensAddressesWithoutAShellAndIgnoresFailures) {
    std::vector<std::string> started;
    g_spawn_for_tests = [&](const std::vector<std::string>& argv) {
        started = argv;
        return true;
    };
    // Shell characters reach the opener as one plain argument.
    EXPECT_TRUE(OpenUrl("http://exemplo.com.br/?a=1;rm -rf ~"));
    EXPECT_EQ(started, (std::vector<std::string>{"xdg-open", "http://exemplo.com.br/?a=1;rm -rf ~"}));
    g_spawn_for_tests = nullptr;

    EXPECT_TRUE(SpawnDetached({"true"}));
    EXPECT_FALSE(SpawnDetached({"/nao/existe/programa"}));
    EXPECT_FALSE(SpawnDetached({}));
}

TEST(Clipboard, EditBoxesCopyAndPasteThroughTheBackEnd) {
    TestDriver d;
    Form& f = d.screen().Create<Form>("f");
    f.SetBounds(0, 0, 300, 200);
    Edit& a = f.Add<Edit>("a");
    Edit& b = f.Add<Edit>("b");
    b.SetTop(40);
    a.SetText("Flamengo");
    f.Show();
    a.SetFocus();
    d.Press('C', ssCtrl);
    EXPECT_EQ(d.backend().ClipboardText(), "Flamengo");
    b.SetFocus();
    d.backend().SetClipboardText("Fla\nmengo");  // line breaks cannot go into one line
    d.Press('V', ssCtrl);
    EXPECT_EQ(b.Text(), "Flamengo");
}

// The real back end on SDL's display-less video driver: a window opens, shows a form, takes a
// click and closes cleanly. No X server is involved.
TEST(SdlBackend, RunsAFormOnTheDummyVideoDriver) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("KORVANEL_SCREEN_SIZE", "640x480", 1);
    std::string error;
    auto backend = SdlBackend::Open("Korvanel 2014", &error);
    if (!backend) GTEST_SKIP() << "SDL could not start here: " << error;
    EXPECT_EQ(backend->ScreenSize(), (Size{640, 480}));
    {
        Screen screen(*backend);
        Form& f = screen.Create<Form>("f");
        f.position = poScreenCenter;
        f.SetBounds(0, 0, 200, 100);
        Button& ok = f.Add<Button>("ok");
        ok.modal_result = mrOk;
        f.Show();
        screen.ProcessMessages();
        EXPECT_EQ(f.Left(), 220);
        InputEvent down(InputEvent::MouseDown), up(InputEvent::MouseUp);
        const Point p = ok.ClientToScreen({5, 5});
        down.x = up.x = p.x;
        down.y = up.y = p.y;
        int clicks = 0;
        ok.on_click = [&] { ++clicks; };
        screen.HandleInput(down);
        screen.HandleInput(up);
        EXPECT_EQ(clicks, 1);
        EXPECT_GE(backend->Now(), 0);
    }
    backend.reset();
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("KORVANEL_SCREEN_SIZE");
}

}  // namespace
}  // namespace kv
