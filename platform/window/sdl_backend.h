#pragma once
// The real back end: one SDL window the size of the game's screen (the display's usable area,
// or KORVANEL_SCREEN_SIZE="1024x768" for testing), showing the back buffer and turning SDL's
// mouse, keyboard and text input into the window system's events. Only this file starts SDL
// video. The desktop here is always at 96 dots per inch; KORVANEL_SCREEN_DPI="120" pretends
// otherwise, to see what the game does on a screen with large fonts.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/backend.h"

struct SDL_Window;
struct SDL_Cursor;
struct SDL_Surface;
struct SDL_Rect;

namespace kv {

// The virtual key (VK_...) of an SDL key event's key code, scan code and modifiers; 0 when the
// game has no code for the key.
int VirtualKey(int sdl_keycode, int sdl_scancode, unsigned sdl_mod);

class SdlBackend : public Backend {
public:
    // Opens the window; null (and a reason) when there is no display.
    static std::unique_ptr<SdlBackend> Open(const std::string& title, std::string* error);
    ~SdlBackend() override;

    Size ScreenSize() const override { return size_; }
    int PixelsPerInch() const override { return dpi_; }
    int64_t Now() const override;
    bool WaitEvent(InputEvent& event, int timeout_ms) override;
    void Present(const PixelView& buffer, std::span<const Rect> dirty) override;
    void SetCursor(int cursor, const PixelView* custom, Point hot_spot) override;
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& text) override;

private:
    SdlBackend() = default;
    bool Translate(const void* sdl_event, InputEvent& event);

    Size size_;
    int dpi_ = 96;
    SDL_Window* window_ = nullptr;
    std::map<int, SDL_Cursor*> cursors_;
    SDL_Cursor* custom_ = nullptr;
    SDL_Surface* source_ = nullptr;  // the back buffer, as SDL sees it
    std::vector<SDL_Rect> rects_;    // kept between presents, so showing allocates nothing
};

}  // namespace kv
