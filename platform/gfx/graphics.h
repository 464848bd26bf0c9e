#pragma once
// The antialiased drawing layer of the custom controls (paths, gradients, alpha,
// pictures with opacity, measured strings) over a Cairo context. Angles are in
// degrees, clockwise from the x axis, as the controls give them.

#include <cairo.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"
#include "platform/gfx/geometry.h"

namespace kv {

class Canvas;
class Picture;

// A path of figures. Segments added one after another join into one figure
// until CloseFigure or StartFigure; rectangles and ellipses are figures of their own.
class GraphicsPath {
  public:
    void Reset();
    void StartFigure();
    void CloseFigure();
    void AddLine(float x1, float y1, float x2, float y2);
    void AddLines(const std::vector<PointF>& points);
    void AddArc(const RectF& bounds, float start_angle, float sweep_angle);
    void AddBezier(PointF p1, PointF p2, PointF p3, PointF p4);
    void AddRectangle(const RectF& r);
    void AddRoundRectangle(const RectF& r, float radius);
    void AddEllipse(const RectF& r);
    void AddPolygon(const std::vector<PointF>& points);

    bool empty() const { return ops_.empty(); }
    int PointCount() const;
    RectF Bounds() const;
    void AppendTo(cairo_t* cr) const;

    // The outline in straight edges, figure by figure, each point with the colour its place takes
    // from `colors` (one per path point, the last one standing for any beyond; `otherwise` when
    // there are none): a straight edge blends its ends' colours, a curve blends its four points'
    // colours as it blends their positions.
    struct ColoredPoint {
        PointF p;
        ARGB color;
    };
    std::vector<std::vector<ColoredPoint>> FlattenColored(const std::vector<ARGB>& colors,
                                                          ARGB otherwise) const;

  private:
    enum class Op { Move, Line, Curve, Close };
    struct Item {
        Op op;
        PointF p[3];
    };
    void LineOrMoveTo(PointF p);
    std::vector<Item> ops_;
    bool figure_open_ = false;
};

enum class WrapMode { Tile, TileFlipX, TileFlipY, TileFlipXY, Clamp };
enum class LinearGradientMode { Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal };

// One of the fill kinds the controls use.
class GraphicsBrush {
  public:
    static GraphicsBrush Solid(ARGB color);
    static GraphicsBrush LinearGradient(PointF p1, PointF p2, ARGB c1, ARGB c2);
    static GraphicsBrush LinearGradient(const RectF& r, ARGB c1, ARGB c2, LinearGradientMode mode);
    static GraphicsBrush LinearGradient(const RectF& r, ARGB c1, ARGB c2, float angle);
    // The centre colour fading along every ray to the colour of the path's edge where the ray
    // meets it: one surround colour for the whole edge, or one for each point of the path
    // (SetSurroundColors), blended along the edges between points.
    static GraphicsBrush PathGradient(const GraphicsPath& path, ARGB center, ARGB surround);
    static GraphicsBrush Hatch(int hatch_style, ARGB fore, ARGB back);
    static GraphicsBrush Texture(const Picture& picture, WrapMode wrap = WrapMode::Tile);

    // Colours at positions 0..1 along the gradient, replacing the two end colours.
    void SetInterpolationColors(const std::vector<ARGB>& colors,
                                const std::vector<float>& positions);
    void SetCenterPoint(PointF center);  // path gradients only
    void SetCenterColor(ARGB color);
    void SetSurroundColor(ARGB color);
    // One colour for each point of the path, in order; points beyond the last colour take it.
    void SetSurroundColors(const std::vector<ARGB>& colors);

    GraphicsBrush(const GraphicsBrush& other);
    GraphicsBrush& operator=(const GraphicsBrush& other);
    ~GraphicsBrush();

    // A pattern for filling; `clip` is the path whose bounds the fill covers.
    cairo_pattern_t* CreatePattern() const;
    bool is_path_gradient() const { return kind_ == Kind::PathGradient; }
    const GraphicsPath& gradient_path() const { return path_; }

  private:
    enum class Kind { Solid, Linear, PathGradient, Hatch, Texture };
    GraphicsBrush() = default;
    Kind kind_ = Kind::Solid;
    ARGB c1_ = 0;
    ARGB c2_ = 0;
    PointF p1_, p2_;
    PointF center_;
    bool center_set_ = false;
    RectF bounds_;
    GraphicsPath path_;
    std::vector<ARGB> blend_colors_;
    std::vector<float> blend_positions_;
    std::vector<ARGB> surround_colors_;
    int hatch_ = 0;
    cairo_surface_t* texture_ = nullptr;
    WrapMode wrap_ = WrapMode::Tile;
};

enum class DashStyle { Solid, Dash, Dot, DashDot, DashDotDot };

struct GraphicsPen {
    ARGB color = 0xFF000000;
    float width = 1;
    DashStyle dash = DashStyle::Solid;
};

enum class StringAlignment { Near, Center, Far };
enum class StringTrimming { None, Character, Word, EllipsisCharacter, EllipsisWord, EllipsisPath };
enum class HotkeyPrefix { None, Show, Hide };
constexpr unsigned StringFormatFlagsNoWrap = 0x1000;

struct StringFormat {
    unsigned flags = 0;
    StringAlignment align = StringAlignment::Near;
    StringAlignment line_align = StringAlignment::Near;
    StringTrimming trimming = StringTrimming::Character;
    HotkeyPrefix hotkey_prefix = HotkeyPrefix::None;
};

struct StringMeasure {
    RectF bounds;
    int code_points_fitted = 0;
    int lines_filled = 0;
};

class Graphics {
  public:
    // Draws on the surface of cr (or of the canvas), inside its clip and with its
    // transformation as they are now; cr itself is left untouched.
    explicit Graphics(cairo_t* cr);
    explicit Graphics(Canvas& canvas);
    explicit Graphics(Picture& picture);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    cairo_t* cairo() const { return cr_; }

    void SetSmoothing(bool antialias);
    bool Smoothing() const { return smoothing_; }

    void Clear(ARGB color);
    void FillPath(const GraphicsBrush& brush, const GraphicsPath& path);
    void DrawPath(const GraphicsPen& pen, const GraphicsPath& path);
    void FillRectangle(const GraphicsBrush& brush, const RectF& r);
    void DrawRectangle(const GraphicsPen& pen, const RectF& r);
    void FillEllipse(const GraphicsBrush& brush, const RectF& r);
    void DrawEllipse(const GraphicsPen& pen, const RectF& r);
    void DrawLine(const GraphicsPen& pen, float x1, float y1, float x2, float y2);

    // Draws the src part of the picture into dest, scaled, at opacity 0..1; pixels
    // of the colour key (when given) are left out.
    void DrawImage(const Picture& picture, float x, float y);
    void DrawImage(const Picture& picture, const RectF& dest, float opacity = 1.0f);
    void DrawImage(const Picture& picture, const RectF& dest, const RectF& src,
                   float opacity = 1.0f, TColor color_key = clNone);

    // Text in the font (its colour is ignored: the brush paints it).
    StringMeasure MeasureString(std::string_view utf8, const Font& font, const RectF& layout,
                                const StringFormat& format = {}) const;
    void DrawString(std::string_view utf8, const Font& font, const RectF& layout,
                    const StringFormat& format, const GraphicsBrush& brush);
    void DrawString(std::string_view utf8, const Font& font, PointF origin,
                    const GraphicsBrush& brush);

    // Clips stay inside the clip the context had when this object was made.
    void SetClip(const RectF& r);
    void SetClip(const GraphicsPath& path);
    void IntersectClip(const RectF& r);
    // Keeps only what lies inside the path too (its real outline, not its bounds).
    void IntersectClip(const GraphicsPath& path);
    void ResetClip();
    void Save();
    void Restore();
    void TranslateTransform(float dx, float dy);
    void ScaleTransform(float sx, float sy);
    void RotateTransform(float degrees);

  private:
    void Init();
    void ApplyBaseClip();
    void Fill(const GraphicsBrush& brush);
    void Stroke(const GraphicsPen& pen);
    cairo_t* cr_ = nullptr;
    Picture* picture_ = nullptr;  // the picture drawn into, if any
    // The clip the context had when handed over: clearing our clip goes back to it.
    std::vector<cairo_rectangle_t> base_clip_;
    bool smoothing_ = false;
    int depth_ = 0;
};

}  // namespace kv
