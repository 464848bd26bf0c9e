#include "ui/grid/progress_column.h"

#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"

namespace kv {
namespace {

// A progress cell 100 x 20 with the default margin: the bar runs from x 4 to 96, y 4 to 16.
TColor PaintAt(TGrProgressColumn& column, double value, Point probe, Rect cell = {0, 0, 100, 20}) {
    Canvas canvas(100, 20);
    canvas.brush.color = clWhite;
    canvas.FillRect({0, 0, 100, 20});
    TColumnDisplay& display = column.Display();
    display.canvas = &canvas;
    display.ClientRect = cell;
    display.AsFloat = value;
    display.Paint();
    return canvas.Pixel(probe.x, probe.y);
}

TEST(ProgressColumn, FillsItsShareAndNeverOutsideTheBar) {
    TGrProgressColumn column("forma");
    column.HighValueColor = clRed;
    struct Case {
        int max;
        double value;
        Point probe;
        TColor expected;
        const char* what;
    } cases[] = {
        {100, 50, {10, 10}, clRed, "half: the left part is filled"},
        {100, 50, {80, 10}, clWindow, "half: the right part is the cell colour"},
        {100, 150, {94, 10}, clRed, "over Max: a full bar"},
        {0, 50, {10, 10}, clWindow, "Max 0: an empty bar"},
        {-5, 50, {10, 10}, clWindow, "negative Max: an empty bar"},
        {100, -40, {10, 10}, clWindow, "a negative value fills nothing"},
        {100, -40, {2, 10}, clGray, "the frame is still drawn"},
    };
    for (const Case& c : cases) {
        column.Max = c.max;
        EXPECT_EQ(PaintAt(column, c.value, c.probe), ColorToRGB(c.expected)) << c.what;
    }
    column.Max = 0;
    EXPECT_EQ(column.Percent(50), 0);
}

TEST(ProgressColumn, BoxesAreWholeAndAtLeastAPixelWide) {
    TGrProgressColumn column("forma");
    column.HighValueColor = clRed;
    column.ProgressStyle = TProgressStyle::psBoxes;
    // Bar height 12: blocks of 8 with 2-pixel gaps from x 4.
    EXPECT_EQ(PaintAt(column, 100, {5, 10}), ColorToRGB(clRed));
    EXPECT_EQ(PaintAt(column, 100, {13, 10}), ColorToRGB(clWindow));  // the gap
    // A bar one pixel high still gets blocks.
    column.ProgressHeight = 5;
    EXPECT_EQ(PaintAt(column, 100, {4, 10}), ColorToRGB(clRed));
    // An empty cell rectangle draws nothing at all.
    EXPECT_EQ(PaintAt(column, 100, {1, 1}, {0, 0, 3, 3}), ColorToRGB(clWhite));
}

}  // namespace
}  // namespace kv
