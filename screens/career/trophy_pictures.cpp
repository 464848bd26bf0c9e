#include "screens/career/trophy_pictures.h"

#include <cairo.h>

#include <map>
#include <string>

namespace kv {
namespace {

struct TrophyShape {
    int width;
    int height;
    unsigned metal;  // 0xRRGGBB
    bool handles;
    bool tall;  // a slim cup on a high stem
};

TrophyShape ShapeOf(std::string_view name) {
    static const std::map<std::string, TrophyShape, std::less<>> kShapes = {
        {"tr_mundial", {56, 110, 0xE8C547, false, true}},
        {"tr_lib", {50, 110, 0xD9D9E0, true, true}},
        {"tr_cl", {64, 110, 0xD9D9E0, true, false}},
        {"tr_cafr", {56, 104, 0xE8C547, true, false}},
        {"tr_casi", {56, 104, 0xE8C547, false, false}},
        {"tr_sul", {48, 104, 0xE8C547, true, true}},
        {"tr_uefa", {56, 110, 0xD9D9E0, false, true}},
        {"tr_recopas", {46, 96, 0xE8C547, true, false}},
        {"tr_recopae", {52, 96, 0xD9D9E0, true, false}},
        {"tr_estadual", {52, 100, 0xE8C547, true, false}},
    };
    if (auto it = kShapes.find(name); it != kShapes.end()) return it->second;
    if (name.starts_with("tr_copa")) return {52, 104, 0xD9D9E0, true, false};
    return {60, 110, 0xE8C547, true, false};
}

void Metal(cairo_t* cr, double left, double right, unsigned rgb) {
    const double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0,
                 b = (rgb & 0xFF) / 255.0;
    cairo_pattern_t* p = cairo_pattern_create_linear(left, 0, right, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, r * 0.55, g * 0.55, b * 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0.35, std::min(1.0, r * 1.15), std::min(1.0, g * 1.15),
                                     std::min(1.0, b * 1.15));
    cairo_pattern_add_color_stop_rgb(p, 1, r * 0.6, g * 0.6, b * 0.6);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

Picture DrawTrophy(const TrophyShape& s) {
    Picture picture(s.width, s.height);
    if (picture.empty()) return picture;
    picture.OpenForDrawing();
    cairo_t* cr = cairo_create(picture.surface());
    const double w = s.width, h = s.height, cx = w / 2;
    // Plinth.
    cairo_set_source_rgb(cr, 0.22, 0.14, 0.08);
    cairo_rectangle(cr, w * 0.18, h - 18, w * 0.64, 18);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.85, 0.75, 0.4);
    cairo_rectangle(cr, w * 0.3, h - 12, w * 0.4, 5);
    cairo_fill(cr);
    // Stem.
    const double cup_bottom = s.tall ? h * 0.52 : h * 0.6;
    Metal(cr, cx - 8, cx + 8, s.metal);
    cairo_move_to(cr, cx - 4, cup_bottom);
    cairo_line_to(cr, cx + 4, cup_bottom);
    cairo_line_to(cr, cx + 9, h - 18);
    cairo_line_to(cr, cx - 9, h - 18);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Bowl.
    const double half = s.tall ? w * 0.3 : w * 0.36;
    Metal(cr, cx - half, cx + half, s.metal);
    cairo_move_to(cr, cx - half, 6);
    cairo_line_to(cr, cx + half, 6);
    cairo_curve_to(cr, cx + half, cup_bottom - 10, cx + 6, cup_bottom, cx, cup_bottom);
    cairo_curve_to(cr, cx - 6, cup_bottom, cx - half, cup_bottom - 10, cx - half, 6);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (s.handles) {
        Metal(cr, 0, w, s.metal);
        cairo_set_line_width(cr, 3);
        cairo_arc(cr, cx - half, 22, 9, 1.57, 4.71);
        cairo_stroke(cr);
        cairo_arc_negative(cr, cx + half, 22, 9, 1.57, -1.57);
        cairo_stroke(cr);
    }
    cairo_destroy(cr);
    picture.CloseForDrawing();
    picture.MarkDirty();
    return picture;
}

}  // namespace

const Picture& TrophyPicture(std::string_view name) {
    static std::map<std::string, Picture, std::less<>> drawn;
    if (auto it = drawn.find(name); it != drawn.end()) return it->second;
    return drawn.emplace(std::string(name), DrawTrophy(ShapeOf(name))).first->second;
}

}  // namespace kv
