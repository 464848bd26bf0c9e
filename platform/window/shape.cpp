#include "platform/window/shape.h"

#include <algorithm>

namespace kv {

Shape::Shape() { SetBounds(0, 0, 65, 65); }

void Shape::Paint(Canvas& canvas) {
    canvas.pen = pen;
    canvas.brush = brush;
    // The pen stays inside the control: the outline's centre line is half a pen in.
    const int inset = pen.width / 2;
    int x = inset, y = inset, w = Width() - pen.width + 1, h = Height() - pen.width + 1;
    if (pen.width == 0) w = Width(), h = Height();
    if (shape == stSquare || shape == stRoundSquare || shape == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    const Rect r = RectOfSize(x, y, w, h);
    switch (shape) {
        case stRectangle:
        case stSquare: canvas.Rectangle(r); break;
        case stRoundRect:
        case stRoundSquare: {
            const int corner = std::min(w, h) / 4;
            canvas.RoundRect(r, corner, corner);
            break;
        }
        case stEllipse:
        case stCircle: canvas.Ellipse(r); break;
    }
    Control::Paint(canvas);
}

}  // namespace kv
