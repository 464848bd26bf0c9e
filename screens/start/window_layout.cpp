#include "screens/start/window_layout.h"

#include "core/screen_size.h"

namespace kv {

void BuildWindowLayout(Form& form, const WindowLayout& layout) {
    const WindowScale scale = WindowScaleForScreen();
    BuildLayout(form, layout, {scale.numerator, scale.denominator});
}

}  // namespace kv
