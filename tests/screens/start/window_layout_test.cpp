// Windows scale themselves for the screen by the game's rule, unless their table says they
// keep their size.
#include "screens/start/window_layout.h"

#include <gtest/gtest.h>

#include "core/screen_size.h"
#include "screens/start/large_fonts_warning.h"

namespace kv {
namespace {

TEST(WindowLayout, WindowsScaleForTheScreenByTheGameRule) {
    const LayoutControl rows[] = {
        {.name = "Shape1", .class_name = "TShape", .bounds = {100, 50, 200, 100}},
    };
    const WindowLayout scaling{
        .name = "FormTeste", .client_width = 400, .client_height = 300, .controls = rows};
    struct Case {
        ScreenSize screen;
        int client_width;  // of a window 400 wide on the 800 x 600 base
    };
    const Case cases[] = {
        {{800, 600}, 400},  {{1024, 768}, 512},  {{1280, 1024}, 640},
        {{1280, 800}, 532}, {{1920, 1080}, 400}, {{640, 480}, 320},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width << "x" << c.screen.height);
        SetScreenSize(c.screen);
        Form form("FormTeste");
        BuildWindowLayout(form, scaling);
        EXPECT_EQ(form.ClientWidth(), c.client_width);
        EXPECT_EQ(form.Find("Shape1")->Width(), c.client_width / 2);

        Form warning("Form17");
        BuildWindowLayout(warning, kForm17Layout);
        EXPECT_EQ(warning.ClientWidth(), 375) << "the warning keeps its size";
    }
    SetScreenSize({800, 600});
}

}  // namespace
}  // namespace kv
