#include "core/screen_size.h"

#include <algorithm>
#include <array>

namespace kv {

namespace {

ScreenSize g_screen{800, 600};

// The height of the screen every window is laid out for.
constexpr int kDesignHeight = 600;

template <std::size_t N>
bool IsOneOf(ScreenSize size, const std::array<ScreenSize, N>& sizes) {
    return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

constexpr std::array<ScreenSize, 8> kWideScreens = {{{1280, 800},
                                                     {1366, 768},
                                                     {1360, 768},
                                                     {1280, 768},
                                                     {1440, 900},
                                                     {1600, 900},
                                                     {1680, 1050},
                                                     {1920, 1200}}};

constexpr std::array<ScreenSize, 10> kStandardScreens = {{{640, 480},
                                                          {768, 576},
                                                          {1024, 768},
                                                          {1120, 840},
                                                          {1152, 864},
                                                          {1280, 960},
                                                          {1400, 1050},
                                                          {1600, 1200},
                                                          {2048, 1536},
                                                          {1280, 1024}}};

}  // namespace

void SetScreenSize(ScreenSize size) {
    g_screen = size;
}
ScreenSize CurrentScreenSize() {
    return g_screen;
}

int ScreenSizeClass(ScreenSize size) {
    constexpr std::array<ScreenSize, 8> kClasses = {{{640, 480},
                                                     {800, 600},
                                                     {1024, 768},
                                                     {1152, 864},
                                                     {1280, 720},
                                                     {1280, 960},
                                                     {1280, 1024},
                                                     {1920, 1080}}};
    const auto it = std::find(kClasses.begin(), kClasses.end(), size);
    if (it == kClasses.end()) return 7;
    return std::min(static_cast<int>(it - kClasses.begin()), 6);
}

bool IsWideScreen(ScreenSize size) {
    return IsOneOf(size, kWideScreens);
}
bool IsStandardScreen(ScreenSize size) {
    return IsOneOf(size, kStandardScreens);
}
bool IsLargeWideScreen(ScreenSize) {
    return false;
}

int ScreenSizeClass() {
    return ScreenSizeClass(g_screen);
}
bool IsWideScreen() {
    return IsWideScreen(g_screen);
}
bool IsStandardScreen() {
    return IsStandardScreen(g_screen);
}
bool IsLargeWideScreen() {
    return IsLargeWideScreen(g_screen);
}

WindowScale WindowScaleFor(ScreenSize size) {
    if (size.width != design_width && IsStandardScreen(size))
        return {true, size.width, design_width};
    if (IsWideScreen(size)) {
        // A window 600 pixels high must still fit a wide screen shorter than 798 pixels: there
        // it grows only as far as the screen's height allows, or its bottom controls fall off.
        if (kDesignHeight * 133 > size.height * 100) return {true, size.height, kDesignHeight};
        return {true, 133, 100};
    }
    if (IsLargeWideScreen(size)) return {true, 150, 100};
    return {};
}

WindowScale WindowScaleForScreen() {
    return WindowScaleFor(g_screen);
}

}  // namespace kv
