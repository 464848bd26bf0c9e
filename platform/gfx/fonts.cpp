#include "platform/gfx/fonts.h"

#include "platform/base/ascii.h"

namespace kv {
namespace {

struct Substitute {
    std::string_view windows;
    std::string_view installed;
};

// Liberation carries the metrics of the classic faces; DejaVu covers the rest.
constexpr Substitute kSubstitutes[] = {
    {"Arial", "Liberation Sans"},
    {"Arial Black", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Helvetica", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "Liberation Sans"},
    {"MS Shell Dlg 2", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Verdana", "DejaVu Sans"},
    {"Segoe UI", "Liberation Sans"},
    {"Calibri", "Liberation Sans"},
    {"Trebuchet MS", "DejaVu Sans"},
    {"Lucida Sans Unicode", "DejaVu Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},
    {"Georgia", "DejaVu Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Lucida Console", "DejaVu Sans Mono"},
    {"Consolas", "DejaVu Sans Mono"},
    {"Liberation Sans", "Liberation Sans"},
    {"Liberation Serif", "Liberation Serif"},
    {"Liberation Mono", "Liberation Mono"},
    {"DejaVu Sans", "DejaVu Sans"},
    {"DejaVu Serif", "DejaVu Serif"},
    {"DejaVu Sans Mono", "DejaVu Sans Mono"},
};

}  // namespace

int PointsToPixels(int points) {
    const int num = points * kScreenDpi;
    return num >= 0 ? (num + 36) / 72 : -((-num + 36) / 72);
}

int Font::pixel_size() const {
    return PointsToPixels(size);
}

std::string_view SubstituteFontFamily(std::string_view windows_name) {
    for (const auto& s : kSubstitutes) {
        if (EqualsIgnoreAsciiCase(s.windows, windows_name)) return s.installed;
    }
    return "Liberation Sans";
}

std::string_view DefaultUIFontName() {
    return "Segoe UI";
}

}  // namespace kv
