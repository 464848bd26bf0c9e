#include "platform/gfx/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"

namespace kv {
namespace {

// Which pixels of a small canvas differ from white, as rows of '#' and '.'.
std::vector<std::string> Painted(const Canvas& c) {
    std::vector<std::string> rows;
    for (int y = 0; y < c.height(); ++y) {
        std::string row;
        for (int x = 0; x < c.width(); ++x) row += c.Pixel(x, y) == clWhite ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

struct PixelCase {
    const char* name;
    std::function<void(Canvas&)> draw;
    std::vector<std::string> expected;
};

TEST(CanvasPixels, ShapesCoverExactlyTheDesktopsPixels) {
    const PixelCase cases[] = {
        {"rectangle covers left..right-1, top..bottom-1",
         [](Canvas& c) {
             c.brush.color = clRed;
             c.Rectangle(1, 1, 6, 5);
         },
         {"........", ".#####..", ".#####..", ".#####..", ".#####..", "........"}},
        {"rectangle without a pen leaves the last column and row",
         [](Canvas& c) {
             c.pen.style = psClear;
             c.brush.color = clRed;
             c.Rectangle(1, 1, 6, 5);
         },
         {"........", ".####...", ".####...", ".####...", "........", "........"}},
        {"rectangle with a clear brush is only its outline",
         [](Canvas& c) {
             c.brush.style = bsClear;
             c.Rectangle(1, 1, 6, 5);
         },
         {"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}},
        {"fill covers the whole rectangle",
         [](Canvas& c) {
             c.brush.color = clBlack;
             c.FillRect({2, 1, 5, 4});
         },
         {"........", "..###...", "..###...", "..###...", "........", "........"}},
        {"frame is a one-pixel border of the same rectangle",
         [](Canvas& c) {
             c.brush.color = clBlack;
             c.FrameRect({1, 0, 6, 5});
         },
         {".#####..", ".#...#..", ".#...#..", ".#...#..", ".#####..", "........"}},
        {"horizontal line leaves out its last pixel",
         [](Canvas& c) {
             c.MoveTo(1, 2);
             c.LineTo(6, 2);
         },
         {"........", "........", ".#####..", "........", "........", "........"}},
        {"line drawn right to left leaves out its last pixel too",
         [](Canvas& c) {
             c.MoveTo(6, 2);
             c.LineTo(1, 2);
         },
         {"........", "........", "..#####.", "........", "........", "........"}},
        {"vertical line",
         [](Canvas& c) {
             c.MoveTo(3, 0);
             c.LineTo(3, 4);
         },
         {"...#....", "...#....", "...#....", "...#....", "........", "........"}},
        {"diagonal line",
         [](Canvas& c) {
             c.MoveTo(0, 0);
             c.LineTo(4, 4);
         },
         {"#.......", ".#......", "..#.....", "...#....", "........", "........"}},
        {"polyline joins without doubling and drops only the final pixel",
         [](Canvas& c) {
             c.Polyline({{1, 1}, {5, 1}, {5, 4}});
         },
         {"........", ".#####..", ".....#..", ".....#..", "........", "........"}},
        {"a line to where it starts draws nothing",
         [](Canvas& c) {
             c.MoveTo(2, 2);
             c.LineTo(2, 2);
         },
         {"........", "........", "........", "........", "........", "........"}},
        {"clip rectangle bounds every drawing",
         [](Canvas& c) {
             c.IntersectClipRect({2, 1, 5, 3});
             c.brush.color = clBlack;
             c.FillRect({0, 0, 8, 6});
         },
         {"........", "..###...", "..###...", "........", "........", "........"}},
        {"origin moves drawing",
         [](Canvas& c) {
             c.SetOrigin(2, 1);
             c.brush.color = clBlack;
             c.FillRect({0, 0, 2, 2});
             c.SetPixel(5, 4, clBlack);
             c.SetOrigin(0, 0);
         },
         {"........", "..##....", "..##....", "........", "........", ".......#"}},
        {"restore brings back the clip of before",
         [](Canvas& c) {
             c.Save();
             c.IntersectClipRect({0, 0, 1, 1});
             c.Restore();
             c.brush.color = clBlack;
             c.FillRect({6, 4, 8, 6});
         },
         {"........", "........", "........", "........", "......##", "......##"}},
        {"focus rectangle drawn twice leaves nothing",
         [](Canvas& c) {
             c.DrawFocusRect({1, 1, 7, 5});
             c.DrawFocusRect({1, 1, 7, 5});
         },
         {"........", "........", "........", "........", "........", "........"}},
    };
    for (const PixelCase& pc : cases) {
        Canvas c(8, 6);
        pc.draw(c);
        EXPECT_EQ(Painted(c), pc.expected) << pc.name;
    }
}

TEST(CanvasPixels, PenOutlinesAndBrushFills) {
    Canvas c(8, 6);
    c.brush.color = clRed;
    c.pen.color = clNavy;
    c.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(c.Pixel(1, 1), clNavy);
    EXPECT_EQ(c.Pixel(5, 4), clNavy);
    EXPECT_EQ(c.Pixel(2, 2), clRed);
    EXPECT_EQ(c.Pixel(4, 3), clRed);
    // System colours resolve to the classic scheme.
    c.SetPixel(0, 0, clBtnFace);
    EXPECT_EQ(c.Pixel(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(c.Pixel(-1, 0), clNone);
    EXPECT_EQ(c.Pixel(8, 0), clNone);
}

TEST(CanvasPixels, EllipseAndRoundRectStayInsideTheirRectangle) {
    for (int shape = 0; shape < 3; ++shape) {
        Canvas c(12, 10);
        c.brush.color = clBlack;
        const Rect r{2, 1, 10, 9};
        if (shape == 0) c.Ellipse(r);
        if (shape == 1) c.RoundRect(r, 4, 4);
        if (shape == 2) c.Polygon({{2, 1}, {9, 1}, {9, 8}});
        Rect ink{99, 99, -1, -1};
        for (int y = 0; y < c.height(); ++y) {
            for (int x = 0; x < c.width(); ++x) {
                if (c.Pixel(x, y) == clWhite) continue;
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                       std::max(ink.bottom, y + 1)};
            }
        }
        EXPECT_EQ(ink, r) << "shape " << shape;
        // Rounded and elliptic corners stay unpainted; polygons reach their points.
        EXPECT_EQ(c.Pixel(2, 1) == clWhite, shape != 2) << "shape " << shape;
    }
}

TEST(CanvasPixels, PicturesDrawStretchAndCopy) {
    Picture p(2, 2);
    p.SetPixelARGB(0, 0, 0xFFFF0000);
    p.SetPixelARGB(1, 1, 0xFF0000FF);
    // (1,0) stays fully transparent, (0,1) is half transparent black.
    p.SetPixelARGB(0, 1, 0x80000000);
    Canvas c(8, 6);
    c.Draw(1, 1, p);
    EXPECT_EQ(c.Pixel(1, 1), clRed);
    EXPECT_EQ(c.Pixel(2, 1), clWhite);
    EXPECT_EQ(c.Pixel(2, 2), clBlue);
    EXPECT_NEAR(GetRValue(c.Pixel(1, 2)), 127, 2);

    c.StretchDraw({4, 0, 8, 4}, p);
    EXPECT_EQ(c.Pixel(4, 0), clRed);
    EXPECT_EQ(c.Pixel(7, 3), clBlue);
    EXPECT_EQ(c.Pixel(7, 0), clWhite);

    Canvas copy(4, 4);
    copy.CopyRect({0, 0, 2, 2}, c, {1, 1, 3, 3});
    EXPECT_EQ(copy.Pixel(0, 0), clRed);
    EXPECT_EQ(copy.Pixel(1, 1), clBlue);
    EXPECT_EQ(copy.Pixel(2, 2), clWhite);
    // Copying onto itself reads what was there before the copy.
    c.CopyRect({2, 2, 4, 4}, c, {1, 1, 3, 3});
    EXPECT_EQ(c.Pixel(2, 2), clRed);
    EXPECT_EQ(c.Pixel(3, 3), clBlue);
}

TEST(CanvasPixels, CoordinatesGoneAstrayFinishAtOnce) {
    constexpr int kFar = 2000000000;
    Canvas c(8, 6);
    c.MoveTo(-kFar, -kFar);
    c.LineTo(kFar, kFar - 1);
    c.pen.style = psDot;
    c.LineTo(-kFar, 3);
    c.DrawFocusRect({-kFar, -kFar, kFar, kFar});
    c.DrawFocusRect({-kFar, 2, kFar, 4});
    EXPECT_EQ(c.Pixel(0, 2), clBlack) << "the focus rectangle's dotted top row";
}

TEST(CanvasPixels, CanvasOverAPictureWritesIntoIt) {
    Picture p(4, 4);
    {
        Canvas c(p);
        c.brush.color = clLime;
        c.FillRect({1, 1, 3, 3});
    }
    EXPECT_EQ(p.PixelARGB(1, 1), 0xFF00FF00u);
    EXPECT_EQ(p.PixelARGB(0, 0), 0u);

    // A keyed picture drawn while a canvas is still painting into it shows the
    // latest pixels, not a copy keyed earlier.
    p.transparent = true;
    p.transparent_color = clLime;
    Canvas into(p);
    Canvas view(4, 4);
    view.Draw(0, 0, p);
    EXPECT_EQ(view.Pixel(1, 1), clWhite);
    into.brush.color = clRed;
    into.FillRect({1, 1, 2, 2});
    view.Draw(0, 0, p);
    EXPECT_EQ(view.Pixel(1, 1), clRed);
}

}  // namespace
}  // namespace kv
