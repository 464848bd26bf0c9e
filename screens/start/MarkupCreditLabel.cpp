#include "screens/start/MarkupCreditLabel.h"

#include "platform/gfx/canvas.h"
#include "ui/markup/canvas_markup_surface.h"

namespace kv {

MarkupCreditLabel::MarkupCreditLabel() {
    transparent = true;
}

void MarkupCreditLabel::SetHTMLText(std::string text) {
    html_text_ = std::move(text);
    Invalidate();
}

void MarkupCreditLabel::Paint(Canvas& canvas) {
    canvas.font = font();
    canvas.brush.style = bsClear;
    MarkupOptions options;
    options.bounds = {0, 0, Width(), Height()};
    options.shadow_color = shadow_color;
    options.shadow_offset = shadow_offset;
    DrawMarkup(canvas, html_text_, options);
}

}  // namespace kv
