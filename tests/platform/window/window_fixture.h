#pragma once
// A shown form on a headless screen, for the tests of the standard controls.

#include "platform/window/test_driver.h"

namespace kv {

struct FormFixture {
    TestDriver d;
    Form& form = d.screen().Create<Form>("form");
    FormFixture() {
        form.SetBounds(20, 20, 400, 300);
        form.SetCaption("Teste");
    }
    // A point of a control's own rectangle (where tabs, headers and scroll bars lie, outside
    // the client area of some controls) on the screen.
    static Point OnScreen(const Control& c, Point own) {
        const Rect client = c.ClientArea();
        return c.ClientToScreen({own.x - client.left, own.y - client.top});
    }
    TColor PixelAt(const Control& c, Point own) {
        d.Pump();
        const Point p = OnScreen(c, own);
        return d.screen().PixelAt(p.x, p.y);
    }
    void Press(const Control& c, Point own) { d.MouseDown(OnScreen(c, own)); }
    void Move(const Control& c, Point own) { d.MouseMove(OnScreen(c, own)); }
    void Release(const Control& c, Point own) { d.MouseUp(OnScreen(c, own)); }
    void ClickOwn(const Control& c, Point own) {
        Move(c, own);
        Press(c, own);
        Release(c, own);
    }
};

}  // namespace kv
