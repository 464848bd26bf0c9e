#include "platform/gfx/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/gfx/drawn_text.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/text_layout.h"

namespace kv {
namespace {

// On/off runs of the one-pixel pen styles, in pixels.
struct DashPattern {
    int runs[6];
    int count;
};
constexpr DashPattern kDash = {{18, 6}, 2};
constexpr DashPattern kDot = {{3, 3}, 2};
constexpr DashPattern kDashDot = {{9, 6, 3, 6}, 4};
constexpr DashPattern kDashDotDot = {{9, 3, 3, 3, 3, 3}, 6};

const DashPattern* PatternOf(PenStyle style) {
    switch (style) {
        case psDash:
            return &kDash;
        case psDot:
            return &kDot;
        case psDashDot:
            return &kDashDot;
        case psDashDotDot:
            return &kDashDotDot;
        default:
            return nullptr;
    }
}

bool DashOn(const DashPattern* pattern, int step) {
    if (!pattern) return true;
    int period = 0;
    for (int i = 0; i < pattern->count; ++i) period += pattern->runs[i];
    int at = step % period;
    for (int i = 0; i < pattern->count; ++i) {
        if (at < pattern->runs[i]) return i % 2 == 0;
        at -= pattern->runs[i];
    }
    return true;
}

void SetRgb(cairo_t* cr, TColor color) {
    const TColor c = ColorToRGB(color);
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

// The path of an ellipse inscribed in the box, in user space.
void EllipsePath(cairo_t* cr, double x, double y, double w, double h) {
    if (w <= 0 || h <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w / 2, h / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double rx, double ry) {
    rx = std::min(rx, w / 2);
    ry = std::min(ry, h / 2);
    if (rx <= 0 || ry <= 0) {
        cairo_rectangle(cr, x, y, w, h);
        return;
    }
    auto corner = [&](double cx, double cy, double a0) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, a0, a0 + M_PI / 2);
        cairo_restore(cr);
    };
    cairo_new_sub_path(cr);
    corner(x + w - rx, y + ry, -M_PI / 2);
    corner(x + w - rx, y + h - ry, 0);
    corner(x + rx, y + h - ry, M_PI / 2);
    corner(x + rx, y + ry, M_PI);
    cairo_close_path(cr);
}

}  // namespace

Canvas::Canvas(int width, int height) : Canvas(width, height, Unpainted{}) {
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
}

Canvas::Canvas(int width, int height, Unpainted) {
    cairo_surface_t* s =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(width, 1), std::max(height, 1));
    Init(s, true);
}

Canvas::Canvas(cairo_surface_t* surface) {
    Init(surface, false);
}

Canvas::Canvas(Picture& picture) {
    if (picture.empty()) picture.SetSize(1, 1);
    picture.OpenForDrawing();
    picture_ = &picture;
    Init(picture.surface(), false);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    if (owned_) cairo_surface_destroy(surface_);
    if (picture_) picture_->CloseForDrawing();
}

void Canvas::Init(cairo_surface_t* surface, bool owned) {
    surface_ = surface;
    owned_ = owned;
    cr_ = cairo_create(surface_);
    width_ = cairo_image_surface_get_width(surface_);
    height_ = cairo_image_surface_get_height(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    clip_ = {0, 0, width_, height_};
}

void Canvas::SetSourceColor(TColor color) {
    SetRgb(cr_, color);
}

bool Canvas::SetBrushSource() {
    if (brush.style == bsClear || brush.color == clNone) return false;
    if (brush.style == bsSolid) {
        SetSourceColor(brush.color);
        return true;
    }
    // Hatches: one-pixel lines every 8 pixels, aligned to the surface.
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_t* t = cairo_create(tile);
    cairo_set_antialias(t, CAIRO_ANTIALIAS_NONE);
    SetRgb(t, brush.color);
    for (int i = 0; i < 8; ++i) {
        const bool h = brush.style == bsHorizontal || brush.style == bsCross;
        const bool v = brush.style == bsVertical || brush.style == bsCross;
        const bool f = brush.style == bsFDiagonal || brush.style == bsDiagCross;
        const bool b = brush.style == bsBDiagonal || brush.style == bsDiagCross;
        if (h) cairo_rectangle(t, i, 0, 1, 1);
        if (v) cairo_rectangle(t, 0, i, 1, 1);
        if (f) cairo_rectangle(t, i, i, 1, 1);
        if (b) cairo_rectangle(t, 7 - i, i, 1, 1);
    }
    cairo_fill(t);
    cairo_destroy(t);
    cairo_pattern_t* p = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, origin_.x, origin_.y);
    cairo_pattern_set_matrix(p, &m);
    cairo_set_source(cr_, p);
    cairo_pattern_destroy(p);
    cairo_surface_destroy(tile);
    return true;
}

bool Canvas::SetPenSource() {
    if (pen.style == psClear || pen.color == clNone) return false;
    if (pen.mode == pmCopy) {
        cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
        SetSourceColor(pen.color);
    } else {
        cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
        SetSourceColor(pen.mode == pmNot ? clWhite : pen.color);
    }
    return true;
}

void Canvas::StrokeOutline() {
    if (!SetPenSource()) {
        cairo_new_path(cr_);
        return;
    }
    cairo_set_line_width(cr_, std::max(1, pen.width));
    const DashPattern* pattern = PatternOf(pen.style);
    if (pattern && pen.width <= 1) {
        double dashes[6];
        for (int i = 0; i < pattern->count; ++i) dashes[i] = pattern->runs[i];
        cairo_set_dash(cr_, dashes, pattern->count, 0);
    }
    cairo_stroke(cr_);
    cairo_set_dash(cr_, nullptr, 0, 0);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

void Canvas::MoveTo(int x, int y) {
    pen_pos_ = {x, y};
}

void Canvas::LineTo(int x, int y) {
    const Point from = pen_pos_;
    pen_pos_ = {x, y};
    if (!SetPenSource()) return;
    // Lines far longer than any surface (coordinates gone astray) are stroked
    // whole rather than stepped out pixel by pixel.
    constexpr int64_t kLongest = 1 << 16;
    const int64_t span = std::max(std::abs(int64_t{x} - from.x), std::abs(int64_t{y} - from.y));
    if (pen.width > 1 || span > kLongest) {
        cairo_set_line_width(cr_, pen.width);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
        cairo_move_to(cr_, from.x + 0.5, from.y + 0.5);
        cairo_line_to(cr_, x + 0.5, y + 0.5);
        cairo_stroke(cr_);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
        cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
        return;
    }
    // One-pixel lines are stepped out pixel by pixel so the end pixel is left out
    // exactly where the desktop leaves it out.
    const DashPattern* pattern = PatternOf(pen.style);
    const int dx = std::abs(x - from.x), dy = std::abs(y - from.y);
    const int sx = from.x < x ? 1 : -1, sy = from.y < y ? 1 : -1;
    if (!pattern && (dx == 0 || dy == 0)) {
        if (dx == 0 && dy == 0) return;
        const int x0 = dx == 0 ? from.x : (sx > 0 ? from.x : x + 1);
        const int y0 = dy == 0 ? from.y : (sy > 0 ? from.y : y + 1);
        cairo_rectangle(cr_, x0, y0, std::max(dx, 1), std::max(dy, 1));
    } else {
        int err = dx - dy;
        int px = from.x, py = from.y;
        for (int step = 0; px != x || py != y; ++step) {
            if (DashOn(pattern, step)) cairo_rectangle(cr_, px, py, 1, 1);
            const int e2 = 2 * err;
            if (e2 > -dy) {
                err -= dy;
                px += sx;
            }
            if (e2 < dx) {
                err += dx;
                py += sy;
            }
        }
    }
    cairo_fill(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

void Canvas::Polyline(const std::vector<Point>& points) {
    if (points.empty()) return;
    const Point saved = pen_pos_;
    MoveTo(points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
    pen_pos_ = saved;
}

void Canvas::Rectangle(const Rect& r) {
    if (r.empty()) return;
    const bool outline = pen.style != psClear && pen.color != clNone;
    if (SetBrushSource()) {
        // Without a pen the desktop leaves the right column and bottom row unpainted.
        if (outline)
            cairo_rectangle(cr_, r.left, r.top, r.width(), r.height());
        else
            cairo_rectangle(cr_, r.left, r.top, r.width() - 1, r.height() - 1);
        cairo_fill(cr_);
    }
    if (!outline) return;
    const double inset = pen.style == psInsideFrame ? pen.width / 2.0 : 0.5;
    cairo_rectangle(cr_, r.left + inset, r.top + inset, r.width() - 2 * inset,
                    r.height() - 2 * inset);
    StrokeOutline();
}

void Canvas::RoundRect(const Rect& r, int corner_width, int corner_height) {
    if (r.empty()) return;
    if (SetBrushSource()) {
        RoundRectPath(cr_, r.left, r.top, r.width(), r.height(), corner_width / 2.0,
                      corner_height / 2.0);
        cairo_fill(cr_);
    }
    RoundRectPath(cr_, r.left + 0.5, r.top + 0.5, r.width() - 1, r.height() - 1,
                  (corner_width - 1) / 2.0, (corner_height - 1) / 2.0);
    StrokeOutline();
}

void Canvas::Ellipse(const Rect& r) {
    if (r.empty()) return;
    if (SetBrushSource()) {
        EllipsePath(cr_, r.left, r.top, r.width(), r.height());
        cairo_fill(cr_);
    }
    EllipsePath(cr_, r.left + 0.5, r.top + 0.5, r.width() - 1, r.height() - 1);
    StrokeOutline();
}

void Canvas::Polygon(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    auto path = [&] {
        cairo_move_to(cr_, points[0].x + 0.5, points[0].y + 0.5);
        for (size_t i = 1; i < points.size(); ++i)
            cairo_line_to(cr_, points[i].x + 0.5, points[i].y + 0.5);
        cairo_close_path(cr_);
    };
    if (SetBrushSource()) {
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
        path();
        cairo_fill(cr_);
    }
    path();
    StrokeOutline();
}

void Canvas::FillRect(const Rect& r) {
    if (r.empty() || !SetBrushSource()) return;
    cairo_rectangle(cr_, r.left, r.top, r.width(), r.height());
    cairo_fill(cr_);
}

void Canvas::FrameRect(const Rect& r) {
    if (r.empty() || !SetBrushSource()) return;
    cairo_rectangle(cr_, r.left, r.top, r.width(), 1);
    cairo_rectangle(cr_, r.left, r.bottom - 1, r.width(), 1);
    cairo_rectangle(cr_, r.left, r.top, 1, r.height());
    cairo_rectangle(cr_, r.right - 1, r.top, 1, r.height());
    cairo_fill(cr_);
}

void Canvas::DrawFocusRect(const Rect& r) {
    if (r.empty()) return;
    // Every other pixel of the frame, counted from the surface's corner.
    auto dot = [&](int x, int y) {
        if (((x + origin_.x) + (y + origin_.y)) % 2 == 0) cairo_rectangle(cr_, x, y, 1, 1);
    };
    // Only the dots that can show are visited.
    const Rect seen = ClipRect();
    for (int x = std::max(r.left, seen.left); x < std::min(r.right, seen.right); ++x) {
        dot(x, r.top);
        if (r.bottom - 1 != r.top) dot(x, r.bottom - 1);
    }
    for (int y = std::max(r.top + 1, seen.top); y < std::min(r.bottom - 1, seen.bottom); ++y) {
        dot(r.left, y);
        if (r.right - 1 != r.left) dot(r.right - 1, y);
    }
    cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_fill(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

TColor Canvas::Pixel(int x, int y) const {
    x += origin_.x;
    y += origin_.y;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
    const int a = p >> 24;
    if (a == 0) return clBlack;
    auto un = [a](uint32_t v) { return static_cast<int>((v * 255 + a / 2) / a); };
    return RGBColor(un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF));
}

void Canvas::SetPixel(int x, int y, TColor color) {
    if (color == clNone || !clip_.contains({x + origin_.x, y + origin_.y})) return;
    SetSourceColor(color);
    cairo_rectangle(cr_, x, y, 1, 1);
    cairo_fill(cr_);
}

void Canvas::DrawTextLine(int x, int y, std::string_view utf8, int accel_byte, const Rect* clip) {
    if (clip) {
        cairo_save(cr_);
        cairo_rectangle(cr_, clip->left, clip->top, clip->width(), clip->height());
        cairo_clip(cr_);
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    DrawTextRun(cr_, font, x, y, utf8, accel_byte);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    if (clip) cairo_restore(cr_);
}

void Canvas::TextOut(int x, int y, std::string_view utf8) {
    const Size extent = TextExtent(utf8);
    if (bk_mode == BkMode::Opaque && brush.style == bsSolid && brush.color != clNone) {
        SetSourceColor(brush.color);
        cairo_rectangle(cr_, x, y, extent.cx, extent.cy);
        cairo_fill(cr_);
    }
    DrawTextLine(x, y, utf8, -1, nullptr);
    pen_pos_ = {x + extent.cx, y};
}

void Canvas::TextRect(const Rect& r, int x, int y, std::string_view utf8) {
    if (bk_mode == BkMode::Opaque && brush.style == bsSolid && brush.color != clNone) FillRect(r);
    DrawTextLine(x, y, utf8, -1, &r);
}

int Canvas::TextWidth(std::string_view utf8) const {
    return MeasureTextWidth(font, utf8);
}

int Canvas::TextHeight(std::string_view) const {
    return MeasureFontMetrics(font).height();
}

Size Canvas::TextExtent(std::string_view utf8) const {
    return {TextWidth(utf8), TextHeight(utf8)};
}

int Canvas::DrawText(std::string_view utf8, Rect& r, unsigned flags) {
    const TextBlock block = LayoutText(utf8, font, r.width(), flags);
    const int lines_height = std::max(block.height, block.line_height);
    if (flags & DT_CALCRECT) {
        r.right = r.left + block.width;
        r.bottom = r.top + lines_height;
        return lines_height;
    }
    int top = r.top;
    const bool single = flags & DT_SINGLELINE;
    if (single && (flags & DT_VCENTER))
        top = r.top + (r.height() - block.line_height) / 2;
    else if (single && (flags & DT_BOTTOM))
        top = r.bottom - block.line_height;
    const bool opaque =
        bk_mode == BkMode::Opaque && brush.style == bsSolid && brush.color != clNone;
    const Rect* clip = (flags & DT_NOCLIP) ? nullptr : &r;
    int y = top;
    for (const TextLine& line : block.lines) {
        const int x = r.left + line.x;
        if (opaque && !line.text.empty()) {
            SetSourceColor(brush.color);
            Rect cell{x, y, x + line.width, y + block.line_height};
            if (clip) cell = cell.intersect(*clip);
            if (!cell.empty()) {
                cairo_rectangle(cr_, cell.left, cell.top, cell.width(), cell.height());
                cairo_fill(cr_);
            }
        }
        DrawTextLine(x, y, line.text, line.accel_byte, clip);
        y += block.line_height;
    }
    if (single && (flags & (DT_VCENTER | DT_BOTTOM))) return top - r.top + block.line_height;
    return block.height;
}

void Canvas::Draw(int x, int y, const Picture& picture) {
    if (picture.empty()) return;
    cairo_set_source_surface(cr_, picture.DrawSurface(), x, y);
    cairo_rectangle(cr_, x, y, picture.width(), picture.height());
    cairo_fill(cr_);
    if (TextRecorder::On())
        TextRecorder::NoteCopy(cairo_image_surface_get_data(picture.surface()), cr_, x, y);
}

void Canvas::StretchDraw(const Rect& r, const Picture& picture) {
    if (picture.empty() || r.empty()) return;
    // Scaling with the smoothing filter costs far more than a copy: the picture keeps its
    // scaled form, and a repaint at the same size copies that.
    if (cairo_surface_t* scaled = picture.ScaledSurface(r.width(), r.height())) {
        cairo_save(cr_);
        cairo_rectangle(cr_, r.left, r.top, r.width(), r.height());
        cairo_clip(cr_);
        cairo_set_source_surface(cr_, scaled, r.left, r.top);
        cairo_paint(cr_);
        cairo_restore(cr_);
        return;
    }
    cairo_save(cr_);
    cairo_rectangle(cr_, r.left, r.top, r.width(), r.height());
    cairo_clip(cr_);
    cairo_translate(cr_, r.left, r.top);
    cairo_scale(cr_, double(r.width()) / picture.width(), double(r.height()) / picture.height());
    cairo_set_source_surface(cr_, picture.DrawSurface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::CopyRect(const Rect& dest, const Canvas& source, const Rect& src) {
    if (dest.empty() || src.empty()) return;
    cairo_surface_flush(source.surface_);
    cairo_surface_t* from = source.surface_;
    cairo_surface_t* copy = nullptr;
    if (from == surface_) {
        // Copying within one surface reads from a snapshot of it.
        copy = cairo_surface_create_similar_image(surface_, CAIRO_FORMAT_ARGB32, width_, height_);
        cairo_t* c = cairo_create(copy);
        cairo_set_source_surface(c, surface_, 0, 0);
        cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
        cairo_paint(c);
        cairo_destroy(c);
        from = copy;
    }
    cairo_save(cr_);
    cairo_rectangle(cr_, dest.left, dest.top, dest.width(), dest.height());
    cairo_clip(cr_);
    cairo_translate(cr_, dest.left, dest.top);
    cairo_scale(cr_, double(dest.width()) / src.width(), double(dest.height()) / src.height());
    cairo_set_source_surface(cr_, from, -(src.left + source.origin_.x),
                             -(src.top + source.origin_.y));
    cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr_);
    cairo_restore(cr_);
    if (copy) cairo_surface_destroy(copy);
}

void Canvas::Save() {
    saved_.push_back({clip_, origin_});
}

void Canvas::Restore() {
    if (saved_.empty()) return;
    clip_ = saved_.back().clip;
    origin_ = saved_.back().origin;
    saved_.pop_back();
    cairo_reset_clip(cr_);
    cairo_identity_matrix(cr_);
    cairo_rectangle(cr_, clip_.left, clip_.top, clip_.width(), clip_.height());
    cairo_clip(cr_);
    cairo_translate(cr_, origin_.x, origin_.y);
}

void Canvas::IntersectClipRect(const Rect& r) {
    SetClipRect(r.offset(origin_.x, origin_.y).intersect(clip_).offset(-origin_.x, -origin_.y));
}

void Canvas::SetClipRect(const Rect& r) {
    const Rect bounds = saved_.empty() ? Rect{0, 0, width_, height_} : saved_.back().clip;
    clip_ = r.offset(origin_.x, origin_.y).intersect(bounds);
    cairo_reset_clip(cr_);
    cairo_identity_matrix(cr_);
    cairo_rectangle(cr_, clip_.left, clip_.top, clip_.width(), clip_.height());
    cairo_clip(cr_);
    cairo_translate(cr_, origin_.x, origin_.y);
}

void Canvas::ResetClip() {
    SetClipRect(Rect{0, 0, width_, height_}.offset(-origin_.x, -origin_.y));
}

Rect Canvas::ClipRect() const {
    return clip_.offset(-origin_.x, -origin_.y);
}

void Canvas::SetOrigin(int x, int y) {
    origin_ = {x, y};
    cairo_identity_matrix(cr_);
    cairo_translate(cr_, x, y);
}

bool Canvas::SaveToPng(const std::string& path) const {
    cairo_surface_flush(surface_);
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace kv
