#include "screens/start/program_pictures.h"

#include <cairo.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/game_site.h"
#include "platform/gfx/canvas.h"
#include "screens/start/picture_drawing.h"

namespace kv {
namespace {

using drawing::DrawnPicture;
using drawing::kPi;
using drawing::Rgb;
using drawing::RoundedRect;
using drawing::VerticalGradient;

void Pentagon(cairo_t* cr, double cx, double cy, double r, double turn) {
    for (int i = 0; i < 5; ++i) {
        const double a = turn - kPi / 2 + i * 2 * kPi / 5;
        if (i == 0)
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

// A ball of the classic pattern: a black patch in the middle, five cut by the rim.
void Football(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_pattern_t* shine =
        cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(shine, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(shine, 1, 0.78, 0.8, 0.82);
    cairo_set_source(cr, shine);
    cairo_pattern_destroy(shine);
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    Rgb(cr, 0x151515);
    Pentagon(cr, cx, cy, r * 0.36, 0);
    cairo_fill(cr);
    cairo_set_line_width(cr, std::max(1.0, r * 0.05));
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        const double inner = r * 0.36;
        const double outer = r * 1.02;
        Pentagon(cr, cx + outer * std::cos(a), cy + outer * std::sin(a), r * 0.36, kPi);
        cairo_fill(cr);
        const double b = a + kPi / 5;
        cairo_move_to(cr, cx + inner * std::cos(b), cy + inner * std::sin(b));
        cairo_line_to(cr, cx + r * 0.8 * std::cos(b), cy + r * 0.8 * std::sin(b));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    Rgb(cr, 0x202020);
    cairo_set_line_width(cr, std::max(1.0, r * 0.04));
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_stroke(cr);
}

void Text(Canvas& canvas, Rect r, std::string_view text, const char* face, int size,
          FontStyles style, TColor color, unsigned flags, int shadow = 0) {
    canvas.bk_mode = BkMode::Transparent;
    canvas.font.name = face;
    canvas.font.size = size;
    canvas.font.style = style;
    if (shadow) {
        canvas.font.color = clBlack;
        Rect s{r.left + shadow, r.top + shadow, r.right + shadow, r.bottom + shadow};
        canvas.DrawText(text, s, flags | DT_NOPREFIX);
    }
    canvas.font.color = color;
    canvas.DrawText(text, r, flags | DT_NOPREFIX);
}

Picture TitlePicture() {
    const double w = kTitlePictureWidth, h = kTitlePictureHeight;
    return DrawnPicture(
        kTitlePictureWidth, kTitlePictureHeight, false, [&](Canvas& canvas, cairo_t* cr) {
            VerticalGradient(cr, 0, h, 0x12602c, 0x06260f);
            cairo_paint(cr);
            // Mown stripes across the pitch.
            for (int i = 0; i < 12; i += 2) {
                cairo_rectangle(cr, i * w / 11.0, 0, w / 11.0, h);
                Rgb(cr, 0xffffff, 0.035);
                cairo_fill(cr);
            }
            // The halfway line and centre circle behind the menu.
            Rgb(cr, 0xffffff, 0.18);
            cairo_set_line_width(cr, 2);
            cairo_arc(cr, 396, 170, 112, 0, 2 * kPi);
            cairo_stroke(cr);
            cairo_move_to(cr, 396, 0);
            cairo_line_to(cr, 396, h);
            cairo_stroke(cr);
            cairo_arc(cr, 396, 170, 4, 0, 2 * kPi);
            cairo_fill(cr);
            // The penalty area on the left, with the ball on its spot; the credit lines go below.
            cairo_rectangle(cr, -2, 106, 80, 116);
            cairo_stroke(cr);
            Football(cr, 150, 164, 48);
            // Band behind the title.
            VerticalGradient(cr, 0, 64, 0x031a09, 0x0b4a21);
            cairo_rectangle(cr, 0, 0, w, 64);
            cairo_fill(cr);
            Rgb(cr, 0xe8b923);
            cairo_rectangle(cr, 0, 63, w, 2);
            cairo_fill(cr);
            // The exit plate.
            RoundedRect(cr, 44, 260, 46, 25, 6);
            VerticalGradient(cr, 260, 285, 0xd23a2a, 0x8c1a12);
            cairo_fill_preserve(cr);
            Rgb(cr, 0xffffff, 0.85);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            // A thin golden frame.
            Rgb(cr, 0xe8b923);
            cairo_set_line_width(cr, 2);
            cairo_rectangle(cr, 1, 1, w - 2, h - 2);
            cairo_stroke(cr);

            Text(canvas, {20, 8, 400, 58}, "KORVANEL", "Arial", 30, fsBold, clWhite,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE, 2);
            const int year_left = 20 + canvas.TextWidth("KORVANEL ");
            Text(canvas, {year_left, 8, 420, 58}, "2014", "Arial", 30, fsBold, 0x23B9E8,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE, 2);
            Text(canvas, {306, 14, 505, 58}, "Gerência de futebol", "Arial", 11, fsItalic, 0xDDEEDD,
                 DT_RIGHT | DT_VCENTER | DT_SINGLELINE, 1);
            Text(canvas, {32, 70, 210, 90}, kGameWebAddress, "Tahoma", 10, fsBold | fsUnderline,
                 0x60E0FF, DT_LEFT | DT_VCENTER | DT_SINGLELINE, 1);
            Text(canvas, {44, 260, 90, 285}, "Sair", "Tahoma", 9, fsBold, clWhite,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE, 1);
        });
}

Picture MenuButton(std::string_view caption, bool hover) {
    const double w = kMenuButtonWidth, h = kMenuButtonHeight;
    return DrawnPicture(kMenuButtonWidth, kMenuButtonHeight, true,
                        [&](Canvas& canvas, cairo_t* cr) {
                            RoundedRect(cr, 3, 4, w - 6, h - 8, 13);
                            if (hover)
                                VerticalGradient(cr, 4, h - 4, 0xfbe27a, 0xc98b0d);
                            else
                                VerticalGradient(cr, 4, h - 4, 0x1f7a3d, 0x0a3518);
                            cairo_fill_preserve(cr);
                            Rgb(cr, hover ? 0xfff4c2 : 0xe8b923);
                            cairo_set_line_width(cr, 2);
                            cairo_stroke(cr);
                            // A glassy sheen on the upper half.
                            RoundedRect(cr, 8, 7, w - 16, (h - 8) / 2 - 2, 9);
                            Rgb(cr, 0xffffff, hover ? 0.30 : 0.12);
                            cairo_fill(cr);
                            Football(cr, 26, h / 2, 11);
                            Text(canvas, {42, 4, static_cast<int>(w) - 8, static_cast<int>(h) - 4},
                                 caption, "Arial", 12, fsBold, hover ? TColor{0x101010} : clWhite,
                                 DT_CENTER | DT_VCENTER | DT_SINGLELINE, hover ? 0 : 1);
                        });
}

Picture FootballCursor() {
    return DrawnPicture(kFootballCursorSide, kFootballCursorSide, true,
                        [&](Canvas&, cairo_t* cr) { Football(cr, 16, 16, 13); });
}

// A plain banner with a globe: neutral, so no country is mistaken for another.
Picture DefaultFlag() {
    const double s = kDefaultFlagSide;
    return DrawnPicture(kDefaultFlagSide, kDefaultFlagSide, false, [&](Canvas&, cairo_t* cr) {
        VerticalGradient(cr, 0, s, 0xf2f2f2, 0xb8bcc2);
        cairo_paint(cr);
        Rgb(cr, 0x5a6470);
        cairo_set_line_width(cr, 2);
        cairo_rectangle(cr, 1, 1, s - 2, s - 2);
        cairo_stroke(cr);
        const double c = s / 2, r = s * 0.3;
        Rgb(cr, 0x3c78b4);
        cairo_arc(cr, c, c, r, 0, 2 * kPi);
        cairo_fill(cr);
        Rgb(cr, 0xffffff, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_scale(cr, 0.45, 1);
        cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_stroke(cr);
        cairo_move_to(cr, c, c - r);
        cairo_line_to(cr, c, c + r);
        cairo_move_to(cr, c - r, c);
        cairo_line_to(cr, c + r, c);
        cairo_stroke(cr);
    });
}

}  // namespace

Picture ProgramPicture(std::string_view name) {
    if (name == "tinicio") return TitlePicture();
    if (name == "bt1" || name == "bt5") return MenuButton("Novo jogo", name == "bt5");
    if (name == "bt2" || name == "bt6") return MenuButton("Carregar jogo", name == "bt6");
    if (name == "bt3" || name == "bt7") return MenuButton("Editor de times", name == "bt7");
    if (name == "cursor5") return FootballCursor();
    if (name == "bandeira") return DefaultFlag();
    return {};
}

namespace {

// Invented state flags: each state its own pattern and pair of colours, so that neighbouring
// rows of a list are told apart at a glance.
Picture DrawStateFlag(int state) {
    static constexpr int kColours[] = {0x1f8a3c, 0xf2c230, 0x1e4fa0, 0xc8282d,
                                       0xffffff, 0x2a2a2a, 0x3aa0d8, 0xe07a1f};
    constexpr int kColourCount = sizeof kColours / sizeof kColours[0];
    // 3s + 1 and s differ by an odd number, so the two colours are never the same.
    const int field = kColours[state % kColourCount];
    const int mark = kColours[(state * 3 + 1) % kColourCount];
    const double w = kStateFlagWidth, h = kStateFlagHeight;
    return DrawnPicture(kStateFlagWidth, kStateFlagHeight, false, [&](Canvas&, cairo_t* cr) {
        Rgb(cr, field);
        cairo_paint(cr);
        Rgb(cr, mark);
        switch (state % 5) {
            case 0:  // a band across the middle
                cairo_rectangle(cr, 0, h / 3, w, h / 3);
                break;
            case 1:  // a band at the hoist
                cairo_rectangle(cr, 0, 0, w / 3, h);
                break;
            case 2:  // a diagonal
                cairo_move_to(cr, 0, h);
                cairo_line_to(cr, w * 0.25, h);
                cairo_line_to(cr, w, h * 0.25);
                cairo_line_to(cr, w, 0);
                cairo_line_to(cr, w * 0.75, 0);
                cairo_line_to(cr, 0, h * 0.75);
                cairo_close_path(cr);
                break;
            case 3:  // a triangle from the hoist
                cairo_move_to(cr, 0, 0);
                cairo_line_to(cr, w * 0.5, h / 2);
                cairo_line_to(cr, 0, h);
                cairo_close_path(cr);
                break;
            default:  // a disc
                cairo_arc(cr, w / 2, h / 2, h * 0.3, 0, 2 * kPi);
                break;
        }
        cairo_fill(cr);
        // A star on every other state, so the colours' repeats still differ.
        if (state % 2 == 1) {
            Rgb(cr, field == 0xffffff ? 0x1e4fa0 : 0xffffff);
            Pentagon(cr, w * 0.8, h * 0.3, h * 0.16, 0);
            cairo_fill(cr);
        }
        Rgb(cr, 0x404040);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
        cairo_stroke(cr);
    });
}

}  // namespace

const Picture& StateFlagPicture(int state) {
    static const std::vector<Picture> flags = [] {
        std::vector<Picture> drawn;
        for (int s = 0; s < kStateFlagCount; ++s) drawn.push_back(DrawStateFlag(s));
        return drawn;
    }();
    static const Picture none;
    return state >= 0 && state < kStateFlagCount ? flags[static_cast<std::size_t>(state)] : none;
}

}  // namespace kv
