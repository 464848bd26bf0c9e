#pragma once
// The screen-resolution tests by which windows scale themselves. Every window is laid out for
// a screen 800 pixels wide; game logic never asks the platform, so the program tells us the
// screen size once at start-up and tests pass sizes of their own.

namespace kv {

struct ScreenSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

inline constexpr int design_width = 800;

void SetScreenSize(ScreenSize size);
ScreenSize CurrentScreenSize();  // 800 x 600 until set

// 0 = 640x480, 1 = 800x600, 2 = 1024x768, 3 = 1152x864, 4 = 1280x720, 5 = 1280x960,
// 6 = 1280x1024 or 1920x1080, 7 = any other.
int ScreenSizeClass(ScreenSize size);
bool IsWideScreen(ScreenSize size);
bool IsStandardScreen(ScreenSize size);
bool IsLargeWideScreen(ScreenSize size);  // no size is classed as large wide

int ScreenSizeClass();
bool IsWideScreen();
bool IsStandardScreen();
bool IsLargeWideScreen();

// How a window that scales itself is scaled: by numerator / denominator, or not at all.
struct WindowScale {
    bool scaled = false;
    int numerator = 1;
    int denominator = 1;
    friend bool operator==(const WindowScale&, const WindowScale&) = default;
};
WindowScale WindowScaleFor(ScreenSize size);
WindowScale WindowScaleForScreen();

}  // namespace kv
