#include "ui/grid/flyout.h"

#include "platform/gfx/canvas.h"
#include "platform/window/screen.h"

namespace kv {

TGrFlyoutControl::TGrFlyoutControl(std::string name) : Form(std::move(name)) {
    SetBorderStyle(bsNone);
    form_style = fsStayOnTop;
    tab_stop = false;
}

void TGrFlyoutControl::VisibleChanged() {
    Screen* screen = Screen::Current();
    if (!screen) return;
    if (Visible()) {
        screen->BringToFront(*this);
        Invalidate();
    } else {
        screen->FormHidden(*this);
    }
}

TRollShadow::TRollShadow(std::string name) : TGrFlyoutControl(std::move(name)) {
    // Painted shape by shape over what lies beneath, like a window with a region.
    layered = true;
    SetBounds(0, 0, 32, 32);
}

void TRollShadow::ShowAt(Point screen_point) {
    center_ = screen_point;
    SetBounds(screen_point.x - 7, screen_point.y - 11, 32, 32);
}

void TRollShadow::Paint(Canvas& canvas) {
    canvas.pen.color = clGrayText;
    canvas.pen.mode = pmCopy;
    canvas.brush.color = clGrayText;
    canvas.brush.style = bsSolid;
    canvas.Polygon({{-1, 7}, {7, -1}, {8, 0}, {14, 7}, {0, 6}});
    canvas.Polygon({{-1, 15}, {14, 15}, {6, 22}, {6, 22}, {-1, 14}});
    canvas.Ellipse({5, 9, 10, 14});
}

}  // namespace kv
