#include "tests/ui/markup/fake_canvas.h"

#include "ui/markup/markup_text.h"

namespace kv::test {

std::string FakeCanvas::Shown(std::string_view text, const MarkupTextFlags& flags) {
    return flags.prefix ? RemovePrefixMarks(text) : std::string(text);
}

}  // namespace kv::test
