#include "platform/gfx/canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(CanvasPixels, RectangleCoversLeftToRightMinusOne) {
    Canvas c(8, 6);
    c.brush.color = clRed;
    c.pen.color = clBlack;
    c.Rectangle(1, 1, 6, 5);
    const std::vector<std::string> expected = {
        "........", ".#####..", ".#####..", ".#####..", ".#####..", "........",
    };
    EXPECT_EQ(Painted(c), expected);
    EXPECT_EQ(c.Pixel(1, 1), clBlack);
    EXPECT_EQ(c.Pixel(5, 4), clBlack);
    EXPECT_EQ(c.Pixel(2, 2), clRed);
    EXPECT_EQ(c.Pixel(4, 3), clRed);
}

}  // namespace
}  // namespace kv
