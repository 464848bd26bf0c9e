#include "screens/main/main_window_pictures.h"

#include <cairo.h>

#include <array>
#include <cmath>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/window/image_list.h"
#include "screens/start/picture_drawing.h"

namespace kv {
namespace {

using drawing::kPi;
using drawing::Rgb;
using drawing::RoundedRect;
using drawing::VerticalGradient;

void Clear(cairo_t* cr) {
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void Text(Canvas& canvas, Rect r, std::string_view text, int size, TColor color) {
    canvas.bk_mode = BkMode::Transparent;
    canvas.font.name = "Arial";
    canvas.font.size = size;
    canvas.font.style = fsBold;
    canvas.font.color = color;
    canvas.DrawText(text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// --- the glyphs, each drawn into a box of side s with its top left at (x, y)

void Gear(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -r * 0.18, -r * 1.12, r * 0.36, r * 0.4);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * kPi);
    cairo_fill(cr);
    Rgb(cr, 0x17324f);
    cairo_arc(cr, cx, cy, r * 0.32, 0, 2 * kPi);
    cairo_fill(cr);
}

void Calendar(cairo_t* cr, double x, double y, double s) {
    RoundedRect(cr, x, y + s * 0.12, s, s * 0.88, s * 0.1);
    cairo_fill(cr);
    Rgb(cr, 0xc0392b);
    cairo_rectangle(cr, x, y + s * 0.12, s, s * 0.22);
    cairo_fill(cr);
    Rgb(cr, 0x2c3e50);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            cairo_rectangle(cr, x + s * (0.1 + col * 0.22), y + s * (0.44 + row * 0.17), s * 0.13,
                            s * 0.1);
    cairo_fill(cr);
}

void Coins(cairo_t* cr, double x, double y, double s) {
    for (int i = 0; i < 3; ++i) {
        const double cy = y + s * (0.78 - i * 0.2);
        cairo_save(cr);
        cairo_translate(cr, x + s * 0.5, cy);
        cairo_scale(cr, 1, 0.38);
        cairo_arc(cr, 0, 0, s * 0.42, 0, 2 * kPi);
        cairo_restore(cr);
        Rgb(cr, 0xf1c40f);
        cairo_fill_preserve(cr);
        Rgb(cr, 0x9a7d0a);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    Rgb(cr, 0x7d6608);
    cairo_select_font_face(cr, "Arial", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, s * 0.32);
    cairo_move_to(cr, x + s * 0.42, y + s * 0.42);
    cairo_show_text(cr, "$");
}

void Table(cairo_t* cr, double x, double y, double s) {
    cairo_rectangle(cr, x, y, s, s);
    cairo_fill(cr);
    Rgb(cr, 0x2c3e50);
    cairo_set_line_width(cr, 1.2);
    for (int row = 1; row < 5; ++row) {
        cairo_move_to(cr, x, y + row * s / 5);
        cairo_line_to(cr, x + s, y + row * s / 5);
    }
    cairo_move_to(cr, x + s * 0.25, y);
    cairo_line_to(cr, x + s * 0.25, y + s);
    cairo_stroke(cr);
    Rgb(cr, 0x27ae60);
    cairo_rectangle(cr, x + 1, y + 1, s * 0.25 - 2, s / 5 - 2);
    cairo_fill(cr);
}

void Stadium(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w / 2, h / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    Rgb(cr, 0x27ae60);
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w * 0.32, h * 0.3);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    Rgb(cr, 0xffffff);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x + w / 2, y + h * 0.22);
    cairo_line_to(cr, x + w / 2, y + h * 0.78);
    cairo_stroke(cr);
}

void Shirt(cairo_t* cr, double x, double y, double w, double h) {
    cairo_move_to(cr, x + w * 0.3, y);
    cairo_line_to(cr, x + w * 0.7, y);
    cairo_line_to(cr, x + w, y + h * 0.22);
    cairo_line_to(cr, x + w * 0.88, y + h * 0.42);
    cairo_line_to(cr, x + w * 0.78, y + h * 0.36);
    cairo_line_to(cr, x + w * 0.78, y + h);
    cairo_line_to(cr, x + w * 0.22, y + h);
    cairo_line_to(cr, x + w * 0.22, y + h * 0.36);
    cairo_line_to(cr, x + w * 0.12, y + h * 0.42);
    cairo_line_to(cr, x, y + h * 0.22);
    cairo_close_path(cr);
}

void Magnifier(cairo_t* cr, double x, double y, double s) {
    cairo_set_line_width(cr, s * 0.12);
    cairo_arc(cr, x + s * 0.4, y + s * 0.4, s * 0.3, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_set_line_width(cr, s * 0.16);
    cairo_move_to(cr, x + s * 0.62, y + s * 0.62);
    cairo_line_to(cr, x + s * 0.95, y + s * 0.95);
    cairo_stroke(cr);
}

void Person(cairo_t* cr, double x, double y, double s) {
    cairo_arc(cr, x + s * 0.5, y + s * 0.25, s * 0.2, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_move_to(cr, x + s * 0.1, y + s);
    cairo_curve_to(cr, x + s * 0.1, y + s * 0.45, x + s * 0.9, y + s * 0.45, x + s * 0.9, y + s);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Trophy(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x + s * 0.2, y);
    cairo_line_to(cr, x + s * 0.8, y);
    cairo_curve_to(cr, x + s * 0.8, y + s * 0.5, x + s * 0.6, y + s * 0.6, x + s * 0.55,
                   y + s * 0.62);
    cairo_line_to(cr, x + s * 0.55, y + s * 0.8);
    cairo_line_to(cr, x + s * 0.75, y + s * 0.8);
    cairo_line_to(cr, x + s * 0.75, y + s);
    cairo_line_to(cr, x + s * 0.25, y + s);
    cairo_line_to(cr, x + s * 0.25, y + s * 0.8);
    cairo_line_to(cr, x + s * 0.45, y + s * 0.8);
    cairo_line_to(cr, x + s * 0.45, y + s * 0.62);
    cairo_curve_to(cr, x + s * 0.4, y + s * 0.6, x + s * 0.2, y + s * 0.5, x + s * 0.2, y);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, s * 0.07);
    cairo_arc(cr, x + s * 0.2, y + s * 0.18, s * 0.13, kPi / 2, 3 * kPi / 2);
    cairo_stroke(cr);
    cairo_arc(cr, x + s * 0.8, y + s * 0.18, s * 0.13, -kPi / 2, kPi / 2);
    cairo_stroke(cr);
}

void Ball(cairo_t* cr, double cx, double cy, double r) {
    Rgb(cr, 0xffffff);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill_preserve(cr);
    Rgb(cr, 0x202020);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        if (i == 0)
            cairo_move_to(cr, cx + r * 0.4 * std::cos(a), cy + r * 0.4 * std::sin(a));
        else
            cairo_line_to(cr, cx + r * 0.4 * std::cos(a), cy + r * 0.4 * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Podium(cairo_t* cr, double x, double y, double s) {
    Rgb(cr, 0xbdc3c7);
    cairo_rectangle(cr, x, y + s * 0.45, s / 3, s * 0.55);
    cairo_fill(cr);
    Rgb(cr, 0xf1c40f);
    cairo_rectangle(cr, x + s / 3, y + s * 0.2, s / 3, s * 0.8);
    cairo_fill(cr);
    Rgb(cr, 0xcd7f32);
    cairo_rectangle(cr, x + 2 * s / 3, y + s * 0.6, s / 3, s * 0.4);
    cairo_fill(cr);
}

void Envelope(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill_preserve(cr);
    Rgb(cr, 0x34495e);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + w / 2, y + h * 0.6);
    cairo_line_to(cr, x + w, y);
    cairo_stroke(cr);
}

void Whistle(cairo_t* cr, double x, double y, double s) {
    cairo_arc(cr, x + s * 0.38, y + s * 0.6, s * 0.3, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_rectangle(cr, x + s * 0.38, y + s * 0.3, s * 0.58, s * 0.24);
    cairo_fill(cr);
    Rgb(cr, 0x2c3e50);
    cairo_arc(cr, x + s * 0.38, y + s * 0.6, s * 0.1, 0, 2 * kPi);
    cairo_fill(cr);
}

void Palette(cairo_t* cr, double x, double y, double s) {
    Rgb(cr, 0xf5deb3);
    cairo_arc(cr, x + s / 2, y + s / 2, s * 0.46, 0, 2 * kPi);
    cairo_fill(cr);
    constexpr std::array<int, 4> kPaints = {0xe74c3c, 0x3498db, 0x2ecc71, 0xf1c40f};
    for (int i = 0; i < 4; ++i) {
        const double a = -kPi * 0.9 + i * kPi * 0.4;
        Rgb(cr, kPaints[static_cast<std::size_t>(i)]);
        cairo_arc(cr, x + s / 2 + s * 0.26 * std::cos(a), y + s / 2 + s * 0.26 * std::sin(a),
                  s * 0.1, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void Cross(cairo_t* cr, double cx, double cy, double r) {
    cairo_rectangle(cr, cx - r, cy - r * 0.35, 2 * r, r * 0.7);
    cairo_rectangle(cr, cx - r * 0.35, cy - r, r * 0.7, 2 * r);
    cairo_fill(cr);
}

void Card(cairo_t* cr, double x, double y, double w, double h, int rgb) {
    Rgb(cr, rgb);
    RoundedRect(cr, x, y, w, h, 1.5);
    cairo_fill_preserve(cr);
    Rgb(cr, 0x000000, 0.5);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void Star(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double d = i % 2 ? r * 0.42 : r;
        if (i == 0)
            cairo_move_to(cr, cx + d * std::cos(a), cy + d * std::sin(a));
        else
            cairo_line_to(cr, cx + d * std::cos(a), cy + d * std::sin(a));
    }
    cairo_close_path(cr);
    Rgb(cr, 0xf5b800);
    cairo_fill_preserve(cr);
    Rgb(cr, 0x8a6500);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

template <class Draw>
Picture Drawn(int w, int h, Draw draw) {
    Picture picture(w, h);
    {
        Canvas canvas(picture);
        cairo_t* cr = canvas.cairo();
        Clear(cr);
        draw(canvas, cr);
    }
    return picture;
}

}  // namespace

Picture ToolBarPicture() {
    return Drawn(kToolBarPictureWidth, kToolBarPictureHeight, [](Canvas&, cairo_t* cr) {
        const double w = kToolBarPictureWidth, h = kToolBarPictureHeight;
        VerticalGradient(cr, 0, h, 0x2a4d74, 0x0d1e33);
        cairo_paint(cr);
        Rgb(cr, 0xffffff, 0.10);
        cairo_rectangle(cr, 0, 0, w, h * 0.45);
        cairo_fill(cr);
        Rgb(cr, 0xe8b923);
        cairo_rectangle(cr, 0, h - 3, w, 3);
        cairo_fill(cr);
        // The game's ball at the left end, before the first button.
        Ball(cr, 34, 30, 20);
        // A plate under each button, inside the zone the window answers to.
        struct Zone {
            int x0, x1, y0, y1;
        };
        constexpr Zone kZones[] = {{77, 108, 11, 43}, {132, 161, 11, 43}, {181, 218, 11, 40},
                                   {240, 272, 8, 40}, {295, 341, 8, 40},  {366, 415, 4, 35},
                                   {436, 471, 6, 35}, {493, 516, 4, 36},  {534, 565, 4, 36},
                                   {581, 607, 2, 37}, {625, 655, 4, 36}};
        for (const Zone& z : kZones) {
            RoundedRect(cr, z.x0, z.y0, z.x1 - z.x0 + 1, z.y1 - z.y0 + 1, 5);
            Rgb(cr, 0xffffff, 0.12);
            cairo_fill_preserve(cr);
            Rgb(cr, 0xffffff, 0.25);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        auto centre = [&](int i, double side, double& x, double& y) {
            const Zone& z = kZones[i];
            x = (z.x0 + z.x1 + 1) / 2.0 - side / 2;
            y = (z.y0 + z.y1 + 1) / 2.0 - side / 2;
        };
        double x = 0, y = 0;
        centre(0, 24, x, y);
        Rgb(cr, 0xdfe6ee);
        Gear(cr, x + 12, y + 12, 10);
        centre(1, 22, x, y);
        Rgb(cr, 0xffffff);
        Calendar(cr, x, y, 22);
        centre(2, 26, x, y);
        Coins(cr, x, y, 26);
        centre(3, 24, x, y);
        Rgb(cr, 0xffffff);
        Table(cr, x, y, 24);
        centre(4, 26, x, y);
        Rgb(cr, 0x95a5a6);
        Stadium(cr, x - 8, y + 2, 42, 22);
        centre(5, 26, x, y);
        Rgb(cr, 0xe74c3c);
        Shirt(cr, x - 4, y + 2, 20, 20);
        cairo_fill(cr);
        Rgb(cr, 0xffffff);
        Shirt(cr, x + 10, y + 6, 20, 20);
        cairo_fill(cr);
        centre(6, 24, x, y);
        Rgb(cr, 0xffffff);
        Magnifier(cr, x, y, 24);
        centre(7, 22, x, y);
        Rgb(cr, 0xffffff);
        Person(cr, x, y, 22);
        centre(8, 24, x, y);
        Rgb(cr, 0xf1c40f);
        Trophy(cr, x, y, 24);
        centre(9, 24, x, y);
        Ball(cr, x + 12, y + 12, 11);
        centre(10, 24, x, y);
        Podium(cr, x, y, 24);
    });
}

void FillShirtNumberPictures(ImageList& list) {
    list.Clear();
    list.width = 24;
    list.height = 18;
    list.Add(Picture(24, 18));
    for (int n = 1; n <= 28; ++n)
        list.Add(Drawn(24, 18, [n](Canvas& canvas, cairo_t* cr) {
            Shirt(cr, 1, 0.5, 22, 17);
            Rgb(cr, 0xf4f4f4);
            cairo_fill_preserve(cr);
            Rgb(cr, 0x505050);
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
            Text(canvas, {0, 2, 24, 18}, std::to_string(n), 7, TColor{0x202020});
        }));
}

void FillAvailabilityPictures(ImageList& list) {
    list.Clear();
    list.width = 20;
    list.height = 16;
    auto suspended = [](cairo_t* cr) { Card(cr, 6, 2, 8, 12, 0xd62020); };
    auto injured = [](cairo_t* cr) {
        Rgb(cr, 0xffffff);
        cairo_arc(cr, 10, 8, 7.5, 0, 2 * kPi);
        cairo_fill(cr);
        Rgb(cr, 0xd62020);
        Cross(cr, 10, 8, 5.5);
    };
    auto yellows = [](cairo_t* cr) {
        Card(cr, 3, 3, 7, 10, 0xf2d024);
        Card(cr, 7, 2.5, 7, 10, 0xf2d024);
        Card(cr, 11, 2, 7, 10, 0xf2d024);
    };
    auto with_star = [](cairo_t* cr) { Star(cr, 16, 4, 4); };
    for (int i = 0; i <= 12; ++i)
        list.Add(Drawn(20, 16, [&](Canvas&, cairo_t* cr) {
            switch (i) {
                case 1:
                case 5:
                    suspended(cr);
                    break;
                case 3:
                case 7:
                    injured(cr);
                    break;
                case 4:
                case 8:
                    yellows(cr);
                    break;
                case 12:
                    Star(cr, 10, 8, 7);
                    break;
                default:
                    break;
            }
            if (i == 5 || i == 7 || i == 8) with_star(cr);
        }));
}

void FillMoralePictures(ImageList& list) {
    list.Clear();
    list.width = 16;
    list.height = 16;
    for (int i = 0; i < 8; ++i) list.Add(Picture(16, 16));
    // A face: frowning red, plain yellow, smiling green.
    constexpr std::array<int, 3> kFaces = {0xe74c3c, 0xf1c40f, 0x2ecc71};
    for (int m = 0; m < 3; ++m)
        list.Add(Drawn(16, 16, [m, kFaces](Canvas&, cairo_t* cr) {
            Rgb(cr, kFaces[static_cast<std::size_t>(m)]);
            cairo_arc(cr, 8, 8, 7, 0, 2 * kPi);
            cairo_fill_preserve(cr);
            Rgb(cr, 0x000000, 0.6);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            Rgb(cr, 0x202020);
            cairo_arc(cr, 5.5, 6, 1.1, 0, 2 * kPi);
            cairo_fill(cr);
            cairo_arc(cr, 10.5, 6, 1.1, 0, 2 * kPi);
            cairo_fill(cr);
            cairo_set_line_width(cr, 1.2);
            if (m == 0)
                cairo_arc(cr, 8, 13.5, 3.2, -kPi * 0.85, -kPi * 0.15);
            else if (m == 1) {
                cairo_move_to(cr, 5, 10.5);
                cairo_line_to(cr, 11, 10.5);
            } else
                cairo_arc(cr, 8, 8.5, 3.5, kPi * 0.15, kPi * 0.85);
            cairo_stroke(cr);
        }));
}

Picture MainWindowIcon(std::string_view name) {
    if (name == "confrontos")
        return Drawn(32, 24, [](Canvas&, cairo_t* cr) {
            Rgb(cr, 0xe74c3c);
            Shirt(cr, 0, 2, 17, 17);
            cairo_fill(cr);
            Rgb(cr, 0x3498db);
            Shirt(cr, 15, 6, 17, 17);
            cairo_fill(cr);
        });
    if (name == "arbitro")
        return Drawn(24, 24, [](Canvas&, cairo_t* cr) {
            Card(cr, 2, 3, 9, 14, 0xf2d024);
            Card(cr, 7, 6, 9, 14, 0xd62020);
            Rgb(cr, 0xdcdcdc);
            Whistle(cr, 10, 10, 14);
        });
    if (name == "historico")
        return Drawn(20, 20, [](Canvas&, cairo_t* cr) {
            Rgb(cr, 0xffffff);
            cairo_rectangle(cr, 3, 1, 14, 18);
            cairo_fill_preserve(cr);
            Rgb(cr, 0x34495e);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            for (int i = 0; i < 4; ++i) {
                cairo_move_to(cr, 6, 5.5 + i * 3.5);
                cairo_line_to(cr, 14, 5.5 + i * 3.5);
            }
            cairo_stroke(cr);
        });
    if (name == "dinheiro") return Drawn(24, 24, [](Canvas&, cairo_t* cr) { Coins(cr, 0, 0, 24); });
    if (name == "email")
        return Drawn(24, 18, [](Canvas&, cairo_t* cr) {
            Rgb(cr, 0xfdfdfd);
            Envelope(cr, 1.5, 2.5, 21, 14);
        });
    if (name == "cores") return Drawn(22, 22, [](Canvas&, cairo_t* cr) { Palette(cr, 0, 0, 22); });
    if (name == "elenco")
        return Drawn(22, 20, [](Canvas&, cairo_t* cr) {
            Rgb(cr, 0xffffff);
            Shirt(cr, 1, 1, 20, 18);
            cairo_fill_preserve(cr);
            Rgb(cr, 0x34495e);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        });
    return {};
}

}  // namespace kv
