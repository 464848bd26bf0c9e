#include "platform/window/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kv {
namespace {

// The keypad by position: its digits with Num Lock on, the keys printed beneath them without.
int KeypadKey(SDL_Scancode code, bool num_lock) {
    switch (code) {
        case SDL_SCANCODE_KP_DIVIDE: return VK_DIVIDE;
        case SDL_SCANCODE_KP_MULTIPLY: return VK_MULTIPLY;
        case SDL_SCANCODE_KP_MINUS: return VK_SUBTRACT;
        case SDL_SCANCODE_KP_PLUS: return VK_ADD;
        case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
        case SDL_SCANCODE_KP_COMMA: return VK_ABNT_C2;
        default: break;
    }
    struct Pair {
        SDL_Scancode code;
        int on, off;
    };
    static constexpr Pair kPairs[] = {
        {SDL_SCANCODE_KP_0, VK_NUMPAD0, VK_INSERT}, {SDL_SCANCODE_KP_1, VK_NUMPAD1, VK_END},
        {SDL_SCANCODE_KP_2, VK_NUMPAD2, VK_DOWN},   {SDL_SCANCODE_KP_3, VK_NUMPAD3, VK_NEXT},
        {SDL_SCANCODE_KP_4, VK_NUMPAD4, VK_LEFT},   {SDL_SCANCODE_KP_5, VK_NUMPAD5, VK_CLEAR},
        {SDL_SCANCODE_KP_6, VK_NUMPAD6, VK_RIGHT},  {SDL_SCANCODE_KP_7, VK_NUMPAD7, VK_HOME},
        {SDL_SCANCODE_KP_8, VK_NUMPAD8, VK_UP},     {SDL_SCANCODE_KP_9, VK_NUMPAD9, VK_PRIOR},
        {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
    };
    for (const Pair& p : kPairs)
        if (p.code == code) return num_lock ? p.on : p.off;
    return 0;
}

// Punctuation by position, so that the key gives the same code whatever the layout prints on it
// (SDL's key codes for these are the layout's characters, and none at all for a dead key).
int PunctuationKey(SDL_Scancode code) {
    switch (code) {
        case SDL_SCANCODE_SEMICOLON: return VK_OEM_1;
        case SDL_SCANCODE_EQUALS: return VK_OEM_PLUS;
        case SDL_SCANCODE_COMMA: return VK_OEM_COMMA;
        case SDL_SCANCODE_MINUS: return VK_OEM_MINUS;
        case SDL_SCANCODE_PERIOD: return VK_OEM_PERIOD;
        case SDL_SCANCODE_SLASH: return VK_OEM_2;
        case SDL_SCANCODE_GRAVE: return VK_OEM_3;
        case SDL_SCANCODE_LEFTBRACKET: return VK_OEM_4;
        case SDL_SCANCODE_BACKSLASH:
        case SDL_SCANCODE_NONUSHASH: return VK_OEM_5;
        case SDL_SCANCODE_RIGHTBRACKET: return VK_OEM_6;
        case SDL_SCANCODE_APOSTROPHE: return VK_OEM_7;
        case SDL_SCANCODE_NONUSBACKSLASH: return VK_OEM_102;
        case SDL_SCANCODE_INTERNATIONAL1: return VK_ABNT_C1;
        default: return 0;
    }
}

}  // namespace

int VirtualKey(int sdl_keycode, int sdl_scancode, unsigned sdl_mod) {
    const auto code = static_cast<SDL_Scancode>(sdl_scancode);
    if (int key = KeypadKey(code, (sdl_mod & KMOD_NUM) != 0)) return key;
    const SDL_Keycode k = sdl_keycode;
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + (k - SDLK_F1);
    if (k >= SDLK_F13 && k <= SDLK_F24) return VK_F13 + (k - SDLK_F13);
    switch (k) {
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_RETURN: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_END: return VK_END;
        case SDLK_HOME: return VK_HOME;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_INSERT: return VK_INSERT;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_CLEAR: return VK_CLEAR;
        case SDLK_PAUSE: return VK_PAUSE;
        case SDLK_CAPSLOCK: return VK_CAPITAL;
        case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
        case SDLK_SCROLLLOCK: return VK_SCROLL;
        case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
        case SDLK_APPLICATION: return VK_APPS;
        case SDLK_LGUI: return VK_LWIN;
        case SDLK_RGUI: return VK_RWIN;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT: return VK_MENU;
        default: break;
    }
    if (int key = PunctuationKey(code)) return key;
    // A letter or digit key that prints something else on this layout (a non-Latin letter, the
    // symbols of a French top row) still gives its letter or digit.
    if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 'A' + (code - SDL_SCANCODE_A);
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return '1' + (code - SDL_SCANCODE_1);
    if (code == SDL_SCANCODE_0) return '0';
    return 0;
}

namespace {

ShiftState Modifiers(uint16_t mod) {
    ShiftState s = 0;
    if (mod & KMOD_SHIFT) s |= ssShift;
    if (mod & KMOD_CTRL) s |= ssCtrl;
    if (mod & KMOD_ALT) s |= ssAlt;
    return s;
}

SDL_SystemCursor SystemCursor(int cursor) {
    switch (cursor) {
        case crIBeam: return SDL_SYSTEM_CURSOR_IBEAM;
        case crCross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case crHourGlass: return SDL_SYSTEM_CURSOR_WAIT;
        case crHandPoint: return SDL_SYSTEM_CURSOR_HAND;
        case crNoDrop: return SDL_SYSTEM_CURSOR_NO;
        case crDrag: return SDL_SYSTEM_CURSOR_SIZEALL;
        default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Open(const std::string& title, std::string* error) {
    auto fail = [&](const char* what) -> std::unique_ptr<SdlBackend> {
        if (error) *error = std::string(what) + ": " + SDL_GetError();
        return nullptr;
    };
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return fail("no display");
    std::unique_ptr<SdlBackend> b(new SdlBackend);
    int w = 0, h = 0;
    const char* wanted = std::getenv("KORVANEL_SCREEN_SIZE");
    if (!wanted || std::sscanf(wanted, "%dx%d", &w, &h) != 2 || w < 320 || h < 200) {
        SDL_Rect usable{};
        if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {0, 0, 1024, 768};
        w = usable.w;
        h = usable.h;
    }
    b->size_ = {w, h};
    int dpi = 0;
    const char* wanted_dpi = std::getenv("KORVANEL_SCREEN_DPI");
    if (wanted_dpi && std::sscanf(wanted_dpi, "%d", &dpi) == 1 && dpi >= 48 && dpi <= 480)
        b->dpi_ = dpi;
    b->window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w,
                                  h, SDL_WINDOW_SHOWN);
    if (!b->window_) return fail("no window");
    // The window's own surface takes rectangles: only what changed is copied and sent to the
    // display. Through a renderer (the default, and a software one where there is no graphics
    // card) every present would copy and send the whole window.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!SDL_GetWindowSurface(b->window_)) return fail("no window surface");
    SDL_StartTextInput();
    return b;
}

SdlBackend::~SdlBackend() {
    for (auto& [id, cursor] : cursors_) SDL_FreeCursor(cursor);
    if (custom_) SDL_FreeCursor(custom_);
    if (source_) SDL_FreeSurface(source_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

int64_t SdlBackend::Now() const { return static_cast<int64_t>(SDL_GetTicks64()); }

bool SdlBackend::WaitEvent(InputEvent& event, int timeout_ms) {
    SDL_Event e;
    const int got = timeout_ms < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, timeout_ms);
    if (!got) return false;
    return Translate(&e, event);
}

bool SdlBackend::Translate(const void* raw, InputEvent& out) {
    const SDL_Event& e = *static_cast<const SDL_Event*>(raw);
    auto button = [](uint8_t b) { return b == SDL_BUTTON_RIGHT ? mbRight : b == SDL_BUTTON_MIDDLE ? mbMiddle : mbLeft; };
    out = InputEvent();
    out.shift = Modifiers(SDL_GetModState());
    switch (e.type) {
        case SDL_QUIT: out.kind = InputEvent::Quit; return true;
        case SDL_MOUSEMOTION:
            out.kind = InputEvent::MouseMove;
            out.x = e.motion.x;
            out.y = e.motion.y;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            out.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp;
            out.x = e.button.x;
            out.y = e.button.y;
            out.button = button(e.button.button);
            return true;
        case SDL_MOUSEWHEEL: {
            out.kind = InputEvent::MouseWheel;
            SDL_GetMouseState(&out.x, &out.y);
            out.wheel = e.wheel.y * 120;
            return e.wheel.y != 0;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            out.kind = e.type == SDL_KEYDOWN ? InputEvent::KeyDown : InputEvent::KeyUp;
            out.key = VirtualKey(e.key.keysym.sym, e.key.keysym.scancode, e.key.keysym.mod);
            out.shift = Modifiers(e.key.keysym.mod);
            return out.key != 0;
        case SDL_TEXTINPUT:
            out.kind = InputEvent::Text;
            out.text = e.text.text;
            return true;
        case SDL_WINDOWEVENT:
            // The window was uncovered: show the last frame again.
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) SDL_UpdateWindowSurface(window_);
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                out.kind = InputEvent::Deactivate;
                return true;
            }
            return false;
        default: return false;
    }
}

void SdlBackend::Present(const PixelView& buffer, std::span<const Rect> dirty) {
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (!target || !buffer.pixels) return;
    if (!source_ || source_->pixels != buffer.pixels || source_->w != buffer.width ||
        source_->h != buffer.height || source_->pitch != buffer.stride) {
        if (source_) SDL_FreeSurface(source_);
        source_ = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(buffer.pixels),
                                                     buffer.width, buffer.height, 32,
                                                     buffer.stride, SDL_PIXELFORMAT_ARGB8888);
        if (!source_) return;
        // The back buffer is opaque: copied as it is, never blended.
        SDL_SetSurfaceBlendMode(source_, SDL_BLENDMODE_NONE);
    }
    const Rect window{0, 0, std::min(size_.cx, target->w), std::min(size_.cy, target->h)};
    rects_.clear();
    for (const Rect& d : dirty) {
        const Rect r = d.intersect(window);
        if (r.empty()) continue;
        SDL_Rect area{r.left, r.top, r.width(), r.height()};
        SDL_Rect to = area;
        SDL_BlitSurface(source_, &area, target, &to);
        rects_.push_back(area);
    }
    if (!rects_.empty())
        SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
}

void SdlBackend::SetCursor(int cursor, const PixelView* custom, Point hot_spot) {
    if (custom) {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
            const_cast<uint32_t*>(custom->pixels), custom->width, custom->height, 32, custom->stride,
            SDL_PIXELFORMAT_ARGB8888);
        if (!surface) return;
        SDL_Cursor* made = SDL_CreateColorCursor(surface, hot_spot.x, hot_spot.y);
        SDL_FreeSurface(surface);
        if (!made) return;
        SDL_SetCursor(made);
        if (custom_) SDL_FreeCursor(custom_);
        custom_ = made;
        return;
    }
    SDL_Cursor*& c = cursors_[cursor];
    if (!c) c = SDL_CreateSystemCursor(SystemCursor(cursor));
    if (c) SDL_SetCursor(c);
}

std::string SdlBackend::ClipboardText() const {
    char* text = SDL_GetClipboardText();
    std::string out = text ? text : "";
    SDL_free(text);
    return out;
}

void SdlBackend::SetClipboardText(const std::string& text) { SDL_SetClipboardText(text.c_str()); }

}  // namespace kv
