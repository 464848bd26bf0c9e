#include "platform/window/screen_painter.h"

#include "platform/gfx/text_layout.h"
#include "platform/window/screen.h"

namespace kv {

// The screen invalidates all of itself whenever painting starts, so the first paint covers the
// whole back buffer and nothing is shown or read before it.
ScreenPainter::ScreenPainter(int width, int height) : canvas_(width, height, Canvas::Unpainted{}) {
    hint_font_.color = clInfoText;
}

void ScreenPainter::Paint(Screen& screen, const Rect& dirty) {
    canvas_.Save();
    canvas_.SetOrigin(0, 0);
    canvas_.SetClipRect(dirty);
    canvas_.brush = Brush{screen.desktop_color};
    canvas_.FillRect(dirty);
    for (Form* form : screen.Forms()) {
        if (!form->Visible() || form->Freed()) continue;
        const Rect r = form->BoundsRect();
        const Rect d = r.intersect(dirty);
        if (d.empty()) continue;
        canvas_.Save();
        canvas_.SetOrigin(r.left, r.top);
        canvas_.IntersectClipRect(d.offset(-r.left, -r.top));
        form->PaintTree(canvas_, d.offset(-r.left, -r.top));
        canvas_.Restore();
    }
    if (screen.HintShowing() && !screen.HintRect().intersect(dirty).empty()) {
        Rect r = screen.HintRect();
        canvas_.pen = Pen{clBlack};
        canvas_.brush = Brush{clInfoBk};
        canvas_.Rectangle(r);
        const HintInfo& hint = screen.Hint();
        Rect inside = r.inflate(-3, -2);
        if (hint.paint) {
            canvas_.Save();
            canvas_.IntersectClipRect(r.inflate(-1, -1));
            hint.paint(canvas_, inside);
            canvas_.Restore();
        } else {
            canvas_.font = hint_font_;
            canvas_.bk_mode = BkMode::Transparent;
            canvas_.DrawText(hint.text, inside, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
        }
    }
    canvas_.Restore();
    cairo_surface_flush(canvas_.surface());
}

PixelView ScreenPainter::Pixels() const {
    cairo_surface_t* s = canvas_.surface();
    return {reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s)),
            cairo_image_surface_get_width(s), cairo_image_surface_get_height(s),
            cairo_image_surface_get_stride(s)};
}

Size ScreenPainter::HintSize(const std::string& text) const {
    const TextBlock block = LayoutText(text, hint_font_, 300, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
    return {block.width + 8, block.height + 5};
}

}  // namespace kv
