#include "ui/controls/glow_button_appearance.h"

#include <algorithm>
#include <cmath>

namespace kv {
namespace {

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

int TintChannel(int c, int p) {
    if (c == 0) return std::max(0, p);
    return std::clamp(RoundEven(c * std::min(100, 100 + p) / 100.0), 0, 255);
}

}  // namespace

TColor TintColor(TColor color, int red_percent, int green_percent, int blue_percent) {
    if (color == clNone) return clNone;
    const TColor c = ColorToRGB(color);
    return RGBColor(TintChannel(GetRValue(c), red_percent),
                    TintChannel(GetGValue(c), green_percent),
                    TintChannel(GetBValue(c), blue_percent));
}

TColor BlendColor(TColor a, TColor b, int percent) {
    if (percent >= 100) return a;
    if (percent <= 0 || a == clNone) return b;
    if (b == clNone) return a;
    const TColor ca = ColorToRGB(a), cb = ColorToRGB(b);
    const double p = percent / 100.0;
    auto mix = [p](int x, int y) { return std::min(255, RoundEven(p * x + (1 - p) * y)); };
    return RGBColor(mix(GetRValue(ca), GetRValue(cb)), mix(GetGValue(ca), GetGValue(cb)),
                    mix(GetBValue(ca), GetBValue(cb)));
}

GlowColorSet BlendColorSet(const GlowColorSet& a, const GlowColorSet& b, int percent) {
    GlowColorSet out = a;
    out.color = BlendColor(a.color, b.color, percent);
    out.color_to = BlendColor(a.color_to, b.color_to, percent);
    out.mirror = BlendColor(a.mirror, b.mirror, percent);
    out.mirror_to = BlendColor(a.mirror_to, b.mirror_to, percent);
    out.border = BlendColor(a.border, b.border, percent);
    return out;
}

TGlowButtonAppearance::TGlowButtonAppearance() {
    looks_[Normal] = {0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0xC0C0C0, ggVertical, ggVertical};
    looks_[Hot] = {0xF5F0E1, 0xF9D2B2, 0xF5C8AD, 0xFFF8F4, 0xFF0000, ggRadial, ggRadial};
    // The pressed looks are the hot colours a tenth darker in red and green.
    GlowColorSet down = looks_[Hot];
    for (TColor* c : {&down.color, &down.color_to, &down.mirror, &down.mirror_to})
        *c = TintColor(*c, -10, -10, 0);
    down.border = 0x800000;
    looks_[Down] = down;
    looks_[Checked] = down;
    looks_[Checked].border = 0xFF0000;
    looks_[Checked].gradient_mirror = ggVertical;
    GlowColorSet disabled = looks_[Normal];
    for (TColor* c : {&disabled.color, &disabled.color_to, &disabled.mirror, &disabled.mirror_to})
        *c = TintColor(*c, -5);
    disabled.border = 0x808080;
    disabled.gradient = disabled.gradient_mirror = ggRadial;
    looks_[Disabled] = disabled;
}

GlowColorSet TGlowButtonAppearance::Set(Look look) const {
    return looks_[look];
}

void TGlowButtonAppearance::SetFaces(Look look, TColor color, TColor color_to, TColor mirror,
                                     TColor mirror_to) {
    GlowColorSet& l = looks_[look];
    const GlowColorSet before = l;
    l.color = color;
    l.color_to = color_to;
    l.mirror = mirror;
    l.mirror_to = mirror_to;
    if (l.color != before.color || l.color_to != before.color_to || l.mirror != before.mirror ||
        l.mirror_to != before.mirror_to)
        Changed();
}

void TGlowButtonAppearance::Assign(const TGlowButtonAppearance& s) {
    if (&s == this) return;
    for (int i = 0; i < 5; ++i) {
        const GlowColorSet& from = s.looks_[i];
        GlowColorSet& to = looks_[i];
        Change(to.color, from.color);
        Change(to.color_to, from.color_to);
        Change(to.mirror, from.mirror);
        Change(to.mirror_to, from.mirror_to);
        Change(to.border, from.border);
        Change(to.gradient, from.gradient);
        Change(to.gradient_mirror, from.gradient_mirror);
    }
    SetSystemFont(s.system_font_);
    SetTextColorHot(s.text_hot_);
    SetTextColorDown(s.text_down_);
    SetTextColorChecked(s.text_checked_);
    FaceOnHover = s.FaceOnHover;
}

}  // namespace kv
