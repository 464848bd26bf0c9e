#include "platform/window/gauge.h"

#include <algorithm>
#include <string>

#include "platform/gfx/canvas.h"
#include "platform/window/classic_look.h"

namespace kv {

Gauge::Gauge() {
    SetColor(clWhite);
    SetBounds(0, 0, 100, 20);
}

void Gauge::SetProgress(int value) {
    value = std::clamp(value, min_value, std::max(min_value, max_value));
    if (value == progress_) return;
    progress_ = value;
    Invalidate();
}

int Gauge::PercentDone() const {
    if (max_value <= min_value) return 0;
    return static_cast<int>(static_cast<int64_t>(progress_ - min_value) * 100 /
                            (max_value - min_value));
}

void Gauge::Paint(Canvas& canvas) {
    Rect r{0, 0, Width(), Height()};
    DrawSunkenWell(canvas, r, Color());
    const int filled = r.width() * PercentDone() / 100;
    const Rect bar{r.left, r.top, r.left + filled, r.bottom};
    canvas.brush = Brush{fore_color};
    canvas.FillRect(bar);
    if (show_text) {
        // The text is inverted over the filled part, as the classic gauge writes it.
        const std::string text = std::to_string(PercentDone()) + "%";
        Font f = font();
        canvas.bk_mode = BkMode::Transparent;
        f.color = fore_color;
        canvas.font = f;
        Rect t = r;
        canvas.DrawText(text, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        canvas.Save();
        canvas.IntersectClipRect(bar);
        f.color = Color();
        canvas.font = f;
        t = r;
        canvas.DrawText(text, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        canvas.Restore();
    }
    Control::Paint(canvas);
}

}  // namespace kv
