#pragma once
// Small Cairo helpers shared by the pictures the program draws for itself.

#include <cairo.h>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"

namespace kv::drawing {

inline constexpr double kPi = 3.14159265358979323846;

// Source colour from 0xRRGGBB.
inline void Rgb(cairo_t* cr, int rgb, double alpha = 1.0) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                          (rgb & 0xFF) / 255.0, alpha);
}

// A rectangle with corners of radius r, as a new sub-path.
inline void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// Source a linear gradient from colour `from` at `top` to `to` at `bottom` (0xRRGGBB).
inline void VerticalGradient(cairo_t* cr, double top, double bottom, int from, int to) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(p, 0, ((from >> 16) & 0xFF) / 255.0,
                                     ((from >> 8) & 0xFF) / 255.0, (from & 0xFF) / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, ((to >> 16) & 0xFF) / 255.0, ((to >> 8) & 0xFF) / 255.0,
                                     (to & 0xFF) / 255.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

// A picture of w x h pixels drawn by draw(canvas, cr) on a canvas over it; a transparent one
// starts clear, an opaque one as a new picture starts.
template <class Draw>
Picture DrawnPicture(int w, int h, bool transparent, Draw&& draw) {
    Picture picture(w, h);
    {
        Canvas canvas(picture);
        cairo_t* cr = canvas.cairo();
        if (transparent) {
            cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
            cairo_paint(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        }
        draw(canvas, cr);
    }
    return picture;
}

}  // namespace kv::drawing
