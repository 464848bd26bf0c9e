#include "platform/gfx/graphics.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"

namespace kv {
namespace {

void ExpectNearColor(TColor got, TColor expected, int tolerance, const char* what) {
    EXPECT_NEAR(GetRValue(got), GetRValue(expected), tolerance) << what;
    EXPECT_NEAR(GetGValue(got), GetGValue(expected), tolerance) << what;
    EXPECT_NEAR(GetBValue(got), GetBValue(expected), tolerance) << what;
}

void ExpectNearRect(const RectF& got, const RectF& expected) {
    EXPECT_NEAR(got.x, expected.x, 0.01);
    EXPECT_NEAR(got.y, expected.y, 0.01);
    EXPECT_NEAR(got.width, expected.width, 0.01);
    EXPECT_NEAR(got.height, expected.height, 0.01);
}

TEST(GraphicsPath, FiguresAndBounds) {
    GraphicsPath round;
    round.AddRoundRectangle({10, 10, 80, 40}, 8);
    ExpectNearRect(round.Bounds(), {10, 10, 80, 40});

    GraphicsPath quarter;  // 0 degrees is east, 90 is south
    quarter.AddArc({0, 0, 100, 100}, 0, 90);
    ExpectNearRect(quarter.Bounds(), {50, 50, 50, 50});

    GraphicsPath joined;  // segments of one figure join up
    joined.AddLine(0, 0, 10, 0);
    joined.AddLine(10, 10, 0, 10);
    joined.CloseFigure();
    EXPECT_EQ(joined.PointCount(), 4);
    joined.AddRectangle({20, 20, 5, 5});
    joined.AddArc({20, 20, 5, 5}, 0, 1e9f);  // more than a turn is one turn
    EXPECT_EQ(joined.PointCount(), 8 + 1 + 4 * 3);
    ExpectNearRect(joined.Bounds(), {0, 0, 25, 25});
}

TEST(GraphicsFill, BrushesAndAlpha) {
    Canvas c(100, 60);
    {
        Graphics g(c);
        g.FillRectangle(GraphicsBrush::Solid(0x80FF0000), {0, 0, 20, 20});
        g.FillRectangle(GraphicsBrush::LinearGradient(RectF{0, 20, 100, 20}, 0xFFFF0000, 0xFF0000FF,
                                                      LinearGradientMode::Horizontal),
                        {0, 20, 100, 20});
        GraphicsPath ellipse;
        ellipse.AddEllipse({40, 0, 20, 20});
        g.FillPath(GraphicsBrush::PathGradient(ellipse, 0xFFFFFFFF, 0xFF000000), ellipse);
        GraphicsBrush bands = GraphicsBrush::LinearGradient(PointF{0, 0}, PointF{100, 0}, 0, 0);
        bands.SetInterpolationColors({0xFF00FF00, 0xFF00FF00, 0xFF000000}, {0, 0.5f, 1});
        g.FillRectangle(bands, {0, 40, 100, 20});
    }
    ExpectNearColor(c.Pixel(10, 10), RGBColor(255, 127, 127), 2, "half-transparent red on white");
    ExpectNearColor(c.Pixel(0, 30), clRed, 6, "gradient start");
    ExpectNearColor(c.Pixel(99, 30), clBlue, 6, "gradient end");
    ExpectNearColor(c.Pixel(50, 30), RGBColor(127, 0, 127), 6, "gradient middle");
    ExpectNearColor(c.Pixel(50, 10), clWhite, 30, "path gradient centre");
    EXPECT_LT(GetRValue(c.Pixel(41, 10)), 80) << "path gradient edge";
    ExpectNearColor(c.Pixel(25, 50), clLime, 2, "first band");
    ExpectNearColor(c.Pixel(75, 50), RGBColor(0, 127, 0), 6, "second band");
}

// Each point of the path has its own surround colour, blended along the edges between points and
// towards the centre colour along every ray; points beyond the last colour take it.
TEST(GraphicsFill, PathGradientGivesEachPointOfThePathItsOwnSurroundColour) {
    const ARGB gray = 0xFF808080, red = 0xFFFF0000, lime = 0xFF00FF00, blue = 0xFF0000FF,
               white = 0xFFFFFFFF;
    struct Case {
        const char* what;
        std::vector<ARGB> surround;
        TColor top_left, top_middle, top_right, bottom_right, bottom_left;
    };
    // One pixel in from the edge the ray is 5% of the way to the centre colour.
    auto near_edge = [](int r, int g, int b) {
        return RGBColor((r * 19 + 128) / 20, (g * 19 + 128) / 20, (b * 19 + 128) / 20);
    };
    const Case cases[] = {
        {"a colour for each corner", {red, lime, blue, white}, near_edge(255, 0, 0),
         near_edge(127, 127, 0), near_edge(0, 255, 0), near_edge(0, 0, 255),
         near_edge(255, 255, 255)},
        {"fewer colours than points", {red, lime}, near_edge(255, 0, 0), near_edge(127, 127, 0),
         near_edge(0, 255, 0), near_edge(0, 255, 0), near_edge(0, 255, 0)},
        {"one colour for all", {blue}, near_edge(0, 0, 255), near_edge(0, 0, 255),
         near_edge(0, 0, 255), near_edge(0, 0, 255), near_edge(0, 0, 255)},
    };
    for (const Case& c : cases) {
        Canvas canvas(41, 41);
        Graphics g(canvas);
        GraphicsPath square;
        square.AddPolygon({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
        GraphicsBrush brush = GraphicsBrush::PathGradient(square, gray, red);
        brush.SetSurroundColors(c.surround);
        g.FillPath(brush, square);
        ExpectNearColor(canvas.Pixel(1, 1), c.top_left, 12, c.what);
        ExpectNearColor(canvas.Pixel(20, 1), c.top_middle, 12, c.what);
        ExpectNearColor(canvas.Pixel(39, 1), c.top_right, 12, c.what);
        ExpectNearColor(canvas.Pixel(39, 39), c.bottom_right, 12, c.what);
        ExpectNearColor(canvas.Pixel(1, 39), c.bottom_left, 12, c.what);
        ExpectNearColor(canvas.Pixel(20, 20), RGBColor(128, 128, 128), 12, c.what);
    }
}

// Along a curve the colours of its four points blend as its positions do: an ellipse whose
// points alternate two colours is of the one colour where a curve starts and a blend midway.
TEST(GraphicsFill, PathGradientColoursFollowCurves) {
    Canvas canvas(41, 41);
    Graphics g(canvas);
    GraphicsPath circle;
    circle.AddEllipse({0, 0, 40, 40});
    ASSERT_EQ(circle.PointCount(), 13);
    GraphicsBrush brush = GraphicsBrush::PathGradient(circle, 0xFF000000, 0xFFFF0000);
    std::vector<ARGB> colours;
    for (int i = 0; i < 13; ++i) colours.push_back(i % 3 == 0 ? 0xFFFF0000 : 0xFF0000FF);
    brush.SetSurroundColors(colours);
    g.FillPath(brush, circle);
    // Curves start at east, south, west and north, red there; blue pulls the middles.
    const TColor east = canvas.Pixel(39, 20), south_east = canvas.Pixel(34, 34);
    EXPECT_GT(GetRValue(east), 200);
    EXPECT_LT(GetBValue(east), 40);
    EXPECT_GT(GetBValue(south_east), 100);
    EXPECT_GT(GetRValue(south_east), 40);
}

TEST(GraphicsFill, HatchAndTextureTilesLandOnWholePixels) {
    Picture tile(2, 1);
    tile.SetPixelARGB(0, 0, 0xFFFF0000);
    tile.SetPixelARGB(1, 0, 0xFF0000FF);
    Canvas c(8, 16);
    {
        Graphics g(c);
        g.FillRectangle(GraphicsBrush::Texture(tile), {0, 0, 8, 8});
        g.FillRectangle(GraphicsBrush::Hatch(1, 0xFF000000, 0xFFFFFFFF), {0, 8, 8, 8});
    }
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(c.Pixel(x, 3), x % 2 ? clBlue : clRed) << x;
        EXPECT_EQ(c.Pixel(x, 12), x == 0 ? clBlack : clWhite) << x;
    }
}

TEST(GraphicsFill, WholeCoordinatesArePixelCentres) {
    Canvas c(10, 10);
    {
        Graphics g(c);
        g.DrawLine({0xFF000000, 1}, 0, 2, 9, 2);
        g.FillRectangle(GraphicsBrush::Solid(0xFF000000), {2, 5, 3, 3});
    }
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(c.Pixel(4, y) == clBlack, y == 2 || (y >= 5 && y < 8)) << "row " << y;
    }
    EXPECT_EQ(c.Pixel(1, 6), clWhite);
    EXPECT_EQ(c.Pixel(4, 6), clBlack);
    EXPECT_EQ(c.Pixel(5, 6), clWhite);
}

TEST(GraphicsFill, SmoothingAddsEdgeShades) {
    for (bool smooth : {false, true}) {
        Canvas c(30, 30);
        {
            Graphics g(c);
            g.SetSmoothing(smooth);
            g.FillEllipse(GraphicsBrush::Solid(0xFF000000), {3, 3, 24, 24});
        }
        std::set<TColor> colours;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) colours.insert(c.Pixel(x, y));
        }
        EXPECT_EQ(colours.size() > 2, smooth);
    }
}

TEST(GraphicsClip, RectanglePathAndTheCanvasClip) {
    Canvas c(40, 20);
    c.IntersectClipRect({0, 0, 30, 20});
    {
        Graphics g(c);
        g.SetClip(RectF{5, 5, 10, 10});
        g.FillRectangle(GraphicsBrush::Solid(0xFF000000), {0, 0, 40, 20});
        EXPECT_EQ(c.Pixel(5, 5), clBlack);
        EXPECT_EQ(c.Pixel(14, 14), clBlack);
        EXPECT_EQ(c.Pixel(15, 15), clWhite);
        EXPECT_EQ(c.Pixel(4, 5), clWhite);

        // Clearing our clip goes back to the canvas's, not to the whole surface.
        g.ResetClip();
        g.FillRectangle(GraphicsBrush::Solid(0xFFFF0000), {0, 0, 40, 5});
        EXPECT_EQ(c.Pixel(29, 0), clRed);
        EXPECT_EQ(c.Pixel(30, 0), clWhite);

        GraphicsPath circle;
        circle.AddEllipse({20, 0, 20, 20});
        g.SetClip(circle);
        g.FillRectangle(GraphicsBrush::Solid(0xFF0000FF), {0, 0, 40, 20});
        EXPECT_EQ(c.Pixel(25, 10), clBlue);
        EXPECT_EQ(c.Pixel(20, 19), clWhite);
        EXPECT_EQ(c.Pixel(35, 10), clWhite);  // inside the circle, outside the canvas clip
    }
    // The canvas's own drawing is unaffected once the graphics is gone.
    c.brush.color = clLime;
    c.FillRect({0, 15, 30, 20});
    EXPECT_EQ(c.Pixel(1, 16), clLime);
}

// Intersecting with a path keeps what lies inside its outline, not inside its bounds, and what
// the clip held before; a smoothed surface still clips to whole pixels.
TEST(GraphicsClip, IntersectingWithAPathKeepsItsRealOutline) {
    for (bool smooth : {false, true}) {
        Canvas c(40, 40);
        Graphics g(c);
        g.SetSmoothing(smooth);
        g.SetClip(RectF{0, 0, 30, 40});
        GraphicsPath triangle;
        triangle.AddPolygon({{0, 0}, {40, 0}, {0, 40}});
        g.IntersectClip(triangle);
        g.FillRectangle(GraphicsBrush::Solid(0xFF000000), {0, 0, 40, 40});
        EXPECT_EQ(c.Pixel(2, 2), clBlack) << smooth;
        EXPECT_EQ(c.Pixel(10, 25), clBlack) << smooth;
        EXPECT_EQ(c.Pixel(25, 25), clWhite) << "inside the bounds, outside the triangle";
        EXPECT_EQ(c.Pixel(35, 2), clWhite) << "inside the triangle, outside the earlier clip";
        std::set<TColor> colours;
        for (int x = 0; x < 40; ++x) colours.insert(c.Pixel(x, 20));
        EXPECT_EQ(colours, (std::set<TColor>{clWhite, clBlack})) << "no half-covered pixels";
    }
}

TEST(GraphicsClip, CanvasBesideGraphicsKeepsItsPixelRules) {
    Canvas c(30, 30);
    c.SetOrigin(2, 2);
    Graphics g(c);
    g.SetSmoothing(true);
    g.FillRectangle(GraphicsBrush::Solid(0xFF000000), {0, 0, 2, 2});
    c.brush.color = clRed;
    c.pen.color = clRed;
    c.Ellipse({4, 4, 26, 26});
    c.SetOrigin(0, 0);
    EXPECT_EQ(c.Pixel(2, 2), clBlack);
    EXPECT_EQ(c.Pixel(4, 4), clWhite);
    std::set<TColor> colours;
    for (int y = 6; y < 30; ++y) {
        for (int x = 6; x < 30; ++x) colours.insert(c.Pixel(x, y));
    }
    EXPECT_EQ(colours, (std::set<TColor>{clWhite, clRed})) << "the canvas stays unsmoothed";
}

TEST(GraphicsImage, OpacityAndScaling) {
    Picture p(2, 2);
    p.SetPixelARGB(0, 0, 0xFFFF0000);
    p.SetPixelARGB(1, 0, 0xFFFF0000);
    p.SetPixelARGB(0, 1, 0xFF0000FF);
    p.SetPixelARGB(1, 1, 0xFF0000FF);
    Canvas c(40, 20);
    {
        Graphics g(c);
        g.DrawImage(p, RectF{0, 0, 2, 2}, 0.5f);
        g.DrawImage(p, RectF{20, 0, 20, 20});
        g.DrawImage(p, RectF{4, 0, 2, 2}, RectF{0, 0, 2, 2}, 1.0f, clRed);
    }
    ExpectNearColor(c.Pixel(0, 0), RGBColor(255, 128, 128), 2, "half opacity");
    EXPECT_EQ(c.Pixel(20, 0), clRed);
    EXPECT_EQ(c.Pixel(39, 19), clBlue);
    EXPECT_EQ(c.Pixel(4, 0), clWhite) << "colour key leaves red out";
    EXPECT_EQ(c.Pixel(4, 1), clBlue);
}

TEST(GraphicsText, MeasureAndAlign) {
    Font f;
    f.name = "Arial";
    f.size = 10;
    Canvas c(200, 60);
    c.font = f;
    Graphics g(c);
    const StringMeasure m = g.MeasureString("Corinthians", f, {0, 0, 0, 0});
    EXPECT_NEAR(m.bounds.width, c.TextWidth("Corinthians"), 2);
    EXPECT_EQ(m.lines_filled, 1);
    EXPECT_EQ(m.code_points_fitted, 11);

    StringFormat centred;
    centred.align = StringAlignment::Center;
    centred.line_align = StringAlignment::Center;
    const StringMeasure mc = g.MeasureString("Corinthians", f, {0, 0, 200, 60}, centred);
    EXPECT_NEAR(mc.bounds.x + mc.bounds.width / 2, 100, 1.5);
    EXPECT_NEAR(mc.bounds.y + mc.bounds.height / 2, 30, 1.5);

    const StringMeasure wrapped =
        g.MeasureString("Corinthians Palmeiras Santos", f, {0, 0, m.bounds.width + 4, 60});
    EXPECT_EQ(wrapped.lines_filled, 3);
    EXPECT_LE(wrapped.bounds.width, m.bounds.width + 4);
}

}  // namespace
}  // namespace kv
