#include "platform/window/panel.h"

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"

namespace kv {
namespace {

void BevelFrame(Canvas& canvas, Rect& r, BevelCut cut, int width) {
    if (cut == bvNone) return;
    if (cut == bvSpace) {
        r = r.inflate(-width, -width);
        return;
    }
    const bool raised = cut == bvRaised;
    Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
            width);
}

}  // namespace

Panel::Panel() {
    windowed_ = true;
    SetBounds(0, 0, 185, 41);
}

Rect Panel::ClientArea() const {
    int inset = border_width;
    if (bevel_outer != bvNone) inset += bevel_width;
    if (bevel_inner != bvNone) inset += bevel_width;
    return Rect{0, 0, Width(), Height()}.inflate(-inset, -inset);
}

void Panel::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    if (!transparent) {
        canvas.brush = Brush{Color()};
        canvas.FillRect(r);
    }
    BevelFrame(canvas, r, bevel_outer, bevel_width);
    r = r.inflate(-border_width, -border_width);
    BevelFrame(canvas, r, bevel_inner, bevel_width);
    unsigned flags = DT_SINGLELINE | DT_VCENTER;
    if (alignment == taCenter) flags |= DT_CENTER;
    if (alignment == taRightJustify) flags |= DT_RIGHT;
    DrawControlText(canvas, *this, r, flags);
    Control::Paint(canvas);
}

Bevel::Bevel() {
    UseParentColor();
    SetBounds(0, 0, 50, 50);
}

void Bevel::Paint(Canvas& canvas) {
    const TColor a = style == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor b = style == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width(), h = Height();
    auto line = [&](int x1, int y1, int x2, int y2, TColor c) {
        canvas.pen = Pen{c};
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    switch (shape) {
        case bsBox: {
            Rect r{0, 0, w, h};
            Frame3D(canvas, r, a, b);
            break;
        }
        case bsFrame: {
            Rect outer{0, 0, w - 1, h - 1}, inner{1, 1, w, h};
            Frame3D(canvas, inner, b, b);
            Frame3D(canvas, outer, a, a);
            break;
        }
        case bsTopLine: line(0, 0, w, 0, a), line(0, 1, w, 1, b); break;
        case bsBottomLine: line(0, h - 2, w, h - 2, a), line(0, h - 1, w, h - 1, b); break;
        case bsLeftLine: line(0, 0, 0, h, a), line(1, 0, 1, h, b); break;
        case bsRightLine: line(w - 2, 0, w - 2, h, a), line(w - 1, 0, w - 1, h, b); break;
        case bsSpacer: break;
    }
    Control::Paint(canvas);
}

}  // namespace kv
