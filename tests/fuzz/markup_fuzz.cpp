// Any text handed to the mark-up renderers: laid out, measured, hit-tested and drawn on the
// canvas and on the antialiased surface, it must come back in bounded time without reading
// outside its buffers, overflowing a number or throwing. The first byte picks the options.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/markup_escape.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/gdiplus.h"
#include "ui/markup/canvas_markup_surface.h"
#include "ui/markup/graphics_markup_surface.h"
#include "ui/markup/markup_picture.h"
#include "ui/markup/markup_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kv;
    if (size == 0) return 0;
    const std::uint8_t pick = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    MarkupOptions o;
    o.bounds = {pick & 1 ? 0 : 4, 2, pick & 2 ? 0 : 120, 60};
    o.word_wrap = !(pick & 4);
    o.hover_enabled = pick & 8;
    o.hover_index = 1;
    o.focus_index = 0;
    o.selected = pick & 16;
    o.point_x = 30;
    o.point_y = 8;
    o.hit_test_only = pick & 32;
    o.measure_only = (pick & 96) == 96;
    o.print_mode = pick & 128;
    TMarkupPictureCache cache;
    o.picture_cache = &cache;

    static Canvas canvas(128, 64);
    canvas.font = Font{"Arial", 8, 0, clBlack};
    canvas.brush = Brush{clWhite};
    DrawMarkup(canvas, text, o);

    static Picture picture(128, 64);
    Canvas on_picture(picture);
    auto graphics = TGPGraphics::CreateFromHDC(&on_picture);
    DrawMarkupGP(*graphics, Font{"Tahoma", 8, 0, clBlack}, text, o);

    StripMarkup(text);
    // Whatever a name from the teams database holds, escaped it lays out like any text.
    const std::string name(text.substr(0, 64));
    MarkupOptions plain;
    plain.bounds = {0, 0, 1 << 16, 60};
    plain.word_wrap = false;
    plain.measure_only = true;
    DrawMarkup(canvas, EscapeMarkupText(name), plain);
    return 0;
}
