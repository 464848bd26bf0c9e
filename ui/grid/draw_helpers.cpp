#include "ui/grid/draw_helpers.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/gfx/picture.h"

namespace kv {

Point TCalcProvider::PlaceInRect(int width, int height, int margin, const Rect& rect,
                                 Alignment alignment, TVerticalAlignment vertical_alignment) {
    const int cx = rect.left + (rect.right - rect.left) / 2;
    const int cy = rect.top + (rect.bottom - rect.top) / 2;
    Point p;
    switch (alignment) {
        case taLeftJustify:
            p.x = rect.left + margin;
            break;
        case taRightJustify:
            p.x = rect.right - width - margin;
            break;
        case taCenter:
            p.x = cx - width / 2;
            break;
    }
    switch (vertical_alignment) {
        case taAlignTop:
            p.y = rect.top + margin;
            break;
        case taAlignBottom:
            p.y = rect.bottom - height - margin;
            break;
        case taVerticalCenter:
            p.y = cy - height / 2;
            break;
    }
    return p;
}

TColor TGraphicsProvider::BlendColors(TColor color1, TColor color2, int alpha) {
    if (alpha < 0 || alpha > 255)
        throw GridError("BlendColors: alpha " + std::to_string(alpha) + " outside 0..255");
    const TColor a = ColorToRGB(color1), b = ColorToRGB(color2);
    auto ch = [alpha](int x, int y) { return (x * alpha + y * (255 - alpha)) >> 8; };
    return RGBColor(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
                    ch(GetBValue(a), GetBValue(b)));
}

TColor TGraphicsProvider::MixColors(TColor color1, TColor color2, double ratio) {
    const TColor a = ColorToRGB(color1), b = ColorToRGB(color2);
    auto ch = [ratio](int x, int y) {
        return static_cast<int>(std::nearbyint(y * ratio + x * (1 - ratio)));
    };
    return RGBColor(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
                    ch(GetBValue(a), GetBValue(b)));
}

void TGraphicsProvider::SetClipRect(Canvas& canvas, const Rect& rect) {
    canvas.SetClipRect(rect);
}

void TGraphicsProvider::DrawButtonFace(Canvas& canvas, const Rect& rect) {
    canvas.brush.color = clBtnFace;
    canvas.brush.style = bsSolid;
    canvas.FillRect(rect.inflate(-1, -1));
    canvas.pen.color = clBtnHighlight;
    canvas.MoveTo(rect.left, rect.bottom - 1);
    canvas.LineTo(rect.left, rect.top);
    canvas.LineTo(rect.right - 1, rect.top);
    canvas.pen.color = clBtnShadow;
    canvas.LineTo(rect.right - 1, rect.bottom - 1);
    canvas.LineTo(rect.left - 1, rect.bottom - 1);
}

void TGraphicsProvider::DrawFocusOutline(Canvas& canvas, const Rect& rect, bool solid) {
    if (solid) {
        canvas.brush.color = clHighlight;
        canvas.brush.style = bsSolid;
        canvas.FrameRect(rect);
    } else {
        canvas.DrawFocusRect(rect);
    }
}

void TGraphicsProvider::DrawVerticalGradient(Canvas& canvas, const Rect& rect, TColor top,
                                             TColor bottom) {
    const int h = rect.bottom - rect.top;
    for (int y = rect.top; y < rect.bottom; ++y) {
        canvas.pen.color = MixColors(top, bottom, double(y - rect.top) / h);
        canvas.MoveTo(rect.left, y);
        canvas.LineTo(rect.right, y);
    }
}

void TGraphicsProvider::DrawHorizontalGradient(Canvas& canvas, const Rect& rect, TColor left,
                                               TColor right) {
    const int w = rect.right - rect.left;
    for (int x = rect.left; x < rect.right; ++x) {
        canvas.pen.color = MixColors(left, right, double(x - rect.left) / w);
        canvas.MoveTo(x, rect.top);
        canvas.LineTo(x, rect.bottom);
    }
}

static unsigned AlignmentFlag(Alignment alignment) {
    return alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
}

void TGraphicsProvider::DrawTextAligned(Canvas& canvas, const Rect& rect, Alignment alignment,
                                        std::string_view text, bool right_to_left) {
    canvas.brush.style = bsClear;
    Rect r = rect;
    canvas.DrawText(text, r,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX |
                        DT_EXTERNALLEADING | AlignmentFlag(alignment) |
                        (right_to_left ? DT_RTLREADING : 0));
    canvas.brush.style = bsSolid;
}

void TGraphicsProvider::DrawTextRect(Canvas& canvas, Rect rect, Alignment alignment,
                                     TVerticalAlignment vertical_alignment, bool word_wrap,
                                     std::string_view text, bool right_to_left) {
    unsigned flags = DT_NOPREFIX | AlignmentFlag(alignment);
    if (word_wrap) {
        Rect measured = rect;
        canvas.DrawText(text, measured, flags | DT_WORDBREAK | DT_CALCRECT);
        if (vertical_alignment == taAlignBottom)
            rect.top = rect.bottom - measured.height();
        else if (vertical_alignment == taVerticalCenter)
            rect.top += static_cast<int>(std::nearbyint((rect.bottom - measured.bottom) / 2.0));
        flags |= DT_WORDBREAK;
    } else {
        flags |= DT_SINGLELINE;
        if (vertical_alignment == taAlignBottom) flags |= DT_BOTTOM;
        if (vertical_alignment == taVerticalCenter) flags |= DT_VCENTER;
    }
    if (right_to_left) flags |= DT_RTLREADING;
    canvas.brush.style = bsClear;
    canvas.DrawText(text, rect, flags);
    canvas.brush.style = bsSolid;
}

void TDrawProvider::DrawAlphaGraphic(Canvas& canvas, int x, int y, const Picture& graphic) {
    for (int py = 0; py < graphic.height(); ++py) {
        for (int px = 0; px < graphic.width(); ++px) {
            const TColor under = canvas.Pixel(x + px, y + py);
            if (under == clNone) continue;
            const ARGB s = graphic.PixelARGB(px, py);
            const double a = ARGBAlpha(s);
            auto ch = [a](int src, int dst) {
                const double v =
                    std::nearbyint(a * src / 255.0) + std::nearbyint((1 - a / 255.0) * dst);
                return static_cast<int>(std::clamp(v, 0.0, 255.0));
            };
            canvas.SetPixel(
                x + px, y + py,
                RGBColor(ch(ARGBRed(s), GetRValue(under)), ch(ARGBGreen(s), GetGValue(under)),
                         ch(ARGBBlue(s), GetBValue(under))));
        }
    }
}

void DrawAlphaGraphicBlended(Canvas& canvas, int x, int y, const Picture& graphic) {
    for (int py = 0; py < graphic.height(); ++py) {
        for (int px = 0; px < graphic.width(); ++px) {
            const TColor under = canvas.Pixel(x + px, y + py);
            if (under == clNone) continue;
            const ARGB s = graphic.PixelARGB(px, py);
            canvas.SetPixel(x + px, y + py,
                            TGraphicsProvider::BlendColors(ARGBToColor(s), under, ARGBAlpha(s)));
        }
    }
}

void DrawTextLine(Canvas& canvas, const Rect& rect, Alignment alignment, std::string_view text,
                  bool no_prefix) {
    canvas.brush.style = bsClear;
    Rect r = rect;
    canvas.DrawText(text, r,
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_EXTERNALLEADING |
                        AlignmentFlag(alignment) | (no_prefix ? DT_NOPREFIX : 0));
    canvas.brush.style = bsSolid;
}

void DrawVerticalText(Canvas& canvas, Rect rect, std::string_view text, bool multi_line) {
    canvas.brush.style = bsClear;
    const Font saved = canvas.font;
    canvas.font.angle = 90;
    std::vector<std::string_view> lines;
    if (multi_line && text.find('\r') != std::string_view::npos) {
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
                if (i < text.size() || start < i) lines.push_back(text.substr(start, i - start));
                if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
                start = i + 1;
            }
        }
    } else {
        lines.push_back(text);
    }
    const int line_height = canvas.TextHeight(text);
    for (std::string_view line : lines) {
        // Turned about its top-left corner, the text grows upwards from the rectangle's bottom.
        canvas.TextOut(rect.left, rect.bottom, line);
        rect.left += line_height;
    }
    canvas.font = saved;
    canvas.brush.style = bsSolid;
}

bool MovedBeyond(Point p, Point q, int distance) {
    return p.x < q.x - distance || p.x > q.x + distance || p.y < q.y - distance ||
           p.y > q.y + distance;
}

std::string GetValueFromIndex(const std::vector<std::string>& strings, int index) {
    if (index < 0 || index >= static_cast<int>(strings.size())) return {};
    const std::string& line = strings[index];
    const size_t eq = line.find('=');
    const size_t name_length = eq == std::string::npos ? 0 : eq;
    return name_length + 1 >= line.size() ? std::string() : line.substr(name_length + 1);
}

int GetWideTextWidth(const Canvas& canvas, std::string_view text) {
    return canvas.TextWidth(text);
}

int GetWideTextHeight(const Canvas& canvas, std::string_view text) {
    return canvas.TextHeight(text);
}

int GetMultiLineTextWidth(Canvas& canvas, std::string_view text) {
    Rect r{0, 0, 0, 0};
    canvas.DrawText(text, r, DT_CALCRECT);
    return r.width();
}

void InvertPixels(Canvas& canvas, const Rect& rect) {
    const Rect r = rect.intersect(canvas.ClipRect());
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) canvas.SetPixel(x, y, canvas.Pixel(x, y) ^ 0xFFFFFF);
}

TColor GetSchemeColor(int slot, int scheme) {
    // The default scheme's slots the grid reads; the others hold its line colour.
    static constexpr std::array<TColor, 24> kScheme = [] {
        std::array<TColor, 24> s{};
        s.fill(0xCF9365);
        s[2] = 0xCF9365;
        s[6] = 0xFFFFFF;
        s[7] = 0xFFD2AF;
        s[10] = 0xFFC69A;
        s[11] = 0xFFD2AF;
        return s;
    }();
    (void)scheme;  // one scheme exists: every reader asks for the default
    if (slot < 0 || slot >= 24)
        throw GridError("Palette slot " + std::to_string(slot) + " out of bounds");
    return kScheme[static_cast<size_t>(slot)];
}

VisualStylesBinding& GridVisualStyles() {
    static VisualStylesBinding binding("grid");
    return binding;
}

bool GridVisualStylesActive() {
    return VisualStylesActive(GridVisualStyles());
}

void DrawThemedPart(Canvas& canvas, const Rect& rect, std::string_view class_name, int part,
                    int state) {
    VisualStylesBinding& b = GridVisualStyles();
    if (!b.Loaded() || !b.OpenThemeData || !b.DrawThemeBackground || !b.CloseThemeData) return;
    const std::string name(class_name);
    HTHEME theme = b.OpenThemeData(nullptr, name.c_str());
    if (!theme) return;
    b.DrawThemeBackground(theme, canvas, part, state, rect, &rect);
    b.CloseThemeData(theme);
}

}  // namespace kv
