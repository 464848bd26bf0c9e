#include "ui/markup/markup_box_pictures.h"

#include <map>
#include <string>

#include "platform/gfx/canvas.h"

namespace kv {
namespace {

constexpr TColor kKey = clFuchsia;  // the colour left out when drawn

struct BoxLook {
    bool radio = false;
    bool rounded = false;  // the 20-pixel check box and its radio button
    bool checked = false;
    bool disabled = false;
};

Picture DrawBox(const BoxLook& look) {
    const int size = look.rounded && !look.radio ? 20 : 16;
    Picture p(size, size);
    Canvas c(p);
    c.brush = Brush{kKey};
    c.FillRect({0, 0, size, size});
    const TColor edge = look.disabled ? RGBColor(170, 170, 170) : RGBColor(28, 81, 128);
    const TColor face_top = look.disabled ? RGBColor(236, 236, 236) : RGBColor(255, 255, 255);
    const TColor face_bottom = look.disabled ? RGBColor(214, 214, 214) : RGBColor(200, 214, 232);
    const TColor mark = look.disabled ? RGBColor(150, 150, 150) : RGBColor(33, 161, 33);
    const int inset = look.rounded ? 2 : 1;
    const Rect box{inset, inset, size - inset, size - inset};
    // A face shaded from light at the top to a tint at the bottom.
    for (int y = box.top; y < box.bottom; ++y) {
        const int k = y - box.top, n = std::max(1, box.height() - 1);
        const auto mix = [&](int shift) {
            const int a = (face_top >> shift) & 0xFF, b = (face_bottom >> shift) & 0xFF;
            return (a + (b - a) * k / n) << shift;
        };
        c.pen = Pen{mix(0) | mix(8) | mix(16)};
        c.MoveTo(box.left, y);
        c.LineTo(box.right, y);
    }
    c.brush = Brush{kKey, bsClear};
    c.pen = Pen{edge};
    if (look.radio) {
        // Round: the corners outside the circle go back to the key colour.
        c.brush = Brush{kKey, bsClear};
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
                const double r = size / 2.0 - inset;
                if (dx * dx + dy * dy > r * r) c.SetPixel(x, y, kKey);
            }
        }
        c.Ellipse(box);
        if (look.checked) {
            c.brush = Brush{mark};
            c.pen = Pen{mark};
            c.Ellipse(box.inflate(-4, -4));
        }
    } else {
        if (look.rounded) {
            c.RoundRect(box, 5, 5);
        } else {
            c.Rectangle(box);
        }
        if (look.checked) {
            c.pen = Pen{mark, 2};
            const int s = box.width();
            c.MoveTo(box.left + s / 5, box.top + s / 2);
            c.LineTo(box.left + s * 2 / 5, box.top + s * 3 / 4);
            c.LineTo(box.left + s * 4 / 5, box.top + s / 4);
        }
    }
    p.transparent = true;
    p.transparent_color = kKey;
    return p;
}

}  // namespace

const Picture& MarkupBoxPicture(std::string_view name) {
    static std::map<std::string, Picture, std::less<>> drawn;
    if (auto it = drawn.find(name); it != drawn.end()) return it->second;
    Picture picture;
    const bool check = name.starts_with("HTMBCHK"), radio = name.starts_with("HTMBRAD");
    if ((check || radio) && name.size() == 9 && name[7] == '0' && name[8] >= '1' &&
        name[8] <= '8') {
        const int n = name[8] - '1';  // 0..7
        picture = DrawBox({radio, n < 4, n % 2 == 0, n % 4 >= 2});
    }
    return drawn.emplace(std::string(name), std::move(picture)).first->second;
}

}  // namespace kv
