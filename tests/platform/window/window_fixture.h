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
    // How many pixels of a rectangle of the control show something other than its background
    // (text, lines, marks).
    int InkPixels(const Control& c, const Rect& own, TColor background) {
        d.Pump();
        int n = 0;
        for (int y = own.top; y < own.bottom; ++y)
            for (int x = own.left; x < own.right; ++x) {
                const Point p = OnScreen(c, {x, y});
                n += d.screen().PixelAt(p.x, p.y) != ColorToRGB(background);
            }
        return n;
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
