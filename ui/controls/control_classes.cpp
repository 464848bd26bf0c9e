#include "ui/controls/control_classes.h"

#include <memory>

#include "platform/gfx/canvas.h"
#include "platform/window/control_factory.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/gradient.h"
#include "ui/controls/progress_bar_classes.h"
#include "ui/controls/scheme_button.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/ui_combo_box.h"

namespace kv {
namespace {

using P = const PropertyValue&;

template <class T>
std::unique_ptr<Control> Make() {
    return std::make_unique<T>();
}

// A one-line caption drawn inside the whole control.
CaptionCheck FitsOneLine() {
    return [](const Control& c) {
        return CheckTextFits(c.Caption(), c.font(), {0, 0, c.Width(), c.Height()}, DT_SINGLELINE);
    };
}

}  // namespace

void RegisterSmoothControlClasses() {
    RegisterProgressBarClasses();

    // The panel's table caption is the text of its caption object, drawn in its own font and
    // place; the label's control caption is its caption object's text.
    RegisterControlClass({
        .name = "TUiSmoothPanel",
        .create = Make<TUiSmoothPanel>,
        .properties =
            {
                ControlProperty::Of<TUiSmoothPanel>(
                    "StylePreset", [](TUiSmoothPanel& p, P v) { p.ApplyStylePreset(v.Int()); }),
                ControlProperty::Of<TUiSmoothPanel>(
                    "CanMove", [](TUiSmoothPanel& p, P v) { p.SetCanMove(v.Bool()); }),
                ControlProperty::Of<TUiSmoothPanel>(
                    "Caption.HTMLText",
                    [](TUiSmoothPanel& p, P v) { p.Caption().SetHTMLText(std::string(v.Text())); }),
            },
        .set_caption =
            [](Control& c, std::string_view text) {
                dynamic_cast<TUiSmoothPanel&>(c).Caption().SetText(std::string(text));
            },
    });

    RegisterControlClass({
        .name = "TUiSmoothLabel",
        .create = Make<TUiSmoothLabel>,
        .properties =
            {
                ControlProperty::Of<TUiSmoothLabel>(
                    "Caption.ColorStart",
                    [](TUiSmoothLabel& l, P v) { l.Caption().SetColorStart(v.Color()); }),
                ControlProperty::Of<TUiSmoothLabel>(
                    "Caption.ColorEnd",
                    [](TUiSmoothLabel& l, P v) { l.Caption().SetColorEnd(v.Color()); }),
                ControlProperty::Of<TUiSmoothLabel>("Caption.Location",
                                                    [](TUiSmoothLabel& l, P v) {
                                                        const auto at = v.Enum<TUiSmoothLabelLocation>(
                                                            {{"plTopLeft", plTopLeft},
                                                             {"plTopCenter", plTopCenter},
                                                             {"plTopRight", plTopRight},
                                                             {"plCenterLeft", plCenterLeft},
                                                             {"plCenterCenter", plCenterCenter},
                                                             {"plCenterRight", plCenterRight}});
                                                        l.Caption().SetLocation(at);
                                                        l.CaptionShadow().SetLocation(at);
                                                    }),
            },
    });

    RegisterControlClass({
        .name = "TGradient",
        .create = Make<TGradient>,
        .properties =
            {
                ControlProperty::Of<TGradient>(
                    "ColorBegin", [](TGradient& g, P v) { g.SetColorBegin(v.Color()); }),
                ControlProperty::Of<TGradient>("ColorEnd",
                                               [](TGradient& g, P v) { g.SetColorEnd(v.Color()); }),
            },
    });

    RegisterControlClass({
        .name = "TUiGlowButton",
        .create = Make<TUiGlowButton>,
        .properties =
            {
                ControlProperty::Of<TUiGlowButton>(
                    "Rounded", [](TUiGlowButton& b, P v) { b.SetRounded(v.Bool()); }),
                ControlProperty::Of<TUiGlowButton>(
                    "ShowCaption", [](TUiGlowButton& b, P v) { b.SetShowCaption(v.Bool()); }),
            },
        .check_caption = FitsOneLine(),
    });

    RegisterControlClass({
        .name = "TSchemeButton",
        .create = Make<TSchemeButton>,
        .properties =
            {
                ControlProperty::Of<TSchemeButton>("ColorScheme",
                                                   [](TSchemeButton& b, P v) {
                                                       b.SetColorScheme(v.Enum<TColorScheme>(
                                                           {{"csNeoDesert", csNeoDesert},
                                                            {"csNeoSky", csNeoSky},
                                                            {"csNeoGrass", csNeoGrass},
                                                            {"csNeoSilver", csNeoSilver},
                                                            {"csNeoRose", csNeoRose},
                                                            {"csNeoSun", csNeoSun},
                                                            {"csDesert", csDesert},
                                                            {"csGrass", csGrass},
                                                            {"csSky", csSky},
                                                            {"csSun", csSun},
                                                            {"csRose", csRose},
                                                            {"csSilver", csSilver},
                                                            {"csCustom", csCustom}}));
                                                   }),
                ControlProperty::Of<TSchemeButton>(
                    "Default", [](TSchemeButton& b, P v) { b.SetDefault(v.Bool()); }),
                ControlProperty::Of<TSchemeButton>(
                    "Cancel", [](TSchemeButton& b, P v) { b.SetCancel(v.Bool()); }),
                ControlProperty::Of<TSchemeButton>(
                    "Gradient", [](TSchemeButton& b, P v) { b.SetGradient(v.Bool()); }),
            },
        .check_caption = FitsOneLine(),
    });

    // The flat combo takes the platform combo's properties (Items, ItemIndex).
    RegisterControlClass({
        .name = "TUiComboBox",
        .base = "TComboBox",
        .create = Make<TUiComboBox>,
    });
}

}  // namespace kv
