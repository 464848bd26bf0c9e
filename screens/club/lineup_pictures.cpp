#include "screens/club/lineup_pictures.h"

#include <cairo.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "match/human_lineup.h"
#include "platform/gfx/canvas.h"
#include "screens/start/picture_drawing.h"

namespace kv {
namespace {

using drawing::kPi;
using drawing::Rgb;
using drawing::RoundedRect;

// Bold white Arial for the texts drawn on the pictures.
void UseCaptionFont(Canvas& canvas, int size, TColor color = clWhite) {
    canvas.bk_mode = BkMode::Transparent;
    canvas.font.name = "Arial";
    canvas.font.size = size;
    canvas.font.style = fsBold;
    canvas.font.color = color;
}

// The field's playing area: our goal at the bottom, where the goalkeeper's shirt stands.
constexpr double kFieldLeft = 10, kFieldTop = 14, kFieldRight = 370, kFieldBottom = 592;

Picture Pitch() {
    Picture picture(kPitchWidth, kPitchHeight);
    Canvas canvas(picture);
    cairo_t* cr = canvas.cairo();
    Rgb(cr, 0x1d5e22);
    cairo_paint(cr);
    // Mown stripes across the field.
    const double stripe = (kFieldBottom - kFieldTop) / 12;
    for (int i = 0; i < 12; ++i) {
        Rgb(cr, i % 2 ? 0x2f8a34 : 0x287a2d);
        cairo_rectangle(cr, 0, kFieldTop + i * stripe, kFieldRight + 4, stripe);
        cairo_fill(cr);
    }
    const double w = kFieldRight - kFieldLeft, mid_x = (kFieldLeft + kFieldRight) / 2;
    const double mid_y = (kFieldTop + kFieldBottom) / 2;
    Rgb(cr, 0xf2f2f2, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, kFieldLeft, kFieldTop, w, kFieldBottom - kFieldTop);
    cairo_move_to(cr, kFieldLeft, mid_y);
    cairo_line_to(cr, kFieldRight, mid_y);
    cairo_stroke(cr);
    cairo_arc(cr, mid_x, mid_y, 46, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_arc(cr, mid_x, mid_y, 3, 0, 2 * kPi);
    cairo_fill(cr);
    for (const int end : {0, 1}) {
        const double line = end ? kFieldBottom : kFieldTop;
        const double dir = end ? -1 : 1;
        cairo_rectangle(cr, mid_x - 100, line, 200, dir * 80);
        cairo_rectangle(cr, mid_x - 46, line, 92, dir * 28);
        cairo_stroke(cr);
        cairo_arc(cr, mid_x, line + dir * 56, 2.5, 0, 2 * kPi);
        cairo_fill(cr);
        // The arc outside the penalty box.
        if (end)
            cairo_arc(cr, mid_x, line - 56, 44, kPi + 0.93, 2 * kPi - 0.93);
        else
            cairo_arc(cr, mid_x, line + 56, 44, 0.93, kPi - 0.93);
        cairo_stroke(cr);
        cairo_rectangle(cr, mid_x - 24, line - dir * 8, 48, dir * 8);
        cairo_stroke(cr);
    }
    // The bench beside the field.
    cairo_pattern_t* bench = cairo_pattern_create_linear(378, 0, 460, 0);
    cairo_pattern_add_color_stop_rgba(bench, 0, 0.12, 0.16, 0.2, 0.92);
    cairo_pattern_add_color_stop_rgba(bench, 1, 0.05, 0.07, 0.09, 0.92);
    RoundedRect(cr, 378, 30, 82, 490, 8);
    cairo_set_source(cr, bench);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(bench);
    Rgb(cr, 0xd0d0d0, 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    UseCaptionFont(canvas, 8);
    Rect title{378, 36, 460, 52};
    canvas.DrawText("Reservas", title, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    return picture;
}

// Translucent squares on the pitch positions a starter shirt may be dropped on.
Picture DropSurface() {
    Picture picture(kPitchWidth, kPitchHeight);
    Canvas canvas(picture);
    cairo_t* cr = canvas.cairo();
    Rgb(cr, 0x000000, 0.18);
    cairo_rectangle(cr, kFieldLeft, kFieldTop, kFieldRight - kFieldLeft, kFieldBottom - kFieldTop);
    cairo_fill(cr);
    UseCaptionFont(canvas, 8, static_cast<TColor>(0xE0FFFF));
    for (int p = 1; p <= 25; ++p) {
        const PitchPosition& at = PitchPositionInfo(p);
        RoundedRect(cr, at.x + 1, at.y + 1, 40, 40, 6);
        Rgb(cr, 0xffffff, 0.22);
        cairo_fill_preserve(cr);
        Rgb(cr, 0xffffcc, 0.8);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        Rect r{at.x, at.y, at.x + 42, at.y + 42};
        canvas.DrawText(at.label, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    return picture;
}

// A football shirt filling a square of side s at (x, y).
void ShirtPath(cairo_t* cr, double x, double y, double s) {
    auto at = [&](double u, double v) { return std::pair{x + u * s, y + v * s}; };
    const double pts[][2] = {{0.33, 0.1},  {0.12, 0.19}, {0.01, 0.43}, {0.16, 0.5},
                             {0.22, 0.39}, {0.22, 0.93}, {0.78, 0.93}, {0.78, 0.39},
                             {0.84, 0.5},  {0.99, 0.43}, {0.88, 0.19}, {0.67, 0.1}};
    cairo_new_path(cr);
    for (const auto& p : pts) {
        const auto [px, py] = at(p[0], p[1]);
        cairo_line_to(cr, px, py);
    }
    // The neckline dips between the collar points.
    cairo_curve_to(cr, x + 0.6 * s, y + 0.22 * s, x + 0.4 * s, y + 0.22 * s, x + 0.33 * s,
                   y + 0.1 * s);
    cairo_close_path(cr);
}

void DrawShirt(cairo_t* cr, double x, double y, double s, int body, int trim, double alpha) {
    ShirtPath(cr, x, y, s);
    cairo_pattern_t* shade = cairo_pattern_create_linear(x, y, x + s, y + s);
    const double r = ((body >> 16) & 0xFF) / 255.0, g = ((body >> 8) & 0xFF) / 255.0,
                 b = (body & 0xFF) / 255.0;
    cairo_pattern_add_color_stop_rgba(shade, 0, std::min(1.0, r + 0.18), std::min(1.0, g + 0.18),
                                      std::min(1.0, b + 0.18), alpha);
    cairo_pattern_add_color_stop_rgba(shade, 1, r * 0.7, g * 0.7, b * 0.7, alpha);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    Rgb(cr, 0x101010, alpha * 0.8);
    cairo_set_line_width(cr, std::max(1.0, s / 40));
    cairo_stroke(cr);
    // Collar and cuffs in the trim colour.
    Rgb(cr, trim, alpha);
    cairo_set_line_width(cr, std::max(1.5, s / 22));
    cairo_move_to(cr, x + 0.36 * s, y + 0.12 * s);
    cairo_curve_to(cr, x + 0.42 * s, y + 0.2 * s, x + 0.58 * s, y + 0.2 * s, x + 0.64 * s,
                   y + 0.12 * s);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 0.03 * s, y + 0.44 * s);
    cairo_line_to(cr, x + 0.15 * s, y + 0.49 * s);
    cairo_move_to(cr, x + 0.97 * s, y + 0.44 * s);
    cairo_line_to(cr, x + 0.85 * s, y + 0.49 * s);
    cairo_stroke(cr);
}

Picture Shirt(int body, int trim, double alpha) {
    Picture picture(kShirtSide, kShirtSide);
    Canvas canvas(picture);
    // The shirt keeps to the top of its square: the caption goes 42 pixels below its top.
    DrawShirt(canvas.cairo(), 7, 1, kShirtSide - 14, body, trim, alpha);
    return picture;
}

// A small shirt under the arrow of a pointer.
Picture Cursor(int body, int trim) {
    Picture picture(kLineupCursorSide, kLineupCursorSide);
    Canvas canvas(picture);
    cairo_t* cr = canvas.cairo();
    DrawShirt(cr, 8, 8, 23, body, trim, 1.0);
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 1, 15);
    cairo_line_to(cr, 5, 11);
    cairo_line_to(cr, 8, 17);
    cairo_line_to(cr, 10, 16);
    cairo_line_to(cr, 7, 10);
    cairo_line_to(cr, 12, 10);
    cairo_close_path(cr);
    Rgb(cr, 0xffffff);
    cairo_fill_preserve(cr);
    Rgb(cr, 0x000000);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    return picture;
}

constexpr int kKitBody = 0xc8202a, kKitTrim = 0xffffff;
constexpr int kKeeperBody = 0xf2c12e, kKeeperTrim = 0x1a1a1a;
constexpr int kBenchBody = 0x3d6fb5, kBenchTrim = 0xe8e8e8;
constexpr int kPlainBody = 0xdcdcdc, kPlainTrim = 0x9a9a9a;

}  // namespace

namespace {

Picture DrawLineupPicture(std::string_view name) {
    if (name == "campogrande") return Pitch();
    if (name == "campoalpha") return DropSurface();
    if (name == "camisa0") return Shirt(kPlainBody, kPlainTrim, 0.55);
    if (name == "camisa1") return Shirt(kKitBody, kKitTrim, 1.0);
    if (name == "camisa2") return Shirt(kKeeperBody, kKeeperTrim, 1.0);
    if (name == "camisa3") return Shirt(kBenchBody, kBenchTrim, 1.0);
    if (name == "cursor0") return Cursor(kPlainBody, kPlainTrim);
    if (name == "cursor1") return Cursor(kKitBody, kKitTrim);
    if (name == "cursor2") return Cursor(kKeeperBody, kKeeperTrim);
    if (name == "cursor3") return Cursor(kBenchBody, kBenchTrim);
    return {};
}

Picture DrawStatusIcon(int icon) {
    Picture picture(kStatusIconWidth, kStatusIconHeight);
    if (icon < 0 || icon >= kStatusIconCount) return picture;
    Canvas canvas(picture);
    cairo_t* cr = canvas.cairo();
    if (icon >= kUnavailableIcon) {
        const double cx = kStatusIconWidth / 2.0, cy = kStatusIconHeight / 2.0;
        cairo_arc(cr, cx, cy, 7, 0, 2 * kPi);
        Rgb(cr, icon == kUnavailableIcon ? 0xc62828 : 0x757575);
        cairo_fill(cr);
        Rgb(cr, 0xffffff);
        cairo_set_line_width(cr, 2);
        if (icon == kUnavailableIcon) {
            cairo_move_to(cr, cx - 3.5, cy - 3.5);
            cairo_line_to(cr, cx + 3.5, cy + 3.5);
            cairo_move_to(cr, cx + 3.5, cy - 3.5);
            cairo_line_to(cr, cx - 3.5, cy + 3.5);
        } else {
            cairo_move_to(cr, cx - 4, cy);
            cairo_line_to(cr, cx + 4, cy);
        }
        cairo_stroke(cr);
        return picture;
    }
    // Three series of the same numbers: on a starter shirt, on the bench, not chosen.
    const int series = icon / 29;
    const int number = icon % 29;
    const int colours[3] = {0x2e8b3a, 0x2f62b8, 0x8d8d8d};
    RoundedRect(cr, 1.5, 1.5, kStatusIconWidth - 3, kStatusIconHeight - 3, 4);
    Rgb(cr, colours[series]);
    cairo_fill_preserve(cr);
    Rgb(cr, 0x000000, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    UseCaptionFont(canvas, 7);
    Rect r{0, 0, kStatusIconWidth, kStatusIconHeight};
    canvas.DrawText(number > 0 ? std::to_string(number) : "-", r,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return picture;
}

}  // namespace

// The pictures never change: each is drawn once and the window, made anew every round, takes a
// copy that shares its pixels.
Picture LineupPicture(std::string_view name) {
    static std::map<std::string, Picture, std::less<>> drawn;
    auto it = drawn.find(name);
    if (it == drawn.end()) it = drawn.emplace(std::string(name), DrawLineupPicture(name)).first;
    return it->second;
}

Picture LineupStatusIcon(int icon) {
    if (icon < 0 || icon >= kStatusIconCount) return DrawStatusIcon(icon);
    static std::array<std::optional<Picture>, kStatusIconCount> drawn;
    auto& kept = drawn[static_cast<std::size_t>(icon)];
    if (!kept) kept = DrawStatusIcon(icon);
    return *kept;
}

}  // namespace kv
