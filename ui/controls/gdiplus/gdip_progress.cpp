#include "ui/controls/gdiplus/gdip_progress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "platform/gfx/gdiplus.h"

namespace kv {
namespace {

constexpr int kDefaultDecimals = 2;
constexpr int kMostDecimals = 15;

std::string Fixed(double value, int decimals) {
    char buffer[64];
    // The format here is our own constant; only the count of decimals comes from the caller.
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string Plain(double value) {
    std::string text = Fixed(value, kDefaultDecimals);
    while (text.back() == '0') text.pop_back();
    if (text.back() == ',') text.pop_back();
    return text == "-0" ? "0" : text;
}

// The value text, or nothing when the format asks for more than one number written "%[.N]f".
std::optional<std::string> Expand(std::string_view format, double value) {
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (++i >= format.size()) return std::nullopt;
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        int decimals = kDefaultDecimals;
        if (format[i] == '.') {
            const std::size_t start = ++i;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
            if (i == start || i - start > 2) return std::nullopt;
            decimals = std::stoi(std::string(format.substr(start, i - start)));
            if (decimals > kMostDecimals) return std::nullopt;
        }
        if (i >= format.size() || format[i] != 'f') return std::nullopt;
        out += Fixed(value, decimals);
    }
    return out;
}

GraphicsBrush Band(const RectF& b, ARGB from, ARGB to, LinearGradientMode mode) {
    return GraphicsBrush::LinearGradient(RectF{b.x - 1, b.y - 1, b.width + 2, b.height + 2}, from,
                                         to, mode);
}

void FillBand(Graphics& g, const RectF& b, ARGB from, ARGB to, LinearGradientMode mode) {
    if (b.empty()) return;
    g.FillRectangle(Band(b, from, to, mode), b);
}

// Where the value text starts along the bar: the inner rectangle's start and length in the
// bar's direction, the filled part's and the text's lengths, the bar's own start, and the offset
// for vpCustom.
float AlongBar(TGDIPProgressValuePosition position, float start, float length, float filled,
               float text, int outer, int custom) {
    switch (position) {
        case vpProgressCenter:
            return filled >= text ? start + (filled - text) / 2 : start;
        case vpProgressRight:
            return filled >= text ? start + filled - text : start;
        case vpCenter:
            return outer + (length - text) / 2;
        case vpLeft:
            return start;
        case vpRight:
            return outer + length - text;
        case vpCustom:
            break;
    }
    return float(outer + custom);
}

// The font measured with: the family by name, bold, italic and underline.
Font MeasuringFont(const Font& f) {
    Font out = f;
    out.style &= static_cast<FontStyles>(fsBold | fsItalic | fsUnderline);
    return out;
}

}  // namespace

std::string FormatProgressValue(std::string_view format, double value) {
    if (std::optional<std::string> text = Expand(format, value)) return *text;
    return Plain(value);
}

TGDIPProgress::TGDIPProgress() {
    background_fill_.OnChange = [this] { Changed(); };
    progress_fill_.OnChange = [this] { Changed(); };
}

void TGDIPProgress::Assign(const TGDIPProgress& s) {
    if (&s == this) return;
    background_fill_.Assign(s.background_fill_);
    progress_fill_.Assign(s.progress_fill_);
    value_format_ = s.value_format_;
    value_type_ = s.value_type_;
    value_top_ = s.value_top_;
    value_left_ = s.value_left_;
    value_position_ = s.value_position_;
    value_visible_ = s.value_visible_;
    SetFont(s.font_);
    transparent_ = s.transparent_;
    shadows_ = s.shadows_;
    overlays_ = s.overlays_;
}

Rect TGDIPProgress::GetInnerRect(const Rect& r) const {
    Rect inner{r.left, r.top, r.right - 1, r.bottom - 1};
    if (background_fill_.BorderColor() != clNone) {
        const int d = (background_fill_.BorderWidth() + 1) / 2;
        inner = {inner.left + d, inner.top + d, inner.right - d, inner.bottom - d};
    }
    return inner;
}

RectF TGDIPProgress::GetProgressRect(const Rect& r, double min, double max, double value,
                                     TGDIPProgressDirection direction) const {
    const Rect i = GetInnerRect(r);
    const bool border = progress_fill_.HasBorder();
    const float b = border ? static_cast<float>(progress_fill_.BorderWidth()) : 0;
    const auto length = [&](float full) {
        if (max - min <= 0) return 0.0f;
        return std::min(full, static_cast<float>((value - min) / (max - min) * full));
    };
    if (direction == pbdHorizontal) {
        const float l = std::max(0.0f, length(i.right - b - i.left));
        if (border) return {i.left + b / 2, i.top + b / 2, l, i.bottom - b - i.top};
        return {float(i.left), float(i.top), l, float(i.bottom - i.top)};
    }
    const float l = std::max(0.0f, length(i.bottom - b - i.top));
    if (border) return {i.left + b / 2, i.bottom - b / 2 - l, i.right - b - i.left, l};
    return {float(i.left), i.bottom - l, float(i.right - i.left), l};
}

void TGDIPProgress::Draw(Graphics& g, const Rect& r, double min, double max, double value,
                         TGDIPProgressDirection direction) const {
    if (r.empty()) return;
    const RectF back =
        background_fill_.HasBorder()
            ? RectF{float(r.left), float(r.top), float(r.width() - 1), float(r.height() - 1)}
            : RectF{float(r.left - 1), float(r.top - 1), float(r.width() + 1),
                    float(r.height() + 1)};
    if (!transparent_) background_fill_.DrawFill(g, back);
    if (value > min) {
        const RectF p = GetProgressRect(r, min, max, value, direction);
        progress_fill_.DrawFill(g, p);
        if ((direction == pbdHorizontal ? p.width : p.height) > 0) DrawShadows(g, p, direction);
    }
    if (!transparent_) DrawShadows(g, ToRectF(GetInnerRect(r)), direction);
    if (value_visible_) DrawValue(g, r, min, max, value, direction);
    if (!transparent_ && overlays_) DrawOverlays(g, r, direction);
}

void TGDIPProgress::DrawShadows(Graphics& g, const RectF& r,
                                TGDIPProgressDirection direction) const {
    if (!shadows_ || r.empty()) return;
    const ARGB dark = 0x1E000000, clear = 0x00000000;  // black at alpha 30, and none
    if (direction == pbdHorizontal) {
        FillBand(g, {r.x, r.y, 10, r.height}, dark, clear, LinearGradientMode::Horizontal);
        FillBand(g, {r.right() - 10, r.y, 10, r.height}, clear, dark,
                 LinearGradientMode::Horizontal);
    } else {
        FillBand(g, {r.x, r.y, r.width, 10}, dark, clear, LinearGradientMode::Vertical);
        FillBand(g, {r.x, r.bottom() - 10, r.width, 10}, clear, dark, LinearGradientMode::Vertical);
    }
}

std::string TGDIPProgress::ValueText(double min, double max, double value) const {
    value = std::clamp(value, min, std::max(min, max));
    double n = value;
    if (value_type_ == vtPercentage) n = max > min ? (value - min) / (max - min) * 100 : max;
    std::string text = FormatProgressValue(value_format_, n);
    if (OnDrawValue) OnDrawValue(value_format_, text);
    return text;
}

void TGDIPProgress::DrawValue(Graphics& g, const Rect& r, double min, double max, double value,
                              TGDIPProgressDirection direction) const {
    const std::string text = ValueText(min, max, value);
    const RectF i = ToRectF(GetInnerRect(r));
    const StringMeasure m = g.MeasureString(text, MeasuringFont(font_), i);
    const float tw = m.bounds.width, th = m.bounds.height;
    const RectF p = GetProgressRect(r, min, max, value, direction);
    const bool custom = value_position_ == vpCustom;
    PointF origin;
    bool over_bar = false;
    if (direction == pbdHorizontal) {
        const float x = AlongBar(value_position_, i.x, i.width, p.width, tw, r.left, value_left_);
        const float oy = custom ? float(value_top_) : (i.height - th) / 2;
        origin = {x, r.top + oy};
        over_bar = p.x + p.width > x + tw / 2;
    } else {
        const float y = AlongBar(value_position_, i.y, i.height, p.height, th, r.top, value_top_);
        const float ox = custom ? float(value_left_) : (i.width - tw) / 2;
        origin = {r.left + ox, y};
        over_bar = p.y + p.height > y + th / 2;
    }
    const Font& chosen = over_bar ? progress_font_ : font_;
    const std::unique_ptr<TGPFont> font = MakeFont(chosen);
    if (!font->Native()) return;
    g.DrawString(text, *font->Native(), origin,
                 GraphicsBrush::Solid(ColorToARGB(255, chosen.color)));
}

void TGDIPProgress::DrawOverlays(Graphics& g, const Rect& r,
                                 TGDIPProgressDirection direction) const {
    const Rect i = GetInnerRect(r);
    const float w = float(i.right - i.left), h = float(i.bottom - i.top);
    const ARGB white0 = 0x00FFFFFF, white180 = 0xB4FFFFFF, white255 = 0xFFFFFFFF;
    if (direction == pbdHorizontal) {
        FillBand(g, {float(i.left), float(i.top), w, h / 2.5f}, white180, white0,
                 LinearGradientMode::Vertical);
        FillBand(g, {float(i.left), i.bottom - h / 5, w, h / 5}, white0, white255,
                 LinearGradientMode::Vertical);
    } else {
        FillBand(g, {float(i.left), float(i.top), w / 2.5f, h}, white180, white0,
                 LinearGradientMode::Horizontal);
        FillBand(g, {i.right - w / 5, float(i.top), w / 5, h}, white0, white255,
                 LinearGradientMode::Horizontal);
    }
}

}  // namespace kv
