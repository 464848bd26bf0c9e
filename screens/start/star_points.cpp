#include "screens/start/star_points.h"

#include <cmath>

#include "platform/gfx/canvas.h"

namespace kv {

std::vector<Point> StarPoints(int cx, int cy, double outer, double inner) {
    constexpr double kTop = -1.5708;  // the first point straight up
    constexpr double kStep = 0.6283;  // a tenth of a turn
    std::vector<Point> points;
    for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? outer : inner;
        const double angle = kTop + k * kStep;
        points.push_back({cx + static_cast<int>(std::lround(radius * std::cos(angle))),
                          cy + static_cast<int>(std::lround(radius * std::sin(angle)))});
    }
    return points;
}

Picture StarMark(int side, double outer, double inner, TColor pen, TColor fill) {
    Picture mark(side, side);
    {
        Canvas canvas(mark);
        canvas.pen.color = pen;
        canvas.brush.color = fill;
        canvas.Polygon(StarPoints(side / 2, side / 2, outer, inner));
    }
    return mark;
}

Picture DiscMark(int side, Rect box, TColor pen, TColor fill) {
    Picture mark(side, side);
    {
        Canvas canvas(mark);
        canvas.pen.color = pen;
        canvas.brush.color = fill;
        canvas.Ellipse(box);
    }
    return mark;
}

}  // namespace kv
