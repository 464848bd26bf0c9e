// The SDL back end's keys: every key the game may test gives its virtual key, the keypad as Num
// Lock has it, punctuation by its place on the keyboard whatever the layout prints on it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/window/sdl_backend.h"

namespace kv {
namespace {

TEST(SdlKeys, EveryKeyTheGameTestsGivesItsVirtualKey) {
    struct Case {
        const char* what;
        SDL_Keycode sym;
        SDL_Scancode code;
        unsigned mod;
        int key;
    };
    const Case cases[] = {
        {"letter", SDLK_q, SDL_SCANCODE_Q, 0, 'Q'},
        {"letter on a French keyboard", SDLK_a, SDL_SCANCODE_Q, 0, 'A'},
        {"digit", SDLK_7, SDL_SCANCODE_7, 0, '7'},
        {"digit under a symbol", SDLK_AMPERSAND, SDL_SCANCODE_1, 0, '1'},
        {"F11", SDLK_F11, SDL_SCANCODE_F11, 0, VK_F11},
        {"keypad 4, Num Lock on", SDLK_KP_4, SDL_SCANCODE_KP_4, KMOD_NUM, VK_NUMPAD4},
        {"keypad 4, Num Lock off", SDLK_KP_4, SDL_SCANCODE_KP_4, 0, VK_LEFT},
        {"keypad 5, Num Lock off", SDLK_KP_5, SDL_SCANCODE_KP_5, 0, VK_CLEAR},
        {"keypad 0, Num Lock off", SDLK_KP_0, SDL_SCANCODE_KP_0, 0, VK_INSERT},
        {"keypad point", SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM, VK_DECIMAL},
        {"keypad point, Num Lock off", SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, 0, VK_DELETE},
        {"keypad plus", SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 0, VK_ADD},
        {"keypad minus", SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, KMOD_NUM, VK_SUBTRACT},
        {"keypad times", SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, 0, VK_MULTIPLY},
        {"keypad divide", SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, 0, VK_DIVIDE},
        {"keypad Enter", SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 0, VK_RETURN},
        {"Brazilian keypad point", SDLK_KP_COMMA, SDL_SCANCODE_KP_COMMA, 0, VK_ABNT_C2},
        {"comma", SDLK_COMMA, SDL_SCANCODE_COMMA, 0, VK_OEM_COMMA},
        {"minus", SDLK_MINUS, SDL_SCANCODE_MINUS, 0, VK_OEM_MINUS},
        {"equals", SDLK_EQUALS, SDL_SCANCODE_EQUALS, 0, VK_OEM_PLUS},
        {"period", SDLK_PERIOD, SDL_SCANCODE_PERIOD, 0, VK_OEM_PERIOD},
        {"Ç on the Brazilian keyboard", 0xE7, SDL_SCANCODE_SEMICOLON, 0, VK_OEM_1},
        {"dead accent key", SDLK_UNKNOWN, SDL_SCANCODE_LEFTBRACKET, 0, VK_OEM_4},
        {"Brazilian /? key", SDLK_SLASH, SDL_SCANCODE_INTERNATIONAL1, 0, VK_ABNT_C1},
        {"key beside the left Shift", SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH, 0, VK_OEM_102},
        {"right Alt", SDLK_RALT, SDL_SCANCODE_RALT, 0, VK_MENU},
        {"a key the game has no code for", SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKey(c.sym, c.code, c.mod), c.key) << c.what;
}

TEST(SdlKeys, AKeypadKeyReachesTheGameAsAKeyDown) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open("keys", &error);
    if (!backend) GTEST_SKIP() << error;
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_KP_PLUS;
    e.key.keysym.scancode = SDL_SCANCODE_KP_PLUS;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
    // The window's own events (shown, exposed) come first and give the game nothing.
    InputEvent got;
    bool any = false;
    for (int i = 0; i < 100 && !any; ++i) any = backend->WaitEvent(got, 10);
    ASSERT_TRUE(any);
    EXPECT_EQ(got.kind, InputEvent::KeyDown);
    EXPECT_EQ(got.key, VK_ADD);
}

TEST(SdlKeys, TheWindowLosingTheFocusReachesTheGameAsADeactivation) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::string error;
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open("focus", &error);
    if (!backend) GTEST_SKIP() << error;
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
    InputEvent got;
    bool deactivated = false;
    for (int i = 0; i < 100 && !deactivated; ++i)
        deactivated = backend->WaitEvent(got, 10) && got.kind == InputEvent::Deactivate;
    EXPECT_TRUE(deactivated);
}

}  // namespace
}  // namespace kv
