#include "platform/window/classic_look.h"

namespace kv {

void Frame3D(Canvas& canvas, Rect& r, TColor top_left, TColor bottom_right, int width) {
    for (int i = 0; i < width && !r.empty(); ++i) {
        canvas.pen = Pen{top_left};
        canvas.MoveTo(r.left, r.bottom - 1);
        canvas.LineTo(r.left, r.top);
        canvas.LineTo(r.right - 1, r.top);
        canvas.pen = Pen{bottom_right};
        canvas.LineTo(r.right - 1, r.bottom - 1);
        canvas.LineTo(r.left - 1, r.bottom - 1);
        r = r.inflate(-1, -1);
    }
}

void DrawButtonEdge(Canvas& canvas, Rect& r, bool pressed) {
    if (pressed) {
        Frame3D(canvas, r, cl3DDkShadow, clBtnHighlight);
        Frame3D(canvas, r, clBtnShadow, cl3DLight);
    } else {
        Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow);
        Frame3D(canvas, r, cl3DLight, clBtnShadow);
    }
}

void DrawSunkenEdge(Canvas& canvas, Rect& r) {
    Frame3D(canvas, r, clBtnShadow, clBtnHighlight);
    Frame3D(canvas, r, cl3DDkShadow, cl3DLight);
}

void DrawSunkenWell(Canvas& canvas, Rect& r, TColor face) {
    DrawSunkenEdge(canvas, r);
    canvas.brush = Brush{face};
    canvas.FillRect(r);
}

void DrawCheckMark(Canvas& canvas, int x, int y, TColor color) {
    canvas.pen = Pen{color};
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(x + 3, y + 5 + i);
        canvas.LineTo(x + 5, y + 7 + i);
        canvas.LineTo(x + 10, y + 2 + i);
    }
}

void DrawClassicButtonBox(Canvas& canvas, int x, int y, bool radio, bool checked, bool inactive,
                          bool flat) {
    Rect box{x, y, x + 13, y + 13};
    const TColor face = inactive ? clBtnFace : clWindow;
    const TColor mark = inactive ? clGrayText : clWindowText;
    if (radio) {
        canvas.pen = Pen{flat ? clWindowFrame : clBtnShadow};
        canvas.brush = Brush{face};
        canvas.Ellipse(box);
        if (checked) {
            canvas.pen = Pen{mark};
            canvas.brush = Brush{mark};
            canvas.Ellipse(box.inflate(-4, -4));
        }
        return;
    }
    if (flat) {
        canvas.brush = Brush{clWindowFrame};
        canvas.FrameRect(box);
        box = box.inflate(-1, -1);
    } else {
        DrawSunkenEdge(canvas, box);
    }
    canvas.brush = Brush{face};
    canvas.FillRect(box);
    if (checked) DrawCheckMark(canvas, x, y, mark);
}

void DrawArrow(Canvas& canvas, const Rect& r, Arrow direction, TColor color) {
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    canvas.pen = Pen{color};
    canvas.brush = Brush{color};
    switch (direction) {
        case Arrow::Down: canvas.Polygon({{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}}); break;
        case Arrow::Up: canvas.Polygon({{cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}}); break;
        case Arrow::Left:
            canvas.Polygon({{cx + 1, cy - 3}, {cx + 1, cy + 3}, {cx - 2, cy}});
            break;
        case Arrow::Right: canvas.Polygon({{cx - 1, cy - 3}, {cx - 1, cy + 3}, {cx + 2, cy}}); break;
    }
}

void DrawControlText(Canvas& canvas, const Control& control, Rect r, unsigned flags) {
    canvas.bk_mode = BkMode::Transparent;
    Font f = control.font();
    if (!control.EnabledInTree()) {
        f.color = clBtnHighlight;
        canvas.font = f;
        Rect shadow = r.offset(1, 1);
        canvas.DrawText(control.Caption(), shadow, flags);
        f.color = clBtnShadow;
    }
    canvas.font = f;
    canvas.DrawText(control.Caption(), r, flags);
}

}  // namespace kv
