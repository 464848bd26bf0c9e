#include "platform/gfx/graphics.h"

#include <algorithm>
#include <cmath>

#include "platform/base/cp1252.h"
#include "platform/base/utf8.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/drawn_text.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/text_layout.h"

namespace kv {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees) {
    return degrees * kPi / 180.0;
}

void SetRgba(cairo_pattern_t* p, double offset, ARGB c) {
    cairo_pattern_add_color_stop_rgba(p, offset, ARGBRed(c) / 255.0, ARGBGreen(c) / 255.0,
                                      ARGBBlue(c) / 255.0, ARGBAlpha(c) / 255.0);
}

void MeshCorner(cairo_pattern_t* p, int corner, ARGB c) {
    cairo_mesh_pattern_set_corner_color_rgba(p, corner, ARGBRed(c) / 255.0, ARGBGreen(c) / 255.0,
                                             ARGBBlue(c) / 255.0, ARGBAlpha(c) / 255.0);
}

// Whole coordinates name pixel centres, but a picture's texels start on whole
// coordinates: shift them so each texel lands on one pixel, unblurred.
void AlignToPixels(cairo_pattern_t* p) {
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, 0.5, 0.5);
    cairo_pattern_set_matrix(p, &m);
    cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
}

// A colour part of the way between others, channel by channel, by weights that sum to 1.
ARGB BlendColors(const ARGB* colors, const double* weights, int n) {
    double a = 0, r = 0, g = 0, b = 0;
    for (int i = 0; i < n; ++i) {
        a += weights[i] * ARGBAlpha(colors[i]);
        r += weights[i] * ARGBRed(colors[i]);
        g += weights[i] * ARGBGreen(colors[i]);
        b += weights[i] * ARGBBlue(colors[i]);
    }
    auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return ComposeARGB(channel(a), channel(r), channel(g), channel(b));
}

// One 8x8 tile per hatch style: horizontal, vertical, the two diagonals, the
// two crosses; the rest fall back to a 50% dither.
bool HatchBit(int style, int x, int y) {
    switch (style) {
        case 0:
            return y == 0;
        case 1:
            return x == 0;
        case 2:
            return x == y;
        case 3:
            return x == 7 - y;
        case 4:
            return x == 0 || y == 0;
        case 5:
            return x == y || x == 7 - y;
        default:
            return (x + y) % 2 == 0;
    }
}

}  // namespace

// ---- GraphicsPath ----

void GraphicsPath::Reset() {
    ops_.clear();
    figure_open_ = false;
}

void GraphicsPath::StartFigure() {
    figure_open_ = false;
}

void GraphicsPath::CloseFigure() {
    if (figure_open_ && !ops_.empty()) ops_.push_back({Op::Close, {}});
    figure_open_ = false;
}

void GraphicsPath::LineOrMoveTo(PointF p) {
    ops_.push_back({figure_open_ ? Op::Line : Op::Move, {p}});
    figure_open_ = true;
}

void GraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
    LineOrMoveTo({x1, y1});
    ops_.push_back({Op::Line, {{x2, y2}}});
}

void GraphicsPath::AddLines(const std::vector<PointF>& points) {
    for (const PointF& p : points) LineOrMoveTo(p);
}

void GraphicsPath::AddArc(const RectF& b, float start_angle, float sweep_angle) {
    const double rx = b.width / 2.0, ry = b.height / 2.0;
    const double cx = b.x + rx, cy = b.y + ry;
    if (!(rx > 0 && ry > 0) || !std::isfinite(start_angle) || !std::isfinite(sweep_angle)) return;
    sweep_angle = std::clamp(sweep_angle, -360.0f, 360.0f);  // more than a turn draws one turn
    // Angles are measured on the ellipse as drawn, so they turn into the
    // parameter of its parametric form first.
    auto param = [&](double degrees) {
        const double a = Radians(degrees);
        return std::atan2(std::sin(a) / ry, std::cos(a) / rx);
    };
    const double sweep = Radians(sweep_angle);
    const double t0 = param(start_angle);
    double t1 = t0 + sweep;
    if (std::abs(sweep_angle) < 360) {
        double delta = param(start_angle + sweep_angle) - t1;
        delta = std::remainder(delta, 2 * kPi);
        t1 += delta;
    }
    const int pieces =
        std::max(1, static_cast<int>(std::ceil(std::abs(t1 - t0) / (kPi / 2) - 1e-9)));
    const double step = (t1 - t0) / pieces;
    auto at = [&](double t) {
        return PointF{float(cx + rx * std::cos(t)), float(cy + ry * std::sin(t))};
    };
    LineOrMoveTo(at(t0));
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < pieces; ++i) {
        const double a = t0 + step * i, e = a + step;
        const PointF p0 = at(a), p3 = at(e);
        const PointF p1{float(p0.x - k * rx * std::sin(a)), float(p0.y + k * ry * std::cos(a))};
        const PointF p2{float(p3.x + k * rx * std::sin(e)), float(p3.y - k * ry * std::cos(e))};
        ops_.push_back({Op::Curve, {p1, p2, p3}});
    }
}

void GraphicsPath::AddBezier(PointF p1, PointF p2, PointF p3, PointF p4) {
    LineOrMoveTo(p1);
    ops_.push_back({Op::Curve, {p2, p3, p4}});
}

void GraphicsPath::AddRectangle(const RectF& r) {
    StartFigure();
    AddLines({{r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}});
    CloseFigure();
}

void GraphicsPath::AddRoundRectangle(const RectF& r, float radius) {
    const float d = std::min({radius * 2, r.width, r.height});
    if (d <= 0) {
        AddRectangle(r);
        return;
    }
    StartFigure();
    AddArc({r.x, r.y, d, d}, 180, 90);
    AddArc({r.right() - d, r.y, d, d}, 270, 90);
    AddArc({r.right() - d, r.bottom() - d, d, d}, 0, 90);
    AddArc({r.x, r.bottom() - d, d, d}, 90, 90);
    CloseFigure();
}

void GraphicsPath::AddEllipse(const RectF& r) {
    StartFigure();
    AddArc(r, 0, 360);
    CloseFigure();
}

void GraphicsPath::AddPolygon(const std::vector<PointF>& points) {
    StartFigure();
    AddLines(points);
    CloseFigure();
}

int GraphicsPath::PointCount() const {
    int n = 0;
    for (const Item& i : ops_) n += i.op == Op::Curve ? 3 : i.op == Op::Close ? 0 : 1;
    return n;
}

RectF GraphicsPath::Bounds() const {
    bool any = false;
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    for (const Item& i : ops_) {
        const int n = i.op == Op::Curve ? 3 : i.op == Op::Close ? 0 : 1;
        for (int k = 0; k < n; ++k) {
            const PointF p = i.p[k];
            if (!any) {
                x0 = x1 = p.x;
                y0 = y1 = p.y;
                any = true;
            }
            x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
            x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
        }
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

void GraphicsPath::AppendTo(cairo_t* cr) const {
    for (const Item& i : ops_) {
        switch (i.op) {
            case Op::Move:
                cairo_move_to(cr, i.p[0].x, i.p[0].y);
                break;
            case Op::Line:
                cairo_line_to(cr, i.p[0].x, i.p[0].y);
                break;
            case Op::Curve:
                cairo_curve_to(cr, i.p[0].x, i.p[0].y, i.p[1].x, i.p[1].y, i.p[2].x, i.p[2].y);
                break;
            case Op::Close:
                cairo_close_path(cr);
                break;
        }
    }
}

std::vector<std::vector<GraphicsPath::ColoredPoint>> GraphicsPath::FlattenColored(
    const std::vector<ARGB>& colors, ARGB otherwise) const {
    std::vector<std::vector<ColoredPoint>> figures;
    int index = 0;  // of the next path point
    auto color_of = [&](int i) {
        if (colors.empty()) return otherwise;
        return colors[std::min<size_t>(static_cast<size_t>(i), colors.size() - 1)];
    };
    PointF last{};
    for (const Item& item : ops_) {
        switch (item.op) {
            case Op::Move:
                figures.emplace_back();
                figures.back().push_back({item.p[0], color_of(index++)});
                last = item.p[0];
                break;
            case Op::Line:
                if (figures.empty()) figures.emplace_back();
                figures.back().push_back({item.p[0], color_of(index++)});
                last = item.p[0];
                break;
            case Op::Curve: {
                if (figures.empty()) figures.emplace_back();
                const PointF q[4] = {last, item.p[0], item.p[1], item.p[2]};
                const ARGB c[4] = {color_of(index - 1), color_of(index), color_of(index + 1),
                                   color_of(index + 2)};
                index += 3;
                // Steps of about two pixels along the control polygon.
                double length = 0;
                for (int k = 0; k < 3; ++k)
                    length += std::hypot(q[k + 1].x - q[k].x, q[k + 1].y - q[k].y);
                const int steps = std::clamp(static_cast<int>(length / 2), 4, 64);
                for (int k = 1; k <= steps; ++k) {
                    const double t = double(k) / steps, u = 1 - t;
                    const double w[4] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
                    const PointF p{
                        float(w[0] * q[0].x + w[1] * q[1].x + w[2] * q[2].x + w[3] * q[3].x),
                        float(w[0] * q[0].y + w[1] * q[1].y + w[2] * q[2].y + w[3] * q[3].y)};
                    figures.back().push_back({p, BlendColors(c, w, 4)});
                }
                last = item.p[2];
                break;
            }
            case Op::Close:
                break;
        }
    }
    return figures;
}

// ---- GraphicsBrush ----

GraphicsBrush GraphicsBrush::Solid(ARGB color) {
    GraphicsBrush b;
    b.kind_ = Kind::Solid;
    b.c1_ = color;
    return b;
}

GraphicsBrush GraphicsBrush::LinearGradient(PointF p1, PointF p2, ARGB c1, ARGB c2) {
    GraphicsBrush b;
    b.kind_ = Kind::Linear;
    b.p1_ = p1;
    b.p2_ = p2;
    b.c1_ = c1;
    b.c2_ = c2;
    return b;
}

GraphicsBrush GraphicsBrush::LinearGradient(const RectF& r, ARGB c1, ARGB c2,
                                            LinearGradientMode mode) {
    switch (mode) {
        case LinearGradientMode::Horizontal:
            return LinearGradient(PointF{r.x, r.y}, PointF{r.right(), r.y}, c1, c2);
        case LinearGradientMode::Vertical:
            return LinearGradient(PointF{r.x, r.y}, PointF{r.x, r.bottom()}, c1, c2);
        case LinearGradientMode::ForwardDiagonal:
            return LinearGradient(PointF{r.x, r.y}, PointF{r.right(), r.bottom()}, c1, c2);
        case LinearGradientMode::BackwardDiagonal:
            break;
    }
    return LinearGradient(PointF{r.right(), r.y}, PointF{r.x, r.bottom()}, c1, c2);
}

GraphicsBrush GraphicsBrush::LinearGradient(const RectF& r, ARGB c1, ARGB c2, float angle) {
    // The gradient runs along the angle and spans the rectangle's extent in that direction.
    const double a = Radians(angle);
    const double dx = std::cos(a), dy = std::sin(a);
    const double cx = r.x + r.width / 2.0, cy = r.y + r.height / 2.0;
    const double half = (std::abs(dx) * r.width + std::abs(dy) * r.height) / 2;
    return LinearGradient(PointF{float(cx - dx * half), float(cy - dy * half)},
                          PointF{float(cx + dx * half), float(cy + dy * half)}, c1, c2);
}

GraphicsBrush GraphicsBrush::PathGradient(const GraphicsPath& path, ARGB center, ARGB surround) {
    GraphicsBrush b;
    b.kind_ = Kind::PathGradient;
    b.path_ = path;
    b.c1_ = center;
    b.c2_ = surround;
    b.bounds_ = path.Bounds();
    b.center_ = {b.bounds_.x + b.bounds_.width / 2, b.bounds_.y + b.bounds_.height / 2};
    return b;
}

GraphicsBrush GraphicsBrush::Hatch(int hatch_style, ARGB fore, ARGB back) {
    GraphicsBrush b;
    b.kind_ = Kind::Hatch;
    b.hatch_ = hatch_style;
    b.c1_ = fore;
    b.c2_ = back;
    return b;
}

GraphicsBrush GraphicsBrush::Texture(const Picture& picture, WrapMode wrap) {
    GraphicsBrush b;
    b.kind_ = Kind::Texture;
    b.wrap_ = wrap;
    if (!picture.empty()) b.texture_ = cairo_surface_reference(picture.DrawSurface());
    return b;
}

GraphicsBrush::GraphicsBrush(const GraphicsBrush& other) {
    *this = other;
}

GraphicsBrush& GraphicsBrush::operator=(const GraphicsBrush& other) {
    if (this == &other) return *this;
    if (texture_) cairo_surface_destroy(texture_);
    kind_ = other.kind_;
    c1_ = other.c1_;
    c2_ = other.c2_;
    p1_ = other.p1_;
    p2_ = other.p2_;
    center_ = other.center_;
    center_set_ = other.center_set_;
    bounds_ = other.bounds_;
    path_ = other.path_;
    blend_colors_ = other.blend_colors_;
    blend_positions_ = other.blend_positions_;
    surround_colors_ = other.surround_colors_;
    hatch_ = other.hatch_;
    texture_ = other.texture_ ? cairo_surface_reference(other.texture_) : nullptr;
    wrap_ = other.wrap_;
    return *this;
}

GraphicsBrush::~GraphicsBrush() {
    if (texture_) cairo_surface_destroy(texture_);
}

void GraphicsBrush::SetInterpolationColors(const std::vector<ARGB>& colors,
                                           const std::vector<float>& positions) {
    if (colors.empty() || colors.size() != positions.size()) return;
    blend_colors_ = colors;
    blend_positions_ = positions;
}

void GraphicsBrush::SetCenterPoint(PointF center) {
    center_ = center;
    center_set_ = true;
}

void GraphicsBrush::SetCenterColor(ARGB color) {
    if (kind_ == Kind::PathGradient) c1_ = color;
}

void GraphicsBrush::SetSurroundColor(ARGB color) {
    if (kind_ != Kind::PathGradient) return;
    c2_ = color;
    surround_colors_.clear();
}

void GraphicsBrush::SetSurroundColors(const std::vector<ARGB>& colors) {
    if (kind_ != Kind::PathGradient || colors.empty()) return;
    c2_ = colors.front();
    surround_colors_ = colors;
}

cairo_pattern_t* GraphicsBrush::CreatePattern() const {
    switch (kind_) {
        case Kind::Solid:
            return cairo_pattern_create_rgba(ARGBRed(c1_) / 255.0, ARGBGreen(c1_) / 255.0,
                                             ARGBBlue(c1_) / 255.0, ARGBAlpha(c1_) / 255.0);
        case Kind::Linear: {
            cairo_pattern_t* p = cairo_pattern_create_linear(p1_.x, p1_.y, p2_.x, p2_.y);
            if (blend_colors_.empty()) {
                SetRgba(p, 0, c1_);
                SetRgba(p, 1, c2_);
            } else {
                for (size_t i = 0; i < blend_colors_.size(); ++i)
                    SetRgba(p, std::clamp(blend_positions_[i], 0.0f, 1.0f), blend_colors_[i]);
            }
            cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
            return p;
        }
        case Kind::PathGradient: {
            // Rings of the flattened outline shrunk toward the centre, each band shaded from its
            // outer colours to its inner ones: the colour runs along every ray from the centre to
            // the edge, whatever the outline's shape. On the edge each point of the path has its
            // own surround colour, blended along the edges between points.
            std::vector<std::pair<float, ARGB>> stops;  // 0 = edge, 1 = centre
            const bool per_point = blend_colors_.empty();
            if (per_point) {
                stops = {{0.0f, c2_}, {1.0f, c1_}};
            } else {
                for (size_t i = 0; i < blend_colors_.size(); ++i)
                    stops.emplace_back(std::clamp(blend_positions_[i], 0.0f, 1.0f),
                                       blend_colors_[i]);
                std::sort(stops.begin(), stops.end(),
                          [](const auto& a, const auto& b) { return a.first < b.first; });
                if (stops.front().first > 0)
                    stops.insert(stops.begin(), {0.0f, stops.front().second});
                if (stops.back().first < 1) stops.push_back({1.0f, stops.back().second});
            }
            // Interpolation colours replace the surround and centre colours altogether.
            const auto figures =
                path_.FlattenColored(per_point ? surround_colors_ : std::vector<ARGB>{}, c2_);
            cairo_pattern_t* p = cairo_pattern_create_mesh();
            for (const auto& outline : figures) {
                if (outline.size() < 3) continue;
                auto ring = [&](size_t i, float f) {
                    const PointF& o = outline[i % outline.size()].p;
                    return PointF{center_.x + (o.x - center_.x) * (1 - f),
                                  center_.y + (o.y - center_.y) * (1 - f)};
                };
                auto color = [&](size_t stop, size_t i) {
                    return per_point && stop == 0 ? outline[i % outline.size()].color
                                                  : stops[stop].second;
                };
                for (size_t s = 0; s + 1 < stops.size(); ++s) {
                    const float f0 = stops[s].first, f1 = stops[s + 1].first;
                    if (f1 <= f0) continue;
                    for (size_t i = 0; i < outline.size(); ++i) {
                        const PointF a = ring(i, f0), b = ring(i + 1, f0);
                        const PointF c = ring(i + 1, f1), d = ring(i, f1);
                        cairo_mesh_pattern_begin_patch(p);
                        cairo_mesh_pattern_move_to(p, a.x, a.y);
                        cairo_mesh_pattern_line_to(p, b.x, b.y);
                        cairo_mesh_pattern_line_to(p, c.x, c.y);
                        cairo_mesh_pattern_line_to(p, d.x, d.y);
                        MeshCorner(p, 0, color(s, i));
                        MeshCorner(p, 1, color(s, i + 1));
                        MeshCorner(p, 2, color(s + 1, i + 1));
                        MeshCorner(p, 3, color(s + 1, i));
                        cairo_mesh_pattern_end_patch(p);
                    }
                }
            }
            return p;
        }
        case Kind::Hatch: {
            cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
            cairo_surface_flush(tile);
            unsigned char* data = cairo_image_surface_get_data(tile);
            const int stride = cairo_image_surface_get_stride(tile);
            auto pre = [](ARGB c) {
                const uint32_t a = ARGBAlpha(c);
                auto m = [a](int v) { return static_cast<uint32_t>((v * a + 127) / 255); };
                return a << 24 | m(ARGBRed(c)) << 16 | m(ARGBGreen(c)) << 8 | m(ARGBBlue(c));
            };
            for (int y = 0; y < 8; ++y) {
                auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
                for (int x = 0; x < 8; ++x) row[x] = pre(HatchBit(hatch_, x, y) ? c1_ : c2_);
            }
            cairo_surface_mark_dirty(tile);
            cairo_pattern_t* p = cairo_pattern_create_for_surface(tile);
            cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
            AlignToPixels(p);
            cairo_surface_destroy(tile);
            return p;
        }
        case Kind::Texture: {
            if (!texture_) return cairo_pattern_create_rgba(0, 0, 0, 0);
            cairo_pattern_t* p = cairo_pattern_create_for_surface(texture_);
            cairo_pattern_set_extend(
                p, wrap_ == WrapMode::Clamp ? CAIRO_EXTEND_NONE : CAIRO_EXTEND_REPEAT);
            AlignToPixels(p);
            return p;
        }
    }
    return cairo_pattern_create_rgba(0, 0, 0, 0);
}

// ---- Graphics ----

// A context of our own on the same surface, starting from the given one's
// transformation and clip: the canvas beside it keeps its own state and pixel
// rules while both are alive.
Graphics::Graphics(cairo_t* cr) : cr_(cairo_create(cairo_get_target(cr))) {
    cairo_save(cr);
    cairo_matrix_t user;
    cairo_get_matrix(cr, &user);
    cairo_identity_matrix(cr);
    cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
    if (list->status == CAIRO_STATUS_SUCCESS) {
        base_clip_.assign(list->rectangles, list->rectangles + list->num_rectangles);
    } else {
        double x0, y0, x1, y1;
        cairo_clip_extents(cr, &x0, &y0, &x1, &y1);
        base_clip_.push_back({x0, y0, x1 - x0, y1 - y0});
    }
    cairo_rectangle_list_destroy(list);
    cairo_restore(cr);
    ApplyBaseClip();
    cairo_set_matrix(cr_, &user);
    Init();
}

Graphics::Graphics(Canvas& canvas) : Graphics(canvas.cairo()) {}

Graphics::Graphics(Picture& picture) {
    if (picture.empty()) picture.SetSize(1, 1);
    picture.OpenForDrawing();
    picture_ = &picture;
    cr_ = cairo_create(picture.surface());
    base_clip_.push_back({0, 0, double(picture.width()), double(picture.height())});
    Init();
}

void Graphics::Init() {
    // Coordinates name pixel centres, so a one-pixel line on a whole coordinate
    // covers exactly one row of pixels.
    cairo_translate(cr_, 0.5, 0.5);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
}

void Graphics::ApplyBaseClip() {
    cairo_reset_clip(cr_);
    cairo_matrix_t user;
    cairo_get_matrix(cr_, &user);
    cairo_identity_matrix(cr_);
    cairo_new_path(cr_);
    for (const cairo_rectangle_t& r : base_clip_) cairo_rectangle(cr_, r.x, r.y, r.width, r.height);
    cairo_clip(cr_);
    cairo_set_matrix(cr_, &user);
}

Graphics::~Graphics() {
    while (depth_ > 0) Restore();
    cairo_surface_flush(cairo_get_target(cr_));
    cairo_destroy(cr_);
    if (picture_) picture_->CloseForDrawing();
}

void Graphics::SetSmoothing(bool antialias) {
    smoothing_ = antialias;
    cairo_set_antialias(cr_, antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void Graphics::Clear(ARGB color) {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr_, ARGBRed(color) / 255.0, ARGBGreen(color) / 255.0,
                          ARGBBlue(color) / 255.0, ARGBAlpha(color) / 255.0);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Graphics::Fill(const GraphicsBrush& brush) {
    cairo_pattern_t* p = brush.CreatePattern();
    cairo_set_source(cr_, p);
    cairo_fill(cr_);
    cairo_pattern_destroy(p);
}

void Graphics::Stroke(const GraphicsPen& pen) {
    cairo_set_source_rgba(cr_, ARGBRed(pen.color) / 255.0, ARGBGreen(pen.color) / 255.0,
                          ARGBBlue(pen.color) / 255.0, ARGBAlpha(pen.color) / 255.0);
    const double w = std::max(pen.width, 0.1f);
    cairo_set_line_width(cr_, w);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    // Dashes scale with the pen's width.
    static const double kDash[] = {3, 1}, kDot[] = {1, 1}, kDashDot[] = {3, 1, 1, 1},
                        kDashDotDot[] = {3, 1, 1, 1, 1, 1};
    const double* d = nullptr;
    int n = 0;
    switch (pen.dash) {
        case DashStyle::Solid:
            break;
        case DashStyle::Dash:
            d = kDash, n = 2;
            break;
        case DashStyle::Dot:
            d = kDot, n = 2;
            break;
        case DashStyle::DashDot:
            d = kDashDot, n = 4;
            break;
        case DashStyle::DashDotDot:
            d = kDashDotDot, n = 6;
            break;
    }
    double scaled[6];
    for (int i = 0; i < n; ++i) scaled[i] = d[i] * w;
    cairo_set_dash(cr_, n ? scaled : nullptr, n, 0);
    cairo_stroke(cr_);
    cairo_set_dash(cr_, nullptr, 0, 0);
}

void Graphics::FillPath(const GraphicsBrush& brush, const GraphicsPath& path) {
    cairo_new_path(cr_);
    path.AppendTo(cr_);
    Fill(brush);
}

void Graphics::DrawPath(const GraphicsPen& pen, const GraphicsPath& path) {
    cairo_new_path(cr_);
    path.AppendTo(cr_);
    Stroke(pen);
}

void Graphics::FillRectangle(const GraphicsBrush& brush, const RectF& r) {
    if (r.empty()) return;
    cairo_new_path(cr_);
    // Fills cover whole pixels from x to x+width, as on the desktop.
    cairo_rectangle(cr_, r.x - 0.5, r.y - 0.5, r.width, r.height);
    Fill(brush);
}

void Graphics::DrawRectangle(const GraphicsPen& pen, const RectF& r) {
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x, r.y, r.width, r.height);
    Stroke(pen);
}

void Graphics::FillEllipse(const GraphicsBrush& brush, const RectF& r) {
    GraphicsPath path;
    path.AddEllipse({r.x - 0.5f, r.y - 0.5f, r.width, r.height});
    FillPath(brush, path);
}

void Graphics::DrawEllipse(const GraphicsPen& pen, const RectF& r) {
    GraphicsPath path;
    path.AddEllipse(r);
    DrawPath(pen, path);
}

void Graphics::DrawLine(const GraphicsPen& pen, float x1, float y1, float x2, float y2) {
    cairo_new_path(cr_);
    cairo_move_to(cr_, x1, y1);
    cairo_line_to(cr_, x2, y2);
    Stroke(pen);
}

void Graphics::DrawImage(const Picture& picture, float x, float y) {
    DrawImage(picture, RectF{x, y, float(picture.width()), float(picture.height())});
}

void Graphics::DrawImage(const Picture& picture, const RectF& dest, float opacity) {
    DrawImage(picture, dest, RectF{0, 0, float(picture.width()), float(picture.height())}, opacity);
}

void Graphics::DrawImage(const Picture& picture, const RectF& dest, const RectF& src, float opacity,
                         TColor color_key) {
    if (picture.empty() || dest.empty() || src.empty() || opacity <= 0) return;
    Picture keyed;
    const Picture* from = &picture;
    if (color_key != clNone) {
        keyed = picture;
        keyed.transparent = true;
        keyed.transparent_color = color_key;
        from = &keyed;
    }
    cairo_save(cr_);
    cairo_translate(cr_, -0.5, -0.5);  // pictures sit on whole pixels
    cairo_new_path(cr_);
    cairo_rectangle(cr_, dest.x, dest.y, dest.width, dest.height);
    cairo_clip(cr_);
    cairo_translate(cr_, dest.x, dest.y);
    cairo_scale(cr_, dest.width / src.width, dest.height / src.height);
    cairo_set_source_surface(cr_, from->DrawSurface(), -src.x, -src.y);
    const bool same_size = dest.width == src.width && dest.height == src.height;
    cairo_pattern_set_filter(cairo_get_source(cr_),
                             same_size ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
    cairo_paint_with_alpha(cr_, std::min(opacity, 1.0f));
    cairo_restore(cr_);
}

namespace {

struct PreparedString {
    PangoLayout* layout = nullptr;
    std::string text;
    float x = 0, y = 0;
    int width = 0, height = 0;
    int lines = 0;
    int fitted = 0;
};

PreparedString PrepareString(std::string_view utf8, const Font& font, const RectF& box,
                             const StringFormat& format) {
    PreparedString s;
    int accel = -1;
    s.text =
        format.hotkey_prefix == HotkeyPrefix::None ? std::string(utf8) : StripPrefixes(utf8, accel);
    s.layout = CreateTextLayout(font);
    SetLayoutText(s.layout, s.text);
    PangoAttrList* attrs = pango_attr_list_new();
    if (font.underline())
        pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.strike_out()) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (accel >= 0 && format.hotkey_prefix == HotkeyPrefix::Show) {
        PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        a->start_index = static_cast<guint>(accel);
        a->end_index = static_cast<guint>(Utf8CharEnd(s.text, static_cast<size_t>(accel)));
        pango_attr_list_insert(attrs, a);
    }
    pango_layout_set_attributes(s.layout, attrs);
    pango_attr_list_unref(attrs);

    const bool bounded = box.width > 0;
    const bool wrap = bounded && !(format.flags & StringFormatFlagsNoWrap);
    if (bounded) {
        pango_layout_set_width(s.layout, static_cast<int>(box.width * PANGO_SCALE));
        pango_layout_set_wrap(s.layout, PANGO_WRAP_WORD_CHAR);
        if (format.align == StringAlignment::Center)
            pango_layout_set_alignment(s.layout, PANGO_ALIGN_CENTER);
        else if (format.align == StringAlignment::Far)
            pango_layout_set_alignment(s.layout, PANGO_ALIGN_RIGHT);
    }
    const bool ellipsis = format.trimming == StringTrimming::EllipsisCharacter ||
                          format.trimming == StringTrimming::EllipsisWord ||
                          format.trimming == StringTrimming::EllipsisPath;
    if (bounded && ellipsis) {
        pango_layout_set_ellipsize(s.layout, format.trimming == StringTrimming::EllipsisPath
                                                 ? PANGO_ELLIPSIZE_MIDDLE
                                                 : PANGO_ELLIPSIZE_END);
        if (!wrap)
            pango_layout_set_height(s.layout, -1);
        else if (box.height > 0)
            pango_layout_set_height(s.layout, static_cast<int>(box.height * PANGO_SCALE));
    } else if (bounded && !wrap) {
        pango_layout_set_width(s.layout, -1);
    }
    PangoRectangle logical;
    pango_layout_get_pixel_extents(s.layout, nullptr, &logical);
    s.width = logical.width;
    s.height = logical.height;
    s.lines = pango_layout_get_line_count(s.layout);
    s.fitted = static_cast<int>(Utf8Length(s.text));
    s.x = box.x;
    s.y = box.y;
    if (bounded && !wrap && !ellipsis) {
        // One unbounded line aligned by hand inside the box.
        if (format.align == StringAlignment::Center)
            s.x += (box.width - s.width) / 2;
        else if (format.align == StringAlignment::Far)
            s.x += box.width - s.width;
    }
    if (box.height > 0) {
        if (format.line_align == StringAlignment::Center)
            s.y += (box.height - s.height) / 2;
        else if (format.line_align == StringAlignment::Far)
            s.y += box.height - s.height;
    }
    return s;
}

}  // namespace

StringMeasure Graphics::MeasureString(std::string_view utf8, const Font& font, const RectF& layout,
                                      const StringFormat& format) const {
    PreparedString s = PrepareString(utf8, font, layout, format);
    StringMeasure m;
    float left = s.x;
    if (layout.width > 0 && !(format.flags & StringFormatFlagsNoWrap)) {
        PangoRectangle logical;
        pango_layout_get_pixel_extents(s.layout, nullptr, &logical);
        left = s.x + logical.x;
    }
    m.bounds = {left, s.y, float(s.width), float(s.height)};
    m.lines_filled = s.lines;
    m.code_points_fitted = s.fitted;
    g_object_unref(s.layout);
    return m;
}

void Graphics::DrawString(std::string_view utf8, const Font& font, const RectF& layout,
                          const StringFormat& format, const GraphicsBrush& brush) {
    PreparedString s = PrepareString(utf8, font, layout, format);
    cairo_save(cr_);
    cairo_translate(cr_, -0.5, -0.5);
    if (layout.width > 0 && layout.height > 0) {
        cairo_new_path(cr_);
        cairo_rectangle(cr_, layout.x, layout.y, layout.width, layout.height);
        cairo_clip(cr_);
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    cairo_pattern_t* p = brush.CreatePattern();
    cairo_set_source(cr_, p);
    cairo_move_to(cr_, s.x, s.y);
    RingIfUnreadable(cr_, s.layout, -1);
    {
        const TextRunCapture capture(cr_, s.layout, utf8);
        pango_cairo_show_layout(cr_, s.layout);
    }
    cairo_new_path(cr_);
    cairo_pattern_destroy(p);
    cairo_restore(cr_);
    g_object_unref(s.layout);
}

void Graphics::DrawString(std::string_view utf8, const Font& font, PointF origin,
                          const GraphicsBrush& brush) {
    DrawString(utf8, font, RectF{origin.x, origin.y, 0, 0}, StringFormat{}, brush);
}

void Graphics::SetClip(const RectF& r) {
    ApplyBaseClip();
    IntersectClip(r);
}

void Graphics::SetClip(const GraphicsPath& path) {
    ApplyBaseClip();
    IntersectClip(path);
}

void Graphics::IntersectClip(const GraphicsPath& path) {
    // A clip is a set of whole pixels, as regions are, even while drawing is smoothed.
    const cairo_antialias_t antialias = cairo_get_antialias(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_new_path(cr_);
    path.AppendTo(cr_);
    cairo_clip(cr_);
    cairo_set_antialias(cr_, antialias);
}

void Graphics::IntersectClip(const RectF& r) {
    cairo_new_path(cr_);
    cairo_rectangle(cr_, r.x - 0.5, r.y - 0.5, r.width, r.height);
    cairo_clip(cr_);
}

void Graphics::ResetClip() {
    ApplyBaseClip();
}

void Graphics::Save() {
    cairo_save(cr_);
    ++depth_;
}

void Graphics::Restore() {
    if (depth_ == 0) return;
    cairo_restore(cr_);
    --depth_;
}

void Graphics::TranslateTransform(float dx, float dy) {
    cairo_translate(cr_, dx, dy);
}
void Graphics::ScaleTransform(float sx, float sy) {
    cairo_scale(cr_, sx, sy);
}
void Graphics::RotateTransform(float degrees) {
    cairo_rotate(cr_, Radians(degrees));
}

}  // namespace kv
