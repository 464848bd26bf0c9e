#include "ui/controls/progress_bar_classes.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string>

#include "platform/window/control_factory.h"
#include "ui/controls/progress_cyl.h"
#include "ui/controls/smooth_progress_bar.h"

namespace kv {
namespace {

using P = const PropertyValue&;

// In the order of TProEffect.
constexpr std::string_view kProEffectNames[] = {
    "demoSystem",      "demoMetal",     "demoSunken",       "peCustom",      "peGlassRed",
    "peGlassOrange",   "peGlassYellow", "peGlassGreen",     "peGlassCyan",   "peGlassBlue",
    "peGlassViolet",   "peGlassPurple", "peSystem1",        "peSystem2",     "peSystem3",
    "peSystem4",       "peSystem5",     "peSystem6",        "peSystem7",     "peSystem8",
    "peUpLoad1",       "peUpLoad2",     "peMetalRed",       "peMetalOrange", "peMetalYellow",
    "peMetalCyan",     "peMetalGreen",  "peMetalLightBlue", "peMetalBlue",   "peMetalViolet",
    "peMetalDarkGray", "peMetalGold",   "peStdRed",         "peStdYellow",   "peStdGreen",
    "peStdBlue"};
static_assert(std::size(kProEffectNames) == peStdBlue + 1);

double Real(P v) {
    double value = 0;
    const std::string_view text = v.Text();
    const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || last != text.data() + text.size())
        throw LayoutError("\"" + std::string(text) + "\" is not a number");
    return value;
}

// A property of the smooth bar's painter or one of its two fills.
template <class F>
ControlProperty Painter(std::string_view name, F set) {
    return ControlProperty::Of<TUiSmoothProgressBar>(
        name, [set](TUiSmoothProgressBar& b, P v) { set(b.Appearance(), v); });
}

std::vector<ControlProperty> SmoothBarProperties() {
    using B = TUiSmoothProgressBar&;
    return {
        ControlProperty::Of<TUiSmoothProgressBar>("Minimum",
                                                  [](B b, P v) { b.SetMinimum(Real(v)); }),
        ControlProperty::Of<TUiSmoothProgressBar>("Maximum",
                                                  [](B b, P v) { b.SetMaximum(Real(v)); }),
        ControlProperty::Of<TUiSmoothProgressBar>("Position",
                                                  [](B b, P v) { b.SetPosition(Real(v)); }),
        ControlProperty::Of<TUiSmoothProgressBar>("Step", [](B b, P v) { b.SetStep(Real(v)); }),
        ControlProperty::Of<TUiSmoothProgressBar>(
            "ProgressAnimation", [](B b, P v) { b.SetProgressAnimation(v.Bool()); }),
        ControlProperty::Of<TUiSmoothProgressBar>("GlowAnimation",
                                                  [](B b, P v) { b.SetGlowAnimation(v.Bool()); }),
        ControlProperty::Of<TUiSmoothProgressBar>(
            "Style",
            [](B b, P v) {
                b.SetStyle(v.Enum<TProgressBarStyle>(
                    {{"pbstNormal", pbstNormal}, {"pbstMarquee", pbstMarquee}}));
            }),
        ControlProperty::Of<TUiSmoothProgressBar>("MarqueeInterval",
                                                  [](B b, P v) { b.SetMarqueeInterval(v.Int()); }),
        ControlProperty::Of<TUiSmoothProgressBar>("MarqueeColor",
                                                  [](B b, P v) { b.SetMarqueeColor(v.Color()); }),
        ControlProperty::Of<TUiSmoothProgressBar>("MarqueeSize",
                                                  [](B b, P v) { b.SetMarqueeSize(v.Int()); }),
        ControlProperty::Of<TUiSmoothProgressBar>(
            "Direction",
            [](B b, P v) {
                b.SetDirection(v.Enum<TGDIPProgressDirection>(
                    {{"pbdHorizontal", pbdHorizontal}, {"pbdVertical", pbdVertical}}));
            }),
        ControlProperty::Of<TUiSmoothProgressBar>("StylePreset",
                                                  [](B b, P v) { b.ApplyStylePreset(v.Int()); }),
        Painter("Appearance.ValueVisible",
                [](TGDIPProgress& a, P v) { a.SetValueVisible(v.Bool()); }),
        Painter("Appearance.ValueFormat",
                [](TGDIPProgress& a, P v) { a.SetValueFormat(std::string(v.Text())); }),
        Painter("Appearance.ValueType",
                [](TGDIPProgress& a, P v) {
                    a.SetValueType(v.Enum<TGDIPProgressValueType>(
                        {{"vtPercentage", vtPercentage}, {"vtAbsolute", vtAbsolute}}));
                }),
        Painter("Appearance.Shadows", [](TGDIPProgress& a, P v) { a.SetShadows(v.Bool()); }),
        Painter("Appearance.Overlays", [](TGDIPProgress& a, P v) { a.SetOverlays(v.Bool()); }),
        Painter("Appearance.Transparent",
                [](TGDIPProgress& a, P v) { a.SetTransparent(v.Bool()); }),
        Painter("Appearance.BackGroundFill.Color",
                [](TGDIPProgress& a, P v) { a.BackGroundFill().SetColor(v.Color()); }),
        Painter("Appearance.BackGroundFill.ColorTo",
                [](TGDIPProgress& a, P v) { a.BackGroundFill().SetColorTo(v.Color()); }),
        Painter("Appearance.BackGroundFill.BorderColor",
                [](TGDIPProgress& a, P v) { a.BackGroundFill().SetBorderColor(v.Color()); }),
        Painter("Appearance.ProgressFill.Color",
                [](TGDIPProgress& a, P v) { a.ProgressFill().SetColor(v.Color()); }),
        Painter("Appearance.ProgressFill.ColorTo",
                [](TGDIPProgress& a, P v) { a.ProgressFill().SetColorTo(v.Color()); }),
        Painter("Appearance.ProgressFill.BorderColor",
                [](TGDIPProgress& a, P v) { a.ProgressFill().SetBorderColor(v.Color()); }),
    };
}

std::vector<ControlProperty> CylinderProperties() {
    using C = TProgressCyl&;
    using Cyl = TProgressCyl;
    return {
        ControlProperty::Of<Cyl>("Min", [](C c, P v) { c.SetMin(v.Int()); }),
        ControlProperty::Of<Cyl>("Max", [](C c, P v) { c.SetMax(v.Int()); }),
        ControlProperty::Of<Cyl>("Position", [](C c, P v) { c.SetPosition(v.Int()); }),
        ControlProperty::Of<Cyl>("Step", [](C c, P v) { c.SetStep(v.Int()); }),
        ControlProperty::Of<Cyl>("StopAtMax", [](C c, P v) { c.SetStopAtMax(v.Bool()); }),
        ControlProperty::Of<Cyl>(
            "Orientation",
            [](C c, P v) {
                c.SetOrientation(v.Enum<TProgressBarOrientation>(
                    {{"pbHorizontal", pbHorizontal}, {"pbVertical", pbVertical}}));
            }),
        ControlProperty::Of<Cyl>("ForeColor", [](C c, P v) { c.SetForeColor(v.Color()); }),
        ControlProperty::Of<Cyl>("BackColor", [](C c, P v) { c.SetBackColor(v.Color()); }),
        ControlProperty::Of<Cyl>("ForeLineColor", [](C c, P v) { c.SetForeLineColor(v.Color()); }),
        ControlProperty::Of<Cyl>("BackBorderColor",
                                 [](C c, P v) { c.SetBackBorderColor(v.Color()); }),
        ControlProperty::Of<Cyl>("BevelColor", [](C c, P v) { c.SetBevelColor(v.Color()); }),
        ControlProperty::Of<Cyl>("BevelInner",
                                 [](C c, P v) { c.SetBevelInner(v.Enum(kBevelCutNames)); }),
        ControlProperty::Of<Cyl>("BevelOuter",
                                 [](C c, P v) { c.SetBevelOuter(v.Enum(kBevelCutNames)); }),
        ControlProperty::Of<Cyl>("BevelWidth", [](C c, P v) { c.SetBevelWidth(v.Int()); }),
        ControlProperty::Of<Cyl>("BorderWidth", [](C c, P v) { c.SetBorderWidth(v.Int()); }),
        ControlProperty::Of<Cyl>("CylinderEffect",
                                 [](C c, P v) {
                                     c.SetCylinderEffect(
                                         v.Enum<TCylinderEffect>({{"ceFlat", ceFlat},
                                                                  {"ceUltraLow", ceUltraLow},
                                                                  {"ceLow", ceLow},
                                                                  {"ceMedium", ceMedium},
                                                                  {"ceHigh", ceHigh},
                                                                  {"ceMaximum", ceMaximum}}));
                                 }),
        ControlProperty::Of<Cyl>("ShowText", [](C c, P v) { c.SetShowText(v.Bool()); }),
        ControlProperty::Of<Cyl>("Text", [](C c, P v) { c.SetText(std::string(v.Text())); }),
        ControlProperty::Of<Cyl>("TextDone",
                                 [](C c, P v) { c.SetTextDone(std::string(v.Text())); }),
        ControlProperty::Of<Cyl>("FontEffect",
                                 [](C c, P v) {
                                     c.SetFontEffect(v.Enum<TFontEffect>(
                                         {{"feNone", feNone},
                                          {"feInvert", feInvert},
                                          {"feShadowTopLeft", feShadowTopLeft},
                                          {"feShadowBottomRight", feShadowBottomRight}}));
                                 }),
        ControlProperty::Of<Cyl>("FontShadowColor",
                                 [](C c, P v) { c.SetFontShadowColor(v.Color()); }),
        ControlProperty::Of<Cyl>(
            "FontOrientation",
            [](C c, P v) {
                c.SetFontOrientation(v.Enum<TFontOrientation>({{"foLeftToRight", foLeftToRight},
                                                               {"foTopToBottom", foTopToBottom},
                                                               {"foBottomToTop", foBottomToTop}}));
            }),
        ControlProperty::Of<Cyl>(
            "ProEffect",
            [](C c, P v) {
                const auto at =
                    std::find(std::begin(kProEffectNames), std::end(kProEffectNames), v.Text());
                if (at == std::end(kProEffectNames))
                    throw LayoutError("\"" + std::string(v.Text()) + "\" is no preset");
                c.SetProEffect(static_cast<TProEffect>(at - std::begin(kProEffectNames)));
            }),
    };
}

}  // namespace

void RegisterProgressBarClasses() {
    if (FindControlClass("TUiSmoothProgressBar")) return;
    RegisterControlClass({
        .name = "TUiSmoothProgressBar",
        .create = [] { return std::make_unique<TUiSmoothProgressBar>(); },
        .properties = SmoothBarProperties(),
    });
    RegisterControlClass({
        .name = "TProgressCyl",
        .create = [] { return std::make_unique<TProgressCyl>(); },
        .properties = CylinderProperties(),
    });
}

}  // namespace kv
