#pragma once
// The plain classic look every standard control shares: 3-D frames, check marks, arrows.

#include "platform/gfx/canvas.h"
#include "platform/window/control.h"

namespace kv {

// `width` lines of `top_left` along the top and left edges and `bottom_right` along the others;
// `r` shrinks by the frame.
void Frame3D(Canvas& canvas, Rect& r, TColor top_left, TColor bottom_right, int width = 1);
// A raised button face edge (2 pixels) or a pressed one; `r` shrinks by it.
void DrawButtonEdge(Canvas& canvas, Rect& r, bool pressed);
// The 2-pixel sunken edge of edit boxes and lists; `r` shrinks by it.
void DrawSunkenEdge(Canvas& canvas, Rect& r);
// The sunken edge filled with `face`: the well of edit boxes, lists and gauges; `r` shrinks to
// the inside.
void DrawSunkenWell(Canvas& canvas, Rect& r, TColor face);
// A check mark inside a 13-pixel box whose top-left is (x, y).
void DrawCheckMark(Canvas& canvas, int x, int y, TColor color);
// The classic box (check or radio) in a 13 x 13 rectangle at (x, y).
void DrawClassicButtonBox(Canvas& canvas, int x, int y, bool radio, bool checked, bool inactive,
                          bool flat);
enum class Arrow { Up, Down, Left, Right };
// A small filled triangle (drop-downs, sub-menus, scroll buttons), centred in r.
void DrawArrow(Canvas& canvas, const Rect& r, Arrow direction, TColor color);

// The control's caption in its font, greyed the desktop's way when the control is disabled.
void DrawControlText(Canvas& canvas, const Control& control, Rect r, unsigned flags);

constexpr int kScrollBarWidth = 16;

}  // namespace kv
