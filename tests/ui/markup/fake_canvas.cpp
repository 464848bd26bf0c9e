#include "tests/ui/markup/fake_canvas.h"

#include "platform/gfx/text_layout.h"

namespace kv::test {

std::string FakeCanvas::Shown(std::string_view text, const MarkupTextFlags& flags) {
    int accel = -1;
    return flags.prefix ? StripPrefixes(text, accel) : std::string(text);
}

}  // namespace kv::test
