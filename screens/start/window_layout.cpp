#include "screens/start/window_layout.h"

#include <algorithm>

#include "core/screen_size.h"
#include "platform/gfx/geometry.h"
#include "platform/window/screen.h"

namespace kv {

void BuildWindowLayout(Form& form, const WindowLayout& layout) {
    const WindowScale scale = WindowScaleForScreen();
    BuildLayout(form, layout, {scale.numerator, scale.denominator});
}

int ScaledToScreen(int design_pixels) {
    const WindowScale scale = WindowScaleForScreen();
    return MulDiv(design_pixels, scale.numerator, scale.denominator);
}

void ScaleToScreen(Control& control) {
    const WindowScale scale = WindowScaleForScreen();
    if (scale.numerator != scale.denominator) control.ScaleBy(scale.numerator, scale.denominator);
}

void FillScreen(Form& form) {
    const Screen& screen = Screen::Get();
    const int dx = std::max(0, (screen.Width() - form.ClientWidth()) / 2);
    const int dy = std::max(0, (screen.Height() - form.ClientHeight()) / 2);
    for (const auto& child : form.Children())
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    form.position = poDesigned;
    form.SetBounds(0, 0, screen.Width(), screen.Height());
}

}  // namespace kv
