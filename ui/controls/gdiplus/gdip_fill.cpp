#include "ui/controls/gdiplus/gdip_fill.h"

#include <cmath>

#include "ui/controls/gdiplus/picture_placement.h"

namespace kv {
namespace {

// Corners numbered clockwise from the top-left.
bool Rounded(TFillRoundingType type, int corner) {
    switch (type) {
        case rtNone:
            return false;
        case rtTop:
            return corner == 0 || corner == 1;
        case rtBottom:
            return corner == 2 || corner == 3;
        case rtBoth:
            return true;
        case rtLeft:
            return corner == 0 || corner == 3;
        case rtRight:
            return corner == 1 || corner == 2;
    }
    return false;
}

// Smoothing on for one shape, the caller's mode back afterwards.
class SmoothFor {
  public:
    explicit SmoothFor(Graphics& g) : g_(g), was_(g.Smoothing()) { g.SetSmoothing(true); }
    ~SmoothFor() { g_.SetSmoothing(was_); }

  private:
    Graphics& g_;
    bool was_;
};

Rect RoundedRect(const RectF& r) {
    const auto round = [](float v) { return static_cast<int>(std::nearbyint(v)); };
    return RectOfSize(round(r.x), round(r.y), round(r.width), round(r.height));
}

}  // namespace

void AddRoundRectFigure(GraphicsPath& path, const RectF& r, float radius, TFillRoundingType type) {
    const float d = radius * 2;
    const auto rounded = [&](int corner) { return d > 0 && Rounded(type, corner); };
    path.StartFigure();
    // Top-left, top-right, bottom-right, bottom-left: each an arc or a plain corner point.
    if (rounded(0)) {
        path.AddArc({r.x, r.y, d, d}, 180, 90);
    } else {
        path.AddLines({{r.x, r.y}});
    }
    if (rounded(1)) {
        path.AddArc({r.right() - d, r.y, d, d}, 270, 90);
    } else {
        path.AddLines({{r.right(), r.y}});
    }
    if (rounded(2)) {
        path.AddArc({r.right() - d, r.bottom() - d, d, d}, 0, 90);
    } else {
        path.AddLines({{r.right(), r.bottom()}});
    }
    if (rounded(3)) {
        path.AddArc({r.x, r.bottom() - d, d, d}, 90, 90);
    } else {
        path.AddLines({{r.x, r.bottom()}});
    }
    path.CloseFigure();
}

GraphicsPath CreateRoundRectPath(const RectF& r, float radius, TFillRoundingType type) {
    GraphicsPath path;
    AddRoundRectFigure(path, r, radius, type);
    return path;
}

void DrawGradient(Graphics& g, const GradientArea& a) {
    if (a.rect.empty()) return;
    const ARGB c1 = ColorToARGB(a.opacity, a.color);
    const ARGB c2 = ColorToARGB(a.opacity_to, a.color_to);
    const auto fill = [&](const GraphicsBrush& brush) {
        if (a.path) {
            g.FillPath(brush, *a.path);
        } else {
            g.FillRectangle(brush, a.rect);
        }
    };
    const RectF grown{a.rect.x - 1, a.rect.y - 1, a.rect.width + 2, a.rect.height + 2};
    switch (a.kind) {
        case gtSolid:
            fill(GraphicsBrush::Solid(c1));
            break;
        case gtVertical:
        case gtHorizontal:
        case gtForwardDiagonal:
        case gtBackwardDiagonal: {
            const LinearGradientMode mode =
                a.kind == gtVertical          ? LinearGradientMode::Vertical
                : a.kind == gtHorizontal      ? LinearGradientMode::Horizontal
                : a.kind == gtForwardDiagonal ? LinearGradientMode::ForwardDiagonal
                                              : LinearGradientMode::BackwardDiagonal;
            fill(GraphicsBrush::LinearGradient(grown, c1, c2, mode));
            if (a.top_line) {
                g.FillRectangle(GraphicsBrush::Solid(c1), {a.rect.x, a.rect.y, a.rect.width, 1});
            }
            break;
        }
        case gtAngle:
            fill(GraphicsBrush::LinearGradient(grown, c1, c2, a.angle));
            break;
        case gtHatch:
            if (a.hatch >= 0 && a.hatch < HatchStyleTotal) {
                fill(GraphicsBrush::Hatch(a.hatch, c1, c2));
            }
            break;
        case gtTexture:
            if (a.texture && !a.texture->Empty()) {
                if (a.path) {
                    a.texture->FillPathWithTexture(g, *a.path);
                } else {
                    a.texture->FillRectWithTexture(g, a.rect);
                }
            }
            break;
        case gtRadial:
        case gtPath:
        case gtNone:
            break;
    }
    if (a.outline != clNone) {
        const GraphicsPen pen{ColorToARGB(a.opacity, a.outline), a.outline_width, a.outline_dash};
        if (a.path) {
            g.DrawPath(pen, *a.path);
        } else {
            g.DrawRectangle(pen, a.rect);
        }
    }
}

void DrawRadialGradient(Graphics& g, const RectF& r, TColor color, TColor color_to, uint8_t opacity,
                        uint8_t opacity_to, bool centre_at_top, float radius,
                        TFillRoundingType rounding) {
    if (r.empty()) return;
    const ARGB edge = ColorToARGB(opacity, color);
    const ARGB end = ColorToARGB(opacity_to, color_to);
    const GraphicsPath shape = CreateRoundRectPath(r, radius, rounding);
    g.FillPath(GraphicsBrush::Solid(centre_at_top ? edge : end), shape);
    g.SetClip(shape);
    GraphicsPath ellipse;
    PointF centre;
    if (centre_at_top) {
        ellipse.AddEllipse({r.x, r.y - r.height / 2, r.width, r.height * 1.5f});
        centre = {r.x + r.width / 2, r.y};
    } else {
        ellipse.AddEllipse({r.x, r.y, r.width, r.height * 1.5f});
        centre = {r.x + r.width / 2, r.bottom()};
    }
    GraphicsBrush brush = centre_at_top ? GraphicsBrush::PathGradient(ellipse, end, edge)
                                        : GraphicsBrush::PathGradient(ellipse, edge, end);
    brush.SetCenterPoint(centre);
    g.FillRectangle(brush, r);
    g.ResetClip();
}

// ---- TGDIPFill

TGDIPFill::TGDIPFill() {
    picture_.OnChange = [this] { Changed(); };
    background_picture_.OnChange = [this] { Changed(); };
}

void TGDIPFill::SetPicture(const TUiGDIPPicture* source) {
    if (source == &picture_) return;
    picture_.Assign(source);  // the picture's own notification reports the change
}

void TGDIPFill::SetBackGroundPicture(const TUiGDIPPicture* source) {
    if (source == &background_picture_) return;
    background_picture_.Assign(source);
}

void TGDIPFill::Assign(const TGDIPFill& s) {
    if (&s == this) return;
    picture_aspect_ratio_ = s.picture_aspect_ratio_;
    picture_aspect_mode_ = s.picture_aspect_mode_;
    background_aspect_ratio_ = s.background_aspect_ratio_;
    background_aspect_mode_ = s.background_aspect_mode_;
    color_ = s.color_;
    color_to_ = s.color_to_;
    color_mirror_ = s.color_mirror_;
    color_mirror_to_ = s.color_mirror_to_;
    gradient_type_ = s.gradient_type_;
    gradient_mirror_type_ = s.gradient_mirror_type_;
    hatch_style_ = s.hatch_style_;
    hatch_style_mirror_ = s.hatch_style_mirror_;
    background_picture_.Assign(&s.background_picture_);
    background_position_ = s.background_position_;
    background_left_ = s.background_left_;
    background_top_ = s.background_top_;
    picture_.Assign(&s.picture_);
    picture_position_ = s.picture_position_;
    picture_left_ = s.picture_left_;
    picture_top_ = s.picture_top_;
    picture_size_ = s.picture_size_;
    picture_width_ = s.picture_width_;
    picture_height_ = s.picture_height_;
    opacity_ = s.opacity_;
    opacity_to_ = s.opacity_to_;
    opacity_mirror_ = s.opacity_mirror_;
    opacity_mirror_to_ = s.opacity_mirror_to_;
    border_color_ = s.border_color_;
    border_width_ = s.border_width_;
    rounding_ = s.rounding_;
    rounding_type_ = s.rounding_type_;
    shadow_color_ = s.shadow_color_;
    shadow_offset_ = s.shadow_offset_;
    shadow_type_ = s.shadow_type_;
    angle_ = s.angle_;
    border_opacity_ = s.border_opacity_;
    background_mode_ = s.background_mode_;
    glow_gradient_color_ = s.glow_gradient_color_;
    glow_radial_color_ = s.glow_radial_color_;
    glow_ = s.glow_;
    Changed();
}

void TGDIPFill::DrawGradientPart(Graphics& g, const RectF& r, Part part) const {
    const bool upper = part == Part::Upper;
    GradientArea a;
    a.rect = r;
    a.kind = upper ? gradient_type_ : gradient_mirror_type_;
    a.color = upper ? color_ : color_mirror_;
    a.color_to = upper ? color_to_ : color_mirror_to_;
    a.opacity = upper ? opacity_ : opacity_mirror_;
    a.opacity_to = upper ? opacity_to_ : opacity_mirror_to_;
    a.hatch = upper ? hatch_style_ : hatch_style_mirror_;
    a.angle = static_cast<float>(angle_);
    a.texture = background_position_ == ppTiled ? &background_picture_ : nullptr;
    a.top_line = !upper;
    if (a.color == clNone) {
        a.kind = gtNone;
    } else if (a.color_to == clNone) {
        a.kind = gtSolid;
    }
    if (rounding_ == 0) {
        DrawGradient(g, a);
        return;
    }
    TFillRoundingType t = rounding_type_;
    if (color_mirror_ != clNone) {
        // Each half keeps only the rounded corners on its own side.
        if (upper) {
            if (t == rtBottom) t = rtNone;
            if (t == rtBoth) t = rtTop;
        } else {
            if (t == rtTop) t = rtNone;
            if (t == rtBoth) t = rtBottom;
        }
    }
    const GraphicsPath path = CreateRoundRectPath(r, static_cast<float>(rounding_), t);
    a.path = &path;
    SmoothFor smooth(g);
    DrawGradient(g, a);
}

void TGDIPFill::DrawBackGroundPicture(Graphics& g, const RectF& r) const {
    const_cast<TUiGDIPPicture&>(background_picture_).UpdateImageSize();
    PicturePlacement p;
    p.aspect_ratio = background_aspect_ratio_;
    p.aspect_mode = background_aspect_mode_;
    p.left = background_left_;
    p.top = background_top_;
    p.position = background_position_;
    DrawPlacedPicture(g, p, RoundedRect(r), background_picture_.Width(),
                      background_picture_.Height(), background_picture_);
}

RectF TGDIPFill::DrawFill(Graphics& g, const RectF& rect) const {
    RectF r = rect;
    if (r.width <= 0 || r.height <= 0) return r;
    const auto border_pen = [&] {
        return GraphicsPen{ColorToARGB(border_opacity_, border_color_), float(border_width_)};
    };
    const float rounding = static_cast<float>(rounding_);
    if (r.width == 1 || r.height == 1) {
        // A line: no body, but the glow and the pictures are drawn as for any shape.
        if (HasBorder()) g.DrawLine(border_pen(), r.x, r.y, r.right(), r.bottom());
        DrawGlowAndPictures(g, r);
        return r;
    }

    if (HasShadow()) {
        const float s = static_cast<float>(shadow_offset_);
        const auto fade = [&](const GraphicsPath& path) {
            GraphicsBrush brush = GraphicsBrush::PathGradient(path, 0, 0);
            const ARGB shadow = ColorToARGB(180, shadow_color_);
            brush.SetInterpolationColors({0x00000000, shadow, shadow}, {0.0f, 0.1f, 1.0f});
            g.FillPath(brush, path);
        };
        switch (shadow_type_) {
            case stRightBottom:
                fade(CreateRoundRectPath(r, rounding, rounding_type_));
                r.width -= s;
                r.height -= s;
                break;
            case stSurround:
                fade(CreateRoundRectPath(r, s, rtBoth));
                r = {r.x + s, r.y + s, r.width - 2 * s, r.height - 2 * s};
                break;
            case stBottom:
                DrawRadialGradient(g, {r.x, r.bottom() - 2 * s, r.width, 2 * s}, shadow_color_,
                                   shadow_color_, 0, 255, true, rounding, rtBottom);
                r.height -= s;
                break;
        }
        // A shadow larger than the area leaves nothing to paint the body into.
        if (r.width <= 0 || r.height <= 0) return r;
    }

    // Body.
    if (gradient_type_ == gtHatch || gradient_type_ == gtTexture || color_mirror_ == clNone) {
        if (gradient_type_ == gtRadial) {
            if (color_ != clNone) {
                SmoothFor smooth(g);
                DrawRadialGradient(g, r, color_, color_to_ == clNone ? color_ : color_to_, opacity_,
                                   opacity_to_, true, rounding, rounding_type_);
            }
        } else {
            DrawGradientPart(g, r, Part::Upper);
        }
    } else {
        const float h = r.height / 2;
        const RectF upper{r.x, r.y, r.width, r.height - h + 1};
        const RectF lower{r.x, r.y + h - 1, r.width, r.height - h + 1};
        if (gradient_type_ == gtRadial) {
            if (color_ != clNone) {
                SmoothFor smooth(g);
                DrawRadialGradient(g, upper, color_, color_to_ == clNone ? color_ : color_to_,
                                   opacity_, opacity_to_, true, rounding, rtTop);
            }
        } else {
            DrawGradientPart(g, upper, Part::Upper);
        }
        if (gradient_mirror_type_ == gtRadial) {
            if (color_mirror_ != clNone) {
                SmoothFor smooth(g);
                DrawRadialGradient(g, lower, color_mirror_,
                                   color_mirror_to_ == clNone ? color_mirror_ : color_mirror_to_,
                                   opacity_mirror_, opacity_mirror_to_, false, rounding, rtBottom);
            }
        } else {
            DrawGradientPart(g, lower, Part::Lower);
        }
    }

    const bool background = !background_picture_.Empty() && gradient_type_ == gtTexture;
    if (background && background_mode_ == pmInsideFill) {
        g.SetClip(CreateRoundRectPath(r, rounding, rounding_type_));
        DrawBackGroundPicture(g, r);
        g.ResetClip();
    }

    if (HasBorder()) g.DrawPath(border_pen(), CreateRoundRectPath(r, rounding, rounding_type_));
    DrawGlowAndPictures(g, r);
    return r;
}

void TGDIPFill::DrawGlowAndPictures(Graphics& g, const RectF& r) const {
    DrawGlow(g, r);

    const bool background = !background_picture_.Empty() && gradient_type_ == gtTexture;
    if (background && background_mode_ == pmOutsideFill) DrawBackGroundPicture(g, r);

    if (!picture_.Empty()) {
        auto& picture = const_cast<TUiGDIPPicture&>(picture_);
        picture.UpdateImageSize();
        const bool own = picture_size_ == psOriginal;
        PicturePlacement p;
        p.aspect_ratio = picture_aspect_ratio_;
        p.aspect_mode = picture_aspect_mode_;
        p.left = picture_left_;
        p.top = picture_top_;
        p.position = picture_position_;
        DrawPlacedPicture(g, p, RoundedRect(r), own ? picture.Width() : picture_width_,
                          own ? picture.Height() : picture_height_, picture);
    }
}

void TGDIPFill::DrawGlow(Graphics& g, const RectF& r) const {
    if (glow_ == gmNone) return;
    const RectF gr{r.x + 1, r.y + 1, r.width - 2, r.height - 2};
    if (gr.width <= 0 || gr.height <= 0) return;
    g.SetClip(r);
    if (glow_ == gmGradient || glow_ == gmRadialGradient) {
        const float rounding = static_cast<float>(rounding_);
        g.DrawPath(GraphicsPen{ColorToARGB(200, glow_gradient_color_), 1},
                   CreateRoundRectPath(gr, rounding, rounding_type_));
        const auto band = [&](const RectF& b, int alpha_top, int alpha_bottom, float edge_y,
                              float inner_y) {
            if (b.empty()) return;
            const GraphicsBrush brush = GraphicsBrush::LinearGradient(
                RectF{b.x - 1, b.y - 1, b.width + 2, b.height + 2},
                ColorToARGB(alpha_top, glow_gradient_color_),
                ColorToARGB(alpha_bottom, glow_gradient_color_), LinearGradientMode::Vertical);
            GraphicsPath corners;
            corners.AddPolygon({{gr.x, edge_y}, {gr.x + 5, edge_y}, {gr.x + 5, inner_y}});
            corners.AddPolygon(
                {{gr.right(), edge_y}, {gr.right() - 5, edge_y}, {gr.right() - 5, inner_y}});
            g.FillPath(brush, corners);
            g.FillRectangle(brush, b);
        };
        band({gr.x + 5, gr.y, gr.width - 10, 4}, 175, 0, gr.y, gr.y + 4);
        band({gr.x + 5, gr.bottom() - 7, gr.width - 10, 7}, 0, 220, gr.bottom(), gr.bottom() - 7);
    }
    if (glow_ == gmRadial || glow_ == gmRadialGradient) {
        const RectF e{gr.x + 10, gr.y - gr.height / 2, gr.width - 20, 3 * gr.height};
        if (!e.empty()) {
            GraphicsPath ellipse;
            ellipse.AddEllipse(e);
            const GraphicsBrush brush = GraphicsBrush::PathGradient(
                ellipse, ColorToARGB(150, glow_radial_color_), ColorToARGB(0, color_));
            g.FillPath(brush, ellipse);
        }
    }
    g.ResetClip();
}

}  // namespace kv
