#include "screens/start/star_points.h"

#include <cmath>

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

}  // namespace kv
